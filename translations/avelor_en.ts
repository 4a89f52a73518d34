<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>AnimalChange</name>
    <message>
        <source>Die Ringnummer %1 gehört zu keinem Kanarienvogel im Bestand mehr (gelöscht). Es wurde nichts geändert.</source>
        <translation>The ring number %1 no longer belongs to any canary in the stock (deleted). Nothing was changed.</translation>
    </message>
    <message>
        <source>Diese Ringnummer existiert schon.</source>
        <translation>This ring number already exists.</translation>
    </message>
</context>
<context>
    <name>AnimalEntry</name>
    <message>
        <source>Bitte das Geschlecht angeben.</source>
        <translation>Please enter the sex.</translation>
    </message>
    <message>
        <source>Bitte das Geburtsjahr angeben.</source>
        <translation>Please enter the year of birth.</translation>
    </message>
    <message>
        <source>Bitte den Züchter angeben.</source>
        <translation>Please enter the breeder.</translation>
    </message>
    <message>
        <source>Bitte die Zeichnung angeben (z.B. einfarbig oder gescheckt).</source>
        <translation>Please enter the markings (e.g. clear or variegated).</translation>
    </message>
    <message>
        <source>Bitte die Farbe angeben.</source>
        <translation>Please enter the colour.</translation>
    </message>
    <message>
        <source>ACHTUNG:
<byte value="xd"/>
<byte value="xd"/>Die Ringnr %1 ist bereits angelegt.</source>
        <translation>ATTENTION:
</translation>
    </message>
    <message>
        <source>Bitte die Ringnummer angeben.</source>
        <translation>Please enter the ring number.</translation>
    </message>
    <message>
        <source>&quot;Anfang der Ringnummer&quot; darf nicht leer sein.</source>
        <translation>&quot;Start of the ring number&quot; must not be empty.</translation>
    </message>
    <message>
        <source>Von-Feld darf nur Zahlen enthalten.</source>
        <translation>The From field may contain digits only.</translation>
    </message>
    <message>
        <source>Bis-Feld darf nur Zahlen enthalten.</source>
        <translation>The To field may contain digits only.</translation>
    </message>
    <message>
        <source>Von-Feld muß kleiner als das Bis-Feld sein.</source>
        <translation>The From field must be smaller than the To field.</translation>
    </message>
    <message>
        <source>Bitte die führenden Nullen eintragen.</source>
        <translation>Please enter the leading zeros.</translation>
    </message>
    <message>
        <source>Ein Bereich darf höchstens %1 Ringnummern umfassen.</source>
        <translation>A range may hold at most %1 ring numbers.</translation>
    </message>
    <message>
        <source>Achtung! Es gibt schon (mindestens eine) der zu generierenden Kanarienvögel. Abbruch!</source>
        <translation>Attention! (At least one of) the canaries to be created already exists. Cancelled!</translation>
    </message>
    <message>
        <source>Die Ringnummern wären länger als 20 Zeichen und nach dem Kürzen nicht mehr eindeutig (zum Beispiel %1). Bitte den Anfang der Ringnummer kürzen.</source>
        <translation>The ring numbers would be longer than 20 characters and no longer unique once shortened (for example %1). Please shorten the start of the ring number.</translation>
    </message>
</context>
<context>
    <name>AnimalFields</name>
    <message>
        <source>Ringnummer:</source>
        <translation>Ring number:</translation>
    </message>
    <message>
        <source>Geschlecht:</source>
        <translation>Sex:</translation>
    </message>
    <message>
        <source>Geburtsjahr:</source>
        <translation>Year of birth:</translation>
    </message>
    <message>
        <source>Züchter:</source>
        <translation>Breeder:</translation>
    </message>
    <message>
        <source>Farbe:</source>
        <translation>Colour:</translation>
    </message>
    <message>
        <source>Zeichnung:</source>
        <translation>Markings:</translation>
    </message>
    <message>
        <source>Art/Rasse:</source>
        <translation>Species/breed:</translation>
    </message>
    <message>
        <source>Bemerkungen für die 
Kanarienvögelbestandsliste:</source>
        <translation>Remarks for the 
canary stock list:</translation>
    </message>
    <message>
        <source>Bemerkungen:</source>
        <translation>Remarks:</translation>
    </message>
</context>
<context>
    <name>AnimalGenes</name>
    <message>
        <source>„%1“ ist keine Erbanlage der Farbtabelle.</source>
        <translation>“%1” is not a colour factor of the factor table.</translation>
    </message>
    <message>
        <source>„%1“ steht zweimal in den Erbanlagen.</source>
        <translation>“%1” appears twice in the colour factors.</translation>
    </message>
</context>
<context>
    <name>AnimalRecordWords</name>
    <message>
        <source>im Bestand</source>
        <translation>in the stock</translation>
    </message>
    <message>
        <source>verkauft</source>
        <translation>sold</translation>
    </message>
    <message>
        <source>abgegeben</source>
        <translation>given away</translation>
    </message>
    <message>
        <source>verstorben</source>
        <translation>died</translation>
    </message>
    <message>
        <source>entflogen</source>
        <translation>escaped</translation>
    </message>
    <message>
        <source>unbekannt</source>
        <translation>unknown</translation>
    </message>
    <message>
        <source>nicht vorhanden</source>
        <translation>absent</translation>
    </message>
    <message>
        <source>spalterbig</source>
        <translation>split</translation>
    </message>
    <message>
        <source>sichtbar</source>
        <translation>visual</translation>
    </message>
    <message>
        <source>doppelfaktorig</source>
        <translation>double factor</translation>
    </message>
</context>
<context>
    <name>AppInfo</name>
    <message>
        <source>Avelor Abstammungsnachweis</source>
        <translation>Avelor Pedigree Certificate</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the version number</extracomment>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>© Avelor – freie Software für Züchter</source>
        <translation>© Avelor – free software for breeders</translation>
    </message>
</context>
<context>
    <name>BackupGroup</name>
    <message>
        <source>Backup-Funktion: </source>
        <translation>Backup: </translation>
    </message>
    <message>
        <source>Backup auf USB-Stick</source>
        <translation>Backup to USB stick</translation>
    </message>
    <message>
        <source>Backup von USB-Stick holen</source>
        <translation>Restore backup from USB stick</translation>
    </message>
    <message>
        <source>Schnelles Backup</source>
        <translation>Quick backup</translation>
    </message>
    <message>
        <source>Schnelles Backup holen</source>
        <translation>Restore quick backup</translation>
    </message>
    <message>
        <source>Komplette Datenbank löschen und neu anfangen</source>
        <translation>Delete the whole database and start afresh</translation>
    </message>
    <message>
        <source>Bestand importieren…</source>
        <translation>Import stock…</translation>
    </message>
</context>
<context>
    <name>BackupMessages</name>
    <message>
        <source>Diese Bilder konnten nicht kopiert werden:
%1</source>
        <extracomment>%1 is the list of pictures, one per line</extracomment>
        <translation>These pictures could not be copied:
%1</translation>
    </message>
    <message>
        <source>Die bisherige Datensicherung ist unverändert geblieben.</source>
        <translation>The previous backup has been left unchanged.</translation>
    </message>
    <message>
        <source>Die Datensicherung wurde abgebrochen.</source>
        <translation>The backup was cancelled.</translation>
    </message>
    <message>
        <source>Datensicherung wurde durchgeführt.</source>
        <translation>The backup has been made.</translation>
    </message>
    <message>
        <source>Die Daten von vorher liegen im Ordner „%1“.</source>
        <translation>The data from before are in the folder “%1”.</translation>
    </message>
    <message>
        <source>Datensicherung wurde zurückgeholt. Was bis dahin geändert wurde, lässt sich nicht mehr rückgängig machen.</source>
        <translation>The backup has been restored. Changes made before can no longer be undone.</translation>
    </message>
</context>
<context>
    <name>BreedFilter</name>
    <message>
        <source>Filter löschen</source>
        <translation>Clear filter</translation>
    </message>
    <message>
        <source>Rassen-Filter:</source>
        <translation>Breed filter:</translation>
    </message>
