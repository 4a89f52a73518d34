<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="de">
<context>
    <name>AnimalChange</name>
    <message>
        <source>Die Ringnummer %1 gehört zu keinem Kanarienvogel im Bestand mehr (gelöscht). Es wurde nichts geändert.</source>
        <translation>Il numero dell&apos;anellino %1 non appartiene più a nessun canarino del parco riproduttori (eliminato). Non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>Diese Ringnummer existiert schon.</source>
        <translation>Questo numero dell&apos;anellino esiste già.</translation>
    </message>
</context>
<context>
    <name>AnimalEntry</name>
    <message>
        <source>Bitte das Geschlecht angeben.</source>
        <translation>Indicare il sesso.</translation>
    </message>
    <message>
        <source>Bitte das Geburtsjahr angeben.</source>
        <translation>Indicare l&apos;anno di nascita.</translation>
    </message>
    <message>
        <source>Bitte den Züchter angeben.</source>
        <translation>Indicare l&apos;allevatore.</translation>
    </message>
    <message>
        <source>Bitte die Zeichnung angeben (z.B. einfarbig oder gescheckt).</source>
        <translation>Indicare il disegno (ad es. unicolore o pezzato).</translation>
    </message>
    <message>
        <source>Bitte die Farbe angeben.</source>
        <translation>Indicare il colore.</translation>
    </message>
    <message>
        <source>ACHTUNG:
<byte value="xd"/>
<byte value="xd"/>Die Ringnr %1 ist bereits angelegt.</source>
        <translation>ATTENZIONE:
</translation>
    </message>
    <message>
        <source>Bitte die Ringnummer angeben.</source>
        <translation>Indicare il numero dell&apos;anellino.</translation>
    </message>
    <message>
        <source>&quot;Anfang der Ringnummer&quot; darf nicht leer sein.</source>
        <translation>&quot;Inizio del numero dell&apos;anellino&quot; non può essere vuoto.</translation>
    </message>
    <message>
        <source>Von-Feld darf nur Zahlen enthalten.</source>
        <translation>Il campo Da può contenere solo cifre.</translation>
    </message>
    <message>
        <source>Bis-Feld darf nur Zahlen enthalten.</source>
        <translation>Il campo A può contenere solo cifre.</translation>
    </message>
    <message>
        <source>Von-Feld muß kleiner als das Bis-Feld sein.</source>
        <translation>Il campo Da deve essere minore del campo A.</translation>
    </message>
    <message>
        <source>Bitte die führenden Nullen eintragen.</source>
        <translation>Inserire gli zeri iniziali.</translation>
    </message>
    <message>
        <source>Ein Bereich darf höchstens %1 Ringnummern umfassen.</source>
        <translation>Un intervallo può comprendere al massimo %1 numeri di anellino.</translation>
    </message>
    <message>
        <source>Achtung! Es gibt schon (mindestens eine) der zu generierenden Kanarienvögel. Abbruch!</source>
        <translation>Attenzione! Almeno uno dei canarini da creare esiste già. Operazione annullata!</translation>
    </message>
    <message>
        <source>Die Ringnummern wären länger als 20 Zeichen und nach dem Kürzen nicht mehr eindeutig (zum Beispiel %1). Bitte den Anfang der Ringnummer kürzen.</source>
        <translation>I numeri di anellino supererebbero i 20 caratteri e, una volta accorciati, non sarebbero più univoci (ad esempio %1). Accorciare l&apos;inizio del numero dell&apos;anellino.</translation>
    </message>
</context>
<context>
    <name>AnimalFields</name>
    <message>
        <source>Ringnummer:</source>
        <translation>Numero anellino:</translation>
    </message>
    <message>
        <source>Geschlecht:</source>
        <translation>Sesso:</translation>
    </message>
    <message>
        <source>Geburtsjahr:</source>
        <translation>Anno di nascita:</translation>
    </message>
    <message>
        <source>Züchter:</source>
        <translation>Allevatore:</translation>
    </message>
    <message>
        <source>Farbe:</source>
        <translation>Colore:</translation>
    </message>
    <message>
        <source>Zeichnung:</source>
        <translation>Disegno:</translation>
    </message>
    <message>
        <source>Art/Rasse:</source>
        <translation>Specie/razza:</translation>
    </message>
    <message>
        <source>Bemerkungen für die 
Kanarienvögelbestandsliste:</source>
        <translation>Note per l&apos;elenco del 
parco riproduttori:</translation>
    </message>
    <message>
        <source>Bemerkungen:</source>
        <translation>Note:</translation>
    </message>
</context>
<context>
    <name>AnimalGenes</name>
    <message>
        <source>%1 ist dominant und zeigt sich immer; verdeckt tragen kann es kein Vogel.</source>
        <translation>%1 è dominante e si manifesta sempre; nessun soggetto può portarlo in forma nascosta.</translation>
    </message>
    <message>
        <source>%1: an einem Genort hat ein Vogel nur zwei Anlagen.</source>
        <translation>%1: in un locus un soggetto ha solo due fattori.</translation>
    </message>
    <message>
        <source>„doppelfaktorig“ gibt es nur bei dominanten Anlagen, nicht bei %1.</source>
        <translation>“doppio fattore” esiste solo per i fattori dominanti, non per %1.</translation>
    </message>
    <message>
        <source>Eine Henne kann %1 nicht verdeckt tragen: es wird geschlechtsgebunden vererbt.</source>
        <translation>Una femmina non può essere portatrice di %1: si eredita in modo legato al sesso.</translation>
    </message>
    <message>
        <source>Eine Henne zeigt %1 und %2 nicht zugleich: beide liegen am selben Genort ihres einen Z-Chromosoms.</source>
        <translation>Una femmina non manifesta insieme %1 e %2: entrambi si trovano nello stesso locus del suo unico cromosoma Z.</translation>
    </message>
    <message>
        <source>%1 liegen am selben Genort; ein Vogel hat dort nur zwei Anlagen, und sichtbar ist nur die stärkere (etwa „achat,/satinet“).</source>
        <translation>%1 si trovano nello stesso locus; un soggetto vi ha solo due fattori e si manifesta solo il più forte (ad es. “achat,/satinet”).</translation>
    </message>
    <message>
        <source>Ein Vogel, der %1 trägt, zeigt nicht %2.</source>
        <translation>Un soggetto portatore di %1 non manifesta %2.</translation>
    </message>
    <message>
        <source>%1 und %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>„%1“ ist keine Erbanlage der Farbtabelle.</source>
        <translation>“%1” non è un fattore ereditario della tabella dei fattori.</translation>
    </message>
    <message>
        <source>„%1“ steht zweimal in den Erbanlagen.</source>
        <translation>“%1” compare due volte nei fattori ereditari.</translation>
    </message>
    <message>
        <source>In „%1“ fehlt der Name einer Anlage.</source>
        <translation>In “%1” manca il nome di un fattore.</translation>
    </message>
    <message>
        <source>Unbekannte Anlage „%1“. Bekannt sind: %2.</source>
        <translation>Fattore sconosciuto “%1”. Fattori noti: %2.</translation>
    </message>
    <message>
        <source>„%1“ ist zugleich sichtbar und spalterbig angegeben.</source>
        <translation>“%1” è indicato contemporaneamente come visivo e come portatore.</translation>
    </message>
    <message>
        <source>„%1“ ist doppelt angegeben.</source>
        <translation>“%1” è indicato due volte.</translation>
    </message>
    <message>
        <source>„%1“ ist mehr als zweimal angegeben.</source>
        <translation>“%1” è indicato più di due volte.</translation>
    </message>
    <message>
        <source>Doppelfaktorig %1 ist nicht lebensfähig; ein solcher Vogel kann kein Elterntier sein.</source>
        <translation>%1 in doppio fattore non è vitale; un soggetto simile non può essere un riproduttore.</translation>
    </message>
</context>
<context>
    <name>AnimalRecordWords</name>
    <message>
        <source>im Bestand</source>
        <translation>in allevamento</translation>
    </message>
    <message>
        <source>verkauft</source>
        <translation>venduto</translation>
    </message>
    <message>
        <source>abgegeben</source>
        <translation>ceduto</translation>
    </message>
    <message>
        <source>verstorben</source>
        <translation>morto</translation>
    </message>
    <message>
        <source>entflogen</source>
        <translation>fuggito</translation>
    </message>
    <message>
        <source>unbekannt</source>
        <translation>sconosciuto</translation>
    </message>
    <message>
        <source>nicht vorhanden</source>
        <translation>non presente</translation>
    </message>
    <message>
        <source>spalterbig</source>
        <translation>portatore</translation>
    </message>
    <message>
        <source>sichtbar</source>
        <translation>visivo</translation>
    </message>
    <message>
        <source>doppelfaktorig</source>
        <translation>doppio fattore</translation>
    </message>
</context>
<context>
    <name>AnimalRecords</name>
    <message>
        <source>Das Jahr der Ringe muss zwischen 1900 und 9999 liegen.</source>
        <translation>L&apos;anno degli anelli deve essere compreso tra 1900 e 9999.</translation>
    </message>
    <message>
        <source>Der letzte Ring darf nicht vor dem ersten liegen.</source>
        <translation>L&apos;ultimo anello non può precedere il primo.</translation>
    </message>
    <message>
        <source>Eine Lieferung umfasst höchstens 99 999 Ringe.</source>
        <translation>Una fornitura comprende al massimo 99.999 anelli.</translation>
    </message>
    <message>
        <source>Die Nummer %1 hat mehr als %2 Stellen.</source>
        <translation>Il numero %1 ha più di %2 cifre.</translation>
    </message>
    <message>
        <source>Diese Ringe überschneiden sich mit der Lieferung %1 bis %2 (%3).</source>
        <extracomment>%1 and %2 the first and last ring of a delivery entered before, %3 its year</extracomment>
        <translation>Questi anelli si sovrappongono alla fornitura da %1 a %2 (%3).</translation>
    </message>
    <message>
        <source>Hahn</source>
        <translation>Maschio</translation>
    </message>
    <message>
        <source>Henne</source>
        <translation>Femmina</translation>
    </message>
</context>
<context>
    <name>AppInfo</name>
    <message>
        <source>Avelor Abstammungsnachweis</source>
        <translation>Avelor Certificato genealogico</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the version number</extracomment>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>© Avelor – freie Software für Züchter</source>
        <translation>© Avelor – software libero per allevatori</translation>
    </message>
</context>
<context>
    <name>Backup</name>
    <message>
        <source>„%1“ kann nicht gelesen werden: %2</source>
        <translation>Impossibile leggere “%1”: %2</translation>
    </message>
    <message>
        <source>„%1“ ist beschädigt (%2).</source>
        <translation>“%1” è danneggiato (%2).</translation>
    </message>
    <message>
        <source>Der Ordner „%1“ konnte nicht angelegt werden.</source>
        <translation>Impossibile creare la cartella “%1”.</translation>
    </message>
    <message>
        <source>„%1“ konnte nicht geschrieben werden: %2</source>
        <translation>Impossibile scrivere “%1”: %2</translation>
    </message>
    <message>
        <source>„%1“ gibt es nicht.</source>
        <translation>“%1” non esiste.</translation>
    </message>
    <message>
        <source>Die bisherigen Daten konnten nicht gesichert werden, darum wurde nichts zurückgeholt: %1</source>
        <translation>Non è stato possibile salvare i dati attuali, perciò non è stato ripristinato nulla: %1</translation>
    </message>
    <message>
        <source>%1 Die Daten und Bilder sind unverändert geblieben.</source>
        <extracomment>%1 says why the pictures were not restored</extracomment>
        <translation>%1 I dati e le immagini non sono stati modificati.</translation>
    </message>
    <message>
        <source>Das Zurückholen der Bilder wurde abgebrochen.</source>
        <translation>Il ripristino delle immagini è stato annullato.</translation>
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
        <translation>Backup su chiavetta USB</translation>
    </message>
    <message>
        <source>Backup von USB-Stick holen</source>
        <translation>Ripristina backup da chiavetta USB</translation>
    </message>
    <message>
        <source>Schnelles Backup</source>
        <translation>Backup rapido</translation>
    </message>
    <message>
        <source>Schnelles Backup holen</source>
        <translation>Ripristina backup rapido</translation>
    </message>
    <message>
        <source>Komplette Datenbank löschen und neu anfangen</source>
        <translation>Cancella l&apos;intero database e ricomincia da capo</translation>
    </message>
    <message>
        <source>Bestand importieren…</source>
        <translation>Importa parco riproduttori…</translation>
    </message>
</context>
<context>
    <name>BackupMessages</name>
    <message>
        <source>Diese Bilder konnten nicht kopiert werden:
%1</source>
        <extracomment>%1 is the list of pictures, one per line</extracomment>
        <translation>Non è stato possibile copiare queste immagini:
%1</translation>
    </message>
    <message>
        <source>Die bisherige Datensicherung ist unverändert geblieben.</source>
        <translation>Il backup precedente non è stato modificato.</translation>
    </message>
    <message>
        <source>Die Datensicherung wurde abgebrochen.</source>
        <translation>Il backup è stato annullato.</translation>
    </message>
    <message>
        <source>Datensicherung wurde durchgeführt.</source>
        <translation>Il backup è stato eseguito.</translation>
    </message>
    <message>
        <source>Die Daten von vorher liegen im Ordner „%1“.</source>
        <translation>I dati precedenti si trovano nella cartella “%1”.</translation>
    </message>
    <message>
        <source>Datensicherung wurde zurückgeholt. Was bis dahin geändert wurde, lässt sich nicht mehr rückgängig machen.</source>
        <translation>Il backup è stato ripristinato. Le modifiche fatte in precedenza non possono più essere annullate.</translation>
    </message>
</context>
<context>
    <name>BreedFilter</name>
    <message>
        <source>Filter löschen</source>
        <translation>Cancella filtro</translation>
    </message>
    <message>
        <source>Rassen-Filter:</source>
        <translation>Filtro razza:</translation>
    </message>
</context>
<context>
    <name>BreederDataDialog</name>
    <message>
        <source>Züchterdaten</source>
        <translation>Dati dell&apos;allevatore</translation>
    </message>
    <message>
        <source>Geben Sie hier Ihre Züchterdaten ein. Diese
werden für den Kopf des Abstammungs-
nachweises benötigt.</source>
        <translation>Inserire qui i dati dell&apos;allevatore. Servono
per l&apos;intestazione del certificato
genealogico.</translation>
    </message>
    <message>
        <source>Vorname:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Nachname:</source>
        <translation>Cognome:</translation>
    </message>
    <message>
        <source>Anschrift:</source>
        <translation>Indirizzo:</translation>
    </message>
    <message>
        <source>PLZ &amp;&amp; Wohnort:</source>
        <translation>CAP &amp;&amp; località:</translation>
    </message>
    <message>
        <source>Telefon:</source>
        <translation>Telefono:</translation>
    </message>
    <message>
        <source>Züchternummer:</source>
        <translation>Numero allevatore:</translation>
    </message>
    <message>
        <source>Vereinsnummer:</source>
        <translation>Numero associazione:</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Salva</translation>
    </message>
</context>
<context>
    <name>BreedingCalendar</name>
    <message>
        <source>Schieren</source>
        <translation>Speratura</translation>
    </message>
    <message>
        <source>Schlupf</source>
        <translation>Schiusa</translation>
    </message>
    <message>
        <source>Beringen</source>
        <translation>Inanellamento</translation>
    </message>
    <message>
        <source>Absetzen</source>
        <translation>Svezzamento</translation>
    </message>
</context>
<context>
    <name>BreedingCalendarWindow</name>
    <message>
        <source>Zuchtkalender</source>
        <translation>Calendario della riproduzione</translation>
    </message>
    <message>
        <source>Ein Doppelklick öffnet das Zuchtpaar in der Nachwuchsverwaltung</source>
        <translation>Un doppio clic apre la coppia riproduttrice in Riproduzione e novelli</translation>
    </message>
    <message>
        <source>Fällige Arbeiten</source>
        <translation>Lavori in scadenza</translation>
    </message>
    <message>
        <source>&amp;Drucken…</source>
        <translation>&amp;Stampa…</translation>
    </message>
    <message>
        <source>Gerechnet wird mit</source>
        <translation>Calcolato con</translation>
    </message>
    <message>
        <source>&amp;Schieren nach Brutbeginn:</source>
        <translation>Spe&amp;ratura dopo l&apos;inizio della cova:</translation>
    </message>
    <message>
        <source>Sch&amp;lupf nach Brutbeginn:</source>
        <translation>Sc&amp;hiusa dopo l&apos;inizio della cova:</translation>
    </message>
    <message>
        <source>&amp;Beringen nach dem Schlupf:</source>
        <translation>&amp;Inanellamento dopo la schiusa:</translation>
    </message>
    <message>
        <source>&amp;Absetzen nach dem Schlupf:</source>
        <translation>S&amp;vezzamento dopo la schiusa:</translation>
    </message>
    <message>
        <source>&amp;Vorschau:</source>
        <translation>&amp;Previsione:</translation>
    </message>
    <message>
        <source> Tage</source>
        <translation> giorni</translation>
    </message>
    <message>
        <source>Stand %1: %2 überfällig, %3 bis zum %4 fällig.</source>
        <extracomment>%1 today, %2 overdue tasks, %3 tasks due until the date %4</extracomment>
        <translation>Situazione al %1: %2 in ritardo, %3 in scadenza entro il %4.</translation>
    </message>
    <message>
        <source>den Zuchtkalender</source>
        <translation>il calendario della riproduzione</translation>
    </message>
    <message>
        <source>Zu wenig Ringe: noch %1 frei für %2 Eier, die einen Ring brauchen werden.</source>
        <extracomment>%1 free rings of this year, %2 eggs that will need a ring</extracomment>
        <translation>Anelli insufficienti: ne restano %1 liberi per %2 uova che avranno bisogno di un anello.</translation>
    </message>
</context>
<context>
    <name>BreedingDialog</name>
    <message>
        <source>Wann wurde die Zucht gestartet?</source>
        <translation>Quando è iniziata la riproduzione?</translation>
    </message>
    <message>
        <source>Nr des Zuchtkäfigs?</source>
        <translation>Numero della gabbia da riproduzione?</translation>
    </message>
    <message>
        <source>Wer ist der Vater?</source>
        <translation>Chi è il padre?</translation>
    </message>
    <message>
        <source>Wer ist die Mutter?</source>
        <translation>Chi è la madre?</translation>
    </message>
    <message>
        <source>&lt;i&gt;im Format TT.MM.JJJJ&lt;/i&gt;</source>
        <translation>&lt;i&gt;nel formato GG.MM.AAAA&lt;/i&gt;</translation>
    </message>
    <message>
        <source>Nachwuchsverwaltung</source>
        <translation>Riproduzione e novelli</translation>
    </message>
    <message>
        <source>Hier können Sie Daten zu Zuchtpaaren hinterlegen, Gelege eingeben und das Beringen der Jungvögel vornehmen. Die Daten sind relevant für die Zuchtdatei. Um Hilfe zu erhalten einfach mit der Maus über das entsprechende Feld gehen.</source>
        <translation>Qui è possibile registrare i dati delle coppie riproduttrici, inserire le covate e inanellare i novelli. I dati fanno parte dell&apos;archivio della riproduzione. Per ottenere aiuto, basta passare con il mouse sul campo interessato.</translation>
    </message>
    <message>
        <source>Neues Zuchtpaar anlegen</source>
        <translation>Inserisci nuova coppia riproduttrice</translation>
    </message>
    <message>
        <source>Zuchtpaar anzeigen/bearbeiten</source>
        <translation>Mostra/modifica coppia riproduttrice</translation>
    </message>
    <message>
        <source>Zuchtbeginn:</source>
        <translation>Inizio riproduzione:</translation>
    </message>
    <message>
        <source>Hecke:</source>
        <translation>Gabbia da riproduzione:</translation>
    </message>
    <message>
        <source>Vogel (m) 1.0:</source>
        <translation>Soggetto (m) 1.0:</translation>
    </message>
    <message>
        <source>Vogel (w) 0.1:</source>
        <translation>Soggetto (f) 0.1:</translation>
    </message>
    <message>
        <source>Zuchtpaar anlegen</source>
        <translation>Inserisci coppia riproduttrice</translation>
    </message>
    <message>
        <source>Speichert das aktuell eingegebene Zuchtpaar.
Gelege können im nächsten Schritt eingegeben
werden.</source>
        <translation>Salva la coppia riproduttrice appena inserita.
Le covate possono essere inserite nel passo
successivo.</translation>
    </message>
    <message>
        <source>Farben der Jungen:</source>
        <translation>Colori dei novelli:</translation>
    </message>
    <message>
        <source>Welches Zuchtpaar soll angezeigt bzw. bearbeitet werden?</source>
        <translation>Quale coppia riproduttrice si vuole mostrare o modificare?</translation>
    </message>
    <message>
        <source>Keine Gelege auswählbar? 
Dann ein neues Gelege anlegen.</source>
        <translation>Nessuna covata da scegliere? 
Allora inserire una nuova covata.</translation>
    </message>
    <message>
        <source>Neues Gelege anlegen</source>
        <translation>Inserisci nuova covata</translation>
    </message>
    <message>
        <source>Legt ein neues Gelege dieses Zuchtpaares an.</source>
        <translation>Inserisce una nuova covata di questa coppia riproduttrice.</translation>
    </message>
    <message>
        <source>Zuchtpaar auswählen:</source>
        <translation>Scegli coppia riproduttrice:</translation>
    </message>
    <message>
        <source>Farben der &amp;Jungen…</source>
        <translation>Colori dei &amp;novelli…</translation>
    </message>
    <message>
        <source>Zeigt, welche Farben die Jungen dieses Paares erwarten lassen</source>
        <translation>Mostra quali colori sono da attendersi nei novelli di questa coppia</translation>
    </message>
    <message>
        <source>Bitte zuerst Hahn und Henne wählen.</source>
        <translation>Scegliere prima il maschio e la femmina.</translation>
    </message>
    <message>
        <source>Gelege auswählen:</source>
        <translation>Scegli covata:</translation>
    </message>
    <message>
        <source>Zuchtpaar speichern</source>
        <translation>Salva coppia riproduttrice</translation>
    </message>
    <message>
        <source>Speichert die Änderungen zum Zuchtpaar</source>
        <translation>Salva le modifiche alla coppia riproduttrice</translation>
    </message>
    <message>
        <source>Zuchtpaar löschen</source>
        <translation>Elimina coppia riproduttrice</translation>
    </message>
    <message>
        <source>Löscht das Zuchtpaar sowie deren Gelege und Eier. 
Evtl. daraus vorgegangene Jungtiere werden dabei 
nicht gelöscht.</source>
        <translation>Elimina la coppia riproduttrice con le sue covate e uova. 
Gli eventuali novelli nati da esse 
non vengono eliminati.</translation>
    </message>
    <message>
        <source>Gelege:</source>
        <translation>Covata:</translation>
    </message>
    <message>
        <source>Wieviele Eier wurden mit diesem Gelege gelegt?</source>
        <translation>Quante uova sono state deposte in questa covata?</translation>
    </message>
    <message>
        <source>Wann wurde das erste Ei, dass durch ein Kunststoffei ersetzt wird gelegt?</source>
        <translation>Quando è stato deposto il primo uovo (quello sostituito con un uovo finto)?</translation>
    </message>
    <message>
        <source>Wann wurde das letzte Ei des Geleges gelegt?</source>
        <translation>Quando è stato deposto l&apos;ultimo uovo della covata?</translation>
    </message>
    <message>
        <source>Wann wurden die Kunststoffeier durch die Gelege ersetzt (=Brutbeginn)?</source>
        <translation>Quando sono state sostituite le uova finte con la covata (= inizio della cova)?</translation>
    </message>
    <message>
        <source>Anzahl Eier:</source>
        <translation>Numero di uova:</translation>
    </message>
    <message>
        <source>Datum Erstes Ei:</source>
        <translation>Data primo uovo:</translation>
    </message>
    <message>
        <source>Datum Letztes Ei:</source>
        <translation>Data ultimo uovo:</translation>
    </message>
    <message>
        <source>Datum Gelege gesetzt:</source>
        <translation>Data reinserimento covata:</translation>
    </message>
    <message>
        <source>Gelege löschen</source>
        <translation>Elimina covata</translation>
    </message>
    <message>
        <source>Löscht das Gelege aus der Datenbank. 
Evtl. eingetragene Eier gehen dabei verloren.

Die Jungvögel die bei der Beringung angelegt wurden bleiben erhalten.</source>
        <translation>Elimina la covata dal database. 
Le uova eventualmente inserite vanno perse.

I novelli registrati all&apos;inanellamento vengono mantenuti.</translation>
    </message>
    <message>
        <source>Gelege speichern</source>
        <translation>Salva covata</translation>
    </message>
    <message>
        <source>Speichert das Gelege und alle Änderungen darin.</source>
        <translation>Salva la covata e tutte le relative modifiche.</translation>
    </message>
    <message>
        <source>Sind Hahn und Henne gewählt, stehen hier die Farben ihrer Jungen.</source>
        <translation>Una volta scelti il maschio e la femmina, qui compaiono i colori dei loro novelli.</translation>
    </message>
    <message>
        <source>Inzuchtkoeffizient der Jungen: %1</source>
        <translation>Coefficiente di consanguineità dei novelli: %1</translation>
    </message>
    <message>
        <source>eng verwandt</source>
        <translation>strettamente imparentati</translation>
    </message>
    <message>
        <source>eng verwandt (%1)</source>
        <translation>strettamente imparentati (%1)</translation>
    </message>
    <message>
        <source>Frage</source>
        <translation>Domanda</translation>
    </message>
    <message>
        <source>Hahn %1 und Henne %2 sind %3: Die Jungen hätten einen Inzuchtkoeffizienten von %4.

Trotzdem als Zuchtpaar speichern?</source>
        <translation>Il maschio %1 e la femmina %2 sono %3: i novelli avrebbero un coefficiente di consanguineità di %4.

Salvare comunque come coppia riproduttrice?</translation>
    </message>
    <message>
        <source>Das Zuchtpaar wurde gespeichert. Wählen Sie es nun aus um Gelege einzugeben.</source>
        <translation>La coppia riproduttrice è stata salvata. Ora selezionarla per inserire le covate.</translation>
    </message>
    <message>
        <source>Bitte wählen Sie zunächst das Zuchtpaar aus, das Sie bearbeiten möchten.</source>
        <translation>Selezionare prima la coppia riproduttrice da modificare.</translation>
    </message>
    <message>
        <source>Das Zuchtpaar wurde gespeichert.</source>
        <translation>La coppia riproduttrice è stata salvata.</translation>
    </message>
    <message>
        <source>Bitte wählen Sie zunächst das Zuchtpaar aus, das Sie löschen möchten.</source>
        <translation>Selezionare prima la coppia riproduttrice da eliminare.</translation>
    </message>
    <message>
        <source>Wählen Sie zunächst das Zuchtpaar aus, dessen Gelege Sie anlegen möchten.</source>
        <translation>Selezionare prima la coppia riproduttrice di cui si vuole inserire la covata.</translation>
    </message>
</context>
<context>
    <name>BreedingRules</name>
    <message>
        <source>Ungültiges Zuchtbeginn-Datum!</source>
        <translation>Data di inizio riproduzione non valida!</translation>
    </message>
    <message>
        <source>Ungültige Heckennummer!</source>
        <translation>Numero della gabbia da riproduzione non valido!</translation>
    </message>
    <message>
        <source>Bitte Vogel (m) 1.0 auswählen!</source>
        <translation>Selezionare il soggetto (m) 1.0!</translation>
    </message>
    <message>
        <source>Bitte Vogel (w) 0.1 auswählen!</source>
        <translation>Selezionare il soggetto (f) 0.1!</translation>
    </message>
    <message>
        <source>Gelege %1</source>
        <translation>Covata %1</translation>
    </message>
    <message>
        <source>Ungültiges Datum bei Erstes Ei!</source>
        <translation>Data del primo uovo non valida!</translation>
    </message>
    <message>
        <source>Ungültige Anzahl Eier!</source>
        <translation>Numero di uova non valido!</translation>
    </message>
    <message>
        <source>Ungültiges Datum bei Letztes Ei!</source>
        <translation>Data dell&apos;ultimo uovo non valida!</translation>
    </message>
    <message>
        <source>Ungültiges Datum bei Gelege Gesetzt!</source>
        <translation>Data di reinserimento della covata non valida!</translation>
    </message>
    <message>
        <source>ACHTUNG:
<byte value="xd"/>
<byte value="xd"/>Die Ringnr %1 ist bereits angelegt.</source>
        <translation>ATTENZIONE:
</translation>
    </message>
    <message>
        <source>Bitte die Ringnummer angeben.</source>
        <translation>Indicare il numero dell&apos;anellino.</translation>
    </message>
    <message>
        <source>Bitte das Geschlecht angeben.</source>
        <translation>Indicare il sesso.</translation>
    </message>
    <message>
        <source>Bitte das abgesetzt-Datum richtig angeben.</source>
        <translation>Indicare una data di svezzamento valida.</translation>
    </message>
    <message>
        <source>Bitte das Schlupf-Datum richtig angeben.</source>
        <translation>Indicare una data di schiusa valida.</translation>
    </message>
    <message>
        <source>Die Beringung des Ei&apos;s wurde gelöscht.
<byte value="xd"/>
<byte value="xd"/>Außerdem wurde der Vogel mit der Ringnummer %1 und die Elternbeziehungen ebenfalls wieder entfernt.<byte value="xd"/>
<byte value="xd"/>
Es kann nun eine neue Ringnummer zu diesem Ei angelegt werden.</source>
        <translation>L&apos;inanellamento dell&apos;uovo è stato eliminato.
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
        <translation>il file termina prima del previsto</translation>
    </message>
    <message>
        <source>Textlänge %1 über dem Höchstwert %2</source>
        <translation>lunghezza del testo %1 superiore al massimo %2</translation>
    </message>
    <message>
        <source>negative Anzahl %1</source>
        <translation>numero negativo %1</translation>
    </message>
    <message>
        <source>Anzahl %1 passt nicht in den Rest der Datei</source>
        <translation>il numero %1 non rientra nel resto del file</translation>
    </message>
</context>
<context>
    <name>CageCardDialog</name>
    <message>
        <source>Käfigkarten</source>
        <translation>Cartellini di gabbia</translation>
    </message>
    <message>
        <source>&amp;Zuchtpaare:</source>
        <translation>Coppie &amp;riproduttrici:</translation>
    </message>
    <message>
        <source>Eine Karte für jeden Zuchtkäfig mit Hahn, Henne, Gelegen und ihren Tagen</source>
        <translation>Un cartellino per ogni gabbia da riproduzione con maschio, femmina, covate e le loro date</translation>
    </message>
    <message>
        <source>Die Zuchtpaare, deren Karten gedruckt werden</source>
        <translation>Le coppie riproduttrici di cui si stampano i cartellini</translation>
    </message>
    <message>
        <source>Zuchtpaare</source>
        <translation>Coppie riproduttrici</translation>
    </message>
    <message>
        <source>&amp;Alle</source>
        <translation>&amp;Tutte</translation>
    </message>
    <message>
        <source>&amp;Keine</source>
        <translation>&amp;Nessuna</translation>
    </message>
    <message>
        <source>&amp;Einzelne Vögel, eine Ringnummer je Zeile:</source>
        <translation>&amp;Singoli uccelli, un numero di anellino per riga:</translation>
    </message>
    <message>
        <source>Eine Karte für jeden Vogel mit Ring, Geschlecht, Jahrgang, Farbe, Rasse und Eltern</source>
        <translation>Un cartellino per ogni uccello con anellino, sesso, anno, colore, razza e genitori</translation>
    </message>
    <message>
        <source>Die Ringnummern der Vögel, eine je Zeile</source>
        <translation>I numeri di anellino degli uccelli, uno per riga</translation>
    </message>
    <message>
        <source>Ringnummern</source>
        <translation>Numeri di anellino</translation>
    </message>
    <message>
        <source>Wie groß die Karten sind und wie viele auf ein A4-Blatt passen</source>
        <translation>Quanto sono grandi i cartellini e quanti ne stanno su un foglio A4</translation>
    </message>
    <message>
        <source>&amp;Größe:</source>
        <translation>&amp;Dimensione:</translation>
    </message>
    <message>
        <source>&amp;Vorschau</source>
        <translation>A&amp;nteprima</translation>
    </message>
    <message>
        <source>Die Karten in der Druckvorschau: drucken, als PDF oder PNG speichern</source>
        <translation>I cartellini nell&apos;anteprima di stampa: stampare, salvare come PDF o PNG</translation>
    </message>
    <message>
        <source>Bitte wählen Sie mindestens ein Zuchtpaar aus.</source>
        <translation>Scegliere almeno una coppia riproduttrice.</translation>
    </message>
    <message>
        <source>Die Ringnummer „%1“ ist nicht im Bestand.</source>
        <translation>Il numero dell&apos;anellino “%1” non è nel parco riproduttori.</translation>
    </message>
    <message>
        <source>Bitte geben Sie mindestens eine Ringnummer ein.</source>
        <translation>Inserire almeno un numero di anellino.</translation>
    </message>
    <message>
        <source>die Käfigkarten</source>
        <translation>i cartellini di gabbia</translation>
    </message>
    <message>
        <source>Käfigkarten</source>
        <comment>file name of the printed cage cards</comment>
        <translation>Cartellini di gabbia</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>CageCardReport</name>
    <message>
        <source>Hahn</source>
        <translation>Maschio</translation>
    </message>
    <message>
        <source>Henne</source>
        <translation>Femmina</translation>
    </message>
    <message>
        <source>Geschlecht unbekannt</source>
        <translation>Sesso sconosciuto</translation>
    </message>
    <message>
        <source>nicht im Bestand</source>
        <translation>non è nel parco riproduttori</translation>
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
        <translation>Maschio: %1</translation>
    </message>
    <message>
        <source>Henne: %1</source>
        <translation>Femmina: %1</translation>
    </message>
    <message>
        <source>Zuchtbeginn: %1</source>
        <translation>Inizio riproduzione: %1</translation>
    </message>
    <message>
        <source>%1, Jahrgang %2</source>
        <extracomment>The sex and the year of hatching on a bird&apos;s cage card.</extracomment>
        <translation>%1, anno %2</translation>
    </message>
    <message>
        <source>Farbe: %1</source>
        <translation>Colore: %1</translation>
    </message>
    <message>
        <source>Rasse: %1</source>
        <translation>Razza: %1</translation>
    </message>
    <message>
        <source>Vater: %1</source>
        <translation>Padre: %1</translation>
    </message>
    <message>
        <source>Mutter: %1</source>
        <translation>Madre: %1</translation>
    </message>
    <message>
        <source>Gelege</source>
        <translation>Covata</translation>
    </message>
    <message>
        <source>1. Ei</source>
        <translation>1° uovo</translation>
    </message>
    <message>
        <source>Schieren</source>
        <translation>Speratura</translation>
    </message>
    <message>
        <source>Schlupf</source>
        <translation>Schiusa</translation>
    </message>
    <message>
        <source>Beringen</source>
        <translation>Inanellamento</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>The rings of one clutch&apos;s young: the clutch&apos;s number, then the rings.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Junge: %1</source>
        <translation>Novelli: %1</translation>
    </message>
    <message>
        <source>Notizen:</source>
        <translation>Note:</translation>
    </message>
    <message>
        <source>A6 (105 × 148 mm, 4 je Blatt)</source>
        <translation>A6 (105 × 148 mm, 4 per foglio)</translation>
    </message>
    <message>
        <source>A7 quer (105 × 74 mm, 8 je Blatt)</source>
        <translation>A7 orizzontale (105 × 74 mm, 8 per foglio)</translation>
    </message>
    <message>
        <source>Karte (85 × 55 mm, 10 je Blatt)</source>
        <translation>Biglietto (85 × 55 mm, 10 per foglio)</translation>
    </message>
</context>
<context>
    <name>CertificateCommands</name>
    <message>
        <source>Bitte den Kanarienvogel auswählen.</source>
        <translation>Selezionare il canarino.</translation>
    </message>
    <message>
        <source>den Abstammungsnachweis</source>
        <translation>il certificato genealogico</translation>
    </message>
    <message>
        <source>Abstammungsnachweis %1</source>
        <translation>Certificato genealogico %1</translation>
    </message>
    <message>
        <source>das Stammblatt</source>
        <translation>la scheda del soggetto</translation>
    </message>
    <message>
        <source>Stammblatt %1</source>
        <translation>Scheda del soggetto %1</translation>
    </message>
    <message>
        <source>Stammbaum als Datei speichern</source>
        <translation>Salva genealogia come file</translation>
    </message>
    <message>
        <source>Stammbaum %1.json</source>
        <translation>Genealogia %1.json</translation>
    </message>
    <message>
        <source>Die Stammbaumdatei %1 wurde erstellt. Der Käufer liest sie mit „Bestand importieren…“ ein.</source>
        <translation>Il file genealogico %1 è stato creato. L&apos;acquirente lo carica con “Importa parco riproduttori…”.</translation>
    </message>
</context>
<context>
    <name>ChangeAnimalDialog</name>
    <message>
        <source>Bitte zuerst den Kanarienvogel in der Liste anklicken.</source>
        <translation>Fare prima clic sul canarino nell&apos;elenco.</translation>
    </message>
    <message>
        <source>Kanarienvogel auswählen:</source>
        <translation>Scegli canarino:</translation>
    </message>
    <message>
        <source>Ein Doppelklick zeigt den Abstammungsnachweis an.</source>
        <translation>Un doppio clic mostra il certificato genealogico.</translation>
    </message>
    <message>
        <source>Ringnummer</source>
        <translation>Numero anellino</translation>
    </message>
    <message>
        <source>Geburtsjahr</source>
        <translation>Anno di nascita</translation>
    </message>
    <message>
        <source>Sortierung:</source>
        <translation>Ordinamento:</translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation>Filtro:</translation>
    </message>
    <message>
        <source>&amp;Stammdaten</source>
        <translation>&amp;Dati principali</translation>
    </message>
    <message>
        <source>&amp;Verbleib</source>
        <translation>Desti&amp;nazione</translation>
    </message>
    <message>
        <source>&amp;Ausstellungen</source>
        <translation>&amp;Mostre</translation>
    </message>
    <message>
        <source>&amp;Erbanlagen</source>
        <translation>&amp;Fattori ereditari</translation>
    </message>
    <message>
        <source>Kanarienvogel ändern</source>
        <translation>Modifica canarino</translation>
    </message>
    <message>
        <source>Nachkommen anzeigen</source>
        <translation>Mostra discendenti</translation>
    </message>
    <message>
        <source>Kanarienvogel verkauft oder gelöscht</source>
        <translation>Canarino venduto o eliminato</translation>
    </message>
    <message>
        <source>Kanarienvogel verkauft oder gelöscht (wird in der Auswahlliste, der Kanarienvögelbestandsliste und in den Elternbeziehungen nicht mehr zur Auswahl angeboten.)</source>
        <translation>Canarino venduto o eliminato (non viene più proposto nell&apos;elenco di selezione, nell&apos;elenco del parco riproduttori e nei collegamenti ai genitori.)</translation>
    </message>
    <message>
        <source>Idealerweise 170x120 Pixel</source>
        <translation>Idealmente 170x120 pixel</translation>
    </message>
    <message>
        <source>Bild auswählen</source>
        <translation>Scegli immagine</translation>
    </message>
    <message>
        <source>Bild löschen</source>
        <translation>Elimina immagine</translation>
    </message>
    <message>
        <source>Gefundene Kanarienvögel (Kanarienvögel ändern Modus)</source>
        <translation>Canarini trovati (modalità modifica canarini)</translation>
    </message>
    <message>
        <source>Kanarienvögel ändern</source>
        <translation>Modifica canarini</translation>
    </message>
    <message>
        <source>den Kanarienvogel anklicken um mit dem Ändern zu beginnen.</source>
        <translation>fare clic sul canarino per iniziare a modificarlo.</translation>
    </message>
    <message>
        <source>Inzuchtkoeffizient: %1</source>
        <translation>Coefficiente di consanguineità: %1</translation>
    </message>
    <message>
        <source> (Schleife in den Elternbeziehungen übergangen)</source>
        <translation> (ciclo nei collegamenti ai genitori ignorato)</translation>
    </message>
    <message>
        <source>Bitte den Kanarienvogel ändern und danach auf &quot;Kanarienvogel ändern&quot; klicken.</source>
        <translation>Modificare il canarino e poi fare clic su &quot;Modifica canarino&quot;.</translation>
    </message>
    <message>
        <source>Die Erbanlagen passen nicht zusammen: %1</source>
        <translation>I fattori ereditari non sono coerenti: %1</translation>
    </message>
    <message>
        <source>Frage</source>
        <translation>Domanda</translation>
    </message>
    <message>
        <source>%1 Verweise (Eltern, Zuchtpaare, Jungtiere) nennen noch die bisherige Ringnummer %2. Sollen sie auf die neue Ringnummer %3 geändert werden?</source>
        <translation>%1 riferimenti (genitori, coppie riproduttrici, novelli) indicano ancora il vecchio numero dell&apos;anellino %2. Modificarli con il nuovo numero dell&apos;anellino %3?</translation>
    </message>
    <message>
        <source>Bild wurde gespeichert.</source>
        <translation>L&apos;immagine è stata salvata.</translation>
    </message>
    <message>
        <source>Stan&amp;dort</source>
        <translation>Posi&amp;zione</translation>
    </message>
</context>
<context>
    <name>Choices</name>
    <message>
        <source>unbekannt</source>
        <comment>sex</comment>
        <translation>sconosciuto</translation>
    </message>
    <message>
        <source>männlich</source>
        <translation>maschio</translation>
    </message>
    <message>
        <source>weiblich</source>
        <translation>femmina</translation>
    </message>
</context>
<context>
    <name>ColourCalculator</name>
    <message>
        <source>%1 doppelfaktorig</source>
        <extracomment>%1 is a colour word</extracomment>
        <translation>%1 doppio fattore</translation>
    </message>
    <message>
        <source>%1 einfaktorig</source>
        <translation>%1 singolo fattore</translation>
    </message>
    <message>
        <source>%1 der befruchteten Eier sterben ab: doppelfaktorig %2 ist nicht lebensfähig.</source>
        <translation>Il %1 delle uova fecondate muore: %2 in doppio fattore non è vitale.</translation>
    </message>
    <message>
        <source> und </source>
        <translation> e </translation>
    </message>
    <message>
        <source>%1 der befruchteten Eier sterben ab.</source>
        <translation>Il %1 delle uova fecondate muore.</translation>
    </message>
    <message>
        <source>%1 folgt keinem einfachen Erbgang; dafür werden keine Anteile berechnet.</source>
        <translation>%1 non segue un&apos;ereditarietà semplice; per questo fattore non vengono calcolate proporzioni.</translation>
    </message>
    <message>
        <source>Ob %1 beim Hahn auf einem Z-Chromosom liegen oder auf je einem, ist unbekannt; beide Lagen sind je zur Hälfte gerechnet.</source>
        <translation>Non è noto se nel maschio %1 si trovino sullo stesso cromosoma Z o ciascuno su un cromosoma diverso; entrambe le fasi sono calcolate per metà.</translation>
    </message>
    <message>
        <source>Anlagen, die nur wahrscheinlich sind, sind mit ihrer Wahrscheinlichkeit gerechnet.</source>
        <translation>I fattori solo probabili sono calcolati secondo la loro probabilità.</translation>
    </message>
    <message>
        <source>Hahn</source>
        <translation>Maschio</translation>
    </message>
    <message>
        <source>Henne</source>
        <translation>Femmina</translation>
    </message>
</context>
<context>
    <name>ColourCheck</name>
    <message>
        <source>%1 zeigt %2, aber ihr Vater %3 ist als frei von %2 eingetragen.</source>
        <translation>%1 manifesta %2, ma suo padre %3 è registrato come privo di %2.</translation>
    </message>
    <message>
        <source>%1 zeigt %2, aber sein Vater %3 ist als frei von %2 eingetragen.</source>
        <translation>%1 manifesta %2, ma suo padre %3 è registrato come privo di %2.</translation>
    </message>
    <message>
        <source>%1 zeigt %2, aber ihre Mutter %3 ist als frei von %2 eingetragen.</source>
        <translation>%1 manifesta %2, ma sua madre %3 è registrata come priva di %2.</translation>
    </message>
    <message>
        <source>%1 zeigt %2, aber seine Mutter %3 ist als frei von %2 eingetragen.</source>
        <translation>%1 manifesta %2, ma sua madre %3 è registrata come priva di %2.</translation>
    </message>
    <message>
        <source>%1 ist als frei von %2 eingetragen, aber ihr Vater %3 zeigt %2.</source>
        <translation>%1 è registrata come priva di %2, ma suo padre %3 manifesta %2.</translation>
    </message>
    <message>
        <source>%1 ist als frei von %2 eingetragen, aber sein Vater %3 zeigt %2.</source>
        <translation>%1 è registrato come privo di %2, ma suo padre %3 manifesta %2.</translation>
    </message>
    <message>
        <source>%1 ist als frei von %2 eingetragen, aber ihre Mutter %3 zeigt %2.</source>
        <translation>%1 è registrata come priva di %2, ma sua madre %3 manifesta %2.</translation>
    </message>
    <message>
        <source>%1 ist als frei von %2 eingetragen, aber seine Mutter %3 zeigt %2.</source>
        <translation>%1 è registrato come privo di %2, ma sua madre %3 manifesta %2.</translation>
    </message>
    <message>
        <source>Die Erbanlagen von %1 widersprechen sich: %2</source>
        <translation>I fattori ereditari di %1 si contraddicono: %2</translation>
    </message>
    <message>
        <source>%1 zeigt %2, aber Vater %3 und Mutter %4 sind als frei davon eingetragen.</source>
        <translation>%1 manifesta %2, ma il padre %3 e la madre %4 sono registrati come privi di questo fattore.</translation>
    </message>
</context>
<context>
    <name>ColourFactors</name>
    <message>
        <source>Braun (Eumelanin braun statt schwarz)</source>
        <translation>Bruno (eumelanina bruna invece che nera)</translation>
    </message>
    <message>
        <source>geschlechtsgebunden rezessiv</source>
        <translation>recessivo legato al sesso</translation>
    </message>
    <message>
        <source>braun</source>
        <translation>bruno</translation>
    </message>
    <message>
        <source>Braun</source>
        <translation>Bruno</translation>
    </message>
    <message>
        <source>Verdünnung (Achat, Satinet)</source>
        <translation>Diluizione (agata, satiné)</translation>
    </message>
    <message>
        <source>achat</source>
        <translation>agata</translation>
    </message>
    <message>
        <source>Achat</source>
        <translation>Agata</translation>
    </message>
    <message>
        <source>satinet</source>
        <translation>satiné</translation>
    </message>
    <message>
        <source>Satinet</source>
        <translation>Satiné</translation>
    </message>
    <message>
        <source>Pastell (Grauflügel)</source>
        <translation>Pastello (ali grigie)</translation>
    </message>
    <message>
        <source>pastell</source>
        <translation>pastello</translation>
    </message>
    <message>
        <source>Pastell</source>
        <translation>Pastello</translation>
    </message>
    <message>
        <source>grauflügel</source>
        <translation>ali grigie</translation>
    </message>
    <message>
        <source>Grauflügel</source>
        <translation>Ali grigie</translation>
    </message>
    <message>
        <source>Elfenbein</source>
        <translation>Avorio</translation>
    </message>
    <message>
        <source>elfenbein</source>
        <translation>avorio</translation>
    </message>
    <message>
        <source>rezessiv Weiß</source>
        <translation>bianco recessivo</translation>
    </message>
    <message>
        <source>autosomal rezessiv</source>
        <translation>autosomico recessivo</translation>
    </message>
    <message>
        <source>rezessiv weiß</source>
        <translation>bianco recessivo</translation>
    </message>
    <message>
        <source>Opal und Onyx</source>
        <translation>Opale e onice</translation>
    </message>
    <message>
        <source>opal</source>
        <translation>opale</translation>
    </message>
    <message>
        <source>Opal</source>
        <translation>Opale</translation>
    </message>
    <message>
        <source>onyx</source>
        <translation>onice</translation>
    </message>
    <message>
        <source>Onyx</source>
        <translation>Onice</translation>
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
        <translation>Topazio</translation>
    </message>
    <message>
        <source>topas</source>
        <translation>topazio</translation>
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
        <translation>Cobalto</translation>
    </message>
    <message>
        <source>kobalt</source>
        <translation>cobalto</translation>
    </message>
    <message>
        <source>dominant Weiß</source>
        <translation>bianco dominante</translation>
    </message>
    <message>
        <source>autosomal dominant</source>
        <translation>autosomico dominante</translation>
    </message>
    <message>
        <source>dominant weiß</source>
        <translation>bianco dominante</translation>
    </message>
    <message>
        <source>Haube</source>
        <translation>Ciuffo</translation>
    </message>
    <message>
        <source>haube</source>
        <translation>ciuffo</translation>
    </message>
    <message>
        <source>Intensiv</source>
        <translation>Intenso</translation>
    </message>
    <message>
        <source>intensiv</source>
        <translation>intenso</translation>
    </message>
    <message>
        <source>Jaspis (Jaspe)</source>
        <translation>Jaspe</translation>
    </message>
    <message>
        <source>autosomal unvollständig dominant</source>
        <translation>autosomico a dominanza incompleta</translation>
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
        <translation>Fondo rosso</translation>
    </message>
    <message>
        <source>kein einfacher Erbgang</source>
        <translation>nessuna ereditarietà semplice</translation>
    </message>
    <message>
        <source>rotgrund</source>
        <translation>fondo rosso</translation>
    </message>
    <message>
        <source>Mosaik</source>
        <translation>Mosaico</translation>
    </message>
    <message>
        <source>mosaik</source>
        <translation>mosaico</translation>
    </message>
    <message>
        <source>Schwarz</source>
        <translation>Nero</translation>
    </message>
    <message>
        <source>Isabell</source>
        <translation>Isabella</translation>
    </message>
    <message>
        <source>Achat-Satinet</source>
        <translation>Agata satiné</translation>
    </message>
    <message>
        <source>Isabell-Satinet</source>
        <translation>Isabella satiné</translation>
    </message>
</context>
<context>
    <name>ColourWindow</name>
    <message>
        <source>(Anlagen von Hand)</source>
        <translation>(fattori a mano)</translation>
    </message>
    <message>
        <source>Farbvererbung</source>
        <translation>Ereditarietà del colore</translation>
    </message>
    <message>
        <source>Trägt der Hahn braun und eine Verdünnung verdeckt, ob beide auf einem Z-Chromosom liegen oder auf je einem</source>
        <translation>Se il maschio è portatore di bruno e di una diluizione: se entrambi si trovano sullo stesso cromosoma Z o ciascuno su un cromosoma diverso</translation>
    </message>
    <message>
        <source>unbekannt: je zur Hälfte gerechnet</source>
        <translation>sconosciuto: calcolato per metà ciascuno</translation>
    </message>
    <message>
        <source>auf einem Z-Chromosom</source>
        <translation>sullo stesso cromosoma Z</translation>
    </message>
    <message>
        <source>auf je einem Z-Chromosom</source>
        <translation>ciascuno su un cromosoma Z</translation>
    </message>
    <message>
        <source>&amp;Wahrscheinliche Anlagen mitrechnen</source>
        <translation>Includi fattori &amp;probabili</translation>
    </message>
    <message>
        <source>Anlagen, die der Stammbaum nur wahrscheinlich macht, mit ihrer Wahrscheinlichkeit rechnen</source>
        <translation>Calcolare con la loro probabilità i fattori che la genealogia rende solo probabili</translation>
    </message>
    <message>
        <source>&amp;Crossing-over braun/Verdünnung:</source>
        <translation>&amp;Crossing-over bruno/diluizione:</translation>
    </message>
    <message>
        <source>&amp;Lage beim Hahn:</source>
        <translation>&amp;Fase nel maschio:</translation>
    </message>
    <message>
        <source>Erwartete Jungen:</source>
        <translation>Novelli attesi:</translation>
    </message>
    <message>
        <source>Hahn</source>
        <translation>Maschio</translation>
    </message>
    <message>
        <source>Henne</source>
        <translation>Femmina</translation>
    </message>
    <message>
        <source>Ein Vogel aus dem Bestand, oder „%1“ für Anlagen zum Eintragen</source>
        <translation>Un soggetto del parco riproduttori, oppure “%1” per inserire i fattori</translation>
    </message>
    <message>
        <source>&amp;Hahn:</source>
        <translation>&amp;Maschio:</translation>
    </message>
    <message>
        <source>H&amp;enne:</source>
        <translation>F&amp;emmina:</translation>
    </message>
    <message>
        <source>Anlagen von Hand: bitte oben wählen.</source>
        <translation>Fattori a mano: sceglierli sopra.</translation>
    </message>
    <message>
        <source>Der Stammbaum belegt keine verdeckten Anlagen.</source>
        <translation>La genealogia non attesta fattori nascosti.</translation>
    </message>
    <message>
        <source>Wie oft ein Hahn, der braun und eine Verdünnung trägt, beide durch Crossing-over getrennt weitergibt. Der vorgegebene Wert ist vorläufig: tragen Sie ein, was Sie im eigenen Bestand sehen.</source>
        <translation>Con quale frequenza un maschio portatore di bruno e di una diluizione li trasmette separati per crossing-over. Il valore predefinito è provvisorio: inserire ciò che si osserva nel proprio allevamento.</translation>
    </message>
</context>
<context>
    <name>CsvExport</name>
    <message>
        <source>Erbanlagen laut Stammbaum</source>
        <translation>Fattori ereditari secondo la genealogia</translation>
    </message>
    <message>
        <source>Punkte der Kollektion</source>
        <translation>Punti dello stamm</translation>
    </message>
    <message>
        <source>Zuchtpaar</source>
        <translation>Coppia riproduttrice</translation>
    </message>
    <message>
        <source>Hahn</source>
        <translation>Maschio</translation>
    </message>
    <message>
        <source>Henne</source>
        <translation>Femmina</translation>
    </message>
    <message>
        <source>Hecke</source>
        <translation>Gabbia da riproduzione</translation>
    </message>
    <message>
        <source>Zuchtbeginn</source>
        <translation>Inizio riproduzione</translation>
    </message>
    <message>
        <source>Gelege</source>
        <translation>Covata</translation>
    </message>
    <message>
        <source>Erstes Ei</source>
        <translation>Primo uovo</translation>
    </message>
    <message>
        <source>Letztes Ei</source>
        <translation>Ultimo uovo</translation>
    </message>
    <message>
        <source>Gelege gesetzt</source>
        <translation>Covata reinserita</translation>
    </message>
    <message>
        <source>Anzahl Eier</source>
        <translation>Numero di uova</translation>
    </message>
    <message>
        <source>Ei</source>
        <translation>Uovo</translation>
    </message>
    <message>
        <source>Ring</source>
        <translation>Anellino</translation>
    </message>
    <message>
        <source>Geschlüpft</source>
        <translation>Schiuso</translation>
    </message>
    <message>
        <source>Abgesetzt</source>
        <translation>Svezzato</translation>
    </message>
