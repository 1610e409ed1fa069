<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CommandLine</name>
    <message>
        <source>Renames many files at once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>paths</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folders to add with all their subfolders, and files to add, in order.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[PATH...]</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>These could not be opened:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>cannot be opened</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
