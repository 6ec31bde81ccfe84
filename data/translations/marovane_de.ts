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
    <name>Editor</name>
    <message>
        <source>%1 must be a whole number from -32768 to 32767.</source>
        <translation>%1 muss eine ganze Zahl von -32768 bis 32767 sein.</translation>
    </message>
    <message>
        <source>A scenario named &apos;%1&apos; already exists. Please choose another title.</source>
        <translation>Ein Szenario namens „%1“ gibt es bereits. Bitte einen anderen Titel wählen.</translation>
    </message>
    <message>
        <source>Extra option %1 is ticked but has no type. Choose its type, or untick it.</source>
        <translation>Zusatzoption %1 ist angekreuzt, hat aber keinen Typ. Einen Typ wählen oder das Häkchen entfernen.</translation>
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
        <translation>Bogenschütze</translation>
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
        <source>Royalty</source>
        <translation>Königshaus</translation>
    </message>
    <message>
        <source>Conquest</source>
        <translation>Eroberung</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Bergfried</translation>
    </message>
    <message>
        <source>The treasury</source>
        <translation>Das Gold der Schatzkammer</translation>
    </message>
    <message>
        <source>The reward</source>
        <translation>Die Belohnung</translation>
    </message>
    <message>
        <source>The amount of extra option %1</source>
        <translation>Der Betrag von Zusatzoption %1</translation>
    </message>
</context>
<context>
    <name>Events</name>
    <message>
        <source>Player %1</source>
        <translation>Spieler %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>%1 attacks out of sight</source>
        <translation>%1 greift außer Sicht an</translation>
    </message>
    <message>
        <source>%1 is destroyed</source>
        <translation>%1 wird vernichtet</translation>
    </message>
    <message>
        <source>%1 hits %2 for %3</source>
        <translation>%1 trifft %2 mit %3 Schaden</translation>
    </message>
    <message>
        <source>%1 misses %2</source>
        <translation>%1 verfehlt %2</translation>
    </message>
    <message>
        <source>An unseen unit hits %1 for %2</source>
        <translation>Eine ungesehene Einheit trifft %1 mit %2 Schaden</translation>
    </message>
    <message>
        <source>An unseen unit misses %1</source>
        <translation>Eine ungesehene Einheit verfehlt %1</translation>
    </message>
    <message>
        <source>%1 strikes back for %2</source>
        <translation>%1 schlägt mit %2 Schaden zurück</translation>
    </message>
    <message>
        <source>the attacker is destroyed</source>
        <translation>der Angreifer wird vernichtet</translation>
    </message>
    <message>
        <source>%1 heals out of sight</source>
        <translation>%1 heilt außer Sicht</translation>
    </message>
    <message>
        <source>%1 is healed for %2</source>
        <translation>%1 wird um %2 geheilt</translation>
    </message>
    <message>
        <source>%1 heals %2 for %3</source>
        <translation>%1 heilt %2 um %3</translation>
    </message>
    <message>
        <source>%1 tends %2 without effect</source>
        <translation>%1 versorgt %2 ohne Wirkung</translation>
    </message>
    <message>
        <source>%1 repairs out of sight</source>
        <translation>%1 repariert außer Sicht</translation>
    </message>
    <message>
        <source>%1 is repaired for %2</source>
        <translation>%1 wird um %2 repariert</translation>
    </message>
    <message>
        <source>%1 repairs %2 for %3</source>
        <translation>%1 repariert %2 um %3</translation>
    </message>
    <message>
        <source>%1 works on %2 without effect</source>
        <translation>%1 arbeitet ohne Wirkung an %2</translation>
    </message>
    <message>
        <source>%1 buys %2 for %3</source>
        <translation>%1 kauft %2 für %3</translation>
    </message>
    <message>
        <source>%1 sells %2 for %3</source>
        <translation>%1 verkauft %2 für %3</translation>
    </message>
    <message>
        <source>%1 brings %2 home for a reward of %3</source>
        <translation>%1 bringt %2 heim und erhält %3 Belohnung</translation>
    </message>
    <message>
        <source>%1 is freed and joins the party</source>
        <translation>%1 ist befreit und schließt sich der Truppe an</translation>
    </message>
    <message>
        <source>Player %1 raids Player %2&apos;s keep and takes %3</source>
        <translation>Spieler %1 plündert den Bergfried von Spieler %2 und erbeutet %3</translation>
    </message>
    <message>
        <source>Player %1 takes Player %2&apos;s castle and %3 of its treasury</source>
        <translation>Spieler %1 erobert die Burg von Spieler %2 und %3 aus ihrer Schatzkammer</translation>
    </message>
    <message>
        <source>Player %1 resigns</source>
        <translation>Spieler %1 gibt auf</translation>
    </message>
    <message>
        <source>Player %1 has been conquered</source>
        <translation>Spieler %1 wurde erobert</translation>
    </message>
    <message>
        <source>Player %1 has lost the King and Queen</source>
        <translation>Spieler %1 hat König und Königin verloren</translation>
    </message>
    <message>
        <source>Player %1 has lost the castle</source>
        <translation>Spieler %1 hat die Burg verloren</translation>
    </message>
    <message>
        <source>Player %1 is out</source>
        <translation>Spieler %1 ist ausgeschieden</translation>
    </message>
    <message>
        <source>The game is over</source>
        <translation>Das Spiel ist vorbei</translation>
    </message>
    <message>
        <source>Player %1&apos;s team have conquered all</source>
        <translation>Das Team von Spieler %1 hat alles erobert</translation>
    </message>
    <message>
        <source>Player %1&apos;s team win</source>
        <translation>Das Team von Spieler %1 gewinnt</translation>
    </message>
    <message>
        <source>Player %1 has conquered all</source>
        <translation>Spieler %1 hat alles erobert</translation>
    </message>
    <message>
        <source>Player %1 wins</source>
        <translation>Spieler %1 gewinnt</translation>
    </message>
    <message>
        <source>Round %1</source>
        <translation>Runde %1</translation>
    </message>
    <message>
        <source>Round %1 since loading</source>
        <translation>Runde %1 seit dem Laden</translation>
    </message>
    <message>
        <source>%1 - Player %2</source>
        <translation>%1 - Spieler %2</translation>
    </message>
    <message>
        <source>Hidden turn: %1 attack on your units; none lost</source>
        <translation>Verdeckter Zug: %1 Angriff auf deine Einheiten; keine verloren</translation>
    </message>
    <message>
        <source>Hidden turn: %1 attacks on your units; none lost</source>
        <translation>Verdeckter Zug: %1 Angriffe auf deine Einheiten; keine verloren</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Hidden turn: %1 attack on your units; you lost %2</source>
        <translation>Verdeckter Zug: %1 Angriff auf deine Einheiten; verloren: %2</translation>
    </message>
    <message>
        <source>Hidden turn: %1 attacks on your units; you lost %2</source>
        <translation>Verdeckter Zug: %1 Angriffe auf deine Einheiten; verloren: %2</translation>
    </message>
    <message>
        <source>Hidden turn: none of your units was attacked</source>
        <translation>Verdeckter Zug: keine deiner Einheiten wurde angegriffen</translation>
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
    <name>Files</name>
    <message>
        <source>Cannot write &quot;%1&quot;: too many symbolic links.</source>
        <translation>„%1“ kann nicht geschrieben werden: zu viele symbolische Verknüpfungen.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2.</source>
        <translation>„%1“ kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>data</source>
        <translation>Der Datenblock</translation>
    </message>
    <message>
        <source>file</source>
        <translation>Die Datei</translation>
    </message>
    <message>
        <source>message</source>
        <translation>Die Nachricht</translation>
    </message>
    <message>
        <source>%1
