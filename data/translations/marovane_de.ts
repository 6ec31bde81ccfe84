<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>BoardPort</name>
    <message>
        <source>%1 (Player %2)</source>
        <translation>%1 (Spieler %2)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>The switch %1 needs a value.</source>
        <translation>Der Schalter %1 braucht einen Wert.</translation>
    </message>
    <message>
        <source>The seed must be a whole number, not &quot;%1&quot;.</source>
        <translation>Der Startwert muss eine ganze Zahl sein, nicht „%1“.</translation>
    </message>
</context>
<context>
    <name>FileTypeRegistry</name>
    <message>
        <source>It appears that Marovane is not the default application for %1 (%2).  Would you like to make it the default application now?</source>
        <translation>Marovane ist offenbar nicht das Standardprogramm für %1 (%2).  Soll Marovane jetzt das Standardprogramm werden?</translation>
    </message>
    <message>
        <source>Marovane Game Definition File</source>
        <translation>Marovane-Szenariodatei</translation>
    </message>
    <message>
        <source>Marovane Saved Game File</source>
        <translation>Marovane-Spielstanddatei</translation>
    </message>
</context>
<context>
    <name>GameMenus</name>
    <message>
        <source>Show Computer &amp;Thinking</source>
        <translation>&amp;Denken des Computers zeigen</translation>
    </message>
    <message>
        <source>&amp;Hide Opponents Turn</source>
        <translation>Zug der &amp;Gegner verbergen</translation>
    </message>
    <message>
        <source>&amp;Auto Next Turn</source>
        <translation>&amp;Automatisch nächster Zug</translation>
    </message>
    <message>
        <source>&amp;Animations</source>
        <translation>A&amp;nimationen</translation>
    </message>
    <message>
        <source>Health &amp;Bars</source>
        <translation>&amp;Lebensbalken</translation>
    </message>
</context>
<context>
    <name>GameSetupDialog</name>
    <message>
        <source>The scenario &apos;%1&apos; no longer exists.</source>
        <translation>Das Szenario „%1“ gibt es nicht mehr.</translation>
    </message>
</context>
<context>
    <name>ScenarioEditor</name>
    <message>
        <source>The scenario &apos;%1&apos; no longer exists.</source>
        <translation>Das Szenario „%1“ gibt es nicht mehr.</translation>
    </message>
    <message>
        <source>No temporary folder can be made for the test game.</source>
        <translation>Für das Probespiel lässt sich kein temporärer Ordner anlegen.</translation>
    </message>
    <message>
        <source>Board Size</source>
        <translation>Spielfeldgröße</translation>
    </message>
    <message>
        <source>Board Width</source>
        <translation>Spielfeldbreite</translation>
    </message>
    <message>
        <source>Board Height</source>
        <translation>Spielfeldhöhe</translation>
    </message>
    <message>
        <source>Treasury</source>
        <translation>Schatzkammer</translation>
    </message>
    <message>
        <source>Party Size</source>
        <translation>Truppgröße</translation>
    </message>
    <message>
        <source>Reward</source>
        <translation>Befreiungslohn</translation>
    </message>
    <message>
        <source>Toggle Unit</source>
        <translation>Einheit umschalten</translation>
    </message>
    <message>
        <source>Toggle Fog</source>
        <translation>Nebel umschalten</translation>
    </message>
    <message>
        <source>Toggle Castle</source>
        <translation>Burg umschalten</translation>
    </message>
    <message>
        <source>Toggle Keep</source>
        <translation>Bergfried umschalten</translation>
    </message>
    <message>
        <source>Toggle Win Cond</source>
        <translation>Siegbed. umschalten</translation>
    </message>
    <message>
        <source>Toggle Lose Cond</source>
        <translation>Niederlagebed. umschalten</translation>
    </message>
    <message>
        <source>Toggle Advanced!</source>
        <translation>Erweitert umschalten!</translation>
    </message>
</context>
<context>
    <name>ScenarioNamePrompt</name>
    <message>
        <source>Please enter the new name for &apos;%1&apos;:</source>
        <translation>Bitte den neuen Namen für „%1“ eingeben:</translation>
    </message>
    <message>
        <source>Rename Scenario</source>
        <translation>Szenario umbenennen</translation>
    </message>
