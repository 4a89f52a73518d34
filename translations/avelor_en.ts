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
    <message>
        <source>%1 ist dominant und zeigt sich immer; verdeckt tragen kann es kein Vogel.</source>
        <translation>%1 is dominant and always shows; no bird can carry it hidden.</translation>
    </message>
    <message>
        <source>%1: an einem Genort hat ein Vogel nur zwei Anlagen.</source>
        <translation>%1: a bird has only two factors at one locus.</translation>
    </message>
    <message>
        <source>„doppelfaktorig“ gibt es nur bei dominanten Anlagen, nicht bei %1.</source>
        <translation>“double factor” exists only for dominant factors, not for %1.</translation>
    </message>
    <message>
        <source>Eine Henne kann %1 nicht verdeckt tragen: es wird geschlechtsgebunden vererbt.</source>
        <translation>A hen cannot carry %1 hidden: it is inherited sex-linked.</translation>
    </message>
    <message>
        <source>Eine Henne zeigt %1 und %2 nicht zugleich: beide liegen am selben Genort ihres einen Z-Chromosoms.</source>
        <translation>A hen does not show %1 and %2 together: both lie at the same locus of her single Z chromosome.</translation>
    </message>
    <message>
        <source>%1 liegen am selben Genort; ein Vogel hat dort nur zwei Anlagen, und sichtbar ist nur die stärkere (etwa „achat,/satinet“).</source>
        <translation>%1 lie at the same locus; a bird has only two factors there, and only the stronger one shows (e.g. “achat,/satinet”).</translation>
    </message>
    <message>
        <source>Ein Vogel, der %1 trägt, zeigt nicht %2.</source>
        <translation>A bird carrying %1 does not show %2.</translation>
    </message>
    <message>
        <source>%1 und %2</source>
        <translation>%1 and %2</translation>
    </message>
    <message>
        <source>In „%1“ fehlt der Name einer Anlage.</source>
        <translation>The name of a factor is missing in “%1”.</translation>
    </message>
    <message>
        <source>Unbekannte Anlage „%1“. Bekannt sind: %2.</source>
        <translation>Unknown factor “%1”. Known are: %2.</translation>
    </message>
    <message>
        <source>„%1“ ist zugleich sichtbar und spalterbig angegeben.</source>
        <translation>“%1” is given as visual and split at once.</translation>
    </message>
    <message>
        <source>„%1“ ist doppelt angegeben.</source>
        <translation>“%1” is given twice.</translation>
    </message>
    <message>
        <source>„%1“ ist mehr als zweimal angegeben.</source>
        <translation>“%1” is given more than twice.</translation>
    </message>
    <message>
        <source>Doppelfaktorig %1 ist nicht lebensfähig; ein solcher Vogel kann kein Elterntier sein.</source>
        <translation>Double factor %1 is not viable; such a bird cannot be a parent.</translation>
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
    <name>AnimalRecords</name>
    <message>
        <source>Das Jahr der Ringe muss zwischen 1900 und 9999 liegen.</source>
        <translation>The year of the rings must be between 1900 and 9999.</translation>
    </message>
    <message>
        <source>Der letzte Ring darf nicht vor dem ersten liegen.</source>
        <translation>The last ring must not come before the first.</translation>
    </message>
    <message>
        <source>Eine Lieferung umfasst höchstens 99 999 Ringe.</source>
        <translation>A delivery holds at most 99,999 rings.</translation>
    </message>
    <message>
        <source>Die Nummer %1 hat mehr als %2 Stellen.</source>
        <translation>The number %1 has more than %2 digits.</translation>
    </message>
    <message>
        <source>Diese Ringe überschneiden sich mit der Lieferung %1 bis %2 (%3).</source>
        <extracomment>%1 and %2 the first and last ring of a delivery entered before, %3 its year</extracomment>
        <translation>These rings overlap the delivery %1 to %2 (%3).</translation>
    </message>
    <message>
        <source>Hahn</source>
        <translation>Cock</translation>
    </message>
    <message>
        <source>Henne</source>
        <translation>Hen</translation>
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
    <name>Backup</name>
    <message>
        <source>„%1“ kann nicht gelesen werden: %2</source>
        <translation>“%1” cannot be read: %2</translation>
    </message>
    <message>
        <source>„%1“ ist beschädigt (%2).</source>
        <translation>“%1” is damaged (%2).</translation>
    </message>
    <message>
        <source>Der Ordner „%1“ konnte nicht angelegt werden.</source>
        <translation>The folder “%1” could not be created.</translation>
    </message>
    <message>
        <source>„%1“ konnte nicht geschrieben werden: %2</source>
        <translation>“%1” could not be written: %2</translation>
    </message>
    <message>
        <source>„%1“ gibt es nicht.</source>
        <translation>“%1” does not exist.</translation>
    </message>
    <message>
        <source>Die bisherigen Daten konnten nicht gesichert werden, darum wurde nichts zurückgeholt: %1</source>
        <translation>The current data could not be backed up, so nothing was restored: %1</translation>
    </message>
    <message>
        <source>%1 Die Daten und Bilder sind unverändert geblieben.</source>
        <extracomment>%1 says why the pictures were not restored</extracomment>
        <translation>%1 The data and pictures have been left unchanged.</translation>
    </message>
    <message>
        <source>Das Zurückholen der Bilder wurde abgebrochen.</source>
        <translation>Restoring the pictures was cancelled.</translation>
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
    <name>BreederDataDialog</name>
    <message>
        <source>Züchterdaten</source>
        <translation>Breeder data</translation>
    </message>
    <message>
        <source>Geben Sie hier Ihre Züchterdaten ein. Diese
werden für den Kopf des Abstammungs-
nachweises benötigt.</source>
        <translation>Enter your breeder data here. They
are needed for the heading of the pedigree
certificate.</translation>
    </message>
    <message>
        <source>Vorname:</source>
        <translation>First name:</translation>
    </message>
    <message>
        <source>Nachname:</source>
        <translation>Last name:</translation>
    </message>
    <message>
        <source>Anschrift:</source>
        <translation>Address:</translation>
    </message>
    <message>
        <source>PLZ &amp;&amp; Wohnort:</source>
        <translation>Postcode &amp;&amp; town:</translation>
    </message>
    <message>
        <source>Telefon:</source>
        <translation>Phone:</translation>
    </message>
    <message>
        <source>Züchternummer:</source>
        <translation>Breeder number:</translation>
    </message>
    <message>
        <source>Vereinsnummer:</source>
        <translation>Club number:</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
</context>
<context>
    <name>BreedingCalendar</name>
    <message>
        <source>Schieren</source>
        <translation>Candling</translation>
    </message>
    <message>
        <source>Schlupf</source>
        <translation>Hatching</translation>
    </message>
    <message>
        <source>Beringen</source>
        <translation>Ringing</translation>
    </message>
    <message>
        <source>Absetzen</source>
        <translation>Weaning</translation>
    </message>
</context>
<context>
    <name>BreedingCalendarWindow</name>
    <message>
        <source>Zuchtkalender</source>
        <translation>Breeding calendar</translation>
    </message>
    <message>
        <source>Ein Doppelklick öffnet das Zuchtpaar in der Nachwuchsverwaltung</source>
        <translation>A double click opens the breeding pair in breeding and young</translation>
    </message>
    <message>
        <source>Fällige Arbeiten</source>
        <translation>Tasks due</translation>
    </message>
    <message>
        <source>&amp;Drucken…</source>
        <translation>&amp;Print…</translation>
    </message>
    <message>
        <source>Gerechnet wird mit</source>
        <translation>Calculated with</translation>
    </message>
    <message>
        <source>&amp;Schieren nach Brutbeginn:</source>
        <translation>&amp;Candling after the start of incubation:</translation>
    </message>
    <message>
        <source>Sch&amp;lupf nach Brutbeginn:</source>
        <translation>&amp;Hatching after the start of incubation:</translation>
    </message>
    <message>
        <source>&amp;Beringen nach dem Schlupf:</source>
        <translation>&amp;Ringing after hatching:</translation>
    </message>
    <message>
        <source>&amp;Absetzen nach dem Schlupf:</source>
        <translation>&amp;Weaning after hatching:</translation>
    </message>
    <message>
        <source>&amp;Vorschau:</source>
        <translation>&amp;Preview:</translation>
    </message>
    <message>
        <source> Tage</source>
        <translation> days</translation>
    </message>
    <message>
        <source>Stand %1: %2 überfällig, %3 bis zum %4 fällig.</source>
        <extracomment>%1 today, %2 overdue tasks, %3 tasks due until the date %4</extracomment>
        <translation>As of %1: %2 overdue, %3 due by %4.</translation>
    </message>
    <message>
        <source>den Zuchtkalender</source>
        <translation>the breeding calendar</translation>
    </message>
    <message>
        <source>Zu wenig Ringe: noch %1 frei für %2 Eier, die einen Ring brauchen werden.</source>
        <extracomment>%1 free rings of this year, %2 eggs that will need a ring</extracomment>
        <translation>Too few rings: %1 left for %2 eggs that will need a ring.</translation>
    </message>
</context>
<context>
    <name>BreedingDialog</name>
    <message>
        <source>Wann wurde die Zucht gestartet?</source>
        <translation>When did breeding start?</translation>
    </message>
    <message>
        <source>Nr des Zuchtkäfigs?</source>
        <translation>Number of the breeding cage?</translation>
    </message>
    <message>
        <source>Wer ist der Vater?</source>
        <translation>Who is the father?</translation>
    </message>
    <message>
        <source>Wer ist die Mutter?</source>
        <translation>Who is the mother?</translation>
    </message>
    <message>
        <source>&lt;i&gt;im Format TT.MM.JJJJ&lt;/i&gt;</source>
        <translation>&lt;i&gt;in the form DD.MM.YYYY&lt;/i&gt;</translation>
    </message>
    <message>
        <source>Nachwuchsverwaltung</source>
        <translation>Breeding and young</translation>
    </message>
    <message>
        <source>Hier können Sie Daten zu Zuchtpaaren hinterlegen, Gelege eingeben und das Beringen der Jungvögel vornehmen. Die Daten sind relevant für die Zuchtdatei. Um Hilfe zu erhalten einfach mit der Maus über das entsprechende Feld gehen.</source>
        <translation>Here you can keep the data of breeding pairs, enter clutches and ring the young. The data belong to the breeding file. For help, just move the mouse over a field.</translation>
    </message>
    <message>
        <source>Neues Zuchtpaar anlegen</source>
        <translation>Enter a new breeding pair</translation>
    </message>
    <message>
        <source>Zuchtpaar anzeigen/bearbeiten</source>
        <translation>Show/edit breeding pair</translation>
    </message>
    <message>
        <source>Zuchtbeginn:</source>
        <translation>Start of breeding:</translation>
    </message>
    <message>
        <source>Hecke:</source>
        <translation>Breeding cage:</translation>
    </message>
    <message>
        <source>Vogel (m) 1.0:</source>
        <translation>Bird (m) 1.0:</translation>
    </message>
    <message>
        <source>Vogel (w) 0.1:</source>
        <translation>Bird (f) 0.1:</translation>
    </message>
    <message>
        <source>Zuchtpaar anlegen</source>
        <translation>Enter breeding pair</translation>
    </message>
    <message>
        <source>Speichert das aktuell eingegebene Zuchtpaar.
Gelege können im nächsten Schritt eingegeben
werden.</source>
        <translation>Saves the breeding pair just entered.
Clutches can be entered in the next
step.</translation>
    </message>
    <message>
        <source>Farben der Jungen:</source>
        <translation>Colours of the young:</translation>
    </message>
    <message>
        <source>Welches Zuchtpaar soll angezeigt bzw. bearbeitet werden?</source>
        <translation>Which breeding pair should be shown or edited?</translation>
    </message>
    <message>
        <source>Keine Gelege auswählbar? 
Dann ein neues Gelege anlegen.</source>
        <translation>No clutch to choose? 
Then enter a new clutch.</translation>
    </message>
    <message>
        <source>Neues Gelege anlegen</source>
        <translation>Enter a new clutch</translation>
    </message>
    <message>
        <source>Legt ein neues Gelege dieses Zuchtpaares an.</source>
        <translation>Enters a new clutch of this breeding pair.</translation>
    </message>
    <message>
        <source>Zuchtpaar auswählen:</source>
        <translation>Choose breeding pair:</translation>
    </message>
    <message>
        <source>Farben der &amp;Jungen…</source>
        <translation>Colours of the &amp;young…</translation>
    </message>
    <message>
        <source>Zeigt, welche Farben die Jungen dieses Paares erwarten lassen</source>
        <translation>Shows which colours to expect in the young of this pair</translation>
    </message>
    <message>
        <source>Bitte zuerst Hahn und Henne wählen.</source>
        <translation>Please choose cock and hen first.</translation>
    </message>
    <message>
        <source>Gelege auswählen:</source>
        <translation>Choose clutch:</translation>
    </message>
    <message>
        <source>Zuchtpaar speichern</source>
        <translation>Save breeding pair</translation>
    </message>
    <message>
        <source>Speichert die Änderungen zum Zuchtpaar</source>
        <translation>Saves the changes to the breeding pair</translation>
    </message>
    <message>
        <source>Zuchtpaar löschen</source>
        <translation>Delete breeding pair</translation>
    </message>
    <message>
        <source>Löscht das Zuchtpaar sowie deren Gelege und Eier. 
Evtl. daraus vorgegangene Jungtiere werden dabei 
nicht gelöscht.</source>
        <translation>Deletes the breeding pair with its clutches and eggs. 
Young birds from them are 
not deleted.</translation>
    </message>
    <message>
        <source>Gelege:</source>
        <translation>Clutch:</translation>
    </message>
    <message>
        <source>Wieviele Eier wurden mit diesem Gelege gelegt?</source>
        <translation>How many eggs were laid in this clutch?</translation>
    </message>
    <message>
        <source>Wann wurde das erste Ei, dass durch ein Kunststoffei ersetzt wird gelegt?</source>
        <translation>When was the first egg laid (the one replaced by a dummy egg)?</translation>
    </message>
    <message>
        <source>Wann wurde das letzte Ei des Geleges gelegt?</source>
        <translation>When was the last egg of the clutch laid?</translation>
    </message>
    <message>
        <source>Wann wurden die Kunststoffeier durch die Gelege ersetzt (=Brutbeginn)?</source>
        <translation>When were the dummy eggs replaced by the clutch (= start of incubation)?</translation>
    </message>
    <message>
        <source>Anzahl Eier:</source>
        <translation>Number of eggs:</translation>
    </message>
    <message>
        <source>Datum Erstes Ei:</source>
        <translation>Date of first egg:</translation>
    </message>
    <message>
        <source>Datum Letztes Ei:</source>
        <translation>Date of last egg:</translation>
    </message>
    <message>
        <source>Datum Gelege gesetzt:</source>
        <translation>Date clutch set:</translation>
    </message>
    <message>
        <source>Gelege löschen</source>
        <translation>Delete clutch</translation>
    </message>
    <message>
        <source>Löscht das Gelege aus der Datenbank. 
Evtl. eingetragene Eier gehen dabei verloren.

Die Jungvögel die bei der Beringung angelegt wurden bleiben erhalten.</source>
        <translation>Deletes the clutch from the database. 
Eggs entered for it are lost.

The young birds entered when ringing are kept.</translation>
    </message>
    <message>
        <source>Gelege speichern</source>
        <translation>Save clutch</translation>
    </message>
    <message>
        <source>Speichert das Gelege und alle Änderungen darin.</source>
        <translation>Saves the clutch and all changes in it.</translation>
    </message>
    <message>
        <source>Sind Hahn und Henne gewählt, stehen hier die Farben ihrer Jungen.</source>
        <translation>Once cock and hen are chosen, the colours of their young appear here.</translation>
    </message>
    <message>
        <source>Inzuchtkoeffizient der Jungen: %1</source>
        <translation>Inbreeding coefficient of the young: %1</translation>
    </message>
    <message>
        <source>eng verwandt</source>
        <translation>closely related</translation>
    </message>
    <message>
        <source>eng verwandt (%1)</source>
        <translation>closely related (%1)</translation>
    </message>
    <message>
        <source>Frage</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Hahn %1 und Henne %2 sind %3: Die Jungen hätten einen Inzuchtkoeffizienten von %4.

Trotzdem als Zuchtpaar speichern?</source>
        <translation>Cock %1 and hen %2 are %3: the young would have an inbreeding coefficient of %4.

Save as a breeding pair anyway?</translation>
    </message>
    <message>
        <source>Das Zuchtpaar wurde gespeichert. Wählen Sie es nun aus um Gelege einzugeben.</source>
        <translation>The breeding pair has been saved. Now choose it to enter clutches.</translation>
    </message>
    <message>
        <source>Bitte wählen Sie zunächst das Zuchtpaar aus, das Sie bearbeiten möchten.</source>
        <translation>Please first choose the breeding pair you want to edit.</translation>
    </message>
    <message>
        <source>Das Zuchtpaar wurde gespeichert.</source>
        <translation>The breeding pair has been saved.</translation>
    </message>
    <message>
        <source>Bitte wählen Sie zunächst das Zuchtpaar aus, das Sie löschen möchten.</source>
        <translation>Please first choose the breeding pair you want to delete.</translation>
    </message>
    <message>
        <source>Wählen Sie zunächst das Zuchtpaar aus, dessen Gelege Sie anlegen möchten.</source>
        <translation>First choose the breeding pair whose clutch you want to enter.</translation>
    </message>
</context>
<context>
    <name>BreedingRules</name>
    <message>
        <source>Ungültiges Zuchtbeginn-Datum!</source>
        <translation>Invalid start-of-breeding date!</translation>
    </message>
    <message>
        <source>Ungültige Heckennummer!</source>
        <translation>Invalid breeding cage number!</translation>
    </message>
    <message>
        <source>Bitte Vogel (m) 1.0 auswählen!</source>
        <translation>Please choose bird (m) 1.0!</translation>
    </message>
    <message>
        <source>Bitte Vogel (w) 0.1 auswählen!</source>
        <translation>Please choose bird (f) 0.1!</translation>
    </message>
    <message>
        <source>Gelege %1</source>
        <translation>Clutch %1</translation>
    </message>
    <message>
        <source>Ungültiges Datum bei Erstes Ei!</source>
        <translation>Invalid date of the first egg!</translation>
    </message>
    <message>
        <source>Ungültige Anzahl Eier!</source>
        <translation>Invalid number of eggs!</translation>
    </message>
    <message>
        <source>Ungültiges Datum bei Letztes Ei!</source>
        <translation>Invalid date of the last egg!</translation>
    </message>
    <message>
        <source>Ungültiges Datum bei Gelege Gesetzt!</source>
        <translation>Invalid date of clutch set!</translation>
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
        <source>Bitte das Geschlecht angeben.</source>
        <translation>Please enter the sex.</translation>
    </message>
    <message>
        <source>Bitte das abgesetzt-Datum richtig angeben.</source>
        <translation>Please enter a valid weaning date.</translation>
    </message>
    <message>
        <source>Bitte das Schlupf-Datum richtig angeben.</source>
        <translation>Please enter a valid hatching date.</translation>
    </message>
    <message>
        <source>Die Beringung des Ei&apos;s wurde gelöscht.
