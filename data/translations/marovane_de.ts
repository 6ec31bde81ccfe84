<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
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
</TS>