</context>
<context>
    <name>DataCheck</name>
    <message>
        <source>Vater %1 von %2 gibt es nicht im Bestand.</source>
        <extracomment>%1 is the parent&apos;s ring, %2 the child&apos;s</extracomment>
        <translation>Il padre %1 di %2 non è nel parco riproduttori.</translation>
    </message>
    <message>
        <source>Mutter %1 von %2 gibt es nicht im Bestand.</source>
        <translation>La madre %1 di %2 non è nel parco riproduttori.</translation>
    </message>
    <message>
        <source>Der Vater %1 von %2 ist weiblich.</source>
        <translation>Il padre %1 di %2 è femmina.</translation>
    </message>
    <message>
        <source>Die Mutter %1 von %2 ist männlich.</source>
        <translation>La madre %1 di %2 è maschio.</translation>
    </message>
    <message>
        <source>Vater %1 (Jahrgang %2) ist jünger als sein Kind %3 (Jahrgang %4).</source>
        <extracomment>%1 is the parent&apos;s ring, %2 its year, %3 the child&apos;s ring, %4 its year</extracomment>
        <translation>Il padre %1 (anno %2) è più giovane del suo figlio %3 (anno %4).</translation>
    </message>
    <message>
        <source>Mutter %1 (Jahrgang %2) ist jünger als ihr Kind %3 (Jahrgang %4).</source>
        <translation>La madre %1 (anno %2) è più giovane del suo figlio %3 (anno %4).</translation>
    </message>
    <message>
        <source>%1 aktive Tiere tragen dieselbe Ringnummer: %2.</source>
        <translation>%1 soggetti attivi portano lo stesso numero di anellino: %2.</translation>
    </message>
    <message>
        <source>Diese Tiere sind ihre eigenen Vorfahren: %1.</source>
        <translation>Questi soggetti sono antenati di sé stessi: %1.</translation>
    </message>
    <message>
        <source>Zuchtpaar %1: Den Hahn %2 gibt es nicht im Bestand.</source>
        <translation>Coppia riproduttrice %1: il maschio %2 non è nel parco riproduttori.</translation>
    </message>
    <message>
        <source>Zuchtpaar %1: Die Henne %2 gibt es nicht im Bestand.</source>
        <translation>Coppia riproduttrice %1: la femmina %2 non è nel parco riproduttori.</translation>
    </message>
    <message>
        <source>Zuchtpaar %1, Gelege %2, Ei %3: Den Jungvogel %4 gibt es nicht im Bestand.</source>
        <translation>Coppia riproduttrice %1, covata %2, uovo %3: il novello %4 non è nel parco riproduttori.</translation>
    </message>
    <message>
        <source>Das Bild %1 gehört zu keinem Tier.</source>
        <translation>L&apos;immagine %1 non appartiene a nessun soggetto.</translation>
    </message>
    <message>
        <source>Zu %1 gibt es Zusatzdaten (Verbleib, Ausstellungen oder Erbanlagen), aber kein Tier im Bestand trägt diese Ringnummer.</source>
        <translation>Per %1 esistono dati aggiuntivi (destinazione, mostre o fattori ereditari), ma nessun soggetto del parco riproduttori porta questo numero di anellino.</translation>
    </message>
</context>
<context>
    <name>DataCheckDialog</name>
    <message>
        <source>Datenprüfung</source>
        <translation>Controllo dei dati</translation>
    </message>
    <message>
        <source>Gefundenes</source>
        <translation>Risultati</translation>
    </message>
    <message>
        <source>Keine Auffälligkeiten gefunden.</source>
        <translation>Non è stato trovato nulla di anomalo.</translation>
    </message>
    <message>
        <source>%1 Auffälligkeiten gefunden:</source>
        <translation>Trovate %1 anomalie:</translation>
    </message>
</context>
<context>
    <name>DataFiles</name>
    <message>
        <source>Ihre Version der Datenbank ist mit dieser Version nicht kompatibel. Bitte kontaktieren Sie den Autor unter %1. Die Daten können dann ins neue Format konvertiert werden.</source>
        <extracomment>%1 is the program&apos;s web page</extracomment>
        <translation>La versione del database non è compatibile con questa versione. Contattare l&apos;autore all&apos;indirizzo %1. I dati potranno poi essere convertiti nel nuovo formato.</translation>
    </message>
    <message>
        <source>Die Datei %1 ist vorhanden, kann aber nicht gelesen werden: %2

An ihr wurde nichts geändert. Bitte prüfen Sie, ob Sie diese Datei lesen dürfen (Zugriffsrechte) und ob der Datenträger in Ordnung ist.</source>
        <translation>Il file %1 esiste, ma non può essere letto: %2

Non è stato modificato nulla. Verificare di avere il permesso di leggere questo file (diritti di accesso) e che il supporto dati funzioni correttamente.</translation>
    </message>
    <message>
        <source>Die Datei %1 ist beschädigt und konnte nicht vollständig gelesen werden (%2).

%3</source>
        <extracomment>%1 is the file, %2 what is wrong with it, %3 what was read of it</extracomment>
        <translation>Il file %1 è danneggiato e non è stato possibile leggerlo completamente (%2).

%3</translation>
    </message>
    <message>
        <source>

Eine Kopie der Originaldatei konnte nicht angelegt werden: %1 Die Datei wird erst überschrieben, wenn diese Kopie beim Speichern gelingt.</source>
        <translation>

Non è stato possibile creare una copia del file originale: %1 Il file non verrà sovrascritto finché questa copia non riuscirà durante il salvataggio.</translation>
    </message>
    <message>
        <source>

Die Originaldatei wurde unverändert aufbewahrt als %1.</source>
        <translation>

Il file originale è stato conservato senza modifiche come %1.</translation>
    </message>
    <message>
        <source>

Das Programm arbeitet mit den zuletzt vollständig gespeicherten Daten und versucht es beim nächsten Speichern noch einmal.</source>
        <translation>

Il programma lavora con gli ultimi dati salvati completamente e riproverà al prossimo salvataggio.</translation>
    </message>
    <message>
        <source>Gelesen wurden %1 von %2 Kanarienvögel. Das Programm arbeitet mit den gelesenen Daten weiter.</source>
        <translation>Sono stati letti %1 canarini su %2. Il programma prosegue con i dati letti.</translation>
    </message>
    <message>
        <source>Die Zuchtpaare wurden nicht geladen; das Programm beginnt mit einer leeren Zuchtpaar-Liste.</source>
        <translation>Le coppie riproduttrici non sono state caricate; il programma inizia con un elenco di coppie riproduttrici vuoto.</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde nicht gespeichert, weil von der beim Start beschädigten Datei keine Kopie angelegt werden kann: %2</source>
        <translation>Il file %1 non è stato salvato perché non è possibile creare una copia del file danneggiato all&apos;avvio: %2</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht gespeichert werden: %2

Die bisherige Datei ist unverändert geblieben.</source>
        <translation>Impossibile salvare il file %1: %2

Il file precedente non è stato modificato.</translation>
    </message>
</context>
<context>
    <name>DataFolder</name>
    <message>
        <source>Auf dem Datenträger des Datenordners „%1“ ist kaum noch Platz frei (%2). Ein Speichern braucht etwa %3; Ihre Änderungen könnten dann nicht gespeichert werden.

Bitte schaffen Sie Platz, etwa indem Sie nicht mehr benötigte Dateien löschen. Die bisherigen Daten bleiben dabei in jedem Fall erhalten.</source>
        <translation>Sul supporto dati della cartella dati “%1” non c&apos;è quasi più spazio libero (%2). Un salvataggio richiede circa %3; le modifiche potrebbero quindi non essere salvate.

Liberare spazio, ad esempio eliminando i file non più necessari. I dati esistenti vengono comunque conservati.</translation>
    </message>
</context>
<context>
    <name>DataFolderLock</name>
    <message>
        <source>Im Datenordner %1 darf Avelor nichts ändern: Der Ordner oder der Datenträger ist schreibgeschützt. So könnte keine Änderung gespeichert werden; darum startet das Programm nicht.

Bitte geben Sie den Ordner zum Schreiben frei (Zugriffsrechte) und starten Sie Avelor danach neu.</source>
        <translation>Avelor non può modificare nulla nella cartella dati %1: la cartella o il supporto dati è protetto da scrittura. Nessuna modifica potrebbe essere salvata, perciò il programma non si avvia.

Consentire la scrittura nella cartella (diritti di accesso) e poi riavviare Avelor.</translation>
    </message>
    <message>
        <source>Auf dem Datenträger des Datenordners %1 ist kein Platz mehr frei. So könnte keine Änderung gespeichert werden; darum startet das Programm nicht.

Bitte schaffen Sie Platz (etwa indem Sie nicht mehr benötigte Dateien löschen) und starten Sie Avelor danach neu.</source>
        <translation>Sul supporto dati della cartella dati %1 non c&apos;è più spazio libero. Nessuna modifica potrebbe essere salvata, perciò il programma non si avvia.

Liberare spazio (ad esempio eliminando i file non più necessari) e poi riavviare Avelor.</translation>
    </message>
    <message>
        <source>Der Datenordner %1 kann nicht benutzt werden: %2</source>
        <translation>Impossibile usare la cartella dati %1: %2</translation>
    </message>
    <message>
        <source>Avelor ist für diese Daten bereits geöffnet.

Bitte arbeiten Sie in dem Fenster weiter, das schon offen ist (es kann hinter anderen Fenstern liegen oder in der Taskleiste stecken), oder beenden Sie es dort mit „Alles speichern und Programm beenden“ und starten Sie Avelor danach neu. So gehen keine Änderungen verloren.</source>
        <translation>Avelor è già aperto per questi dati.

Continuare a lavorare nella finestra già aperta (può trovarsi dietro altre finestre o nella barra delle applicazioni), oppure chiuderla con “Salva tutto ed esci” e poi riavviare Avelor. In questo modo nessuna modifica va persa.</translation>
    </message>
</context>
<context>
    <name>DeleteAnimalDialog</name>
    <message>
        <source>Kanarienvögel löschen</source>
        <translation>Elimina canarini</translation>
    </message>
    <message>
        <source>Wählen Sie den Kanarienvogel, d. Sie 
löschen möchten aus und klicken 
Sie auf &quot;Löschen&quot;.</source>
        <translation>Scegliere il canarino da 
eliminare e fare clic 
su &quot;Elimina&quot;.</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Elimina</translation>
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
        <translation>Usare questa opzione per togliere
un soggetto dall&apos;elenco attivo
del parco riproduttori. Il record
non viene cancellato, ma resta
presente in background. Semplicemente
non compare più nell&apos;elenco di
selezione per la stampa di un
certificato genealogico.

Utile, ad esempio, per &quot;eliminare&quot;
i canarini morti e mantenere
l&apos;elenco ordinato. Il soggetto
eliminato resta comunque
nei record dei collegamenti
ai genitori.</translation>
    </message>
    <message>
        <source>Bitte erst den Kanarienvogel auswählen, dann auf löschen klicken.</source>
        <translation>Scegliere prima il canarino, poi fare clic su Elimina.</translation>
    </message>
</context>
<context>
    <name>DescendantsDialog</name>
    <message>
        <source>Kinder, Enkel und Urenkel des Kanarienvogels finden</source>
        <translation>Trova figli, nipoti e pronipoti del canarino</translation>
    </message>
    <message>
        <source>Finde Kinder, Enkel und Urenkel des Kanarienvogels mit Ringnr:</source>
        <translation>Trova figli, nipoti e pronipoti del canarino con n. anellino:</translation>
    </message>
    <message>
        <source>Suchen</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>Such-Ergebnisse</source>
        <translation>Risultati della ricerca</translation>
    </message>
    <message>
        <source>Kinder</source>
        <translation>Figli</translation>
    </message>
    <message>
        <source>Gefundene Kinder:</source>
        <translation>Figli trovati:</translation>
    </message>
    <message>
        <source>Enkel</source>
        <translation>Nipoti</translation>
    </message>
    <message>
        <source>Gefundene Enkel:</source>
        <translation>Nipoti trovati:</translation>
    </message>
    <message>
        <source>Ur-Enkel</source>
        <translation>Pronipoti</translation>
    </message>
    <message>
        <source>Gefundene Ur-Enkel:</source>
        <translation>Pronipoti trovati:</translation>
    </message>
    <message>
        <source>Ur-Ur-Enkel</source>
        <translation>Bis-pronipoti</translation>
    </message>
    <message>
        <source>Gefundene Ur-Ur-Enkel:</source>
        <translation>Bis-pronipoti trovati:</translation>
    </message>
    <message>
        <source>Ein Doppelklick zeigt den Abstammungsnachweis an.</source>
        <translation>Un doppio clic mostra il certificato genealogico.</translation>
    </message>
    <message>
        <source>Infos zur Auswahl:</source>
        <translation>Informazioni sulla selezione:</translation>
    </message>
    <message>
        <source>Bemerkungen</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Bitte zuerst den Kanarienvogel in der Liste anklicken.</source>
        <translation>Fare prima clic sul canarino nell&apos;elenco.</translation>
    </message>
    <message>
        <source>Züchter: %1</source>
        <translation>Allevatore: %1</translation>
    </message>
</context>
<context>
    <name>DiskBackup</name>
    <message>
        <source>Es wird nun ein schnelles Backup auf die gleiche Festplatte gemacht auf der auch die reguläre Datenbank des Programms läuft. Dies erfüllt nicht den Zweck eines Backups. Wenn die Festplatte beschädigt werden sollte sind der aktuelle Datenbestand UND das Backup davon betroffen.

Die Sicherungskopie wird im Ordner %1 gespeichert. Sie sollten diesen Ordner auf eine CD brennen oder die USB-Backup-Funktion weiter oben nutzen.</source>
        <extracomment>%1 is the folder of the backup</extracomment>
        <translation>Verrà ora eseguito un backup rapido sullo stesso disco su cui si trova il database abituale del programma. Questo non risponde allo scopo di un backup: se il disco si danneggia, vengono colpiti i dati attuali E il relativo backup.

La copia di sicurezza viene salvata nella cartella %1. Si consiglia di masterizzare questa cartella su un CD o di usare la funzione di backup su USB più in alto.</translation>
    </message>
    <message>
        <source>Die Bilder werden gesichert</source>
        <translation>Salvataggio delle immagini in corso</translation>
    </message>
    <message>
        <source>Die Datensicherung ist fehlgeschlagen.</source>
        <translation>Il backup non è riuscito.</translation>
    </message>
    <message>
        <source>Sicherheitsabfrage</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>Beim Rückholen des Backups wird der auf dem Rechner befindliche Stand überschrieben.
<byte value="xd"/>Soll das Backup wirklich von der Festplatte zurückgeholt werden?</source>
        <translation>Il ripristino del backup sovrascrive i dati presenti su questo computer.
</translation>
    </message>
    <message>
        <source>Die Bilder werden zurückgeholt</source>
        <translation>Ripristino delle immagini in corso</translation>
    </message>
    <message>
        <source>Es wurde kein Backup gefunden.</source>
        <translation>Non è stato trovato alcun backup.</translation>
    </message>
    <message>
        <source>Fehler beim Wiederherstellen des Festplatten-Backups</source>
        <translation>Errore durante il ripristino del backup su disco</translation>
    </message>
</context>
<context>
    <name>DriveDialog</name>
    <message>
        <source>Laufwerk</source>
        <translation>Unità</translation>
    </message>
    <message>
        <source>Sollte das Laufwerk nicht erscheinen bitte die Anwendung neu starten.</source>
        <translation>Se l&apos;unità non compare, riavviare l&apos;applicazione.</translation>
    </message>
    <message>
        <source>Bitte zuerst ein Laufwerk auswählen.</source>
        <translation>Selezionare prima un&apos;unità.</translation>
    </message>
    <message>
        <source>Kein USB-Stick und keine externe Festplatte gefunden</source>
        <translation>Nessuna chiavetta USB e nessun disco esterno trovati</translation>
    </message>
</context>
<context>
    <name>Drives</name>
    <message>
        <source>%1 (%2, schreibgeschützt)</source>
        <extracomment>%1 is a drive&apos;s name, %2 where it is mounted</extracomment>
        <translation>%1 (%2, sola lettura)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source> (schreibgeschützt)</source>
        <translation> (sola lettura)</translation>
    </message>
</context>
<context>
    <name>EnterAnimalsDialog</name>
    <message>
        <source>&lt;= Nach dem Anlegen Feld so belassen</source>
        <translation>&lt;= Mantenere il campo dopo l&apos;inserimento</translation>
    </message>
    <message>
        <source>Kanarienvögel eingeben</source>
        <translation>Inserisci canarini</translation>
    </message>
    <message>
        <source>Hier können Sie neue Kanarienvögel anlegen. Füllen Sie dazu 
alle Felder aus und klicken Sie anschließend auf 
&quot;Kanarienvogel anlegen&quot;.</source>
        <translation>Qui è possibile inserire nuovi canarini. Compilare 
tutti i campi e poi fare clic 
su &quot;Inserisci canarino&quot;.</translation>
    </message>
    <message>
        <source>Bemerkungen:
(Punkte etc.)</source>
        <translation>Note:
(punti ecc.)</translation>
    </message>
    <message>
        <source>Kanarienvogel anlegen</source>
        <translation>Inserisci canarino</translation>
    </message>
    <message>
        <source>Wenn Sie oben alles eingetragen haben können Sie hier klicken um den Kanarienvogel zu speichern.</source>
        <translation>Dopo aver compilato tutti i campi sopra, fare clic qui per salvare il canarino.</translation>
    </message>
    <message>
        <source>Idealerweise 170x120 Pixel</source>
        <translation>Idealmente 170x120 pixel</translation>
    </message>
    <message>
        <source>Bild auswählen</source>
        <translation>Scegli immagine</translation>
    </message>
    <message>
        <source>Serieneingabe anzeigen</source>
        <translation>Mostra inserimento in serie</translation>
    </message>
    <message>
        <source>Geben Sie hier die Ringnummer des Kanarienvogels an.</source>
        <translation>Indicare qui il numero dell&apos;anellino del canarino.</translation>
    </message>
    <message>
        <source>Geben Sie hier das Geschlecht des Kanarienvogels an. Sollte dieses noch nicht bekannt sein, dann wählen Sie bitte &quot;unbekannt&quot; aus.</source>
        <translation>Indicare qui il sesso del canarino. Se non è ancora noto, scegliere &quot;sconosciuto&quot;.</translation>
    </message>
    <message>
        <source>Geben Sie hier das Geburtsjahr des Kanarienvogels an. Auch wenn das Jahr bspw. in der Ringnummer enthalten ist ist diese Angabe für das Sortieren nach Geburtsjahr trotzdem wichtig.</source>
        <translation>Indicare qui l&apos;anno di nascita del canarino. Anche se l&apos;anno fa parte del numero dell&apos;anellino, questo dato serve per l&apos;ordinamento per anno di nascita.</translation>
    </message>
    <message>
        <source>Wer ist der Züchter des Kanarienvogels?</source>
        <translation>Chi è l&apos;allevatore del canarino?</translation>
    </message>
    <message>
        <source>Geben Sie hier die Farbe des Kanarienvogels an. Die Zeichnung (einfarbig, gepunktet, etc.) können Sie weiter unten festlegen.</source>
        <translation>Indicare qui il colore del canarino. Il disegno (unicolore, macchiato ecc.) si può indicare più in basso.</translation>
    </message>
    <message>
        <source>Geben Sie hier die Zeichnung des Kanarienvogels (z.B. einfarbig oder gescheckt) an.</source>
        <translation>Indicare qui il disegno del canarino (ad es. unicolore o pezzato).</translation>
    </message>
    <message>
        <source>Geben Sie hier die Rasse / Art des Kanarienvogels (z.B. Jungvogel oder Zuchtweibchen) an.</source>
        <translation>Indicare qui la razza / specie del canarino (ad es. novello o femmina riproduttrice).</translation>
    </message>
    <message>
        <source>Hier können Sie verschiedenste Dinge des Kanarienvogels eintragen. Das können erreichte Punkte, Medallien, Tod, usw. sein. Diese Infos werden auf dem Abstammungsnachweis gedruckt.</source>
        <translation>Qui si possono annotare informazioni di ogni tipo sul canarino: punti ottenuti, medaglie, morte ecc. Queste informazioni vengono stampate sul certificato genealogico.</translation>
    </message>
    <message>
        <source>Die Informationen die Sie hier eintragen erscheinen auf der Kanarienvögelbestandsliste.</source>
        <translation>Le informazioni inserite qui compaiono nell&apos;elenco del parco riproduttori.</translation>
    </message>
    <message>
        <source>Serieneingabe: </source>
        <translation>Inserimento in serie: </translation>
    </message>
    <message>
        <source>&lt;= Die ersten</source>
        <translation>&lt;= Mantenere i primi</translation>
    </message>
    <message>
        <source>Stellen nach dem Speichern belassen</source>
        <translation>caratteri dopo il salvataggio</translation>
    </message>
    <message>
        <source>Serieneingabe mit fortlaufender Ringnummer: </source>
        <translation>Inserimento in serie con numeri di anellino consecutivi: </translation>
    </message>
    <message>
        <source>Sie haben z.B. 20 fortlaufende Ringnummern? Kein Problem! Einfach den Bereich &quot;von&quot; und &quot;bis&quot; ausfüllen und es werden die gewünschte Anzahl Kanarienvögel angelegt. </source>
        <translation>Avete, ad esempio, 20 numeri di anellino consecutivi? Nessun problema! Basta compilare l&apos;intervallo &quot;da&quot; e &quot;a&quot; e viene inserito il numero di canarini desiderato. </translation>
    </message>
    <message>
        <source>Alle anderen Daten werden von den links ausgefüllten Informationen genommen.</source>
        <translation>Tutti gli altri dati vengono presi da quanto compilato a sinistra.</translation>
    </message>
    <message>
        <source>z.B. 06165-12-</source>
        <translation>ad es. 06165-12-</translation>
    </message>
    <message>
        <source>z.B. 084</source>
        <translation>ad es. 084</translation>
    </message>
    <message>
        <source>z.B. 121</source>
        <translation>ad es. 121</translation>
    </message>
    <message>
        <source>Anfang der Ringnummer:</source>
        <translation>Inizio del numero dell&apos;anellino:</translation>
    </message>
    <message>
        <source>von:</source>
        <translation>da:</translation>
    </message>
    <message>
        <source>bis:</source>
        <translation>a:</translation>
    </message>
    <message>
        <source>Führende Nullen bei der Ringnummer eingeben!.</source>
        <translation>Inserire gli zeri iniziali del numero dell&apos;anellino!</translation>
    </message>
    <message>
        <source>Kanarienvögel anlegen</source>
        <translation>Inserisci canarini</translation>
    </message>
    <message>
        <source>Fortschritt</source>
        <translation>Avanzamento</translation>
    </message>
</context>
<context>
    <name>EntryFormReport</name>
    <message>
        <source>Ausstellungsmeldung</source>
        <translation>Iscrizione alla mostra</translation>
    </message>
    <message>
        <source>Seite %1</source>
        <translation>Pagina %1</translation>
    </message>
    <message>
        <source>Ausstellung:</source>
        <translation>Mostra:</translation>
    </message>
    <message>
        <source>Ort:</source>
        <translation>Luogo:</translation>
    </message>
    <message>
        <source>Datum:</source>
        <translation>Data:</translation>
    </message>
    <message>
        <source>Meldeschluss:</source>
        <translation>Chiusura iscrizioni:</translation>
    </message>
    <message>
        <source>Veranstalter:</source>
        <translation>Organizzatore:</translation>
    </message>
    <message>
        <source>Aussteller</source>
        <translation>Espositore</translation>
    </message>
    <message>
        <source>Telefon: %1</source>
        <translation>Telefono: %1</translation>
    </message>
    <message>
        <source>Züchternummer: %1</source>
        <translation>Numero allevatore: %1</translation>
    </message>
    <message>
        <source>Vereinsnummer: %1</source>
        <translation>Numero associazione: %1</translation>
    </message>
    <message>
        <source>Datum und Unterschrift des Ausstellers:</source>
        <translation>Data e firma dell&apos;espositore:</translation>
    </message>
</context>
<context>
    <name>ExpectedYoungModel</name>
    <message>
        <source>Hahn</source>
        <translation>Maschio</translation>
    </message>
    <message>
        <source>Henne</source>
        <translation>Femmina</translation>
    </message>
    <message>
        <source>Geschlecht</source>
        <translation>Sesso</translation>
    </message>
    <message>
        <source>Anteil</source>
        <translation>Proporzione</translation>
    </message>
    <message>
        <source>Farbe</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>sichtbar</source>
        <translation>visivo</translation>
    </message>
    <message>
        <source>spalterbig</source>
        <translation>portatore</translation>
    </message>
</context>
<context>
    <name>ExpectedYoungView</name>
    <message>
        <source>Die Jungen, die das Paar erwarten lässt, nach Geschlecht und Anteil</source>
        <translation>I novelli attesi dalla coppia, per sesso e proporzione</translation>
    </message>
    <message>
        <source>Erwartete Jungen</source>
        <translation>Novelli attesi</translation>
    </message>
