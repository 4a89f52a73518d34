<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="de">
<context>
    <name>AnimalChange</name>
    <message>
        <source>Die Ringnummer %1 gehört zu keinem Kanarienvogel im Bestand mehr (gelöscht). Es wurde nichts geändert.</source>
        <translation>Het ringnummer %1 hoort niet meer bij een kanarie in het vogelbestand (verwijderd). Er is niets gewijzigd.</translation>
    </message>
    <message>
        <source>Diese Ringnummer existiert schon.</source>
        <translation>Dit ringnummer bestaat al.</translation>
    </message>
</context>
<context>
    <name>AnimalEntry</name>
    <message>
        <source>Bitte das Geschlecht angeben.</source>
        <translation>Geef het geslacht op.</translation>
    </message>
    <message>
        <source>Bitte das Geburtsjahr angeben.</source>
        <translation>Geef het geboortejaar op.</translation>
    </message>
    <message>
        <source>Bitte den Züchter angeben.</source>
        <translation>Geef de kweker op.</translation>
    </message>
    <message>
        <source>Bitte die Zeichnung angeben (z.B. einfarbig oder gescheckt).</source>
        <translation>Geef de tekening op (bijv. schoon of bont).</translation>
    </message>
    <message>
        <source>Bitte die Farbe angeben.</source>
        <translation>Geef de kleur op.</translation>
    </message>
    <message>
        <source>ACHTUNG:
<byte value="xd"/>
<byte value="xd"/>Die Ringnr %1 ist bereits angelegt.</source>
        <translation>LET OP:
</translation>
    </message>
    <message>
        <source>Bitte die Ringnummer angeben.</source>
        <translation>Geef het ringnummer op.</translation>
    </message>
    <message>
        <source>&quot;Anfang der Ringnummer&quot; darf nicht leer sein.</source>
        <translation>&quot;Begin van het ringnummer&quot; mag niet leeg zijn.</translation>
    </message>
    <message>
        <source>Von-Feld darf nur Zahlen enthalten.</source>
        <translation>Het veld Van mag alleen cijfers bevatten.</translation>
    </message>
    <message>
        <source>Bis-Feld darf nur Zahlen enthalten.</source>
        <translation>Het veld Tot mag alleen cijfers bevatten.</translation>
    </message>
    <message>
        <source>Von-Feld muß kleiner als das Bis-Feld sein.</source>
        <translation>Het veld Van moet kleiner zijn dan het veld Tot.</translation>
    </message>
    <message>
        <source>Bitte die führenden Nullen eintragen.</source>
        <translation>Vul de voorloopnullen in.</translation>
    </message>
    <message>
        <source>Ein Bereich darf höchstens %1 Ringnummern umfassen.</source>
        <translation>Een reeks mag hoogstens %1 ringnummers omvatten.</translation>
    </message>
    <message>
        <source>Achtung! Es gibt schon (mindestens eine) der zu generierenden Kanarienvögel. Abbruch!</source>
        <translation>Let op! (Minstens één van) de aan te maken kanaries bestaat al. Afgebroken!</translation>
    </message>
    <message>
        <source>Die Ringnummern wären länger als 20 Zeichen und nach dem Kürzen nicht mehr eindeutig (zum Beispiel %1). Bitte den Anfang der Ringnummer kürzen.</source>
        <translation>De ringnummers zouden langer zijn dan 20 tekens en na het inkorten niet meer uniek zijn (bijvoorbeeld %1). Kort het begin van het ringnummer in.</translation>
    </message>
</context>
<context>
    <name>AnimalFields</name>
    <message>
        <source>Ringnummer:</source>
        <translation>Ringnummer:</translation>
    </message>
    <message>
        <source>Geschlecht:</source>
        <translation>Geslacht:</translation>
    </message>
    <message>
        <source>Geburtsjahr:</source>
        <translation>Geboortejaar:</translation>
    </message>
    <message>
        <source>Züchter:</source>
        <translation>Kweker:</translation>
    </message>
    <message>
        <source>Farbe:</source>
        <translation>Kleur:</translation>
    </message>
    <message>
        <source>Zeichnung:</source>
        <translation>Tekening:</translation>
    </message>
    <message>
        <source>Art/Rasse:</source>
        <translation>Soort/ras:</translation>
    </message>
    <message>
        <source>Bemerkungen für die 
Kanarienvögelbestandsliste:</source>
        <translation>Opmerkingen voor de 
kanariebestandslijst:</translation>
    </message>
    <message>
        <source>Bemerkungen:</source>
        <translation>Opmerkingen:</translation>
    </message>
</context>
<context>
    <name>AnimalGenes</name>
    <message>
        <source>%1 ist dominant und zeigt sich immer; verdeckt tragen kann es kein Vogel.</source>
        <translation>%1 is dominant en is altijd zichtbaar; geen vogel kan het verborgen dragen.</translation>
    </message>
    <message>
        <source>%1: an einem Genort hat ein Vogel nur zwei Anlagen.</source>
        <translation>%1: een vogel heeft op één locus maar twee factoren.</translation>
    </message>
    <message>
        <source>„doppelfaktorig“ gibt es nur bei dominanten Anlagen, nicht bei %1.</source>
        <translation>“dubbelfactorig” bestaat alleen bij dominante factoren, niet bij %1.</translation>
    </message>
    <message>
        <source>Eine Henne kann %1 nicht verdeckt tragen: es wird geschlechtsgebunden vererbt.</source>
        <translation>Een pop kan %1 niet verborgen dragen: het erft geslachtsgebonden over.</translation>
    </message>
    <message>
        <source>Eine Henne zeigt %1 und %2 nicht zugleich: beide liegen am selben Genort ihres einen Z-Chromosoms.</source>
        <translation>Een pop toont %1 en %2 niet tegelijk: beide liggen op dezelfde locus van haar enige Z-chromosoom.</translation>
    </message>
    <message>
        <source>%1 liegen am selben Genort; ein Vogel hat dort nur zwei Anlagen, und sichtbar ist nur die stärkere (etwa „achat,/satinet“).</source>
        <translation>%1 liggen op dezelfde locus; een vogel heeft daar maar twee factoren, en alleen de sterkste is zichtbaar (bijv. “achat,/satinet”).</translation>
    </message>
    <message>
        <source>Ein Vogel, der %1 trägt, zeigt nicht %2.</source>
        <translation>Een vogel die %1 draagt, toont geen %2.</translation>
    </message>
    <message>
        <source>%1 und %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>„%1“ ist keine Erbanlage der Farbtabelle.</source>
        <translation>“%1” is geen erffactor uit de factorentabel.</translation>
    </message>
    <message>
        <source>„%1“ steht zweimal in den Erbanlagen.</source>
        <translation>“%1” staat twee keer in de erffactoren.</translation>
    </message>
    <message>
        <source>In „%1“ fehlt der Name einer Anlage.</source>
        <translation>In “%1” ontbreekt de naam van een factor.</translation>
    </message>
    <message>
        <source>Unbekannte Anlage „%1“. Bekannt sind: %2.</source>
        <translation>Onbekende factor “%1”. Bekend zijn: %2.</translation>
    </message>
    <message>
        <source>„%1“ ist zugleich sichtbar und spalterbig angegeben.</source>
        <translation>“%1” is tegelijk als zichtbaar en als split opgegeven.</translation>
    </message>
    <message>
        <source>„%1“ ist doppelt angegeben.</source>
        <translation>“%1” is twee keer opgegeven.</translation>
    </message>
    <message>
        <source>„%1“ ist mehr als zweimal angegeben.</source>
        <translation>“%1” is meer dan twee keer opgegeven.</translation>
    </message>
    <message>
        <source>Doppelfaktorig %1 ist nicht lebensfähig; ein solcher Vogel kann kein Elterntier sein.</source>
        <translation>Dubbelfactorig %1 is niet levensvatbaar; zo&apos;n vogel kan geen oudervogel zijn.</translation>
    </message>
</context>
<context>
    <name>AnimalRecordWords</name>
    <message>
        <source>im Bestand</source>
        <translation>in bestand</translation>
    </message>
    <message>
        <source>verkauft</source>
        <translation>verkocht</translation>
    </message>
    <message>
        <source>abgegeben</source>
        <translation>weggegeven</translation>
    </message>
    <message>
        <source>verstorben</source>
        <translation>gestorven</translation>
    </message>
    <message>
        <source>entflogen</source>
        <translation>ontsnapt</translation>
    </message>
    <message>
        <source>unbekannt</source>
        <translation>onbekend</translation>
    </message>
    <message>
        <source>nicht vorhanden</source>
        <translation>afwezig</translation>
    </message>
    <message>
        <source>spalterbig</source>
        <translation>split</translation>
    </message>
    <message>
        <source>sichtbar</source>
        <translation>zichtbaar</translation>
    </message>
    <message>
        <source>doppelfaktorig</source>
        <translation>dubbelfactorig</translation>
    </message>
</context>
<context>
    <name>AnimalRecords</name>
    <message>
        <source>Das Jahr der Ringe muss zwischen 1900 und 9999 liegen.</source>
        <translation>Het jaar van de ringen moet tussen 1900 en 9999 liggen.</translation>
    </message>
    <message>
        <source>Der letzte Ring darf nicht vor dem ersten liegen.</source>
        <translation>De laatste ring mag niet vóór de eerste liggen.</translation>
    </message>
    <message>
        <source>Eine Lieferung umfasst höchstens 99 999 Ringe.</source>
        <translation>Een levering omvat hoogstens 99 999 ringen.</translation>
    </message>
    <message>
        <source>Die Nummer %1 hat mehr als %2 Stellen.</source>
        <translation>Het nummer %1 heeft meer dan %2 cijfers.</translation>
    </message>
    <message>
        <source>Diese Ringe überschneiden sich mit der Lieferung %1 bis %2 (%3).</source>
        <extracomment>%1 and %2 the first and last ring of a delivery entered before, %3 its year</extracomment>
        <translation>Deze ringen overlappen met de levering %1 tot %2 (%3).</translation>
    </message>
    <message>
        <source>Hahn</source>
        <translation>Man</translation>
    </message>
    <message>
        <source>Henne</source>
        <translation>Pop</translation>
    </message>
</context>
<context>
    <name>AppInfo</name>
    <message>
        <source>Avelor Abstammungsnachweis</source>
        <translation>Avelor Afstammingsbewijs</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the version number</extracomment>
        <translation>Versie %1</translation>
    </message>
    <message>
        <source>© Avelor – freie Software für Züchter</source>
        <translation>© Avelor – vrije software voor kwekers</translation>
    </message>
</context>
<context>
    <name>Backup</name>
    <message>
        <source>„%1“ kann nicht gelesen werden: %2</source>
        <translation>“%1” kan niet worden gelezen: %2</translation>
    </message>
    <message>
        <source>„%1“ ist beschädigt (%2).</source>
        <translation>“%1” is beschadigd (%2).</translation>
    </message>
    <message>
        <source>Der Ordner „%1“ konnte nicht angelegt werden.</source>
        <translation>De map “%1” kon niet worden aangemaakt.</translation>
    </message>
    <message>
        <source>„%1“ konnte nicht geschrieben werden: %2</source>
        <translation>“%1” kon niet worden geschreven: %2</translation>
    </message>
    <message>
        <source>„%1“ gibt es nicht.</source>
        <translation>“%1” bestaat niet.</translation>
    </message>
    <message>
        <source>Die bisherigen Daten konnten nicht gesichert werden, darum wurde nichts zurückgeholt: %1</source>
        <translation>De huidige gegevens konden niet worden geback-upt, daarom is niets teruggezet: %1</translation>
    </message>
    <message>
        <source>%1 Die Daten und Bilder sind unverändert geblieben.</source>
        <extracomment>%1 says why the pictures were not restored</extracomment>
        <translation>%1 De gegevens en foto&apos;s zijn ongewijzigd gebleven.</translation>
    </message>
    <message>
        <source>Das Zurückholen der Bilder wurde abgebrochen.</source>
        <translation>Het terugzetten van de foto&apos;s is afgebroken.</translation>
    </message>
</context>
<context>
    <name>BackupGroup</name>
    <message>
        <source>Backup-Funktion: </source>
        <translation>Back-up: </translation>
    </message>
    <message>
        <source>Backup auf USB-Stick</source>
        <translation>Back-up naar USB-stick</translation>
    </message>
    <message>
        <source>Backup von USB-Stick holen</source>
        <translation>Back-up van USB-stick terugzetten</translation>
    </message>
    <message>
        <source>Schnelles Backup</source>
        <translation>Snelle back-up</translation>
    </message>
    <message>
        <source>Schnelles Backup holen</source>
        <translation>Snelle back-up terugzetten</translation>
    </message>
    <message>
        <source>Komplette Datenbank löschen und neu anfangen</source>
        <translation>Volledige database wissen en opnieuw beginnen</translation>
    </message>
    <message>
        <source>Bestand importieren…</source>
        <translation>Vogelbestand importeren…</translation>
    </message>
</context>
<context>
    <name>BackupMessages</name>
    <message>
        <source>Diese Bilder konnten nicht kopiert werden:
%1</source>
        <extracomment>%1 is the list of pictures, one per line</extracomment>
        <translation>Deze foto&apos;s konden niet worden gekopieerd:
%1</translation>
    </message>
    <message>
        <source>Die bisherige Datensicherung ist unverändert geblieben.</source>
        <translation>De vorige back-up is ongewijzigd gebleven.</translation>
    </message>
    <message>
        <source>Die Datensicherung wurde abgebrochen.</source>
        <translation>De back-up is afgebroken.</translation>
    </message>
    <message>
        <source>Datensicherung wurde durchgeführt.</source>
        <translation>De back-up is gemaakt.</translation>
    </message>
    <message>
        <source>Die Daten von vorher liegen im Ordner „%1“.</source>
        <translation>De eerdere gegevens staan in de map “%1”.</translation>
    </message>
    <message>
        <source>Datensicherung wurde zurückgeholt. Was bis dahin geändert wurde, lässt sich nicht mehr rückgängig machen.</source>
        <translation>De back-up is teruggezet. Wat daarvóór is gewijzigd, kan niet meer ongedaan worden gemaakt.</translation>
    </message>
</context>
<context>
    <name>BreedFilter</name>
    <message>
        <source>Filter löschen</source>
        <translation>Filter wissen</translation>
    </message>
    <message>
        <source>Rassen-Filter:</source>
        <translation>Rasfilter:</translation>
    </message>
</context>
<context>
    <name>BreederDataDialog</name>
    <message>
        <source>Züchterdaten</source>
        <translation>Kwekersgegevens</translation>
    </message>
    <message>
        <source>Geben Sie hier Ihre Züchterdaten ein. Diese
werden für den Kopf des Abstammungs-
nachweises benötigt.</source>
        <translation>Voer hier uw kwekersgegevens in. Deze
zijn nodig voor de kop van het afstammings-
bewijs.</translation>
    </message>
    <message>
        <source>Vorname:</source>
        <translation>Voornaam:</translation>
    </message>
    <message>
        <source>Nachname:</source>
        <translation>Achternaam:</translation>
    </message>
    <message>
        <source>Anschrift:</source>
        <translation>Adres:</translation>
    </message>
    <message>
        <source>PLZ &amp;&amp; Wohnort:</source>
        <translation>Postcode &amp;&amp; woonplaats:</translation>
    </message>
    <message>
        <source>Telefon:</source>
        <translation>Telefoon:</translation>
    </message>
    <message>
        <source>Züchternummer:</source>
        <translation>Kwekersnummer:</translation>
    </message>
    <message>
        <source>Vereinsnummer:</source>
        <translation>Verenigingsnummer:</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Opslaan</translation>
    </message>
</context>
<context>
    <name>BreedingCalendar</name>
    <message>
        <source>Schieren</source>
        <translation>Schouwen</translation>
    </message>
    <message>
        <source>Schlupf</source>
        <translation>Uitkomen</translation>
    </message>
    <message>
        <source>Beringen</source>
        <translation>Ringen</translation>
    </message>
    <message>
        <source>Absetzen</source>
        <translation>Spenen</translation>
    </message>
</context>
<context>
    <name>BreedingCalendarWindow</name>
    <message>
        <source>Zuchtkalender</source>
        <translation>Kweekkalender</translation>
    </message>
    <message>
        <source>Ein Doppelklick öffnet das Zuchtpaar in der Nachwuchsverwaltung</source>
        <translation>Dubbelklikken opent het kweekkoppel in Kweek en jongen</translation>
    </message>
    <message>
        <source>Fällige Arbeiten</source>
        <translation>Uit te voeren taken</translation>
    </message>
    <message>
        <source>&amp;Drucken…</source>
        <translation>&amp;Afdrukken…</translation>
    </message>
    <message>
        <source>Gerechnet wird mit</source>
        <translation>Berekend met</translation>
    </message>
    <message>
        <source>&amp;Schieren nach Brutbeginn:</source>
        <translation>&amp;Schouwen na begin van het broeden:</translation>
    </message>
    <message>
        <source>Sch&amp;lupf nach Brutbeginn:</source>
        <translation>&amp;Uitkomen na begin van het broeden:</translation>
    </message>
    <message>
        <source>&amp;Beringen nach dem Schlupf:</source>
        <translation>&amp;Ringen na het uitkomen:</translation>
    </message>
    <message>
        <source>&amp;Absetzen nach dem Schlupf:</source>
        <translation>S&amp;penen na het uitkomen:</translation>
    </message>
    <message>
        <source>&amp;Vorschau:</source>
        <translation>&amp;Voorbeeld:</translation>
    </message>
    <message>
        <source> Tage</source>
        <translation> dagen</translation>
    </message>
    <message>
        <source>Stand %1: %2 überfällig, %3 bis zum %4 fällig.</source>
        <extracomment>%1 today, %2 overdue tasks, %3 tasks due until the date %4</extracomment>
        <translation>Stand per %1: %2 achterstallig, %3 uit te voeren tot %4.</translation>
    </message>
    <message>
        <source>den Zuchtkalender</source>
        <translation>de kweekkalender</translation>
    </message>
    <message>
        <source>Zu wenig Ringe: noch %1 frei für %2 Eier, die einen Ring brauchen werden.</source>
        <extracomment>%1 free rings of this year, %2 eggs that will need a ring</extracomment>
        <translation>Te weinig ringen: nog %1 vrij voor %2 eieren die een ring nodig zullen hebben.</translation>
    </message>
</context>
<context>
    <name>BreedingDialog</name>
    <message>
        <source>Wann wurde die Zucht gestartet?</source>
        <translation>Wanneer is de kweek begonnen?</translation>
    </message>
    <message>
        <source>Nr des Zuchtkäfigs?</source>
        <translation>Nummer van de kweekkooi?</translation>
    </message>
    <message>
        <source>Wer ist der Vater?</source>
        <translation>Wie is de vader?</translation>
    </message>
    <message>
        <source>Wer ist die Mutter?</source>
        <translation>Wie is de moeder?</translation>
    </message>
    <message>
        <source>&lt;i&gt;im Format TT.MM.JJJJ&lt;/i&gt;</source>
        <translation>&lt;i&gt;in de vorm DD.MM.JJJJ&lt;/i&gt;</translation>
    </message>
    <message>
        <source>Nachwuchsverwaltung</source>
        <translation>Kweek en jongen</translation>
    </message>
    <message>
        <source>Hier können Sie Daten zu Zuchtpaaren hinterlegen, Gelege eingeben und das Beringen der Jungvögel vornehmen. Die Daten sind relevant für die Zuchtdatei. Um Hilfe zu erhalten einfach mit der Maus über das entsprechende Feld gehen.</source>
        <translation>Hier kunt u de gegevens van kweekkoppels bijhouden, legsels invoeren en de jongen ringen. De gegevens horen bij het kweekbestand. Voor hulp beweegt u de muis gewoon over het betreffende veld.</translation>
    </message>
    <message>
        <source>Neues Zuchtpaar anlegen</source>
        <translation>Nieuw kweekkoppel invoeren</translation>
    </message>
    <message>
        <source>Zuchtpaar anzeigen/bearbeiten</source>
        <translation>Kweekkoppel tonen/bewerken</translation>
    </message>
    <message>
        <source>Zuchtbeginn:</source>
        <translation>Kweekbegin:</translation>
    </message>
    <message>
        <source>Hecke:</source>
        <translation>Kweekkooi:</translation>
    </message>
    <message>
        <source>Vogel (m) 1.0:</source>
        <translation>Vogel (m) 1.0:</translation>
    </message>
    <message>
        <source>Vogel (w) 0.1:</source>
        <translation>Vogel (v) 0.1:</translation>
    </message>
    <message>
        <source>Zuchtpaar anlegen</source>
        <translation>Kweekkoppel invoeren</translation>
    </message>
    <message>
        <source>Speichert das aktuell eingegebene Zuchtpaar.
Gelege können im nächsten Schritt eingegeben
werden.</source>
        <translation>Slaat het zojuist ingevoerde kweekkoppel op.
Legsels kunnen in de volgende stap worden
ingevoerd.</translation>
    </message>
    <message>
        <source>Farben der Jungen:</source>
        <translation>Kleuren van de jongen:</translation>
    </message>
    <message>
        <source>Welches Zuchtpaar soll angezeigt bzw. bearbeitet werden?</source>
        <translation>Welk kweekkoppel wilt u tonen of bewerken?</translation>
    </message>
    <message>
        <source>Keine Gelege auswählbar? 
Dann ein neues Gelege anlegen.</source>
        <translation>Geen legsel te kiezen? 
Voer dan een nieuw legsel in.</translation>
    </message>
    <message>
        <source>Neues Gelege anlegen</source>
        <translation>Nieuw legsel invoeren</translation>
    </message>
    <message>
        <source>Legt ein neues Gelege dieses Zuchtpaares an.</source>
        <translation>Voert een nieuw legsel van dit kweekkoppel in.</translation>
    </message>
    <message>
        <source>Zuchtpaar auswählen:</source>
        <translation>Kweekkoppel kiezen:</translation>
    </message>
    <message>
        <source>Farben der &amp;Jungen…</source>
        <translation>Kleuren van de &amp;jongen…</translation>
    </message>
    <message>
        <source>Zeigt, welche Farben die Jungen dieses Paares erwarten lassen</source>
        <translation>Toont welke kleuren er bij de jongen van dit koppel te verwachten zijn</translation>
    </message>
    <message>
        <source>Bitte zuerst Hahn und Henne wählen.</source>
        <translation>Kies eerst de man en de pop.</translation>
    </message>
    <message>
        <source>Gelege auswählen:</source>
        <translation>Legsel kiezen:</translation>
    </message>
    <message>
        <source>Zuchtpaar speichern</source>
        <translation>Kweekkoppel opslaan</translation>
    </message>
    <message>
        <source>Speichert die Änderungen zum Zuchtpaar</source>
        <translation>Slaat de wijzigingen aan het kweekkoppel op</translation>
    </message>
    <message>
        <source>Zuchtpaar löschen</source>
        <translation>Kweekkoppel verwijderen</translation>
    </message>
    <message>
        <source>Löscht das Zuchtpaar sowie deren Gelege und Eier. 
Evtl. daraus vorgegangene Jungtiere werden dabei 
nicht gelöscht.</source>
        <translation>Verwijdert het kweekkoppel met zijn legsels en eieren. 
Jonge vogels daaruit worden daarbij 
niet verwijderd.</translation>
    </message>
    <message>
        <source>Gelege:</source>
        <translation>Legsel:</translation>
    </message>
    <message>
        <source>Wieviele Eier wurden mit diesem Gelege gelegt?</source>
        <translation>Hoeveel eieren zijn er in dit legsel gelegd?</translation>
    </message>
    <message>
        <source>Wann wurde das erste Ei, dass durch ein Kunststoffei ersetzt wird gelegt?</source>
        <translation>Wanneer is het eerste ei gelegd (dat door een kunstei wordt vervangen)?</translation>
    </message>
    <message>
        <source>Wann wurde das letzte Ei des Geleges gelegt?</source>
        <translation>Wanneer is het laatste ei van het legsel gelegd?</translation>
    </message>
    <message>
        <source>Wann wurden die Kunststoffeier durch die Gelege ersetzt (=Brutbeginn)?</source>
        <translation>Wanneer zijn de kunsteieren door het legsel vervangen (= begin van het broeden)?</translation>
    </message>
    <message>
        <source>Anzahl Eier:</source>
        <translation>Aantal eieren:</translation>
    </message>
    <message>
        <source>Datum Erstes Ei:</source>
        <translation>Datum eerste ei:</translation>
    </message>
    <message>
        <source>Datum Letztes Ei:</source>
        <translation>Datum laatste ei:</translation>
    </message>
    <message>
        <source>Datum Gelege gesetzt:</source>
        <translation>Datum legsel ondergelegd:</translation>
    </message>
    <message>
        <source>Gelege löschen</source>
        <translation>Legsel verwijderen</translation>
    </message>
    <message>
        <source>Löscht das Gelege aus der Datenbank. 
Evtl. eingetragene Eier gehen dabei verloren.

Die Jungvögel die bei der Beringung angelegt wurden bleiben erhalten.</source>
        <translation>Verwijdert het legsel uit de database. 
Ingevoerde eieren gaan daarbij verloren.

De jonge vogels die bij het ringen zijn ingevoerd, blijven bewaard.</translation>
    </message>
    <message>
        <source>Gelege speichern</source>
        <translation>Legsel opslaan</translation>
    </message>
    <message>
        <source>Speichert das Gelege und alle Änderungen darin.</source>
        <translation>Slaat het legsel en alle wijzigingen daarin op.</translation>
    </message>
    <message>
        <source>Sind Hahn und Henne gewählt, stehen hier die Farben ihrer Jungen.</source>
        <translation>Zodra man en pop gekozen zijn, staan hier de kleuren van hun jongen.</translation>
    </message>
    <message>
        <source>Inzuchtkoeffizient der Jungen: %1</source>
        <translation>Inteeltcoëfficiënt van de jongen: %1</translation>
    </message>
    <message>
        <source>eng verwandt</source>
        <translation>nauw verwant</translation>
    </message>
    <message>
        <source>eng verwandt (%1)</source>
        <translation>nauw verwant (%1)</translation>
    </message>
    <message>
        <source>Frage</source>
        <translation>Vraag</translation>
    </message>
    <message>
        <source>Hahn %1 und Henne %2 sind %3: Die Jungen hätten einen Inzuchtkoeffizienten von %4.

Trotzdem als Zuchtpaar speichern?</source>
        <translation>Man %1 en pop %2 zijn %3: de jongen zouden een inteeltcoëfficiënt van %4 hebben.

Toch als kweekkoppel opslaan?</translation>
    </message>
    <message>
        <source>Das Zuchtpaar wurde gespeichert. Wählen Sie es nun aus um Gelege einzugeben.</source>
        <translation>Het kweekkoppel is opgeslagen. Kies het nu om legsels in te voeren.</translation>
    </message>
    <message>
        <source>Bitte wählen Sie zunächst das Zuchtpaar aus, das Sie bearbeiten möchten.</source>
        <translation>Kies eerst het kweekkoppel dat u wilt bewerken.</translation>
    </message>
    <message>
        <source>Das Zuchtpaar wurde gespeichert.</source>
        <translation>Het kweekkoppel is opgeslagen.</translation>
    </message>
    <message>
        <source>Bitte wählen Sie zunächst das Zuchtpaar aus, das Sie löschen möchten.</source>
        <translation>Kies eerst het kweekkoppel dat u wilt verwijderen.</translation>
    </message>
    <message>
        <source>Wählen Sie zunächst das Zuchtpaar aus, dessen Gelege Sie anlegen möchten.</source>
        <translation>Kies eerst het kweekkoppel waarvan u een legsel wilt invoeren.</translation>
    </message>
</context>
<context>
    <name>BreedingRules</name>
    <message>
        <source>Ungültiges Zuchtbeginn-Datum!</source>
        <translation>Ongeldige datum van het kweekbegin!</translation>
    </message>
    <message>
        <source>Ungültige Heckennummer!</source>
        <translation>Ongeldig kweekkooinummer!</translation>
    </message>
    <message>
        <source>Bitte Vogel (m) 1.0 auswählen!</source>
        <translation>Kies vogel (m) 1.0!</translation>
    </message>
    <message>
        <source>Bitte Vogel (w) 0.1 auswählen!</source>
        <translation>Kies vogel (v) 0.1!</translation>
    </message>
    <message>
        <source>Gelege %1</source>
        <translation>Legsel %1</translation>
    </message>
    <message>
        <source>Ungültiges Datum bei Erstes Ei!</source>
        <translation>Ongeldige datum bij Eerste ei!</translation>
    </message>
    <message>
        <source>Ungültige Anzahl Eier!</source>
        <translation>Ongeldig aantal eieren!</translation>
    </message>
    <message>
        <source>Ungültiges Datum bei Letztes Ei!</source>
        <translation>Ongeldige datum bij Laatste ei!</translation>
    </message>
    <message>
        <source>Ungültiges Datum bei Gelege Gesetzt!</source>
        <translation>Ongeldige datum bij Legsel ondergelegd!</translation>
    </message>
    <message>
        <source>ACHTUNG:
