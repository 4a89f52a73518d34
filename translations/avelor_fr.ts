<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="de">
<context>
    <name>AnimalChange</name>
    <message>
        <source>Die Ringnummer %1 gehört zu keinem Kanarienvogel im Bestand mehr (gelöscht). Es wurde nichts geändert.</source>
        <translation>Le numéro de bague %1 n&apos;appartient plus à aucun canari du cheptel (supprimé). Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Diese Ringnummer existiert schon.</source>
        <translation>Ce numéro de bague existe déjà.</translation>
    </message>
</context>
<context>
    <name>AnimalEntry</name>
    <message>
        <source>Bitte das Geschlecht angeben.</source>
        <translation>Veuillez indiquer le sexe.</translation>
    </message>
    <message>
        <source>Bitte das Geburtsjahr angeben.</source>
        <translation>Veuillez indiquer l&apos;année de naissance.</translation>
    </message>
    <message>
        <source>Bitte den Züchter angeben.</source>
        <translation>Veuillez indiquer l&apos;éleveur.</translation>
    </message>
    <message>
        <source>Bitte die Zeichnung angeben (z.B. einfarbig oder gescheckt).</source>
        <translation>Veuillez indiquer le marquage (p. ex. uni ou panaché).</translation>
    </message>
    <message>
        <source>Bitte die Farbe angeben.</source>
        <translation>Veuillez indiquer la couleur.</translation>
    </message>
    <message>
        <source>ACHTUNG:
<byte value="xd"/>
<byte value="xd"/>Die Ringnr %1 ist bereits angelegt.</source>
        <translation>ATTENTION&#xa0;:
</translation>
    </message>
    <message>
        <source>Bitte die Ringnummer angeben.</source>
        <translation>Veuillez indiquer le numéro de bague.</translation>
    </message>
    <message>
        <source>&quot;Anfang der Ringnummer&quot; darf nicht leer sein.</source>
        <translation>«&#xa0;Début du numéro de bague&#xa0;» ne doit pas être vide.</translation>
    </message>
    <message>
        <source>Von-Feld darf nur Zahlen enthalten.</source>
        <translation>Le champ De ne doit contenir que des chiffres.</translation>
    </message>
    <message>
        <source>Bis-Feld darf nur Zahlen enthalten.</source>
        <translation>Le champ À ne doit contenir que des chiffres.</translation>
    </message>
    <message>
        <source>Von-Feld muß kleiner als das Bis-Feld sein.</source>
        <translation>Le champ De doit être inférieur au champ À.</translation>
    </message>
    <message>
        <source>Bitte die führenden Nullen eintragen.</source>
        <translation>Veuillez saisir les zéros initiaux.</translation>
    </message>
    <message>
        <source>Ein Bereich darf höchstens %1 Ringnummern umfassen.</source>
        <translation>Une plage peut comprendre au plus %1 numéros de bague.</translation>
    </message>
    <message>
        <source>Achtung! Es gibt schon (mindestens eine) der zu generierenden Kanarienvögel. Abbruch!</source>
        <translation>Attention&#xa0;! (Au moins un) des canaris à créer existe déjà. Abandon&#xa0;!</translation>
    </message>
    <message>
        <source>Die Ringnummern wären länger als 20 Zeichen und nach dem Kürzen nicht mehr eindeutig (zum Beispiel %1). Bitte den Anfang der Ringnummer kürzen.</source>
        <translation>Les numéros de bague dépasseraient 20 caractères et ne seraient plus uniques une fois raccourcis (par exemple %1). Veuillez raccourcir le début du numéro de bague.</translation>
    </message>
</context>
<context>
    <name>AnimalFields</name>
    <message>
        <source>Ringnummer:</source>
        <translation>Numéro de bague&#xa0;:</translation>
    </message>
    <message>
        <source>Geschlecht:</source>
        <translation>Sexe&#xa0;:</translation>
    </message>
    <message>
        <source>Geburtsjahr:</source>
        <translation>Année de naissance&#xa0;:</translation>
    </message>
    <message>
        <source>Züchter:</source>
        <translation>Éleveur&#xa0;:</translation>
    </message>
    <message>
        <source>Farbe:</source>
        <translation>Couleur&#xa0;:</translation>
    </message>
    <message>
        <source>Zeichnung:</source>
        <translation>Marquage&#xa0;:</translation>
    </message>
    <message>
        <source>Art/Rasse:</source>
        <translation>Espèce/race&#xa0;:</translation>
    </message>
    <message>
        <source>Bemerkungen für die 
Kanarienvögelbestandsliste:</source>
        <translation>Remarques pour la 
liste du cheptel de canaris&#xa0;:</translation>
    </message>
    <message>
        <source>Bemerkungen:</source>
        <translation>Remarques&#xa0;:</translation>
    </message>
</context>
<context>
    <name>AnimalGenes</name>
    <message>
        <source>%1 ist dominant und zeigt sich immer; verdeckt tragen kann es kein Vogel.</source>
        <translation>%1 est dominant et se voit toujours&#xa0;; aucun oiseau ne peut le porter de façon cachée.</translation>
    </message>
    <message>
        <source>%1: an einem Genort hat ein Vogel nur zwei Anlagen.</source>
        <translation>%1&#xa0;: à un locus, un oiseau n&apos;a que deux facteurs.</translation>
    </message>
    <message>
        <source>„doppelfaktorig“ gibt es nur bei dominanten Anlagen, nicht bei %1.</source>
        <translation>«&#xa0;double facteur&#xa0;» n&apos;existe que pour les facteurs dominants, pas pour %1.</translation>
    </message>
    <message>
        <source>Eine Henne kann %1 nicht verdeckt tragen: es wird geschlechtsgebunden vererbt.</source>
        <translation>Une femelle ne peut pas porter %1 de façon cachée&#xa0;: ce facteur est lié au sexe.</translation>
    </message>
    <message>
        <source>Eine Henne zeigt %1 und %2 nicht zugleich: beide liegen am selben Genort ihres einen Z-Chromosoms.</source>
        <translation>Une femelle ne montre pas %1 et %2 à la fois&#xa0;: tous deux se trouvent au même locus de son unique chromosome Z.</translation>
    </message>
    <message>
        <source>%1 liegen am selben Genort; ein Vogel hat dort nur zwei Anlagen, und sichtbar ist nur die stärkere (etwa „achat,/satinet“).</source>
        <translation>%1 se trouvent au même locus&#xa0;; un oiseau n&apos;y a que deux facteurs, et seul le plus fort est visible (p. ex. «&#xa0;achat,/satinet&#xa0;»).</translation>
    </message>
    <message>
        <source>Ein Vogel, der %1 trägt, zeigt nicht %2.</source>
        <translation>Un oiseau qui porte %1 ne montre pas %2.</translation>
    </message>
    <message>
        <source>%1 und %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>„%1“ ist keine Erbanlage der Farbtabelle.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un facteur héréditaire de la table des facteurs.</translation>
    </message>
    <message>
        <source>„%1“ steht zweimal in den Erbanlagen.</source>
        <translation>«&#xa0;%1&#xa0;» figure deux fois dans les facteurs héréditaires.</translation>
    </message>
    <message>
        <source>In „%1“ fehlt der Name einer Anlage.</source>
        <translation>Dans «&#xa0;%1&#xa0;», le nom d&apos;un facteur manque.</translation>
    </message>
    <message>
        <source>Unbekannte Anlage „%1“. Bekannt sind: %2.</source>
        <translation>Facteur inconnu «&#xa0;%1&#xa0;». Facteurs connus&#xa0;: %2.</translation>
    </message>
    <message>
        <source>„%1“ ist zugleich sichtbar und spalterbig angegeben.</source>
        <translation>«&#xa0;%1&#xa0;» est indiqué à la fois comme visuel et comme porteur.</translation>
    </message>
    <message>
        <source>„%1“ ist doppelt angegeben.</source>
        <translation>«&#xa0;%1&#xa0;» est indiqué deux fois.</translation>
    </message>
    <message>
        <source>„%1“ ist mehr als zweimal angegeben.</source>
        <translation>«&#xa0;%1&#xa0;» est indiqué plus de deux fois.</translation>
    </message>
    <message>
        <source>Doppelfaktorig %1 ist nicht lebensfähig; ein solcher Vogel kann kein Elterntier sein.</source>
        <translation>%1 double facteur n&apos;est pas viable&#xa0;; un tel oiseau ne peut pas être reproducteur.</translation>
    </message>
</context>
<context>
    <name>AnimalRecordWords</name>
    <message>
        <source>im Bestand</source>
        <translation>au cheptel</translation>
    </message>
    <message>
        <source>verkauft</source>
        <translation>vendu</translation>
    </message>
    <message>
        <source>abgegeben</source>
        <translation>cédé</translation>
    </message>
    <message>
        <source>verstorben</source>
        <translation>mort</translation>
    </message>
    <message>
        <source>entflogen</source>
        <translation>échappé</translation>
    </message>
    <message>
        <source>unbekannt</source>
        <translation>inconnu</translation>
    </message>
    <message>
        <source>nicht vorhanden</source>
        <translation>absent</translation>
    </message>
    <message>
        <source>spalterbig</source>
        <translation>porteur</translation>
    </message>
    <message>
        <source>sichtbar</source>
        <translation>visuel</translation>
    </message>
    <message>
        <source>doppelfaktorig</source>
        <translation>double facteur</translation>
    </message>
</context>
<context>
    <name>AnimalRecords</name>
    <message>
        <source>Das Jahr der Ringe muss zwischen 1900 und 9999 liegen.</source>
        <translation>L&apos;année des bagues doit être comprise entre 1900 et 9999.</translation>
    </message>
    <message>
        <source>Der letzte Ring darf nicht vor dem ersten liegen.</source>
        <translation>La dernière bague ne peut pas précéder la première.</translation>
    </message>
    <message>
        <source>Eine Lieferung umfasst höchstens 99 999 Ringe.</source>
        <translation>Une livraison comprend au plus 99&#xa0;999 bagues.</translation>
    </message>
    <message>
        <source>Die Nummer %1 hat mehr als %2 Stellen.</source>
        <translation>Le numéro %1 a plus de %2 chiffres.</translation>
    </message>
    <message>
        <source>Diese Ringe überschneiden sich mit der Lieferung %1 bis %2 (%3).</source>
        <extracomment>%1 and %2 the first and last ring of a delivery entered before, %3 its year</extracomment>
        <translation>Ces bagues chevauchent la livraison %1 à %2 (%3).</translation>
    </message>
    <message>
        <source>Hahn</source>
        <translation>Mâle</translation>
    </message>
    <message>
        <source>Henne</source>
        <translation>Femelle</translation>
    </message>
</context>
<context>
    <name>AppInfo</name>
    <message>
        <source>Avelor Abstammungsnachweis</source>
        <translation>Avelor Certificat d&apos;origine</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the version number</extracomment>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>© Avelor – freie Software für Züchter</source>
        <translation>© Avelor – logiciel libre pour éleveurs</translation>
    </message>
</context>
<context>
    <name>Backup</name>
    <message>
        <source>„%1“ kann nicht gelesen werden: %2</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas être lu&#xa0;: %2</translation>
    </message>
    <message>
        <source>„%1“ ist beschädigt (%2).</source>
        <translation>«&#xa0;%1&#xa0;» est endommagé (%2).</translation>
    </message>
    <message>
        <source>Der Ordner „%1“ konnte nicht angelegt werden.</source>
        <translation>Le dossier «&#xa0;%1&#xa0;» n&apos;a pas pu être créé.</translation>
    </message>
    <message>
        <source>„%1“ konnte nicht geschrieben werden: %2</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;a pas pu être écrit&#xa0;: %2</translation>
    </message>
    <message>
        <source>„%1“ gibt es nicht.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;existe pas.</translation>
    </message>
    <message>
        <source>Die bisherigen Daten konnten nicht gesichert werden, darum wurde nichts zurückgeholt: %1</source>
        <translation>Les données actuelles n&apos;ont pas pu être sauvegardées, c&apos;est pourquoi rien n&apos;a été restauré&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 Die Daten und Bilder sind unverändert geblieben.</source>
        <extracomment>%1 says why the pictures were not restored</extracomment>
        <translation>%1 Les données et les photos sont restées inchangées.</translation>
    </message>
    <message>
        <source>Das Zurückholen der Bilder wurde abgebrochen.</source>
        <translation>La restauration des photos a été interrompue.</translation>
    </message>
</context>
<context>
    <name>BackupGroup</name>
    <message>
        <source>Backup-Funktion: </source>
        <translation>Sauvegarde&#xa0;: </translation>
    </message>
    <message>
        <source>Backup auf USB-Stick</source>
        <translation>Sauvegarde sur clé USB</translation>
    </message>
    <message>
        <source>Backup von USB-Stick holen</source>
        <translation>Restaurer la sauvegarde depuis une clé USB</translation>
    </message>
    <message>
        <source>Schnelles Backup</source>
        <translation>Sauvegarde rapide</translation>
    </message>
    <message>
        <source>Schnelles Backup holen</source>
        <translation>Restaurer la sauvegarde rapide</translation>
    </message>
    <message>
        <source>Komplette Datenbank löschen und neu anfangen</source>
        <translation>Supprimer toute la base de données et recommencer</translation>
    </message>
    <message>
        <source>Bestand importieren…</source>
        <translation>Importer le cheptel…</translation>
    </message>
</context>
<context>
    <name>BackupMessages</name>
    <message>
        <source>Diese Bilder konnten nicht kopiert werden:
%1</source>
        <extracomment>%1 is the list of pictures, one per line</extracomment>
        <translation>Ces photos n&apos;ont pas pu être copiées&#xa0;:
%1</translation>
    </message>
    <message>
        <source>Die bisherige Datensicherung ist unverändert geblieben.</source>
        <translation>La sauvegarde précédente est restée inchangée.</translation>
    </message>
    <message>
        <source>Die Datensicherung wurde abgebrochen.</source>
        <translation>La sauvegarde a été interrompue.</translation>
    </message>
    <message>
        <source>Datensicherung wurde durchgeführt.</source>
        <translation>La sauvegarde a été effectuée.</translation>
    </message>
    <message>
        <source>Die Daten von vorher liegen im Ordner „%1“.</source>
        <translation>Les données d&apos;avant se trouvent dans le dossier «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Datensicherung wurde zurückgeholt. Was bis dahin geändert wurde, lässt sich nicht mehr rückgängig machen.</source>
        <translation>La sauvegarde a été restaurée. Les modifications faites auparavant ne peuvent plus être annulées.</translation>
    </message>
</context>
<context>
    <name>BreedFilter</name>
    <message>
        <source>Filter löschen</source>
        <translation>Effacer le filtre</translation>
    </message>
    <message>
        <source>Rassen-Filter:</source>
        <translation>Filtre de race&#xa0;:</translation>
    </message>
</context>
<context>
    <name>BreederDataDialog</name>
    <message>
        <source>Züchterdaten</source>
        <translation>Données de l&apos;éleveur</translation>
    </message>
    <message>
        <source>Geben Sie hier Ihre Züchterdaten ein. Diese
werden für den Kopf des Abstammungs-
nachweises benötigt.</source>
        <translation>Saisissez ici vos données d&apos;éleveur. Elles
sont nécessaires pour l&apos;en-tête du certificat
d&apos;origine.</translation>
    </message>
    <message>
        <source>Vorname:</source>
        <translation>Prénom&#xa0;:</translation>
    </message>
    <message>
        <source>Nachname:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Anschrift:</source>
        <translation>Adresse&#xa0;:</translation>
    </message>
    <message>
        <source>PLZ &amp;&amp; Wohnort:</source>
        <translation>Code postal &amp;&amp; ville&#xa0;:</translation>
    </message>
    <message>
        <source>Telefon:</source>
        <translation>Téléphone&#xa0;:</translation>
    </message>
    <message>
        <source>Züchternummer:</source>
        <translation>N° d&apos;éleveur&#xa0;:</translation>
    </message>
    <message>
        <source>Vereinsnummer:</source>
        <translation>N° de club&#xa0;:</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Enregistrer</translation>
    </message>
</context>
<context>
    <name>BreedingCalendar</name>
    <message>
        <source>Schieren</source>
        <translation>Mirage</translation>
    </message>
    <message>
        <source>Schlupf</source>
        <translation>Éclosion</translation>
    </message>
    <message>
        <source>Beringen</source>
        <translation>Baguage</translation>
    </message>
    <message>
        <source>Absetzen</source>
        <translation>Sevrage</translation>
    </message>
</context>
<context>
    <name>BreedingCalendarWindow</name>
    <message>
        <source>Zuchtkalender</source>
        <translation>Calendrier d&apos;élevage</translation>
    </message>
    <message>
        <source>Ein Doppelklick öffnet das Zuchtpaar in der Nachwuchsverwaltung</source>
        <translation>Un double-clic ouvre le couple reproducteur dans Reproduction et jeunes</translation>
    </message>
    <message>
        <source>Fällige Arbeiten</source>
        <translation>Tâches à faire</translation>
    </message>
    <message>
        <source>&amp;Drucken…</source>
        <translation>&amp;Imprimer…</translation>
    </message>
    <message>
        <source>Gerechnet wird mit</source>
        <translation>Calculé avec</translation>
    </message>
    <message>
        <source>&amp;Schieren nach Brutbeginn:</source>
        <translation>&amp;Mirage après le début de l&apos;incubation&#xa0;:</translation>
    </message>
    <message>
        <source>Sch&amp;lupf nach Brutbeginn:</source>
        <translation>É&amp;closion après le début de l&apos;incubation&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Beringen nach dem Schlupf:</source>
        <translation>&amp;Baguage après l&apos;éclosion&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Absetzen nach dem Schlupf:</source>
        <translation>&amp;Sevrage après l&apos;éclosion&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Vorschau:</source>
        <translation>A&amp;perçu&#xa0;:</translation>
    </message>
    <message>
        <source> Tage</source>
        <translation> jours</translation>
    </message>
    <message>
        <source>Stand %1: %2 überfällig, %3 bis zum %4 fällig.</source>
        <extracomment>%1 today, %2 overdue tasks, %3 tasks due until the date %4</extracomment>
        <translation>Au %1&#xa0;: %2 en retard, %3 à faire d&apos;ici le %4.</translation>
    </message>
    <message>
        <source>den Zuchtkalender</source>
        <translation>le calendrier d&apos;élevage</translation>
    </message>
    <message>
        <source>Zu wenig Ringe: noch %1 frei für %2 Eier, die einen Ring brauchen werden.</source>
        <extracomment>%1 free rings of this year, %2 eggs that will need a ring</extracomment>
        <translation>Pas assez de bagues&#xa0;: encore %1 libres pour %2 œufs qui auront besoin d&apos;une bague.</translation>
    </message>
</context>
<context>
    <name>BreedingDialog</name>
    <message>
        <source>Wann wurde die Zucht gestartet?</source>
        <translation>Quand la reproduction a-t-elle commencé&#xa0;?</translation>
    </message>
    <message>
        <source>Nr des Zuchtkäfigs?</source>
        <translation>Numéro de la cage d&apos;élevage&#xa0;?</translation>
    </message>
    <message>
        <source>Wer ist der Vater?</source>
        <translation>Qui est le père&#xa0;?</translation>
    </message>
    <message>
        <source>Wer ist die Mutter?</source>
        <translation>Qui est la mère&#xa0;?</translation>
    </message>
    <message>
        <source>&lt;i&gt;im Format TT.MM.JJJJ&lt;/i&gt;</source>
        <translation>&lt;i&gt;au format JJ.MM.AAAA&lt;/i&gt;</translation>
    </message>
    <message>
        <source>Nachwuchsverwaltung</source>
        <translation>Reproduction et jeunes</translation>
    </message>
    <message>
        <source>Hier können Sie Daten zu Zuchtpaaren hinterlegen, Gelege eingeben und das Beringen der Jungvögel vornehmen. Die Daten sind relevant für die Zuchtdatei. Um Hilfe zu erhalten einfach mit der Maus über das entsprechende Feld gehen.</source>
        <translation>Ici, vous pouvez enregistrer les données des couples reproducteurs, saisir les pontes et baguer les jeunes. Les données font partie du fichier d&apos;élevage. Pour obtenir de l&apos;aide, il suffit de passer la souris sur le champ concerné.</translation>
    </message>
    <message>
        <source>Neues Zuchtpaar anlegen</source>
        <translation>Saisir un nouveau couple reproducteur</translation>
    </message>
    <message>
        <source>Zuchtpaar anzeigen/bearbeiten</source>
        <translation>Afficher/modifier le couple reproducteur</translation>
    </message>
    <message>
        <source>Zuchtbeginn:</source>
        <translation>Début de reproduction&#xa0;:</translation>
    </message>
    <message>
        <source>Hecke:</source>
        <translation>Cage d&apos;élevage&#xa0;:</translation>
    </message>
    <message>
        <source>Vogel (m) 1.0:</source>
        <translation>Oiseau (m) 1.0&#xa0;:</translation>
    </message>
    <message>
        <source>Vogel (w) 0.1:</source>
        <translation>Oiseau (f) 0.1&#xa0;:</translation>
    </message>
    <message>
        <source>Zuchtpaar anlegen</source>
        <translation>Saisir le couple reproducteur</translation>
    </message>
    <message>
        <source>Speichert das aktuell eingegebene Zuchtpaar.
Gelege können im nächsten Schritt eingegeben
werden.</source>
        <translation>Enregistre le couple reproducteur qui vient d&apos;être saisi.
Les pontes peuvent être saisies à l&apos;étape
suivante.</translation>
    </message>
    <message>
        <source>Farben der Jungen:</source>
        <translation>Couleurs des jeunes&#xa0;:</translation>
    </message>
    <message>
        <source>Welches Zuchtpaar soll angezeigt bzw. bearbeitet werden?</source>
        <translation>Quel couple reproducteur faut-il afficher ou modifier&#xa0;?</translation>
    </message>
    <message>
        <source>Keine Gelege auswählbar? 
Dann ein neues Gelege anlegen.</source>
        <translation>Aucune ponte à choisir&#xa0;? 
Saisissez alors une nouvelle ponte.</translation>
    </message>
    <message>
        <source>Neues Gelege anlegen</source>
        <translation>Saisir une nouvelle ponte</translation>
    </message>
    <message>
        <source>Legt ein neues Gelege dieses Zuchtpaares an.</source>
        <translation>Saisit une nouvelle ponte de ce couple reproducteur.</translation>
    </message>
    <message>
        <source>Zuchtpaar auswählen:</source>
        <translation>Choisir le couple reproducteur&#xa0;:</translation>
    </message>
    <message>
        <source>Farben der &amp;Jungen…</source>
        <translation>Couleurs des &amp;jeunes…</translation>
    </message>
    <message>
        <source>Zeigt, welche Farben die Jungen dieses Paares erwarten lassen</source>
        <translation>Montre les couleurs à attendre chez les jeunes de ce couple</translation>
    </message>
    <message>
        <source>Bitte zuerst Hahn und Henne wählen.</source>
        <translation>Veuillez d&apos;abord choisir le mâle et la femelle.</translation>
    </message>
    <message>
        <source>Gelege auswählen:</source>
        <translation>Choisir la ponte&#xa0;:</translation>
    </message>
    <message>
        <source>Zuchtpaar speichern</source>
        <translation>Enregistrer le couple reproducteur</translation>
    </message>
    <message>
        <source>Speichert die Änderungen zum Zuchtpaar</source>
        <translation>Enregistre les modifications du couple reproducteur</translation>
    </message>
    <message>
        <source>Zuchtpaar löschen</source>
        <translation>Supprimer le couple reproducteur</translation>
    </message>
    <message>
        <source>Löscht das Zuchtpaar sowie deren Gelege und Eier. 
Evtl. daraus vorgegangene Jungtiere werden dabei 
nicht gelöscht.</source>
        <translation>Supprime le couple reproducteur avec ses pontes et ses œufs. 
Les jeunes qui en sont issus ne sont 
pas supprimés.</translation>
    </message>
    <message>
        <source>Gelege:</source>
        <translation>Ponte&#xa0;:</translation>
    </message>
    <message>
        <source>Wieviele Eier wurden mit diesem Gelege gelegt?</source>
        <translation>Combien d&apos;œufs ont été pondus dans cette ponte&#xa0;?</translation>
    </message>
    <message>
        <source>Wann wurde das erste Ei, dass durch ein Kunststoffei ersetzt wird gelegt?</source>
        <translation>Quand le premier œuf (celui remplacé par un œuf factice) a-t-il été pondu&#xa0;?</translation>
    </message>
    <message>
        <source>Wann wurde das letzte Ei des Geleges gelegt?</source>
        <translation>Quand le dernier œuf de la ponte a-t-il été pondu&#xa0;?</translation>
    </message>
    <message>
        <source>Wann wurden die Kunststoffeier durch die Gelege ersetzt (=Brutbeginn)?</source>
        <translation>Quand les œufs factices ont-ils été remplacés par la ponte (= début de l&apos;incubation)&#xa0;?</translation>
    </message>
    <message>
        <source>Anzahl Eier:</source>
        <translation>Nombre d&apos;œufs&#xa0;:</translation>
    </message>
    <message>
        <source>Datum Erstes Ei:</source>
        <translation>Date du premier œuf&#xa0;:</translation>
    </message>
    <message>
        <source>Datum Letztes Ei:</source>
        <translation>Date du dernier œuf&#xa0;:</translation>
    </message>
    <message>
        <source>Datum Gelege gesetzt:</source>
        <translation>Date de remise de la ponte&#xa0;:</translation>
    </message>
    <message>
        <source>Gelege löschen</source>
        <translation>Supprimer la ponte</translation>
    </message>
    <message>
        <source>Löscht das Gelege aus der Datenbank. 
Evtl. eingetragene Eier gehen dabei verloren.

Die Jungvögel die bei der Beringung angelegt wurden bleiben erhalten.</source>
        <translation>Supprime la ponte de la base de données. 
Les œufs saisis pour elle sont perdus.

Les jeunes créés lors du baguage sont conservés.</translation>
    </message>
    <message>
        <source>Gelege speichern</source>
        <translation>Enregistrer la ponte</translation>
    </message>
    <message>
        <source>Speichert das Gelege und alle Änderungen darin.</source>
        <translation>Enregistre la ponte et toutes ses modifications.</translation>
    </message>
    <message>
        <source>Sind Hahn und Henne gewählt, stehen hier die Farben ihrer Jungen.</source>
        <translation>Une fois le mâle et la femelle choisis, les couleurs de leurs jeunes s&apos;affichent ici.</translation>
    </message>
    <message>
        <source>Inzuchtkoeffizient der Jungen: %1</source>
        <translation>Coefficient de consanguinité des jeunes&#xa0;: %1</translation>
    </message>
    <message>
        <source>eng verwandt</source>
        <translation>proches parents</translation>
    </message>
    <message>
        <source>eng verwandt (%1)</source>
        <translation>proches parents (%1)</translation>
    </message>
    <message>
        <source>Frage</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Hahn %1 und Henne %2 sind %3: Die Jungen hätten einen Inzuchtkoeffizienten von %4.

Trotzdem als Zuchtpaar speichern?</source>
        <translation>Le mâle %1 et la femelle %2 sont %3&#xa0;: les jeunes auraient un coefficient de consanguinité de %4.

Enregistrer quand même comme couple reproducteur&#xa0;?</translation>
    </message>
    <message>
        <source>Das Zuchtpaar wurde gespeichert. Wählen Sie es nun aus um Gelege einzugeben.</source>
        <translation>Le couple reproducteur a été enregistré. Choisissez-le maintenant pour saisir des pontes.</translation>
    </message>
    <message>
        <source>Bitte wählen Sie zunächst das Zuchtpaar aus, das Sie bearbeiten möchten.</source>
        <translation>Veuillez d&apos;abord choisir le couple reproducteur que vous voulez modifier.</translation>
    </message>
    <message>
        <source>Das Zuchtpaar wurde gespeichert.</source>
        <translation>Le couple reproducteur a été enregistré.</translation>
    </message>
    <message>
        <source>Bitte wählen Sie zunächst das Zuchtpaar aus, das Sie löschen möchten.</source>
        <translation>Veuillez d&apos;abord choisir le couple reproducteur que vous voulez supprimer.</translation>
    </message>
    <message>
        <source>Wählen Sie zunächst das Zuchtpaar aus, dessen Gelege Sie anlegen möchten.</source>
        <translation>Choisissez d&apos;abord le couple reproducteur dont vous voulez saisir une ponte.</translation>
    </message>
