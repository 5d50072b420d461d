<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ButtonPanel</name>
    <message>
        <source>Bet 1</source>
        <extracomment>The button that places one coin.</extracomment>
        <translation>1 setzen</translation>
    </message>
    <message>
        <source>Bet one coin</source>
        <translation>Eine Münze setzen</translation>
    </message>
    <message>
        <source>Bet Max</source>
        <extracomment>The button that places the most coins a spin takes.</extracomment>
        <translation>Max. setzen</translation>
    </message>
    <message>
        <source>Bet maximum credits</source>
        <translation>Höchsteinsatz setzen</translation>
    </message>
    <message>
        <source>Payoff Chart</source>
        <translation>Gewinntabelle</translation>
    </message>
    <message>
        <source>View the Payoff Chart</source>
        <translation>Gewinntabelle anzeigen</translation>
    </message>
    <message>
        <source>Spin</source>
        <extracomment>The button that spins the wheels.</extracomment>
        <translation>Drehen</translation>
    </message>
    <message>
        <source>Spins the slot wheels</source>
        <translation>Dreht die Walzen</translation>
    </message>
</context>
<context>
    <name>ChartPlot</name>
    <message>
        <source>&amp;Copy</source>
        <extracomment>In the menu of a chart: puts the chart on the clipboard as a picture.</extracomment>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <extracomment>In the menu of a chart: writes the chart to a file, as a picture or a table.</extracomment>
        <translation>Speichern &amp;unter…</translation>
    </message>
    <message>
        <source>PNG picture|*.png|CSV table|*.csv</source>
        <extracomment>The types of file a chart is saved as; keep the | and the patterns.</extracomment>
        <translation>PNG-Bild|*.png|CSV-Tabelle|*.csv</translation>
    </message>
    <message>
        <source>Save Chart</source>
        <translation>Diagramm speichern</translation>
    </message>
    <message>
        <source>The chart could not be saved to %1.</source>
        <extracomment>%1 is the file the chart could not be written to.</extracomment>
        <translation>Das Diagramm konnte nicht unter %1 gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A three-wheel, five-payline slot machine played with play money</source>
        <translation>Ein Spielautomat mit drei Walzen und fünf Gewinnlinien – gespielt wird um Spielgeld</translation>
    </message>
    <message>
        <source>Qt&apos;s standard options, such as -style, -platform and -reverse, also apply.</source>
        <translation>Die Standardoptionen von Qt wie -style, -platform und -reverse gelten ebenfalls.</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Zeigt die Hilfe zu den Befehlszeilenoptionen an.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Voltaro Slots</source>
        <extracomment>The program&apos;s name in menus and launchers; keep it unless your language writes it otherwise.</extracomment>
        <translation>Voltaro Slots</translation>
    </message>
    <message>
        <source>Slot Machine</source>
        <extracomment>What kind of program it is, shown under or beside its name.</extracomment>
        <translation>Spielautomat</translation>
    </message>
    <message>
        <source>Spin a three-wheel, five-payline slot machine with play money</source>
        <extracomment>A line on what the program does, shown as its tooltip.</extracomment>
        <translation>Spielautomat mit drei Walzen und fünf Gewinnlinien – nur mit Spielgeld</translation>
    </message>
    <message>
        <source>slot;slots;casino;fruit machine;reels;</source>
        <extracomment>Words a launcher&apos;s search finds the game by, each one ended by a semicolon with no space after it.</extracomment>
        <translation>Spielautomat;Slot;Slots;Casino;Kasino;Einarmiger Bandit;Früchteautomat;Walzen;</translation>
    </message>
</context>
<context>
    <name>DialogServices</name>
    <message>
        <source>Please wait until the wheels have stopped.</source>
        <translation>Bitte warten Sie, bis die Walzen stillstehen.</translation>
    </message>