%2</source>
        <translation>%1
%2</translation>
    </message>
    <message>
        <source>The %1 ends inside %2.</source>
        <translation>%1 endet mitten in „%2“.</translation>
    </message>
    <message>
        <source>The flag %1 holds %2 instead of -1 or 0.</source>
        <translation>Der Schalter „%1“ hat den Wert %2 statt -1 oder 0.</translation>
    </message>
    <message>
        <source>%1 player</source>
        <translation>%1 Spieler</translation>
    </message>
    <message>
        <source>%1 players</source>
        <translation>%1 Spielern</translation>
    </message>
    <message>
        <source>Cell %1 holds the strength code %2.</source>
        <translation>Feld %1 hat den Stärkewert %2.</translation>
    </message>
    <message>
        <source>Cell %1 holds the picture value %2, outside 0..60.</source>
        <translation>Feld %1 hat den Bildwert %2, außerhalb von 0..60.</translation>
    </message>
    <message>
        <source>Cell %1 holds a unit without a picture.</source>
        <translation>Feld %1 enthält eine Einheit ohne Bild.</translation>
    </message>
    <message>
        <source>Cell %1 holds a piece of player %2 in a game of %3.</source>
        <translation>Feld %1 enthält eine Figur von Spieler %2 in einem Spiel mit %3.</translation>
    </message>
    <message>
        <source>Cell %1 is marked as seen by player %2 with %3 instead of 0 or 1.</source>
        <translation>Feld %1 ist für Spieler %2 mit %3 statt 0 oder 1 als gesehen markiert.</translation>
    </message>
    <message>
        <source>Player %1&apos;s %2 waits at %3, off the board.</source>
        <translation>%2 von Spieler %1 wartet auf %3, außerhalb des Spielbretts.</translation>
    </message>
    <message>
        <source>The cell %1 holds a negative strength.</source>
        <translation>Das Feld %1 hat eine negative Stärke.</translation>
    </message>
    <message>
        <source>The cell %1 holds a unit without a picture.</source>
        <translation>Das Feld %1 enthält eine Einheit ohne Bild.</translation>
    </message>
    <message>
        <source>The cell %1 shows a picture without a unit.</source>
        <translation>Das Feld %1 zeigt ein Bild ohne Einheit.</translation>
    </message>
    <message>
        <source>The cell %1 holds a piece of player %2, who is not in the game.</source>
        <translation>Das Feld %1 enthält eine Figur von Spieler %2, der nicht im Spiel ist.</translation>
    </message>
    <message>
        <source>The unit on %1 has more hit points than at full strength.</source>
        <translation>Die Einheit auf %1 hat mehr Lebenspunkte als bei voller Stärke.</translation>
    </message>
    <message>
        <source>The unit on %1 has more moves left than its type has.</source>
        <translation>Die Einheit auf %1 hat mehr Schritte übrig, als ihr Typ hat.</translation>
    </message>
    <message>
        <source>Player %1 is out but still owns the piece on %2.</source>
        <translation>Spieler %1 ist ausgeschieden, besitzt aber noch die Figur auf %2.</translation>
    </message>
    <message>
        <source>A board of %1 x %2 cells for %3 players cannot be read.</source>
        <translation>Ein Spielbrett von %1 x %2 Feldern für %3 Spieler kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Cannot open the unit table &quot;%1&quot;.</source>
        <translation>Die Einheitentabelle „%1“ kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The scenario name is said to be %1 characters long.</source>
        <translation>Der Szenarioname soll %1 Zeichen lang sein.</translation>
    </message>
    <message>
        <source>Player %1&apos;s colour value %2 is not a colour.</source>
        <translation>Der Farbwert %2 von Spieler %1 ist keine Farbe.</translation>
    </message>
    <message>
        <source>Player %1&apos;s bias %2 is outside -1..0.</source>
        <translation>Die Neigung %2 von Spieler %1 liegt außerhalb von -1..0.</translation>
    </message>
    <message>
        <source>It is a game of %1; a game has 1 to 4.</source>
        <translation>Es ist ein Spiel mit %1; ein Spiel hat 1 bis 4.</translation>
    </message>
    <message>
        <source>It is the turn of player %1 in a game of %2.</source>
        <translation>Spieler %1 soll am Zug sein, in einem Spiel mit %2.</translation>
    </message>
    <message>
        <source>The count of units destroyed this turn is %1.</source>
        <translation>Die Zahl der in diesem Zug vernichteten Einheiten ist %1.</translation>
    </message>
    <message>
        <source>The board is %1 x %2 cells; a board has 4 to %3 cells a side.</source>
        <translation>Das Spielbrett hat %1 x %2 Felder; ein Spielbrett hat 4 bis %3 Felder je Seite.</translation>
    </message>
    <message>
        <source>The file holds %1 bytes; this game needs %2.</source>
        <translation>Die Datei enthält %1 Bytes; dieses Spiel braucht %2.</translation>
    </message>
    <message>
        <source>RoundFlag holds %1 instead of -1 or 0.</source>
        <translation>RoundFlag hat den Wert %1 statt -1 oder 0.</translation>
    </message>
    <message>
        <source>The selected cell %1 is off the board.</source>
        <translation>Das gewählte Feld %1 liegt außerhalb des Spielbretts.</translation>
    </message>
    <message>
        <source>The team arrangement %1 is outside 0..4.</source>
        <translation>Die Teamaufteilung %1 liegt außerhalb von 0..4.</translation>
    </message>
    <message>
        <source>There is no game to save.</source>
        <translation>Es gibt kein Spiel zum Speichern.</translation>
    </message>
    <message>
        <source>The scenario name is too long to be saved.</source>
        <translation>Der Szenarioname ist zu lang zum Speichern.</translation>
    </message>
    <message>
        <source>This game cannot be saved: its board does not have the game&apos;s size.</source>
        <translation>Dieses Spiel kann nicht gespeichert werden: Sein Spielbrett hat nicht die Größe des Spiels.</translation>
    </message>
    <message>
        <source>This game cannot be saved: %1</source>
        <translation>Dieses Spiel kann nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;.</source>
        <translation>„%1“ kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;.</source>
        <translation>„%1“ kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Invalid save file.</source>
        <translation>Ungültiger Spielstand.</translation>
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
    <name>Keep</name>
    <message>
        <source>There is nothing to sell in the keep.</source>
        <translation>Im Bergfried gibt es nichts zu verkaufen.</translation>
    </message>
    <message>
        <source>There is nobody to rescue in the keep.</source>
        <translation>Im Bergfried ist niemand zu befreien.</translation>
    </message>
    <message>
        <source>There is no unit type %1; the types are 0..14.</source>
        <translation>Es gibt keinen Einheitentyp %1; die Typen sind 0..14.</translation>
    </message>
    <message>
        <source>The keep is taken: a unit can be bought only into an empty keep.</source>
        <translation>Der Bergfried ist besetzt: Eine Einheit kann nur in einen leeren Bergfried gekauft werden.</translation>
    </message>
    <message>
        <source>%1 (type %2) is not for sale in this game.</source>
        <translation>%1 (Typ %2) ist in diesem Spiel nicht zu kaufen.</translation>
    </message>
    <message>
        <source>%1 costs %2, more than the %3 in the treasury.</source>
        <translation>%1 kostet %2, mehr als die %3 in der Schatzkammer.</translation>
    </message>