</context>
<context>
    <name>BreedingRules</name>
    <message>
        <source>Ungültiges Zuchtbeginn-Datum!</source>
        <translation>Date de début de reproduction non valide&#xa0;!</translation>
    </message>
    <message>
        <source>Ungültige Heckennummer!</source>
        <translation>Numéro de cage d&apos;élevage non valide&#xa0;!</translation>
    </message>
    <message>
        <source>Bitte Vogel (m) 1.0 auswählen!</source>
        <translation>Veuillez choisir l&apos;oiseau (m) 1.0&#xa0;!</translation>
    </message>
    <message>
        <source>Bitte Vogel (w) 0.1 auswählen!</source>
        <translation>Veuillez choisir l&apos;oiseau (f) 0.1&#xa0;!</translation>
    </message>
    <message>
        <source>Gelege %1</source>
        <translation>Ponte %1</translation>
    </message>
    <message>
        <source>Ungültiges Datum bei Erstes Ei!</source>
        <translation>Date du premier œuf non valide&#xa0;!</translation>
    </message>
    <message>
        <source>Ungültige Anzahl Eier!</source>
        <translation>Nombre d&apos;œufs non valide&#xa0;!</translation>
    </message>
    <message>
        <source>Ungültiges Datum bei Letztes Ei!</source>
        <translation>Date du dernier œuf non valide&#xa0;!</translation>
    </message>
    <message>
        <source>Ungültiges Datum bei Gelege Gesetzt!</source>
        <translation>Date de remise de la ponte non valide&#xa0;!</translation>
    </message>
    <message>
        <source>ACHTUNG:
<byte value="xd"/>
<byte value="xd"/>Die Ringnr %1 ist bereits angelegt.</source>
        <translation>ATTENTION&#xa0;:
</translation>
    </message>
    <message>
        <source>Bitte die Ringnummer angeben.</source>
        <translation>Veuillez indiquer le numéro de bague.</translation>
    </message>
    <message>
        <source>Bitte das Geschlecht angeben.</source>
        <translation>Veuillez indiquer le sexe.</translation>
    </message>
    <message>
        <source>Bitte das abgesetzt-Datum richtig angeben.</source>
        <translation>Veuillez indiquer une date de sevrage valide.</translation>
    </message>
    <message>
        <source>Bitte das Schlupf-Datum richtig angeben.</source>
        <translation>Veuillez indiquer une date d&apos;éclosion valide.</translation>
    </message>
    <message>
        <source>Die Beringung des Ei&apos;s wurde gelöscht.
<byte value="xd"/>
<byte value="xd"/>Außerdem wurde der Vogel mit der Ringnummer %1 und die Elternbeziehungen ebenfalls wieder entfernt.<byte value="xd"/>
<byte value="xd"/>
Es kann nun eine neue Ringnummer zu diesem Ei angelegt werden.</source>
        <translation>Le baguage de l&apos;œuf a été supprimé.
</translation>
    </message>
</context>
<context>
    <name>ByteReader</name>
    <message>
        <source>Byte %1: %2</source>
        <translation>Octet %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>die Datei endet vorzeitig</source>
        <translation>le fichier se termine prématurément</translation>
    </message>
    <message>
        <source>Textlänge %1 über dem Höchstwert %2</source>
        <translation>longueur de texte %1 supérieure au maximum %2</translation>
    </message>
    <message>
        <source>negative Anzahl %1</source>
        <translation>nombre négatif %1</translation>
    </message>
    <message>
        <source>Anzahl %1 passt nicht in den Rest der Datei</source>
        <translation>le nombre %1 ne tient pas dans le reste du fichier</translation>
    </message>
</context>
<context>
    <name>CageCardDialog</name>
    <message>
        <source>Käfigkarten</source>
        <translation>Fiches de cage</translation>
    </message>
    <message>
        <source>&amp;Zuchtpaare:</source>
        <translation>Couples &amp;reproducteurs :</translation>
    </message>
    <message>
        <source>Eine Karte für jeden Zuchtkäfig mit Hahn, Henne, Gelegen und ihren Tagen</source>
        <translation>Une fiche par cage d&apos;élevage avec le mâle, la femelle, les pontes et leurs dates</translation>
    </message>
    <message>
        <source>Die Zuchtpaare, deren Karten gedruckt werden</source>
        <translation>Les couples reproducteurs dont les fiches sont imprimées</translation>
    </message>
    <message>
        <source>Zuchtpaare</source>
        <translation>Couples reproducteurs</translation>
    </message>
    <message>
        <source>&amp;Alle</source>
        <translation>&amp;Tous</translation>
    </message>
    <message>
        <source>&amp;Keine</source>
        <translation>&amp;Aucun</translation>
    </message>
    <message>
        <source>&amp;Einzelne Vögel, eine Ringnummer je Zeile:</source>
        <translation>&amp;Oiseaux seuls, un numéro de bague par ligne :</translation>
    </message>
    <message>
        <source>Eine Karte für jeden Vogel mit Ring, Geschlecht, Jahrgang, Farbe, Rasse und Eltern</source>
        <translation>Une fiche par oiseau avec bague, sexe, année, couleur, race et parents</translation>
    </message>
    <message>
        <source>Die Ringnummern der Vögel, eine je Zeile</source>
        <translation>Les numéros de bague des oiseaux, un par ligne</translation>
    </message>
    <message>
        <source>Ringnummern</source>
        <translation>Numéros de bague</translation>
    </message>
    <message>
        <source>Wie groß die Karten sind und wie viele auf ein A4-Blatt passen</source>
        <translation>La taille des fiches et combien tiennent sur une feuille A4</translation>
    </message>
    <message>
        <source>&amp;Größe:</source>
        <translation>&amp;Taille :</translation>
    </message>
    <message>
        <source>&amp;Vorschau</source>
        <translation>A&amp;perçu</translation>
    </message>
    <message>
        <source>Die Karten in der Druckvorschau: drucken, als PDF oder PNG speichern</source>
        <translation>Les fiches dans l&apos;aperçu avant impression : imprimer, enregistrer en PDF ou PNG</translation>
    </message>
    <message>
        <source>Bitte wählen Sie mindestens ein Zuchtpaar aus.</source>
        <translation>Veuillez choisir au moins un couple reproducteur.</translation>
    </message>
    <message>
        <source>Die Ringnummer „%1“ ist nicht im Bestand.</source>
        <translation>Le numéro de bague « %1 » n&apos;est pas dans le cheptel.</translation>
    </message>
    <message>
        <source>Bitte geben Sie mindestens eine Ringnummer ein.</source>
        <translation>Veuillez saisir au moins un numéro de bague.</translation>
    </message>
    <message>
        <source>die Käfigkarten</source>
        <translation>les fiches de cage</translation>
    </message>
    <message>
        <source>Käfigkarten</source>
        <comment>file name of the printed cage cards</comment>
        <translation>Fiches de cage</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>CageCardReport</name>
    <message>
        <source>Hahn</source>
        <translation>Mâle</translation>
    </message>
    <message>
        <source>Henne</source>
        <translation>Femelle</translation>
    </message>
    <message>
        <source>Geschlecht unbekannt</source>
        <translation>Sexe inconnu</translation>
    </message>
    <message>
        <source>nicht im Bestand</source>
        <translation>pas dans le cheptel</translation>
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
        <translation>Mâle : %1</translation>
    </message>
    <message>
        <source>Henne: %1</source>
        <translation>Femelle : %1</translation>
    </message>
    <message>
        <source>Zuchtbeginn: %1</source>
        <translation>Début de reproduction : %1</translation>
    </message>
    <message>
        <source>%1, Jahrgang %2</source>
        <extracomment>The sex and the year of hatching on a bird&apos;s cage card.</extracomment>
        <translation>%1, né en %2</translation>
    </message>
    <message>
        <source>Farbe: %1</source>
        <translation>Couleur : %1</translation>
    </message>
    <message>
        <source>Rasse: %1</source>
        <translation>Race : %1</translation>
    </message>
    <message>
        <source>Vater: %1</source>
        <translation>Père : %1</translation>
    </message>
    <message>
        <source>Mutter: %1</source>
        <translation>Mère : %1</translation>
    </message>
    <message>
        <source>Gelege</source>
        <translation>Ponte</translation>
    </message>
    <message>
        <source>1. Ei</source>
        <translation>1er œuf</translation>
    </message>
    <message>
        <source>Schieren</source>
        <translation>Mirage</translation>
    </message>
    <message>
        <source>Schlupf</source>
        <translation>Éclosion</translation>
    </message>
    <message>
        <source>Beringen</source>
        <translation>Baguage</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>The rings of one clutch&apos;s young: the clutch&apos;s number, then the rings.</extracomment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Junge: %1</source>
        <translation>Jeunes : %1</translation>
    </message>
    <message>
        <source>Notizen:</source>
        <translation>Notes :</translation>
    </message>
    <message>
        <source>A6 (105 × 148 mm, 4 je Blatt)</source>
        <translation>A6 (105 × 148 mm, 4 par feuille)</translation>
    </message>
    <message>
        <source>A7 quer (105 × 74 mm, 8 je Blatt)</source>
        <translation>A7 paysage (105 × 74 mm, 8 par feuille)</translation>
    </message>
    <message>
        <source>Karte (85 × 55 mm, 10 je Blatt)</source>
        <translation>Carte (85 × 55 mm, 10 par feuille)</translation>
    </message>
</context>
<context>
    <name>CertificateCommands</name>
    <message>
        <source>Bitte den Kanarienvogel auswählen.</source>
        <translation>Veuillez sélectionner le canari.</translation>
    </message>
    <message>
        <source>den Abstammungsnachweis</source>
        <translation>le certificat d&apos;origine</translation>
    </message>
    <message>
        <source>Abstammungsnachweis %1</source>
        <translation>Certificat d&apos;origine %1</translation>
    </message>
    <message>
        <source>das Stammblatt</source>
        <translation>la fiche d&apos;élevage</translation>
    </message>
    <message>
        <source>Stammblatt %1</source>
        <translation>Fiche d&apos;élevage %1</translation>
    </message>
    <message>
        <source>Stammbaum als Datei speichern</source>
        <translation>Enregistrer le pedigree dans un fichier</translation>
    </message>
    <message>
        <source>Stammbaum %1.json</source>
        <translation>Pedigree %1.json</translation>
    </message>
    <message>
        <source>Die Stammbaumdatei %1 wurde erstellt. Der Käufer liest sie mit „Bestand importieren…“ ein.</source>
        <translation>Le fichier pedigree %1 a été créé. L&apos;acheteur le lit avec «&#xa0;Importer le cheptel…&#xa0;».</translation>
    </message>
</context>
<context>
    <name>ChangeAnimalDialog</name>
    <message>
        <source>Bitte zuerst den Kanarienvogel in der Liste anklicken.</source>
        <translation>Veuillez d&apos;abord cliquer sur le canari dans la liste.</translation>
    </message>
    <message>
        <source>Kanarienvogel auswählen:</source>
        <translation>Choisir le canari&#xa0;:</translation>
    </message>
    <message>
        <source>Ein Doppelklick zeigt den Abstammungsnachweis an.</source>
        <translation>Un double-clic affiche le certificat d&apos;origine.</translation>
    </message>
    <message>
        <source>Ringnummer</source>
        <translation>Numéro de bague</translation>
    </message>
    <message>
        <source>Geburtsjahr</source>
        <translation>Année de naissance</translation>
    </message>
    <message>
        <source>Sortierung:</source>
        <translation>Tri&#xa0;:</translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation>Filtre&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Stammdaten</source>
        <translation>&amp;Données</translation>
    </message>
    <message>
        <source>&amp;Verbleib</source>
        <translation>D&amp;evenir</translation>
    </message>
    <message>
        <source>&amp;Ausstellungen</source>
        <translation>E&amp;xpositions</translation>
    </message>
    <message>
        <source>&amp;Erbanlagen</source>
        <translation>&amp;Facteurs héréditaires</translation>
    </message>
    <message>
        <source>Kanarienvogel ändern</source>
        <translation>Modifier le canari</translation>
    </message>
    <message>
        <source>Nachkommen anzeigen</source>
        <translation>Afficher les descendants</translation>
    </message>
    <message>
        <source>Kanarienvogel verkauft oder gelöscht</source>
        <translation>Canari vendu ou supprimé</translation>
    </message>
    <message>
        <source>Kanarienvogel verkauft oder gelöscht (wird in der Auswahlliste, der Kanarienvögelbestandsliste und in den Elternbeziehungen nicht mehr zur Auswahl angeboten.)</source>
        <translation>Canari vendu ou supprimé (n&apos;est plus proposé dans la liste de sélection, la liste du cheptel de canaris et la filiation.)</translation>
    </message>
    <message>
        <source>Idealerweise 170x120 Pixel</source>
        <translation>Idéalement 170x120 pixels</translation>
    </message>
    <message>
        <source>Bild auswählen</source>
        <translation>Choisir une photo</translation>
    </message>
    <message>
        <source>Bild löschen</source>
        <translation>Supprimer la photo</translation>
    </message>
    <message>
        <source>Gefundene Kanarienvögel (Kanarienvögel ändern Modus)</source>
        <translation>Canaris trouvés (mode Modifier les canaris)</translation>
    </message>
    <message>
        <source>Kanarienvögel ändern</source>
        <translation>Modifier les canaris</translation>
    </message>
    <message>
        <source>den Kanarienvogel anklicken um mit dem Ändern zu beginnen.</source>
        <translation>cliquez sur le canari pour commencer à le modifier.</translation>
    </message>
    <message>
        <source>Inzuchtkoeffizient: %1</source>
        <translation>Coefficient de consanguinité&#xa0;: %1</translation>
    </message>
    <message>
        <source> (Schleife in den Elternbeziehungen übergangen)</source>
        <translation> (boucle dans la filiation ignorée)</translation>
    </message>
    <message>
        <source>Bitte den Kanarienvogel ändern und danach auf &quot;Kanarienvogel ändern&quot; klicken.</source>
        <translation>Veuillez modifier le canari, puis cliquer sur «&#xa0;Modifier le canari&#xa0;».</translation>
    </message>
    <message>
        <source>Die Erbanlagen passen nicht zusammen: %1</source>
        <translation>Les facteurs héréditaires ne concordent pas&#xa0;: %1</translation>
    </message>
    <message>
        <source>Frage</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>%1 Verweise (Eltern, Zuchtpaare, Jungtiere) nennen noch die bisherige Ringnummer %2. Sollen sie auf die neue Ringnummer %3 geändert werden?</source>
        <translation>%1 références (parents, couples reproducteurs, jeunes) indiquent encore l&apos;ancien numéro de bague %2. Faut-il les remplacer par le nouveau numéro de bague %3&#xa0;?</translation>
    </message>
    <message>
        <source>Bild wurde gespeichert.</source>
        <translation>La photo a été enregistrée.</translation>
    </message>
    <message>
        <source>Stan&amp;dort</source>
        <translation>Empla&amp;cement</translation>
    </message>
</context>
<context>
    <name>Choices</name>
    <message>
        <source>unbekannt</source>
        <comment>sex</comment>
        <translation>inconnu</translation>
    </message>
    <message>
        <source>männlich</source>
        <translation>mâle</translation>
    </message>
    <message>
        <source>weiblich</source>
        <translation>femelle</translation>
    </message>
</context>
<context>
    <name>ColourCalculator</name>
    <message>
        <source>%1 doppelfaktorig</source>
        <extracomment>%1 is a colour word</extracomment>
        <translation>%1 double facteur</translation>
    </message>
    <message>
        <source>%1 einfaktorig</source>
        <translation>%1 simple facteur</translation>
    </message>
    <message>
        <source>%1 der befruchteten Eier sterben ab: doppelfaktorig %2 ist nicht lebensfähig.</source>
        <translation>%1 des œufs fécondés meurent&#xa0;: %2 double facteur n&apos;est pas viable.</translation>
    </message>
    <message>
        <source> und </source>
        <translation> et </translation>
    </message>
    <message>
        <source>%1 der befruchteten Eier sterben ab.</source>
        <translation>%1 des œufs fécondés meurent.</translation>
    </message>
    <message>
        <source>%1 folgt keinem einfachen Erbgang; dafür werden keine Anteile berechnet.</source>
        <translation>%1 ne suit pas une hérédité simple&#xa0;; aucune proportion n&apos;est calculée pour ce facteur.</translation>
    </message>
    <message>
        <source>Ob %1 beim Hahn auf einem Z-Chromosom liegen oder auf je einem, ist unbekannt; beide Lagen sind je zur Hälfte gerechnet.</source>
        <translation>On ignore si %1 se trouvent chez le mâle sur un même chromosome Z ou chacun sur un chromosome&#xa0;; les deux phases sont comptées chacune pour moitié.</translation>
    </message>
    <message>
        <source>Anlagen, die nur wahrscheinlich sind, sind mit ihrer Wahrscheinlichkeit gerechnet.</source>
        <translation>Les facteurs seulement probables sont comptés avec leur probabilité.</translation>
    </message>
    <message>
        <source>Hahn</source>
        <translation>Mâle</translation>
    </message>
    <message>
        <source>Henne</source>
        <translation>Femelle</translation>
    </message>
</context>
<context>
    <name>ColourCheck</name>
    <message>
        <source>%1 zeigt %2, aber ihr Vater %3 ist als frei von %2 eingetragen.</source>
        <translation>%1 montre %2, mais son père %3 est enregistré comme exempt de %2.</translation>
    </message>
    <message>
        <source>%1 zeigt %2, aber sein Vater %3 ist als frei von %2 eingetragen.</source>
        <translation>%1 montre %2, mais son père %3 est enregistré comme exempt de %2.</translation>
    </message>
    <message>
        <source>%1 zeigt %2, aber ihre Mutter %3 ist als frei von %2 eingetragen.</source>
        <translation>%1 montre %2, mais sa mère %3 est enregistrée comme exempte de %2.</translation>
    </message>
    <message>
        <source>%1 zeigt %2, aber seine Mutter %3 ist als frei von %2 eingetragen.</source>
        <translation>%1 montre %2, mais sa mère %3 est enregistrée comme exempte de %2.</translation>
    </message>
    <message>
        <source>%1 ist als frei von %2 eingetragen, aber ihr Vater %3 zeigt %2.</source>
        <translation>%1 est enregistrée comme exempte de %2, mais son père %3 montre %2.</translation>
    </message>
    <message>
        <source>%1 ist als frei von %2 eingetragen, aber sein Vater %3 zeigt %2.</source>
        <translation>%1 est enregistré comme exempt de %2, mais son père %3 montre %2.</translation>
    </message>
    <message>
        <source>%1 ist als frei von %2 eingetragen, aber ihre Mutter %3 zeigt %2.</source>
        <translation>%1 est enregistrée comme exempte de %2, mais sa mère %3 montre %2.</translation>
    </message>
    <message>
        <source>%1 ist als frei von %2 eingetragen, aber seine Mutter %3 zeigt %2.</source>
        <translation>%1 est enregistré comme exempt de %2, mais sa mère %3 montre %2.</translation>
    </message>
    <message>
        <source>Die Erbanlagen von %1 widersprechen sich: %2</source>
        <translation>Les facteurs héréditaires de %1 se contredisent&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 zeigt %2, aber Vater %3 und Mutter %4 sind als frei davon eingetragen.</source>
        <translation>%1 montre %2, mais le père %3 et la mère %4 sont enregistrés comme en étant exempts.</translation>
    </message>
</context>
<context>
    <name>ColourFactors</name>
    <message>
        <source>Braun (Eumelanin braun statt schwarz)</source>
        <translation>Brun (eumélanine brune au lieu de noire)</translation>
    </message>
    <message>
        <source>geschlechtsgebunden rezessiv</source>
        <translation>récessif lié au sexe</translation>
    </message>
    <message>
        <source>braun</source>
        <translation>brun</translation>
    </message>
    <message>
        <source>Braun</source>
        <translation>Brun</translation>
    </message>
    <message>
        <source>Verdünnung (Achat, Satinet)</source>
        <translation>Dilution (agate, satiné)</translation>
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
        <translation>satiné</translation>
    </message>
    <message>
        <source>Satinet</source>
        <translation>Satiné</translation>
    </message>
    <message>
        <source>Pastell (Grauflügel)</source>
        <translation>Pastel (ailes grises)</translation>
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
        <translation>ailes grises</translation>
    </message>
    <message>
        <source>Grauflügel</source>
        <translation>Ailes grises</translation>
    </message>
    <message>
        <source>Elfenbein</source>
        <translation>Ivoire</translation>
    </message>
    <message>
        <source>elfenbein</source>
        <translation>ivoire</translation>
    </message>
    <message>
        <source>rezessiv Weiß</source>
        <translation>blanc récessif</translation>
    </message>
    <message>
        <source>autosomal rezessiv</source>
        <translation>autosomique récessif</translation>
    </message>
    <message>
        <source>rezessiv weiß</source>
        <translation>blanc récessif</translation>
    </message>
    <message>
        <source>Opal und Onyx</source>
        <translation>Opale et onyx</translation>
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
        <translation>Topaze</translation>
    </message>
    <message>
        <source>topas</source>
        <translation>topaze</translation>
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
        <translation>blanc dominant</translation>
    </message>
    <message>
        <source>autosomal dominant</source>
        <translation>autosomique dominant</translation>
    </message>
    <message>
        <source>dominant weiß</source>
        <translation>blanc dominant</translation>
    </message>
    <message>
        <source>Haube</source>
        <translation>Huppe</translation>
    </message>
    <message>
        <source>haube</source>
        <translation>huppe</translation>
    </message>
    <message>
        <source>Intensiv</source>
        <translation>Intensif</translation>
    </message>
    <message>
        <source>intensiv</source>
        <translation>intensif</translation>
    </message>
    <message>
        <source>Jaspis (Jaspe)</source>
        <translation>Jaspe</translation>
    </message>
    <message>
        <source>autosomal unvollständig dominant</source>
        <translation>autosomique à dominance incomplète</translation>
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
        <translation>Fond rouge</translation>
    </message>
    <message>
        <source>kein einfacher Erbgang</source>
        <translation>pas d&apos;hérédité simple</translation>
    </message>
    <message>
        <source>rotgrund</source>
        <translation>fond rouge</translation>
    </message>
    <message>
        <source>Mosaik</source>
        <translation>Mosaïque</translation>
    </message>
    <message>
        <source>mosaik</source>
        <translation>mosaïque</translation>
    </message>
    <message>
        <source>Schwarz</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Isabell</source>
        <translation>Isabelle</translation>
    </message>
    <message>
        <source>Achat-Satinet</source>
        <translation>Agate satiné</translation>
    </message>
    <message>
        <source>Isabell-Satinet</source>
        <translation>Isabelle satiné</translation>
    </message>
</context>
<context>
    <name>ColourWindow</name>
    <message>
        <source>(Anlagen von Hand)</source>
        <translation>(facteurs à la main)</translation>
    </message>
    <message>
        <source>Farbvererbung</source>
        <translation>Hérédité des couleurs</translation>
    </message>
    <message>
        <source>Trägt der Hahn braun und eine Verdünnung verdeckt, ob beide auf einem Z-Chromosom liegen oder auf je einem</source>
        <translation>Si le mâle porte le brun et une dilution de façon cachée&#xa0;: les deux se trouvent-ils sur un même chromosome Z ou chacun sur un chromosome</translation>
    </message>
    <message>
        <source>unbekannt: je zur Hälfte gerechnet</source>
        <translation>inconnu&#xa0;: comptés chacun pour moitié</translation>
    </message>
    <message>
        <source>auf einem Z-Chromosom</source>
        <translation>sur un même chromosome Z</translation>
    </message>
    <message>
        <source>auf je einem Z-Chromosom</source>
        <translation>chacun sur un chromosome Z</translation>
    </message>
    <message>
        <source>&amp;Wahrscheinliche Anlagen mitrechnen</source>
        <translation>Compter les facteurs &amp;probables</translation>
    </message>
    <message>
        <source>Anlagen, die der Stammbaum nur wahrscheinlich macht, mit ihrer Wahrscheinlichkeit rechnen</source>
        <translation>Compter avec leur probabilité les facteurs que le pedigree rend seulement probables</translation>
    </message>
    <message>
        <source>&amp;Crossing-over braun/Verdünnung:</source>
        <translation>&amp;Crossing-over brun/dilution&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Lage beim Hahn:</source>
        <translation>P&amp;hase chez le mâle&#xa0;:</translation>
    </message>
    <message>
        <source>Erwartete Jungen:</source>
        <translation>Jeunes attendus&#xa0;:</translation>
    </message>
    <message>
        <source>Hahn</source>
        <translation>Mâle</translation>
    </message>
    <message>
        <source>Henne</source>
        <translation>Femelle</translation>
    </message>
    <message>
        <source>Ein Vogel aus dem Bestand, oder „%1“ für Anlagen zum Eintragen</source>
        <translation>Un oiseau du cheptel, ou «&#xa0;%1&#xa0;» pour saisir des facteurs</translation>
    </message>
    <message>
        <source>&amp;Hahn:</source>
        <translation>&amp;Mâle&#xa0;:</translation>
    </message>
    <message>
        <source>H&amp;enne:</source>
        <translation>&amp;Femelle&#xa0;:</translation>
    </message>
    <message>
        <source>Anlagen von Hand: bitte oben wählen.</source>
        <translation>Facteurs à la main&#xa0;: veuillez choisir ci-dessus.</translation>
    </message>
    <message>
        <source>Der Stammbaum belegt keine verdeckten Anlagen.</source>
        <translation>Le pedigree ne prouve aucun facteur caché.</translation>
    </message>
    <message>
        <source>Wie oft ein Hahn, der braun und eine Verdünnung trägt, beide durch Crossing-over getrennt weitergibt. Der vorgegebene Wert ist vorläufig: tragen Sie ein, was Sie im eigenen Bestand sehen.</source>
        <translation>Fréquence à laquelle un mâle porteur de brun et d&apos;une dilution transmet les deux séparément par crossing-over. La valeur proposée est provisoire&#xa0;: saisissez ce que vous observez dans votre propre cheptel.</translation>
    </message>
</context>
<context>
    <name>CsvExport</name>
    <message>
        <source>Erbanlagen laut Stammbaum</source>
        <translation>Facteurs héréditaires selon le pedigree</translation>
    </message>
    <message>
        <source>Punkte der Kollektion</source>
        <translation>Points de l&apos;équipe</translation>
    </message>
    <message>
        <source>Zuchtpaar</source>
        <translation>Couple reproducteur</translation>
    </message>
    <message>
        <source>Hahn</source>
        <translation>Mâle</translation>
    </message>
    <message>
        <source>Henne</source>
        <translation>Femelle</translation>
    </message>
    <message>
        <source>Hecke</source>
        <translation>Cage d&apos;élevage</translation>
    </message>
    <message>
        <source>Zuchtbeginn</source>
        <translation>Début de reproduction</translation>
    </message>
    <message>
        <source>Gelege</source>
        <translation>Ponte</translation>
    </message>
    <message>
        <source>Erstes Ei</source>
        <translation>Premier œuf</translation>
    </message>
    <message>
        <source>Letztes Ei</source>
        <translation>Dernier œuf</translation>
    </message>
    <message>
        <source>Gelege gesetzt</source>
        <translation>Ponte remise</translation>
    </message>
    <message>
        <source>Anzahl Eier</source>
        <translation>Nombre d&apos;œufs</translation>
    </message>
    <message>
        <source>Ei</source>
        <translation>Œuf</translation>
    </message>
    <message>
        <source>Ring</source>
        <translation>Bague</translation>
    </message>
    <message>
        <source>Geschlüpft</source>
        <translation>Éclos</translation>
    </message>
    <message>
        <source>Abgesetzt</source>
        <translation>Sevré</translation>
    </message>
</context>
<context>
    <name>DataCheck</name>
    <message>
        <source>Vater %1 von %2 gibt es nicht im Bestand.</source>
        <extracomment>%1 is the parent&apos;s ring, %2 the child&apos;s</extracomment>
        <translation>Le père %1 de %2 n&apos;est pas dans le cheptel.</translation>
    </message>
    <message>
        <source>Mutter %1 von %2 gibt es nicht im Bestand.</source>
        <translation>La mère %1 de %2 n&apos;est pas dans le cheptel.</translation>
    </message>
    <message>
        <source>Der Vater %1 von %2 ist weiblich.</source>
        <translation>Le père %1 de %2 est une femelle.</translation>
    </message>
    <message>
        <source>Die Mutter %1 von %2 ist männlich.</source>
        <translation>La mère %1 de %2 est un mâle.</translation>
    </message>
    <message>
        <source>Vater %1 (Jahrgang %2) ist jünger als sein Kind %3 (Jahrgang %4).</source>
        <extracomment>%1 is the parent&apos;s ring, %2 its year, %3 the child&apos;s ring, %4 its year</extracomment>
        <translation>Le père %1 (année %2) est plus jeune que son jeune %3 (année %4).</translation>
    </message>
    <message>
        <source>Mutter %1 (Jahrgang %2) ist jünger als ihr Kind %3 (Jahrgang %4).</source>
        <translation>La mère %1 (année %2) est plus jeune que son jeune %3 (année %4).</translation>
    </message>
    <message>
        <source>%1 aktive Tiere tragen dieselbe Ringnummer: %2.</source>
        <translation>%1 oiseaux actifs portent le même numéro de bague&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Diese Tiere sind ihre eigenen Vorfahren: %1.</source>
        <translation>Ces oiseaux sont leurs propres ascendants&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Zuchtpaar %1: Den Hahn %2 gibt es nicht im Bestand.</source>
        <translation>Couple reproducteur %1&#xa0;: le mâle %2 n&apos;est pas dans le cheptel.</translation>
    </message>
    <message>
        <source>Zuchtpaar %1: Die Henne %2 gibt es nicht im Bestand.</source>
        <translation>Couple reproducteur %1&#xa0;: la femelle %2 n&apos;est pas dans le cheptel.</translation>
    </message>
    <message>
        <source>Zuchtpaar %1, Gelege %2, Ei %3: Den Jungvogel %4 gibt es nicht im Bestand.</source>
        <translation>Couple reproducteur %1, ponte %2, œuf %3&#xa0;: le jeune %4 n&apos;est pas dans le cheptel.</translation>
    </message>
    <message>
        <source>Das Bild %1 gehört zu keinem Tier.</source>
        <translation>La photo %1 n&apos;appartient à aucun oiseau.</translation>
    </message>
    <message>
        <source>Zu %1 gibt es Zusatzdaten (Verbleib, Ausstellungen oder Erbanlagen), aber kein Tier im Bestand trägt diese Ringnummer.</source>
        <translation>Il existe des données complémentaires (devenir, expositions ou facteurs héréditaires) pour %1, mais aucun oiseau du cheptel ne porte ce numéro de bague.</translation>
    </message>