<byte value="xd"/>
<byte value="xd"/>Die Ringnr %1 ist bereits angelegt.</source>
        <translation>LET OP:
</translation>
    </message>
    <message>
        <source>Bitte die Ringnummer angeben.</source>
        <translation>Geef het ringnummer op.</translation>
    </message>
    <message>
        <source>Bitte das Geschlecht angeben.</source>
        <translation>Geef het geslacht op.</translation>
    </message>
    <message>
        <source>Bitte das abgesetzt-Datum richtig angeben.</source>
        <translation>Geef een geldige speendatum op.</translation>
    </message>
    <message>
        <source>Bitte das Schlupf-Datum richtig angeben.</source>
        <translation>Geef een geldige uitkomstdatum op.</translation>
    </message>
    <message>
        <source>Die Beringung des Ei&apos;s wurde gelöscht.
<byte value="xd"/>
<byte value="xd"/>Außerdem wurde der Vogel mit der Ringnummer %1 und die Elternbeziehungen ebenfalls wieder entfernt.<byte value="xd"/>
<byte value="xd"/>
Es kann nun eine neue Ringnummer zu diesem Ei angelegt werden.</source>
        <translation>Het ringen van het ei is verwijderd.
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
        <translation>het bestand eindigt voortijdig</translation>
    </message>
    <message>
        <source>Textlänge %1 über dem Höchstwert %2</source>
        <translation>tekstlengte %1 boven het maximum %2</translation>
    </message>
    <message>
        <source>negative Anzahl %1</source>
        <translation>negatief aantal %1</translation>
    </message>
    <message>
        <source>Anzahl %1 passt nicht in den Rest der Datei</source>
        <translation>aantal %1 past niet in de rest van het bestand</translation>
    </message>
</context>
<context>
    <name>CageCardDialog</name>
    <message>
        <source>Käfigkarten</source>
        <translation>Kooikaarten</translation>
    </message>
    <message>
        <source>&amp;Zuchtpaare:</source>
        <translation>Kweek&amp;koppels:</translation>
    </message>
    <message>
        <source>Eine Karte für jeden Zuchtkäfig mit Hahn, Henne, Gelegen und ihren Tagen</source>
        <translation>Eén kaart per kweekkooi met man, pop, legsels en hun dagen</translation>
    </message>
    <message>
        <source>Die Zuchtpaare, deren Karten gedruckt werden</source>
        <translation>De kweekkoppels waarvan de kaarten worden afgedrukt</translation>
    </message>
    <message>
        <source>Zuchtpaare</source>
        <translation>Kweekkoppels</translation>
    </message>
    <message>
        <source>&amp;Alle</source>
        <translation>&amp;Alle</translation>
    </message>
    <message>
        <source>&amp;Keine</source>
        <translation>&amp;Geen</translation>
    </message>
    <message>
        <source>&amp;Einzelne Vögel, eine Ringnummer je Zeile:</source>
        <translation>&amp;Losse vogels, één ringnummer per regel:</translation>
    </message>
    <message>
        <source>Eine Karte für jeden Vogel mit Ring, Geschlecht, Jahrgang, Farbe, Rasse und Eltern</source>
        <translation>Eén kaart per vogel met ring, geslacht, jaar, kleur, ras en ouders</translation>
    </message>
    <message>
        <source>Die Ringnummern der Vögel, eine je Zeile</source>
        <translation>De ringnummers van de vogels, één per regel</translation>
    </message>
    <message>
        <source>Ringnummern</source>
        <translation>Ringnummers</translation>
    </message>
    <message>
        <source>Wie groß die Karten sind und wie viele auf ein A4-Blatt passen</source>
        <translation>Hoe groot de kaarten zijn en hoeveel er op een A4-blad passen</translation>
    </message>
    <message>
        <source>&amp;Größe:</source>
        <translation>&amp;Grootte:</translation>
    </message>
    <message>
        <source>&amp;Vorschau</source>
        <translation>&amp;Voorbeeld</translation>
    </message>
    <message>
        <source>Die Karten in der Druckvorschau: drucken, als PDF oder PNG speichern</source>
        <translation>De kaarten in het afdrukvoorbeeld: afdrukken, opslaan als PDF of PNG</translation>
    </message>
    <message>
        <source>Bitte wählen Sie mindestens ein Zuchtpaar aus.</source>
        <translation>Kies ten minste één kweekkoppel.</translation>
    </message>
    <message>
        <source>Die Ringnummer „%1“ ist nicht im Bestand.</source>
        <translation>Het ringnummer “%1” staat niet in het vogelbestand.</translation>
    </message>
    <message>
        <source>Bitte geben Sie mindestens eine Ringnummer ein.</source>
        <translation>Voer ten minste één ringnummer in.</translation>
    </message>
    <message>
        <source>die Käfigkarten</source>
        <translation>de kooikaarten</translation>
    </message>
    <message>
        <source>Käfigkarten</source>
        <comment>file name of the printed cage cards</comment>
        <translation>Kooikaarten</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>CageCardReport</name>
    <message>
        <source>Hahn</source>
        <translation>Man</translation>
    </message>
    <message>
        <source>Henne</source>
        <translation>Pop</translation>
    </message>
    <message>
        <source>Geschlecht unbekannt</source>
        <translation>Geslacht onbekend</translation>
    </message>
    <message>
        <source>nicht im Bestand</source>
        <translation>niet in het vogelbestand</translation>
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
        <translation>Man: %1</translation>
    </message>
    <message>
        <source>Henne: %1</source>
        <translation>Pop: %1</translation>
    </message>
    <message>
        <source>Zuchtbeginn: %1</source>
        <translation>Kweekbegin: %1</translation>
    </message>
    <message>
        <source>%1, Jahrgang %2</source>
        <extracomment>The sex and the year of hatching on a bird&apos;s cage card.</extracomment>
        <translation>%1, jaar %2</translation>
    </message>
    <message>
        <source>Farbe: %1</source>
        <translation>Kleur: %1</translation>
    </message>
    <message>
        <source>Rasse: %1</source>
        <translation>Ras: %1</translation>
    </message>
    <message>
        <source>Vater: %1</source>
        <translation>Vader: %1</translation>
    </message>
    <message>
        <source>Mutter: %1</source>
        <translation>Moeder: %1</translation>
    </message>
    <message>
        <source>Gelege</source>
        <translation>Legsel</translation>
    </message>
    <message>
        <source>1. Ei</source>
        <translation>1e ei</translation>
    </message>
    <message>
        <source>Schieren</source>
        <translation>Schouwen</translation>
    </message>
    <message>
        <source>Schlupf</source>
        <translation>Uitkomen</translation>
    </message>
    <message>
        <source>Beringen</source>
        <translation>Ringen</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>The rings of one clutch&apos;s young: the clutch&apos;s number, then the rings.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Junge: %1</source>
        <translation>Jongen: %1</translation>
    </message>
    <message>
        <source>Notizen:</source>
        <translation>Notities:</translation>
    </message>
    <message>
        <source>A6 (105 × 148 mm, 4 je Blatt)</source>
        <translation>A6 (105 × 148 mm, 4 per blad)</translation>
    </message>
    <message>
        <source>A7 quer (105 × 74 mm, 8 je Blatt)</source>
        <translation>A7 liggend (105 × 74 mm, 8 per blad)</translation>
    </message>
    <message>
        <source>Karte (85 × 55 mm, 10 je Blatt)</source>
        <translation>Kaart (85 × 55 mm, 10 per blad)</translation>
    </message>
</context>
<context>
    <name>CertificateCommands</name>
    <message>
        <source>Bitte den Kanarienvogel auswählen.</source>
        <translation>Selecteer de kanarie.</translation>
    </message>
    <message>
        <source>den Abstammungsnachweis</source>
        <translation>het afstammingsbewijs</translation>
    </message>
    <message>
        <source>Abstammungsnachweis %1</source>
        <translation>Afstammingsbewijs %1</translation>
    </message>
    <message>
        <source>das Stammblatt</source>
        <translation>de stamkaart</translation>
    </message>
    <message>
        <source>Stammblatt %1</source>
        <translation>Stamkaart %1</translation>
    </message>
    <message>
        <source>Stammbaum als Datei speichern</source>
        <translation>Stamboom als bestand opslaan</translation>
    </message>
    <message>
        <source>Stammbaum %1.json</source>
        <translation>Stamboom %1.json</translation>
    </message>
    <message>
        <source>Die Stammbaumdatei %1 wurde erstellt. Der Käufer liest sie mit „Bestand importieren…“ ein.</source>
        <translation>Het stamboombestand %1 is aangemaakt. De koper leest het in met “Vogelbestand importeren…”.</translation>
    </message>
</context>
<context>
    <name>ChangeAnimalDialog</name>
    <message>
        <source>Bitte zuerst den Kanarienvogel in der Liste anklicken.</source>
        <translation>Klik eerst op de kanarie in de lijst.</translation>
    </message>
    <message>
        <source>Kanarienvogel auswählen:</source>
        <translation>Kanarie kiezen:</translation>
    </message>
    <message>
        <source>Ein Doppelklick zeigt den Abstammungsnachweis an.</source>
        <translation>Dubbelklikken toont het afstammingsbewijs.</translation>
    </message>
    <message>
        <source>Ringnummer</source>
        <translation>Ringnummer</translation>
    </message>
    <message>
        <source>Geburtsjahr</source>
        <translation>Geboortejaar</translation>
    </message>
    <message>
        <source>Sortierung:</source>
        <translation>Sortering:</translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation>Filter:</translation>
    </message>
    <message>
        <source>&amp;Stammdaten</source>
        <translation>&amp;Gegevens</translation>
    </message>
    <message>
        <source>&amp;Verbleib</source>
        <translation>&amp;Verblijf</translation>
    </message>
    <message>
        <source>&amp;Ausstellungen</source>
        <translation>&amp;Tentoonstellingen</translation>
    </message>
    <message>
        <source>&amp;Erbanlagen</source>
        <translation>&amp;Erffactoren</translation>
    </message>
    <message>
        <source>Kanarienvogel ändern</source>
        <translation>Kanarie wijzigen</translation>
    </message>
    <message>
        <source>Nachkommen anzeigen</source>
        <translation>Nakomelingen tonen</translation>
    </message>
    <message>
        <source>Kanarienvogel verkauft oder gelöscht</source>
        <translation>Kanarie verkocht of verwijderd</translation>
    </message>
    <message>
        <source>Kanarienvogel verkauft oder gelöscht (wird in der Auswahlliste, der Kanarienvögelbestandsliste und in den Elternbeziehungen nicht mehr zur Auswahl angeboten.)</source>
        <translation>Kanarie verkocht of verwijderd (wordt in de keuzelijst, de kanariebestandslijst en de ouderkoppelingen niet meer aangeboden.)</translation>
    </message>
    <message>
        <source>Idealerweise 170x120 Pixel</source>
        <translation>Bij voorkeur 170x120 pixels</translation>
    </message>
    <message>
        <source>Bild auswählen</source>
        <translation>Foto kiezen</translation>
    </message>
    <message>
        <source>Bild löschen</source>
        <translation>Foto verwijderen</translation>
    </message>
    <message>
        <source>Gefundene Kanarienvögel (Kanarienvögel ändern Modus)</source>
        <translation>Gevonden kanaries (modus Kanaries wijzigen)</translation>
    </message>
    <message>
        <source>Kanarienvögel ändern</source>
        <translation>Kanaries wijzigen</translation>
    </message>
    <message>
        <source>den Kanarienvogel anklicken um mit dem Ändern zu beginnen.</source>
        <translation>klik op de kanarie om met wijzigen te beginnen.</translation>
    </message>
    <message>
        <source>Inzuchtkoeffizient: %1</source>
        <translation>Inteeltcoëfficiënt: %1</translation>
    </message>
    <message>
        <source> (Schleife in den Elternbeziehungen übergangen)</source>
        <translation> (lus in de ouderkoppelingen overgeslagen)</translation>
    </message>
    <message>
        <source>Bitte den Kanarienvogel ändern und danach auf &quot;Kanarienvogel ändern&quot; klicken.</source>
        <translation>Wijzig de kanarie en klik daarna op &quot;Kanarie wijzigen&quot;.</translation>
    </message>
    <message>
        <source>Die Erbanlagen passen nicht zusammen: %1</source>
        <translation>De erffactoren passen niet bij elkaar: %1</translation>
    </message>
    <message>
        <source>Frage</source>
        <translation>Vraag</translation>
    </message>
    <message>
        <source>%1 Verweise (Eltern, Zuchtpaare, Jungtiere) nennen noch die bisherige Ringnummer %2. Sollen sie auf die neue Ringnummer %3 geändert werden?</source>
        <translation>%1 verwijzingen (ouders, kweekkoppels, jongen) noemen nog het oude ringnummer %2. Wilt u ze wijzigen in het nieuwe ringnummer %3?</translation>
    </message>
    <message>
        <source>Bild wurde gespeichert.</source>
        <translation>De foto is opgeslagen.</translation>
    </message>
    <message>
        <source>Stan&amp;dort</source>
        <translation>Stan&amp;dplaats</translation>
    </message>
</context>
<context>
    <name>Choices</name>
    <message>
        <source>unbekannt</source>
        <comment>sex</comment>
        <translation>onbekend</translation>
    </message>
    <message>
        <source>männlich</source>
        <translation>mannelijk</translation>
    </message>
    <message>
        <source>weiblich</source>
        <translation>vrouwelijk</translation>
    </message>
</context>
<context>
    <name>ColourCalculator</name>
    <message>
        <source>%1 doppelfaktorig</source>
        <extracomment>%1 is a colour word</extracomment>
        <translation>%1 dubbelfactorig</translation>
    </message>
    <message>
        <source>%1 einfaktorig</source>
        <translation>%1 enkelfactorig</translation>
    </message>
    <message>
        <source>%1 der befruchteten Eier sterben ab: doppelfaktorig %2 ist nicht lebensfähig.</source>
        <translation>%1 van de bevruchte eieren sterft af: dubbelfactorig %2 is niet levensvatbaar.</translation>
    </message>
    <message>
        <source> und </source>
        <translation> en </translation>
    </message>
    <message>
        <source>%1 der befruchteten Eier sterben ab.</source>
        <translation>%1 van de bevruchte eieren sterft af.</translation>
    </message>
    <message>
        <source>%1 folgt keinem einfachen Erbgang; dafür werden keine Anteile berechnet.</source>
        <translation>%1 volgt geen eenvoudige overerving; daarvoor worden geen aandelen berekend.</translation>
    </message>
    <message>
        <source>Ob %1 beim Hahn auf einem Z-Chromosom liegen oder auf je einem, ist unbekannt; beide Lagen sind je zur Hälfte gerechnet.</source>
        <translation>Of %1 bij de man op één Z-chromosoom liggen of op elk één, is onbekend; beide fasen worden elk voor de helft gerekend.</translation>
    </message>
    <message>
        <source>Anlagen, die nur wahrscheinlich sind, sind mit ihrer Wahrscheinlichkeit gerechnet.</source>
        <translation>Factoren die alleen waarschijnlijk zijn, worden met hun waarschijnlijkheid gerekend.</translation>
    </message>
    <message>
        <source>Hahn</source>
        <translation>Man</translation>
    </message>
    <message>
        <source>Henne</source>
        <translation>Pop</translation>
    </message>
</context>
<context>
    <name>ColourCheck</name>
    <message>
        <source>%1 zeigt %2, aber ihr Vater %3 ist als frei von %2 eingetragen.</source>
        <translation>%1 toont %2, maar haar vader %3 is ingevoerd als vrij van %2.</translation>
    </message>
    <message>
        <source>%1 zeigt %2, aber sein Vater %3 ist als frei von %2 eingetragen.</source>
        <translation>%1 toont %2, maar zijn vader %3 is ingevoerd als vrij van %2.</translation>
    </message>
    <message>
        <source>%1 zeigt %2, aber ihre Mutter %3 ist als frei von %2 eingetragen.</source>
        <translation>%1 toont %2, maar haar moeder %3 is ingevoerd als vrij van %2.</translation>
    </message>
    <message>
        <source>%1 zeigt %2, aber seine Mutter %3 ist als frei von %2 eingetragen.</source>
        <translation>%1 toont %2, maar zijn moeder %3 is ingevoerd als vrij van %2.</translation>
    </message>
    <message>
        <source>%1 ist als frei von %2 eingetragen, aber ihr Vater %3 zeigt %2.</source>
        <translation>%1 is ingevoerd als vrij van %2, maar haar vader %3 toont %2.</translation>
    </message>
    <message>
        <source>%1 ist als frei von %2 eingetragen, aber sein Vater %3 zeigt %2.</source>
        <translation>%1 is ingevoerd als vrij van %2, maar zijn vader %3 toont %2.</translation>
    </message>
    <message>
        <source>%1 ist als frei von %2 eingetragen, aber ihre Mutter %3 zeigt %2.</source>
        <translation>%1 is ingevoerd als vrij van %2, maar haar moeder %3 toont %2.</translation>
    </message>
    <message>
        <source>%1 ist als frei von %2 eingetragen, aber seine Mutter %3 zeigt %2.</source>
        <translation>%1 is ingevoerd als vrij van %2, maar zijn moeder %3 toont %2.</translation>
    </message>
    <message>
        <source>Die Erbanlagen von %1 widersprechen sich: %2</source>
        <translation>De erffactoren van %1 spreken elkaar tegen: %2</translation>
    </message>
    <message>
        <source>%1 zeigt %2, aber Vater %3 und Mutter %4 sind als frei davon eingetragen.</source>
        <translation>%1 toont %2, maar vader %3 en moeder %4 zijn ingevoerd als vrij daarvan.</translation>
    </message>
</context>
<context>
    <name>ColourFactors</name>
    <message>
        <source>Braun (Eumelanin braun statt schwarz)</source>
        <translation>Bruin (bruine in plaats van zwarte eumelanine)</translation>
    </message>
    <message>
        <source>geschlechtsgebunden rezessiv</source>
        <translation>geslachtsgebonden recessief</translation>
    </message>
    <message>
        <source>braun</source>
        <translation>bruin</translation>
    </message>
    <message>
        <source>Braun</source>
        <translation>Bruin</translation>
    </message>
    <message>
        <source>Verdünnung (Achat, Satinet)</source>
        <translation>Verdunning (agaat, satinet)</translation>
    </message>
    <message>
        <source>achat</source>
        <translation>agaat</translation>
    </message>
    <message>
        <source>Achat</source>
        <translation>Agaat</translation>
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
        <translation>Pastel (grijsvleugel)</translation>
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
        <translation>grijsvleugel</translation>
    </message>
    <message>
        <source>Grauflügel</source>
        <translation>Grijsvleugel</translation>
    </message>
    <message>
        <source>Elfenbein</source>
        <translation>Ivoor</translation>
    </message>
    <message>
        <source>elfenbein</source>
        <translation>ivoor</translation>
    </message>
    <message>
        <source>rezessiv Weiß</source>
        <translation>recessief wit</translation>
    </message>
    <message>
        <source>autosomal rezessiv</source>
        <translation>autosomaal recessief</translation>
    </message>
    <message>
        <source>rezessiv weiß</source>
        <translation>recessief wit</translation>
    </message>
    <message>
        <source>Opal und Onyx</source>
        <translation>Opaal en onyx</translation>
    </message>
    <message>
        <source>opal</source>
        <translation>opaal</translation>
    </message>
    <message>
        <source>Opal</source>
        <translation>Opaal</translation>
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
        <translation>Topaas</translation>
    </message>
    <message>
        <source>topas</source>
        <translation>topaas</translation>
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
        <translation>Kobalt</translation>
    </message>
    <message>
        <source>kobalt</source>
        <translation>kobalt</translation>
    </message>
    <message>
        <source>dominant Weiß</source>
        <translation>dominant wit</translation>
    </message>
    <message>
        <source>autosomal dominant</source>
        <translation>autosomaal dominant</translation>
    </message>
    <message>
        <source>dominant weiß</source>
        <translation>dominant wit</translation>
    </message>
    <message>
        <source>Haube</source>
        <translation>Kuif</translation>
    </message>
    <message>
        <source>haube</source>
        <translation>kuif</translation>
    </message>
    <message>
        <source>Intensiv</source>
        <translation>Intensief</translation>
    </message>
    <message>
        <source>intensiv</source>
        <translation>intensief</translation>
    </message>
    <message>
        <source>Jaspis (Jaspe)</source>
        <translation>Jaspe</translation>
    </message>
    <message>
        <source>autosomal unvollständig dominant</source>
        <translation>autosomaal onvolledig dominant</translation>
    </message>
    <message>
        <source>jaspis</source>
        <translation>jaspe</translation>
    </message>
    <message>
        <source>Jaspis</source>
        <translation>Jaspe</translation>
    </message>
    <message>
        <source>Rotgrund</source>
        <translation>Roodgrond</translation>
    </message>
    <message>
        <source>kein einfacher Erbgang</source>
        <translation>geen eenvoudige overerving</translation>
    </message>
    <message>
        <source>rotgrund</source>
        <translation>roodgrond</translation>
    </message>
    <message>
        <source>Mosaik</source>
        <translation>Mozaïek</translation>
    </message>
    <message>
        <source>mosaik</source>
        <translation>mozaïek</translation>
    </message>
    <message>
        <source>Schwarz</source>
        <translation>Zwart</translation>
    </message>
    <message>
        <source>Isabell</source>
        <translation>Isabel</translation>
    </message>
    <message>
        <source>Achat-Satinet</source>
        <translation>Agaat satinet</translation>
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
        <translation>(factoren handmatig)</translation>
    </message>
    <message>
        <source>Farbvererbung</source>
        <translation>Kleurvererving</translation>
    </message>
    <message>
        <source>Trägt der Hahn braun und eine Verdünnung verdeckt, ob beide auf einem Z-Chromosom liegen oder auf je einem</source>
        <translation>Als de man bruin en een verdunning verborgen draagt: of beide op één Z-chromosoom liggen of op elk één</translation>
    </message>
    <message>
        <source>unbekannt: je zur Hälfte gerechnet</source>
        <translation>onbekend: elk voor de helft gerekend</translation>
    </message>
    <message>
        <source>auf einem Z-Chromosom</source>
        <translation>op één Z-chromosoom</translation>
    </message>
    <message>
        <source>auf je einem Z-Chromosom</source>
        <translation>op elk één Z-chromosoom</translation>
    </message>
    <message>
        <source>&amp;Wahrscheinliche Anlagen mitrechnen</source>
        <translation>&amp;Waarschijnlijke factoren meerekenen</translation>
    </message>
    <message>
        <source>Anlagen, die der Stammbaum nur wahrscheinlich macht, mit ihrer Wahrscheinlichkeit rechnen</source>
        <translation>Factoren die de stamboom alleen waarschijnlijk maakt, met hun waarschijnlijkheid rekenen</translation>
    </message>
    <message>
        <source>&amp;Crossing-over braun/Verdünnung:</source>
        <translation>&amp;Crossing-over bruin/verdunning:</translation>
    </message>
    <message>
        <source>&amp;Lage beim Hahn:</source>
        <translation>&amp;Fase bij de man:</translation>
    </message>
    <message>
        <source>Erwartete Jungen:</source>
        <translation>Verwachte jongen:</translation>
    </message>
    <message>
        <source>Hahn</source>
        <translation>Man</translation>
    </message>
    <message>
        <source>Henne</source>
        <translation>Pop</translation>
    </message>
    <message>
        <source>Ein Vogel aus dem Bestand, oder „%1“ für Anlagen zum Eintragen</source>
        <translation>Een vogel uit het vogelbestand, of “%1” om factoren in te voeren</translation>
    </message>
    <message>
        <source>&amp;Hahn:</source>
        <translation>&amp;Man:</translation>
    </message>
    <message>
        <source>H&amp;enne:</source>
        <translation>&amp;Pop:</translation>
    </message>
    <message>
        <source>Anlagen von Hand: bitte oben wählen.</source>
        <translation>Factoren handmatig: kies hierboven.</translation>
    </message>
    <message>
        <source>Der Stammbaum belegt keine verdeckten Anlagen.</source>
        <translation>De stamboom bewijst geen verborgen factoren.</translation>
    </message>
    <message>
        <source>Wie oft ein Hahn, der braun und eine Verdünnung trägt, beide durch Crossing-over getrennt weitergibt. Der vorgegebene Wert ist vorläufig: tragen Sie ein, was Sie im eigenen Bestand sehen.</source>
        <translation>Hoe vaak een man die bruin en een verdunning draagt, beide door crossing-over gescheiden doorgeeft. De vooraf ingestelde waarde is voorlopig: vul in wat u in uw eigen vogelbestand ziet.</translation>
    </message>
</context>
<context>
    <name>CsvExport</name>
    <message>
        <source>Erbanlagen laut Stammbaum</source>
        <translation>Erffactoren volgens stamboom</translation>
    </message>
    <message>
        <source>Punkte der Kollektion</source>
        <translation>Punten van de stam</translation>
    </message>
    <message>
        <source>Zuchtpaar</source>
        <translation>Kweekkoppel</translation>
    </message>
    <message>
        <source>Hahn</source>
        <translation>Man</translation>
    </message>
    <message>
        <source>Henne</source>
        <translation>Pop</translation>
    </message>
    <message>
        <source>Hecke</source>
        <translation>Kweekkooi</translation>
    </message>
    <message>
        <source>Zuchtbeginn</source>
        <translation>Kweekbegin</translation>
    </message>
    <message>
        <source>Gelege</source>
        <translation>Legsel</translation>
    </message>
    <message>
        <source>Erstes Ei</source>
        <translation>Eerste ei</translation>
    </message>
    <message>
        <source>Letztes Ei</source>
        <translation>Laatste ei</translation>
    </message>
    <message>
        <source>Gelege gesetzt</source>
        <translation>Legsel ondergelegd</translation>
    </message>
    <message>
        <source>Anzahl Eier</source>
        <translation>Aantal eieren</translation>
    </message>
    <message>
        <source>Ei</source>
        <translation>Ei</translation>
    </message>
    <message>
        <source>Ring</source>
        <translation>Ring</translation>
    </message>
    <message>
        <source>Geschlüpft</source>
        <translation>Uitgekomen</translation>
    </message>
    <message>
        <source>Abgesetzt</source>
        <translation>Gespeend</translation>
    </message>
</context>
<context>
    <name>DataCheck</name>
    <message>
        <source>Vater %1 von %2 gibt es nicht im Bestand.</source>
        <extracomment>%1 is the parent&apos;s ring, %2 the child&apos;s</extracomment>
        <translation>Vader %1 van %2 staat niet in het vogelbestand.</translation>
    </message>
    <message>
        <source>Mutter %1 von %2 gibt es nicht im Bestand.</source>
        <translation>Moeder %1 van %2 staat niet in het vogelbestand.</translation>
    </message>
    <message>
        <source>Der Vater %1 von %2 ist weiblich.</source>
        <translation>De vader %1 van %2 is vrouwelijk.</translation>
    </message>
    <message>
        <source>Die Mutter %1 von %2 ist männlich.</source>
        <translation>De moeder %1 van %2 is mannelijk.</translation>
    </message>
    <message>
        <source>Vater %1 (Jahrgang %2) ist jünger als sein Kind %3 (Jahrgang %4).</source>
        <extracomment>%1 is the parent&apos;s ring, %2 its year, %3 the child&apos;s ring, %4 its year</extracomment>
        <translation>Vader %1 (jaar %2) is jonger dan zijn jong %3 (jaar %4).</translation>
    </message>
    <message>
        <source>Mutter %1 (Jahrgang %2) ist jünger als ihr Kind %3 (Jahrgang %4).</source>
        <translation>Moeder %1 (jaar %2) is jonger dan haar jong %3 (jaar %4).</translation>
    </message>
    <message>
        <source>%1 aktive Tiere tragen dieselbe Ringnummer: %2.</source>
        <translation>%1 actieve vogels dragen hetzelfde ringnummer: %2.</translation>
    </message>
    <message>
        <source>Diese Tiere sind ihre eigenen Vorfahren: %1.</source>
        <translation>Deze vogels zijn hun eigen voorouders: %1.</translation>
    </message>
    <message>
        <source>Zuchtpaar %1: Den Hahn %2 gibt es nicht im Bestand.</source>
        <translation>Kweekkoppel %1: de man %2 staat niet in het vogelbestand.</translation>
    </message>
    <message>
        <source>Zuchtpaar %1: Die Henne %2 gibt es nicht im Bestand.</source>
        <translation>Kweekkoppel %1: de pop %2 staat niet in het vogelbestand.</translation>
    </message>
    <message>
        <source>Zuchtpaar %1, Gelege %2, Ei %3: Den Jungvogel %4 gibt es nicht im Bestand.</source>
        <translation>Kweekkoppel %1, legsel %2, ei %3: de jonge vogel %4 staat niet in het vogelbestand.</translation>
    </message>
    <message>
        <source>Das Bild %1 gehört zu keinem Tier.</source>
        <translation>De foto %1 hoort bij geen enkele vogel.</translation>
    </message>
    <message>
        <source>Zu %1 gibt es Zusatzdaten (Verbleib, Ausstellungen oder Erbanlagen), aber kein Tier im Bestand trägt diese Ringnummer.</source>
        <translation>Voor %1 zijn er aanvullende gegevens (verblijf, tentoonstellingen of erffactoren), maar geen vogel in het vogelbestand draagt dit ringnummer.</translation>
    </message>