<byte value="xd"/>
<byte value="xd"/>Außerdem wurde der Vogel mit der Ringnummer %1 und die Elternbeziehungen ebenfalls wieder entfernt.<byte value="xd"/>
<byte value="xd"/>
Es kann nun eine neue Ringnummer zu diesem Ei angelegt werden.</source>
        <translation>The ringing of the egg has been deleted.
</translation>
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
    <name>CageCardDialog</name>
    <message>
        <source>Käfigkarten</source>
        <translation>Cage cards</translation>
    </message>
    <message>
        <source>&amp;Zuchtpaare:</source>
        <translation>Breeding &amp;pairs:</translation>
    </message>
    <message>
        <source>Eine Karte für jeden Zuchtkäfig mit Hahn, Henne, Gelegen und ihren Tagen</source>
        <translation>One card for each breeding cage with cock, hen, clutches and their days</translation>
    </message>
    <message>
        <source>Die Zuchtpaare, deren Karten gedruckt werden</source>
        <translation>The breeding pairs whose cards are printed</translation>
    </message>
    <message>
        <source>Zuchtpaare</source>
        <translation>Breeding pairs</translation>
    </message>
    <message>
        <source>&amp;Alle</source>
        <translation>&amp;All</translation>
    </message>
    <message>
        <source>&amp;Keine</source>
        <translation>&amp;None</translation>
    </message>
    <message>
        <source>&amp;Einzelne Vögel, eine Ringnummer je Zeile:</source>
        <translation>&amp;Single birds, one ring number per line:</translation>
    </message>
    <message>
        <source>Eine Karte für jeden Vogel mit Ring, Geschlecht, Jahrgang, Farbe, Rasse und Eltern</source>
        <translation>One card for each bird with ring, sex, year, colour, breed and parents</translation>
    </message>
    <message>
        <source>Die Ringnummern der Vögel, eine je Zeile</source>
        <translation>The birds&apos; ring numbers, one per line</translation>
    </message>
    <message>
        <source>Ringnummern</source>
        <translation>Ring numbers</translation>
    </message>
    <message>
        <source>Wie groß die Karten sind und wie viele auf ein A4-Blatt passen</source>
        <translation>How large the cards are and how many fit on an A4 sheet</translation>
    </message>
    <message>
        <source>&amp;Größe:</source>
        <translation>Si&amp;ze:</translation>
    </message>
    <message>
        <source>&amp;Vorschau</source>
        <translation>&amp;Preview</translation>
    </message>
    <message>
        <source>Die Karten in der Druckvorschau: drucken, als PDF oder PNG speichern</source>
        <translation>The cards in the print preview: print, save as PDF or PNG</translation>
    </message>
    <message>
        <source>Bitte wählen Sie mindestens ein Zuchtpaar aus.</source>
        <translation>Please choose at least one breeding pair.</translation>
    </message>
    <message>
        <source>Die Ringnummer „%1“ ist nicht im Bestand.</source>
        <translation>The ring number “%1” is not in the stock.</translation>
    </message>
    <message>
        <source>Bitte geben Sie mindestens eine Ringnummer ein.</source>
        <translation>Please enter at least one ring number.</translation>
    </message>
    <message>
        <source>die Käfigkarten</source>
        <translation>the cage cards</translation>
    </message>
    <message>
        <source>Käfigkarten</source>
        <comment>file name of the printed cage cards</comment>
        <translation>Cage cards</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>CageCardReport</name>
    <message>
        <source>Hahn</source>
        <translation>Cock</translation>
    </message>
    <message>
        <source>Henne</source>
        <translation>Hen</translation>
    </message>
    <message>
        <source>Geschlecht unbekannt</source>
        <translation>Sex unknown</translation>
    </message>
    <message>
        <source>nicht im Bestand</source>
        <translation>not in the stock</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A bird&apos;s colour and breed on one line of the cage card.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>The breeding cage&apos;s word (as &quot;Hecke&quot;) and its number, the title of a pair&apos;s cage card.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Hahn: %1</source>
        <translation>Cock: %1</translation>
    </message>
    <message>
        <source>Henne: %1</source>
        <translation>Hen: %1</translation>
    </message>
    <message>
        <source>Zuchtbeginn: %1</source>
        <translation>Start of breeding: %1</translation>
    </message>
    <message>
        <source>%1, Jahrgang %2</source>
        <extracomment>The sex and the year of hatching on a bird&apos;s cage card.</extracomment>
        <translation>%1, hatched %2</translation>
    </message>
    <message>
        <source>Farbe: %1</source>
        <translation>Colour: %1</translation>
    </message>
    <message>
        <source>Rasse: %1</source>
        <translation>Breed: %1</translation>
    </message>
    <message>
        <source>Vater: %1</source>
        <translation>Father: %1</translation>
    </message>
    <message>
        <source>Mutter: %1</source>
        <translation>Mother: %1</translation>
    </message>
    <message>
        <source>Gelege</source>
        <translation>Clutch</translation>
    </message>
    <message>
        <source>1. Ei</source>
        <translation>1st egg</translation>
    </message>
    <message>
        <source>Schieren</source>
        <translation>Candling</translation>
    </message>
    <message>
        <source>Schlupf</source>
        <translation>Hatching</translation>
    </message>
    <message>
        <source>Beringen</source>
        <translation>Ringing</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>The rings of one clutch&apos;s young: the clutch&apos;s number, then the rings.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Junge: %1</source>
        <translation>Young: %1</translation>
    </message>
    <message>
        <source>Notizen:</source>
        <translation>Notes:</translation>
    </message>
    <message>
        <source>A6 (105 × 148 mm, 4 je Blatt)</source>
        <translation>A6 (105 × 148 mm, 4 to a sheet)</translation>
    </message>
    <message>
        <source>A7 quer (105 × 74 mm, 8 je Blatt)</source>
        <translation>A7 landscape (105 × 74 mm, 8 to a sheet)</translation>
    </message>
    <message>
        <source>Karte (85 × 55 mm, 10 je Blatt)</source>
        <translation>Card (85 × 55 mm, 10 to a sheet)</translation>
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
    <name>ChangeAnimalDialog</name>
    <message>
        <source>Bitte zuerst den Kanarienvogel in der Liste anklicken.</source>
        <translation>Please first click the canary in the list.</translation>
    </message>
    <message>
        <source>Kanarienvogel auswählen:</source>
        <translation>Choose canary:</translation>
    </message>
    <message>
        <source>Ein Doppelklick zeigt den Abstammungsnachweis an.</source>
        <translation>A double click shows the pedigree certificate.</translation>
    </message>
    <message>
        <source>Ringnummer</source>
        <translation>Ring number</translation>
    </message>
    <message>
        <source>Geburtsjahr</source>
        <translation>Year of birth</translation>
    </message>
    <message>
        <source>Sortierung:</source>
        <translation>Sort order:</translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation>Filter:</translation>
    </message>
    <message>
        <source>&amp;Stammdaten</source>
        <translation>&amp;Details</translation>
    </message>
    <message>
        <source>&amp;Verbleib</source>
        <translation>&amp;Whereabouts</translation>
    </message>
    <message>
        <source>&amp;Ausstellungen</source>
        <translation>&amp;Shows</translation>
    </message>
    <message>
        <source>&amp;Erbanlagen</source>
        <translation>&amp;Colour factors</translation>
    </message>
    <message>
        <source>Kanarienvogel ändern</source>
        <translation>Change canary</translation>
    </message>
    <message>
        <source>Nachkommen anzeigen</source>
        <translation>Show descendants</translation>
    </message>
    <message>
        <source>Kanarienvogel verkauft oder gelöscht</source>
        <translation>Canary sold or deleted</translation>
    </message>
    <message>
        <source>Kanarienvogel verkauft oder gelöscht (wird in der Auswahlliste, der Kanarienvögelbestandsliste und in den Elternbeziehungen nicht mehr zur Auswahl angeboten.)</source>
        <translation>Canary sold or deleted (no longer offered in the selection list, the canary stock list and the parent links.)</translation>
    </message>
    <message>
        <source>Idealerweise 170x120 Pixel</source>
        <translation>Ideally 170x120 pixels</translation>
    </message>
    <message>
        <source>Bild auswählen</source>
        <translation>Choose a picture</translation>
    </message>
    <message>
        <source>Bild löschen</source>
        <translation>Delete picture</translation>
    </message>
    <message>
        <source>Gefundene Kanarienvögel (Kanarienvögel ändern Modus)</source>
        <translation>Canaries found (change canaries mode)</translation>
    </message>
    <message>
        <source>Kanarienvögel ändern</source>
        <translation>Change canaries</translation>
    </message>
    <message>
        <source>den Kanarienvogel anklicken um mit dem Ändern zu beginnen.</source>
        <translation>click the canary to begin changing it.</translation>
    </message>
    <message>
        <source>Inzuchtkoeffizient: %1</source>
        <translation>Inbreeding coefficient: %1</translation>
    </message>
    <message>
        <source> (Schleife in den Elternbeziehungen übergangen)</source>
        <translation> (loop in the parent links skipped)</translation>
    </message>
    <message>
        <source>Bitte den Kanarienvogel ändern und danach auf &quot;Kanarienvogel ändern&quot; klicken.</source>
        <translation>Please change the canary and then click &quot;Change canary&quot;.</translation>
    </message>
    <message>
        <source>Die Erbanlagen passen nicht zusammen: %1</source>
        <translation>The colour factors do not agree: %1</translation>
    </message>
    <message>
        <source>Frage</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>%1 Verweise (Eltern, Zuchtpaare, Jungtiere) nennen noch die bisherige Ringnummer %2. Sollen sie auf die neue Ringnummer %3 geändert werden?</source>
        <translation>%1 references (parents, breeding pairs, young) still name the old ring number %2. Should they be changed to the new ring number %3?</translation>
    </message>
    <message>
        <source>Bild wurde gespeichert.</source>
        <translation>The picture has been saved.</translation>
    </message>
    <message>
        <source>Stan&amp;dort</source>
        <translation>Locatio&amp;n</translation>
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
    <name>ColourCalculator</name>
    <message>
        <source>%1 doppelfaktorig</source>
        <extracomment>%1 is a colour word</extracomment>
        <translation>%1 double factor</translation>
    </message>
    <message>
        <source>%1 einfaktorig</source>
        <translation>%1 single factor</translation>
    </message>
    <message>
        <source>%1 der befruchteten Eier sterben ab: doppelfaktorig %2 ist nicht lebensfähig.</source>
        <translation>%1 of the fertile eggs die: double factor %2 is not viable.</translation>
    </message>
    <message>
        <source> und </source>
        <translation> and </translation>
    </message>
    <message>
        <source>%1 der befruchteten Eier sterben ab.</source>
        <translation>%1 of the fertile eggs die.</translation>
    </message>
    <message>
        <source>%1 folgt keinem einfachen Erbgang; dafür werden keine Anteile berechnet.</source>
        <translation>%1 follows no simple inheritance; no shares are calculated for it.</translation>
    </message>
    <message>
        <source>Ob %1 beim Hahn auf einem Z-Chromosom liegen oder auf je einem, ist unbekannt; beide Lagen sind je zur Hälfte gerechnet.</source>
        <translation>Whether %1 lie on one Z chromosome of the cock or on one each is unknown; both phases are counted half each.</translation>
    </message>
    <message>
        <source>Anlagen, die nur wahrscheinlich sind, sind mit ihrer Wahrscheinlichkeit gerechnet.</source>
        <translation>Factors that are only likely are counted with their probability.</translation>
    </message>
    <message>
        <source>Hahn</source>
        <translation>Cock</translation>
    </message>
    <message>
        <source>Henne</source>
        <translation>Hen</translation>
    </message>
</context>
<context>
    <name>ColourCheck</name>
    <message>
        <source>%1 zeigt %2, aber ihr Vater %3 ist als frei von %2 eingetragen.</source>
        <translation>%1 shows %2, but her father %3 is entered as free of %2.</translation>
    </message>
    <message>
        <source>%1 zeigt %2, aber sein Vater %3 ist als frei von %2 eingetragen.</source>
        <translation>%1 shows %2, but his father %3 is entered as free of %2.</translation>
    </message>
    <message>
        <source>%1 zeigt %2, aber ihre Mutter %3 ist als frei von %2 eingetragen.</source>
        <translation>%1 shows %2, but her mother %3 is entered as free of %2.</translation>
    </message>
    <message>
        <source>%1 zeigt %2, aber seine Mutter %3 ist als frei von %2 eingetragen.</source>
        <translation>%1 shows %2, but his mother %3 is entered as free of %2.</translation>
    </message>
    <message>
        <source>%1 ist als frei von %2 eingetragen, aber ihr Vater %3 zeigt %2.</source>
        <translation>%1 is entered as free of %2, but her father %3 shows %2.</translation>
    </message>
    <message>
        <source>%1 ist als frei von %2 eingetragen, aber sein Vater %3 zeigt %2.</source>
        <translation>%1 is entered as free of %2, but his father %3 shows %2.</translation>
    </message>
    <message>
        <source>%1 ist als frei von %2 eingetragen, aber ihre Mutter %3 zeigt %2.</source>
        <translation>%1 is entered as free of %2, but her mother %3 shows %2.</translation>
    </message>
    <message>
        <source>%1 ist als frei von %2 eingetragen, aber seine Mutter %3 zeigt %2.</source>
        <translation>%1 is entered as free of %2, but his mother %3 shows %2.</translation>
    </message>
    <message>
        <source>Die Erbanlagen von %1 widersprechen sich: %2</source>
        <translation>The colour factors of %1 contradict each other: %2</translation>
    </message>
    <message>
        <source>%1 zeigt %2, aber Vater %3 und Mutter %4 sind als frei davon eingetragen.</source>
        <translation>%1 shows %2, but father %3 and mother %4 are entered as free of it.</translation>
    </message>
</context>
<context>
    <name>ColourFactors</name>
    <message>
        <source>Braun (Eumelanin braun statt schwarz)</source>
        <translation>Brown (brown instead of black eumelanin)</translation>
    </message>
    <message>
        <source>geschlechtsgebunden rezessiv</source>
        <translation>sex-linked recessive</translation>
    </message>
    <message>
        <source>braun</source>
        <translation>brown</translation>
    </message>
    <message>
        <source>Braun</source>
        <translation>Brown</translation>
    </message>
    <message>
        <source>Verdünnung (Achat, Satinet)</source>
        <translation>Dilution (agate, satinet)</translation>
    </message>
    <message>
        <source>achat</source>
        <translation>agate</translation>
    </message>
    <message>
        <source>Achat</source>
        <translation>Agate</translation>
    </message>
    <message>
        <source>satinet</source>
        <translation>satinet</translation>
    </message>
    <message>
        <source>Satinet</source>
        <translation>Satinet</translation>
    </message>
    <message>
        <source>Pastell (Grauflügel)</source>
        <translation>Pastel (grey-wing)</translation>
    </message>
    <message>
        <source>pastell</source>
        <translation>pastel</translation>
    </message>
    <message>
        <source>Pastell</source>
        <translation>Pastel</translation>
    </message>
    <message>
        <source>grauflügel</source>
        <translation>grey-wing</translation>
    </message>
    <message>
        <source>Grauflügel</source>
        <translation>Grey-wing</translation>
    </message>
    <message>
        <source>Elfenbein</source>
        <translation>Ivory</translation>
    </message>
    <message>
        <source>elfenbein</source>
        <translation>ivory</translation>
    </message>
    <message>
        <source>rezessiv Weiß</source>
        <translation>recessive white</translation>
    </message>
    <message>
        <source>autosomal rezessiv</source>
        <translation>autosomal recessive</translation>
    </message>
    <message>
        <source>rezessiv weiß</source>
        <translation>recessive white</translation>
    </message>
    <message>
        <source>Opal und Onyx</source>
        <translation>Opal and onyx</translation>
    </message>
    <message>
        <source>opal</source>
        <translation>opal</translation>
    </message>
    <message>
        <source>Opal</source>
        <translation>Opal</translation>
    </message>
    <message>
        <source>onyx</source>
        <translation>onyx</translation>
    </message>
    <message>
        <source>Onyx</source>
        <translation>Onyx</translation>
    </message>
    <message>
        <source>Phaeo</source>
        <translation>Phaeo</translation>
    </message>
    <message>
        <source>phaeo</source>
        <translation>phaeo</translation>
    </message>
    <message>
        <source>Topas</source>
        <translation>Topaz</translation>
    </message>
    <message>
        <source>topas</source>
        <translation>topaz</translation>
    </message>
    <message>
        <source>Eumo</source>
        <translation>Eumo</translation>
    </message>
    <message>
        <source>eumo</source>
        <translation>eumo</translation>
    </message>
    <message>
        <source>Kobalt</source>
        <translation>Cobalt</translation>
    </message>
    <message>
        <source>kobalt</source>
        <translation>cobalt</translation>
    </message>
    <message>
        <source>dominant Weiß</source>
        <translation>dominant white</translation>
    </message>
    <message>
        <source>autosomal dominant</source>
        <translation>autosomal dominant</translation>
    </message>
    <message>
        <source>dominant weiß</source>
        <translation>dominant white</translation>
    </message>
    <message>
        <source>Haube</source>
        <translation>Crest</translation>
    </message>
    <message>
        <source>haube</source>
        <translation>crest</translation>
    </message>
    <message>
        <source>Intensiv</source>
        <translation>Intensive</translation>
    </message>
    <message>
        <source>intensiv</source>
        <translation>intensive</translation>
    </message>
    <message>
        <source>Jaspis (Jaspe)</source>
        <translation>Jasper (jaspe)</translation>
    </message>
    <message>
        <source>autosomal unvollständig dominant</source>
        <translation>autosomal incompletely dominant</translation>
    </message>
    <message>
        <source>jaspis</source>
        <translation>jasper</translation>
    </message>
    <message>
        <source>Jaspis</source>
        <translation>Jasper</translation>
    </message>
    <message>
        <source>Rotgrund</source>
        <translation>Red ground</translation>
    </message>
    <message>
        <source>kein einfacher Erbgang</source>
        <translation>no simple inheritance</translation>
    </message>
    <message>
        <source>rotgrund</source>
        <translation>red ground</translation>
    </message>
    <message>
        <source>Mosaik</source>
        <translation>Mosaic</translation>
    </message>
    <message>
        <source>mosaik</source>
        <translation>mosaic</translation>
    </message>
    <message>
        <source>Schwarz</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>Isabell</source>
        <translation>Isabel</translation>
    </message>
    <message>
        <source>Achat-Satinet</source>
        <translation>Agate satinet</translation>
    </message>
    <message>
        <source>Isabell-Satinet</source>
        <translation>Isabel satinet</translation>
    </message>
