<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
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
        <source>Player %1 has left the game, and will be played by the computer.</source>
        <translation>Spieler %1 hat das Spiel verlassen und wird nun vom Computer gespielt.</translation>
    </message>
    <message>
        <source>Player %1 is back in the game.</source>
        <translation>Spieler %1 ist wieder im Spiel.</translation>
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
</TS>