</context>
<context>
    <name>Lobby</name>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>The host sent a scenario that cannot be used.</source>
        <translation>Der Gastgeber hat ein Szenario geschickt, das sich nicht verwenden lässt.</translation>
    </message>
    <message>
        <source>The host sent a scenario that cannot be used. %1</source>
        <translation>Der Gastgeber hat ein Szenario geschickt, das sich nicht verwenden lässt. %1</translation>
    </message>
    <message>
        <source>The game started without you.</source>
        <translation>Das Spiel hat ohne diesen Platz begonnen.</translation>
    </message>
    <message>
        <source>The host began before its scenario arrived.</source>
        <translation>Der Gastgeber hat begonnen, bevor sein Szenario angekommen ist.</translation>
    </message>
    <message>
        <source>The host is running %1.</source>
        <translation>Beim Gastgeber läuft %1.</translation>
    </message>
    <message>
        <source>The host is running %1 v%2</source>
        <translation>Beim Gastgeber läuft %1 v%2</translation>
    </message>
    <message>
        <source>Connected to %1</source>
        <translation>Verbunden mit %1</translation>
    </message>
    <message>
        <source>You were dropped from the game.</source>
        <translation>Die Verbindung zum Spiel wurde getrennt.</translation>
    </message>
    <message>
        <source>The game at %1 is full.</source>
        <translation>Das Spiel bei %1 ist voll.</translation>
    </message>
    <message>
        <source>No game is hosted at %1.</source>
        <translation>Bei %1 wird kein Spiel angeboten.</translation>
    </message>
    <message>
        <source>The host at %1 did not answer in time.</source>
        <translation>Der Gastgeber bei %1 hat nicht rechtzeitig geantwortet.</translation>
    </message>
    <message>
        <source>There is no computer called %1 on the network.</source>
        <translation>Im Netzwerk gibt es keinen Rechner namens %1.</translation>
    </message>
    <message>
        <source>Host: %1  Connections: %2/%3</source>
        <translation>Gastgeber: %1  Verbindungen: %2/%3</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keiner</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Gastgeber</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>Besetzt</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Frei</translation>
    </message>
    <message>
        <source>Immobile</source>
        <translation>Unbeweglich</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Du</translation>
    </message>
