<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>marovane::GameMenus</name>
    <message>
        <source>&amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;System Language</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>marovane::GameWindow</name>
    <message>
        <source>The language changes the next time Marovane starts.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
