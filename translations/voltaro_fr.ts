<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>ButtonPanel</name>
    <message>
        <source>Bet 1</source>
        <extracomment>The button that places one coin.</extracomment>
        <translation>Miser 1</translation>
    </message>
    <message>
        <source>Bet one coin</source>
        <translation>Miser une pièce</translation>
    </message>
    <message>
        <source>Bet Max</source>
        <extracomment>The button that places the most coins a spin takes.</extracomment>
        <translation>Miser max</translation>
    </message>
    <message>
        <source>Bet maximum credits</source>
        <translation>Miser le maximum de pièces</translation>
    </message>
    <message>
        <source>Payoff Chart</source>
        <translation>Table des gains</translation>
    </message>
    <message>
        <source>View the Payoff Chart</source>
        <translation>Afficher la table des gains</translation>
    </message>
    <message>
        <source>Spin</source>
        <extracomment>The button that spins the wheels.</extracomment>
        <translation>Lancer</translation>
    </message>
    <message>
        <source>Spins the slot wheels</source>
        <translation>Lance les rouleaux</translation>
    </message>
</context>
<context>
    <name>ChartPlot</name>
    <message>
        <source>&amp;Copy</source>
        <extracomment>In the menu of a chart: puts the chart on the clipboard as a picture.</extracomment>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <extracomment>In the menu of a chart: writes the chart to a file, as a picture or a table.</extracomment>
        <translation>Enregistrer &amp;sous…</translation>
    </message>
    <message>
        <source>PNG picture|*.png|CSV table|*.csv</source>
        <extracomment>The types of file a chart is saved as; keep the | and the patterns.</extracomment>
        <translation>Image PNG|*.png|Tableau CSV|*.csv</translation>
    </message>
    <message>
        <source>Save Chart</source>
        <translation>Enregistrer le graphique</translation>
    </message>
    <message>
        <source>The chart could not be saved to %1.</source>
        <extracomment>%1 is the file the chart could not be written to.</extracomment>
        <translation>Le graphique n&apos;a pas pu être enregistré dans %1.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A three-wheel, five-payline slot machine played with play money</source>
        <translation>Une machine à sous à trois rouleaux et cinq lignes de paiement, pour jouer avec de l&apos;argent fictif</translation>
    </message>
    <message>
        <source>Qt&apos;s standard options, such as -style, -platform and -reverse, also apply.</source>
        <translation>Les options standard de Qt, comme -style, -platform et -reverse, s&apos;appliquent aussi.</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Affiche l&apos;aide sur les options de la ligne de commande.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu «&#xa0;%1&#xa0;».</translation>
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
        <translation>Machine à sous</translation>
    </message>
    <message>
        <source>Spin a three-wheel, five-payline slot machine with play money</source>
        <extracomment>A line on what the program does, shown as its tooltip.</extracomment>
        <translation>Machine à sous à trois rouleaux et cinq lignes de paiement, pour jouer avec de l&apos;argent fictif</translation>
    </message>
    <message>
        <source>slot;slots;casino;fruit machine;reels;</source>
        <extracomment>Words a launcher&apos;s search finds the game by, each one ended by a semicolon with no space after it.</extracomment>
        <translation>machine à sous;machines à sous;casino;bandit manchot;rouleaux;jackpot;slot;</translation>
    </message>
</context>
<context>
    <name>DialogServices</name>
    <message>
        <source>Please wait until the wheels have stopped.</source>
        <translation>Veuillez attendre l&apos;arrêt des rouleaux.</translation>
    </message>
