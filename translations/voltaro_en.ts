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