</context>
<context>
    <name>FaceDescription</name>
    <message>
        <source>%1 and %2</source>
        <extracomment>The end of a list of payline numbers: &quot;1, 2 and 5&quot;.</extracomment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>no win</source>
        <translation>kein Gewinn</translation>
    </message>
    <message>
        <source>won %1 on line %2</source>
        <translation>%1 auf Linie %2 gewonnen</translation>
    </message>
    <message>
        <source>won %1 on lines %2</source>
        <translation>%1 auf Linien %2 gewonnen</translation>
    </message>
    <message>
        <source>Voltaro</source>
        <extracomment>The symbol named after the game.</extracomment>
        <translation>Voltaro</translation>
    </message>
    <message>
        <source>Lucky Seven</source>
        <translation>Glückssieben</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Diamant</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Glocke</translation>
    </message>
    <message>
        <source>Magnet</source>
        <translation>Magnet</translation>
    </message>
    <message>
        <source>Cherries</source>
        <translation>Kirschen</translation>
    </message>
    <message>
        <source>Power Drain</source>
        <translation>Stromfresser</translation>
    </message>
    <message>
        <source>no symbol</source>
        <translation>kein Symbol</translation>
    </message>
    <message>
        <source>Credits %1, wager %2, won %3, bonus pool %4, power %5%, spins %6, free spins left %7.</source>
        <translation>Credits %1, Einsatz %2, gewonnen %3, Bonustopf %4, Energie %5&#xa0;%, Drehungen %6, verbleibende Freispiele %7.</translation>
    </message>
    <message>
        <source>Credits %1, wager %2, won %3, bonus pool %4, power %5%, spins %6.</source>
        <translation>Credits %1, Einsatz %2, gewonnen %3, Bonustopf %4, Energie %5&#xa0;%, Drehungen %6.</translation>
    </message>
    <message>
        <source>Middle row: %1, %2, %3.</source>
        <translation>Mittlere Reihe: %1, %2, %3.</translation>
    </message>
    <message>
        <source>No line pays.</source>
        <translation>Keine Linie gewinnt.</translation>
    </message>
    <message>
        <source>Paying line %1.</source>
        <translation>Auszahlung auf Linie %1.</translation>
    </message>
    <message>
        <source>Paying lines %1.</source>
        <translation>Auszahlung auf Linien %1.</translation>
    </message>
    <message>
        <source>Last spin: %1.</source>
        <translation>Letzte Drehung: %1.</translation>
    </message>
    <message>
        <source>No spin yet.</source>
        <translation>Noch keine Drehung.</translation>
    </message>
    <message>
        <source>Free spin, %1.</source>
        <translation>Freispiel, %1.</translation>
    </message>
    <message numerus="yes">
        <source>no win, bonus pool of %1 paid and %n free spins won</source>
        <translation>
            <numerusform>kein Gewinn, Bonustopf von %1 ausgezahlt und %n Freispiel gewonnen</numerusform>
            <numerusform>kein Gewinn, Bonustopf von %1 ausgezahlt und %n Freispiele gewonnen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>won %1 on line %2, bonus pool of %3 paid and %n free spins won</source>
        <translation>
            <numerusform>%1 auf Linie %2 gewonnen, Bonustopf von %3 ausgezahlt und %n Freispiel gewonnen</numerusform>
            <numerusform>%1 auf Linie %2 gewonnen, Bonustopf von %3 ausgezahlt und %n Freispiele gewonnen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>won %1 on lines %2, bonus pool of %3 paid and %n free spins won</source>
        <translation>
            <numerusform>%1 auf Linien %2 gewonnen, Bonustopf von %3 ausgezahlt und %n Freispiel gewonnen</numerusform>
            <numerusform>%1 auf Linien %2 gewonnen, Bonustopf von %3 ausgezahlt und %n Freispiele gewonnen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n free spins left.</source>
        <translation>
            <numerusform>Noch %n Freispiel.</numerusform>
            <numerusform>Noch %n Freispiele.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GameCharts</name>
    <message>
        <source>bonus</source>
        <extracomment>On the credits chart: a play that won the bonus.</extracomment>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>borrowed</source>
        <extracomment>On the credits chart: credits borrowed here.</extracomment>
        <translation>geliehen</translation>
    </message>
    <message>
        <source>paid back</source>
        <extracomment>On the credits chart: credits paid back here.</extracomment>
        <translation>zurückgezahlt</translation>
    </message>
    <message>
        <source>Credits over the game</source>
        <translation>Credits im Lauf des Spiels</translation>
    </message>
    <message>
        <source>Plays since New Game</source>
        <translation>Drehungen seit „Neues Spiel“</translation>
    </message>
    <message>
        <source>Credits, in dollars</source>
        <translation>Credits in Dollar</translation>
    </message>
    <message>
        <source>No plays yet.</source>
        <translation>Noch keine Drehungen.</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Credits</translation>
    </message>
    <message>
        <source>Bonus won</source>
        <translation>Bonus gewonnen</translation>
    </message>
    <message>
        <source>Borrowed or paid back</source>
        <translation>Geliehen oder zurückgezahlt</translation>
    </message>
    <message>
        <source>Play %1: %2</source>
        <extracomment>The cursor on the credits chart: %1 the play&apos;s number, %2 the credits after it.</extracomment>
        <translation>Drehung %1: %2</translation>
    </message>
    <message>
        <source>Credits over the game: no plays yet.</source>
        <translation>Credits im Lauf des Spiels: noch keine Drehungen.</translation>
    </message>
    <message>
        <source>Credits over the game: from %1 to %2 by play %3; lowest %4 at play %5, highest %6 at play %7.</source>
        <extracomment>The credits chart in words, for a screen reader. %1 and %2 the credits at the first and the last play shown, %3 the last play&apos;s number, %4 to %7 the lowest and highest credits and their plays.</extracomment>
        <translation>Credits im Lauf des Spiels: von %1 auf %2 bis Drehung %3; am niedrigsten %4 bei Drehung %5, am höchsten %6 bei Drehung %7.</translation>
    </message>
    <message>
        <source>Bonuses marked: %1. Loans: %2. Pay-backs: %3.</source>
        <extracomment>%1 bonuses won, %2 loans, %3 pay-backs shown on the credits chart.</extracomment>
        <translation>Markierte Boni: %1. Geliehen: %2-mal. Zurückgezahlt: %3-mal.</translation>
    </message>
    <message>
        <source>Return so far</source>
        <translation>Bisherige Auszahlungsquote</translation>
    </message>
    <message>
        <source>Paid spins since New Game</source>
        <translation>Bezahlte Drehungen seit „Neues Spiel“</translation>
    </message>
    <message>
        <source>Money returned for every dollar wagered</source>
        <translation>Ausgezahlt je gesetztem Dollar</translation>
    </message>
    <message>
        <source>Long-run return</source>
        <translation>Langfristige Auszahlungsquote</translation>
    </message>
    <message>
        <source>Paid spin %1: %2</source>
        <extracomment>The cursor on the return chart: %1 the number of paid spins, %2 the return so far.</extracomment>
        <translation>Bezahlte Drehung %1: %2</translation>
    </message>
    <message>
        <source>The return so far is below that band.</source>
        <translation>Die bisherige Quote liegt unter diesem Band.</translation>
    </message>
    <message>
        <source>The return so far is above that band.</source>
        <translation>Die bisherige Quote liegt über diesem Band.</translation>
    </message>
    <message>
        <source>The return so far is inside that band.</source>
        <translation>Die bisherige Quote liegt in diesem Band.</translation>
    </message>
    <message>
        <source>Start of the game</source>
        <extracomment>The first line of a play&apos;s figures by the pointer on the credits chart.</extracomment>
        <translation>Beginn des Spiels</translation>
    </message>
    <message>
        <source>Play %1</source>
        <translation>Drehung %1</translation>
    </message>
    <message>
        <source>Borrowed: %1</source>
        <extracomment>By the pointer: credits borrowed at this play, or paid back.</extracomment>
        <translation>Geliehen: %1</translation>
    </message>
    <message>
        <source>Paid back: %1</source>
        <translation>Zurückgezahlt: %1</translation>
    </message>
    <message>
        <source>Won since play %1: %2</source>
        <extracomment>By the pointer, where the chart keeps fewer points than plays: %1 the earlier play.</extracomment>
        <translation>Gewonnen seit Drehung %1: %2</translation>
    </message>
    <message>
        <source>Won: %1, the bonus pool included</source>
        <extracomment>By the pointer: what a play won on the lines and from the bonus pool together.</extracomment>
        <translation>Gewonnen: %1, Bonustopf eingerechnet</translation>
    </message>
    <message>
        <source>Won: %1</source>
        <translation>Gewonnen: %1</translation>
    </message>
    <message>
        <source>Credits: %1</source>
        <extracomment>By the pointer: the credits once the play (or the loan) settled.</extracomment>
        <translation>Credits: %1</translation>
    </message>
    <message>
        <source>credits-chart</source>
        <translation>credits-diagramm</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Drehung</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gewonnen</translation>
    </message>
    <message>
        <source>Marks</source>
        <translation>Markierungen</translation>
    </message>
    <message>
        <source>return-chart</source>
        <translation>quoten-diagramm</translation>
    </message>
    <message>
        <source>99 games in 100 end inside this band</source>
        <extracomment>The band on the return chart: where the return so far of 99 games in 100 lies.</extracomment>
        <translation>99 von 100 Spielen enden in diesem Band</translation>
    </message>
    <message>
        <source>(99 in 100: %1 to %2)</source>
        <extracomment>After the cursor&apos;s return: where 99 games in 100 are at that many spins.</extracomment>
        <translation>(99 von 100: %1 bis %2)</translation>
    </message>
    <message>
        <source>Paid spin %1</source>
        <extracomment>The figures by the pointer on the return chart, a line each.</extracomment>
        <translation>Bezahlte Drehung %1</translation>
    </message>
    <message>
        <source>Return so far: %1</source>
        <translation>Bisherige Auszahlungsquote: %1</translation>
    </message>
    <message>
        <source>Wagered: %1, returned: %2</source>
        <translation>Gesetzt: %1, ausgezahlt: %2</translation>
    </message>
    <message>
        <source>99 games in 100 are between %1 and %2 here</source>
        <translation>99 von 100 Spielen liegen hier zwischen %1 und %2</translation>
    </message>
    <message>
        <source>Paid spins</source>
        <translation>Bezahlte Drehungen</translation>
    </message>
    <message>
        <source>Return so far (%)</source>
        <translation>Bisherige Auszahlungsquote (%)</translation>
    </message>
    <message>
        <source>Long-run return (%)</source>
        <translation>Langfristige Auszahlungsquote (%)</translation>
    </message>
    <message>
        <source>99 in 100 from (%)</source>
        <translation>99 von 100 ab (%)</translation>
    </message>
    <message>
        <source>99 in 100 to (%)</source>
        <translation>99 von 100 bis (%)</translation>
    </message>
    <message>
        <source>Return so far: no plays yet.</source>
        <translation>Bisherige Auszahlungsquote: noch keine Drehungen.</translation>
    </message>
    <message numerus="yes">
        <source>%n coins</source>
        <extracomment>The most used bet in the return chart&apos;s words.</extracomment>
        <translation>
            <numerusform>%n Münze</numerusform>
            <numerusform>%n Münzen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Return so far after %n paid spins: %1. The machine&apos;s long-run return at %2 is %3; 99 games in 100 with this many paid spins end between %4 and %5.</source>
        <extracomment>The return chart in words, for a screen reader. %n paid spins, %1 the return so far, %2 the most used bet (&quot;25 coins&quot;), %3 the machine&apos;s long-run return there, %4 and %5 where the return so far of 99 games in 100 lies after this many spins.</extracomment>
        <translation>
            <numerusform>Bisherige Auszahlungsquote nach %n bezahlten Drehung: %1. Die langfristige Auszahlungsquote des Automaten bei %2 beträgt %3; 99 von 100 Spielen mit einer bezahlten Drehung enden zwischen %4 und %5.</numerusform>
            <numerusform>Bisherige Auszahlungsquote nach %n bezahlten Drehungen: %1. Die langfristige Auszahlungsquote des Automaten bei %2 beträgt %3; 99 von 100 Spielen mit so vielen bezahlten Drehungen enden zwischen %4 und %5.</numerusform>
        </translation>
    </message>
    <message>
        <source>Won: %1 on the lines, %2 from the bonus pool</source>
        <extracomment>By the pointer: what a bonus play won on the lines (%1) and from the pool (%2).</extracomment>
        <translation>Gewonnen: %1 auf den Linien, %2 aus dem Bonustopf</translation>
    </message>