</context>
<context>
    <name>ExportTool</name>
    <message>
        <source>colours nimmt entweder --pair HAHN HENNE oder --cock ANLAGEN und --hen ANLAGEN.</source>
        <translation>colours accetta --pair MASCHIO FEMMINA oppure --cock FATTORI e --hen FATTORI.</translation>
    </message>
    <message>
        <source>colours --pair nimmt genau zwei Ringnummern: Hahn und Henne.</source>
        <translation>colours --pair accetta esattamente due numeri di anellino: maschio e femmina.</translation>
    </message>
    <message>
        <source>Hahn und Henne müssen zwei verschiedene Ringnummern sein.</source>
        <translation>Maschio e femmina devono essere due numeri di anellino diversi.</translation>
    </message>
    <message>
        <source>colours nimmt --cock ANLAGEN und --hen ANLAGEN, etwa --cock &quot;braun,/opal&quot; --hen &quot;achat&quot;.</source>
        <translation>colours accetta --cock FATTORI e --hen FATTORI, ad es. --cock &quot;braun,/opal&quot; --hen &quot;achat&quot;.</translation>
    </message>
    <message>
        <source>--phase nimmt coupling (auf einem Z-Chromosom) oder repulsion (auf je einem).</source>
        <translation>--phase accetta coupling (sullo stesso cromosoma Z) o repulsion (ciascuno su uno diverso).</translation>
    </message>
    <message>
        <source>--crossover nimmt einen Anteil von 0 bis 0.5, etwa 0.33.</source>
        <translation>--crossover accetta una proporzione da 0 a 0.5, ad es. 0.33.</translation>
    </message>
    <message>
        <source>Den Ring „%1“ gibt es nicht im Bestand.</source>
        <translation>L&apos;anellino “%1” non è nel parco riproduttori.</translation>
    </message>
    <message>
        <source>colours --pair nimmt zuerst den Hahn, dann die Henne; „%1“ ist als Henne eingetragen.</source>
        <translation>colours --pair vuole prima il maschio, poi la femmina; “%1” è registrato come femmina.</translation>
    </message>
    <message>
        <source>colours --pair nimmt zuerst den Hahn, dann die Henne; „%1“ ist als Hahn eingetragen.</source>
        <translation>colours --pair vuole prima il maschio, poi la femmina; “%1” è registrato come maschio.</translation>
    </message>
    <message>
        <source>Ob %1 beim Hahn auf einem Z-Chromosom liegen oder auf je einem, ist unbekannt; bitte mit --phase coupling oder --phase repulsion angeben.</source>
        <extracomment>%1 names the factors whose phase is unknown.</extracomment>
        <translation>Non è noto se nel maschio %1 si trovino sullo stesso cromosoma Z o ciascuno su uno diverso; indicarlo con --phase coupling o --phase repulsion.</translation>
    </message>
    <message>
        <source>Die Zusatzdaten konnten nicht vollständig gelesen werden: %1</source>
        <translation>Non è stato possibile leggere completamente i dati aggiuntivi: %1</translation>
    </message>
    <message>
        <source>--year nimmt ein Jahr von 1 bis 9999, etwa 2026.</source>
        <translation>--year accetta un anno da 1 a 9999, ad es. 2026.</translation>
    </message>
    <message>
        <source>Die Datei „%1“ konnte nicht geschrieben werden: %2</source>
        <translation>Impossibile scrivere il file “%1”: %2</translation>
    </message>
    <message>
        <source>Geschrieben: %1</source>
        <translation>Scritto: %1</translation>
    </message>
    <message>
        <source>Es fehlt die Ringnummer.</source>
        <translation>Manca il numero dell&apos;anellino.</translation>
    </message>
    <message>
        <source>Eine Stammbaumdatei wird für genau eine Ringnummer geschrieben.</source>
        <translation>Un file genealogico viene scritto per un solo numero di anellino.</translation>
    </message>
    <message>
        <source>Die Ringnummer „%1“ ist nicht im Bestand.</source>
        <translation>Il numero dell&apos;anellino “%1” non è nel parco riproduttori.</translation>
    </message>
    <message>
        <source>Ein Zuchtpaar %1 gibt es nicht; es gibt %2.</source>
        <extracomment>%1 is the number asked for, %2 how many breeding pairs there are.</extracomment>
        <translation>La coppia riproduttrice %1 non esiste; ce ne sono %2.</translation>
    </message>
    <message>
        <source>Ein Stammblatt wird für genau eine Ringnummer geschrieben.</source>
        <translation>Una scheda del soggetto viene scritta per un solo numero di anellino.</translation>
    </message>
    <message>
        <source>--by nimmt ring oder year, --layout one oder two.</source>
        <translation>--by accetta ring o year, --layout one o two.</translation>
    </message>
    <message>
        <source>stocklist nimmt keine weiteren Angaben.</source>
        <translation>stocklist non accetta altri argomenti.</translation>
    </message>
    <message>
        <source>pairsheet nimmt die Nummer eines Zuchtpaares, gezählt ab 1.</source>
        <translation>pairsheet accetta il numero di una coppia riproduttrice, contando da 1.</translation>
    </message>
    <message>
        <source>%1 nimmt eine ganze Zahl ab %2.</source>
        <extracomment>%1 is an option such as --days, %2 the smallest number it takes.</extracomment>
        <translation>%1 accetta un numero intero a partire da %2.</translation>
    </message>
    <message>
        <source>--date nimmt ein Datum wie 2026-04-05.</source>
        <translation>--date accetta una data come 2026-04-05.</translation>
    </message>
    <message>
        <source>due nimmt keine weiteren Angaben als --date und --days.</source>
        <translation>due non accetta altri argomenti oltre a --date e --days.</translation>
    </message>
    <message>
        <source>season nimmt genau ein Jahr von 1 bis 9999, etwa 2026.</source>
        <translation>season accetta esattamente un anno da 1 a 9999, ad es. 2026.</translation>
    </message>
    <message>
        <source>mates nimmt genau eine Ringnummer.</source>
        <translation>mates accetta esattamente un numero di anellino.</translation>
    </message>
    <message>
        <source>Hinweis zu %1: Ein Tier ist sein eigener Vorfahr; diese Verbindung wurde übergangen.</source>
        <extracomment>%1 is a ring, or the rings of a cock and a hen.</extracomment>
        <translation>Nota su %1: un soggetto è antenato di sé stesso; questo collegamento è stato ignorato.</translation>
    </message>
    <message>
        <source>Keine Auffälligkeiten gefunden.</source>
        <translation>Non è stato trovato nulla di anomalo.</translation>
    </message>
    <message>
        <source>%1 nimmt keine weiteren Angaben.</source>
        <translation>%1 non accetta altri argomenti.</translation>
    </message>
    <message>
        <source>csv schreibt stock, breeding oder shows.</source>
        <translation>csv scrive stock, breeding o shows.</translation>
    </message>
    <message>
        <source>Nach --pair stehen der Ring des Hahns und der der Henne.</source>
        <translation>Dopo --pair seguono l&apos;anellino del maschio e quello della femmina.</translation>
    </message>
    <message>
        <source>Die Ausgabedatei (-o) muss auf .%1 enden.</source>
        <translation>Il file di output (-o) deve terminare in .%1.</translation>
    </message>
    <message>
        <source>Die Ausgabedatei (-o) muss auf .%1 oder .%2 enden.</source>
        <translation>Il file di output (-o) deve terminare in .%1 o .%2.</translation>
    </message>
    <message>
        <source>Die Ausgabedatei (-o) muss auf .%1 oder .%2 oder .%3 enden.</source>
        <translation>Il file di output (-o) deve terminare in .%1, .%2 o .%3.</translation>
    </message>
    <message>
        <source>Nach %1 fehlt eine Angabe.</source>
        <translation>Manca un valore dopo %1.</translation>
    </message>
    <message>
        <source>%1 ist mehrfach angegeben.</source>
        <translation>%1 è indicato più di una volta.</translation>
    </message>
    <message>
        <source>--pair nimmt keinen Wert; die zwei Ringnummern folgen dem Befehl.</source>
        <translation>--pair non accetta valori; i due numeri di anellino seguono il comando.</translation>
    </message>
    <message>
        <source>Unbekannte Angabe „%1“.</source>
        <translation>Argomento sconosciuto “%1”.</translation>
    </message>
    <message>
        <source>Es fehlt der Befehl.</source>
        <translation>Manca il comando.</translation>
    </message>
    <message>
        <source>Unbekannter Befehl „%1“.</source>
        <translation>Comando sconosciuto “%1”.</translation>
    </message>
    <message>
        <source>%1 nimmt die Angabe %2 nicht.</source>
        <translation>%1 non accetta %2.</translation>
    </message>
    <message>
        <source>Den Datenordner „%1“ gibt es nicht.</source>
        <translation>La cartella dati “%1” non esiste.</translation>
    </message>
    <message>
        <source>Der Datenordner „%1“ kann nicht gelesen werden: %2</source>
        <translation>Impossibile leggere la cartella dati “%1”: %2</translation>
    </message>
    <message>
        <source>„%1“ ist kein Ordner.</source>
        <translation>“%1” non è una cartella.</translation>
    </message>
    <message>
        <source>Die Bestandsdatei „%1“ gibt es nicht.</source>
        <translation>Il file del parco riproduttori “%1” non esiste.</translation>
    </message>
    <message>
        <source>--size nimmt a6, a7 oder card.</source>
        <translation>--size accetta a6, a7 o card.</translation>
    </message>
    <message>
        <source>Nach --pair fehlen die Nummern der Zuchtpaare.</source>
        <translation>Dopo --pair mancano i numeri delle coppie riproduttrici.</translation>
    </message>
    <message>
        <source>cagecards --pair nimmt die Nummern von Zuchtpaaren, gezählt ab 1.</source>
        <translation>cagecards --pair accetta i numeri di coppie riproduttrici, contando da 1.</translation>
    </message>
    <message>
        <source>location nimmt höchstens einen Ort; Orte mit Leerzeichen in Anführungszeichen.</source>
        <translation>location accetta al massimo un luogo; i luoghi con spazi vanno tra virgolette.</translation>
    </message>
    <message>
        <source>Hinweis: Der Ring %1 ist an mehr als einem Vogel.</source>
        <translation>Nota: l&apos;anello %1 è su più di un uccello.</translation>
    </message>
    <message>
        <source>Es fehlt der Name der Ausstellung (in Anführungszeichen, wenn er Leerzeichen enthält).</source>
        <translation>Manca il nome della mostra (tra virgolette se contiene spazi).</translation>
    </message>
    <message>
        <source>Eine Ausstellung „%1“ ist nicht eingetragen.</source>
        <translation>Nessuna mostra «%1» è inserita.</translation>
    </message>
    <message>
        <source>--sheet nimmt 3x8 oder 3x7.</source>
        <translation>--sheet accetta 3x8 o 3x7.</translation>
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
        <translation>Uso:
  avelor-export [--data CARTELLA] pedigree ANELLINO... -o FILE
  avelor-export [--data CARTELLA] recordsheet ANELLINO -o FILE
  avelor-export [--data CARTELLA] stocklist [--by ring|year] [--breed RAZZA] [--layout one|two] -o FILE
  avelor-export [--data CARTELLA] pairsheet N -o FILE
  avelor-export [--data CARTELLA] cagecards (--pair N... | RING...) [--size a6|a7|card] -o FILE
  avelor-export [--data CARTELLA] csv stock|breeding|shows -o FILE
  avelor-export [--data CARTELLA] inbreeding ANELLINO...
  avelor-export [--data CARTELLA] inbreeding --pair MASCHIO FEMMINA
  avelor-export [--data CARTELLA] check
  avelor-export [--data CARTELLA] shows [--year ANNO]
  avelor-export [--data CARTELLA] sales [--year ANNO]
  avelor-export [--data CARTELLA] location [LUOGO]
  avelor-export [--data CARTELLA] rings [--year ANNO]
  avelor-export [--data CARTELLA] entries MOSTRA -o FILE
  avelor-export [--data CARTELLA] labels MOSTRA [--sheet 3x8|3x7] -o FILE
  avelor-export [--data CARTELLA] due [--date AAAA-MM-GG] [--days N]
  avelor-export [--data CARTELLA] season ANNO
  avelor-export [--data CARTELLA] mates ANELLINO [--breed RAZZA] [--limit N]
  avelor-export [--data CARTELLA] colours --pair MASCHIO FEMMINA [--crossover PROPORZIONE] [--phase coupling|repulsion]
  avelor-export colours --cock FATTORI --hen FATTORI [--crossover PROPORZIONE]
  avelor-export --version

Scrive certificati genealogici (una pagina per anellino), una scheda del soggetto,
l&apos;elenco del parco riproduttori o la scheda dell&apos;N-esima coppia riproduttrice (contando da 1); cagecards i
cartellini di gabbia di coppie riproduttrici o singoli uccelli, più di uno per foglio A4
(a7 se manca --size). FILE termina in
.pdf o .png, l&apos;elenco del parco riproduttori anche in .html, pedigree per un solo anellino anche in .json
(il file genealogico per l&apos;acquirente); csv scrive il parco riproduttori, i
dati della riproduzione o i risultati delle mostre per un foglio di calcolo. inbreeding
stampa una riga per anellino: anellino, tabulazione, coefficiente di consanguineità come frazione decimale;
con --pair quello dei novelli di una coppia. check segnala le anomalie nel parco riproduttori.
shows stampa una riga per ogni risultato di mostra, sales una per ogni soggetto ceduto, con
tabulazioni; due i lavori della riproduzione in scadenza, season i dati delle coppie
di un anno, mates i possibili partner di un soggetto, i meno imparentati per primi.
location scrive una riga per uccello del parco riproduttori: anello, posizione, dal (AAAA-MM-GG);
con LUOGO solo gli uccelli che vi si trovano.
rings scrive una riga per fornitura di anelli: anno,
federazione, misura, primo e ultimo anello, usati, liberi.
entries scrive il modulo d&apos;iscrizione dell&apos;ultima mostra inserita con quel nome
(come .csv le iscrizioni con i punti), labels le sue etichette delle gabbie su fogli
di etichette A4 (3x8: 70 × 37 mm, 3x7: 70 × 42,3 mm; 3x8 se manca --sheet).
colours stampa una riga per ogni tipo di novello di una coppia: maschio o femmina, proporzione,
fattori visivi e nascosti, colore; FATTORI come &quot;braun,/opal&quot; (&quot;/&quot;: portatore).
Più pagine in PNG diventano FILE-1.png, FILE-2.png e così via.
Senza --data viene letta la cartella dati del programma; lì non viene mai
scritto nulla. Maggiori informazioni nella pagina di manuale: man avelor-export

Codici di uscita: 0 completato (check: nulla trovato), 1 un anellino o una coppia riproduttrice
non è nel parco riproduttori (check: trovato qualcosa), 2 chiamata errata, 3 dati non leggibili
o file non scrivibile.
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
        <translation>Impossibile scrivere il file “%1”: %2</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde erstellt.</source>
        <translation>Il file %1 è stato creato.</translation>
    </message>
</context>
<context>
    <name>FolderCopy</name>
    <message>
        <source>Der Ordner „%1“ konnte nicht angelegt werden.</source>
        <translation>Impossibile creare la cartella “%1”.</translation>
    </message>
    <message>
        <source>Der Ordner „%1“ konnte nicht ersetzt werden.</source>
        <translation>Impossibile sostituire la cartella “%1”.</translation>
    </message>
    <message>
        <source>Der bisherige Ordner „%1“ konnte nicht nach „%2“ verschoben werden; er liegt noch unter „%3“.</source>
        <translation>Impossibile spostare la cartella precedente “%1” in “%2”; si trova ancora in “%3”.</translation>
    </message>
</context>
<context>
    <name>GeneticsPanel</name>
    <message>
        <source>Erbanlagen</source>
        <translation>Fattori ereditari</translation>
    </message>
    <message>
        <source>Was die Eltern und Jungen im Bestand belegen oder wahrscheinlich machen</source>
        <translation>Ciò che i genitori e i novelli del parco riproduttori dimostrano o rendono probabile</translation>
    </message>
    <message>
        <source>Laut Farbe „%1“ sichtbar: %2 (gilt, wo nichts eingetragen ist).</source>
        <translation>Visivo secondo il colore “%1”: %2 (vale dove non è registrato nulla).</translation>
    </message>
    <message>
        <source>Aus dem Stammbaum: keine verdeckten Anlagen belegt.</source>
        <translation>Dalla genealogia: nessun fattore nascosto dimostrato.</translation>
    </message>
    <message>
        <source>Aus dem Stammbaum:
%1</source>
        <translation>Dalla genealogia:
%1</translation>
    </message>
</context>
<context>
    <name>ImportFields</name>
    <message>
        <source>Ringnummer</source>
        <translation>Numero anellino</translation>
    </message>
    <message>
        <source>Geschlecht</source>
        <translation>Sesso</translation>
    </message>
    <message>
        <source>Geburtsjahr</source>
        <translation>Anno di nascita</translation>
    </message>
    <message>
        <source>Züchter</source>
        <translation>Allevatore</translation>
    </message>
    <message>
        <source>Farbe</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Zeichnung</source>
        <translation>Disegno</translation>
    </message>
    <message>
        <source>Art/Rasse</source>
        <translation>Specie/razza</translation>
    </message>
    <message>
        <source>Vater</source>
        <translation>Padre</translation>
    </message>
    <message>
        <source>Mutter</source>
        <translation>Madre</translation>
    </message>
    <message>
        <source>Bemerkungen</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Bemerkungen Bestandsliste</source>
        <translation>Note elenco parco riproduttori</translation>
    </message>
    <message>
        <source>Verkauft</source>
        <translation>Venduto</translation>
    </message>
    <message>
        <source>Verbleib</source>
        <translation>Destinazione</translation>
    </message>
    <message>
        <source>Verbleib seit</source>
        <translation>Destinazione dal</translation>
    </message>
    <message>
        <source>Käufer</source>
        <translation>Acquirente</translation>
    </message>
    <message>
        <source>Anschrift des Käufers</source>
        <translation>Indirizzo dell&apos;acquirente</translation>
    </message>
    <message>
        <source>Preis (€)</source>
        <translation>Prezzo (€)</translation>
    </message>
    <message>
        <source>Notiz zum Verbleib</source>
        <translation>Nota sulla destinazione</translation>
    </message>
    <message>
        <source>Erbanlagen</source>
        <translation>Fattori ereditari</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Schau</source>
        <translation>Mostra</translation>
    </message>
    <message>
        <source>Klasse</source>
        <translation>Classe</translation>
    </message>
    <message>
        <source>Punkte</source>
        <translation>Punti</translation>
    </message>
    <message>
        <source>Auszeichnung/Platz</source>
        <translation>Premio/posizione</translation>
    </message>
    <message>
        <source>Kollektion</source>
        <translation>Stamm</translation>
    </message>
    <message>
        <source>nicht übernehmen</source>
        <translation>non importare</translation>
    </message>
    <message>
        <source>Datum der Schau</source>
        <translation>Data della mostra</translation>
    </message>
</context>
<context>
    <name>ImportPreviewModel</name>
    <message>
        <source>neu</source>
        <translation>nuovo</translation>
    </message>
    <message>
        <source>ändert %1</source>
        <translation>modifica %1</translation>
    </message>
    <message>
        <source>unverändert</source>
        <translation>invariato</translation>
    </message>
    <message>
        <source>Fehler: %1</source>
        <translation>Errore: %1</translation>
    </message>
    <message>
        <source>anders in der Datei, behalten: %1</source>
        <translation>diverso nel file, mantenuto: %1</translation>
    </message>
    <message>
        <source>Zeile</source>
        <translation>Riga</translation>
    </message>
    <message>
        <source>Ringnummer</source>
        <translation>Numero anellino</translation>
    </message>
    <message>
        <source>Ergebnis</source>
        <translation>Risultato</translation>
    </message>
</context>
<context>
    <name>ImportStockDialog</name>
    <message>
        <source>Bestand importieren</source>
        <translation>Importa parco riproduttori</translation>
    </message>
    <message>
        <source>Noch keine Datei gewählt.</source>
        <translation>Nessun file ancora scelto.</translation>
    </message>
    <message>
        <source>&amp;Datei wählen…</source>
        <translation>Scegli &amp;file…</translation>
    </message>
    <message>
        <source>&amp;Spalten der Datei und was sie enthalten:</source>
        <translation>&amp;Colonne del file e loro contenuto:</translation>
    </message>
    <message>
        <source>Spalte</source>
        <translation>Colonna</translation>
    </message>
    <message>
        <source>Erste Zeile</source>
        <translation>Prima riga</translation>
    </message>
    <message>
        <source>wird übernommen als</source>
        <translation>importata come</translation>
    </message>
    <message>
        <source>Spalten der Datei</source>
        <translation>Colonne del file</translation>
    </message>
    <message>
        <source>Bei Ringnummern, die schon im Bestand sind:</source>
        <translation>Per i numeri di anellino già presenti nel parco riproduttori:</translation>
    </message>
    <message>
        <source>gefüllte Felder der Datei &amp;überschreiben das Gespeicherte</source>
        <translation>i campi compilati del file &amp;sovrascrivono i dati salvati</translation>
    </message>
    <message>
        <source>Gespeichertes &amp;behalten, nur leere Felder füllen</source>
        <translation>&amp;mantieni i dati salvati, compila solo i campi vuoti</translation>
    </message>
    <message>
        <source>&amp;Vorschau:</source>
        <translation>&amp;Anteprima:</translation>
    </message>
    <message>
        <source>Vorschau des Imports</source>
        <translation>Anteprima dell&apos;importazione</translation>
    </message>
    <message>
        <source>&amp;Importieren</source>
        <translation>&amp;Importa</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Bestand importieren: Datei wählen</source>
        <translation>Importa parco riproduttori: scegli file</translation>
    </message>
    <message>
        <source>Tabellen und Stammbaumdateien (*.csv *.txt *.json);;Alle Dateien (*)</source>
        <translation>Tabelle e file genealogici (*.csv *.txt *.json);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden: %2</source>
        <translation>Impossibile leggere il file %1: %2</translation>
    </message>
    <message>
        <source>Stammbaum von %1, abgegeben von %2 (%3 Vögel)</source>
        <translation>Genealogia di %1, ceduto da %2 (%3 soggetti)</translation>
    </message>
    <message>
        <source>Datei: %1 (%2 Zeilen)</source>
        <translation>File: %1 (%2 righe)</translation>
    </message>
    <message>
        <source>Spalte %1 übernehmen als</source>
        <translation>Importa la colonna %1 come</translation>
    </message>
    <message>
        <source>Die Datei wird geprüft …</source>
        <translation>Controllo del file in corso …</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Die Prüfung wurde abgebrochen; es wird nichts importiert. „Datei wählen…“ beginnt sie von vorn.</source>
        <translation>Il controllo è stato annullato; non viene importato nulla. “Scegli file…” lo avvia di nuovo.</translation>
    </message>
    <message>
        <source>Keine Spalte ist als Ringnummer gewählt.</source>
        <translation>Nessuna colonna è scelta come numero dell&apos;anellino.</translation>
    </message>
    <message>
        <source>Solange eine Zeile fehlerhaft ist, wird nichts importiert.</source>
        <translation>Finché una riga contiene errori, non viene importato nulla.</translation>
    </message>
    <message>
        <source>Eltern, die weder im Bestand noch in der Datei stehen: %1</source>
        <translation>Genitori che non sono né nel parco riproduttori né nel file: %1</translation>
    </message>
    <message>
        <source>Der Bestand wurde importiert (%1). „Rückgängig“ nimmt den ganzen Import zurück.</source>
        <translation>Il parco riproduttori è stato importato (%1). “Annulla” revoca l&apos;intera importazione.</translation>
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
        <translation>Uso:
  avelor-import [--data CARTELLA] [--dry-run] [--keep] FILE...
  avelor-import --version

Legge tabelle (CSV, ad es. da un foglio di calcolo o da avelor-export csv stock)
nel parco riproduttori: i nuovi numeri di anellino vengono aggiunti, quelli noti ricevono i campi
compilati nel file; destinazione e fattori ereditari vanno nei dati aggiuntivi, come anche
i risultati delle mostre da avelor-export csv shows. Le colonne vengono riconosciute dalle loro
intestazioni. Per ogni riga con un problema una riga &quot;Riga N: …&quot;, infine
il riepilogo. Se una riga contiene un
errore, non viene letto nulla. Un file genealogico (.json, da avelor-export pedigree)
porta un soggetto acquistato con i suoi antenati; i dati già salvati restano come sono.
  --dry-run  solo controllare, non scrivere nulla
  --keep     mantenere i valori salvati dove il file ne ha altri (altrimenti sovrascrivere)
Senza --data viene usata la cartella dati del programma; mentre il programma la
tiene aperta, non viene letto nulla. Maggiori informazioni nella pagina di manuale: man avelor-import

Codici di uscita: 0 tutto letto, 1 una riga conteneva errori (nulla letto),
2 chiamata errata, 3 dati o file non leggibili o non scrivibili, 4 cartella dati
in uso.
</translation>
    </message>
    <message>
        <source>--data nimmt einen Ordner.</source>
        <translation>--data accetta una cartella.</translation>
    </message>
    <message>
        <source>Unbekannte Option %1.</source>
        <translation>Opzione sconosciuta %1.</translation>
    </message>
    <message>
        <source>Keine Datei zum Einlesen angegeben.</source>
        <translation>Nessun file da leggere indicato.</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden: %2</source>
        <translation>Impossibile leggere il file %1: %2</translation>
    </message>
    <message>
        <source>Stammbaum von %1, abgegeben von %2</source>
        <translation>Genealogia di %1, ceduto da %2</translation>
    </message>
    <message>
        <source>Vogel %1: %2</source>
        <translation>Soggetto %1: %2</translation>
    </message>
    <message>
        <source>Zeile %1: %2</source>
        <translation>Riga %1: %2</translation>
    </message>
    <message>
        <source>%1: anders in der Datei, das Gespeicherte bleibt: %2</source>
        <translation>%1: diverso nel file, resta il valore salvato: %2</translation>
    </message>
    <message>
        <source>Eltern, die weder im Bestand noch in der Datei stehen: %1</source>
        <translation>Genitori che non sono né nel parco riproduttori né nel file: %1</translation>
    </message>
</context>
<context>
    <name>ImportWords</name>
    <message>
        <source>hahn</source>
        <extracomment>The word for a cock in a spreadsheet&apos;s sex column, lower case, as the import understands it.</extracomment>
        <translation>maschio</translation>
    </message>
    <message>
        <source>henne</source>
        <extracomment>The word for a hen in a spreadsheet&apos;s sex column, lower case, as the import understands it.</extracomment>
        <translation>femmina</translation>
    </message>
    <message>
        <source>ja</source>
        <extracomment>&quot;yes&quot; in a spreadsheet&apos;s sold column, lower case, as the import understands it.</extracomment>
        <translation>sì</translation>
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
        <translation>Uccelli nell&apos;elenco: %1</translation>
    </message>
</context>
<context>
    <name>LocationPanel</name>
    <message>
        <source>Käfig, Voliere oder Raum, in dem der Vogel sitzt; leer, wenn er keinen Platz hat</source>
        <translation>Gabbia, voliera o stanza in cui si trova l&apos;uccello; vuoto se non ha un posto</translation>
    </message>
    <message>
        <source>Seit wann der Vogel dort sitzt, im Format TT.MM.JJJJ; leer: heute</source>
        <translation>Da quando l&apos;uccello si trova lì, nel formato GG.MM.AAAA; vuoto: oggi</translation>
    </message>
    <message>
        <source>TT.MM.JJJJ</source>
        <translation>GG.MM.AAAA</translation>
    </message>
    <message>
        <source>Wo der Vogel bisher saß, mit dem Tag des Umsetzens</source>
        <translation>Dove si trovava l&apos;uccello, con il giorno di ogni spostamento</translation>
    </message>
    <message>
        <source>seit</source>
        <translation>dal</translation>
    </message>
    <message>
        <source>Standort</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>S&amp;tandort:</source>
        <translation>&amp;Posizione:</translation>
    </message>
    <message>
        <source>s&amp;eit:</source>
        <translation>&amp;dal:</translation>
    </message>
    <message>
        <source>&amp;Bisherige Standorte:</source>
        <translation>Posizioni &amp;precedenti:</translation>
    </message>
    <message>
        <source>(ohne Standort)</source>
        <translation>(senza posizione)</translation>
    </message>
    <message>
        <source>Ungültiges Datum beim Standort!</source>
        <translation>Data della posizione non valida!</translation>
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
        <translation>Posizione</translation>
    </message>
    <message>
        <source>seit</source>
        <translation>dal</translation>
    </message>
    <message>
        <source>Ringnummer</source>
        <translation>Numero anellino</translation>
    </message>
    <message>
        <source>Geschlecht</source>
        <translation>Sesso</translation>
    </message>
    <message>
        <source>Jahr</source>
        <translation>Anno</translation>
    </message>
    <message>
        <source>Farbe</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Rasse</source>
        <translation>Razza</translation>
    </message>
</context>
<context>
    <name>LocationsWindow</name>
    <message>
        <source>Standorte</source>
        <translation>Posizioni</translation>
    </message>
    <message>
        <source>Welche Vögel die Liste zeigt</source>
        <translation>Quali uccelli mostra l&apos;elenco</translation>
    </message>
    <message>
        <source>Die Vögel mit ihrem Standort; mehrere lassen sich mit Umschalt- oder Strg-Taste auswählen</source>
        <translation>Gli uccelli con la loro posizione; se ne scelgono più con Maiusc o Ctrl</translation>
    </message>
    <message>
        <source>Vögel und ihre Standorte</source>
        <translation>Uccelli e loro posizioni</translation>
    </message>
    <message>
        <source>Käfig, Voliere oder Raum, in den die ausgewählten Vögel kommen; leer: aus dem Standort nehmen</source>
        <translation>Gabbia, voliera o stanza in cui vanno gli uccelli scelti; vuoto: toglierli dalla loro posizione</translation>
    </message>
    <message>
        <source>Der Tag des Umsetzens, im Format TT.MM.JJJJ</source>
        <translation>Il giorno dello spostamento, nel formato GG.MM.AAAA</translation>
    </message>
    <message>
        <source>TT.MM.JJJJ</source>
        <translation>GG.MM.AAAA</translation>
    </message>
    <message>
        <source>Ausgewählte &amp;umsetzen</source>
        <translation>&amp;Sposta i selezionati</translation>
    </message>
    <message>
        <source>Setzt alle ausgewählten Vögel in einem Schritt um</source>
        <translation>Sposta tutti gli uccelli selezionati in un solo passo</translation>
    </message>
    <message>
        <source>&amp;Zeigen:</source>
        <translation>M&amp;ostra:</translation>
    </message>
    <message>
        <source>Umsetzen &amp;nach:</source>
        <translation>Sposta &amp;in:</translation>
    </message>
    <message>
        <source>&amp;am:</source>
        <translation>&amp;il:</translation>
    </message>
    <message>
        <source>&amp;Drucken…</source>
        <translation>&amp;Stampa…</translation>
    </message>
    <message>
        <source>Die gezeigte Liste in der Vorschau, zum Drucken oder Speichern als PDF</source>
        <translation>L&apos;elenco mostrato nell&apos;anteprima, da stampare o salvare come PDF</translation>
    </message>
    <message>
        <source>Als &amp;CSV-Datei speichern…</source>
        <translation>Salva come file &amp;CSV…</translation>
    </message>
    <message>
        <source>Die gezeigte Liste für eine Tabellenkalkulation</source>
        <translation>L&apos;elenco mostrato, per un foglio di calcolo</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Alle Vögel im Bestand</source>
        <translation>Tutti gli uccelli del parco riproduttori</translation>
    </message>
    <message>
        <source>Vögel ohne Standort</source>
        <translation>Uccelli senza posizione</translation>
    </message>
    <message>
        <source>Bitte zuerst die Vögel in der Liste auswählen.</source>
        <translation>Scegli prima gli uccelli nell&apos;elenco.</translation>
    </message>
    <message>
        <source>Ungültiges Datum beim Umsetzen!</source>
        <translation>Data dello spostamento non valida!</translation>
    </message>
    <message>
        <source>Standort %1</source>
        <translation>Posizione %1</translation>
    </message>
    <message>
        <source>die Standortliste</source>
        <translation>l&apos;elenco delle posizioni</translation>
    </message>
    <message>
        <source>Standorte</source>
        <comment>file name of the printed list of locations</comment>
        <translation>Posizioni</translation>
    </message>
    <message>
        <source>Standorte speichern</source>
        <translation>Salva posizioni</translation>
    </message>
    <message>
        <source>Standorte.csv</source>
        <translation>Posizioni.csv</translation>
    </message>
    <message>
        <source>Vögel in der Liste: %1</source>
        <translation>Uccelli nell&apos;elenco: %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Avelor Abstammungsnachweis für Kanarienvögel</source>
        <translation>Avelor Certificato genealogico per canarini</translation>
    </message>
    <message>
        <source>Alles speichern und Programm beenden</source>
        <translation>Salva tutto ed esci</translation>
    </message>
    <message>
        <source>Züchterdaten</source>
        <translation>Dati dell&apos;allevatore</translation>
    </message>
    <message>
        <source>Kanarienvögel anlegen</source>
        <translation>Inserisci canarini</translation>
    </message>
    <message>
        <source>Kanarienvögel löschen</source>
        <translation>Elimina canarini</translation>
    </message>
    <message>
        <source>Kanarienvögel ändern</source>
        <translation>Modifica canarini</translation>
    </message>
    <message>
        <source>Kanarienvögel suchen</source>
        <translation>Cerca canarini</translation>
    </message>
    <message>
        <source>Elternbeziehungen</source>
        <translation>Collegamenti ai genitori</translation>
    </message>
    <message>
        <source>Kanarienvögelbestandsliste anzeigen</source>
        <translation>Mostra elenco del parco riproduttori</translation>
    </message>
    <message>
        <source>Kanarienvögelbestandsliste drucken</source>
        <translation>Stampa elenco del parco riproduttori</translation>
    </message>
    <message>
        <source>Kinder, Enkel &amp;&amp; Urenkel</source>
        <translation>Figli, nipoti &amp;&amp; pronipoti</translation>
    </message>
    <message>
        <source>Nachwuchsverwaltung</source>
        <translation>Riproduzione e novelli</translation>
    </message>
    <message>
        <source>Frage</source>
        <translation>Domanda</translation>
    </message>
    <message>
        <source>Wollen sie das Programm beenden?</source>
        <translation>Uscire dal programma?</translation>
    </message>