</context>
<context>
    <name>DataCheckDialog</name>
    <message>
        <source>Datenprüfung</source>
        <translation>Contrôle des données</translation>
    </message>
    <message>
        <source>Gefundenes</source>
        <translation>Constatations</translation>
    </message>
    <message>
        <source>Keine Auffälligkeiten gefunden.</source>
        <translation>Aucune anomalie trouvée.</translation>
    </message>
    <message>
        <source>%1 Auffälligkeiten gefunden:</source>
        <translation>%1 anomalies trouvées&#xa0;:</translation>
    </message>
</context>
<context>
    <name>DataFiles</name>
    <message>
        <source>Ihre Version der Datenbank ist mit dieser Version nicht kompatibel. Bitte kontaktieren Sie den Autor unter %1. Die Daten können dann ins neue Format konvertiert werden.</source>
        <extracomment>%1 is the program&apos;s web page</extracomment>
        <translation>Votre version de la base de données n&apos;est pas compatible avec cette version. Veuillez contacter l&apos;auteur à l&apos;adresse %1. Les données pourront alors être converties au nouveau format.</translation>
    </message>
    <message>
        <source>Die Datei %1 ist vorhanden, kann aber nicht gelesen werden: %2

An ihr wurde nichts geändert. Bitte prüfen Sie, ob Sie diese Datei lesen dürfen (Zugriffsrechte) und ob der Datenträger in Ordnung ist.</source>
        <translation>Le fichier %1 existe, mais ne peut pas être lu&#xa0;: %2

Rien n&apos;y a été modifié. Veuillez vérifier que vous avez le droit de lire ce fichier (droits d&apos;accès) et que le support est en bon état.</translation>
    </message>
    <message>
        <source>Die Datei %1 ist beschädigt und konnte nicht vollständig gelesen werden (%2).

%3</source>
        <extracomment>%1 is the file, %2 what is wrong with it, %3 what was read of it</extracomment>
        <translation>Le fichier %1 est endommagé et n&apos;a pas pu être lu entièrement (%2).

%3</translation>
    </message>
    <message>
        <source>

Eine Kopie der Originaldatei konnte nicht angelegt werden: %1 Die Datei wird erst überschrieben, wenn diese Kopie beim Speichern gelingt.</source>
        <translation>

Aucune copie du fichier d&apos;origine n&apos;a pu être faite&#xa0;: %1 Le fichier ne sera écrasé que lorsque cette copie aura réussi lors d&apos;un enregistrement.</translation>
    </message>
    <message>
        <source>

Die Originaldatei wurde unverändert aufbewahrt als %1.</source>
        <translation>

Le fichier d&apos;origine a été conservé sans modification sous le nom %1.</translation>
    </message>
    <message>
        <source>

Das Programm arbeitet mit den zuletzt vollständig gespeicherten Daten und versucht es beim nächsten Speichern noch einmal.</source>
        <translation>

Le programme travaille avec les dernières données enregistrées complètement et réessaiera au prochain enregistrement.</translation>
    </message>
    <message>
        <source>Gelesen wurden %1 von %2 Kanarienvögel. Das Programm arbeitet mit den gelesenen Daten weiter.</source>
        <translation>%1 canaris sur %2 ont été lus. Le programme continue avec les données lues.</translation>
    </message>
    <message>
        <source>Die Zuchtpaare wurden nicht geladen; das Programm beginnt mit einer leeren Zuchtpaar-Liste.</source>
        <translation>Les couples reproducteurs n&apos;ont pas été chargés&#xa0;; le programme démarre avec une liste de couples vide.</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde nicht gespeichert, weil von der beim Start beschädigten Datei keine Kopie angelegt werden kann: %2</source>
        <translation>Le fichier %1 n&apos;a pas été enregistré, car aucune copie ne peut être faite du fichier endommagé au démarrage&#xa0;: %2</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht gespeichert werden: %2

Die bisherige Datei ist unverändert geblieben.</source>
        <translation>Le fichier %1 n&apos;a pas pu être enregistré&#xa0;: %2

Le fichier précédent est resté inchangé.</translation>
    </message>
</context>
<context>
    <name>DataFolder</name>
    <message>
        <source>Auf dem Datenträger des Datenordners „%1“ ist kaum noch Platz frei (%2). Ein Speichern braucht etwa %3; Ihre Änderungen könnten dann nicht gespeichert werden.

Bitte schaffen Sie Platz, etwa indem Sie nicht mehr benötigte Dateien löschen. Die bisherigen Daten bleiben dabei in jedem Fall erhalten.</source>
        <translation>Il ne reste presque plus d&apos;espace libre sur le support du dossier de données «&#xa0;%1&#xa0;» (%2). Un enregistrement nécessite environ %3&#xa0;; vos modifications pourraient alors ne pas être enregistrées.

Veuillez libérer de l&apos;espace, par exemple en supprimant des fichiers dont vous n&apos;avez plus besoin. Les données existantes sont conservées dans tous les cas.</translation>
    </message>
</context>
<context>
    <name>DataFolderLock</name>
    <message>
        <source>Im Datenordner %1 darf Avelor nichts ändern: Der Ordner oder der Datenträger ist schreibgeschützt. So könnte keine Änderung gespeichert werden; darum startet das Programm nicht.

Bitte geben Sie den Ordner zum Schreiben frei (Zugriffsrechte) und starten Sie Avelor danach neu.</source>
        <translation>Avelor n&apos;a pas le droit de modifier quoi que ce soit dans le dossier de données %1&#xa0;: le dossier ou le support est protégé en écriture. Aucune modification ne pourrait être enregistrée&#xa0;; c&apos;est pourquoi le programme ne démarre pas.

Veuillez autoriser l&apos;écriture dans le dossier (droits d&apos;accès), puis redémarrer Avelor.</translation>
    </message>
    <message>
        <source>Auf dem Datenträger des Datenordners %1 ist kein Platz mehr frei. So könnte keine Änderung gespeichert werden; darum startet das Programm nicht.

Bitte schaffen Sie Platz (etwa indem Sie nicht mehr benötigte Dateien löschen) und starten Sie Avelor danach neu.</source>
        <translation>Il ne reste plus d&apos;espace libre sur le support du dossier de données %1. Aucune modification ne pourrait être enregistrée&#xa0;; c&apos;est pourquoi le programme ne démarre pas.

Veuillez libérer de l&apos;espace (par exemple en supprimant des fichiers dont vous n&apos;avez plus besoin), puis redémarrer Avelor.</translation>
    </message>
    <message>
        <source>Der Datenordner %1 kann nicht benutzt werden: %2</source>
        <translation>Le dossier de données %1 ne peut pas être utilisé&#xa0;: %2</translation>
    </message>
    <message>
        <source>Avelor ist für diese Daten bereits geöffnet.

Bitte arbeiten Sie in dem Fenster weiter, das schon offen ist (es kann hinter anderen Fenstern liegen oder in der Taskleiste stecken), oder beenden Sie es dort mit „Alles speichern und Programm beenden“ und starten Sie Avelor danach neu. So gehen keine Änderungen verloren.</source>
        <translation>Avelor est déjà ouvert pour ces données.

Veuillez continuer à travailler dans la fenêtre déjà ouverte (elle peut se trouver derrière d&apos;autres fenêtres ou dans la barre des tâches), ou fermez-la avec «&#xa0;Tout enregistrer et quitter&#xa0;», puis redémarrez Avelor. Ainsi, aucune modification n&apos;est perdue.</translation>
    </message>
</context>
<context>
    <name>DeleteAnimalDialog</name>
    <message>
        <source>Kanarienvögel löschen</source>
        <translation>Supprimer des canaris</translation>
    </message>
    <message>
        <source>Wählen Sie den Kanarienvogel, d. Sie 
löschen möchten aus und klicken 
Sie auf &quot;Löschen&quot;.</source>
        <translation>Choisissez le canari que vous 
voulez supprimer et cliquez 
sur «&#xa0;Supprimer&#xa0;».</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Supprimer</translation>
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
        <translation>Utilisez cette option pour retirer
un oiseau de la liste active du
cheptel. L&apos;enregistrement n&apos;est
pas effacé, il reste présent en
arrière-plan. Il n&apos;apparaît
simplement plus dans la liste de
sélection pour imprimer un certi-
ficat d&apos;origine.

Utile par exemple pour 
«&#xa0;supprimer&#xa0;» des canaris morts
afin de garder une liste
claire. L&apos;oiseau supprimé
reste présent dans les enre-
gistrements de la filiation.</translation>
    </message>
    <message>
        <source>Bitte erst den Kanarienvogel auswählen, dann auf löschen klicken.</source>
        <translation>Veuillez d&apos;abord choisir le canari, puis cliquer sur Supprimer.</translation>
    </message>
</context>
<context>
    <name>DescendantsDialog</name>
    <message>
        <source>Kinder, Enkel und Urenkel des Kanarienvogels finden</source>
        <translation>Trouver les enfants, petits-enfants et arrière-petits-enfants du canari</translation>
    </message>
    <message>
        <source>Finde Kinder, Enkel und Urenkel des Kanarienvogels mit Ringnr:</source>
        <translation>Trouver les enfants, petits-enfants et arrière-petits-enfants du canari de bague n°&#xa0;:</translation>
    </message>
    <message>
        <source>Suchen</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Such-Ergebnisse</source>
        <translation>Résultats de la recherche</translation>
    </message>
    <message>
        <source>Kinder</source>
        <translation>Enfants</translation>
    </message>
    <message>
        <source>Gefundene Kinder:</source>
        <translation>Enfants trouvés&#xa0;:</translation>
    </message>
    <message>
        <source>Enkel</source>
        <translation>Petits-enfants</translation>
    </message>
    <message>
        <source>Gefundene Enkel:</source>
        <translation>Petits-enfants trouvés&#xa0;:</translation>
    </message>
    <message>
        <source>Ur-Enkel</source>
        <translation>Arrière-petits-enfants</translation>
    </message>
    <message>
        <source>Gefundene Ur-Enkel:</source>
        <translation>Arrière-petits-enfants trouvés&#xa0;:</translation>
    </message>
    <message>
        <source>Ur-Ur-Enkel</source>
        <translation>Arrière-arrière-petits-enfants</translation>
    </message>
    <message>
        <source>Gefundene Ur-Ur-Enkel:</source>
        <translation>Arrière-arrière-petits-enfants trouvés&#xa0;:</translation>
    </message>
    <message>
        <source>Ein Doppelklick zeigt den Abstammungsnachweis an.</source>
        <translation>Un double-clic affiche le certificat d&apos;origine.</translation>
    </message>
    <message>
        <source>Infos zur Auswahl:</source>
        <translation>À propos de la sélection&#xa0;:</translation>
    </message>
    <message>
        <source>Bemerkungen</source>
        <translation>Remarques</translation>
    </message>
    <message>
        <source>Bitte zuerst den Kanarienvogel in der Liste anklicken.</source>
        <translation>Veuillez d&apos;abord cliquer sur le canari dans la liste.</translation>
    </message>
    <message>
        <source>Züchter: %1</source>
        <translation>Éleveur&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>DiskBackup</name>
    <message>
        <source>Es wird nun ein schnelles Backup auf die gleiche Festplatte gemacht auf der auch die reguläre Datenbank des Programms läuft. Dies erfüllt nicht den Zweck eines Backups. Wenn die Festplatte beschädigt werden sollte sind der aktuelle Datenbestand UND das Backup davon betroffen.

Die Sicherungskopie wird im Ordner %1 gespeichert. Sie sollten diesen Ordner auf eine CD brennen oder die USB-Backup-Funktion weiter oben nutzen.</source>
        <extracomment>%1 is the folder of the backup</extracomment>
        <translation>Une sauvegarde rapide va maintenant être faite sur le même disque que celui qui contient la base de données habituelle du programme. Ce n&apos;est pas une vraie sauvegarde&#xa0;: si le disque est endommagé, les données actuelles ET leur sauvegarde sont touchées.

La copie de sauvegarde est enregistrée dans le dossier %1. Vous devriez graver ce dossier sur un CD ou utiliser la sauvegarde USB ci-dessus.</translation>
    </message>
    <message>
        <source>Die Bilder werden gesichert</source>
        <translation>Sauvegarde des photos</translation>
    </message>
    <message>
        <source>Die Datensicherung ist fehlgeschlagen.</source>
        <translation>La sauvegarde a échoué.</translation>
    </message>
    <message>
        <source>Sicherheitsabfrage</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>Beim Rückholen des Backups wird der auf dem Rechner befindliche Stand überschrieben.
<byte value="xd"/>Soll das Backup wirklich von der Festplatte zurückgeholt werden?</source>
        <translation>La restauration de la sauvegarde écrase les données présentes sur cet ordinateur.
</translation>
    </message>
    <message>
        <source>Die Bilder werden zurückgeholt</source>
        <translation>Restauration des photos</translation>
    </message>
    <message>
        <source>Es wurde kein Backup gefunden.</source>
        <translation>Aucune sauvegarde n&apos;a été trouvée.</translation>
    </message>
    <message>
        <source>Fehler beim Wiederherstellen des Festplatten-Backups</source>
        <translation>Erreur lors de la restauration de la sauvegarde sur disque</translation>
    </message>
</context>
<context>
    <name>DriveDialog</name>
    <message>
        <source>Laufwerk</source>
        <translation>Lecteur</translation>
    </message>
    <message>
        <source>Sollte das Laufwerk nicht erscheinen bitte die Anwendung neu starten.</source>
        <translation>Si le lecteur n&apos;apparaît pas, veuillez redémarrer l&apos;application.</translation>
    </message>
    <message>
        <source>Bitte zuerst ein Laufwerk auswählen.</source>
        <translation>Veuillez d&apos;abord sélectionner un lecteur.</translation>
    </message>
    <message>
        <source>Kein USB-Stick und keine externe Festplatte gefunden</source>
        <translation>Aucune clé USB ni aucun disque externe trouvé</translation>
    </message>
</context>
<context>
    <name>Drives</name>
    <message>
        <source>%1 (%2, schreibgeschützt)</source>
        <extracomment>%1 is a drive&apos;s name, %2 where it is mounted</extracomment>
        <translation>%1 (%2, protégé en écriture)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source> (schreibgeschützt)</source>
        <translation> (protégé en écriture)</translation>
    </message>
</context>
<context>
    <name>EnterAnimalsDialog</name>
    <message>
        <source>&lt;= Nach dem Anlegen Feld so belassen</source>
        <translation>&lt;= Conserver ce champ après la saisie</translation>
    </message>
    <message>
        <source>Kanarienvögel eingeben</source>
        <translation>Saisir des canaris</translation>
    </message>
    <message>
        <source>Hier können Sie neue Kanarienvögel anlegen. Füllen Sie dazu 
alle Felder aus und klicken Sie anschließend auf 
&quot;Kanarienvogel anlegen&quot;.</source>
        <translation>Ici, vous pouvez saisir de nouveaux canaris. Remplissez 
tous les champs, puis cliquez sur 
«&#xa0;Saisir le canari&#xa0;».</translation>
    </message>
    <message>
        <source>Bemerkungen:
(Punkte etc.)</source>
        <translation>Remarques&#xa0;:
(points, etc.)</translation>
    </message>
    <message>
        <source>Kanarienvogel anlegen</source>
        <translation>Saisir le canari</translation>
    </message>
    <message>
        <source>Wenn Sie oben alles eingetragen haben können Sie hier klicken um den Kanarienvogel zu speichern.</source>
        <translation>Une fois que vous avez tout rempli ci-dessus, cliquez ici pour enregistrer le canari.</translation>
    </message>
    <message>
        <source>Idealerweise 170x120 Pixel</source>
        <translation>Idéalement 170x120 pixels</translation>
    </message>
    <message>
        <source>Bild auswählen</source>
        <translation>Choisir une photo</translation>
    </message>
    <message>
        <source>Serieneingabe anzeigen</source>
        <translation>Afficher la saisie en série</translation>
    </message>
    <message>
        <source>Geben Sie hier die Ringnummer des Kanarienvogels an.</source>
        <translation>Indiquez ici le numéro de bague du canari.</translation>
    </message>
    <message>
        <source>Geben Sie hier das Geschlecht des Kanarienvogels an. Sollte dieses noch nicht bekannt sein, dann wählen Sie bitte &quot;unbekannt&quot; aus.</source>
        <translation>Indiquez ici le sexe du canari. S&apos;il n&apos;est pas encore connu, veuillez choisir «&#xa0;inconnu&#xa0;».</translation>
    </message>
    <message>
        <source>Geben Sie hier das Geburtsjahr des Kanarienvogels an. Auch wenn das Jahr bspw. in der Ringnummer enthalten ist ist diese Angabe für das Sortieren nach Geburtsjahr trotzdem wichtig.</source>
        <translation>Indiquez ici l&apos;année de naissance du canari. Même si l&apos;année figure dans le numéro de bague, cette indication est nécessaire pour trier par année de naissance.</translation>
    </message>
    <message>
        <source>Wer ist der Züchter des Kanarienvogels?</source>
        <translation>Qui est l&apos;éleveur du canari&#xa0;?</translation>
    </message>
    <message>
        <source>Geben Sie hier die Farbe des Kanarienvogels an. Die Zeichnung (einfarbig, gepunktet, etc.) können Sie weiter unten festlegen.</source>
        <translation>Indiquez ici la couleur du canari. Le marquage (uni, tiqueté, etc.) peut être indiqué plus bas.</translation>
    </message>
    <message>
        <source>Geben Sie hier die Zeichnung des Kanarienvogels (z.B. einfarbig oder gescheckt) an.</source>
        <translation>Indiquez ici le marquage du canari (p. ex. uni ou panaché).</translation>
    </message>
    <message>
        <source>Geben Sie hier die Rasse / Art des Kanarienvogels (z.B. Jungvogel oder Zuchtweibchen) an.</source>
        <translation>Indiquez ici la race / l&apos;espèce du canari (p. ex. jeune ou femelle reproductrice).</translation>
    </message>
    <message>
        <source>Hier können Sie verschiedenste Dinge des Kanarienvogels eintragen. Das können erreichte Punkte, Medallien, Tod, usw. sein. Diese Infos werden auf dem Abstammungsnachweis gedruckt.</source>
        <translation>Ici, vous pouvez noter toutes sortes de choses sur le canari&#xa0;: points obtenus, médailles, décès, etc. Ces informations sont imprimées sur le certificat d&apos;origine.</translation>
    </message>
    <message>
        <source>Die Informationen die Sie hier eintragen erscheinen auf der Kanarienvögelbestandsliste.</source>
        <translation>Ce que vous saisissez ici apparaît sur la liste du cheptel de canaris.</translation>
    </message>
    <message>
        <source>Serieneingabe: </source>
        <translation>Saisie en série&#xa0;: </translation>
    </message>
    <message>
        <source>&lt;= Die ersten</source>
        <translation>&lt;= Conserver les</translation>
    </message>
    <message>
        <source>Stellen nach dem Speichern belassen</source>
        <translation>premiers caractères après l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Serieneingabe mit fortlaufender Ringnummer: </source>
        <translation>Saisie en série avec numéros de bague consécutifs&#xa0;: </translation>
    </message>
    <message>
        <source>Sie haben z.B. 20 fortlaufende Ringnummern? Kein Problem! Einfach den Bereich &quot;von&quot; und &quot;bis&quot; ausfüllen und es werden die gewünschte Anzahl Kanarienvögel angelegt. </source>
        <translation>Vous avez par exemple 20 numéros de bague consécutifs&#xa0;? Pas de problème&#xa0;! Remplissez simplement la plage «&#xa0;de&#xa0;» et «&#xa0;à&#xa0;», et le nombre voulu de canaris est créé. </translation>
    </message>
    <message>
        <source>Alle anderen Daten werden von den links ausgefüllten Informationen genommen.</source>
        <translation>Toutes les autres données sont reprises de ce qui est rempli à gauche.</translation>
    </message>
    <message>
        <source>z.B. 06165-12-</source>
        <translation>p. ex. 06165-12-</translation>
    </message>
    <message>
        <source>z.B. 084</source>
        <translation>p. ex. 084</translation>
    </message>
    <message>
        <source>z.B. 121</source>
        <translation>p. ex. 121</translation>
    </message>
    <message>
        <source>Anfang der Ringnummer:</source>
        <translation>Début du numéro de bague&#xa0;:</translation>
    </message>
    <message>
        <source>von:</source>
        <translation>de&#xa0;:</translation>
    </message>
    <message>
        <source>bis:</source>
        <translation>à&#xa0;:</translation>
    </message>
    <message>
        <source>Führende Nullen bei der Ringnummer eingeben!.</source>
        <translation>Saisissez les zéros initiaux du numéro de bague&#xa0;!.</translation>
    </message>
    <message>
        <source>Kanarienvögel anlegen</source>
        <translation>Saisir des canaris</translation>
    </message>
    <message>
        <source>Fortschritt</source>
        <translation>Progression</translation>
    </message>
</context>
<context>
    <name>EntryFormReport</name>
    <message>
        <source>Ausstellungsmeldung</source>
        <translation>Engagement en exposition</translation>
    </message>
    <message>
        <source>Seite %1</source>
        <translation>Page %1</translation>
    </message>
    <message>
        <source>Ausstellung:</source>
        <translation>Exposition&#xa0;:</translation>
    </message>
    <message>
        <source>Ort:</source>
        <translation>Lieu&#xa0;:</translation>
    </message>
    <message>
        <source>Datum:</source>
        <translation>Date&#xa0;:</translation>
    </message>
    <message>
        <source>Meldeschluss:</source>
        <translation>Clôture des engagements&#xa0;:</translation>
    </message>
    <message>
        <source>Veranstalter:</source>
        <translation>Organisateur&#xa0;:</translation>
    </message>
    <message>
        <source>Aussteller</source>
        <translation>Exposant</translation>
    </message>
    <message>
        <source>Telefon: %1</source>
        <translation>Téléphone&#xa0;: %1</translation>
    </message>
    <message>
        <source>Züchternummer: %1</source>
        <translation>N° d&apos;éleveur&#xa0;: %1</translation>
    </message>
    <message>
        <source>Vereinsnummer: %1</source>
        <translation>N° de club&#xa0;: %1</translation>
    </message>
    <message>
        <source>Datum und Unterschrift des Ausstellers:</source>
        <translation>Date et signature de l&apos;exposant&#xa0;:</translation>
    </message>
</context>
<context>
    <name>ExpectedYoungModel</name>
    <message>
        <source>Hahn</source>
        <translation>Mâle</translation>
    </message>
    <message>
        <source>Henne</source>
        <translation>Femelle</translation>
    </message>
    <message>
        <source>Geschlecht</source>
        <translation>Sexe</translation>
    </message>
    <message>
        <source>Anteil</source>
        <translation>Proportion</translation>
    </message>
    <message>
        <source>Farbe</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>sichtbar</source>
        <translation>visuel</translation>
    </message>
    <message>
        <source>spalterbig</source>
        <translation>porteur</translation>
    </message>
</context>
<context>
    <name>ExpectedYoungView</name>
    <message>
        <source>Die Jungen, die das Paar erwarten lässt, nach Geschlecht und Anteil</source>
        <translation>Les jeunes à attendre du couple, par sexe et proportion</translation>
    </message>
    <message>
        <source>Erwartete Jungen</source>
        <translation>Jeunes attendus</translation>
    </message>