</context>
<context>
    <name>GameHistoryWindow</name>
    <message>
        <source>Played</source>
        <extracomment>Column heading: when the play was made.</extracomment>
        <translation>Gespielt</translation>
    </message>
    <message>
        <source>Coin</source>
        <extracomment>Column heading: the value of one coin in the play.</extracomment>
        <translation>Münzwert</translation>
    </message>
    <message>
        <source>Coins</source>
        <extracomment>Column heading: how many coins were bet.</extracomment>
        <translation>Münzen</translation>
    </message>
    <message>
        <source>Spin</source>
        <extracomment>Column heading: whether the spin was free or paid.</extracomment>
        <translation>Drehung</translation>
    </message>
    <message>
        <source>Window</source>
        <extracomment>Column heading: the picture of the nine symbols the spin showed.</extracomment>
        <translation>Sichtfenster</translation>
    </message>
    <message>
        <source>Win</source>
        <extracomment>Column heading: what the paylines won.</extracomment>
        <translation>Gewinn</translation>
    </message>
    <message>
        <source>Pool paid</source>
        <extracomment>Column heading: what the bonus pool paid out.</extracomment>
        <translation>Topf ausgezahlt</translation>
    </message>
    <message>
        <source>Credits</source>
        <extracomment>Column heading: the credits before and after the play.</extracomment>
        <translation>Credits</translation>
    </message>
    <message>
        <source>Meter</source>
        <extracomment>Column heading: the power meter before and after the play.</extracomment>
        <translation>Energie</translation>
    </message>
    <message>
        <source>Game History</source>
        <translation>Spielverlauf</translation>
    </message>
    <message>
        <source>The last ten plays, newest first</source>
        <translation>Die letzten zehn Drehungen, neueste zuerst</translation>
    </message>
    <message>
        <source>This game since New Game</source>
        <translation>Dieses Spiel seit „Neues Spiel“</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>No plays yet.</source>
        <translation>Noch keine Drehungen.</translation>
    </message>
    <message>
        <source>Free</source>
        <extracomment>A spin that cost nothing, won with the bonus.</extracomment>
        <translation>Frei</translation>
    </message>
    <message>
        <source>Paid</source>
        <extracomment>A spin paid for with coins.</extracomment>
        <translation>Bezahlt</translation>
    </message>
    <message>
        <source>Paid spins:</source>
        <translation>Bezahlte Drehungen:</translation>
    </message>
    <message>
        <source>Free spins:</source>
        <translation>Freispiele:</translation>
    </message>
    <message>
        <source>Coins wagered:</source>
        <translation>Gesetzte Münzen:</translation>
    </message>
    <message>
        <source>Money wagered:</source>
        <translation>Eingesetztes Geld:</translation>
    </message>
    <message>
        <source>Won on lines:</source>
        <translation>Auf Linien gewonnen:</translation>
    </message>
    <message>
        <source>Won from the pool:</source>
        <translation>Aus dem Bonustopf gewonnen:</translation>
    </message>
    <message>
        <source>Bonuses:</source>
        <translation>Boni:</translation>
    </message>
    <message>
        <source>Borrowed:</source>
        <extracomment>Credits borrowed in this game.</extracomment>
        <translation>Geliehen:</translation>
    </message>
    <message>
        <source>Paid back:</source>
        <translation>Zurückgezahlt:</translation>
    </message>
    <message>
        <source>Biggest win:</source>
        <translation>Größter Gewinn:</translation>
    </message>
    <message>
        <source>Not yet known</source>
        <extracomment>A return that cannot be worked out yet, as nothing has been wagered.</extracomment>
        <translation>Noch unbekannt</translation>
    </message>
    <message>
        <source>Long-run return at the most used bet:</source>
        <translation>Langfristige Auszahlungsquote (häufigster Einsatz):</translation>
    </message>
    <message>
        <source>Return so far:</source>
        <translation>Bisherige Auszahlungsquote:</translation>
    </message>
    <message>
        <source>Top row: %1, %2, %3. Middle row: %4, %5, %6. Bottom row: %7, %8, %9.</source>
        <extracomment>The nine symbols of a play&apos;s window, read out row by row, each left to right.</extracomment>
        <translation>Obere Reihe: %1, %2, %3. Mittlere Reihe: %4, %5, %6. Untere Reihe: %7, %8, %9.</translation>
    </message>
    <message>
        <source>Line %1 pays.</source>
        <extracomment>After the symbols of a play that won on one payline; %1 is the line, such as 2.</extracomment>
        <translation>Linie %1 gewinnt.</translation>
    </message>
    <message>
        <source>Lines %1 pay.</source>
        <extracomment>After the symbols of a play that won on several paylines; %1 lists them, such as 1, 3.</extracomment>
        <translation>Linien %1 gewinnen.</translation>
    </message>
    <message>
        <source>&amp;Plays and totals</source>
        <extracomment>The tab of the game history with the last plays and the totals.</extracomment>
        <translation>&amp;Drehungen und Summen</translation>
    </message>
    <message>
        <source>&amp;Charts</source>
        <extracomment>The tab of the game history with the two charts of the whole game.</extracomment>
        <translation>Dia&amp;gramme</translation>
    </message>
    <message>
        <source>&amp;Records</source>
        <translation>&amp;Rekorde</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>Where the return so far of 99 games in 100 ends; %1 and %2 are returns, such as 80.5%.</extracomment>
        <translation>%1 bis %2</translation>
    </message>
    <message numerus="yes">
        <source>Long-run return at %n coins (the most used bet):</source>
        <translation>
            <numerusform>Langfristige Auszahlungsquote bei %n Münze (häufigster Einsatz):</numerusform>
            <numerusform>Langfristige Auszahlungsquote bei %n Münzen (häufigster Einsatz):</numerusform>
        </translation>
    </message>
    <message>
        <source>99 games in 100 with as many paid spins end between:</source>
        <extracomment>Beside it the lowest and the highest return so far that 99 games in 100 with this many paid spins end with, by chance alone.</extracomment>
        <translation>99 von 100 Spielen mit so vielen bezahlten Drehungen enden zwischen:</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Unable to open the help file %1.</source>
        <translation>Die Hilfedatei %1 kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>%1 Help</source>
        <extracomment>The help window&apos;s title; %1 is the game&apos;s name.</extracomment>
        <translation>Hilfe zu %1</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>F&amp;orward</source>
        <translation>&amp;Vorwärts</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>Find in help</source>
        <translation>In der Hilfe suchen</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>Not found</source>
        <extracomment>Said beside the find field when the text is nowhere in the page.</extracomment>
        <translation>Nicht gefunden</translation>
    </message>