</context>
<context>
    <name>Network</name>
    <message>
        <source>The connection sent a file header longer than %1 bytes.</source>
        <translation>Die Verbindung hat einen Dateikopf mit mehr als %1 Bytes geschickt.</translation>
    </message>
    <message>
        <source>The connection sent a message longer than %1 bytes.</source>
        <translation>Die Verbindung hat eine Nachricht mit mehr als %1 Bytes geschickt.</translation>
    </message>
    <message>
        <source>The connection sent a file header whose length is not a number.</source>
        <translation>Die Verbindung hat einen Dateikopf geschickt, dessen Länge keine Zahl ist.</translation>
    </message>
    <message>
        <source>The connection announced a file of %1 bytes; at most %2 are accepted.</source>
        <translation>Die Verbindung hat eine Datei mit %1 Bytes angekündigt; höchstens %2 werden angenommen.</translation>
    </message>
    <message>
        <source>(%1) %2</source>
        <translation>(%1) %2</translation>
    </message>
    <message>
        <source>Cannot create a temporary file for a received file: %1</source>
        <translation>Für eine empfangene Datei lässt sich keine temporäre Datei anlegen: %1</translation>
    </message>
    <message>
        <source>Cannot write a received file: %1</source>
        <translation>Eine empfangene Datei lässt sich nicht schreiben: %1</translation>
    </message>
    <message>
        <source>The host did not answer in time.</source>
        <translation>Der Gastgeber hat nicht rechtzeitig geantwortet.</translation>
    </message>
    <message>
        <source>The host does not read what it is sent.</source>
        <translation>Der Gastgeber liest nicht, was ihm geschickt wird.</translation>
    </message>
    <message>
        <source>Cannot change port while listening.</source>
        <translation>Der Port lässt sich nicht ändern, während auf Verbindungen gewartet wird.</translation>
    </message>
    <message>
        <source>A message of %1 bytes is longer than a peer accepts; it was not sent.</source>
        <translation>Eine Nachricht mit %1 Bytes ist länger, als die Gegenseite annimmt; sie wurde nicht gesendet.</translation>
    </message>
    <message>
        <source>Cannot read the file %1: %2</source>
        <translation>Die Datei %1 lässt sich nicht lesen: %2</translation>
    </message>
    <message>
        <source>The file %1 is larger than the %2 bytes a peer accepts.</source>
        <translation>Die Datei %1 ist größer als die %2 Bytes, die die Gegenseite annimmt.</translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <source>Player %1 has left the game, and will be played by the computer.</source>
        <translation>Spieler %1 hat das Spiel verlassen und wird vom Computer gespielt.</translation>
    </message>
    <message>
        <source>Player %1 is back in the game.</source>
        <translation>Spieler %1 ist wieder im Spiel.</translation>
    </message>
    <message>
        <source>Player %1&apos;s Turn</source>
        <translation>Spieler %1 ist am Zug</translation>
    </message>
    <message>
        <source>No player can move or buy any more. The game is over.</source>
        <translation>Kein Spieler kann mehr ziehen oder kaufen. Das Spiel ist vorbei.</translation>
    </message>
    <message>
        <source>%1 have conquered all!</source>
        <translation>%1 haben alles erobert!</translation>
    </message>
    <message>
        <source>%1 win!</source>
        <translation>%1 gewinnen!</translation>
    </message>
    <message>
        <source>Player %1 has conquered all!</source>
        <translation>Spieler %1 hat alles erobert!</translation>
    </message>
    <message>
        <source>Player %1 wins!</source>
        <translation>Spieler %1 gewinnt!</translation>
    </message>
    <message>
        <source>Player %1 resigns!</source>
        <translation>Spieler %1 gibt auf!</translation>
    </message>
    <message>
        <source>Player %1 has been conquered!</source>
        <translation>Spieler %1 wurde erobert!</translation>
    </message>
    <message>
        <source>Player %1 loses!</source>
        <translation>Spieler %1 verliert!</translation>
    </message>
    <message>
        <source>Player %1&apos;s castle has been taken over!</source>
        <translation>Die Burg von Spieler %1 wurde eingenommen!</translation>
    </message>
    <message>
        <source>No room for Royalty, please select another game.</source>
        <translation>Kein Platz für König und Königin, bitte ein anderes Spiel wählen.</translation>
    </message>
    <message>
        <source>The scenario &quot;%1&quot; cannot be played: its starting formation names unit type %2 at (%3, %4), outside 0..14.</source>
        <translation>Das Szenario „%1“ kann nicht gespielt werden: Seine Startaufstellung nennt bei (%3, %4) den Einheitentyp %2, außerhalb von 0..14.</translation>
    </message>
    <message>
        <source>The scenario &quot;%1&quot; cannot be played: %2.</source>
        <translation>Das Szenario „%1“ kann nicht gespielt werden: %2.</translation>
    </message>
    <message>
        <source>Board too small, please select another game.</source>
        <translation>Spielbrett zu klein, bitte ein anderes Spiel wählen.</translation>
    </message>
    <message>
        <source>Board too large, please select another game.</source>
        <translation>Spielbrett zu groß, bitte ein anderes Spiel wählen.</translation>
    </message>
    <message>
        <source>A game needs 1 to 4 player slots.</source>
        <translation>Ein Spiel braucht 1 bis 4 Spielerplätze.</translation>
    </message>
    <message>
        <source>The Computers</source>
        <translation>Die Computer</translation>
    </message>
    <message>
        <source>The Humans</source>
        <translation>Die Menschen</translation>
    </message>
    <message>
        <source>The Left Players</source>
        <translation>Die linken Spieler</translation>
    </message>
    <message>
        <source>The Right Players</source>
        <translation>Die rechten Spieler</translation>
    </message>
    <message>
        <source>The Top Players</source>
        <translation>Die oberen Spieler</translation>
    </message>
    <message>
        <source>The Bottom Players</source>
        <translation>Die unteren Spieler</translation>
    </message>
    <message>
        <source>The NW/SE Players</source>
        <translation>Die Spieler NW/SO</translation>
    </message>
    <message>
        <source>The NE/SW Players</source>
        <translation>Die Spieler NO/SW</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Spieler %1</translation>
    </message>
    <message>
        <source>Player %1 stole %2 from our treasury!</source>
        <translation>Spieler %1 hat %2 aus unserer Schatzkammer gestohlen!</translation>
    </message>