</context>
<context>
    <name>StartFile</name>
    <message>
        <source>Invalid File: %1</source>
        <translation>Ungültige Datei: %1</translation>
    </message>
    <message>
        <source>The scenario %1 was not opened.

%2</source>
        <translation>Das Szenario %1 wurde nicht geöffnet.

%2</translation>
    </message>
</context>
<context>
    <name>TutorialGuidePanel</name>
    <message>
        <source>Select a unit</source>
        <translation>Wähle eine Einheit</translation>
    </message>
    <message>
        <source>Your units are the letters in your colour at the top left of the board: P the Peasant, Pr the Priest, LI Light Infantry, MI Medium Infantry, LA the Light Archer, and W, the wall pieces of your castle.

Click LI to select it.</source>
        <translation>Deine Einheiten sind die Buchstaben in deiner Farbe oben links auf dem Spielfeld: P der Bauer, Pr der Priester, LI die Leichte Infanterie, MI die Mittlere Infanterie, LA der Leichte Bogenschütze und W, die Mauerstücke deiner Burg.

Klicke LI an, um sie auszuwählen.</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Vorrücken</translation>
    </message>
    <message>
        <source>Click a free cell next to the selected unit: it steps there. A unit has a few steps each turn; the panel at the side counts them.

Lead your units out through the gate in the castle wall.</source>
        <translation>Klicke ein freies Feld neben der ausgewählten Einheit an: Sie geht dorthin. Eine Einheit hat in jedem Zug einige Schritte; die Anzeige an der Seite zählt sie mit.

Führe deine Einheiten durch das Tor in der Burgmauer hinaus.</translation>
    </message>
    <message>
        <source>Attack</source>
        <translation>Angreifen</translation>
    </message>
    <message>
        <source>Enemy units are the same letters in the enemy&apos;s colour. Select a unit beside an enemy and click the enemy to attack it. LA, the archer, shoots from afar: its reach is the yellow circle around it.</source>
        <translation>Feindliche Einheiten sind dieselben Buchstaben in der Farbe des Gegners. Wähle eine Einheit neben einem Feind und klicke den Feind an, um ihn anzugreifen. LA, der Bogenschütze, schießt aus der Ferne: Seine Reichweite ist der gelbe Kreis um ihn.</translation>
    </message>
    <message>
        <source>Heal with the priest</source>
        <translation>Mit dem Priester heilen</translation>
    </message>
    <message>
        <source>Once one of your units is hurt, select Pr, the Priest, and click the hurt unit next to it: the priest gives back some of its hit points.</source>
        <translation>Sobald eine deiner Einheiten verwundet ist, wähle Pr, den Priester, und klicke die verwundete Einheit neben ihm an: Der Priester gibt ihr einige Lebenspunkte zurück.</translation>
    </message>
    <message>
        <source>End the turn</source>
        <translation>Den Zug beenden</translation>
    </message>
    <message>
        <source>When your units have done what they can, press Next Turn. Then the enemy moves.</source>
        <translation>Wenn deine Einheiten getan haben, was sie können, drücke „Nächster Zug“. Dann ist der Gegner am Zug.</translation>
    </message>
    <message>
        <source>Use the keep</source>
        <translation>Den Bergfried nutzen</translation>
    </message>
    <message>
        <source>At the end of each turn you visit your keep, the small room inside your castle. Buy a new unit into it, or sell the unit standing in it; each costs or brings money.</source>
        <translation>Am Ende jedes Zuges besuchst du deinen Bergfried, den kleinen Raum in deiner Burg. Kaufe dort eine neue Einheit oder verkaufe die Einheit, die darin steht; das kostet Gold oder bringt Gold ein.</translation>
    </message>
    <message>
        <source>Read the floating panel and the preview</source>
        <translation>Schwebende Anzeige und Vorschau lesen</translation>
    </message>
    <message>
        <source>Select one of your units and rest the pointer on an enemy. The floating panel shows that unit, the chance to hit it, the damage your attack can deal, and whether it strikes back.</source>
        <translation>Wähle eine deiner Einheiten und halte den Zeiger über einen Feind. Die schwebende Anzeige zeigt diese Einheit, die Chance, sie zu treffen, den Schaden, den dein Angriff anrichten kann, und ob sie zurückschlägt.</translation>
    </message>
    <message>
        <source>Well done</source>
        <translation>Gut gemacht</translation>
    </message>
    <message>
        <source>You know every move. Destroy every enemy unit to win the game; F1 tells more about the rules.</source>
        <translation>Du kennst jetzt jeden Zug. Vernichte alle feindlichen Einheiten, um das Spiel zu gewinnen; F1 erklärt mehr über die Regeln.</translation>
    </message>