</context>
<context>
    <name>MatePlanner</name>
    <message>
        <source>Die Ringnummer „%1“ ist nicht im Bestand.</source>
        <translation>Il numero dell&apos;anellino “%1” non è nel parco riproduttori.</translation>
    </message>
    <message>
        <source>Das Geschlecht des Kanarienvogels „%1“ ist unbekannt; ohne es lassen sich keine Partner suchen.</source>
        <translation>Il sesso del canarino “%1” è sconosciuto; senza di esso non è possibile cercare partner.</translation>
    </message>
</context>
<context>
    <name>MatePlannerWindow</name>
    <message>
        <source>Partnersuche</source>
        <translation>Ricerca partner</translation>
    </message>
    <message>
        <source>Der Hahn oder die Henne, für die ein Partner gesucht wird</source>
        <translation>Il maschio o la femmina per cui si cerca un partner</translation>
    </message>
    <message>
        <source>Nur Rasse:</source>
        <translation>Solo razza:</translation>
    </message>
    <message>
        <source>Die am wenigsten verwandten Partner stehen oben; eng verwandte sind rot</source>
        <translation>I partner meno imparentati sono in alto; quelli strettamente imparentati sono in rosso</translation>
    </message>
    <message>
        <source>Mögliche Partner</source>
        <translation>Possibili partner</translation>
    </message>
    <message>
        <source>Als &amp;Zuchtpaar anlegen…</source>
        <translation>Inserisci come &amp;coppia riproduttrice…</translation>
    </message>
    <message>
        <source>Öffnet die Nachwuchsverwaltung mit beiden Vögeln als neues Zuchtpaar</source>
        <translation>Apre Riproduzione e novelli con entrambi i soggetti come nuova coppia riproduttrice</translation>
    </message>
    <message>
        <source>Kanarienvogel:</source>
        <translation>Canarino:</translation>
    </message>
    <message>
        <source>Bitte den Kanarienvogel wählen.</source>
        <translation>Scegliere il canarino.</translation>
    </message>
    <message>
        <source>%1 mögliche Partner, die am wenigsten verwandten zuerst.</source>
        <translation>%1 possibili partner, i meno imparentati per primi.</translation>
    </message>
    <message>
        <source>Bitte zuerst einen Partner in der Liste anklicken.</source>
        <translation>Fare prima clic su un partner nell&apos;elenco.</translation>
    </message>
</context>
<context>
    <name>MateTableModel</name>
    <message>
        <source>Eng verwandt: Die Jungen hätten einen Inzuchtkoeffizienten von %1.</source>
        <translation>Strettamente imparentati: i novelli avrebbero un coefficiente di consanguineità di %1.</translation>
    </message>
    <message>
        <source>eng verwandt</source>
        <translation>strettamente imparentati</translation>
    </message>
    <message>
        <source>Ringnummer</source>
        <translation>Numero anellino</translation>
    </message>
    <message>
        <source>Inzucht der Jungen</source>
        <translation>Consanguineità dei novelli</translation>
    </message>
    <message>
        <source>Verwandtschaft</source>
        <translation>Parentela</translation>
    </message>
    <message>
        <source>Farben der Jungen</source>
        <translation>Colori dei novelli</translation>
    </message>
</context>
<context>
    <name>MoreWindowsButton</name>
    <message>
        <source>Saison und Auswertungen</source>
        <translation>Stagione e resoconti</translation>
    </message>
    <message>
        <source>&amp;Zuchtkalender…</source>
        <translation>&amp;Calendario della riproduzione…</translation>
    </message>
    <message>
        <source>Zucht&amp;statistik…</source>
        <translation>&amp;Statistiche della riproduzione…</translation>
    </message>
    <message>
        <source>&amp;Partnersuche…</source>
        <translation>Ricerca &amp;partner…</translation>
    </message>
    <message>
        <source>&amp;Farbvererbung…</source>
        <translation>&amp;Ereditarietà del colore…</translation>
    </message>
    <message>
        <source>&amp;Ausstellungsergebnisse…</source>
        <translation>Risultati delle &amp;mostre…</translation>
    </message>
    <message>
        <source>S&amp;tandorte…</source>
        <translation>Po&amp;sizioni…</translation>
    </message>
    <message>
        <source>&amp;Ringbestand…</source>
        <translation>&amp;Inventario degli anelli…</translation>
    </message>
    <message>
        <source>Ausstellungs&amp;meldung…</source>
        <translation>Isc&amp;rizione alle mostre…</translation>
    </message>
</context>
<context>
    <name>PairGroup</name>
    <message>
        <source>Zuchtpaar zum Drucken auswählen: </source>
        <translation>Scegli coppia riproduttrice da stampare: </translation>
    </message>
    <message>
        <source>Zuchtpaar</source>
        <translation>Coppia riproduttrice</translation>
    </message>
    <message>
        <source>Zuchtpaar drucken</source>
        <translation>Stampa coppia riproduttrice</translation>
    </message>
    <message>
        <source>Bitte Zuchtpaar auswählen, dass Sie drucken möchten.</source>
        <translation>Scegliere la coppia riproduttrice da stampare.</translation>
    </message>
    <message>
        <source>das Zuchtpaar</source>
        <translation>la coppia riproduttrice</translation>
    </message>
    <message>
        <source>Zuchtpaar</source>
        <comment>file name of the printed pair</comment>
        <translation>Coppia riproduttrice</translation>
    </message>
    <message>
        <source>Käfigkarten…</source>
        <translation>Cartellini di gabbia…</translation>
    </message>
    <message>
        <source>Karten für die Zuchtkäfige oder einzelne Vögel, mit QR-Code der Ringnummern</source>
        <translation>Cartellini per le gabbie da riproduzione o singoli uccelli, con un codice QR dei numeri di anellino</translation>
    </message>
</context>
<context>
    <name>PairSheet</name>
    <message>
        <source>unbekannt</source>
        <translation>sconosciuto</translation>
    </message>
    <message>
        <source>männlich </source>
        <translation>maschio </translation>
    </message>
    <message>
        <source>weiblich </source>
        <translation>femmina </translation>
    </message>
    <message>
        <source>Gelege %1:      Erstes Ei          letztes Ei          Anzahl Eier          Gelege gesetzt
<byte value="xd"/></source>
        <translation>Covata %1:      Primo uovo         Ultimo uovo         Numero uova          Covata reinserita
</translation>
    </message>
    <message>
        <source>aus Gelege %1: Ringnummer             Geschlecht    Rasse/Art                           abgesetzt
<byte value="xd"/></source>
        <translation>da covata %1:  Numero anellino        Sesso         Razza/specie                        svezzato
</translation>
    </message>
    <message>
        <source>nicht beringt</source>
        <translation>non inanellato</translation>
    </message>
    <message>
        <source>für Zuchtpaar %1 und %2</source>
        <translation>per la coppia riproduttrice %1 e %2</translation>
    </message>
</context>
<context>
    <name>PairSheetReport</name>
    <message>
        <source>Ringnummer:</source>
        <translation>Numero anellino:</translation>
    </message>
    <message>
        <source>Art/Rasse:</source>
        <translation>Specie/razza:</translation>
    </message>
    <message>
        <source>Farbe::</source>
        <translation>Colore:</translation>
    </message>
    <message>
        <source>Zuchtpaarauszug aus Zuchtdatei</source>
        <translation>Scheda coppia riproduttrice</translation>
    </message>
    <message>
        <source>Details zu Vogel (m) 1.0:</source>
        <translation>Dettagli sul soggetto (m) 1.0:</translation>
    </message>
    <message>
        <source>Details zu Vogel (w) 0.1:</source>
        <translation>Dettagli sul soggetto (f) 0.1:</translation>
    </message>
    <message>
        <source>Gelege:</source>
        <translation>Covata:</translation>
    </message>
    <message>
        <source>Beringungen:</source>
        <translation>Inanellamenti:</translation>
    </message>
    <message>
        <source>Erstellt mit Avelor Abstammungsnachweis</source>
        <translation>Creato con Avelor Certificato genealogico</translation>
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
        <translation>CANARINO VENDUTO</translation>
    </message>
    <message>
        <source>keine</source>
        <comment>no mother</comment>
        <translation>nessuna</translation>
    </message>
    <message>
        <source>keiner</source>
        <comment>no father</comment>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>Gespeichert ist die Mutter %1 und der Vater %2, in der Auswahl aber nicht aufgeführt (verkauft, gelöscht oder ausgefiltert). Beim Speichern wird diese Verbindung entfernt.

Trotzdem speichern?</source>
        <extracomment>%1 is the mother&apos;s ring, %2 the father&apos;s</extracomment>
        <translation>La madre %1 e il padre %2 salvati non compaiono nella selezione (venduti, eliminati o esclusi dal filtro). Salvando, questi collegamenti verranno rimossi.

Salvare comunque?</translation>
    </message>
    <message>
        <source>Gespeichert ist die Mutter %1, in der Auswahl aber nicht aufgeführt (verkauft, gelöscht oder ausgefiltert). Beim Speichern wird diese Verbindung entfernt.

Trotzdem speichern?</source>
        <translation>La madre %1 salvata non compare nella selezione (venduta, eliminata o esclusa dal filtro). Salvando, questo collegamento verrà rimosso.

Salvare comunque?</translation>
    </message>
    <message>
        <source>Gespeichert ist der Vater %1, in der Auswahl aber nicht aufgeführt (verkauft, gelöscht oder ausgefiltert). Beim Speichern wird diese Verbindung entfernt.

Trotzdem speichern?</source>
        <translation>Il padre %1 salvato non compare nella selezione (venduto, eliminato o escluso dal filtro). Salvando, questo collegamento verrà rimosso.

Salvare comunque?</translation>
    </message>
</context>
<context>
    <name>ParentLinksDialog</name>
    <message>
        <source>Sobald sie alle Kanarienvögel eingegeben haben, müssen Sie hier die Elternbeziehungen festlegen, damit das Programm weiß, wie sich die Familienverhältnisse verhalten um einen Abstammungsnachweis erstellen zu können.

Wählen Sie links in der Liste aller Kanarienvögel das Kind aus und legen Sie anschließend Vater und Mutter dazu fest. Klicken Sie dann auf &quot;Speichern&quot;.

Wählen Sie dann den Vater und die Mutter nacheinander in der linken Liste aus und wählen Sie deren Eltern. Das Programm kennt dann die Eltern des Jungvogels, sowie die Eltern der Eltern (die Großeltern des Jungvogels).

Auf diese Weise können Sie bis zu 4 Generationen verknüpfen, indem Sie immer nur die Eltern des Jungvogels, des Vaters und der Mutter, der Großmütter und der Großväter, usw. angeben.</source>
        <translation>Dopo aver inserito tutti i canarini, stabilire qui i collegamenti ai genitori, in modo che il programma conosca i rapporti di parentela e possa creare un certificato genealogico.

Scegliere a sinistra, nell&apos;elenco di tutti i canarini, il novello e poi indicarne il padre e la madre. Fare quindi clic su &quot;Salva&quot;.

Scegliere poi uno dopo l&apos;altro il padre e la madre nell&apos;elenco di sinistra e indicarne i genitori. Il programma conosce così i genitori del novello e i genitori dei genitori (i nonni del novello).

In questo modo è possibile collegare fino a 4 generazioni, indicando sempre soltanto i genitori del novello, del padre e della madre, delle nonne e dei nonni e così via.</translation>
    </message>
    <message>
        <source>Elternbeziehungen</source>
        <translation>Collegamenti ai genitori</translation>
    </message>
    <message>
        <source>Liste aller Kanarienvögel:</source>
        <translation>Elenco di tutti i canarini:</translation>
    </message>
    <message>
        <source>zur Zeit gespeicherte Mutter:</source>
        <translation>madre attualmente salvata:</translation>
    </message>
    <message>
        <source>zur Zeit gespeicherter Vater:</source>
        <translation>padre attualmente salvato:</translation>
    </message>
    <message>
        <source>Verkaufte Kanarienvögel in allen 3 Listen ausblenden</source>
        <translation>Nascondi i canarini venduti in tutti e 3 gli elenchi</translation>
    </message>
    <message>
        <source>Gelöschte Kanarienvögel in den Eltern-Teil-Auswahlliste anzeigen</source>
        <translation>Mostra i canarini eliminati negli elenchi di selezione dei genitori</translation>
    </message>
    <message>
        <source>Filter auch für Elterntiereauswahl anwenden</source>
        <translation>Applica il filtro anche alla selezione dei genitori</translation>
    </message>
    <message>
        <source>Eltern dieses Vogels ändern:</source>
        <translation>Modifica i genitori di questo soggetto:</translation>
    </message>
    <message>
        <source>=&gt; keine Mutter</source>
        <translation>=&gt; nessuna madre</translation>
    </message>
    <message>
        <source>=&gt; kein Vater</source>
        <translation>=&gt; nessun padre</translation>
    </message>
    <message>
        <source>neue Mutter:</source>
        <translation>nuova madre:</translation>
    </message>
    <message>
        <source>neuer Vater:</source>
        <translation>nuovo padre:</translation>
    </message>
    <message>
        <source>Neue Eltern des Vogels speichern</source>
        <translation>Salva i nuovi genitori del soggetto</translation>
    </message>
    <message>
        <source>Wählen Sie nun Mutter und Vater d. ausgew. Kanarienvogel aus und klicken Sie auf &quot;Speichern&quot;.</source>
        <translation>Scegliere ora la madre e il padre del canarino selezionato e fare clic su &quot;Salva&quot;.</translation>
    </message>
    <message>
        <source>Bitte das Jungtier auswählen.</source>
        <translation>Scegliere il novello.</translation>
    </message>
    <message>
        <source>Frage</source>
        <translation>Domanda</translation>
    </message>
    <message>
        <source>Die Eltern wurden erfolgreich gespeichert.</source>
        <translation>I genitori sono stati salvati.</translation>
    </message>
</context>
<context>
    <name>PedigreeGroup</name>
    <message>
        <source>Abstammungsnachweis:</source>
        <translation>Certificato genealogico:</translation>
    </message>
    <message>
        <source>Für Kanarienvogel mit Ring-Nr.:</source>
        <translation>Per il canarino con n. anellino:</translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Anzeigen</source>
        <translation>Mostra</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Nur Stammblatt drucken</source>
        <translation>Stampa solo la scheda del soggetto</translation>
    </message>
    <message>
        <source>Stammbaum als Datei speichern…</source>
        <translation>Salva genealogia come file…</translation>
    </message>
    <message>
        <source>Freier Text:</source>
        <translation>Testo libero:</translation>
    </message>
    <message>
        <source>Käuferdaten:</source>
        <translation>Dati dell&apos;acquirente:</translation>
    </message>
</context>
<context>
    <name>PedigreeImport</name>
    <message>
        <source>Das ist keine Stammbaumdatei von Avelor.</source>
        <translation>Questo non è un file genealogico di Avelor.</translation>
    </message>
    <message>
        <source>Diese Stammbaumdatei hat die Formatversion %1; dieses Programm kennt bis %2. Bitte Avelor aktualisieren, um sie einzulesen.</source>
        <translation>Questo file genealogico ha la versione di formato %1; questo programma conosce fino alla %2. Aggiornare Avelor per poterlo leggere.</translation>
    </message>
    <message>
        <source>erhalten von %1</source>
        <translation>ricevuto da %1</translation>
    </message>
    <message>
        <source>Die Stammbaumdatei enthält keinen Vogel.</source>
        <translation>Il file genealogico non contiene alcun soggetto.</translation>
    </message>
</context>
<context>
    <name>PedigreeReading</name>
    <message>
        <source>unter 1 %</source>
        <translation>meno dell&apos;1 %</translation>
    </message>
    <message>
        <source>sicher spalterbig für %1: %2</source>
        <translation>sicuramente portatore di %1: %2</translation>
    </message>
    <message>
        <source>spalterbig für %1: %2, %3</source>
        <translation>portatore di %1: %2, %3</translation>
    </message>
    <message>
        <source>spalterbig</source>
        <translation>portatore</translation>
    </message>
    <message>
        <source>zu %1 spalterbig</source>
        <translation>portatore al %1</translation>
    </message>
    <message>
        <source>Vater und Mutter %1</source>
        <translation>padre e madre %1</translation>
    </message>
    <message>
        <source>Vater %1</source>
        <translation>padre %1</translation>
    </message>
    <message>
        <source>Mutter %1</source>
        <translation>madre %1</translation>
    </message>
    <message>
        <source>Junges %1 %2</source>
        <translation>novello %1 %2</translation>
    </message>
    <message>
        <source>Vater %1, Mutter %2</source>
        <translation>padre %1, madre %2</translation>
    </message>
</context>
<context>
    <name>PedigreeReport</name>
    <message>
        <source>Abstammungsnachweis</source>
        <translation>Certificato genealogico</translation>
    </message>
    <message>
        <source>Erstellt mit Avelor Abstammungsnachweis - Internet: %1</source>
        <translation>Creato con Avelor Certificato genealogico - Internet: %1</translation>
    </message>
    <message>
        <source>Verkauft an:</source>
        <translation>Venduto a:</translation>
    </message>
    <message>
        <source>Farbe: </source>
        <translation>Colore: </translation>
    </message>
    <message>
        <source>Züchter: </source>
        <translation>Allevatore: </translation>
    </message>
    <message>
        <source>Art: </source>
        <translation>Razza: </translation>
    </message>
    <message>
        <source>Jahrgang: </source>
        <translation>Anno: </translation>
    </message>
    <message>
        <source>für %1</source>
        <translation>per %1</translation>
    </message>
    <message>
        <source>Tel.: </source>
        <translation>Tel.: </translation>
    </message>
    <message>
        <source>Inzuchtkoeffizient: %1 (Schleife in den Elternbeziehungen übergangen)</source>
        <translation>Coefficiente di consanguineità: %1 (ciclo nei collegamenti ai genitori ignorato)</translation>
    </message>
    <message>
        <source>Inzuchtkoeffizient: %1</source>
        <translation>Coefficiente di consanguineità: %1</translation>
    </message>
</context>
<context>
    <name>PictureBox</name>
    <message>
        <source>Bild</source>
        <translation>Immagine</translation>
    </message>
    <message>
        <source>Bild kann nicht angezeigt werden</source>
        <translation>Impossibile mostrare l&apos;immagine</translation>
    </message>
</context>
<context>
    <name>PictureDecoder</name>
    <message>
        <source>Das Bild „%1“ kann nicht angezeigt werden: %2</source>
        <translation>Impossibile mostrare l&apos;immagine “%1”: %2</translation>
    </message>
    <message>
        <source>Die JPEG-Daten sind fehlerhaft (%1).</source>
        <translation>I dati JPEG sono difettosi (%1).</translation>
    </message>
    <message>
        <source>Das Dateiformat ist unbekannt oder die Datei ist beschädigt.</source>
        <translation>Il formato del file è sconosciuto o il file è danneggiato.</translation>
    </message>
    <message>
        <source>Die Datei kann nicht gelesen werden.</source>
        <translation>Impossibile leggere il file.</translation>
    </message>
</context>
<context>
    <name>PictureStore</name>
    <message>
        <source>Der Bilderordner „%1“ konnte nicht angelegt werden.</source>
        <translation>Impossibile creare la cartella delle immagini “%1”.</translation>
    </message>
    <message>
        <source>Das Bild für %1 konnte nicht gespeichert werden: %2</source>
        <translation>Impossibile salvare l&apos;immagine di %1: %2</translation>
    </message>
    <message>
        <source>Das Bild von %1 wurde nicht umbenannt, weil es unter %2 schon ein Bild gibt. Bitte prüfen Sie beide Bilder im Ordner „%3“.</source>
        <translation>L&apos;immagine di %1 non è stata rinominata perché esiste già un&apos;immagine con il nome %2. Controllare entrambe le immagini nella cartella “%3”.</translation>
    </message>
    <message>
        <source>Das Bild von %1 konnte nicht nach %2 umbenannt werden: %3</source>
        <translation>Impossibile rinominare l&apos;immagine di %1 in %2: %3</translation>
    </message>
    <message>
        <source>Das Bild von %1 konnte nicht gelöscht werden: %2</source>
        <translation>Impossibile eliminare l&apos;immagine di %1: %2</translation>
    </message>
</context>
<context>
    <name>PreferencesStore</name>
    <message>
        <source>Einstellungen des Abstammungsnachweises geändert</source>
        <translation>Impostazioni del certificato genealogico modificate</translation>
    </message>
    <message>
        <source>Tage des Zuchtkalenders geändert</source>
        <translation>Giorni del calendario della riproduzione modificati</translation>
    </message>
    <message>
        <source>Sprache geändert</source>
        <translation>Lingua modificata</translation>
    </message>
</context>
<context>
    <name>PrintSettingsDialog</name>
    <message>
        <source>Einstellungen für den Druck</source>
        <translation>Impostazioni di stampa</translation>
    </message>
    <message>
        <source>Nachwuchsverwaltung anzeigen</source>
        <translation>Mostra Riproduzione e novelli</translation>
    </message>
    <message>
        <source>Druck des Abstammungsnachweises:</source>
        <translation>Stampa del certificato genealogico:</translation>
    </message>
    <message>
        <source>Jahrgang auf Abstammungs-Nachweis drucken</source>
        <translation>Stampa l&apos;anno sul certificato genealogico</translation>
    </message>
    <message>
        <source>Prefixe anzeigen (&quot;Züchter:&quot;, &quot;Farbe:&quot;, ...)</source>
        <translation>Mostra prefissi (&quot;Allevatore:&quot;, &quot;Colore:&quot;, ...)</translation>
    </message>
    <message>
        <source>&quot;Verkauft an:&quot; + eingegebenen Text anzeigen</source>
        <translation>Mostra &quot;Venduto a:&quot; + il testo inserito</translation>
    </message>
    <message>
        <source>Bild des Vogels anzeigen (sofern vorhanden)</source>
        <translation>Mostra l&apos;immagine del soggetto (se presente)</translation>
    </message>
    <message>
        <source>Freien Text anzeigen (ohne &quot;Verkauft an:&quot;)</source>
        <translation>Mostra il testo libero (senza &quot;Venduto a:&quot;)</translation>
    </message>
    <message>
        <source>Rasse bei UGE und Züchter bei UUGE</source>
        <translation>Razza per BN e allevatore per TN</translation>
    </message>
    <message>
        <source>Bemerkungen bei UGE und UUGE</source>
        <translation>Note per BN e TN</translation>
    </message>
    <message>
        <source>Schriftgröße:</source>
        <translation>Dimensione carattere:</translation>
    </message>
    <message>
        <source>Oben rechts anzeigen:</source>
        <translation>Mostra in alto a destra:</translation>
    </message>
    <message>
        <source>Bei den Urgroßeltern (UGE) und Ururgroßeltern (UUGE)
anzeigen:</source>
        <translation>Mostra per i bisnonni (BN)
e i trisnonni (TN):</translation>
    </message>
    <message>
        <source>Zweizeilig (mehr Informationen)</source>
        <translation>Due righe (più informazioni)</translation>
    </message>
    <message>
        <source>Einzeilig (übersichtlicher, da kompakter)</source>
        <translation>Una riga (più chiara e compatta)</translation>
    </message>
    <message>
        <source>Layout Kanarienvögelbestandsliste:</source>
        <translation>Layout dell&apos;elenco del parco riproduttori:</translation>
    </message>
    <message>
        <source>Farbe für den Kopf:</source>
        <translation>Colore dell&apos;intestazione:</translation>
    </message>
    <message>
        <source>Farbe für männlich:</source>
        <translation>Colore per i maschi:</translation>
    </message>
    <message>
        <source>Farbe für weiblich:</source>
        <translation>Colore per le femmine:</translation>
    </message>
    <message>
        <source>Zusätzlich auf dem Abstammungsnachweis:</source>
        <translation>Inoltre sul certificato genealogico:</translation>
    </message>
    <message>
        <source>Inzuchtkoeffizient auf dem Abstammungsnachweis</source>
        <translation>Coefficiente di consanguineità sul certificato genealogico</translation>
    </message>
    <message>
        <source>Mehrfach vorkommende Ahnen markieren</source>
        <translation>Evidenzia gli antenati che compaiono più volte</translation>
    </message>
    <message>
        <source>Bestes Ausstellungsergebnis auf dem Stammblatt</source>
        <translation>Miglior risultato in mostra sulla scheda del soggetto</translation>
    </message>
    <message>
        <source>Sprache</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>wie das System (%1)</source>
        <translation>come il sistema (%1)</translation>
    </message>
    <message>
        <source>Die Sprache der Fenster gilt ab dem nächsten Start.</source>
        <translation>La lingua delle finestre si applica dal prossimo avvio.</translation>
    </message>
    <message>
        <source>Sprache des Programms (ab dem nächsten Start):</source>
        <translation>Lingua del programma (dal prossimo avvio):</translation>
    </message>
    <message>
        <source>wie das Programm</source>
        <translation>come il programma</translation>
    </message>
    <message>
        <source>Sprache der Ausdrucke:</source>
        <translation>Lingua delle stampe:</translation>
    </message>
    <message>
        <source>Abstammungsnachweis, Stammblatt, Bestandsliste und Zuchtpaarblatt in dieser Sprache, etwa für einen Käufer im Ausland.</source>
        <translation>Certificato genealogico, scheda del soggetto, elenco del parco riproduttori e scheda della coppia in questa lingua, ad esempio per un acquirente all&apos;estero.</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>Bild %1 von %2</source>
        <translation>Immagine %1 di %2</translation>
    </message>
    <message>
        <source>Seite %1 von %2</source>
        <translation>Pagina %1 di %2</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Bitte warten</source>
        <translation>Attendere prego</translation>
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
        <translation>Scegli immagine</translation>
    </message>
    <message>
        <source>Farbe auswählen</source>
        <translation>Scegli colore</translation>
    </message>
    <message>
        <source>JPEG-Bilder (*.jpg *.jpeg *.JPG *.JPEG);;Bitmaps (*.bmp *.BMP)</source>
        <translation>Immagini JPEG (*.jpg *.jpeg *.JPG *.JPEG);;Bitmap (*.bmp *.BMP)</translation>
    </message>