</context>
<context>
    <name>DataCheckDialog</name>
    <message>
        <source>Datenprüfung</source>
        <translation>Gegevenscontrole</translation>
    </message>
    <message>
        <source>Gefundenes</source>
        <translation>Bevindingen</translation>
    </message>
    <message>
        <source>Keine Auffälligkeiten gefunden.</source>
        <translation>Niets bijzonders gevonden.</translation>
    </message>
    <message>
        <source>%1 Auffälligkeiten gefunden:</source>
        <translation>%1 bevindingen:</translation>
    </message>
</context>
<context>
    <name>DataFiles</name>
    <message>
        <source>Ihre Version der Datenbank ist mit dieser Version nicht kompatibel. Bitte kontaktieren Sie den Autor unter %1. Die Daten können dann ins neue Format konvertiert werden.</source>
        <extracomment>%1 is the program&apos;s web page</extracomment>
        <translation>Uw versie van de database is niet compatibel met deze versie. Neem contact op met de auteur via %1. De gegevens kunnen dan naar de nieuwe indeling worden omgezet.</translation>
    </message>
    <message>
        <source>Die Datei %1 ist vorhanden, kann aber nicht gelesen werden: %2

An ihr wurde nichts geändert. Bitte prüfen Sie, ob Sie diese Datei lesen dürfen (Zugriffsrechte) und ob der Datenträger in Ordnung ist.</source>
        <translation>Het bestand %1 is aanwezig, maar kan niet worden gelezen: %2

Er is niets aan gewijzigd. Controleer of u dit bestand mag lezen (toegangsrechten) en of de gegevensdrager in orde is.</translation>
    </message>
    <message>
        <source>Die Datei %1 ist beschädigt und konnte nicht vollständig gelesen werden (%2).

%3</source>
        <extracomment>%1 is the file, %2 what is wrong with it, %3 what was read of it</extracomment>
        <translation>Het bestand %1 is beschadigd en kon niet volledig worden gelezen (%2).

%3</translation>
    </message>
    <message>
        <source>

Eine Kopie der Originaldatei konnte nicht angelegt werden: %1 Die Datei wird erst überschrieben, wenn diese Kopie beim Speichern gelingt.</source>
        <translation>

Er kon geen kopie van het oorspronkelijke bestand worden gemaakt: %1 Het bestand wordt pas overschreven wanneer deze kopie bij het opslaan lukt.</translation>
    </message>
    <message>
        <source>

Die Originaldatei wurde unverändert aufbewahrt als %1.</source>
        <translation>

Het oorspronkelijke bestand is ongewijzigd bewaard als %1.</translation>
    </message>
    <message>
        <source>

Das Programm arbeitet mit den zuletzt vollständig gespeicherten Daten und versucht es beim nächsten Speichern noch einmal.</source>
        <translation>

Het programma werkt met de laatst volledig opgeslagen gegevens en probeert het bij de volgende keer opslaan opnieuw.</translation>
    </message>
    <message>
        <source>Gelesen wurden %1 von %2 Kanarienvögel. Das Programm arbeitet mit den gelesenen Daten weiter.</source>
        <translation>Er zijn %1 van %2 kanaries gelezen. Het programma werkt verder met de gelezen gegevens.</translation>
    </message>
    <message>
        <source>Die Zuchtpaare wurden nicht geladen; das Programm beginnt mit einer leeren Zuchtpaar-Liste.</source>
        <translation>De kweekkoppels zijn niet geladen; het programma begint met een lege lijst kweekkoppels.</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde nicht gespeichert, weil von der beim Start beschädigten Datei keine Kopie angelegt werden kann: %2</source>
        <translation>Het bestand %1 is niet opgeslagen, omdat er van het bij het starten beschadigde bestand geen kopie kan worden gemaakt: %2</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht gespeichert werden: %2

Die bisherige Datei ist unverändert geblieben.</source>
        <translation>Het bestand %1 kon niet worden opgeslagen: %2

Het vorige bestand is ongewijzigd gebleven.</translation>
    </message>
</context>
<context>
    <name>DataFolder</name>
    <message>
        <source>Auf dem Datenträger des Datenordners „%1“ ist kaum noch Platz frei (%2). Ein Speichern braucht etwa %3; Ihre Änderungen könnten dann nicht gespeichert werden.

Bitte schaffen Sie Platz, etwa indem Sie nicht mehr benötigte Dateien löschen. Die bisherigen Daten bleiben dabei in jedem Fall erhalten.</source>
        <translation>Op de gegevensdrager van de gegevensmap “%1” is bijna geen ruimte meer vrij (%2). Opslaan vraagt ongeveer %3; uw wijzigingen zouden dan niet kunnen worden opgeslagen.

Maak ruimte vrij, bijvoorbeeld door bestanden te verwijderen die u niet meer nodig hebt. De bestaande gegevens blijven in elk geval bewaard.</translation>
    </message>
</context>
<context>
    <name>DataFolderLock</name>
    <message>
        <source>Im Datenordner %1 darf Avelor nichts ändern: Der Ordner oder der Datenträger ist schreibgeschützt. So könnte keine Änderung gespeichert werden; darum startet das Programm nicht.

Bitte geben Sie den Ordner zum Schreiben frei (Zugriffsrechte) und starten Sie Avelor danach neu.</source>
        <translation>Avelor mag in de gegevensmap %1 niets wijzigen: de map of de gegevensdrager is tegen schrijven beveiligd. Er zou geen enkele wijziging kunnen worden opgeslagen; daarom start het programma niet.

Geef de map vrij om te schrijven (toegangsrechten) en start Avelor daarna opnieuw.</translation>
    </message>
    <message>
        <source>Auf dem Datenträger des Datenordners %1 ist kein Platz mehr frei. So könnte keine Änderung gespeichert werden; darum startet das Programm nicht.

Bitte schaffen Sie Platz (etwa indem Sie nicht mehr benötigte Dateien löschen) und starten Sie Avelor danach neu.</source>
        <translation>Op de gegevensdrager van de gegevensmap %1 is geen ruimte meer vrij. Er zou geen enkele wijziging kunnen worden opgeslagen; daarom start het programma niet.

Maak ruimte vrij (bijvoorbeeld door bestanden te verwijderen die u niet meer nodig hebt) en start Avelor daarna opnieuw.</translation>
    </message>
    <message>
        <source>Der Datenordner %1 kann nicht benutzt werden: %2</source>
        <translation>De gegevensmap %1 kan niet worden gebruikt: %2</translation>
    </message>
    <message>
        <source>Avelor ist für diese Daten bereits geöffnet.

Bitte arbeiten Sie in dem Fenster weiter, das schon offen ist (es kann hinter anderen Fenstern liegen oder in der Taskleiste stecken), oder beenden Sie es dort mit „Alles speichern und Programm beenden“ und starten Sie Avelor danach neu. So gehen keine Änderungen verloren.</source>
        <translation>Avelor is voor deze gegevens al geopend.

Werk verder in het venster dat al open is (het kan achter andere vensters liggen of in de taakbalk staan), of sluit het daar af met “Alles opslaan en afsluiten” en start Avelor daarna opnieuw. Zo gaan er geen wijzigingen verloren.</translation>
    </message>
</context>
<context>
    <name>DeleteAnimalDialog</name>
    <message>
        <source>Kanarienvögel löschen</source>
        <translation>Kanaries verwijderen</translation>
    </message>
    <message>
        <source>Wählen Sie den Kanarienvogel, d. Sie 
löschen möchten aus und klicken 
Sie auf &quot;Löschen&quot;.</source>
        <translation>Kies de kanarie die u wilt 
verwijderen en klik op 
&quot;Verwijderen&quot;.</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Verwijderen</translation>
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
        <translation>Gebruik deze optie om een
vogel uit de actieve bestands-
lijst te halen. Het record wordt
niet gewist, maar blijft op de
achtergrond bewaard. Het komt
alleen niet meer voor in de keu-
zelijst voor het afdrukken van
een afstammingsbewijs.

Handig om bijvoorbeeld 
gestorven kanaries te &quot;verwijderen&quot;
en het overzicht te bewaren. De
verwijderde vogel blijft bewaard
in de records van de ouder-
koppelingen.</translation>
    </message>
    <message>
        <source>Bitte erst den Kanarienvogel auswählen, dann auf löschen klicken.</source>
        <translation>Kies eerst de kanarie en klik dan op Verwijderen.</translation>
    </message>
</context>
<context>
    <name>DescendantsDialog</name>
    <message>
        <source>Kinder, Enkel und Urenkel des Kanarienvogels finden</source>
        <translation>Kinderen, kleinkinderen en achterkleinkinderen van de kanarie zoeken</translation>
    </message>
    <message>
        <source>Finde Kinder, Enkel und Urenkel des Kanarienvogels mit Ringnr:</source>
        <translation>Zoek kinderen, kleinkinderen en achterkleinkinderen van de kanarie met ringnr.:</translation>
    </message>
    <message>
        <source>Suchen</source>
        <translation>Zoeken</translation>
    </message>
    <message>
        <source>Such-Ergebnisse</source>
        <translation>Zoekresultaten</translation>
    </message>
    <message>
        <source>Kinder</source>
        <translation>Kinderen</translation>
    </message>
    <message>
        <source>Gefundene Kinder:</source>
        <translation>Gevonden kinderen:</translation>
    </message>
    <message>
        <source>Enkel</source>
        <translation>Kleinkinderen</translation>
    </message>
    <message>
        <source>Gefundene Enkel:</source>
        <translation>Gevonden kleinkinderen:</translation>
    </message>
    <message>
        <source>Ur-Enkel</source>
        <translation>Achterkleinkinderen</translation>
    </message>
    <message>
        <source>Gefundene Ur-Enkel:</source>
        <translation>Gevonden achterkleinkinderen:</translation>
    </message>
    <message>
        <source>Ur-Ur-Enkel</source>
        <translation>Achter-achterkleinkinderen</translation>
    </message>
    <message>
        <source>Gefundene Ur-Ur-Enkel:</source>
        <translation>Gevonden achter-achterkleinkinderen:</translation>
    </message>
    <message>
        <source>Ein Doppelklick zeigt den Abstammungsnachweis an.</source>
        <translation>Dubbelklikken toont het afstammingsbewijs.</translation>
    </message>
    <message>
        <source>Infos zur Auswahl:</source>
        <translation>Over de selectie:</translation>
    </message>
    <message>
        <source>Bemerkungen</source>
        <translation>Opmerkingen</translation>
    </message>
    <message>
        <source>Bitte zuerst den Kanarienvogel in der Liste anklicken.</source>
        <translation>Klik eerst op de kanarie in de lijst.</translation>
    </message>
    <message>
        <source>Züchter: %1</source>
        <translation>Kweker: %1</translation>
    </message>
</context>
<context>
    <name>DiskBackup</name>
    <message>
        <source>Es wird nun ein schnelles Backup auf die gleiche Festplatte gemacht auf der auch die reguläre Datenbank des Programms läuft. Dies erfüllt nicht den Zweck eines Backups. Wenn die Festplatte beschädigt werden sollte sind der aktuelle Datenbestand UND das Backup davon betroffen.

Die Sicherungskopie wird im Ordner %1 gespeichert. Sie sollten diesen Ordner auf eine CD brennen oder die USB-Backup-Funktion weiter oben nutzen.</source>
        <extracomment>%1 is the folder of the backup</extracomment>
        <translation>Er wordt nu een snelle back-up gemaakt op dezelfde schijf waarop ook de gewone database van het programma staat. Dat is eigenlijk geen echte back-up: als de schijf beschadigd raakt, zijn zowel de huidige gegevens ALS de back-up daarvan getroffen.

De reservekopie wordt opgeslagen in de map %1. Brand deze map op een cd of gebruik de USB-back-up hierboven.</translation>
    </message>
    <message>
        <source>Die Bilder werden gesichert</source>
        <translation>De foto&apos;s worden geback-upt</translation>
    </message>
    <message>
        <source>Die Datensicherung ist fehlgeschlagen.</source>
        <translation>De back-up is mislukt.</translation>
    </message>
    <message>
        <source>Sicherheitsabfrage</source>
        <translation>Bevestiging</translation>
    </message>
    <message>
        <source>Beim Rückholen des Backups wird der auf dem Rechner befindliche Stand überschrieben.
<byte value="xd"/>Soll das Backup wirklich von der Festplatte zurückgeholt werden?</source>
        <translation>Bij het terugzetten van de back-up worden de gegevens op deze computer overschreven.
</translation>
    </message>
    <message>
        <source>Die Bilder werden zurückgeholt</source>
        <translation>De foto&apos;s worden teruggezet</translation>
    </message>
    <message>
        <source>Es wurde kein Backup gefunden.</source>
        <translation>Er is geen back-up gevonden.</translation>
    </message>
    <message>
        <source>Fehler beim Wiederherstellen des Festplatten-Backups</source>
        <translation>Fout bij het terugzetten van de schijfback-up</translation>
    </message>
</context>
<context>
    <name>DriveDialog</name>
    <message>
        <source>Laufwerk</source>
        <translation>Station</translation>
    </message>
    <message>
        <source>Sollte das Laufwerk nicht erscheinen bitte die Anwendung neu starten.</source>
        <translation>Als het station niet verschijnt, start dan de toepassing opnieuw.</translation>
    </message>
    <message>
        <source>Bitte zuerst ein Laufwerk auswählen.</source>
        <translation>Selecteer eerst een station.</translation>
    </message>
    <message>
        <source>Kein USB-Stick und keine externe Festplatte gefunden</source>
        <translation>Geen USB-stick en geen externe schijf gevonden</translation>
    </message>
</context>
<context>
    <name>Drives</name>
    <message>
        <source>%1 (%2, schreibgeschützt)</source>
        <extracomment>%1 is a drive&apos;s name, %2 where it is mounted</extracomment>
        <translation>%1 (%2, tegen schrijven beveiligd)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source> (schreibgeschützt)</source>
        <translation> (tegen schrijven beveiligd)</translation>
    </message>
</context>
<context>
    <name>EnterAnimalsDialog</name>
    <message>
        <source>&lt;= Nach dem Anlegen Feld so belassen</source>
        <translation>&lt;= Dit veld na het invoeren behouden</translation>
    </message>
    <message>
        <source>Kanarienvögel eingeben</source>
        <translation>Kanaries invoeren</translation>
    </message>
    <message>
        <source>Hier können Sie neue Kanarienvögel anlegen. Füllen Sie dazu 
alle Felder aus und klicken Sie anschließend auf 
&quot;Kanarienvogel anlegen&quot;.</source>
        <translation>Hier kunt u nieuwe kanaries invoeren. Vul daarvoor 
alle velden in en klik daarna op 
&quot;Kanarie invoeren&quot;.</translation>
    </message>
    <message>
        <source>Bemerkungen:
(Punkte etc.)</source>
        <translation>Opmerkingen:
(punten enz.)</translation>
    </message>
    <message>
        <source>Kanarienvogel anlegen</source>
        <translation>Kanarie invoeren</translation>
    </message>
    <message>
        <source>Wenn Sie oben alles eingetragen haben können Sie hier klicken um den Kanarienvogel zu speichern.</source>
        <translation>Wanneer u hierboven alles hebt ingevuld, klikt u hier om de kanarie op te slaan.</translation>
    </message>
    <message>
        <source>Idealerweise 170x120 Pixel</source>
        <translation>Bij voorkeur 170x120 pixels</translation>
    </message>
    <message>
        <source>Bild auswählen</source>
        <translation>Foto kiezen</translation>
    </message>
    <message>
        <source>Serieneingabe anzeigen</source>
        <translation>Reeksinvoer tonen</translation>
    </message>
    <message>
        <source>Geben Sie hier die Ringnummer des Kanarienvogels an.</source>
        <translation>Voer hier het ringnummer van de kanarie in.</translation>
    </message>
    <message>
        <source>Geben Sie hier das Geschlecht des Kanarienvogels an. Sollte dieses noch nicht bekannt sein, dann wählen Sie bitte &quot;unbekannt&quot; aus.</source>
        <translation>Voer hier het geslacht van de kanarie in. Als dit nog niet bekend is, kies dan &quot;onbekend&quot;.</translation>
    </message>
    <message>
        <source>Geben Sie hier das Geburtsjahr des Kanarienvogels an. Auch wenn das Jahr bspw. in der Ringnummer enthalten ist ist diese Angabe für das Sortieren nach Geburtsjahr trotzdem wichtig.</source>
        <translation>Voer hier het geboortejaar van de kanarie in. Ook als het jaar in het ringnummer staat, is dit gegeven nodig om op geboortejaar te sorteren.</translation>
    </message>
    <message>
        <source>Wer ist der Züchter des Kanarienvogels?</source>
        <translation>Wie heeft de kanarie gekweekt?</translation>
    </message>
    <message>
        <source>Geben Sie hier die Farbe des Kanarienvogels an. Die Zeichnung (einfarbig, gepunktet, etc.) können Sie weiter unten festlegen.</source>
        <translation>Voer hier de kleur van de kanarie in. De tekening (schoon, getikt enz.) kunt u verderop invullen.</translation>
    </message>
    <message>
        <source>Geben Sie hier die Zeichnung des Kanarienvogels (z.B. einfarbig oder gescheckt) an.</source>
        <translation>Voer hier de tekening van de kanarie in (bijv. schoon of bont).</translation>
    </message>
    <message>
        <source>Geben Sie hier die Rasse / Art des Kanarienvogels (z.B. Jungvogel oder Zuchtweibchen) an.</source>
        <translation>Voer hier het ras / de soort van de kanarie in (bijv. jonge vogel of kweekpop).</translation>
    </message>
    <message>
        <source>Hier können Sie verschiedenste Dinge des Kanarienvogels eintragen. Das können erreichte Punkte, Medallien, Tod, usw. sein. Diese Infos werden auf dem Abstammungsnachweis gedruckt.</source>
        <translation>Hier kunt u allerlei dingen over de kanarie noteren: behaalde punten, medailles, overlijden enz. Dit wordt op het afstammingsbewijs afgedrukt.</translation>
    </message>
    <message>
        <source>Die Informationen die Sie hier eintragen erscheinen auf der Kanarienvögelbestandsliste.</source>
        <translation>Wat u hier invoert, verschijnt op de kanariebestandslijst.</translation>
    </message>
    <message>
        <source>Serieneingabe: </source>
        <translation>Reeksinvoer: </translation>
    </message>
    <message>
        <source>&lt;= Die ersten</source>
        <translation>&lt;= De eerste</translation>
    </message>
    <message>
        <source>Stellen nach dem Speichern belassen</source>
        <translation>tekens na het opslaan behouden</translation>
    </message>
    <message>
        <source>Serieneingabe mit fortlaufender Ringnummer: </source>
        <translation>Reeksinvoer met doorlopende ringnummers: </translation>
    </message>
    <message>
        <source>Sie haben z.B. 20 fortlaufende Ringnummern? Kein Problem! Einfach den Bereich &quot;von&quot; und &quot;bis&quot; ausfüllen und es werden die gewünschte Anzahl Kanarienvögel angelegt. </source>
        <translation>Hebt u bijvoorbeeld 20 doorlopende ringnummers? Geen probleem! Vul gewoon de reeks &quot;van&quot; en &quot;tot&quot; in, dan wordt het gewenste aantal kanaries ingevoerd. </translation>
    </message>
    <message>
        <source>Alle anderen Daten werden von den links ausgefüllten Informationen genommen.</source>
        <translation>Alle andere gegevens worden overgenomen van wat links is ingevuld.</translation>
    </message>
    <message>
        <source>z.B. 06165-12-</source>
        <translation>bijv. 06165-12-</translation>
    </message>
    <message>
        <source>z.B. 084</source>
        <translation>bijv. 084</translation>
    </message>
    <message>
        <source>z.B. 121</source>
        <translation>bijv. 121</translation>
    </message>
    <message>
        <source>Anfang der Ringnummer:</source>
        <translation>Begin van het ringnummer:</translation>
    </message>
    <message>
        <source>von:</source>
        <translation>van:</translation>
    </message>
    <message>
        <source>bis:</source>
        <translation>tot:</translation>
    </message>
    <message>
        <source>Führende Nullen bei der Ringnummer eingeben!.</source>
        <translation>Voer de voorloopnullen van het ringnummer in!.</translation>
    </message>
    <message>
        <source>Kanarienvögel anlegen</source>
        <translation>Kanaries invoeren</translation>
    </message>
    <message>
        <source>Fortschritt</source>
        <translation>Voortgang</translation>
    </message>
</context>
<context>
    <name>EntryFormReport</name>
    <message>
        <source>Ausstellungsmeldung</source>
        <translation>Tentoonstellingsinschrijving</translation>
    </message>
    <message>
        <source>Seite %1</source>
        <translation>Pagina %1</translation>
    </message>
    <message>
        <source>Ausstellung:</source>
        <translation>Tentoonstelling:</translation>
    </message>
    <message>
        <source>Ort:</source>
        <translation>Plaats:</translation>
    </message>
    <message>
        <source>Datum:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Meldeschluss:</source>
        <translation>Sluitingsdatum:</translation>
    </message>
    <message>
        <source>Veranstalter:</source>
        <translation>Organisator:</translation>
    </message>
    <message>
        <source>Aussteller</source>
        <translation>Inzender</translation>
    </message>
    <message>
        <source>Telefon: %1</source>
        <translation>Telefoon: %1</translation>
    </message>
    <message>
        <source>Züchternummer: %1</source>
        <translation>Kwekersnummer: %1</translation>
    </message>
    <message>
        <source>Vereinsnummer: %1</source>
        <translation>Verenigingsnummer: %1</translation>
    </message>
    <message>
        <source>Datum und Unterschrift des Ausstellers:</source>
        <translation>Datum en handtekening van de inzender:</translation>
    </message>
</context>
<context>
    <name>ExpectedYoungModel</name>
    <message>
        <source>Hahn</source>
        <translation>Man</translation>
    </message>
    <message>
        <source>Henne</source>
        <translation>Pop</translation>
    </message>
    <message>
        <source>Geschlecht</source>
        <translation>Geslacht</translation>
    </message>
    <message>
        <source>Anteil</source>
        <translation>Aandeel</translation>
    </message>
    <message>
        <source>Farbe</source>
        <translation>Kleur</translation>
    </message>
    <message>
        <source>sichtbar</source>
        <translation>zichtbaar</translation>
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
        <translation>De jongen die van het koppel te verwachten zijn, naar geslacht en aandeel</translation>
    </message>
    <message>
        <source>Erwartete Jungen</source>
        <translation>Verwachte jongen</translation>
    </message>