</context>
<context>
    <name>UnitPopup</name>
    <message>
        <source>(Empty)</source>
        <translation>(Leer)</translation>
    </message>
</context>
<context>
    <name>Units</name>
    <message>
        <source>Peasant</source>
        <translation>Bauer</translation>
    </message>
    <message>
        <source>Priest</source>
        <translation>Priester</translation>
    </message>
    <message>
        <source>Catapult</source>
        <translation>Katapult</translation>
    </message>
    <message>
        <source>Light Infantry</source>
        <translation>Leichte Infanterie</translation>
    </message>
    <message>
        <source>Medium Infantry</source>
        <translation>Mittlere Infanterie</translation>
    </message>
    <message>
        <source>Heavy Infantry</source>
        <translation>Schwere Infanterie</translation>
    </message>
    <message>
        <source>Light Archer</source>
        <translation>Leichter Bogenschütze</translation>
    </message>
    <message>
        <source>Medium Archer</source>
        <translation>Mittlerer Bogenschütze</translation>
    </message>
    <message>
        <source>Heavy Archer</source>
        <translation>Schwerer Bogenschütze</translation>
    </message>
    <message>
        <source>Light Cavalry</source>
        <translation>Leichte Reiterei</translation>
    </message>
    <message>
        <source>Medium Cavalry</source>
        <translation>Mittlere Reiterei</translation>
    </message>
    <message>
        <source>Heavy Cavalry</source>
        <translation>Schwere Reiterei</translation>
    </message>
    <message>
        <source>King</source>
        <translation>König</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Königin</translation>
    </message>
    <message>
        <source>Wall</source>
        <translation>Mauer</translation>
    </message>
</context>
<context>
    <name>marovane::AboutBox</name>
    <message>
        <source>A Turn-Based Strategy War Game for %1 desktops (%2, Qt %3)</source>
        <translation>Ein rundenbasiertes Strategie-Kriegsspiel für %1-Desktops (%2, Qt %3)</translation>
    </message>
    <message>
        <source>Written by the Marovane developers.
Every picture, pointer and icon is drawn by the game&apos;s own code when it is built. The letters of the Alphabet pictures are set in DejaVu Sans and the title in DejaVu Serif, of the DejaVu fonts (derived from Bitstream Vera). The windows are made with Qt %1.</source>
        <translation>Geschrieben von den Entwicklern von Marovane.
Jedes Bild, jeder Mauszeiger und jedes Symbol wird beim Bauen vom eigenen Code des Spiels gezeichnet. Die Buchstaben der Alphabet-Bilder sind in DejaVu Sans gesetzt und der Titel in DejaVu Serif, aus den DejaVu-Schriften (abgeleitet von Bitstream Vera). Die Fenster sind mit Qt %1 gemacht.</translation>
    </message>
    <message>
        <source>About %1 v %2</source>
        <translation>Über %1 v %2</translation>
    </message>
    <message>
        <source>Always show this screen on startup</source>
        <translation>Dieses Fenster bei jedem Start zeigen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>marovane::BoardAnimations</name>
    <message>
        <source>miss</source>
        <translation>daneben</translation>
    </message>
</context>
<context>
    <name>marovane::BoardInput</name>
    <message>
        <source>Repairs %1</source>
        <translation>Repariert %1</translation>
    </message>
    <message>
        <source>Heals %1</source>
        <translation>Heilt %1</translation>
    </message>
    <message>
        <source>Damage %1</source>
        <translation>Schaden %1</translation>
    </message>
    <message>
        <source>Strikes back %1</source>
        <translation>Gegenschlag %1</translation>
    </message>
    <message>
        <source>No strike back</source>
        <translation>Kein Gegenschlag</translation>
    </message>
</context>
<context>
    <name>marovane::DesktopShell</name>
    <message>
        <source>Marovane Help</source>
        <translation>Marovane-Hilfe</translation>
    </message>
    <message>
        <source>Marovane Tutorial</source>
        <translation>Marovane-Einführung</translation>
    </message>