</context>
<context>
    <name>Scenario</name>
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
        <translation>Truppengröße</translation>
    </message>
    <message>
        <source>Reward</source>
        <translation>Belohnung</translation>
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
        <translation>Siegbedingung umschalten</translation>
    </message>
    <message>
        <source>Toggle Lose Cond</source>
        <translation>Niederlagebedingung umschalten</translation>
    </message>
    <message>
        <source>Toggle Advanced!</source>
        <translation>Aufstellung umschalten!</translation>
    </message>
    <message>
        <source>%1 would leave the range -32768..32767.</source>
        <translation>%1 würde den Bereich -32768..32767 verlassen.</translation>
    </message>
    <message>
        <source>With the scenario option &quot;%1&quot; (amount %2), the board width would leave the range -32768..32767.</source>
        <translation>Mit der Szenario-Option „%1“ (Betrag %2) würde die Spielfeldbreite den Bereich -32768..32767 verlassen.</translation>
    </message>
    <message>
        <source>With the scenario option &quot;%1&quot; (amount %2), the board height would leave the range -32768..32767.</source>
        <translation>Mit der Szenario-Option „%1“ (Betrag %2) würde die Spielfeldhöhe den Bereich -32768..32767 verlassen.</translation>
    </message>
    <message>
        <source>With the scenario option &quot;%1&quot; (amount %2), the treasury would leave the range -32768..32767.</source>
        <translation>Mit der Szenario-Option „%1“ (Betrag %2) würde das Gold der Schatzkammer den Bereich -32768..32767 verlassen.</translation>
    </message>
    <message>
        <source>With the scenario option &quot;%1&quot; (amount %2), the party size would leave the range -32768..32767.</source>
        <translation>Mit der Szenario-Option „%1“ (Betrag %2) würde die Truppengröße den Bereich -32768..32767 verlassen.</translation>
    </message>
    <message>
        <source>With the scenario option &quot;%1&quot; (amount %2), the reward would leave the range -32768..32767.</source>
        <translation>Mit der Szenario-Option „%1“ (Betrag %2) würde die Belohnung den Bereich -32768..32767 verlassen.</translation>
    </message>
    <message>
        <source>The scenario option &quot;%1&quot; (amount %2) names no bit of the allowed units; its amount must be -%3..%3.</source>
        <translation>Die Szenario-Option „%1“ (Betrag %2) bezeichnet kein Bit der erlaubten Einheiten; ihr Betrag muss zwischen -%3 und %3 liegen.</translation>
    </message>
    <message>
        <source>The scenario option &quot;%1&quot; (amount %2) names no option bit; its amount must be -%3..%3.</source>
        <translation>Die Szenario-Option „%1“ (Betrag %2) bezeichnet kein Optionsbit; ihr Betrag muss zwischen -%3 und %3 liegen.</translation>
    </message>
    <message>
        <source>The scenario option &quot;%1&quot; (amount %2) names no lose condition; its amount must be -%3..%3.</source>
        <translation>Die Szenario-Option „%1“ (Betrag %2) bezeichnet keine Niederlagebedingung; ihr Betrag muss zwischen -%3 und %3 liegen.</translation>
    </message>