</context>
<context>
    <name>ExportTool</name>
    <message>
        <source>colours nimmt entweder --pair HAHN HENNE oder --cock ANLAGEN und --hen ANLAGEN.</source>
        <translation>colours neemt ofwel --pair MAN POP of --cock FACTOREN en --hen FACTOREN.</translation>
    </message>
    <message>
        <source>colours --pair nimmt genau zwei Ringnummern: Hahn und Henne.</source>
        <translation>colours --pair neemt precies twee ringnummers: man en pop.</translation>
    </message>
    <message>
        <source>Hahn und Henne müssen zwei verschiedene Ringnummern sein.</source>
        <translation>Man en pop moeten twee verschillende ringnummers zijn.</translation>
    </message>
    <message>
        <source>colours nimmt --cock ANLAGEN und --hen ANLAGEN, etwa --cock &quot;braun,/opal&quot; --hen &quot;achat&quot;.</source>
        <translation>colours neemt --cock FACTOREN en --hen FACTOREN, bijv. --cock &quot;braun,/opal&quot; --hen &quot;achat&quot;.</translation>
    </message>
    <message>
        <source>--phase nimmt coupling (auf einem Z-Chromosom) oder repulsion (auf je einem).</source>
        <translation>--phase neemt coupling (op één Z-chromosoom) of repulsion (op elk één).</translation>
    </message>
    <message>
        <source>--crossover nimmt einen Anteil von 0 bis 0.5, etwa 0.33.</source>
        <translation>--crossover neemt een aandeel van 0 tot 0.5, bijv. 0.33.</translation>
    </message>
    <message>
        <source>Den Ring „%1“ gibt es nicht im Bestand.</source>
        <translation>De ring “%1” staat niet in het vogelbestand.</translation>
    </message>
    <message>
        <source>colours --pair nimmt zuerst den Hahn, dann die Henne; „%1“ ist als Henne eingetragen.</source>
        <translation>colours --pair neemt eerst de man, dan de pop; “%1” is ingevoerd als pop.</translation>
    </message>
    <message>
        <source>colours --pair nimmt zuerst den Hahn, dann die Henne; „%1“ ist als Hahn eingetragen.</source>
        <translation>colours --pair neemt eerst de man, dan de pop; “%1” is ingevoerd als man.</translation>
    </message>
    <message>
        <source>Ob %1 beim Hahn auf einem Z-Chromosom liegen oder auf je einem, ist unbekannt; bitte mit --phase coupling oder --phase repulsion angeben.</source>
        <extracomment>%1 names the factors whose phase is unknown.</extracomment>
        <translation>Of %1 bij de man op één Z-chromosoom liggen of op elk één, is onbekend; geef --phase coupling of --phase repulsion op.</translation>
    </message>
    <message>
        <source>Die Zusatzdaten konnten nicht vollständig gelesen werden: %1</source>
        <translation>De aanvullende gegevens konden niet volledig worden gelezen: %1</translation>
    </message>
    <message>
        <source>--year nimmt ein Jahr von 1 bis 9999, etwa 2026.</source>
        <translation>--year neemt een jaar van 1 tot 9999, bijv. 2026.</translation>
    </message>
    <message>
        <source>Die Datei „%1“ konnte nicht geschrieben werden: %2</source>
        <translation>Het bestand “%1” kon niet worden geschreven: %2</translation>
    </message>
    <message>
        <source>Geschrieben: %1</source>
        <translation>Geschreven: %1</translation>
    </message>
    <message>
        <source>Es fehlt die Ringnummer.</source>
        <translation>Het ringnummer ontbreekt.</translation>
    </message>
    <message>
        <source>Eine Stammbaumdatei wird für genau eine Ringnummer geschrieben.</source>
        <translation>Een stamboombestand wordt voor precies één ringnummer geschreven.</translation>
    </message>
    <message>
        <source>Die Ringnummer „%1“ ist nicht im Bestand.</source>
        <translation>Het ringnummer “%1” staat niet in het vogelbestand.</translation>
    </message>
    <message>
        <source>Ein Zuchtpaar %1 gibt es nicht; es gibt %2.</source>
        <extracomment>%1 is the number asked for, %2 how many breeding pairs there are.</extracomment>
        <translation>Er is geen kweekkoppel %1; er zijn er %2.</translation>
    </message>
    <message>
        <source>Ein Stammblatt wird für genau eine Ringnummer geschrieben.</source>
        <translation>Een stamkaart wordt voor precies één ringnummer geschreven.</translation>
    </message>
    <message>
        <source>--by nimmt ring oder year, --layout one oder two.</source>
        <translation>--by neemt ring of year, --layout one of two.</translation>
    </message>
    <message>
        <source>stocklist nimmt keine weiteren Angaben.</source>
        <translation>stocklist neemt geen verdere argumenten.</translation>
    </message>
    <message>
        <source>pairsheet nimmt die Nummer eines Zuchtpaares, gezählt ab 1.</source>
        <translation>pairsheet neemt het nummer van een kweekkoppel, geteld vanaf 1.</translation>
    </message>
    <message>
        <source>%1 nimmt eine ganze Zahl ab %2.</source>
        <extracomment>%1 is an option such as --days, %2 the smallest number it takes.</extracomment>
        <translation>%1 neemt een geheel getal vanaf %2.</translation>
    </message>
    <message>
        <source>--date nimmt ein Datum wie 2026-04-05.</source>
        <translation>--date neemt een datum zoals 2026-04-05.</translation>
    </message>
    <message>
        <source>due nimmt keine weiteren Angaben als --date und --days.</source>
        <translation>due neemt geen andere argumenten dan --date en --days.</translation>
    </message>
    <message>
        <source>season nimmt genau ein Jahr von 1 bis 9999, etwa 2026.</source>
        <translation>season neemt precies één jaar van 1 tot 9999, bijv. 2026.</translation>
    </message>
    <message>
        <source>mates nimmt genau eine Ringnummer.</source>
        <translation>mates neemt precies één ringnummer.</translation>
    </message>
    <message>
        <source>Hinweis zu %1: Ein Tier ist sein eigener Vorfahr; diese Verbindung wurde übergangen.</source>
        <extracomment>%1 is a ring, or the rings of a cock and a hen.</extracomment>
        <translation>Opmerking bij %1: een vogel is zijn eigen voorouder; deze koppeling is overgeslagen.</translation>
    </message>
    <message>
        <source>Keine Auffälligkeiten gefunden.</source>
        <translation>Niets bijzonders gevonden.</translation>
    </message>
    <message>
        <source>%1 nimmt keine weiteren Angaben.</source>
        <translation>%1 neemt geen verdere argumenten.</translation>
    </message>
    <message>
        <source>csv schreibt stock, breeding oder shows.</source>
        <translation>csv schrijft stock, breeding of shows.</translation>
    </message>
    <message>
        <source>Nach --pair stehen der Ring des Hahns und der der Henne.</source>
        <translation>Na --pair volgen de ring van de man en die van de pop.</translation>
    </message>
    <message>
        <source>Die Ausgabedatei (-o) muss auf .%1 enden.</source>
        <translation>Het uitvoerbestand (-o) moet eindigen op .%1.</translation>
    </message>
    <message>
        <source>Die Ausgabedatei (-o) muss auf .%1 oder .%2 enden.</source>
        <translation>Het uitvoerbestand (-o) moet eindigen op .%1 of .%2.</translation>
    </message>
    <message>
        <source>Die Ausgabedatei (-o) muss auf .%1 oder .%2 oder .%3 enden.</source>
        <translation>Het uitvoerbestand (-o) moet eindigen op .%1, .%2 of .%3.</translation>
    </message>
    <message>
        <source>Nach %1 fehlt eine Angabe.</source>
        <translation>Na %1 ontbreekt een waarde.</translation>
    </message>
    <message>
        <source>%1 ist mehrfach angegeben.</source>
        <translation>%1 is meer dan eens opgegeven.</translation>
    </message>
    <message>
        <source>--pair nimmt keinen Wert; die zwei Ringnummern folgen dem Befehl.</source>
        <translation>--pair neemt geen waarde; de twee ringnummers volgen op de opdracht.</translation>
    </message>
    <message>
        <source>Unbekannte Angabe „%1“.</source>
        <translation>Onbekend argument “%1”.</translation>
    </message>
    <message>
        <source>Es fehlt der Befehl.</source>
        <translation>De opdracht ontbreekt.</translation>
    </message>
    <message>
        <source>Unbekannter Befehl „%1“.</source>
        <translation>Onbekende opdracht “%1”.</translation>
    </message>
    <message>
        <source>%1 nimmt die Angabe %2 nicht.</source>
        <translation>%1 neemt het argument %2 niet.</translation>
    </message>
    <message>
        <source>Den Datenordner „%1“ gibt es nicht.</source>
        <translation>De gegevensmap “%1” bestaat niet.</translation>
    </message>
    <message>
        <source>Der Datenordner „%1“ kann nicht gelesen werden: %2</source>
        <translation>De gegevensmap “%1” kan niet worden gelezen: %2</translation>
    </message>
    <message>
        <source>„%1“ ist kein Ordner.</source>
        <translation>“%1” is geen map.</translation>
    </message>
    <message>
        <source>Die Bestandsdatei „%1“ gibt es nicht.</source>
        <translation>Het bestand “%1” met het vogelbestand bestaat niet.</translation>
    </message>
    <message>
        <source>--size nimmt a6, a7 oder card.</source>
        <translation>--size neemt a6, a7 of card.</translation>
    </message>
    <message>
        <source>Nach --pair fehlen die Nummern der Zuchtpaare.</source>
        <translation>Na --pair ontbreken de nummers van de kweekkoppels.</translation>
    </message>
    <message>
        <source>cagecards --pair nimmt die Nummern von Zuchtpaaren, gezählt ab 1.</source>
        <translation>cagecards --pair neemt de nummers van kweekkoppels, geteld vanaf 1.</translation>
    </message>
    <message>
        <source>location nimmt höchstens einen Ort; Orte mit Leerzeichen in Anführungszeichen.</source>
        <translation>location neemt hoogstens één plaats; plaatsen met spaties tussen aanhalingstekens.</translation>
    </message>
    <message>
        <source>Hinweis: Der Ring %1 ist an mehr als einem Vogel.</source>
        <translation>Let op: ring %1 zit aan meer dan één vogel.</translation>
    </message>
    <message>
        <source>Es fehlt der Name der Ausstellung (in Anführungszeichen, wenn er Leerzeichen enthält).</source>
        <translation>De naam van de tentoonstelling ontbreekt (tussen aanhalingstekens als er spaties in staan).</translation>
    </message>
    <message>
        <source>Eine Ausstellung „%1“ ist nicht eingetragen.</source>
        <translation>Een tentoonstelling „%1” is niet ingevoerd.</translation>
    </message>
    <message>
        <source>--sheet nimmt 3x8 oder 3x7.</source>
        <translation>--sheet neemt 3x8 of 3x7.</translation>
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
        <translation>Gebruik:
  avelor-export [--data MAP] pedigree RING... -o BESTAND
  avelor-export [--data MAP] recordsheet RING -o BESTAND
  avelor-export [--data MAP] stocklist [--by ring|year] [--breed RAS] [--layout one|two] -o BESTAND
  avelor-export [--data MAP] pairsheet N -o BESTAND
  avelor-export [--data MAP] cagecards (--pair N... | RING...) [--size a6|a7|card] -o BESTAND
  avelor-export [--data MAP] csv stock|breeding|shows -o BESTAND
  avelor-export [--data MAP] inbreeding RING...
  avelor-export [--data MAP] inbreeding --pair MAN POP
  avelor-export [--data MAP] check
  avelor-export [--data MAP] shows [--year JAAR]
  avelor-export [--data MAP] sales [--year JAAR]
  avelor-export [--data MAP] location [PLAATS]
  avelor-export [--data MAP] rings [--year JAAR]
  avelor-export [--data MAP] entries TENTOONSTELLING -o BESTAND
  avelor-export [--data MAP] labels TENTOONSTELLING [--sheet 3x8|3x7] -o BESTAND
  avelor-export [--data MAP] due [--date JJJJ-MM-DD] [--days N]
  avelor-export [--data MAP] season JAAR
  avelor-export [--data MAP] mates RING [--breed RAS] [--limit N]
  avelor-export [--data MAP] colours --pair MAN POP [--crossover AANDEEL] [--phase coupling|repulsion]
  avelor-export colours --cock FACTOREN --hen FACTOREN [--crossover AANDEEL]
  avelor-export --version

Schrijft afstammingsbewijzen (één pagina per ring), een stamkaart, de
bestandslijst of het blad van het N-de kweekkoppel (geteld vanaf 1); cagecards de
kooikaarten van kweekkoppels of losse vogels, meerdere per A4-blad (a7 als
--size ontbreekt). BESTAND eindigt op
.pdf of .png, de bestandslijst ook op .html, pedigree voor één ring ook op .json
(het stamboombestand voor de koper); csv schrijft het vogelbestand, de
kweekgegevens of de tentoonstellingsresultaten voor een rekenblad. inbreeding
geeft per ring één regel: ring, tab, inteeltcoëfficiënt als decimale breuk;
met --pair die van de jongen van een koppel. check meldt bijzonderheden in het vogelbestand.
shows geeft per tentoonstellingsresultaat, sales per afgestane vogel één regel met
tabs; due de uit te voeren kweektaken, season de cijfers van de koppels
van een jaar, mates de mogelijke partners van een vogel, de minst verwante eerst.
location geeft per vogel in het vogelbestand een regel: ring, standplaats, sinds (JJJJ-MM-DD);
met PLAATS alleen de vogels daar.
rings geeft per ringlevering een regel: jaar,
bond, maat, eerste en laatste ring, gebruikt, vrij.
entries schrijft het inschrijfformulier van de laatst ingevoerde tentoonstelling
met die naam (als .csv de inschrijvingen met punten), labels haar kooietiketten
op A4-etikettenvellen (3x8: 70 × 37 mm, 3x7: 70 × 42,3 mm; 3x8 zonder --sheet).
colours geeft per soort jong van een koppel één regel: man of pop, aandeel,
zichtbare en verborgen factoren, kleur; FACTOREN zoals &quot;braun,/opal&quot; (&quot;/&quot;: split).
Meerdere pagina&apos;s als PNG worden BESTAND-1.png, BESTAND-2.png enz.
Zonder --data wordt de gegevensmap van het programma gelezen; daar wordt nooit iets
geschreven. Meer in de handleidingpagina: man avelor-export

Afsluitcodes: 0 klaar (check: niets gevonden), 1 een ring of kweekkoppel staat
niet in het vogelbestand (check: iets gevonden), 2 verkeerde aanroep, 3 gegevens niet
leesbaar of bestand niet schrijfbaar.
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
        <translation>Het bestand “%1” kon niet worden geschreven: %2</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde erstellt.</source>
        <translation>Het bestand %1 is aangemaakt.</translation>
    </message>
</context>
<context>
    <name>FolderCopy</name>
    <message>
        <source>Der Ordner „%1“ konnte nicht angelegt werden.</source>
        <translation>De map “%1” kon niet worden aangemaakt.</translation>
    </message>
    <message>
        <source>Der Ordner „%1“ konnte nicht ersetzt werden.</source>
        <translation>De map “%1” kon niet worden vervangen.</translation>
    </message>
    <message>
        <source>Der bisherige Ordner „%1“ konnte nicht nach „%2“ verschoben werden; er liegt noch unter „%3“.</source>
        <translation>De vorige map “%1” kon niet naar “%2” worden verplaatst; hij staat nog onder “%3”.</translation>
    </message>
</context>
<context>
    <name>GeneticsPanel</name>
    <message>
        <source>Erbanlagen</source>
        <translation>Erffactoren</translation>
    </message>
    <message>
        <source>Was die Eltern und Jungen im Bestand belegen oder wahrscheinlich machen</source>
        <translation>Wat de ouders en jongen in het vogelbestand bewijzen of waarschijnlijk maken</translation>
    </message>
    <message>
        <source>Laut Farbe „%1“ sichtbar: %2 (gilt, wo nichts eingetragen ist).</source>
        <translation>Zichtbaar volgens de kleur “%1”: %2 (geldt waar niets is ingevoerd).</translation>
    </message>
    <message>
        <source>Aus dem Stammbaum: keine verdeckten Anlagen belegt.</source>
        <translation>Uit de stamboom: geen verborgen factoren bewezen.</translation>
    </message>
    <message>
        <source>Aus dem Stammbaum:
%1</source>
        <translation>Uit de stamboom:
%1</translation>
    </message>
</context>
<context>
    <name>ImportFields</name>
    <message>
        <source>Ringnummer</source>
        <translation>Ringnummer</translation>
    </message>
    <message>
        <source>Geschlecht</source>
        <translation>Geslacht</translation>
    </message>
    <message>
        <source>Geburtsjahr</source>
        <translation>Geboortejaar</translation>
    </message>
    <message>
        <source>Züchter</source>
        <translation>Kweker</translation>
    </message>
    <message>
        <source>Farbe</source>
        <translation>Kleur</translation>
    </message>
    <message>
        <source>Zeichnung</source>
        <translation>Tekening</translation>
    </message>
    <message>
        <source>Art/Rasse</source>
        <translation>Soort/ras</translation>
    </message>
    <message>
        <source>Vater</source>
        <translation>Vader</translation>
    </message>
    <message>
        <source>Mutter</source>
        <translation>Moeder</translation>
    </message>
    <message>
        <source>Bemerkungen</source>
        <translation>Opmerkingen</translation>
    </message>
    <message>
        <source>Bemerkungen Bestandsliste</source>
        <translation>Opmerkingen bestandslijst</translation>
    </message>
    <message>
        <source>Verkauft</source>
        <translation>Verkocht</translation>
    </message>
    <message>
        <source>Verbleib</source>
        <translation>Verblijf</translation>
    </message>
    <message>
        <source>Verbleib seit</source>
        <translation>Verblijf sinds</translation>
    </message>
    <message>
        <source>Käufer</source>
        <translation>Koper</translation>
    </message>
    <message>
        <source>Anschrift des Käufers</source>
        <translation>Adres van de koper</translation>
    </message>
    <message>
        <source>Preis (€)</source>
        <translation>Prijs (€)</translation>
    </message>
    <message>
        <source>Notiz zum Verbleib</source>
        <translation>Notitie bij verblijf</translation>
    </message>
    <message>
        <source>Erbanlagen</source>
        <translation>Erffactoren</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Schau</source>
        <translation>Tentoonstelling</translation>
    </message>
    <message>
        <source>Klasse</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <source>Punkte</source>
        <translation>Punten</translation>
    </message>
    <message>
        <source>Auszeichnung/Platz</source>
        <translation>Prijs/plaats</translation>
    </message>
    <message>
        <source>Kollektion</source>
        <translation>Stam</translation>
    </message>
    <message>
        <source>nicht übernehmen</source>
        <translation>niet overnemen</translation>
    </message>
    <message>
        <source>Datum der Schau</source>
        <translation>Datum van de tentoonstelling</translation>
    </message>
</context>
<context>
    <name>ImportPreviewModel</name>
    <message>
        <source>neu</source>
        <translation>nieuw</translation>
    </message>
    <message>
        <source>ändert %1</source>
        <translation>wijzigt %1</translation>
    </message>
    <message>
        <source>unverändert</source>
        <translation>ongewijzigd</translation>
    </message>
    <message>
        <source>Fehler: %1</source>
        <translation>Fout: %1</translation>
    </message>
    <message>
        <source>anders in der Datei, behalten: %1</source>
        <translation>anders in het bestand, behouden: %1</translation>
    </message>
    <message>
        <source>Zeile</source>
        <translation>Regel</translation>
    </message>
    <message>
        <source>Ringnummer</source>
        <translation>Ringnummer</translation>
    </message>
    <message>
        <source>Ergebnis</source>
        <translation>Resultaat</translation>
    </message>
</context>
<context>
    <name>ImportStockDialog</name>
    <message>
        <source>Bestand importieren</source>
        <translation>Vogelbestand importeren</translation>
    </message>
    <message>
        <source>Noch keine Datei gewählt.</source>
        <translation>Nog geen bestand gekozen.</translation>
    </message>
    <message>
        <source>&amp;Datei wählen…</source>
        <translation>&amp;Bestand kiezen…</translation>
    </message>
    <message>
        <source>&amp;Spalten der Datei und was sie enthalten:</source>
        <translation>&amp;Kolommen van het bestand en wat ze bevatten:</translation>
    </message>
    <message>
        <source>Spalte</source>
        <translation>Kolom</translation>
    </message>
    <message>
        <source>Erste Zeile</source>
        <translation>Eerste regel</translation>
    </message>
    <message>
        <source>wird übernommen als</source>
        <translation>wordt overgenomen als</translation>
    </message>
    <message>
        <source>Spalten der Datei</source>
        <translation>Kolommen van het bestand</translation>
    </message>
    <message>
        <source>Bei Ringnummern, die schon im Bestand sind:</source>
        <translation>Bij ringnummers die al in het vogelbestand staan:</translation>
    </message>
    <message>
        <source>gefüllte Felder der Datei &amp;überschreiben das Gespeicherte</source>
        <translation>gevulde velden van het bestand &amp;overschrijven de opgeslagen waarden</translation>
    </message>
    <message>
        <source>Gespeichertes &amp;behalten, nur leere Felder füllen</source>
        <translation>opgeslagen waarden be&amp;houden, alleen lege velden vullen</translation>
    </message>
    <message>
        <source>&amp;Vorschau:</source>
        <translation>&amp;Voorbeeld:</translation>
    </message>
    <message>
        <source>Vorschau des Imports</source>
        <translation>Voorbeeld van de import</translation>
    </message>
    <message>
        <source>&amp;Importieren</source>
        <translation>&amp;Importeren</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Bestand importieren: Datei wählen</source>
        <translation>Vogelbestand importeren: bestand kiezen</translation>
    </message>
    <message>
        <source>Tabellen und Stammbaumdateien (*.csv *.txt *.json);;Alle Dateien (*)</source>
        <translation>Tabellen en stamboombestanden (*.csv *.txt *.json);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden: %2</source>
        <translation>Het bestand %1 kan niet worden gelezen: %2</translation>
    </message>
    <message>
        <source>Stammbaum von %1, abgegeben von %2 (%3 Vögel)</source>
        <translation>Stamboom van %1, afgestaan door %2 (%3 vogels)</translation>
    </message>
    <message>
        <source>Datei: %1 (%2 Zeilen)</source>
        <translation>Bestand: %1 (%2 regels)</translation>
    </message>
    <message>
        <source>Spalte %1 übernehmen als</source>
        <translation>Kolom %1 overnemen als</translation>
    </message>
    <message>
        <source>Die Datei wird geprüft …</source>
        <translation>Het bestand wordt gecontroleerd …</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Die Prüfung wurde abgebrochen; es wird nichts importiert. „Datei wählen…“ beginnt sie von vorn.</source>
        <translation>De controle is afgebroken; er wordt niets geïmporteerd. “Bestand kiezen…” begint opnieuw.</translation>
    </message>
    <message>
        <source>Keine Spalte ist als Ringnummer gewählt.</source>
        <translation>Er is geen kolom als ringnummer gekozen.</translation>
    </message>
    <message>
        <source>Solange eine Zeile fehlerhaft ist, wird nichts importiert.</source>
        <translation>Zolang een regel een fout bevat, wordt niets geïmporteerd.</translation>
    </message>
    <message>
        <source>Eltern, die weder im Bestand noch in der Datei stehen: %1</source>
        <translation>Ouders die noch in het vogelbestand noch in het bestand staan: %1</translation>
    </message>
    <message>
        <source>Der Bestand wurde importiert (%1). „Rückgängig“ nimmt den ganzen Import zurück.</source>
        <translation>Het vogelbestand is geïmporteerd (%1). “Ongedaan maken” maakt de hele import ongedaan.</translation>
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
        <translation>Gebruik:
  avelor-import [--data MAP] [--dry-run] [--keep] BESTAND...
  avelor-import --version

Leest tabellen (CSV, bijv. uit een rekenblad of uit avelor-export csv stock)
in het vogelbestand in: nieuwe ringnummers worden toegevoegd, bekende krijgen de velden die het
bestand vult; verblijf en erffactoren gaan naar de aanvullende gegevens, evenals de
tentoonstellingsresultaten uit avelor-export csv shows. De kolommen worden herkend aan hun
kopjes. Per regel met een probleem één regel &quot;Regel N: …&quot;, tot slot
de samenvatting. Heeft een regel een
fout, dan wordt niets ingelezen. Een stamboombestand (.json, van avelor-export pedigree)
brengt een gekochte vogel met zijn voorouders; wat opgeslagen is, blijft zoals het is.
  --dry-run  alleen controleren, niets schrijven
  --keep     opgeslagen waarden behouden waar het bestand andere heeft (anders overschrijven)
Zonder --data wordt de gegevensmap van het programma gebruikt; zolang het programma die
geopend heeft, wordt niets ingelezen. Meer in de handleidingpagina: man avelor-import

Afsluitcodes: 0 alles ingelezen, 1 een regel bevatte een fout (niets ingelezen),
2 verkeerde aanroep, 3 gegevens of bestand niet leesbaar of niet schrijfbaar, 4 gegevensmap
wordt op dit moment gebruikt.
</translation>
    </message>
    <message>
        <source>--data nimmt einen Ordner.</source>
        <translation>--data neemt een map.</translation>
    </message>
    <message>
        <source>Unbekannte Option %1.</source>
        <translation>Onbekende optie %1.</translation>
    </message>
    <message>
        <source>Keine Datei zum Einlesen angegeben.</source>
        <translation>Geen bestand opgegeven om in te lezen.</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden: %2</source>
        <translation>Het bestand %1 kan niet worden gelezen: %2</translation>
    </message>
    <message>
        <source>Stammbaum von %1, abgegeben von %2</source>
        <translation>Stamboom van %1, afgestaan door %2</translation>
    </message>
    <message>
        <source>Vogel %1: %2</source>
        <translation>Vogel %1: %2</translation>
    </message>
    <message>
        <source>Zeile %1: %2</source>
        <translation>Regel %1: %2</translation>
    </message>
    <message>
        <source>%1: anders in der Datei, das Gespeicherte bleibt: %2</source>
        <translation>%1: anders in het bestand, de opgeslagen waarde blijft: %2</translation>
    </message>
    <message>
        <source>Eltern, die weder im Bestand noch in der Datei stehen: %1</source>
        <translation>Ouders die noch in het vogelbestand noch in het bestand staan: %1</translation>
    </message>
</context>
<context>
    <name>ImportWords</name>
    <message>
        <source>hahn</source>
        <extracomment>The word for a cock in a spreadsheet&apos;s sex column, lower case, as the import understands it.</extracomment>
        <translation>man</translation>
    </message>
    <message>
        <source>henne</source>
        <extracomment>The word for a hen in a spreadsheet&apos;s sex column, lower case, as the import understands it.</extracomment>
        <translation>pop</translation>
    </message>
    <message>
        <source>ja</source>
        <extracomment>&quot;yes&quot; in a spreadsheet&apos;s sold column, lower case, as the import understands it.</extracomment>
        <translation>ja</translation>
    </message>
    <message>
        <source>nein</source>
        <extracomment>&quot;no&quot; in a spreadsheet&apos;s sold column, lower case, as the import understands it.</extracomment>
        <translation>nee</translation>
    </message>
</context>
<context>
    <name>LocationListReport</name>
    <message>
        <source>Vögel in der Liste: %1</source>
        <translation>Vogels in de lijst: %1</translation>
    </message>
</context>
<context>
    <name>LocationPanel</name>
    <message>
        <source>Käfig, Voliere oder Raum, in dem der Vogel sitzt; leer, wenn er keinen Platz hat</source>
        <translation>Kooi, volière of ruimte waar de vogel zit; leeg als hij geen plaats heeft</translation>
    </message>
    <message>
        <source>Seit wann der Vogel dort sitzt, im Format TT.MM.JJJJ; leer: heute</source>
        <translation>Sinds wanneer de vogel daar zit, als DD.MM.JJJJ; leeg: vandaag</translation>
    </message>
    <message>
        <source>TT.MM.JJJJ</source>
        <translation>DD.MM.JJJJ</translation>
    </message>
    <message>
        <source>Wo der Vogel bisher saß, mit dem Tag des Umsetzens</source>
        <translation>Waar de vogel eerder zat, met de dag van elke verplaatsing</translation>
    </message>
    <message>
        <source>seit</source>
        <translation>sinds</translation>
    </message>
    <message>
        <source>Standort</source>
        <translation>Standplaats</translation>
    </message>
    <message>
        <source>S&amp;tandort:</source>
        <translation>&amp;Standplaats:</translation>
    </message>
    <message>
        <source>s&amp;eit:</source>
        <translation>s&amp;inds:</translation>
    </message>
    <message>
        <source>&amp;Bisherige Standorte:</source>
        <translation>&amp;Eerdere standplaatsen:</translation>
    </message>
    <message>
        <source>(ohne Standort)</source>
        <translation>(zonder standplaats)</translation>
    </message>
    <message>
        <source>Ungültiges Datum beim Standort!</source>
        <translation>Ongeldige datum bij de standplaats!</translation>
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
        <translation>Standplaats</translation>
    </message>
    <message>
        <source>seit</source>
        <translation>sinds</translation>
    </message>
    <message>
        <source>Ringnummer</source>
        <translation>Ringnummer</translation>
    </message>
    <message>
        <source>Geschlecht</source>
        <translation>Geslacht</translation>
    </message>
    <message>
        <source>Jahr</source>
        <translation>Jaar</translation>
    </message>
    <message>
        <source>Farbe</source>
        <translation>Kleur</translation>
    </message>
    <message>
        <source>Rasse</source>
        <translation>Ras</translation>
    </message>
</context>
<context>
    <name>LocationsWindow</name>
    <message>
        <source>Standorte</source>
        <translation>Standplaatsen</translation>
    </message>
    <message>
        <source>Welche Vögel die Liste zeigt</source>
        <translation>Welke vogels de lijst toont</translation>
    </message>
    <message>
        <source>Die Vögel mit ihrem Standort; mehrere lassen sich mit Umschalt- oder Strg-Taste auswählen</source>
        <translation>De vogels met hun standplaats; kies er meerdere met Shift of Ctrl</translation>
    </message>
    <message>
        <source>Vögel und ihre Standorte</source>
        <translation>Vogels en hun standplaatsen</translation>
    </message>
    <message>
        <source>Käfig, Voliere oder Raum, in den die ausgewählten Vögel kommen; leer: aus dem Standort nehmen</source>
        <translation>Kooi, volière of ruimte waar de gekozen vogels heen gaan; leeg: uit hun standplaats halen</translation>
    </message>
    <message>
        <source>Der Tag des Umsetzens, im Format TT.MM.JJJJ</source>
        <translation>De dag van de verplaatsing, als DD.MM.JJJJ</translation>
    </message>
    <message>
        <source>TT.MM.JJJJ</source>
        <translation>DD.MM.JJJJ</translation>
    </message>
    <message>
        <source>Ausgewählte &amp;umsetzen</source>
        <translation>Gekozen &amp;verplaatsen</translation>
    </message>
    <message>
        <source>Setzt alle ausgewählten Vögel in einem Schritt um</source>
        <translation>Verplaatst alle gekozen vogels in één stap</translation>
    </message>
    <message>
        <source>&amp;Zeigen:</source>
        <translation>&amp;Tonen:</translation>
    </message>
    <message>
        <source>Umsetzen &amp;nach:</source>
        <translation>Verplaatsen &amp;naar:</translation>
    </message>
    <message>
        <source>&amp;am:</source>
        <translation>o&amp;p:</translation>
    </message>
    <message>
        <source>&amp;Drucken…</source>
        <translation>Af&amp;drukken…</translation>
    </message>
    <message>
        <source>Die gezeigte Liste in der Vorschau, zum Drucken oder Speichern als PDF</source>
        <translation>De getoonde lijst in het voorbeeld, om af te drukken of als PDF op te slaan</translation>
    </message>
    <message>
        <source>Als &amp;CSV-Datei speichern…</source>
        <translation>Opslaan als &amp;CSV-bestand…</translation>
    </message>
    <message>
        <source>Die gezeigte Liste für eine Tabellenkalkulation</source>
        <translation>De getoonde lijst voor een rekenblad</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Alle Vögel im Bestand</source>
        <translation>Alle vogels in het vogelbestand</translation>
    </message>
    <message>
        <source>Vögel ohne Standort</source>
        <translation>Vogels zonder standplaats</translation>
    </message>
    <message>
        <source>Bitte zuerst die Vögel in der Liste auswählen.</source>
        <translation>Kies eerst de vogels in de lijst.</translation>
    </message>
    <message>
        <source>Ungültiges Datum beim Umsetzen!</source>
        <translation>Ongeldige datum bij het verplaatsen!</translation>
    </message>
    <message>
        <source>Standort %1</source>
        <translation>Standplaats %1</translation>
    </message>
    <message>
        <source>die Standortliste</source>
        <translation>de lijst van standplaatsen</translation>
    </message>
    <message>
        <source>Standorte</source>
        <comment>file name of the printed list of locations</comment>
        <translation>Standplaatsen</translation>
    </message>
    <message>
        <source>Standorte speichern</source>
        <translation>Standplaatsen opslaan</translation>
    </message>
    <message>
        <source>Standorte.csv</source>
        <translation>Standplaatsen.csv</translation>
    </message>
    <message>
        <source>Vögel in der Liste: %1</source>
        <translation>Vogels in de lijst: %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Avelor Abstammungsnachweis für Kanarienvögel</source>
        <translation>Avelor Afstammingsbewijs voor kanaries</translation>
    </message>
    <message>
        <source>Alles speichern und Programm beenden</source>
        <translation>Alles opslaan en afsluiten</translation>
    </message>
    <message>
        <source>Züchterdaten</source>
        <translation>Kwekersgegevens</translation>
    </message>
    <message>
        <source>Kanarienvögel anlegen</source>
        <translation>Kanaries invoeren</translation>
    </message>
    <message>
        <source>Kanarienvögel löschen</source>
        <translation>Kanaries verwijderen</translation>
    </message>
    <message>
        <source>Kanarienvögel ändern</source>
        <translation>Kanaries wijzigen</translation>
    </message>
    <message>
        <source>Kanarienvögel suchen</source>
        <translation>Kanaries zoeken</translation>
    </message>
    <message>
        <source>Elternbeziehungen</source>
        <translation>Ouderkoppelingen</translation>
    </message>
    <message>
        <source>Kanarienvögelbestandsliste anzeigen</source>
        <translation>Kanariebestandslijst tonen</translation>
    </message>
    <message>
        <source>Kanarienvögelbestandsliste drucken</source>
        <translation>Kanariebestandslijst afdrukken</translation>
    </message>
    <message>
        <source>Kinder, Enkel &amp;&amp; Urenkel</source>
        <translation>Kinderen, kleinkinderen &amp;&amp; achterkleinkinderen</translation>
    </message>
    <message>
        <source>Nachwuchsverwaltung</source>
        <translation>Kweek en jongen</translation>
    </message>
    <message>
        <source>Frage</source>
        <translation>Vraag</translation>
    </message>
    <message>
        <source>Wollen sie das Programm beenden?</source>
        <translation>Wilt u het programma afsluiten?</translation>
    </message>