</context>
<context>
    <name>ByteReader</name>
    <message>
        <source>Byte %1: %2</source>
        <translation>Byte %1: %2</translation>
    </message>
    <message>
        <source>die Datei endet vorzeitig</source>
        <translation>the file ends early</translation>
    </message>
    <message>
        <source>Textlänge %1 über dem Höchstwert %2</source>
        <translation>text length %1 above the maximum %2</translation>
    </message>
    <message>
        <source>negative Anzahl %1</source>
        <translation>negative count %1</translation>
    </message>
    <message>
        <source>Anzahl %1 passt nicht in den Rest der Datei</source>
        <translation>count %1 does not fit into the rest of the file</translation>
    </message>
</context>
<context>
    <name>CertificateCommands</name>
    <message>
        <source>Bitte den Kanarienvogel auswählen.</source>
        <translation>Please select the canary.</translation>
    </message>
    <message>
        <source>den Abstammungsnachweis</source>
        <translation>the pedigree certificate</translation>
    </message>
    <message>
        <source>Abstammungsnachweis %1</source>
        <translation>Pedigree certificate %1</translation>
    </message>
    <message>
        <source>das Stammblatt</source>
        <translation>the record sheet</translation>
    </message>
    <message>
        <source>Stammblatt %1</source>
        <translation>Record sheet %1</translation>
    </message>
    <message>
        <source>Stammbaum als Datei speichern</source>
        <translation>Save pedigree as a file</translation>
    </message>
    <message>
        <source>Stammbaum %1.json</source>
        <translation>Pedigree %1.json</translation>
    </message>
    <message>
        <source>Die Stammbaumdatei %1 wurde erstellt. Der Käufer liest sie mit „Bestand importieren…“ ein.</source>
        <translation>The pedigree file %1 has been created. The buyer reads it in with “Import stock…”.</translation>
    </message>
</context>
<context>
    <name>Choices</name>
    <message>
        <source>unbekannt</source>
        <comment>sex</comment>
        <translation>unknown</translation>
    </message>
    <message>
        <source>männlich</source>
        <translation>male</translation>
    </message>
    <message>
        <source>weiblich</source>
        <translation>female</translation>
    </message>
</context>
<context>
    <name>DataFiles</name>
    <message>
        <source>Ihre Version der Datenbank ist mit dieser Version nicht kompatibel. Bitte kontaktieren Sie den Autor unter %1. Die Daten können dann ins neue Format konvertiert werden.</source>
        <extracomment>%1 is the program&apos;s web page</extracomment>
        <translation>Your version of the database is not compatible with this version. Please contact the author at %1. The data can then be converted to the new format.</translation>
    </message>
    <message>
        <source>Die Datei %1 ist vorhanden, kann aber nicht gelesen werden: %2

An ihr wurde nichts geändert. Bitte prüfen Sie, ob Sie diese Datei lesen dürfen (Zugriffsrechte) und ob der Datenträger in Ordnung ist.</source>
        <translation>The file %1 exists but cannot be read: %2

Nothing in it was changed. Please check that you may read this file (access rights) and that the drive is in order.</translation>
    </message>
    <message>
        <source>Die Datei %1 ist beschädigt und konnte nicht vollständig gelesen werden (%2).

%3</source>
        <extracomment>%1 is the file, %2 what is wrong with it, %3 what was read of it</extracomment>
        <translation>The file %1 is damaged and could not be read completely (%2).

%3</translation>
    </message>
    <message>
        <source>

Eine Kopie der Originaldatei konnte nicht angelegt werden: %1 Die Datei wird erst überschrieben, wenn diese Kopie beim Speichern gelingt.</source>
        <translation>

A copy of the original file could not be made: %1 The file will not be overwritten until this copy succeeds when saving.</translation>
    </message>
    <message>
        <source>

Die Originaldatei wurde unverändert aufbewahrt als %1.</source>
        <translation>

The original file has been kept unchanged as %1.</translation>
    </message>
    <message>
        <source>

Das Programm arbeitet mit den zuletzt vollständig gespeicherten Daten und versucht es beim nächsten Speichern noch einmal.</source>
        <translation>

The program works with the data last saved completely and tries again at the next save.</translation>
    </message>
    <message>
        <source>Gelesen wurden %1 von %2 Kanarienvögel. Das Programm arbeitet mit den gelesenen Daten weiter.</source>
        <translation>%1 of %2 canaries were read. The program goes on with the data read.</translation>
    </message>
    <message>
        <source>Die Zuchtpaare wurden nicht geladen; das Programm beginnt mit einer leeren Zuchtpaar-Liste.</source>
        <translation>The breeding pairs were not loaded; the program starts with an empty list of breeding pairs.</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde nicht gespeichert, weil von der beim Start beschädigten Datei keine Kopie angelegt werden kann: %2</source>
        <translation>The file %1 was not saved because no copy can be made of the file that was damaged at start: %2</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht gespeichert werden: %2

Die bisherige Datei ist unverändert geblieben.</source>
        <translation>The file %1 could not be saved: %2

The previous file has been left unchanged.</translation>
    </message>
</context>
<context>
    <name>DataFolder</name>
    <message>
        <source>Auf dem Datenträger des Datenordners „%1“ ist kaum noch Platz frei (%2). Ein Speichern braucht etwa %3; Ihre Änderungen könnten dann nicht gespeichert werden.

Bitte schaffen Sie Platz, etwa indem Sie nicht mehr benötigte Dateien löschen. Die bisherigen Daten bleiben dabei in jedem Fall erhalten.</source>
        <translation>The drive of the data folder “%1” has hardly any free space left (%2). A save needs about %3; your changes might then not be saved.

Please make room, for instance by deleting files you no longer need. The existing data are kept in any case.</translation>
    </message>
</context>
<context>
    <name>DataFolderLock</name>
    <message>
        <source>Im Datenordner %1 darf Avelor nichts ändern: Der Ordner oder der Datenträger ist schreibgeschützt. So könnte keine Änderung gespeichert werden; darum startet das Programm nicht.

Bitte geben Sie den Ordner zum Schreiben frei (Zugriffsrechte) und starten Sie Avelor danach neu.</source>
        <translation>Avelor may not change anything in the data folder %1: the folder or the drive is write-protected. No change could be saved, so the program does not start.

Please allow writing to the folder (access rights) and then start Avelor again.</translation>
    </message>
    <message>
        <source>Auf dem Datenträger des Datenordners %1 ist kein Platz mehr frei. So könnte keine Änderung gespeichert werden; darum startet das Programm nicht.

Bitte schaffen Sie Platz (etwa indem Sie nicht mehr benötigte Dateien löschen) und starten Sie Avelor danach neu.</source>
        <translation>The drive of the data folder %1 has no free space left. No change could be saved, so the program does not start.

Please make room (for instance by deleting files you no longer need) and then start Avelor again.</translation>
    </message>
    <message>
        <source>Der Datenordner %1 kann nicht benutzt werden: %2</source>
        <translation>The data folder %1 cannot be used: %2</translation>
    </message>
    <message>
        <source>Avelor ist für diese Daten bereits geöffnet.

Bitte arbeiten Sie in dem Fenster weiter, das schon offen ist (es kann hinter anderen Fenstern liegen oder in der Taskleiste stecken), oder beenden Sie es dort mit „Alles speichern und Programm beenden“ und starten Sie Avelor danach neu. So gehen keine Änderungen verloren.</source>
        <translation>Avelor is already open for these data.

Please go on working in the window that is already open (it may be behind other windows or in the taskbar), or close it there with “Save everything and quit” and then start Avelor again. That way no changes are lost.</translation>
    </message>
</context>
<context>
    <name>DiskBackup</name>
    <message>
        <source>Es wird nun ein schnelles Backup auf die gleiche Festplatte gemacht auf der auch die reguläre Datenbank des Programms läuft. Dies erfüllt nicht den Zweck eines Backups. Wenn die Festplatte beschädigt werden sollte sind der aktuelle Datenbestand UND das Backup davon betroffen.

Die Sicherungskopie wird im Ordner %1 gespeichert. Sie sollten diesen Ordner auf eine CD brennen oder die USB-Backup-Funktion weiter oben nutzen.</source>
        <extracomment>%1 is the folder of the backup</extracomment>
        <translation>A quick backup will now be made on the same disk that also holds the program&apos;s regular database. This does not serve the purpose of a backup: if the disk is damaged, the current data AND the backup are affected.