</context>
<context>
    <name>ColourWindow</name>
    <message>
        <source>(Anlagen von Hand)</source>
        <translation>(factors by hand)</translation>
    </message>
    <message>
        <source>Farbvererbung</source>
        <translation>Colour inheritance</translation>
    </message>
    <message>
        <source>Trägt der Hahn braun und eine Verdünnung verdeckt, ob beide auf einem Z-Chromosom liegen oder auf je einem</source>
        <translation>If the cock carries brown and a dilution hidden: whether both lie on one Z chromosome or on one each</translation>
    </message>
    <message>
        <source>unbekannt: je zur Hälfte gerechnet</source>
        <translation>unknown: counted half each</translation>
    </message>
    <message>
        <source>auf einem Z-Chromosom</source>
        <translation>on one Z chromosome</translation>
    </message>
    <message>
        <source>auf je einem Z-Chromosom</source>
        <translation>on one Z chromosome each</translation>
    </message>
    <message>
        <source>&amp;Wahrscheinliche Anlagen mitrechnen</source>
        <translation>Include &amp;likely factors</translation>
    </message>
    <message>
        <source>Anlagen, die der Stammbaum nur wahrscheinlich macht, mit ihrer Wahrscheinlichkeit rechnen</source>
        <translation>Count factors the pedigree only makes likely with their probability</translation>
    </message>
    <message>
        <source>&amp;Crossing-over braun/Verdünnung:</source>
        <translation>&amp;Crossing-over brown/dilution:</translation>
    </message>
    <message>
        <source>&amp;Lage beim Hahn:</source>
        <translation>&amp;Phase in the cock:</translation>
    </message>
    <message>
        <source>Erwartete Jungen:</source>
        <translation>Expected young:</translation>
    </message>
    <message>
        <source>Hahn</source>
        <translation>Cock</translation>
    </message>
    <message>
        <source>Henne</source>
        <translation>Hen</translation>
    </message>
    <message>
        <source>Ein Vogel aus dem Bestand, oder „%1“ für Anlagen zum Eintragen</source>
        <translation>A bird of the stock, or “%1” to enter factors</translation>
    </message>
    <message>
        <source>&amp;Hahn:</source>
        <translation>&amp;Cock:</translation>
    </message>
    <message>
        <source>H&amp;enne:</source>
        <translation>H&amp;en:</translation>
    </message>
    <message>
        <source>Anlagen von Hand: bitte oben wählen.</source>
        <translation>Factors by hand: please choose above.</translation>
    </message>
    <message>
        <source>Der Stammbaum belegt keine verdeckten Anlagen.</source>
        <translation>The pedigree shows no hidden factors.</translation>
    </message>
    <message>
        <source>Wie oft ein Hahn, der braun und eine Verdünnung trägt, beide durch Crossing-over getrennt weitergibt. Der vorgegebene Wert ist vorläufig: tragen Sie ein, was Sie im eigenen Bestand sehen.</source>
        <translation>How often a cock carrying brown and a dilution passes the two on separately through crossing-over. The preset value is provisional: enter what you see in your own stock.</translation>
    </message>
</context>
<context>
    <name>CsvExport</name>
    <message>
        <source>Erbanlagen laut Stammbaum</source>
        <translation>Colour factors from the pedigree</translation>
    </message>
    <message>
        <source>Punkte der Kollektion</source>
        <translation>Team points</translation>
    </message>
    <message>
        <source>Zuchtpaar</source>
        <translation>Breeding pair</translation>
    </message>
    <message>
        <source>Hahn</source>
        <translation>Cock</translation>
    </message>
    <message>
        <source>Henne</source>
        <translation>Hen</translation>
    </message>
    <message>
        <source>Hecke</source>
        <translation>Breeding cage</translation>
    </message>
    <message>
        <source>Zuchtbeginn</source>
        <translation>Start of breeding</translation>
    </message>
    <message>
        <source>Gelege</source>
        <translation>Clutch</translation>
    </message>
    <message>
        <source>Erstes Ei</source>
        <translation>First egg</translation>
    </message>
    <message>
        <source>Letztes Ei</source>
        <translation>Last egg</translation>
    </message>
    <message>
        <source>Gelege gesetzt</source>
        <translation>Clutch set</translation>
    </message>
    <message>
        <source>Anzahl Eier</source>
        <translation>Number of eggs</translation>
    </message>
    <message>
        <source>Ei</source>
        <translation>Egg</translation>
    </message>
    <message>
        <source>Ring</source>
        <translation>Ring</translation>
    </message>
    <message>
        <source>Geschlüpft</source>
        <translation>Hatched</translation>
    </message>
    <message>
        <source>Abgesetzt</source>
        <translation>Weaned</translation>
    </message>
</context>
<context>
    <name>DataCheck</name>
    <message>
        <source>Vater %1 von %2 gibt es nicht im Bestand.</source>
        <extracomment>%1 is the parent&apos;s ring, %2 the child&apos;s</extracomment>
        <translation>Father %1 of %2 is not in the stock.</translation>
    </message>
    <message>
        <source>Mutter %1 von %2 gibt es nicht im Bestand.</source>
        <translation>Mother %1 of %2 is not in the stock.</translation>
    </message>
    <message>
        <source>Der Vater %1 von %2 ist weiblich.</source>
        <translation>The father %1 of %2 is female.</translation>
    </message>
    <message>
        <source>Die Mutter %1 von %2 ist männlich.</source>
        <translation>The mother %1 of %2 is male.</translation>
    </message>
    <message>
        <source>Vater %1 (Jahrgang %2) ist jünger als sein Kind %3 (Jahrgang %4).</source>
        <extracomment>%1 is the parent&apos;s ring, %2 its year, %3 the child&apos;s ring, %4 its year</extracomment>
        <translation>Father %1 (year %2) is younger than his young %3 (year %4).</translation>
    </message>
    <message>
        <source>Mutter %1 (Jahrgang %2) ist jünger als ihr Kind %3 (Jahrgang %4).</source>
        <translation>Mother %1 (year %2) is younger than her young %3 (year %4).</translation>
    </message>
    <message>
        <source>%1 aktive Tiere tragen dieselbe Ringnummer: %2.</source>
        <translation>%1 active birds carry the same ring number: %2.</translation>
    </message>
    <message>
        <source>Diese Tiere sind ihre eigenen Vorfahren: %1.</source>
        <translation>These birds are their own ancestors: %1.</translation>
    </message>
    <message>
        <source>Zuchtpaar %1: Den Hahn %2 gibt es nicht im Bestand.</source>
        <translation>Breeding pair %1: the cock %2 is not in the stock.</translation>
    </message>
    <message>
        <source>Zuchtpaar %1: Die Henne %2 gibt es nicht im Bestand.</source>
        <translation>Breeding pair %1: the hen %2 is not in the stock.</translation>
    </message>
    <message>
        <source>Zuchtpaar %1, Gelege %2, Ei %3: Den Jungvogel %4 gibt es nicht im Bestand.</source>
        <translation>Breeding pair %1, clutch %2, egg %3: the young bird %4 is not in the stock.</translation>
    </message>
    <message>
        <source>Das Bild %1 gehört zu keinem Tier.</source>
        <translation>The picture %1 belongs to no bird.</translation>
    </message>
    <message>
        <source>Zu %1 gibt es Zusatzdaten (Verbleib, Ausstellungen oder Erbanlagen), aber kein Tier im Bestand trägt diese Ringnummer.</source>
        <translation>There are additional records (whereabouts, shows or colour factors) for %1, but no bird in the stock carries this ring number.</translation>
    </message>
</context>
<context>
    <name>DataCheckDialog</name>
    <message>
        <source>Datenprüfung</source>
        <translation>Data check</translation>
    </message>
    <message>
        <source>Gefundenes</source>
        <translation>Findings</translation>
    </message>
    <message>
        <source>Keine Auffälligkeiten gefunden.</source>
        <translation>Nothing unusual found.</translation>
    </message>
    <message>
        <source>%1 Auffälligkeiten gefunden:</source>
        <translation>%1 findings:</translation>
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
    <name>DeleteAnimalDialog</name>
    <message>
        <source>Kanarienvögel löschen</source>
        <translation>Delete canaries</translation>
    </message>
    <message>
        <source>Wählen Sie den Kanarienvogel, d. Sie 
löschen möchten aus und klicken 
Sie auf &quot;Löschen&quot;.</source>
        <translation>Choose the canary you want 
to delete and click 
&quot;Delete&quot;.</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Nutzen Sie diese Option um einen
Vogel aus der aktiven Bestands- 
liste zu entfernen. Der Datensatz
wird nicht gelöscht, sondern ist im
Hintergrund weiter vorhanden. Er
taucht dann lediglich in der Aus-
wahlliste zum Druck einen Abstamm-
ungsnachweises nicht mehr auf.

Nützlich um beispielsweise 
gestorbene Kanarienvögel zu &quot;löschen&quot;
um die Übersicht zu bewahren. Der
gelöschte Vogel bleibt weiterhin
in den Datensätzen der Elternbe-
ziehungen erhalten.</source>
        <translation>Use this option to remove a
bird from the active stock
list. The record is not deleted
but stays in the background.
It just no longer appears in
the selection list for printing
a pedigree certificate.

Useful, for instance, to &quot;delete&quot;
canaries that died, to keep
the list clear. The deleted
bird stays in the records
of the parent links.</translation>
    </message>
    <message>
        <source>Bitte erst den Kanarienvogel auswählen, dann auf löschen klicken.</source>
        <translation>Please choose the canary first, then click delete.</translation>
    </message>
</context>
<context>
    <name>DescendantsDialog</name>
    <message>
        <source>Kinder, Enkel und Urenkel des Kanarienvogels finden</source>
        <translation>Find the canary&apos;s children, grandchildren and great-grandchildren</translation>
    </message>
    <message>
        <source>Finde Kinder, Enkel und Urenkel des Kanarienvogels mit Ringnr:</source>
        <translation>Find children, grandchildren and great-grandchildren of the canary with ring no.:</translation>
    </message>
    <message>
        <source>Suchen</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Such-Ergebnisse</source>
        <translation>Search results</translation>
    </message>
    <message>
        <source>Kinder</source>
        <translation>Children</translation>
    </message>
    <message>
        <source>Gefundene Kinder:</source>
        <translation>Children found:</translation>
    </message>
    <message>
        <source>Enkel</source>
        <translation>Grandchildren</translation>
    </message>
    <message>
        <source>Gefundene Enkel:</source>
        <translation>Grandchildren found:</translation>
    </message>
    <message>
        <source>Ur-Enkel</source>
        <translation>Great-grandchildren</translation>
    </message>
    <message>
        <source>Gefundene Ur-Enkel:</source>
        <translation>Great-grandchildren found:</translation>
    </message>
    <message>
        <source>Ur-Ur-Enkel</source>
        <translation>Great-great-grandchildren</translation>
    </message>
    <message>
        <source>Gefundene Ur-Ur-Enkel:</source>
        <translation>Great-great-grandchildren found:</translation>
    </message>
    <message>
        <source>Ein Doppelklick zeigt den Abstammungsnachweis an.</source>
        <translation>A double click shows the pedigree certificate.</translation>
    </message>
    <message>
        <source>Infos zur Auswahl:</source>
        <translation>About the selection:</translation>
    </message>
    <message>
        <source>Bemerkungen</source>
        <translation>Remarks</translation>
    </message>
    <message>
        <source>Bitte zuerst den Kanarienvogel in der Liste anklicken.</source>
        <translation>Please first click the canary in the list.</translation>
    </message>
    <message>
        <source>Züchter: %1</source>
        <translation>Breeder: %1</translation>
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
    <name>Drives</name>
    <message>
        <source>%1 (%2, schreibgeschützt)</source>
        <extracomment>%1 is a drive&apos;s name, %2 where it is mounted</extracomment>
        <translation>%1 (%2, write-protected)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source> (schreibgeschützt)</source>
        <translation> (write-protected)</translation>
    </message>
</context>
<context>
    <name>EnterAnimalsDialog</name>
    <message>
        <source>&lt;= Nach dem Anlegen Feld so belassen</source>
        <translation>&lt;= Keep this field after entering</translation>
    </message>
    <message>
        <source>Kanarienvögel eingeben</source>
        <translation>Enter canaries</translation>
    </message>
    <message>
        <source>Hier können Sie neue Kanarienvögel anlegen. Füllen Sie dazu 
alle Felder aus und klicken Sie anschließend auf 
&quot;Kanarienvogel anlegen&quot;.</source>
        <translation>Here you can enter new canaries. Fill in 
all fields and then click 
&quot;Enter canary&quot;.</translation>
    </message>
    <message>
        <source>Bemerkungen:
(Punkte etc.)</source>
        <translation>Remarks:
(points etc.)</translation>
    </message>
    <message>
        <source>Kanarienvogel anlegen</source>
        <translation>Enter canary</translation>
    </message>
    <message>
        <source>Wenn Sie oben alles eingetragen haben können Sie hier klicken um den Kanarienvogel zu speichern.</source>
        <translation>When you have filled in everything above, click here to save the canary.</translation>
    </message>
    <message>
        <source>Idealerweise 170x120 Pixel</source>
        <translation>Ideally 170x120 pixels</translation>
    </message>
    <message>
        <source>Bild auswählen</source>
        <translation>Choose a picture</translation>
    </message>
    <message>
        <source>Serieneingabe anzeigen</source>
        <translation>Show series entry</translation>
    </message>
    <message>
        <source>Geben Sie hier die Ringnummer des Kanarienvogels an.</source>
        <translation>Enter the canary&apos;s ring number here.</translation>
    </message>
    <message>
        <source>Geben Sie hier das Geschlecht des Kanarienvogels an. Sollte dieses noch nicht bekannt sein, dann wählen Sie bitte &quot;unbekannt&quot; aus.</source>
        <translation>Enter the canary&apos;s sex here. If it is not known yet, please choose &quot;unknown&quot;.</translation>
    </message>
    <message>
        <source>Geben Sie hier das Geburtsjahr des Kanarienvogels an. Auch wenn das Jahr bspw. in der Ringnummer enthalten ist ist diese Angabe für das Sortieren nach Geburtsjahr trotzdem wichtig.</source>
        <translation>Enter the canary&apos;s year of birth here. Even if the year is part of the ring number, it is needed for sorting by year of birth.</translation>
    </message>
    <message>
        <source>Wer ist der Züchter des Kanarienvogels?</source>
        <translation>Who bred the canary?</translation>
    </message>
    <message>
        <source>Geben Sie hier die Farbe des Kanarienvogels an. Die Zeichnung (einfarbig, gepunktet, etc.) können Sie weiter unten festlegen.</source>
        <translation>Enter the canary&apos;s colour here. The markings (clear, ticked, etc.) can be set further down.</translation>
    </message>
    <message>
        <source>Geben Sie hier die Zeichnung des Kanarienvogels (z.B. einfarbig oder gescheckt) an.</source>
        <translation>Enter the canary&apos;s markings here (e.g. clear or variegated).</translation>
    </message>
    <message>
        <source>Geben Sie hier die Rasse / Art des Kanarienvogels (z.B. Jungvogel oder Zuchtweibchen) an.</source>
        <translation>Enter the canary&apos;s breed / species here (e.g. young bird or breeding hen).</translation>
    </message>
    <message>
        <source>Hier können Sie verschiedenste Dinge des Kanarienvogels eintragen. Das können erreichte Punkte, Medallien, Tod, usw. sein. Diese Infos werden auf dem Abstammungsnachweis gedruckt.</source>
        <translation>Here you can note all kinds of things about the canary: points won, medals, death, etc. This is printed on the pedigree certificate.</translation>
    </message>
    <message>
        <source>Die Informationen die Sie hier eintragen erscheinen auf der Kanarienvögelbestandsliste.</source>
        <translation>What you enter here appears on the canary stock list.</translation>
    </message>
    <message>
        <source>Serieneingabe: </source>
        <translation>Series entry: </translation>
    </message>
    <message>
        <source>&lt;= Die ersten</source>
        <translation>&lt;= Keep the first</translation>
    </message>
    <message>
        <source>Stellen nach dem Speichern belassen</source>
        <translation>characters after saving</translation>
    </message>
    <message>
        <source>Serieneingabe mit fortlaufender Ringnummer: </source>
        <translation>Series entry with consecutive ring numbers: </translation>
    </message>
    <message>
        <source>Sie haben z.B. 20 fortlaufende Ringnummern? Kein Problem! Einfach den Bereich &quot;von&quot; und &quot;bis&quot; ausfüllen und es werden die gewünschte Anzahl Kanarienvögel angelegt. </source>
        <translation>You have, say, 20 consecutive ring numbers? No problem! Just fill in the range &quot;from&quot; and &quot;to&quot; and that many canaries are entered. </translation>
    </message>
    <message>
        <source>Alle anderen Daten werden von den links ausgefüllten Informationen genommen.</source>
        <translation>All other data are taken from what is filled in on the left.</translation>
    </message>
    <message>
        <source>z.B. 06165-12-</source>
        <translation>e.g. 06165-12-</translation>
    </message>
    <message>
        <source>z.B. 084</source>
        <translation>e.g. 084</translation>
    </message>
    <message>
        <source>z.B. 121</source>
        <translation>e.g. 121</translation>
    </message>
    <message>
        <source>Anfang der Ringnummer:</source>
        <translation>Start of the ring number:</translation>
    </message>
    <message>
        <source>von:</source>
        <translation>from:</translation>
    </message>
    <message>
        <source>bis:</source>
        <translation>to:</translation>
    </message>
    <message>
        <source>Führende Nullen bei der Ringnummer eingeben!.</source>
        <translation>Enter the leading zeros of the ring number!.</translation>
    </message>
    <message>
        <source>Kanarienvögel anlegen</source>
        <translation>Enter canaries</translation>
    </message>
    <message>
        <source>Fortschritt</source>
        <translation>Progress</translation>
    </message>
</context>
<context>
    <name>EntryFormReport</name>
    <message>
        <source>Ausstellungsmeldung</source>
        <translation>Show entry</translation>
    </message>
    <message>
        <source>Seite %1</source>
        <translation>Page %1</translation>
    </message>
    <message>
        <source>Ausstellung:</source>
        <translation>Show:</translation>
    </message>
    <message>
        <source>Ort:</source>
        <translation>Place:</translation>
    </message>
    <message>
        <source>Datum:</source>
        <translation>Date:</translation>
    </message>
    <message>
        <source>Meldeschluss:</source>
        <translation>Closing date:</translation>
    </message>
    <message>
        <source>Veranstalter:</source>
        <translation>Organiser:</translation>
    </message>
    <message>
        <source>Aussteller</source>
        <translation>Exhibitor</translation>
    </message>
    <message>
        <source>Telefon: %1</source>
        <translation>Phone: %1</translation>
    </message>
    <message>
        <source>Züchternummer: %1</source>
        <translation>Breeder number: %1</translation>
    </message>
    <message>
        <source>Vereinsnummer: %1</source>
        <translation>Club number: %1</translation>
    </message>
    <message>
        <source>Datum und Unterschrift des Ausstellers:</source>
        <translation>Date and signature of the exhibitor:</translation>
    </message>
