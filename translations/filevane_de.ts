<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CommandLine</name>
    <message>
        <source>Renames many files at once.</source>
        <translation>Benennt viele Dateien auf einmal um.</translation>
    </message>
    <message>
        <source>paths</source>
        <translation>Pfade</translation>
    </message>
    <message>
        <source>Folders to add with all their subfolders, and files to add, in order.</source>
        <translation>Hinzuzufügende Ordner mit allen Unterordnern und hinzuzufügende Dateien, in dieser Reihenfolge.</translation>
    </message>
    <message>
        <source>[PATH...]</source>
        <translation>[PFAD...]</translation>
    </message>
    <message>
        <source>Exit status of --routine and --undo: 0 when every file was renamed (or there was nothing to do), 1 when a file was not renamed or names clashed, 2 for bad arguments or a routine that cannot be read (nothing is touched then).</source>
        <translation>Rückgabewert von --routine und --undo: 0, wenn jede Datei umbenannt wurde (oder nichts zu tun war), 1, wenn eine Datei nicht umbenannt wurde oder Namen kollidierten, 2 bei falschen Argumenten oder einer Routine, die nicht gelesen werden kann (dann wird nichts angerührt).</translation>
    </message>
    <message>
        <source>Runs the routine NAME (a saved one) or FILE (a routine file) on every file of the paths, without a window: prints each changed name as old → new, then renames.</source>
        <translation>Führt die Routine NAME (eine gespeicherte) oder DATEI (eine Routinendatei) ohne Fenster auf jeder Datei der Pfade aus: gibt jeden geänderten Namen als alt → neu aus und benennt dann um.</translation>
    </message>
    <message>
        <source>NAME_OR_FILE</source>
        <translation>NAME_ODER_DATEI</translation>
    </message>
    <message>
        <source>With --routine: prints what would be renamed and renames nothing.</source>
        <translation>Mit --routine: gibt aus, was umbenannt würde, und benennt nichts um.</translation>
    </message>
    <message>
        <source>Undoes the last Apply (of the window or of --routine) after printing what it will do and asking.</source>
        <translation>Nimmt das letzte Anwenden (im Fenster oder mit --routine) zurück, nachdem es ausgegeben hat, was es tun wird, und nachgefragt hat.</translation>
    </message>
    <message>
        <source>With --undo: does not ask (needed without a terminal).</source>
        <translation>Mit --undo: fragt nicht nach (nötig ohne Terminal).</translation>
    </message>
    <message>
        <source>--routine and --undo cannot be used together</source>
        <translation>--routine und --undo können nicht zusammen verwendet werden</translation>
    </message>
    <message>
        <source>--dry-run needs --routine</source>
        <translation>--dry-run braucht --routine</translation>
    </message>
    <message>
        <source>--yes needs --undo</source>
        <translation>--yes braucht --undo</translation>
    </message>
    <message>
        <source>--routine needs the name of a routine or a routine file</source>
        <translation>--routine braucht den Namen einer Routine oder eine Routinendatei</translation>
    </message>
    <message>
        <source>--routine needs at least one file or folder</source>
        <translation>--routine braucht mindestens eine Datei oder einen Ordner</translation>
    </message>
    <message>
        <source>--undo takes no paths</source>
        <translation>--undo nimmt keine Pfade</translation>
    </message>
    <message>
        <source>License GPL-3.0-or-later: GNU GPL version 3 or later.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
</source>
        <translation>Lizenz GPL-3.0-or-later: GNU GPL Version 3 oder neuer.
Dies ist freie Software: Sie dürfen sie ändern und weitergeben.
Es gibt KEINE GARANTIE, soweit gesetzlich zulässig.
</translation>
    </message>
</context>
<context>
    <name>CustomGenerationDialog</name>
    <message>
        <source>Custom generation</source>
        <translation>Benutzerdefiniert erzeugen</translation>
    </message>
    <message>
        <source>Te&amp;mplate:</source>
        <translation>&amp;Vorlage:</translation>
    </message>
    <message>
        <source>Names that change: %1 · clashes: %2 · refused: %3</source>
        <translation>Geänderte Namen: %1 · Konflikte: %2 · abgelehnt: %3</translation>
    </message>
    <message>
        <source>Counting...</source>
        <translation>Zähle...</translation>
    </message>
    <message>
        <source>Counting: %1 of %2 lines</source>
        <translation>Zähle: %1 von %2 Zeilen</translation>
    </message>
</context>
<context>
    <name>DiskNamesHeader</name>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Name on disk</source>
        <translation>Name auf dem Datenträger</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Neuer Name</translation>
    </message>
</context>
<context>
    <name>FileLoader</name>
    <message>
        <source>#Add directory</source>
        <translation>#Ordner hinzufügen</translation>
    </message>
    <message>
        <source>Add files</source>
        <translation>Dateien hinzufügen</translation>
    </message>
</context>
<context>
    <name>FindReplaceDialog</name>
    <message>
        <source>Invalid pattern: %1</source>
        <translation>Ungültiges Muster: %1</translation>
    </message>
</context>
<context>
    <name>ListOrdering</name>
    <message>
        <source>Enter new text (without extension)</source>
        <translation>Neuen Text eingeben (ohne Dateiendung)</translation>
    </message>
    <message>
        <source>Edit manual...</source>
        <translation>Manuell bearbeiten...</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>These could not be opened:</source>
        <translation>Folgendes konnte nicht geöffnet werden:</translation>
    </message>
    <message>
        <source>Add &amp;files...</source>
        <translation>&amp;Dateien hinzufügen...</translation>
    </message>
    <message>
        <source>Add &amp;directory</source>
        <translation>&amp;Ordner hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Modify</source>
        <translation>Ä&amp;ndern</translation>
    </message>
    <message>
        <source>&amp;Apply all</source>
        <translation>&amp;Alle anwenden</translation>
    </message>
    <message>
        <source>&amp;Sort list</source>
        <translation>Liste &amp;sortieren</translation>
    </message>
    <message>
        <source>&amp;Restore all</source>
        <translation>Alle &amp;zurücksetzen</translation>
    </message>
    <message>
        <source>&amp;Clear list</source>
        <translation>Liste &amp;leeren</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Remove items from &amp;list after renaming</source>
        <translation>Einträge nach dem Umbenennen aus der Liste &amp;entfernen</translation>
    </message>
    <message>
        <source>Allways on &amp;top</source>
        <translation>Immer im &amp;Vordergrund</translation>
    </message>