</context>
<context>
    <name>RecordSheetReport</name>
    <message>
        <source>Farbe:</source>
        <translation>Colore:</translation>
    </message>
    <message>
        <source>Züchter:</source>
        <translation>Allevatore:</translation>
    </message>
    <message>
        <source>Geschlecht:</source>
        <translation>Sesso:</translation>
    </message>
    <message>
        <source>Art / Rasse:</source>
        <translation>Specie / razza:</translation>
    </message>
    <message>
        <source>Geburtsjahr:</source>
        <translation>Anno di nascita:</translation>
    </message>
    <message>
        <source>Bemerkung Kanarienvögelbestandsliste:</source>
        <translation>Nota elenco del parco riproduttori:</translation>
    </message>
    <message>
        <source>Sonstige Bemerkungen</source>
        <translation>Altre note</translation>
    </message>
    <message>
        <source>Erstellt mit Avelor Abstammungsnachweis</source>
        <translation>Creato con Avelor Certificato genealogico</translation>
    </message>
    <message>
        <source>Internet: %1</source>
        <translation>Internet: %1</translation>
    </message>
    <message>
        <source>unbekannt</source>
        <comment>sex</comment>
        <translation>sconosciuto</translation>
    </message>
    <message>
        <source>Bestes Ausstellungsergebnis: %1 Punkte, %2, %3</source>
        <extracomment>%1 points, %2 show, %3 date</extracomment>
        <translation>Miglior risultato in mostra: %1 punti, %2, %3</translation>
    </message>
    <message>
        <source>Stammblatt z. Kanarienvogel</source>
        <translation>Scheda del canarino</translation>
    </message>
</context>
<context>
    <name>RecordsCheck</name>
    <message>
        <source>die Datei ist keine SQLite-Datenbank</source>
        <translation>il file non è un database SQLite</translation>
    </message>
    <message>
        <source>sie stammt von einer neueren Avelor-Version (Version %1)</source>
        <translation>proviene da una versione più recente di Avelor (versione %1)</translation>
    </message>
    <message>
        <source>sie gibt eine Version an, die es nicht gibt (%1)</source>
        <translation>indica una versione che non esiste (%1)</translation>
    </message>
    <message>
        <source>die Prüfung der Datenbank meldet: %1</source>
        <translation>il controllo del database segnala: %1</translation>
    </message>
</context>
<context>
    <name>RecordsCopies</name>
    <message>
        <source>Die Kopie der Zusatzdaten %1</source>
        <translation>la copia dei dati aggiuntivi %1</translation>
    </message>
    <message>
        <source>%1 konnte nicht angelegt werden: %2</source>
        <translation>Impossibile creare %1: %2</translation>
    </message>
    <message>
        <source>die Datei ließ sich nicht schließen</source>
        <translation>non è stato possibile chiudere il file</translation>
    </message>
    <message>
        <source>%1 konnte nicht geschrieben werden: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>Die Zusatzdaten in %1 können nicht gelesen werden (%2).</source>
        <translation>Impossibile leggere i dati aggiuntivi in %1 (%2).</translation>
    </message>
    <message>
        <source>Das Zurückholen der Zusatzdaten</source>
        <translation>il ripristino dei dati aggiuntivi</translation>
    </message>
    <message>
        <source>Aktualisierung fehlgeschlagen: %1</source>
        <translation>Aggiornamento non riuscito: %1</translation>
    </message>
    <message>
        <source>%1 ist fehlgeschlagen: %2</source>
        <translation>Errore durante %1: %2</translation>
    </message>
</context>
<context>
    <name>RecordsDatabase</name>
    <message>
        <source>Die Zusatzdaten sind in diesem Programmlauf nicht verfügbar; %1 wurde nicht gespeichert.</source>
        <translation>I dati aggiuntivi non sono disponibili in questa esecuzione del programma; non è stato possibile salvare %1.</translation>
    </message>
    <message>
        <source>%1 konnte nicht gespeichert werden: %2</source>
        <translation>Impossibile salvare %1: %2</translation>
    </message>
    <message>
        <source>Der Verbleib von %1</source>
        <translation>la destinazione di %1</translation>
    </message>
    <message>
        <source>Das Ausstellungsergebnis von %1</source>
        <translation>il risultato in mostra di %1</translation>
    </message>
    <message>
        <source>Das Löschen des Ausstellungsergebnisses</source>
        <translation>l&apos;eliminazione del risultato in mostra</translation>
    </message>
    <message>
        <source>Die Zusatzdaten von %1</source>
        <translation>i dati aggiuntivi di %1</translation>
    </message>
    <message>
        <source>Die Zusatzdaten</source>
        <translation>i dati aggiuntivi</translation>
    </message>
    <message>
        <source>Das Löschen der Zusatzdaten von %1</source>
        <translation>l&apos;eliminazione dei dati aggiuntivi di %1</translation>
    </message>
    <message>
        <source>Das Zurücksetzen der Zusatzdaten</source>
        <translation>il ripristino iniziale dei dati aggiuntivi</translation>
    </message>
    <message>
        <source>Das Löschen der Zusatzdaten</source>
        <translation>l&apos;eliminazione dei dati aggiuntivi</translation>
    </message>
    <message>
        <source>Die Ringlieferung %1 bis %2</source>
        <translation>La fornitura di anelli da %1 a %2</translation>
    </message>
    <message>
        <source>Das Löschen der Ringlieferung</source>
        <translation>L&apos;eliminazione della fornitura di anelli</translation>
    </message>
    <message>
        <source>Das Zurücksetzen der Ringlieferungen</source>
        <translation>Il ripristino delle forniture di anelli</translation>
    </message>
    <message>
        <source>Die Ausstellung %1</source>
        <translation>la mostra %1</translation>
    </message>
    <message>
        <source>Das Löschen der Ausstellung</source>
        <translation>l&apos;eliminazione della mostra</translation>
    </message>
    <message>
        <source>Die Meldung</source>
        <translation>l&apos;iscrizione</translation>
    </message>
    <message>
        <source>Die Meldung von %1</source>
        <translation>l&apos;iscrizione di %1</translation>
    </message>
    <message>
        <source>Das Löschen der Meldung</source>
        <translation>l&apos;eliminazione dell&apos;iscrizione</translation>
    </message>
    <message>
        <source>Die Übernahme der Ergebnisse</source>
        <translation>l&apos;acquisizione dei risultati</translation>
    </message>
    <message>
        <source>Das Zurücksetzen der Ausstellungen</source>
        <translation>il ripristino delle mostre</translation>
    </message>
</context>
<context>
    <name>RecordsOpening</name>
    <message>
        <source>Die Zusatzdaten (Verbleib, Ausstellungsergebnisse, Erbanlagen) in %1</source>
        <translation>I dati aggiuntivi (destinazione, risultati delle mostre, fattori ereditari) in %1</translation>
    </message>
    <message>
        <source> Die Datei bleibt unverändert; die Zusatzdaten sind in diesem Programmlauf nicht verfügbar.</source>
        <translation> Il file resta invariato; i dati aggiuntivi non sono disponibili in questa esecuzione del programma.</translation>
    </message>
    <message>
        <source> Die Datei bleibt unverändert.</source>
        <translation> Il file resta invariato.</translation>
    </message>
    <message>
        <source>%1 werden gerade von einem anderen Programm benutzt (%2).%3 Bitte beenden Sie das andere Programm und versuchen Sie es danach noch einmal.</source>
        <translation>%1 sono attualmente in uso da parte di un altro programma (%2).%3 Chiudere l&apos;altro programma e riprovare.</translation>
    </message>
    <message>
        <source>%1 können nicht gelesen werden: %2.%3 Bitte prüfen Sie, ob Sie diese Datei lesen und ändern dürfen (Zugriffsrechte) und ob der Datenträger in Ordnung ist.</source>
        <translation>%1 non possono essere letti: %2.%3 Verificare di avere il permesso di leggere e modificare questo file (diritti di accesso) e che il supporto dati funzioni correttamente.</translation>
    </message>
    <message>
        <source>%1 wurden mitten in einer Änderung verlassen; diese Änderung nimmt Avelor beim nächsten Start zurück.%2 Bitte starten Sie Avelor einmal und versuchen Sie es danach noch einmal.</source>
        <translation>%1 sono rimasti a metà di una modifica; Avelor annullerà questa modifica al prossimo avvio.%2 Avviare Avelor una volta e poi riprovare.</translation>
    </message>
    <message>
        <source>%1 stammen von einer neueren Avelor-Version. Diese Version kann sie weder lesen noch ändern.%2 Bitte verwenden Sie die neuere Version des Programms.</source>
        <translation>%1 provengono da una versione più recente di Avelor. Questa versione non può né leggerli né modificarli.%2 Usare la versione più recente del programma.</translation>
    </message>
    <message>
        <source>%1 geben eine Version an, die es nicht gibt (%2); Avelor kann sie weder lesen noch ändern.%3</source>
        <translation>%1 indicano una versione che non esiste (%2); Avelor non può né leggerli né modificarli.%3</translation>
    </message>
    <message>
        <source>Die Datei %1 enthält keine Zusatzdaten von Avelor: %2.%3 Wird die Datei nicht mehr gebraucht, benennen Sie sie um oder verschieben Sie sie; dann legt Avelor beim nächsten Start eine neue an.</source>
        <translation>Il file %1 non contiene dati aggiuntivi di Avelor: %2.%3 Se il file non serve più, rinominarlo o spostarlo; Avelor ne creerà uno nuovo al prossimo avvio.</translation>
    </message>
    <message>
        <source>%1 sind beschädigt und konnten nicht gelesen werden (%2).</source>
        <translation>%1 sono danneggiati e non è stato possibile leggerli (%2).</translation>
    </message>
    <message>
        <source>

Die Datei konnte nicht beiseitegelegt werden; die Zusatzdaten sind in diesem Programmlauf nicht verfügbar.</source>
        <translation>

Non è stato possibile mettere da parte il file; i dati aggiuntivi non sono disponibili in questa esecuzione del programma.</translation>
    </message>
    <message>
        <source>

Die Datei wurde unverändert aufbewahrt als %1. Das Programm beginnt mit leeren Zusatzdaten.</source>
        <translation>

Il file è stato conservato senza modifiche come %1. Il programma inizia con dati aggiuntivi vuoti.</translation>
    </message>
    <message>
        <source>%1 können nicht angelegt werden, weil daneben noch %2 liegt und sich nicht beiseitelegen lässt. Die Zusatzdaten sind in diesem Programmlauf nicht verfügbar.</source>
        <translation>%1 non possono essere creati perché accanto si trova ancora %2, che non può essere messo da parte. I dati aggiuntivi non sono disponibili in questa esecuzione del programma.</translation>
    </message>
    <message>
        <source>%1 können nicht angelegt werden: %2. Die Zusatzdaten sind in diesem Programmlauf nicht verfügbar.</source>
        <translation>%1 non possono essere creati: %2. I dati aggiuntivi non sono disponibili in questa esecuzione del programma.</translation>
    </message>
    <message>
        <source>%1 konnten nicht auf den Stand dieser Version gebracht werden: %2. Die Datei bleibt, wie sie war; die Zusatzdaten sind in diesem Programmlauf nicht verfügbar.</source>
        <translation>Non è stato possibile aggiornare %1 a questa versione: %2. Il file resta com&apos;era; i dati aggiuntivi non sono disponibili in questa esecuzione del programma.</translation>
    </message>
</context>
<context>
    <name>RecordsSchema</name>
    <message>
        <source>unbekannte Version %1</source>
        <translation>versione sconosciuta %1</translation>
    </message>
    <message>
        <source>Tabelle „%1“</source>
        <translation>tabella “%1”</translation>
    </message>
    <message>
        <source>Index „%1“</source>
        <translation>indice “%1”</translation>
    </message>
    <message>
        <source>Spalte „%1“</source>
        <translation>colonna “%1”</translation>
    </message>
    <message>
        <source>der Aufbau der Version %1 ließ sich nicht herstellen</source>
        <translation>non è stato possibile creare la struttura della versione %1</translation>
    </message>
    <message>
        <source>%1 gehört nicht zu Version %2 der Zusatzdaten</source>
        <translation>%1 non appartiene alla versione %2 dei dati aggiuntivi</translation>
    </message>
    <message>
        <source>%1 fehlt</source>
        <translation>manca %1</translation>
    </message>
</context>
<context>
    <name>Relationship</name>
    <message>
        <source>Vater</source>
        <translation>Padre</translation>
    </message>
    <message>
        <source>Mutter</source>
        <translation>Madre</translation>
    </message>
    <message>
        <source>Sohn</source>
        <translation>Figlio</translation>
    </message>
    <message>
        <source>Tochter</source>
        <translation>Figlia</translation>
    </message>
    <message>
        <source>Vollgeschwister</source>
        <translation>Fratello pieno</translation>
    </message>
    <message>
        <source>Halbgeschwister</source>
        <translation>Mezzo fratello</translation>
    </message>
    <message>
        <source>Großelternteil</source>
        <translation>Nonno/a</translation>
    </message>
    <message>
        <source>Enkel</source>
        <translation>Nipote (linea retta)</translation>
    </message>
    <message>
        <source>Onkel/Tante</source>
        <translation>Zio/zia</translation>
    </message>
    <message>
        <source>Neffe/Nichte</source>
        <translation>Nipote (di zio/zia)</translation>
    </message>
    <message>
        <source>Cousin/Cousine</source>
        <translation>Cugino/a</translation>
    </message>
</context>
<context>
    <name>ReportActions</name>
    <message>
        <source>Drucke %1</source>
        <extracomment>%1 names what is printed, in the accusative (e.g. &quot;den Abstammungsnachweis&quot;)</extracomment>
        <translation>Stampa in corso: %1</translation>
    </message>
    <message>
        <source>Frage</source>
        <translation>Domanda</translation>
    </message>
    <message>
        <source>Es ist kein Drucker eingerichtet. Möchten Sie %1 stattdessen als PDF-Datei speichern?</source>
        <extracomment>%1 names what is printed, in the accusative (e.g. &quot;den Abstammungsnachweis&quot;)</extracomment>
        <translation>Nessuna stampante configurata. Salvare invece %1 come file PDF?</translation>
    </message>
    <message>
        <source>Es wurde nichts gedruckt. %1</source>
        <translation>Non è stato stampato nulla. %1</translation>
    </message>
    <message>
        <source>Als PDF speichern</source>
        <translation>Salva come PDF</translation>
    </message>
    <message>
        <source>PDF-Dateien (*.pdf)</source>
        <translation>File PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Speichere die PDF-Datei</source>
        <translation>Salvataggio del file PDF in corso</translation>
    </message>
    <message>
        <source>Die Datei „%1“ konnte nicht gespeichert werden: %2</source>
        <translation>Impossibile salvare il file “%1”: %2</translation>
    </message>
</context>
<context>
    <name>ReportOutput</name>
    <message>
        <source>Es gibt keine Seite zum Speichern.</source>
        <translation>Non c&apos;è nessuna pagina da salvare.</translation>
    </message>
</context>
<context>
    <name>ReportPreview</name>
    <message>
        <source>Ganze Seite</source>
        <translation>Pagina intera</translation>
    </message>
    <message>
        <source>Seitenbreite</source>
        <translation>Larghezza pagina</translation>
    </message>
    <message>
        <source>Druckvorschau</source>
        <translation>Anteprima di stampa</translation>
    </message>
    <message>
        <source>Seite</source>
        <translation>Pagina</translation>
    </message>
    <message>
        <source>Vorschau</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>◀ Vorige Seite</source>
        <translation>◀ Pagina precedente</translation>
    </message>
    <message>
        <source>Nächste Seite ▶</source>
        <translation>Pagina successiva ▶</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>Zoom:</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Als PDF speichern</source>
        <translation>Salva come PDF</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Seite %1 von %2</source>
        <translation>Pagina %1 di %2</translation>
    </message>
</context>
<context>
    <name>ReportRenderer</name>
    <message>
        <source>Seite %1 von %2</source>
        <translation>Pagina %1 di %2</translation>
    </message>
</context>
<context>
    <name>RingStockWindow</name>
    <message>
        <source>Ringbestand</source>
        <translation>Inventario degli anelli</translation>
    </message>
    <message>
        <source>Die Lieferungen dieses Jahres, oder aller Jahre</source>
        <translation>Le forniture di quest&apos;anno, o di tutti gli anni</translation>
    </message>
    <message>
        <source>alle Jahre</source>
        <translation>tutti gli anni</translation>
    </message>
    <message>
        <source>Jede Lieferung mit ihren verwendeten und freien Ringen</source>
        <translation>Ogni fornitura con i suoi anelli usati e liberi</translation>
    </message>
    <message>
        <source>Ringlieferungen</source>
        <translation>Forniture di anelli</translation>
    </message>
    <message>
        <source>Jahr</source>
        <translation>Anno</translation>
    </message>
    <message>
        <source>Verein</source>
        <translation>Associazione</translation>
    </message>
    <message>
        <source>Größe</source>
        <translation>Misura</translation>
    </message>
    <message>
        <source>Farbe</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Erster Ring</source>
        <translation>Primo anello</translation>
    </message>
    <message>
        <source>Letzter Ring</source>
        <translation>Ultimo anello</translation>
    </message>
    <message>
        <source>Ringe</source>
        <translation>Anelli</translation>
    </message>
    <message>
        <source>Verwendet</source>
        <translation>Usati</translation>
    </message>
    <message>
        <source>Frei</source>
        <translation>Liberi</translation>
    </message>
    <message>
        <source>Lieferung &amp;löschen…</source>
        <translation>&amp;Elimina fornitura…</translation>
    </message>
    <message>
        <source>Löscht die in der Liste gewählte Lieferung</source>
        <translation>Elimina la fornitura scelta nell&apos;elenco</translation>
    </message>
    <message>
        <source>&amp;Jahr:</source>
        <translation>&amp;Anno:</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Neue Lieferung</source>
        <translation>Nuova fornitura</translation>
    </message>
    <message>
        <source>Das Jahr, für das die Ringe gelten</source>
        <translation>L&apos;anno per cui valgono gli anelli</translation>
    </message>
    <message>
        <source>Der Verband oder Verein, der die Ringe ausgibt</source>
        <translation>La federazione o l&apos;associazione che rilascia gli anelli</translation>
    </message>
    <message>
        <source>Die Ringgröße, etwa 2,9 mm</source>
        <translation>La misura dell&apos;anello, ad esempio 2,9 mm</translation>
    </message>
    <message>
        <source>Die Ringfarbe des Jahres</source>
        <translation>Il colore degli anelli dell&apos;anno</translation>
    </message>
    <message>
        <source>Was vor der laufenden Nummer steht, etwa Verbandskürzel, Züchternummer und Jahr</source>
        <translation>Ciò che precede il numero progressivo, ad esempio sigla della federazione, numero allevatore e anno</translation>
    </message>
    <message>
        <source>Die laufende Nummer des ersten Rings</source>
        <translation>Il numero progressivo del primo anello</translation>
    </message>
    <message>
        <source>Die laufende Nummer des letzten Rings</source>
        <translation>Il numero progressivo dell&apos;ultimo anello</translation>
    </message>
    <message>
        <source>Mit wie vielen Stellen die Nummer geschrieben wird, vorn mit Nullen aufgefüllt</source>
        <translation>Con quante cifre viene scritto il numero, completato con zeri iniziali</translation>
    </message>
    <message>
        <source>Lieferung &amp;eintragen</source>
        <translation>&amp;Inserisci fornitura</translation>
    </message>
    <message>
        <source>Trägt die Ringe als neue Lieferung ein</source>
        <translation>Inserisce gli anelli come nuova fornitura</translation>
    </message>
    <message>
        <source>J&amp;ahr der Ringe:</source>
        <translation>Anno degli a&amp;nelli:</translation>
    </message>
    <message>
        <source>&amp;Verein:</source>
        <translation>A&amp;ssociazione:</translation>
    </message>
    <message>
        <source>&amp;Größe:</source>
        <translation>&amp;Misura:</translation>
    </message>
    <message>
        <source>&amp;Farbe:</source>
        <translation>C&amp;olore:</translation>
    </message>
    <message>
        <source>V&amp;orsatz:</source>
        <translation>&amp;Prefisso:</translation>
    </message>
    <message>
        <source>Erste &amp;Nummer:</source>
        <translation>P&amp;rimo numero:</translation>
    </message>
    <message>
        <source>Le&amp;tzte Nummer:</source>
        <translation>&amp;Ultimo numero:</translation>
    </message>
    <message>
        <source>&amp;Stellen:</source>
        <translation>&amp;Cifre:</translation>
    </message>
    <message>
        <source>Mehr als einmal vergeben: %1</source>
        <translation>Assegnati più di una volta: %1</translation>
    </message>
    <message>
        <source>Für %1 zu bestellen: etwa %2 Ringe (die in der Saison %3 beringten Jungen und ein Zehntel mehr).</source>
        <extracomment>%1 the next year, %2 a number of rings, %3 the season they are reckoned from</extracomment>
        <translation>Da ordinare per il %1: circa %2 anelli (i novelli inanellati nella stagione %3 più un decimo).</translation>
    </message>
    <message>
        <source>%1 bis %2: %3 Ringe</source>
        <extracomment>%1 the first ring, %2 the last, %3 how many rings</extracomment>
        <translation>Da %1 a %2: %3 anelli</translation>
    </message>
    <message>
        <source>Die Lieferung %1 bis %2 löschen? Die Vögel behalten ihre Ringe.</source>
        <extracomment>%1 and %2 the first and last ring of the delivery</extracomment>
        <translation>Eliminare la fornitura da %1 a %2? Gli uccelli mantengono i loro anelli.</translation>
    </message>
    <message>
        <source>Lieferung löschen</source>
        <translation>Elimina fornitura</translation>
    </message>
</context>
<context>
    <name>RingingGroup</name>
    <message>
        <source>Beringung des Nachwuchses: </source>
        <translation>Inanellamento dei novelli: </translation>
    </message>
    <message>
        <source>Ei auswählen um die Beringung vorzunehmen</source>
        <translation>Scegliere un uovo per inanellarne il novello</translation>
    </message>
    <message>
        <source>Ei-Infos löschen</source>
        <translation>Cancella dati dell&apos;uovo</translation>
    </message>
    <message>
        <source>Löscht die Beringungsinformationen zum ausgewählten Ei. 

Dadurch wird auch den Kanarienvogel mit dieser Ringnummer gelöscht,
samt seinen Elternbeziehungen. Danach kann zu diesem Ei
eine neue Ringnummer vergeben werden.</source>
        <translation>Cancella i dati di inanellamento dell&apos;uovo selezionato. 

Viene così eliminato anche il canarino con questo numero di anellino,
insieme ai suoi collegamenti ai genitori. In seguito si può assegnare
a questo uovo un nuovo numero di anellino.</translation>
    </message>
    <message>
        <source>Ei Nr:</source>
        <translation>Uovo n.:</translation>
    </message>
    <message>
        <source>Ei Nr</source>
        <translation>Uovo n.</translation>
    </message>
    <message>
        <source>Ringnummer des Kanarienvogels aus diesem Ei</source>
        <translation>Numero dell&apos;anellino del canarino nato da questo uovo</translation>
    </message>
    <message>
        <source>Geschlecht des Kanarienvogels aus diesem Ei</source>
        <translation>Sesso del canarino nato da questo uovo</translation>
    </message>
    <message>
        <source>Art/Rasse des Kanarienvogels aus diesem Ei</source>
        <translation>Specie/razza del canarino nato da questo uovo</translation>
    </message>
    <message>
        <source>Schlupfdatum des Kanarienvogels aus diesem Ei</source>
        <translation>Data di schiusa del canarino nato da questo uovo</translation>
    </message>
    <message>
        <source>Absetzdatum des Kanarienvogels aus diesem Ei</source>
        <translation>Data di svezzamento del canarino nato da questo uovo</translation>
    </message>
    <message>
        <source>Bemerkungen über den Kanarienvogel aus diesem Ei</source>
        <translation>Note sul canarino nato da questo uovo</translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Beendet die Eingabe zu Informationen zu diesem Ei und verwirft evtl. vorgenommene Änderungen.</source>
        <translation>Termina l&apos;inserimento dei dati di questo uovo e scarta le eventuali modifiche.</translation>
    </message>
    <message>
        <source>Kanarienvogel anlegen und gleich in den Elternbeziehungen eintragen</source>
        <translation>Inserisci il canarino e collegalo subito ai genitori</translation>
    </message>
    <message>
        <source>Legt den Kanarienvogel aus diesem Ei im Bestand an 
und trägt das Zuchtpaar automatisch bei den 
Elternbeziehungen ein.</source>
        <translation>Inserisce il canarino nato da questo uovo nel parco riproduttori 
e registra automaticamente la coppia riproduttrice 
come suoi genitori.</translation>
    </message>
    <message>
        <source>bekommt Ringnr:</source>
        <translation>riceve n. anellino:</translation>
    </message>
    <message>
        <source>Geschlecht:</source>
        <translation>Sesso:</translation>
    </message>
    <message>
        <source>Art/Rasse:</source>
        <translation>Specie/razza:</translation>
    </message>
    <message>
        <source>Schlupfdatum:</source>
        <translation>Data di schiusa:</translation>
    </message>
    <message>
        <source>abgesetzt:</source>
        <translation>svezzato:</translation>
    </message>
    <message>
        <source>Bemerkungen:</source>
        <translation>Note:</translation>
    </message>
</context>
<context>
    <name>SafeWrite</name>
    <message>
        <source>Kein Speicherplatz mehr auf dem Gerät</source>
        <translation>Spazio esaurito sul dispositivo</translation>
    </message>
    <message>
        <source>Speicherplatzkontingent überschritten</source>
        <translation>Quota disco superata</translation>
    </message>
    <message>
        <source>Datei zu groß</source>
        <translation>File troppo grande</translation>
    </message>
    <message>
        <source>Zugriff verweigert</source>
        <translation>Accesso negato</translation>
    </message>
    <message>
        <source>Dateisystem nur lesbar</source>
        <translation>File system di sola lettura</translation>
    </message>
    <message>
        <source>Ein-/Ausgabefehler</source>
        <translation>Errore di input/output</translation>
    </message>
    <message>
        <source>Datei oder Verzeichnis nicht gefunden</source>
        <translation>File o directory non esistente</translation>
    </message>
    <message>
        <source>Ist ein Verzeichnis</source>
        <translation>È una directory</translation>
    </message>
    <message>
        <source>Zu viele offene Dateien</source>
        <translation>Troppi file aperti</translation>
    </message>
    <message>
        <source>Vorgang nicht zulässig</source>
        <translation>Operazione non permessa</translation>
    </message>
    <message>
        <source>Nicht genug Speicherplatz</source>
        <translation>Spazio insufficiente</translation>
    </message>
    <message>
        <source>Keine Berechtigung</source>
        <translation>Permesso negato</translation>
    </message>
    <message>
        <source>Die Datei konnte nicht geöffnet werden</source>
        <translation>Impossibile aprire il file</translation>
    </message>
    <message>
        <source>Lesefehler</source>
        <translation>Errore di lettura</translation>
    </message>
    <message>
        <source>Die Datei konnte nicht ersetzt werden</source>
        <translation>Impossibile sostituire il file</translation>
    </message>
    <message>
        <source>Schreibfehler</source>
        <translation>Errore di scrittura</translation>
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
        <translation>Impossibile sostituire il file %1: %2

I file precedenti non sono stati modificati.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht ersetzt werden: %2

Die neuen Dateien sind vollständig gespeichert und werden beim nächsten Speichern oder Start an ihren Platz gebracht.</source>
        <translation>Impossibile sostituire il file %1: %2

I nuovi file sono stati salvati completamente e verranno messi al loro posto al prossimo salvataggio o avvio.</translation>
    </message>
    <message>
        <source>Das letzte Speichern wurde unterbrochen und konnte nicht abgeschlossen werden: Die Datei %1 konnte nicht ersetzt werden: %2</source>
        <translation>L&apos;ultimo salvataggio è stato interrotto e non è stato possibile completarlo: impossibile sostituire il file %1: %2</translation>
    </message>
    <message>
        <source>Das letzte Speichern wurde unterbrochen, und die bisherige Datei %1 konnte nicht an ihren Platz zurückgebracht werden: %2</source>
        <translation>L&apos;ultimo salvataggio è stato interrotto e non è stato possibile rimettere al suo posto il file precedente %1: %2</translation>
    </message>
    <message>
        <source>Die Datei %1 des letzten Speicherns kann nicht gelesen werden: %2</source>
        <translation>Impossibile leggere il file %1 dell&apos;ultimo salvataggio: %2</translation>
    </message>