</context>
<context>
    <name>marovane::GameCommands</name>
    <message>
        <source>Saved Marovane Game (%1)</source>
        <translation>Marovane-Spielstand (%1)</translation>
    </message>
    <message>
        <source>All Files (%1)</source>
        <translation>Alle Dateien (%1)</translation>
    </message>
    <message>
        <source>Are you sure you want to stop the network game?</source>
        <translation>Das Netzwerkspiel wirklich beenden?</translation>
    </message>
    <message>
        <source>Leave the network game? The host&apos;s computer will play your player from now on.</source>
        <translation>Das Netzwerkspiel verlassen? Der Computer des Gastgebers spielt dann für diesen Spieler weiter.</translation>
    </message>
    <message>
        <source>Connect to Host</source>
        <translation>Mit Gastgeber verbinden</translation>
    </message>
    <message>
        <source>Enter the name or IP address of the host:</source>
        <translation>Name oder IP-Adresse des Gastgebers:</translation>
    </message>
    <message>
        <source>Load Game</source>
        <translation>Spielstand laden</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Spielstand speichern</translation>
    </message>
    <message>
        <source>Game saved to %1</source>
        <translation>Spielstand gespeichert unter %1</translation>
    </message>
    <message>
        <source>The scenario &quot;%1&quot; is no longer in the scenario list.</source>
        <translation>Das Szenario „%1“ steht nicht mehr in der Szenarioliste.</translation>
    </message>
</context>
<context>
    <name>marovane::GameMenus</name>
    <message>
        <source>Resume Last Game</source>
        <translation>Letztes Spiel fortsetzen</translation>
    </message>
    <message>
        <source>&amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>S&amp;prache</translation>
    </message>
    <message>
        <source>&amp;System Language</source>
        <translation>&amp;Systemsprache</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Laden</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Connect to Host...</source>
        <translation>Mit Gastgeber &amp;verbinden...</translation>
    </message>
    <message>
        <source>&amp;Leave Network Game</source>
        <translation>Netzwerkspiel v&amp;erlassen</translation>
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
        <source>Computer &amp;Strength</source>
        <translation>&amp;Stärke des Computers</translation>
    </message>
    <message>
        <source>&amp;Standard</source>
        <translation>&amp;Standard</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>S&amp;chwer</translation>
    </message>
    <message>
        <source>Unit &amp;Pictures</source>
        <translation>Einheiten&amp;bilder</translation>
    </message>
    <message>
        <source>&amp;Player</source>
        <translation>Spiele&amp;r</translation>
    </message>
    <message>
        <source>&amp;Computer</source>
        <translation>&amp;Computer</translation>
    </message>
    <message>
        <source>&amp;Resign</source>
        <translation>&amp;Aufgeben</translation>
    </message>
    <message>
        <source>&amp;Teams</source>
        <translation>&amp;Teams</translation>
    </message>
    <message>
        <source>&amp;Free for All</source>
        <translation>&amp;Jeder gegen jeden</translation>
    </message>
    <message>
        <source>&amp;CPUs vs. Humans</source>
        <translation>&amp;Computer gegen Menschen</translation>
    </message>
    <message>
        <source>&amp;Left vs. Right</source>
        <translation>&amp;Links gegen rechts</translation>
    </message>
    <message>
        <source>&amp;Top vs. Bottom</source>
        <translation>&amp;Oben gegen unten</translation>
    </message>
    <message>
        <source>&amp;Diagonals</source>
        <translation>&amp;Diagonalen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Help on This Window</source>
        <translation>Hilfe zu &amp;diesem Fenster</translation>
    </message>
    <message>
        <source>&amp;Tutorial</source>
        <translation>&amp;Einführung</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber Marovane</translation>
    </message>