</context>
<context>
    <name>ExpectedYoungModel</name>
    <message>
        <source>Hahn</source>
        <translation>Cock</translation>
    </message>
    <message>
        <source>Henne</source>
        <translation>Hen</translation>
    </message>
    <message>
        <source>Geschlecht</source>
        <translation>Sex</translation>
    </message>
    <message>
        <source>Anteil</source>
        <translation>Share</translation>
    </message>
    <message>
        <source>Farbe</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>sichtbar</source>
        <translation>visual</translation>
    </message>
    <message>
        <source>spalterbig</source>
        <translation>split</translation>
    </message>
</context>
<context>
    <name>ExpectedYoungView</name>
    <message>
        <source>Die Jungen, die das Paar erwarten lässt, nach Geschlecht und Anteil</source>
        <translation>The young to expect from the pair, by sex and share</translation>
    </message>
    <message>
        <source>Erwartete Jungen</source>
        <translation>Expected young</translation>
    </message>
</context>
<context>
    <name>ExportTool</name>
    <message>
        <source>colours nimmt entweder --pair HAHN HENNE oder --cock ANLAGEN und --hen ANLAGEN.</source>
        <translation>colours takes either --pair COCK HEN or --cock FACTORS and --hen FACTORS.</translation>
    </message>
    <message>
        <source>colours --pair nimmt genau zwei Ringnummern: Hahn und Henne.</source>
        <translation>colours --pair takes exactly two ring numbers: cock and hen.</translation>
    </message>
    <message>
        <source>Hahn und Henne müssen zwei verschiedene Ringnummern sein.</source>
        <translation>Cock and hen must be two different ring numbers.</translation>
    </message>
    <message>
        <source>colours nimmt --cock ANLAGEN und --hen ANLAGEN, etwa --cock &quot;braun,/opal&quot; --hen &quot;achat&quot;.</source>
        <translation>colours takes --cock FACTORS and --hen FACTORS, e.g. --cock &quot;braun,/opal&quot; --hen &quot;achat&quot;.</translation>
    </message>
    <message>
        <source>--phase nimmt coupling (auf einem Z-Chromosom) oder repulsion (auf je einem).</source>
        <translation>--phase takes coupling (on one Z chromosome) or repulsion (on one each).</translation>
    </message>
    <message>
        <source>--crossover nimmt einen Anteil von 0 bis 0.5, etwa 0.33.</source>
        <translation>--crossover takes a share from 0 to 0.5, e.g. 0.33.</translation>
    </message>
    <message>
        <source>Den Ring „%1“ gibt es nicht im Bestand.</source>
        <translation>The ring “%1” is not in the stock.</translation>
    </message>
    <message>
        <source>colours --pair nimmt zuerst den Hahn, dann die Henne; „%1“ ist als Henne eingetragen.</source>
        <translation>colours --pair takes the cock first, then the hen; “%1” is entered as a hen.</translation>
    </message>
    <message>
        <source>colours --pair nimmt zuerst den Hahn, dann die Henne; „%1“ ist als Hahn eingetragen.</source>
        <translation>colours --pair takes the cock first, then the hen; “%1” is entered as a cock.</translation>
    </message>
    <message>
        <source>Ob %1 beim Hahn auf einem Z-Chromosom liegen oder auf je einem, ist unbekannt; bitte mit --phase coupling oder --phase repulsion angeben.</source>
        <extracomment>%1 names the factors whose phase is unknown.</extracomment>
        <translation>Whether %1 lie on one Z chromosome of the cock or on one each is unknown; please give --phase coupling or --phase repulsion.</translation>
    </message>
    <message>
        <source>Die Zusatzdaten konnten nicht vollständig gelesen werden: %1</source>
        <translation>The additional records could not be read completely: %1</translation>
    </message>
    <message>
        <source>--year nimmt ein Jahr von 1 bis 9999, etwa 2026.</source>
        <translation>--year takes a year from 1 to 9999, e.g. 2026.</translation>
    </message>
    <message>
        <source>Die Datei „%1“ konnte nicht geschrieben werden: %2</source>
        <translation>The file “%1” could not be written: %2</translation>
    </message>
    <message>
        <source>Geschrieben: %1</source>
        <translation>Written: %1</translation>
    </message>
    <message>
        <source>Es fehlt die Ringnummer.</source>
        <translation>The ring number is missing.</translation>
    </message>
    <message>
        <source>Eine Stammbaumdatei wird für genau eine Ringnummer geschrieben.</source>
        <translation>A pedigree file is written for exactly one ring number.</translation>
    </message>
    <message>
        <source>Die Ringnummer „%1“ ist nicht im Bestand.</source>
        <translation>The ring number “%1” is not in the stock.</translation>
    </message>
    <message>
        <source>Ein Zuchtpaar %1 gibt es nicht; es gibt %2.</source>
        <extracomment>%1 is the number asked for, %2 how many breeding pairs there are.</extracomment>
        <translation>There is no breeding pair %1; there are %2.</translation>
    </message>
    <message>
        <source>Ein Stammblatt wird für genau eine Ringnummer geschrieben.</source>
        <translation>A record sheet is written for exactly one ring number.</translation>
    </message>
    <message>
        <source>--by nimmt ring oder year, --layout one oder two.</source>
        <translation>--by takes ring or year, --layout one or two.</translation>
    </message>
    <message>
        <source>stocklist nimmt keine weiteren Angaben.</source>
        <translation>stocklist takes no further arguments.</translation>
    </message>
    <message>
        <source>pairsheet nimmt die Nummer eines Zuchtpaares, gezählt ab 1.</source>
        <translation>pairsheet takes the number of a breeding pair, counted from 1.</translation>
    </message>
    <message>
        <source>%1 nimmt eine ganze Zahl ab %2.</source>
        <extracomment>%1 is an option such as --days, %2 the smallest number it takes.</extracomment>
        <translation>%1 takes a whole number from %2.</translation>
    </message>
    <message>
        <source>--date nimmt ein Datum wie 2026-04-05.</source>
        <translation>--date takes a date such as 2026-04-05.</translation>
    </message>
    <message>
        <source>due nimmt keine weiteren Angaben als --date und --days.</source>
        <translation>due takes no arguments besides --date and --days.</translation>
    </message>
    <message>
        <source>season nimmt genau ein Jahr von 1 bis 9999, etwa 2026.</source>
        <translation>season takes exactly one year from 1 to 9999, e.g. 2026.</translation>
    </message>
    <message>
        <source>mates nimmt genau eine Ringnummer.</source>
        <translation>mates takes exactly one ring number.</translation>
    </message>
    <message>
        <source>Hinweis zu %1: Ein Tier ist sein eigener Vorfahr; diese Verbindung wurde übergangen.</source>
        <extracomment>%1 is a ring, or the rings of a cock and a hen.</extracomment>
        <translation>Note on %1: a bird is its own ancestor; this link was skipped.</translation>
    </message>
    <message>
        <source>Keine Auffälligkeiten gefunden.</source>
        <translation>Nothing unusual found.</translation>
    </message>
    <message>
        <source>%1 nimmt keine weiteren Angaben.</source>
        <translation>%1 takes no further arguments.</translation>
    </message>
    <message>
        <source>csv schreibt stock, breeding oder shows.</source>
        <translation>csv writes stock, breeding or shows.</translation>
    </message>
    <message>
        <source>Nach --pair stehen der Ring des Hahns und der der Henne.</source>
        <translation>--pair is followed by the cock&apos;s ring and the hen&apos;s.</translation>
    </message>
    <message>
        <source>Die Ausgabedatei (-o) muss auf .%1 enden.</source>
        <translation>The output file (-o) must end in .%1.</translation>
    </message>
    <message>
        <source>Die Ausgabedatei (-o) muss auf .%1 oder .%2 enden.</source>
        <translation>The output file (-o) must end in .%1 or .%2.</translation>
    </message>
    <message>
        <source>Die Ausgabedatei (-o) muss auf .%1 oder .%2 oder .%3 enden.</source>
        <translation>The output file (-o) must end in .%1, .%2 or .%3.</translation>
    </message>
    <message>
        <source>Nach %1 fehlt eine Angabe.</source>
        <translation>A value is missing after %1.</translation>
    </message>
    <message>
        <source>%1 ist mehrfach angegeben.</source>
        <translation>%1 is given more than once.</translation>
    </message>
    <message>
        <source>--pair nimmt keinen Wert; die zwei Ringnummern folgen dem Befehl.</source>
        <translation>--pair takes no value; the two ring numbers follow the command.</translation>
    </message>
    <message>
        <source>Unbekannte Angabe „%1“.</source>
        <translation>Unknown argument “%1”.</translation>
    </message>
    <message>
        <source>Es fehlt der Befehl.</source>
        <translation>The command is missing.</translation>
    </message>
    <message>
        <source>Unbekannter Befehl „%1“.</source>
        <translation>Unknown command “%1”.</translation>
    </message>
    <message>
        <source>%1 nimmt die Angabe %2 nicht.</source>
        <translation>%1 does not take %2.</translation>
    </message>
    <message>
        <source>Den Datenordner „%1“ gibt es nicht.</source>
        <translation>The data folder “%1” does not exist.</translation>
    </message>
    <message>
        <source>Der Datenordner „%1“ kann nicht gelesen werden: %2</source>
        <translation>The data folder “%1” cannot be read: %2</translation>
    </message>
    <message>
        <source>„%1“ ist kein Ordner.</source>
        <translation>“%1” is not a folder.</translation>
    </message>
    <message>
        <source>Die Bestandsdatei „%1“ gibt es nicht.</source>
        <translation>The stock file “%1” does not exist.</translation>
    </message>
    <message>
        <source>--size nimmt a6, a7 oder card.</source>
        <translation>--size takes a6, a7 or card.</translation>
    </message>
    <message>
        <source>Nach --pair fehlen die Nummern der Zuchtpaare.</source>
        <translation>The numbers of the breeding pairs are missing after --pair.</translation>
    </message>
    <message>
        <source>cagecards --pair nimmt die Nummern von Zuchtpaaren, gezählt ab 1.</source>
        <translation>cagecards --pair takes the numbers of breeding pairs, counted from 1.</translation>
    </message>
    <message>
        <source>location nimmt höchstens einen Ort; Orte mit Leerzeichen in Anführungszeichen.</source>
        <translation>location takes at most one place; put places with spaces in quotes.</translation>
    </message>
    <message>
        <source>Hinweis: Der Ring %1 ist an mehr als einem Vogel.</source>
        <translation>Note: ring %1 is on more than one bird.</translation>
    </message>
    <message>
        <source>Es fehlt der Name der Ausstellung (in Anführungszeichen, wenn er Leerzeichen enthält).</source>
        <translation>The name of the show is missing (in quotes if it contains spaces).</translation>
    </message>
    <message>
        <source>Eine Ausstellung „%1“ ist nicht eingetragen.</source>
        <translation>No show “%1” is entered.</translation>
    </message>
    <message>
        <source>--sheet nimmt 3x8 oder 3x7.</source>
        <translation>--sheet takes 3x8 or 3x7.</translation>
    </message>
    <message>
        <source>Aufruf:
  avelor-export [--data ORDNER] pedigree RING... -o DATEI
  avelor-export [--data ORDNER] recordsheet RING -o DATEI
  avelor-export [--data ORDNER] stocklist [--by ring|year] [--breed RASSE] [--layout one|two] -o DATEI
  avelor-export [--data ORDNER] pairsheet N -o DATEI
  avelor-export [--data ORDNER] cagecards (--pair N... | RING...) [--size a6|a7|card] -o DATEI
  avelor-export [--data ORDNER] csv stock|breeding|shows -o DATEI
  avelor-export [--data ORDNER] inbreeding RING...
  avelor-export [--data ORDNER] inbreeding --pair HAHN HENNE
  avelor-export [--data ORDNER] check
  avelor-export [--data ORDNER] shows [--year JAHR]
  avelor-export [--data ORDNER] sales [--year JAHR]
  avelor-export [--data ORDNER] location [ORT]
  avelor-export [--data ORDNER] rings [--year JAHR]
  avelor-export [--data ORDNER] entries AUSSTELLUNG -o DATEI
  avelor-export [--data ORDNER] labels AUSSTELLUNG [--sheet 3x8|3x7] -o DATEI
  avelor-export [--data ORDNER] due [--date JJJJ-MM-TT] [--days N]
  avelor-export [--data ORDNER] season JAHR
  avelor-export [--data ORDNER] mates RING [--breed RASSE] [--limit N]
  avelor-export [--data ORDNER] colours --pair HAHN HENNE [--crossover ANTEIL] [--phase coupling|repulsion]
  avelor-export colours --cock ANLAGEN --hen ANLAGEN [--crossover ANTEIL]
  avelor-export --version

Schreibt Abstammungsnachweise (eine Seite je Ring), ein Stammblatt, die
Bestandsliste oder das Blatt des N-ten Zuchtpaares (gezählt ab 1); cagecards die
Käfigkarten von Zuchtpaaren oder einzelnen Vögeln, mehrere je A4-Blatt (a7, wenn
--size fehlt). DATEI endet auf
.pdf oder .png, die Bestandsliste auch auf .html, pedigree für einen Ring auch auf .json
(die Stammbaumdatei für den Käufer); csv schreibt den Bestand, die
Zuchtdaten oder die Ausstellungsergebnisse für eine Tabellenkalkulation. inbreeding
gibt je Ring eine Zeile aus: Ring, Tabulator, Inzuchtkoeffizient als Dezimalbruch;
mit --pair den der Jungen eines Paares. check meldet Auffälligkeiten im Bestand.
shows gibt je Ausstellungsergebnis, sales je abgegebenem Vogel eine Zeile mit
Tabulatoren aus; due die fälligen Arbeiten der Zucht, season die Zahlen der Paare
eines Jahres, mates die Partner eines Vogels, die am wenigsten verwandten zuerst.
location gibt je Vogel im Bestand eine Zeile aus: Ring, Standort, seit (JJJJ-MM-TT);
mit ORT nur die Vögel dort. rings gibt je Ringlieferung eine Zeile aus: Jahr,
Verband, Größe, erster und letzter Ring, benutzt, frei. entries schreibt den
Meldebogen der zuletzt eingetragenen Ausstellung dieses Namens (als .csv die
Meldungen mit Punkten), labels ihre Käfigetiketten auf A4-Etikettenbögen
(3x8: 70 × 37 mm, 3x7: 70 × 42,3 mm; 3x8, wenn --sheet fehlt).
colours gibt je Art Junge eines Paares eine Zeile aus: Hahn oder Henne, Anteil,
sichtbare und verdeckte Anlagen, Farbe; ANLAGEN wie &quot;braun,/opal&quot; (&quot;/&quot;: spalterbig).
Mehrere Seiten als PNG werden zu DATEI-1.png, DATEI-2.png usw.
Ohne --data wird der Datenordner des Programms gelesen; es wird dort nie etwas
geschrieben. Mehr in der Handbuchseite: man avelor-export

Rückgabewerte: 0 erledigt (check: nichts gefunden), 1 ein Ring oder Zuchtpaar ist
nicht im Bestand (check: etwas gefunden), 2 falscher Aufruf, 3 Daten nicht lesbar
oder Datei nicht schreibbar.
</source>
        <extracomment>Command and option names (pedigree, --data, ring|year …) stay as they are.</extracomment>
        <translation>Usage:
  avelor-export [--data FOLDER] pedigree RING... -o FILE
  avelor-export [--data FOLDER] recordsheet RING -o FILE
  avelor-export [--data FOLDER] stocklist [--by ring|year] [--breed BREED] [--layout one|two] -o FILE
  avelor-export [--data FOLDER] pairsheet N -o FILE
  avelor-export [--data FOLDER] cagecards (--pair N... | RING...) [--size a6|a7|card] -o FILE
  avelor-export [--data FOLDER] csv stock|breeding|shows -o FILE
  avelor-export [--data FOLDER] inbreeding RING...
  avelor-export [--data FOLDER] inbreeding --pair COCK HEN
  avelor-export [--data FOLDER] check
  avelor-export [--data FOLDER] shows [--year YEAR]
  avelor-export [--data FOLDER] sales [--year YEAR]
  avelor-export [--data FOLDER] location [PLACE]
  avelor-export [--data FOLDER] rings [--year YEAR]
  avelor-export [--data FOLDER] entries SHOW -o FILE
  avelor-export [--data FOLDER] labels SHOW [--sheet 3x8|3x7] -o FILE
  avelor-export [--data FOLDER] due [--date YYYY-MM-DD] [--days N]
  avelor-export [--data FOLDER] season YEAR
  avelor-export [--data FOLDER] mates RING [--breed BREED] [--limit N]
  avelor-export [--data FOLDER] colours --pair COCK HEN [--crossover SHARE] [--phase coupling|repulsion]
  avelor-export colours --cock FACTORS --hen FACTORS [--crossover SHARE]
  avelor-export --version

Writes pedigree certificates (one page per ring), a record sheet, the
stock list or the sheet of the N-th breeding pair (counted from 1); cagecards the
cage cards of breeding pairs or single birds, several to an A4 sheet (a7 when
--size is not given). FILE ends in
.pdf or .png, the stock list also .html, pedigree for one ring also .json
(the pedigree file for the buyer); csv writes the stock, the
breeding data or the show results for a spreadsheet. inbreeding
prints one line per ring: ring, tab, inbreeding coefficient as a decimal fraction;
with --pair that of a pair&apos;s young. check reports anything unusual in the stock.
shows prints one line per show result, sales one per bird passed on, with
tabs; due the breeding tasks due, season the figures of the pairs
of a year, mates a bird&apos;s possible partners, the least related first.
location prints one line per bird in the stock: ring, location, since (YYYY-MM-DD);
with PLACE only the birds there.
rings prints one line per ring delivery: year,
club, size, first and last ring, used, free.
entries writes the entry form of the show of that name entered last (as .csv
the entries with their points), labels its cage labels on A4 label sheets
(3x8: 70 × 37 mm, 3x7: 70 × 42.3 mm; 3x8 without --sheet).
colours prints one line per kind of young of a pair: cock or hen, share,
visual and hidden factors, colour; FACTORS like &quot;braun,/opal&quot; (&quot;/&quot;: split).
Several pages as PNG become FILE-1.png, FILE-2.png and so on.
Without --data the program&apos;s data folder is read; nothing is ever
written there. More in the manual page: man avelor-export

Exit codes: 0 done (check: nothing found), 1 a ring or breeding pair is
not in the stock (check: something found), 2 wrong call, 3 data not readable
or file not writable.
</translation>
    </message>
</context>
<context>
    <name>FactorStatesEditor</name>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is a colour factor, %2 how it is inherited</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>%1 is a colour factor, labelling its choice</extracomment>
        <translation>%1:</translation>
    </message>
</context>
<context>
    <name>FileSaving</name>
    <message>
        <source>Die Datei „%1“ konnte nicht geschrieben werden: %2</source>
        <translation>The file “%1” could not be written: %2</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde erstellt.</source>
        <translation>The file %1 has been created.</translation>
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
    <name>GeneticsPanel</name>
    <message>
        <source>Erbanlagen</source>
        <translation>Colour factors</translation>
    </message>
    <message>
        <source>Was die Eltern und Jungen im Bestand belegen oder wahrscheinlich machen</source>
        <translation>What the parents and young in the stock prove or make likely</translation>
    </message>
    <message>
        <source>Laut Farbe „%1“ sichtbar: %2 (gilt, wo nichts eingetragen ist).</source>
        <translation>Visual by the colour “%1”: %2 (applies where nothing is entered).</translation>
    </message>
    <message>
        <source>Aus dem Stammbaum: keine verdeckten Anlagen belegt.</source>
        <translation>From the pedigree: no hidden factors proven.</translation>
    </message>
    <message>
        <source>Aus dem Stammbaum:
%1</source>
        <translation>From the pedigree:
%1</translation>
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
    <message>
        <source>Datum</source>
        <translation>Date</translation>
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
    <name>ImportTool</name>
    <message>
        <source>Aufruf:
  avelor-import [--data ORDNER] [--dry-run] [--keep] DATEI...
  avelor-import --version

Liest Tabellen (CSV, etwa aus einer Tabellenkalkulation oder aus avelor-export csv stock)
in den Bestand ein: neue Ringnummern kommen hinzu, bekannte bekommen die Felder, die die
Datei füllt; Verbleib und Erbanlagen kommen in die Zusatzdaten, ebenso die
Ausstellungsergebnisse aus avelor-export csv shows. Die Spalten werden an ihren
Überschriften erkannt. Je Zeile mit einem Problem eine Zeile &quot;Zeile N: …&quot;, zuletzt
die Zusammenfassung. Hat eine Zeile einen
Fehler, wird nichts eingelesen. Eine Stammbaumdatei (.json, von avelor-export pedigree)
bringt einen gekauften Vogel mit seinen Ahnen; Gespeichertes bleibt dabei, wie es ist.
  --dry-run  nur prüfen, nichts schreiben
  --keep     gespeicherte Werte behalten, wo die Datei andere hat (sonst überschreiben)
Ohne --data wird der Datenordner des Programms benutzt; während das Programm ihn
geöffnet hat, wird nichts eingelesen. Mehr in der Handbuchseite: man avelor-import

Rückgabewerte: 0 alles eingelesen, 1 eine Zeile war fehlerhaft (nichts eingelesen),
2 falscher Aufruf, 3 Daten oder Datei nicht lesbar oder nicht schreibbar, 4 Datenordner
wird gerade benutzt.
</source>
        <extracomment>Command and option names (--data, --dry-run, csv stock …) stay as they are.</extracomment>
        <translation>Usage:
  avelor-import [--data FOLDER] [--dry-run] [--keep] FILE...
  avelor-import --version

Reads tables (CSV, e.g. from a spreadsheet or from avelor-export csv stock)
into the stock: new ring numbers are added, known ones get the fields the
file fills; whereabouts and colour factors go into the additional records, as do
the show results from avelor-export csv shows. Columns are recognised by their
headings. One line &quot;Row N: …&quot; per row with a problem, then
the summary. If a row has an
error, nothing is read in. A pedigree file (.json, from avelor-export pedigree)
brings a bought bird with its ancestors; what is stored stays as it is.
  --dry-run  only check, write nothing
  --keep     keep stored values where the file has others (otherwise overwrite)
Without --data the program&apos;s data folder is used; while the program has it
open, nothing is read in. More in the manual page: man avelor-import

Exit codes: 0 all read in, 1 a row had an error (nothing read in),
2 wrong call, 3 data or file not readable or not writable, 4 data folder
in use.
</translation>
    </message>
    <message>
        <source>--data nimmt einen Ordner.</source>
        <translation>--data takes a folder.</translation>
    </message>
    <message>
        <source>Unbekannte Option %1.</source>
        <translation>Unknown option %1.</translation>
    </message>
    <message>
        <source>Keine Datei zum Einlesen angegeben.</source>
        <translation>No file to read in given.</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden: %2</source>
        <translation>The file %1 cannot be read: %2</translation>
    </message>
    <message>
        <source>Stammbaum von %1, abgegeben von %2</source>
        <translation>Pedigree of %1, passed on by %2</translation>
    </message>
    <message>
        <source>Vogel %1: %2</source>
        <translation>Bird %1: %2</translation>
    </message>
    <message>
        <source>Zeile %1: %2</source>
        <translation>Row %1: %2</translation>
    </message>
    <message>
        <source>%1: anders in der Datei, das Gespeicherte bleibt: %2</source>
        <translation>%1: different in the file, the stored value stays: %2</translation>
    </message>
    <message>
        <source>Eltern, die weder im Bestand noch in der Datei stehen: %1</source>
        <translation>Parents neither in the stock nor in the file: %1</translation>
    </message>
</context>
<context>
    <name>ImportWords</name>
    <message>
        <source>hahn</source>
        <extracomment>The word for a cock in a spreadsheet&apos;s sex column, lower case, as the import understands it.</extracomment>
        <translation>cock</translation>
    </message>
    <message>
        <source>henne</source>
        <extracomment>The word for a hen in a spreadsheet&apos;s sex column, lower case, as the import understands it.</extracomment>
        <translation>hen</translation>
    </message>
    <message>
        <source>ja</source>
        <extracomment>&quot;yes&quot; in a spreadsheet&apos;s sold column, lower case, as the import understands it.</extracomment>
        <translation>yes</translation>
    </message>
    <message>
        <source>nein</source>
        <extracomment>&quot;no&quot; in a spreadsheet&apos;s sold column, lower case, as the import understands it.</extracomment>
        <translation>no</translation>
    </message>
</context>
<context>
    <name>LocationListReport</name>
    <message>
        <source>Vögel in der Liste: %1</source>
        <translation>Birds in the list: %1</translation>
    </message>
</context>
<context>
    <name>LocationPanel</name>
    <message>
        <source>Käfig, Voliere oder Raum, in dem der Vogel sitzt; leer, wenn er keinen Platz hat</source>
        <translation>Cage, aviary or room the bird is in; empty when it has no place</translation>
    </message>
    <message>
        <source>Seit wann der Vogel dort sitzt, im Format TT.MM.JJJJ; leer: heute</source>
        <translation>Since when the bird has been there, as DD.MM.YYYY; empty: today</translation>
    </message>
    <message>
        <source>TT.MM.JJJJ</source>
        <translation>DD.MM.YYYY</translation>
    </message>
    <message>
        <source>Wo der Vogel bisher saß, mit dem Tag des Umsetzens</source>
        <translation>Where the bird was before, with the day of each move</translation>
    </message>
    <message>
        <source>seit</source>
        <translation>since</translation>
    </message>
    <message>
        <source>Standort</source>
        <translation>Location</translation>
    </message>
    <message>
        <source>S&amp;tandort:</source>
        <translation>&amp;Location:</translation>
    </message>
    <message>
        <source>s&amp;eit:</source>
        <translation>s&amp;ince:</translation>
    </message>
    <message>
        <source>&amp;Bisherige Standorte:</source>
        <translation>&amp;Previous locations:</translation>
    </message>
    <message>
        <source>(ohne Standort)</source>
        <translation>(no location)</translation>
    </message>
    <message>
        <source>Ungültiges Datum beim Standort!</source>
        <translation>Invalid location date!</translation>
    </message>
</context>
<context>
    <name>Locations</name>
    <message>
        <source>%1 %2</source>
        <extracomment>A breeding pair&apos;s cage as the place its birds sit in: the cage word and its number.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Standort</source>
        <translation>Location</translation>
    </message>
    <message>
        <source>seit</source>
        <translation>since</translation>
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
        <source>Jahr</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>Farbe</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>Rasse</source>
        <translation>Breed</translation>
    </message>
</context>
<context>
    <name>LocationsWindow</name>
    <message>
        <source>Standorte</source>
        <translation>Locations</translation>
    </message>
    <message>
        <source>Welche Vögel die Liste zeigt</source>
        <translation>Which birds the list shows</translation>
    </message>
    <message>
        <source>Die Vögel mit ihrem Standort; mehrere lassen sich mit Umschalt- oder Strg-Taste auswählen</source>
        <translation>The birds with their location; choose several with Shift or Ctrl</translation>
    </message>
    <message>
        <source>Vögel und ihre Standorte</source>
        <translation>Birds and their locations</translation>
    </message>
    <message>
        <source>Käfig, Voliere oder Raum, in den die ausgewählten Vögel kommen; leer: aus dem Standort nehmen</source>
        <translation>Cage, aviary or room the chosen birds go to; empty: take them out of their location</translation>
    </message>
    <message>
        <source>Der Tag des Umsetzens, im Format TT.MM.JJJJ</source>
        <translation>The day of the move, as DD.MM.YYYY</translation>
    </message>
    <message>
        <source>TT.MM.JJJJ</source>
        <translation>DD.MM.YYYY</translation>
    </message>
    <message>
        <source>Ausgewählte &amp;umsetzen</source>
        <translation>&amp;Move chosen</translation>
    </message>
    <message>
        <source>Setzt alle ausgewählten Vögel in einem Schritt um</source>
        <translation>Moves all chosen birds in one step</translation>
    </message>
    <message>
        <source>&amp;Zeigen:</source>
        <translation>&amp;Show:</translation>
    </message>
    <message>
        <source>Umsetzen &amp;nach:</source>
        <translation>Move &amp;to:</translation>
    </message>
    <message>
        <source>&amp;am:</source>
        <translation>&amp;on:</translation>
    </message>
    <message>
        <source>&amp;Drucken…</source>
        <translation>&amp;Print…</translation>
    </message>
    <message>
        <source>Die gezeigte Liste in der Vorschau, zum Drucken oder Speichern als PDF</source>
        <translation>The list shown, in the preview, to print or save as PDF</translation>
    </message>
    <message>
        <source>Als &amp;CSV-Datei speichern…</source>
        <translation>Save as &amp;CSV file…</translation>
    </message>
    <message>
        <source>Die gezeigte Liste für eine Tabellenkalkulation</source>
        <translation>The list shown, for a spreadsheet</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Alle Vögel im Bestand</source>
        <translation>All birds in the stock</translation>
    </message>
    <message>
        <source>Vögel ohne Standort</source>
        <translation>Birds without a location</translation>
    </message>
    <message>
        <source>Bitte zuerst die Vögel in der Liste auswählen.</source>
        <translation>Please choose the birds in the list first.</translation>
    </message>
    <message>
        <source>Ungültiges Datum beim Umsetzen!</source>
        <translation>Invalid date of the move!</translation>
    </message>
    <message>
        <source>Standort %1</source>
        <translation>Location %1</translation>
    </message>
    <message>
        <source>die Standortliste</source>
        <translation>the list of locations</translation>
    </message>
    <message>
        <source>Standorte</source>
        <comment>file name of the printed list of locations</comment>
        <translation>Locations</translation>
    </message>
    <message>
        <source>Standorte speichern</source>
        <translation>Save locations</translation>
    </message>
    <message>
        <source>Standorte.csv</source>
        <translation>Locations.csv</translation>
    </message>
    <message>
        <source>Vögel in der Liste: %1</source>
        <translation>Birds in the list: %1</translation>
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
    <name>MatePlanner</name>
    <message>
        <source>Die Ringnummer „%1“ ist nicht im Bestand.</source>
        <translation>The ring number “%1” is not in the stock.</translation>
    </message>
    <message>
        <source>Das Geschlecht des Kanarienvogels „%1“ ist unbekannt; ohne es lassen sich keine Partner suchen.</source>
        <translation>The sex of the canary “%1” is unknown; without it no partners can be found.</translation>
    </message>
</context>
<context>
    <name>MatePlannerWindow</name>
    <message>
        <source>Partnersuche</source>
        <translation>Mate finder</translation>
    </message>
    <message>
        <source>Der Hahn oder die Henne, für die ein Partner gesucht wird</source>
        <translation>The cock or hen to find a partner for</translation>
    </message>
    <message>
        <source>Nur Rasse:</source>
        <translation>Breed only:</translation>
    </message>
    <message>
        <source>Die am wenigsten verwandten Partner stehen oben; eng verwandte sind rot</source>
        <translation>The least related partners are at the top; closely related ones are red</translation>
    </message>
    <message>
        <source>Mögliche Partner</source>
        <translation>Possible partners</translation>
    </message>
    <message>
        <source>Als &amp;Zuchtpaar anlegen…</source>
        <translation>Enter as breeding &amp;pair…</translation>
    </message>
    <message>
        <source>Öffnet die Nachwuchsverwaltung mit beiden Vögeln als neues Zuchtpaar</source>
        <translation>Opens breeding and young with both birds as a new breeding pair</translation>
    </message>
    <message>
        <source>Kanarienvogel:</source>
        <translation>Canary:</translation>
    </message>
    <message>
        <source>Bitte den Kanarienvogel wählen.</source>
        <translation>Please choose the canary.</translation>
    </message>
    <message>
        <source>%1 mögliche Partner, die am wenigsten verwandten zuerst.</source>
        <translation>%1 possible partners, the least related first.</translation>
    </message>
    <message>
        <source>Bitte zuerst einen Partner in der Liste anklicken.</source>
        <translation>Please first click a partner in the list.</translation>
    </message>
</context>
<context>
    <name>MateTableModel</name>
    <message>
        <source>Eng verwandt: Die Jungen hätten einen Inzuchtkoeffizienten von %1.</source>
        <translation>Closely related: the young would have an inbreeding coefficient of %1.</translation>
    </message>
    <message>
        <source>eng verwandt</source>
        <translation>closely related</translation>
    </message>
    <message>
        <source>Ringnummer</source>
        <translation>Ring number</translation>
    </message>
    <message>
        <source>Inzucht der Jungen</source>
        <translation>Inbreeding of the young</translation>
    </message>
    <message>
        <source>Verwandtschaft</source>
        <translation>Relationship</translation>
    </message>
    <message>
        <source>Farben der Jungen</source>
        <translation>Colours of the young</translation>
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
    <message>
        <source>S&amp;tandorte…</source>
        <translation>&amp;Locations…</translation>
    </message>
    <message>
        <source>&amp;Ringbestand…</source>
        <translation>Rings on &amp;hand…</translation>
    </message>
    <message>
        <source>Ausstellungs&amp;meldung…</source>
        <translation>Show &amp;entries…</translation>
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
    <message>
        <source>Käfigkarten…</source>
        <translation>Cage cards…</translation>
    </message>
    <message>
        <source>Karten für die Zuchtkäfige oder einzelne Vögel, mit QR-Code der Ringnummern</source>
        <translation>Cards for the breeding cages or single birds, with a QR code of the ring numbers</translation>
    </message>
</context>
<context>
    <name>PairSheet</name>
    <message>
        <source>unbekannt</source>
        <translation>unknown</translation>
    </message>
    <message>
        <source>männlich </source>
        <translation>male </translation>
    </message>
    <message>
        <source>weiblich </source>
        <translation>female </translation>
    </message>
    <message>
        <source>Gelege %1:      Erstes Ei          letztes Ei          Anzahl Eier          Gelege gesetzt
<byte value="xd"/></source>
        <translation>Clutch %1:      First egg          Last egg           Number of eggs       Clutch set
</translation>
    </message>
    <message>
        <source>aus Gelege %1: Ringnummer             Geschlecht    Rasse/Art                           abgesetzt
<byte value="xd"/></source>
        <translation>from clutch %1: Ring number           Sex           Breed/species                       weaned
</translation>
    </message>
    <message>
        <source>nicht beringt</source>
        <translation>not ringed</translation>
    </message>
    <message>
        <source>für Zuchtpaar %1 und %2</source>
        <translation>for breeding pair %1 and %2</translation>
    </message>
</context>
<context>
    <name>PairSheetReport</name>
    <message>
        <source>Ringnummer:</source>
        <translation>Ring number:</translation>
    </message>
    <message>
        <source>Art/Rasse:</source>
        <translation>Species/breed:</translation>
    </message>
    <message>
        <source>Farbe::</source>
        <translation>Colour:</translation>
    </message>
    <message>
        <source>Zuchtpaarauszug aus Zuchtdatei</source>
        <translation>Breeding pair sheet</translation>
    </message>
    <message>
        <source>Details zu Vogel (m) 1.0:</source>
        <translation>About bird (m) 1.0:</translation>
    </message>
    <message>
        <source>Details zu Vogel (w) 0.1:</source>
        <translation>About bird (f) 0.1:</translation>
    </message>
    <message>
        <source>Gelege:</source>
        <translation>Clutch:</translation>
    </message>
    <message>
        <source>Beringungen:</source>
        <translation>Ringings:</translation>
    </message>
    <message>
        <source>Erstellt mit Avelor Abstammungsnachweis</source>
        <translation>Made with Avelor Pedigree Certificate</translation>
    </message>
    <message>
        <source>Internet: %1</source>
        <translation>Internet: %1</translation>
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
    <name>ParentLinksDialog</name>
    <message>
        <source>Sobald sie alle Kanarienvögel eingegeben haben, müssen Sie hier die Elternbeziehungen festlegen, damit das Programm weiß, wie sich die Familienverhältnisse verhalten um einen Abstammungsnachweis erstellen zu können.

Wählen Sie links in der Liste aller Kanarienvögel das Kind aus und legen Sie anschließend Vater und Mutter dazu fest. Klicken Sie dann auf &quot;Speichern&quot;.

Wählen Sie dann den Vater und die Mutter nacheinander in der linken Liste aus und wählen Sie deren Eltern. Das Programm kennt dann die Eltern des Jungvogels, sowie die Eltern der Eltern (die Großeltern des Jungvogels).

Auf diese Weise können Sie bis zu 4 Generationen verknüpfen, indem Sie immer nur die Eltern des Jungvogels, des Vaters und der Mutter, der Großmütter und der Großväter, usw. angeben.</source>
        <translation>Once you have entered all canaries, set the parent links here, so that the program knows the family relations and can make a pedigree certificate.

Choose the young bird in the list of all canaries on the left, then set its father and mother. Then click &quot;Save&quot;.

Then choose the father and the mother one after the other in the left list and set their parents. The program then knows the parents of the young bird and the parents&apos; parents (the young bird&apos;s grandparents).

