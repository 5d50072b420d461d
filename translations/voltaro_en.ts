<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>FaceDescription</name>
    <message numerus="yes">
        <source>no win, bonus pool of %1 paid and %n free spins won</source>
        <translation>
            <numerusform>no win, bonus pool of %1 paid and %n free spin won</numerusform>
            <numerusform>no win, bonus pool of %1 paid and %n free spins won</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>won %1 on line %2, bonus pool of %3 paid and %n free spins won</source>
        <translation>
            <numerusform>won %1 on line %2, bonus pool of %3 paid and %n free spin won</numerusform>
            <numerusform>won %1 on line %2, bonus pool of %3 paid and %n free spins won</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>won %1 on lines %2, bonus pool of %3 paid and %n free spins won</source>
        <translation>
            <numerusform>won %1 on lines %2, bonus pool of %3 paid and %n free spin won</numerusform>
            <numerusform>won %1 on lines %2, bonus pool of %3 paid and %n free spins won</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n free spins left.</source>
        <translation>
            <numerusform>%n free spin left.</numerusform>
            <numerusform>%n free spins left.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GameCharts</name>
    <message numerus="yes">
        <source>%n coins</source>
        <extracomment>The most used bet in the return chart&apos;s words.</extracomment>
        <translation>
            <numerusform>%n coin</numerusform>
            <numerusform>%n coins</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Return so far after %n paid spins: %1. The machine&apos;s long-run return at %2 is %3; 99 games in 100 with this many paid spins end between %4 and %5.</source>
        <extracomment>The return chart in words, for a screen reader. %n paid spins, %1 the return so far, %2 the most used bet (&quot;25 coins&quot;), %3 the machine&apos;s long-run return there, %4 and %5 where the return so far of 99 games in 100 lies after this many spins.</extracomment>
        <translation>
            <numerusform>Return so far after %n paid spin: %1. The machine&apos;s long-run return at %2 is %3; 99 games in 100 with this many paid spins end between %4 and %5.</numerusform>
            <numerusform>Return so far after %n paid spins: %1. The machine&apos;s long-run return at %2 is %3; 99 games in 100 with this many paid spins end between %4 and %5.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GameHistoryWindow</name>
    <message numerus="yes">
        <source>Long-run return at %n coins (the most used bet):</source>
        <translation>
            <numerusform>Long-run return at %n coin (the most used bet):</numerusform>
            <numerusform>Long-run return at %n coins (the most used bet):</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RecordsPage</name>
    <message numerus="yes">
        <source>%n in a row</source>
        <translation>
            <numerusform>%n in a row</numerusform>
            <numerusform>%n in a row</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Clear your records of every game played (%n so far)? This cannot be undone.</source>
        <extracomment>Asked before the records are cleared; %n is the number of games they cover.</extracomment>
        <translation>
            <numerusform>Clear your records of every game played (%n so far)? This cannot be undone.</numerusform>
            <numerusform>Clear your records of every game played (%n so far)? This cannot be undone.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TPayoffs</name>
    <message numerus="yes">
        <source>%n coins %1</source>
        <extracomment>What a win pays for %n coins on the line, read out; %1 is the amount, such as 10.00.</extracomment>
        <translation>
            <numerusform>%n coin %1</numerusform>
            <numerusform>%n coins %1</numerusform>
        </translation>
    </message>
</context>
</TS>