</context>
<context>
    <name>marovane::GameSetupDialog</name>
    <message>
        <source>New Game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>No &amp;Details</source>
        <translation>Ohne &amp;Details</translation>
    </message>
    <message>
        <source>&amp;Details &gt;&gt;</source>
        <translation>&amp;Details &gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Spielen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Umbenennen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Löschen bestätigen</translation>
    </message>
    <message>
        <source>Waiting for a player to join</source>
        <translation>Wartet auf einen Mitspieler</translation>
    </message>
    <message>
        <source>Played at %1</source>
        <translation>Gespielt von %1</translation>
    </message>
    <message>
        <source>Waiting for the host...</source>
        <translation>Warten auf den Gastgeber...</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Verbindung wird aufgebaut...</translation>
    </message>
    <message>
        <source>New Teams: %1</source>
        <translation>Neue Teams: %1</translation>
    </message>
</context>
<context>
    <name>marovane::GameSummaryDialog</name>
    <message>
        <source>The game ended without a winner.</source>
        <translation>Das Spiel endete ohne Sieger.</translation>
    </message>
    <message>
        <source>%1 win by bringing the royals home.</source>
        <translation>%1 gewinnen durch die Heimkehr der Königsfamilie.</translation>
    </message>
    <message>
        <source>%1 win by conquest.</source>
        <translation>%1 gewinnen durch Eroberung.</translation>
    </message>
    <message>
        <source>Player %1 wins by bringing the royals home.</source>
        <translation>Spieler %1 gewinnt durch die Heimkehr der Königsfamilie.</translation>
    </message>
    <message>
        <source>Player %1 wins by conquest.</source>
        <translation>Spieler %1 gewinnt durch Eroberung.</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Spielende</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Units lost</source>
        <translation>Verlorene Einheiten</translation>
    </message>
    <message>
        <source>Units destroyed</source>
        <translation>Zerstörte Einheiten</translation>
    </message>
    <message>
        <source>Money spent</source>
        <translation>Ausgegebenes Gold</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Rounds played: %1</source>
        <translation>Gespielte Runden: %1</translation>
    </message>
    <message>
        <source>Rounds played: %1 (since loading)</source>
        <translation>Gespielte Runden: %1 (seit dem Laden)</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Spieler %1</translation>
    </message>
</context>
<context>
    <name>marovane::GameWindow</name>
    <message>
        <source>Resume Last Game</source>
        <translation>Letztes Spiel fortsetzen</translation>
    </message>
    <message>
        <source>The language changes the next time Marovane starts.</source>
        <translation>Die Sprache wechselt beim nächsten Start von Marovane.</translation>
    </message>
    <message>
        <source>%1 - Player %2 - %3</source>
        <translation>%1 - Spieler %2 - %3</translation>
    </message>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>Das Spiel wirklich beenden?</translation>
    </message>
    <message>
        <source>%1 - %2 - Player %3</source>
        <translation>%1 - %2 - Spieler %3</translation>
    </message>
    <message>
        <source>Player %1: click to begin your turn</source>
        <translation>Spieler %1: Klicken, um den Zug zu beginnen</translation>
    </message>
    <message>
        <source>%1 - Player %2&apos;s turn</source>
        <translation>%1 - Spieler %2 ist am Zug</translation>
    </message>
</context>
<context>
    <name>marovane::HelpWindow</name>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>The help page %1 is missing. Reinstalling the game brings it back.</source>
        <translation>Die Hilfeseite %1 fehlt. Eine Neuinstallation des Spiels stellt sie wieder her.</translation>
    </message>
</context>
<context>
    <name>marovane::KeepDialog</name>
    <message>
        <source>Money in Treasury:</source>
        <translation>Gold in der Schatzkammer:</translation>
    </message>
    <message>
        <source>Piece in the keep:</source>
        <translation>Figur im Bergfried:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>&amp;Sell</source>
        <translation>&amp;Verkaufen</translation>
    </message>
    <message>
        <source>&amp;Rescue</source>
        <translation>&amp;Befreien</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Kaufen</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Preis</translation>
    </message>
    <message>
        <source>Attack</source>
        <translation>Angriff</translation>
    </message>
    <message>
        <source>Hit points</source>
        <translation>Lebenspunkte</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Schritte</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Reichweite</translation>
    </message>
    <message>
        <source>Buy %1</source>
        <translation>%1 kaufen</translation>
    </message>
    <message>
        <source>Inner Keep - Player %1</source>
        <translation>Bergfried - Spieler %1</translation>
    </message>
</context>
<context>
    <name>marovane::PlacementDialog</name>
    <message>
        <source>Advanced Unit Placement</source>
        <translation>Erweiterte Aufstellung</translation>
    </message>
    <message>
        <source>Paint with the left button,