</context>
<context>
    <name>ExportTool</name>
    <message>
        <source>colours nimmt entweder --pair HAHN HENNE oder --cock ANLAGEN und --hen ANLAGEN.</source>
        <translation>colours prend soit --pair MÂLE FEMELLE, soit --cock FACTEURS et --hen FACTEURS.</translation>
    </message>
    <message>
        <source>colours --pair nimmt genau zwei Ringnummern: Hahn und Henne.</source>
        <translation>colours --pair prend exactement deux numéros de bague&#xa0;: le mâle et la femelle.</translation>
    </message>
    <message>
        <source>Hahn und Henne müssen zwei verschiedene Ringnummern sein.</source>
        <translation>Le mâle et la femelle doivent être deux numéros de bague différents.</translation>
    </message>
    <message>
        <source>colours nimmt --cock ANLAGEN und --hen ANLAGEN, etwa --cock &quot;braun,/opal&quot; --hen &quot;achat&quot;.</source>
        <translation>colours prend --cock FACTEURS et --hen FACTEURS, p. ex. --cock &quot;braun,/opal&quot; --hen &quot;achat&quot;.</translation>
    </message>
    <message>
        <source>--phase nimmt coupling (auf einem Z-Chromosom) oder repulsion (auf je einem).</source>
        <translation>--phase prend coupling (sur un même chromosome Z) ou repulsion (chacun sur un chromosome).</translation>
    </message>
    <message>
        <source>--crossover nimmt einen Anteil von 0 bis 0.5, etwa 0.33.</source>
        <translation>--crossover prend une proportion de 0 à 0.5, p. ex. 0.33.</translation>
    </message>
    <message>
        <source>Den Ring „%1“ gibt es nicht im Bestand.</source>
        <translation>La bague «&#xa0;%1&#xa0;» n&apos;est pas dans le cheptel.</translation>
    </message>
    <message>
        <source>colours --pair nimmt zuerst den Hahn, dann die Henne; „%1“ ist als Henne eingetragen.</source>
        <translation>colours --pair prend d&apos;abord le mâle, puis la femelle&#xa0;; «&#xa0;%1&#xa0;» est enregistré comme femelle.</translation>
    </message>
    <message>
        <source>colours --pair nimmt zuerst den Hahn, dann die Henne; „%1“ ist als Hahn eingetragen.</source>
        <translation>colours --pair prend d&apos;abord le mâle, puis la femelle&#xa0;; «&#xa0;%1&#xa0;» est enregistré comme mâle.</translation>
    </message>
    <message>
        <source>Ob %1 beim Hahn auf einem Z-Chromosom liegen oder auf je einem, ist unbekannt; bitte mit --phase coupling oder --phase repulsion angeben.</source>
        <extracomment>%1 names the factors whose phase is unknown.</extracomment>
        <translation>On ignore si %1 se trouvent chez le mâle sur un même chromosome Z ou chacun sur un chromosome&#xa0;; veuillez indiquer --phase coupling ou --phase repulsion.</translation>
    </message>
    <message>
        <source>Die Zusatzdaten konnten nicht vollständig gelesen werden: %1</source>
        <translation>Les données complémentaires n&apos;ont pas pu être lues entièrement&#xa0;: %1</translation>
    </message>
    <message>
        <source>--year nimmt ein Jahr von 1 bis 9999, etwa 2026.</source>
        <translation>--year prend une année de 1 à 9999, p. ex. 2026.</translation>
    </message>
    <message>
        <source>Die Datei „%1“ konnte nicht geschrieben werden: %2</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» n&apos;a pas pu être écrit&#xa0;: %2</translation>
    </message>
    <message>
        <source>Geschrieben: %1</source>
        <translation>Écrit&#xa0;: %1</translation>
    </message>
    <message>
        <source>Es fehlt die Ringnummer.</source>
        <translation>Le numéro de bague manque.</translation>
    </message>
    <message>
        <source>Eine Stammbaumdatei wird für genau eine Ringnummer geschrieben.</source>
        <translation>Un fichier pedigree s&apos;écrit pour un seul numéro de bague.</translation>
    </message>
    <message>
        <source>Die Ringnummer „%1“ ist nicht im Bestand.</source>
        <translation>Le numéro de bague «&#xa0;%1&#xa0;» n&apos;est pas dans le cheptel.</translation>
    </message>
    <message>
        <source>Ein Zuchtpaar %1 gibt es nicht; es gibt %2.</source>
        <extracomment>%1 is the number asked for, %2 how many breeding pairs there are.</extracomment>
        <translation>Il n&apos;y a pas de couple reproducteur %1&#xa0;; il y en a %2.</translation>
    </message>
    <message>
        <source>Ein Stammblatt wird für genau eine Ringnummer geschrieben.</source>
        <translation>Une fiche d&apos;élevage s&apos;écrit pour un seul numéro de bague.</translation>
    </message>
    <message>
        <source>--by nimmt ring oder year, --layout one oder two.</source>
        <translation>--by prend ring ou year, --layout one ou two.</translation>
    </message>
    <message>
        <source>stocklist nimmt keine weiteren Angaben.</source>
        <translation>stocklist ne prend pas d&apos;autres arguments.</translation>
    </message>
    <message>
        <source>pairsheet nimmt die Nummer eines Zuchtpaares, gezählt ab 1.</source>
        <translation>pairsheet prend le numéro d&apos;un couple reproducteur, compté à partir de 1.</translation>
    </message>
    <message>
        <source>%1 nimmt eine ganze Zahl ab %2.</source>
        <extracomment>%1 is an option such as --days, %2 the smallest number it takes.</extracomment>
        <translation>%1 prend un nombre entier à partir de %2.</translation>
    </message>
    <message>
        <source>--date nimmt ein Datum wie 2026-04-05.</source>
        <translation>--date prend une date comme 2026-04-05.</translation>
    </message>
    <message>
        <source>due nimmt keine weiteren Angaben als --date und --days.</source>
        <translation>due ne prend pas d&apos;autres arguments que --date et --days.</translation>
    </message>
    <message>
        <source>season nimmt genau ein Jahr von 1 bis 9999, etwa 2026.</source>
        <translation>season prend exactement une année de 1 à 9999, p. ex. 2026.</translation>
    </message>
    <message>
        <source>mates nimmt genau eine Ringnummer.</source>
        <translation>mates prend exactement un numéro de bague.</translation>
    </message>
    <message>
        <source>Hinweis zu %1: Ein Tier ist sein eigener Vorfahr; diese Verbindung wurde übergangen.</source>
        <extracomment>%1 is a ring, or the rings of a cock and a hen.</extracomment>
        <translation>Remarque sur %1&#xa0;: un oiseau est son propre ascendant&#xa0;; ce lien a été ignoré.</translation>
    </message>
    <message>
        <source>Keine Auffälligkeiten gefunden.</source>
        <translation>Aucune anomalie trouvée.</translation>
    </message>
    <message>
        <source>%1 nimmt keine weiteren Angaben.</source>
        <translation>%1 ne prend pas d&apos;autres arguments.</translation>
    </message>
    <message>
        <source>csv schreibt stock, breeding oder shows.</source>
        <translation>csv écrit stock, breeding ou shows.</translation>
    </message>
    <message>
        <source>Nach --pair stehen der Ring des Hahns und der der Henne.</source>
        <translation>--pair est suivi de la bague du mâle et de celle de la femelle.</translation>
    </message>
    <message>
        <source>Die Ausgabedatei (-o) muss auf .%1 enden.</source>
        <translation>Le fichier de sortie (-o) doit se terminer par .%1.</translation>
    </message>
    <message>
        <source>Die Ausgabedatei (-o) muss auf .%1 oder .%2 enden.</source>
        <translation>Le fichier de sortie (-o) doit se terminer par .%1 ou .%2.</translation>
    </message>
    <message>
        <source>Die Ausgabedatei (-o) muss auf .%1 oder .%2 oder .%3 enden.</source>
        <translation>Le fichier de sortie (-o) doit se terminer par .%1, .%2 ou .%3.</translation>
    </message>
    <message>
        <source>Nach %1 fehlt eine Angabe.</source>
        <translation>Une valeur manque après %1.</translation>
    </message>
    <message>
        <source>%1 ist mehrfach angegeben.</source>
        <translation>%1 est indiqué plusieurs fois.</translation>
    </message>
    <message>
        <source>--pair nimmt keinen Wert; die zwei Ringnummern folgen dem Befehl.</source>
        <translation>--pair ne prend pas de valeur&#xa0;; les deux numéros de bague suivent la commande.</translation>
    </message>
    <message>
        <source>Unbekannte Angabe „%1“.</source>
        <translation>Argument inconnu «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Es fehlt der Befehl.</source>
        <translation>La commande manque.</translation>
    </message>
    <message>
        <source>Unbekannter Befehl „%1“.</source>
        <translation>Commande inconnue «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>%1 nimmt die Angabe %2 nicht.</source>
        <translation>%1 ne prend pas l&apos;argument %2.</translation>
    </message>
    <message>
        <source>Den Datenordner „%1“ gibt es nicht.</source>
        <translation>Le dossier de données «&#xa0;%1&#xa0;» n&apos;existe pas.</translation>
    </message>
    <message>
        <source>Der Datenordner „%1“ kann nicht gelesen werden: %2</source>
        <translation>Le dossier de données «&#xa0;%1&#xa0;» ne peut pas être lu&#xa0;: %2</translation>
    </message>
    <message>
        <source>„%1“ ist kein Ordner.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un dossier.</translation>
    </message>
    <message>
        <source>Die Bestandsdatei „%1“ gibt es nicht.</source>
        <translation>Le fichier du cheptel «&#xa0;%1&#xa0;» n&apos;existe pas.</translation>
    </message>
    <message>
        <source>--size nimmt a6, a7 oder card.</source>
        <translation>--size prend a6, a7 ou card.</translation>
    </message>
    <message>
        <source>Nach --pair fehlen die Nummern der Zuchtpaare.</source>
        <translation>Les numéros des couples reproducteurs manquent après --pair.</translation>
    </message>
    <message>
        <source>cagecards --pair nimmt die Nummern von Zuchtpaaren, gezählt ab 1.</source>
        <translation>cagecards --pair prend les numéros de couples reproducteurs, comptés à partir de 1.</translation>
    </message>
    <message>
        <source>location nimmt höchstens einen Ort; Orte mit Leerzeichen in Anführungszeichen.</source>
        <translation>location prend au plus un lieu&#xa0;; mettez entre guillemets les lieux avec des espaces.</translation>
    </message>
    <message>
        <source>Hinweis: Der Ring %1 ist an mehr als einem Vogel.</source>
        <translation>Remarque&#xa0;: la bague %1 est portée par plus d&apos;un oiseau.</translation>
    </message>
    <message>
        <source>Es fehlt der Name der Ausstellung (in Anführungszeichen, wenn er Leerzeichen enthält).</source>
        <translation>Le nom de l&apos;exposition manque (entre guillemets s&apos;il contient des espaces).</translation>
    </message>
    <message>
        <source>Eine Ausstellung „%1“ ist nicht eingetragen.</source>
        <translation>Aucune exposition «&#xa0;%1&#xa0;» n&apos;est saisie.</translation>
    </message>
    <message>
        <source>--sheet nimmt 3x8 oder 3x7.</source>
        <translation>--sheet prend 3x8 ou 3x7.</translation>
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
        <translation>Utilisation&#xa0;:
  avelor-export [--data DOSSIER] pedigree BAGUE... -o FICHIER
  avelor-export [--data DOSSIER] recordsheet BAGUE -o FICHIER
  avelor-export [--data DOSSIER] stocklist [--by ring|year] [--breed RACE] [--layout one|two] -o FICHIER
  avelor-export [--data DOSSIER] pairsheet N -o FICHIER
  avelor-export [--data DOSSIER] cagecards (--pair N... | RING...) [--size a6|a7|card] -o FICHIER
  avelor-export [--data DOSSIER] csv stock|breeding|shows -o FICHIER
  avelor-export [--data DOSSIER] inbreeding BAGUE...
  avelor-export [--data DOSSIER] inbreeding --pair MÂLE FEMELLE
  avelor-export [--data DOSSIER] check
  avelor-export [--data DOSSIER] shows [--year ANNÉE]
  avelor-export [--data DOSSIER] sales [--year ANNÉE]
  avelor-export [--data DOSSIER] location [LIEU]
  avelor-export [--data DOSSIER] rings [--year ANNÉE]
  avelor-export [--data DOSSIER] entries EXPOSITION -o FICHIER
  avelor-export [--data DOSSIER] labels EXPOSITION [--sheet 3x8|3x7] -o FICHIER
  avelor-export [--data DOSSIER] due [--date AAAA-MM-JJ] [--days N]
  avelor-export [--data DOSSIER] season ANNÉE
  avelor-export [--data DOSSIER] mates BAGUE [--breed RACE] [--limit N]
  avelor-export [--data DOSSIER] colours --pair MÂLE FEMELLE [--crossover PROPORTION] [--phase coupling|repulsion]
  avelor-export colours --cock FACTEURS --hen FACTEURS [--crossover PROPORTION]
  avelor-export --version