In this way you can link up to 4 generations, always giving only the parents of the young bird, of the father and the mother, of the grandmothers and grandfathers, and so on.</translation>
    </message>
    <message>
        <source>Elternbeziehungen</source>
        <translation>Parent links</translation>
    </message>
    <message>
        <source>Liste aller Kanarienvögel:</source>
        <translation>List of all canaries:</translation>
    </message>
    <message>
        <source>zur Zeit gespeicherte Mutter:</source>
        <translation>mother stored now:</translation>
    </message>
    <message>
        <source>zur Zeit gespeicherter Vater:</source>
        <translation>father stored now:</translation>
    </message>
    <message>
        <source>Verkaufte Kanarienvögel in allen 3 Listen ausblenden</source>
        <translation>Hide sold canaries in all 3 lists</translation>
    </message>
    <message>
        <source>Gelöschte Kanarienvögel in den Eltern-Teil-Auswahlliste anzeigen</source>
        <translation>Show deleted canaries in the parent selection lists</translation>
    </message>
    <message>
        <source>Filter auch für Elterntiereauswahl anwenden</source>
        <translation>Apply the filter to the parent selection too</translation>
    </message>
    <message>
        <source>Eltern dieses Vogels ändern:</source>
        <translation>Change this bird&apos;s parents:</translation>
    </message>
    <message>
        <source>=&gt; keine Mutter</source>
        <translation>=&gt; no mother</translation>
    </message>
    <message>
        <source>=&gt; kein Vater</source>
        <translation>=&gt; no father</translation>
    </message>
    <message>
        <source>neue Mutter:</source>
        <translation>new mother:</translation>
    </message>
    <message>
        <source>neuer Vater:</source>
        <translation>new father:</translation>
    </message>
    <message>
        <source>Neue Eltern des Vogels speichern</source>
        <translation>Save the bird&apos;s new parents</translation>
    </message>
    <message>
        <source>Wählen Sie nun Mutter und Vater d. ausgew. Kanarienvogel aus und klicken Sie auf &quot;Speichern&quot;.</source>
        <translation>Now choose the mother and father of the chosen canary and click &quot;Save&quot;.</translation>
    </message>
    <message>
        <source>Bitte das Jungtier auswählen.</source>
        <translation>Please choose the young bird.</translation>
    </message>
    <message>
        <source>Frage</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Die Eltern wurden erfolgreich gespeichert.</source>
        <translation>The parents have been saved.</translation>
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
        <translation>This is not an Avelor pedigree file.</translation>
    </message>
    <message>
        <source>Diese Stammbaumdatei hat die Formatversion %1; dieses Programm kennt bis %2. Bitte Avelor aktualisieren, um sie einzulesen.</source>
        <translation>This pedigree file has format version %1; this program knows up to %2. Please update Avelor to read it in.</translation>
    </message>
    <message>
        <source>erhalten von %1</source>
        <translation>received from %1</translation>
    </message>
    <message>
        <source>Die Stammbaumdatei enthält keinen Vogel.</source>
        <translation>The pedigree file holds no bird.</translation>
    </message>
</context>
<context>
    <name>PedigreeReading</name>
    <message>
        <source>unter 1 %</source>
        <translation>below 1 %</translation>
    </message>
    <message>
        <source>sicher spalterbig für %1: %2</source>
        <translation>certainly split for %1: %2</translation>
    </message>
    <message>
        <source>spalterbig für %1: %2, %3</source>
        <translation>split for %1: %2, %3</translation>
    </message>
    <message>
        <source>spalterbig</source>
        <translation>split</translation>
    </message>
    <message>
        <source>zu %1 spalterbig</source>
        <translation>%1 likely split</translation>
    </message>
    <message>
        <source>Vater und Mutter %1</source>
        <translation>father and mother %1</translation>
    </message>
    <message>
        <source>Vater %1</source>
        <translation>father %1</translation>
    </message>
    <message>
        <source>Mutter %1</source>
        <translation>mother %1</translation>
    </message>
    <message>
        <source>Junges %1 %2</source>
        <translation>young %1 %2</translation>
    </message>
    <message>
        <source>Vater %1, Mutter %2</source>
        <translation>father %1, mother %2</translation>
    </message>
</context>
<context>
    <name>PedigreeReport</name>
    <message>
        <source>Abstammungsnachweis</source>
        <translation>Pedigree Certificate</translation>
    </message>
    <message>
        <source>Erstellt mit Avelor Abstammungsnachweis - Internet: %1</source>
        <translation>Made with Avelor Pedigree Certificate - Internet: %1</translation>
    </message>
    <message>
        <source>Verkauft an:</source>
        <translation>Sold to:</translation>
    </message>
    <message>
        <source>Farbe: </source>
        <translation>Colour: </translation>
    </message>
    <message>
        <source>Züchter: </source>
        <translation>Breeder: </translation>
    </message>
    <message>
        <source>Art: </source>
        <translation>Breed: </translation>
    </message>
    <message>
        <source>Jahrgang: </source>
        <translation>Year: </translation>
    </message>
    <message>
        <source>für %1</source>
        <translation>for %1</translation>
    </message>
    <message>
        <source>Tel.: </source>
        <translation>Tel.: </translation>
    </message>
    <message>
        <source>Inzuchtkoeffizient: %1 (Schleife in den Elternbeziehungen übergangen)</source>
        <translation>Inbreeding coefficient: %1 (loop in the parent links skipped)</translation>
    </message>
    <message>
        <source>Inzuchtkoeffizient: %1</source>
        <translation>Inbreeding coefficient: %1</translation>
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
    <name>PictureDecoder</name>
    <message>
        <source>Das Bild „%1“ kann nicht angezeigt werden: %2</source>
        <translation>The picture “%1” cannot be shown: %2</translation>
    </message>
    <message>
        <source>Die JPEG-Daten sind fehlerhaft (%1).</source>
        <translation>The JPEG data are faulty (%1).</translation>
    </message>
    <message>
        <source>Das Dateiformat ist unbekannt oder die Datei ist beschädigt.</source>
        <translation>The file format is unknown or the file is damaged.</translation>
    </message>
    <message>
        <source>Die Datei kann nicht gelesen werden.</source>
        <translation>The file cannot be read.</translation>
    </message>
</context>
<context>
    <name>PictureStore</name>
    <message>
        <source>Der Bilderordner „%1“ konnte nicht angelegt werden.</source>
        <translation>The picture folder “%1” could not be created.</translation>
    </message>
    <message>
        <source>Das Bild für %1 konnte nicht gespeichert werden: %2</source>
        <translation>The picture for %1 could not be saved: %2</translation>
    </message>
    <message>
        <source>Das Bild von %1 wurde nicht umbenannt, weil es unter %2 schon ein Bild gibt. Bitte prüfen Sie beide Bilder im Ordner „%3“.</source>
        <translation>The picture of %1 was not renamed because there is already a picture under %2. Please check both pictures in the folder “%3”.</translation>
    </message>
    <message>
        <source>Das Bild von %1 konnte nicht nach %2 umbenannt werden: %3</source>
        <translation>The picture of %1 could not be renamed to %2: %3</translation>
    </message>
    <message>
        <source>Das Bild von %1 konnte nicht gelöscht werden: %2</source>
        <translation>The picture of %1 could not be deleted: %2</translation>
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
    <message>
        <source>Sprache geändert</source>
        <translation>Language changed</translation>
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
    <message>
        <source>Sprache</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>wie das System (%1)</source>
        <translation>as the system (%1)</translation>
    </message>
    <message>
        <source>Die Sprache der Fenster gilt ab dem nächsten Start.</source>
        <translation>The language of the windows applies from the next start.</translation>
    </message>
    <message>
        <source>Sprache des Programms (ab dem nächsten Start):</source>
        <translation>Program language (from the next start):</translation>
    </message>
    <message>
        <source>wie das Programm</source>
        <translation>as the program</translation>
    </message>
    <message>
        <source>Sprache der Ausdrucke:</source>
        <translation>Language of printouts:</translation>
    </message>
    <message>
        <source>Abstammungsnachweis, Stammblatt, Bestandsliste und Zuchtpaarblatt in dieser Sprache, etwa für einen Käufer im Ausland.</source>
        <translation>Pedigree certificate, record sheet, stock list and pair sheet in this language, for a buyer abroad, for example.</translation>
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
    <name>RecordSheetReport</name>
    <message>
        <source>Farbe:</source>
        <translation>Colour:</translation>
    </message>
    <message>
        <source>Züchter:</source>
        <translation>Breeder:</translation>
    </message>
    <message>
        <source>Geschlecht:</source>
        <translation>Sex:</translation>
    </message>
    <message>
        <source>Art / Rasse:</source>
        <translation>Species / breed:</translation>
    </message>
    <message>
        <source>Geburtsjahr:</source>
        <translation>Year of birth:</translation>
    </message>
    <message>
        <source>Bemerkung Kanarienvögelbestandsliste:</source>
        <translation>Remark canary stock list:</translation>
    </message>
    <message>
        <source>Sonstige Bemerkungen</source>
        <translation>Other remarks</translation>
    </message>
    <message>
        <source>Erstellt mit Avelor Abstammungsnachweis</source>
        <translation>Made with Avelor Pedigree Certificate</translation>
    </message>
    <message>
        <source>Internet: %1</source>
        <translation>Internet: %1</translation>
    </message>
    <message>
        <source>unbekannt</source>
        <comment>sex</comment>
        <translation>unknown</translation>
    </message>
    <message>
        <source>Bestes Ausstellungsergebnis: %1 Punkte, %2, %3</source>
        <extracomment>%1 points, %2 show, %3 date</extracomment>
        <translation>Best show result: %1 points, %2, %3</translation>
    </message>
    <message>
        <source>Stammblatt z. Kanarienvogel</source>
        <translation>Record sheet of the canary</translation>
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
    <message>
        <source>Die Ringlieferung %1 bis %2</source>
        <translation>The ring delivery %1 to %2</translation>
    </message>
    <message>
        <source>Das Löschen der Ringlieferung</source>
        <translation>Deleting the ring delivery</translation>
    </message>
    <message>
        <source>Das Zurücksetzen der Ringlieferungen</source>
        <translation>Resetting the ring deliveries</translation>
    </message>
    <message>
        <source>Die Ausstellung %1</source>
        <translation>The show %1</translation>
    </message>
    <message>
        <source>Das Löschen der Ausstellung</source>
        <translation>Deleting the show</translation>
    </message>
    <message>
        <source>Die Meldung</source>
        <translation>The entry</translation>
    </message>
    <message>
        <source>Die Meldung von %1</source>
        <translation>The entry of %1</translation>
    </message>
    <message>
        <source>Das Löschen der Meldung</source>
        <translation>Deleting the entry</translation>
    </message>
    <message>
        <source>Die Übernahme der Ergebnisse</source>
        <translation>Taking over the results</translation>
    </message>
    <message>
        <source>Das Zurücksetzen der Ausstellungen</source>
        <translation>Resetting the shows</translation>
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
    <name>Relationship</name>
    <message>
        <source>Vater</source>
        <translation>Father</translation>
    </message>
    <message>
        <source>Mutter</source>
        <translation>Mother</translation>
    </message>
    <message>
        <source>Sohn</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Tochter</source>
        <translation>Daughter</translation>
    </message>
    <message>
        <source>Vollgeschwister</source>
        <translation>Full sibling</translation>
    </message>
    <message>
        <source>Halbgeschwister</source>
        <translation>Half sibling</translation>
    </message>
    <message>
        <source>Großelternteil</source>
        <translation>Grandparent</translation>
    </message>
    <message>
        <source>Enkel</source>
        <translation>Grandchild</translation>
    </message>
    <message>
        <source>Onkel/Tante</source>
        <translation>Uncle/aunt</translation>
    </message>
    <message>
        <source>Neffe/Nichte</source>
        <translation>Nephew/niece</translation>
    </message>
    <message>
        <source>Cousin/Cousine</source>
        <translation>Cousin</translation>
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
    <name>ReportOutput</name>
    <message>
        <source>Es gibt keine Seite zum Speichern.</source>
        <translation>There is no page to save.</translation>
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
    <name>ReportRenderer</name>
    <message>
        <source>Seite %1 von %2</source>
        <translation>Page %1 of %2</translation>
    </message>
</context>
<context>
    <name>RingStockWindow</name>
    <message>
        <source>Ringbestand</source>
        <translation>Rings on hand</translation>
    </message>
    <message>
        <source>Die Lieferungen dieses Jahres, oder aller Jahre</source>
        <translation>The deliveries of this year, or of all years</translation>
    </message>
    <message>
        <source>alle Jahre</source>
        <translation>all years</translation>
    </message>
    <message>
        <source>Jede Lieferung mit ihren verwendeten und freien Ringen</source>
        <translation>Each delivery with its used and free rings</translation>
    </message>
    <message>
        <source>Ringlieferungen</source>
        <translation>Ring deliveries</translation>
    </message>
    <message>
        <source>Jahr</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>Verein</source>
        <translation>Club</translation>
    </message>
    <message>
        <source>Größe</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Farbe</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>Erster Ring</source>
        <translation>First ring</translation>
    </message>
    <message>
        <source>Letzter Ring</source>
        <translation>Last ring</translation>
    </message>
    <message>
        <source>Ringe</source>
        <translation>Rings</translation>
    </message>
    <message>
        <source>Verwendet</source>
        <translation>Used</translation>
    </message>
    <message>
        <source>Frei</source>
        <translation>Free</translation>
    </message>
    <message>
        <source>Lieferung &amp;löschen…</source>
        <translation>&amp;Delete delivery…</translation>
    </message>
    <message>
        <source>Löscht die in der Liste gewählte Lieferung</source>
        <translation>Deletes the delivery chosen in the list</translation>
    </message>
    <message>
        <source>&amp;Jahr:</source>
        <translation>&amp;Year:</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Neue Lieferung</source>
        <translation>New delivery</translation>
    </message>
    <message>
        <source>Das Jahr, für das die Ringe gelten</source>
        <translation>The year the rings are for</translation>
    </message>
    <message>
        <source>Der Verband oder Verein, der die Ringe ausgibt</source>
        <translation>The association or club that issues the rings</translation>
    </message>
    <message>
        <source>Die Ringgröße, etwa 2,9 mm</source>
        <translation>The ring size, e.g. 2.9 mm</translation>
    </message>
    <message>
        <source>Die Ringfarbe des Jahres</source>
        <translation>The ring colour of the year</translation>
    </message>
    <message>
        <source>Was vor der laufenden Nummer steht, etwa Verbandskürzel, Züchternummer und Jahr</source>
        <translation>What comes before the running number, e.g. club code, breeder number and year</translation>
    </message>
    <message>
        <source>Die laufende Nummer des ersten Rings</source>
        <translation>The running number of the first ring</translation>
    </message>
    <message>
        <source>Die laufende Nummer des letzten Rings</source>
        <translation>The running number of the last ring</translation>
    </message>
    <message>
        <source>Mit wie vielen Stellen die Nummer geschrieben wird, vorn mit Nullen aufgefüllt</source>
        <translation>How many digits the number is written with, padded with leading zeros</translation>
    </message>
    <message>
        <source>Lieferung &amp;eintragen</source>
        <translation>&amp;Enter delivery</translation>
    </message>
    <message>
        <source>Trägt die Ringe als neue Lieferung ein</source>
        <translation>Enters the rings as a new delivery</translation>
    </message>
    <message>
        <source>J&amp;ahr der Ringe:</source>
        <translation>Ye&amp;ar of the rings:</translation>
    </message>
    <message>
        <source>&amp;Verein:</source>
        <translation>&amp;Club:</translation>
    </message>
    <message>
        <source>&amp;Größe:</source>
        <translation>Si&amp;ze:</translation>
    </message>
    <message>
        <source>&amp;Farbe:</source>
        <translation>Co&amp;lour:</translation>
    </message>
    <message>
        <source>V&amp;orsatz:</source>
        <translation>&amp;Prefix:</translation>
    </message>
    <message>
        <source>Erste &amp;Nummer:</source>
        <translation>First &amp;number:</translation>
    </message>
    <message>
        <source>Le&amp;tzte Nummer:</source>
        <translation>Las&amp;t number:</translation>
    </message>
    <message>
        <source>&amp;Stellen:</source>
        <translation>Di&amp;gits:</translation>
    </message>
    <message>
        <source>Mehr als einmal vergeben: %1</source>
        <translation>Given out more than once: %1</translation>
    </message>
    <message>
        <source>Für %1 zu bestellen: etwa %2 Ringe (die in der Saison %3 beringten Jungen und ein Zehntel mehr).</source>
        <extracomment>%1 the next year, %2 a number of rings, %3 the season they are reckoned from</extracomment>
        <translation>To order for %1: about %2 rings (the young ringed in the %3 season and a tenth more).</translation>
    </message>
    <message>
        <source>%1 bis %2: %3 Ringe</source>
        <extracomment>%1 the first ring, %2 the last, %3 how many rings</extracomment>
        <translation>%1 to %2: %3 rings</translation>
    </message>
    <message>
        <source>Die Lieferung %1 bis %2 löschen? Die Vögel behalten ihre Ringe.</source>
        <extracomment>%1 and %2 the first and last ring of the delivery</extracomment>
        <translation>Delete the delivery %1 to %2? The birds keep their rings.</translation>
    </message>
    <message>
        <source>Lieferung löschen</source>
        <translation>Delete delivery</translation>
    </message>
</context>
<context>
    <name>RingingGroup</name>
    <message>
        <source>Beringung des Nachwuchses: </source>
        <translation>Ringing the young: </translation>
    </message>
    <message>
        <source>Ei auswählen um die Beringung vorzunehmen</source>
        <translation>Choose an egg to ring its young</translation>
    </message>
    <message>
        <source>Ei-Infos löschen</source>
        <translation>Delete egg details</translation>
    </message>
    <message>
        <source>Löscht die Beringungsinformationen zum ausgewählten Ei. 

Dadurch wird auch den Kanarienvogel mit dieser Ringnummer gelöscht,
samt seinen Elternbeziehungen. Danach kann zu diesem Ei
eine neue Ringnummer vergeben werden.</source>
        <translation>Deletes the ringing details of the chosen egg. 

This also deletes the canary with this ring number,
with its parent links. Afterwards a new ring number
can be given to this egg.</translation>
    </message>
    <message>
        <source>Ei Nr:</source>
        <translation>Egg no.:</translation>
    </message>
    <message>
        <source>Ei Nr</source>
        <translation>Egg no.</translation>
    </message>
    <message>
        <source>Ringnummer des Kanarienvogels aus diesem Ei</source>
        <translation>Ring number of the canary from this egg</translation>
    </message>
    <message>
        <source>Geschlecht des Kanarienvogels aus diesem Ei</source>
        <translation>Sex of the canary from this egg</translation>
    </message>
    <message>
        <source>Art/Rasse des Kanarienvogels aus diesem Ei</source>
        <translation>Species/breed of the canary from this egg</translation>
    </message>
    <message>
        <source>Schlupfdatum des Kanarienvogels aus diesem Ei</source>
        <translation>Hatching date of the canary from this egg</translation>
    </message>
    <message>
        <source>Absetzdatum des Kanarienvogels aus diesem Ei</source>
        <translation>Weaning date of the canary from this egg</translation>
    </message>
    <message>
        <source>Bemerkungen über den Kanarienvogel aus diesem Ei</source>
        <translation>Remarks on the canary from this egg</translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Beendet die Eingabe zu Informationen zu diesem Ei und verwirft evtl. vorgenommene Änderungen.</source>
        <translation>Ends entering details of this egg and discards any changes made.</translation>
    </message>
    <message>
        <source>Kanarienvogel anlegen und gleich in den Elternbeziehungen eintragen</source>
        <translation>Enter the canary and link it to its parents at once</translation>
    </message>
    <message>
        <source>Legt den Kanarienvogel aus diesem Ei im Bestand an 
und trägt das Zuchtpaar automatisch bei den 
Elternbeziehungen ein.</source>
        <translation>Enters the canary from this egg into the stock 