or right-click a cell
to choose its unit.</source>
        <translation>Mit links malen
oder rechts ein Feld
anklicken, um seine
Einheit zu wählen.</translation>
    </message>
    <message>
        <source>Player </source>
        <comment>prefix of the player&apos;s number</comment>
        <translation>Spieler </translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Leer</translation>
    </message>
    <message>
        <source>Empty the cell</source>
        <translation>Feld leeren</translation>
    </message>
    <message>
        <source>&amp;Mirror Player 1</source>
        <translation>Spieler 1 &amp;spiegeln</translation>
    </message>
    <message>
        <source>Give every other player player 1&apos;s pieces, mirrored into his corner</source>
        <translation>Gibt jedem anderen Spieler die Figuren von Spieler 1, in seine Ecke gespiegelt</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Zurücksetzen</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>%1 of player %2</source>
        <translation>%1 von Spieler %2</translation>
    </message>
    <message>
        <source>Cell %1, %2</source>
        <translation>Feld %1, %2</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Bestätigung</translation>
    </message>
    <message>
        <source>Are you sure you want to remove all advanced unit placements?</source>
        <translation>Wirklich alle erweiterten Aufstellungen entfernen?</translation>
    </message>
    <message>
        <source>Are you sure you want to undo your changes?</source>
        <translation>Wirklich alle Änderungen zurücknehmen?</translation>
    </message>
</context>
<context>
    <name>marovane::ScenarioDetailsPanel</name>
    <message>
        <source>Select a scenario to see its details.</source>
        <translation>Ein Szenario wählen, um Einzelheiten zu sehen.</translation>
    </message>
    <message>
        <source>A scenario that comes with Marovane</source>
        <translation>Ein Szenario, das mit Marovane kommt</translation>
    </message>
    <message>
        <source>Advanced unit placement</source>
        <translation>Erweiterte Aufstellung</translation>
    </message>
    <message>
        <source> Board Size: %1 x %2 </source>
        <translation> Spielfeld: %1 x %2 </translation>
    </message>
    <message>
        <source>Party: %1</source>
        <translation>Trupp: %1</translation>
    </message>
    <message>
        <source>Money: %1</source>
        <translation>Gold: %1</translation>
    </message>