The backup copy is saved in the folder %1. You should burn this folder to a CD or use the USB backup above.</translation>
    </message>
    <message>
        <source>Die Bilder werden gesichert</source>
        <translation>Backing up the pictures</translation>
    </message>
    <message>
        <source>Die Datensicherung ist fehlgeschlagen.</source>
        <translation>The backup failed.</translation>
    </message>
    <message>
        <source>Sicherheitsabfrage</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>Beim Rückholen des Backups wird der auf dem Rechner befindliche Stand überschrieben.
<byte value="xd"/>Soll das Backup wirklich von der Festplatte zurückgeholt werden?</source>
        <translation>Restoring the backup overwrites the data on this computer.
</translation>
    </message>
    <message>
        <source>Die Bilder werden zurückgeholt</source>
        <translation>Restoring the pictures</translation>
    </message>
    <message>
        <source>Es wurde kein Backup gefunden.</source>
        <translation>No backup was found.</translation>
    </message>
    <message>
        <source>Fehler beim Wiederherstellen des Festplatten-Backups</source>
        <translation>Error while restoring the disk backup</translation>
    </message>
</context>
<context>
    <name>DriveDialog</name>
    <message>
        <source>Laufwerk</source>
        <translation>Drive</translation>
    </message>
    <message>
        <source>Sollte das Laufwerk nicht erscheinen bitte die Anwendung neu starten.</source>
        <translation>If the drive does not appear, please restart the application.</translation>
    </message>
    <message>
        <source>Bitte zuerst ein Laufwerk auswählen.</source>
        <translation>Please select a drive first.</translation>
    </message>
    <message>
        <source>Kein USB-Stick und keine externe Festplatte gefunden</source>
        <translation>No USB stick and no external disk found</translation>
    </message>
</context>
<context>
    <name>FileSaving</name>
    <message>
        <source>Die Datei „%1“ konnte nicht geschrieben werden: %2</source>
        <translation>The file “%1” could not be written: %2</translation>
    </message>
</context>
<context>
    <name>FolderCopy</name>
    <message>
        <source>Der Ordner „%1“ konnte nicht angelegt werden.</source>
        <translation>The folder “%1” could not be created.</translation>
    </message>
    <message>
        <source>Der Ordner „%1“ konnte nicht ersetzt werden.</source>
        <translation>The folder “%1” could not be replaced.</translation>
    </message>
    <message>
        <source>Der bisherige Ordner „%1“ konnte nicht nach „%2“ verschoben werden; er liegt noch unter „%3“.</source>
        <translation>The previous folder “%1” could not be moved to “%2”; it is still at “%3”.</translation>
    </message>
</context>
<context>
    <name>ImportFields</name>
    <message>
        <source>nicht übernehmen</source>
        <translation>do not import</translation>
    </message>
    <message>
        <source>Ringnummer</source>
        <translation>Ring number</translation>
    </message>
    <message>
        <source>Geschlecht</source>
        <translation>Sex</translation>
    </message>
    <message>
        <source>Geburtsjahr</source>
        <translation>Year of birth</translation>
    </message>
    <message>
        <source>Züchter</source>
        <translation>Breeder</translation>
    </message>
    <message>
        <source>Farbe</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>Zeichnung</source>
        <translation>Markings</translation>
    </message>
    <message>
        <source>Art/Rasse</source>
        <translation>Species/breed</translation>
    </message>
    <message>
        <source>Vater</source>
        <translation>Father</translation>
    </message>
    <message>
        <source>Mutter</source>
        <translation>Mother</translation>
    </message>
    <message>
        <source>Bemerkungen</source>
        <translation>Remarks</translation>
    </message>
    <message>
        <source>Bemerkungen Bestandsliste</source>
        <translation>Remarks stock list</translation>
    </message>
    <message>
        <source>Verkauft</source>
        <translation>Sold</translation>
    </message>
    <message>
        <source>Verbleib</source>
        <translation>Whereabouts</translation>
    </message>
    <message>
        <source>Verbleib seit</source>
        <translation>Whereabouts since</translation>
    </message>
    <message>
        <source>Käufer</source>
        <translation>Buyer</translation>
    </message>
    <message>
        <source>Anschrift des Käufers</source>
        <translation>Buyer&apos;s address</translation>
    </message>
    <message>
        <source>Preis (€)</source>
        <translation>Price (€)</translation>
    </message>
    <message>
        <source>Notiz zum Verbleib</source>
        <translation>Whereabouts note</translation>
    </message>
    <message>
        <source>Erbanlagen</source>
        <translation>Colour factors</translation>
    </message>
    <message>
        <source>Datum der Schau</source>
        <translation>Date of the show</translation>
    </message>
    <message>
        <source>Schau</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>Klasse</source>
        <translation>Class</translation>
    </message>
    <message>
        <source>Punkte</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Auszeichnung/Platz</source>
        <translation>Award/place</translation>
    </message>
    <message>
        <source>Kollektion</source>
        <translation>Team</translation>
    </message>
</context>
<context>
    <name>ImportPreviewModel</name>
    <message>
        <source>neu</source>
        <translation>new</translation>
    </message>
    <message>
        <source>ändert %1</source>
        <translation>changes %1</translation>
    </message>
    <message>
        <source>unverändert</source>
        <translation>unchanged</translation>
    </message>
    <message>
        <source>Fehler: %1</source>
        <translation>Error: %1</translation>
    </message>
    <message>
        <source>anders in der Datei, behalten: %1</source>
        <translation>different in the file, kept: %1</translation>
    </message>
    <message>
        <source>Zeile</source>
        <translation>Row</translation>
    </message>
    <message>
        <source>Ringnummer</source>
        <translation>Ring number</translation>
    </message>
    <message>
        <source>Ergebnis</source>
        <translation>Result</translation>
    </message>
</context>
<context>
    <name>ImportStockDialog</name>
    <message>
        <source>Bestand importieren</source>
        <translation>Import stock</translation>
    </message>
    <message>
        <source>Noch keine Datei gewählt.</source>
        <translation>No file chosen yet.</translation>
    </message>
    <message>
        <source>&amp;Datei wählen…</source>
        <translation>Choose &amp;file…</translation>
    </message>
    <message>
        <source>&amp;Spalten der Datei und was sie enthalten:</source>
        <translation>&amp;Columns of the file and what they hold:</translation>
    </message>
    <message>
        <source>Spalte</source>
        <translation>Column</translation>
    </message>
    <message>
        <source>Erste Zeile</source>
        <translation>First row</translation>
    </message>
    <message>
        <source>wird übernommen als</source>
        <translation>imported as</translation>
    </message>
    <message>
        <source>Spalten der Datei</source>
        <translation>Columns of the file</translation>
    </message>
    <message>
        <source>Bei Ringnummern, die schon im Bestand sind:</source>
        <translation>For ring numbers already in the stock:</translation>
    </message>
    <message>
        <source>gefüllte Felder der Datei &amp;überschreiben das Gespeicherte</source>
        <translation>filled fields of the file &amp;overwrite what is stored</translation>
    </message>
    <message>
        <source>Gespeichertes &amp;behalten, nur leere Felder füllen</source>
        <translation>&amp;keep what is stored, fill empty fields only</translation>
    </message>
    <message>
        <source>&amp;Vorschau:</source>
        <translation>&amp;Preview:</translation>
    </message>
    <message>
        <source>Vorschau des Imports</source>
        <translation>Preview of the import</translation>
    </message>
    <message>
        <source>&amp;Importieren</source>
        <translation>&amp;Import</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Bestand importieren: Datei wählen</source>
        <translation>Import stock: choose a file</translation>
    </message>
    <message>
        <source>Tabellen und Stammbaumdateien (*.csv *.txt *.json);;Alle Dateien (*)</source>
        <translation>Tables and pedigree files (*.csv *.txt *.json);;All files (*)</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden: %2</source>
        <translation>The file %1 cannot be read: %2</translation>
    </message>
    <message>
        <source>Stammbaum von %1, abgegeben von %2 (%3 Vögel)</source>
        <translation>Pedigree of %1, passed on by %2 (%3 birds)</translation>
    </message>
    <message>
        <source>Datei: %1 (%2 Zeilen)</source>
        <translation>File: %1 (%2 rows)</translation>
    </message>
    <message>
        <source>Spalte %1 übernehmen als</source>
        <translation>Import column %1 as</translation>
    </message>
    <message>
        <source>Die Datei wird geprüft …</source>
        <translation>Checking the file …</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Die Prüfung wurde abgebrochen; es wird nichts importiert. „Datei wählen…“ beginnt sie von vorn.</source>
        <translation>The check was cancelled; nothing is imported. “Choose file…” starts it again.</translation>
    </message>
    <message>
        <source>Keine Spalte ist als Ringnummer gewählt.</source>
        <translation>No column is chosen as the ring number.</translation>
    </message>
    <message>
        <source>Solange eine Zeile fehlerhaft ist, wird nichts importiert.</source>
        <translation>Nothing is imported while a row has an error.</translation>
    </message>
    <message>
        <source>Eltern, die weder im Bestand noch in der Datei stehen: %1</source>
        <translation>Parents neither in the stock nor in the file: %1</translation>
    </message>
    <message>
        <source>Der Bestand wurde importiert (%1). „Rückgängig“ nimmt den ganzen Import zurück.</source>
        <translation>The stock has been imported (%1). “Undo” takes back the whole import.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Avelor Abstammungsnachweis für Kanarienvögel</source>
        <translation>Avelor Pedigree Certificate for Canaries</translation>
    </message>
    <message>
        <source>Alles speichern und Programm beenden</source>
        <translation>Save everything and quit</translation>
    </message>
    <message>
        <source>Züchterdaten</source>
        <translation>Breeder data</translation>
    </message>
    <message>
        <source>Kanarienvögel anlegen</source>
        <translation>Enter canaries</translation>
    </message>
    <message>
        <source>Kanarienvögel löschen</source>
        <translation>Delete canaries</translation>
    </message>
    <message>
        <source>Kanarienvögel ändern</source>
        <translation>Change canaries</translation>
    </message>
    <message>
        <source>Kanarienvögel suchen</source>
        <translation>Search canaries</translation>
    </message>
    <message>
        <source>Elternbeziehungen</source>
        <translation>Parent links</translation>
    </message>
    <message>
        <source>Kanarienvögelbestandsliste anzeigen</source>
        <translation>Show canary stock list</translation>
    </message>
    <message>
        <source>Kanarienvögelbestandsliste drucken</source>
        <translation>Print canary stock list</translation>
    </message>
    <message>
        <source>Kinder, Enkel &amp;&amp; Urenkel</source>
        <translation>Children, grandchildren &amp;&amp; great-grandchildren</translation>
    </message>
    <message>
        <source>Nachwuchsverwaltung</source>
        <translation>Breeding and young</translation>
    </message>
    <message>
        <source>Frage</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Wollen sie das Programm beenden?</source>
        <translation>Do you want to quit the program?</translation>
    </message>