Écrit des certificats d&apos;origine (une page par bague), une fiche d&apos;élevage, la
liste du cheptel ou la fiche du N-ième couple reproducteur (compté à partir de 1) ; cagecards les
fiches de cage de couples reproducteurs ou d&apos;oiseaux seuls, plusieurs par feuille A4
(a7 sans --size). FICHIER se termine par
.pdf ou .png, la liste du cheptel aussi par .html, pedigree pour une bague aussi par .json
(le fichier pedigree pour l&apos;acheteur)&#xa0;; csv écrit le cheptel, les
données d&apos;élevage ou les résultats d&apos;exposition pour un tableur. inbreeding
affiche une ligne par bague&#xa0;: bague, tabulation, coefficient de consanguinité en fraction décimale&#xa0;;
avec --pair celui des jeunes d&apos;un couple. check signale les anomalies du cheptel.
shows affiche une ligne par résultat d&apos;exposition, sales une par oiseau cédé, avec
des tabulations&#xa0;; due les tâches d&apos;élevage à faire, season les chiffres des couples
d&apos;une année, mates les partenaires possibles d&apos;un oiseau, les moins apparentés d&apos;abord.
location écrit une ligne par oiseau du cheptel&#xa0;: bague, emplacement, depuis (AAAA-MM-JJ)&#xa0;;
avec LIEU seulement les oiseaux qui s&apos;y trouvent.
rings écrit une ligne par livraison de bagues&#xa0;: année,
fédération, taille, première et dernière bague, utilisées, libres.
entries écrit la feuille d&apos;engagement de la dernière exposition saisie sous ce nom
(en .csv les engagements avec leurs points), labels ses étiquettes de cage sur des
planches A4 (3x8&#xa0;: 70 × 37 mm, 3x7&#xa0;: 70 × 42,3 mm&#xa0;; 3x8 sans --sheet).
colours affiche une ligne par sorte de jeunes d&apos;un couple&#xa0;: mâle ou femelle, proportion,
facteurs visibles et cachés, couleur&#xa0;; FACTEURS comme &quot;braun,/opal&quot; (&quot;/&quot;&#xa0;: porteur).
Plusieurs pages en PNG deviennent FICHIER-1.png, FICHIER-2.png, etc.
Sans --data, le dossier de données du programme est lu&#xa0;; rien n&apos;y est jamais
écrit. Plus d&apos;informations dans la page de manuel&#xa0;: man avelor-export

Codes de retour&#xa0;: 0 terminé (check&#xa0;: rien trouvé), 1 une bague ou un couple n&apos;est
pas dans le cheptel (check&#xa0;: quelque chose trouvé), 2 appel incorrect, 3 données illisibles
ou fichier impossible à écrire.
</translation>
    </message>
</context>
<context>
    <name>FactorStatesEditor</name>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is a colour factor, %2 how it is inherited</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>%1 is a colour factor, labelling its choice</extracomment>
        <translation>%1&#xa0;:</translation>
    </message>
</context>
<context>
    <name>FileSaving</name>
    <message>
        <source>Die Datei „%1“ konnte nicht geschrieben werden: %2</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» n&apos;a pas pu être écrit&#xa0;: %2</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde erstellt.</source>
        <translation>Le fichier %1 a été créé.</translation>
    </message>
</context>
<context>
    <name>FolderCopy</name>
    <message>
        <source>Der Ordner „%1“ konnte nicht angelegt werden.</source>
        <translation>Le dossier «&#xa0;%1&#xa0;» n&apos;a pas pu être créé.</translation>
    </message>
    <message>
        <source>Der Ordner „%1“ konnte nicht ersetzt werden.</source>
        <translation>Le dossier «&#xa0;%1&#xa0;» n&apos;a pas pu être remplacé.</translation>
    </message>
    <message>
        <source>Der bisherige Ordner „%1“ konnte nicht nach „%2“ verschoben werden; er liegt noch unter „%3“.</source>
        <translation>L&apos;ancien dossier «&#xa0;%1&#xa0;» n&apos;a pas pu être déplacé vers «&#xa0;%2&#xa0;»&#xa0;; il se trouve toujours sous «&#xa0;%3&#xa0;».</translation>
    </message>
</context>
<context>
    <name>GeneticsPanel</name>
    <message>
        <source>Erbanlagen</source>
        <translation>Facteurs héréditaires</translation>
    </message>
    <message>
        <source>Was die Eltern und Jungen im Bestand belegen oder wahrscheinlich machen</source>
        <translation>Ce que les parents et les jeunes du cheptel prouvent ou rendent probable</translation>
    </message>
    <message>
        <source>Laut Farbe „%1“ sichtbar: %2 (gilt, wo nichts eingetragen ist).</source>
        <translation>Visuel d&apos;après la couleur «&#xa0;%1&#xa0;»&#xa0;: %2 (vaut là où rien n&apos;est saisi).</translation>
    </message>
    <message>
        <source>Aus dem Stammbaum: keine verdeckten Anlagen belegt.</source>
        <translation>D&apos;après le pedigree&#xa0;: aucun facteur caché prouvé.</translation>
    </message>
    <message>
        <source>Aus dem Stammbaum:
%1</source>
        <translation>D&apos;après le pedigree&#xa0;:
%1</translation>
    </message>
</context>
<context>
    <name>ImportFields</name>
    <message>
        <source>Ringnummer</source>
        <translation>Numéro de bague</translation>
    </message>
    <message>
        <source>Geschlecht</source>
        <translation>Sexe</translation>
    </message>
    <message>
        <source>Geburtsjahr</source>
        <translation>Année de naissance</translation>
    </message>
    <message>
        <source>Züchter</source>
        <translation>Éleveur</translation>
    </message>
    <message>
        <source>Farbe</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Zeichnung</source>
        <translation>Marquage</translation>
    </message>
    <message>
        <source>Art/Rasse</source>
        <translation>Espèce/race</translation>
    </message>
    <message>
        <source>Vater</source>
        <translation>Père</translation>
    </message>
    <message>
        <source>Mutter</source>
        <translation>Mère</translation>
    </message>
    <message>
        <source>Bemerkungen</source>
        <translation>Remarques</translation>
    </message>
    <message>
        <source>Bemerkungen Bestandsliste</source>
        <translation>Remarques liste du cheptel</translation>
    </message>
    <message>
        <source>Verkauft</source>
        <translation>Vendu</translation>
    </message>
    <message>
        <source>Verbleib</source>
        <translation>Devenir</translation>
    </message>
    <message>
        <source>Verbleib seit</source>
        <translation>Devenir depuis</translation>
    </message>
    <message>
        <source>Käufer</source>
        <translation>Acheteur</translation>
    </message>
    <message>
        <source>Anschrift des Käufers</source>
        <translation>Adresse de l&apos;acheteur</translation>
    </message>
    <message>
        <source>Preis (€)</source>
        <translation>Prix (€)</translation>
    </message>
    <message>
        <source>Notiz zum Verbleib</source>
        <translation>Note sur le devenir</translation>
    </message>
    <message>
        <source>Erbanlagen</source>
        <translation>Facteurs héréditaires</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Schau</source>
        <translation>Exposition</translation>
    </message>
    <message>
        <source>Klasse</source>
        <translation>Classe</translation>
    </message>
    <message>
        <source>Punkte</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Auszeichnung/Platz</source>
        <translation>Prix/rang</translation>
    </message>
    <message>
        <source>Kollektion</source>
        <translation>Équipe</translation>
    </message>
    <message>
        <source>nicht übernehmen</source>
        <translation>ne pas importer</translation>
    </message>
    <message>
        <source>Datum der Schau</source>
        <translation>Date de l&apos;exposition</translation>
    </message>
</context>
<context>
    <name>ImportPreviewModel</name>
    <message>
        <source>neu</source>
        <translation>nouveau</translation>
    </message>
    <message>
        <source>ändert %1</source>
        <translation>modifie %1</translation>
    </message>
    <message>
        <source>unverändert</source>
        <translation>inchangé</translation>
    </message>
    <message>
        <source>Fehler: %1</source>
        <translation>Erreur&#xa0;: %1</translation>
    </message>
    <message>
        <source>anders in der Datei, behalten: %1</source>
        <translation>différent dans le fichier, conservé&#xa0;: %1</translation>
    </message>
    <message>
        <source>Zeile</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Ringnummer</source>
        <translation>Numéro de bague</translation>
    </message>
    <message>
        <source>Ergebnis</source>
        <translation>Résultat</translation>
    </message>
</context>
<context>
    <name>ImportStockDialog</name>
    <message>
        <source>Bestand importieren</source>
        <translation>Importer le cheptel</translation>
    </message>
    <message>
        <source>Noch keine Datei gewählt.</source>
        <translation>Aucun fichier choisi pour l&apos;instant.</translation>
    </message>
    <message>
        <source>&amp;Datei wählen…</source>
        <translation>Choisir un &amp;fichier…</translation>
    </message>
    <message>
        <source>&amp;Spalten der Datei und was sie enthalten:</source>
        <translation>&amp;Colonnes du fichier et leur contenu&#xa0;:</translation>
    </message>
    <message>
        <source>Spalte</source>
        <translation>Colonne</translation>
    </message>
    <message>
        <source>Erste Zeile</source>
        <translation>Première ligne</translation>
    </message>
    <message>
        <source>wird übernommen als</source>
        <translation>importée comme</translation>
    </message>
    <message>
        <source>Spalten der Datei</source>
        <translation>Colonnes du fichier</translation>
    </message>
    <message>
        <source>Bei Ringnummern, die schon im Bestand sind:</source>
        <translation>Pour les numéros de bague déjà présents dans le cheptel&#xa0;:</translation>
    </message>
    <message>
        <source>gefüllte Felder der Datei &amp;überschreiben das Gespeicherte</source>
        <translation>les champs remplis du fichier &amp;écrasent les valeurs enregistrées</translation>
    </message>
    <message>
        <source>Gespeichertes &amp;behalten, nur leere Felder füllen</source>
        <translation>c&amp;onserver les valeurs enregistrées, ne remplir que les champs vides</translation>
    </message>
    <message>
        <source>&amp;Vorschau:</source>
        <translation>A&amp;perçu&#xa0;:</translation>
    </message>
    <message>
        <source>Vorschau des Imports</source>
        <translation>Aperçu de l&apos;importation</translation>
    </message>
    <message>
        <source>&amp;Importieren</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Bestand importieren: Datei wählen</source>
        <translation>Importer le cheptel&#xa0;: choisir un fichier</translation>
    </message>
    <message>
        <source>Tabellen und Stammbaumdateien (*.csv *.txt *.json);;Alle Dateien (*)</source>
        <translation>Tableaux et fichiers pedigree (*.csv *.txt *.json);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden: %2</source>
        <translation>Le fichier %1 ne peut pas être lu&#xa0;: %2</translation>
    </message>
    <message>
        <source>Stammbaum von %1, abgegeben von %2 (%3 Vögel)</source>
        <translation>Pedigree de %1, cédé par %2 (%3 oiseaux)</translation>
    </message>
    <message>
        <source>Datei: %1 (%2 Zeilen)</source>
        <translation>Fichier&#xa0;: %1 (%2 lignes)</translation>
    </message>
    <message>
        <source>Spalte %1 übernehmen als</source>
        <translation>Importer la colonne %1 comme</translation>
    </message>
    <message>
        <source>Die Datei wird geprüft …</source>
        <translation>Vérification du fichier…</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Die Prüfung wurde abgebrochen; es wird nichts importiert. „Datei wählen…“ beginnt sie von vorn.</source>
        <translation>La vérification a été interrompue&#xa0;; rien n&apos;est importé. «&#xa0;Choisir un fichier…&#xa0;» la recommence.</translation>
    </message>
    <message>
        <source>Keine Spalte ist als Ringnummer gewählt.</source>
        <translation>Aucune colonne n&apos;est choisie comme numéro de bague.</translation>
    </message>
    <message>
        <source>Solange eine Zeile fehlerhaft ist, wird nichts importiert.</source>
        <translation>Tant qu&apos;une ligne contient une erreur, rien n&apos;est importé.</translation>
    </message>
    <message>
        <source>Eltern, die weder im Bestand noch in der Datei stehen: %1</source>
        <translation>Parents qui ne sont ni dans le cheptel ni dans le fichier&#xa0;: %1</translation>
    </message>
    <message>
        <source>Der Bestand wurde importiert (%1). „Rückgängig“ nimmt den ganzen Import zurück.</source>
        <translation>Le cheptel a été importé (%1). «&#xa0;Annuler&#xa0;» annule toute l&apos;importation.</translation>
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
        <translation>Utilisation&#xa0;:
  avelor-import [--data DOSSIER] [--dry-run] [--keep] FICHIER...
  avelor-import --version

Lit des tableaux (CSV, p. ex. d&apos;un tableur ou de avelor-export csv stock)
dans le cheptel&#xa0;: les nouveaux numéros de bague sont ajoutés, les numéros connus reçoivent les champs
que le fichier remplit&#xa0;; le devenir et les facteurs héréditaires vont dans les données complémentaires, de même que
les résultats d&apos;exposition de avelor-export csv shows. Les colonnes sont reconnues à leurs
en-têtes. Une ligne «&#xa0;Ligne N&#xa0;: …&#xa0;» par ligne posant problème, puis
le résumé. Si une ligne contient une
erreur, rien n&apos;est lu. Un fichier pedigree (.json, de avelor-export pedigree)
apporte un oiseau acheté avec ses ascendants&#xa0;; ce qui est enregistré reste tel quel.
  --dry-run  seulement vérifier, ne rien écrire
  --keep     garder les valeurs enregistrées là où le fichier en a d&apos;autres (sinon écraser)
Sans --data, le dossier de données du programme est utilisé&#xa0;; tant que le programme l&apos;a
ouvert, rien n&apos;est lu. Plus d&apos;informations dans la page de manuel&#xa0;: man avelor-import

Codes de retour&#xa0;: 0 tout a été lu, 1 une ligne contenait une erreur (rien n&apos;a été lu),
2 appel incorrect, 3 données ou fichier illisibles ou impossibles à écrire, 4 dossier de données
en cours d&apos;utilisation.
</translation>
    </message>
    <message>
        <source>--data nimmt einen Ordner.</source>
        <translation>--data prend un dossier.</translation>
    </message>
    <message>
        <source>Unbekannte Option %1.</source>
        <translation>Option inconnue %1.</translation>
    </message>
    <message>
        <source>Keine Datei zum Einlesen angegeben.</source>
        <translation>Aucun fichier à lire n&apos;est indiqué.</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden: %2</source>
        <translation>Le fichier %1 ne peut pas être lu&#xa0;: %2</translation>
    </message>
    <message>
        <source>Stammbaum von %1, abgegeben von %2</source>
        <translation>Pedigree de %1, cédé par %2</translation>
    </message>
    <message>
        <source>Vogel %1: %2</source>
        <translation>Oiseau %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Zeile %1: %2</source>
        <translation>Ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1: anders in der Datei, das Gespeicherte bleibt: %2</source>
        <translation>%1&#xa0;: différent dans le fichier, la valeur enregistrée est conservée&#xa0;: %2</translation>
    </message>
    <message>
        <source>Eltern, die weder im Bestand noch in der Datei stehen: %1</source>
        <translation>Parents qui ne sont ni dans le cheptel ni dans le fichier&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>ImportWords</name>
    <message>
        <source>hahn</source>
        <extracomment>The word for a cock in a spreadsheet&apos;s sex column, lower case, as the import understands it.</extracomment>
        <translation>mâle</translation>
    </message>
    <message>
        <source>henne</source>
        <extracomment>The word for a hen in a spreadsheet&apos;s sex column, lower case, as the import understands it.</extracomment>
        <translation>femelle</translation>
    </message>
    <message>
        <source>ja</source>
        <extracomment>&quot;yes&quot; in a spreadsheet&apos;s sold column, lower case, as the import understands it.</extracomment>
        <translation>oui</translation>
    </message>
    <message>
        <source>nein</source>
        <extracomment>&quot;no&quot; in a spreadsheet&apos;s sold column, lower case, as the import understands it.</extracomment>
        <translation>non</translation>
    </message>
</context>
<context>
    <name>LocationListReport</name>
    <message>
        <source>Vögel in der Liste: %1</source>
        <translation>Oiseaux dans la liste&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>LocationPanel</name>
    <message>
        <source>Käfig, Voliere oder Raum, in dem der Vogel sitzt; leer, wenn er keinen Platz hat</source>
        <translation>Cage, volière ou pièce où se trouve l&apos;oiseau&#xa0;; vide s&apos;il n&apos;a pas de place</translation>
    </message>
    <message>
        <source>Seit wann der Vogel dort sitzt, im Format TT.MM.JJJJ; leer: heute</source>
        <translation>Depuis quand l&apos;oiseau s&apos;y trouve, au format JJ.MM.AAAA&#xa0;; vide&#xa0;: aujourd&apos;hui</translation>
    </message>
    <message>
        <source>TT.MM.JJJJ</source>
        <translation>JJ.MM.AAAA</translation>
    </message>
    <message>
        <source>Wo der Vogel bisher saß, mit dem Tag des Umsetzens</source>
        <translation>Où l&apos;oiseau se trouvait, avec le jour de chaque déplacement</translation>
    </message>
    <message>
        <source>seit</source>
        <translation>depuis</translation>
    </message>
    <message>
        <source>Standort</source>
        <translation>Emplacement</translation>
    </message>
    <message>
        <source>S&amp;tandort:</source>
        <translation>&amp;Emplacement&#xa0;:</translation>
    </message>
    <message>
        <source>s&amp;eit:</source>
        <translation>&amp;depuis&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Bisherige Standorte:</source>
        <translation>Emplacements &amp;précédents&#xa0;:</translation>
    </message>
    <message>
        <source>(ohne Standort)</source>
        <translation>(sans emplacement)</translation>
    </message>
    <message>
        <source>Ungültiges Datum beim Standort!</source>
        <translation>Date d&apos;emplacement non valide&#xa0;!</translation>
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
        <translation>Emplacement</translation>
    </message>
    <message>
        <source>seit</source>
        <translation>depuis</translation>
    </message>
    <message>
        <source>Ringnummer</source>
        <translation>Numéro de bague</translation>
    </message>
    <message>
        <source>Geschlecht</source>
        <translation>Sexe</translation>
    </message>
    <message>
        <source>Jahr</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>Farbe</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Rasse</source>
        <translation>Race</translation>
    </message>
</context>
<context>
    <name>LocationsWindow</name>
    <message>
        <source>Standorte</source>
        <translation>Emplacements</translation>
    </message>
    <message>
        <source>Welche Vögel die Liste zeigt</source>
        <translation>Les oiseaux que montre la liste</translation>
    </message>
    <message>
        <source>Die Vögel mit ihrem Standort; mehrere lassen sich mit Umschalt- oder Strg-Taste auswählen</source>
        <translation>Les oiseaux avec leur emplacement&#xa0;; plusieurs se choisissent avec Maj ou Ctrl</translation>
    </message>
    <message>
        <source>Vögel und ihre Standorte</source>
        <translation>Oiseaux et leurs emplacements</translation>
    </message>
    <message>
        <source>Käfig, Voliere oder Raum, in den die ausgewählten Vögel kommen; leer: aus dem Standort nehmen</source>
        <translation>Cage, volière ou pièce où vont les oiseaux choisis&#xa0;; vide&#xa0;: les retirer de leur emplacement</translation>
    </message>
    <message>
        <source>Der Tag des Umsetzens, im Format TT.MM.JJJJ</source>
        <translation>Le jour du déplacement, au format JJ.MM.AAAA</translation>
    </message>
    <message>
        <source>TT.MM.JJJJ</source>
        <translation>JJ.MM.AAAA</translation>
    </message>
    <message>
        <source>Ausgewählte &amp;umsetzen</source>
        <translation>&amp;Déplacer la sélection</translation>
    </message>
    <message>
        <source>Setzt alle ausgewählten Vögel in einem Schritt um</source>
        <translation>Déplace tous les oiseaux choisis en une seule étape</translation>
    </message>
    <message>
        <source>&amp;Zeigen:</source>
        <translation>&amp;Afficher&#xa0;:</translation>
    </message>
    <message>
        <source>Umsetzen &amp;nach:</source>
        <translation>Déplacer &amp;vers&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;am:</source>
        <translation>&amp;le&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Drucken…</source>
        <translation>&amp;Imprimer…</translation>
    </message>
    <message>
        <source>Die gezeigte Liste in der Vorschau, zum Drucken oder Speichern als PDF</source>
        <translation>La liste affichée dans l&apos;aperçu, pour l&apos;imprimer ou l&apos;enregistrer en PDF</translation>
    </message>
    <message>
        <source>Als &amp;CSV-Datei speichern…</source>
        <translation>Enregistrer en fichier CS&amp;V…</translation>
    </message>
    <message>
        <source>Die gezeigte Liste für eine Tabellenkalkulation</source>
        <translation>La liste affichée, pour un tableur</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Alle Vögel im Bestand</source>
        <translation>Tous les oiseaux du cheptel</translation>
    </message>
    <message>
        <source>Vögel ohne Standort</source>
        <translation>Oiseaux sans emplacement</translation>
    </message>
    <message>
        <source>Bitte zuerst die Vögel in der Liste auswählen.</source>
        <translation>Choisissez d&apos;abord les oiseaux dans la liste.</translation>
    </message>
    <message>
        <source>Ungültiges Datum beim Umsetzen!</source>
        <translation>Date du déplacement non valide&#xa0;!</translation>
    </message>
    <message>
        <source>Standort %1</source>
        <translation>Emplacement %1</translation>
    </message>
    <message>
        <source>die Standortliste</source>
        <translation>la liste des emplacements</translation>
    </message>
    <message>
        <source>Standorte</source>
        <comment>file name of the printed list of locations</comment>
        <translation>Emplacements</translation>
    </message>
    <message>
        <source>Standorte speichern</source>
        <translation>Enregistrer les emplacements</translation>
    </message>
    <message>
        <source>Standorte.csv</source>
        <translation>Emplacements.csv</translation>
    </message>
    <message>
        <source>Vögel in der Liste: %1</source>
        <translation>Oiseaux dans la liste&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Avelor Abstammungsnachweis für Kanarienvögel</source>
        <translation>Avelor Certificat d&apos;origine pour canaris</translation>
    </message>
    <message>
        <source>Alles speichern und Programm beenden</source>
        <translation>Tout enregistrer et quitter</translation>
    </message>
    <message>
        <source>Züchterdaten</source>
        <translation>Données de l&apos;éleveur</translation>
    </message>
    <message>
        <source>Kanarienvögel anlegen</source>
        <translation>Saisir des canaris</translation>
    </message>
    <message>
        <source>Kanarienvögel löschen</source>
        <translation>Supprimer des canaris</translation>
    </message>
    <message>
        <source>Kanarienvögel ändern</source>
        <translation>Modifier les canaris</translation>
    </message>
    <message>
        <source>Kanarienvögel suchen</source>
        <translation>Rechercher des canaris</translation>
    </message>
    <message>
        <source>Elternbeziehungen</source>
        <translation>Filiation</translation>
    </message>
    <message>
        <source>Kanarienvögelbestandsliste anzeigen</source>
        <translation>Afficher la liste du cheptel de canaris</translation>
    </message>
    <message>
        <source>Kanarienvögelbestandsliste drucken</source>
        <translation>Imprimer la liste du cheptel de canaris</translation>
    </message>
    <message>
        <source>Kinder, Enkel &amp;&amp; Urenkel</source>
        <translation>Enfants, petits-enfants &amp;&amp; arrière-petits-enfants</translation>
    </message>
    <message>
        <source>Nachwuchsverwaltung</source>
        <translation>Reproduction et jeunes</translation>
    </message>
    <message>
        <source>Frage</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Wollen sie das Programm beenden?</source>
        <translation>Voulez-vous quitter le programme&#xa0;?</translation>
    </message>
</context>
<context>
    <name>MatePlanner</name>
    <message>
        <source>Die Ringnummer „%1“ ist nicht im Bestand.</source>
        <translation>Le numéro de bague «&#xa0;%1&#xa0;» n&apos;est pas dans le cheptel.</translation>
    </message>
    <message>
        <source>Das Geschlecht des Kanarienvogels „%1“ ist unbekannt; ohne es lassen sich keine Partner suchen.</source>
        <translation>Le sexe du canari «&#xa0;%1&#xa0;» est inconnu&#xa0;; sans lui, aucun partenaire ne peut être recherché.</translation>
    </message>
</context>
<context>
    <name>MatePlannerWindow</name>
    <message>
        <source>Partnersuche</source>
        <translation>Recherche de partenaire</translation>
    </message>
    <message>
        <source>Der Hahn oder die Henne, für die ein Partner gesucht wird</source>
        <translation>Le mâle ou la femelle pour qui on cherche un partenaire</translation>
    </message>
    <message>
        <source>Nur Rasse:</source>
        <translation>Race uniquement&#xa0;:</translation>
    </message>
    <message>
        <source>Die am wenigsten verwandten Partner stehen oben; eng verwandte sind rot</source>
        <translation>Les partenaires les moins apparentés sont en haut&#xa0;; les proches parents sont en rouge</translation>
    </message>
    <message>
        <source>Mögliche Partner</source>
        <translation>Partenaires possibles</translation>
    </message>
    <message>
        <source>Als &amp;Zuchtpaar anlegen…</source>
        <translation>Saisir comme &amp;couple reproducteur…</translation>
    </message>
    <message>
        <source>Öffnet die Nachwuchsverwaltung mit beiden Vögeln als neues Zuchtpaar</source>
        <translation>Ouvre Reproduction et jeunes avec les deux oiseaux comme nouveau couple reproducteur</translation>
    </message>
    <message>
        <source>Kanarienvogel:</source>
        <translation>Canari&#xa0;:</translation>
    </message>
    <message>
        <source>Bitte den Kanarienvogel wählen.</source>
        <translation>Veuillez choisir le canari.</translation>
    </message>
    <message>
        <source>%1 mögliche Partner, die am wenigsten verwandten zuerst.</source>
        <translation>%1 partenaires possibles, les moins apparentés d&apos;abord.</translation>
    </message>
    <message>
        <source>Bitte zuerst einen Partner in der Liste anklicken.</source>
        <translation>Veuillez d&apos;abord cliquer sur un partenaire dans la liste.</translation>
    </message>
</context>
<context>
    <name>MateTableModel</name>
    <message>
        <source>Eng verwandt: Die Jungen hätten einen Inzuchtkoeffizienten von %1.</source>
        <translation>Proches parents&#xa0;: les jeunes auraient un coefficient de consanguinité de %1.</translation>
    </message>
    <message>
        <source>eng verwandt</source>
        <translation>proches parents</translation>
    </message>
    <message>
        <source>Ringnummer</source>
        <translation>Numéro de bague</translation>
    </message>
    <message>
        <source>Inzucht der Jungen</source>
        <translation>Consanguinité des jeunes</translation>
    </message>
    <message>
        <source>Verwandtschaft</source>
        <translation>Parenté</translation>
    </message>
    <message>
        <source>Farben der Jungen</source>
        <translation>Couleurs des jeunes</translation>
    </message>
</context>
<context>
    <name>MoreWindowsButton</name>
    <message>
        <source>Saison und Auswertungen</source>
        <translation>Saison et bilans</translation>
    </message>
    <message>
        <source>&amp;Zuchtkalender…</source>
        <translation>&amp;Calendrier d&apos;élevage…</translation>
    </message>
    <message>
        <source>Zucht&amp;statistik…</source>
        <translation>&amp;Statistiques d&apos;élevage…</translation>
    </message>
    <message>
        <source>&amp;Partnersuche…</source>
        <translation>Recherche de &amp;partenaire…</translation>
    </message>
    <message>
        <source>&amp;Farbvererbung…</source>
        <translation>&amp;Hérédité des couleurs…</translation>
    </message>
    <message>
        <source>&amp;Ausstellungsergebnisse…</source>
        <translation>&amp;Résultats d&apos;exposition…</translation>
    </message>
    <message>
        <source>S&amp;tandorte…</source>
        <translation>E&amp;mplacements…</translation>
    </message>
    <message>
        <source>&amp;Ringbestand…</source>
        <translation>Stock de &amp;bagues…</translation>
    </message>
    <message>
        <source>Ausstellungs&amp;meldung…</source>
        <translation>&amp;Engagement en exposition…</translation>
    </message>
</context>
<context>
    <name>PairGroup</name>
    <message>
        <source>Zuchtpaar zum Drucken auswählen: </source>
        <translation>Choisir un couple reproducteur à imprimer&#xa0;: </translation>
    </message>
    <message>
        <source>Zuchtpaar</source>
        <translation>Couple reproducteur</translation>
    </message>
    <message>
        <source>Zuchtpaar drucken</source>
        <translation>Imprimer le couple reproducteur</translation>
    </message>
    <message>
        <source>Bitte Zuchtpaar auswählen, dass Sie drucken möchten.</source>
        <translation>Veuillez choisir le couple reproducteur que vous voulez imprimer.</translation>
    </message>
    <message>
        <source>das Zuchtpaar</source>
        <translation>le couple reproducteur</translation>
    </message>
    <message>
        <source>Zuchtpaar</source>
        <comment>file name of the printed pair</comment>
        <translation>Couple reproducteur</translation>
    </message>
    <message>
        <source>Käfigkarten…</source>
        <translation>Fiches de cage…</translation>
    </message>
    <message>
        <source>Karten für die Zuchtkäfige oder einzelne Vögel, mit QR-Code der Ringnummern</source>
        <translation>Fiches pour les cages d&apos;élevage ou des oiseaux seuls, avec un code QR des numéros de bague</translation>
    </message>
</context>
<context>
    <name>PairSheet</name>
    <message>
        <source>unbekannt</source>
        <translation>inconnu</translation>
    </message>
    <message>
        <source>männlich </source>
        <translation>mâle     </translation>
    </message>
    <message>
        <source>weiblich </source>
        <translation>femelle  </translation>
    </message>
    <message>
        <source>Gelege %1:      Erstes Ei          letztes Ei          Anzahl Eier          Gelege gesetzt
<byte value="xd"/></source>
        <translation>Ponte %1&#xa0;:      Premier œuf        Dernier œuf         Nombre d&apos;œufs        Ponte remise
</translation>
    </message>
    <message>
        <source>aus Gelege %1: Ringnummer             Geschlecht    Rasse/Art                           abgesetzt
<byte value="xd"/></source>
        <translation>de ponte %1&#xa0;: N° de bague             Sexe          Race/espèce                         sevré
</translation>
    </message>
    <message>
        <source>nicht beringt</source>
        <translation>non bagué</translation>
    </message>
    <message>
        <source>für Zuchtpaar %1 und %2</source>
        <translation>pour le couple reproducteur %1 et %2</translation>
    </message>
</context>
<context>
    <name>PairSheetReport</name>
    <message>
        <source>Ringnummer:</source>
        <translation>Numéro de bague&#xa0;:</translation>
    </message>
    <message>
        <source>Art/Rasse:</source>
        <translation>Espèce/race&#xa0;:</translation>
    </message>
    <message>
        <source>Farbe::</source>
        <translation>Couleur&#xa0;:</translation>
    </message>
    <message>
        <source>Zuchtpaarauszug aus Zuchtdatei</source>
        <translation>Fiche du couple reproducteur</translation>
    </message>
    <message>
        <source>Details zu Vogel (m) 1.0:</source>
        <translation>Détails de l&apos;oiseau (m) 1.0&#xa0;:</translation>
    </message>
    <message>
        <source>Details zu Vogel (w) 0.1:</source>
        <translation>Détails de l&apos;oiseau (f) 0.1&#xa0;:</translation>
    </message>
    <message>
        <source>Gelege:</source>
        <translation>Ponte&#xa0;:</translation>
    </message>
    <message>
        <source>Beringungen:</source>
        <translation>Baguages&#xa0;:</translation>
    </message>
    <message>
        <source>Erstellt mit Avelor Abstammungsnachweis</source>
        <translation>Créé avec Avelor Certificat d&apos;origine</translation>
    </message>
    <message>
        <source>Internet: %1</source>
        <translation>Internet&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>ParentLinks</name>
    <message>
        <source>VERK. KANARIENVOGEL</source>
        <extracomment>stands for the stored parent that is sold, upper case</extracomment>
        <translation>CANARI VENDU</translation>
    </message>
    <message>
        <source>keine</source>
        <comment>no mother</comment>
        <translation>aucune</translation>
    </message>
    <message>
        <source>keiner</source>
        <comment>no father</comment>
        <translation>aucun</translation>
    </message>
    <message>
        <source>Gespeichert ist die Mutter %1 und der Vater %2, in der Auswahl aber nicht aufgeführt (verkauft, gelöscht oder ausgefiltert). Beim Speichern wird diese Verbindung entfernt.

Trotzdem speichern?</source>
        <extracomment>%1 is the mother&apos;s ring, %2 the father&apos;s</extracomment>
        <translation>La mère %1 et le père %2 enregistrés ne figurent pas dans la sélection (vendus, supprimés ou filtrés). L&apos;enregistrement supprime ces liens.

Enregistrer quand même&#xa0;?</translation>
    </message>
    <message>
        <source>Gespeichert ist die Mutter %1, in der Auswahl aber nicht aufgeführt (verkauft, gelöscht oder ausgefiltert). Beim Speichern wird diese Verbindung entfernt.

Trotzdem speichern?</source>
        <translation>La mère %1 enregistrée ne figure pas dans la sélection (vendue, supprimée ou filtrée). L&apos;enregistrement supprime ce lien.

Enregistrer quand même&#xa0;?</translation>
    </message>
    <message>
        <source>Gespeichert ist der Vater %1, in der Auswahl aber nicht aufgeführt (verkauft, gelöscht oder ausgefiltert). Beim Speichern wird diese Verbindung entfernt.

Trotzdem speichern?</source>
        <translation>Le père %1 enregistré ne figure pas dans la sélection (vendu, supprimé ou filtré). L&apos;enregistrement supprime ce lien.

Enregistrer quand même&#xa0;?</translation>
    </message>
</context>
<context>
    <name>ParentLinksDialog</name>
    <message>
        <source>Sobald sie alle Kanarienvögel eingegeben haben, müssen Sie hier die Elternbeziehungen festlegen, damit das Programm weiß, wie sich die Familienverhältnisse verhalten um einen Abstammungsnachweis erstellen zu können.

Wählen Sie links in der Liste aller Kanarienvögel das Kind aus und legen Sie anschließend Vater und Mutter dazu fest. Klicken Sie dann auf &quot;Speichern&quot;.

Wählen Sie dann den Vater und die Mutter nacheinander in der linken Liste aus und wählen Sie deren Eltern. Das Programm kennt dann die Eltern des Jungvogels, sowie die Eltern der Eltern (die Großeltern des Jungvogels).

Auf diese Weise können Sie bis zu 4 Generationen verknüpfen, indem Sie immer nur die Eltern des Jungvogels, des Vaters und der Mutter, der Großmütter und der Großväter, usw. angeben.</source>
        <translation>Dès que vous avez saisi tous les canaris, vous devez établir ici la filiation, afin que le programme connaisse les liens de famille et puisse établir un certificat d&apos;origine.

Choisissez le jeune dans la liste de tous les canaris à gauche, puis indiquez son père et sa mère. Cliquez ensuite sur «&#xa0;Enregistrer&#xa0;».

Choisissez ensuite le père et la mère l&apos;un après l&apos;autre dans la liste de gauche et choisissez leurs parents. Le programme connaît alors les parents du jeune ainsi que les parents des parents (les grands-parents du jeune).

De cette manière, vous pouvez relier jusqu&apos;à 4 générations, en indiquant toujours seulement les parents du jeune, du père et de la mère, des grands-mères et des grands-pères, etc.</translation>
    </message>
    <message>
        <source>Elternbeziehungen</source>
        <translation>Filiation</translation>
    </message>
    <message>
        <source>Liste aller Kanarienvögel:</source>
        <translation>Liste de tous les canaris&#xa0;:</translation>
    </message>
    <message>
        <source>zur Zeit gespeicherte Mutter:</source>
        <translation>mère enregistrée actuellement&#xa0;:</translation>
    </message>
    <message>
        <source>zur Zeit gespeicherter Vater:</source>
        <translation>père enregistré actuellement&#xa0;:</translation>
    </message>
    <message>
        <source>Verkaufte Kanarienvögel in allen 3 Listen ausblenden</source>
        <translation>Masquer les canaris vendus dans les 3 listes</translation>
    </message>
    <message>
        <source>Gelöschte Kanarienvögel in den Eltern-Teil-Auswahlliste anzeigen</source>
        <translation>Afficher les canaris supprimés dans les listes de choix des parents</translation>
    </message>
    <message>
        <source>Filter auch für Elterntiereauswahl anwenden</source>
        <translation>Appliquer aussi le filtre au choix des parents</translation>
    </message>
    <message>
        <source>Eltern dieses Vogels ändern:</source>
        <translation>Modifier les parents de cet oiseau&#xa0;:</translation>
    </message>
    <message>
        <source>=&gt; keine Mutter</source>
        <translation>=&gt; pas de mère</translation>
    </message>
    <message>
        <source>=&gt; kein Vater</source>
        <translation>=&gt; pas de père</translation>
    </message>
    <message>
        <source>neue Mutter:</source>
        <translation>nouvelle mère&#xa0;:</translation>
    </message>
    <message>
        <source>neuer Vater:</source>
        <translation>nouveau père&#xa0;:</translation>
    </message>
    <message>
        <source>Neue Eltern des Vogels speichern</source>
        <translation>Enregistrer les nouveaux parents de l&apos;oiseau</translation>
    </message>
    <message>
        <source>Wählen Sie nun Mutter und Vater d. ausgew. Kanarienvogel aus und klicken Sie auf &quot;Speichern&quot;.</source>
        <translation>Choisissez maintenant la mère et le père du canari choisi, puis cliquez sur «&#xa0;Enregistrer&#xa0;».</translation>
    </message>
    <message>
        <source>Bitte das Jungtier auswählen.</source>
        <translation>Veuillez choisir le jeune.</translation>
    </message>
    <message>
        <source>Frage</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Die Eltern wurden erfolgreich gespeichert.</source>
        <translation>Les parents ont été enregistrés.</translation>
    </message>
</context>
<context>
    <name>PedigreeGroup</name>
    <message>
        <source>Abstammungsnachweis:</source>
        <translation>Certificat d&apos;origine&#xa0;:</translation>
    </message>
    <message>
        <source>Für Kanarienvogel mit Ring-Nr.:</source>
        <translation>Pour le canari de bague n°&#xa0;:</translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Anzeigen</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Nur Stammblatt drucken</source>
        <translation>Imprimer seulement la fiche d&apos;élevage</translation>
    </message>
    <message>
        <source>Stammbaum als Datei speichern…</source>
        <translation>Enregistrer le pedigree dans un fichier…</translation>
    </message>
    <message>
        <source>Freier Text:</source>
        <translation>Texte libre&#xa0;:</translation>
    </message>
    <message>
        <source>Käuferdaten:</source>
        <translation>Données de l&apos;acheteur&#xa0;:</translation>
    </message>
</context>
<context>
    <name>PedigreeImport</name>
    <message>
        <source>Das ist keine Stammbaumdatei von Avelor.</source>
        <translation>Ce n&apos;est pas un fichier pedigree d&apos;Avelor.</translation>
    </message>
    <message>
        <source>Diese Stammbaumdatei hat die Formatversion %1; dieses Programm kennt bis %2. Bitte Avelor aktualisieren, um sie einzulesen.</source>
        <translation>Ce fichier pedigree a la version de format %1&#xa0;; ce programme connaît les versions jusqu&apos;à %2. Veuillez mettre Avelor à jour pour le lire.</translation>
    </message>
    <message>
        <source>erhalten von %1</source>
        <translation>reçu de %1</translation>
    </message>
    <message>
        <source>Die Stammbaumdatei enthält keinen Vogel.</source>
        <translation>Le fichier pedigree ne contient aucun oiseau.</translation>
    </message>
</context>
<context>
    <name>PedigreeReading</name>
    <message>
        <source>unter 1 %</source>
        <translation>moins de 1 %</translation>
    </message>
    <message>
        <source>sicher spalterbig für %1: %2</source>
        <translation>porteur certain de %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>spalterbig für %1: %2, %3</source>
        <translation>porteur de %1&#xa0;: %2, %3</translation>
    </message>
    <message>
        <source>spalterbig</source>
        <translation>porteur</translation>
    </message>
    <message>
        <source>zu %1 spalterbig</source>
        <translation>porteur à %1</translation>
    </message>
    <message>
        <source>Vater und Mutter %1</source>
        <translation>père et mère %1</translation>
    </message>
    <message>
        <source>Vater %1</source>
        <translation>père %1</translation>
    </message>
    <message>
        <source>Mutter %1</source>
        <translation>mère %1</translation>
    </message>
    <message>
        <source>Junges %1 %2</source>
        <translation>jeune %1 %2</translation>
    </message>
    <message>
        <source>Vater %1, Mutter %2</source>
        <translation>père %1, mère %2</translation>
    </message>
</context>
<context>
    <name>PedigreeReport</name>
    <message>
        <source>Abstammungsnachweis</source>
        <translation>Certificat d&apos;origine</translation>
    </message>
    <message>
        <source>Erstellt mit Avelor Abstammungsnachweis - Internet: %1</source>
        <translation>Créé avec Avelor Certificat d&apos;origine - Internet&#xa0;: %1</translation>
    </message>
    <message>
        <source>Verkauft an:</source>
        <translation>Vendu à&#xa0;:</translation>
    </message>
    <message>
        <source>Farbe: </source>
        <translation>Couleur&#xa0;: </translation>
    </message>
    <message>
        <source>Züchter: </source>
        <translation>Éleveur&#xa0;: </translation>
    </message>
    <message>
        <source>Art: </source>
        <translation>Race&#xa0;: </translation>
    </message>
    <message>
        <source>Jahrgang: </source>
        <translation>Année&#xa0;: </translation>
    </message>
    <message>
        <source>für %1</source>
        <translation>pour %1</translation>
    </message>
    <message>
        <source>Tel.: </source>
        <translation>Tél.&#xa0;: </translation>
    </message>
    <message>
        <source>Inzuchtkoeffizient: %1 (Schleife in den Elternbeziehungen übergangen)</source>
        <translation>Coefficient de consanguinité&#xa0;: %1 (boucle dans la filiation ignorée)</translation>
    </message>
    <message>
        <source>Inzuchtkoeffizient: %1</source>
        <translation>Coefficient de consanguinité&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>PictureBox</name>
    <message>
        <source>Bild</source>
        <translation>Photo</translation>
    </message>
    <message>
        <source>Bild kann nicht angezeigt werden</source>
        <translation>La photo ne peut pas être affichée</translation>
    </message>
</context>
<context>
    <name>PictureDecoder</name>
    <message>
        <source>Das Bild „%1“ kann nicht angezeigt werden: %2</source>
        <translation>La photo «&#xa0;%1&#xa0;» ne peut pas être affichée&#xa0;: %2</translation>
    </message>
    <message>
        <source>Die JPEG-Daten sind fehlerhaft (%1).</source>
        <translation>Les données JPEG sont erronées (%1).</translation>
    </message>
    <message>
        <source>Das Dateiformat ist unbekannt oder die Datei ist beschädigt.</source>
        <translation>Le format de fichier est inconnu ou le fichier est endommagé.</translation>
    </message>
    <message>
        <source>Die Datei kann nicht gelesen werden.</source>
        <translation>Le fichier ne peut pas être lu.</translation>
    </message>
</context>
<context>
    <name>PictureStore</name>
    <message>
        <source>Der Bilderordner „%1“ konnte nicht angelegt werden.</source>
        <translation>Le dossier des photos «&#xa0;%1&#xa0;» n&apos;a pas pu être créé.</translation>
    </message>
    <message>
        <source>Das Bild für %1 konnte nicht gespeichert werden: %2</source>
        <translation>La photo de %1 n&apos;a pas pu être enregistrée&#xa0;: %2</translation>
    </message>
    <message>
        <source>Das Bild von %1 wurde nicht umbenannt, weil es unter %2 schon ein Bild gibt. Bitte prüfen Sie beide Bilder im Ordner „%3“.</source>
        <translation>La photo de %1 n&apos;a pas été renommée, car il existe déjà une photo sous %2. Veuillez vérifier les deux photos dans le dossier «&#xa0;%3&#xa0;».</translation>
    </message>
    <message>
        <source>Das Bild von %1 konnte nicht nach %2 umbenannt werden: %3</source>
        <translation>La photo de %1 n&apos;a pas pu être renommée en %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>Das Bild von %1 konnte nicht gelöscht werden: %2</source>
        <translation>La photo de %1 n&apos;a pas pu être supprimée&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>PreferencesStore</name>
    <message>
        <source>Einstellungen des Abstammungsnachweises geändert</source>
        <translation>Paramètres du certificat d&apos;origine modifiés</translation>
    </message>
    <message>
        <source>Tage des Zuchtkalenders geändert</source>
        <translation>Jours du calendrier d&apos;élevage modifiés</translation>
    </message>
    <message>
        <source>Sprache geändert</source>
        <translation>Langue modifiée</translation>
    </message>
</context>
<context>
    <name>PrintSettingsDialog</name>
    <message>
        <source>Einstellungen für den Druck</source>
        <translation>Paramètres d&apos;impression</translation>
    </message>
    <message>
        <source>Nachwuchsverwaltung anzeigen</source>
        <translation>Afficher Reproduction et jeunes</translation>
    </message>
    <message>
        <source>Druck des Abstammungsnachweises:</source>
        <translation>Impression du certificat d&apos;origine&#xa0;:</translation>
    </message>
    <message>
        <source>Jahrgang auf Abstammungs-Nachweis drucken</source>
        <translation>Imprimer l&apos;année sur le certificat d&apos;origine</translation>
    </message>
    <message>
        <source>Prefixe anzeigen (&quot;Züchter:&quot;, &quot;Farbe:&quot;, ...)</source>
        <translation>Afficher les préfixes («&#xa0;Éleveur&#xa0;:&#xa0;», «&#xa0;Couleur&#xa0;:&#xa0;», ...)</translation>
    </message>
    <message>
        <source>&quot;Verkauft an:&quot; + eingegebenen Text anzeigen</source>
        <translation>Afficher «&#xa0;Vendu à&#xa0;:&#xa0;» + le texte saisi</translation>
    </message>
    <message>
        <source>Bild des Vogels anzeigen (sofern vorhanden)</source>
        <translation>Afficher la photo de l&apos;oiseau (s&apos;il y en a une)</translation>
    </message>
    <message>
        <source>Freien Text anzeigen (ohne &quot;Verkauft an:&quot;)</source>
        <translation>Afficher le texte libre (sans «&#xa0;Vendu à&#xa0;:&#xa0;»)</translation>
    </message>
    <message>
        <source>Rasse bei UGE und Züchter bei UUGE</source>
        <translation>Race pour les AGP et éleveur pour les AAGP</translation>
    </message>
    <message>
        <source>Bemerkungen bei UGE und UUGE</source>
        <translation>Remarques pour les AGP et AAGP</translation>
    </message>
    <message>
        <source>Schriftgröße:</source>
        <translation>Taille de police&#xa0;:</translation>
    </message>
    <message>
        <source>Oben rechts anzeigen:</source>
        <translation>Afficher en haut à droite&#xa0;:</translation>
    </message>
    <message>
        <source>Bei den Urgroßeltern (UGE) und Ururgroßeltern (UUGE)
anzeigen:</source>
        <translation>Pour les arrière-grands-parents (AGP) et arrière-arrière-grands-parents (AAGP),
afficher&#xa0;:</translation>
    </message>
    <message>
        <source>Zweizeilig (mehr Informationen)</source>
        <translation>Sur deux lignes (plus d&apos;informations)</translation>
    </message>
    <message>
        <source>Einzeilig (übersichtlicher, da kompakter)</source>
        <translation>Sur une ligne (plus lisible, car plus compact)</translation>
    </message>
    <message>
        <source>Layout Kanarienvögelbestandsliste:</source>
        <translation>Mise en page de la liste du cheptel de canaris&#xa0;:</translation>
    </message>
    <message>
        <source>Farbe für den Kopf:</source>
        <translation>Couleur de l&apos;en-tête&#xa0;:</translation>
    </message>
    <message>
        <source>Farbe für männlich:</source>
        <translation>Couleur pour les mâles&#xa0;:</translation>
    </message>
    <message>
        <source>Farbe für weiblich:</source>
        <translation>Couleur pour les femelles&#xa0;:</translation>
    </message>
    <message>
        <source>Zusätzlich auf dem Abstammungsnachweis:</source>
        <translation>Également sur le certificat d&apos;origine&#xa0;:</translation>
    </message>
    <message>
        <source>Inzuchtkoeffizient auf dem Abstammungsnachweis</source>
        <translation>Coefficient de consanguinité sur le certificat d&apos;origine</translation>
    </message>
    <message>
        <source>Mehrfach vorkommende Ahnen markieren</source>
        <translation>Marquer les ascendants qui apparaissent plusieurs fois</translation>
    </message>
    <message>
        <source>Bestes Ausstellungsergebnis auf dem Stammblatt</source>
        <translation>Meilleur résultat d&apos;exposition sur la fiche d&apos;élevage</translation>
    </message>
    <message>
        <source>Sprache</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>wie das System (%1)</source>
        <translation>comme le système (%1)</translation>
    </message>
    <message>
        <source>Die Sprache der Fenster gilt ab dem nächsten Start.</source>
        <translation>La langue des fenêtres s&apos;applique à partir du prochain démarrage.</translation>
    </message>
    <message>
        <source>Sprache des Programms (ab dem nächsten Start):</source>
        <translation>Langue du programme (à partir du prochain démarrage)&#xa0;:</translation>
    </message>
    <message>
        <source>wie das Programm</source>
        <translation>comme le programme</translation>
    </message>
    <message>
        <source>Sprache der Ausdrucke:</source>
        <translation>Langue des impressions&#xa0;:</translation>
    </message>
    <message>
        <source>Abstammungsnachweis, Stammblatt, Bestandsliste und Zuchtpaarblatt in dieser Sprache, etwa für einen Käufer im Ausland.</source>
        <translation>Certificat d&apos;origine, fiche d&apos;élevage, liste du cheptel et fiche du couple dans cette langue, par exemple pour un acheteur à l&apos;étranger.</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>Bild %1 von %2</source>
        <translation>Photo %1 sur %2</translation>
    </message>
    <message>
        <source>Seite %1 von %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Bitte warten</source>
        <translation>Veuillez patienter</translation>
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
        <translation>Choisir une photo</translation>
    </message>
    <message>
        <source>Farbe auswählen</source>
        <translation>Choisir une couleur</translation>
    </message>
    <message>
        <source>JPEG-Bilder (*.jpg *.jpeg *.JPG *.JPEG);;Bitmaps (*.bmp *.BMP)</source>
        <translation>Images JPEG (*.jpg *.jpeg *.JPG *.JPEG);;Bitmaps (*.bmp *.BMP)</translation>
    </message>
</context>
<context>
    <name>RecordSheetReport</name>
    <message>
        <source>Farbe:</source>
        <translation>Couleur&#xa0;:</translation>
    </message>
    <message>
        <source>Züchter:</source>
        <translation>Éleveur&#xa0;:</translation>
    </message>
    <message>
        <source>Geschlecht:</source>
        <translation>Sexe&#xa0;:</translation>
    </message>
    <message>
        <source>Art / Rasse:</source>
        <translation>Espèce / race&#xa0;:</translation>
    </message>
    <message>
        <source>Geburtsjahr:</source>
        <translation>Année de naissance&#xa0;:</translation>
    </message>
    <message>
        <source>Bemerkung Kanarienvögelbestandsliste:</source>
        <translation>Remarque liste du cheptel de canaris&#xa0;:</translation>
    </message>
    <message>
        <source>Sonstige Bemerkungen</source>
        <translation>Autres remarques</translation>
    </message>
    <message>
        <source>Erstellt mit Avelor Abstammungsnachweis</source>
        <translation>Créé avec Avelor Certificat d&apos;origine</translation>
    </message>
    <message>
        <source>Internet: %1</source>
        <translation>Internet&#xa0;: %1</translation>
    </message>
    <message>
        <source>unbekannt</source>
        <comment>sex</comment>
        <translation>inconnu</translation>
    </message>
    <message>
        <source>Bestes Ausstellungsergebnis: %1 Punkte, %2, %3</source>
        <extracomment>%1 points, %2 show, %3 date</extracomment>
        <translation>Meilleur résultat d&apos;exposition&#xa0;: %1 points, %2, %3</translation>
    </message>
    <message>
        <source>Stammblatt z. Kanarienvogel</source>
        <translation>Fiche d&apos;élevage du canari</translation>
    </message>
</context>
<context>
    <name>RecordsCheck</name>
    <message>
        <source>die Datei ist keine SQLite-Datenbank</source>
        <translation>le fichier n&apos;est pas une base de données SQLite</translation>
    </message>
    <message>
        <source>sie stammt von einer neueren Avelor-Version (Version %1)</source>
        <translation>il provient d&apos;une version plus récente d&apos;Avelor (version %1)</translation>
    </message>
    <message>
        <source>sie gibt eine Version an, die es nicht gibt (%1)</source>
        <translation>il indique une version qui n&apos;existe pas (%1)</translation>
    </message>
    <message>
        <source>die Prüfung der Datenbank meldet: %1</source>
        <translation>la vérification de la base de données signale&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>RecordsCopies</name>
    <message>
        <source>Die Kopie der Zusatzdaten %1</source>
        <translation>La copie des données complémentaires %1</translation>
    </message>
    <message>
        <source>%1 konnte nicht angelegt werden: %2</source>
        <translation>%1 n&apos;a pas pu être créée&#xa0;: %2</translation>
    </message>
    <message>
        <source>die Datei ließ sich nicht schließen</source>
        <translation>le fichier n&apos;a pas pu être fermé</translation>
    </message>
    <message>
        <source>%1 konnte nicht geschrieben werden: %2</source>
        <translation>%1 n&apos;a pas pu être écrite&#xa0;: %2</translation>
    </message>
    <message>
        <source>Die Zusatzdaten in %1 können nicht gelesen werden (%2).</source>
        <translation>Les données complémentaires de %1 ne peuvent pas être lues (%2).</translation>
    </message>
    <message>
        <source>Das Zurückholen der Zusatzdaten</source>
        <translation>La restauration des données complémentaires</translation>
    </message>
    <message>
        <source>Aktualisierung fehlgeschlagen: %1</source>
        <translation>Échec de la mise à jour&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 ist fehlgeschlagen: %2</source>
        <translation>%1 a échoué&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>RecordsDatabase</name>
    <message>
        <source>Die Zusatzdaten sind in diesem Programmlauf nicht verfügbar; %1 wurde nicht gespeichert.</source>
        <translation>Les données complémentaires ne sont pas disponibles pendant cette session du programme&#xa0;; %1 n&apos;a pas été enregistré.</translation>
    </message>
    <message>
        <source>%1 konnte nicht gespeichert werden: %2</source>
        <translation>%1 n&apos;a pas pu être enregistré&#xa0;: %2</translation>
    </message>
    <message>
        <source>Der Verbleib von %1</source>
        <translation>Le devenir de %1</translation>
    </message>
    <message>
        <source>Das Ausstellungsergebnis von %1</source>
        <translation>Le résultat d&apos;exposition de %1</translation>
    </message>
    <message>
        <source>Das Löschen des Ausstellungsergebnisses</source>
        <translation>La suppression du résultat d&apos;exposition</translation>
    </message>
    <message>
        <source>Die Zusatzdaten von %1</source>
        <translation>Les données complémentaires de %1</translation>
    </message>
    <message>
        <source>Die Zusatzdaten</source>
        <translation>Les données complémentaires</translation>
    </message>
    <message>
        <source>Das Löschen der Zusatzdaten von %1</source>
        <translation>La suppression des données complémentaires de %1</translation>
    </message>
    <message>
        <source>Das Zurücksetzen der Zusatzdaten</source>
        <translation>La réinitialisation des données complémentaires</translation>
    </message>
    <message>
        <source>Das Löschen der Zusatzdaten</source>
        <translation>La suppression des données complémentaires</translation>
    </message>
    <message>
        <source>Die Ringlieferung %1 bis %2</source>
        <translation>La livraison de bagues %1 à %2</translation>
    </message>
    <message>
        <source>Das Löschen der Ringlieferung</source>
        <translation>La suppression de la livraison de bagues</translation>
    </message>
    <message>
        <source>Das Zurücksetzen der Ringlieferungen</source>
        <translation>La remise en état des livraisons de bagues</translation>
    </message>
    <message>
        <source>Die Ausstellung %1</source>
        <translation>L&apos;exposition %1</translation>
    </message>
    <message>
        <source>Das Löschen der Ausstellung</source>
        <translation>La suppression de l&apos;exposition</translation>
    </message>
    <message>
        <source>Die Meldung</source>
        <translation>L&apos;engagement</translation>
    </message>
    <message>
        <source>Die Meldung von %1</source>
        <translation>L&apos;engagement de %1</translation>
    </message>
    <message>
        <source>Das Löschen der Meldung</source>
        <translation>La suppression de l&apos;engagement</translation>
    </message>
    <message>
        <source>Die Übernahme der Ergebnisse</source>
        <translation>La reprise des résultats</translation>
    </message>
    <message>
        <source>Das Zurücksetzen der Ausstellungen</source>
        <translation>La remise en état des expositions</translation>
    </message>
</context>
<context>
    <name>RecordsOpening</name>
    <message>
        <source>Die Zusatzdaten (Verbleib, Ausstellungsergebnisse, Erbanlagen) in %1</source>
        <translation>Les données complémentaires (devenir, résultats d&apos;exposition, facteurs héréditaires) dans %1</translation>
    </message>
    <message>
        <source> Die Datei bleibt unverändert; die Zusatzdaten sind in diesem Programmlauf nicht verfügbar.</source>
        <translation> Le fichier reste inchangé&#xa0;; les données complémentaires ne sont pas disponibles pendant cette session du programme.</translation>
    </message>
    <message>
        <source> Die Datei bleibt unverändert.</source>
        <translation> Le fichier reste inchangé.</translation>
    </message>
    <message>
        <source>%1 werden gerade von einem anderen Programm benutzt (%2).%3 Bitte beenden Sie das andere Programm und versuchen Sie es danach noch einmal.</source>
        <translation>%1 sont en ce moment utilisées par un autre programme (%2).%3 Veuillez fermer l&apos;autre programme, puis réessayer.</translation>
    </message>
    <message>
        <source>%1 können nicht gelesen werden: %2.%3 Bitte prüfen Sie, ob Sie diese Datei lesen und ändern dürfen (Zugriffsrechte) und ob der Datenträger in Ordnung ist.</source>
        <translation>%1 ne peuvent pas être lues&#xa0;: %2.%3 Veuillez vérifier que vous avez le droit de lire et de modifier ce fichier (droits d&apos;accès) et que le support est en bon état.</translation>
    </message>
    <message>
        <source>%1 wurden mitten in einer Änderung verlassen; diese Änderung nimmt Avelor beim nächsten Start zurück.%2 Bitte starten Sie Avelor einmal und versuchen Sie es danach noch einmal.</source>
        <translation>%1 ont été laissées au milieu d&apos;une modification&#xa0;; Avelor annule cette modification au prochain démarrage.%2 Veuillez démarrer Avelor une fois, puis réessayer.</translation>
    </message>
    <message>
        <source>%1 stammen von einer neueren Avelor-Version. Diese Version kann sie weder lesen noch ändern.%2 Bitte verwenden Sie die neuere Version des Programms.</source>
        <translation>%1 proviennent d&apos;une version plus récente d&apos;Avelor. Cette version ne peut ni les lire ni les modifier.%2 Veuillez utiliser la version plus récente du programme.</translation>
    </message>
    <message>
        <source>%1 geben eine Version an, die es nicht gibt (%2); Avelor kann sie weder lesen noch ändern.%3</source>
        <translation>%1 indiquent une version qui n&apos;existe pas (%2)&#xa0;; Avelor ne peut ni les lire ni les modifier.%3</translation>
    </message>
    <message>
        <source>Die Datei %1 enthält keine Zusatzdaten von Avelor: %2.%3 Wird die Datei nicht mehr gebraucht, benennen Sie sie um oder verschieben Sie sie; dann legt Avelor beim nächsten Start eine neue an.</source>
        <translation>Le fichier %1 ne contient pas de données complémentaires d&apos;Avelor&#xa0;: %2.%3 Si le fichier n&apos;est plus nécessaire, renommez-le ou déplacez-le&#xa0;; Avelor en créera alors un nouveau au prochain démarrage.</translation>
    </message>
    <message>
        <source>%1 sind beschädigt und konnten nicht gelesen werden (%2).</source>
        <translation>%1 sont endommagées et n&apos;ont pas pu être lues (%2).</translation>
    </message>
    <message>
        <source>

Die Datei konnte nicht beiseitegelegt werden; die Zusatzdaten sind in diesem Programmlauf nicht verfügbar.</source>
        <translation>

Le fichier n&apos;a pas pu être mis de côté&#xa0;; les données complémentaires ne sont pas disponibles pendant cette session du programme.</translation>
    </message>
    <message>
        <source>

Die Datei wurde unverändert aufbewahrt als %1. Das Programm beginnt mit leeren Zusatzdaten.</source>
        <translation>

Le fichier a été conservé sans modification sous le nom %1. Le programme démarre avec des données complémentaires vides.</translation>
    </message>
    <message>
        <source>%1 können nicht angelegt werden, weil daneben noch %2 liegt und sich nicht beiseitelegen lässt. Die Zusatzdaten sind in diesem Programmlauf nicht verfügbar.</source>
        <translation>%1 ne peuvent pas être créées, car %2 se trouve encore à côté et ne peut pas être mis de côté. Les données complémentaires ne sont pas disponibles pendant cette session du programme.</translation>
    </message>
    <message>
        <source>%1 können nicht angelegt werden: %2. Die Zusatzdaten sind in diesem Programmlauf nicht verfügbar.</source>
        <translation>%1 ne peuvent pas être créées&#xa0;: %2. Les données complémentaires ne sont pas disponibles pendant cette session du programme.</translation>
    </message>
    <message>
        <source>%1 konnten nicht auf den Stand dieser Version gebracht werden: %2. Die Datei bleibt, wie sie war; die Zusatzdaten sind in diesem Programmlauf nicht verfügbar.</source>
        <translation>%1 n&apos;ont pas pu être mises au niveau de cette version&#xa0;: %2. Le fichier reste tel qu&apos;il était&#xa0;; les données complémentaires ne sont pas disponibles pendant cette session du programme.</translation>
    </message>
</context>
<context>
    <name>RecordsSchema</name>
    <message>
        <source>unbekannte Version %1</source>
        <translation>version inconnue %1</translation>
    </message>
    <message>
        <source>Tabelle „%1“</source>
        <translation>table «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Index „%1“</source>
        <translation>index «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Spalte „%1“</source>
        <translation>colonne «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>der Aufbau der Version %1 ließ sich nicht herstellen</source>
        <translation>la structure de la version %1 n&apos;a pas pu être créée</translation>
    </message>
    <message>
        <source>%1 gehört nicht zu Version %2 der Zusatzdaten</source>
        <translation>%1 n&apos;appartient pas à la version %2 des données complémentaires</translation>
    </message>
    <message>
        <source>%1 fehlt</source>
        <translation>%1 manque</translation>
    </message>
</context>
<context>
    <name>Relationship</name>
    <message>
        <source>Vater</source>
        <translation>Père</translation>
    </message>
    <message>
        <source>Mutter</source>
        <translation>Mère</translation>
    </message>
    <message>
        <source>Sohn</source>
        <translation>Fils</translation>
    </message>
    <message>
        <source>Tochter</source>
        <translation>Fille</translation>
    </message>
    <message>
        <source>Vollgeschwister</source>
        <translation>Frère/sœur</translation>
    </message>
    <message>
        <source>Halbgeschwister</source>
        <translation>Demi-frère/sœur</translation>
    </message>
    <message>
        <source>Großelternteil</source>
        <translation>Grand-parent</translation>
    </message>
    <message>
        <source>Enkel</source>
        <translation>Petit-enfant</translation>
    </message>
    <message>
        <source>Onkel/Tante</source>
        <translation>Oncle/tante</translation>
    </message>
    <message>
        <source>Neffe/Nichte</source>
        <translation>Neveu/nièce</translation>
    </message>
    <message>
        <source>Cousin/Cousine</source>
        <translation>Cousin/cousine</translation>
    </message>
</context>
<context>
    <name>ReportActions</name>
    <message>
        <source>Drucke %1</source>
        <extracomment>%1 names what is printed, in the accusative (e.g. &quot;den Abstammungsnachweis&quot;)</extracomment>
        <translation>Impression de %1</translation>
    </message>
    <message>
        <source>Frage</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Es ist kein Drucker eingerichtet. Möchten Sie %1 stattdessen als PDF-Datei speichern?</source>
        <extracomment>%1 names what is printed, in the accusative (e.g. &quot;den Abstammungsnachweis&quot;)</extracomment>
        <translation>Aucune imprimante n&apos;est configurée. Voulez-vous plutôt enregistrer %1 dans un fichier PDF&#xa0;?</translation>
    </message>
    <message>
        <source>Es wurde nichts gedruckt. %1</source>
        <translation>Rien n&apos;a été imprimé. %1</translation>
    </message>
    <message>
        <source>Als PDF speichern</source>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <source>PDF-Dateien (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Speichere die PDF-Datei</source>
        <translation>Enregistrement du fichier PDF</translation>
    </message>
    <message>
        <source>Die Datei „%1“ konnte nicht gespeichert werden: %2</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» n&apos;a pas pu être enregistré&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>ReportOutput</name>
    <message>
        <source>Es gibt keine Seite zum Speichern.</source>
        <translation>Il n&apos;y a aucune page à enregistrer.</translation>
    </message>
</context>
<context>
    <name>ReportPreview</name>
    <message>
        <source>Ganze Seite</source>
        <translation>Page entière</translation>
    </message>
    <message>
        <source>Seitenbreite</source>
        <translation>Largeur de page</translation>
    </message>
    <message>
        <source>Druckvorschau</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>Seite</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>Vorschau</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>◀ Vorige Seite</source>
        <translation>◀ Page précédente</translation>
    </message>
    <message>
        <source>Nächste Seite ▶</source>
        <translation>Page suivante ▶</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>Zoom&#xa0;:</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Als PDF speichern</source>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Seite %1 von %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
</context>
<context>
    <name>ReportRenderer</name>
    <message>
        <source>Seite %1 von %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
</context>
<context>
    <name>RingStockWindow</name>
    <message>
        <source>Ringbestand</source>
        <translation>Stock de bagues</translation>
    </message>
    <message>
        <source>Die Lieferungen dieses Jahres, oder aller Jahre</source>
        <translation>Les livraisons de cette année, ou de toutes les années</translation>
    </message>
    <message>
        <source>alle Jahre</source>
        <translation>toutes les années</translation>
    </message>
    <message>
        <source>Jede Lieferung mit ihren verwendeten und freien Ringen</source>
        <translation>Chaque livraison avec ses bagues utilisées et libres</translation>
    </message>
    <message>
        <source>Ringlieferungen</source>
        <translation>Livraisons de bagues</translation>
    </message>
    <message>
        <source>Jahr</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>Verein</source>
        <translation>Club</translation>
    </message>
    <message>
        <source>Größe</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Farbe</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Erster Ring</source>
        <translation>Première bague</translation>
    </message>
    <message>
        <source>Letzter Ring</source>
        <translation>Dernière bague</translation>
    </message>
    <message>
        <source>Ringe</source>
        <translation>Bagues</translation>
    </message>
    <message>
        <source>Verwendet</source>
        <translation>Utilisées</translation>
    </message>
    <message>
        <source>Frei</source>
        <translation>Libres</translation>
    </message>
    <message>
        <source>Lieferung &amp;löschen…</source>
        <translation>&amp;Supprimer la livraison…</translation>
    </message>
    <message>
        <source>Löscht die in der Liste gewählte Lieferung</source>
        <translation>Supprime la livraison choisie dans la liste</translation>
    </message>
    <message>
        <source>&amp;Jahr:</source>
        <translation>&amp;Année&#xa0;:</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Neue Lieferung</source>
        <translation>Nouvelle livraison</translation>
    </message>
    <message>
        <source>Das Jahr, für das die Ringe gelten</source>
        <translation>L&apos;année pour laquelle les bagues sont valables</translation>
    </message>
    <message>
        <source>Der Verband oder Verein, der die Ringe ausgibt</source>
        <translation>La fédération ou le club qui délivre les bagues</translation>
    </message>
    <message>
        <source>Die Ringgröße, etwa 2,9 mm</source>
        <translation>La taille des bagues, p. ex. 2,9 mm</translation>
    </message>
    <message>
        <source>Die Ringfarbe des Jahres</source>
        <translation>La couleur des bagues de l&apos;année</translation>
    </message>
    <message>
        <source>Was vor der laufenden Nummer steht, etwa Verbandskürzel, Züchternummer und Jahr</source>
        <translation>Ce qui précède le numéro d&apos;ordre, p. ex. sigle de la fédération, numéro d&apos;éleveur et année</translation>
    </message>
    <message>
        <source>Die laufende Nummer des ersten Rings</source>
        <translation>Le numéro d&apos;ordre de la première bague</translation>
    </message>
    <message>
        <source>Die laufende Nummer des letzten Rings</source>
        <translation>Le numéro d&apos;ordre de la dernière bague</translation>
    </message>
    <message>
        <source>Mit wie vielen Stellen die Nummer geschrieben wird, vorn mit Nullen aufgefüllt</source>
        <translation>Le nombre de chiffres du numéro, complété par des zéros à gauche</translation>
    </message>
    <message>
        <source>Lieferung &amp;eintragen</source>
        <translation>Sa&amp;isir la livraison</translation>
    </message>
    <message>
        <source>Trägt die Ringe als neue Lieferung ein</source>
        <translation>Saisit les bagues comme nouvelle livraison</translation>
    </message>
    <message>
        <source>J&amp;ahr der Ringe:</source>
        <translation>Année des &amp;bagues&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Verein:</source>
        <translation>&amp;Club&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Größe:</source>
        <translation>&amp;Taille&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Farbe:</source>
        <translation>C&amp;ouleur&#xa0;:</translation>
    </message>
    <message>
        <source>V&amp;orsatz:</source>
        <translation>&amp;Préfixe&#xa0;:</translation>
    </message>
    <message>
        <source>Erste &amp;Nummer:</source>
        <translation>Premier &amp;numéro&#xa0;:</translation>
    </message>
    <message>
        <source>Le&amp;tzte Nummer:</source>
        <translation>&amp;Dernier numéro&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Stellen:</source>
        <translation>Chi&amp;ffres&#xa0;:</translation>
    </message>
    <message>
        <source>Mehr als einmal vergeben: %1</source>
        <translation>Attribuées plus d&apos;une fois&#xa0;: %1</translation>
    </message>
    <message>
        <source>Für %1 zu bestellen: etwa %2 Ringe (die in der Saison %3 beringten Jungen und ein Zehntel mehr).</source>
        <extracomment>%1 the next year, %2 a number of rings, %3 the season they are reckoned from</extracomment>
        <translation>À commander pour %1&#xa0;: environ %2 bagues (les jeunes bagués pendant la saison %3, plus un dixième).</translation>
    </message>
    <message>
        <source>%1 bis %2: %3 Ringe</source>
        <extracomment>%1 the first ring, %2 the last, %3 how many rings</extracomment>
        <translation>%1 à %2&#xa0;: %3 bagues</translation>
    </message>
    <message>
        <source>Die Lieferung %1 bis %2 löschen? Die Vögel behalten ihre Ringe.</source>
        <extracomment>%1 and %2 the first and last ring of the delivery</extracomment>
        <translation>Supprimer la livraison %1 à %2&#xa0;? Les oiseaux gardent leurs bagues.</translation>
    </message>
    <message>
        <source>Lieferung löschen</source>
        <translation>Supprimer la livraison</translation>
    </message>
</context>
<context>
    <name>RingingGroup</name>
    <message>
        <source>Beringung des Nachwuchses: </source>
        <translation>Baguage des jeunes&#xa0;: </translation>
    </message>
    <message>
        <source>Ei auswählen um die Beringung vorzunehmen</source>
        <translation>Choisir un œuf pour baguer le jeune</translation>
    </message>
    <message>
        <source>Ei-Infos löschen</source>
        <translation>Supprimer les infos de l&apos;œuf</translation>
    </message>
    <message>
        <source>Löscht die Beringungsinformationen zum ausgewählten Ei. 

Dadurch wird auch den Kanarienvogel mit dieser Ringnummer gelöscht,
samt seinen Elternbeziehungen. Danach kann zu diesem Ei
eine neue Ringnummer vergeben werden.</source>
        <translation>Supprime les informations de baguage de l&apos;œuf choisi. 

Cela supprime aussi le canari portant ce numéro de bague,
avec sa filiation. Ensuite, un nouveau numéro de bague
peut être attribué à cet œuf.</translation>
    </message>
    <message>
        <source>Ei Nr:</source>
        <translation>Œuf n°&#xa0;:</translation>
    </message>
    <message>
        <source>Ei Nr</source>
        <translation>Œuf n°</translation>
    </message>
    <message>
        <source>Ringnummer des Kanarienvogels aus diesem Ei</source>
        <translation>Numéro de bague du canari issu de cet œuf</translation>
    </message>
    <message>
        <source>Geschlecht des Kanarienvogels aus diesem Ei</source>
        <translation>Sexe du canari issu de cet œuf</translation>
    </message>
    <message>
        <source>Art/Rasse des Kanarienvogels aus diesem Ei</source>
        <translation>Espèce/race du canari issu de cet œuf</translation>
    </message>
    <message>
        <source>Schlupfdatum des Kanarienvogels aus diesem Ei</source>
        <translation>Date d&apos;éclosion du canari issu de cet œuf</translation>
    </message>
    <message>
        <source>Absetzdatum des Kanarienvogels aus diesem Ei</source>
        <translation>Date de sevrage du canari issu de cet œuf</translation>
    </message>
    <message>
        <source>Bemerkungen über den Kanarienvogel aus diesem Ei</source>
        <translation>Remarques sur le canari issu de cet œuf</translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Beendet die Eingabe zu Informationen zu diesem Ei und verwirft evtl. vorgenommene Änderungen.</source>
        <translation>Termine la saisie des informations de cet œuf et abandonne les modifications éventuelles.</translation>
    </message>
    <message>
        <source>Kanarienvogel anlegen und gleich in den Elternbeziehungen eintragen</source>
        <translation>Saisir le canari et l&apos;inscrire tout de suite dans la filiation</translation>
    </message>
    <message>
        <source>Legt den Kanarienvogel aus diesem Ei im Bestand an 
und trägt das Zuchtpaar automatisch bei den 
Elternbeziehungen ein.</source>
        <translation>Saisit le canari issu de cet œuf dans le cheptel 
et inscrit automatiquement le couple reproducteur 
comme ses parents.</translation>
    </message>
    <message>
        <source>bekommt Ringnr:</source>
        <translation>reçoit la bague n°&#xa0;:</translation>
    </message>
    <message>
        <source>Geschlecht:</source>
        <translation>Sexe&#xa0;:</translation>
    </message>
    <message>
        <source>Art/Rasse:</source>
        <translation>Espèce/race&#xa0;:</translation>
    </message>
    <message>
        <source>Schlupfdatum:</source>
        <translation>Date d&apos;éclosion&#xa0;:</translation>
    </message>
    <message>
        <source>abgesetzt:</source>
        <translation>sevré&#xa0;:</translation>
    </message>
    <message>
        <source>Bemerkungen:</source>
        <translation>Remarques&#xa0;:</translation>
    </message>
</context>
<context>
    <name>SafeWrite</name>
    <message>
        <source>Kein Speicherplatz mehr auf dem Gerät</source>
        <translation>Plus d&apos;espace disponible sur le périphérique</translation>
    </message>
    <message>
        <source>Speicherplatzkontingent überschritten</source>
        <translation>Quota de disque dépassé</translation>
    </message>
    <message>
        <source>Datei zu groß</source>
        <translation>Fichier trop volumineux</translation>
    </message>
    <message>
        <source>Zugriff verweigert</source>
        <translation>Accès refusé</translation>
    </message>
    <message>
        <source>Dateisystem nur lesbar</source>
        <translation>Système de fichiers en lecture seule</translation>
    </message>
    <message>
        <source>Ein-/Ausgabefehler</source>
        <translation>Erreur d&apos;entrée/sortie</translation>
    </message>
    <message>
        <source>Datei oder Verzeichnis nicht gefunden</source>
        <translation>Fichier ou dossier introuvable</translation>
    </message>
    <message>
        <source>Ist ein Verzeichnis</source>
        <translation>Est un dossier</translation>
    </message>
    <message>
        <source>Zu viele offene Dateien</source>
        <translation>Trop de fichiers ouverts</translation>
    </message>
    <message>
        <source>Vorgang nicht zulässig</source>
        <translation>Opération non autorisée</translation>
    </message>
    <message>
        <source>Nicht genug Speicherplatz</source>
        <translation>Espace insuffisant</translation>
    </message>
    <message>
        <source>Keine Berechtigung</source>
        <translation>Permission refusée</translation>
    </message>
    <message>
        <source>Die Datei konnte nicht geöffnet werden</source>
        <translation>Le fichier n&apos;a pas pu être ouvert</translation>
    </message>
    <message>
        <source>Lesefehler</source>
        <translation>Erreur de lecture</translation>
    </message>
    <message>
        <source>Die Datei konnte nicht ersetzt werden</source>
        <translation>Le fichier n&apos;a pas pu être remplacé</translation>
    </message>
    <message>
        <source>Schreibfehler</source>
        <translation>Erreur d&apos;écriture</translation>
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
        <translation>Le fichier %1 n&apos;a pas pu être remplacé&#xa0;: %2

Les fichiers précédents sont restés inchangés.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht ersetzt werden: %2

Die neuen Dateien sind vollständig gespeichert und werden beim nächsten Speichern oder Start an ihren Platz gebracht.</source>
        <translation>Le fichier %1 n&apos;a pas pu être remplacé&#xa0;: %2

Les nouveaux fichiers sont entièrement enregistrés et seront mis en place au prochain enregistrement ou démarrage.</translation>
    </message>
    <message>
        <source>Das letzte Speichern wurde unterbrochen und konnte nicht abgeschlossen werden: Die Datei %1 konnte nicht ersetzt werden: %2</source>
        <translation>Le dernier enregistrement a été interrompu et n&apos;a pas pu être terminé&#xa0;: le fichier %1 n&apos;a pas pu être remplacé&#xa0;: %2</translation>
    </message>
    <message>
        <source>Das letzte Speichern wurde unterbrochen, und die bisherige Datei %1 konnte nicht an ihren Platz zurückgebracht werden: %2</source>
        <translation>Le dernier enregistrement a été interrompu, et le fichier précédent %1 n&apos;a pas pu être remis à sa place&#xa0;: %2</translation>
    </message>
    <message>
        <source>Die Datei %1 des letzten Speicherns kann nicht gelesen werden: %2</source>
        <translation>Le fichier %1 du dernier enregistrement ne peut pas être lu&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>SearchDialog</name>
    <message>
        <source>Kanarienvögel suchen</source>
        <translation>Rechercher des canaris</translation>
    </message>
    <message>
        <source>Sie wissen die Ringnummer des Kanarienvogels nicht, kennen aber den Züchter, die Endnummer oder das Geburtsjahr? Dann können Sie versuchen d. Kanarienvogel über die Ihnen bekannten Angaben zu finden. Geben Sie alle Informationen ein, die Ihnen bekannt sind.

Das Programm sucht dann in der Datenbank nach Kanarienvögel auf die alle Kriterien zutreffen und zeigt sie an.</source>
        <translation>Vous ne connaissez pas le numéro de bague du canari, mais vous connaissez l&apos;éleveur, les derniers chiffres ou l&apos;année de naissance&#xa0;? Vous pouvez alors essayer de trouver le canari à partir de ce que vous savez. Saisissez toutes les informations que vous connaissez.

Le programme recherche alors dans la base de données les canaris qui remplissent tous les critères et les affiche.</translation>
    </message>
    <message>
        <source>Alle gefundene Kanarienvögel anzeigen</source>
        <translation>Afficher tous les canaris trouvés</translation>
    </message>
    <message>
        <source>Vorab-Ergebnis:</source>
        <translation>Résultat provisoire&#xa0;:</translation>
    </message>
    <message>
        <source>Ein Doppelklick zeigt den Abstammungsnachweis an.</source>
        <translation>Un double-clic affiche le certificat d&apos;origine.</translation>
    </message>
    <message>
        <source>Ring-Nr (auch Teile davon):</source>
        <translation>N° de bague (ou une partie)&#xa0;:</translation>
    </message>
    <message>
        <source>Ring-Nr lautet:</source>
        <translation>N° de bague&#xa0;:</translation>
    </message>
    <message>
        <source>Ring-Nr muß genau so sein.</source>
        <translation>Le n° de bague doit être exactement celui-ci.</translation>
    </message>
    <message>
        <source>Züchter (auch Teile davon):</source>
        <translation>Éleveur (ou une partie)&#xa0;:</translation>
    </message>
    <message>
        <source>Züchter ist:</source>
        <translation>Éleveur&#xa0;:</translation>
    </message>
    <message>
        <source>Züchter muß genau so sein.</source>
        <translation>L&apos;éleveur doit être exactement celui-ci.</translation>
    </message>
    <message>
        <source>Geburtsjahr (auch Teile davon):</source>
        <translation>Année de naissance (ou une partie)&#xa0;:</translation>
    </message>
    <message>
        <source>Geburtsjahr ist:</source>
        <translation>Année de naissance&#xa0;:</translation>
    </message>
    <message>
        <source>Geburtsjahr muß genau so sein.</source>
        <translation>L&apos;année de naissance doit être exactement celle-ci.</translation>
    </message>
    <message>
        <source>Geschlecht:</source>
        <translation>Sexe&#xa0;:</translation>
    </message>
    <message>
        <source>&lt;= leeren</source>
        <translation>&lt;= effacer</translation>
    </message>
    <message>
        <source>Farbe (auch Teile davon):</source>
        <translation>Couleur (ou une partie)&#xa0;:</translation>
    </message>
    <message>
        <source>Farbe ist:</source>
        <translation>Couleur&#xa0;:</translation>
    </message>
    <message>
        <source>Farbe muß genau so sein.</source>
        <translation>La couleur doit être exactement celle-ci.</translation>
    </message>
    <message>
        <source>Zeichnung (auch Teile davon):</source>
        <translation>Marquage (ou une partie)&#xa0;:</translation>
    </message>
    <message>
        <source>Zeichnung ist:</source>
        <translation>Marquage&#xa0;:</translation>
    </message>
    <message>
        <source>Zeichnung muß genau so sein.</source>
        <translation>Le marquage doit être exactement celui-ci.</translation>
    </message>
    <message>
        <source>Rasse (auch Teile davon):</source>
        <translation>Race (ou une partie)&#xa0;:</translation>
    </message>
    <message>
        <source>Rasse ist:</source>
        <translation>Race&#xa0;:</translation>
    </message>
    <message>
        <source>Rasse muß genau so sein.</source>
        <translation>La race doit être exactement celle-ci.</translation>
    </message>
    <message>
        <source>%1 Kanarienvögel gefunden...</source>
        <translation>%1 canaris trouvés...</translation>
    </message>
</context>
<context>
    <name>SeasonStatisticsWindow</name>
    <message>
        <source>Zuchtstatistik</source>
        <translation>Statistiques d&apos;élevage</translation>
    </message>
    <message>
        <source>Die Saison: das Jahr des Zuchtbeginns</source>
        <translation>La saison&#xa0;: l&apos;année du début de reproduction</translation>
    </message>
    <message>
        <source>Zahlen je Zuchtpaar</source>
        <translation>Chiffres par couple reproducteur</translation>
    </message>
    <message>
        <source>Zahlen je Hahn</source>
        <translation>Chiffres par mâle</translation>
    </message>
    <message>
        <source>Zahlen je Henne</source>
        <translation>Chiffres par femelle</translation>
    </message>
    <message>
        <source>&amp;Paare der Saison</source>
        <translation>&amp;Couples de la saison</translation>
    </message>
    <message>
        <source>&amp;Hähne, alle Jahre</source>
        <translation>&amp;Mâles, toutes années</translation>
    </message>
    <message>
        <source>H&amp;ennen, alle Jahre</source>
        <translation>&amp;Femelles, toutes années</translation>
    </message>
    <message>
        <source>&amp;Drucken…</source>
        <translation>&amp;Imprimer…</translation>
    </message>
    <message>
        <source>Als &amp;CSV-Datei speichern…</source>
        <translation>Enregistrer en fichier CS&amp;V…</translation>
    </message>
    <message>
        <source>&amp;Saison:</source>
        <translation>&amp;Saison&#xa0;:</translation>
    </message>
    <message>
        <source>alle Jahre</source>
        <translation>toutes années</translation>
    </message>
    <message>
        <source>Saison %1</source>
        <translation>Saison %1</translation>
    </message>
    <message>
        <source>Je Hahn über alle Zuchtpaare und Jahre</source>
        <translation>Par mâle, sur tous les couples et toutes les années</translation>
    </message>
    <message>
        <source>Je Henne über alle Zuchtpaare und Jahre</source>
        <translation>Par femelle, sur tous les couples et toutes les années</translation>
    </message>
    <message>
        <source>die Zuchtstatistik</source>
        <translation>les statistiques d&apos;élevage</translation>
    </message>
    <message>
        <source>Zuchtstatistik speichern</source>
        <translation>Enregistrer les statistiques d&apos;élevage</translation>
    </message>
    <message>
        <source>Zuchtstatistik.csv</source>
        <translation>Statistiques d&apos;élevage.csv</translation>
    </message>
</context>
<context>
    <name>SeasonTables</name>
    <message>
        <source>Gelege</source>
        <translation>Pontes</translation>
    </message>
    <message>
        <source>Gelege mit mindestens einem Ei</source>
        <translation>Pontes d&apos;au moins un œuf</translation>
    </message>
    <message>
        <source>Eier</source>
        <translation>Œufs</translation>
    </message>
    <message>
        <source>Eier, die in den Gelegen eingetragen sind</source>
        <translation>Œufs saisis dans les pontes</translation>
    </message>
    <message>
        <source>Geschlüpft</source>
        <translation>Éclos</translation>
    </message>
    <message>
        <source>Eier mit Schlupfdatum oder Ring</source>
        <translation>Œufs avec date d&apos;éclosion ou bague</translation>
    </message>
    <message>
        <source>Beringt</source>
        <translation>Bagués</translation>
    </message>
    <message>
        <source>Jungvögel mit Ring</source>
        <translation>Jeunes avec bague</translation>
    </message>
    <message>
        <source>Abgesetzt</source>
        <translation>Sevrés</translation>
    </message>
    <message>
        <source>Jungvögel mit Absetzdatum</source>
        <translation>Jeunes avec date de sevrage</translation>
    </message>
    <message>
        <source>Schlupfrate</source>
        <translation>Taux d&apos;éclosion</translation>
    </message>
    <message>
        <source>Geschlüpft geteilt durch Eier</source>
        <translation>Éclos divisé par œufs</translation>
    </message>
    <message>
        <source>Aufzuchtrate</source>
        <translation>Taux d&apos;élevage</translation>
    </message>
    <message>
        <source>Abgesetzt geteilt durch Geschlüpft</source>
        <translation>Sevrés divisé par éclos</translation>
    </message>
    <message>
        <source>überfällig</source>
        <translation>en retard</translation>
    </message>
    <message>
        <source>heute</source>
        <translation>aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Aufgabe</source>
        <translation>Tâche</translation>
    </message>
    <message>
        <source>Hecke</source>
        <translation>Cage d&apos;élevage</translation>
    </message>
    <message>
        <source>Hahn</source>
        <translation>Mâle</translation>
    </message>
    <message>
        <source>Henne</source>
        <translation>Femelle</translation>
    </message>
    <message>
        <source>Ei</source>
        <translation>Œuf</translation>
    </message>
    <message>
        <source>Stand</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Jahr</source>
        <translation>Année</translation>
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
        <translation>%1 - %2 du %3</translation>
    </message>
</context>
<context>
    <name>ShowEntries</name>
    <message>
        <source>Der Vogel %1 ist %2-mal gemeldet.</source>
        <extracomment>%1 a ring number, %2 how often it is entered</extracomment>
        <translation>L&apos;oiseau %1 est engagé %2 fois.</translation>
    </message>
    <message>
        <source>Die Kollektion %1 hat %2 statt 4 Vögel.</source>
        <extracomment>%1 the number of the collection, %2 how many birds it has</extracomment>
        <translation>L&apos;équipe %1 compte %2 oiseaux au lieu de 4.</translation>
    </message>
    <message>
        <source>Die Kollektion %1 mischt Hähne und Hennen.</source>
        <translation>L&apos;équipe %1 mélange mâles et femelles.</translation>
    </message>
    <message>
        <source>In der Kollektion %1 sind nicht nur Hähne.</source>
        <translation>L&apos;équipe %1 ne compte pas que des mâles.</translation>
    </message>
    <message>
        <source>In der Kollektion %1 sind nicht nur Hennen.</source>
        <translation>L&apos;équipe %1 ne compte pas que des femelles.</translation>
    </message>
    <message>
        <source>Nr.</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Klasse</source>
        <translation>Classe</translation>
    </message>
    <message>
        <source>Ringnummer</source>
        <translation>Numéro de bague</translation>
    </message>
    <message>
        <source>Geschlecht</source>
        <translation>Sexe</translation>
    </message>
    <message>
        <source>Farbe</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Rasse</source>
        <translation>Race</translation>
    </message>
    <message>
        <source>Kollektion</source>
        <translation>Équipe</translation>
    </message>
    <message>
        <source>Käfig-Nr.</source>
        <translation>N° de cage</translation>
    </message>
    <message>
        <source>Punkte</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Preis</source>
        <translation>Prix</translation>
    </message>
</context>
<context>
    <name>ShowEntriesWindow</name>
    <message>
        <source>Ausstellungsmeldung</source>
        <translation>Engagement en exposition</translation>
    </message>
    <message>
        <source>Die Ausstellung, deren Meldungen die Liste zeigt</source>
        <translation>L&apos;exposition dont la liste affiche les engagements</translation>
    </message>
    <message>
        <source>&amp;Neue Ausstellung…</source>
        <translation>&amp;Nouvelle exposition…</translation>
    </message>
    <message>
        <source>Name, Ort, Datum, Meldeschluss und Veranstalter der gewählten Ausstellung</source>
        <translation>Nom, lieu, date, clôture des engagements et organisateur de l&apos;exposition choisie</translation>
    </message>
    <message>
        <source>Lö&amp;schen…</source>
        <translation>&amp;Supprimer…</translation>
    </message>
    <message>
        <source>Löscht die gewählte Ausstellung mit allen ihren Meldungen</source>
        <translation>Supprime l&apos;exposition choisie avec tous ses engagements</translation>
    </message>
    <message>
        <source>Die Meldungen; Klasse, Käfig-Nr., Punkte und Preis lassen sich hier eintragen</source>
        <translation>Les engagements&#xa0;; classe, n° de cage, points et prix se saisissent ici</translation>
    </message>
    <message>
        <source>Meldungen der Ausstellung</source>
        <translation>Engagements de l&apos;exposition</translation>
    </message>
    <message>
        <source>Übernommen</source>
        <translation>Repris</translation>
    </message>
    <message>
        <source>&amp;Ausstellung:</source>
        <translation>&amp;Exposition&#xa0;:</translation>
    </message>
    <message>
        <source>Meldung &amp;entfernen</source>
        <translation>&amp;Retirer l&apos;engagement</translation>
    </message>
    <message>
        <source>Nimmt die in der Liste gewählte Meldung zurück</source>
        <translation>Retire l&apos;engagement choisi dans la liste</translation>
    </message>
    <message>
        <source>Meldebogen &amp;drucken…</source>
        <translation>&amp;Imprimer la feuille d&apos;engagement…</translation>
    </message>
    <message>
        <source>Der Meldebogen mit Ihren Züchterdaten als Aussteller</source>
        <translation>La feuille d&apos;engagement avec vos données d&apos;éleveur comme exposant</translation>
    </message>
    <message>
        <source>Als &amp;CSV-Datei speichern…</source>
        <translation>Enregistrer en fichier &amp;CSV…</translation>
    </message>
    <message>
        <source>Die Meldungen für eine Tabellenkalkulation</source>
        <translation>Les engagements, pour un tableur</translation>
    </message>
    <message>
        <source>Ergebnisse &amp;übernehmen</source>
        <translation>Re&amp;prendre les résultats</translation>
    </message>
    <message>
        <source>Jede Meldung mit Punkten wird ein Ausstellungsergebnis ihres Vogels</source>
        <translation>Chaque engagement avec des points devient un résultat d&apos;exposition de son oiseau</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Melden</source>
        <translation>Engager</translation>
    </message>
    <message>
        <source>Die Ringnummer eines Vogels aus dem Bestand</source>
        <translation>Le numéro de bague d&apos;un oiseau du cheptel</translation>
    </message>
    <message>
        <source>Ring %1</source>
        <translation>Bague %1</translation>
    </message>
    <message>
        <source>&amp;Ring:</source>
        <translation>&amp;Bague&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Kollektion aus vier Vögeln</source>
        <translation>É&amp;quipe de quatre oiseaux</translation>
    </message>
    <message>
        <source>Die vier Vögel werden als eine Kollektion gemeldet</source>
        <translation>Les quatre oiseaux sont engagés comme une seule équipe</translation>
    </message>
    <message>
        <source>Die Klasse laut Ausschreibung; angeboten werden die Klassen, die Vögel dieser Rasse und Farbe schon hatten</source>
        <translation>La classe selon le programme de l&apos;exposition&#xa0;; sont proposées les classes déjà attribuées à des oiseaux de cette race et de cette couleur</translation>
    </message>
    <message>
        <source>K&amp;lasse:</source>
        <translation>C&amp;lasse&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Melden</source>
        <translation>En&amp;gager</translation>
    </message>
    <message>
        <source>Meldet den Vogel oder die Kollektion für die gewählte Ausstellung</source>
        <translation>Engage l&apos;oiseau ou l&apos;équipe pour l&apos;exposition choisie</translation>
    </message>
    <message>
        <source>%1 am %2</source>
        <translation>%1 le %2</translation>
    </message>
    <message>
        <source>Ort: %1 · Datum: %2 · Meldeschluss: %3 · Veranstalter: %4</source>
        <extracomment>%1 place, %2 date, %3 closing date, %4 organiser of a show</extracomment>
        <translation>Lieu&#xa0;: %1 · Date&#xa0;: %2 · Clôture des engagements&#xa0;: %3 · Organisateur&#xa0;: %4</translation>
    </message>
    <message>
        <source>Noch keine Ausstellung angelegt.</source>
        <translation>Aucune exposition saisie pour l&apos;instant.</translation>
    </message>
    <message>
        <source>ja</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>Bitte zuerst eine Ausstellung anlegen.</source>
        <translation>Veuillez d&apos;abord saisir une exposition.</translation>
    </message>
    <message>
        <source>Die Ausstellung %1 mit ihren %2 Meldungen löschen? Übernommene Ergebnisse bleiben.</source>
        <extracomment>%1 the name of a show, %2 how many entries it has</extracomment>
        <translation>Supprimer l&apos;exposition %1 avec ses %2 engagements&#xa0;? Les résultats repris sont conservés.</translation>
    </message>
    <message>
        <source>Ausstellung löschen</source>
        <translation>Supprimer l&apos;exposition</translation>
    </message>
    <message>
        <source>Eine Kollektion besteht aus vier Vögeln: bitte alle vier Ringe eingeben.</source>
        <translation>Une équipe se compose de quatre oiseaux&#xa0;: veuillez saisir les quatre bagues.</translation>
    </message>
    <message>
        <source>Bitte zuerst eine Meldung in der Liste auswählen.</source>
        <translation>Veuillez d&apos;abord choisir un engagement dans la liste.</translation>
    </message>
    <message>
        <source>Die Käfig-Nr. muss eine Zahl größer als 0 sein.</source>
        <translation>Le n° de cage doit être un nombre supérieur à 0.</translation>
    </message>
    <message>
        <source>Punkte bitte als Zahl bis 100 eingeben, halbe Punkte mit Komma: 92,5.</source>
        <translation>Veuillez saisir les points sous forme de nombre jusqu&apos;à 100, les demi-points avec une virgule&#xa0;: 92,5.</translation>
    </message>
    <message>
        <source>Für diese Ausstellung ist noch nichts gemeldet.</source>
        <translation>Rien n&apos;est encore engagé pour cette exposition.</translation>
    </message>
    <message>
        <source>Meldebogen drucken</source>
        <translation>Imprimer la feuille d&apos;engagement</translation>
    </message>
    <message>
        <source>%1

Den Meldebogen trotzdem drucken?</source>
        <translation>%1

Imprimer quand même la feuille d&apos;engagement&#xa0;?</translation>
    </message>
    <message>
        <source>den Meldebogen</source>
        <translation>la feuille d&apos;engagement</translation>
    </message>
    <message>
        <source>Meldebogen %1</source>
        <translation>Feuille d&apos;engagement %1</translation>
    </message>
    <message>
        <source>Meldungen speichern</source>
        <translation>Enregistrer les engagements</translation>
    </message>
    <message>
        <source>Meldungen %1.csv</source>
        <translation>Engagements %1.csv</translation>
    </message>
    <message>
        <source>Keine neuen Punkte zum Übernehmen: Punkte bitte zuerst in die Liste eintragen.</source>
        <translation>Aucun nouveau point à reprendre&#xa0;: veuillez d&apos;abord saisir les points dans la liste.</translation>
    </message>
    <message>
        <source>%1 Ergebnisse wurden zu den Vögeln übernommen.</source>
        <translation>%1 résultats ont été repris dans les données des oiseaux.</translation>
    </message>
    <message>
        <source>&amp;Ändern…</source>
        <translation>&amp;Modifier…</translation>
    </message>
    <message>
        <source>Käfi&amp;getiketten drucken</source>
        <translation>Imprimer les é&amp;tiquettes de cage</translation>
    </message>
    <message>
        <source>Ein Etikett je Meldung, ohne Ringnummer; zuerst das Etikettenblatt wählen</source>
        <translation>Une étiquette par engagement, sans numéro de bague&#xa0;; choisissez d&apos;abord la planche d&apos;étiquettes</translation>
    </message>
    <message>
        <source>die Käfigetiketten</source>
        <translation>les étiquettes de cage</translation>
    </message>
    <message>
        <source>Käfigetiketten %1</source>
        <translation>Étiquettes de cage %1</translation>
    </message>
</context>
<context>
    <name>ShowEventDialog</name>
    <message>
        <source>Wie die Ausstellung heißt</source>
        <translation>Le nom de l&apos;exposition</translation>
    </message>
    <message>
        <source>Wo die Ausstellung stattfindet</source>
        <translation>Le lieu où se tient l&apos;exposition</translation>
    </message>
    <message>
        <source>Der Tag des Richtens, im Format TT.MM.JJJJ</source>
        <translation>Le jour du jugement, au format JJ.MM.AAAA</translation>
    </message>
    <message>
        <source>Bis zu diesem Tag muss die Meldung vorliegen, im Format TT.MM.JJJJ</source>
        <translation>L&apos;engagement doit parvenir au plus tard ce jour-là, au format JJ.MM.AAAA</translation>
    </message>
    <message>
        <source>TT.MM.JJJJ</source>
        <translation>JJ.MM.AAAA</translation>
    </message>
    <message>
        <source>Der Verein oder Verband, der die Ausstellung ausrichtet</source>
        <translation>Le club ou la fédération qui organise l&apos;exposition</translation>
    </message>
    <message>
        <source>Welche Vögel eine Kollektion bilden dürfen</source>
        <translation>Quels oiseaux peuvent former une équipe</translation>
    </message>
    <message>
        <source>Hähne und Hennen gemischt</source>
        <translation>mâles et femelles mélangés</translation>
    </message>
    <message>
        <source>nur Vögel eines Geschlechts</source>
        <translation>seulement des oiseaux du même sexe</translation>
    </message>
    <message>
        <source>nur Hähne</source>
        <translation>seulement des mâles</translation>
    </message>
    <message>
        <source>nur Hennen</source>
        <translation>seulement des femelles</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Ort:</source>
        <translation>&amp;Lieu&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Datum:</source>
        <translation>&amp;Date&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Meldeschluss:</source>
        <translation>&amp;Clôture des engagements&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Veranstalter:</source>
        <translation>&amp;Organisateur&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Kollektionen:</source>
        <translation>É&amp;quipes&#xa0;:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Ausstellung ändern</source>
        <translation>Modifier l&apos;exposition</translation>
    </message>
    <message>
        <source>Neue Ausstellung</source>
        <translation>Nouvelle exposition</translation>
    </message>
    <message>
        <source>Bitte den Namen der Ausstellung eingeben.</source>
        <translation>Veuillez saisir le nom de l&apos;exposition.</translation>
    </message>
    <message>
        <source>Ungültiges Datum der Ausstellung!</source>
        <translation>Date de l&apos;exposition non valide&#xa0;!</translation>
    </message>
    <message>
        <source>Ungültiges Datum beim Meldeschluss!</source>
        <translation>Date de clôture des engagements non valide&#xa0;!</translation>
    </message>
</context>
<context>
    <name>ShowLabelReport</name>
    <message>
        <source>Klasse: %1</source>
        <translation>Classe&#xa0;: %1</translation>
    </message>
    <message>
        <source>Kollektion %1</source>
        <translation>Équipe %1</translation>
    </message>
    <message>
        <source>Käfig-Nr.</source>
        <translation>N° de cage</translation>
    </message>
    <message>
        <source>3 × 8 Etiketten je Blatt (70 × 37 mm)</source>
        <translation>3 × 8 étiquettes par planche (70 × 37 mm)</translation>
    </message>
    <message>
        <source>3 × 7 Etiketten je Blatt (70 × 42,3 mm)</source>
        <translation>3 × 7 étiquettes par planche (70 × 42,3 mm)</translation>
    </message>
</context>
<context>
    <name>ShowResultDialog</name>
    <message>
        <source>Ausstellungsergebnis</source>
        <translation>Résultat d&apos;exposition</translation>
    </message>
    <message>
        <source>Der Tag der Schau, im Format TT.MM.JJJJ</source>
        <translation>Le jour de l&apos;exposition, au format JJ.MM.AAAA</translation>
    </message>
    <message>
        <source>TT.MM.JJJJ</source>
        <translation>JJ.MM.AAAA</translation>
    </message>
    <message>
        <source>Der Name der Schau</source>
        <translation>Le nom de l&apos;exposition</translation>
    </message>
    <message>
        <source>Die Klasse, in der der Vogel stand</source>
        <translation>La classe dans laquelle l&apos;oiseau a été présenté</translation>
    </message>
    <message>
        <source>Die Punkte der Bewertungskarte, höchstens 100, in halben Punkten</source>
        <translation>Les points de la fiche de jugement, 100 au plus, par demi-points</translation>
    </message>
    <message>
        <source>Auszeichnung oder Platz, wie auf der Karte</source>
        <translation>Prix ou rang, comme sur la fiche</translation>
    </message>
    <message>
        <source>Die Vögel mit derselben Nummer bilden auf dieser Schau eine Kollektion</source>
        <translation>Les oiseaux portant le même numéro forment une équipe à cette exposition</translation>
    </message>
    <message>
        <source>keine</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>&amp;Datum:</source>
        <translation>&amp;Date&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Schau:</source>
        <translation>&amp;Exposition&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Klasse:</source>
        <translation>&amp;Classe&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Punkte:</source>
        <translation>&amp;Points&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Auszeichnung/Platz:</source>
        <translation>P&amp;rix/rang&#xa0;:</translation>
    </message>
    <message>
        <source>K&amp;ollektion Nr.:</source>
        <translation>N° d&apos;é&amp;quipe&#xa0;:</translation>
    </message>
    <message>
        <source>Bitte den Namen der Schau angeben.</source>
        <translation>Veuillez indiquer le nom de l&apos;exposition.</translation>
    </message>
    <message>
        <source>Bitte das Datum der Schau richtig angeben (TT.MM.JJJJ).</source>
        <translation>Veuillez indiquer une date d&apos;exposition valide (JJ.MM.AAAA).</translation>
    </message>
</context>
<context>
    <name>ShowResultsPanel</name>
    <message>
        <source>Ausstellungsergebnisse</source>
        <translation>Résultats d&apos;exposition</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Schau</source>
        <translation>Exposition</translation>
    </message>
    <message>
        <source>Klasse</source>
        <translation>Classe</translation>
    </message>
    <message>
        <source>Punkte</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Auszeichnung/Platz</source>
        <translation>Prix/rang</translation>
    </message>
    <message>
        <source>Kollektion</source>
        <translation>Équipe</translation>
    </message>
    <message>
        <source>&amp;Neues Ergebnis…</source>
        <translation>&amp;Nouveau résultat…</translation>
    </message>
    <message>
        <source>Ä&amp;ndern…</source>
        <translation>&amp;Modifier…</translation>
    </message>
    <message>
        <source>&amp;Löschen</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Nr. %1: %2 Punkte aus %3</source>
        <translation>N° %1&#xa0;: %2 points sur %3</translation>
    </message>
    <message>
        <source>Bestes Ergebnis: %1 Punkte, %2 am %3</source>
        <translation>Meilleur résultat&#xa0;: %1 points, %2 le %3</translation>
    </message>
    <message>
        <source>Bitte zuerst ein Ergebnis in der Liste anklicken.</source>
        <translation>Veuillez d&apos;abord cliquer sur un résultat dans la liste.</translation>
    </message>
</context>
<context>
    <name>ShowsWindow</name>
    <message>
        <source>Ausstellungsergebnisse</source>
        <translation>Résultats d&apos;exposition</translation>
    </message>
    <message>
        <source>Die Schau, deren Ergebnisse gezeigt werden</source>
        <translation>L&apos;exposition dont les résultats sont affichés</translation>
    </message>
    <message>
        <source>Ein Doppelklick zeigt den Abstammungsnachweis des Vogels</source>
        <translation>Un double-clic affiche le certificat d&apos;origine de l&apos;oiseau</translation>
    </message>
    <message>
        <source>Ergebnisse der Schau</source>
        <translation>Résultats de l&apos;exposition</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Ringnummer</source>
        <translation>Numéro de bague</translation>
    </message>
    <message>
        <source>Klasse</source>
        <translation>Classe</translation>
    </message>
    <message>
        <source>Punkte</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Auszeichnung/Platz</source>
        <translation>Prix/rang</translation>
    </message>
    <message>
        <source>Kollektion</source>
        <translation>Équipe</translation>
    </message>
    <message>
        <source>&amp;Schau:</source>
        <translation>&amp;Exposition&#xa0;:</translation>
    </message>
    <message>
        <source>Alle Ergebnisse als &amp;CSV-Datei speichern…</source>
        <translation>Enregistrer tous les résultats en fichier &amp;CSV…</translation>
    </message>
    <message>
        <source>Für eine Tabellenkalkulation, jede Schau mit jedem Vogel</source>
        <translation>Pour un tableur, chaque exposition avec chaque oiseau</translation>
    </message>
    <message>
        <source>Ausstellungsergebnisse speichern</source>
        <translation>Enregistrer les résultats d&apos;exposition</translation>
    </message>
    <message>
        <source>Ausstellungsergebnisse.csv</source>
        <translation>Résultats d&apos;exposition.csv</translation>
    </message>
    <message>
        <source>Kollektion %1 (%2): %3 Kanarienvögel, zusammen %4 Punkte</source>
        <extracomment>%1 collection number, %2 date, %3 number of birds, %4 points</extracomment>
        <translation>Équipe %1 (%2)&#xa0;: %3 canaris, %4 points au total</translation>
    </message>
    <message>
        <source>Keine Kollektion auf dieser Schau.</source>
        <translation>Aucune équipe à cette exposition.</translation>
    </message>
</context>
<context>
    <name>SpeciesWords</name>
    <message>
        <source>Kanarienvogel</source>
        <translation>Canari</translation>
    </message>
    <message>
        <source>Kanarienvögel</source>
        <translation>Canaris</translation>
    </message>
    <message>
        <source>Kanarienvögelbestandsliste</source>
        <translation>Liste du cheptel de canaris</translation>
    </message>
    <message>
        <source>Avelor Abstammungsnachweis für Kanarienvögel</source>
        <translation>Avelor Certificat d&apos;origine pour canaris</translation>
    </message>
    <message>
        <source>Vogel (m) 1.0</source>
        <translation>Oiseau (m) 1.0</translation>
    </message>
    <message>
        <source>Vogel (w) 0.1</source>
        <translation>Oiseau (f) 0.1</translation>
    </message>
    <message>
        <source>Hecke</source>
        <translation>Cage d&apos;élevage</translation>
    </message>
    <message>
        <source>Hahn (m)</source>
        <translation>Mâle (m)</translation>
    </message>
    <message>
        <source>Henne (w)</source>
        <translation>Femelle (f)</translation>
    </message>
</context>
<context>
    <name>SplashWindow</name>
    <message>
        <source>für Kanarienvögel</source>
        <translation>pour canaris</translation>
    </message>
</context>
<context>
    <name>SqlStatement</name>
    <message>
        <source>die Datei wird gerade von einem anderen Programm benutzt</source>
        <translation>le fichier est en ce moment utilisé par un autre programme</translation>
    </message>
    <message>
        <source>eine unterbrochene Änderung wartet darauf, zurückgenommen zu werden</source>
        <translation>une modification interrompue attend d&apos;être annulée</translation>
    </message>
    <message>
        <source>die Datei darf nicht geändert werden</source>
        <translation>le fichier ne doit pas être modifié</translation>
    </message>
    <message>
        <source>keine Berechtigung</source>
        <translation>permission refusée</translation>
    </message>
    <message>
        <source>die Datei kann nicht geöffnet werden</source>
        <translation>le fichier ne peut pas être ouvert</translation>
    </message>
    <message>
        <source>Lese- oder Schreibfehler des Datenträgers</source>
        <translation>erreur de lecture ou d&apos;écriture du support</translation>
    </message>
    <message>
        <source>der Datenträger ist voll</source>
        <translation>le support est plein</translation>
    </message>
    <message>
        <source>die Datei ist beschädigt</source>
        <translation>le fichier est endommagé</translation>
    </message>
    <message>
        <source>die Datei ist keine Datenbank</source>
        <translation>le fichier n&apos;est pas une base de données</translation>
    </message>
    <message>
        <source>nicht genug Arbeitsspeicher</source>
        <translation>mémoire insuffisante</translation>
    </message>
    <message>
        <source>ein Wert verletzt eine Regel der Datenbank</source>
        <translation>une valeur enfreint une règle de la base de données</translation>
    </message>
    <message>
        <source>die Datenbank hat einen Fehler gemeldet</source>
        <translation>la base de données a signalé une erreur</translation>
    </message>
    <message>
        <source>Fehler der Datenbank</source>
        <translation>erreur de la base de données</translation>
    </message>
    <message>
        <source>%1 (SQLite: %2)</source>
        <extracomment>%1 is the reason in words, %2 the database&apos;s own English message</extracomment>
        <translation>%1 (SQLite&#xa0;: %2)</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>%1

Die Änderungen bleiben im Programm erhalten; Avelor versucht es gleich noch einmal und speichert in jedem Fall beim Beenden.</source>
        <extracomment>%1 says why the save failed</extracomment>
        <translation>%1

Vos modifications sont conservées dans le programme&#xa0;; Avelor réessaie dans un instant et enregistre de toute façon à la fermeture.</translation>
    </message>
</context>
<context>
    <name>StockColours</name>
    <message>
        <source>Hahn: %1</source>
        <translation>Mâle&#xa0;: %1</translation>
    </message>
    <message>
        <source>Henne: %1</source>
        <translation>Femelle&#xa0;: %1</translation>
    </message>
    <message>
        <source>Den Ring „%1“ gibt es nicht im Bestand.</source>
        <translation>La bague «&#xa0;%1&#xa0;» n&apos;est pas dans le cheptel.</translation>
    </message>
</context>
<context>
    <name>StockDocument</name>
    <message>
        <source>„%1“ konnte nicht rückgängig gemacht werden: %2</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;a pas pu être annulé&#xa0;: %2</translation>
    </message>
    <message>
        <source>„%1“ konnte nicht wiederholt werden: %2</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;a pas pu être rétabli&#xa0;: %2</translation>
    </message>
    <message>
        <source>Kanarienvogel %1 angelegt</source>
        <translation>Canari %1 saisi</translation>
    </message>
    <message>
        <source>%1 Kanarienvögel angelegt, %2 bis %3</source>
        <translation>%1 canaris saisis, %2 à %3</translation>
    </message>
    <message>
        <source>Kanarienvogel %1 geändert</source>
        <translation>Canari %1 modifié</translation>
    </message>
    <message>
        <source>Kanarienvogel %1 gelöscht</source>
        <translation>Canari %1 supprimé</translation>
    </message>
    <message>
        <source>Ausstellungsergebnis von %1 eingetragen</source>
        <translation>Résultat d&apos;exposition de %1 saisi</translation>
    </message>
    <message>
        <source>Ausstellungsergebnis von %1 geändert</source>
        <translation>Résultat d&apos;exposition de %1 modifié</translation>
    </message>
    <message>
        <source>Ausstellungsergebnis von %1 gelöscht</source>
        <translation>Résultat d&apos;exposition de %1 supprimé</translation>
    </message>
    <message>
        <source>Eltern von %1 gespeichert</source>
        <translation>Parents de %1 enregistrés</translation>
    </message>
    <message>
        <source>Bestand sortiert</source>
        <translation>Cheptel trié</translation>
    </message>
    <message>
        <source>Züchterdaten geändert</source>
        <translation>Données de l&apos;éleveur modifiées</translation>
    </message>
    <message>
        <source>Druckeinstellungen geändert</source>
        <translation>Paramètres d&apos;impression modifiés</translation>
    </message>
    <message>
        <source>Bild von %1 gespeichert</source>
        <translation>Photo de %1 enregistrée</translation>
    </message>
    <message>
        <source>Bild von %1 entfernt</source>
        <translation>Photo de %1 retirée</translation>
    </message>
    <message>
        <source>Dieses Zuchtpaar gibt es nicht mehr.</source>
        <translation>Ce couple reproducteur n&apos;existe plus.</translation>
    </message>
    <message>
        <source>Dieses Gelege gibt es nicht mehr.</source>
        <translation>Cette ponte n&apos;existe plus.</translation>
    </message>
    <message>
        <source>Zuchtpaar %1 × %2 angelegt</source>
        <translation>Couple reproducteur %1 × %2 saisi</translation>
    </message>
    <message>
        <source>Zuchtpaar %1 × %2 geändert</source>
        <translation>Couple reproducteur %1 × %2 modifié</translation>
    </message>
    <message>
        <source>Zuchtpaar %1 × %2 gelöscht</source>
        <translation>Couple reproducteur %1 × %2 supprimé</translation>
    </message>
    <message>
        <source>Gelege angelegt</source>
        <translation>Ponte saisie</translation>
    </message>
    <message>
        <source>Gelege geändert</source>
        <translation>Ponte modifiée</translation>
    </message>
    <message>
        <source>Gelege gelöscht</source>
        <translation>Ponte supprimée</translation>
    </message>
    <message>
        <source>Dieses Ei gibt es nicht mehr.</source>
        <translation>Cet œuf n&apos;existe plus.</translation>
    </message>
    <message>
        <source>Jungvogel %1 beringt</source>
        <translation>Jeune %1 bagué</translation>
    </message>
    <message>
        <source>Angaben zum Ei gelöscht</source>
        <translation>Informations de l&apos;œuf supprimées</translation>
    </message>
    <message>
        <source>Jungvogel %1 entfernt</source>
        <translation>Jeune %1 retiré</translation>
    </message>
    <message>
        <source>Kanarienvogel %1 aus seinem Standort genommen</source>
        <translation>Canari %1 retiré de son emplacement</translation>
    </message>
    <message>
        <source>Kanarienvogel %1 nach %2 umgesetzt</source>
        <translation>Canari %1 déplacé vers %2</translation>
    </message>
    <message>
        <source>%1 Kanarienvögel aus ihrem Standort genommen</source>
        <translation>%1 canaris retirés de leur emplacement</translation>
    </message>
    <message>
        <source>%1 Kanarienvögel nach %2 umgesetzt</source>
        <translation>%1 canaris déplacés vers %2</translation>
    </message>
    <message>
        <source>Ringe %1 bis %2 eingetragen</source>
        <translation>Bagues %1 à %2 saisies</translation>
    </message>
    <message>
        <source>Ringlieferung gelöscht</source>
        <translation>Livraison de bagues supprimée</translation>
    </message>
    <message>
        <source>Bitte den Namen der Ausstellung eingeben.</source>
        <translation>Veuillez saisir le nom de l&apos;exposition.</translation>
    </message>
    <message>
        <source>Ausstellung %1 angelegt</source>
        <translation>Exposition %1 saisie</translation>
    </message>
    <message>
        <source>Ausstellung %1 geändert</source>
        <translation>Exposition %1 modifiée</translation>
    </message>
    <message>
        <source>Ausstellung %1 gelöscht</source>
        <translation>Exposition %1 supprimée</translation>
    </message>
    <message>
        <source>Diese Ausstellung gibt es nicht mehr.</source>
        <translation>Cette exposition n&apos;existe plus.</translation>
    </message>
    <message>
        <source>Den Kanarienvogel %1 gibt es nicht im Bestand.</source>
        <translation>Le canari %1 n&apos;est pas dans le cheptel.</translation>
    </message>
    <message>
        <source>Bitte zuerst die Vögel auswählen.</source>
        <translation>Veuillez d&apos;abord choisir les oiseaux.</translation>
    </message>
    <message>
        <source>Kanarienvogel %1 für %2 gemeldet</source>
        <translation>Canari %1 engagé pour %2</translation>
    </message>
    <message>
        <source>Kollektion von %1 Kanarienvögeln für %2 gemeldet</source>
        <translation>Équipe de %1 canaris engagée pour %2</translation>
    </message>
    <message>
        <source>%1 Kanarienvögel für %2 gemeldet</source>
        <translation>%1 canaris engagés pour %2</translation>
    </message>
    <message>
        <source>Die Punkte müssen zwischen 0 und 100 liegen.</source>
        <translation>Les points doivent être compris entre 0 et 100.</translation>
    </message>
    <message>
        <source>Meldung von %1 geändert</source>
        <translation>Engagement de %1 modifié</translation>
    </message>
    <message>
        <source>Meldung von %1 gelöscht</source>
        <translation>Engagement de %1 supprimé</translation>
    </message>
    <message>
        <source>Bitte zuerst das Datum der Ausstellung eingeben.</source>
        <translation>Veuillez d&apos;abord saisir la date de l&apos;exposition.</translation>
    </message>
    <message>
        <source>Ergebnisse von %1 übernommen</source>
        <translation>Résultats de %1 repris</translation>
    </message>
</context>
<context>
    <name>StockFile</name>
    <message>
        <source>negative Anzahl %1</source>
        <translation>nombre négatif %1</translation>
    </message>
</context>
<context>
    <name>StockImport</name>
    <message>
        <source>„%1“ in „%2“ ist kein Datum wie 05.03.2024.</source>
        <translation>«&#xa0;%1&#xa0;» dans «&#xa0;%2&#xa0;» n&apos;est pas une date comme 05.03.2024.</translation>
    </message>
    <message>
        <source>Der Verbleib „%1“ ist unbekannt (erwartet: im Bestand, verkauft, abgegeben, verstorben oder entflogen).</source>
        <translation>Le devenir «&#xa0;%1&#xa0;» est inconnu (attendu&#xa0;: au cheptel, vendu, cédé, mort ou échappé).</translation>
    </message>
    <message>
        <source>Der Preis „%1“ ist kein Betrag wie 45,50.</source>
        <translation>Le prix «&#xa0;%1&#xa0;» n&apos;est pas un montant comme 45,50.</translation>
    </message>
    <message>
        <source>%1 auf %2 Zeichen gekürzt: „%3“</source>
        <translation>%1 raccourci à %2 caractères&#xa0;: «&#xa0;%3&#xa0;»</translation>
    </message>
    <message>
        <source>Die Ringnummer „%1“ (%2) ist länger als %3 Zeichen.</source>
        <translation>Le numéro de bague «&#xa0;%1&#xa0;» (%2) dépasse %3 caractères.</translation>
    </message>
    <message>
        <source>Das Geschlecht „%1“ ist unbekannt (erwartet: 1.0 oder 0.1, m oder w, Hahn oder Henne).</source>
        <translation>Le sexe «&#xa0;%1&#xa0;» est inconnu (attendu&#xa0;: 1.0 ou 0.1, m ou f, mâle ou femelle).</translation>
    </message>
    <message>
        <source>Das Geburtsjahr „%1“ liegt nicht zwischen 1900 und 2100.</source>
        <translation>L&apos;année de naissance «&#xa0;%1&#xa0;» n&apos;est pas comprise entre 1900 et 2100.</translation>
    </message>
    <message>
        <source>„%1“ in „Verkauft“ ist weder ja noch nein.</source>
        <translation>«&#xa0;%1&#xa0;» dans «&#xa0;Vendu&#xa0;» n&apos;est ni «&#xa0;oui&#xa0;» ni «&#xa0;non&#xa0;».</translation>
    </message>
    <message>
        <source>%1 würde sein eigener Vorfahr.</source>
        <translation>%1 deviendrait son propre ascendant.</translation>
    </message>
    <message>
        <source>%1 neu, %2 geändert, %3 unverändert, %4 fehlerhaft</source>
        <translation>%1 nouveaux, %2 modifiés, %3 inchangés, %4 erronés</translation>
    </message>
    <message>
        <source>Die Ringnummer ist leer.</source>
        <translation>Le numéro de bague est vide.</translation>
    </message>
    <message>
        <source>Die Ringnummer „%1“ ist länger als %2 Zeichen.</source>
        <translation>Le numéro de bague «&#xa0;%1&#xa0;» dépasse %2 caractères.</translation>
    </message>
    <message>
        <source>Die Ringnummer %1 steht schon in Zeile %2.</source>
        <translation>Le numéro de bague %1 figure déjà à la ligne %2.</translation>
    </message>
    <message>
        <source>%1 ist nicht im Bestand.</source>
        <translation>%1 n&apos;est pas dans le cheptel.</translation>
    </message>
    <message>
        <source>Der Name der Schau fehlt.</source>
        <translation>Le nom de l&apos;exposition manque.</translation>
    </message>
    <message>
        <source>„%1“ sind keine Punkte von 0 bis 100 in halben Punkten.</source>
        <translation>«&#xa0;%1&#xa0;» ne sont pas des points de 0 à 100 par demi-points.</translation>
    </message>
    <message>
        <source>„%1“ ist keine Nummer einer Kollektion.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un numéro d&apos;équipe.</translation>
    </message>
    <message>
        <source>Dieses Ergebnis steht schon in Zeile %1.</source>
        <translation>Ce résultat figure déjà à la ligne %1.</translation>
    </message>
    <message>
        <source>Solange eine Zeile fehlerhaft ist, wird nichts importiert.</source>
        <translation>Tant qu&apos;une ligne contient une erreur, rien n&apos;est importé.</translation>
    </message>
    <message>
        <source>Die Prüfung wurde abgebrochen; es wurde nichts importiert.</source>
        <translation>La vérification a été interrompue&#xa0;; rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>Die Datei bringt nichts Neues.</source>
        <translation>Le fichier n&apos;apporte rien de nouveau.</translation>
    </message>
    <message>
        <source>Ausstellungsergebnisse importiert: %1 neu, %2 geändert</source>
        <translation>Résultats d&apos;exposition importés&#xa0;: %1 nouveaux, %2 modifiés</translation>
    </message>
    <message>
        <source>Bestand importiert: %1 neu, %2 geändert</source>
        <translation>Cheptel importé&#xa0;: %1 nouveaux, %2 modifiés</translation>
    </message>
</context>
<context>
    <name>StockList</name>
    <message>
        <source>Export der Kanarienvögelbestandsliste sortiert nach Ringnummer</source>
        <translation>Liste du cheptel de canaris triée par numéro de bague</translation>
    </message>
    <message>
        <source>Export der Kanarienvögelbestandsliste sortiert nach Geburtsdatum</source>
        <translation>Liste du cheptel de canaris triée par date de naissance</translation>
    </message>
    <message>
        <source>erstellt am %1 mit %2</source>
        <extracomment>%1 is the date, %2 the program&apos;s name as a link</extracomment>
        <translation>créée le %1 avec %2</translation>
    </message>
    <message>
        <source>Lfd. Nr</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Ring-Nr</source>
        <translation>N° bague</translation>
    </message>
    <message>
        <source>Farbe</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Geburtsjahr</source>
        <translation>Année de naissance</translation>
    </message>
    <message>
        <source>Art/Rasse</source>
        <translation>Espèce/race</translation>
    </message>
    <message>
        <source>Bemerkungen</source>
        <translation>Remarques</translation>
    </message>
    <message>
        <source>Geschlecht</source>
        <translation>Sexe</translation>
    </message>
    <message>
        <source>[U] </source>
        <extracomment>sex unknown, in the stock list</extracomment>
        <translation>[I] </translation>
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
        <translation>Liste %1</translation>
    </message>
</context>
<context>
    <name>StockListCommands</name>
    <message>
        <source>die Bestandsliste</source>
        <translation>la liste du cheptel</translation>
    </message>
    <message>
        <source>Kanarienvögelbestandsliste</source>
        <translation>Liste du cheptel de canaris</translation>
    </message>
    <message>
        <source>Geben Sie Ihrer Bestandsliste einen Namen</source>
        <translation>Donnez un nom à votre liste du cheptel</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde erfolgreich erstellt und enthält nun alle Kanarienvögel der aktuellen Kanarienvögelbestandsliste.</source>
        <translation>Le fichier %1 a été créé et contient maintenant tous les canaris de la liste actuelle du cheptel de canaris.</translation>
    </message>
    <message>
        <source>Bestand als CSV-Datei speichern</source>
        <translation>Enregistrer le cheptel en fichier CSV</translation>
    </message>
    <message>
        <source>Bestand.csv</source>
        <translation>Cheptel.csv</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde erstellt und enthält alle Kanarienvögel des Bestands.</source>
        <translation>Le fichier %1 a été créé et contient tous les canaris du cheptel.</translation>
    </message>
</context>
<context>
    <name>StockListPanel</name>
    <message>
        <source>Wie soll die Kanarienvögelbestandsliste sortiert sein?</source>
        <translation>Comment trier la liste du cheptel de canaris&#xa0;?</translation>
    </message>
    <message>
        <source>Liste zum Ausdrucken generieren</source>
        <translation>Générer la liste à imprimer</translation>
    </message>
    <message>
        <source>Export in HTML-Datei</source>
        <translation>Exporter en fichier HTML</translation>
    </message>
    <message>
        <source>Export in CSV-Datei (Tabellenkalkulation)</source>
        <translation>Exporter en fichier CSV (tableur)</translation>
    </message>
    <message>
        <source>Ausgabe:</source>
        <translation>Sortie&#xa0;:</translation>
    </message>
    <message>
        <source>nach Ringnummer</source>
        <translation>par numéro de bague</translation>
    </message>
    <message>
        <source>nach Geburtsjahr</source>
        <translation>par année de naissance</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>StockListReport</name>
    <message>
        <source>Seite: %1</source>
        <translation>Page&#xa0;: %1</translation>
    </message>
    <message>
        <source>Ringnummer, Farbe</source>
        <translation>Numéro de bague, couleur</translation>
    </message>
    <message>
        <source> Bemerkungen</source>
        <translation> Remarques</translation>
    </message>
    <message>
        <source>Geschlecht, Bemerkungen</source>
        <translation>Sexe, remarques</translation>
    </message>
    <message>
        <source>Geburtsjahr, Art / Rasse</source>
        <translation>Année de naissance, espèce / race</translation>
    </message>
    <message>
        <source>Lfd.</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Nr.</source>
        <translation>d&apos;ordre</translation>
    </message>
</context>
<context>
    <name>SystemPrinter</name>
    <message>
        <source>Der Drucker „%1“ kann nicht benutzt werden.</source>
        <translation>L&apos;imprimante «&#xa0;%1&#xa0;» ne peut pas être utilisée.</translation>
    </message>
    <message>
        <source>Der Drucker hat die nächste Seite nicht angenommen.</source>
        <translation>L&apos;imprimante n&apos;a pas accepté la page suivante.</translation>
    </message>
    <message>
        <source>Der Druckauftrag ist fehlgeschlagen.</source>
        <translation>La tâche d&apos;impression a échoué.</translation>
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
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un nombre entier valide</translation>
    </message>
</context>
<context>
    <name>UndoButtons</name>
    <message>
        <source>Rückgängig</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Wiederholen</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Rückgängig: %1</source>
        <translation>Annuler&#xa0;: %1</translation>
    </message>
    <message>
        <source>Wiederholen: %1</source>
        <translation>Rétablir&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>UsbBackupDialog</name>
    <message>
        <source>Backup auf USB-Stick oder ext. Festplatte</source>
        <translation>Sauvegarde sur clé USB ou disque ext.</translation>
    </message>
    <message>
        <source>Mit dieser Funktion können Sie Ihr Backup auf einen USB-Stick oder eine externe Festplatte speichern.

Wählen Sie einfach das Laufwerk aus auf welches das Backup gespeichert werden soll.

Sie benötigen Schreibrechte auf dem ausgewählten Laufwerk.</source>
        <translation>Cette fonction vous permet d&apos;enregistrer votre sauvegarde sur une clé USB ou un disque externe.

Choisissez simplement le lecteur sur lequel la sauvegarde doit être enregistrée.

Vous devez avoir les droits d&apos;écriture sur le lecteur choisi.</translation>
    </message>
    <message>
        <source>Backup auf &quot;%1&quot; ausführen</source>
        <translation>Sauvegarder sur «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Die Bilder werden gesichert</source>
        <translation>Sauvegarde des photos</translation>
    </message>
    <message>
        <source>Fehler bei der Datensicherung auf USB-Stick oder externer Festplatte.</source>
        <translation>Erreur lors de la sauvegarde sur la clé USB ou le disque externe.</translation>
    </message>
</context>
<context>
    <name>UsbRestoreDialog</name>
    <message>
        <source>Backup von USB-Stick oder ext. Festplatte holen</source>
        <translation>Restaurer une sauvegarde depuis une clé USB ou un disque ext.</translation>
    </message>
    <message>
        <source>Mit dieser Funktion können Sie Ihr Backup von einem USB-Stick oder einer externen Festplatte holen.

Wählen Sie einfach das Laufwerk aus auf welchem sich das Backup befindet.

Sie benötigen Leserechte auf dem ausgewählten Laufwerk.</source>
        <translation>Cette fonction vous permet de restaurer votre sauvegarde depuis une clé USB ou un disque externe.

Choisissez simplement le lecteur sur lequel se trouve la sauvegarde.

Vous devez avoir les droits de lecture sur le lecteur choisi.</translation>
    </message>
    <message>
        <source>Backup von &quot;%1&quot; holen</source>
        <translation>Restaurer la sauvegarde depuis «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Sicherheitsabfrage</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>Beim Rückholen des Backups wird der auf dem Rechner befindliche Stand überschrieben.
<byte value="xd"/>Soll das Backup wirklich vom USB-Stick bzw. Festplatte zurückgeholt werden?</source>
        <translation>La restauration de la sauvegarde écrase les données présentes sur cet ordinateur.
</translation>
    </message>
    <message>
        <source>Die Bilder werden zurückgeholt</source>
        <translation>Restauration des photos</translation>
    </message>
    <message>
        <source>Fehler beim Zurückholen der Datensicherung.</source>
        <translation>Erreur lors de la restauration de la sauvegarde.</translation>
    </message>
</context>
<context>
    <name>WhereaboutsPanel</name>
    <message>
        <source>Was aus dem Vogel geworden ist</source>
        <translation>Ce qu&apos;est devenu l&apos;oiseau</translation>
    </message>
    <message>
        <source>Seit wann, im Format TT.MM.JJJJ; leer, wenn unbekannt</source>
        <translation>Depuis quand, au format JJ.MM.AAAA&#xa0;; vide si inconnu</translation>
    </message>
    <message>
        <source>TT.MM.JJJJ</source>
        <translation>JJ.MM.AAAA</translation>
    </message>
    <message>
        <source>Wer den Vogel bekommen hat</source>
        <translation>Qui a reçu l&apos;oiseau</translation>
    </message>
    <message>
        <source>Anschrift des Käufers</source>
        <translation>Adresse de l&apos;acheteur</translation>
    </message>
    <message>
        <source>Der Preis in Euro, etwa 45,50</source>
        <translation>Le prix en euros, p. ex. 45,50</translation>
    </message>
    <message>
        <source>0,00</source>
        <translation>0,00</translation>
    </message>
    <message>
        <source>Eine Notiz zum Verbleib</source>
        <translation>Une note sur le devenir</translation>
    </message>
    <message>
        <source>&amp;Verbleib:</source>
        <translation>&amp;Devenir&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Datum:</source>
        <translation>D&amp;ate&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Käufer:</source>
        <translation>A&amp;cheteur&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Anschrift:</source>
        <translation>Ad&amp;resse&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Preis (€):</source>
        <translation>&amp;Prix (€)&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Notiz:</source>
        <translation>&amp;Note&#xa0;:</translation>
    </message>
    <message>
        <source>Ungültiges Datum beim Verbleib!</source>
        <translation>Date du devenir non valide&#xa0;!</translation>
    </message>
    <message>
        <source>Ungültiger Preis! Bitte den Betrag in Euro angeben, etwa 45,50.</source>
        <translation>Prix non valide&#xa0;! Veuillez indiquer le montant en euros, p. ex. 45,50.</translation>
    </message>
</context>
<context>
    <name>WipeDatabaseDialog</name>
    <message>
        <source>neu</source>
        <comment>word typed to confirm the wipe</comment>
        <translation>nouveau</translation>
    </message>
    <message>
        <source>Komplette Datenbank löschen und neu anfangen</source>
        <translation>Supprimer toute la base de données et recommencer</translation>
    </message>
    <message>
        <source>! ! ! A C H T U N G ! ! !</source>
        <translation>!&#xa0;!&#xa0;! A T T E N T I O N&#xa0;!&#xa0;!&#xa0;!</translation>
    </message>
    <message>
        <source>Wenn Sie die komplette Datenbank löschen fangen Sie komplett neu an. Alle Kanarienvögel und alle Zuchtpaare sind verloren (sofern Sie kein Backup erstellt haben).

Wenn Sie sicher sind und wissen was Sie tun dann schreiben Sie das Wort &quot;%1&quot; bitte in das unten stehende Feld und klicken anschließend auf OK!</source>
        <extracomment>%1 is the word the breeder types to confirm</extracomment>
        <translation>Si vous supprimez toute la base de données, vous recommencez entièrement à zéro. Tous les canaris et tous les couples reproducteurs sont perdus (sauf si vous avez fait une sauvegarde).

Si vous êtes sûr de vous et savez ce que vous faites, veuillez taper le mot «&#xa0;%1&#xa0;» dans le champ ci-dessous, puis cliquer sur OK&#xa0;!</translation>
    </message>
    <message>
        <source>Bestätigungswort</source>
        <translation>Mot de confirmation</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Die Datenbank wurde gelöscht. Was bis dahin geändert wurde, lässt sich nicht mehr rückgängig machen.</source>
        <translation>La base de données a été supprimée. Les modifications faites auparavant ne peuvent plus être annulées.</translation>
    </message>
</context>
</TS>