</context>
<context>
    <name>MatePlanner</name>
    <message>
        <source>Die Ringnummer „%1“ ist nicht im Bestand.</source>
        <translation>Het ringnummer “%1” staat niet in het vogelbestand.</translation>
    </message>
    <message>
        <source>Das Geschlecht des Kanarienvogels „%1“ ist unbekannt; ohne es lassen sich keine Partner suchen.</source>
        <translation>Het geslacht van de kanarie “%1” is onbekend; zonder geslacht kunnen geen partners worden gezocht.</translation>
    </message>
</context>
<context>
    <name>MatePlannerWindow</name>
    <message>
        <source>Partnersuche</source>
        <translation>Partner zoeken</translation>
    </message>
    <message>
        <source>Der Hahn oder die Henne, für die ein Partner gesucht wird</source>
        <translation>De man of pop waarvoor een partner wordt gezocht</translation>
    </message>
    <message>
        <source>Nur Rasse:</source>
        <translation>Alleen ras:</translation>
    </message>
    <message>
        <source>Die am wenigsten verwandten Partner stehen oben; eng verwandte sind rot</source>
        <translation>De minst verwante partners staan bovenaan; nauw verwante zijn rood</translation>
    </message>
    <message>
        <source>Mögliche Partner</source>
        <translation>Mogelijke partners</translation>
    </message>
    <message>
        <source>Als &amp;Zuchtpaar anlegen…</source>
        <translation>Als &amp;kweekkoppel invoeren…</translation>
    </message>
    <message>
        <source>Öffnet die Nachwuchsverwaltung mit beiden Vögeln als neues Zuchtpaar</source>
        <translation>Opent Kweek en jongen met beide vogels als nieuw kweekkoppel</translation>
    </message>
    <message>
        <source>Kanarienvogel:</source>
        <translation>Kanarie:</translation>
    </message>
    <message>
        <source>Bitte den Kanarienvogel wählen.</source>
        <translation>Kies de kanarie.</translation>
    </message>
    <message>
        <source>%1 mögliche Partner, die am wenigsten verwandten zuerst.</source>
        <translation>%1 mogelijke partners, de minst verwante eerst.</translation>
    </message>
    <message>
        <source>Bitte zuerst einen Partner in der Liste anklicken.</source>
        <translation>Klik eerst op een partner in de lijst.</translation>
    </message>
</context>
<context>
    <name>MateTableModel</name>
    <message>
        <source>Eng verwandt: Die Jungen hätten einen Inzuchtkoeffizienten von %1.</source>
        <translation>Nauw verwant: de jongen zouden een inteeltcoëfficiënt van %1 hebben.</translation>
    </message>
    <message>
        <source>eng verwandt</source>
        <translation>nauw verwant</translation>
    </message>
    <message>
        <source>Ringnummer</source>
        <translation>Ringnummer</translation>
    </message>
    <message>
        <source>Inzucht der Jungen</source>
        <translation>Inteelt van de jongen</translation>
    </message>
    <message>
        <source>Verwandtschaft</source>
        <translation>Verwantschap</translation>
    </message>
    <message>
        <source>Farben der Jungen</source>
        <translation>Kleuren van de jongen</translation>
    </message>
</context>
<context>
    <name>MoreWindowsButton</name>
    <message>
        <source>Saison und Auswertungen</source>
        <translation>Seizoen en overzichten</translation>
    </message>
    <message>
        <source>&amp;Zuchtkalender…</source>
        <translation>&amp;Kweekkalender…</translation>
    </message>
    <message>
        <source>Zucht&amp;statistik…</source>
        <translation>Kweek&amp;statistiek…</translation>
    </message>
    <message>
        <source>&amp;Partnersuche…</source>
        <translation>&amp;Partner zoeken…</translation>
    </message>
    <message>
        <source>&amp;Farbvererbung…</source>
        <translation>Kleur&amp;vererving…</translation>
    </message>
    <message>
        <source>&amp;Ausstellungsergebnisse…</source>
        <translation>&amp;Tentoonstellingsresultaten…</translation>
    </message>
    <message>
        <source>S&amp;tandorte…</source>
        <translation>St&amp;andplaatsen…</translation>
    </message>
    <message>
        <source>&amp;Ringbestand…</source>
        <translation>&amp;Ringvoorraad…</translation>
    </message>
    <message>
        <source>Ausstellungs&amp;meldung…</source>
        <translation>Tentoonstellings&amp;inschrijving…</translation>
    </message>
</context>
<context>
    <name>PairGroup</name>
    <message>
        <source>Zuchtpaar zum Drucken auswählen: </source>
        <translation>Kweekkoppel kiezen om af te drukken: </translation>
    </message>
    <message>
        <source>Zuchtpaar</source>
        <translation>Kweekkoppel</translation>
    </message>
    <message>
        <source>Zuchtpaar drucken</source>
        <translation>Kweekkoppel afdrukken</translation>
    </message>
    <message>
        <source>Bitte Zuchtpaar auswählen, dass Sie drucken möchten.</source>
        <translation>Kies het kweekkoppel dat u wilt afdrukken.</translation>
    </message>
    <message>
        <source>das Zuchtpaar</source>
        <translation>het kweekkoppel</translation>
    </message>
    <message>
        <source>Zuchtpaar</source>
        <comment>file name of the printed pair</comment>
        <translation>Kweekkoppel</translation>
    </message>
    <message>
        <source>Käfigkarten…</source>
        <translation>Kooikaarten…</translation>
    </message>
    <message>
        <source>Karten für die Zuchtkäfige oder einzelne Vögel, mit QR-Code der Ringnummern</source>
        <translation>Kaarten voor de kweekkooien of losse vogels, met een QR-code van de ringnummers</translation>
    </message>
</context>
<context>
    <name>PairSheet</name>
    <message>
        <source>unbekannt</source>
        <translation>onbekend</translation>
    </message>
    <message>
        <source>männlich </source>
        <translation>man      </translation>
    </message>
    <message>
        <source>weiblich </source>
        <translation>pop      </translation>
    </message>
    <message>
        <source>Gelege %1:      Erstes Ei          letztes Ei          Anzahl Eier          Gelege gesetzt
<byte value="xd"/></source>
        <translation>Legsel %1:      Eerste ei          Laatste ei          Aantal eieren        Legsel ondergelegd
</translation>
    </message>
    <message>
        <source>aus Gelege %1: Ringnummer             Geschlecht    Rasse/Art                           abgesetzt
<byte value="xd"/></source>
        <translation>uit legsel %1: Ringnummer             Geslacht      Ras/soort                           gespeend
</translation>
    </message>
    <message>
        <source>nicht beringt</source>
        <translation>niet geringd</translation>
    </message>
    <message>
        <source>für Zuchtpaar %1 und %2</source>
        <translation>voor kweekkoppel %1 en %2</translation>
    </message>
</context>
<context>
    <name>PairSheetReport</name>
    <message>
        <source>Ringnummer:</source>
        <translation>Ringnummer:</translation>
    </message>
    <message>
        <source>Art/Rasse:</source>
        <translation>Soort/ras:</translation>
    </message>
    <message>
        <source>Farbe::</source>
        <translation>Kleur:</translation>
    </message>
    <message>
        <source>Zuchtpaarauszug aus Zuchtdatei</source>
        <translation>Kweekkoppelblad</translation>
    </message>
    <message>
        <source>Details zu Vogel (m) 1.0:</source>
        <translation>Gegevens vogel (m) 1.0:</translation>
    </message>
    <message>
        <source>Details zu Vogel (w) 0.1:</source>
        <translation>Gegevens vogel (v) 0.1:</translation>
    </message>
    <message>
        <source>Gelege:</source>
        <translation>Legsel:</translation>
    </message>
    <message>
        <source>Beringungen:</source>
        <translation>Ringen:</translation>
    </message>
    <message>
        <source>Erstellt mit Avelor Abstammungsnachweis</source>
        <translation>Gemaakt met Avelor Afstammingsbewijs</translation>
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
        <translation>VERK. KANARIE</translation>
    </message>
    <message>
        <source>keine</source>
        <comment>no mother</comment>
        <translation>geen</translation>
    </message>
    <message>
        <source>keiner</source>
        <comment>no father</comment>
        <translation>geen</translation>
    </message>
    <message>
        <source>Gespeichert ist die Mutter %1 und der Vater %2, in der Auswahl aber nicht aufgeführt (verkauft, gelöscht oder ausgefiltert). Beim Speichern wird diese Verbindung entfernt.

Trotzdem speichern?</source>
        <extracomment>%1 is the mother&apos;s ring, %2 the father&apos;s</extracomment>
        <translation>Opgeslagen zijn de moeder %1 en de vader %2, maar ze staan niet in de selectie (verkocht, verwijderd of weggefilterd). Bij het opslaan worden deze koppelingen verwijderd.

Toch opslaan?</translation>
    </message>
    <message>
        <source>Gespeichert ist die Mutter %1, in der Auswahl aber nicht aufgeführt (verkauft, gelöscht oder ausgefiltert). Beim Speichern wird diese Verbindung entfernt.

Trotzdem speichern?</source>
        <translation>Opgeslagen is de moeder %1, maar ze staat niet in de selectie (verkocht, verwijderd of weggefilterd). Bij het opslaan wordt deze koppeling verwijderd.

Toch opslaan?</translation>
    </message>
    <message>
        <source>Gespeichert ist der Vater %1, in der Auswahl aber nicht aufgeführt (verkauft, gelöscht oder ausgefiltert). Beim Speichern wird diese Verbindung entfernt.

Trotzdem speichern?</source>
        <translation>Opgeslagen is de vader %1, maar hij staat niet in de selectie (verkocht, verwijderd of weggefilterd). Bij het opslaan wordt deze koppeling verwijderd.

Toch opslaan?</translation>
    </message>
</context>
<context>
    <name>ParentLinksDialog</name>
    <message>
        <source>Sobald sie alle Kanarienvögel eingegeben haben, müssen Sie hier die Elternbeziehungen festlegen, damit das Programm weiß, wie sich die Familienverhältnisse verhalten um einen Abstammungsnachweis erstellen zu können.

Wählen Sie links in der Liste aller Kanarienvögel das Kind aus und legen Sie anschließend Vater und Mutter dazu fest. Klicken Sie dann auf &quot;Speichern&quot;.

Wählen Sie dann den Vater und die Mutter nacheinander in der linken Liste aus und wählen Sie deren Eltern. Das Programm kennt dann die Eltern des Jungvogels, sowie die Eltern der Eltern (die Großeltern des Jungvogels).

Auf diese Weise können Sie bis zu 4 Generationen verknüpfen, indem Sie immer nur die Eltern des Jungvogels, des Vaters und der Mutter, der Großmütter und der Großväter, usw. angeben.</source>
        <translation>Zodra u alle kanaries hebt ingevoerd, legt u hier de ouderkoppelingen vast, zodat het programma weet hoe de familieverhoudingen liggen en een afstammingsbewijs kan maken.

Kies links in de lijst van alle kanaries het jong en leg daarna de vader en moeder ervan vast. Klik dan op &quot;Opslaan&quot;.

Kies daarna de vader en de moeder na elkaar in de linkerlijst en kies hun ouders. Het programma kent dan de ouders van het jong en de ouders van de ouders (de grootouders van het jong).

Zo kunt u tot 4 generaties koppelen door steeds alleen de ouders op te geven van het jong, van de vader en de moeder, van de grootmoeders en de grootvaders, enzovoort.</translation>
    </message>
    <message>
        <source>Elternbeziehungen</source>
        <translation>Ouderkoppelingen</translation>
    </message>
    <message>
        <source>Liste aller Kanarienvögel:</source>
        <translation>Lijst van alle kanaries:</translation>
    </message>
    <message>
        <source>zur Zeit gespeicherte Mutter:</source>
        <translation>nu opgeslagen moeder:</translation>
    </message>
    <message>
        <source>zur Zeit gespeicherter Vater:</source>
        <translation>nu opgeslagen vader:</translation>
    </message>
    <message>
        <source>Verkaufte Kanarienvögel in allen 3 Listen ausblenden</source>
        <translation>Verkochte kanaries in alle 3 lijsten verbergen</translation>
    </message>
    <message>
        <source>Gelöschte Kanarienvögel in den Eltern-Teil-Auswahlliste anzeigen</source>
        <translation>Verwijderde kanaries in de keuzelijsten voor de ouders tonen</translation>
    </message>
    <message>
        <source>Filter auch für Elterntiereauswahl anwenden</source>
        <translation>Filter ook toepassen op de keuze van de ouders</translation>
    </message>
    <message>
        <source>Eltern dieses Vogels ändern:</source>
        <translation>Ouders van deze vogel wijzigen:</translation>
    </message>
    <message>
        <source>=&gt; keine Mutter</source>
        <translation>=&gt; geen moeder</translation>
    </message>
    <message>
        <source>=&gt; kein Vater</source>
        <translation>=&gt; geen vader</translation>
    </message>
    <message>
        <source>neue Mutter:</source>
        <translation>nieuwe moeder:</translation>
    </message>
    <message>
        <source>neuer Vater:</source>
        <translation>nieuwe vader:</translation>
    </message>
    <message>
        <source>Neue Eltern des Vogels speichern</source>
        <translation>Nieuwe ouders van de vogel opslaan</translation>
    </message>
    <message>
        <source>Wählen Sie nun Mutter und Vater d. ausgew. Kanarienvogel aus und klicken Sie auf &quot;Speichern&quot;.</source>
        <translation>Kies nu de moeder en vader van de gekozen kanarie en klik op &quot;Opslaan&quot;.</translation>
    </message>
    <message>
        <source>Bitte das Jungtier auswählen.</source>
        <translation>Kies het jong.</translation>
    </message>
    <message>
        <source>Frage</source>
        <translation>Vraag</translation>
    </message>
    <message>
        <source>Die Eltern wurden erfolgreich gespeichert.</source>
        <translation>De ouders zijn opgeslagen.</translation>
    </message>
</context>
<context>
    <name>PedigreeGroup</name>
    <message>
        <source>Abstammungsnachweis:</source>
        <translation>Afstammingsbewijs:</translation>
    </message>
    <message>
        <source>Für Kanarienvogel mit Ring-Nr.:</source>
        <translation>Voor de kanarie met ringnr.:</translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Anzeigen</source>
        <translation>Tonen</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>Nur Stammblatt drucken</source>
        <translation>Alleen stamkaart afdrukken</translation>
    </message>
    <message>
        <source>Stammbaum als Datei speichern…</source>
        <translation>Stamboom als bestand opslaan…</translation>
    </message>
    <message>
        <source>Freier Text:</source>
        <translation>Vrije tekst:</translation>
    </message>
    <message>
        <source>Käuferdaten:</source>
        <translation>Gegevens van de koper:</translation>
    </message>
</context>
<context>
    <name>PedigreeImport</name>
    <message>
        <source>Das ist keine Stammbaumdatei von Avelor.</source>
        <translation>Dit is geen stamboombestand van Avelor.</translation>
    </message>
    <message>
        <source>Diese Stammbaumdatei hat die Formatversion %1; dieses Programm kennt bis %2. Bitte Avelor aktualisieren, um sie einzulesen.</source>
        <translation>Dit stamboombestand heeft indelingsversie %1; dit programma kent versies tot en met %2. Werk Avelor bij om het in te lezen.</translation>
    </message>
    <message>
        <source>erhalten von %1</source>
        <translation>ontvangen van %1</translation>
    </message>
    <message>
        <source>Die Stammbaumdatei enthält keinen Vogel.</source>
        <translation>Het stamboombestand bevat geen vogel.</translation>
    </message>
</context>
<context>
    <name>PedigreeReading</name>
    <message>
        <source>unter 1 %</source>
        <translation>onder 1 %</translation>
    </message>
    <message>
        <source>sicher spalterbig für %1: %2</source>
        <translation>zeker split voor %1: %2</translation>
    </message>
    <message>
        <source>spalterbig für %1: %2, %3</source>
        <translation>split voor %1: %2, %3</translation>
    </message>
    <message>
        <source>spalterbig</source>
        <translation>split</translation>
    </message>
    <message>
        <source>zu %1 spalterbig</source>
        <translation>met %1 kans split</translation>
    </message>
    <message>
        <source>Vater und Mutter %1</source>
        <translation>vader en moeder %1</translation>
    </message>
    <message>
        <source>Vater %1</source>
        <translation>vader %1</translation>
    </message>
    <message>
        <source>Mutter %1</source>
        <translation>moeder %1</translation>
    </message>
    <message>
        <source>Junges %1 %2</source>
        <translation>jong %1 %2</translation>
    </message>
    <message>
        <source>Vater %1, Mutter %2</source>
        <translation>vader %1, moeder %2</translation>
    </message>
</context>
<context>
    <name>PedigreeReport</name>
    <message>
        <source>Abstammungsnachweis</source>
        <translation>Afstammingsbewijs</translation>
    </message>
    <message>
        <source>Erstellt mit Avelor Abstammungsnachweis - Internet: %1</source>
        <translation>Gemaakt met Avelor Afstammingsbewijs - Internet: %1</translation>
    </message>
    <message>
        <source>Verkauft an:</source>
        <translation>Verkocht aan:</translation>
    </message>
    <message>
        <source>Farbe: </source>
        <translation>Kleur: </translation>
    </message>
    <message>
        <source>Züchter: </source>
        <translation>Kweker: </translation>
    </message>
    <message>
        <source>Art: </source>
        <translation>Ras: </translation>
    </message>
    <message>
        <source>Jahrgang: </source>
        <translation>Jaar: </translation>
    </message>
    <message>
        <source>für %1</source>
        <translation>voor %1</translation>
    </message>
    <message>
        <source>Tel.: </source>
        <translation>Tel.: </translation>
    </message>
    <message>
        <source>Inzuchtkoeffizient: %1 (Schleife in den Elternbeziehungen übergangen)</source>
        <translation>Inteeltcoëfficiënt: %1 (lus in de ouderkoppelingen overgeslagen)</translation>
    </message>
    <message>
        <source>Inzuchtkoeffizient: %1</source>
        <translation>Inteeltcoëfficiënt: %1</translation>
    </message>
</context>
<context>
    <name>PictureBox</name>
    <message>
        <source>Bild</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Bild kann nicht angezeigt werden</source>
        <translation>De foto kan niet worden weergegeven</translation>
    </message>
</context>
<context>
    <name>PictureDecoder</name>
    <message>
        <source>Das Bild „%1“ kann nicht angezeigt werden: %2</source>
        <translation>De foto “%1” kan niet worden weergegeven: %2</translation>
    </message>
    <message>
        <source>Die JPEG-Daten sind fehlerhaft (%1).</source>
        <translation>De JPEG-gegevens zijn onjuist (%1).</translation>
    </message>
    <message>
        <source>Das Dateiformat ist unbekannt oder die Datei ist beschädigt.</source>
        <translation>De bestandsindeling is onbekend of het bestand is beschadigd.</translation>
    </message>
    <message>
        <source>Die Datei kann nicht gelesen werden.</source>
        <translation>Het bestand kan niet worden gelezen.</translation>
    </message>
</context>
<context>
    <name>PictureStore</name>
    <message>
        <source>Der Bilderordner „%1“ konnte nicht angelegt werden.</source>
        <translation>De fotomap “%1” kon niet worden aangemaakt.</translation>
    </message>
    <message>
        <source>Das Bild für %1 konnte nicht gespeichert werden: %2</source>
        <translation>De foto voor %1 kon niet worden opgeslagen: %2</translation>
    </message>
    <message>
        <source>Das Bild von %1 wurde nicht umbenannt, weil es unter %2 schon ein Bild gibt. Bitte prüfen Sie beide Bilder im Ordner „%3“.</source>
        <translation>De foto van %1 is niet hernoemd, omdat er onder %2 al een foto is. Controleer beide foto&apos;s in de map “%3”.</translation>
    </message>
    <message>
        <source>Das Bild von %1 konnte nicht nach %2 umbenannt werden: %3</source>
        <translation>De foto van %1 kon niet worden hernoemd naar %2: %3</translation>
    </message>
    <message>
        <source>Das Bild von %1 konnte nicht gelöscht werden: %2</source>
        <translation>De foto van %1 kon niet worden verwijderd: %2</translation>
    </message>
</context>
<context>
    <name>PreferencesStore</name>
    <message>
        <source>Einstellungen des Abstammungsnachweises geändert</source>
        <translation>Instellingen van het afstammingsbewijs gewijzigd</translation>
    </message>
    <message>
        <source>Tage des Zuchtkalenders geändert</source>
        <translation>Dagen van de kweekkalender gewijzigd</translation>
    </message>
    <message>
        <source>Sprache geändert</source>
        <translation>Taal gewijzigd</translation>
    </message>
</context>
<context>
    <name>PrintSettingsDialog</name>
    <message>
        <source>Einstellungen für den Druck</source>
        <translation>Afdrukinstellingen</translation>
    </message>
    <message>
        <source>Nachwuchsverwaltung anzeigen</source>
        <translation>Kweek en jongen tonen</translation>
    </message>
    <message>
        <source>Druck des Abstammungsnachweises:</source>
        <translation>Afdrukken van het afstammingsbewijs:</translation>
    </message>
    <message>
        <source>Jahrgang auf Abstammungs-Nachweis drucken</source>
        <translation>Jaar op het afstammingsbewijs afdrukken</translation>
    </message>
    <message>
        <source>Prefixe anzeigen (&quot;Züchter:&quot;, &quot;Farbe:&quot;, ...)</source>
        <translation>Voorvoegsels tonen (&quot;Kweker:&quot;, &quot;Kleur:&quot;, ...)</translation>
    </message>
    <message>
        <source>&quot;Verkauft an:&quot; + eingegebenen Text anzeigen</source>
        <translation>&quot;Verkocht aan:&quot; + ingevoerde tekst tonen</translation>
    </message>
    <message>
        <source>Bild des Vogels anzeigen (sofern vorhanden)</source>
        <translation>Foto van de vogel tonen (indien aanwezig)</translation>
    </message>
    <message>
        <source>Freien Text anzeigen (ohne &quot;Verkauft an:&quot;)</source>
        <translation>Vrije tekst tonen (zonder &quot;Verkocht aan:&quot;)</translation>
    </message>
    <message>
        <source>Rasse bei UGE und Züchter bei UUGE</source>
        <translation>Ras bij OGO en kweker bij BOGO</translation>
    </message>
    <message>
        <source>Bemerkungen bei UGE und UUGE</source>
        <translation>Opmerkingen bij OGO en BOGO</translation>
    </message>
    <message>
        <source>Schriftgröße:</source>
        <translation>Tekengrootte:</translation>
    </message>
    <message>
        <source>Oben rechts anzeigen:</source>
        <translation>Rechtsboven tonen:</translation>
    </message>
    <message>
        <source>Bei den Urgroßeltern (UGE) und Ururgroßeltern (UUGE)
anzeigen:</source>
        <translation>Bij de overgrootouders (OGO) en betovergrootouders (BOGO)
tonen:</translation>
    </message>
    <message>
        <source>Zweizeilig (mehr Informationen)</source>
        <translation>Twee regels (meer informatie)</translation>
    </message>
    <message>
        <source>Einzeilig (übersichtlicher, da kompakter)</source>
        <translation>Eén regel (overzichtelijker, want compacter)</translation>
    </message>
    <message>
        <source>Layout Kanarienvögelbestandsliste:</source>
        <translation>Indeling kanariebestandslijst:</translation>
    </message>
    <message>
        <source>Farbe für den Kopf:</source>
        <translation>Kleur voor de kop:</translation>
    </message>
    <message>
        <source>Farbe für männlich:</source>
        <translation>Kleur voor mannelijk:</translation>
    </message>
    <message>
        <source>Farbe für weiblich:</source>
        <translation>Kleur voor vrouwelijk:</translation>
    </message>
    <message>
        <source>Zusätzlich auf dem Abstammungsnachweis:</source>
        <translation>Ook op het afstammingsbewijs:</translation>
    </message>
    <message>
        <source>Inzuchtkoeffizient auf dem Abstammungsnachweis</source>
        <translation>Inteeltcoëfficiënt op het afstammingsbewijs</translation>
    </message>
    <message>
        <source>Mehrfach vorkommende Ahnen markieren</source>
        <translation>Voorouders die meer dan eens voorkomen markeren</translation>
    </message>
    <message>
        <source>Bestes Ausstellungsergebnis auf dem Stammblatt</source>
        <translation>Beste tentoonstellingsresultaat op de stamkaart</translation>
    </message>
    <message>
        <source>Sprache</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>wie das System (%1)</source>
        <translation>zoals het systeem (%1)</translation>
    </message>
    <message>
        <source>Die Sprache der Fenster gilt ab dem nächsten Start.</source>
        <translation>De taal van de vensters geldt vanaf de volgende start.</translation>
    </message>
    <message>
        <source>Sprache des Programms (ab dem nächsten Start):</source>
        <translation>Taal van het programma (vanaf de volgende start):</translation>
    </message>
    <message>
        <source>wie das Programm</source>
        <translation>zoals het programma</translation>
    </message>
    <message>
        <source>Sprache der Ausdrucke:</source>
        <translation>Taal van de afdrukken:</translation>
    </message>
    <message>
        <source>Abstammungsnachweis, Stammblatt, Bestandsliste und Zuchtpaarblatt in dieser Sprache, etwa für einen Käufer im Ausland.</source>
        <translation>Afstammingsbewijs, stamkaart, bestandslijst en kweekkoppelblad in deze taal, bijvoorbeeld voor een koper in het buitenland.</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>Bild %1 von %2</source>
        <translation>Foto %1 van %2</translation>
    </message>
    <message>
        <source>Seite %1 von %2</source>
        <translation>Pagina %1 van %2</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Bitte warten</source>
        <translation>Even geduld</translation>
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
        <translation>Foto kiezen</translation>
    </message>
    <message>
        <source>Farbe auswählen</source>
        <translation>Kleur kiezen</translation>
    </message>
    <message>
        <source>JPEG-Bilder (*.jpg *.jpeg *.JPG *.JPEG);;Bitmaps (*.bmp *.BMP)</source>
        <translation>JPEG-afbeeldingen (*.jpg *.jpeg *.JPG *.JPEG);;Bitmaps (*.bmp *.BMP)</translation>
    </message>
</context>
<context>
    <name>RecordSheetReport</name>
    <message>
        <source>Farbe:</source>
        <translation>Kleur:</translation>
    </message>
    <message>
        <source>Züchter:</source>
        <translation>Kweker:</translation>
    </message>
    <message>
        <source>Geschlecht:</source>
        <translation>Geslacht:</translation>
    </message>
    <message>
        <source>Art / Rasse:</source>
        <translation>Soort / ras:</translation>
    </message>
    <message>
        <source>Geburtsjahr:</source>
        <translation>Geboortejaar:</translation>
    </message>
    <message>
        <source>Bemerkung Kanarienvögelbestandsliste:</source>
        <translation>Opmerking kanariebestandslijst:</translation>
    </message>
    <message>
        <source>Sonstige Bemerkungen</source>
        <translation>Overige opmerkingen</translation>
    </message>
    <message>
        <source>Erstellt mit Avelor Abstammungsnachweis</source>
        <translation>Gemaakt met Avelor Afstammingsbewijs</translation>
    </message>
    <message>
        <source>Internet: %1</source>
        <translation>Internet: %1</translation>
    </message>
    <message>
        <source>unbekannt</source>
        <comment>sex</comment>
        <translation>onbekend</translation>
    </message>
    <message>
        <source>Bestes Ausstellungsergebnis: %1 Punkte, %2, %3</source>
        <extracomment>%1 points, %2 show, %3 date</extracomment>
        <translation>Beste tentoonstellingsresultaat: %1 punten, %2, %3</translation>
    </message>
    <message>
        <source>Stammblatt z. Kanarienvogel</source>
        <translation>Stamkaart van de kanarie</translation>
    </message>