</context>
<context>
    <name>Machine</name>
    <message>
        <source>Your credits are at the money limit: only %1 of this win went in, the rest could not be added.</source>
        <translation>Ihre Credits haben die Obergrenze erreicht: Von diesem Gewinn wurden nur %1 gutgeschrieben, der Rest verfällt.</translation>
    </message>
    <message>
        <source>Please place a bet before spinning.</source>
        <translation>Bitte setzen Sie zuerst einen Einsatz.</translation>
    </message>
    <message>
        <source>You do not have enough credits to bet the same amount as you last spin; you better borrow some credits!.</source>
        <translation>Ihre Credits reichen nicht, um denselben Einsatz wie bei der letzten Drehung zu setzen. Leihen Sie sich besser Credits!</translation>
    </message>
    <message>
        <source>Only %1 could be lent: your credits or your debt would have gone past the money limit.</source>
        <translation>Es konnten nur %1 geliehen werden: Ihre Credits oder Ihre Schulden hätten sonst die Höchstgrenze überschritten.</translation>
    </message>
</context>
<context>
    <name>MachineFace</name>
    <message>
        <source>Slot machine</source>
        <extracomment>What a screen reader calls the painted machine.</extracomment>
        <translation>Spielautomat</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Game &amp;History</source>
        <translation>Spiel&amp;verlauf</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Back&amp;ground</source>
        <translation>&amp;Hintergrund</translation>
    </message>
    <message>
        <source>Tiled Bitmap</source>
        <translation>Gekacheltes Bitmap</translation>
    </message>
    <message>
        <source>Solid Color</source>
        <translation>Einfarbig</translation>
    </message>
    <message>
        <source>&amp;Bet Amount</source>
        <translation>Münz&amp;wert</translation>
    </message>
    <message>
        <source>Borrow &amp;Credits</source>
        <translation>Credits &amp;leihen</translation>
    </message>
    <message>
        <source>&amp;Music</source>
        <translation>&amp;Musik</translation>
    </message>
    <message>
        <source>On</source>
        <extracomment>A check item of the Music and Sounds menus: marked while they play.</extracomment>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Change Songs</source>
        <translation>Titel ändern</translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <translation>&amp;Töne</translation>
    </message>
    <message>
        <source>Bonus</source>
        <extracomment>Sounds menu: the sound of the bonus won.</extracomment>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>Coins</source>
        <extracomment>Sounds menu: the sound of coins placed.</extracomment>
        <translation>Münzen</translation>
    </message>
    <message>
        <source>Credits</source>
        <extracomment>Sounds menu: the sound of credits counted up.</extracomment>
        <translation>Credits</translation>
    </message>
    <message>
        <source>Lose</source>
        <extracomment>Sounds menu: the sound of a losing spin.</extracomment>
        <translation>Niete</translation>
    </message>
    <message>
        <source>Power Drain</source>
        <translation>Stromfresser</translation>
    </message>
    <message>
        <source>Power Up</source>
        <translation>Aufladen</translation>
    </message>
    <message>
        <source>Slot Spin</source>
        <translation>Walzenklicken</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>Sounds menu: the sound of a wheel stopping, not a command.</extracomment>
        <translation>Walzenstopp</translation>
    </message>
    <message>
        <source>Wheel Spin</source>
        <translation>Walzenlauf</translation>
    </message>
    <message>
        <source>Win</source>
        <extracomment>Sounds menu: the sound of a winning spin.</extracomment>
        <translation>Gewinn</translation>
    </message>
    <message>
        <source>Change WAVs</source>
        <translation>Töne ändern</translation>
    </message>
    <message>
        <source>Spin Spee&amp;d</source>
        <translation>&amp;Drehgeschwindigkeit</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Schnell</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Langsam</translation>
    </message>
    <message>
        <source>&amp;Auto</source>
        <translation>&amp;Automatik</translation>
    </message>
    <message>
        <source>&amp;Auto Spin</source>
        <translation>&amp;Automatisch drehen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>&amp;Catalog</source>
        <translation>&amp;Katalog</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Handbuch</translation>
    </message>