</context>
<context>
    <name>FaceDescription</name>
    <message>
        <source>%1 and %2</source>
        <extracomment>The end of a list of payline numbers: &quot;1, 2 and 5&quot;.</extracomment>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>no win</source>
        <translation>aucun gain</translation>
    </message>
    <message>
        <source>won %1 on line %2</source>
        <translation>gain de %1 sur la ligne %2</translation>
    </message>
    <message>
        <source>won %1 on lines %2</source>
        <translation>gain de %1 sur les lignes %2</translation>
    </message>
    <message>
        <source>Voltaro</source>
        <extracomment>The symbol named after the game.</extracomment>
        <translation>Voltaro</translation>
    </message>
    <message>
        <source>Lucky Seven</source>
        <translation>7 porte-bonheur</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Diamant</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Cloche</translation>
    </message>
    <message>
        <source>Magnet</source>
        <translation>Aimant</translation>
    </message>
    <message>
        <source>Cherries</source>
        <translation>Cerises</translation>
    </message>
    <message>
        <source>Power Drain</source>
        <translation>Court-circuit</translation>
    </message>
    <message>
        <source>no symbol</source>
        <translation>aucun symbole</translation>
    </message>
    <message>
        <source>Credits %1, wager %2, won %3, bonus pool %4, power %5%, spins %6, free spins left %7.</source>
        <translation>Crédits %1, mise %2, gain %3, cagnotte %4, énergie %5&#xa0;%, tours %6, tours gratuits restants %7.</translation>
    </message>
    <message>
        <source>Credits %1, wager %2, won %3, bonus pool %4, power %5%, spins %6.</source>
        <translation>Crédits %1, mise %2, gain %3, cagnotte %4, énergie %5&#xa0;%, tours %6.</translation>
    </message>
    <message>
        <source>Middle row: %1, %2, %3.</source>
        <translation>Rangée du milieu&#xa0;: %1, %2, %3.</translation>
    </message>
    <message>
        <source>No line pays.</source>
        <translation>Aucune ligne ne paie.</translation>
    </message>
    <message>
        <source>Paying line %1.</source>
        <translation>Ligne gagnante&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Paying lines %1.</source>
        <translation>Lignes gagnantes&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Last spin: %1.</source>
        <translation>Dernier tour&#xa0;: %1.</translation>
    </message>
    <message>
        <source>No spin yet.</source>
        <translation>Aucun tour pour l&apos;instant.</translation>
    </message>
    <message>
        <source>Free spin, %1.</source>
        <translation>Tour gratuit, %1.</translation>
    </message>
    <message numerus="yes">
        <source>no win, bonus pool of %1 paid and %n free spins won</source>
        <translation>
            <numerusform>aucun gain, cagnotte de %1 versée et %n tour gratuit gagné</numerusform>
            <numerusform>aucun gain, cagnotte de %1 versée et %n tours gratuits gagnés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>won %1 on line %2, bonus pool of %3 paid and %n free spins won</source>
        <translation>
            <numerusform>gain de %1 sur la ligne %2, cagnotte de %3 versée et %n tour gratuit gagné</numerusform>
            <numerusform>gain de %1 sur la ligne %2, cagnotte de %3 versée et %n tours gratuits gagnés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>won %1 on lines %2, bonus pool of %3 paid and %n free spins won</source>
        <translation>
            <numerusform>gain de %1 sur les lignes %2, cagnotte de %3 versée et %n tour gratuit gagné</numerusform>
            <numerusform>gain de %1 sur les lignes %2, cagnotte de %3 versée et %n tours gratuits gagnés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n free spins left.</source>
        <translation>
            <numerusform>Encore %n tour gratuit.</numerusform>
            <numerusform>Encore %n tours gratuits.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GameCharts</name>
    <message>
        <source>bonus</source>
        <extracomment>On the credits chart: a play that won the bonus.</extracomment>
        <translation>bonus</translation>
    </message>
    <message>
        <source>borrowed</source>
        <extracomment>On the credits chart: credits borrowed here.</extracomment>
        <translation>emprunt</translation>
    </message>
    <message>
        <source>paid back</source>
        <extracomment>On the credits chart: credits paid back here.</extracomment>
        <translation>remboursement</translation>
    </message>
    <message>
        <source>Credits over the game</source>
        <translation>Crédits au fil de la partie</translation>
    </message>
    <message>
        <source>Plays since New Game</source>
        <translation>Tours depuis la nouvelle partie</translation>
    </message>
    <message>
        <source>Credits, in dollars</source>
        <translation>Crédits, en dollars</translation>
    </message>
    <message>
        <source>No plays yet.</source>
        <translation>Aucun tour joué pour l&apos;instant.</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Crédits</translation>
    </message>
    <message>
        <source>Bonus won</source>
        <translation>Cagnotte gagnée</translation>
    </message>
    <message>
        <source>Borrowed or paid back</source>
        <translation>Emprunté ou remboursé</translation>
    </message>
    <message>
        <source>Play %1: %2</source>
        <extracomment>The cursor on the credits chart: %1 the play&apos;s number, %2 the credits after it.</extracomment>
        <translation>Tour %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Credits over the game: no plays yet.</source>
        <translation>Crédits au fil de la partie&#xa0;: aucun tour joué pour l&apos;instant.</translation>
    </message>
    <message>
        <source>Credits over the game: from %1 to %2 by play %3; lowest %4 at play %5, highest %6 at play %7.</source>
        <extracomment>The credits chart in words, for a screen reader. %1 and %2 the credits at the first and the last play shown, %3 the last play&apos;s number, %4 to %7 the lowest and highest credits and their plays.</extracomment>
        <translation>Crédits au fil de la partie&#xa0;: de %1 à %2 au tour %3&#xa0;; au plus bas %4 au tour %5, au plus haut %6 au tour %7.</translation>
    </message>
    <message>
        <source>Bonuses marked: %1. Loans: %2. Pay-backs: %3.</source>
        <extracomment>%1 bonuses won, %2 loans, %3 pay-backs shown on the credits chart.</extracomment>
        <translation>Bonus remportés&#xa0;: %1. Emprunts&#xa0;: %2. Remboursements&#xa0;: %3.</translation>
    </message>
    <message>
        <source>Return so far</source>
        <translation>Taux de redistribution jusqu&apos;ici</translation>
    </message>
    <message>
        <source>Paid spins since New Game</source>
        <translation>Tours payants depuis la nouvelle partie</translation>
    </message>
    <message>
        <source>Money returned for every dollar wagered</source>
        <translation>Ce que rapporte chaque dollar misé</translation>
    </message>
    <message>
        <source>Long-run return</source>
        <translation>Taux de redistribution à long terme</translation>
    </message>
    <message>
        <source>Paid spin %1: %2</source>
        <extracomment>The cursor on the return chart: %1 the number of paid spins, %2 the return so far.</extracomment>
        <translation>Tour payant %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The return so far is below that band.</source>
        <translation>Le taux de redistribution jusqu&apos;ici est sous cette bande.</translation>
    </message>
    <message>
        <source>The return so far is above that band.</source>
        <translation>Le taux de redistribution jusqu&apos;ici est au-dessus de cette bande.</translation>
    </message>
    <message>
        <source>The return so far is inside that band.</source>
        <translation>Le taux de redistribution jusqu&apos;ici est dans cette bande.</translation>
    </message>
    <message>
        <source>Start of the game</source>
        <extracomment>The first line of a play&apos;s figures by the pointer on the credits chart.</extracomment>
        <translation>Début de la partie</translation>
    </message>
    <message>
        <source>Play %1</source>
        <translation>Tour %1</translation>
    </message>
    <message>
        <source>Borrowed: %1</source>
        <extracomment>By the pointer: credits borrowed at this play, or paid back.</extracomment>
        <translation>Emprunté&#xa0;: %1</translation>
    </message>
    <message>
        <source>Paid back: %1</source>
        <translation>Remboursé&#xa0;: %1</translation>
    </message>
    <message>
        <source>Won since play %1: %2</source>
        <extracomment>By the pointer, where the chart keeps fewer points than plays: %1 the earlier play.</extracomment>
        <translation>Gagné depuis le tour %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Won: %1, the bonus pool included</source>
        <extracomment>By the pointer: what a play won on the lines and from the bonus pool together.</extracomment>
        <translation>Gagné&#xa0;: %1, cagnotte comprise</translation>
    </message>
    <message>
        <source>Won: %1</source>
        <translation>Gagné&#xa0;: %1</translation>
    </message>
    <message>
        <source>Credits: %1</source>
        <extracomment>By the pointer: the credits once the play (or the loan) settled.</extracomment>
        <translation>Crédits&#xa0;: %1</translation>
    </message>
    <message>
        <source>credits-chart</source>
        <translation>graphique-credits</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Tour</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gagné</translation>
    </message>
    <message>
        <source>Marks</source>
        <translation>Marques</translation>
    </message>
    <message>
        <source>return-chart</source>
        <translation>graphique-taux</translation>
    </message>
    <message>
        <source>99 games in 100 end inside this band</source>
        <extracomment>The band on the return chart: where the return so far of 99 games in 100 lies.</extracomment>
        <translation>99 parties sur 100 finissent dans cette bande</translation>
    </message>
    <message>
        <source>(99 in 100: %1 to %2)</source>
        <extracomment>After the cursor&apos;s return: where 99 games in 100 are at that many spins.</extracomment>
        <translation>(99 sur 100&#xa0;: de %1 à %2)</translation>
    </message>
    <message>
        <source>Paid spin %1</source>
        <extracomment>The figures by the pointer on the return chart, a line each.</extracomment>
        <translation>Tour payant %1</translation>
    </message>
    <message>
        <source>Return so far: %1</source>
        <translation>Taux de redistribution jusqu&apos;ici&#xa0;: %1</translation>
    </message>
    <message>
        <source>Wagered: %1, returned: %2</source>
        <translation>Misé&#xa0;: %1, redistribué&#xa0;: %2</translation>
    </message>
    <message>
        <source>99 games in 100 are between %1 and %2 here</source>
        <translation>Ici, 99 parties sur 100 sont entre %1 et %2</translation>
    </message>
    <message>
        <source>Paid spins</source>
        <translation>Tours payants</translation>
    </message>
    <message>
        <source>Return so far (%)</source>
        <translation>Taux jusqu&apos;ici (%)</translation>
    </message>
    <message>
        <source>Long-run return (%)</source>
        <translation>Taux à long terme (%)</translation>
    </message>
    <message>
        <source>99 in 100 from (%)</source>
        <translation>99 sur 100 de (%)</translation>
    </message>
    <message>
        <source>99 in 100 to (%)</source>
        <translation>99 sur 100 à (%)</translation>
    </message>
    <message>
        <source>Return so far: no plays yet.</source>
        <translation>Taux de redistribution jusqu&apos;ici&#xa0;: aucun tour joué pour l&apos;instant.</translation>
    </message>
    <message numerus="yes">
        <source>%n coins</source>
        <extracomment>The most used bet in the return chart&apos;s words.</extracomment>
        <translation>
            <numerusform>%n pièce</numerusform>
            <numerusform>%n pièces</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Return so far after %n paid spins: %1. The machine&apos;s long-run return at %2 is %3; 99 games in 100 with this many paid spins end between %4 and %5.</source>
        <extracomment>The return chart in words, for a screen reader. %n paid spins, %1 the return so far, %2 the most used bet (&quot;25 coins&quot;), %3 the machine&apos;s long-run return there, %4 and %5 where the return so far of 99 games in 100 lies after this many spins.</extracomment>
        <translation>
            <numerusform>Taux de redistribution jusqu&apos;ici après %n tour payant&#xa0;: %1. Le taux de redistribution à long terme de la machine à %2 est de %3&#xa0;; avec un seul tour payant, 99 parties sur 100 finissent entre %4 et %5.</numerusform>
            <numerusform>Taux de redistribution jusqu&apos;ici après %n tours payants&#xa0;: %1. Le taux de redistribution à long terme de la machine à %2 est de %3&#xa0;; avec autant de tours payants, 99 parties sur 100 finissent entre %4 et %5.</numerusform>
        </translation>
    </message>
    <message>
        <source>Won: %1 on the lines, %2 from the bonus pool</source>
        <extracomment>By the pointer: what a bonus play won on the lines (%1) and from the pool (%2).</extracomment>
        <translation>Gagné&#xa0;: %1 sur les lignes, %2 de la cagnotte</translation>
    </message>
</context>
<context>
    <name>GameHistoryWindow</name>
    <message>
        <source>Played</source>
        <extracomment>Column heading: when the play was made.</extracomment>
        <translation>Joué le</translation>
    </message>
    <message>
        <source>Coin</source>
        <extracomment>Column heading: the value of one coin in the play.</extracomment>
        <translation>Pièce</translation>
    </message>
    <message>
        <source>Coins</source>
        <extracomment>Column heading: how many coins were bet.</extracomment>
        <translation>Pièces</translation>
    </message>
    <message>
        <source>Spin</source>
        <extracomment>Column heading: whether the spin was free or paid.</extracomment>
        <translation>Tour</translation>
    </message>
    <message>
        <source>Window</source>
        <extracomment>Column heading: the picture of the nine symbols the spin showed.</extracomment>
        <translation>Symboles</translation>
    </message>
    <message>
        <source>Win</source>
        <extracomment>Column heading: what the paylines won.</extracomment>
        <translation>Gain</translation>
    </message>
    <message>
        <source>Pool paid</source>
        <extracomment>Column heading: what the bonus pool paid out.</extracomment>
        <translation>Cagnotte versée</translation>
    </message>
    <message>
        <source>Credits</source>
        <extracomment>Column heading: the credits before and after the play.</extracomment>
        <translation>Crédits</translation>
    </message>
    <message>
        <source>Meter</source>
        <extracomment>Column heading: the power meter before and after the play.</extracomment>
        <translation>Jauge</translation>
    </message>
    <message>
        <source>Game History</source>
        <translation>Historique de la partie</translation>
    </message>
    <message>
        <source>The last ten plays, newest first</source>
        <translation>Les dix derniers tours, du plus récent au plus ancien</translation>
    </message>
    <message>
        <source>This game since New Game</source>
        <translation>Cette partie depuis «&#xa0;Nouvelle partie&#xa0;»</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>No plays yet.</source>
        <translation>Aucun tour joué pour l&apos;instant.</translation>
    </message>
    <message>
        <source>Free</source>
        <extracomment>A spin that cost nothing, won with the bonus.</extracomment>
        <translation>Gratuit</translation>
    </message>
    <message>
        <source>Paid</source>
        <extracomment>A spin paid for with coins.</extracomment>
        <translation>Payant</translation>
    </message>
    <message>
        <source>Paid spins:</source>
        <translation>Tours payants&#xa0;:</translation>
    </message>
    <message>
        <source>Free spins:</source>
        <translation>Tours gratuits&#xa0;:</translation>
    </message>
    <message>
        <source>Coins wagered:</source>
        <translation>Pièces misées&#xa0;:</translation>
    </message>
    <message>
        <source>Money wagered:</source>
        <translation>Somme misée&#xa0;:</translation>
    </message>
    <message>
        <source>Won on lines:</source>
        <translation>Gagné sur les lignes&#xa0;:</translation>
    </message>
    <message>
        <source>Won from the pool:</source>
        <translation>Gagné à la cagnotte&#xa0;:</translation>
    </message>
    <message>
        <source>Bonuses:</source>
        <translation>Bonus&#xa0;:</translation>
    </message>
    <message>
        <source>Borrowed:</source>
        <extracomment>Credits borrowed in this game.</extracomment>
        <translation>Emprunté&#xa0;:</translation>
    </message>
    <message>
        <source>Paid back:</source>
        <translation>Remboursé&#xa0;:</translation>
    </message>
    <message>
        <source>Biggest win:</source>
        <translation>Plus gros gain&#xa0;:</translation>
    </message>
    <message>
        <source>Not yet known</source>
        <extracomment>A return that cannot be worked out yet, as nothing has been wagered.</extracomment>
        <translation>Pas encore connu</translation>
    </message>
    <message>
        <source>Long-run return at the most used bet:</source>
        <translation>Taux de redistribution à long terme (mise la plus fréquente)&#xa0;:</translation>
    </message>
    <message>
        <source>Return so far:</source>
        <translation>Taux de redistribution jusqu&apos;ici&#xa0;:</translation>
    </message>
    <message>
        <source>Top row: %1, %2, %3. Middle row: %4, %5, %6. Bottom row: %7, %8, %9.</source>
        <extracomment>The nine symbols of a play&apos;s window, read out row by row, each left to right.</extracomment>
        <translation>Rangée du haut&#xa0;: %1, %2, %3. Rangée du milieu&#xa0;: %4, %5, %6. Rangée du bas&#xa0;: %7, %8, %9.</translation>
    </message>
    <message>
        <source>Line %1 pays.</source>
        <extracomment>After the symbols of a play that won on one payline; %1 is the line, such as 2.</extracomment>
        <translation>La ligne %1 paie.</translation>
    </message>
    <message>
        <source>Lines %1 pay.</source>
        <extracomment>After the symbols of a play that won on several paylines; %1 lists them, such as 1, 3.</extracomment>
        <translation>Les lignes %1 paient.</translation>
    </message>
    <message>
        <source>&amp;Plays and totals</source>
        <extracomment>The tab of the game history with the last plays and the totals.</extracomment>
        <translation>&amp;Tours et totaux</translation>
    </message>
    <message>
        <source>&amp;Charts</source>
        <extracomment>The tab of the game history with the two charts of the whole game.</extracomment>
        <translation>&amp;Graphiques</translation>
    </message>
    <message>
        <source>&amp;Records</source>
        <translation>&amp;Records</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>Where the return so far of 99 games in 100 ends; %1 and %2 are returns, such as 80.5%.</extracomment>
        <translation>de %1 à %2</translation>
    </message>
    <message numerus="yes">
        <source>Long-run return at %n coins (the most used bet):</source>
        <translation>
            <numerusform>Taux de redistribution à long terme à %n pièce (mise la plus fréquente)&#xa0;:</numerusform>
            <numerusform>Taux de redistribution à long terme à %n pièces (mise la plus fréquente)&#xa0;:</numerusform>
        </translation>
    </message>
    <message>
        <source>99 games in 100 with as many paid spins end between:</source>
        <extracomment>Beside it the lowest and the highest return so far that 99 games in 100 with this many paid spins end with, by chance alone.</extracomment>
        <translation>Avec autant de tours payants, 99 parties sur 100 finissent entre&#xa0;:</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Unable to open the help file %1.</source>
        <translation>Impossible d&apos;ouvrir le fichier d&apos;aide %1.</translation>
    </message>
    <message>
        <source>%1 Help</source>
        <extracomment>The help window&apos;s title; %1 is the game&apos;s name.</extracomment>
        <translation>%1 – Aide</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>F&amp;orward</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>S&amp;ommaire</translation>
    </message>
    <message>
        <source>Find in help</source>
        <translation>Rechercher dans l&apos;aide</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Rechercher</translation>
    </message>
    <message>
        <source>Not found</source>
        <extracomment>Said beside the find field when the text is nowhere in the page.</extracomment>
        <translation>Introuvable</translation>
    </message>
</context>
<context>
    <name>Machine</name>
    <message>
        <source>Your credits are at the money limit: only %1 of this win went in, the rest could not be added.</source>
        <translation>Vos crédits ont atteint le plafond&#xa0;: seuls %1 de ce gain ont été crédités, le reste est perdu.</translation>
    </message>
    <message>
        <source>Please place a bet before spinning.</source>
        <translation>Veuillez miser avant de lancer.</translation>
    </message>
    <message>
        <source>You do not have enough credits to bet the same amount as you last spin; you better borrow some credits!.</source>
        <translation>Vous n&apos;avez pas assez de crédits pour miser le même montant qu&apos;au dernier tour&#xa0;; empruntez donc des crédits&#xa0;!</translation>
    </message>
    <message>
        <source>Only %1 could be lent: your credits or your debt would have gone past the money limit.</source>
        <translation>Vous n&apos;avez pu emprunter que %1&#xa0;: vos crédits ou votre dette auraient dépassé le plafond.</translation>
    </message>
</context>
<context>
    <name>MachineFace</name>
    <message>
        <source>Slot machine</source>
        <extracomment>What a screen reader calls the painted machine.</extracomment>
        <translation>Machine à sous</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Game &amp;History</source>
        <translation>&amp;Historique de la partie</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Back&amp;ground</source>
        <translation>Arrière-&amp;plan</translation>
    </message>
    <message>
        <source>Tiled Bitmap</source>
        <translation>Image en mosaïque</translation>
    </message>
    <message>
        <source>Solid Color</source>
        <translation>Couleur unie</translation>
    </message>
    <message>
        <source>&amp;Bet Amount</source>
        <translation>&amp;Valeur de la pièce</translation>
    </message>
    <message>
        <source>Borrow &amp;Credits</source>
        <translation>&amp;Emprunter des crédits</translation>
    </message>
    <message>
        <source>&amp;Music</source>
        <translation>&amp;Musique</translation>
    </message>
    <message>
        <source>On</source>
        <extracomment>A check item of the Music and Sounds menus: marked while they play.</extracomment>
        <translation>Activer</translation>
    </message>
    <message>
        <source>Change Songs</source>
        <translation>Changer les morceaux</translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <translation>&amp;Sons</translation>
    </message>
    <message>
        <source>Bonus</source>
        <extracomment>Sounds menu: the sound of the bonus won.</extracomment>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>Coins</source>
        <extracomment>Sounds menu: the sound of coins placed.</extracomment>
        <translation>Pièces</translation>
    </message>
    <message>
        <source>Credits</source>
        <extracomment>Sounds menu: the sound of credits counted up.</extracomment>
        <translation>Crédits</translation>
    </message>
    <message>
        <source>Lose</source>
        <extracomment>Sounds menu: the sound of a losing spin.</extracomment>
        <translation>Tour perdant</translation>
    </message>
    <message>
        <source>Power Drain</source>
        <translation>Court-circuit</translation>
    </message>
    <message>
        <source>Power Up</source>
        <translation>Recharge</translation>
    </message>
    <message>
        <source>Slot Spin</source>
        <translation>Cliquetis des rouleaux</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>Sounds menu: the sound of a wheel stopping, not a command.</extracomment>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Wheel Spin</source>
        <translation>Rotation des rouleaux</translation>
    </message>
    <message>
        <source>Win</source>
        <extracomment>Sounds menu: the sound of a winning spin.</extracomment>
        <translation>Gain</translation>
    </message>
    <message>
        <source>Change WAVs</source>
        <translation>Changer les sons</translation>
    </message>
    <message>
        <source>Spin Spee&amp;d</source>
        <translation>Vitesse de &amp;rotation</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rapide</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lente</translation>
    </message>
    <message>
        <source>&amp;Auto</source>
        <translation>A&amp;uto</translation>
    </message>
    <message>
        <source>&amp;Auto Spin</source>
        <translation>&amp;Tours automatiques</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;Catalog</source>
        <translation>&amp;Catalogue</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Manuel</translation>
    </message>
</context>
<context>
    <name>Metainfo</name>
    <message>
        <source>Spin a three-wheel, five-payline slot machine with play money</source>
        <extracomment>The one-line summary under the name in a software centre.</extracomment>
        <translation>Machine à sous à trois rouleaux et cinq lignes de paiement, pour jouer avec de l&apos;argent fictif</translation>
    </message>
    <message>
        <source>A three-wheel slot machine with five paylines. Bet one to twenty-five coins, spin, and every payline pays by the pay table in proportion to its coins.</source>
        <extracomment>The first paragraph of the description in a software centre.</extracomment>
        <translation>Une machine à sous à trois rouleaux et cinq lignes de paiement. Misez d&apos;une à vingt-cinq pièces et lancez les rouleaux&#xa0;: chaque ligne de paiement rapporte selon la table des gains, en proportion des pièces misées sur elle.</translation>
    </message>
    <message>
        <source>Every Voltaro symbol charges the power meter and every Power Drain symbol halves it; at 100% the machine pays its progressive bonus pool and plays seven free spins. Credits can be borrowed and paid back, eight games saved in named slots, and the coin value, spin speed, background, sounds and MIDI playlist chosen.</source>
        <translation>Chaque symbole Voltaro charge la jauge d&apos;énergie, chaque symbole Court-circuit la divise par deux. À 100&#xa0;%, la machine verse sa cagnotte progressive et offre sept tours gratuits. Vous pouvez emprunter des crédits et les rembourser, enregistrer jusqu&apos;à huit parties dans des emplacements nommés, et choisir vous-même la valeur de la pièce, la vitesse de rotation, l&apos;arrière-plan, les sons et la liste de lecture MIDI.</translation>
    </message>
    <message>
        <source>All money in the game is play money.</source>
        <translation>Le jeu n&apos;utilise que de l&apos;argent fictif.</translation>
    </message>
    <message>
        <source>The machine after a spin</source>
        <extracomment>The caption of the screenshot in a software centre.</extracomment>
        <translation>La machine après un tour</translation>
    </message>
</context>
<context>
    <name>MusicPlaylist</name>
    <message>
        <source>No MIDI songs are selected!</source>
        <translation>Aucun morceau MIDI n&apos;est sélectionné&#xa0;!</translation>
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
        <translation>Impossible d&apos;écrire dans %1</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Disque</translation>
    </message>
</context>
<context>
    <name>RecordsPage</name>
    <message>
        <source>Record</source>
        <extracomment>Column heading of the records: what the record is.</extracomment>
        <translation>Record</translation>
    </message>
    <message>
        <source>Value</source>
        <extracomment>Column heading of the records: the count, amount or time.</extracomment>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Game</source>
        <extracomment>Column heading of the records: the game that set the record.</extracomment>
        <translation>Partie</translation>
    </message>
    <message>
        <source>Date</source>
        <extracomment>Column heading of the records: the date the record was last set.</extracomment>
        <translation>Date</translation>
    </message>
    <message>
        <source>Game #%1</source>
        <extracomment>The name of a game not opened from a saved game; %1 is its number.</extracomment>
        <translation>Partie %1</translation>
    </message>
    <message>
        <source>%1 s</source>
        <extracomment>Time played of less than a minute; %1 is the seconds.</extracomment>
        <translation>%1&#xa0;s</translation>
    </message>
    <message>
        <source>%1 min</source>
        <extracomment>Time played of less than an hour; %1 is the minutes.</extracomment>
        <translation>%1&#xa0;min</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <extracomment>Time played; %1 is the hours, %2 the minutes (two digits).</extracomment>
        <translation>%1&#xa0;h&#xa0;%2&#xa0;min</translation>
    </message>
    <message>
        <source>Your records across every game</source>
        <translation>Vos records sur toutes les parties</translation>
    </message>
    <message>
        <source>Re&amp;set records</source>
        <translation>Ré&amp;initialiser les records</translation>
    </message>
    <message>
        <source>Games played</source>
        <extracomment>The record of how many games were started.</extracomment>
        <translation>Parties jouées</translation>
    </message>
    <message>
        <source>Paid spins</source>
        <translation>Tours payants</translation>
    </message>
    <message>
        <source>Free spins</source>
        <translation>Tours gratuits</translation>
    </message>
    <message>
        <source>Bonuses</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>Biggest win</source>
        <extracomment>The most one play paid, on the lines and from the pool together.</extracomment>
        <translation>Plus gros gain</translation>
    </message>
    <message>
        <source>Biggest bonus</source>
        <extracomment>The largest bonus pool paid out.</extracomment>
        <translation>Plus grosse cagnotte</translation>
    </message>
    <message>
        <source>Most credits</source>
        <translation>Crédits les plus élevés</translation>
    </message>
    <message>
        <source>Longest winning run</source>
        <extracomment>The most paid spins in a row that each won something.</extracomment>
        <translation>Plus longue série gagnante</translation>
    </message>
    <message numerus="yes">
        <source>%n in a row</source>
        <translation>
            <numerusform>%n d&apos;affilée</numerusform>
            <numerusform>%n d&apos;affilée</numerusform>
        </translation>
    </message>
    <message>
        <source>Time played</source>
        <extracomment>Time with the game&apos;s window open and not minimised.</extracomment>
        <translation>Temps de jeu</translation>
    </message>
    <message numerus="yes">
        <source>Clear your records of every game played (%n so far)? This cannot be undone.</source>
        <extracomment>Asked before the records are cleared; %n is the number of games they cover.</extracomment>
        <translation>
            <numerusform>Effacer vos records de toutes les parties jouées (%n jusqu&apos;ici)&#xa0;? Cette action est définitive.</numerusform>
            <numerusform>Effacer vos records de toutes les parties jouées (%n jusqu&apos;ici)&#xa0;? Cette action est définitive.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SavedGamePanel</name>
    <message>
        <source>Name of slot %1</source>
        <translation>Nom de l&apos;emplacement %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Game #%1</source>
        <extracomment>The name offered for a saved game; %1 is the slot&apos;s number.</extracomment>
        <translation>Partie %1</translation>
    </message>
    <message>
        <source>%1 credits</source>
        <extracomment>A saved game&apos;s credits; %1 is the amount, such as 1234.56.</extracomment>
        <translation>Crédits&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 borrowed</source>
        <extracomment>What a saved game has borrowed; %1 is the amount, such as 1000.00.</extracomment>
        <translation>Dette&#xa0;: %1</translation>
    </message>
    <message>
        <source>Slot %1: %2</source>
        <extracomment>A slot button&apos;s name for screen readers: the slot&apos;s number and the saved game&apos;s name.</extracomment>
        <translation>Emplacement %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1, %2, saved %3</source>
        <extracomment>A slot button&apos;s description for screen readers: the saved game&apos;s credits, what it borrowed, and the date it was saved.</extracomment>
        <translation>%1, %2, enregistrée le %3</translation>
    </message>
    <message>
        <source>Slot %1: empty</source>
        <translation>Emplacement %1&#xa0;: vide</translation>
    </message>
</context>
<context>
    <name>SdlMusicPlayer</name>
    <message>
        <source>The file cannot be played on the MIDI sequencer. It may be damaged or not a MIDI file.</source>
        <translation>Le fichier ne peut pas être joué par le séquenceur MIDI. Il est peut-être endommagé, ou ce n&apos;est pas un fichier MIDI.</translation>
    </message>
    <message>
        <source>The file could not be opened: %1</source>
        <translation>Impossible d&apos;ouvrir le fichier&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>SettingsLock</name>
    <message>
        <source>The link to the settings file cannot be followed.</source>
        <extracomment>Why the game cannot keep other games off its settings file.</extracomment>
        <translation>Le lien vers le fichier de paramètres ne peut pas être suivi.</translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <extracomment>Why the game cannot keep other games off its settings file; %1 is the full path of the lock file beside it.</extracomment>
        <translation>%1 n&apos;est pas un fichier.</translation>
    </message>
</context>
<context>
    <name>SingleGame</name>
    <message>
        <source>%1 is already running with this settings file.</source>
        <extracomment>%1 is the game&apos;s name.</extracomment>
        <translation>%1 est déjà en cours d&apos;exécution avec ce fichier de paramètres.</translation>
    </message>
    <message>
        <source>%1 cannot lock its settings file, so it cannot make sure that no other copy of the game uses it. You can play, but the game is not saved while the file cannot be locked.

%2: %3</source>
        <extracomment>%1 is the game&apos;s name, %2 the settings file&apos;s path, %3 why it cannot be locked.</extracomment>
        <translation>%1 ne peut pas verrouiller son fichier de paramètres et ne peut donc pas s&apos;assurer qu&apos;aucune autre copie du jeu ne l&apos;utilise. Vous pouvez jouer, mais la partie n&apos;est pas enregistrée tant que le fichier ne peut pas être verrouillé.

%2&#xa0;: %3</translation>
    </message>
</context>
<context>
    <name>SymbolArt</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. No such file or directory.</source>
        <translation>Impossible d&apos;ouvrir le fichier «&#xa0;%1&#xa0;»&#xa0;: fichier ou dossier introuvable.</translation>
    </message>
    <message>
        <source>Bitmap image is not valid: &quot;%1&quot;.</source>
        <translation>L&apos;image bitmap «&#xa0;%1&#xa0;» n&apos;est pas valide.</translation>
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
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version&#xa0;:</translation>
    </message>
    <message>
        <source>A 3-wheel, 5-payline slot machine.  Features the largest slot wheels ever on a PC, as well as, user-selectable backgrounds and sound effects.

Includes an interesting bonus feature--win the progressive bonus pool and seven free spins.</source>
        <translation>Une machine à sous à 3 rouleaux et 5 lignes de paiement. Elle offre les plus grands rouleaux jamais vus sur un PC, ainsi que des arrière-plans et des effets sonores au choix.

Avec une fonction bonus captivante&#xa0;: remportez la cagnotte progressive et sept tours gratuits.</translation>
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
        <translation>Cette fenêtre permet d&apos;emprunter des crédits ou de rembourser des crédits empruntés auparavant. Cliquez sur le bouton du montant à emprunter (ou à rembourser).

Pour passer de l&apos;emprunt au remboursement, choisissez le mode.</translation>
    </message>
    <message>
        <source>Use this form to borrow or pay back credits</source>
        <translation>Emprunter ou rembourser des crédits</translation>
    </message>
    <message>
        <source>Credits and borrowed</source>
        <translation>Crédits et emprunts</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Mode&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Pay back %1</source>
        <extracomment>A chip button&apos;s name while paying back; %1 is the amount on the chip, such as $100.</extracomment>
        <translation>Rembourser %1</translation>
    </message>
    <message>
        <source>Borrow %1</source>
        <extracomment>A chip button&apos;s name while borrowing; %1 is the amount on the chip, such as $100.</extracomment>
        <translation>Emprunter %1</translation>
    </message>
    <message>
        <source>You cannot borrow any more credits!</source>
        <translation>Vous ne pouvez plus emprunter de crédits&#xa0;!</translation>
    </message>
    <message>
        <source>You cannot pay back more credits than you have borrowed!</source>
        <translation>Vous ne pouvez pas rembourser plus de crédits que vous n&apos;en avez emprunté&#xa0;!</translation>
    </message>
    <message>
        <source>You do not have 1 credit!</source>
        <translation>Il vous reste moins d&apos;un crédit&#xa0;!</translation>
    </message>
    <message>
        <source>You do not have %1 credits!</source>
        <extracomment>%1 is an amount of credits, such as 1000 or 0.10.</extracomment>
        <translation>Vos crédits sont inférieurs à %1&#xa0;!</translation>
    </message>
    <message>
        <source>Credits:</source>
        <extracomment>Over the player&apos;s credits in the borrow dialog.</extracomment>
        <translation>Crédits&#xa0;:</translation>
    </message>
    <message>
        <source>Borrowed:</source>
        <extracomment>Over the amount the player has borrowed, in the borrow dialog.</extracomment>
        <translation>Emprunté&#xa0;:</translation>
    </message>
    <message>
        <source>Credits: %1. Borrowed: %2.</source>
        <translation>Crédits&#xa0;: %1. Emprunté&#xa0;: %2.</translation>
    </message>
    <message>
        <source>&amp;Borrow Credits</source>
        <extracomment>The mode choice; &amp; marks the access key, as on &quot;Pay Back Credits&quot;.</extracomment>
        <translation>&amp;Emprunter</translation>
    </message>
    <message>
        <source>&amp;Pay Back Credits</source>
        <translation>&amp;Rembourser</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>%1 (not saved)</source>
        <translation>%1 (partie non enregistrée)</translation>
    </message>
</context>
<context>
    <name>TLoadSave</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnuler</translation>
    </message>
    <message>
        <source>Save a Game -- Select Game Slot</source>
        <translation>Enregistrer une partie – Choisissez un emplacement</translation>
    </message>
    <message>
        <source>Open a Game -- Select Game Slot</source>
        <translation>Ouvrir une partie – Choisissez un emplacement</translation>
    </message>
    <message>
        <source>Name for this saved game?</source>
        <translation>Sous quel nom enregistrer cette partie&#xa0;?</translation>
    </message>
</context>
<context>
    <name>TMusicForm</name>
    <message>
        <source>Change MIDI Files]</source>
        <extracomment>The window title; the stray bracket is part of the title the game has always had.</extracomment>
        <translation>Changer les morceaux (fichiers MIDI)</translation>
    </message>
    <message>
        <source>You may include up to eight MIDI files which will be used as background music while you are playing this game.</source>
        <translation>Vous pouvez choisir jusqu&apos;à huit fichiers MIDI, qui serviront de musique de fond pendant que vous jouez.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>MIDI Sequencer</source>
        <extracomment>The kind of file the song dialog lists.</extracomment>
        <translation>Fichiers MIDI</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>The title of the file dialog that picks a song file.</extracomment>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Could not find %1.  Please choose a valid MIDI file.</source>
        <translation>Impossible de trouver %1. Veuillez choisir un fichier MIDI valide.</translation>
    </message>
    <message>
        <source>MIDI Song #%1</source>
        <extracomment>The name of an empty row of the song dialog; %1 is its number, 4 to 8.</extracomment>
        <translation>Morceau MIDI %1</translation>
    </message>
    <message>
        <source>C&amp;hange</source>
        <extracomment>A button that picks another song file for the row; &amp; marks its access key.</extracomment>
        <translation>&amp;Changer</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <extracomment>A button that plays the row&apos;s song; &amp; marks its access key.</extracomment>
        <translation>&amp;Écouter</translation>
    </message>
    <message>
        <source>Change song %1</source>
        <extracomment>What a screen reader calls a row&apos;s Change button; %1 is the row, 1 to 8.</extracomment>
        <translation>Changer le morceau %1</translation>
    </message>
    <message>
        <source>Preview song %1</source>
        <extracomment>What a screen reader calls a row&apos;s Preview button; %1 is the row, 1 to 8.</extracomment>
        <translation>Écouter le morceau %1</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <extracomment>&amp; marks the access key.</extracomment>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>TPayoffs</name>
    <message>
        <source>Three Voltaro symbols</source>
        <translation>Trois symboles Voltaro</translation>
    </message>
    <message>
        <source>Three Lucky Sevens</source>
        <translation>Trois 7 porte-bonheur</translation>
    </message>
    <message>
        <source>Three Diamonds</source>
        <translation>Trois Diamants</translation>
    </message>
    <message>
        <source>Three Bells</source>
        <translation>Trois Cloches</translation>
    </message>
    <message>
        <source>Three Magnets</source>
        <translation>Trois Aimants</translation>
    </message>
    <message>
        <source>Three Cherries</source>
        <translation>Trois Cerises</translation>
    </message>
    <message>
        <source>Two Cherries on wheels 1 and 2</source>
        <translation>Deux Cerises sur les rouleaux 1 et 2</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>A row of the payoff chart, read out: %1 is the win, such as Three Bells, and %2 what it pays for one to five coins.</extracomment>
        <translation>%1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Win 7 free spins and the Bonus Pool by raising the Power Meter to 100%.  The Voltaro symbol increases power by 10% of full, and the Power Drain symbol reduces it by 50% of current value.</source>
        <translation>Remportez 7 tours gratuits et la cagnotte en portant la jauge d&apos;énergie à 100&#xa0;%. Le symbole Voltaro ajoute 10&#xa0;% de la charge complète, et le symbole Court-circuit retire 50&#xa0;% de la charge actuelle.</translation>
    </message>
    <message>
        <source>1 Coin</source>
        <extracomment>Column heading of the payoff chart: what a win pays for one coin on the line.</extracomment>
        <translation>1 pièce</translation>
    </message>
    <message>
        <source>2 Coins</source>
        <translation>2 pièces</translation>
    </message>
    <message>
        <source>3 Coins</source>
        <translation>3 pièces</translation>
    </message>
    <message>
        <source>4 Coins</source>
        <translation>4 pièces</translation>
    </message>
    <message>
        <source>5 Coins</source>
        <translation>5 pièces</translation>
    </message>
    <message>
        <source>Payoffs</source>
        <translation>Gains</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>%1 Payoffs</source>
        <extracomment>The payoff chart&apos;s title; %1 is the game&apos;s name.</extracomment>
        <translation>%1 – Table des gains</translation>
    </message>
    <message numerus="yes">
        <source>%n coins %1</source>
        <extracomment>What a win pays for %n coins on the line, read out; %1 is the amount, such as 10.00.</extracomment>
        <translation>
            <numerusform>%n pièce %1</numerusform>
            <numerusform>%n pièces %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TSoundForm</name>
    <message>
        <source>Change Sounds (WAV Files)</source>
        <translation>Changer les sons (fichiers WAV)</translation>
    </message>
    <message>
        <source>Bonus Sound:</source>
        <translation>Son du bonus&#xa0;:</translation>
    </message>
    <message>
        <source>This is the sound that plays when you get the Power Meter to 100%.</source>
        <translation>Ce son est joué quand la jauge d&apos;énergie atteint 100&#xa0;%.</translation>
    </message>
    <message>
        <source>Count Down Sound</source>
        <translation>Son du court-circuit&#xa0;:</translation>
    </message>
    <message>
        <source>This is the sound which plays when you get a Power Drain symbol on the screen</source>
        <translation>Ce son est joué quand un symbole Court-circuit apparaît sur les rouleaux</translation>
    </message>
    <message>
        <source>Count Up Sound</source>
        <translation>Son de la recharge&#xa0;:</translation>
    </message>
    <message>
        <source>Lose Sound:</source>
        <translation>Son du tour perdant&#xa0;:</translation>
    </message>
    <message>
        <source>This is a sound which plays on a losing spin.</source>
        <translation>Ce son est joué après un tour perdant.</translation>
    </message>
    <message>
        <source>Win Sound:</source>
        <translation>Son du gain&#xa0;:</translation>
    </message>
    <message>
        <source>This is a sound which plays on a winning spin.</source>
        <translation>Ce son est joué après un tour gagnant.</translation>
    </message>
    <message>
        <source>Click this button to use the default (original) sounds for the above events.</source>
        <translation>Cliquez sur ce bouton pour rétablir les sons d&apos;origine des événements ci-dessus.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Click this button to browse your hard drive for a sound for this event.</source>
        <translation>Cliquez sur ce bouton pour choisir un fichier son pour cet événement.</translation>
    </message>
    <message>
        <source>Click this button to play the currently selected sound file.</source>
        <translation>Cliquez sur ce bouton pour écouter le fichier son actuellement choisi.</translation>
    </message>
    <message>
        <source>Wav Files</source>
        <extracomment>The kind of file the sound dialog lists.</extracomment>
        <translation>Fichiers WAV</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>The title of the file dialog that picks a sound file.</extracomment>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Restore Default Sounds</source>
        <translation>&amp;Rétablir les sons par défaut</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Change</source>
        <extracomment>A button that picks another sound file for the event; &amp; marks its access key.</extracomment>
        <translation>&amp;Changer</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <extracomment>A button that plays the event&apos;s sound file; &amp; marks its access key.</extracomment>
        <translation>&amp;Écouter</translation>
    </message>
    <message>
        <source>Change %1</source>
        <extracomment>What a screen reader calls a row&apos;s Change button; %1 is the sound, such as Win Sound.</extracomment>
        <translation>Changer&#xa0;: %1</translation>
    </message>
    <message>
        <source>Preview %1</source>
        <extracomment>What a screen reader calls a row&apos;s Preview button; %1 is the sound, such as Win Sound.</extracomment>
        <translation>Écouter&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>WindowBackground</name>
    <message>
        <source>Bitmaps</source>
        <extracomment>The kind of file the picture dialog lists.</extracomment>
        <translation>Images bitmap</translation>
    </message>
    <message>
        <source>Load Tiled Bitmap File</source>
        <translation>Charger une image pour la mosaïque</translation>
    </message>
</context>
</TS>