</context>
<context>
    <name>MoreWindowsButton</name>
    <message>
        <source>Saison und Auswertungen</source>
        <translation>Season and reports</translation>
    </message>
    <message>
        <source>&amp;Zuchtkalender…</source>
        <translation>Breeding &amp;calendar…</translation>
    </message>
    <message>
        <source>Zucht&amp;statistik…</source>
        <translation>Breeding &amp;statistics…</translation>
    </message>
    <message>
        <source>&amp;Partnersuche…</source>
        <translation>&amp;Mate finder…</translation>
    </message>
    <message>
        <source>&amp;Farbvererbung…</source>
        <translation>Colour &amp;inheritance…</translation>
    </message>
    <message>
        <source>&amp;Ausstellungsergebnisse…</source>
        <translation>Show &amp;results…</translation>
    </message>
</context>
<context>
    <name>PairGroup</name>
    <message>
        <source>Zuchtpaar zum Drucken auswählen: </source>
        <translation>Choose a breeding pair to print: </translation>
    </message>
    <message>
        <source>Zuchtpaar</source>
        <translation>Breeding pair</translation>
    </message>
    <message>
        <source>Zuchtpaar drucken</source>
        <translation>Print breeding pair</translation>
    </message>
    <message>
        <source>Bitte Zuchtpaar auswählen, dass Sie drucken möchten.</source>
        <translation>Please choose the breeding pair you want to print.</translation>
    </message>
    <message>
        <source>das Zuchtpaar</source>
        <translation>the breeding pair</translation>
    </message>
    <message>
        <source>Zuchtpaar</source>
        <comment>file name of the printed pair</comment>
        <translation>Breeding pair</translation>
    </message>
</context>
<context>
    <name>ParentLinks</name>
    <message>
        <source>VERK. KANARIENVOGEL</source>
        <extracomment>stands for the stored parent that is sold, upper case</extracomment>
        <translation>SOLD CANARY</translation>
    </message>
    <message>
        <source>keine</source>
        <comment>no mother</comment>
        <translation>none</translation>
    </message>
    <message>
        <source>keiner</source>
        <comment>no father</comment>
        <translation>none</translation>
    </message>
    <message>
        <source>Gespeichert ist die Mutter %1 und der Vater %2, in der Auswahl aber nicht aufgeführt (verkauft, gelöscht oder ausgefiltert). Beim Speichern wird diese Verbindung entfernt.

Trotzdem speichern?</source>
        <extracomment>%1 is the mother&apos;s ring, %2 the father&apos;s</extracomment>
        <translation>The stored mother %1 and father %2 are not in the selection (sold, deleted or filtered out). Saving removes these links.

Save anyway?</translation>
    </message>
    <message>
        <source>Gespeichert ist die Mutter %1, in der Auswahl aber nicht aufgeführt (verkauft, gelöscht oder ausgefiltert). Beim Speichern wird diese Verbindung entfernt.

Trotzdem speichern?</source>
        <translation>The stored mother %1 is not in the selection (sold, deleted or filtered out). Saving removes this link.

Save anyway?</translation>
    </message>
    <message>
        <source>Gespeichert ist der Vater %1, in der Auswahl aber nicht aufgeführt (verkauft, gelöscht oder ausgefiltert). Beim Speichern wird diese Verbindung entfernt.

Trotzdem speichern?</source>
        <translation>The stored father %1 is not in the selection (sold, deleted or filtered out). Saving removes this link.

Save anyway?</translation>
    </message>
</context>
<context>
    <name>PedigreeGroup</name>
    <message>
        <source>Abstammungsnachweis:</source>
        <translation>Pedigree certificate:</translation>
    </message>
    <message>
        <source>Für Kanarienvogel mit Ring-Nr.:</source>
        <translation>For the canary with ring no.:</translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Anzeigen</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Nur Stammblatt drucken</source>
        <translation>Print record sheet only</translation>
    </message>
    <message>
        <source>Stammbaum als Datei speichern…</source>
        <translation>Save pedigree as a file…</translation>
    </message>
    <message>
        <source>Freier Text:</source>
        <translation>Free text:</translation>
    </message>
    <message>
        <source>Käuferdaten:</source>
        <translation>Buyer&apos;s details:</translation>
    </message>
</context>
<context>
    <name>PedigreeImport</name>
    <message>
        <source>Das ist keine Stammbaumdatei von Avelor.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diese Stammbaumdatei hat die Formatversion %1; dieses Programm kennt bis %2. Bitte Avelor aktualisieren, um sie einzulesen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>erhalten von %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Stammbaumdatei enthält keinen Vogel.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PictureBox</name>
    <message>
        <source>Bild</source>
        <translation>Picture</translation>
    </message>
    <message>
        <source>Bild kann nicht angezeigt werden</source>
        <translation>The picture cannot be shown</translation>
    </message>
</context>
<context>
    <name>PreferencesStore</name>
    <message>
        <source>Einstellungen des Abstammungsnachweises geändert</source>
        <translation>Pedigree certificate settings changed</translation>
    </message>
    <message>
        <source>Tage des Zuchtkalenders geändert</source>
        <translation>Breeding calendar days changed</translation>
    </message>