</context>
<context>
    <name>RecordsCheck</name>
    <message>
        <source>die Datei ist keine SQLite-Datenbank</source>
        <translation>het bestand is geen SQLite-database</translation>
    </message>
    <message>
        <source>sie stammt von einer neueren Avelor-Version (Version %1)</source>
        <translation>het komt van een nieuwere versie van Avelor (versie %1)</translation>
    </message>
    <message>
        <source>sie gibt eine Version an, die es nicht gibt (%1)</source>
        <translation>het noemt een versie die niet bestaat (%1)</translation>
    </message>
    <message>
        <source>die Prüfung der Datenbank meldet: %1</source>
        <translation>de controle van de database meldt: %1</translation>
    </message>
</context>
<context>
    <name>RecordsCopies</name>
    <message>
        <source>Die Kopie der Zusatzdaten %1</source>
        <translation>De kopie van de aanvullende gegevens %1</translation>
    </message>
    <message>
        <source>%1 konnte nicht angelegt werden: %2</source>
        <translation>%1 kon niet worden aangemaakt: %2</translation>
    </message>
    <message>
        <source>die Datei ließ sich nicht schließen</source>
        <translation>het bestand kon niet worden gesloten</translation>
    </message>
    <message>
        <source>%1 konnte nicht geschrieben werden: %2</source>
        <translation>%1 kon niet worden geschreven: %2</translation>
    </message>
    <message>
        <source>Die Zusatzdaten in %1 können nicht gelesen werden (%2).</source>
        <translation>De aanvullende gegevens in %1 kunnen niet worden gelezen (%2).</translation>
    </message>
    <message>
        <source>Das Zurückholen der Zusatzdaten</source>
        <translation>Het terugzetten van de aanvullende gegevens</translation>
    </message>
    <message>
        <source>Aktualisierung fehlgeschlagen: %1</source>
        <translation>Bijwerken mislukt: %1</translation>
    </message>
    <message>
        <source>%1 ist fehlgeschlagen: %2</source>
        <translation>%1 is mislukt: %2</translation>
    </message>
</context>
<context>
    <name>RecordsDatabase</name>
    <message>
        <source>Die Zusatzdaten sind in diesem Programmlauf nicht verfügbar; %1 wurde nicht gespeichert.</source>
        <translation>De aanvullende gegevens zijn tijdens deze programmasessie niet beschikbaar; %1 is niet opgeslagen.</translation>
    </message>
    <message>
        <source>%1 konnte nicht gespeichert werden: %2</source>
        <translation>%1 kon niet worden opgeslagen: %2</translation>
    </message>
    <message>
        <source>Der Verbleib von %1</source>
        <translation>Het verblijf van %1</translation>
    </message>
    <message>
        <source>Das Ausstellungsergebnis von %1</source>
        <translation>Het tentoonstellingsresultaat van %1</translation>
    </message>
    <message>
        <source>Das Löschen des Ausstellungsergebnisses</source>
        <translation>Het verwijderen van het tentoonstellingsresultaat</translation>
    </message>
    <message>
        <source>Die Zusatzdaten von %1</source>
        <translation>De aanvullende gegevens van %1</translation>
    </message>
    <message>
        <source>Die Zusatzdaten</source>
        <translation>De aanvullende gegevens</translation>
    </message>
    <message>
        <source>Das Löschen der Zusatzdaten von %1</source>
        <translation>Het verwijderen van de aanvullende gegevens van %1</translation>
    </message>
    <message>
        <source>Das Zurücksetzen der Zusatzdaten</source>
        <translation>Het opnieuw instellen van de aanvullende gegevens</translation>
    </message>
    <message>
        <source>Das Löschen der Zusatzdaten</source>
        <translation>Het verwijderen van de aanvullende gegevens</translation>
    </message>
    <message>
        <source>Die Ringlieferung %1 bis %2</source>
        <translation>De ringlevering %1 tot %2</translation>
    </message>
    <message>
        <source>Das Löschen der Ringlieferung</source>
        <translation>Het verwijderen van de ringlevering</translation>
    </message>
    <message>
        <source>Das Zurücksetzen der Ringlieferungen</source>
        <translation>Het terugzetten van de ringleveringen</translation>
    </message>
    <message>
        <source>Die Ausstellung %1</source>
        <translation>De tentoonstelling %1</translation>
    </message>
    <message>
        <source>Das Löschen der Ausstellung</source>
        <translation>Het verwijderen van de tentoonstelling</translation>
    </message>
    <message>
        <source>Die Meldung</source>
        <translation>De inschrijving</translation>
    </message>
    <message>
        <source>Die Meldung von %1</source>
        <translation>De inschrijving van %1</translation>
    </message>
    <message>
        <source>Das Löschen der Meldung</source>
        <translation>Het verwijderen van de inschrijving</translation>
    </message>
    <message>
        <source>Die Übernahme der Ergebnisse</source>
        <translation>Het overnemen van de resultaten</translation>
    </message>
    <message>
        <source>Das Zurücksetzen der Ausstellungen</source>
        <translation>Het terugzetten van de tentoonstellingen</translation>
    </message>
</context>
<context>
    <name>RecordsOpening</name>
    <message>
        <source>Die Zusatzdaten (Verbleib, Ausstellungsergebnisse, Erbanlagen) in %1</source>
        <translation>De aanvullende gegevens (verblijf, tentoonstellingsresultaten, erffactoren) in %1</translation>
    </message>
    <message>
        <source> Die Datei bleibt unverändert; die Zusatzdaten sind in diesem Programmlauf nicht verfügbar.</source>
        <translation> Het bestand blijft ongewijzigd; de aanvullende gegevens zijn tijdens deze programmasessie niet beschikbaar.</translation>
    </message>
    <message>
        <source> Die Datei bleibt unverändert.</source>
        <translation> Het bestand blijft ongewijzigd.</translation>
    </message>
    <message>
        <source>%1 werden gerade von einem anderen Programm benutzt (%2).%3 Bitte beenden Sie das andere Programm und versuchen Sie es danach noch einmal.</source>
        <translation>%1 worden op dit moment door een ander programma gebruikt (%2).%3 Sluit het andere programma en probeer het daarna opnieuw.</translation>
    </message>
    <message>
        <source>%1 können nicht gelesen werden: %2.%3 Bitte prüfen Sie, ob Sie diese Datei lesen und ändern dürfen (Zugriffsrechte) und ob der Datenträger in Ordnung ist.</source>
        <translation>%1 kunnen niet worden gelezen: %2.%3 Controleer of u dit bestand mag lezen en wijzigen (toegangsrechten) en of de gegevensdrager in orde is.</translation>
    </message>
    <message>
        <source>%1 wurden mitten in einer Änderung verlassen; diese Änderung nimmt Avelor beim nächsten Start zurück.%2 Bitte starten Sie Avelor einmal und versuchen Sie es danach noch einmal.</source>
        <translation>%1 zijn midden in een wijziging achtergelaten; Avelor maakt deze wijziging bij de volgende start ongedaan.%2 Start Avelor één keer en probeer het daarna opnieuw.</translation>
    </message>
    <message>
        <source>%1 stammen von einer neueren Avelor-Version. Diese Version kann sie weder lesen noch ändern.%2 Bitte verwenden Sie die neuere Version des Programms.</source>
        <translation>%1 komen van een nieuwere versie van Avelor. Deze versie kan ze niet lezen en niet wijzigen.%2 Gebruik de nieuwere versie van het programma.</translation>
    </message>
    <message>
        <source>%1 geben eine Version an, die es nicht gibt (%2); Avelor kann sie weder lesen noch ändern.%3</source>
        <translation>%1 noemen een versie die niet bestaat (%2); Avelor kan ze niet lezen en niet wijzigen.%3</translation>
    </message>
    <message>
        <source>Die Datei %1 enthält keine Zusatzdaten von Avelor: %2.%3 Wird die Datei nicht mehr gebraucht, benennen Sie sie um oder verschieben Sie sie; dann legt Avelor beim nächsten Start eine neue an.</source>
        <translation>Het bestand %1 bevat geen aanvullende gegevens van Avelor: %2.%3 Als het bestand niet meer nodig is, geef het dan een andere naam of verplaats het; Avelor maakt dan bij de volgende start een nieuw bestand aan.</translation>
    </message>
    <message>
        <source>%1 sind beschädigt und konnten nicht gelesen werden (%2).</source>
        <translation>%1 zijn beschadigd en konden niet worden gelezen (%2).</translation>
    </message>
    <message>
        <source>

Die Datei konnte nicht beiseitegelegt werden; die Zusatzdaten sind in diesem Programmlauf nicht verfügbar.</source>
        <translation>

Het bestand kon niet opzij worden gezet; de aanvullende gegevens zijn tijdens deze programmasessie niet beschikbaar.</translation>
    </message>
    <message>
        <source>

Die Datei wurde unverändert aufbewahrt als %1. Das Programm beginnt mit leeren Zusatzdaten.</source>
        <translation>

Het bestand is ongewijzigd bewaard als %1. Het programma begint met lege aanvullende gegevens.</translation>
    </message>
    <message>
        <source>%1 können nicht angelegt werden, weil daneben noch %2 liegt und sich nicht beiseitelegen lässt. Die Zusatzdaten sind in diesem Programmlauf nicht verfügbar.</source>
        <translation>%1 kunnen niet worden aangemaakt, omdat %2 er nog naast staat en niet opzij kan worden gezet. De aanvullende gegevens zijn tijdens deze programmasessie niet beschikbaar.</translation>
    </message>
    <message>
        <source>%1 können nicht angelegt werden: %2. Die Zusatzdaten sind in diesem Programmlauf nicht verfügbar.</source>
        <translation>%1 kunnen niet worden aangemaakt: %2. De aanvullende gegevens zijn tijdens deze programmasessie niet beschikbaar.</translation>
    </message>
    <message>
        <source>%1 konnten nicht auf den Stand dieser Version gebracht werden: %2. Die Datei bleibt, wie sie war; die Zusatzdaten sind in diesem Programmlauf nicht verfügbar.</source>
        <translation>%1 konden niet naar de stand van deze versie worden gebracht: %2. Het bestand blijft zoals het was; de aanvullende gegevens zijn tijdens deze programmasessie niet beschikbaar.</translation>
    </message>
</context>
<context>
    <name>RecordsSchema</name>
    <message>
        <source>unbekannte Version %1</source>
        <translation>onbekende versie %1</translation>
    </message>
    <message>
        <source>Tabelle „%1“</source>
        <translation>tabel “%1”</translation>
    </message>
    <message>
        <source>Index „%1“</source>
        <translation>index “%1”</translation>
    </message>
    <message>
        <source>Spalte „%1“</source>
        <translation>kolom “%1”</translation>
    </message>
    <message>
        <source>der Aufbau der Version %1 ließ sich nicht herstellen</source>
        <translation>de structuur van versie %1 kon niet worden aangemaakt</translation>
    </message>
    <message>
        <source>%1 gehört nicht zu Version %2 der Zusatzdaten</source>
        <translation>%1 hoort niet bij versie %2 van de aanvullende gegevens</translation>
    </message>
    <message>
        <source>%1 fehlt</source>
        <translation>%1 ontbreekt</translation>
    </message>
</context>
<context>
    <name>Relationship</name>
    <message>
        <source>Vater</source>
        <translation>Vader</translation>
    </message>
    <message>
        <source>Mutter</source>
        <translation>Moeder</translation>
    </message>
    <message>
        <source>Sohn</source>
        <translation>Zoon</translation>
    </message>
    <message>
        <source>Tochter</source>
        <translation>Dochter</translation>
    </message>
    <message>
        <source>Vollgeschwister</source>
        <translation>Volle broer/zus</translation>
    </message>
    <message>
        <source>Halbgeschwister</source>
        <translation>Halfbroer/-zus</translation>
    </message>
    <message>
        <source>Großelternteil</source>
        <translation>Grootouder</translation>
    </message>
    <message>
        <source>Enkel</source>
        <translation>Kleinkind</translation>
    </message>
    <message>
        <source>Onkel/Tante</source>
        <translation>Oom/tante</translation>
    </message>
    <message>
        <source>Neffe/Nichte</source>
        <translation>Neef/nicht</translation>
    </message>
    <message>
        <source>Cousin/Cousine</source>
        <translation>Volle neef/nicht</translation>
    </message>
</context>
<context>
    <name>ReportActions</name>
    <message>
        <source>Drucke %1</source>
        <extracomment>%1 names what is printed, in the accusative (e.g. &quot;den Abstammungsnachweis&quot;)</extracomment>
        <translation>Afdrukken van %1</translation>
    </message>
    <message>
        <source>Frage</source>
        <translation>Vraag</translation>
    </message>
    <message>
        <source>Es ist kein Drucker eingerichtet. Möchten Sie %1 stattdessen als PDF-Datei speichern?</source>
        <extracomment>%1 names what is printed, in the accusative (e.g. &quot;den Abstammungsnachweis&quot;)</extracomment>
        <translation>Er is geen printer ingesteld. Wilt u %1 in plaats daarvan als PDF-bestand opslaan?</translation>
    </message>
    <message>
        <source>Es wurde nichts gedruckt. %1</source>
        <translation>Er is niets afgedrukt. %1</translation>
    </message>
    <message>
        <source>Als PDF speichern</source>
        <translation>Opslaan als PDF</translation>
    </message>
    <message>
        <source>PDF-Dateien (*.pdf)</source>
        <translation>PDF-bestanden (*.pdf)</translation>
    </message>
    <message>
        <source>Speichere die PDF-Datei</source>
        <translation>Het PDF-bestand wordt opgeslagen</translation>
    </message>
    <message>
        <source>Die Datei „%1“ konnte nicht gespeichert werden: %2</source>
        <translation>Het bestand “%1” kon niet worden opgeslagen: %2</translation>
    </message>
</context>
<context>
    <name>ReportOutput</name>
    <message>
        <source>Es gibt keine Seite zum Speichern.</source>
        <translation>Er is geen pagina om op te slaan.</translation>
    </message>
</context>
<context>
    <name>ReportPreview</name>
    <message>
        <source>Ganze Seite</source>
        <translation>Hele pagina</translation>
    </message>
    <message>
        <source>Seitenbreite</source>
        <translation>Paginabreedte</translation>
    </message>
    <message>
        <source>Druckvorschau</source>
        <translation>Afdrukvoorbeeld</translation>
    </message>
    <message>
        <source>Seite</source>
        <translation>Pagina</translation>
    </message>
    <message>
        <source>Vorschau</source>
        <translation>Voorbeeld</translation>
    </message>
    <message>
        <source>◀ Vorige Seite</source>
        <translation>◀ Vorige pagina</translation>
    </message>
    <message>
        <source>Nächste Seite ▶</source>
        <translation>Volgende pagina ▶</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>Zoom:</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>Als PDF speichern</source>
        <translation>Opslaan als PDF</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Seite %1 von %2</source>
        <translation>Pagina %1 van %2</translation>
    </message>
</context>
<context>
    <name>ReportRenderer</name>
    <message>
        <source>Seite %1 von %2</source>
        <translation>Pagina %1 van %2</translation>
    </message>
</context>
<context>
    <name>RingStockWindow</name>
    <message>
        <source>Ringbestand</source>
        <translation>Ringvoorraad</translation>
    </message>
    <message>
        <source>Die Lieferungen dieses Jahres, oder aller Jahre</source>
        <translation>De leveringen van dit jaar, of van alle jaren</translation>
    </message>
    <message>
        <source>alle Jahre</source>
        <translation>alle jaren</translation>
    </message>
    <message>
        <source>Jede Lieferung mit ihren verwendeten und freien Ringen</source>
        <translation>Elke levering met haar gebruikte en vrije ringen</translation>
    </message>
    <message>
        <source>Ringlieferungen</source>
        <translation>Ringleveringen</translation>
    </message>
    <message>
        <source>Jahr</source>
        <translation>Jaar</translation>
    </message>
    <message>
        <source>Verein</source>
        <translation>Vereniging</translation>
    </message>
    <message>
        <source>Größe</source>
        <translation>Maat</translation>
    </message>
    <message>
        <source>Farbe</source>
        <translation>Kleur</translation>
    </message>
    <message>
        <source>Erster Ring</source>
        <translation>Eerste ring</translation>
    </message>
    <message>
        <source>Letzter Ring</source>
        <translation>Laatste ring</translation>
    </message>
    <message>
        <source>Ringe</source>
        <translation>Ringen</translation>
    </message>
    <message>
        <source>Verwendet</source>
        <translation>Gebruikt</translation>
    </message>
    <message>
        <source>Frei</source>
        <translation>Vrij</translation>
    </message>
    <message>
        <source>Lieferung &amp;löschen…</source>
        <translation>Levering ver&amp;wijderen…</translation>
    </message>
    <message>
        <source>Löscht die in der Liste gewählte Lieferung</source>
        <translation>Verwijdert de in de lijst gekozen levering</translation>
    </message>
    <message>
        <source>&amp;Jahr:</source>
        <translation>&amp;Jaar:</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Neue Lieferung</source>
        <translation>Nieuwe levering</translation>
    </message>
    <message>
        <source>Das Jahr, für das die Ringe gelten</source>
        <translation>Het jaar waarvoor de ringen gelden</translation>
    </message>
    <message>
        <source>Der Verband oder Verein, der die Ringe ausgibt</source>
        <translation>De bond of vereniging die de ringen uitgeeft</translation>
    </message>
    <message>
        <source>Die Ringgröße, etwa 2,9 mm</source>
        <translation>De ringmaat, bijv. 2,9 mm</translation>
    </message>
    <message>
        <source>Die Ringfarbe des Jahres</source>
        <translation>De ringkleur van het jaar</translation>
    </message>
    <message>
        <source>Was vor der laufenden Nummer steht, etwa Verbandskürzel, Züchternummer und Jahr</source>
        <translation>Wat vóór het volgnummer staat, bijv. bondsafkorting, kwekersnummer en jaar</translation>
    </message>
    <message>
        <source>Die laufende Nummer des ersten Rings</source>
        <translation>Het volgnummer van de eerste ring</translation>
    </message>
    <message>
        <source>Die laufende Nummer des letzten Rings</source>
        <translation>Het volgnummer van de laatste ring</translation>
    </message>
    <message>
        <source>Mit wie vielen Stellen die Nummer geschrieben wird, vorn mit Nullen aufgefüllt</source>
        <translation>Met hoeveel cijfers het nummer wordt geschreven, vooraan aangevuld met nullen</translation>
    </message>
    <message>
        <source>Lieferung &amp;eintragen</source>
        <translation>Levering &amp;invoeren</translation>
    </message>
    <message>
        <source>Trägt die Ringe als neue Lieferung ein</source>
        <translation>Voert de ringen in als nieuwe levering</translation>
    </message>
    <message>
        <source>J&amp;ahr der Ringe:</source>
        <translation>Jaar van de &amp;ringen:</translation>
    </message>
    <message>
        <source>&amp;Verein:</source>
        <translation>&amp;Vereniging:</translation>
    </message>
    <message>
        <source>&amp;Größe:</source>
        <translation>&amp;Maat:</translation>
    </message>
    <message>
        <source>&amp;Farbe:</source>
        <translation>&amp;Kleur:</translation>
    </message>
    <message>
        <source>V&amp;orsatz:</source>
        <translation>V&amp;oorvoegsel:</translation>
    </message>
    <message>
        <source>Erste &amp;Nummer:</source>
        <translation>Eerste &amp;nummer:</translation>
    </message>
    <message>
        <source>Le&amp;tzte Nummer:</source>
        <translation>&amp;Laatste nummer:</translation>
    </message>
    <message>
        <source>&amp;Stellen:</source>
        <translation>&amp;Cijfers:</translation>
    </message>
    <message>
        <source>Mehr als einmal vergeben: %1</source>
        <translation>Meer dan eens toegekend: %1</translation>
    </message>
    <message>
        <source>Für %1 zu bestellen: etwa %2 Ringe (die in der Saison %3 beringten Jungen und ein Zehntel mehr).</source>
        <extracomment>%1 the next year, %2 a number of rings, %3 the season they are reckoned from</extracomment>
        <translation>Te bestellen voor %1: ongeveer %2 ringen (de in het seizoen %3 geringde jongen plus een tiende).</translation>
    </message>
    <message>
        <source>%1 bis %2: %3 Ringe</source>
        <extracomment>%1 the first ring, %2 the last, %3 how many rings</extracomment>
        <translation>%1 tot %2: %3 ringen</translation>
    </message>
    <message>
        <source>Die Lieferung %1 bis %2 löschen? Die Vögel behalten ihre Ringe.</source>
        <extracomment>%1 and %2 the first and last ring of the delivery</extracomment>
        <translation>De levering %1 tot %2 verwijderen? De vogels behouden hun ringen.</translation>
    </message>
    <message>
        <source>Lieferung löschen</source>
        <translation>Levering verwijderen</translation>
    </message>
</context>
<context>
    <name>RingingGroup</name>
    <message>
        <source>Beringung des Nachwuchses: </source>
        <translation>Ringen van de jongen: </translation>
    </message>
    <message>
        <source>Ei auswählen um die Beringung vorzunehmen</source>
        <translation>Kies een ei om het jong te ringen</translation>
    </message>
    <message>
        <source>Ei-Infos löschen</source>
        <translation>Eigegevens verwijderen</translation>
    </message>
    <message>
        <source>Löscht die Beringungsinformationen zum ausgewählten Ei. 

Dadurch wird auch den Kanarienvogel mit dieser Ringnummer gelöscht,
samt seinen Elternbeziehungen. Danach kann zu diesem Ei
eine neue Ringnummer vergeben werden.</source>
        <translation>Verwijdert de ringgegevens van het gekozen ei. 

Daarmee wordt ook de kanarie met dit ringnummer verwijderd,
samen met zijn ouderkoppelingen. Daarna kan aan dit ei
een nieuw ringnummer worden gegeven.</translation>
    </message>
    <message>
        <source>Ei Nr:</source>
        <translation>Ei nr.:</translation>
    </message>
    <message>
        <source>Ei Nr</source>
        <translation>Ei nr.</translation>
    </message>
    <message>
        <source>Ringnummer des Kanarienvogels aus diesem Ei</source>
        <translation>Ringnummer van de kanarie uit dit ei</translation>
    </message>
    <message>
        <source>Geschlecht des Kanarienvogels aus diesem Ei</source>
        <translation>Geslacht van de kanarie uit dit ei</translation>
    </message>
    <message>
        <source>Art/Rasse des Kanarienvogels aus diesem Ei</source>
        <translation>Soort/ras van de kanarie uit dit ei</translation>
    </message>
    <message>
        <source>Schlupfdatum des Kanarienvogels aus diesem Ei</source>
        <translation>Uitkomstdatum van de kanarie uit dit ei</translation>
    </message>
    <message>
        <source>Absetzdatum des Kanarienvogels aus diesem Ei</source>
        <translation>Speendatum van de kanarie uit dit ei</translation>
    </message>
    <message>
        <source>Bemerkungen über den Kanarienvogel aus diesem Ei</source>
        <translation>Opmerkingen over de kanarie uit dit ei</translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Beendet die Eingabe zu Informationen zu diesem Ei und verwirft evtl. vorgenommene Änderungen.</source>
        <translation>Beëindigt het invoeren van gegevens over dit ei en verwerpt eventueel aangebrachte wijzigingen.</translation>
    </message>
    <message>
        <source>Kanarienvogel anlegen und gleich in den Elternbeziehungen eintragen</source>
        <translation>Kanarie invoeren en meteen aan zijn ouders koppelen</translation>
    </message>
    <message>
        <source>Legt den Kanarienvogel aus diesem Ei im Bestand an 
und trägt das Zuchtpaar automatisch bei den 
Elternbeziehungen ein.</source>
        <translation>Voert de kanarie uit dit ei in het vogelbestand in 
en legt het kweekkoppel automatisch vast als 
zijn ouders.</translation>
    </message>
    <message>
        <source>bekommt Ringnr:</source>
        <translation>krijgt ringnr.:</translation>
    </message>
    <message>
        <source>Geschlecht:</source>
        <translation>Geslacht:</translation>
    </message>
    <message>
        <source>Art/Rasse:</source>
        <translation>Soort/ras:</translation>
    </message>
    <message>
        <source>Schlupfdatum:</source>
        <translation>Uitkomstdatum:</translation>
    </message>
    <message>
        <source>abgesetzt:</source>
        <translation>gespeend:</translation>
    </message>
    <message>
        <source>Bemerkungen:</source>
        <translation>Opmerkingen:</translation>
    </message>
</context>
<context>
    <name>SafeWrite</name>
    <message>
        <source>Kein Speicherplatz mehr auf dem Gerät</source>
        <translation>Geen ruimte meer op het apparaat</translation>
    </message>
    <message>
        <source>Speicherplatzkontingent überschritten</source>
        <translation>Schijfquotum overschreden</translation>
    </message>
    <message>
        <source>Datei zu groß</source>
        <translation>Bestand te groot</translation>
    </message>
    <message>
        <source>Zugriff verweigert</source>
        <translation>Toegang geweigerd</translation>
    </message>
    <message>
        <source>Dateisystem nur lesbar</source>
        <translation>Alleen-lezen bestandssysteem</translation>
    </message>
    <message>
        <source>Ein-/Ausgabefehler</source>
        <translation>Invoer-/uitvoerfout</translation>
    </message>
    <message>
        <source>Datei oder Verzeichnis nicht gefunden</source>
        <translation>Bestand of map niet gevonden</translation>
    </message>
    <message>
        <source>Ist ein Verzeichnis</source>
        <translation>Is een map</translation>
    </message>
    <message>
        <source>Zu viele offene Dateien</source>
        <translation>Te veel geopende bestanden</translation>
    </message>
    <message>
        <source>Vorgang nicht zulässig</source>
        <translation>Bewerking niet toegestaan</translation>
    </message>
    <message>
        <source>Nicht genug Speicherplatz</source>
        <translation>Onvoldoende ruimte</translation>
    </message>
    <message>
        <source>Keine Berechtigung</source>
        <translation>Geen toestemming</translation>
    </message>
    <message>
        <source>Die Datei konnte nicht geöffnet werden</source>
        <translation>Het bestand kon niet worden geopend</translation>
    </message>
    <message>
        <source>Lesefehler</source>
        <translation>Leesfout</translation>
    </message>
    <message>
        <source>Die Datei konnte nicht ersetzt werden</source>
        <translation>Het bestand kon niet worden vervangen</translation>
    </message>
    <message>
        <source>Schreibfehler</source>
        <translation>Schrijffout</translation>
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
        <translation>Het bestand %1 kon niet worden vervangen: %2

De vorige bestanden zijn ongewijzigd gebleven.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht ersetzt werden: %2

Die neuen Dateien sind vollständig gespeichert und werden beim nächsten Speichern oder Start an ihren Platz gebracht.</source>
        <translation>Het bestand %1 kon niet worden vervangen: %2

De nieuwe bestanden zijn volledig opgeslagen en worden bij de volgende keer opslaan of starten op hun plaats gezet.</translation>
    </message>
    <message>
        <source>Das letzte Speichern wurde unterbrochen und konnte nicht abgeschlossen werden: Die Datei %1 konnte nicht ersetzt werden: %2</source>
        <translation>Het laatste opslaan is onderbroken en kon niet worden voltooid: het bestand %1 kon niet worden vervangen: %2</translation>
    </message>
    <message>
        <source>Das letzte Speichern wurde unterbrochen, und die bisherige Datei %1 konnte nicht an ihren Platz zurückgebracht werden: %2</source>
        <translation>Het laatste opslaan is onderbroken, en het vorige bestand %1 kon niet op zijn plaats worden teruggezet: %2</translation>
    </message>
    <message>
        <source>Die Datei %1 des letzten Speicherns kann nicht gelesen werden: %2</source>
        <translation>Het bestand %1 van het laatste opslaan kan niet worden gelezen: %2</translation>
    </message>
</context>
<context>
    <name>SearchDialog</name>
    <message>
        <source>Kanarienvögel suchen</source>
        <translation>Kanaries zoeken</translation>
    </message>
    <message>
        <source>Sie wissen die Ringnummer des Kanarienvogels nicht, kennen aber den Züchter, die Endnummer oder das Geburtsjahr? Dann können Sie versuchen d. Kanarienvogel über die Ihnen bekannten Angaben zu finden. Geben Sie alle Informationen ein, die Ihnen bekannt sind.