</context>
<context>
    <name>MetadataProgress</name>
    <message>
        <source>Reading file %1 of %2 (Esc stops)</source>
        <translation>Lese Datei %1 von %2 (Esc hält an)</translation>
    </message>
</context>
<context>
    <name>NameTemplate</name>
    <message>
        <source>Empty token []</source>
        <translation>Leeres Kürzel []</translation>
    </message>
    <message>
        <source>Unknown token [%1]</source>
        <translation>Unbekanntes Kürzel [%1]</translation>
    </message>
    <message>
        <source>%1 too large in [%2]</source>
        <translation>%1 zu groß in [%2]</translation>
    </message>
    <message>
        <source>%1 must be 1 or more in [%2]</source>
        <translation>%1 muss mindestens 1 sein in [%2]</translation>
    </message>
    <message>
        <source>Range without a number in [%1]</source>
        <translation>Bereich ohne Zahl in [%1]</translation>
    </message>
    <message>
        <source>Character position</source>
        <translation>Zeichenposition</translation>
    </message>
    <message>
        <source>Range ends before it starts in [%1]</source>
        <translation>Bereich endet vor seinem Anfang in [%1]</translation>
    </message>
    <message>
        <source>Folder level</source>
        <translation>Ordnerebene</translation>
    </message>
    <message>
        <source>Bad counter [%1]: write %2</source>
        <translation>Ungültiger Zähler [%1]: %2 schreiben</translation>
    </message>
    <message>
        <source>Counter width must be 1 to %1 in [%2]</source>
        <translation>Zählerbreite muss 1 bis %1 sein in [%2]</translation>
    </message>
    <message>
        <source>Empty date format in [%1]</source>
        <translation>Leeres Datumsformat in [%1]</translation>
    </message>
    <message>
        <source>Track width must be 1 to %1 in [%2]</source>
        <translation>Titelnummernbreite muss 1 bis %1 sein in [%2]</translation>
    </message>
    <message>
        <source>Column %1: %2</source>
        <translation>Spalte %1: %2</translation>
    </message>
    <message>
        <source>] without [ (write ]] for a bracket)</source>
        <translation>] ohne [ (]] für eine Klammer schreiben)</translation>
    </message>
    <message>
        <source>[ without ] (write [[ for a bracket)</source>
        <translation>[ ohne ] ([[ für eine Klammer schreiben)</translation>
    </message>
</context>
<context>
    <name>PopupMenus</name>
    <message>
        <source>&amp;Enter manual...</source>
        <translation>&amp;Manuell eingeben...</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Anwenden</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>Aus&amp;wählen</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Alle</translation>
    </message>
    <message>
        <source>&amp;Invert</source>
        <translation>&amp;Umkehren</translation>
    </message>
    <message>
        <source>&amp;Containing...</source>
        <translation>&amp;Enthält...</translation>
    </message>
    <message>
        <source>&amp;Min. length</source>
        <translation>M&amp;in. Länge</translation>
    </message>
    <message>
        <source>Ma&amp;x. lenght</source>
        <translation>Ma&amp;x. Länge</translation>
    </message>
    <message>
        <source>&amp;With extension</source>
        <translation>Mit &amp;Dateiendung</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>&amp;Keine</translation>
    </message>
    <message>
        <source>Move u&amp;p</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move &amp;down</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>S&amp;ort</source>
        <translation>&amp;Sortieren</translation>
    </message>
    <message>
        <source>Sort by &amp;full name</source>
        <translation>Nach &amp;vollem Namen sortieren</translation>
    </message>
    <message>
        <source>Sort by &amp;path/filename</source>
        <translation>Nach &amp;Pfad/Dateiname sortieren</translation>
    </message>
    <message>
        <source>Sort by filename/&amp;extension</source>
        <translation>Nach Dateiname/&amp;Endung sortieren</translation>
    </message>
    <message>
        <source>Sort by pat&amp;h</source>
        <translation>Nach Pf&amp;ad sortieren</translation>
    </message>
    <message>
        <source>Sort by file&amp;name</source>
        <translation>Nach &amp;Dateiname sortieren</translation>
    </message>
    <message>
        <source>Sort by e&amp;xtension</source>
        <translation>Nach E&amp;ndung sortieren</translation>
    </message>
    <message>
        <source>Sort by path / ex&amp;tension</source>
        <translation>Nach Pfad / Endun&amp;g sortieren</translation>
    </message>
    <message>
        <source>&amp;Inverse</source>
        <translation>&amp;Umkehren</translation>
    </message>
    <message>
        <source>Undo last appl&amp;y</source>
        <translation>Letztes Anwenden &amp;zurücknehmen</translation>
    </message>
    <message>
        <source>Show names on &amp;disk</source>
        <translation>Namen auf dem Da&amp;tenträger zeigen</translation>
    </message>
    <message>
        <source>Cut &amp;first word</source>
        <translation>&amp;Erstes Wort entfernen</translation>
    </message>
    <message>
        <source>Cut &amp;last word</source>
        <translation>&amp;Letztes Wort entfernen</translation>
    </message>
    <message>
        <source>&amp;Insert at beginning...</source>
        <translation>Am Anfan&amp;g einfügen...</translation>
    </message>
    <message>
        <source>Add &amp;to end...</source>
        <translation>Am Ende an&amp;hängen...</translation>
    </message>
    <message>
        <source>&amp;Replace...</source>
        <translation>E&amp;rsetzen...</translation>
    </message>
    <message>
        <source>&amp;More</source>
        <translation>Wei&amp;tere</translation>
    </message>
    <message>
        <source>&amp;Add Numbers...</source>
        <translation>&amp;Zahlen hinzufügen...</translation>
    </message>
    <message>
        <source>&amp;Reformat numbers</source>
        <translation>Zahlen &amp;neu formatieren</translation>
    </message>
    <message>
        <source>Cro&amp;p numbers</source>
        <translation>Zahlen zu&amp;schneiden</translation>
    </message>
    <message>
        <source>C&amp;ut numbers</source>
        <translation>Zahlen &amp;entfernen</translation>
    </message>
    <message>
        <source>&amp;Enumerated filename</source>
        <translation>N&amp;ummerierter Dateiname</translation>
    </message>
    <message>
        <source>Enumerate a&amp;s path...</source>
        <translation>Als &amp;Pfad nummerieren...</translation>
    </message>
    <message>
        <source>Enumerate pat&amp;h / filename...</source>
        <translation>Pfad / &amp;Datei nummerieren...</translation>
    </message>
    <message>
        <source>&amp;Generated fixed-width numbers</source>
        <translation>Zahlen mit &amp;fester Breite erzeugen</translation>
    </message>
    <message>
        <source>Include &amp;0 when enumerating</source>
        <translation>Beim Nummerieren &amp;0 einschließen</translation>
    </message>
    <message>
        <source>&amp;Inverse enumeration</source>
        <translation>&amp;Rückwärts nummerieren</translation>
    </message>
    <message>
        <source>Cut &amp;first x characters...</source>
        <translation>Erste x Zeichen &amp;abschneiden...</translation>
    </message>
    <message>
        <source>Cut &amp;last x characters...</source>
        <translation>Letzte x Zeichen a&amp;bschneiden...</translation>
    </message>
    <message>
        <source>Crop first &amp;x characters...</source>
        <translation>Auf erste &amp;x Zeichen kürzen...</translation>
    </message>
    <message>
        <source>Crop las&amp;t x characters...</source>
        <translation>Auf le&amp;tzte x Zeichen kürzen...</translation>
    </message>
    <message>
        <source>Cut &amp;before expression...</source>
        <translation>&amp;Vor Ausdruck abschneiden...</translation>
    </message>
    <message>
        <source>&amp;Cut after expression...</source>
        <translation>Nac&amp;h Ausdruck abschneiden...</translation>
    </message>
    <message>
        <source>Cr&amp;op before expression...</source>
        <translation>Vor Ausdruck &amp;kürzen...</translation>
    </message>
    <message>
        <source>Crop after expressio&amp;n...</source>
        <translation>Na&amp;ch Ausdruck kürzen...</translation>
    </message>
    <message>
        <source>&amp;Case</source>
        <translation>Schreibwe&amp;ise</translation>
    </message>
    <message>
        <source>&amp;Smart case</source>
        <translation>&amp;Intelligente Schreibweise</translation>
    </message>
    <message>
        <source>&amp;Upper-Lower-Case</source>
        <translation>&amp;Groß-Klein-Schreibung</translation>
    </message>
    <message>
        <source>All U&amp;ppercase</source>
        <translation>&amp;Alles großschreiben</translation>
    </message>
    <message>
        <source>All L&amp;owercase</source>
        <translation>Alles &amp;kleinschreiben</translation>
    </message>
    <message>
        <source>M&amp;usic related</source>
        <translation>Musi&amp;k</translation>
    </message>
    <message>
        <source>Cut &amp;artist (first)</source>
        <translation>&amp;Interpret entfernen (erster)</translation>
    </message>
    <message>
        <source>Cut &amp;title (last)</source>
        <translation>&amp;Titel entfernen (letzter)</translation>
    </message>
    <message>
        <source>Cut &amp;extra-info</source>
        <translation>&amp;Zusatzinfo entfernen</translation>
    </message>
    <message>
        <source>S&amp;wap artist / title (first / last)</source>
        <translation>Interpret / Titel tauschen (erster / l&amp;etzter)</translation>
    </message>
    <message>
        <source>Swap artist / title (first / &amp;second)</source>
        <translation>Interpret / Titel tauschen (erster / z&amp;weiter)</translation>
    </message>
    <message>
        <source>Swap &amp;infos (any)</source>
        <translation>Infos tauschen (&amp;beliebig)</translation>
    </message>
    <message>
        <source>S&amp;martcase</source>
        <translation>&amp;Schreibweise anpassen</translation>
    </message>
    <message>
        <source>Smartcase (Artist) (&amp;first)</source>
        <translation>Schreibweise anpassen (Inte&amp;rpret) (erster)</translation>
    </message>
    <message>
        <source>Smartcase (Title) (&amp;rest)</source>
        <translation>Schreibweise anpassen (Tite&amp;l) (Rest)</translation>
    </message>
    <message>
        <source>Custom &amp;generation...</source>
        <translation>&amp;Benutzerdefiniert erzeugen...</translation>
    </message>
    <message>
        <source>E&amp;xtension</source>
        <translation>&amp;Dateiendung</translation>
    </message>
    <message>
        <source>&amp;Uppercase</source>
        <translation>&amp;Großbuchstaben</translation>
    </message>
    <message>
        <source>&amp;Lowercase</source>
        <translation>&amp;Kleinbuchstaben</translation>
    </message>
    <message>
        <source>&amp;Change...</source>
        <translation>Ä&amp;ndern...</translation>
    </message>
    <message>
        <source>Restore &amp;name</source>
        <translation>&amp;Namen wiederherstellen</translation>
    </message>
    <message>
        <source>Remo&amp;ve from list</source>
        <translation>Aus Liste ent&amp;fernen</translation>
    </message>
    <message>
        <source>Sort by path/ex&amp;tension</source>
        <translation>Nach Pfad/Endun&amp;g sortieren</translation>
    </message>
    <message>
        <source>Routine &amp;book</source>
        <translation>Routinenbu&amp;ch</translation>
    </message>
    <message>
        <source>&amp;Steps...</source>
        <translation>&amp;Schritte...</translation>
    </message>
    <message>
        <source>Save steps as &amp;routine...</source>
        <translation>Schritte als &amp;Routine speichern...</translation>
    </message>
    <message>
        <source>&amp;Manage routines...</source>
        <translation>Routinen &amp;verwalten...</translation>
    </message>
    <message>
        <source>Sort by date &amp;modified</source>
        <translation>Nach &amp;Änderungsdatum sortieren</translation>
    </message>
    <message>
        <source>Sort by date ta&amp;ken</source>
        <translation>Nach Au&amp;fnahmedatum sortieren</translation>
    </message>
    <message>
        <source>Sort by si&amp;ze</source>
        <translation>Nach G&amp;röße sortieren</translation>
    </message>
    <message>
        <source>Sort by &amp;album / track</source>
        <translation>Nach Al&amp;bum / Titelnummer sortieren</translation>
    </message>
    <message>
        <source>Sort by a&amp;rtist</source>
        <translation>Nach &amp;Interpret sortieren</translation>
    </message>
    <message>
        <source>Sort by tit&amp;le</source>
        <translation>Nach Tite&amp;l sortieren</translation>
    </message>
</context>
<context>
    <name>QtDetailsBox</name>
    <message>
        <source>Show Details...</source>
        <translation>Details einblenden...</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>Details ausblenden...</translation>
    </message>
</context>
<context>
    <name>RenameReport</name>
    <message>
        <source>1 of %1 files was not renamed</source>
        <translation>1 von %1 Dateien wurde nicht umbenannt</translation>
    </message>
    <message>
        <source>%1 of %2 files were not renamed</source>
        <translation>%1 von %2 Dateien wurden nicht umbenannt</translation>
    </message>
    <message>
        <source>1 file was left untouched because the run was stopped</source>
        <translation>1 Datei blieb unverändert, weil der Lauf angehalten wurde</translation>
    </message>
    <message>
        <source>%1 files were left untouched because the run was stopped</source>
        <translation>%1 Dateien blieben unverändert, weil der Lauf angehalten wurde</translation>
    </message>
    <message>
        <source>%1 renamed, %2 not renamed</source>
        <translation>%1 umbenannt, %2 nicht umbenannt</translation>
    </message>
    <message>
        <source>the name is empty</source>
        <translation>der Name ist leer</translation>
    </message>
    <message>
        <source>not a valid name</source>
        <translation>kein gültiger Name</translation>
    </message>
    <message>
        <source>the name is too long for this file system</source>
        <translation>der Name ist für dieses Dateisystem zu lang</translation>
    </message>
    <message>
        <source>another file would get the same name</source>
        <translation>eine andere Datei bekäme denselben Namen</translation>
    </message>
    <message>
        <source>not tried: the run was stopped</source>
        <translation>nicht versucht: der Lauf wurde angehalten</translation>
    </message>
    <message>
        <source>not a valid name: it holds a character that stands for no byte</source>
        <translation>kein gültiger Name: er enthält ein Zeichen, das für kein Byte steht</translation>
    </message>
    <message>
        <source>a file with that name exists</source>
        <translation>eine Datei mit diesem Namen existiert</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>keine Berechtigung</translation>
    </message>
    <message>
        <source>the file is no longer there</source>
        <translation>die Datei ist nicht mehr vorhanden</translation>
    </message>
    <message>
        <source>a part of the path is not a folder</source>
        <translation>ein Teil des Pfades ist kein Ordner</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>der Datenträger ist schreibgeschützt</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>the file is in use</source>
        <translation>die Datei wird verwendet</translation>
    </message>
    <message>
        <source>the file is on another disk</source>
        <translation>die Datei liegt auf einem anderen Datenträger</translation>
    </message>
    <message>
        <source>the disk reported an error</source>
        <translation>der Datenträger meldete einen Fehler</translation>
    </message>
    <message>
        <source>error %1 (%2)</source>
        <translation>Fehler %1 (%2)</translation>
    </message>
    <message>
        <source>The rename journal could not be written, so the run stopped: %1 (%2)</source>
        <translation>Das Umbenennungsprotokoll konnte nicht geschrieben werden, daher wurde der Lauf angehalten: %1 (%2)</translation>
    </message>
    <message>
        <source>The rename journal could not be written, so nothing was renamed: %1 (%2)</source>
        <translation>Das Umbenennungsprotokoll konnte nicht geschrieben werden, daher wurde nichts umbenannt: %1 (%2)</translation>
    </message>
    <message>
        <source>, %1 unchanged</source>
        <translation>, %1 unverändert</translation>
    </message>
    <message>
        <source>another file has that name now</source>
        <translation>eine andere Datei trägt jetzt diesen Namen</translation>
    </message>
    <message>
        <source>%1 is an empty file, probably left by the interrupted run: remove it and undo again</source>
        <translation>%1 ist eine leere Datei, vermutlich vom unterbrochenen Lauf zurückgelassen: bitte entfernen und erneut rückgängig machen</translation>
    </message>
</context>
<context>
    <name>RenameSession</name>
    <message>
        <source>today %1</source>
        <translation>heute %1</translation>
    </message>
    <message>
        <source>yesterday %1</source>
        <translation>gestern %1</translation>
    </message>
    <message>
        <source>Undo the renaming of 1 file in %1 (%2)?</source>
        <translation>Die Umbenennung von 1 Datei in %1 (%2) rückgängig machen?</translation>
    </message>
    <message>
        <source>Undo the renaming of %1 files in %2 (%3)?</source>
        <translation>Die Umbenennung von %1 Dateien in %2 (%3) rückgängig machen?</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>The renaming of files in %1 (%2) was interrupted before it ended.</source>
        <translation>Das Umbenennen von Dateien in %1 (%2) wurde unterbrochen, bevor es zu Ende war.</translation>
    </message>
</context>
<context>
    <name>RoutineCommands</name>
    <message>
        <source>There are no steps to save yet: the steps are the commands that changed names since the list was loaded, cleared or restored.</source>
        <translation>Es gibt noch keine Schritte zum Speichern: Schritte sind die Befehle, die Namen geändert haben, seit die Liste geladen, geleert oder wiederhergestellt wurde.</translation>
    </message>
    <message>
        <source>Name of the routine</source>
        <translation>Name der Routine</translation>
    </message>
    <message>
        <source>Save steps as routine</source>
        <translation>Schritte als Routine speichern</translation>
    </message>
    <message>
        <source>A routine called “%1” exists. Type its name again to replace it, or another name.</source>
        <translation>Es gibt schon eine Routine namens „%1“. Geben Sie den Namen noch einmal ein, um sie zu ersetzen, oder einen anderen Namen.</translation>
    </message>
    <message>
        <source>There is already a routine called “%1”: rename or delete it first.</source>
        <translation>Es gibt schon eine Routine namens „%1“: Benennen Sie sie zuerst um oder löschen Sie sie.</translation>
    </message>
</context>
<context>
    <name>RoutineFile</name>
    <message>
        <source>it is not a step</source>
        <translation>er ist kein Schritt</translation>
    </message>
    <message>
        <source>it names no operation</source>
        <translation>er nennt keine Operation</translation>
    </message>
    <message>
        <source>the operation “%1” is unknown</source>
        <translation>die Operation „%1“ ist unbekannt</translation>
    </message>
    <message>
        <source>“%1” is missing</source>
        <translation>„%1“ fehlt</translation>
    </message>
    <message>
        <source>“%1” must be text</source>
        <translation>„%1“ muss Text sein</translation>
    </message>
    <message>
        <source>“%1” must be true or false</source>
        <translation>„%1“ muss true oder false sein</translation>
    </message>
    <message>
        <source>“find” is empty</source>
        <translation>„find“ ist leer</translation>
    </message>
    <message>
        <source>the pattern “%1” is invalid: %2</source>
        <translation>das Muster „%1“ ist ungültig: %2</translation>
    </message>
    <message>
        <source>“%1” is not known to this version of Filevane</source>
        <translation>„%1“ ist dieser Version von Filevane unbekannt</translation>
    </message>
    <message>
        <source>The routine “%1” cannot be read: %2.</source>
        <translation>Die Routine „%1“ kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>it is damaged (%1 at byte %2)</source>
        <translation>sie ist beschädigt (%1 bei Byte %2)</translation>
    </message>
    <message>
        <source>it is not a Filevane routine</source>
        <translation>sie ist keine Filevane-Routine</translation>
    </message>
    <message>
        <source>it is damaged (no version or no steps)</source>
        <translation>sie ist beschädigt (keine Version oder keine Schritte)</translation>
    </message>
    <message>
        <source>step %1</source>
        <translation>Schritt %1</translation>
    </message>
    <message>
        <source>step %1 (%2)</source>
        <translation>Schritt %1 (%2)</translation>
    </message>
    <message>
        <source>The routine “%1” was written by a newer version of Filevane (routine format %2; this one reads format %3): %4 cannot be run: %5.</source>
        <translation>Die Routine „%1“ wurde von einer neueren Version von Filevane geschrieben (Routinenformat %2; diese liest Format %3): %4 kann nicht ausgeführt werden: %5.</translation>
    </message>
    <message>
        <source>The routine “%1” cannot be read: %2: %3.</source>
        <translation>Die Routine „%1“ kann nicht gelesen werden: %2: %3.</translation>
    </message>
    <message>
        <source>The routine “%1” was written by a newer version of Filevane (routine format %2; this one reads format %3) and cannot be run.</source>
        <translation>Die Routine „%1“ wurde von einer neueren Version von Filevane geschrieben (Routinenformat %2; diese liest Format %3) und kann nicht ausgeführt werden.</translation>
    </message>
</context>
<context>
    <name>RoutineLibrary</name>
    <message>
        <source>There is no routine called “%1”.</source>
        <translation>Es gibt keine Routine namens „%1“.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The routine “%1” cannot be saved: %2</source>
        <translation>Die Routine „%1“ kann nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>There is already a routine called “%1”.</source>
        <translation>Es gibt schon eine Routine namens „%1“.</translation>
    </message>
    <message>
        <source>The routine “%1” cannot be deleted: %2</source>
        <translation>Die Routine „%1“ kann nicht gelöscht werden: %2</translation>
    </message>
    <message>
        <source>The routine “%1” cannot be written to %2: %3</source>
        <translation>Die Routine „%1“ kann nicht nach %2 geschrieben werden: %3</translation>
    </message>
</context>
<context>
    <name>RoutineSteps</name>
    <message>
        <source>Cut first word</source>
        <translation>Erstes Wort entfernen</translation>
    </message>
    <message>
        <source>Cut last word</source>
        <translation>Letztes Wort entfernen</translation>
    </message>
    <message>
        <source>Insert at beginning</source>
        <translation>Am Anfang einfügen</translation>
    </message>
    <message>
        <source>Add to end</source>
        <translation>Am Ende anhängen</translation>
    </message>
    <message>
        <source>Add numbers</source>
        <translation>Zahlen hinzufügen</translation>
    </message>
    <message>
        <source>Reformat numbers</source>
        <translation>Zahlen neu formatieren</translation>
    </message>
    <message>
        <source>Crop numbers</source>
        <translation>Zahlen zuschneiden</translation>
    </message>
    <message>
        <source>Cut numbers</source>
        <translation>Zahlen entfernen</translation>
    </message>
    <message>
        <source>Enumerated filename</source>
        <translation>Nummerierter Dateiname</translation>
    </message>
    <message>
        <source>Enumerate as path</source>
        <translation>Als Pfad nummerieren</translation>
    </message>
    <message>
        <source>Enumerate path / filename</source>
        <translation>Pfad / Datei nummerieren</translation>
    </message>
    <message>
        <source>Cut first characters</source>
        <translation>Erste Zeichen abschneiden</translation>
    </message>
    <message>
        <source>Cut last characters</source>
        <translation>Letzte Zeichen abschneiden</translation>
    </message>
    <message>
        <source>Crop first characters</source>
        <translation>Auf erste Zeichen kürzen</translation>
    </message>
    <message>
        <source>Crop last characters</source>
        <translation>Auf letzte Zeichen kürzen</translation>
    </message>
    <message>
        <source>Cut before expression</source>
        <translation>Vor Ausdruck abschneiden</translation>
    </message>
    <message>
        <source>Cut after expression</source>
        <translation>Nach Ausdruck abschneiden</translation>
    </message>
    <message>
        <source>Crop before expression</source>
        <translation>Vor Ausdruck kürzen</translation>
    </message>
    <message>
        <source>Crop after expression</source>
        <translation>Nach Ausdruck kürzen</translation>
    </message>
    <message>
        <source>Smart case</source>
        <translation>Intelligente Schreibweise</translation>
    </message>
    <message>
        <source>Upper-Lower-Case</source>
        <translation>Groß-Klein-Schreibung</translation>
    </message>
    <message>
        <source>All Uppercase</source>
        <translation>Alles großschreiben</translation>
    </message>
    <message>
        <source>All Lowercase</source>
        <translation>Alles kleinschreiben</translation>
    </message>
    <message>
        <source>Cut artist</source>
        <translation>Interpret entfernen</translation>
    </message>
    <message>
        <source>Cut title</source>
        <translation>Titel entfernen</translation>
    </message>
    <message>
        <source>Cut extra info</source>
        <translation>Zusatzinfo entfernen</translation>
    </message>
    <message>
        <source>Last field to front</source>
        <translation>Letztes Feld nach vorn</translation>
    </message>
    <message>
        <source>Swap first two fields</source>
        <translation>Erste zwei Felder tauschen</translation>
    </message>
    <message>
        <source>Swap infos (any)</source>
        <translation>Infos tauschen (beliebig)</translation>
    </message>
    <message>
        <source>Music smart case</source>
        <translation>Schreibweise anpassen</translation>
    </message>
    <message>
        <source>Music smart case (artist)</source>
        <translation>Schreibweise anpassen (Interpret)</translation>
    </message>
    <message>
        <source>Music smart case (title)</source>
        <translation>Schreibweise anpassen (Titel)</translation>
    </message>
    <message>
        <source>Custom generation</source>
        <translation>Benutzerdefiniert erzeugen</translation>
    </message>
    <message>
        <source>Extension uppercase</source>
        <translation>Dateiendung großschreiben</translation>
    </message>
    <message>
        <source>Extension lowercase</source>
        <translation>Dateiendung kleinschreiben</translation>
    </message>
    <message>
        <source>Change extension</source>
        <translation>Dateiendung ändern</translation>
    </message>
    <message>
        <source>Restore name</source>
        <translation>Namen wiederherstellen</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Replace %1 with %2</source>
        <translation>%1 durch %2 ersetzen</translation>
    </message>
    <message>
        <source>match case</source>
        <translation>Groß-/Kleinschreibung beachten</translation>
    </message>
    <message>
        <source>exact phrase</source>
        <translation>exakter Ausdruck</translation>
    </message>
    <message>
        <source>repeat</source>
        <translation>wiederholen</translation>
    </message>
    <message>
        <source>no fixed width</source>
        <translation>keine feste Breite</translation>
    </message>
    <message>
        <source>include 0</source>
        <translation>mit 0</translation>
    </message>
    <message>
        <source>inverse</source>
        <translation>rückwärts</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>„%1“</translation>
    </message>
</context>
<context>
    <name>RoutinesDialog</name>
    <message>
        <source>Routines</source>
        <translation>Routinen</translation>
    </message>
    <message>
        <source>R&amp;un</source>
        <translation>&amp;Ausführen</translation>
    </message>
    <message>
        <source>Re&amp;name...</source>
        <translation>&amp;Umbenennen...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exportieren...</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importieren...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Rename routine</source>
        <translation>Routine umbenennen</translation>
    </message>
    <message>
        <source>New name of “%1”</source>
        <translation>Neuer Name für „%1“</translation>
    </message>
    <message>
        <source>Delete routine</source>
        <translation>Routine löschen</translation>
    </message>
    <message>
        <source>Delete the routine “%1”?</source>
        <translation>Die Routine „%1“ löschen?</translation>
    </message>
    <message>
        <source>Export routine</source>
        <translation>Routine exportieren</translation>
    </message>
    <message>
        <source>Routines (*.json)</source>
        <translation>Routinen (*.json)</translation>
    </message>
    <message>
        <source>Import routine</source>
        <translation>Routine importieren</translation>
    </message>
    <message>
        <source>Routines (*.json);;All files (*)</source>
        <translation>Routinen (*.json);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>SelectionCommands</name>
    <message>
        <source>Select all with at least x characters</source>
        <translation>Alle mit mindestens x Zeichen auswählen</translation>
    </message>
    <message>
        <source>Select all with at most x characters</source>
        <translation>Alle mit höchstens x Zeichen auswählen</translation>
    </message>
    <message>
        <source>Select...</source>
        <translation>Auswählen...</translation>
    </message>
    <message>
        <source>Select all with extension</source>
        <translation>Alle mit Dateiendung auswählen</translation>
    </message>
    <message>
        <source>several: mp3, ogg; . for none</source>
        <translation>mehrere: mp3, ogg; . für keine</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>file</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>%1 selected</source>
        <translation>%1 ausgewählt</translation>
    </message>
    <message>
        <source>name differs</source>
        <translation>Name weicht ab</translation>
    </message>
    <message>
        <source>names differ</source>
        <translation>Namen weichen ab</translation>
    </message>
    <message>
        <source>clash</source>
        <translation>Namenskonflikt</translation>
    </message>
    <message>
        <source>clashes</source>
        <translation>Namenskonflikte</translation>
    </message>
    <message>
        <source>file was</source>
        <translation>Datei wurde</translation>
    </message>
    <message>
        <source>files were</source>
        <translation>Dateien wurden</translation>
    </message>
    <message>
        <source> not added: the list holds at most %1</source>
        <translation> nicht hinzugefügt: die Liste fasst höchstens %1</translation>
    </message>
    <message>
        <source>Renaming %1 of %2 (Esc stops)</source>
        <translation>Benenne %1 von %2 um (Esc hält an)</translation>
    </message>
    <message>
        <source>Undoing %1 of %2 (Esc stops)</source>
        <translation>Mache %1 von %2 rückgängig (Esc hält an)</translation>
    </message>
</context>
<context>
    <name>StepsDialog</name>
    <message>
        <source>Steps</source>
        <translation>Schritte</translation>
    </message>
    <message>
        <source>The commands that changed names since the list was loaded, cleared or restored:</source>
        <translation>Die Befehle, die Namen geändert haben, seit die Liste geladen, geleert oder wiederhergestellt wurde:</translation>
    </message>
    <message>
        <source>Save as &amp;routine...</source>
        <translation>Als &amp;Routine speichern...</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Filevane</source>
        <translation>Filevane</translation>
    </message>
    <message>
        <source>Filevane Version $</source>
        <translation>Filevane Version $</translation>
    </message>
    <message>
        <source>Filevane Version $ [beta %]</source>
        <translation>Filevane Version $ [Beta %]</translation>
    </message>
    <message>
        <source>Renames many files at once, safely and in one run.</source>
        <translation>Benennt viele Dateien auf einmal um, sicher und in einem Durchgang.</translation>
    </message>
    <message>
        <source>Free software under the GNU GPL, version 3 or later.</source>
        <translation>Freie Software unter der GNU GPL, Version 3 oder neuer.</translation>
    </message>
    <message>
        <source>It comes without any warranty.</source>
        <translation>Sie kommt ohne jede Gewährleistung.</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Über...</translation>
    </message>
    <message>
        <source>Add...</source>
        <translation>Hinzufügen...</translation>
    </message>
    <message>
        <source>Crop...</source>
        <translation>Kürzen...</translation>
    </message>
    <message>
        <source>Cut...</source>
        <translation>Abschneiden...</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Bearbeiten...</translation>
    </message>
    <message>
        <source>Enumerate...</source>
        <translation>Nummerieren...</translation>
    </message>
    <message>
        <source>Cut mp3 extra information</source>
        <translation>MP3-Zusatzinformation entfernen</translation>
    </message>
    <message>
        <source>Formation string for enumerated path / filename</source>
        <translation>Formatierung für nummerierten Pfad / Dateinamen</translation>
    </message>
    <message>
        <source>Expression to add at beginning</source>
        <translation>Am Anfang einzufügender Ausdruck</translation>
    </message>
    <message>
        <source>Expression to add at end</source>
        <translation>Am Ende anzuhängender Ausdruck</translation>
    </message>
    <message>
        <source>Leading characters to cut</source>
        <translation>Abzuschneidende Zeichen am Anfang</translation>
    </message>
    <message>
        <source>Ending characters to cut</source>
        <translation>Abzuschneidende Zeichen am Ende</translation>
    </message>
    <message>
        <source>Leading characters to crop</source>
        <translation>Zu behaltende Zeichen am Anfang</translation>
    </message>
    <message>
        <source>Ending characters to crop</source>
        <translation>Zu behaltende Zeichen am Ende</translation>
    </message>
    <message>
        <source>Enter position to cut</source>
        <translation>Position zum Abschneiden eingeben</translation>
    </message>
    <message>
        <source>Enter new extension</source>
        <translation>Neue Dateiendung eingeben</translation>
    </message>
    <message>
        <source>Error...</source>
        <translation>Fehler...</translation>
    </message>
    <message>
        <source>One or more dublicate filenames found</source>
        <translation>Ein oder mehrere doppelte Dateinamen gefunden</translation>
    </message>
    <message>
        <source>One or more files could not be renamed</source>
        <translation>Eine oder mehrere Dateien konnten nicht umbenannt werden</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Find...</source>
        <translation>Suchen...</translation>
    </message>
    <message>
        <source>Replace...</source>
        <translation>Ersetzen...</translation>
    </message>
    <message>
        <source>Find what:</source>
        <translation>Suchen nach:</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>&amp;Groß-/Kleinschreibung beachten</translation>
    </message>
    <message>
        <source>&amp;Exact phrase</source>
        <translation>&amp;Exakter Ausdruck</translation>
    </message>
    <message>
        <source>Replace with</source>
        <translation>Ersetzen durch</translation>
    </message>
    <message>
        <source>&amp;Repeat</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>multiple $s / %s for fixed-length numbers</source>
        <translation>mehrere $ / % für Zahlen fester Länge</translation>
    </message>
    <message>
        <source>multiple %s for fixed-length numbers</source>
        <translation>mehrere % für Zahlen fester Länge</translation>
    </message>
    <message>
        <source>e.g. $ - %%</source>
        <translation>z. B. $ - %%</translation>
    </message>
    <message>
        <source>$ for filename, % for file number</source>
        <translation>$ für Dateiname, % für Dateinummer</translation>
    </message>
    <message>
        <source>to start with number 5, type 5|$ - %%</source>
        <translation>um mit Nummer 5 zu beginnen, 5|$ - %% eingeben</translation>
    </message>
    <message>
        <source>e.g. $$ - %%</source>
        <translation>z. B. $$ - %%</translation>
    </message>
    <message>
        <source>$ for path number, % for file number</source>
        <translation>$ für Pfadnummer, % für Dateinummer</translation>
    </message>
    <message>
        <source>to start with path number 4, type 4|$$ - %%</source>
        <translation>um mit Pfadnummer 4 zu beginnen, 4|$$ - %% eingeben</translation>
    </message>
    <message>
        <source>to start with file number 5, type ,5|$$ - %%</source>
        <translation>um mit Dateinummer 5 zu beginnen, ,5|$$ - %% eingeben</translation>
    </message>
    <message>
        <source>Numbers...</source>
        <translation>Zahlen...</translation>
    </message>
    <message>
        <source>Swap infos...</source>
        <translation>Angaben tauschen...</translation>
    </message>
    <message>
        <source>Formation string for numbers over all selected files</source>
        <translation>Bildungsmuster für Zahlen über alle ausgewählten Dateien</translation>
    </message>
    <message>
        <source>Text to find</source>
        <translation>Zu suchender Text</translation>
    </message>
    <message>
        <source>or a regular expression between slashes, e.g. /\d{4}/</source>
        <translation>oder ein regulärer Ausdruck zwischen Schrägstrichen, z. B. /\d{4}/</translation>
    </message>
    <message>
        <source>Not a valid regular expression:</source>
        <translation>Kein gültiger regulärer Ausdruck:</translation>
    </message>
    <message>
        <source>Enter the order of the fields, e.g. 2 1</source>
        <translation>Reihenfolge der Felder eingeben, z. B. 2 1</translation>
    </message>
    <message>
        <source>Enter the least number of digits</source>
        <translation>Mindestanzahl der Ziffern eingeben</translation>
    </message>
    <message>
        <source>to count 5, 7, 9, ... type 5+2|$ - %%</source>
        <translation>um 5, 7, 9, ... zu zählen, 5+2|$ - %% eingeben</translation>
    </message>
</context>
<context>
    <name>TemplatePreviewModel</name>
    <message>
        <source>Name on disk</source>
        <translation>Name auf dem Datenträger</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Neuer Name</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>refused: stays as it is</source>
        <translation>abgelehnt: bleibt unverändert</translation>
    </message>
    <message>
        <source>clash: name taken</source>
        <translation>Konflikt: Name vergeben</translation>
    </message>
</context>
<context>
    <name>TerminalJob</name>
    <message numerus="yes">
        <source>Undo renames %n files back:</source>
        <translation>
            <numerusform>Rückgängig benennt %n Datei zurück:</numerusform>
            <numerusform>Rückgängig benennt %n Dateien zurück:</numerusform>
        </translation>
    </message>
    <message>
        <source>filevane: not undone: there is no terminal to ask; add --yes to undo without asking</source>
        <translation>filevane: nicht zurückgenommen: es gibt kein Terminal zum Nachfragen; mit --yes wird ohne Nachfrage zurückgenommen</translation>
    </message>
    <message>
        <source>Undo? [y/N] </source>
        <translation>Zurücknehmen? [y/N] </translation>
    </message>
    <message>
        <source>Nothing was undone.</source>
        <translation>Nichts wurde zurückgenommen.</translation>
    </message>
</context>
<context>
    <name>TerminalRun</name>
    <message>
        <source>cannot be opened</source>
        <translation>kann nicht geöffnet werden</translation>
    </message>
    <message numerus="yes">
        <source>filevane: %n files were not added: the list holds at most 32767</source>
        <translation>
            <numerusform>filevane: %n Datei wurde nicht hinzugefügt: die Liste fasst höchstens 32767</numerusform>
            <numerusform>filevane: %n Dateien wurden nicht hinzugefügt: die Liste fasst höchstens 32767</numerusform>
        </translation>
    </message>
    <message>
        <source>clash:</source>
        <translation>Kollision:</translation>
    </message>
    <message>
        <source>refused:</source>
        <translation>abgelehnt:</translation>
    </message>
    <message>
        <source>no bytes can stand for the new name</source>
        <translation>keine Bytes können für den neuen Namen stehen</translation>
    </message>
    <message numerus="yes">
        <source>Nothing was renamed: %n names clash with another name in their folder.</source>
        <translation>
            <numerusform>Nichts wurde umbenannt: %n Name kollidiert mit einem anderen Namen in seinem Ordner.</numerusform>
            <numerusform>Nichts wurde umbenannt: %n Namen kollidieren mit einem anderen Namen in ihrem Ordner.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing to rename.</source>
        <translation>Nichts umzubenennen.</translation>
    </message>
    <message>
        <source>not renamed:</source>
        <translation>nicht umbenannt:</translation>
    </message>
    <message>
        <source>%1 renamed, %2 not renamed</source>
        <translation>%1 umbenannt, %2 nicht umbenannt</translation>
    </message>
    <message>
        <source>Nothing to undo.</source>
        <translation>Nichts zurückzunehmen.</translation>
    </message>
</context>
<context>
    <name>TokenBrowser</name>
    <message>
        <source>the current proposed name</source>
        <translation>der aktuelle vorgeschlagene Name</translation>
    </message>
    <message>
        <source>characters 1 to 3 of the name</source>
        <translation>Zeichen 1 bis 3 des Namens</translation>
    </message>
    <message>
        <source>the name from its 4th character on</source>
        <translation>der Name ab dem 4. Zeichen</translation>
    </message>
    <message>
        <source>the name on disk, without extension</source>
        <translation>der Name auf dem Datenträger, ohne Endung</translation>
    </message>
    <message>
        <source>the extension, without the dot</source>
        <translation>die Endung, ohne Punkt</translation>
    </message>
    <message>
        <source>the name of the file&apos;s folder</source>
        <translation>der Name des Ordners der Datei</translation>
    </message>
    <message>
        <source>the name of the folder above it</source>
        <translation>der Name des Ordners darüber</translation>
    </message>
    <message>
        <source>a counter over the selected lines</source>
        <translation>ein Zähler über die ausgewählten Zeilen</translation>
    </message>
    <message>
        <source>a counter: start, step, digits</source>
        <translation>ein Zähler: Start, Schritt, Stellen</translation>
    </message>
    <message>
        <source>a counter that restarts in each folder</source>
        <translation>ein Zähler, der in jedem Ordner neu beginnt</translation>
    </message>
    <message>
        <source>the same: start, step, digits</source>
        <translation>ebenso: Start, Schritt, Stellen</translation>
    </message>
    <message>
        <source>the date the file was modified</source>
        <translation>das Änderungsdatum der Datei</translation>
    </message>
    <message>
        <source>the date modified, in a format</source>
        <translation>das Änderungsdatum in einem Format</translation>
    </message>
    <message>
        <source>the date a photo was taken, else modified</source>
        <translation>das Aufnahmedatum eines Fotos, sonst das Änderungsdatum</translation>
    </message>
    <message>
        <source>the date taken, with the time</source>
        <translation>das Aufnahmedatum mit Uhrzeit</translation>
    </message>
    <message>
        <source>the artist tag of an audio file</source>
        <translation>der Interpret einer Audiodatei</translation>
    </message>
    <message>
        <source>the title tag</source>
        <translation>der Titel</translation>
    </message>
    <message>
        <source>the album tag</source>
        <translation>das Album</translation>
    </message>
    <message>
        <source>the track number</source>
        <translation>die Titelnummer</translation>
    </message>
    <message>
        <source>the track number with 2 digits</source>
        <translation>die Titelnummer mit 2 Stellen</translation>
    </message>
    <message>
        <source>the year tag</source>
        <translation>das Jahr</translation>
    </message>
    <message>
        <source>the genre tag</source>
        <translation>das Genre</translation>
    </message>
    <message>
        <source>a literal [</source>
        <translation>ein [ als Zeichen</translation>
    </message>
    <message>
        <source>a literal ]</source>
        <translation>ein ] als Zeichen</translation>
    </message>
    <message>
        <source>Find a token (Enter inserts it)</source>
        <translation>Platzhalter suchen (Enter fügt ihn ein)</translation>
    </message>
    <message>
        <source>&amp;Tokens:</source>
        <translation>&amp;Platzhalter:</translation>
    </message>
    <message>
        <source>Token</source>
        <translation>Platzhalter</translation>
    </message>
    <message>
        <source>Gives</source>
        <translation>Ergibt</translation>
    </message>
    <message>
        <source>For this line</source>
        <translation>Für diese Zeile</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>cannot be opened</source>
        <translation>kann nicht geöffnet werden</translation>
    </message>
</context>
</TS>