</context>
<context>
    <name>ScenarioEditor</name>
    <message>
        <source>No temporary folder can be made for the test game.</source>
        <translation>Für das Probespiel lässt sich kein temporärer Ordner anlegen.</translation>
    </message>
</context>
<context>
    <name>ScenarioFile</name>
    <message>
        <source>Cannot open the scenario file &quot;%1&quot;.</source>
        <translation>Die Szenariodatei „%1“ lässt sich nicht öffnen.</translation>
    </message>
    <message>
        <source>The scenario file &quot;%1&quot; is damaged: it holds only %2 of the %3 bytes of a scenario.</source>
        <translation>Die Szenariodatei „%1“ ist beschädigt: Sie enthält nur %2 der %3 Bytes eines Szenarios.</translation>
    </message>
    <message>
        <source>The scenario holds only %1 of its %2 bytes.</source>
        <translation>Das Szenario enthält nur %1 seiner %2 Bytes.</translation>
    </message>
    <message>
        <source>The scenario &apos;%1&apos; no longer exists.</source>
        <translation>Das Szenario „%1“ gibt es nicht mehr.</translation>
    </message>
    <message>
        <source>The scenario &apos;%1&apos; came with the program and cannot be changed; copy it instead.</source>
        <translation>Das Szenario „%1“ gehört zum Programm und lässt sich nicht ändern; stattdessen eine Kopie anlegen.</translation>
    </message>
    <message>
        <source>A scenario named &apos;%1&apos; already exists.</source>
        <translation>Ein Szenario namens „%1“ gibt es bereits.</translation>
    </message>
    <message>
        <source>The scenario &apos;%1&apos; could not be renamed: %2.</source>
        <translation>Das Szenario „%1“ konnte nicht umbenannt werden: %2.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &apos;%1&apos;?