Das Programm sucht dann in der Datenbank nach Kanarienvögel auf die alle Kriterien zutreffen und zeigt sie an.</source>
        <translation>Weet u het ringnummer van de kanarie niet, maar kent u de kweker, de laatste cijfers of het geboortejaar? Dan kunt u proberen de kanarie te vinden aan de hand van wat u weet. Vul alle gegevens in die u kent.

Het programma zoekt dan in de database naar kanaries die aan alle criteria voldoen en toont ze.</translation>
    </message>
    <message>
        <source>Alle gefundene Kanarienvögel anzeigen</source>
        <translation>Alle gevonden kanaries tonen</translation>
    </message>
    <message>
        <source>Vorab-Ergebnis:</source>
        <translation>Voorlopig resultaat:</translation>
    </message>
    <message>
        <source>Ein Doppelklick zeigt den Abstammungsnachweis an.</source>
        <translation>Dubbelklikken toont het afstammingsbewijs.</translation>
    </message>
    <message>
        <source>Ring-Nr (auch Teile davon):</source>
        <translation>Ringnr. (ook een deel ervan):</translation>
    </message>
    <message>
        <source>Ring-Nr lautet:</source>
        <translation>Ringnr. is:</translation>
    </message>
    <message>
        <source>Ring-Nr muß genau so sein.</source>
        <translation>Ringnr. moet precies zo zijn.</translation>
    </message>
    <message>
        <source>Züchter (auch Teile davon):</source>
        <translation>Kweker (ook een deel ervan):</translation>
    </message>
    <message>
        <source>Züchter ist:</source>
        <translation>Kweker is:</translation>
    </message>
    <message>
        <source>Züchter muß genau so sein.</source>
        <translation>Kweker moet precies zo zijn.</translation>
    </message>
    <message>
        <source>Geburtsjahr (auch Teile davon):</source>
        <translation>Geboortejaar (ook een deel ervan):</translation>
    </message>
    <message>
        <source>Geburtsjahr ist:</source>
        <translation>Geboortejaar is:</translation>
    </message>
    <message>
        <source>Geburtsjahr muß genau so sein.</source>
        <translation>Geboortejaar moet precies zo zijn.</translation>
    </message>
    <message>
        <source>Geschlecht:</source>
        <translation>Geslacht:</translation>
    </message>
    <message>
        <source>&lt;= leeren</source>
        <translation>&lt;= wissen</translation>
    </message>
    <message>
        <source>Farbe (auch Teile davon):</source>
        <translation>Kleur (ook een deel ervan):</translation>
    </message>
    <message>
        <source>Farbe ist:</source>
        <translation>Kleur is:</translation>
    </message>
    <message>
        <source>Farbe muß genau so sein.</source>
        <translation>Kleur moet precies zo zijn.</translation>
    </message>
    <message>
        <source>Zeichnung (auch Teile davon):</source>
        <translation>Tekening (ook een deel ervan):</translation>
    </message>
    <message>
        <source>Zeichnung ist:</source>
        <translation>Tekening is:</translation>
    </message>
    <message>
        <source>Zeichnung muß genau so sein.</source>
        <translation>Tekening moet precies zo zijn.</translation>
    </message>
    <message>
        <source>Rasse (auch Teile davon):</source>
        <translation>Ras (ook een deel ervan):</translation>
    </message>
    <message>
        <source>Rasse ist:</source>
        <translation>Ras is:</translation>
    </message>
    <message>
        <source>Rasse muß genau so sein.</source>
        <translation>Ras moet precies zo zijn.</translation>
    </message>
    <message>
        <source>%1 Kanarienvögel gefunden...</source>
        <translation>%1 kanaries gevonden...</translation>
    </message>
</context>
<context>
    <name>SeasonStatisticsWindow</name>
    <message>
        <source>Zuchtstatistik</source>
        <translation>Kweekstatistiek</translation>
    </message>
    <message>
        <source>Die Saison: das Jahr des Zuchtbeginns</source>
        <translation>Het seizoen: het jaar waarin de kweek begon</translation>
    </message>
    <message>
        <source>Zahlen je Zuchtpaar</source>
        <translation>Cijfers per kweekkoppel</translation>
    </message>
    <message>
        <source>Zahlen je Hahn</source>
        <translation>Cijfers per man</translation>
    </message>
    <message>
        <source>Zahlen je Henne</source>
        <translation>Cijfers per pop</translation>
    </message>
    <message>
        <source>&amp;Paare der Saison</source>
        <translation>&amp;Koppels van het seizoen</translation>
    </message>
    <message>
        <source>&amp;Hähne, alle Jahre</source>
        <translation>&amp;Mannen, alle jaren</translation>
    </message>
    <message>
        <source>H&amp;ennen, alle Jahre</source>
        <translation>P&amp;oppen, alle jaren</translation>
    </message>
    <message>
        <source>&amp;Drucken…</source>
        <translation>&amp;Afdrukken…</translation>
    </message>
    <message>
        <source>Als &amp;CSV-Datei speichern…</source>
        <translation>Opslaan als &amp;CSV-bestand…</translation>
    </message>
    <message>
        <source>&amp;Saison:</source>
        <translation>&amp;Seizoen:</translation>
    </message>
    <message>
        <source>alle Jahre</source>
        <translation>alle jaren</translation>
    </message>
    <message>
        <source>Saison %1</source>
        <translation>Seizoen %1</translation>
    </message>
    <message>
        <source>Je Hahn über alle Zuchtpaare und Jahre</source>
        <translation>Per man over alle kweekkoppels en jaren</translation>
    </message>
    <message>
        <source>Je Henne über alle Zuchtpaare und Jahre</source>
        <translation>Per pop over alle kweekkoppels en jaren</translation>
    </message>
    <message>
        <source>die Zuchtstatistik</source>
        <translation>de kweekstatistiek</translation>
    </message>
    <message>
        <source>Zuchtstatistik speichern</source>
        <translation>Kweekstatistiek opslaan</translation>
    </message>
    <message>
        <source>Zuchtstatistik.csv</source>
        <translation>Kweekstatistiek.csv</translation>
    </message>
</context>
<context>
    <name>SeasonTables</name>
    <message>
        <source>Gelege</source>
        <translation>Legsels</translation>
    </message>
    <message>
        <source>Gelege mit mindestens einem Ei</source>
        <translation>Legsels met minstens één ei</translation>
    </message>
    <message>
        <source>Eier</source>
        <translation>Eieren</translation>
    </message>
    <message>
        <source>Eier, die in den Gelegen eingetragen sind</source>
        <translation>Eieren die in de legsels zijn ingevoerd</translation>
    </message>
    <message>
        <source>Geschlüpft</source>
        <translation>Uitgekomen</translation>
    </message>
    <message>
        <source>Eier mit Schlupfdatum oder Ring</source>
        <translation>Eieren met uitkomstdatum of ring</translation>
    </message>
    <message>
        <source>Beringt</source>
        <translation>Geringd</translation>
    </message>
    <message>
        <source>Jungvögel mit Ring</source>
        <translation>Jonge vogels met ring</translation>
    </message>
    <message>
        <source>Abgesetzt</source>
        <translation>Gespeend</translation>
    </message>
    <message>
        <source>Jungvögel mit Absetzdatum</source>
        <translation>Jonge vogels met speendatum</translation>
    </message>
    <message>
        <source>Schlupfrate</source>
        <translation>Uitkomstpercentage</translation>
    </message>
    <message>
        <source>Geschlüpft geteilt durch Eier</source>
        <translation>Uitgekomen gedeeld door eieren</translation>
    </message>
    <message>
        <source>Aufzuchtrate</source>
        <translation>Opfokpercentage</translation>
    </message>
    <message>
        <source>Abgesetzt geteilt durch Geschlüpft</source>
        <translation>Gespeend gedeeld door uitgekomen</translation>
    </message>
    <message>
        <source>überfällig</source>
        <translation>achterstallig</translation>
    </message>
    <message>
        <source>heute</source>
        <translation>vandaag</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Aufgabe</source>
        <translation>Taak</translation>
    </message>
    <message>
        <source>Hecke</source>
        <translation>Kweekkooi</translation>
    </message>
    <message>
        <source>Hahn</source>
        <translation>Man</translation>
    </message>
    <message>
        <source>Henne</source>
        <translation>Pop</translation>
    </message>
    <message>
        <source>Ei</source>
        <translation>Ei</translation>
    </message>
    <message>
        <source>Stand</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Jahr</source>
        <translation>Jaar</translation>
    </message>
    <message>
        <source>Summe</source>
        <translation>Totaal</translation>
    </message>
</context>
<context>
    <name>SelectorLists</name>
    <message>
        <source>%1 - %2 vom %3</source>
        <extracomment>a breeding pair: cock&apos;s ring, hen&apos;s ring, start of breeding</extracomment>
        <translation>%1 - %2 van %3</translation>
    </message>
</context>
<context>
    <name>ShowEntries</name>
    <message>
        <source>Der Vogel %1 ist %2-mal gemeldet.</source>
        <extracomment>%1 a ring number, %2 how often it is entered</extracomment>
        <translation>De vogel %1 is %2 keer ingeschreven.</translation>
    </message>
    <message>
        <source>Die Kollektion %1 hat %2 statt 4 Vögel.</source>
        <extracomment>%1 the number of the collection, %2 how many birds it has</extracomment>
        <translation>Stam %1 heeft %2 vogels in plaats van 4.</translation>
    </message>
    <message>
        <source>Die Kollektion %1 mischt Hähne und Hennen.</source>
        <translation>Stam %1 bestaat uit mannen en poppen door elkaar.</translation>
    </message>
    <message>
        <source>In der Kollektion %1 sind nicht nur Hähne.</source>
        <translation>Stam %1 bestaat niet alleen uit mannen.</translation>
    </message>
    <message>
        <source>In der Kollektion %1 sind nicht nur Hennen.</source>
        <translation>Stam %1 bestaat niet alleen uit poppen.</translation>
    </message>
    <message>
        <source>Nr.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Klasse</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <source>Ringnummer</source>
        <translation>Ringnummer</translation>
    </message>
    <message>
        <source>Geschlecht</source>
        <translation>Geslacht</translation>
    </message>
    <message>
        <source>Farbe</source>
        <translation>Kleur</translation>
    </message>
    <message>
        <source>Rasse</source>
        <translation>Ras</translation>
    </message>
    <message>
        <source>Kollektion</source>
        <translation>Stam</translation>
    </message>
    <message>
        <source>Käfig-Nr.</source>
        <translation>Kooinr.</translation>
    </message>
    <message>
        <source>Punkte</source>
        <translation>Punten</translation>
    </message>
    <message>
        <source>Preis</source>
        <translation>Prijs</translation>
    </message>
</context>
<context>
    <name>ShowEntriesWindow</name>
    <message>
        <source>Ausstellungsmeldung</source>
        <translation>Tentoonstellingsinschrijving</translation>
    </message>
    <message>
        <source>Die Ausstellung, deren Meldungen die Liste zeigt</source>
        <translation>De tentoonstelling waarvan de lijst de inschrijvingen toont</translation>
    </message>
    <message>
        <source>&amp;Neue Ausstellung…</source>
        <translation>&amp;Nieuwe tentoonstelling…</translation>
    </message>
    <message>
        <source>Name, Ort, Datum, Meldeschluss und Veranstalter der gewählten Ausstellung</source>
        <translation>Naam, plaats, datum, sluitingsdatum en organisator van de gekozen tentoonstelling</translation>
    </message>
    <message>
        <source>Lö&amp;schen…</source>
        <translation>&amp;Verwijderen…</translation>
    </message>
    <message>
        <source>Löscht die gewählte Ausstellung mit allen ihren Meldungen</source>
        <translation>Verwijdert de gekozen tentoonstelling met al haar inschrijvingen</translation>
    </message>
    <message>
        <source>Die Meldungen; Klasse, Käfig-Nr., Punkte und Preis lassen sich hier eintragen</source>
        <translation>De inschrijvingen; klasse, kooinummer, punten en prijs kunt u hier invullen</translation>
    </message>
    <message>
        <source>Meldungen der Ausstellung</source>
        <translation>Inschrijvingen voor de tentoonstelling</translation>
    </message>
    <message>
        <source>Übernommen</source>
        <translation>Overgenomen</translation>
    </message>
    <message>
        <source>&amp;Ausstellung:</source>
        <translation>&amp;Tentoonstelling:</translation>
    </message>
    <message>
        <source>Meldung &amp;entfernen</source>
        <translation>Inschrijving v&amp;erwijderen</translation>
    </message>
    <message>
        <source>Nimmt die in der Liste gewählte Meldung zurück</source>
        <translation>Trekt de in de lijst gekozen inschrijving in</translation>
    </message>
    <message>
        <source>Meldebogen &amp;drucken…</source>
        <translation>Inschrijfformulier &amp;afdrukken…</translation>
    </message>
    <message>
        <source>Der Meldebogen mit Ihren Züchterdaten als Aussteller</source>
        <translation>Het inschrijfformulier met uw kwekersgegevens als inzender</translation>
    </message>
    <message>
        <source>Als &amp;CSV-Datei speichern…</source>
        <translation>Opslaan als &amp;CSV-bestand…</translation>
    </message>
    <message>
        <source>Die Meldungen für eine Tabellenkalkulation</source>
        <translation>De inschrijvingen voor een rekenblad</translation>
    </message>
    <message>
        <source>Ergebnisse &amp;übernehmen</source>
        <translation>Resultaten &amp;overnemen</translation>
    </message>
    <message>
        <source>Jede Meldung mit Punkten wird ein Ausstellungsergebnis ihres Vogels</source>
        <translation>Elke inschrijving met punten wordt een tentoonstellingsresultaat van haar vogel</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Melden</source>
        <translation>Inschrijven</translation>
    </message>
    <message>
        <source>Die Ringnummer eines Vogels aus dem Bestand</source>
        <translation>Het ringnummer van een vogel uit het vogelbestand</translation>
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
        <translation>&amp;Stam van vier vogels</translation>
    </message>
    <message>
        <source>Die vier Vögel werden als eine Kollektion gemeldet</source>
        <translation>De vier vogels worden als één stam ingeschreven</translation>
    </message>
    <message>
        <source>Die Klasse laut Ausschreibung; angeboten werden die Klassen, die Vögel dieser Rasse und Farbe schon hatten</source>
        <translation>De klasse volgens het vraagprogramma; voorgesteld worden de klassen die vogels van dit ras en deze kleur al hadden</translation>
    </message>
    <message>
        <source>K&amp;lasse:</source>
        <translation>K&amp;lasse:</translation>
    </message>
    <message>
        <source>&amp;Melden</source>
        <translation>&amp;Inschrijven</translation>
    </message>
    <message>
        <source>Meldet den Vogel oder die Kollektion für die gewählte Ausstellung</source>
        <translation>Schrijft de vogel of de stam in voor de gekozen tentoonstelling</translation>
    </message>
    <message>
        <source>%1 am %2</source>
        <translation>%1 op %2</translation>
    </message>
    <message>
        <source>Ort: %1 · Datum: %2 · Meldeschluss: %3 · Veranstalter: %4</source>
        <extracomment>%1 place, %2 date, %3 closing date, %4 organiser of a show</extracomment>
        <translation>Plaats: %1 · Datum: %2 · Sluitingsdatum: %3 · Organisator: %4</translation>
    </message>
    <message>
        <source>Noch keine Ausstellung angelegt.</source>
        <translation>Nog geen tentoonstelling ingevoerd.</translation>
    </message>
    <message>
        <source>ja</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>Bitte zuerst eine Ausstellung anlegen.</source>
        <translation>Voer eerst een tentoonstelling in.</translation>
    </message>
    <message>
        <source>Die Ausstellung %1 mit ihren %2 Meldungen löschen? Übernommene Ergebnisse bleiben.</source>
        <extracomment>%1 the name of a show, %2 how many entries it has</extracomment>
        <translation>De tentoonstelling %1 met haar %2 inschrijvingen verwijderen? Overgenomen resultaten blijven bewaard.</translation>
    </message>
    <message>
        <source>Ausstellung löschen</source>
        <translation>Tentoonstelling verwijderen</translation>
    </message>
    <message>
        <source>Eine Kollektion besteht aus vier Vögeln: bitte alle vier Ringe eingeben.</source>
        <translation>Een stam bestaat uit vier vogels: voer alle vier ringen in.</translation>
    </message>
    <message>
        <source>Bitte zuerst eine Meldung in der Liste auswählen.</source>
        <translation>Kies eerst een inschrijving in de lijst.</translation>
    </message>
    <message>
        <source>Die Käfig-Nr. muss eine Zahl größer als 0 sein.</source>
        <translation>Het kooinummer moet een getal groter dan 0 zijn.</translation>
    </message>
    <message>
        <source>Punkte bitte als Zahl bis 100 eingeben, halbe Punkte mit Komma: 92,5.</source>
        <translation>Voer de punten in als getal tot 100, halve punten met een komma: 92,5.</translation>
    </message>
    <message>
        <source>Für diese Ausstellung ist noch nichts gemeldet.</source>
        <translation>Voor deze tentoonstelling is nog niets ingeschreven.</translation>
    </message>
    <message>
        <source>Meldebogen drucken</source>
        <translation>Inschrijfformulier afdrukken</translation>
    </message>
    <message>
        <source>%1

Den Meldebogen trotzdem drucken?</source>
        <translation>%1

Het inschrijfformulier toch afdrukken?</translation>
    </message>
    <message>
        <source>den Meldebogen</source>
        <translation>het inschrijfformulier</translation>
    </message>
    <message>
        <source>Meldebogen %1</source>
        <translation>Inschrijfformulier %1</translation>
    </message>
    <message>
        <source>Meldungen speichern</source>
        <translation>Inschrijvingen opslaan</translation>
    </message>
    <message>
        <source>Meldungen %1.csv</source>
        <translation>Inschrijvingen %1.csv</translation>
    </message>
    <message>
        <source>Keine neuen Punkte zum Übernehmen: Punkte bitte zuerst in die Liste eintragen.</source>
        <translation>Geen nieuwe punten om over te nemen: vul eerst de punten in de lijst in.</translation>
    </message>
    <message>
        <source>%1 Ergebnisse wurden zu den Vögeln übernommen.</source>
        <translation>%1 resultaten zijn bij de vogels overgenomen.</translation>
    </message>
    <message>
        <source>&amp;Ändern…</source>
        <translation>&amp;Wijzigen…</translation>
    </message>
    <message>
        <source>Käfi&amp;getiketten drucken</source>
        <translation>Kooietiketten af&amp;drukken</translation>
    </message>
    <message>
        <source>Ein Etikett je Meldung, ohne Ringnummer; zuerst das Etikettenblatt wählen</source>
        <translation>Eén etiket per inschrijving, zonder ringnummer; kies eerst het etikettenvel</translation>
    </message>
    <message>
        <source>die Käfigetiketten</source>
        <translation>de kooietiketten</translation>
    </message>
    <message>
        <source>Käfigetiketten %1</source>
        <translation>Kooietiketten %1</translation>
    </message>
</context>
<context>
    <name>ShowEventDialog</name>
    <message>
        <source>Wie die Ausstellung heißt</source>
        <translation>De naam van de tentoonstelling</translation>
    </message>
    <message>
        <source>Wo die Ausstellung stattfindet</source>
        <translation>Waar de tentoonstelling plaatsvindt</translation>
    </message>
    <message>
        <source>Der Tag des Richtens, im Format TT.MM.JJJJ</source>
        <translation>De keuringsdag, in de vorm DD.MM.JJJJ</translation>
    </message>
    <message>
        <source>Bis zu diesem Tag muss die Meldung vorliegen, im Format TT.MM.JJJJ</source>
        <translation>Uiterlijk op deze dag moet de inschrijving binnen zijn, in de vorm DD.MM.JJJJ</translation>
    </message>
    <message>
        <source>TT.MM.JJJJ</source>
        <translation>DD.MM.JJJJ</translation>
    </message>
    <message>
        <source>Der Verein oder Verband, der die Ausstellung ausrichtet</source>
        <translation>De vereniging of bond die de tentoonstelling organiseert</translation>
    </message>
    <message>
        <source>Welche Vögel eine Kollektion bilden dürfen</source>
        <translation>Welke vogels samen een stam mogen vormen</translation>
    </message>
    <message>
        <source>Hähne und Hennen gemischt</source>
        <translation>mannen en poppen gemengd</translation>
    </message>
    <message>
        <source>nur Vögel eines Geschlechts</source>
        <translation>alleen vogels van één geslacht</translation>
    </message>
    <message>
        <source>nur Hähne</source>
        <translation>alleen mannen</translation>
    </message>
    <message>
        <source>nur Hennen</source>
        <translation>alleen poppen</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Naam:</translation>
    </message>
    <message>
        <source>&amp;Ort:</source>
        <translation>&amp;Plaats:</translation>
    </message>
    <message>
        <source>&amp;Datum:</source>
        <translation>&amp;Datum:</translation>
    </message>
    <message>
        <source>&amp;Meldeschluss:</source>
        <translation>&amp;Sluitingsdatum:</translation>
    </message>
    <message>
        <source>&amp;Veranstalter:</source>
        <translation>&amp;Organisator:</translation>
    </message>
    <message>
        <source>&amp;Kollektionen:</source>
        <translation>S&amp;tammen:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Ausstellung ändern</source>
        <translation>Tentoonstelling wijzigen</translation>
    </message>
    <message>
        <source>Neue Ausstellung</source>
        <translation>Nieuwe tentoonstelling</translation>
    </message>
    <message>
        <source>Bitte den Namen der Ausstellung eingeben.</source>
        <translation>Voer de naam van de tentoonstelling in.</translation>
    </message>
    <message>
        <source>Ungültiges Datum der Ausstellung!</source>
        <translation>Ongeldige datum van de tentoonstelling!</translation>
    </message>
    <message>
        <source>Ungültiges Datum beim Meldeschluss!</source>
        <translation>Ongeldige sluitingsdatum!</translation>
    </message>
</context>
<context>
    <name>ShowLabelReport</name>
    <message>
        <source>Klasse: %1</source>
        <translation>Klasse: %1</translation>
    </message>
    <message>
        <source>Kollektion %1</source>
        <translation>Stam %1</translation>
    </message>
    <message>
        <source>Käfig-Nr.</source>
        <translation>Kooinr.</translation>
    </message>
    <message>
        <source>3 × 8 Etiketten je Blatt (70 × 37 mm)</source>
        <translation>3 × 8 etiketten per vel (70 × 37 mm)</translation>
    </message>
    <message>
        <source>3 × 7 Etiketten je Blatt (70 × 42,3 mm)</source>
        <translation>3 × 7 etiketten per vel (70 × 42,3 mm)</translation>
    </message>
</context>
<context>
    <name>ShowResultDialog</name>
    <message>
        <source>Ausstellungsergebnis</source>
        <translation>Tentoonstellingsresultaat</translation>
    </message>
    <message>
        <source>Der Tag der Schau, im Format TT.MM.JJJJ</source>
        <translation>De dag van de tentoonstelling, in de vorm DD.MM.JJJJ</translation>
    </message>
    <message>
        <source>TT.MM.JJJJ</source>
        <translation>DD.MM.JJJJ</translation>
    </message>
    <message>
        <source>Der Name der Schau</source>
        <translation>De naam van de tentoonstelling</translation>
    </message>
    <message>
        <source>Die Klasse, in der der Vogel stand</source>
        <translation>De klasse waarin de vogel stond</translation>
    </message>
    <message>
        <source>Die Punkte der Bewertungskarte, höchstens 100, in halben Punkten</source>
        <translation>De punten van de keurkaart, hoogstens 100, in halve punten</translation>
    </message>
    <message>
        <source>Auszeichnung oder Platz, wie auf der Karte</source>
        <translation>Prijs of plaats, zoals op de keurkaart</translation>
    </message>
    <message>
        <source>Die Vögel mit derselben Nummer bilden auf dieser Schau eine Kollektion</source>
        <translation>De vogels met hetzelfde nummer vormen op deze tentoonstelling een stam</translation>
    </message>
    <message>
        <source>keine</source>
        <translation>geen</translation>
    </message>
    <message>
        <source>&amp;Datum:</source>
        <translation>&amp;Datum:</translation>
    </message>
    <message>
        <source>&amp;Schau:</source>
        <translation>&amp;Tentoonstelling:</translation>
    </message>
    <message>
        <source>&amp;Klasse:</source>
        <translation>&amp;Klasse:</translation>
    </message>
    <message>
        <source>&amp;Punkte:</source>
        <translation>&amp;Punten:</translation>
    </message>
    <message>
        <source>&amp;Auszeichnung/Platz:</source>
        <translation>P&amp;rijs/plaats:</translation>
    </message>
    <message>
        <source>K&amp;ollektion Nr.:</source>
        <translation>&amp;Stam nr.:</translation>
    </message>
    <message>
        <source>Bitte den Namen der Schau angeben.</source>
        <translation>Geef de naam van de tentoonstelling op.</translation>
    </message>
    <message>
        <source>Bitte das Datum der Schau richtig angeben (TT.MM.JJJJ).</source>
        <translation>Geef een geldige datum van de tentoonstelling op (DD.MM.JJJJ).</translation>
    </message>
</context>
<context>
    <name>ShowResultsPanel</name>
    <message>
        <source>Ausstellungsergebnisse</source>
        <translation>Tentoonstellingsresultaten</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Schau</source>
        <translation>Tentoonstelling</translation>
    </message>
    <message>
        <source>Klasse</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <source>Punkte</source>
        <translation>Punten</translation>
    </message>
    <message>
        <source>Auszeichnung/Platz</source>
        <translation>Prijs/plaats</translation>
    </message>
    <message>
        <source>Kollektion</source>
        <translation>Stam</translation>
    </message>
    <message>
        <source>&amp;Neues Ergebnis…</source>
        <translation>&amp;Nieuw resultaat…</translation>
    </message>
    <message>
        <source>Ä&amp;ndern…</source>
        <translation>&amp;Wijzigen…</translation>
    </message>
    <message>
        <source>&amp;Löschen</source>
        <translation>&amp;Verwijderen</translation>
    </message>
    <message>
        <source>Nr. %1: %2 Punkte aus %3</source>
        <translation>Nr. %1: %2 punten uit %3</translation>
    </message>
    <message>
        <source>Bestes Ergebnis: %1 Punkte, %2 am %3</source>
        <translation>Beste resultaat: %1 punten, %2 op %3</translation>
    </message>
    <message>
        <source>Bitte zuerst ein Ergebnis in der Liste anklicken.</source>
        <translation>Klik eerst op een resultaat in de lijst.</translation>
    </message>
</context>
<context>
    <name>ShowsWindow</name>
    <message>
        <source>Ausstellungsergebnisse</source>
        <translation>Tentoonstellingsresultaten</translation>
    </message>
    <message>
        <source>Die Schau, deren Ergebnisse gezeigt werden</source>
        <translation>De tentoonstelling waarvan de resultaten worden getoond</translation>
    </message>
    <message>
        <source>Ein Doppelklick zeigt den Abstammungsnachweis des Vogels</source>
        <translation>Dubbelklikken toont het afstammingsbewijs van de vogel</translation>
    </message>
    <message>
        <source>Ergebnisse der Schau</source>
        <translation>Resultaten van de tentoonstelling</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Ringnummer</source>
        <translation>Ringnummer</translation>
    </message>
    <message>
        <source>Klasse</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <source>Punkte</source>
        <translation>Punten</translation>
    </message>
    <message>
        <source>Auszeichnung/Platz</source>
        <translation>Prijs/plaats</translation>
    </message>
    <message>
        <source>Kollektion</source>
        <translation>Stam</translation>
    </message>
    <message>
        <source>&amp;Schau:</source>
        <translation>&amp;Tentoonstelling:</translation>
    </message>
    <message>
        <source>Alle Ergebnisse als &amp;CSV-Datei speichern…</source>
        <translation>Alle resultaten opslaan als &amp;CSV-bestand…</translation>
    </message>
    <message>
        <source>Für eine Tabellenkalkulation, jede Schau mit jedem Vogel</source>
        <translation>Voor een rekenblad, elke tentoonstelling met elke vogel</translation>
    </message>
    <message>
        <source>Ausstellungsergebnisse speichern</source>
        <translation>Tentoonstellingsresultaten opslaan</translation>
    </message>
    <message>
        <source>Ausstellungsergebnisse.csv</source>
        <translation>Tentoonstellingsresultaten.csv</translation>
    </message>
    <message>
        <source>Kollektion %1 (%2): %3 Kanarienvögel, zusammen %4 Punkte</source>
        <extracomment>%1 collection number, %2 date, %3 number of birds, %4 points</extracomment>
        <translation>Stam %1 (%2): %3 kanaries, samen %4 punten</translation>
    </message>
    <message>
        <source>Keine Kollektion auf dieser Schau.</source>
        <translation>Geen stam op deze tentoonstelling.</translation>
    </message>