</context>
<context>
    <name>SearchDialog</name>
    <message>
        <source>Kanarienvögel suchen</source>
        <translation>Cerca canarini</translation>
    </message>
    <message>
        <source>Sie wissen die Ringnummer des Kanarienvogels nicht, kennen aber den Züchter, die Endnummer oder das Geburtsjahr? Dann können Sie versuchen d. Kanarienvogel über die Ihnen bekannten Angaben zu finden. Geben Sie alle Informationen ein, die Ihnen bekannt sind.

Das Programm sucht dann in der Datenbank nach Kanarienvögel auf die alle Kriterien zutreffen und zeigt sie an.</source>
        <translation>Non si conosce il numero dell&apos;anellino del canarino, ma si conoscono l&apos;allevatore, le ultime cifre o l&apos;anno di nascita? Allora si può provare a trovare il canarino in base ai dati noti. Inserire tutte le informazioni conosciute.

Il programma cerca quindi nel database i canarini che soddisfano tutti i criteri e li mostra.</translation>
    </message>
    <message>
        <source>Alle gefundene Kanarienvögel anzeigen</source>
        <translation>Mostra tutti i canarini trovati</translation>
    </message>
    <message>
        <source>Vorab-Ergebnis:</source>
        <translation>Risultato provvisorio:</translation>
    </message>
    <message>
        <source>Ein Doppelklick zeigt den Abstammungsnachweis an.</source>
        <translation>Un doppio clic mostra il certificato genealogico.</translation>
    </message>
    <message>
        <source>Ring-Nr (auch Teile davon):</source>
        <translation>N. anellino (anche in parte):</translation>
    </message>
    <message>
        <source>Ring-Nr lautet:</source>
        <translation>Il n. anellino è:</translation>
    </message>
    <message>
        <source>Ring-Nr muß genau so sein.</source>
        <translation>Il n. anellino deve corrispondere esattamente.</translation>
    </message>
    <message>
        <source>Züchter (auch Teile davon):</source>
        <translation>Allevatore (anche in parte):</translation>
    </message>
    <message>
        <source>Züchter ist:</source>
        <translation>L&apos;allevatore è:</translation>
    </message>
    <message>
        <source>Züchter muß genau so sein.</source>
        <translation>L&apos;allevatore deve corrispondere esattamente.</translation>
    </message>
    <message>
        <source>Geburtsjahr (auch Teile davon):</source>
        <translation>Anno di nascita (anche in parte):</translation>
    </message>
    <message>
        <source>Geburtsjahr ist:</source>
        <translation>L&apos;anno di nascita è:</translation>
    </message>
    <message>
        <source>Geburtsjahr muß genau so sein.</source>
        <translation>L&apos;anno di nascita deve corrispondere esattamente.</translation>
    </message>
    <message>
        <source>Geschlecht:</source>
        <translation>Sesso:</translation>
    </message>
    <message>
        <source>&lt;= leeren</source>
        <translation>&lt;= svuota</translation>
    </message>
    <message>
        <source>Farbe (auch Teile davon):</source>
        <translation>Colore (anche in parte):</translation>
    </message>
    <message>
        <source>Farbe ist:</source>
        <translation>Il colore è:</translation>
    </message>
    <message>
        <source>Farbe muß genau so sein.</source>
        <translation>Il colore deve corrispondere esattamente.</translation>
    </message>
    <message>
        <source>Zeichnung (auch Teile davon):</source>
        <translation>Disegno (anche in parte):</translation>
    </message>
    <message>
        <source>Zeichnung ist:</source>
        <translation>Il disegno è:</translation>
    </message>
    <message>
        <source>Zeichnung muß genau so sein.</source>
        <translation>Il disegno deve corrispondere esattamente.</translation>
    </message>
    <message>
        <source>Rasse (auch Teile davon):</source>
        <translation>Razza (anche in parte):</translation>
    </message>
    <message>
        <source>Rasse ist:</source>
        <translation>La razza è:</translation>
    </message>
    <message>
        <source>Rasse muß genau so sein.</source>
        <translation>La razza deve corrispondere esattamente.</translation>
    </message>
    <message>
        <source>%1 Kanarienvögel gefunden...</source>
        <translation>%1 canarini trovati...</translation>
    </message>
</context>
<context>
    <name>SeasonStatisticsWindow</name>
    <message>
        <source>Zuchtstatistik</source>
        <translation>Statistiche della riproduzione</translation>
    </message>
    <message>
        <source>Die Saison: das Jahr des Zuchtbeginns</source>
        <translation>La stagione: l&apos;anno di inizio della riproduzione</translation>
    </message>
    <message>
        <source>Zahlen je Zuchtpaar</source>
        <translation>Dati per coppia riproduttrice</translation>
    </message>
    <message>
        <source>Zahlen je Hahn</source>
        <translation>Dati per maschio</translation>
    </message>
    <message>
        <source>Zahlen je Henne</source>
        <translation>Dati per femmina</translation>
    </message>
    <message>
        <source>&amp;Paare der Saison</source>
        <translation>Co&amp;ppie della stagione</translation>
    </message>
    <message>
        <source>&amp;Hähne, alle Jahre</source>
        <translation>&amp;Maschi, tutti gli anni</translation>
    </message>
    <message>
        <source>H&amp;ennen, alle Jahre</source>
        <translation>&amp;Femmine, tutti gli anni</translation>
    </message>
    <message>
        <source>&amp;Drucken…</source>
        <translation>S&amp;tampa…</translation>
    </message>
    <message>
        <source>Als &amp;CSV-Datei speichern…</source>
        <translation>Salva come file &amp;CSV…</translation>
    </message>
    <message>
        <source>&amp;Saison:</source>
        <translation>&amp;Stagione:</translation>
    </message>
    <message>
        <source>alle Jahre</source>
        <translation>tutti gli anni</translation>
    </message>
    <message>
        <source>Saison %1</source>
        <translation>Stagione %1</translation>
    </message>
    <message>
        <source>Je Hahn über alle Zuchtpaare und Jahre</source>
        <translation>Per maschio, su tutte le coppie riproduttrici e tutti gli anni</translation>
    </message>
    <message>
        <source>Je Henne über alle Zuchtpaare und Jahre</source>
        <translation>Per femmina, su tutte le coppie riproduttrici e tutti gli anni</translation>
    </message>
    <message>
        <source>die Zuchtstatistik</source>
        <translation>le statistiche della riproduzione</translation>
    </message>
    <message>
        <source>Zuchtstatistik speichern</source>
        <translation>Salva statistiche della riproduzione</translation>
    </message>
    <message>
        <source>Zuchtstatistik.csv</source>
        <translation>Statistiche della riproduzione.csv</translation>
    </message>
</context>
<context>
    <name>SeasonTables</name>
    <message>
        <source>Gelege</source>
        <translation>Covate</translation>
    </message>
    <message>
        <source>Gelege mit mindestens einem Ei</source>
        <translation>Covate con almeno un uovo</translation>
    </message>
    <message>
        <source>Eier</source>
        <translation>Uova</translation>
    </message>
    <message>
        <source>Eier, die in den Gelegen eingetragen sind</source>
        <translation>Uova registrate nelle covate</translation>
    </message>
    <message>
        <source>Geschlüpft</source>
        <translation>Schiusi</translation>
    </message>
    <message>
        <source>Eier mit Schlupfdatum oder Ring</source>
        <translation>Uova con data di schiusa o anellino</translation>
    </message>
    <message>
        <source>Beringt</source>
        <translation>Inanellati</translation>
    </message>
    <message>
        <source>Jungvögel mit Ring</source>
        <translation>Novelli con anellino</translation>
    </message>
    <message>
        <source>Abgesetzt</source>
        <translation>Svezzati</translation>
    </message>
    <message>
        <source>Jungvögel mit Absetzdatum</source>
        <translation>Novelli con data di svezzamento</translation>
    </message>
    <message>
        <source>Schlupfrate</source>
        <translation>Tasso di schiusa</translation>
    </message>
    <message>
        <source>Geschlüpft geteilt durch Eier</source>
        <translation>Schiusi diviso uova</translation>
    </message>
    <message>
        <source>Aufzuchtrate</source>
        <translation>Tasso di allevamento</translation>
    </message>
    <message>
        <source>Abgesetzt geteilt durch Geschlüpft</source>
        <translation>Svezzati diviso schiusi</translation>
    </message>
    <message>
        <source>überfällig</source>
        <translation>in ritardo</translation>
    </message>
    <message>
        <source>heute</source>
        <translation>oggi</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Aufgabe</source>
        <translation>Lavoro</translation>
    </message>
    <message>
        <source>Hecke</source>
        <translation>Gabbia da riproduzione</translation>
    </message>
    <message>
        <source>Hahn</source>
        <translation>Maschio</translation>
    </message>
    <message>
        <source>Henne</source>
        <translation>Femmina</translation>
    </message>
    <message>
        <source>Ei</source>
        <translation>Uovo</translation>
    </message>
    <message>
        <source>Stand</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Jahr</source>
        <translation>Anno</translation>
    </message>
    <message>
        <source>Summe</source>
        <translation>Totale</translation>
    </message>
</context>
<context>
    <name>SelectorLists</name>
    <message>
        <source>%1 - %2 vom %3</source>
        <extracomment>a breeding pair: cock&apos;s ring, hen&apos;s ring, start of breeding</extracomment>
        <translation>%1 - %2 del %3</translation>
    </message>
</context>
<context>
    <name>ShowEntries</name>
    <message>
        <source>Der Vogel %1 ist %2-mal gemeldet.</source>
        <extracomment>%1 a ring number, %2 how often it is entered</extracomment>
        <translation>Il soggetto %1 è iscritto %2 volte.</translation>
    </message>
    <message>
        <source>Die Kollektion %1 hat %2 statt 4 Vögel.</source>
        <extracomment>%1 the number of the collection, %2 how many birds it has</extracomment>
        <translation>Lo stamm %1 ha %2 soggetti invece di 4.</translation>
    </message>
    <message>
        <source>Die Kollektion %1 mischt Hähne und Hennen.</source>
        <translation>Lo stamm %1 mescola maschi e femmine.</translation>
    </message>
    <message>
        <source>In der Kollektion %1 sind nicht nur Hähne.</source>
        <translation>Lo stamm %1 non è composto solo da maschi.</translation>
    </message>
    <message>
        <source>In der Kollektion %1 sind nicht nur Hennen.</source>
        <translation>Lo stamm %1 non è composto solo da femmine.</translation>
    </message>
    <message>
        <source>Nr.</source>
        <translation>N.</translation>
    </message>
    <message>
        <source>Klasse</source>
        <translation>Classe</translation>
    </message>
    <message>
        <source>Ringnummer</source>
        <translation>Numero anellino</translation>
    </message>
    <message>
        <source>Geschlecht</source>
        <translation>Sesso</translation>
    </message>
    <message>
        <source>Farbe</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Rasse</source>
        <translation>Razza</translation>
    </message>
    <message>
        <source>Kollektion</source>
        <translation>Stamm</translation>
    </message>
    <message>
        <source>Käfig-Nr.</source>
        <translation>N. gabbia</translation>
    </message>
    <message>
        <source>Punkte</source>
        <translation>Punti</translation>
    </message>
    <message>
        <source>Preis</source>
        <translation>Premio</translation>
    </message>
</context>
<context>
    <name>ShowEntriesWindow</name>
    <message>
        <source>Ausstellungsmeldung</source>
        <translation>Iscrizione alle mostre</translation>
    </message>
    <message>
        <source>Die Ausstellung, deren Meldungen die Liste zeigt</source>
        <translation>La mostra le cui iscrizioni compaiono nell&apos;elenco</translation>
    </message>
    <message>
        <source>&amp;Neue Ausstellung…</source>
        <translation>&amp;Nuova mostra…</translation>
    </message>
    <message>
        <source>Name, Ort, Datum, Meldeschluss und Veranstalter der gewählten Ausstellung</source>
        <translation>Nome, luogo, data, chiusura iscrizioni e organizzatore della mostra scelta</translation>
    </message>
    <message>
        <source>Lö&amp;schen…</source>
        <translation>&amp;Elimina…</translation>
    </message>
    <message>
        <source>Löscht die gewählte Ausstellung mit allen ihren Meldungen</source>
        <translation>Elimina la mostra scelta con tutte le sue iscrizioni</translation>
    </message>
    <message>
        <source>Die Meldungen; Klasse, Käfig-Nr., Punkte und Preis lassen sich hier eintragen</source>
        <translation>Le iscrizioni; qui si possono inserire classe, n. gabbia, punti e premio</translation>
    </message>
    <message>
        <source>Meldungen der Ausstellung</source>
        <translation>Iscrizioni alla mostra</translation>
    </message>
    <message>
        <source>Übernommen</source>
        <translation>Acquisito</translation>
    </message>
    <message>
        <source>&amp;Ausstellung:</source>
        <translation>&amp;Mostra:</translation>
    </message>
    <message>
        <source>Meldung &amp;entfernen</source>
        <translation>&amp;Rimuovi iscrizione</translation>
    </message>
    <message>
        <source>Nimmt die in der Liste gewählte Meldung zurück</source>
        <translation>Ritira l&apos;iscrizione scelta nell&apos;elenco</translation>
    </message>
    <message>
        <source>Meldebogen &amp;drucken…</source>
        <translation>&amp;Stampa modulo d&apos;iscrizione…</translation>
    </message>
    <message>
        <source>Der Meldebogen mit Ihren Züchterdaten als Aussteller</source>
        <translation>Il modulo d&apos;iscrizione con i dati dell&apos;allevatore come espositore</translation>
    </message>
    <message>
        <source>Als &amp;CSV-Datei speichern…</source>
        <translation>Salva come file &amp;CSV…</translation>
    </message>
    <message>
        <source>Die Meldungen für eine Tabellenkalkulation</source>
        <translation>Le iscrizioni, per un foglio di calcolo</translation>
    </message>
    <message>
        <source>Ergebnisse &amp;übernehmen</source>
        <translation>Acq&amp;uisisci risultati</translation>
    </message>
    <message>
        <source>Jede Meldung mit Punkten wird ein Ausstellungsergebnis ihres Vogels</source>
        <translation>Ogni iscrizione con punti diventa un risultato in mostra del suo soggetto</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Melden</source>
        <translation>Iscrivi</translation>
    </message>
    <message>
        <source>Die Ringnummer eines Vogels aus dem Bestand</source>
        <translation>Il numero di anellino di un soggetto del parco riproduttori</translation>
    </message>
    <message>
        <source>Ring %1</source>
        <translation>Anellino %1</translation>
    </message>
    <message>
        <source>&amp;Ring:</source>
        <translation>&amp;Anellino:</translation>
    </message>
    <message>
        <source>&amp;Kollektion aus vier Vögeln</source>
        <translation>S&amp;tamm di quattro soggetti</translation>
    </message>
    <message>
        <source>Die vier Vögel werden als eine Kollektion gemeldet</source>
        <translation>I quattro soggetti vengono iscritti come un unico stamm</translation>
    </message>
    <message>
        <source>Die Klasse laut Ausschreibung; angeboten werden die Klassen, die Vögel dieser Rasse und Farbe schon hatten</source>
        <translation>La classe secondo il regolamento della mostra; vengono proposte le classi che soggetti di questa razza e colore hanno già avuto</translation>
    </message>
    <message>
        <source>K&amp;lasse:</source>
        <translation>C&amp;lasse:</translation>
    </message>
    <message>
        <source>&amp;Melden</source>
        <translation>&amp;Iscrivi</translation>
    </message>
    <message>
        <source>Meldet den Vogel oder die Kollektion für die gewählte Ausstellung</source>
        <translation>Iscrive il soggetto o lo stamm alla mostra scelta</translation>
    </message>
    <message>
        <source>%1 am %2</source>
        <translation>%1 il %2</translation>
    </message>
    <message>
        <source>Ort: %1 · Datum: %2 · Meldeschluss: %3 · Veranstalter: %4</source>
        <extracomment>%1 place, %2 date, %3 closing date, %4 organiser of a show</extracomment>
        <translation>Luogo: %1 · Data: %2 · Chiusura iscrizioni: %3 · Organizzatore: %4</translation>
    </message>
    <message>
        <source>Noch keine Ausstellung angelegt.</source>
        <translation>Nessuna mostra ancora inserita.</translation>
    </message>
    <message>
        <source>ja</source>
        <translation>sì</translation>
    </message>
    <message>
        <source>Bitte zuerst eine Ausstellung anlegen.</source>
        <translation>Inserire prima una mostra.</translation>
    </message>
    <message>
        <source>Die Ausstellung %1 mit ihren %2 Meldungen löschen? Übernommene Ergebnisse bleiben.</source>
        <extracomment>%1 the name of a show, %2 how many entries it has</extracomment>
        <translation>Eliminare la mostra %1 con le sue %2 iscrizioni? I risultati già acquisiti restano.</translation>
    </message>
    <message>
        <source>Ausstellung löschen</source>
        <translation>Elimina mostra</translation>
    </message>
    <message>
        <source>Eine Kollektion besteht aus vier Vögeln: bitte alle vier Ringe eingeben.</source>
        <translation>Uno stamm è composto da quattro soggetti: inserire tutti e quattro gli anellini.</translation>
    </message>
    <message>
        <source>Bitte zuerst eine Meldung in der Liste auswählen.</source>
        <translation>Scegliere prima un&apos;iscrizione nell&apos;elenco.</translation>
    </message>
    <message>
        <source>Die Käfig-Nr. muss eine Zahl größer als 0 sein.</source>
        <translation>Il n. gabbia deve essere un numero maggiore di 0.</translation>
    </message>
    <message>
        <source>Punkte bitte als Zahl bis 100 eingeben, halbe Punkte mit Komma: 92,5.</source>
        <translation>Inserire i punti come numero fino a 100, i mezzi punti con la virgola: 92,5.</translation>
    </message>
    <message>
        <source>Für diese Ausstellung ist noch nichts gemeldet.</source>
        <translation>Per questa mostra non c&apos;è ancora nessuna iscrizione.</translation>
    </message>
    <message>
        <source>Meldebogen drucken</source>
        <translation>Stampa modulo d&apos;iscrizione</translation>
    </message>
    <message>
        <source>%1

Den Meldebogen trotzdem drucken?</source>
        <translation>%1

Stampare comunque il modulo d&apos;iscrizione?</translation>
    </message>
    <message>
        <source>den Meldebogen</source>
        <translation>il modulo d&apos;iscrizione</translation>
    </message>
    <message>
        <source>Meldebogen %1</source>
        <translation>Modulo iscrizione %1</translation>
    </message>
    <message>
        <source>Meldungen speichern</source>
        <translation>Salva iscrizioni</translation>
    </message>
    <message>
        <source>Meldungen %1.csv</source>
        <translation>Iscrizioni %1.csv</translation>
    </message>
    <message>
        <source>Keine neuen Punkte zum Übernehmen: Punkte bitte zuerst in die Liste eintragen.</source>
        <translation>Nessun punto nuovo da acquisire: inserire prima i punti nell&apos;elenco.</translation>
    </message>
    <message>
        <source>%1 Ergebnisse wurden zu den Vögeln übernommen.</source>
        <translation>%1 risultati sono stati acquisiti nei dati dei soggetti.</translation>
    </message>
    <message>
        <source>&amp;Ändern…</source>
        <translation>M&amp;odifica…</translation>
    </message>
    <message>
        <source>Käfi&amp;getiketten drucken</source>
        <translation>Stampa etichette &amp;gabbia</translation>
    </message>
    <message>
        <source>Ein Etikett je Meldung, ohne Ringnummer; zuerst das Etikettenblatt wählen</source>
        <translation>Un&apos;etichetta per iscrizione, senza numero di anellino; scegliere prima il foglio di etichette</translation>
    </message>
    <message>
        <source>die Käfigetiketten</source>
        <translation>le etichette delle gabbie</translation>
    </message>
    <message>
        <source>Käfigetiketten %1</source>
        <translation>Etichette gabbie %1</translation>
    </message>
</context>
<context>
    <name>ShowEventDialog</name>
    <message>
        <source>Wie die Ausstellung heißt</source>
        <translation>Il nome della mostra</translation>
    </message>
    <message>
        <source>Wo die Ausstellung stattfindet</source>
        <translation>Dove si svolge la mostra</translation>
    </message>
    <message>
        <source>Der Tag des Richtens, im Format TT.MM.JJJJ</source>
        <translation>Il giorno in cui si svolge il giudizio, nel formato GG.MM.AAAA</translation>
    </message>
    <message>
        <source>Bis zu diesem Tag muss die Meldung vorliegen, im Format TT.MM.JJJJ</source>
        <translation>Il giorno entro cui deve pervenire l&apos;iscrizione, nel formato GG.MM.AAAA</translation>
    </message>
    <message>
        <source>TT.MM.JJJJ</source>
        <translation>GG.MM.AAAA</translation>
    </message>
    <message>
        <source>Der Verein oder Verband, der die Ausstellung ausrichtet</source>
        <translation>L&apos;associazione o la federazione che organizza la mostra</translation>
    </message>
    <message>
        <source>Welche Vögel eine Kollektion bilden dürfen</source>
        <translation>Quali soggetti possono formare uno stamm</translation>
    </message>
    <message>
        <source>Hähne und Hennen gemischt</source>
        <translation>maschi e femmine insieme</translation>
    </message>
    <message>
        <source>nur Vögel eines Geschlechts</source>
        <translation>solo soggetti dello stesso sesso</translation>
    </message>
    <message>
        <source>nur Hähne</source>
        <translation>solo maschi</translation>
    </message>
    <message>
        <source>nur Hennen</source>
        <translation>solo femmine</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nome:</translation>
    </message>
    <message>
        <source>&amp;Ort:</source>
        <translation>&amp;Luogo:</translation>
    </message>
    <message>
        <source>&amp;Datum:</source>
        <translation>&amp;Data:</translation>
    </message>
    <message>
        <source>&amp;Meldeschluss:</source>
        <translation>&amp;Chiusura iscrizioni:</translation>
    </message>
    <message>
        <source>&amp;Veranstalter:</source>
        <translation>&amp;Organizzatore:</translation>
    </message>
    <message>
        <source>&amp;Kollektionen:</source>
        <translation>&amp;Stamm:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Ausstellung ändern</source>
        <translation>Modifica mostra</translation>
    </message>
    <message>
        <source>Neue Ausstellung</source>
        <translation>Nuova mostra</translation>
    </message>
    <message>
        <source>Bitte den Namen der Ausstellung eingeben.</source>
        <translation>Inserire il nome della mostra.</translation>
    </message>
    <message>
        <source>Ungültiges Datum der Ausstellung!</source>
        <translation>Data della mostra non valida!</translation>
    </message>
    <message>
        <source>Ungültiges Datum beim Meldeschluss!</source>
        <translation>Data di chiusura iscrizioni non valida!</translation>
    </message>
</context>
<context>
    <name>ShowLabelReport</name>
    <message>
        <source>Klasse: %1</source>
        <translation>Classe: %1</translation>
    </message>
    <message>
        <source>Kollektion %1</source>
        <translation>Stamm %1</translation>
    </message>
    <message>
        <source>Käfig-Nr.</source>
        <translation>N. gabbia</translation>
    </message>
    <message>
        <source>3 × 8 Etiketten je Blatt (70 × 37 mm)</source>
        <translation>3 × 8 etichette per foglio (70 × 37 mm)</translation>
    </message>
    <message>
        <source>3 × 7 Etiketten je Blatt (70 × 42,3 mm)</source>
        <translation>3 × 7 etichette per foglio (70 × 42,3 mm)</translation>
    </message>
</context>
<context>
    <name>ShowResultDialog</name>
    <message>
        <source>Ausstellungsergebnis</source>
        <translation>Risultato in mostra</translation>
    </message>
    <message>
        <source>Der Tag der Schau, im Format TT.MM.JJJJ</source>
        <translation>Il giorno della mostra, nel formato GG.MM.AAAA</translation>
    </message>
    <message>
        <source>TT.MM.JJJJ</source>
        <translation>GG.MM.AAAA</translation>
    </message>
    <message>
        <source>Der Name der Schau</source>
        <translation>Il nome della mostra</translation>
    </message>
    <message>
        <source>Die Klasse, in der der Vogel stand</source>
        <translation>La classe in cui il soggetto è stato esposto</translation>
    </message>
    <message>
        <source>Die Punkte der Bewertungskarte, höchstens 100, in halben Punkten</source>
        <translation>I punti della scheda di giudizio, al massimo 100, in mezzi punti</translation>
    </message>
    <message>
        <source>Auszeichnung oder Platz, wie auf der Karte</source>
        <translation>Premio o posizione, come sulla scheda</translation>
    </message>
    <message>
        <source>Die Vögel mit derselben Nummer bilden auf dieser Schau eine Kollektion</source>
        <translation>I soggetti con lo stesso numero formano uno stamm in questa mostra</translation>
    </message>
    <message>
        <source>keine</source>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>&amp;Datum:</source>
        <translation>&amp;Data:</translation>
    </message>
    <message>
        <source>&amp;Schau:</source>
        <translation>&amp;Mostra:</translation>
    </message>
    <message>
        <source>&amp;Klasse:</source>
        <translation>&amp;Classe:</translation>
    </message>
    <message>
        <source>&amp;Punkte:</source>
        <translation>&amp;Punti:</translation>
    </message>
    <message>
        <source>&amp;Auszeichnung/Platz:</source>
        <translation>P&amp;remio/posizione:</translation>
    </message>
    <message>
        <source>K&amp;ollektion Nr.:</source>
        <translation>&amp;Stamm n.:</translation>
    </message>
    <message>
        <source>Bitte den Namen der Schau angeben.</source>
        <translation>Indicare il nome della mostra.</translation>
    </message>
    <message>
        <source>Bitte das Datum der Schau richtig angeben (TT.MM.JJJJ).</source>
        <translation>Indicare una data della mostra valida (GG.MM.AAAA).</translation>
    </message>
</context>
<context>
    <name>ShowResultsPanel</name>
    <message>
        <source>Ausstellungsergebnisse</source>
        <translation>Risultati delle mostre</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Schau</source>
        <translation>Mostra</translation>
    </message>
    <message>
        <source>Klasse</source>
        <translation>Classe</translation>
    </message>
    <message>
        <source>Punkte</source>
        <translation>Punti</translation>
    </message>
    <message>
        <source>Auszeichnung/Platz</source>
        <translation>Premio/posizione</translation>
    </message>
    <message>
        <source>Kollektion</source>
        <translation>Stamm</translation>
    </message>
    <message>
        <source>&amp;Neues Ergebnis…</source>
        <translation>&amp;Nuovo risultato…</translation>
    </message>
    <message>
        <source>Ä&amp;ndern…</source>
        <translation>M&amp;odifica…</translation>
    </message>
    <message>
        <source>&amp;Löschen</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>Nr. %1: %2 Punkte aus %3</source>
        <translation>N. %1: %2 punti da %3 soggetti</translation>
    </message>
    <message>
        <source>Bestes Ergebnis: %1 Punkte, %2 am %3</source>
        <translation>Miglior risultato: %1 punti, %2 il %3</translation>
    </message>
    <message>
        <source>Bitte zuerst ein Ergebnis in der Liste anklicken.</source>
        <translation>Fare prima clic su un risultato nell&apos;elenco.</translation>
    </message>