The scenario &apos;%1&apos; that came with the game will then be listed again in its place.</source>
        <translation>Soll „%1“ wirklich gelöscht werden?

Das Szenario „%1“, das mit dem Spiel geliefert wurde, steht dann wieder an seiner Stelle in der Liste.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &apos;%1&apos;?</source>
        <translation>Soll „%1“ wirklich gelöscht werden?</translation>
    </message>
    <message>
        <source>The scenario &apos;%1&apos; could not be deleted: %2.</source>
        <translation>Das Szenario „%1“ konnte nicht gelöscht werden: %2.</translation>
    </message>
    <message>
        <source>The scenario &apos;%1&apos; could not be deleted.</source>
        <translation>Das Szenario „%1“ konnte nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>A scenario needs a name.</source>
        <translation>Ein Szenario braucht einen Namen.</translation>
    </message>
    <message>
        <source>The name holds bytes that are not text.</source>
        <translation>Der Name enthält Bytes, die kein Text sind.</translation>
    </message>
    <message>
        <source>Names cannot contain / \ : &quot; ? * &lt; &gt; | or control characters.</source>
        <translation>Namen dürfen weder / \ : &quot; ? * &lt; &gt; | noch Steuerzeichen enthalten.</translation>
    </message>
    <message>
        <source>Names cannot end in &quot;.def&quot;: the game adds that to the file itself.</source>
        <translation>Namen dürfen nicht auf „.def“ enden: Das Spiel hängt das selbst an den Dateinamen an.</translation>
    </message>
    <message>
        <source>Names can be at most %1 characters long.</source>
        <translation>Namen dürfen höchstens %1 Zeichen lang sein.</translation>
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
    <name>Session</name>
    <message>
        <source>Cannot make the folder &quot;%1&quot;: %2.</source>
        <translation>Der Ordner „%1“ kann nicht angelegt werden: %2.</translation>
    </message>
    <message>
        <source>There are too many scenarios named &apos;%1&apos;; rename some of them first.</source>
        <translation>Es gibt zu viele Szenarien namens „%1“; bitte zuerst einige umbenennen.</translation>
    </message>
    <message>
        <source>Save the current game first?</source>
        <translation>Das laufende Spiel zuerst speichern?</translation>
    </message>
    <message>
        <source>The current game can be saved only during a human&apos;s turn. Discard it?</source>
        <translation>Das laufende Spiel kann nur während des Zugs eines Menschen gespeichert werden. Verwerfen?</translation>
    </message>
    <message>
        <source>The game could not be kept for later: %1</source>
        <translation>Das Spiel konnte nicht für später aufbewahrt werden: %1</translation>
    </message>
    <message>
        <source>The autosaved game &quot;%1&quot; is damaged and was passed over.</source>
        <translation>Der automatisch gespeicherte Spielstand „%1“ ist beschädigt und wurde übergangen.</translation>
    </message>
    <message>
        <source>There is no autosaved game to resume.</source>
        <translation>Es gibt keinen automatisch gespeicherten Spielstand zum Fortsetzen.</translation>
    </message>
    <message>
        <source>Resign Player %1&apos;s game?</source>
        <translation>Soll Spieler %1 aufgeben?</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>You must select consecutive players.  Player %1 cannot be &apos;%2.&apos;</source>
        <translation>Die Spieler müssen lückenlos aufeinander folgen.  Spieler %1 kann nicht „%2“ sein.</translation>
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
        <source>Reserved</source>
        <translation>Reserviert</translation>
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
    <name>Tutorial</name>
    <message>
        <source>Select a unit</source>
        <translation>Wähle eine Einheit</translation>
    </message>
    <message>
        <source>Your units are the letters in your colour at the top left of the board: P the Peasant, Pr the Priest, LI Light Infantry, MI Medium Infantry, LA the Light Archer, and W, the wall pieces of your castle.