and sets the breeding pair as its parents 
automatically.</translation>
    </message>
    <message>
        <source>bekommt Ringnr:</source>
        <translation>gets ring no.:</translation>
    </message>
    <message>
        <source>Geschlecht:</source>
        <translation>Sex:</translation>
    </message>
    <message>
        <source>Art/Rasse:</source>
        <translation>Species/breed:</translation>
    </message>
    <message>
        <source>Schlupfdatum:</source>
        <translation>Hatching date:</translation>
    </message>
    <message>
        <source>abgesetzt:</source>
        <translation>weaned:</translation>
    </message>
    <message>
        <source>Bemerkungen:</source>
        <translation>Remarks:</translation>
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
    <name>SearchDialog</name>
    <message>
        <source>Kanarienvögel suchen</source>
        <translation>Search canaries</translation>
    </message>
    <message>
        <source>Sie wissen die Ringnummer des Kanarienvogels nicht, kennen aber den Züchter, die Endnummer oder das Geburtsjahr? Dann können Sie versuchen d. Kanarienvogel über die Ihnen bekannten Angaben zu finden. Geben Sie alle Informationen ein, die Ihnen bekannt sind.

Das Programm sucht dann in der Datenbank nach Kanarienvögel auf die alle Kriterien zutreffen und zeigt sie an.</source>
        <translation>You do not know the canary&apos;s ring number but know the breeder, the last digits or the year of birth? Then try to find the canary by what you know. Enter everything you know.

The program then searches the database for canaries that match all criteria and shows them.</translation>
    </message>
    <message>
        <source>Alle gefundene Kanarienvögel anzeigen</source>
        <translation>Show all canaries found</translation>
    </message>
    <message>
        <source>Vorab-Ergebnis:</source>
        <translation>Preliminary result:</translation>
    </message>
    <message>
        <source>Ein Doppelklick zeigt den Abstammungsnachweis an.</source>
        <translation>A double click shows the pedigree certificate.</translation>
    </message>
    <message>
        <source>Ring-Nr (auch Teile davon):</source>
        <translation>Ring no. (or part of it):</translation>
    </message>
    <message>
        <source>Ring-Nr lautet:</source>
        <translation>Ring no. is:</translation>
    </message>
    <message>
        <source>Ring-Nr muß genau so sein.</source>
        <translation>Ring no. must be exactly this.</translation>
    </message>
    <message>
        <source>Züchter (auch Teile davon):</source>
        <translation>Breeder (or part of it):</translation>
    </message>
    <message>
        <source>Züchter ist:</source>
        <translation>Breeder is:</translation>
    </message>
    <message>
        <source>Züchter muß genau so sein.</source>
        <translation>Breeder must be exactly this.</translation>
    </message>
    <message>
        <source>Geburtsjahr (auch Teile davon):</source>
        <translation>Year of birth (or part of it):</translation>
    </message>
    <message>
        <source>Geburtsjahr ist:</source>
        <translation>Year of birth is:</translation>
    </message>
    <message>
        <source>Geburtsjahr muß genau so sein.</source>
        <translation>Year of birth must be exactly this.</translation>
    </message>
    <message>
        <source>Geschlecht:</source>
        <translation>Sex:</translation>
    </message>
    <message>
        <source>&lt;= leeren</source>
        <translation>&lt;= clear</translation>
    </message>
    <message>
        <source>Farbe (auch Teile davon):</source>
        <translation>Colour (or part of it):</translation>
    </message>
    <message>
        <source>Farbe ist:</source>
        <translation>Colour is:</translation>
    </message>
    <message>
        <source>Farbe muß genau so sein.</source>
        <translation>Colour must be exactly this.</translation>
    </message>
    <message>
        <source>Zeichnung (auch Teile davon):</source>
        <translation>Markings (or part of them):</translation>
    </message>
    <message>
        <source>Zeichnung ist:</source>
        <translation>Markings are:</translation>
    </message>
    <message>
        <source>Zeichnung muß genau so sein.</source>
        <translation>Markings must be exactly this.</translation>
    </message>
    <message>
        <source>Rasse (auch Teile davon):</source>
        <translation>Breed (or part of it):</translation>
    </message>
    <message>
        <source>Rasse ist:</source>
        <translation>Breed is:</translation>
    </message>
    <message>
        <source>Rasse muß genau so sein.</source>
        <translation>Breed must be exactly this.</translation>
    </message>
    <message>
        <source>%1 Kanarienvögel gefunden...</source>
        <translation>%1 canaries found...</translation>
    </message>
</context>
<context>
    <name>SeasonStatisticsWindow</name>
    <message>
        <source>Zuchtstatistik</source>
        <translation>Breeding statistics</translation>
    </message>
    <message>
        <source>Die Saison: das Jahr des Zuchtbeginns</source>
        <translation>The season: the year breeding started</translation>
    </message>
    <message>
        <source>Zahlen je Zuchtpaar</source>
        <translation>Figures per breeding pair</translation>
    </message>
    <message>
        <source>Zahlen je Hahn</source>
        <translation>Figures per cock</translation>
    </message>
    <message>
        <source>Zahlen je Henne</source>
        <translation>Figures per hen</translation>
    </message>
    <message>
        <source>&amp;Paare der Saison</source>
        <translation>&amp;Pairs of the season</translation>
    </message>
    <message>
        <source>&amp;Hähne, alle Jahre</source>
        <translation>&amp;Cocks, all years</translation>
    </message>
    <message>
        <source>H&amp;ennen, alle Jahre</source>
        <translation>H&amp;ens, all years</translation>
    </message>
    <message>
        <source>&amp;Drucken…</source>
        <translation>&amp;Print…</translation>
    </message>
    <message>
        <source>Als &amp;CSV-Datei speichern…</source>
        <translation>Save as &amp;CSV file…</translation>
    </message>
    <message>
        <source>&amp;Saison:</source>
        <translation>&amp;Season:</translation>
    </message>
    <message>
        <source>alle Jahre</source>
        <translation>all years</translation>
    </message>
    <message>
        <source>Saison %1</source>
        <translation>Season %1</translation>
    </message>
    <message>
        <source>Je Hahn über alle Zuchtpaare und Jahre</source>
        <translation>Per cock over all breeding pairs and years</translation>
    </message>
    <message>
        <source>Je Henne über alle Zuchtpaare und Jahre</source>
        <translation>Per hen over all breeding pairs and years</translation>
    </message>
    <message>
        <source>die Zuchtstatistik</source>
        <translation>the breeding statistics</translation>
    </message>
    <message>
        <source>Zuchtstatistik speichern</source>
        <translation>Save breeding statistics</translation>
    </message>
    <message>
        <source>Zuchtstatistik.csv</source>
        <translation>Breeding statistics.csv</translation>
    </message>
</context>
<context>
    <name>SeasonTables</name>
    <message>
        <source>Gelege</source>
        <translation>Clutch</translation>
    </message>
    <message>
        <source>Gelege mit mindestens einem Ei</source>
        <translation>Clutches with at least one egg</translation>
    </message>
    <message>
        <source>Eier</source>
        <translation>Eggs</translation>
    </message>
    <message>
        <source>Eier, die in den Gelegen eingetragen sind</source>
        <translation>Eggs entered in the clutches</translation>
    </message>
    <message>
        <source>Geschlüpft</source>
        <translation>Hatched</translation>
    </message>
    <message>
        <source>Eier mit Schlupfdatum oder Ring</source>
        <translation>Eggs with a hatching date or ring</translation>
    </message>
    <message>
        <source>Beringt</source>
        <translation>Ringed</translation>
    </message>
    <message>
        <source>Jungvögel mit Ring</source>
        <translation>Young birds with a ring</translation>
    </message>
    <message>
        <source>Abgesetzt</source>
        <translation>Weaned</translation>
    </message>
    <message>
        <source>Jungvögel mit Absetzdatum</source>
        <translation>Young birds with a weaning date</translation>
    </message>
    <message>
        <source>Schlupfrate</source>
        <translation>Hatching rate</translation>
    </message>
    <message>
        <source>Geschlüpft geteilt durch Eier</source>
        <translation>Hatched divided by eggs</translation>
    </message>
    <message>
        <source>Aufzuchtrate</source>
        <translation>Rearing rate</translation>
    </message>
    <message>
        <source>Abgesetzt geteilt durch Geschlüpft</source>
        <translation>Weaned divided by hatched</translation>
    </message>
    <message>
        <source>überfällig</source>
        <translation>overdue</translation>
    </message>
    <message>
        <source>heute</source>
        <translation>today</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Aufgabe</source>
        <translation>Task</translation>
    </message>
    <message>
        <source>Hecke</source>
        <translation>Breeding cage</translation>
    </message>
    <message>
        <source>Hahn</source>
        <translation>Cock</translation>
    </message>
    <message>
        <source>Henne</source>
        <translation>Hen</translation>
    </message>
    <message>
        <source>Ei</source>
        <translation>Egg</translation>
    </message>
    <message>
        <source>Stand</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Jahr</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>Summe</source>
        <translation>Total</translation>
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
    <name>ShowEntries</name>
    <message>
        <source>Der Vogel %1 ist %2-mal gemeldet.</source>
        <extracomment>%1 a ring number, %2 how often it is entered</extracomment>
        <translation>The bird %1 is entered %2 times.</translation>
    </message>
    <message>
        <source>Die Kollektion %1 hat %2 statt 4 Vögel.</source>
        <extracomment>%1 the number of the collection, %2 how many birds it has</extracomment>
        <translation>Collection %1 has %2 birds instead of 4.</translation>
    </message>
    <message>
        <source>Die Kollektion %1 mischt Hähne und Hennen.</source>
        <translation>Collection %1 mixes cocks and hens.</translation>
    </message>
    <message>
        <source>In der Kollektion %1 sind nicht nur Hähne.</source>
        <translation>Collection %1 holds more than cocks.</translation>
    </message>
    <message>
        <source>In der Kollektion %1 sind nicht nur Hennen.</source>
        <translation>Collection %1 holds more than hens.</translation>
    </message>
    <message>
        <source>Nr.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Klasse</source>
        <translation>Class</translation>
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
        <source>Farbe</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>Rasse</source>
        <translation>Breed</translation>
    </message>
    <message>
        <source>Kollektion</source>
        <translation>Team</translation>
    </message>
    <message>
        <source>Käfig-Nr.</source>
        <translation>Cage no.</translation>
    </message>
    <message>
        <source>Punkte</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Preis</source>
        <translation>Award</translation>
    </message>
</context>
<context>
    <name>ShowEntriesWindow</name>
    <message>
        <source>Ausstellungsmeldung</source>
        <translation>Show entry</translation>
    </message>
    <message>
        <source>Die Ausstellung, deren Meldungen die Liste zeigt</source>
        <translation>The show whose entries the list shows</translation>
    </message>
    <message>
        <source>&amp;Neue Ausstellung…</source>
        <translation>&amp;New show…</translation>
    </message>
    <message>
        <source>Name, Ort, Datum, Meldeschluss und Veranstalter der gewählten Ausstellung</source>
        <translation>Name, place, date, closing date and organiser of the chosen show</translation>
    </message>
    <message>
        <source>Lö&amp;schen…</source>
        <translation>&amp;Delete…</translation>
    </message>
    <message>
        <source>Löscht die gewählte Ausstellung mit allen ihren Meldungen</source>
        <translation>Deletes the chosen show with all its entries</translation>
    </message>
    <message>
        <source>Die Meldungen; Klasse, Käfig-Nr., Punkte und Preis lassen sich hier eintragen</source>
        <translation>The entries; class, cage number, points and award can be typed in here</translation>
    </message>
    <message>
        <source>Meldungen der Ausstellung</source>
        <translation>Entries of the show</translation>
    </message>
    <message>
        <source>Übernommen</source>
        <translation>Taken over</translation>
    </message>
    <message>
        <source>&amp;Ausstellung:</source>
        <translation>&amp;Show:</translation>
    </message>
    <message>
        <source>Meldung &amp;entfernen</source>
        <translation>&amp;Withdraw entry</translation>
    </message>
    <message>
        <source>Nimmt die in der Liste gewählte Meldung zurück</source>
        <translation>Withdraws the entry chosen in the list</translation>
    </message>
    <message>
        <source>Meldebogen &amp;drucken…</source>
        <translation>&amp;Print entry form…</translation>
    </message>
    <message>
        <source>Der Meldebogen mit Ihren Züchterdaten als Aussteller</source>
        <translation>The entry form with your breeder data as exhibitor</translation>
    </message>
    <message>
        <source>Als &amp;CSV-Datei speichern…</source>
        <translation>Save as &amp;CSV file…</translation>
    </message>
    <message>
        <source>Die Meldungen für eine Tabellenkalkulation</source>
        <translation>The entries for a spreadsheet</translation>
    </message>
    <message>
        <source>Ergebnisse &amp;übernehmen</source>
        <translation>&amp;Take over results</translation>
    </message>
    <message>
        <source>Jede Meldung mit Punkten wird ein Ausstellungsergebnis ihres Vogels</source>
        <translation>Every entry with points becomes a show result of its bird</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Melden</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Die Ringnummer eines Vogels aus dem Bestand</source>
        <translation>The ring number of a bird of the stock</translation>
    </message>
    <message>
        <source>Ring %1</source>
        <translation>Ring %1</translation>
    </message>
    <message>
        <source>&amp;Ring:</source>
        <translation>&amp;Ring:</translation>
    </message>
    <message>
        <source>&amp;Kollektion aus vier Vögeln</source>
        <translation>Team of &amp;four birds</translation>
    </message>
    <message>
        <source>Die vier Vögel werden als eine Kollektion gemeldet</source>
        <translation>The four birds are entered as one team</translation>
    </message>
    <message>
        <source>Die Klasse laut Ausschreibung; angeboten werden die Klassen, die Vögel dieser Rasse und Farbe schon hatten</source>
        <translation>The class as the show schedule has it; offered are the classes birds of this breed and colour had before</translation>
    </message>
    <message>
        <source>K&amp;lasse:</source>
        <translation>C&amp;lass:</translation>
    </message>
    <message>
        <source>&amp;Melden</source>
        <translation>&amp;Enter</translation>
    </message>
    <message>
        <source>Meldet den Vogel oder die Kollektion für die gewählte Ausstellung</source>
        <translation>Enters the bird or the team for the chosen show</translation>
    </message>
    <message>
        <source>%1 am %2</source>
        <translation>%1 on %2</translation>
    </message>
    <message>
        <source>Ort: %1 · Datum: %2 · Meldeschluss: %3 · Veranstalter: %4</source>
        <extracomment>%1 place, %2 date, %3 closing date, %4 organiser of a show</extracomment>
        <translation>Place: %1 · Date: %2 · Closing date: %3 · Organiser: %4</translation>
    </message>
    <message>
        <source>Noch keine Ausstellung angelegt.</source>
        <translation>No show created yet.</translation>
    </message>
    <message>
        <source>ja</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>Bitte zuerst eine Ausstellung anlegen.</source>
        <translation>Please create a show first.</translation>
    </message>
    <message>
        <source>Die Ausstellung %1 mit ihren %2 Meldungen löschen? Übernommene Ergebnisse bleiben.</source>
        <extracomment>%1 the name of a show, %2 how many entries it has</extracomment>
        <translation>Delete the show %1 with its %2 entries? Results taken over stay.</translation>
    </message>
    <message>
        <source>Ausstellung löschen</source>
        <translation>Delete show</translation>
    </message>
    <message>
        <source>Eine Kollektion besteht aus vier Vögeln: bitte alle vier Ringe eingeben.</source>
        <translation>A team is four birds: please enter all four rings.</translation>
    </message>
    <message>
        <source>Bitte zuerst eine Meldung in der Liste auswählen.</source>
        <translation>Please choose an entry in the list first.</translation>
    </message>
    <message>
        <source>Die Käfig-Nr. muss eine Zahl größer als 0 sein.</source>
        <translation>The cage number must be a number greater than 0.</translation>
    </message>
    <message>
        <source>Punkte bitte als Zahl bis 100 eingeben, halbe Punkte mit Komma: 92,5.</source>
        <translation>Please enter points as a number up to 100, half points with a decimal point: 92.5.</translation>
    </message>
    <message>
        <source>Für diese Ausstellung ist noch nichts gemeldet.</source>
        <translation>Nothing is entered for this show yet.</translation>
    </message>
    <message>
        <source>Meldebogen drucken</source>
        <translation>Print entry form</translation>
    </message>
    <message>
        <source>%1

Den Meldebogen trotzdem drucken?</source>
        <translation>%1

Print the entry form all the same?</translation>
    </message>
    <message>
        <source>den Meldebogen</source>
        <translation>the entry form</translation>
    </message>
    <message>
        <source>Meldebogen %1</source>
        <translation>Entry form %1</translation>
    </message>
    <message>
        <source>Meldungen speichern</source>
        <translation>Save entries</translation>
    </message>
    <message>
        <source>Meldungen %1.csv</source>
        <translation>Entries %1.csv</translation>
    </message>
    <message>
        <source>Keine neuen Punkte zum Übernehmen: Punkte bitte zuerst in die Liste eintragen.</source>
        <translation>No new points to take over: please type the points into the list first.</translation>
    </message>
    <message>
        <source>%1 Ergebnisse wurden zu den Vögeln übernommen.</source>
        <translation>%1 results were taken over to the birds.</translation>
    </message>
    <message>
        <source>&amp;Ändern…</source>
        <translation>C&amp;hange…</translation>
    </message>
    <message>
        <source>Käfi&amp;getiketten drucken</source>
        <translation>Print cage la&amp;bels</translation>
    </message>
    <message>
        <source>Ein Etikett je Meldung, ohne Ringnummer; zuerst das Etikettenblatt wählen</source>
        <translation>One label per entry, without the ring number; choose the label sheet first</translation>
    </message>
    <message>
        <source>die Käfigetiketten</source>
        <translation>the cage labels</translation>
    </message>
    <message>
        <source>Käfigetiketten %1</source>
        <translation>Cage labels %1</translation>
    </message>