</context>
<context>
    <name>Metainfo</name>
    <message>
        <source>Spin a three-wheel, five-payline slot machine with play money</source>
        <extracomment>The one-line summary under the name in a software centre.</extracomment>
        <translation>Spielautomat mit drei Walzen und fünf Gewinnlinien – nur mit Spielgeld</translation>
    </message>
    <message>
        <source>A three-wheel slot machine with five paylines. Bet one to twenty-five coins, spin, and every payline pays by the pay table in proportion to its coins.</source>
        <extracomment>The first paragraph of the description in a software centre.</extracomment>
        <translation>Ein Spielautomat mit drei Walzen und fünf Gewinnlinien: Setzen Sie eine bis fünfundzwanzig Münzen und lassen Sie die Walzen drehen. Jede Gewinnlinie zahlt nach der Gewinntabelle – je mehr Münzen auf ihr liegen, desto mehr.</translation>
    </message>
    <message>
        <source>Every Voltaro symbol charges the power meter and every Power Drain symbol halves it; at 100% the machine pays its progressive bonus pool and plays seven free spins. Credits can be borrowed and paid back, eight games saved in named slots, and the coin value, spin speed, background, sounds and MIDI playlist chosen.</source>
        <translation>Jedes Voltaro-Symbol lädt die Energieanzeige auf, jedes Stromfresser-Symbol halbiert sie. Steht sie auf 100&#xa0;%, zahlt der Automat den progressiven Bonustopf aus und spendiert sieben Freispiele. Credits können Sie leihen und zurückzahlen, bis zu acht Spiele auf benannten Speicherplätzen ablegen und Münzwert, Drehgeschwindigkeit, Hintergrund, Töne und MIDI-Wiedergabeliste selbst wählen.</translation>
    </message>
    <message>
        <source>All money in the game is play money.</source>
        <translation>Gespielt wird ausschließlich um Spielgeld.</translation>
    </message>
    <message>
        <source>The machine after a spin</source>
        <extracomment>The caption of the screenshot in a software centre.</extracomment>
        <translation>Der Automat nach einer Drehung</translation>
    </message>
</context>
<context>
    <name>MusicPlaylist</name>
    <message>
        <source>No MIDI songs are selected!</source>
        <translation>Es sind keine MIDI-Titel ausgewählt!</translation>
    </message>
</context>
<context>
    <name>Numbers</name>
    <message>
        <source>$%1</source>
        <extracomment>An amount of money; %1 is its figures, such as 1000.00. A minus sign goes in front of the whole text.</extracomment>
        <translation>%1&#xa0;$</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>A percentage; %1 is the number, such as 97.5.</extracomment>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>%1¢</source>
        <extracomment>A coin value under a dollar; %1 is the number of cents, such as 25.</extracomment>
        <translation>%1&#xa0;¢</translation>
    </message>
</context>
<context>
    <name>Profile</name>
    <message>
        <source>Unable to write to %1</source>
        <extracomment>%1 is the settings file&apos;s full path.</extracomment>
        <translation>In %1 kann nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Folder</source>
        <translation>Verzeichnis</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Laufwerk</translation>
    </message>