</context>
<context>
    <name>PrintSettingsDialog</name>
    <message>
        <source>Einstellungen für den Druck</source>
        <translation>Print settings</translation>
    </message>
    <message>
        <source>Nachwuchsverwaltung anzeigen</source>
        <translation>Show breeding and young</translation>
    </message>
    <message>
        <source>Druck des Abstammungsnachweises:</source>
        <translation>Printing the pedigree certificate:</translation>
    </message>
    <message>
        <source>Jahrgang auf Abstammungs-Nachweis drucken</source>
        <translation>Print the year on the pedigree certificate</translation>
    </message>
    <message>
        <source>Prefixe anzeigen (&quot;Züchter:&quot;, &quot;Farbe:&quot;, ...)</source>
        <translation>Show prefixes (&quot;Breeder:&quot;, &quot;Colour:&quot;, ...)</translation>
    </message>
    <message>
        <source>&quot;Verkauft an:&quot; + eingegebenen Text anzeigen</source>
        <translation>Show &quot;Sold to:&quot; + the text entered</translation>
    </message>
    <message>
        <source>Bild des Vogels anzeigen (sofern vorhanden)</source>
        <translation>Show the bird&apos;s picture (if there is one)</translation>
    </message>
    <message>
        <source>Freien Text anzeigen (ohne &quot;Verkauft an:&quot;)</source>
        <translation>Show the free text (without &quot;Sold to:&quot;)</translation>
    </message>
    <message>
        <source>Rasse bei UGE und Züchter bei UUGE</source>
        <translation>Breed for GGP and breeder for GGGP</translation>
    </message>
    <message>
        <source>Bemerkungen bei UGE und UUGE</source>
        <translation>Remarks for GGP and GGGP</translation>
    </message>
    <message>
        <source>Schriftgröße:</source>
        <translation>Font size:</translation>
    </message>
    <message>
        <source>Oben rechts anzeigen:</source>
        <translation>Show at the top right:</translation>
    </message>
    <message>
        <source>Bei den Urgroßeltern (UGE) und Ururgroßeltern (UUGE)
anzeigen:</source>
        <translation>Show for the great-grandparents (GGP)
and great-great-grandparents (GGGP):</translation>
    </message>
    <message>
        <source>Zweizeilig (mehr Informationen)</source>
        <translation>Two lines (more information)</translation>
    </message>
    <message>
        <source>Einzeilig (übersichtlicher, da kompakter)</source>
        <translation>One line (clearer, more compact)</translation>
    </message>
    <message>
        <source>Layout Kanarienvögelbestandsliste:</source>
        <translation>Layout of the canary stock list:</translation>
    </message>
    <message>
        <source>Farbe für den Kopf:</source>
        <translation>Colour of the heading:</translation>
    </message>
    <message>
        <source>Farbe für männlich:</source>
        <translation>Colour for male:</translation>
    </message>
    <message>
        <source>Farbe für weiblich:</source>
        <translation>Colour for female:</translation>
    </message>
    <message>
        <source>Zusätzlich auf dem Abstammungsnachweis:</source>
        <translation>Also on the pedigree certificate:</translation>
    </message>
    <message>
        <source>Inzuchtkoeffizient auf dem Abstammungsnachweis</source>
        <translation>Inbreeding coefficient on the pedigree certificate</translation>
    </message>
    <message>
        <source>Mehrfach vorkommende Ahnen markieren</source>
        <translation>Mark ancestors that appear more than once</translation>
    </message>
    <message>
        <source>Bestes Ausstellungsergebnis auf dem Stammblatt</source>
        <translation>Best show result on the record sheet</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>Bild %1 von %2</source>
        <translation>Picture %1 of %2</translation>
    </message>
    <message>
        <source>Seite %1 von %2</source>
        <translation>Page %1 of %2</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Bitte warten</source>
        <translation>Please wait</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>%1 is the work being done, %2 how far it is (e.g. &quot;Seite 3 von 40&quot;)</extracomment>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source>Bild auswählen</source>
        <translation>Choose a picture</translation>
    </message>
    <message>
        <source>Farbe auswählen</source>
        <translation>Choose a colour</translation>
    </message>
    <message>
        <source>JPEG-Bilder (*.jpg *.jpeg *.JPG *.JPEG);;Bitmaps (*.bmp *.BMP)</source>
        <translation>JPEG pictures (*.jpg *.jpeg *.JPG *.JPEG);;Bitmaps (*.bmp *.BMP)</translation>
    </message>
</context>
<context>
    <name>RecordsCheck</name>
    <message>
        <source>die Datei ist keine SQLite-Datenbank</source>
        <translation>the file is not an SQLite database</translation>
    </message>
    <message>
        <source>sie stammt von einer neueren Avelor-Version (Version %1)</source>
        <translation>it comes from a newer version of Avelor (version %1)</translation>
    </message>
    <message>
        <source>sie gibt eine Version an, die es nicht gibt (%1)</source>
        <translation>it names a version that does not exist (%1)</translation>
    </message>
    <message>
        <source>die Prüfung der Datenbank meldet: %1</source>
        <translation>the database check reports: %1</translation>
    </message>
</context>
<context>
    <name>RecordsCopies</name>
    <message>
        <source>Die Kopie der Zusatzdaten %1</source>
        <translation>The copy of the additional records %1</translation>
    </message>
    <message>
        <source>%1 konnte nicht angelegt werden: %2</source>
        <translation>%1 could not be created: %2</translation>
    </message>
    <message>
        <source>die Datei ließ sich nicht schließen</source>
        <translation>the file could not be closed</translation>
    </message>
    <message>
        <source>%1 konnte nicht geschrieben werden: %2</source>
        <translation>%1 could not be written: %2</translation>
    </message>
    <message>
        <source>Die Zusatzdaten in %1 können nicht gelesen werden (%2).</source>
        <translation>The additional records in %1 cannot be read (%2).</translation>
    </message>
    <message>
        <source>Das Zurückholen der Zusatzdaten</source>
        <translation>Restoring the additional records</translation>
    </message>
    <message>
        <source>Aktualisierung fehlgeschlagen: %1</source>
        <translation>Update failed: %1</translation>
    </message>
    <message>
        <source>%1 ist fehlgeschlagen: %2</source>
        <translation>%1 failed: %2</translation>
    </message>
</context>
<context>
    <name>RecordsDatabase</name>
    <message>
        <source>Die Zusatzdaten sind in diesem Programmlauf nicht verfügbar; %1 wurde nicht gespeichert.</source>
        <translation>The additional records are not available in this run of the program; %1 was not saved.</translation>
    </message>
    <message>
        <source>%1 konnte nicht gespeichert werden: %2</source>
        <translation>%1 could not be saved: %2</translation>
    </message>
    <message>
        <source>Der Verbleib von %1</source>
        <translation>The whereabouts of %1</translation>
    </message>
    <message>
        <source>Das Ausstellungsergebnis von %1</source>
        <translation>The show result of %1</translation>
    </message>
    <message>
        <source>Das Löschen des Ausstellungsergebnisses</source>
        <translation>Deleting the show result</translation>
    </message>
    <message>
        <source>Die Zusatzdaten von %1</source>
        <translation>The additional records of %1</translation>
    </message>
    <message>
        <source>Die Zusatzdaten</source>
        <translation>The additional records</translation>
    </message>
    <message>
        <source>Das Löschen der Zusatzdaten von %1</source>
        <translation>Deleting the additional records of %1</translation>
    </message>
    <message>
        <source>Das Zurücksetzen der Zusatzdaten</source>
        <translation>Resetting the additional records</translation>
    </message>
    <message>
        <source>Das Löschen der Zusatzdaten</source>
        <translation>Deleting the additional records</translation>
    </message>