</context>
<context>
    <name>ShowEventDialog</name>
    <message>
        <source>Wie die Ausstellung heißt</source>
        <translation>What the show is called</translation>
    </message>
    <message>
        <source>Wo die Ausstellung stattfindet</source>
        <translation>Where the show takes place</translation>
    </message>
    <message>
        <source>Der Tag des Richtens, im Format TT.MM.JJJJ</source>
        <translation>The day of judging, as DD.MM.YYYY</translation>
    </message>
    <message>
        <source>Bis zu diesem Tag muss die Meldung vorliegen, im Format TT.MM.JJJJ</source>
        <translation>The entry must be in by this day, as DD.MM.YYYY</translation>
    </message>
    <message>
        <source>TT.MM.JJJJ</source>
        <translation>DD.MM.YYYY</translation>
    </message>
    <message>
        <source>Der Verein oder Verband, der die Ausstellung ausrichtet</source>
        <translation>The club or association that holds the show</translation>
    </message>
    <message>
        <source>Welche Vögel eine Kollektion bilden dürfen</source>
        <translation>Which birds may form a team</translation>
    </message>
    <message>
        <source>Hähne und Hennen gemischt</source>
        <translation>Cocks and hens mixed</translation>
    </message>
    <message>
        <source>nur Vögel eines Geschlechts</source>
        <translation>birds of one sex only</translation>
    </message>
    <message>
        <source>nur Hähne</source>
        <translation>cocks only</translation>
    </message>
    <message>
        <source>nur Hennen</source>
        <translation>hens only</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Ort:</source>
        <translation>&amp;Place:</translation>
    </message>
    <message>
        <source>&amp;Datum:</source>
        <translation>&amp;Date:</translation>
    </message>
    <message>
        <source>&amp;Meldeschluss:</source>
        <translation>&amp;Closing date:</translation>
    </message>
    <message>
        <source>&amp;Veranstalter:</source>
        <translation>&amp;Organiser:</translation>
    </message>
    <message>
        <source>&amp;Kollektionen:</source>
        <translation>&amp;Teams:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Ausstellung ändern</source>
        <translation>Change show</translation>
    </message>
    <message>
        <source>Neue Ausstellung</source>
        <translation>New show</translation>
    </message>
    <message>
        <source>Bitte den Namen der Ausstellung eingeben.</source>
        <translation>Please enter the name of the show.</translation>
    </message>
    <message>
        <source>Ungültiges Datum der Ausstellung!</source>
        <translation>Invalid date of the show!</translation>
    </message>
    <message>
        <source>Ungültiges Datum beim Meldeschluss!</source>
        <translation>Invalid closing date!</translation>
    </message>
</context>
<context>
    <name>ShowLabelReport</name>
    <message>
        <source>Klasse: %1</source>
        <translation>Class: %1</translation>
    </message>
    <message>
        <source>Kollektion %1</source>
        <translation>Team %1</translation>
    </message>
    <message>
        <source>Käfig-Nr.</source>
        <translation>Cage no.</translation>
    </message>
    <message>
        <source>3 × 8 Etiketten je Blatt (70 × 37 mm)</source>
        <translation>3 × 8 labels per sheet (70 × 37 mm)</translation>
    </message>
    <message>
        <source>3 × 7 Etiketten je Blatt (70 × 42,3 mm)</source>
        <translation>3 × 7 labels per sheet (70 × 42.3 mm)</translation>
    </message>
</context>
<context>
    <name>ShowResultDialog</name>
    <message>
        <source>Ausstellungsergebnis</source>
        <translation>Show result</translation>
    </message>
    <message>
        <source>Der Tag der Schau, im Format TT.MM.JJJJ</source>
        <translation>The day of the show, in the form DD.MM.YYYY</translation>
    </message>
    <message>
        <source>TT.MM.JJJJ</source>
        <translation>DD.MM.YYYY</translation>
    </message>
    <message>
        <source>Der Name der Schau</source>
        <translation>The name of the show</translation>
    </message>
    <message>
        <source>Die Klasse, in der der Vogel stand</source>
        <translation>The class the bird was shown in</translation>
    </message>
    <message>
        <source>Die Punkte der Bewertungskarte, höchstens 100, in halben Punkten</source>
        <translation>The points of the judging card, at most 100, in half points</translation>
    </message>
    <message>
        <source>Auszeichnung oder Platz, wie auf der Karte</source>
        <translation>Award or place, as on the card</translation>
    </message>
    <message>
        <source>Die Vögel mit derselben Nummer bilden auf dieser Schau eine Kollektion</source>
        <translation>The birds with the same number form a team at this show</translation>
    </message>
    <message>
        <source>keine</source>
        <translation>none</translation>
    </message>
    <message>
        <source>&amp;Datum:</source>
        <translation>&amp;Date:</translation>
    </message>
    <message>
        <source>&amp;Schau:</source>
        <translation>&amp;Show:</translation>
    </message>
    <message>
        <source>&amp;Klasse:</source>
        <translation>&amp;Class:</translation>
    </message>
    <message>
        <source>&amp;Punkte:</source>
        <translation>&amp;Points:</translation>
    </message>
    <message>
        <source>&amp;Auszeichnung/Platz:</source>
        <translation>&amp;Award/place:</translation>
    </message>
    <message>
        <source>K&amp;ollektion Nr.:</source>
        <translation>&amp;Team no.:</translation>
    </message>
    <message>
        <source>Bitte den Namen der Schau angeben.</source>
        <translation>Please enter the name of the show.</translation>
    </message>
    <message>
        <source>Bitte das Datum der Schau richtig angeben (TT.MM.JJJJ).</source>
        <translation>Please enter a valid date of the show (DD.MM.YYYY).</translation>
    </message>
</context>
<context>
    <name>ShowResultsPanel</name>
    <message>
        <source>Ausstellungsergebnisse</source>
        <translation>Show results</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
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
    <message>
        <source>&amp;Neues Ergebnis…</source>
        <translation>&amp;New result…</translation>
    </message>
    <message>
        <source>Ä&amp;ndern…</source>
        <translation>&amp;Change…</translation>
    </message>
    <message>
        <source>&amp;Löschen</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>Nr. %1: %2 Punkte aus %3</source>
        <translation>No. %1: %2 points from %3</translation>
    </message>
    <message>
        <source>Bestes Ergebnis: %1 Punkte, %2 am %3</source>
        <translation>Best result: %1 points, %2 on %3</translation>
    </message>
    <message>
        <source>Bitte zuerst ein Ergebnis in der Liste anklicken.</source>
        <translation>Please first click a result in the list.</translation>
    </message>
</context>
<context>
    <name>ShowsWindow</name>
    <message>
        <source>Ausstellungsergebnisse</source>
        <translation>Show results</translation>
    </message>
    <message>
        <source>Die Schau, deren Ergebnisse gezeigt werden</source>
        <translation>The show whose results are shown</translation>
    </message>
    <message>
        <source>Ein Doppelklick zeigt den Abstammungsnachweis des Vogels</source>
        <translation>A double click shows the bird&apos;s pedigree certificate</translation>
    </message>
    <message>
        <source>Ergebnisse der Schau</source>
        <translation>Results of the show</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Ringnummer</source>
        <translation>Ring number</translation>
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
    <message>
        <source>&amp;Schau:</source>
        <translation>&amp;Show:</translation>
    </message>
    <message>
        <source>Alle Ergebnisse als &amp;CSV-Datei speichern…</source>
        <translation>Save all results as a &amp;CSV file…</translation>
    </message>
    <message>
        <source>Für eine Tabellenkalkulation, jede Schau mit jedem Vogel</source>
        <translation>For a spreadsheet, every show with every bird</translation>
    </message>
    <message>
        <source>Ausstellungsergebnisse speichern</source>
        <translation>Save show results</translation>
    </message>
    <message>
        <source>Ausstellungsergebnisse.csv</source>
        <translation>Show results.csv</translation>
    </message>
    <message>
        <source>Kollektion %1 (%2): %3 Kanarienvögel, zusammen %4 Punkte</source>
        <extracomment>%1 collection number, %2 date, %3 number of birds, %4 points</extracomment>
        <translation>Team %1 (%2): %3 canaries, %4 points together</translation>
    </message>
    <message>
        <source>Keine Kollektion auf dieser Schau.</source>
        <translation>No team at this show.</translation>
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
    <name>Startup</name>
    <message>
        <source>%1

Die Änderungen bleiben im Programm erhalten; Avelor versucht es gleich noch einmal und speichert in jedem Fall beim Beenden.</source>
        <extracomment>%1 says why the save failed</extracomment>
        <translation>%1

Your changes are kept in the program; Avelor will try again shortly and saves in any case when it closes.</translation>
    </message>
</context>
<context>
    <name>StockColours</name>
    <message>
        <source>Hahn: %1</source>
        <translation>Cock: %1</translation>
    </message>
    <message>
        <source>Henne: %1</source>
        <translation>Hen: %1</translation>
    </message>
    <message>
        <source>Den Ring „%1“ gibt es nicht im Bestand.</source>
        <translation>The ring “%1” is not in the stock.</translation>
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
    <message>
        <source>Kanarienvogel %1 aus seinem Standort genommen</source>
        <translation>Canary %1 taken out of its location</translation>
    </message>
    <message>
        <source>Kanarienvogel %1 nach %2 umgesetzt</source>
        <translation>Canary %1 moved to %2</translation>
    </message>
    <message>
        <source>%1 Kanarienvögel aus ihrem Standort genommen</source>
        <translation>%1 canaries taken out of their location</translation>
    </message>
    <message>
        <source>%1 Kanarienvögel nach %2 umgesetzt</source>
        <translation>%1 canaries moved to %2</translation>
    </message>
    <message>
        <source>Ringe %1 bis %2 eingetragen</source>
        <translation>Rings %1 to %2 entered</translation>
    </message>
    <message>
        <source>Ringlieferung gelöscht</source>
        <translation>Ring delivery deleted</translation>
    </message>
    <message>
        <source>Bitte den Namen der Ausstellung eingeben.</source>
        <translation>Please enter the name of the show.</translation>
    </message>
    <message>
        <source>Ausstellung %1 angelegt</source>
        <translation>Show %1 created</translation>
    </message>
    <message>
        <source>Ausstellung %1 geändert</source>
        <translation>Show %1 changed</translation>
    </message>
    <message>
        <source>Ausstellung %1 gelöscht</source>
        <translation>Show %1 deleted</translation>
    </message>
    <message>
        <source>Diese Ausstellung gibt es nicht mehr.</source>
        <translation>This show no longer exists.</translation>
    </message>
    <message>
        <source>Den Kanarienvogel %1 gibt es nicht im Bestand.</source>
        <translation>There is no canary %1 in the stock.</translation>
    </message>
    <message>
        <source>Bitte zuerst die Vögel auswählen.</source>
        <translation>Please choose the birds first.</translation>
    </message>
    <message>
        <source>Kanarienvogel %1 für %2 gemeldet</source>
        <translation>Canary %1 entered for %2</translation>
    </message>
    <message>
        <source>Kollektion von %1 Kanarienvögeln für %2 gemeldet</source>
        <translation>Collection of %1 canaries entered for %2</translation>
    </message>
    <message>
        <source>%1 Kanarienvögel für %2 gemeldet</source>
        <translation>%1 canaries entered for %2</translation>
    </message>
    <message>
        <source>Die Punkte müssen zwischen 0 und 100 liegen.</source>
        <translation>The points must be between 0 and 100.</translation>
    </message>
    <message>
        <source>Meldung von %1 geändert</source>
        <translation>Entry of %1 changed</translation>
    </message>
    <message>
        <source>Meldung von %1 gelöscht</source>
        <translation>Entry of %1 deleted</translation>
    </message>
    <message>
        <source>Bitte zuerst das Datum der Ausstellung eingeben.</source>
        <translation>Please enter the date of the show first.</translation>
    </message>
    <message>
        <source>Ergebnisse von %1 übernommen</source>
        <translation>Results of %1 taken over</translation>
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
        <translation>“%1” in “%2” is not a date like 05.03.2024.</translation>
    </message>
    <message>
        <source>Der Verbleib „%1“ ist unbekannt (erwartet: im Bestand, verkauft, abgegeben, verstorben oder entflogen).</source>
        <translation>The whereabouts “%1” are unknown (expected: in the stock, sold, given away, died or escaped).</translation>
    </message>
    <message>
        <source>Der Preis „%1“ ist kein Betrag wie 45,50.</source>
        <translation>The price “%1” is not an amount like 45,50.</translation>
    </message>
    <message>
        <source>%1 auf %2 Zeichen gekürzt: „%3“</source>
        <translation>%1 shortened to %2 characters: “%3”</translation>
    </message>
    <message>
        <source>Die Ringnummer „%1“ (%2) ist länger als %3 Zeichen.</source>
        <translation>The ring number “%1” (%2) is longer than %3 characters.</translation>
    </message>
    <message>
        <source>Das Geschlecht „%1“ ist unbekannt (erwartet: 1.0 oder 0.1, m oder w, Hahn oder Henne).</source>
        <translation>The sex “%1” is unknown (expected: 1.0 or 0.1, m or f, cock or hen).</translation>
    </message>
    <message>
        <source>Das Geburtsjahr „%1“ liegt nicht zwischen 1900 und 2100.</source>
        <translation>The year of birth “%1” is not between 1900 and 2100.</translation>
    </message>
    <message>
        <source>„%1“ in „Verkauft“ ist weder ja noch nein.</source>
        <translation>“%1” in “Sold” is neither yes nor no.</translation>
    </message>
    <message>
        <source>%1 würde sein eigener Vorfahr.</source>
        <translation>%1 would become its own ancestor.</translation>
    </message>
    <message>
        <source>%1 neu, %2 geändert, %3 unverändert, %4 fehlerhaft</source>
        <translation>%1 new, %2 changed, %3 unchanged, %4 with errors</translation>
    </message>
    <message>
        <source>Die Ringnummer ist leer.</source>
        <translation>The ring number is empty.</translation>
    </message>
    <message>
        <source>Die Ringnummer „%1“ ist länger als %2 Zeichen.</source>
        <translation>The ring number “%1” is longer than %2 characters.</translation>
    </message>
    <message>
        <source>Die Ringnummer %1 steht schon in Zeile %2.</source>
        <translation>The ring number %1 is already in row %2.</translation>
    </message>
    <message>
        <source>%1 ist nicht im Bestand.</source>
        <translation>%1 is not in the stock.</translation>
    </message>
    <message>
        <source>Der Name der Schau fehlt.</source>
        <translation>The name of the show is missing.</translation>
    </message>
    <message>
        <source>„%1“ sind keine Punkte von 0 bis 100 in halben Punkten.</source>
        <translation>“%1” are not points from 0 to 100 in half points.</translation>
    </message>
    <message>
        <source>„%1“ ist keine Nummer einer Kollektion.</source>
        <translation>“%1” is not a team number.</translation>
    </message>
    <message>
        <source>Dieses Ergebnis steht schon in Zeile %1.</source>
        <translation>This result is already in row %1.</translation>
    </message>
    <message>
        <source>Solange eine Zeile fehlerhaft ist, wird nichts importiert.</source>
        <translation>Nothing is imported while a row has an error.</translation>
    </message>
    <message>
        <source>Die Prüfung wurde abgebrochen; es wurde nichts importiert.</source>
        <translation>The check was cancelled; nothing was imported.</translation>
    </message>
    <message>
        <source>Die Datei bringt nichts Neues.</source>
        <translation>The file brings nothing new.</translation>
    </message>
    <message>
        <source>Ausstellungsergebnisse importiert: %1 neu, %2 geändert</source>
        <translation>Show results imported: %1 new, %2 changed</translation>
    </message>
    <message>
        <source>Bestand importiert: %1 neu, %2 geändert</source>
        <translation>Stock imported: %1 new, %2 changed</translation>
    </message>
</context>
<context>
    <name>StockList</name>
    <message>
        <source>Export der Kanarienvögelbestandsliste sortiert nach Ringnummer</source>
        <translation>Canary stock list sorted by ring number</translation>
    </message>
    <message>
        <source>Export der Kanarienvögelbestandsliste sortiert nach Geburtsdatum</source>
        <translation>Canary stock list sorted by date of birth</translation>
    </message>
    <message>
        <source>erstellt am %1 mit %2</source>
        <extracomment>%1 is the date, %2 the program&apos;s name as a link</extracomment>
        <translation>made on %1 with %2</translation>
    </message>
    <message>
        <source>Lfd. Nr</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Ring-Nr</source>
        <translation>Ring no.</translation>
    </message>
    <message>
        <source>Farbe</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>Geburtsjahr</source>
        <translation>Year of birth</translation>
    </message>
    <message>
        <source>Art/Rasse</source>
        <translation>Species/breed</translation>
    </message>
    <message>
        <source>Bemerkungen</source>
        <translation>Remarks</translation>
    </message>
    <message>
        <source>Geschlecht</source>
        <translation>Sex</translation>
    </message>
    <message>
        <source>[U] </source>
        <extracomment>sex unknown, in the stock list</extracomment>
        <translation>[U] </translation>
    </message>
    <message>
        <source>[M] </source>
        <extracomment>male, in the stock list</extracomment>
        <translation>[M] </translation>
    </message>
    <message>
        <source>[W] </source>
        <extracomment>female, in the stock list</extracomment>
        <translation>[F] </translation>
    </message>
    <message>
        <source>%1-Liste</source>
        <extracomment>%1 is a breed</extracomment>
        <translation>%1 list</translation>
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
    <name>StockListReport</name>
    <message>
        <source>Seite: %1</source>
        <translation>Page: %1</translation>
    </message>
    <message>
        <source>Ringnummer, Farbe</source>
        <translation>Ring number, colour</translation>
    </message>
    <message>
        <source> Bemerkungen</source>
        <translation> Remarks</translation>
    </message>
    <message>
        <source>Geschlecht, Bemerkungen</source>
        <translation>Sex, remarks</translation>
    </message>
    <message>
        <source>Geburtsjahr, Art / Rasse</source>
        <translation>Year of birth, species / breed</translation>
    </message>
    <message>
        <source>Lfd.</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>Nr.</source>
        <translation>No.</translation>
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
    <name>TableReport</name>
    <message>
        <source>Seite %1</source>
        <translation>Page %1</translation>
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
    <name>WhereaboutsPanel</name>
    <message>
        <source>Was aus dem Vogel geworden ist</source>
        <translation>What became of the bird</translation>
    </message>
    <message>
        <source>Seit wann, im Format TT.MM.JJJJ; leer, wenn unbekannt</source>
        <translation>Since when, in the form DD.MM.YYYY; empty if unknown</translation>
    </message>
    <message>
        <source>TT.MM.JJJJ</source>
        <translation>DD.MM.YYYY</translation>
    </message>
    <message>
        <source>Wer den Vogel bekommen hat</source>
        <translation>Who received the bird</translation>
    </message>
    <message>
        <source>Anschrift des Käufers</source>
        <translation>Buyer&apos;s address</translation>
    </message>
    <message>
        <source>Der Preis in Euro, etwa 45,50</source>
        <translation>The price in euros, e.g. 45,50</translation>
    </message>
    <message>
        <source>0,00</source>
        <translation>0,00</translation>
    </message>
    <message>
        <source>Eine Notiz zum Verbleib</source>
        <translation>A note on the whereabouts</translation>
    </message>
    <message>
        <source>&amp;Verbleib:</source>
        <translation>&amp;Whereabouts:</translation>
    </message>
    <message>
        <source>&amp;Datum:</source>
        <translation>&amp;Date:</translation>
    </message>
    <message>
        <source>&amp;Käufer:</source>
        <translation>&amp;Buyer:</translation>
    </message>
    <message>
        <source>&amp;Anschrift:</source>
        <translation>&amp;Address:</translation>
    </message>
    <message>
        <source>&amp;Preis (€):</source>
        <translation>&amp;Price (€):</translation>
    </message>
    <message>
        <source>&amp;Notiz:</source>
        <translation>&amp;Note:</translation>
    </message>
    <message>
        <source>Ungültiges Datum beim Verbleib!</source>
        <translation>Invalid whereabouts date!</translation>
    </message>
    <message>
        <source>Ungültiger Preis! Bitte den Betrag in Euro angeben, etwa 45,50.</source>
        <translation>Invalid price! Please enter the amount in euros, e.g. 45,50.</translation>
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