</context>
<context>
    <name>RecordsPage</name>
    <message>
        <source>Record</source>
        <extracomment>Column heading of the records: what the record is.</extracomment>
        <translation>Rekord</translation>
    </message>
    <message>
        <source>Value</source>
        <extracomment>Column heading of the records: the count, amount or time.</extracomment>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Game</source>
        <extracomment>Column heading of the records: the game that set the record.</extracomment>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Date</source>
        <extracomment>Column heading of the records: the date the record was last set.</extracomment>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Game #%1</source>
        <extracomment>The name of a game not opened from a saved game; %1 is its number.</extracomment>
        <translation>Spiel Nr. %1</translation>
    </message>
    <message>
        <source>%1 s</source>
        <extracomment>Time played of less than a minute; %1 is the seconds.</extracomment>
        <translation>%1&#xa0;s</translation>
    </message>
    <message>
        <source>%1 min</source>
        <extracomment>Time played of less than an hour; %1 is the minutes.</extracomment>
        <translation>%1&#xa0;Min.</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <extracomment>Time played; %1 is the hours, %2 the minutes (two digits).</extracomment>
        <translation>%1&#xa0;Std. %2&#xa0;Min.</translation>
    </message>
    <message>
        <source>Your records across every game</source>
        <translation>Ihre Rekorde über alle Spiele</translation>
    </message>
    <message>
        <source>Re&amp;set records</source>
        <translation>Rekorde &amp;zurücksetzen</translation>
    </message>
    <message>
        <source>Games played</source>
        <extracomment>The record of how many games were started.</extracomment>
        <translation>Gespielte Spiele</translation>
    </message>
    <message>
        <source>Paid spins</source>
        <translation>Bezahlte Drehungen</translation>
    </message>
    <message>
        <source>Free spins</source>
        <translation>Freispiele</translation>
    </message>
    <message>
        <source>Bonuses</source>
        <translation>Boni</translation>
    </message>
    <message>
        <source>Biggest win</source>
        <extracomment>The most one play paid, on the lines and from the pool together.</extracomment>
        <translation>Größter Gewinn</translation>
    </message>
    <message>
        <source>Biggest bonus</source>
        <extracomment>The largest bonus pool paid out.</extracomment>
        <translation>Größter Bonustopf</translation>
    </message>
    <message>
        <source>Most credits</source>
        <translation>Höchste Credits</translation>
    </message>
    <message>
        <source>Longest winning run</source>
        <extracomment>The most paid spins in a row that each won something.</extracomment>
        <translation>Längste Gewinnserie</translation>
    </message>
    <message numerus="yes">
        <source>%n in a row</source>
        <translation>
            <numerusform>%n in Folge</numerusform>
            <numerusform>%n in Folge</numerusform>
        </translation>
    </message>
    <message>
        <source>Time played</source>
        <extracomment>Time with the game&apos;s window open and not minimised.</extracomment>
        <translation>Spielzeit</translation>
    </message>
    <message numerus="yes">
        <source>Clear your records of every game played (%n so far)? This cannot be undone.</source>
        <extracomment>Asked before the records are cleared; %n is the number of games they cover.</extracomment>
        <translation>
            <numerusform>Ihre Rekorde aller gespielten Spiele löschen (bisher %n)? Das lässt sich nicht rückgängig machen.</numerusform>
            <numerusform>Ihre Rekorde aller gespielten Spiele löschen (bisher %n)? Das lässt sich nicht rückgängig machen.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SavedGamePanel</name>
    <message>
        <source>Name of slot %1</source>
        <translation>Name von Speicherplatz %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Game #%1</source>
        <extracomment>The name offered for a saved game; %1 is the slot&apos;s number.</extracomment>
        <translation>Spiel Nr. %1</translation>
    </message>
    <message>
        <source>%1 credits</source>
        <extracomment>A saved game&apos;s credits; %1 is the amount, such as 1234.56.</extracomment>
        <translation>%1 Credits</translation>
    </message>
    <message>
        <source>%1 borrowed</source>
        <extracomment>What a saved game has borrowed; %1 is the amount, such as 1000.00.</extracomment>
        <translation>%1 geliehen</translation>
    </message>
    <message>
        <source>Slot %1: %2</source>
        <extracomment>A slot button&apos;s name for screen readers: the slot&apos;s number and the saved game&apos;s name.</extracomment>
        <translation>Speicherplatz %1: %2</translation>
    </message>
    <message>
        <source>%1, %2, saved %3</source>
        <extracomment>A slot button&apos;s description for screen readers: the saved game&apos;s credits, what it borrowed, and the date it was saved.</extracomment>
        <translation>%1, %2, gespeichert am %3</translation>
    </message>
    <message>
        <source>Slot %1: empty</source>
        <translation>Speicherplatz %1: leer</translation>
    </message>
</context>
<context>
    <name>SdlMusicPlayer</name>
    <message>
        <source>The file cannot be played on the MIDI sequencer. It may be damaged or not a MIDI file.</source>
        <translation>Die Datei kann nicht mit dem MIDI-Sequenzer abgespielt werden. Sie ist möglicherweise beschädigt oder keine MIDI-Datei.</translation>
    </message>
    <message>
        <source>The file could not be opened: %1</source>
        <translation>Die Datei konnte nicht geöffnet werden: %1</translation>
    </message>
</context>
<context>
    <name>SettingsLock</name>
    <message>
        <source>The link to the settings file cannot be followed.</source>
        <extracomment>Why the game cannot keep other games off its settings file.</extracomment>
        <translation>Die Verknüpfung zur Einstellungsdatei lässt sich nicht auflösen.</translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <extracomment>Why the game cannot keep other games off its settings file; %1 is the full path of the lock file beside it.</extracomment>
        <translation>%1 ist keine Datei.</translation>
    </message>
</context>
<context>
    <name>SingleGame</name>
    <message>
        <source>%1 is already running with this settings file.</source>
        <extracomment>%1 is the game&apos;s name.</extracomment>
        <translation>%1 läuft bereits mit dieser Einstellungsdatei.</translation>
    </message>
    <message>
        <source>%1 cannot lock its settings file, so it cannot make sure that no other copy of the game uses it. You can play, but the game is not saved while the file cannot be locked.

%2: %3</source>
        <extracomment>%1 is the game&apos;s name, %2 the settings file&apos;s path, %3 why it cannot be locked.</extracomment>
        <translation>%1 kann seine Einstellungsdatei nicht sperren und deshalb nicht sicherstellen, dass keine andere Kopie des Spiels sie verwendet. Sie können spielen, aber das Spiel wird nicht gespeichert, solange die Datei nicht gesperrt werden kann.

%2: %3</translation>
    </message>
</context>
<context>
    <name>SymbolArt</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. No such file or directory.</source>
        <translation>Die Datei „%1“ kann nicht geöffnet werden: Datei oder Verzeichnis nicht gefunden.</translation>
    </message>
    <message>
        <source>Bitmap image is not valid: &quot;%1&quot;.</source>
        <translation>Das Bitmap-Bild „%1“ ist ungültig.</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The window title; %1 is the game&apos;s name.</extracomment>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>A 3-wheel, 5-payline slot machine.  Features the largest slot wheels ever on a PC, as well as, user-selectable backgrounds and sound effects.

Includes an interesting bonus feature--win the progressive bonus pool and seven free spins.</source>
        <translation>Ein Spielautomat mit 3 Walzen und 5 Gewinnlinien: die größten Walzen, die es je auf einem PC gab, dazu Hintergründe und Soundeffekte nach Wahl.

Mit einer spannenden Bonusfunktion: Gewinnen Sie den progressiven Bonustopf und sieben Freispiele.</translation>
    </message>