</context>
<context>
    <name>RecordsOpening</name>
    <message>
        <source>Die Zusatzdaten (Verbleib, Ausstellungsergebnisse, Erbanlagen) in %1</source>
        <translation>The additional records (whereabouts, show results, colour factors) in %1</translation>
    </message>
    <message>
        <source> Die Datei bleibt unverändert; die Zusatzdaten sind in diesem Programmlauf nicht verfügbar.</source>
        <translation> The file stays unchanged; the additional records are not available in this run of the program.</translation>
    </message>
    <message>
        <source> Die Datei bleibt unverändert.</source>
        <translation> The file stays unchanged.</translation>
    </message>
    <message>
        <source>%1 werden gerade von einem anderen Programm benutzt (%2).%3 Bitte beenden Sie das andere Programm und versuchen Sie es danach noch einmal.</source>
        <translation>%1 are in use by another program right now (%2).%3 Please close the other program and then try again.</translation>
    </message>
    <message>
        <source>%1 können nicht gelesen werden: %2.%3 Bitte prüfen Sie, ob Sie diese Datei lesen und ändern dürfen (Zugriffsrechte) und ob der Datenträger in Ordnung ist.</source>
        <translation>%1 cannot be read: %2.%3 Please check that you may read and change this file (access rights) and that the drive is in order.</translation>
    </message>
    <message>
        <source>%1 wurden mitten in einer Änderung verlassen; diese Änderung nimmt Avelor beim nächsten Start zurück.%2 Bitte starten Sie Avelor einmal und versuchen Sie es danach noch einmal.</source>
        <translation>%1 were left in the middle of a change; Avelor takes this change back at its next start.%2 Please start Avelor once and then try again.</translation>
    </message>
    <message>
        <source>%1 stammen von einer neueren Avelor-Version. Diese Version kann sie weder lesen noch ändern.%2 Bitte verwenden Sie die neuere Version des Programms.</source>
        <translation>%1 come from a newer version of Avelor. This version can neither read nor change them.%2 Please use the newer version of the program.</translation>
    </message>
    <message>
        <source>%1 geben eine Version an, die es nicht gibt (%2); Avelor kann sie weder lesen noch ändern.%3</source>
        <translation>%1 name a version that does not exist (%2); Avelor can neither read nor change them.%3</translation>
    </message>
    <message>
        <source>Die Datei %1 enthält keine Zusatzdaten von Avelor: %2.%3 Wird die Datei nicht mehr gebraucht, benennen Sie sie um oder verschieben Sie sie; dann legt Avelor beim nächsten Start eine neue an.</source>
        <translation>The file %1 holds no additional records of Avelor: %2.%3 If the file is no longer needed, rename or move it; Avelor then creates a new one at its next start.</translation>
    </message>
    <message>
        <source>%1 sind beschädigt und konnten nicht gelesen werden (%2).</source>
        <translation>%1 are damaged and could not be read (%2).</translation>
    </message>
    <message>
        <source>

Die Datei konnte nicht beiseitegelegt werden; die Zusatzdaten sind in diesem Programmlauf nicht verfügbar.</source>
        <translation>

The file could not be set aside; the additional records are not available in this run of the program.</translation>
    </message>
    <message>
        <source>

Die Datei wurde unverändert aufbewahrt als %1. Das Programm beginnt mit leeren Zusatzdaten.</source>
        <translation>

The file has been kept unchanged as %1. The program starts with empty additional records.</translation>
    </message>
    <message>
        <source>%1 können nicht angelegt werden, weil daneben noch %2 liegt und sich nicht beiseitelegen lässt. Die Zusatzdaten sind in diesem Programmlauf nicht verfügbar.</source>
        <translation>%1 cannot be created because %2 is still beside it and cannot be set aside. The additional records are not available in this run of the program.</translation>
    </message>
    <message>
        <source>%1 können nicht angelegt werden: %2. Die Zusatzdaten sind in diesem Programmlauf nicht verfügbar.</source>
        <translation>%1 cannot be created: %2. The additional records are not available in this run of the program.</translation>
    </message>
    <message>
        <source>%1 konnten nicht auf den Stand dieser Version gebracht werden: %2. Die Datei bleibt, wie sie war; die Zusatzdaten sind in diesem Programmlauf nicht verfügbar.</source>
        <translation>%1 could not be brought up to this version: %2. The file stays as it was; the additional records are not available in this run of the program.</translation>
    </message>
</context>
<context>
    <name>RecordsSchema</name>
    <message>
        <source>unbekannte Version %1</source>
        <translation>unknown version %1</translation>
    </message>
    <message>
        <source>Tabelle „%1“</source>
        <translation>table “%1”</translation>
    </message>
    <message>
        <source>Index „%1“</source>
        <translation>index “%1”</translation>
    </message>
    <message>
        <source>Spalte „%1“</source>
        <translation>column “%1”</translation>
    </message>
    <message>
        <source>der Aufbau der Version %1 ließ sich nicht herstellen</source>
        <translation>the structure of version %1 could not be created</translation>
    </message>
    <message>
        <source>%1 gehört nicht zu Version %2 der Zusatzdaten</source>
        <translation>%1 does not belong to version %2 of the additional records</translation>
    </message>
    <message>
        <source>%1 fehlt</source>
        <translation>%1 is missing</translation>
    </message>