</context>
<context>
    <name>SpeciesWords</name>
    <message>
        <source>Kanarienvogel</source>
        <translation>Kanarie</translation>
    </message>
    <message>
        <source>Kanarienvögel</source>
        <translation>Kanaries</translation>
    </message>
    <message>
        <source>Kanarienvögelbestandsliste</source>
        <translation>Kanariebestandslijst</translation>
    </message>
    <message>
        <source>Avelor Abstammungsnachweis für Kanarienvögel</source>
        <translation>Avelor Afstammingsbewijs voor kanaries</translation>
    </message>
    <message>
        <source>Vogel (m) 1.0</source>
        <translation>Vogel (m) 1.0</translation>
    </message>
    <message>
        <source>Vogel (w) 0.1</source>
        <translation>Vogel (v) 0.1</translation>
    </message>
    <message>
        <source>Hecke</source>
        <translation>Kweekkooi</translation>
    </message>
    <message>
        <source>Hahn (m)</source>
        <translation>Man (m)</translation>
    </message>
    <message>
        <source>Henne (w)</source>
        <translation>Pop (v)</translation>
    </message>
</context>
<context>
    <name>SplashWindow</name>
    <message>
        <source>für Kanarienvögel</source>
        <translation>voor kanaries</translation>
    </message>
</context>
<context>
    <name>SqlStatement</name>
    <message>
        <source>die Datei wird gerade von einem anderen Programm benutzt</source>
        <translation>het bestand wordt op dit moment door een ander programma gebruikt</translation>
    </message>
    <message>
        <source>eine unterbrochene Änderung wartet darauf, zurückgenommen zu werden</source>
        <translation>een onderbroken wijziging wacht erop om ongedaan te worden gemaakt</translation>
    </message>
    <message>
        <source>die Datei darf nicht geändert werden</source>
        <translation>het bestand mag niet worden gewijzigd</translation>
    </message>
    <message>
        <source>keine Berechtigung</source>
        <translation>geen toestemming</translation>
    </message>
    <message>
        <source>die Datei kann nicht geöffnet werden</source>
        <translation>het bestand kan niet worden geopend</translation>
    </message>
    <message>
        <source>Lese- oder Schreibfehler des Datenträgers</source>
        <translation>lees- of schrijffout van de gegevensdrager</translation>
    </message>
    <message>
        <source>der Datenträger ist voll</source>
        <translation>de gegevensdrager is vol</translation>
    </message>
    <message>
        <source>die Datei ist beschädigt</source>
        <translation>het bestand is beschadigd</translation>
    </message>
    <message>
        <source>die Datei ist keine Datenbank</source>
        <translation>het bestand is geen database</translation>
    </message>
    <message>
        <source>nicht genug Arbeitsspeicher</source>
        <translation>onvoldoende werkgeheugen</translation>
    </message>
    <message>
        <source>ein Wert verletzt eine Regel der Datenbank</source>
        <translation>een waarde overtreedt een regel van de database</translation>
    </message>
    <message>
        <source>die Datenbank hat einen Fehler gemeldet</source>
        <translation>de database heeft een fout gemeld</translation>
    </message>
    <message>
        <source>Fehler der Datenbank</source>
        <translation>databasefout</translation>
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

Uw wijzigingen blijven in het programma bewaard; Avelor probeert het zo opnieuw en slaat ze in elk geval op bij het afsluiten.</translation>
    </message>
</context>
<context>
    <name>StockColours</name>
    <message>
        <source>Hahn: %1</source>
        <translation>Man: %1</translation>
    </message>
    <message>
        <source>Henne: %1</source>
        <translation>Pop: %1</translation>
    </message>
    <message>
        <source>Den Ring „%1“ gibt es nicht im Bestand.</source>
        <translation>De ring “%1” staat niet in het vogelbestand.</translation>
    </message>
</context>
<context>
    <name>StockDocument</name>
    <message>
        <source>„%1“ konnte nicht rückgängig gemacht werden: %2</source>
        <translation>“%1” kon niet ongedaan worden gemaakt: %2</translation>
    </message>
    <message>
        <source>„%1“ konnte nicht wiederholt werden: %2</source>
        <translation>“%1” kon niet opnieuw worden uitgevoerd: %2</translation>
    </message>
    <message>
        <source>Kanarienvogel %1 angelegt</source>
        <translation>Kanarie %1 ingevoerd</translation>
    </message>
    <message>
        <source>%1 Kanarienvögel angelegt, %2 bis %3</source>
        <translation>%1 kanaries ingevoerd, %2 tot %3</translation>
    </message>
    <message>
        <source>Kanarienvogel %1 geändert</source>
        <translation>Kanarie %1 gewijzigd</translation>
    </message>
    <message>
        <source>Kanarienvogel %1 gelöscht</source>
        <translation>Kanarie %1 verwijderd</translation>
    </message>
    <message>
        <source>Ausstellungsergebnis von %1 eingetragen</source>
        <translation>Tentoonstellingsresultaat van %1 ingevoerd</translation>
    </message>
    <message>
        <source>Ausstellungsergebnis von %1 geändert</source>
        <translation>Tentoonstellingsresultaat van %1 gewijzigd</translation>
    </message>
    <message>
        <source>Ausstellungsergebnis von %1 gelöscht</source>
        <translation>Tentoonstellingsresultaat van %1 verwijderd</translation>
    </message>
    <message>
        <source>Eltern von %1 gespeichert</source>
        <translation>Ouders van %1 opgeslagen</translation>
    </message>
    <message>
        <source>Bestand sortiert</source>
        <translation>Vogelbestand gesorteerd</translation>
    </message>
    <message>
        <source>Züchterdaten geändert</source>
        <translation>Kwekersgegevens gewijzigd</translation>
    </message>
    <message>
        <source>Druckeinstellungen geändert</source>
        <translation>Afdrukinstellingen gewijzigd</translation>
    </message>
    <message>
        <source>Bild von %1 gespeichert</source>
        <translation>Foto van %1 opgeslagen</translation>
    </message>
    <message>
        <source>Bild von %1 entfernt</source>
        <translation>Foto van %1 verwijderd</translation>
    </message>
    <message>
        <source>Dieses Zuchtpaar gibt es nicht mehr.</source>
        <translation>Dit kweekkoppel bestaat niet meer.</translation>
    </message>
    <message>
        <source>Dieses Gelege gibt es nicht mehr.</source>
        <translation>Dit legsel bestaat niet meer.</translation>
    </message>
    <message>
        <source>Zuchtpaar %1 × %2 angelegt</source>
        <translation>Kweekkoppel %1 × %2 ingevoerd</translation>
    </message>
    <message>
        <source>Zuchtpaar %1 × %2 geändert</source>
        <translation>Kweekkoppel %1 × %2 gewijzigd</translation>
    </message>
    <message>
        <source>Zuchtpaar %1 × %2 gelöscht</source>
        <translation>Kweekkoppel %1 × %2 verwijderd</translation>
    </message>
    <message>
        <source>Gelege angelegt</source>
        <translation>Legsel ingevoerd</translation>
    </message>
    <message>
        <source>Gelege geändert</source>
        <translation>Legsel gewijzigd</translation>
    </message>
    <message>
        <source>Gelege gelöscht</source>
        <translation>Legsel verwijderd</translation>
    </message>
    <message>
        <source>Dieses Ei gibt es nicht mehr.</source>
        <translation>Dit ei bestaat niet meer.</translation>
    </message>
    <message>
        <source>Jungvogel %1 beringt</source>
        <translation>Jonge vogel %1 geringd</translation>
    </message>
    <message>
        <source>Angaben zum Ei gelöscht</source>
        <translation>Gegevens van het ei verwijderd</translation>
    </message>
    <message>
        <source>Jungvogel %1 entfernt</source>
        <translation>Jonge vogel %1 verwijderd</translation>
    </message>
    <message>
        <source>Kanarienvogel %1 aus seinem Standort genommen</source>
        <translation>Kanarie %1 uit zijn standplaats gehaald</translation>
    </message>
    <message>
        <source>Kanarienvogel %1 nach %2 umgesetzt</source>
        <translation>Kanarie %1 verplaatst naar %2</translation>
    </message>
    <message>
        <source>%1 Kanarienvögel aus ihrem Standort genommen</source>
        <translation>%1 kanaries uit hun standplaats gehaald</translation>
    </message>
    <message>
        <source>%1 Kanarienvögel nach %2 umgesetzt</source>
        <translation>%1 kanaries verplaatst naar %2</translation>
    </message>
    <message>
        <source>Ringe %1 bis %2 eingetragen</source>
        <translation>Ringen %1 tot %2 ingevoerd</translation>
    </message>
    <message>
        <source>Ringlieferung gelöscht</source>
        <translation>Ringlevering verwijderd</translation>
    </message>
    <message>
        <source>Bitte den Namen der Ausstellung eingeben.</source>
        <translation>Voer de naam van de tentoonstelling in.</translation>
    </message>
    <message>
        <source>Ausstellung %1 angelegt</source>
        <translation>Tentoonstelling %1 ingevoerd</translation>
    </message>
    <message>
        <source>Ausstellung %1 geändert</source>
        <translation>Tentoonstelling %1 gewijzigd</translation>
    </message>
    <message>
        <source>Ausstellung %1 gelöscht</source>
        <translation>Tentoonstelling %1 verwijderd</translation>
    </message>
    <message>
        <source>Diese Ausstellung gibt es nicht mehr.</source>
        <translation>Deze tentoonstelling bestaat niet meer.</translation>
    </message>
    <message>
        <source>Den Kanarienvogel %1 gibt es nicht im Bestand.</source>
        <translation>De kanarie %1 staat niet in het vogelbestand.</translation>
    </message>
    <message>
        <source>Bitte zuerst die Vögel auswählen.</source>
        <translation>Kies eerst de vogels.</translation>
    </message>
    <message>
        <source>Kanarienvogel %1 für %2 gemeldet</source>
        <translation>Kanarie %1 ingeschreven voor %2</translation>
    </message>
    <message>
        <source>Kollektion von %1 Kanarienvögeln für %2 gemeldet</source>
        <translation>Stam van %1 kanaries ingeschreven voor %2</translation>
    </message>
    <message>
        <source>%1 Kanarienvögel für %2 gemeldet</source>
        <translation>%1 kanaries ingeschreven voor %2</translation>
    </message>
    <message>
        <source>Die Punkte müssen zwischen 0 und 100 liegen.</source>
        <translation>De punten moeten tussen 0 en 100 liggen.</translation>
    </message>
    <message>
        <source>Meldung von %1 geändert</source>
        <translation>Inschrijving van %1 gewijzigd</translation>
    </message>
    <message>
        <source>Meldung von %1 gelöscht</source>
        <translation>Inschrijving van %1 verwijderd</translation>
    </message>
    <message>
        <source>Bitte zuerst das Datum der Ausstellung eingeben.</source>
        <translation>Voer eerst de datum van de tentoonstelling in.</translation>
    </message>
    <message>
        <source>Ergebnisse von %1 übernommen</source>
        <translation>Resultaten van %1 overgenomen</translation>
    </message>
</context>
<context>
    <name>StockFile</name>
    <message>
        <source>negative Anzahl %1</source>
        <translation>negatief aantal %1</translation>
    </message>
</context>
<context>
    <name>StockImport</name>
    <message>
        <source>„%1“ in „%2“ ist kein Datum wie 05.03.2024.</source>
        <translation>“%1” in “%2” is geen datum zoals 05.03.2024.</translation>
    </message>
    <message>
        <source>Der Verbleib „%1“ ist unbekannt (erwartet: im Bestand, verkauft, abgegeben, verstorben oder entflogen).</source>
        <translation>Het verblijf “%1” is onbekend (verwacht: in bestand, verkocht, weggegeven, gestorven of ontsnapt).</translation>
    </message>
    <message>
        <source>Der Preis „%1“ ist kein Betrag wie 45,50.</source>
        <translation>De prijs “%1” is geen bedrag zoals 45,50.</translation>
    </message>
    <message>
        <source>%1 auf %2 Zeichen gekürzt: „%3“</source>
        <translation>%1 ingekort tot %2 tekens: “%3”</translation>
    </message>
    <message>
        <source>Die Ringnummer „%1“ (%2) ist länger als %3 Zeichen.</source>
        <translation>Het ringnummer “%1” (%2) is langer dan %3 tekens.</translation>
    </message>
    <message>
        <source>Das Geschlecht „%1“ ist unbekannt (erwartet: 1.0 oder 0.1, m oder w, Hahn oder Henne).</source>
        <translation>Het geslacht “%1” is onbekend (verwacht: 1.0 of 0.1, m of w, man of pop).</translation>
    </message>
    <message>
        <source>Das Geburtsjahr „%1“ liegt nicht zwischen 1900 und 2100.</source>
        <translation>Het geboortejaar “%1” ligt niet tussen 1900 en 2100.</translation>
    </message>
    <message>
        <source>„%1“ in „Verkauft“ ist weder ja noch nein.</source>
        <translation>“%1” in “Verkocht” is noch “ja” noch “nee”.</translation>
    </message>
    <message>
        <source>%1 würde sein eigener Vorfahr.</source>
        <translation>%1 zou zijn eigen voorouder worden.</translation>
    </message>
    <message>
        <source>%1 neu, %2 geändert, %3 unverändert, %4 fehlerhaft</source>
        <translation>%1 nieuw, %2 gewijzigd, %3 ongewijzigd, %4 met fouten</translation>
    </message>
    <message>
        <source>Die Ringnummer ist leer.</source>
        <translation>Het ringnummer is leeg.</translation>
    </message>
    <message>
        <source>Die Ringnummer „%1“ ist länger als %2 Zeichen.</source>
        <translation>Het ringnummer “%1” is langer dan %2 tekens.</translation>
    </message>
    <message>
        <source>Die Ringnummer %1 steht schon in Zeile %2.</source>
        <translation>Het ringnummer %1 staat al in regel %2.</translation>
    </message>
    <message>
        <source>%1 ist nicht im Bestand.</source>
        <translation>%1 staat niet in het vogelbestand.</translation>
    </message>
    <message>
        <source>Der Name der Schau fehlt.</source>
        <translation>De naam van de tentoonstelling ontbreekt.</translation>
    </message>
    <message>
        <source>„%1“ sind keine Punkte von 0 bis 100 in halben Punkten.</source>
        <translation>“%1” zijn geen punten van 0 tot 100 in halve punten.</translation>
    </message>
    <message>
        <source>„%1“ ist keine Nummer einer Kollektion.</source>
        <translation>“%1” is geen stamnummer.</translation>
    </message>
    <message>
        <source>Dieses Ergebnis steht schon in Zeile %1.</source>
        <translation>Dit resultaat staat al in regel %1.</translation>
    </message>
    <message>
        <source>Solange eine Zeile fehlerhaft ist, wird nichts importiert.</source>
        <translation>Zolang een regel een fout bevat, wordt niets geïmporteerd.</translation>
    </message>
    <message>
        <source>Die Prüfung wurde abgebrochen; es wurde nichts importiert.</source>
        <translation>De controle is afgebroken; er is niets geïmporteerd.</translation>
    </message>
    <message>
        <source>Die Datei bringt nichts Neues.</source>
        <translation>Het bestand bevat niets nieuws.</translation>
    </message>
    <message>
        <source>Ausstellungsergebnisse importiert: %1 neu, %2 geändert</source>
        <translation>Tentoonstellingsresultaten geïmporteerd: %1 nieuw, %2 gewijzigd</translation>
    </message>
    <message>
        <source>Bestand importiert: %1 neu, %2 geändert</source>
        <translation>Vogelbestand geïmporteerd: %1 nieuw, %2 gewijzigd</translation>
    </message>
</context>
<context>
    <name>StockList</name>
    <message>
        <source>Export der Kanarienvögelbestandsliste sortiert nach Ringnummer</source>
        <translation>Kanariebestandslijst gesorteerd op ringnummer</translation>
    </message>
    <message>
        <source>Export der Kanarienvögelbestandsliste sortiert nach Geburtsdatum</source>
        <translation>Kanariebestandslijst gesorteerd op geboortedatum</translation>
    </message>
    <message>
        <source>erstellt am %1 mit %2</source>
        <extracomment>%1 is the date, %2 the program&apos;s name as a link</extracomment>
        <translation>gemaakt op %1 met %2</translation>
    </message>
    <message>
        <source>Lfd. Nr</source>
        <translation>Volgnr.</translation>
    </message>
    <message>
        <source>Ring-Nr</source>
        <translation>Ringnr.</translation>
    </message>
    <message>
        <source>Farbe</source>
        <translation>Kleur</translation>
    </message>
    <message>
        <source>Geburtsjahr</source>
        <translation>Geboortejaar</translation>
    </message>
    <message>
        <source>Art/Rasse</source>
        <translation>Soort/ras</translation>
    </message>
    <message>
        <source>Bemerkungen</source>
        <translation>Opmerkingen</translation>
    </message>
    <message>
        <source>Geschlecht</source>
        <translation>Geslacht</translation>
    </message>
    <message>
        <source>[U] </source>
        <extracomment>sex unknown, in the stock list</extracomment>
        <translation>[O] </translation>
    </message>
    <message>
        <source>[M] </source>
        <extracomment>male, in the stock list</extracomment>
        <translation>[M] </translation>
    </message>
    <message>
        <source>[W] </source>
        <extracomment>female, in the stock list</extracomment>
        <translation>[V] </translation>
    </message>
    <message>
        <source>%1-Liste</source>
        <extracomment>%1 is a breed</extracomment>
        <translation>%1-lijst</translation>
    </message>
</context>
<context>
    <name>StockListCommands</name>
    <message>
        <source>die Bestandsliste</source>
        <translation>de bestandslijst</translation>
    </message>
    <message>
        <source>Kanarienvögelbestandsliste</source>
        <translation>Kanariebestandslijst</translation>
    </message>
    <message>
        <source>Geben Sie Ihrer Bestandsliste einen Namen</source>
        <translation>Geef uw bestandslijst een naam</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde erfolgreich erstellt und enthält nun alle Kanarienvögel der aktuellen Kanarienvögelbestandsliste.</source>
        <translation>Het bestand %1 is aangemaakt en bevat nu alle kanaries van de huidige kanariebestandslijst.</translation>
    </message>
    <message>
        <source>Bestand als CSV-Datei speichern</source>
        <translation>Vogelbestand opslaan als CSV-bestand</translation>
    </message>
    <message>
        <source>Bestand.csv</source>
        <translation>Vogelbestand.csv</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde erstellt und enthält alle Kanarienvögel des Bestands.</source>
        <translation>Het bestand %1 is aangemaakt en bevat alle kanaries van het vogelbestand.</translation>
    </message>
</context>
<context>
    <name>StockListPanel</name>
    <message>
        <source>Wie soll die Kanarienvögelbestandsliste sortiert sein?</source>
        <translation>Hoe moet de kanariebestandslijst worden gesorteerd?</translation>
    </message>
    <message>
        <source>Liste zum Ausdrucken generieren</source>
        <translation>Lijst maken om af te drukken</translation>
    </message>
    <message>
        <source>Export in HTML-Datei</source>
        <translation>Exporteren naar HTML-bestand</translation>
    </message>
    <message>
        <source>Export in CSV-Datei (Tabellenkalkulation)</source>
        <translation>Exporteren naar CSV-bestand (rekenblad)</translation>
    </message>
    <message>
        <source>Ausgabe:</source>
        <translation>Uitvoer:</translation>
    </message>
    <message>
        <source>nach Ringnummer</source>
        <translation>op ringnummer</translation>
    </message>
    <message>
        <source>nach Geburtsjahr</source>
        <translation>op geboortejaar</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>StockListReport</name>
    <message>
        <source>Seite: %1</source>
        <translation>Pagina: %1</translation>
    </message>
    <message>
        <source>Ringnummer, Farbe</source>
        <translation>Ringnummer, kleur</translation>
    </message>
    <message>
        <source> Bemerkungen</source>
        <translation> Opmerkingen</translation>
    </message>
    <message>
        <source>Geschlecht, Bemerkungen</source>
        <translation>Geslacht, opmerkingen</translation>
    </message>
    <message>
        <source>Geburtsjahr, Art / Rasse</source>
        <translation>Geboortejaar, soort / ras</translation>
    </message>
    <message>
        <source>Lfd.</source>
        <translation>Volg</translation>
    </message>
    <message>
        <source>Nr.</source>
        <translation>nr.</translation>
    </message>
</context>
<context>
    <name>SystemPrinter</name>
    <message>
        <source>Der Drucker „%1“ kann nicht benutzt werden.</source>
        <translation>De printer “%1” kan niet worden gebruikt.</translation>
    </message>
    <message>
        <source>Der Drucker hat die nächste Seite nicht angenommen.</source>
        <translation>De printer heeft de volgende pagina niet aangenomen.</translation>
    </message>
    <message>
        <source>Der Druckauftrag ist fehlgeschlagen.</source>
        <translation>De afdruktaak is mislukt.</translation>
    </message>
</context>
<context>
    <name>TableReport</name>
    <message>
        <source>Seite %1</source>
        <translation>Pagina %1</translation>
    </message>
</context>
<context>
    <name>TextRules</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; is geen geldig geheel getal</translation>
    </message>
</context>
<context>
    <name>UndoButtons</name>
    <message>
        <source>Rückgängig</source>
        <translation>Ongedaan maken</translation>
    </message>
    <message>
        <source>Wiederholen</source>
        <translation>Opnieuw</translation>
    </message>
    <message>
        <source>Rückgängig: %1</source>
        <translation>Ongedaan maken: %1</translation>
    </message>
    <message>
        <source>Wiederholen: %1</source>
        <translation>Opnieuw: %1</translation>
    </message>
</context>
<context>
    <name>UsbBackupDialog</name>
    <message>
        <source>Backup auf USB-Stick oder ext. Festplatte</source>
        <translation>Back-up naar USB-stick of ext. schijf</translation>
    </message>
    <message>
        <source>Mit dieser Funktion können Sie Ihr Backup auf einen USB-Stick oder eine externe Festplatte speichern.

Wählen Sie einfach das Laufwerk aus auf welches das Backup gespeichert werden soll.

Sie benötigen Schreibrechte auf dem ausgewählten Laufwerk.</source>
        <translation>Met deze functie kunt u uw back-up opslaan op een USB-stick of een externe schijf.

Kies gewoon het station waarop de back-up moet worden opgeslagen.

U hebt schrijfrechten nodig op het gekozen station.</translation>
    </message>
    <message>
        <source>Backup auf &quot;%1&quot; ausführen</source>
        <translation>Back-up naar &quot;%1&quot; maken</translation>
    </message>
    <message>
        <source>Die Bilder werden gesichert</source>
        <translation>De foto&apos;s worden geback-upt</translation>
    </message>
    <message>
        <source>Fehler bei der Datensicherung auf USB-Stick oder externer Festplatte.</source>
        <translation>Fout bij de back-up naar USB-stick of externe schijf.</translation>
    </message>
</context>
<context>
    <name>UsbRestoreDialog</name>
    <message>
        <source>Backup von USB-Stick oder ext. Festplatte holen</source>
        <translation>Back-up van USB-stick of ext. schijf terugzetten</translation>
    </message>
    <message>
        <source>Mit dieser Funktion können Sie Ihr Backup von einem USB-Stick oder einer externen Festplatte holen.

Wählen Sie einfach das Laufwerk aus auf welchem sich das Backup befindet.

Sie benötigen Leserechte auf dem ausgewählten Laufwerk.</source>
        <translation>Met deze functie kunt u uw back-up terugzetten van een USB-stick of een externe schijf.

Kies gewoon het station waarop de back-up staat.

U hebt leesrechten nodig op het gekozen station.</translation>
    </message>
    <message>
        <source>Backup von &quot;%1&quot; holen</source>
        <translation>Back-up van &quot;%1&quot; terugzetten</translation>
    </message>
    <message>
        <source>Sicherheitsabfrage</source>
        <translation>Bevestiging</translation>
    </message>
    <message>
        <source>Beim Rückholen des Backups wird der auf dem Rechner befindliche Stand überschrieben.
<byte value="xd"/>Soll das Backup wirklich vom USB-Stick bzw. Festplatte zurückgeholt werden?</source>
        <translation>Bij het terugzetten van de back-up worden de gegevens op deze computer overschreven.
</translation>
    </message>
    <message>
        <source>Die Bilder werden zurückgeholt</source>
        <translation>De foto&apos;s worden teruggezet</translation>
    </message>
    <message>
        <source>Fehler beim Zurückholen der Datensicherung.</source>
        <translation>Fout bij het terugzetten van de back-up.</translation>
    </message>
</context>
<context>
    <name>WhereaboutsPanel</name>
    <message>
        <source>Was aus dem Vogel geworden ist</source>
        <translation>Wat er van de vogel geworden is</translation>
    </message>
    <message>
        <source>Seit wann, im Format TT.MM.JJJJ; leer, wenn unbekannt</source>
        <translation>Sinds wanneer, in de vorm DD.MM.JJJJ; leeg als onbekend</translation>
    </message>
    <message>
        <source>TT.MM.JJJJ</source>
        <translation>DD.MM.JJJJ</translation>
    </message>
    <message>
        <source>Wer den Vogel bekommen hat</source>
        <translation>Wie de vogel gekregen heeft</translation>
    </message>
    <message>
        <source>Anschrift des Käufers</source>
        <translation>Adres van de koper</translation>
    </message>
    <message>
        <source>Der Preis in Euro, etwa 45,50</source>
        <translation>De prijs in euro, bijv. 45,50</translation>
    </message>
    <message>
        <source>0,00</source>
        <translation>0,00</translation>
    </message>
    <message>
        <source>Eine Notiz zum Verbleib</source>
        <translation>Een notitie bij het verblijf</translation>
    </message>
    <message>
        <source>&amp;Verbleib:</source>
        <translation>&amp;Verblijf:</translation>
    </message>
    <message>
        <source>&amp;Datum:</source>
        <translation>&amp;Datum:</translation>
    </message>
    <message>
        <source>&amp;Käufer:</source>
        <translation>&amp;Koper:</translation>
    </message>
    <message>
        <source>&amp;Anschrift:</source>
        <translation>&amp;Adres:</translation>
    </message>
    <message>
        <source>&amp;Preis (€):</source>
        <translation>&amp;Prijs (€):</translation>
    </message>
    <message>
        <source>&amp;Notiz:</source>
        <translation>&amp;Notitie:</translation>
    </message>
    <message>
        <source>Ungültiges Datum beim Verbleib!</source>
        <translation>Ongeldige datum bij het verblijf!</translation>
    </message>
    <message>
        <source>Ungültiger Preis! Bitte den Betrag in Euro angeben, etwa 45,50.</source>
        <translation>Ongeldige prijs! Geef het bedrag in euro op, bijv. 45,50.</translation>
    </message>
</context>
<context>
    <name>WipeDatabaseDialog</name>
    <message>
        <source>neu</source>
        <comment>word typed to confirm the wipe</comment>
        <translation>nieuw</translation>
    </message>
    <message>
        <source>Komplette Datenbank löschen und neu anfangen</source>
        <translation>Volledige database wissen en opnieuw beginnen</translation>
    </message>
    <message>
        <source>! ! ! A C H T U N G ! ! !</source>
        <translation>! ! ! L E T   O P ! ! !</translation>
    </message>
    <message>
        <source>Wenn Sie die komplette Datenbank löschen fangen Sie komplett neu an. Alle Kanarienvögel und alle Zuchtpaare sind verloren (sofern Sie kein Backup erstellt haben).

Wenn Sie sicher sind und wissen was Sie tun dann schreiben Sie das Wort &quot;%1&quot; bitte in das unten stehende Feld und klicken anschließend auf OK!</source>
        <extracomment>%1 is the word the breeder types to confirm</extracomment>
        <translation>Als u de volledige database wist, begint u helemaal opnieuw. Alle kanaries en alle kweekkoppels gaan verloren (tenzij u een back-up hebt gemaakt).

Als u zeker bent en weet wat u doet, typ dan het woord &quot;%1&quot; in het veld hieronder en klik daarna op OK!</translation>
    </message>
    <message>
        <source>Bestätigungswort</source>
        <translation>Bevestigingswoord</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Die Datenbank wurde gelöscht. Was bis dahin geändert wurde, lässt sich nicht mehr rückgängig machen.</source>
        <translation>De database is gewist. Wat daarvóór is gewijzigd, kan niet meer ongedaan worden gemaakt.</translation>
    </message>
</context>
</TS>