</context>
<context>
    <name>TBorrowC</name>
    <message>
        <source>$1,000</source>
        <extracomment>The amount on a chip in the borrow dialog, read out by screen readers.</extracomment>
        <translation>1000&#xa0;$</translation>
    </message>
    <message>
        <source>$100</source>
        <extracomment>The amount on a chip in the borrow dialog, read out by screen readers.</extracomment>
        <translation>100&#xa0;$</translation>
    </message>
    <message>
        <source>$10</source>
        <extracomment>The amount on a chip in the borrow dialog, read out by screen readers.</extracomment>
        <translation>10&#xa0;$</translation>
    </message>
    <message>
        <source>$1</source>
        <extracomment>The amount on a chip in the borrow dialog, read out by screen readers.</extracomment>
        <translation>1&#xa0;$</translation>
    </message>
    <message>
        <source>10¢</source>
        <extracomment>The amount on a chip in the borrow dialog (ten cents), read out by screen readers.</extracomment>
        <translation>10&#xa0;¢</translation>
    </message>
    <message>
        <source>1¢</source>
        <extracomment>The amount on a chip in the borrow dialog (one cent), read out by screen readers.</extracomment>
        <translation>1&#xa0;¢</translation>
    </message>
    <message>
        <source>Use this screen to borrow credits or pay back credits that you borrowed previously.  Click on the button representing the amount to borrow (or pay back).<byte value="xd"/>
<byte value="xd"/>
To switch between &quot;borrow&quot; and &quot;pay back&quot; select the mode.</source>
        <translation>In diesem Fenster können Sie Credits leihen oder früher geliehene Credits zurückzahlen. Klicken Sie auf die Schaltfläche mit dem Betrag, den Sie leihen (oder zurückzahlen) möchten.

Um zwischen „Leihen“ und „Zurückzahlen“ zu wechseln, wählen Sie den Modus.</translation>
    </message>
    <message>
        <source>Use this form to borrow or pay back credits</source>
        <translation>Credits leihen oder zurückzahlen</translation>
    </message>
    <message>
        <source>Credits and borrowed</source>
        <translation>Credits und geliehener Betrag</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Modus:</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Pay back %1</source>
        <extracomment>A chip button&apos;s name while paying back; %1 is the amount on the chip, such as $100.</extracomment>
        <translation>%1 zurückzahlen</translation>
    </message>
    <message>
        <source>Borrow %1</source>
        <extracomment>A chip button&apos;s name while borrowing; %1 is the amount on the chip, such as $100.</extracomment>
        <translation>%1 leihen</translation>
    </message>
    <message>
        <source>You cannot borrow any more credits!</source>
        <translation>Sie können keine weiteren Credits leihen!</translation>
    </message>
    <message>
        <source>You cannot pay back more credits than you have borrowed!</source>
        <translation>Sie können nicht mehr Credits zurückzahlen, als Sie geliehen haben!</translation>
    </message>
    <message>
        <source>You do not have 1 credit!</source>
        <translation>Sie haben weniger als 1 Credit!</translation>
    </message>
    <message>
        <source>You do not have %1 credits!</source>
        <extracomment>%1 is an amount of credits, such as 1000 or 0.10.</extracomment>
        <translation>Sie haben weniger als %1 Credits!</translation>
    </message>
    <message>
        <source>Credits:</source>
        <extracomment>Over the player&apos;s credits in the borrow dialog.</extracomment>
        <translation>Credits:</translation>
    </message>
    <message>
        <source>Borrowed:</source>
        <extracomment>Over the amount the player has borrowed, in the borrow dialog.</extracomment>
        <translation>Geliehen:</translation>
    </message>
    <message>
        <source>Credits: %1. Borrowed: %2.</source>
        <translation>Credits: %1. Geliehen: %2.</translation>
    </message>
    <message>
        <source>&amp;Borrow Credits</source>
        <extracomment>The mode choice; &amp; marks the access key, as on &quot;Pay Back Credits&quot;.</extracomment>
        <translation>&amp;Leihen</translation>
    </message>
    <message>
        <source>&amp;Pay Back Credits</source>
        <translation>&amp;Zurückzahlen</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>%1 (not saved)</source>
        <translation>%1 (nicht gespeichert)</translation>
    </message>
</context>
<context>
    <name>TLoadSave</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Save a Game -- Select Game Slot</source>
        <translation>Spiel speichern – Speicherplatz wählen</translation>
    </message>
    <message>
        <source>Open a Game -- Select Game Slot</source>
        <translation>Spiel öffnen – Speicherplatz wählen</translation>
    </message>
    <message>
        <source>Name for this saved game?</source>
        <translation>Unter welchem Namen möchten Sie das Spiel speichern?</translation>
    </message>