</context>
<context>
    <name>ShowsWindow</name>
    <message>
        <source>Ausstellungsergebnisse</source>
        <translation>Risultati delle mostre</translation>
    </message>
    <message>
        <source>Die Schau, deren Ergebnisse gezeigt werden</source>
        <translation>La mostra di cui vengono mostrati i risultati</translation>
    </message>
    <message>
        <source>Ein Doppelklick zeigt den Abstammungsnachweis des Vogels</source>
        <translation>Un doppio clic mostra il certificato genealogico del soggetto</translation>
    </message>
    <message>
        <source>Ergebnisse der Schau</source>
        <translation>Risultati della mostra</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Ringnummer</source>
        <translation>Numero anellino</translation>
    </message>
    <message>
        <source>Klasse</source>
        <translation>Classe</translation>
    </message>
    <message>
        <source>Punkte</source>
        <translation>Punti</translation>
    </message>
    <message>
        <source>Auszeichnung/Platz</source>
        <translation>Premio/posizione</translation>
    </message>
    <message>
        <source>Kollektion</source>
        <translation>Stamm</translation>
    </message>
    <message>
        <source>&amp;Schau:</source>
        <translation>&amp;Mostra:</translation>
    </message>
    <message>
        <source>Alle Ergebnisse als &amp;CSV-Datei speichern…</source>
        <translation>Salva tutti i risultati come file &amp;CSV…</translation>
    </message>
    <message>
        <source>Für eine Tabellenkalkulation, jede Schau mit jedem Vogel</source>
        <translation>Per un foglio di calcolo, ogni mostra con ogni soggetto</translation>
    </message>
    <message>
        <source>Ausstellungsergebnisse speichern</source>
        <translation>Salva risultati delle mostre</translation>
    </message>
    <message>
        <source>Ausstellungsergebnisse.csv</source>
        <translation>Risultati delle mostre.csv</translation>
    </message>
    <message>
        <source>Kollektion %1 (%2): %3 Kanarienvögel, zusammen %4 Punkte</source>
        <extracomment>%1 collection number, %2 date, %3 number of birds, %4 points</extracomment>
        <translation>Stamm %1 (%2): %3 canarini, in totale %4 punti</translation>
    </message>
    <message>
        <source>Keine Kollektion auf dieser Schau.</source>
        <translation>Nessuno stamm in questa mostra.</translation>
    </message>
</context>
<context>
    <name>SpeciesWords</name>
    <message>
        <source>Kanarienvogel</source>
        <translation>Canarino</translation>
    </message>
    <message>
        <source>Kanarienvögel</source>
        <translation>Canarini</translation>
    </message>
    <message>
        <source>Kanarienvögelbestandsliste</source>
        <translation>Elenco del parco riproduttori</translation>
    </message>
    <message>
        <source>Avelor Abstammungsnachweis für Kanarienvögel</source>
        <translation>Avelor Certificato genealogico per canarini</translation>
    </message>
    <message>
        <source>Vogel (m) 1.0</source>
        <translation>Soggetto (m) 1.0</translation>
    </message>
    <message>
        <source>Vogel (w) 0.1</source>
        <translation>Soggetto (f) 0.1</translation>
    </message>
    <message>
        <source>Hecke</source>
        <translation>Gabbia da riproduzione</translation>
    </message>
    <message>
        <source>Hahn (m)</source>
        <translation>Maschio (m)</translation>
    </message>
    <message>
        <source>Henne (w)</source>
        <translation>Femmina (f)</translation>
    </message>
</context>
<context>
    <name>SplashWindow</name>
    <message>
        <source>für Kanarienvögel</source>
        <translation>per canarini</translation>
    </message>
</context>
<context>
    <name>SqlStatement</name>
    <message>
        <source>die Datei wird gerade von einem anderen Programm benutzt</source>
        <translation>il file è attualmente in uso da parte di un altro programma</translation>
    </message>
    <message>
        <source>eine unterbrochene Änderung wartet darauf, zurückgenommen zu werden</source>
        <translation>una modifica interrotta è in attesa di essere annullata</translation>
    </message>
    <message>
        <source>die Datei darf nicht geändert werden</source>
        <translation>il file non può essere modificato</translation>
    </message>
    <message>
        <source>keine Berechtigung</source>
        <translation>permesso negato</translation>
    </message>
    <message>
        <source>die Datei kann nicht geöffnet werden</source>
        <translation>impossibile aprire il file</translation>
    </message>
    <message>
        <source>Lese- oder Schreibfehler des Datenträgers</source>
        <translation>errore di lettura o scrittura del supporto dati</translation>
    </message>
    <message>
        <source>der Datenträger ist voll</source>
        <translation>il supporto dati è pieno</translation>
    </message>
    <message>
        <source>die Datei ist beschädigt</source>
        <translation>il file è danneggiato</translation>
    </message>
    <message>
        <source>die Datei ist keine Datenbank</source>
        <translation>il file non è un database</translation>
    </message>
    <message>
        <source>nicht genug Arbeitsspeicher</source>
        <translation>memoria insufficiente</translation>
    </message>
    <message>
        <source>ein Wert verletzt eine Regel der Datenbank</source>
        <translation>un valore viola una regola del database</translation>
    </message>
    <message>
        <source>die Datenbank hat einen Fehler gemeldet</source>
        <translation>il database ha segnalato un errore</translation>
    </message>
    <message>
        <source>Fehler der Datenbank</source>
        <translation>errore del database</translation>
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

Le modifiche restano nel programma; Avelor riproverà a breve e salverà comunque alla chiusura.</translation>
    </message>
</context>
<context>
    <name>StockColours</name>
    <message>
        <source>Hahn: %1</source>
        <translation>Maschio: %1</translation>
    </message>
    <message>
        <source>Henne: %1</source>
        <translation>Femmina: %1</translation>
    </message>
    <message>
        <source>Den Ring „%1“ gibt es nicht im Bestand.</source>
        <translation>L&apos;anellino “%1” non è nel parco riproduttori.</translation>
    </message>
</context>
<context>
    <name>StockDocument</name>
    <message>
        <source>„%1“ konnte nicht rückgängig gemacht werden: %2</source>
        <translation>Impossibile annullare “%1”: %2</translation>
    </message>
    <message>
        <source>„%1“ konnte nicht wiederholt werden: %2</source>
        <translation>Impossibile ripetere “%1”: %2</translation>
    </message>
    <message>
        <source>Kanarienvogel %1 angelegt</source>
        <translation>Canarino %1 inserito</translation>
    </message>
    <message>
        <source>%1 Kanarienvögel angelegt, %2 bis %3</source>
        <translation>%1 canarini inseriti, da %2 a %3</translation>
    </message>
    <message>
        <source>Kanarienvogel %1 geändert</source>
        <translation>Canarino %1 modificato</translation>
    </message>
    <message>
        <source>Kanarienvogel %1 gelöscht</source>
        <translation>Canarino %1 eliminato</translation>
    </message>
    <message>
        <source>Ausstellungsergebnis von %1 eingetragen</source>
        <translation>Risultato in mostra di %1 inserito</translation>
    </message>
    <message>
        <source>Ausstellungsergebnis von %1 geändert</source>
        <translation>Risultato in mostra di %1 modificato</translation>
    </message>
    <message>
        <source>Ausstellungsergebnis von %1 gelöscht</source>
        <translation>Risultato in mostra di %1 eliminato</translation>
    </message>
    <message>
        <source>Eltern von %1 gespeichert</source>
        <translation>Genitori di %1 salvati</translation>
    </message>
    <message>
        <source>Bestand sortiert</source>
        <translation>Parco riproduttori ordinato</translation>
    </message>
    <message>
        <source>Züchterdaten geändert</source>
        <translation>Dati dell&apos;allevatore modificati</translation>
    </message>
    <message>
        <source>Druckeinstellungen geändert</source>
        <translation>Impostazioni di stampa modificate</translation>
    </message>
    <message>
        <source>Bild von %1 gespeichert</source>
        <translation>Immagine di %1 salvata</translation>
    </message>
    <message>
        <source>Bild von %1 entfernt</source>
        <translation>Immagine di %1 rimossa</translation>
    </message>
    <message>
        <source>Dieses Zuchtpaar gibt es nicht mehr.</source>
        <translation>Questa coppia riproduttrice non esiste più.</translation>
    </message>
    <message>
        <source>Dieses Gelege gibt es nicht mehr.</source>
        <translation>Questa covata non esiste più.</translation>
    </message>
    <message>
        <source>Zuchtpaar %1 × %2 angelegt</source>
        <translation>Coppia riproduttrice %1 × %2 inserita</translation>
    </message>
    <message>
        <source>Zuchtpaar %1 × %2 geändert</source>
        <translation>Coppia riproduttrice %1 × %2 modificata</translation>
    </message>
    <message>
        <source>Zuchtpaar %1 × %2 gelöscht</source>
        <translation>Coppia riproduttrice %1 × %2 eliminata</translation>
    </message>
    <message>
        <source>Gelege angelegt</source>
        <translation>Covata inserita</translation>
    </message>
    <message>
        <source>Gelege geändert</source>
        <translation>Covata modificata</translation>
    </message>
    <message>
        <source>Gelege gelöscht</source>
        <translation>Covata eliminata</translation>
    </message>
    <message>
        <source>Dieses Ei gibt es nicht mehr.</source>
        <translation>Questo uovo non esiste più.</translation>
    </message>
    <message>
        <source>Jungvogel %1 beringt</source>
        <translation>Novello %1 inanellato</translation>
    </message>
    <message>
        <source>Angaben zum Ei gelöscht</source>
        <translation>Dati dell&apos;uovo cancellati</translation>
    </message>
    <message>
        <source>Jungvogel %1 entfernt</source>
        <translation>Novello %1 rimosso</translation>
    </message>
    <message>
        <source>Kanarienvogel %1 aus seinem Standort genommen</source>
        <translation>Canarino %1 tolto dalla sua posizione</translation>
    </message>
    <message>
        <source>Kanarienvogel %1 nach %2 umgesetzt</source>
        <translation>Canarino %1 spostato in %2</translation>
    </message>
    <message>
        <source>%1 Kanarienvögel aus ihrem Standort genommen</source>
        <translation>%1 canarini tolti dalla loro posizione</translation>
    </message>
    <message>
        <source>%1 Kanarienvögel nach %2 umgesetzt</source>
        <translation>%1 canarini spostati in %2</translation>
    </message>
    <message>
        <source>Ringe %1 bis %2 eingetragen</source>
        <translation>Anelli da %1 a %2 inseriti</translation>
    </message>
    <message>
        <source>Ringlieferung gelöscht</source>
        <translation>Fornitura di anelli eliminata</translation>
    </message>
    <message>
        <source>Bitte den Namen der Ausstellung eingeben.</source>
        <translation>Inserire il nome della mostra.</translation>
    </message>
    <message>
        <source>Ausstellung %1 angelegt</source>
        <translation>Mostra %1 inserita</translation>
    </message>
    <message>
        <source>Ausstellung %1 geändert</source>
        <translation>Mostra %1 modificata</translation>
    </message>
    <message>
        <source>Ausstellung %1 gelöscht</source>
        <translation>Mostra %1 eliminata</translation>
    </message>
    <message>
        <source>Diese Ausstellung gibt es nicht mehr.</source>
        <translation>Questa mostra non esiste più.</translation>
    </message>
    <message>
        <source>Den Kanarienvogel %1 gibt es nicht im Bestand.</source>
        <translation>Il canarino %1 non è nel parco riproduttori.</translation>
    </message>
    <message>
        <source>Bitte zuerst die Vögel auswählen.</source>
        <translation>Scegliere prima i soggetti.</translation>
    </message>
    <message>
        <source>Kanarienvogel %1 für %2 gemeldet</source>
        <translation>Canarino %1 iscritto a %2</translation>
    </message>
    <message>
        <source>Kollektion von %1 Kanarienvögeln für %2 gemeldet</source>
        <translation>Stamm di %1 canarini iscritto a %2</translation>
    </message>
    <message>
        <source>%1 Kanarienvögel für %2 gemeldet</source>
        <translation>%1 canarini iscritti a %2</translation>
    </message>
    <message>
        <source>Die Punkte müssen zwischen 0 und 100 liegen.</source>
        <translation>I punti devono essere compresi tra 0 e 100.</translation>
    </message>
    <message>
        <source>Meldung von %1 geändert</source>
        <translation>Iscrizione di %1 modificata</translation>
    </message>
    <message>
        <source>Meldung von %1 gelöscht</source>
        <translation>Iscrizione di %1 eliminata</translation>
    </message>
    <message>
        <source>Bitte zuerst das Datum der Ausstellung eingeben.</source>
        <translation>Inserire prima la data della mostra.</translation>
    </message>
    <message>
        <source>Ergebnisse von %1 übernommen</source>
        <translation>Risultati di %1 acquisiti</translation>
    </message>
</context>
<context>
    <name>StockFile</name>
    <message>
        <source>negative Anzahl %1</source>
        <translation>numero negativo %1</translation>
    </message>
</context>
<context>
    <name>StockImport</name>
    <message>
        <source>„%1“ in „%2“ ist kein Datum wie 05.03.2024.</source>
        <translation>“%1” in “%2” non è una data come 05.03.2024.</translation>
    </message>
    <message>
        <source>Der Verbleib „%1“ ist unbekannt (erwartet: im Bestand, verkauft, abgegeben, verstorben oder entflogen).</source>
        <translation>La destinazione “%1” è sconosciuta (attese: in allevamento, venduto, ceduto, morto o fuggito).</translation>
    </message>
    <message>
        <source>Der Preis „%1“ ist kein Betrag wie 45,50.</source>
        <translation>Il prezzo “%1” non è un importo come 45,50.</translation>
    </message>
    <message>
        <source>%1 auf %2 Zeichen gekürzt: „%3“</source>
        <translation>%1 accorciato a %2 caratteri: “%3”</translation>
    </message>
    <message>
        <source>Die Ringnummer „%1“ (%2) ist länger als %3 Zeichen.</source>
        <translation>Il numero dell&apos;anellino “%1” (%2) supera i %3 caratteri.</translation>
    </message>
    <message>
        <source>Das Geschlecht „%1“ ist unbekannt (erwartet: 1.0 oder 0.1, m oder w, Hahn oder Henne).</source>
        <translation>Il sesso “%1” è sconosciuto (attesi: 1.0 o 0.1, m o f, maschio o femmina).</translation>
    </message>
    <message>
        <source>Das Geburtsjahr „%1“ liegt nicht zwischen 1900 und 2100.</source>
        <translation>L&apos;anno di nascita “%1” non è compreso tra 1900 e 2100.</translation>
    </message>
    <message>
        <source>„%1“ in „Verkauft“ ist weder ja noch nein.</source>
        <translation>“%1” in “Venduto” non è né “sì” né “no”.</translation>
    </message>
    <message>
        <source>%1 würde sein eigener Vorfahr.</source>
        <translation>%1 diventerebbe antenato di sé stesso.</translation>
    </message>
    <message>
        <source>%1 neu, %2 geändert, %3 unverändert, %4 fehlerhaft</source>
        <translation>%1 nuovi, %2 modificati, %3 invariati, %4 con errori</translation>
    </message>
    <message>
        <source>Die Ringnummer ist leer.</source>
        <translation>Il numero dell&apos;anellino è vuoto.</translation>
    </message>
    <message>
        <source>Die Ringnummer „%1“ ist länger als %2 Zeichen.</source>
        <translation>Il numero dell&apos;anellino “%1” supera i %2 caratteri.</translation>
    </message>
    <message>
        <source>Die Ringnummer %1 steht schon in Zeile %2.</source>
        <translation>Il numero dell&apos;anellino %1 compare già nella riga %2.</translation>
    </message>
    <message>
        <source>%1 ist nicht im Bestand.</source>
        <translation>%1 non è nel parco riproduttori.</translation>
    </message>
    <message>
        <source>Der Name der Schau fehlt.</source>
        <translation>Manca il nome della mostra.</translation>
    </message>
    <message>
        <source>„%1“ sind keine Punkte von 0 bis 100 in halben Punkten.</source>
        <translation>“%1” non sono punti da 0 a 100 in mezzi punti.</translation>
    </message>
    <message>
        <source>„%1“ ist keine Nummer einer Kollektion.</source>
        <translation>“%1” non è un numero di stamm.</translation>
    </message>
    <message>
        <source>Dieses Ergebnis steht schon in Zeile %1.</source>
        <translation>Questo risultato compare già nella riga %1.</translation>
    </message>
    <message>
        <source>Solange eine Zeile fehlerhaft ist, wird nichts importiert.</source>
        <translation>Finché una riga contiene errori, non viene importato nulla.</translation>
    </message>
    <message>
        <source>Die Prüfung wurde abgebrochen; es wurde nichts importiert.</source>
        <translation>Il controllo è stato annullato; non è stato importato nulla.</translation>
    </message>
    <message>
        <source>Die Datei bringt nichts Neues.</source>
        <translation>Il file non porta nulla di nuovo.</translation>
    </message>
    <message>
        <source>Ausstellungsergebnisse importiert: %1 neu, %2 geändert</source>
        <translation>Risultati delle mostre importati: %1 nuovi, %2 modificati</translation>
    </message>
    <message>
        <source>Bestand importiert: %1 neu, %2 geändert</source>
        <translation>Parco riproduttori importato: %1 nuovi, %2 modificati</translation>
    </message>
</context>
<context>
    <name>StockList</name>
    <message>
        <source>Export der Kanarienvögelbestandsliste sortiert nach Ringnummer</source>
        <translation>Elenco del parco riproduttori ordinato per numero di anellino</translation>
    </message>
    <message>
        <source>Export der Kanarienvögelbestandsliste sortiert nach Geburtsdatum</source>
        <translation>Elenco del parco riproduttori ordinato per data di nascita</translation>
    </message>
    <message>
        <source>erstellt am %1 mit %2</source>
        <extracomment>%1 is the date, %2 the program&apos;s name as a link</extracomment>
        <translation>creato il %1 con %2</translation>
    </message>
    <message>
        <source>Lfd. Nr</source>
        <translation>N.</translation>
    </message>
    <message>
        <source>Ring-Nr</source>
        <translation>N. anellino</translation>
    </message>
    <message>
        <source>Farbe</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Geburtsjahr</source>
        <translation>Anno di nascita</translation>
    </message>
    <message>
        <source>Art/Rasse</source>
        <translation>Specie/razza</translation>
    </message>
    <message>
        <source>Bemerkungen</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Geschlecht</source>
        <translation>Sesso</translation>
    </message>
    <message>
        <source>[U] </source>
        <extracomment>sex unknown, in the stock list</extracomment>
        <translation>[?] </translation>
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
        <translation>Elenco %1</translation>
    </message>
</context>
<context>
    <name>StockListCommands</name>
    <message>
        <source>die Bestandsliste</source>
        <translation>l&apos;elenco del parco riproduttori</translation>
    </message>
    <message>
        <source>Kanarienvögelbestandsliste</source>
        <translation>Elenco del parco riproduttori</translation>
    </message>
    <message>
        <source>Geben Sie Ihrer Bestandsliste einen Namen</source>
        <translation>Dare un nome all&apos;elenco del parco riproduttori</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde erfolgreich erstellt und enthält nun alle Kanarienvögel der aktuellen Kanarienvögelbestandsliste.</source>
        <translation>Il file %1 è stato creato e contiene ora tutti i canarini dell&apos;attuale elenco del parco riproduttori.</translation>
    </message>
    <message>
        <source>Bestand als CSV-Datei speichern</source>
        <translation>Salva il parco riproduttori come file CSV</translation>
    </message>
    <message>
        <source>Bestand.csv</source>
        <translation>Parco riproduttori.csv</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde erstellt und enthält alle Kanarienvögel des Bestands.</source>
        <translation>Il file %1 è stato creato e contiene tutti i canarini del parco riproduttori.</translation>
    </message>
</context>
<context>
    <name>StockListPanel</name>
    <message>
        <source>Wie soll die Kanarienvögelbestandsliste sortiert sein?</source>
        <translation>Come ordinare l&apos;elenco del parco riproduttori?</translation>
    </message>
    <message>
        <source>Liste zum Ausdrucken generieren</source>
        <translation>Genera l&apos;elenco da stampare</translation>
    </message>
    <message>
        <source>Export in HTML-Datei</source>
        <translation>Esporta in file HTML</translation>
    </message>
    <message>
        <source>Export in CSV-Datei (Tabellenkalkulation)</source>
        <translation>Esporta in file CSV (foglio di calcolo)</translation>
    </message>
    <message>
        <source>Ausgabe:</source>
        <translation>Output:</translation>
    </message>
    <message>
        <source>nach Ringnummer</source>
        <translation>per numero di anellino</translation>
    </message>
    <message>
        <source>nach Geburtsjahr</source>
        <translation>per anno di nascita</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Annulla</translation>
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
        <translation>Numero anellino, colore</translation>
    </message>
    <message>
        <source> Bemerkungen</source>
        <translation> Note</translation>
    </message>
    <message>
        <source>Geschlecht, Bemerkungen</source>
        <translation>Sesso, note</translation>
    </message>
    <message>
        <source>Geburtsjahr, Art / Rasse</source>
        <translation>Anno di nascita, specie / razza</translation>
    </message>
    <message>
        <source>Lfd.</source>
        <translation>N.</translation>
    </message>
    <message>
        <source>Nr.</source>
        <translation>progr.</translation>
    </message>
</context>
<context>
    <name>SystemPrinter</name>
    <message>
        <source>Der Drucker „%1“ kann nicht benutzt werden.</source>
        <translation>Impossibile usare la stampante “%1”.</translation>
    </message>
    <message>
        <source>Der Drucker hat die nächste Seite nicht angenommen.</source>
        <translation>La stampante non ha accettato la pagina successiva.</translation>
    </message>
    <message>
        <source>Der Druckauftrag ist fehlgeschlagen.</source>
        <translation>Il lavoro di stampa non è riuscito.</translation>
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
        <translation>&apos;%1&apos; non è un numero intero valido</translation>
    </message>
</context>
<context>
    <name>UndoButtons</name>
    <message>
        <source>Rückgängig</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Wiederholen</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Rückgängig: %1</source>
        <translation>Annulla: %1</translation>
    </message>
    <message>
        <source>Wiederholen: %1</source>
        <translation>Ripeti: %1</translation>
    </message>
</context>
<context>
    <name>UsbBackupDialog</name>
    <message>
        <source>Backup auf USB-Stick oder ext. Festplatte</source>
        <translation>Backup su chiavetta USB o disco esterno</translation>
    </message>
    <message>
        <source>Mit dieser Funktion können Sie Ihr Backup auf einen USB-Stick oder eine externe Festplatte speichern.

Wählen Sie einfach das Laufwerk aus auf welches das Backup gespeichert werden soll.

Sie benötigen Schreibrechte auf dem ausgewählten Laufwerk.</source>
        <translation>Con questa funzione è possibile salvare il backup su una chiavetta USB o su un disco esterno.

Basta scegliere l&apos;unità su cui salvare il backup.

È necessario avere i permessi di scrittura sull&apos;unità selezionata.</translation>
    </message>
    <message>
        <source>Backup auf &quot;%1&quot; ausführen</source>
        <translation>Esegui backup su &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Die Bilder werden gesichert</source>
        <translation>Salvataggio delle immagini in corso</translation>
    </message>
    <message>
        <source>Fehler bei der Datensicherung auf USB-Stick oder externer Festplatte.</source>
        <translation>Errore durante il backup su chiavetta USB o disco esterno.</translation>
    </message>
</context>
<context>
    <name>UsbRestoreDialog</name>
    <message>
        <source>Backup von USB-Stick oder ext. Festplatte holen</source>
        <translation>Ripristina backup da chiavetta USB o disco esterno</translation>
    </message>
    <message>
        <source>Mit dieser Funktion können Sie Ihr Backup von einem USB-Stick oder einer externen Festplatte holen.

Wählen Sie einfach das Laufwerk aus auf welchem sich das Backup befindet.

Sie benötigen Leserechte auf dem ausgewählten Laufwerk.</source>
        <translation>Con questa funzione è possibile ripristinare il backup da una chiavetta USB o da un disco esterno.

Basta scegliere l&apos;unità su cui si trova il backup.

È necessario avere i permessi di lettura sull&apos;unità selezionata.</translation>
    </message>
    <message>
        <source>Backup von &quot;%1&quot; holen</source>
        <translation>Ripristina backup da &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Sicherheitsabfrage</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>Beim Rückholen des Backups wird der auf dem Rechner befindliche Stand überschrieben.
<byte value="xd"/>Soll das Backup wirklich vom USB-Stick bzw. Festplatte zurückgeholt werden?</source>
        <translation>Il ripristino del backup sovrascrive i dati presenti su questo computer.
</translation>
    </message>
    <message>
        <source>Die Bilder werden zurückgeholt</source>
        <translation>Ripristino delle immagini in corso</translation>
    </message>
    <message>
        <source>Fehler beim Zurückholen der Datensicherung.</source>
        <translation>Errore durante il ripristino del backup.</translation>
    </message>
</context>
<context>
    <name>WhereaboutsPanel</name>
    <message>
        <source>Was aus dem Vogel geworden ist</source>
        <translation>Che cosa è stato del soggetto</translation>
    </message>
    <message>
        <source>Seit wann, im Format TT.MM.JJJJ; leer, wenn unbekannt</source>
        <translation>Da quando, nel formato GG.MM.AAAA; vuoto se sconosciuto</translation>
    </message>
    <message>
        <source>TT.MM.JJJJ</source>
        <translation>GG.MM.AAAA</translation>
    </message>
    <message>
        <source>Wer den Vogel bekommen hat</source>
        <translation>Chi ha ricevuto il soggetto</translation>
    </message>
    <message>
        <source>Anschrift des Käufers</source>
        <translation>Indirizzo dell&apos;acquirente</translation>
    </message>
    <message>
        <source>Der Preis in Euro, etwa 45,50</source>
        <translation>Il prezzo in euro, ad es. 45,50</translation>
    </message>
    <message>
        <source>0,00</source>
        <translation>0,00</translation>
    </message>
    <message>
        <source>Eine Notiz zum Verbleib</source>
        <translation>Una nota sulla destinazione</translation>
    </message>
    <message>
        <source>&amp;Verbleib:</source>
        <translation>&amp;Destinazione:</translation>
    </message>
    <message>
        <source>&amp;Datum:</source>
        <translation>D&amp;ata:</translation>
    </message>
    <message>
        <source>&amp;Käufer:</source>
        <translation>A&amp;cquirente:</translation>
    </message>
    <message>
        <source>&amp;Anschrift:</source>
        <translation>&amp;Indirizzo:</translation>
    </message>
    <message>
        <source>&amp;Preis (€):</source>
        <translation>&amp;Prezzo (€):</translation>
    </message>
    <message>
        <source>&amp;Notiz:</source>
        <translation>&amp;Nota:</translation>
    </message>
    <message>
        <source>Ungültiges Datum beim Verbleib!</source>
        <translation>Data della destinazione non valida!</translation>
    </message>
    <message>
        <source>Ungültiger Preis! Bitte den Betrag in Euro angeben, etwa 45,50.</source>
        <translation>Prezzo non valido! Indicare l&apos;importo in euro, ad es. 45,50.</translation>
    </message>
</context>
<context>
    <name>WipeDatabaseDialog</name>
    <message>
        <source>neu</source>
        <comment>word typed to confirm the wipe</comment>
        <translation>sì</translation>
    </message>
    <message>
        <source>Komplette Datenbank löschen und neu anfangen</source>
        <translation>Cancella l&apos;intero database e ricomincia da capo</translation>
    </message>
    <message>
        <source>! ! ! A C H T U N G ! ! !</source>
        <translation>! ! ! A T T E N Z I O N E ! ! !</translation>
    </message>
    <message>
        <source>Wenn Sie die komplette Datenbank löschen fangen Sie komplett neu an. Alle Kanarienvögel und alle Zuchtpaare sind verloren (sofern Sie kein Backup erstellt haben).

Wenn Sie sicher sind und wissen was Sie tun dann schreiben Sie das Wort &quot;%1&quot; bitte in das unten stehende Feld und klicken anschließend auf OK!</source>
        <extracomment>%1 is the word the breeder types to confirm</extracomment>
        <translation>Cancellando l&apos;intero database si ricomincia completamente da capo. Tutti i canarini e tutte le coppie riproduttrici andranno persi (a meno che non sia stato creato un backup).

Se si è sicuri e si sa cosa si sta facendo, scrivere la parola &quot;%1&quot; nel campo sottostante e poi fare clic su OK!</translation>
    </message>
    <message>
        <source>Bestätigungswort</source>
        <translation>Parola di conferma</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Die Datenbank wurde gelöscht. Was bis dahin geändert wurde, lässt sich nicht mehr rückgängig machen.</source>
        <translation>Il database è stato cancellato. Le modifiche fatte in precedenza non possono più essere annullate.</translation>
    </message>
</context>
</TS>