</context>
<context>
    <name>marovane::ScenarioEditor</name>
    <message>
        <source>Custom Game</source>
        <translation>Eigenes Spiel</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Löschen bestätigen</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Titel:</translation>
    </message>
    <message>
        <source>A scenario that comes with Marovane</source>
        <translation>Ein Szenario, das mit Marovane kommt</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Party</source>
        <translation>Trupp</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Gold</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Treasury:</source>
        <translation>Schatzkammer:</translation>
    </message>
    <message>
        <source>Rescue reward:</source>
        <translation>Befreiungslohn:</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Total Players:</source>
        <translation>Spielerzahl:</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Spieler %1</translation>
    </message>
    <message>
        <source>Human</source>
        <translation>Mensch</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Teams</source>
        <translation>Teams</translation>
    </message>
    <message>
        <source>Free for All</source>
        <translation>Jeder gegen jeden</translation>
    </message>
    <message>
        <source>Human / CPU</source>
        <translation>Mensch / CPU</translation>
    </message>
    <message>
        <source>Left / Right</source>
        <translation>Links / Rechts</translation>
    </message>
    <message>
        <source>Top / Bottom</source>
        <translation>Oben / Unten</translation>
    </message>
    <message>
        <source>Diagonals</source>
        <translation>Diagonalen</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>Sieg</translation>
    </message>
    <message>
        <source>Conquest</source>
        <translation>Eroberung</translation>
    </message>
    <message>
        <source>Royalty</source>
        <translation>Königshaus</translation>
    </message>
    <message>
        <source>Lose</source>
        <translation>Niederlage</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Bergfried</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Fog of War</source>
        <translation>Nebel des Krieges</translation>
    </message>
    <message>
        <source>Use Castle</source>
        <translation>Mit Burg</translation>
    </message>
    <message>
        <source>Use Keep</source>
        <translation>Mit Bergfried</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Einheiten</translation>
    </message>
    <message>
        <source>Peasant</source>
        <translation>Bauer</translation>
    </message>
    <message>
        <source>Priest</source>
        <translation>Priester</translation>
    </message>
    <message>
        <source>Catapult</source>
        <translation>Katapult</translation>
    </message>
    <message>
        <source>Cavalry</source>
        <translation>Reiterei</translation>
    </message>
    <message>
        <source>Infantry</source>
        <translation>Infanterie</translation>
    </message>
    <message>
        <source>Archer</source>
        <translation>Bogenschützen</translation>
    </message>
    <message>
        <source>Light Armor</source>
        <translation>Leichte Rüstung</translation>
    </message>
    <message>
        <source>Medium Armor</source>
        <translation>Mittlere Rüstung</translation>
    </message>
    <message>
        <source>Heavy Armor</source>
        <translation>Schwere Rüstung</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>&amp;Keine</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Alle</translation>
    </message>
    <message>
        <source>Starting Formation</source>
        <translation>Startaufstellung</translation>
    </message>
    <message>
        <source>Right-click a cell to choose its unit</source>
        <translation>Rechtsklick auf ein Feld wählt seine Einheit</translation>
    </message>
    <message>
        <source>&amp;Advanced</source>
        <translation>&amp;Erweitert</translation>
    </message>
    <message>
        <source>Place units of every player anywhere on the board</source>
        <translation>Einheiten aller Spieler frei auf dem Spielfeld aufstellen</translation>
    </message>
    <message>
        <source>Extra Option %1</source>
        <translation>Zusatzoption %1</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Beschreibung:</translation>
    </message>
    <message>
        <source>&amp;Save and Close</source>
        <translation>&amp;Speichern und schließen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Umbenennen</translation>
    </message>
    <message>
        <source>&amp;Test Play</source>
        <translation>&amp;Probespiel</translation>
    </message>
    <message>
        <source>Play this scenario against the computer as it stands, without saving</source>
        <translation>Dieses Szenario im jetzigen Stand gegen den Computer spielen, ohne es zu speichern</translation>
    </message>
</context>
<context>
    <name>marovane::ScenarioListPanel</name>
    <message>
        <source>Scenarios:</source>
        <translation>Szenarien:</translation>
    </message>
    <message>
        <source>&amp;New Scenario...</source>
        <translation>&amp;Neues Szenario...</translation>
    </message>
</context>
<context>
    <name>marovane::SetupLobbyPanel</name>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Human</source>
        <translation>Mensch</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Immobile</source>
        <translation>Unbeweglich</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>Netzwerk</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keiner</translation>
    </message>
    <message>
        <source>Press SPACE to make all players this type</source>
        <translation>LEERTASTE gibt allen Spielern diese Art</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Spieler %1</translation>
    </message>
    <message>
        <source>Unit pictures:</source>
        <translation>Einheitenbilder:</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Teams</source>
        <translation>&amp;Teams</translation>
    </message>
    <message>
        <source>&amp;Begin</source>
        <translation>&amp;Beginnen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>No &amp;Details</source>
        <translation>Ohne &amp;Details</translation>
    </message>
</context>
<context>
    <name>marovane::SidePanel</name>
    <message>
        <source>Money</source>
        <translation>Gold</translation>
    </message>
    <message>
        <source>&amp;Next Turn</source>
        <translation>&amp;Nächster Zug</translation>
    </message>
    <message>
        <source>No moves left</source>
        <translation>Keine Schritte mehr</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Spieler %1</translation>
    </message>
</context>
<context>
    <name>marovane::TutorialCommand</name>
    <message>
        <source>Error loading tutorial.</source>
        <translation>Fehler beim Laden der Einführung.</translation>
    </message>
</context>
<context>
    <name>marovane::TutorialGuidePanel</name>
    <message>
        <source>Tutorial &amp;Help</source>
        <translation>&amp;Hilfe zur Einführung</translation>
    </message>
    <message>
        <source>Step %1 of %2: %3</source>
        <translation>Schritt %1 von %2: %3</translation>
    </message>
</context>
<context>
    <name>marovane::UnitPanel</name>
    <message>
        <source>HP %1/%2</source>
        <translation>LP %1/%2</translation>
    </message>
    <message>
        <source>Moves %1</source>
        <translation>Schritte %1</translation>
    </message>
</context>
</TS>