</context>
<context>
    <name>TMusicForm</name>
    <message>
        <source>Change MIDI Files]</source>
        <extracomment>The window title; the stray bracket is part of the title the game has always had.</extracomment>
        <translation>Titel ändern (MIDI-Dateien)</translation>
    </message>
    <message>
        <source>You may include up to eight MIDI files which will be used as background music while you are playing this game.</source>
        <translation>Sie können bis zu acht MIDI-Dateien auswählen, die während des Spiels als Hintergrundmusik laufen.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>MIDI Sequencer</source>
        <extracomment>The kind of file the song dialog lists.</extracomment>
        <translation>MIDI-Dateien</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>The title of the file dialog that picks a song file.</extracomment>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Could not find %1.  Please choose a valid MIDI file.</source>
        <translation>%1 wurde nicht gefunden. Bitte wählen Sie eine gültige MIDI-Datei.</translation>
    </message>
    <message>
        <source>MIDI Song #%1</source>
        <extracomment>The name of an empty row of the song dialog; %1 is its number, 4 to 8.</extracomment>
        <translation>MIDI-Titel %1</translation>
    </message>
    <message>
        <source>C&amp;hange</source>
        <extracomment>A button that picks another song file for the row; &amp; marks its access key.</extracomment>
        <translation>Ä&amp;ndern</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <extracomment>A button that plays the row&apos;s song; &amp; marks its access key.</extracomment>
        <translation>An&amp;hören</translation>
    </message>
    <message>
        <source>Change song %1</source>
        <extracomment>What a screen reader calls a row&apos;s Change button; %1 is the row, 1 to 8.</extracomment>
        <translation>Titel %1 ändern</translation>
    </message>
    <message>
        <source>Preview song %1</source>
        <extracomment>What a screen reader calls a row&apos;s Preview button; %1 is the row, 1 to 8.</extracomment>
        <translation>Titel %1 anhören</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <extracomment>&amp; marks the access key.</extracomment>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>TPayoffs</name>
    <message>
        <source>Three Voltaro symbols</source>
        <translation>Drei Voltaro-Symbole</translation>
    </message>
    <message>
        <source>Three Lucky Sevens</source>
        <translation>Drei Glückssieben</translation>
    </message>
    <message>
        <source>Three Diamonds</source>
        <translation>Drei Diamanten</translation>
    </message>
    <message>
        <source>Three Bells</source>
        <translation>Drei Glocken</translation>
    </message>
    <message>
        <source>Three Magnets</source>
        <translation>Drei Magnete</translation>
    </message>
    <message>
        <source>Three Cherries</source>
        <translation>Drei Kirschen</translation>
    </message>
    <message>
        <source>Two Cherries on wheels 1 and 2</source>
        <translation>Zwei Kirschen auf Walze 1 und 2</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>A row of the payoff chart, read out: %1 is the win, such as Three Bells, and %2 what it pays for one to five coins.</extracomment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>Win 7 free spins and the Bonus Pool by raising the Power Meter to 100%.  The Voltaro symbol increases power by 10% of full, and the Power Drain symbol reduces it by 50% of current value.</source>
        <translation>Bringen Sie die Energieanzeige auf 100&#xa0;%, um 7 Freispiele und den Bonustopf zu gewinnen. Das Voltaro-Symbol erhöht die Energie um 10&#xa0;% des Maximums, das Stromfresser-Symbol senkt sie um 50&#xa0;% des aktuellen Werts.</translation>
    </message>
    <message>
        <source>1 Coin</source>
        <extracomment>Column heading of the payoff chart: what a win pays for one coin on the line.</extracomment>
        <translation>1 Münze</translation>
    </message>
    <message>
        <source>2 Coins</source>
        <translation>2 Münzen</translation>
    </message>
    <message>
        <source>3 Coins</source>
        <translation>3 Münzen</translation>
    </message>
    <message>
        <source>4 Coins</source>
        <translation>4 Münzen</translation>
    </message>
    <message>
        <source>5 Coins</source>
        <translation>5 Münzen</translation>
    </message>
    <message>
        <source>Payoffs</source>
        <translation>Gewinntabelle</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>%1 Payoffs</source>
        <extracomment>The payoff chart&apos;s title; %1 is the game&apos;s name.</extracomment>
        <translation>%1 – Gewinntabelle</translation>
    </message>
    <message numerus="yes">
        <source>%n coins %1</source>
        <extracomment>What a win pays for %n coins on the line, read out; %1 is the amount, such as 10.00.</extracomment>
        <translation>
            <numerusform>%n Münze %1</numerusform>
            <numerusform>%n Münzen %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TSoundForm</name>
    <message>
        <source>Change Sounds (WAV Files)</source>
        <translation>Töne ändern (WAV-Dateien)</translation>
    </message>
    <message>
        <source>Bonus Sound:</source>
        <translation>Bonuston:</translation>
    </message>
    <message>
        <source>This is the sound that plays when you get the Power Meter to 100%.</source>
        <translation>Dieser Ton erklingt, wenn die Energieanzeige 100&#xa0;% erreicht.</translation>
    </message>
    <message>
        <source>Count Down Sound</source>
        <translation>Stromfresser-Ton:</translation>
    </message>
    <message>
        <source>This is the sound which plays when you get a Power Drain symbol on the screen</source>
        <translation>Dieser Ton erklingt, wenn ein Stromfresser-Symbol erscheint</translation>
    </message>
    <message>
        <source>Count Up Sound</source>
        <translation>Ton beim Aufladen:</translation>
    </message>
    <message>
        <source>Lose Sound:</source>
        <translation>Ton bei Niete:</translation>
    </message>
    <message>
        <source>This is a sound which plays on a losing spin.</source>
        <translation>Dieser Ton erklingt bei einer Drehung ohne Gewinn.</translation>
    </message>
    <message>
        <source>Win Sound:</source>
        <translation>Gewinnton:</translation>
    </message>
    <message>
        <source>This is a sound which plays on a winning spin.</source>
        <translation>Dieser Ton erklingt bei einer Drehung mit Gewinn.</translation>
    </message>
    <message>
        <source>Click this button to use the default (original) sounds for the above events.</source>
        <translation>Klicken Sie hier, um für die obigen Ereignisse wieder die ursprünglichen Töne des Spiels zu verwenden.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Click this button to browse your hard drive for a sound for this event.</source>
        <translation>Klicken Sie hier, um eine Tondatei für dieses Ereignis auszuwählen.</translation>
    </message>
    <message>
        <source>Click this button to play the currently selected sound file.</source>
        <translation>Klicken Sie hier, um die gewählte Tondatei abzuspielen.</translation>
    </message>
    <message>
        <source>Wav Files</source>
        <extracomment>The kind of file the sound dialog lists.</extracomment>
        <translation>WAV-Dateien</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>The title of the file dialog that picks a sound file.</extracomment>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>&amp;Restore Default Sounds</source>
        <translation>&amp;Standardtöne wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Change</source>
        <extracomment>A button that picks another sound file for the event; &amp; marks its access key.</extracomment>
        <translation>Ä&amp;ndern</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <extracomment>A button that plays the event&apos;s sound file; &amp; marks its access key.</extracomment>
        <translation>&amp;Anhören</translation>
    </message>
    <message>
        <source>Change %1</source>
        <extracomment>What a screen reader calls a row&apos;s Change button; %1 is the sound, such as Win Sound.</extracomment>
        <translation>%1 ändern</translation>
    </message>
    <message>
        <source>Preview %1</source>
        <extracomment>What a screen reader calls a row&apos;s Preview button; %1 is the sound, such as Win Sound.</extracomment>
        <translation>%1 anhören</translation>
    </message>
</context>
<context>
    <name>WindowBackground</name>
    <message>
        <source>Bitmaps</source>
        <extracomment>The kind of file the picture dialog lists.</extracomment>
        <translation>Bitmap-Dateien</translation>
    </message>
    <message>
        <source>Load Tiled Bitmap File</source>
        <translation>Bitmap-Datei zum Kacheln laden</translation>
    </message>
</context>
</TS>