Click LI to select it.</source>
        <translation>Deine Einheiten sind die Buchstaben in deiner Farbe oben links auf dem Spielbrett: P der Bauer, Pr der Priester, LI die Leichte Infanterie, MI die Mittlere Infanterie, LA der Leichte Bogenschütze und W, die Mauerstücke deiner Burg.

Klicke auf LI, um sie zu wählen.</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>Click a free cell next to the selected unit: it steps there. A unit has a few steps each turn; the panel at the side counts them.

Lead your units out through the gate in the castle wall.</source>
        <translation>Klicke auf ein freies Feld neben der gewählten Einheit: Sie geht dorthin. Eine Einheit hat in jedem Zug einige Schritte; die Leiste an der Seite zählt sie.

Führe deine Einheiten durch das Tor in der Burgmauer hinaus.</translation>
    </message>
    <message>
        <source>Attack</source>
        <translation>Angriff</translation>
    </message>
    <message>
        <source>Enemy units are the same letters in the enemy&apos;s colour. Select a unit beside an enemy and click the enemy to attack it. LA, the archer, shoots from afar: its reach is the yellow circle around it.</source>
        <translation>Feindliche Einheiten sind dieselben Buchstaben in der Farbe des Gegners. Wähle eine Einheit neben einem Feind und klicke auf den Feind, um ihn anzugreifen. LA, der Bogenschütze, schießt aus der Ferne: Seine Reichweite ist der gelbe Kreis um ihn.</translation>
    </message>
    <message>
        <source>Heal with the priest</source>
        <translation>Mit dem Priester heilen</translation>
    </message>
    <message>
        <source>Once one of your units is hurt, select Pr, the Priest, and click the hurt unit next to it: the priest gives back some of its hit points.</source>
        <translation>Sobald eine deiner Einheiten verwundet ist, wähle Pr, den Priester, und klicke auf die verwundete Einheit neben ihm: Der Priester gibt ihr einige Lebenspunkte zurück.</translation>
    </message>
    <message>
        <source>End the turn</source>
        <translation>Den Zug beenden</translation>
    </message>
    <message>
        <source>When your units have done what they can, press Next Turn. Then the enemy moves.</source>
        <translation>Wenn deine Einheiten getan haben, was sie können, drücke auf Nächster Zug. Dann zieht der Gegner.</translation>
    </message>
    <message>
        <source>Use the keep</source>
        <translation>Den Bergfried nutzen</translation>
    </message>
    <message>
        <source>At the end of each turn you visit your keep, the small room inside your castle. Buy a new unit into it, or sell the unit standing in it; each costs or brings money.</source>
        <translation>Am Ende jedes Zugs besuchst du deinen Bergfried, den kleinen Raum in deiner Burg. Kaufe dort eine neue Einheit oder verkaufe die Einheit, die darin steht; das kostet oder bringt Gold.</translation>
    </message>
    <message>
        <source>Read the floating panel and the preview</source>
        <translation>Die schwebende Anzeige und die Vorschau lesen</translation>
    </message>
    <message>
        <source>Select one of your units and rest the pointer on an enemy. The floating panel shows that unit, the chance to hit it, the damage your attack can deal, and whether it strikes back.</source>
        <translation>Wähle eine deiner Einheiten und halte den Zeiger über einen Feind. Die schwebende Anzeige zeigt diese Einheit, die Trefferchance, den Schaden, den dein Angriff anrichten kann, und ob sie zurückschlägt.</translation>
    </message>
    <message>
        <source>Well done</source>
        <translation>Gut gemacht</translation>
    </message>
    <message>
        <source>You know every move. Destroy every enemy unit to win the game; F1 tells more about the rules.</source>
        <translation>Du kennst jetzt alle Züge. Vernichte jede feindliche Einheit, um das Spiel zu gewinnen; F1 erklärt mehr über die Regeln.</translation>
    </message>
    <message>
        <source>Step %1 of %2: %3</source>
        <translation>Schritt %1 von %2: %3</translation>
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
        <source>unit</source>
        <translation>Einheit</translation>
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
        <translation>%1 - Spieler %2 am Zug</translation>
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