</context>
<context>
    <name>ReportActions</name>
    <message>
        <source>Drucke %1</source>
        <extracomment>%1 names what is printed, in the accusative (e.g. &quot;den Abstammungsnachweis&quot;)</extracomment>
        <translation>Printing %1</translation>
    </message>
    <message>
        <source>Frage</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Es ist kein Drucker eingerichtet. Möchten Sie %1 stattdessen als PDF-Datei speichern?</source>
        <extracomment>%1 names what is printed, in the accusative (e.g. &quot;den Abstammungsnachweis&quot;)</extracomment>
        <translation>No printer is set up. Would you like to save %1 as a PDF file instead?</translation>
    </message>
    <message>
        <source>Es wurde nichts gedruckt. %1</source>
        <translation>Nothing was printed. %1</translation>
    </message>
    <message>
        <source>Als PDF speichern</source>
        <translation>Save as PDF</translation>
    </message>
    <message>
        <source>PDF-Dateien (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>Speichere die PDF-Datei</source>
        <translation>Saving the PDF file</translation>
    </message>
    <message>
        <source>Die Datei „%1“ konnte nicht gespeichert werden: %2</source>
        <translation>The file “%1” could not be saved: %2</translation>
    </message>
</context>
<context>
    <name>ReportPreview</name>
    <message>
        <source>Ganze Seite</source>
        <translation>Whole page</translation>
    </message>
    <message>
        <source>Seitenbreite</source>
        <translation>Page width</translation>
    </message>
    <message>
        <source>Druckvorschau</source>
        <translation>Print preview</translation>
    </message>
    <message>
        <source>Seite</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>Vorschau</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>◀ Vorige Seite</source>
        <translation>◀ Previous page</translation>
    </message>
    <message>
        <source>Nächste Seite ▶</source>
        <translation>Next page ▶</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>Zoom:</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Als PDF speichern</source>
        <translation>Save as PDF</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Seite %1 von %2</source>
        <translation>Page %1 of %2</translation>
    </message>
</context>
<context>
    <name>SafeWrite</name>
    <message>
        <source>Kein Speicherplatz mehr auf dem Gerät</source>
        <translation>No space left on the device</translation>
    </message>
    <message>
        <source>Speicherplatzkontingent überschritten</source>
        <translation>Disk quota exceeded</translation>
    </message>
    <message>
        <source>Datei zu groß</source>
        <translation>File too large</translation>
    </message>
    <message>
        <source>Zugriff verweigert</source>
        <translation>Access denied</translation>
    </message>
    <message>
        <source>Dateisystem nur lesbar</source>
        <translation>Read-only file system</translation>
    </message>
    <message>
        <source>Ein-/Ausgabefehler</source>
        <translation>Input/output error</translation>
    </message>
    <message>
        <source>Datei oder Verzeichnis nicht gefunden</source>
        <translation>No such file or directory</translation>
    </message>
    <message>
        <source>Ist ein Verzeichnis</source>
        <translation>Is a directory</translation>
    </message>
    <message>
        <source>Zu viele offene Dateien</source>
        <translation>Too many open files</translation>
    </message>
    <message>
        <source>Vorgang nicht zulässig</source>
        <translation>Operation not permitted</translation>
    </message>
    <message>
        <source>Nicht genug Speicherplatz</source>
        <translation>Not enough space</translation>
    </message>
    <message>
        <source>Keine Berechtigung</source>
        <translation>Permission denied</translation>
    </message>
    <message>
        <source>Die Datei konnte nicht geöffnet werden</source>
        <translation>The file could not be opened</translation>
    </message>
    <message>
        <source>Lesefehler</source>
        <translation>Read error</translation>
    </message>
    <message>
        <source>Die Datei konnte nicht ersetzt werden</source>
        <translation>The file could not be replaced</translation>
    </message>
    <message>
        <source>Schreibfehler</source>
        <translation>Write error</translation>
    </message>
    <message>
        <source>%1 (%2).</source>
        <extracomment>%1 is what went wrong, %2 the system&apos;s reason</extracomment>
        <translation>%1 (%2).</translation>
    </message>
</context>
<context>
    <name>SaveJournal</name>
    <message>
        <source>Die Datei %1 konnte nicht ersetzt werden: %2

Die bisherigen Dateien sind unverändert geblieben.</source>
        <translation>The file %1 could not be replaced: %2

The previous files have been left unchanged.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht ersetzt werden: %2

Die neuen Dateien sind vollständig gespeichert und werden beim nächsten Speichern oder Start an ihren Platz gebracht.</source>
        <translation>The file %1 could not be replaced: %2

The new files are saved completely and will be put in place at the next save or start.</translation>
    </message>
    <message>
        <source>Das letzte Speichern wurde unterbrochen und konnte nicht abgeschlossen werden: Die Datei %1 konnte nicht ersetzt werden: %2</source>
        <translation>The last save was interrupted and could not be completed: the file %1 could not be replaced: %2</translation>
    </message>
    <message>
        <source>Das letzte Speichern wurde unterbrochen, und die bisherige Datei %1 konnte nicht an ihren Platz zurückgebracht werden: %2</source>
        <translation>The last save was interrupted, and the previous file %1 could not be put back in its place: %2</translation>
    </message>
    <message>
        <source>Die Datei %1 des letzten Speicherns kann nicht gelesen werden: %2</source>
        <translation>The file %1 of the last save cannot be read: %2</translation>
    </message>
</context>
<context>
    <name>SelectorLists</name>
    <message>
        <source>%1 - %2 vom %3</source>
        <extracomment>a breeding pair: cock&apos;s ring, hen&apos;s ring, start of breeding</extracomment>
        <translation>%1 - %2 of %3</translation>
    </message>
</context>
<context>
    <name>SpeciesWords</name>
    <message>
        <source>Kanarienvogel</source>
        <translation>Canary</translation>
    </message>
    <message>
        <source>Kanarienvögel</source>
        <translation>Canaries</translation>
    </message>
    <message>
        <source>Kanarienvögelbestandsliste</source>
        <translation>Canary stock list</translation>
    </message>
    <message>
        <source>Avelor Abstammungsnachweis für Kanarienvögel</source>
        <translation>Avelor Pedigree Certificate for Canaries</translation>
    </message>
    <message>
        <source>Vogel (m) 1.0</source>
        <translation>Bird (m) 1.0</translation>
    </message>
    <message>
        <source>Vogel (w) 0.1</source>
        <translation>Bird (f) 0.1</translation>
    </message>
    <message>
        <source>Hecke</source>
        <translation>Breeding cage</translation>
    </message>
    <message>
        <source>Hahn (m)</source>
        <translation>Cock (m)</translation>
    </message>
    <message>
        <source>Henne (w)</source>
        <translation>Hen (f)</translation>
    </message>
</context>
<context>
    <name>SplashWindow</name>
    <message>
        <source>für Kanarienvögel</source>
        <translation>for canaries</translation>
    </message>
</context>
<context>
    <name>SqlStatement</name>
    <message>
        <source>die Datei wird gerade von einem anderen Programm benutzt</source>
        <translation>the file is in use by another program right now</translation>
    </message>
    <message>
        <source>eine unterbrochene Änderung wartet darauf, zurückgenommen zu werden</source>
        <translation>an interrupted change is waiting to be taken back</translation>
    </message>
    <message>
        <source>die Datei darf nicht geändert werden</source>
        <translation>the file may not be changed</translation>
    </message>
    <message>
        <source>keine Berechtigung</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>die Datei kann nicht geöffnet werden</source>
        <translation>the file cannot be opened</translation>
    </message>
    <message>
        <source>Lese- oder Schreibfehler des Datenträgers</source>
        <translation>read or write error of the drive</translation>
    </message>
    <message>
        <source>der Datenträger ist voll</source>
        <translation>the drive is full</translation>
    </message>
    <message>
        <source>die Datei ist beschädigt</source>
        <translation>the file is damaged</translation>
    </message>
    <message>
        <source>die Datei ist keine Datenbank</source>
        <translation>the file is not a database</translation>
    </message>
    <message>
        <source>nicht genug Arbeitsspeicher</source>
        <translation>not enough memory</translation>
    </message>
    <message>
        <source>ein Wert verletzt eine Regel der Datenbank</source>
        <translation>a value breaks a rule of the database</translation>
    </message>
    <message>
        <source>die Datenbank hat einen Fehler gemeldet</source>
        <translation>the database reported an error</translation>
    </message>
    <message>
        <source>Fehler der Datenbank</source>
        <translation>database error</translation>
    </message>
    <message>
        <source>%1 (SQLite: %2)</source>
        <extracomment>%1 is the reason in words, %2 the database&apos;s own English message</extracomment>
        <translation>%1 (SQLite: %2)</translation>
    </message>
</context>
<context>
    <name>StockDocument</name>
    <message>
        <source>„%1“ konnte nicht rückgängig gemacht werden: %2</source>
        <translation>“%1” could not be undone: %2</translation>
    </message>
    <message>
        <source>„%1“ konnte nicht wiederholt werden: %2</source>
        <translation>“%1” could not be redone: %2</translation>
    </message>
    <message>
        <source>Kanarienvogel %1 angelegt</source>
        <translation>Canary %1 entered</translation>
    </message>
    <message>
        <source>%1 Kanarienvögel angelegt, %2 bis %3</source>
        <translation>%1 canaries entered, %2 to %3</translation>
    </message>
    <message>
        <source>Kanarienvogel %1 geändert</source>
        <translation>Canary %1 changed</translation>
    </message>
    <message>
        <source>Kanarienvogel %1 gelöscht</source>
        <translation>Canary %1 deleted</translation>
    </message>
    <message>
        <source>Ausstellungsergebnis von %1 eingetragen</source>
        <translation>Show result of %1 entered</translation>
    </message>
    <message>
        <source>Ausstellungsergebnis von %1 geändert</source>
        <translation>Show result of %1 changed</translation>
    </message>
    <message>
        <source>Ausstellungsergebnis von %1 gelöscht</source>
        <translation>Show result of %1 deleted</translation>
    </message>
    <message>
        <source>Eltern von %1 gespeichert</source>
        <translation>Parents of %1 saved</translation>
    </message>
    <message>
        <source>Bestand sortiert</source>
        <translation>Stock sorted</translation>
    </message>
    <message>
        <source>Züchterdaten geändert</source>
        <translation>Breeder data changed</translation>
    </message>
    <message>
        <source>Druckeinstellungen geändert</source>
        <translation>Print settings changed</translation>
    </message>
    <message>
        <source>Bild von %1 gespeichert</source>
        <translation>Picture of %1 saved</translation>
    </message>
    <message>
        <source>Bild von %1 entfernt</source>
        <translation>Picture of %1 removed</translation>
    </message>
    <message>
        <source>Dieses Zuchtpaar gibt es nicht mehr.</source>
        <translation>This breeding pair no longer exists.</translation>
    </message>
    <message>
        <source>Dieses Gelege gibt es nicht mehr.</source>
        <translation>This clutch no longer exists.</translation>
    </message>
    <message>
        <source>Zuchtpaar %1 × %2 angelegt</source>
        <translation>Breeding pair %1 × %2 entered</translation>
    </message>
    <message>
        <source>Zuchtpaar %1 × %2 geändert</source>
        <translation>Breeding pair %1 × %2 changed</translation>
    </message>
    <message>
        <source>Zuchtpaar %1 × %2 gelöscht</source>
        <translation>Breeding pair %1 × %2 deleted</translation>
    </message>
    <message>
        <source>Gelege angelegt</source>
        <translation>Clutch entered</translation>
    </message>
    <message>
        <source>Gelege geändert</source>
        <translation>Clutch changed</translation>
    </message>
    <message>
        <source>Gelege gelöscht</source>
        <translation>Clutch deleted</translation>
    </message>
    <message>
        <source>Dieses Ei gibt es nicht mehr.</source>
        <translation>This egg no longer exists.</translation>
    </message>
    <message>
        <source>Jungvogel %1 beringt</source>
        <translation>Young bird %1 ringed</translation>
    </message>
    <message>
        <source>Angaben zum Ei gelöscht</source>
        <translation>Egg details deleted</translation>
    </message>
    <message>
        <source>Jungvogel %1 entfernt</source>
        <translation>Young bird %1 removed</translation>
    </message>
</context>
<context>
    <name>StockFile</name>
    <message>
        <source>negative Anzahl %1</source>
        <translation>negative count %1</translation>
    </message>
</context>
<context>
    <name>StockImport</name>
    <message>
        <source>„%1“ in „%2“ ist kein Datum wie 05.03.2024.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Verbleib „%1“ ist unbekannt (erwartet: im Bestand, verkauft, abgegeben, verstorben oder entflogen).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Preis „%1“ ist kein Betrag wie 45,50.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 auf %2 Zeichen gekürzt: „%3“</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Ringnummer „%1“ (%2) ist länger als %3 Zeichen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Geschlecht „%1“ ist unbekannt (erwartet: 1.0 oder 0.1, m oder w, Hahn oder Henne).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Geburtsjahr „%1“ liegt nicht zwischen 1900 und 2100.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>„%1“ in „Verkauft“ ist weder ja noch nein.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 würde sein eigener Vorfahr.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 neu, %2 geändert, %3 unverändert, %4 fehlerhaft</source>
        <translation type="unfinished">%1 new, %2 changed, %3 unchanged, %4 with errors</translation>
    </message>
    <message>
        <source>Die Ringnummer ist leer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Ringnummer „%1“ ist länger als %2 Zeichen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Ringnummer %1 steht schon in Zeile %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ist nicht im Bestand.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Name der Schau fehlt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>„%1“ sind keine Punkte von 0 bis 100 in halben Punkten.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>„%1“ ist keine Nummer einer Kollektion.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dieses Ergebnis steht schon in Zeile %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solange eine Zeile fehlerhaft ist, wird nichts importiert.</source>
        <translation type="unfinished">Nothing is imported while a row has an error.</translation>
    </message>
    <message>
        <source>Die Prüfung wurde abgebrochen; es wurde nichts importiert.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei bringt nichts Neues.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ausstellungsergebnisse importiert: %1 neu, %2 geändert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bestand importiert: %1 neu, %2 geändert</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StockListCommands</name>
    <message>
        <source>die Bestandsliste</source>
        <translation>the stock list</translation>
    </message>
    <message>
        <source>Kanarienvögelbestandsliste</source>
        <translation>Canary stock list</translation>
    </message>
    <message>
        <source>Geben Sie Ihrer Bestandsliste einen Namen</source>
        <translation>Give your stock list a name</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde erfolgreich erstellt und enthält nun alle Kanarienvögel der aktuellen Kanarienvögelbestandsliste.</source>
        <translation>The file %1 has been created and now holds all canaries of the current canary stock list.</translation>
    </message>
    <message>
        <source>Bestand als CSV-Datei speichern</source>
        <translation>Save the stock as a CSV file</translation>
    </message>
    <message>
        <source>Bestand.csv</source>
        <translation>Stock.csv</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde erstellt und enthält alle Kanarienvögel des Bestands.</source>
        <translation>The file %1 has been created and holds all canaries of the stock.</translation>
    </message>
</context>
<context>
    <name>StockListPanel</name>
    <message>
        <source>Wie soll die Kanarienvögelbestandsliste sortiert sein?</source>
        <translation>How should the canary stock list be sorted?</translation>
    </message>
    <message>
        <source>Liste zum Ausdrucken generieren</source>
        <translation>Make the list for printing</translation>
    </message>
    <message>
        <source>Export in HTML-Datei</source>
        <translation>Export to an HTML file</translation>
    </message>
    <message>
        <source>Export in CSV-Datei (Tabellenkalkulation)</source>
        <translation>Export to a CSV file (spreadsheet)</translation>
    </message>
    <message>
        <source>Ausgabe:</source>
        <translation>Output:</translation>
    </message>
    <message>
        <source>nach Ringnummer</source>
        <translation>by ring number</translation>
    </message>
    <message>
        <source>nach Geburtsjahr</source>
        <translation>by year of birth</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>SystemPrinter</name>
    <message>
        <source>Der Drucker „%1“ kann nicht benutzt werden.</source>
        <translation>The printer “%1” cannot be used.</translation>
    </message>
    <message>
        <source>Der Drucker hat die nächste Seite nicht angenommen.</source>
        <translation>The printer did not accept the next page.</translation>
    </message>
    <message>
        <source>Der Druckauftrag ist fehlgeschlagen.</source>
        <translation>The print job failed.</translation>
    </message>
</context>
<context>
    <name>TextRules</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; is not a valid integer value</translation>
    </message>
</context>
<context>
    <name>UndoButtons</name>
    <message>
        <source>Rückgängig</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Wiederholen</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Rückgängig: %1</source>
        <translation>Undo: %1</translation>
    </message>
    <message>
        <source>Wiederholen: %1</source>
        <translation>Redo: %1</translation>
    </message>
</context>
<context>
    <name>UsbBackupDialog</name>
    <message>
        <source>Backup auf USB-Stick oder ext. Festplatte</source>
        <translation>Backup to a USB stick or external disk</translation>
    </message>
    <message>
        <source>Mit dieser Funktion können Sie Ihr Backup auf einen USB-Stick oder eine externe Festplatte speichern.

Wählen Sie einfach das Laufwerk aus auf welches das Backup gespeichert werden soll.

Sie benötigen Schreibrechte auf dem ausgewählten Laufwerk.</source>
        <translation>With this function you can save your backup to a USB stick or an external disk.

Just choose the drive the backup is to be saved to.

You need write access to the chosen drive.</translation>
    </message>
    <message>
        <source>Backup auf &quot;%1&quot; ausführen</source>
        <translation>Back up to &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Die Bilder werden gesichert</source>
        <translation>Backing up the pictures</translation>
    </message>
    <message>
        <source>Fehler bei der Datensicherung auf USB-Stick oder externer Festplatte.</source>
        <translation>Error while backing up to the USB stick or external disk.</translation>
    </message>
</context>
<context>
    <name>UsbRestoreDialog</name>
    <message>
        <source>Backup von USB-Stick oder ext. Festplatte holen</source>
        <translation>Restore a backup from a USB stick or external disk</translation>
    </message>
    <message>
        <source>Mit dieser Funktion können Sie Ihr Backup von einem USB-Stick oder einer externen Festplatte holen.

Wählen Sie einfach das Laufwerk aus auf welchem sich das Backup befindet.

Sie benötigen Leserechte auf dem ausgewählten Laufwerk.</source>
        <translation>With this function you can restore your backup from a USB stick or an external disk.

Just choose the drive the backup is on.

You need read access to the chosen drive.</translation>
    </message>
    <message>
        <source>Backup von &quot;%1&quot; holen</source>
        <translation>Restore backup from &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Sicherheitsabfrage</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>Beim Rückholen des Backups wird der auf dem Rechner befindliche Stand überschrieben.
<byte value="xd"/>Soll das Backup wirklich vom USB-Stick bzw. Festplatte zurückgeholt werden?</source>
        <translation>Restoring the backup overwrites the data on this computer.
</translation>
    </message>
    <message>
        <source>Die Bilder werden zurückgeholt</source>
        <translation>Restoring the pictures</translation>
    </message>
    <message>
        <source>Fehler beim Zurückholen der Datensicherung.</source>
        <translation>Error while restoring the backup.</translation>
    </message>
</context>
<context>
    <name>WipeDatabaseDialog</name>
    <message>
        <source>neu</source>
        <comment>word typed to confirm the wipe</comment>
        <translation>new</translation>
    </message>
    <message>
        <source>Komplette Datenbank löschen und neu anfangen</source>
        <translation>Delete the whole database and start afresh</translation>
    </message>
    <message>
        <source>! ! ! A C H T U N G ! ! !</source>
        <translation>! ! ! A T T E N T I O N ! ! !</translation>
    </message>
    <message>
        <source>Wenn Sie die komplette Datenbank löschen fangen Sie komplett neu an. Alle Kanarienvögel und alle Zuchtpaare sind verloren (sofern Sie kein Backup erstellt haben).

Wenn Sie sicher sind und wissen was Sie tun dann schreiben Sie das Wort &quot;%1&quot; bitte in das unten stehende Feld und klicken anschließend auf OK!</source>
        <extracomment>%1 is the word the breeder types to confirm</extracomment>
        <translation>If you delete the whole database, you start completely afresh. All canaries and all breeding pairs are lost (unless you have made a backup).

If you are sure and know what you are doing, please type the word &quot;%1&quot; into the field below and then click OK!</translation>
    </message>
    <message>
        <source>Bestätigungswort</source>
        <translation>Confirmation word</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Die Datenbank wurde gelöscht. Was bis dahin geändert wurde, lässt sich nicht mehr rückgängig machen.</source>
        <translation>The database has been deleted. Changes made before can no longer be undone.</translation>
    </message>
</context>
</TS>
