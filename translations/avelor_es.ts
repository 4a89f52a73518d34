<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="de">
<context>
    <name>AnimalChange</name>
    <message>
        <source>Die Ringnummer %1 gehört zu keinem Kanarienvogel im Bestand mehr (gelöscht). Es wurde nichts geändert.</source>
        <translation>El número de anilla %1 ya no pertenece a ningún canario del plantel (eliminado). No se ha modificado nada.</translation>
    </message>
    <message>
        <source>Diese Ringnummer existiert schon.</source>
        <translation>Este número de anilla ya existe.</translation>
    </message>
</context>
<context>
    <name>AnimalEntry</name>
    <message>
        <source>Bitte das Geschlecht angeben.</source>
        <translation>Indique el sexo.</translation>
    </message>
    <message>
        <source>Bitte das Geburtsjahr angeben.</source>
        <translation>Indique el año de nacimiento.</translation>
    </message>
    <message>
        <source>Bitte den Züchter angeben.</source>
        <translation>Indique el criador.</translation>
    </message>
    <message>
        <source>Bitte die Zeichnung angeben (z.B. einfarbig oder gescheckt).</source>
        <translation>Indique el diseño (p. ej. limpio o manchado).</translation>
    </message>
    <message>
        <source>Bitte die Farbe angeben.</source>
        <translation>Indique el color.</translation>
    </message>
    <message>
        <source>ACHTUNG:
<byte value="xd"/>
<byte value="xd"/>Die Ringnr %1 ist bereits angelegt.</source>
        <translation>¡ATENCIÓN!
</translation>
    </message>
    <message>
        <source>Bitte die Ringnummer angeben.</source>
        <translation>Indique el número de anilla.</translation>
    </message>
    <message>
        <source>&quot;Anfang der Ringnummer&quot; darf nicht leer sein.</source>
        <translation>&quot;Inicio del número de anilla&quot; no puede estar vacío.</translation>
    </message>
    <message>
        <source>Von-Feld darf nur Zahlen enthalten.</source>
        <translation>El campo Desde solo puede contener cifras.</translation>
    </message>
    <message>
        <source>Bis-Feld darf nur Zahlen enthalten.</source>
        <translation>El campo Hasta solo puede contener cifras.</translation>
    </message>
    <message>
        <source>Von-Feld muß kleiner als das Bis-Feld sein.</source>
        <translation>El campo Desde debe ser menor que el campo Hasta.</translation>
    </message>
    <message>
        <source>Bitte die führenden Nullen eintragen.</source>
        <translation>Introduzca los ceros iniciales.</translation>
    </message>
    <message>
        <source>Ein Bereich darf höchstens %1 Ringnummern umfassen.</source>
        <translation>Un intervalo puede abarcar como máximo %1 números de anilla.</translation>
    </message>
    <message>
        <source>Achtung! Es gibt schon (mindestens eine) der zu generierenden Kanarienvögel. Abbruch!</source>
        <translation>¡Atención! (Al menos uno de) los canarios que se iban a crear ya existe. ¡Cancelado!</translation>
    </message>
    <message>
        <source>Die Ringnummern wären länger als 20 Zeichen und nach dem Kürzen nicht mehr eindeutig (zum Beispiel %1). Bitte den Anfang der Ringnummer kürzen.</source>
        <translation>Los números de anilla tendrían más de 20 caracteres y, una vez acortados, dejarían de ser únicos (por ejemplo %1). Acorte el inicio del número de anilla.</translation>
    </message>
</context>
<context>
    <name>AnimalFields</name>
    <message>
        <source>Ringnummer:</source>
        <translation>Número de anilla:</translation>
    </message>
    <message>
        <source>Geschlecht:</source>
        <translation>Sexo:</translation>
    </message>
    <message>
        <source>Geburtsjahr:</source>
        <translation>Año de nacimiento:</translation>
    </message>
    <message>
        <source>Züchter:</source>
        <translation>Criador:</translation>
    </message>
    <message>
        <source>Farbe:</source>
        <translation>Color:</translation>
    </message>
    <message>
        <source>Zeichnung:</source>
        <translation>Diseño:</translation>
    </message>
    <message>
        <source>Art/Rasse:</source>
        <translation>Especie/raza:</translation>
    </message>
    <message>
        <source>Bemerkungen für die 
Kanarienvögelbestandsliste:</source>
        <translation>Observaciones para la 
lista del plantel de canarios:</translation>
    </message>
    <message>
        <source>Bemerkungen:</source>
        <translation>Observaciones:</translation>
    </message>
</context>
<context>
    <name>AnimalGenes</name>
    <message>
        <source>%1 ist dominant und zeigt sich immer; verdeckt tragen kann es kein Vogel.</source>
        <translation>%1 es dominante y siempre se manifiesta; ningún ejemplar puede portarlo oculto.</translation>
    </message>
    <message>
        <source>%1: an einem Genort hat ein Vogel nur zwei Anlagen.</source>
        <translation>%1: un ejemplar solo tiene dos factores en un mismo locus.</translation>
    </message>
    <message>
        <source>„doppelfaktorig“ gibt es nur bei dominanten Anlagen, nicht bei %1.</source>
        <translation>«doble factor» solo existe en los factores dominantes, no en %1.</translation>
    </message>
    <message>
        <source>Eine Henne kann %1 nicht verdeckt tragen: es wird geschlechtsgebunden vererbt.</source>
        <translation>Una hembra no puede portar %1 oculto: se hereda ligado al sexo.</translation>
    </message>
    <message>
        <source>Eine Henne zeigt %1 und %2 nicht zugleich: beide liegen am selben Genort ihres einen Z-Chromosoms.</source>
        <translation>Una hembra no muestra %1 y %2 a la vez: ambos se encuentran en el mismo locus de su único cromosoma Z.</translation>
    </message>
    <message>
        <source>%1 liegen am selben Genort; ein Vogel hat dort nur zwei Anlagen, und sichtbar ist nur die stärkere (etwa „achat,/satinet“).</source>
        <translation>%1 se encuentran en el mismo locus; un ejemplar solo tiene dos factores en él, y solo se manifiesta el más fuerte (p. ej. «achat,/satinet»).</translation>
    </message>
    <message>
        <source>Ein Vogel, der %1 trägt, zeigt nicht %2.</source>
        <translation>Un ejemplar portador de %1 no muestra %2.</translation>
    </message>
    <message>
        <source>%1 und %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>„%1“ ist keine Erbanlage der Farbtabelle.</source>
        <translation>«%1» no es un factor genético de la tabla de factores.</translation>
    </message>
    <message>
        <source>„%1“ steht zweimal in den Erbanlagen.</source>
        <translation>«%1» aparece dos veces en los factores genéticos.</translation>
    </message>
    <message>
        <source>In „%1“ fehlt der Name einer Anlage.</source>
        <translation>Falta el nombre de un factor en «%1».</translation>
    </message>
    <message>
        <source>Unbekannte Anlage „%1“. Bekannt sind: %2.</source>
        <translation>Factor desconocido «%1». Factores conocidos: %2.</translation>
    </message>
    <message>
        <source>„%1“ ist zugleich sichtbar und spalterbig angegeben.</source>
        <translation>«%1» figura a la vez como visual y como portador.</translation>
    </message>
    <message>
        <source>„%1“ ist doppelt angegeben.</source>
        <translation>«%1» figura dos veces.</translation>
    </message>
    <message>
        <source>„%1“ ist mehr als zweimal angegeben.</source>
        <translation>«%1» figura más de dos veces.</translation>
    </message>
    <message>
        <source>Doppelfaktorig %1 ist nicht lebensfähig; ein solcher Vogel kann kein Elterntier sein.</source>
        <translation>%1 en doble factor no es viable; un ejemplar así no puede ser progenitor.</translation>
    </message>
</context>
<context>
    <name>AnimalRecordWords</name>
    <message>
        <source>im Bestand</source>
        <translation>en el plantel</translation>
    </message>
    <message>
        <source>verkauft</source>
        <translation>vendido</translation>
    </message>
    <message>
        <source>abgegeben</source>
        <translation>cedido</translation>
    </message>
    <message>
        <source>verstorben</source>
        <translation>fallecido</translation>
    </message>
    <message>
        <source>entflogen</source>
        <translation>escapado</translation>
    </message>
    <message>
        <source>unbekannt</source>
        <translation>desconocido</translation>
    </message>
    <message>
        <source>nicht vorhanden</source>
        <translation>ausente</translation>
    </message>
    <message>
        <source>spalterbig</source>
        <translation>portador</translation>
    </message>
    <message>
        <source>sichtbar</source>
        <translation>visual</translation>
    </message>
    <message>
        <source>doppelfaktorig</source>
        <translation>doble factor</translation>
    </message>
</context>
<context>
    <name>AnimalRecords</name>
    <message>
        <source>Das Jahr der Ringe muss zwischen 1900 und 9999 liegen.</source>
        <translation>El año de las anillas debe estar entre 1900 y 9999.</translation>
    </message>
    <message>
        <source>Der letzte Ring darf nicht vor dem ersten liegen.</source>
        <translation>La última anilla no puede ir antes de la primera.</translation>
    </message>
    <message>
        <source>Eine Lieferung umfasst höchstens 99 999 Ringe.</source>
        <translation>Una entrega abarca como máximo 99 999 anillas.</translation>
    </message>
    <message>
        <source>Die Nummer %1 hat mehr als %2 Stellen.</source>
        <translation>El número %1 tiene más de %2 dígitos.</translation>
    </message>
    <message>
        <source>Diese Ringe überschneiden sich mit der Lieferung %1 bis %2 (%3).</source>
        <extracomment>%1 and %2 the first and last ring of a delivery entered before, %3 its year</extracomment>
        <translation>Estas anillas se solapan con la entrega %1 a %2 (%3).</translation>
    </message>
    <message>
        <source>Hahn</source>
        <translation>Macho</translation>
    </message>
    <message>
        <source>Henne</source>
        <translation>Hembra</translation>
    </message>
</context>
<context>
    <name>AppInfo</name>
    <message>
        <source>Avelor Abstammungsnachweis</source>
        <translation>Avelor Certificado de genealogía</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the version number</extracomment>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>© Avelor – freie Software für Züchter</source>
        <translation>© Avelor – software libre para criadores</translation>
    </message>
</context>
<context>
    <name>Backup</name>
    <message>
        <source>„%1“ kann nicht gelesen werden: %2</source>
        <translation>No se puede leer «%1»: %2</translation>
    </message>
    <message>
        <source>„%1“ ist beschädigt (%2).</source>
        <translation>«%1» está dañado (%2).</translation>
    </message>
    <message>
        <source>Der Ordner „%1“ konnte nicht angelegt werden.</source>
        <translation>No se ha podido crear la carpeta «%1».</translation>
    </message>
    <message>
        <source>„%1“ konnte nicht geschrieben werden: %2</source>
        <translation>No se ha podido escribir «%1»: %2</translation>
    </message>
    <message>
        <source>„%1“ gibt es nicht.</source>
        <translation>«%1» no existe.</translation>
    </message>
    <message>
        <source>Die bisherigen Daten konnten nicht gesichert werden, darum wurde nichts zurückgeholt: %1</source>
        <translation>No se ha podido hacer una copia de seguridad de los datos actuales, por eso no se ha restaurado nada: %1</translation>
    </message>
    <message>
        <source>%1 Die Daten und Bilder sind unverändert geblieben.</source>
        <extracomment>%1 says why the pictures were not restored</extracomment>
        <translation>%1 Los datos y las imágenes no se han modificado.</translation>
    </message>
    <message>
        <source>Das Zurückholen der Bilder wurde abgebrochen.</source>
        <translation>Se ha cancelado la restauración de las imágenes.</translation>
    </message>
</context>
<context>
    <name>BackupGroup</name>
    <message>
        <source>Backup-Funktion: </source>
        <translation>Copia de seguridad </translation>
    </message>
    <message>
        <source>Backup auf USB-Stick</source>
        <translation>Copia de seguridad en memoria USB</translation>
    </message>
    <message>
        <source>Backup von USB-Stick holen</source>
        <translation>Restaurar copia desde memoria USB</translation>
    </message>
    <message>
        <source>Schnelles Backup</source>
        <translation>Copia de seguridad rápida</translation>
    </message>
    <message>
        <source>Schnelles Backup holen</source>
        <translation>Restaurar copia rápida</translation>
    </message>
    <message>
        <source>Komplette Datenbank löschen und neu anfangen</source>
        <translation>Borrar toda la base de datos y empezar de nuevo</translation>
    </message>
    <message>
        <source>Bestand importieren…</source>
        <translation>Importar plantel…</translation>
    </message>
</context>
<context>
    <name>BackupMessages</name>
    <message>
        <source>Diese Bilder konnten nicht kopiert werden:
%1</source>
        <extracomment>%1 is the list of pictures, one per line</extracomment>
        <translation>No se han podido copiar estas imágenes:
%1</translation>
    </message>
    <message>
        <source>Die bisherige Datensicherung ist unverändert geblieben.</source>
        <translation>La copia de seguridad anterior no se ha modificado.</translation>
    </message>
    <message>
        <source>Die Datensicherung wurde abgebrochen.</source>
        <translation>Se ha cancelado la copia de seguridad.</translation>
    </message>
    <message>
        <source>Datensicherung wurde durchgeführt.</source>
        <translation>Se ha realizado la copia de seguridad.</translation>
    </message>
    <message>
        <source>Die Daten von vorher liegen im Ordner „%1“.</source>
        <translation>Los datos anteriores están en la carpeta «%1».</translation>
    </message>
    <message>
        <source>Datensicherung wurde zurückgeholt. Was bis dahin geändert wurde, lässt sich nicht mehr rückgängig machen.</source>
        <translation>Se ha restaurado la copia de seguridad. Los cambios realizados antes ya no se pueden deshacer.</translation>
    </message>
</context>
<context>
    <name>BreedFilter</name>
    <message>
        <source>Filter löschen</source>
        <translation>Borrar filtro</translation>
    </message>
    <message>
        <source>Rassen-Filter:</source>
        <translation>Filtro de raza:</translation>
    </message>
</context>
<context>
    <name>BreederDataDialog</name>
    <message>
        <source>Züchterdaten</source>
        <translation>Datos del criador</translation>
    </message>
    <message>
        <source>Geben Sie hier Ihre Züchterdaten ein. Diese
werden für den Kopf des Abstammungs-
nachweises benötigt.</source>
        <translation>Introduzca aquí sus datos de criador. Se
necesitan para el encabezado del certificado
de genealogía.</translation>
    </message>
    <message>
        <source>Vorname:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Nachname:</source>
        <translation>Apellidos:</translation>
    </message>
    <message>
        <source>Anschrift:</source>
        <translation>Dirección:</translation>
    </message>
    <message>
        <source>PLZ &amp;&amp; Wohnort:</source>
        <translation>C.P. &amp;&amp; localidad:</translation>
    </message>
    <message>
        <source>Telefon:</source>
        <translation>Teléfono:</translation>
    </message>
    <message>
        <source>Züchternummer:</source>
        <translation>Número de criador:</translation>
    </message>
    <message>
        <source>Vereinsnummer:</source>
        <translation>Número de club:</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Guardar</translation>
    </message>
</context>
<context>
    <name>BreedingCalendar</name>
    <message>
        <source>Schieren</source>
        <translation>Ovoscopia</translation>
    </message>
    <message>
        <source>Schlupf</source>
        <translation>Eclosión</translation>
    </message>
    <message>
        <source>Beringen</source>
        <translation>Anillado</translation>
    </message>
    <message>
        <source>Absetzen</source>
        <translation>Destete</translation>
    </message>
</context>
<context>
    <name>BreedingCalendarWindow</name>
    <message>
        <source>Zuchtkalender</source>
        <translation>Calendario de cría</translation>
    </message>
    <message>
        <source>Ein Doppelklick öffnet das Zuchtpaar in der Nachwuchsverwaltung</source>
        <translation>Un doble clic abre la pareja reproductora en la gestión de la cría</translation>
    </message>
    <message>
        <source>Fällige Arbeiten</source>
        <translation>Tareas pendientes</translation>
    </message>
    <message>
        <source>&amp;Drucken…</source>
        <translation>&amp;Imprimir…</translation>
    </message>
    <message>
        <source>Gerechnet wird mit</source>
        <translation>Se calcula con</translation>
    </message>
    <message>
        <source>&amp;Schieren nach Brutbeginn:</source>
        <translation>&amp;Ovoscopia tras el inicio de la incubación:</translation>
    </message>
    <message>
        <source>Sch&amp;lupf nach Brutbeginn:</source>
        <translation>&amp;Eclosión tras el inicio de la incubación:</translation>
    </message>
    <message>
        <source>&amp;Beringen nach dem Schlupf:</source>
        <translation>&amp;Anillado tras la eclosión:</translation>
    </message>
    <message>
        <source>&amp;Absetzen nach dem Schlupf:</source>
        <translation>&amp;Destete tras la eclosión:</translation>
    </message>
    <message>
        <source>&amp;Vorschau:</source>
        <translation>&amp;Previsión:</translation>
    </message>
    <message>
        <source> Tage</source>
        <translation> días</translation>
    </message>
    <message>
        <source>Stand %1: %2 überfällig, %3 bis zum %4 fällig.</source>
        <extracomment>%1 today, %2 overdue tasks, %3 tasks due until the date %4</extracomment>
        <translation>Situación a %1: %2 atrasadas, %3 pendientes hasta el %4.</translation>
    </message>
    <message>
        <source>den Zuchtkalender</source>
        <translation>el calendario de cría</translation>
    </message>
    <message>
        <source>Zu wenig Ringe: noch %1 frei für %2 Eier, die einen Ring brauchen werden.</source>
        <extracomment>%1 free rings of this year, %2 eggs that will need a ring</extracomment>
        <translation>Faltan anillas: quedan %1 libres para %2 huevos que necesitarán anilla.</translation>
    </message>
</context>
<context>
    <name>BreedingDialog</name>
    <message>
        <source>Wann wurde die Zucht gestartet?</source>
        <translation>¿Cuándo se inició la cría?</translation>
    </message>
    <message>
        <source>Nr des Zuchtkäfigs?</source>
        <translation>¿N.º de la jaula de cría?</translation>
    </message>
    <message>
        <source>Wer ist der Vater?</source>
        <translation>¿Quién es el padre?</translation>
    </message>
    <message>
        <source>Wer ist die Mutter?</source>
        <translation>¿Quién es la madre?</translation>
    </message>
    <message>
        <source>&lt;i&gt;im Format TT.MM.JJJJ&lt;/i&gt;</source>
        <translation>&lt;i&gt;con el formato DD.MM.AAAA&lt;/i&gt;</translation>
    </message>
    <message>
        <source>Nachwuchsverwaltung</source>
        <translation>Gestión de la cría</translation>
    </message>
    <message>
        <source>Hier können Sie Daten zu Zuchtpaaren hinterlegen, Gelege eingeben und das Beringen der Jungvögel vornehmen. Die Daten sind relevant für die Zuchtdatei. Um Hilfe zu erhalten einfach mit der Maus über das entsprechende Feld gehen.</source>
        <translation>Aquí puede guardar los datos de las parejas reproductoras, introducir puestas y anillar las crías. Los datos pertenecen al archivo de cría. Para obtener ayuda, basta con pasar el ratón sobre el campo correspondiente.</translation>
    </message>
    <message>
        <source>Neues Zuchtpaar anlegen</source>
        <translation>Registrar nueva pareja reproductora</translation>
    </message>
    <message>
        <source>Zuchtpaar anzeigen/bearbeiten</source>
        <translation>Mostrar/editar pareja reproductora</translation>
    </message>
    <message>
        <source>Zuchtbeginn:</source>
        <translation>Inicio de la cría:</translation>
    </message>
    <message>
        <source>Hecke:</source>
        <translation>Jaula de cría:</translation>
    </message>
    <message>
        <source>Vogel (m) 1.0:</source>
        <translation>Ejemplar (m) 1.0:</translation>
    </message>
    <message>
        <source>Vogel (w) 0.1:</source>
        <translation>Ejemplar (h) 0.1:</translation>
    </message>
    <message>
        <source>Zuchtpaar anlegen</source>
        <translation>Registrar pareja reproductora</translation>
    </message>
    <message>
        <source>Speichert das aktuell eingegebene Zuchtpaar.
Gelege können im nächsten Schritt eingegeben
werden.</source>
        <translation>Guarda la pareja reproductora recién introducida.
Las puestas pueden introducirse en el siguiente
paso.</translation>
    </message>
    <message>
        <source>Farben der Jungen:</source>
        <translation>Colores de las crías:</translation>
    </message>
    <message>
        <source>Welches Zuchtpaar soll angezeigt bzw. bearbeitet werden?</source>
        <translation>¿Qué pareja reproductora desea mostrar o editar?</translation>
    </message>
    <message>
        <source>Keine Gelege auswählbar? 
Dann ein neues Gelege anlegen.</source>
        <translation>¿No hay ninguna puesta para elegir? 
Entonces registre una nueva puesta.</translation>
    </message>
    <message>
        <source>Neues Gelege anlegen</source>
        <translation>Registrar nueva puesta</translation>
    </message>
    <message>
        <source>Legt ein neues Gelege dieses Zuchtpaares an.</source>
        <translation>Registra una nueva puesta de esta pareja reproductora.</translation>
    </message>
    <message>
        <source>Zuchtpaar auswählen:</source>
        <translation>Elegir pareja reproductora:</translation>
    </message>
    <message>
        <source>Farben der &amp;Jungen…</source>
        <translation>Colores de las &amp;crías…</translation>
    </message>
    <message>
        <source>Zeigt, welche Farben die Jungen dieses Paares erwarten lassen</source>
        <translation>Muestra qué colores cabe esperar en las crías de esta pareja</translation>
    </message>
    <message>
        <source>Bitte zuerst Hahn und Henne wählen.</source>
        <translation>Elija primero el macho y la hembra.</translation>
    </message>
    <message>
        <source>Gelege auswählen:</source>
        <translation>Elegir puesta:</translation>
    </message>
    <message>
        <source>Zuchtpaar speichern</source>
        <translation>Guardar pareja reproductora</translation>
    </message>
    <message>
        <source>Speichert die Änderungen zum Zuchtpaar</source>
        <translation>Guarda los cambios de la pareja reproductora</translation>
    </message>
    <message>
        <source>Zuchtpaar löschen</source>
        <translation>Eliminar pareja reproductora</translation>
    </message>
    <message>
        <source>Löscht das Zuchtpaar sowie deren Gelege und Eier. 
Evtl. daraus vorgegangene Jungtiere werden dabei 
nicht gelöscht.</source>
        <translation>Elimina la pareja reproductora junto con sus puestas y huevos. 
Las crías que hayan nacido de ellas 
no se eliminan.</translation>
    </message>
    <message>
        <source>Gelege:</source>
        <translation>Puesta:</translation>
    </message>
    <message>
        <source>Wieviele Eier wurden mit diesem Gelege gelegt?</source>
        <translation>¿Cuántos huevos tuvo esta puesta?</translation>
    </message>
    <message>
        <source>Wann wurde das erste Ei, dass durch ein Kunststoffei ersetzt wird gelegt?</source>
        <translation>¿Cuándo se puso el primer huevo (el que se sustituye por un huevo de plástico)?</translation>
    </message>
    <message>
        <source>Wann wurde das letzte Ei des Geleges gelegt?</source>
        <translation>¿Cuándo se puso el último huevo de la puesta?</translation>
    </message>
    <message>
        <source>Wann wurden die Kunststoffeier durch die Gelege ersetzt (=Brutbeginn)?</source>
        <translation>¿Cuándo se sustituyeron los huevos de plástico por la puesta (= inicio de la incubación)?</translation>
    </message>
    <message>
        <source>Anzahl Eier:</source>
        <translation>Número de huevos:</translation>
    </message>
    <message>
        <source>Datum Erstes Ei:</source>
        <translation>Fecha primer huevo:</translation>
    </message>
    <message>
        <source>Datum Letztes Ei:</source>
        <translation>Fecha último huevo:</translation>
    </message>
    <message>
        <source>Datum Gelege gesetzt:</source>
        <translation>Fecha colocación puesta:</translation>
    </message>
    <message>
        <source>Gelege löschen</source>
        <translation>Eliminar puesta</translation>
    </message>
    <message>
        <source>Löscht das Gelege aus der Datenbank. 
Evtl. eingetragene Eier gehen dabei verloren.

Die Jungvögel die bei der Beringung angelegt wurden bleiben erhalten.</source>
        <translation>Elimina la puesta de la base de datos. 
Los huevos introducidos se pierden.

Las crías registradas al anillar se conservan.</translation>
    </message>
    <message>
        <source>Gelege speichern</source>
        <translation>Guardar puesta</translation>
    </message>
    <message>
        <source>Speichert das Gelege und alle Änderungen darin.</source>
        <translation>Guarda la puesta y todos sus cambios.</translation>
    </message>
    <message>
        <source>Sind Hahn und Henne gewählt, stehen hier die Farben ihrer Jungen.</source>
        <translation>Una vez elegidos el macho y la hembra, aquí aparecen los colores de sus crías.</translation>
    </message>
    <message>
        <source>Inzuchtkoeffizient der Jungen: %1</source>
        <translation>Coeficiente de consanguinidad de las crías: %1</translation>
    </message>
    <message>
        <source>eng verwandt</source>
        <translation>parientes cercanos</translation>
    </message>
    <message>
        <source>eng verwandt (%1)</source>
        <translation>parientes cercanos (%1)</translation>
    </message>
    <message>
        <source>Frage</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>Hahn %1 und Henne %2 sind %3: Die Jungen hätten einen Inzuchtkoeffizienten von %4.

Trotzdem als Zuchtpaar speichern?</source>
        <translation>El macho %1 y la hembra %2 son %3: las crías tendrían un coeficiente de consanguinidad de %4.

¿Guardar de todos modos como pareja reproductora?</translation>
    </message>
    <message>
        <source>Das Zuchtpaar wurde gespeichert. Wählen Sie es nun aus um Gelege einzugeben.</source>
        <translation>Se ha guardado la pareja reproductora. Selecciónela ahora para introducir puestas.</translation>
    </message>
    <message>
        <source>Bitte wählen Sie zunächst das Zuchtpaar aus, das Sie bearbeiten möchten.</source>
        <translation>Seleccione primero la pareja reproductora que desea editar.</translation>
    </message>
    <message>
        <source>Das Zuchtpaar wurde gespeichert.</source>
        <translation>Se ha guardado la pareja reproductora.</translation>
    </message>
    <message>
        <source>Bitte wählen Sie zunächst das Zuchtpaar aus, das Sie löschen möchten.</source>
        <translation>Seleccione primero la pareja reproductora que desea eliminar.</translation>
    </message>
    <message>
        <source>Wählen Sie zunächst das Zuchtpaar aus, dessen Gelege Sie anlegen möchten.</source>
        <translation>Seleccione primero la pareja reproductora cuya puesta desea registrar.</translation>
    </message>
</context>
<context>
    <name>BreedingRules</name>
    <message>
        <source>Ungültiges Zuchtbeginn-Datum!</source>
        <translation>¡Fecha de inicio de la cría no válida!</translation>
    </message>
    <message>
        <source>Ungültige Heckennummer!</source>
        <translation>¡Número de jaula de cría no válido!</translation>
    </message>
    <message>
        <source>Bitte Vogel (m) 1.0 auswählen!</source>
        <translation>¡Seleccione el ejemplar (m) 1.0!</translation>
    </message>
    <message>
        <source>Bitte Vogel (w) 0.1 auswählen!</source>
        <translation>¡Seleccione el ejemplar (h) 0.1!</translation>
    </message>
    <message>
        <source>Gelege %1</source>
        <translation>Puesta %1</translation>
    </message>
    <message>
        <source>Ungültiges Datum bei Erstes Ei!</source>
        <translation>¡Fecha del primer huevo no válida!</translation>
    </message>
    <message>
        <source>Ungültige Anzahl Eier!</source>
        <translation>¡Número de huevos no válido!</translation>
    </message>
    <message>
        <source>Ungültiges Datum bei Letztes Ei!</source>
        <translation>¡Fecha del último huevo no válida!</translation>
    </message>
    <message>
        <source>Ungültiges Datum bei Gelege Gesetzt!</source>
        <translation>¡Fecha de colocación de la puesta no válida!</translation>
    </message>
    <message>
        <source>ACHTUNG:
<byte value="xd"/>
<byte value="xd"/>Die Ringnr %1 ist bereits angelegt.</source>
        <translation>¡ATENCIÓN!
</translation>
    </message>
    <message>
        <source>Bitte die Ringnummer angeben.</source>
        <translation>Indique el número de anilla.</translation>
    </message>
    <message>
        <source>Bitte das Geschlecht angeben.</source>
        <translation>Indique el sexo.</translation>
    </message>
    <message>
        <source>Bitte das abgesetzt-Datum richtig angeben.</source>
        <translation>Indique una fecha de destete válida.</translation>
    </message>
    <message>
        <source>Bitte das Schlupf-Datum richtig angeben.</source>
        <translation>Indique una fecha de eclosión válida.</translation>
    </message>
    <message>
        <source>Die Beringung des Ei&apos;s wurde gelöscht.
<byte value="xd"/>
<byte value="xd"/>Außerdem wurde der Vogel mit der Ringnummer %1 und die Elternbeziehungen ebenfalls wieder entfernt.<byte value="xd"/>
<byte value="xd"/>
Es kann nun eine neue Ringnummer zu diesem Ei angelegt werden.</source>
        <translation>Se ha eliminado el anillado del huevo.
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
        <translation>el archivo termina antes de tiempo</translation>
    </message>
    <message>
        <source>Textlänge %1 über dem Höchstwert %2</source>
        <translation>longitud de texto %1 superior al máximo %2</translation>
    </message>
    <message>
        <source>negative Anzahl %1</source>
        <translation>cantidad negativa %1</translation>
    </message>
    <message>
        <source>Anzahl %1 passt nicht in den Rest der Datei</source>
        <translation>la cantidad %1 no cabe en el resto del archivo</translation>
    </message>
</context>
<context>
    <name>CageCardDialog</name>
    <message>
        <source>Käfigkarten</source>
        <translation>Fichas de jaula</translation>
    </message>
    <message>
        <source>&amp;Zuchtpaare:</source>
        <translation>&amp;Parejas reproductoras:</translation>
    </message>
    <message>
        <source>Eine Karte für jeden Zuchtkäfig mit Hahn, Henne, Gelegen und ihren Tagen</source>
        <translation>Una ficha por jaula de cría con macho, hembra, puestas y sus fechas</translation>
    </message>
    <message>
        <source>Die Zuchtpaare, deren Karten gedruckt werden</source>
        <translation>Las parejas reproductoras cuyas fichas se imprimen</translation>
    </message>
    <message>
        <source>Zuchtpaare</source>
        <translation>Parejas reproductoras</translation>
    </message>
    <message>
        <source>&amp;Alle</source>
        <translation>&amp;Todas</translation>
    </message>
    <message>
        <source>&amp;Keine</source>
        <translation>&amp;Ninguna</translation>
    </message>
    <message>
        <source>&amp;Einzelne Vögel, eine Ringnummer je Zeile:</source>
        <translation>&amp;Aves sueltas, un número de anilla por línea:</translation>
    </message>
    <message>
        <source>Eine Karte für jeden Vogel mit Ring, Geschlecht, Jahrgang, Farbe, Rasse und Eltern</source>
        <translation>Una ficha por ave con anilla, sexo, año, color, raza y padres</translation>
    </message>
    <message>
        <source>Die Ringnummern der Vögel, eine je Zeile</source>
        <translation>Los números de anilla de las aves, uno por línea</translation>
    </message>
    <message>
        <source>Ringnummern</source>
        <translation>Números de anilla</translation>
    </message>
    <message>
        <source>Wie groß die Karten sind und wie viele auf ein A4-Blatt passen</source>
        <translation>El tamaño de las fichas y cuántas caben en una hoja A4</translation>
    </message>
    <message>
        <source>&amp;Größe:</source>
        <translation>&amp;Tamaño:</translation>
    </message>
    <message>
        <source>&amp;Vorschau</source>
        <translation>&amp;Vista previa</translation>
    </message>
    <message>
        <source>Die Karten in der Druckvorschau: drucken, als PDF oder PNG speichern</source>
        <translation>Las fichas en la vista previa de impresión: imprimir, guardar como PDF o PNG</translation>
    </message>
    <message>
        <source>Bitte wählen Sie mindestens ein Zuchtpaar aus.</source>
        <translation>Elija al menos una pareja reproductora.</translation>
    </message>
    <message>
        <source>Die Ringnummer „%1“ ist nicht im Bestand.</source>
        <translation>El número de anilla «%1» no está en el plantel.</translation>
    </message>
    <message>
        <source>Bitte geben Sie mindestens eine Ringnummer ein.</source>
        <translation>Introduzca al menos un número de anilla.</translation>
    </message>
    <message>
        <source>die Käfigkarten</source>
        <translation>las fichas de jaula</translation>
    </message>
    <message>
        <source>Käfigkarten</source>
        <comment>file name of the printed cage cards</comment>
        <translation>Fichas de jaula</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>CageCardReport</name>
    <message>
        <source>Hahn</source>
        <translation>Macho</translation>
    </message>
    <message>
        <source>Henne</source>
        <translation>Hembra</translation>
    </message>
    <message>
        <source>Geschlecht unbekannt</source>
        <translation>Sexo desconocido</translation>
    </message>
    <message>
        <source>nicht im Bestand</source>
        <translation>no está en el plantel</translation>
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
        <translation>Macho: %1</translation>
    </message>
    <message>
        <source>Henne: %1</source>
        <translation>Hembra: %1</translation>
    </message>
    <message>
        <source>Zuchtbeginn: %1</source>
        <translation>Inicio de la cría: %1</translation>
    </message>
    <message>
        <source>%1, Jahrgang %2</source>
        <extracomment>The sex and the year of hatching on a bird&apos;s cage card.</extracomment>
        <translation>%1, año %2</translation>
    </message>
    <message>
        <source>Farbe: %1</source>
        <translation>Color: %1</translation>
    </message>
    <message>
        <source>Rasse: %1</source>
        <translation>Raza: %1</translation>
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
        <translation>Puesta</translation>
    </message>
    <message>
        <source>1. Ei</source>
        <translation>1.er huevo</translation>
    </message>
    <message>
        <source>Schieren</source>
        <translation>Ovoscopia</translation>
    </message>
    <message>
        <source>Schlupf</source>
        <translation>Eclosión</translation>
    </message>
    <message>
        <source>Beringen</source>
        <translation>Anillado</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>The rings of one clutch&apos;s young: the clutch&apos;s number, then the rings.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Junge: %1</source>
        <translation>Crías: %1</translation>
    </message>
    <message>
        <source>Notizen:</source>
        <translation>Notas:</translation>
    </message>
    <message>
        <source>A6 (105 × 148 mm, 4 je Blatt)</source>
        <translation>A6 (105 × 148 mm, 4 por hoja)</translation>
    </message>
    <message>
        <source>A7 quer (105 × 74 mm, 8 je Blatt)</source>
        <translation>A7 horizontal (105 × 74 mm, 8 por hoja)</translation>
    </message>
    <message>
        <source>Karte (85 × 55 mm, 10 je Blatt)</source>
        <translation>Tarjeta (85 × 55 mm, 10 por hoja)</translation>
    </message>
</context>
<context>
    <name>CertificateCommands</name>
    <message>
        <source>Bitte den Kanarienvogel auswählen.</source>
        <translation>Seleccione el canario.</translation>
    </message>
    <message>
        <source>den Abstammungsnachweis</source>
        <translation>el certificado de genealogía</translation>
    </message>
    <message>
        <source>Abstammungsnachweis %1</source>
        <translation>Certificado de genealogía %1</translation>
    </message>
    <message>
        <source>das Stammblatt</source>
        <translation>la ficha del ejemplar</translation>
    </message>
    <message>
        <source>Stammblatt %1</source>
        <translation>Ficha del ejemplar %1</translation>
    </message>
    <message>
        <source>Stammbaum als Datei speichern</source>
        <translation>Guardar genealogía como archivo</translation>
    </message>
    <message>
        <source>Stammbaum %1.json</source>
        <translation>Genealogía %1.json</translation>
    </message>
    <message>
        <source>Die Stammbaumdatei %1 wurde erstellt. Der Käufer liest sie mit „Bestand importieren…“ ein.</source>
        <translation>Se ha creado el archivo de genealogía %1. El comprador lo carga con «Importar plantel…».</translation>
    </message>
</context>
<context>
    <name>ChangeAnimalDialog</name>
    <message>
        <source>Bitte zuerst den Kanarienvogel in der Liste anklicken.</source>
        <translation>Haga clic primero en el canario de la lista.</translation>
    </message>
    <message>
        <source>Kanarienvogel auswählen:</source>
        <translation>Elegir canario:</translation>
    </message>
    <message>
        <source>Ein Doppelklick zeigt den Abstammungsnachweis an.</source>
        <translation>Un doble clic muestra el certificado de genealogía.</translation>
    </message>
    <message>
        <source>Ringnummer</source>
        <translation>Número de anilla</translation>
    </message>
    <message>
        <source>Geburtsjahr</source>
        <translation>Año de nacimiento</translation>
    </message>
    <message>
        <source>Sortierung:</source>
        <translation>Orden:</translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation>Filtro:</translation>
    </message>
    <message>
        <source>&amp;Stammdaten</source>
        <translation>&amp;Datos básicos</translation>
    </message>
    <message>
        <source>&amp;Verbleib</source>
        <translation>Des&amp;tino</translation>
    </message>
    <message>
        <source>&amp;Ausstellungen</source>
        <translation>&amp;Concursos</translation>
    </message>
    <message>
        <source>&amp;Erbanlagen</source>
        <translation>&amp;Factores genéticos</translation>
    </message>
    <message>
        <source>Kanarienvogel ändern</source>
        <translation>Modificar canario</translation>
    </message>
    <message>
        <source>Nachkommen anzeigen</source>
        <translation>Mostrar descendientes</translation>
    </message>
    <message>
        <source>Kanarienvogel verkauft oder gelöscht</source>
        <translation>Canario vendido o eliminado</translation>
    </message>
    <message>
        <source>Kanarienvogel verkauft oder gelöscht (wird in der Auswahlliste, der Kanarienvögelbestandsliste und in den Elternbeziehungen nicht mehr zur Auswahl angeboten.)</source>
        <translation>Canario vendido o eliminado (ya no se ofrece en la lista de selección, en la lista del plantel de canarios ni en los vínculos con los padres.)</translation>
    </message>
    <message>
        <source>Idealerweise 170x120 Pixel</source>
        <translation>Idealmente 170x120 píxeles</translation>
    </message>
    <message>
        <source>Bild auswählen</source>
        <translation>Elegir imagen</translation>
    </message>
    <message>
        <source>Bild löschen</source>
        <translation>Eliminar imagen</translation>
    </message>
    <message>
        <source>Gefundene Kanarienvögel (Kanarienvögel ändern Modus)</source>
        <translation>Canarios encontrados (modo modificar canarios)</translation>
    </message>
    <message>
        <source>Kanarienvögel ändern</source>
        <translation>Modificar canarios</translation>
    </message>
    <message>
        <source>den Kanarienvogel anklicken um mit dem Ändern zu beginnen.</source>
        <translation>haga clic en el canario para empezar a modificarlo.</translation>
    </message>
    <message>
        <source>Inzuchtkoeffizient: %1</source>
        <translation>Coeficiente de consanguinidad: %1</translation>
    </message>
    <message>
        <source> (Schleife in den Elternbeziehungen übergangen)</source>
        <translation> (se ha omitido un bucle en los vínculos con los padres)</translation>
    </message>
    <message>
        <source>Bitte den Kanarienvogel ändern und danach auf &quot;Kanarienvogel ändern&quot; klicken.</source>
        <translation>Modifique el canario y haga clic después en &quot;Modificar canario&quot;.</translation>
    </message>
    <message>
        <source>Die Erbanlagen passen nicht zusammen: %1</source>
        <translation>Los factores genéticos no concuerdan: %1</translation>
    </message>
    <message>
        <source>Frage</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>%1 Verweise (Eltern, Zuchtpaare, Jungtiere) nennen noch die bisherige Ringnummer %2. Sollen sie auf die neue Ringnummer %3 geändert werden?</source>
        <translation>%1 referencias (padres, parejas reproductoras, crías) siguen indicando el número de anilla anterior %2. ¿Desea cambiarlas al nuevo número de anilla %3?</translation>
    </message>
    <message>
        <source>Bild wurde gespeichert.</source>
        <translation>Se ha guardado la imagen.</translation>
    </message>
    <message>
        <source>Stan&amp;dort</source>
        <translation>Ubica&amp;ción</translation>
    </message>
</context>
<context>
    <name>Choices</name>
    <message>
        <source>unbekannt</source>
        <comment>sex</comment>
        <translation>desconocido</translation>
    </message>
    <message>
        <source>männlich</source>
        <translation>macho</translation>
    </message>
    <message>
        <source>weiblich</source>
        <translation>hembra</translation>
    </message>
</context>
<context>
    <name>ColourCalculator</name>
    <message>
        <source>%1 doppelfaktorig</source>
        <extracomment>%1 is a colour word</extracomment>
        <translation>%1 doble factor</translation>
    </message>
    <message>
        <source>%1 einfaktorig</source>
        <translation>%1 simple factor</translation>
    </message>
    <message>
        <source>%1 der befruchteten Eier sterben ab: doppelfaktorig %2 ist nicht lebensfähig.</source>
        <translation>El %1 de los huevos fecundados muere: el doble factor de %2 no es viable.</translation>
    </message>
    <message>
        <source> und </source>
        <translation> y </translation>
    </message>
    <message>
        <source>%1 der befruchteten Eier sterben ab.</source>
        <translation>El %1 de los huevos fecundados muere.</translation>
    </message>
    <message>
        <source>%1 folgt keinem einfachen Erbgang; dafür werden keine Anteile berechnet.</source>
        <translation>%1 no sigue una herencia simple; no se calculan proporciones para este factor.</translation>
    </message>
    <message>
        <source>Ob %1 beim Hahn auf einem Z-Chromosom liegen oder auf je einem, ist unbekannt; beide Lagen sind je zur Hälfte gerechnet.</source>
        <translation>Se desconoce si %1 se encuentran en un mismo cromosoma Z del macho o cada uno en uno; ambas posibilidades se calculan al 50 %.</translation>
    </message>
    <message>
        <source>Anlagen, die nur wahrscheinlich sind, sind mit ihrer Wahrscheinlichkeit gerechnet.</source>
        <translation>Los factores que solo son probables se calculan según su probabilidad.</translation>
    </message>
    <message>
        <source>Hahn</source>
        <translation>Macho</translation>
    </message>
    <message>
        <source>Henne</source>
        <translation>Hembra</translation>
    </message>
</context>
<context>
    <name>ColourCheck</name>
    <message>
        <source>%1 zeigt %2, aber ihr Vater %3 ist als frei von %2 eingetragen.</source>
        <translation>%1 muestra %2, pero su padre %3 figura como libre de %2.</translation>
    </message>
    <message>
        <source>%1 zeigt %2, aber sein Vater %3 ist als frei von %2 eingetragen.</source>
        <translation>%1 muestra %2, pero su padre %3 figura como libre de %2.</translation>
    </message>
    <message>
        <source>%1 zeigt %2, aber ihre Mutter %3 ist als frei von %2 eingetragen.</source>
        <translation>%1 muestra %2, pero su madre %3 figura como libre de %2.</translation>
    </message>
    <message>
        <source>%1 zeigt %2, aber seine Mutter %3 ist als frei von %2 eingetragen.</source>
        <translation>%1 muestra %2, pero su madre %3 figura como libre de %2.</translation>
    </message>
    <message>
        <source>%1 ist als frei von %2 eingetragen, aber ihr Vater %3 zeigt %2.</source>
        <translation>%1 figura como libre de %2, pero su padre %3 muestra %2.</translation>
    </message>
    <message>
        <source>%1 ist als frei von %2 eingetragen, aber sein Vater %3 zeigt %2.</source>
        <translation>%1 figura como libre de %2, pero su padre %3 muestra %2.</translation>
    </message>
    <message>
        <source>%1 ist als frei von %2 eingetragen, aber ihre Mutter %3 zeigt %2.</source>
        <translation>%1 figura como libre de %2, pero su madre %3 muestra %2.</translation>
    </message>
    <message>
        <source>%1 ist als frei von %2 eingetragen, aber seine Mutter %3 zeigt %2.</source>
        <translation>%1 figura como libre de %2, pero su madre %3 muestra %2.</translation>
    </message>
    <message>
        <source>Die Erbanlagen von %1 widersprechen sich: %2</source>
        <translation>Los factores genéticos de %1 se contradicen: %2</translation>
    </message>
    <message>
        <source>%1 zeigt %2, aber Vater %3 und Mutter %4 sind als frei davon eingetragen.</source>
        <translation>%1 muestra %2, pero el padre %3 y la madre %4 figuran como libres de este factor.</translation>
    </message>
</context>
<context>
    <name>ColourFactors</name>
    <message>
        <source>Braun (Eumelanin braun statt schwarz)</source>
        <translation>Bruno (eumelanina bruna en lugar de negra)</translation>
    </message>
    <message>
        <source>geschlechtsgebunden rezessiv</source>
        <translation>recesivo ligado al sexo</translation>
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
        <translation>Dilución (ágata, satiné)</translation>
    </message>
    <message>
        <source>achat</source>
        <translation>ágata</translation>
    </message>
    <message>
        <source>Achat</source>
        <translation>Ágata</translation>
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
        <translation>Pastel (alas grises)</translation>
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
        <translation>alas grises</translation>
    </message>
    <message>
        <source>Grauflügel</source>
        <translation>Alas grises</translation>
    </message>
    <message>
        <source>Elfenbein</source>
        <translation>Marfil</translation>
    </message>
    <message>
        <source>elfenbein</source>
        <translation>marfil</translation>
    </message>
    <message>
        <source>rezessiv Weiß</source>
        <translation>blanco recesivo</translation>
    </message>
    <message>
        <source>autosomal rezessiv</source>
        <translation>autosómico recesivo</translation>
    </message>
    <message>
        <source>rezessiv weiß</source>
        <translation>blanco recesivo</translation>
    </message>
    <message>
        <source>Opal und Onyx</source>
        <translation>Ópalo y ónix</translation>
    </message>
    <message>
        <source>opal</source>
        <translation>ópalo</translation>
    </message>
    <message>
        <source>Opal</source>
        <translation>Ópalo</translation>
    </message>
    <message>
        <source>onyx</source>
        <translation>ónix</translation>
    </message>
    <message>
        <source>Onyx</source>
        <translation>Ónix</translation>
    </message>
    <message>
        <source>Phaeo</source>
        <translation>Feo</translation>
    </message>
    <message>
        <source>phaeo</source>
        <translation>feo</translation>
    </message>
    <message>
        <source>Topas</source>
        <translation>Topacio</translation>
    </message>
    <message>
        <source>topas</source>
        <translation>topacio</translation>
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
        <translation>blanco dominante</translation>
    </message>
    <message>
        <source>autosomal dominant</source>
        <translation>autosómico dominante</translation>
    </message>
    <message>
        <source>dominant weiß</source>
        <translation>blanco dominante</translation>
    </message>
    <message>
        <source>Haube</source>
        <translation>Moño</translation>
    </message>
    <message>
        <source>haube</source>
        <translation>moño</translation>
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
        <translation>autosómico de dominancia incompleta</translation>
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
        <translation>Fondo rojo</translation>
    </message>
    <message>
        <source>kein einfacher Erbgang</source>
        <translation>sin herencia simple</translation>
    </message>
    <message>
        <source>rotgrund</source>
        <translation>fondo rojo</translation>
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
        <translation>Negro</translation>
    </message>
    <message>
        <source>Isabell</source>
        <translation>Isabela</translation>
    </message>
    <message>
        <source>Achat-Satinet</source>
        <translation>Ágata satiné</translation>
    </message>
    <message>
        <source>Isabell-Satinet</source>
        <translation>Isabela satiné</translation>
    </message>
</context>
<context>
    <name>ColourWindow</name>
    <message>
        <source>(Anlagen von Hand)</source>
        <translation>(factores a mano)</translation>
    </message>
    <message>
        <source>Farbvererbung</source>
        <translation>Herencia del color</translation>
    </message>
    <message>
        <source>Trägt der Hahn braun und eine Verdünnung verdeckt, ob beide auf einem Z-Chromosom liegen oder auf je einem</source>
        <translation>Si el macho porta ocultos el bruno y una dilución: si ambos se encuentran en un mismo cromosoma Z o cada uno en uno</translation>
    </message>
    <message>
        <source>unbekannt: je zur Hälfte gerechnet</source>
        <translation>desconocido: se calcula al 50 % cada caso</translation>
    </message>
    <message>
        <source>auf einem Z-Chromosom</source>
        <translation>en un mismo cromosoma Z</translation>
    </message>
    <message>
        <source>auf je einem Z-Chromosom</source>
        <translation>cada uno en un cromosoma Z</translation>
    </message>
    <message>
        <source>&amp;Wahrscheinliche Anlagen mitrechnen</source>
        <translation>Incluir factores &amp;probables</translation>
    </message>
    <message>
        <source>Anlagen, die der Stammbaum nur wahrscheinlich macht, mit ihrer Wahrscheinlichkeit rechnen</source>
        <translation>Calcular con su probabilidad los factores que la genealogía solo hace probables</translation>
    </message>
    <message>
        <source>&amp;Crossing-over braun/Verdünnung:</source>
        <translation>&amp;Crossing-over bruno/dilución:</translation>
    </message>
    <message>
        <source>&amp;Lage beim Hahn:</source>
        <translation>&amp;Fase en el macho:</translation>
    </message>
    <message>
        <source>Erwartete Jungen:</source>
        <translation>Crías esperadas:</translation>
    </message>
    <message>
        <source>Hahn</source>
        <translation>Macho</translation>
    </message>
    <message>
        <source>Henne</source>
        <translation>Hembra</translation>
    </message>
    <message>
        <source>Ein Vogel aus dem Bestand, oder „%1“ für Anlagen zum Eintragen</source>
        <translation>Un ejemplar del plantel, o «%1» para introducir los factores</translation>
    </message>
    <message>
        <source>&amp;Hahn:</source>
        <translation>&amp;Macho:</translation>
    </message>
    <message>
        <source>H&amp;enne:</source>
        <translation>&amp;Hembra:</translation>
    </message>
    <message>
        <source>Anlagen von Hand: bitte oben wählen.</source>
        <translation>Factores a mano: elíjalos arriba.</translation>
    </message>
    <message>
        <source>Der Stammbaum belegt keine verdeckten Anlagen.</source>
        <translation>La genealogía no demuestra ningún factor oculto.</translation>
    </message>
    <message>
        <source>Wie oft ein Hahn, der braun und eine Verdünnung trägt, beide durch Crossing-over getrennt weitergibt. Der vorgegebene Wert ist vorläufig: tragen Sie ein, was Sie im eigenen Bestand sehen.</source>
        <translation>Con qué frecuencia un macho portador de bruno y de una dilución transmite ambos por separado por entrecruzamiento (crossing-over). El valor predeterminado es provisional: introduzca lo que observe en su propio plantel.</translation>
    </message>
</context>
<context>
    <name>CsvExport</name>
    <message>
        <source>Erbanlagen laut Stammbaum</source>
        <translation>Factores genéticos según la genealogía</translation>
    </message>
    <message>
        <source>Punkte der Kollektion</source>
        <translation>Puntos del equipo</translation>
    </message>
    <message>
        <source>Zuchtpaar</source>
        <translation>Pareja reproductora</translation>
    </message>
    <message>
        <source>Hahn</source>
        <translation>Macho</translation>
    </message>
    <message>
        <source>Henne</source>
        <translation>Hembra</translation>
    </message>
    <message>
        <source>Hecke</source>
        <translation>Jaula de cría</translation>
    </message>
    <message>
        <source>Zuchtbeginn</source>
        <translation>Inicio de la cría</translation>
    </message>
    <message>
        <source>Gelege</source>
        <translation>Puesta</translation>
    </message>
    <message>
        <source>Erstes Ei</source>
        <translation>Primer huevo</translation>
    </message>
    <message>
        <source>Letztes Ei</source>
        <translation>Último huevo</translation>
    </message>
    <message>
        <source>Gelege gesetzt</source>
        <translation>Puesta colocada</translation>
    </message>
    <message>
        <source>Anzahl Eier</source>
        <translation>Número de huevos</translation>
    </message>
    <message>
        <source>Ei</source>
        <translation>Huevo</translation>
    </message>
    <message>
        <source>Ring</source>
        <translation>Anilla</translation>
    </message>
    <message>
        <source>Geschlüpft</source>
        <translation>Eclosionado</translation>
    </message>
    <message>
        <source>Abgesetzt</source>
        <translation>Destetado</translation>
    </message>
</context>
<context>
    <name>DataCheck</name>
    <message>
        <source>Vater %1 von %2 gibt es nicht im Bestand.</source>
        <extracomment>%1 is the parent&apos;s ring, %2 the child&apos;s</extracomment>
        <translation>El padre %1 de %2 no está en el plantel.</translation>
    </message>
    <message>
        <source>Mutter %1 von %2 gibt es nicht im Bestand.</source>
        <translation>La madre %1 de %2 no está en el plantel.</translation>
    </message>
    <message>
        <source>Der Vater %1 von %2 ist weiblich.</source>
        <translation>El padre %1 de %2 es hembra.</translation>
    </message>
    <message>
        <source>Die Mutter %1 von %2 ist männlich.</source>
        <translation>La madre %1 de %2 es macho.</translation>
    </message>
    <message>
        <source>Vater %1 (Jahrgang %2) ist jünger als sein Kind %3 (Jahrgang %4).</source>
        <extracomment>%1 is the parent&apos;s ring, %2 its year, %3 the child&apos;s ring, %4 its year</extracomment>
        <translation>El padre %1 (año %2) es más joven que su cría %3 (año %4).</translation>
    </message>
    <message>
        <source>Mutter %1 (Jahrgang %2) ist jünger als ihr Kind %3 (Jahrgang %4).</source>
        <translation>La madre %1 (año %2) es más joven que su cría %3 (año %4).</translation>
    </message>
    <message>
        <source>%1 aktive Tiere tragen dieselbe Ringnummer: %2.</source>
        <translation>%1 ejemplares activos llevan el mismo número de anilla: %2.</translation>
    </message>
    <message>
        <source>Diese Tiere sind ihre eigenen Vorfahren: %1.</source>
        <translation>Estos ejemplares son sus propios antepasados: %1.</translation>
    </message>
    <message>
        <source>Zuchtpaar %1: Den Hahn %2 gibt es nicht im Bestand.</source>
        <translation>Pareja reproductora %1: el macho %2 no está en el plantel.</translation>
    </message>
    <message>
        <source>Zuchtpaar %1: Die Henne %2 gibt es nicht im Bestand.</source>
        <translation>Pareja reproductora %1: la hembra %2 no está en el plantel.</translation>
    </message>
    <message>
        <source>Zuchtpaar %1, Gelege %2, Ei %3: Den Jungvogel %4 gibt es nicht im Bestand.</source>
        <translation>Pareja reproductora %1, puesta %2, huevo %3: la cría %4 no está en el plantel.</translation>
    </message>
    <message>
        <source>Das Bild %1 gehört zu keinem Tier.</source>
        <translation>La imagen %1 no pertenece a ningún ejemplar.</translation>
    </message>
    <message>
        <source>Zu %1 gibt es Zusatzdaten (Verbleib, Ausstellungen oder Erbanlagen), aber kein Tier im Bestand trägt diese Ringnummer.</source>
        <translation>Hay datos adicionales (destino, concursos o factores genéticos) de %1, pero ningún ejemplar del plantel lleva este número de anilla.</translation>
    </message>
</context>
<context>
    <name>DataCheckDialog</name>
    <message>
        <source>Datenprüfung</source>
        <translation>Comprobación de datos</translation>
    </message>
    <message>
        <source>Gefundenes</source>
        <translation>Incidencias</translation>
    </message>
    <message>
        <source>Keine Auffälligkeiten gefunden.</source>
        <translation>No se ha encontrado nada anómalo.</translation>
    </message>
    <message>
        <source>%1 Auffälligkeiten gefunden:</source>
        <translation>Se han encontrado %1 incidencias:</translation>
    </message>
</context>
<context>
    <name>DataFiles</name>
    <message>
        <source>Ihre Version der Datenbank ist mit dieser Version nicht kompatibel. Bitte kontaktieren Sie den Autor unter %1. Die Daten können dann ins neue Format konvertiert werden.</source>
        <extracomment>%1 is the program&apos;s web page</extracomment>
        <translation>Su versión de la base de datos no es compatible con esta versión. Póngase en contacto con el autor en %1. Los datos podrán entonces convertirse al nuevo formato.</translation>
    </message>
    <message>
        <source>Die Datei %1 ist vorhanden, kann aber nicht gelesen werden: %2

An ihr wurde nichts geändert. Bitte prüfen Sie, ob Sie diese Datei lesen dürfen (Zugriffsrechte) und ob der Datenträger in Ordnung ist.</source>
        <translation>El archivo %1 existe, pero no se puede leer: %2

No se ha modificado nada en él. Compruebe si tiene permiso para leer este archivo (derechos de acceso) y si la unidad está en buen estado.</translation>
    </message>
    <message>
        <source>Die Datei %1 ist beschädigt und konnte nicht vollständig gelesen werden (%2).

%3</source>
        <extracomment>%1 is the file, %2 what is wrong with it, %3 what was read of it</extracomment>
        <translation>El archivo %1 está dañado y no se ha podido leer por completo (%2).

%3</translation>
    </message>
    <message>
        <source>

Eine Kopie der Originaldatei konnte nicht angelegt werden: %1 Die Datei wird erst überschrieben, wenn diese Kopie beim Speichern gelingt.</source>
        <translation>

No se ha podido crear una copia del archivo original: %1 El archivo no se sobrescribirá hasta que esta copia se cree correctamente al guardar.</translation>
    </message>
    <message>
        <source>

Die Originaldatei wurde unverändert aufbewahrt als %1.</source>
        <translation>

El archivo original se ha conservado sin cambios como %1.</translation>
    </message>
    <message>
        <source>

Das Programm arbeitet mit den zuletzt vollständig gespeicherten Daten und versucht es beim nächsten Speichern noch einmal.</source>
        <translation>

El programa trabaja con los últimos datos guardados por completo y volverá a intentarlo la próxima vez que se guarde.</translation>
    </message>
    <message>
        <source>Gelesen wurden %1 von %2 Kanarienvögel. Das Programm arbeitet mit den gelesenen Daten weiter.</source>
        <translation>Se han leído %1 de %2 canarios. El programa continúa con los datos leídos.</translation>
    </message>
    <message>
        <source>Die Zuchtpaare wurden nicht geladen; das Programm beginnt mit einer leeren Zuchtpaar-Liste.</source>
        <translation>No se han cargado las parejas reproductoras; el programa comienza con una lista de parejas reproductoras vacía.</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde nicht gespeichert, weil von der beim Start beschädigten Datei keine Kopie angelegt werden kann: %2</source>
        <translation>No se ha guardado el archivo %1 porque no se puede crear una copia del archivo que estaba dañado al iniciar: %2</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht gespeichert werden: %2

Die bisherige Datei ist unverändert geblieben.</source>
        <translation>No se ha podido guardar el archivo %1: %2

El archivo anterior no se ha modificado.</translation>
    </message>
</context>
<context>
    <name>DataFolder</name>
    <message>
        <source>Auf dem Datenträger des Datenordners „%1“ ist kaum noch Platz frei (%2). Ein Speichern braucht etwa %3; Ihre Änderungen könnten dann nicht gespeichert werden.

Bitte schaffen Sie Platz, etwa indem Sie nicht mehr benötigte Dateien löschen. Die bisherigen Daten bleiben dabei in jedem Fall erhalten.</source>
        <translation>En la unidad de la carpeta de datos «%1» apenas queda espacio libre (%2). Para guardar se necesitan unos %3; es posible que entonces no se puedan guardar sus cambios.

Libere espacio, por ejemplo eliminando archivos que ya no necesite. Los datos existentes se conservan en cualquier caso.</translation>
    </message>
</context>
<context>
    <name>DataFolderLock</name>
    <message>
        <source>Im Datenordner %1 darf Avelor nichts ändern: Der Ordner oder der Datenträger ist schreibgeschützt. So könnte keine Änderung gespeichert werden; darum startet das Programm nicht.

Bitte geben Sie den Ordner zum Schreiben frei (Zugriffsrechte) und starten Sie Avelor danach neu.</source>
        <translation>Avelor no puede modificar nada en la carpeta de datos %1: la carpeta o la unidad está protegida contra escritura. No se podría guardar ningún cambio, por eso el programa no se inicia.

Permita la escritura en la carpeta (derechos de acceso) y vuelva a iniciar Avelor.</translation>
    </message>
    <message>
        <source>Auf dem Datenträger des Datenordners %1 ist kein Platz mehr frei. So könnte keine Änderung gespeichert werden; darum startet das Programm nicht.

Bitte schaffen Sie Platz (etwa indem Sie nicht mehr benötigte Dateien löschen) und starten Sie Avelor danach neu.</source>
        <translation>En la unidad de la carpeta de datos %1 ya no queda espacio libre. No se podría guardar ningún cambio, por eso el programa no se inicia.

Libere espacio (por ejemplo eliminando archivos que ya no necesite) y vuelva a iniciar Avelor.</translation>
    </message>
    <message>
        <source>Der Datenordner %1 kann nicht benutzt werden: %2</source>
        <translation>No se puede usar la carpeta de datos %1: %2</translation>
    </message>
    <message>
        <source>Avelor ist für diese Daten bereits geöffnet.

Bitte arbeiten Sie in dem Fenster weiter, das schon offen ist (es kann hinter anderen Fenstern liegen oder in der Taskleiste stecken), oder beenden Sie es dort mit „Alles speichern und Programm beenden“ und starten Sie Avelor danach neu. So gehen keine Änderungen verloren.</source>
        <translation>Avelor ya está abierto para estos datos.

Siga trabajando en la ventana que ya está abierta (puede estar detrás de otras ventanas o en la barra de tareas), o ciérrela allí con «Guardar todo y salir» y vuelva a iniciar Avelor. Así no se pierde ningún cambio.</translation>
    </message>
</context>
<context>
    <name>DeleteAnimalDialog</name>
    <message>
        <source>Kanarienvögel löschen</source>
        <translation>Eliminar canarios</translation>
    </message>
    <message>
        <source>Wählen Sie den Kanarienvogel, d. Sie 
löschen möchten aus und klicken 
Sie auf &quot;Löschen&quot;.</source>
        <translation>Elija el canario que desea 
eliminar y haga clic 
en &quot;Eliminar&quot;.</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Eliminar</translation>
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
        <translation>Use esta opción para quitar un
ejemplar de la lista activa del
plantel. El registro no se borra,
sino que sigue existiendo en
segundo plano. Simplemente deja
de aparecer en la lista de
selección para imprimir un
certificado de genealogía.

Útil, por ejemplo, para &quot;eliminar&quot;
canarios fallecidos y mantener
la lista clara. El ejemplar
eliminado se conserva en los
registros de los vínculos con
los padres.</translation>
    </message>
    <message>
        <source>Bitte erst den Kanarienvogel auswählen, dann auf löschen klicken.</source>
        <translation>Elija primero el canario y después haga clic en Eliminar.</translation>
    </message>
</context>
<context>
    <name>DescendantsDialog</name>
    <message>
        <source>Kinder, Enkel und Urenkel des Kanarienvogels finden</source>
        <translation>Buscar hijos, nietos y bisnietos del canario</translation>
    </message>
    <message>
        <source>Finde Kinder, Enkel und Urenkel des Kanarienvogels mit Ringnr:</source>
        <translation>Buscar hijos, nietos y bisnietos del canario con n.º de anilla:</translation>
    </message>
    <message>
        <source>Suchen</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Such-Ergebnisse</source>
        <translation>Resultados de la búsqueda</translation>
    </message>
    <message>
        <source>Kinder</source>
        <translation>Hijos</translation>
    </message>
    <message>
        <source>Gefundene Kinder:</source>
        <translation>Hijos encontrados:</translation>
    </message>
    <message>
        <source>Enkel</source>
        <translation>Nietos</translation>
    </message>
    <message>
        <source>Gefundene Enkel:</source>
        <translation>Nietos encontrados:</translation>
    </message>
    <message>
        <source>Ur-Enkel</source>
        <translation>Bisnietos</translation>
    </message>
    <message>
        <source>Gefundene Ur-Enkel:</source>
        <translation>Bisnietos encontrados:</translation>
    </message>
    <message>
        <source>Ur-Ur-Enkel</source>
        <translation>Tataranietos</translation>
    </message>
    <message>
        <source>Gefundene Ur-Ur-Enkel:</source>
        <translation>Tataranietos encontrados:</translation>
    </message>
    <message>
        <source>Ein Doppelklick zeigt den Abstammungsnachweis an.</source>
        <translation>Un doble clic muestra el certificado de genealogía.</translation>
    </message>
    <message>
        <source>Infos zur Auswahl:</source>
        <translation>Información de la selección:</translation>
    </message>
    <message>
        <source>Bemerkungen</source>
        <translation>Observaciones</translation>
    </message>
    <message>
        <source>Bitte zuerst den Kanarienvogel in der Liste anklicken.</source>
        <translation>Haga clic primero en el canario de la lista.</translation>
    </message>
    <message>
        <source>Züchter: %1</source>
        <translation>Criador: %1</translation>
    </message>
</context>
<context>
    <name>DiskBackup</name>
    <message>
        <source>Es wird nun ein schnelles Backup auf die gleiche Festplatte gemacht auf der auch die reguläre Datenbank des Programms läuft. Dies erfüllt nicht den Zweck eines Backups. Wenn die Festplatte beschädigt werden sollte sind der aktuelle Datenbestand UND das Backup davon betroffen.

Die Sicherungskopie wird im Ordner %1 gespeichert. Sie sollten diesen Ordner auf eine CD brennen oder die USB-Backup-Funktion weiter oben nutzen.</source>
        <extracomment>%1 is the folder of the backup</extracomment>
        <translation>Ahora se hará una copia de seguridad rápida en el mismo disco en el que se encuentra la base de datos habitual del programa. Esto no cumple la función de una copia de seguridad: si el disco se daña, se verán afectados los datos actuales Y la copia de seguridad.

La copia de seguridad se guarda en la carpeta %1. Debería grabar esta carpeta en un CD o usar la función de copia de seguridad en USB que se encuentra más arriba.</translation>
    </message>
    <message>
        <source>Die Bilder werden gesichert</source>
        <translation>Guardando copia de las imágenes</translation>
    </message>
    <message>
        <source>Die Datensicherung ist fehlgeschlagen.</source>
        <translation>La copia de seguridad ha fallado.</translation>
    </message>
    <message>
        <source>Sicherheitsabfrage</source>
        <translation>Confirmación</translation>
    </message>
    <message>
        <source>Beim Rückholen des Backups wird der auf dem Rechner befindliche Stand überschrieben.
<byte value="xd"/>Soll das Backup wirklich von der Festplatte zurückgeholt werden?</source>
        <translation>Al restaurar la copia de seguridad se sobrescriben los datos de este equipo.
</translation>
    </message>
    <message>
        <source>Die Bilder werden zurückgeholt</source>
        <translation>Restaurando las imágenes</translation>
    </message>
    <message>
        <source>Es wurde kein Backup gefunden.</source>
        <translation>No se ha encontrado ninguna copia de seguridad.</translation>
    </message>
    <message>
        <source>Fehler beim Wiederherstellen des Festplatten-Backups</source>
        <translation>Error al restaurar la copia de seguridad del disco</translation>
    </message>
</context>
<context>
    <name>DriveDialog</name>
    <message>
        <source>Laufwerk</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>Sollte das Laufwerk nicht erscheinen bitte die Anwendung neu starten.</source>
        <translation>Si la unidad no aparece, reinicie la aplicación.</translation>
    </message>
    <message>
        <source>Bitte zuerst ein Laufwerk auswählen.</source>
        <translation>Seleccione primero una unidad.</translation>
    </message>
    <message>
        <source>Kein USB-Stick und keine externe Festplatte gefunden</source>
        <translation>No se ha encontrado ninguna memoria USB ni ningún disco externo</translation>
    </message>
</context>
<context>
    <name>Drives</name>
    <message>
        <source>%1 (%2, schreibgeschützt)</source>
        <extracomment>%1 is a drive&apos;s name, %2 where it is mounted</extracomment>
        <translation>%1 (%2, protegida contra escritura)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source> (schreibgeschützt)</source>
        <translation> (protegida contra escritura)</translation>
    </message>
</context>
<context>
    <name>EnterAnimalsDialog</name>
    <message>
        <source>&lt;= Nach dem Anlegen Feld so belassen</source>
        <translation>&lt;= Conservar este campo tras el registro</translation>
    </message>
    <message>
        <source>Kanarienvögel eingeben</source>
        <translation>Introducir canarios</translation>
    </message>
    <message>
        <source>Hier können Sie neue Kanarienvögel anlegen. Füllen Sie dazu 
alle Felder aus und klicken Sie anschließend auf 
&quot;Kanarienvogel anlegen&quot;.</source>
        <translation>Aquí puede registrar canarios nuevos. Para ello, rellene 
todos los campos y haga clic después en 
&quot;Registrar canario&quot;.</translation>
    </message>
    <message>
        <source>Bemerkungen:
(Punkte etc.)</source>
        <translation>Observaciones:
(puntos, etc.)</translation>
    </message>
    <message>
        <source>Kanarienvogel anlegen</source>
        <translation>Registrar canario</translation>
    </message>
    <message>
        <source>Wenn Sie oben alles eingetragen haben können Sie hier klicken um den Kanarienvogel zu speichern.</source>
        <translation>Cuando haya rellenado todo lo anterior, haga clic aquí para guardar el canario.</translation>
    </message>
    <message>
        <source>Idealerweise 170x120 Pixel</source>
        <translation>Idealmente 170x120 píxeles</translation>
    </message>
    <message>
        <source>Bild auswählen</source>
        <translation>Elegir imagen</translation>
    </message>
    <message>
        <source>Serieneingabe anzeigen</source>
        <translation>Mostrar entrada en serie</translation>
    </message>
    <message>
        <source>Geben Sie hier die Ringnummer des Kanarienvogels an.</source>
        <translation>Indique aquí el número de anilla del canario.</translation>
    </message>
    <message>
        <source>Geben Sie hier das Geschlecht des Kanarienvogels an. Sollte dieses noch nicht bekannt sein, dann wählen Sie bitte &quot;unbekannt&quot; aus.</source>
        <translation>Indique aquí el sexo del canario. Si aún no se conoce, elija &quot;desconocido&quot;.</translation>
    </message>
    <message>
        <source>Geben Sie hier das Geburtsjahr des Kanarienvogels an. Auch wenn das Jahr bspw. in der Ringnummer enthalten ist ist diese Angabe für das Sortieren nach Geburtsjahr trotzdem wichtig.</source>
        <translation>Indique aquí el año de nacimiento del canario. Aunque el año forme parte del número de anilla, este dato es necesario para ordenar por año de nacimiento.</translation>
    </message>
    <message>
        <source>Wer ist der Züchter des Kanarienvogels?</source>
        <translation>¿Quién es el criador del canario?</translation>
    </message>
    <message>
        <source>Geben Sie hier die Farbe des Kanarienvogels an. Die Zeichnung (einfarbig, gepunktet, etc.) können Sie weiter unten festlegen.</source>
        <translation>Indique aquí el color del canario. El diseño (limpio, marcado, etc.) puede indicarse más abajo.</translation>
    </message>
    <message>
        <source>Geben Sie hier die Zeichnung des Kanarienvogels (z.B. einfarbig oder gescheckt) an.</source>
        <translation>Indique aquí el diseño del canario (p. ej. limpio o manchado).</translation>
    </message>
    <message>
        <source>Geben Sie hier die Rasse / Art des Kanarienvogels (z.B. Jungvogel oder Zuchtweibchen) an.</source>
        <translation>Indique aquí la raza / especie del canario (p. ej. cría o hembra reproductora).</translation>
    </message>
    <message>
        <source>Hier können Sie verschiedenste Dinge des Kanarienvogels eintragen. Das können erreichte Punkte, Medallien, Tod, usw. sein. Diese Infos werden auf dem Abstammungsnachweis gedruckt.</source>
        <translation>Aquí puede anotar todo tipo de datos del canario: puntos obtenidos, medallas, fallecimiento, etc. Esta información se imprime en el certificado de genealogía.</translation>
    </message>
    <message>
        <source>Die Informationen die Sie hier eintragen erscheinen auf der Kanarienvögelbestandsliste.</source>
        <translation>Lo que introduzca aquí aparece en la lista del plantel de canarios.</translation>
    </message>
    <message>
        <source>Serieneingabe: </source>
        <translation>Entrada en serie </translation>
    </message>
    <message>
        <source>&lt;= Die ersten</source>
        <translation>&lt;= Conservar los primeros</translation>
    </message>
    <message>
        <source>Stellen nach dem Speichern belassen</source>
        <translation>caracteres tras guardar</translation>
    </message>
    <message>
        <source>Serieneingabe mit fortlaufender Ringnummer: </source>
        <translation>Entrada en serie con números de anilla consecutivos </translation>
    </message>
    <message>
        <source>Sie haben z.B. 20 fortlaufende Ringnummern? Kein Problem! Einfach den Bereich &quot;von&quot; und &quot;bis&quot; ausfüllen und es werden die gewünschte Anzahl Kanarienvögel angelegt. </source>
        <translation>¿Tiene, por ejemplo, 20 números de anilla consecutivos? ¡Ningún problema! Basta con rellenar el intervalo &quot;desde&quot; y &quot;hasta&quot; y se registra el número de canarios deseado. </translation>
    </message>
    <message>
        <source>Alle anderen Daten werden von den links ausgefüllten Informationen genommen.</source>
        <translation>Todos los demás datos se toman de lo rellenado a la izquierda.</translation>
    </message>
    <message>
        <source>z.B. 06165-12-</source>
        <translation>p. ej. 06165-12-</translation>
    </message>
    <message>
        <source>z.B. 084</source>
        <translation>p. ej. 084</translation>
    </message>
    <message>
        <source>z.B. 121</source>
        <translation>p. ej. 121</translation>
    </message>
    <message>
        <source>Anfang der Ringnummer:</source>
        <translation>Inicio del número de anilla:</translation>
    </message>
    <message>
        <source>von:</source>
        <translation>desde:</translation>
    </message>
    <message>
        <source>bis:</source>
        <translation>hasta:</translation>
    </message>
    <message>
        <source>Führende Nullen bei der Ringnummer eingeben!.</source>
        <translation>¡Introduzca los ceros iniciales del número de anilla!</translation>
    </message>
    <message>
        <source>Kanarienvögel anlegen</source>
        <translation>Registrar canarios</translation>
    </message>
    <message>
        <source>Fortschritt</source>
        <translation>Progreso</translation>
    </message>
</context>
<context>
    <name>EntryFormReport</name>
    <message>
        <source>Ausstellungsmeldung</source>
        <translation>Inscripción en concurso</translation>
    </message>
    <message>
        <source>Seite %1</source>
        <translation>Página %1</translation>
    </message>
    <message>
        <source>Ausstellung:</source>
        <translation>Concurso:</translation>
    </message>
    <message>
        <source>Ort:</source>
        <translation>Lugar:</translation>
    </message>
    <message>
        <source>Datum:</source>
        <translation>Fecha:</translation>
    </message>
    <message>
        <source>Meldeschluss:</source>
        <translation>Cierre de inscripciones:</translation>
    </message>
    <message>
        <source>Veranstalter:</source>
        <translation>Organizador:</translation>
    </message>
    <message>
        <source>Aussteller</source>
        <translation>Expositor</translation>
    </message>
    <message>
        <source>Telefon: %1</source>
        <translation>Teléfono: %1</translation>
    </message>
    <message>
        <source>Züchternummer: %1</source>
        <translation>Número de criador: %1</translation>
    </message>
    <message>
        <source>Vereinsnummer: %1</source>
        <translation>Número de club: %1</translation>
    </message>
    <message>
        <source>Datum und Unterschrift des Ausstellers:</source>
        <translation>Fecha y firma del expositor:</translation>
    </message>
</context>
<context>
    <name>ExpectedYoungModel</name>
    <message>
        <source>Hahn</source>
        <translation>Macho</translation>
    </message>
    <message>
        <source>Henne</source>
        <translation>Hembra</translation>
    </message>
    <message>
        <source>Geschlecht</source>
        <translation>Sexo</translation>
    </message>
    <message>
        <source>Anteil</source>
        <translation>Proporción</translation>
    </message>
    <message>
        <source>Farbe</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>sichtbar</source>
        <translation>visual</translation>
    </message>
    <message>
        <source>spalterbig</source>
        <translation>portador</translation>
    </message>
</context>
<context>
    <name>ExpectedYoungView</name>
    <message>
        <source>Die Jungen, die das Paar erwarten lässt, nach Geschlecht und Anteil</source>
        <translation>Las crías que cabe esperar de la pareja, por sexo y proporción</translation>
    </message>
    <message>
        <source>Erwartete Jungen</source>
        <translation>Crías esperadas</translation>
    </message>
</context>
<context>
    <name>ExportTool</name>
    <message>
        <source>colours nimmt entweder --pair HAHN HENNE oder --cock ANLAGEN und --hen ANLAGEN.</source>
        <translation>colours admite o bien --pair MACHO HEMBRA o bien --cock FACTORES y --hen FACTORES.</translation>
    </message>
    <message>
        <source>colours --pair nimmt genau zwei Ringnummern: Hahn und Henne.</source>
        <translation>colours --pair admite exactamente dos números de anilla: macho y hembra.</translation>
    </message>
    <message>
        <source>Hahn und Henne müssen zwei verschiedene Ringnummern sein.</source>
        <translation>El macho y la hembra deben ser dos números de anilla distintos.</translation>
    </message>
    <message>
        <source>colours nimmt --cock ANLAGEN und --hen ANLAGEN, etwa --cock &quot;braun,/opal&quot; --hen &quot;achat&quot;.</source>
        <translation>colours admite --cock FACTORES y --hen FACTORES, p. ej. --cock &quot;braun,/opal&quot; --hen &quot;achat&quot;.</translation>
    </message>
    <message>
        <source>--phase nimmt coupling (auf einem Z-Chromosom) oder repulsion (auf je einem).</source>
        <translation>--phase admite coupling (en un mismo cromosoma Z) o repulsion (cada uno en uno).</translation>
    </message>
    <message>
        <source>--crossover nimmt einen Anteil von 0 bis 0.5, etwa 0.33.</source>
        <translation>--crossover admite una proporción de 0 a 0.5, p. ej. 0.33.</translation>
    </message>
    <message>
        <source>Den Ring „%1“ gibt es nicht im Bestand.</source>
        <translation>La anilla «%1» no está en el plantel.</translation>
    </message>
    <message>
        <source>colours --pair nimmt zuerst den Hahn, dann die Henne; „%1“ ist als Henne eingetragen.</source>
        <translation>colours --pair espera primero el macho y después la hembra; «%1» figura como hembra.</translation>
    </message>
    <message>
        <source>colours --pair nimmt zuerst den Hahn, dann die Henne; „%1“ ist als Hahn eingetragen.</source>
        <translation>colours --pair espera primero el macho y después la hembra; «%1» figura como macho.</translation>
    </message>
    <message>
        <source>Ob %1 beim Hahn auf einem Z-Chromosom liegen oder auf je einem, ist unbekannt; bitte mit --phase coupling oder --phase repulsion angeben.</source>
        <extracomment>%1 names the factors whose phase is unknown.</extracomment>
        <translation>Se desconoce si %1 se encuentran en un mismo cromosoma Z del macho o cada uno en uno; indíquelo con --phase coupling o --phase repulsion.</translation>
    </message>
    <message>
        <source>Die Zusatzdaten konnten nicht vollständig gelesen werden: %1</source>
        <translation>No se han podido leer por completo los datos adicionales: %1</translation>
    </message>
    <message>
        <source>--year nimmt ein Jahr von 1 bis 9999, etwa 2026.</source>
        <translation>--year admite un año de 1 a 9999, p. ej. 2026.</translation>
    </message>
    <message>
        <source>Die Datei „%1“ konnte nicht geschrieben werden: %2</source>
        <translation>No se ha podido escribir el archivo «%1»: %2</translation>
    </message>
    <message>
        <source>Geschrieben: %1</source>
        <translation>Escrito: %1</translation>
    </message>
    <message>
        <source>Es fehlt die Ringnummer.</source>
        <translation>Falta el número de anilla.</translation>
    </message>
    <message>
        <source>Eine Stammbaumdatei wird für genau eine Ringnummer geschrieben.</source>
        <translation>Un archivo de genealogía se escribe para exactamente un número de anilla.</translation>
    </message>
    <message>
        <source>Die Ringnummer „%1“ ist nicht im Bestand.</source>
        <translation>El número de anilla «%1» no está en el plantel.</translation>
    </message>
    <message>
        <source>Ein Zuchtpaar %1 gibt es nicht; es gibt %2.</source>
        <extracomment>%1 is the number asked for, %2 how many breeding pairs there are.</extracomment>
        <translation>No existe la pareja reproductora %1; hay %2.</translation>
    </message>
    <message>
        <source>Ein Stammblatt wird für genau eine Ringnummer geschrieben.</source>
        <translation>Una ficha del ejemplar se escribe para exactamente un número de anilla.</translation>
    </message>
    <message>
        <source>--by nimmt ring oder year, --layout one oder two.</source>
        <translation>--by admite ring o year; --layout, one o two.</translation>
    </message>
    <message>
        <source>stocklist nimmt keine weiteren Angaben.</source>
        <translation>stocklist no admite más argumentos.</translation>
    </message>
    <message>
        <source>pairsheet nimmt die Nummer eines Zuchtpaares, gezählt ab 1.</source>
        <translation>pairsheet admite el número de una pareja reproductora, contando desde 1.</translation>
    </message>
    <message>
        <source>%1 nimmt eine ganze Zahl ab %2.</source>
        <extracomment>%1 is an option such as --days, %2 the smallest number it takes.</extracomment>
        <translation>%1 admite un número entero a partir de %2.</translation>
    </message>
    <message>
        <source>--date nimmt ein Datum wie 2026-04-05.</source>
        <translation>--date admite una fecha como 2026-04-05.</translation>
    </message>
    <message>
        <source>due nimmt keine weiteren Angaben als --date und --days.</source>
        <translation>due no admite más argumentos que --date y --days.</translation>
    </message>
    <message>
        <source>season nimmt genau ein Jahr von 1 bis 9999, etwa 2026.</source>
        <translation>season admite exactamente un año de 1 a 9999, p. ej. 2026.</translation>
    </message>
    <message>
        <source>mates nimmt genau eine Ringnummer.</source>
        <translation>mates admite exactamente un número de anilla.</translation>
    </message>
    <message>
        <source>Hinweis zu %1: Ein Tier ist sein eigener Vorfahr; diese Verbindung wurde übergangen.</source>
        <extracomment>%1 is a ring, or the rings of a cock and a hen.</extracomment>
        <translation>Nota sobre %1: un ejemplar es su propio antepasado; se ha omitido este vínculo.</translation>
    </message>
    <message>
        <source>Keine Auffälligkeiten gefunden.</source>
        <translation>No se ha encontrado nada anómalo.</translation>
    </message>
    <message>
        <source>%1 nimmt keine weiteren Angaben.</source>
        <translation>%1 no admite más argumentos.</translation>
    </message>
    <message>
        <source>csv schreibt stock, breeding oder shows.</source>
        <translation>csv escribe stock, breeding o shows.</translation>
    </message>
    <message>
        <source>Nach --pair stehen der Ring des Hahns und der der Henne.</source>
        <translation>Tras --pair van la anilla del macho y la de la hembra.</translation>
    </message>
    <message>
        <source>Die Ausgabedatei (-o) muss auf .%1 enden.</source>
        <translation>El archivo de salida (-o) debe terminar en .%1.</translation>
    </message>
    <message>
        <source>Die Ausgabedatei (-o) muss auf .%1 oder .%2 enden.</source>
        <translation>El archivo de salida (-o) debe terminar en .%1 o .%2.</translation>
    </message>
    <message>
        <source>Die Ausgabedatei (-o) muss auf .%1 oder .%2 oder .%3 enden.</source>
        <translation>El archivo de salida (-o) debe terminar en .%1, .%2 o .%3.</translation>
    </message>
    <message>
        <source>Nach %1 fehlt eine Angabe.</source>
        <translation>Falta un valor después de %1.</translation>
    </message>
    <message>
        <source>%1 ist mehrfach angegeben.</source>
        <translation>%1 se ha indicado más de una vez.</translation>
    </message>
    <message>
        <source>--pair nimmt keinen Wert; die zwei Ringnummern folgen dem Befehl.</source>
        <translation>--pair no admite ningún valor; los dos números de anilla van después del comando.</translation>
    </message>
    <message>
        <source>Unbekannte Angabe „%1“.</source>
        <translation>Argumento desconocido «%1».</translation>
    </message>
    <message>
        <source>Es fehlt der Befehl.</source>
        <translation>Falta el comando.</translation>
    </message>
    <message>
        <source>Unbekannter Befehl „%1“.</source>
        <translation>Comando desconocido «%1».</translation>
    </message>
    <message>
        <source>%1 nimmt die Angabe %2 nicht.</source>
        <translation>%1 no admite %2.</translation>
    </message>
    <message>
        <source>Den Datenordner „%1“ gibt es nicht.</source>
        <translation>La carpeta de datos «%1» no existe.</translation>
    </message>
    <message>
        <source>Der Datenordner „%1“ kann nicht gelesen werden: %2</source>
        <translation>No se puede leer la carpeta de datos «%1»: %2</translation>
    </message>
    <message>
        <source>„%1“ ist kein Ordner.</source>
        <translation>«%1» no es una carpeta.</translation>
    </message>
    <message>
        <source>Die Bestandsdatei „%1“ gibt es nicht.</source>
        <translation>El archivo del plantel «%1» no existe.</translation>
    </message>
    <message>
        <source>--size nimmt a6, a7 oder card.</source>
        <translation>--size admite a6, a7 o card.</translation>
    </message>
    <message>
        <source>Nach --pair fehlen die Nummern der Zuchtpaare.</source>
        <translation>Faltan los números de las parejas reproductoras después de --pair.</translation>
    </message>
    <message>
        <source>cagecards --pair nimmt die Nummern von Zuchtpaaren, gezählt ab 1.</source>
        <translation>cagecards --pair admite los números de parejas reproductoras, contando desde 1.</translation>
    </message>
    <message>
        <source>location nimmt höchstens einen Ort; Orte mit Leerzeichen in Anführungszeichen.</source>
        <translation>location admite como máximo un lugar; los lugares con espacios, entre comillas.</translation>
    </message>
    <message>
        <source>Hinweis: Der Ring %1 ist an mehr als einem Vogel.</source>
        <translation>Aviso: la anilla %1 la lleva más de un ave.</translation>
    </message>
    <message>
        <source>Es fehlt der Name der Ausstellung (in Anführungszeichen, wenn er Leerzeichen enthält).</source>
        <translation>Falta el nombre del concurso (entre comillas si contiene espacios).</translation>
    </message>
    <message>
        <source>Eine Ausstellung „%1“ ist nicht eingetragen.</source>
        <translation>No hay ningún concurso «%1» registrado.</translation>
    </message>
    <message>
        <source>--sheet nimmt 3x8 oder 3x7.</source>
        <translation>--sheet admite 3x8 o 3x7.</translation>
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
  avelor-export [--data CARPETA] pedigree ANILLA... -o ARCHIVO
  avelor-export [--data CARPETA] recordsheet ANILLA -o ARCHIVO
  avelor-export [--data CARPETA] stocklist [--by ring|year] [--breed RAZA] [--layout one|two] -o ARCHIVO
  avelor-export [--data CARPETA] pairsheet N -o ARCHIVO
  avelor-export [--data CARPETA] cagecards (--pair N... | RING...) [--size a6|a7|card] -o ARCHIVO
  avelor-export [--data CARPETA] csv stock|breeding|shows -o ARCHIVO
  avelor-export [--data CARPETA] inbreeding ANILLA...
  avelor-export [--data CARPETA] inbreeding --pair MACHO HEMBRA
  avelor-export [--data CARPETA] check
  avelor-export [--data CARPETA] shows [--year AÑO]
  avelor-export [--data CARPETA] sales [--year AÑO]
  avelor-export [--data CARPETA] location [LUGAR]
  avelor-export [--data CARPETA] rings [--year AÑO]
  avelor-export [--data CARPETA] entries CONCURSO -o ARCHIVO
  avelor-export [--data CARPETA] labels CONCURSO [--sheet 3x8|3x7] -o ARCHIVO
  avelor-export [--data CARPETA] due [--date AAAA-MM-DD] [--days N]
  avelor-export [--data CARPETA] season AÑO
  avelor-export [--data CARPETA] mates ANILLA [--breed RAZA] [--limit N]
  avelor-export [--data CARPETA] colours --pair MACHO HEMBRA [--crossover PROPORCIÓN] [--phase coupling|repulsion]
  avelor-export colours --cock FACTORES --hen FACTORES [--crossover PROPORCIÓN]
  avelor-export --version

Escribe certificados de genealogía (una página por anilla), una ficha del ejemplar, la
lista del plantel o la hoja de la N-ésima pareja reproductora (contando desde 1); cagecards las
fichas de jaula de parejas reproductoras o aves sueltas, varias por hoja A4 (a7 si
falta --size). ARCHIVO termina en
.pdf o .png; la lista del plantel, también en .html; pedigree para una anilla, también en .json
(el archivo de genealogía para el comprador); csv escribe el plantel, los
datos de cría o los resultados de concursos para una hoja de cálculo. inbreeding
escribe una línea por anilla: anilla, tabulador, coeficiente de consanguinidad como fracción decimal;
con --pair, el de las crías de una pareja. check informa de las incidencias del plantel.
shows escribe una línea por resultado de concurso y sales, una por ejemplar vendido o cedido, con
tabuladores; due, las tareas de cría pendientes; season, las cifras de las parejas
de un año; mates, las posibles parejas de un ejemplar, las menos emparentadas primero.
location escribe una línea por ave del plantel: anilla, ubicación, desde (AAAA-MM-DD);
con LUGAR solo las aves de allí.
rings escribe una línea por entrega de anillas: año,
federación, tamaño, primera y última anilla, usadas, libres.
entries escribe la hoja de inscripción del último concurso registrado con ese nombre
(como .csv las inscripciones con sus puntos), labels sus etiquetas de jaula en hojas
de etiquetas A4 (3x8: 70 × 37 mm, 3x7: 70 × 42,3 mm; 3x8 si falta --sheet).
colours escribe una línea por tipo de cría de una pareja: macho o hembra, proporción,
factores visuales y ocultos, color; FACTORES como &quot;braun,/opal&quot; (&quot;/&quot;: portador).
Varias páginas en PNG se convierten en ARCHIVO-1.png, ARCHIVO-2.png, etc.
Sin --data se lee la carpeta de datos del programa; nunca se escribe nada
en ella. Más información en la página del manual: man avelor-export

Códigos de salida: 0 hecho (check: no se ha encontrado nada), 1 una anilla o pareja reproductora
no está en el plantel (check: se ha encontrado algo), 2 llamada incorrecta, 3 datos no legibles
o archivo no escribible.
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
        <translation>No se ha podido escribir el archivo «%1»: %2</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde erstellt.</source>
        <translation>Se ha creado el archivo %1.</translation>
    </message>
</context>
<context>
    <name>FolderCopy</name>
    <message>
        <source>Der Ordner „%1“ konnte nicht angelegt werden.</source>
        <translation>No se ha podido crear la carpeta «%1».</translation>
    </message>
    <message>
        <source>Der Ordner „%1“ konnte nicht ersetzt werden.</source>
        <translation>No se ha podido sustituir la carpeta «%1».</translation>
    </message>
    <message>
        <source>Der bisherige Ordner „%1“ konnte nicht nach „%2“ verschoben werden; er liegt noch unter „%3“.</source>
        <translation>No se ha podido mover la carpeta anterior «%1» a «%2»; sigue en «%3».</translation>
    </message>
</context>
<context>
    <name>GeneticsPanel</name>
    <message>
        <source>Erbanlagen</source>
        <translation>Factores genéticos</translation>
    </message>
    <message>
        <source>Was die Eltern und Jungen im Bestand belegen oder wahrscheinlich machen</source>
        <translation>Lo que los padres y las crías del plantel demuestran o hacen probable</translation>
    </message>
    <message>
        <source>Laut Farbe „%1“ sichtbar: %2 (gilt, wo nichts eingetragen ist).</source>
        <translation>Visual según el color «%1»: %2 (se aplica donde no hay nada registrado).</translation>
    </message>
    <message>
        <source>Aus dem Stammbaum: keine verdeckten Anlagen belegt.</source>
        <translation>Según la genealogía: no se demuestra ningún factor oculto.</translation>
    </message>
    <message>
        <source>Aus dem Stammbaum:
%1</source>
        <translation>Según la genealogía:
%1</translation>
    </message>
</context>
<context>
    <name>ImportFields</name>
    <message>
        <source>Ringnummer</source>
        <translation>Número de anilla</translation>
    </message>
    <message>
        <source>Geschlecht</source>
        <translation>Sexo</translation>
    </message>
    <message>
        <source>Geburtsjahr</source>
        <translation>Año de nacimiento</translation>
    </message>
    <message>
        <source>Züchter</source>
        <translation>Criador</translation>
    </message>
    <message>
        <source>Farbe</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Zeichnung</source>
        <translation>Diseño</translation>
    </message>
    <message>
        <source>Art/Rasse</source>
        <translation>Especie/raza</translation>
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
        <translation>Observaciones</translation>
    </message>
    <message>
        <source>Bemerkungen Bestandsliste</source>
        <translation>Observaciones lista del plantel</translation>
    </message>
    <message>
        <source>Verkauft</source>
        <translation>Vendido</translation>
    </message>
    <message>
        <source>Verbleib</source>
        <translation>Destino</translation>
    </message>
    <message>
        <source>Verbleib seit</source>
        <translation>Destino desde</translation>
    </message>
    <message>
        <source>Käufer</source>
        <translation>Comprador</translation>
    </message>
    <message>
        <source>Anschrift des Käufers</source>
        <translation>Dirección del comprador</translation>
    </message>
    <message>
        <source>Preis (€)</source>
        <translation>Precio (€)</translation>
    </message>
    <message>
        <source>Notiz zum Verbleib</source>
        <translation>Nota sobre el destino</translation>
    </message>
    <message>
        <source>Erbanlagen</source>
        <translation>Factores genéticos</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Schau</source>
        <translation>Concurso</translation>
    </message>
    <message>
        <source>Klasse</source>
        <translation>Clase</translation>
    </message>
    <message>
        <source>Punkte</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Auszeichnung/Platz</source>
        <translation>Premio/puesto</translation>
    </message>
    <message>
        <source>Kollektion</source>
        <translation>Equipo</translation>
    </message>
    <message>
        <source>nicht übernehmen</source>
        <translation>no importar</translation>
    </message>
    <message>
        <source>Datum der Schau</source>
        <translation>Fecha del concurso</translation>
    </message>
</context>
<context>
    <name>ImportPreviewModel</name>
    <message>
        <source>neu</source>
        <translation>nuevo</translation>
    </message>
    <message>
        <source>ändert %1</source>
        <translation>modifica %1</translation>
    </message>
    <message>
        <source>unverändert</source>
        <translation>sin cambios</translation>
    </message>
    <message>
        <source>Fehler: %1</source>
        <translation>Error: %1</translation>
    </message>
    <message>
        <source>anders in der Datei, behalten: %1</source>
        <translation>distinto en el archivo, se conserva: %1</translation>
    </message>
    <message>
        <source>Zeile</source>
        <translation>Fila</translation>
    </message>
    <message>
        <source>Ringnummer</source>
        <translation>Número de anilla</translation>
    </message>
    <message>
        <source>Ergebnis</source>
        <translation>Resultado</translation>
    </message>
</context>
<context>
    <name>ImportStockDialog</name>
    <message>
        <source>Bestand importieren</source>
        <translation>Importar plantel</translation>
    </message>
    <message>
        <source>Noch keine Datei gewählt.</source>
        <translation>Aún no se ha elegido ningún archivo.</translation>
    </message>
    <message>
        <source>&amp;Datei wählen…</source>
        <translation>Elegir &amp;archivo…</translation>
    </message>
    <message>
        <source>&amp;Spalten der Datei und was sie enthalten:</source>
        <translation>&amp;Columnas del archivo y su contenido:</translation>
    </message>
    <message>
        <source>Spalte</source>
        <translation>Columna</translation>
    </message>
    <message>
        <source>Erste Zeile</source>
        <translation>Primera fila</translation>
    </message>
    <message>
        <source>wird übernommen als</source>
        <translation>se importa como</translation>
    </message>
    <message>
        <source>Spalten der Datei</source>
        <translation>Columnas del archivo</translation>
    </message>
    <message>
        <source>Bei Ringnummern, die schon im Bestand sind:</source>
        <translation>Para los números de anilla que ya están en el plantel:</translation>
    </message>
    <message>
        <source>gefüllte Felder der Datei &amp;überschreiben das Gespeicherte</source>
        <translation>los campos rellenos del archivo &amp;sobrescriben lo guardado</translation>
    </message>
    <message>
        <source>Gespeichertes &amp;behalten, nur leere Felder füllen</source>
        <translation>&amp;mantener lo guardado, rellenar solo los campos vacíos</translation>
    </message>
    <message>
        <source>&amp;Vorschau:</source>
        <translation>&amp;Vista previa:</translation>
    </message>
    <message>
        <source>Vorschau des Imports</source>
        <translation>Vista previa de la importación</translation>
    </message>
    <message>
        <source>&amp;Importieren</source>
        <translation>&amp;Importar</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Bestand importieren: Datei wählen</source>
        <translation>Importar plantel: elegir archivo</translation>
    </message>
    <message>
        <source>Tabellen und Stammbaumdateien (*.csv *.txt *.json);;Alle Dateien (*)</source>
        <translation>Tablas y archivos de genealogía (*.csv *.txt *.json);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden: %2</source>
        <translation>No se puede leer el archivo %1: %2</translation>
    </message>
    <message>
        <source>Stammbaum von %1, abgegeben von %2 (%3 Vögel)</source>
        <translation>Genealogía de %1, procedente de %2 (%3 ejemplares)</translation>
    </message>
    <message>
        <source>Datei: %1 (%2 Zeilen)</source>
        <translation>Archivo: %1 (%2 filas)</translation>
    </message>
    <message>
        <source>Spalte %1 übernehmen als</source>
        <translation>Importar la columna %1 como</translation>
    </message>
    <message>
        <source>Die Datei wird geprüft …</source>
        <translation>Comprobando el archivo …</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Die Prüfung wurde abgebrochen; es wird nichts importiert. „Datei wählen…“ beginnt sie von vorn.</source>
        <translation>Se ha cancelado la comprobación; no se importa nada. «Elegir archivo…» la vuelve a iniciar.</translation>
    </message>
    <message>
        <source>Keine Spalte ist als Ringnummer gewählt.</source>
        <translation>No se ha elegido ninguna columna como número de anilla.</translation>
    </message>
    <message>
        <source>Solange eine Zeile fehlerhaft ist, wird nichts importiert.</source>
        <translation>Mientras haya una fila con errores, no se importa nada.</translation>
    </message>
    <message>
        <source>Eltern, die weder im Bestand noch in der Datei stehen: %1</source>
        <translation>Padres que no están ni en el plantel ni en el archivo: %1</translation>
    </message>
    <message>
        <source>Der Bestand wurde importiert (%1). „Rückgängig“ nimmt den ganzen Import zurück.</source>
        <translation>Se ha importado el plantel (%1). «Deshacer» anula toda la importación.</translation>
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
  avelor-import [--data CARPETA] [--dry-run] [--keep] ARCHIVO...
  avelor-import --version

Carga tablas (CSV, p. ej. de una hoja de cálculo o de avelor-export csv stock)
en el plantel: los números de anilla nuevos se añaden y los conocidos reciben los campos que
rellena el archivo; el destino y los factores genéticos van a los datos adicionales, al igual que
los resultados de concursos de avelor-export csv shows. Las columnas se reconocen por sus
encabezados. Por cada fila con un problema, una línea &quot;Fila N: …&quot;; al final,
el resumen. Si una fila tiene un
error, no se carga nada. Un archivo de genealogía (.json, de avelor-export pedigree)
aporta un ejemplar comprado con sus antepasados; lo ya guardado se queda como está.
  --dry-run  solo comprobar, no escribir nada
  --keep     conservar los valores guardados donde el archivo tenga otros (si no, sobrescribir)
Sin --data se usa la carpeta de datos del programa; mientras el programa la
tenga abierta, no se carga nada. Más información en la página del manual: man avelor-import

Códigos de salida: 0 todo cargado, 1 una fila tenía errores (no se ha cargado nada),
2 llamada incorrecta, 3 datos o archivo no legibles o no escribibles, 4 carpeta de datos
en uso.
</translation>
    </message>
    <message>
        <source>--data nimmt einen Ordner.</source>
        <translation>--data admite una carpeta.</translation>
    </message>
    <message>
        <source>Unbekannte Option %1.</source>
        <translation>Opción desconocida %1.</translation>
    </message>
    <message>
        <source>Keine Datei zum Einlesen angegeben.</source>
        <translation>No se ha indicado ningún archivo para cargar.</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden: %2</source>
        <translation>No se puede leer el archivo %1: %2</translation>
    </message>
    <message>
        <source>Stammbaum von %1, abgegeben von %2</source>
        <translation>Genealogía de %1, procedente de %2</translation>
    </message>
    <message>
        <source>Vogel %1: %2</source>
        <translation>Ejemplar %1: %2</translation>
    </message>
    <message>
        <source>Zeile %1: %2</source>
        <translation>Fila %1: %2</translation>
    </message>
    <message>
        <source>%1: anders in der Datei, das Gespeicherte bleibt: %2</source>
        <translation>%1: distinto en el archivo, se mantiene lo guardado: %2</translation>
    </message>
    <message>
        <source>Eltern, die weder im Bestand noch in der Datei stehen: %1</source>
        <translation>Padres que no están ni en el plantel ni en el archivo: %1</translation>
    </message>
</context>
<context>
    <name>ImportWords</name>
    <message>
        <source>hahn</source>
        <extracomment>The word for a cock in a spreadsheet&apos;s sex column, lower case, as the import understands it.</extracomment>
        <translation>macho</translation>
    </message>
    <message>
        <source>henne</source>
        <extracomment>The word for a hen in a spreadsheet&apos;s sex column, lower case, as the import understands it.</extracomment>
        <translation>hembra</translation>
    </message>
    <message>
        <source>ja</source>
        <extracomment>&quot;yes&quot; in a spreadsheet&apos;s sold column, lower case, as the import understands it.</extracomment>
        <translation>sí</translation>
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
        <translation>Aves en la lista: %1</translation>
    </message>
</context>
<context>
    <name>LocationPanel</name>
    <message>
        <source>Käfig, Voliere oder Raum, in dem der Vogel sitzt; leer, wenn er keinen Platz hat</source>
        <translation>Jaula, voladera o habitación donde está el ave; vacío si no tiene lugar</translation>
    </message>
    <message>
        <source>Seit wann der Vogel dort sitzt, im Format TT.MM.JJJJ; leer: heute</source>
        <translation>Desde cuándo está el ave allí, con el formato DD.MM.AAAA; vacío: hoy</translation>
    </message>
    <message>
        <source>TT.MM.JJJJ</source>
        <translation>DD.MM.AAAA</translation>
    </message>
    <message>
        <source>Wo der Vogel bisher saß, mit dem Tag des Umsetzens</source>
        <translation>Dónde estuvo el ave, con el día de cada traslado</translation>
    </message>
    <message>
        <source>seit</source>
        <translation>desde</translation>
    </message>
    <message>
        <source>Standort</source>
        <translation>Ubicación</translation>
    </message>
    <message>
        <source>S&amp;tandort:</source>
        <translation>&amp;Ubicación:</translation>
    </message>
    <message>
        <source>s&amp;eit:</source>
        <translation>&amp;desde:</translation>
    </message>
    <message>
        <source>&amp;Bisherige Standorte:</source>
        <translation>Ubicaciones &amp;anteriores:</translation>
    </message>
    <message>
        <source>(ohne Standort)</source>
        <translation>(sin ubicación)</translation>
    </message>
    <message>
        <source>Ungültiges Datum beim Standort!</source>
        <translation>¡Fecha de ubicación no válida!</translation>
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
        <translation>Ubicación</translation>
    </message>
    <message>
        <source>seit</source>
        <translation>desde</translation>
    </message>
    <message>
        <source>Ringnummer</source>
        <translation>Número de anilla</translation>
    </message>
    <message>
        <source>Geschlecht</source>
        <translation>Sexo</translation>
    </message>
    <message>
        <source>Jahr</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>Farbe</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Rasse</source>
        <translation>Raza</translation>
    </message>
</context>
<context>
    <name>LocationsWindow</name>
    <message>
        <source>Standorte</source>
        <translation>Ubicaciones</translation>
    </message>
    <message>
        <source>Welche Vögel die Liste zeigt</source>
        <translation>Qué aves muestra la lista</translation>
    </message>
    <message>
        <source>Die Vögel mit ihrem Standort; mehrere lassen sich mit Umschalt- oder Strg-Taste auswählen</source>
        <translation>Las aves con su ubicación; se eligen varias con Mayús o Ctrl</translation>
    </message>
    <message>
        <source>Vögel und ihre Standorte</source>
        <translation>Aves y sus ubicaciones</translation>
    </message>
    <message>
        <source>Käfig, Voliere oder Raum, in den die ausgewählten Vögel kommen; leer: aus dem Standort nehmen</source>
        <translation>Jaula, voladera o habitación a la que van las aves elegidas; vacío: sacarlas de su ubicación</translation>
    </message>
    <message>
        <source>Der Tag des Umsetzens, im Format TT.MM.JJJJ</source>
        <translation>El día del traslado, con el formato DD.MM.AAAA</translation>
    </message>
    <message>
        <source>TT.MM.JJJJ</source>
        <translation>DD.MM.AAAA</translation>
    </message>
    <message>
        <source>Ausgewählte &amp;umsetzen</source>
        <translation>&amp;Trasladar las elegidas</translation>
    </message>
    <message>
        <source>Setzt alle ausgewählten Vögel in einem Schritt um</source>
        <translation>Traslada todas las aves elegidas en un solo paso</translation>
    </message>
    <message>
        <source>&amp;Zeigen:</source>
        <translation>&amp;Mostrar:</translation>
    </message>
    <message>
        <source>Umsetzen &amp;nach:</source>
        <translation>Trasladar &amp;a:</translation>
    </message>
    <message>
        <source>&amp;am:</source>
        <translation>&amp;el:</translation>
    </message>
    <message>
        <source>&amp;Drucken…</source>
        <translation>&amp;Imprimir…</translation>
    </message>
    <message>
        <source>Die gezeigte Liste in der Vorschau, zum Drucken oder Speichern als PDF</source>
        <translation>La lista mostrada en la vista previa, para imprimir o guardar como PDF</translation>
    </message>
    <message>
        <source>Als &amp;CSV-Datei speichern…</source>
        <translation>Guardar como archivo &amp;CSV…</translation>
    </message>
    <message>
        <source>Die gezeigte Liste für eine Tabellenkalkulation</source>
        <translation>La lista mostrada, para una hoja de cálculo</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Alle Vögel im Bestand</source>
        <translation>Todas las aves del plantel</translation>
    </message>
    <message>
        <source>Vögel ohne Standort</source>
        <translation>Aves sin ubicación</translation>
    </message>
    <message>
        <source>Bitte zuerst die Vögel in der Liste auswählen.</source>
        <translation>Elija primero las aves en la lista.</translation>
    </message>
    <message>
        <source>Ungültiges Datum beim Umsetzen!</source>
        <translation>¡Fecha del traslado no válida!</translation>
    </message>
    <message>
        <source>Standort %1</source>
        <translation>Ubicación %1</translation>
    </message>
    <message>
        <source>die Standortliste</source>
        <translation>la lista de ubicaciones</translation>
    </message>
    <message>
        <source>Standorte</source>
        <comment>file name of the printed list of locations</comment>
        <translation>Ubicaciones</translation>
    </message>
    <message>
        <source>Standorte speichern</source>
        <translation>Guardar ubicaciones</translation>
    </message>
    <message>
        <source>Standorte.csv</source>
        <translation>Ubicaciones.csv</translation>
    </message>
    <message>
        <source>Vögel in der Liste: %1</source>
        <translation>Aves en la lista: %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Avelor Abstammungsnachweis für Kanarienvögel</source>
        <translation>Avelor Certificado de genealogía para canarios</translation>
    </message>
    <message>
        <source>Alles speichern und Programm beenden</source>
        <translation>Guardar todo y salir</translation>
    </message>
    <message>
        <source>Züchterdaten</source>
        <translation>Datos del criador</translation>
    </message>
    <message>
        <source>Kanarienvögel anlegen</source>
        <translation>Registrar canarios</translation>
    </message>
    <message>
        <source>Kanarienvögel löschen</source>
        <translation>Eliminar canarios</translation>
    </message>
    <message>
        <source>Kanarienvögel ändern</source>
        <translation>Modificar canarios</translation>
    </message>
    <message>
        <source>Kanarienvögel suchen</source>
        <translation>Buscar canarios</translation>
    </message>
    <message>
        <source>Elternbeziehungen</source>
        <translation>Vínculos con los padres</translation>
    </message>
    <message>
        <source>Kanarienvögelbestandsliste anzeigen</source>
        <translation>Mostrar lista del plantel de canarios</translation>
    </message>
    <message>
        <source>Kanarienvögelbestandsliste drucken</source>
        <translation>Imprimir lista del plantel de canarios</translation>
    </message>
    <message>
        <source>Kinder, Enkel &amp;&amp; Urenkel</source>
        <translation>Hijos, nietos &amp;&amp; bisnietos</translation>
    </message>
    <message>
        <source>Nachwuchsverwaltung</source>
        <translation>Gestión de la cría</translation>
    </message>
    <message>
        <source>Frage</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>Wollen sie das Programm beenden?</source>
        <translation>¿Desea salir del programa?</translation>
    </message>
</context>
<context>
    <name>MatePlanner</name>
    <message>
        <source>Die Ringnummer „%1“ ist nicht im Bestand.</source>
        <translation>El número de anilla «%1» no está en el plantel.</translation>
    </message>
    <message>
        <source>Das Geschlecht des Kanarienvogels „%1“ ist unbekannt; ohne es lassen sich keine Partner suchen.</source>
        <translation>Se desconoce el sexo del canario «%1»; sin él no se pueden buscar parejas.</translation>
    </message>
</context>
<context>
    <name>MatePlannerWindow</name>
    <message>
        <source>Partnersuche</source>
        <translation>Búsqueda de pareja</translation>
    </message>
    <message>
        <source>Der Hahn oder die Henne, für die ein Partner gesucht wird</source>
        <translation>El macho o la hembra para el que se busca pareja</translation>
    </message>
    <message>
        <source>Nur Rasse:</source>
        <translation>Solo raza:</translation>
    </message>
    <message>
        <source>Die am wenigsten verwandten Partner stehen oben; eng verwandte sind rot</source>
        <translation>Las parejas menos emparentadas aparecen arriba; las muy emparentadas, en rojo</translation>
    </message>
    <message>
        <source>Mögliche Partner</source>
        <translation>Posibles parejas</translation>
    </message>
    <message>
        <source>Als &amp;Zuchtpaar anlegen…</source>
        <translation>Registrar como &amp;pareja reproductora…</translation>
    </message>
    <message>
        <source>Öffnet die Nachwuchsverwaltung mit beiden Vögeln als neues Zuchtpaar</source>
        <translation>Abre la gestión de la cría con ambos ejemplares como nueva pareja reproductora</translation>
    </message>
    <message>
        <source>Kanarienvogel:</source>
        <translation>Canario:</translation>
    </message>
    <message>
        <source>Bitte den Kanarienvogel wählen.</source>
        <translation>Elija el canario.</translation>
    </message>
    <message>
        <source>%1 mögliche Partner, die am wenigsten verwandten zuerst.</source>
        <translation>%1 posibles parejas, las menos emparentadas primero.</translation>
    </message>
    <message>
        <source>Bitte zuerst einen Partner in der Liste anklicken.</source>
        <translation>Haga clic primero en una pareja de la lista.</translation>
    </message>
</context>
<context>
    <name>MateTableModel</name>
    <message>
        <source>Eng verwandt: Die Jungen hätten einen Inzuchtkoeffizienten von %1.</source>
        <translation>Parientes cercanos: las crías tendrían un coeficiente de consanguinidad de %1.</translation>
    </message>
    <message>
        <source>eng verwandt</source>
        <translation>parientes cercanos</translation>
    </message>
    <message>
        <source>Ringnummer</source>
        <translation>Número de anilla</translation>
    </message>
    <message>
        <source>Inzucht der Jungen</source>
        <translation>Consanguinidad de las crías</translation>
    </message>
    <message>
        <source>Verwandtschaft</source>
        <translation>Parentesco</translation>
    </message>
    <message>
        <source>Farben der Jungen</source>
        <translation>Colores de las crías</translation>
    </message>
</context>
<context>
    <name>MoreWindowsButton</name>
    <message>
        <source>Saison und Auswertungen</source>
        <translation>Temporada e informes</translation>
    </message>
    <message>
        <source>&amp;Zuchtkalender…</source>
        <translation>&amp;Calendario de cría…</translation>
    </message>
    <message>
        <source>Zucht&amp;statistik…</source>
        <translation>&amp;Estadística de cría…</translation>
    </message>
    <message>
        <source>&amp;Partnersuche…</source>
        <translation>&amp;Búsqueda de pareja…</translation>
    </message>
    <message>
        <source>&amp;Farbvererbung…</source>
        <translation>&amp;Herencia del color…</translation>
    </message>
    <message>
        <source>&amp;Ausstellungsergebnisse…</source>
        <translation>&amp;Resultados de concursos…</translation>
    </message>
    <message>
        <source>S&amp;tandorte…</source>
        <translation>&amp;Ubicaciones…</translation>
    </message>
    <message>
        <source>&amp;Ringbestand…</source>
        <translation>&amp;Inventario de anillas…</translation>
    </message>
    <message>
        <source>Ausstellungs&amp;meldung…</source>
        <translation>I&amp;nscripción en concursos…</translation>
    </message>
</context>
<context>
    <name>PairGroup</name>
    <message>
        <source>Zuchtpaar zum Drucken auswählen: </source>
        <translation>Pareja reproductora para imprimir </translation>
    </message>
    <message>
        <source>Zuchtpaar</source>
        <translation>Pareja reproductora</translation>
    </message>
    <message>
        <source>Zuchtpaar drucken</source>
        <translation>Imprimir pareja reproductora</translation>
    </message>
    <message>
        <source>Bitte Zuchtpaar auswählen, dass Sie drucken möchten.</source>
        <translation>Elija la pareja reproductora que desea imprimir.</translation>
    </message>
    <message>
        <source>das Zuchtpaar</source>
        <translation>la pareja reproductora</translation>
    </message>
    <message>
        <source>Zuchtpaar</source>
        <comment>file name of the printed pair</comment>
        <translation>Pareja reproductora</translation>
    </message>
    <message>
        <source>Käfigkarten…</source>
        <translation>Fichas de jaula…</translation>
    </message>
    <message>
        <source>Karten für die Zuchtkäfige oder einzelne Vögel, mit QR-Code der Ringnummern</source>
        <translation>Fichas para las jaulas de cría o aves sueltas, con un código QR de los números de anilla</translation>
    </message>
</context>
<context>
    <name>PairSheet</name>
    <message>
        <source>unbekannt</source>
        <translation>desconocido</translation>
    </message>
    <message>
        <source>männlich </source>
        <translation>macho </translation>
    </message>
    <message>
        <source>weiblich </source>
        <translation>hembra </translation>
    </message>
    <message>
        <source>Gelege %1:      Erstes Ei          letztes Ei          Anzahl Eier          Gelege gesetzt
<byte value="xd"/></source>
        <translation>Puesta %1:      Primer huevo       Último huevo        N.º de huevos        Puesta colocada
</translation>
    </message>
    <message>
        <source>aus Gelege %1: Ringnummer             Geschlecht    Rasse/Art                           abgesetzt
<byte value="xd"/></source>
        <translation>de puesta %1:  N.º de anilla          Sexo          Raza/especie                        destetado
</translation>
    </message>
    <message>
        <source>nicht beringt</source>
        <translation>sin anillar</translation>
    </message>
    <message>
        <source>für Zuchtpaar %1 und %2</source>
        <translation>para la pareja reproductora %1 y %2</translation>
    </message>
</context>
<context>
    <name>PairSheetReport</name>
    <message>
        <source>Ringnummer:</source>
        <translation>Número de anilla:</translation>
    </message>
    <message>
        <source>Art/Rasse:</source>
        <translation>Especie/raza:</translation>
    </message>
    <message>
        <source>Farbe::</source>
        <translation>Color:</translation>
    </message>
    <message>
        <source>Zuchtpaarauszug aus Zuchtdatei</source>
        <translation>Ficha de pareja reproductora</translation>
    </message>
    <message>
        <source>Details zu Vogel (m) 1.0:</source>
        <translation>Datos del ejemplar (m) 1.0:</translation>
    </message>
    <message>
        <source>Details zu Vogel (w) 0.1:</source>
        <translation>Datos del ejemplar (h) 0.1:</translation>
    </message>
    <message>
        <source>Gelege:</source>
        <translation>Puesta:</translation>
    </message>
    <message>
        <source>Beringungen:</source>
        <translation>Anillamientos:</translation>
    </message>
    <message>
        <source>Erstellt mit Avelor Abstammungsnachweis</source>
        <translation>Creado con Avelor Certificado de genealogía</translation>
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
        <translation>CANARIO VENDIDO</translation>
    </message>
    <message>
        <source>keine</source>
        <comment>no mother</comment>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>keiner</source>
        <comment>no father</comment>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>Gespeichert ist die Mutter %1 und der Vater %2, in der Auswahl aber nicht aufgeführt (verkauft, gelöscht oder ausgefiltert). Beim Speichern wird diese Verbindung entfernt.

Trotzdem speichern?</source>
        <extracomment>%1 is the mother&apos;s ring, %2 the father&apos;s</extracomment>
        <translation>La madre %1 y el padre %2 guardados no figuran en la selección (vendidos, eliminados o excluidos por el filtro). Al guardar se eliminarán estos vínculos.

¿Guardar de todos modos?</translation>
    </message>
    <message>
        <source>Gespeichert ist die Mutter %1, in der Auswahl aber nicht aufgeführt (verkauft, gelöscht oder ausgefiltert). Beim Speichern wird diese Verbindung entfernt.

Trotzdem speichern?</source>
        <translation>La madre %1 guardada no figura en la selección (vendida, eliminada o excluida por el filtro). Al guardar se eliminará este vínculo.

¿Guardar de todos modos?</translation>
    </message>
    <message>
        <source>Gespeichert ist der Vater %1, in der Auswahl aber nicht aufgeführt (verkauft, gelöscht oder ausgefiltert). Beim Speichern wird diese Verbindung entfernt.

Trotzdem speichern?</source>
        <translation>El padre %1 guardado no figura en la selección (vendido, eliminado o excluido por el filtro). Al guardar se eliminará este vínculo.

¿Guardar de todos modos?</translation>
    </message>
</context>
<context>
    <name>ParentLinksDialog</name>
    <message>
        <source>Sobald sie alle Kanarienvögel eingegeben haben, müssen Sie hier die Elternbeziehungen festlegen, damit das Programm weiß, wie sich die Familienverhältnisse verhalten um einen Abstammungsnachweis erstellen zu können.

Wählen Sie links in der Liste aller Kanarienvögel das Kind aus und legen Sie anschließend Vater und Mutter dazu fest. Klicken Sie dann auf &quot;Speichern&quot;.

Wählen Sie dann den Vater und die Mutter nacheinander in der linken Liste aus und wählen Sie deren Eltern. Das Programm kennt dann die Eltern des Jungvogels, sowie die Eltern der Eltern (die Großeltern des Jungvogels).

Auf diese Weise können Sie bis zu 4 Generationen verknüpfen, indem Sie immer nur die Eltern des Jungvogels, des Vaters und der Mutter, der Großmütter und der Großväter, usw. angeben.</source>
        <translation>Una vez que haya introducido todos los canarios, establezca aquí los vínculos con los padres para que el programa conozca las relaciones familiares y pueda crear un certificado de genealogía.

Elija a la izquierda, en la lista de todos los canarios, la cría y establezca después su padre y su madre. Haga clic entonces en &quot;Guardar&quot;.

A continuación, elija uno tras otro el padre y la madre en la lista de la izquierda y seleccione los padres de cada uno. Así el programa conoce los padres de la cría y los padres de los padres (los abuelos de la cría).

De este modo puede vincular hasta 4 generaciones, indicando siempre solo los padres de la cría, del padre y de la madre, de las abuelas y de los abuelos, etc.</translation>
    </message>
    <message>
        <source>Elternbeziehungen</source>
        <translation>Vínculos con los padres</translation>
    </message>
    <message>
        <source>Liste aller Kanarienvögel:</source>
        <translation>Lista de todos los canarios:</translation>
    </message>
    <message>
        <source>zur Zeit gespeicherte Mutter:</source>
        <translation>madre guardada actualmente:</translation>
    </message>
    <message>
        <source>zur Zeit gespeicherter Vater:</source>
        <translation>padre guardado actualmente:</translation>
    </message>
    <message>
        <source>Verkaufte Kanarienvögel in allen 3 Listen ausblenden</source>
        <translation>Ocultar los canarios vendidos en las 3 listas</translation>
    </message>
    <message>
        <source>Gelöschte Kanarienvögel in den Eltern-Teil-Auswahlliste anzeigen</source>
        <translation>Mostrar los canarios eliminados en las listas de selección de padres</translation>
    </message>
    <message>
        <source>Filter auch für Elterntiereauswahl anwenden</source>
        <translation>Aplicar el filtro también a la selección de padres</translation>
    </message>
    <message>
        <source>Eltern dieses Vogels ändern:</source>
        <translation>Modificar los padres de este ejemplar:</translation>
    </message>
    <message>
        <source>=&gt; keine Mutter</source>
        <translation>=&gt; sin madre</translation>
    </message>
    <message>
        <source>=&gt; kein Vater</source>
        <translation>=&gt; sin padre</translation>
    </message>
    <message>
        <source>neue Mutter:</source>
        <translation>nueva madre:</translation>
    </message>
    <message>
        <source>neuer Vater:</source>
        <translation>nuevo padre:</translation>
    </message>
    <message>
        <source>Neue Eltern des Vogels speichern</source>
        <translation>Guardar los nuevos padres del ejemplar</translation>
    </message>
    <message>
        <source>Wählen Sie nun Mutter und Vater d. ausgew. Kanarienvogel aus und klicken Sie auf &quot;Speichern&quot;.</source>
        <translation>Elija ahora la madre y el padre del canario seleccionado y haga clic en &quot;Guardar&quot;.</translation>
    </message>
    <message>
        <source>Bitte das Jungtier auswählen.</source>
        <translation>Elija la cría.</translation>
    </message>
    <message>
        <source>Frage</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>Die Eltern wurden erfolgreich gespeichert.</source>
        <translation>Se han guardado los padres.</translation>
    </message>
</context>
<context>
    <name>PedigreeGroup</name>
    <message>
        <source>Abstammungsnachweis:</source>
        <translation>Certificado de genealogía:</translation>
    </message>
    <message>
        <source>Für Kanarienvogel mit Ring-Nr.:</source>
        <translation>Para el canario con n.º de anilla:</translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Anzeigen</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Nur Stammblatt drucken</source>
        <translation>Imprimir solo la ficha del ejemplar</translation>
    </message>
    <message>
        <source>Stammbaum als Datei speichern…</source>
        <translation>Guardar genealogía como archivo…</translation>
    </message>
    <message>
        <source>Freier Text:</source>
        <translation>Texto libre:</translation>
    </message>
    <message>
        <source>Käuferdaten:</source>
        <translation>Datos del comprador:</translation>
    </message>
</context>
<context>
    <name>PedigreeImport</name>
    <message>
        <source>Das ist keine Stammbaumdatei von Avelor.</source>
        <translation>No es un archivo de genealogía de Avelor.</translation>
    </message>
    <message>
        <source>Diese Stammbaumdatei hat die Formatversion %1; dieses Programm kennt bis %2. Bitte Avelor aktualisieren, um sie einzulesen.</source>
        <translation>Este archivo de genealogía tiene la versión de formato %1; este programa conoce hasta la %2. Actualice Avelor para cargarlo.</translation>
    </message>
    <message>
        <source>erhalten von %1</source>
        <translation>recibido de %1</translation>
    </message>
    <message>
        <source>Die Stammbaumdatei enthält keinen Vogel.</source>
        <translation>El archivo de genealogía no contiene ningún ejemplar.</translation>
    </message>
</context>
<context>
    <name>PedigreeReading</name>
    <message>
        <source>unter 1 %</source>
        <translation>menos del 1 %</translation>
    </message>
    <message>
        <source>sicher spalterbig für %1: %2</source>
        <translation>portador seguro de %1: %2</translation>
    </message>
    <message>
        <source>spalterbig für %1: %2, %3</source>
        <translation>portador de %1: %2, %3</translation>
    </message>
    <message>
        <source>spalterbig</source>
        <translation>portador</translation>
    </message>
    <message>
        <source>zu %1 spalterbig</source>
        <translation>portador al %1</translation>
    </message>
    <message>
        <source>Vater und Mutter %1</source>
        <translation>padre y madre %1</translation>
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
        <translation>cría %1 %2</translation>
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
        <translation>Certificado de genealogía</translation>
    </message>
    <message>
        <source>Erstellt mit Avelor Abstammungsnachweis - Internet: %1</source>
        <translation>Creado con Avelor Certificado de genealogía - Internet: %1</translation>
    </message>
    <message>
        <source>Verkauft an:</source>
        <translation>Vendido a:</translation>
    </message>
    <message>
        <source>Farbe: </source>
        <translation>Color: </translation>
    </message>
    <message>
        <source>Züchter: </source>
        <translation>Criador: </translation>
    </message>
    <message>
        <source>Art: </source>
        <translation>Raza: </translation>
    </message>
    <message>
        <source>Jahrgang: </source>
        <translation>Año: </translation>
    </message>
    <message>
        <source>für %1</source>
        <translation>para %1</translation>
    </message>
    <message>
        <source>Tel.: </source>
        <translation>Tel.: </translation>
    </message>
    <message>
        <source>Inzuchtkoeffizient: %1 (Schleife in den Elternbeziehungen übergangen)</source>
        <translation>Coeficiente de consanguinidad: %1 (se ha omitido un bucle en los vínculos con los padres)</translation>
    </message>
    <message>
        <source>Inzuchtkoeffizient: %1</source>
        <translation>Coeficiente de consanguinidad: %1</translation>
    </message>
</context>
<context>
    <name>PictureBox</name>
    <message>
        <source>Bild</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Bild kann nicht angezeigt werden</source>
        <translation>No se puede mostrar la imagen</translation>
    </message>
</context>
<context>
    <name>PictureDecoder</name>
    <message>
        <source>Das Bild „%1“ kann nicht angezeigt werden: %2</source>
        <translation>No se puede mostrar la imagen «%1»: %2</translation>
    </message>
    <message>
        <source>Die JPEG-Daten sind fehlerhaft (%1).</source>
        <translation>Los datos JPEG son defectuosos (%1).</translation>
    </message>
    <message>
        <source>Das Dateiformat ist unbekannt oder die Datei ist beschädigt.</source>
        <translation>El formato de archivo es desconocido o el archivo está dañado.</translation>
    </message>
    <message>
        <source>Die Datei kann nicht gelesen werden.</source>
        <translation>No se puede leer el archivo.</translation>
    </message>
</context>
<context>
    <name>PictureStore</name>
    <message>
        <source>Der Bilderordner „%1“ konnte nicht angelegt werden.</source>
        <translation>No se ha podido crear la carpeta de imágenes «%1».</translation>
    </message>
    <message>
        <source>Das Bild für %1 konnte nicht gespeichert werden: %2</source>
        <translation>No se ha podido guardar la imagen de %1: %2</translation>
    </message>
    <message>
        <source>Das Bild von %1 wurde nicht umbenannt, weil es unter %2 schon ein Bild gibt. Bitte prüfen Sie beide Bilder im Ordner „%3“.</source>
        <translation>No se ha cambiado el nombre de la imagen de %1 porque ya existe una imagen con el nombre %2. Compruebe ambas imágenes en la carpeta «%3».</translation>
    </message>
    <message>
        <source>Das Bild von %1 konnte nicht nach %2 umbenannt werden: %3</source>
        <translation>No se ha podido cambiar el nombre de la imagen de %1 a %2: %3</translation>
    </message>
    <message>
        <source>Das Bild von %1 konnte nicht gelöscht werden: %2</source>
        <translation>No se ha podido eliminar la imagen de %1: %2</translation>
    </message>
</context>
<context>
    <name>PreferencesStore</name>
    <message>
        <source>Einstellungen des Abstammungsnachweises geändert</source>
        <translation>Configuración del certificado de genealogía modificada</translation>
    </message>
    <message>
        <source>Tage des Zuchtkalenders geändert</source>
        <translation>Días del calendario de cría modificados</translation>
    </message>
    <message>
        <source>Sprache geändert</source>
        <translation>Idioma cambiado</translation>
    </message>
</context>
<context>
    <name>PrintSettingsDialog</name>
    <message>
        <source>Einstellungen für den Druck</source>
        <translation>Configuración de impresión</translation>
    </message>
    <message>
        <source>Nachwuchsverwaltung anzeigen</source>
        <translation>Mostrar gestión de la cría</translation>
    </message>
    <message>
        <source>Druck des Abstammungsnachweises:</source>
        <translation>Impresión del certificado de genealogía:</translation>
    </message>
    <message>
        <source>Jahrgang auf Abstammungs-Nachweis drucken</source>
        <translation>Imprimir el año en el certificado de genealogía</translation>
    </message>
    <message>
        <source>Prefixe anzeigen (&quot;Züchter:&quot;, &quot;Farbe:&quot;, ...)</source>
        <translation>Mostrar prefijos (&quot;Criador:&quot;, &quot;Color:&quot;, ...)</translation>
    </message>
    <message>
        <source>&quot;Verkauft an:&quot; + eingegebenen Text anzeigen</source>
        <translation>Mostrar &quot;Vendido a:&quot; + el texto introducido</translation>
    </message>
    <message>
        <source>Bild des Vogels anzeigen (sofern vorhanden)</source>
        <translation>Mostrar la imagen del ejemplar (si la hay)</translation>
    </message>
    <message>
        <source>Freien Text anzeigen (ohne &quot;Verkauft an:&quot;)</source>
        <translation>Mostrar el texto libre (sin &quot;Vendido a:&quot;)</translation>
    </message>
    <message>
        <source>Rasse bei UGE und Züchter bei UUGE</source>
        <translation>Raza en BA y criador en TA</translation>
    </message>
    <message>
        <source>Bemerkungen bei UGE und UUGE</source>
        <translation>Observaciones en BA y TA</translation>
    </message>
    <message>
        <source>Schriftgröße:</source>
        <translation>Tamaño de letra:</translation>
    </message>
    <message>
        <source>Oben rechts anzeigen:</source>
        <translation>Mostrar arriba a la derecha:</translation>
    </message>
    <message>
        <source>Bei den Urgroßeltern (UGE) und Ururgroßeltern (UUGE)
anzeigen:</source>
        <translation>Mostrar en los bisabuelos (BA)
y tatarabuelos (TA):</translation>
    </message>
    <message>
        <source>Zweizeilig (mehr Informationen)</source>
        <translation>Dos líneas (más información)</translation>
    </message>
    <message>
        <source>Einzeilig (übersichtlicher, da kompakter)</source>
        <translation>Una línea (más clara y compacta)</translation>
    </message>
    <message>
        <source>Layout Kanarienvögelbestandsliste:</source>
        <translation>Formato de la lista del plantel de canarios:</translation>
    </message>
    <message>
        <source>Farbe für den Kopf:</source>
        <translation>Color del encabezado:</translation>
    </message>
    <message>
        <source>Farbe für männlich:</source>
        <translation>Color para machos:</translation>
    </message>
    <message>
        <source>Farbe für weiblich:</source>
        <translation>Color para hembras:</translation>
    </message>
    <message>
        <source>Zusätzlich auf dem Abstammungsnachweis:</source>
        <translation>Además, en el certificado de genealogía:</translation>
    </message>
    <message>
        <source>Inzuchtkoeffizient auf dem Abstammungsnachweis</source>
        <translation>Coeficiente de consanguinidad en el certificado de genealogía</translation>
    </message>
    <message>
        <source>Mehrfach vorkommende Ahnen markieren</source>
        <translation>Marcar los antepasados que aparecen más de una vez</translation>
    </message>
    <message>
        <source>Bestes Ausstellungsergebnis auf dem Stammblatt</source>
        <translation>Mejor resultado de concurso en la ficha del ejemplar</translation>
    </message>
    <message>
        <source>Sprache</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>wie das System (%1)</source>
        <translation>como el sistema (%1)</translation>
    </message>
    <message>
        <source>Die Sprache der Fenster gilt ab dem nächsten Start.</source>
        <translation>El idioma de las ventanas se aplica a partir del próximo inicio.</translation>
    </message>
    <message>
        <source>Sprache des Programms (ab dem nächsten Start):</source>
        <translation>Idioma del programa (a partir del próximo inicio):</translation>
    </message>
    <message>
        <source>wie das Programm</source>
        <translation>como el programa</translation>
    </message>
    <message>
        <source>Sprache der Ausdrucke:</source>
        <translation>Idioma de las impresiones:</translation>
    </message>
    <message>
        <source>Abstammungsnachweis, Stammblatt, Bestandsliste und Zuchtpaarblatt in dieser Sprache, etwa für einen Käufer im Ausland.</source>
        <translation>Certificado de genealogía, ficha del ejemplar, lista del plantel y ficha de la pareja en este idioma, por ejemplo para un comprador en el extranjero.</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>Bild %1 von %2</source>
        <translation>Imagen %1 de %2</translation>
    </message>
    <message>
        <source>Seite %1 von %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Bitte warten</source>
        <translation>Espere, por favor</translation>
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
        <translation>Elegir imagen</translation>
    </message>
    <message>
        <source>Farbe auswählen</source>
        <translation>Elegir color</translation>
    </message>
    <message>
        <source>JPEG-Bilder (*.jpg *.jpeg *.JPG *.JPEG);;Bitmaps (*.bmp *.BMP)</source>
        <translation>Imágenes JPEG (*.jpg *.jpeg *.JPG *.JPEG);;Mapas de bits (*.bmp *.BMP)</translation>
    </message>
</context>
<context>
    <name>RecordSheetReport</name>
    <message>
        <source>Farbe:</source>
        <translation>Color:</translation>
    </message>
    <message>
        <source>Züchter:</source>
        <translation>Criador:</translation>
    </message>
    <message>
        <source>Geschlecht:</source>
        <translation>Sexo:</translation>
    </message>
    <message>
        <source>Art / Rasse:</source>
        <translation>Especie / raza:</translation>
    </message>
    <message>
        <source>Geburtsjahr:</source>
        <translation>Año de nacimiento:</translation>
    </message>
    <message>
        <source>Bemerkung Kanarienvögelbestandsliste:</source>
        <translation>Observación lista del plantel de canarios:</translation>
    </message>
    <message>
        <source>Sonstige Bemerkungen</source>
        <translation>Otras observaciones</translation>
    </message>
    <message>
        <source>Erstellt mit Avelor Abstammungsnachweis</source>
        <translation>Creado con Avelor Certificado de genealogía</translation>
    </message>
    <message>
        <source>Internet: %1</source>
        <translation>Internet: %1</translation>
    </message>
    <message>
        <source>unbekannt</source>
        <comment>sex</comment>
        <translation>desconocido</translation>
    </message>
    <message>
        <source>Bestes Ausstellungsergebnis: %1 Punkte, %2, %3</source>
        <extracomment>%1 points, %2 show, %3 date</extracomment>
        <translation>Mejor resultado de concurso: %1 puntos, %2, %3</translation>
    </message>
    <message>
        <source>Stammblatt z. Kanarienvogel</source>
        <translation>Ficha del canario</translation>
    </message>
</context>
<context>
    <name>RecordsCheck</name>
    <message>
        <source>die Datei ist keine SQLite-Datenbank</source>
        <translation>el archivo no es una base de datos SQLite</translation>
    </message>
    <message>
        <source>sie stammt von einer neueren Avelor-Version (Version %1)</source>
        <translation>procede de una versión más reciente de Avelor (versión %1)</translation>
    </message>
    <message>
        <source>sie gibt eine Version an, die es nicht gibt (%1)</source>
        <translation>indica una versión que no existe (%1)</translation>
    </message>
    <message>
        <source>die Prüfung der Datenbank meldet: %1</source>
        <translation>la comprobación de la base de datos informa: %1</translation>
    </message>
</context>
<context>
    <name>RecordsCopies</name>
    <message>
        <source>Die Kopie der Zusatzdaten %1</source>
        <translation>la copia de los datos adicionales %1</translation>
    </message>
    <message>
        <source>%1 konnte nicht angelegt werden: %2</source>
        <translation>No se ha podido crear %1: %2</translation>
    </message>
    <message>
        <source>die Datei ließ sich nicht schließen</source>
        <translation>no se ha podido cerrar el archivo</translation>
    </message>
    <message>
        <source>%1 konnte nicht geschrieben werden: %2</source>
        <translation>No se ha podido escribir %1: %2</translation>
    </message>
    <message>
        <source>Die Zusatzdaten in %1 können nicht gelesen werden (%2).</source>
        <translation>No se pueden leer los datos adicionales de %1 (%2).</translation>
    </message>
    <message>
        <source>Das Zurückholen der Zusatzdaten</source>
        <translation>la restauración de los datos adicionales</translation>
    </message>
    <message>
        <source>Aktualisierung fehlgeschlagen: %1</source>
        <translation>Ha fallado la actualización: %1</translation>
    </message>
    <message>
        <source>%1 ist fehlgeschlagen: %2</source>
        <translation>Ha fallado %1: %2</translation>
    </message>
</context>
<context>
    <name>RecordsDatabase</name>
    <message>
        <source>Die Zusatzdaten sind in diesem Programmlauf nicht verfügbar; %1 wurde nicht gespeichert.</source>
        <translation>Los datos adicionales no están disponibles en esta ejecución del programa; no ha sido posible guardar %1.</translation>
    </message>
    <message>
        <source>%1 konnte nicht gespeichert werden: %2</source>
        <translation>No se ha podido guardar %1: %2</translation>
    </message>
    <message>
        <source>Der Verbleib von %1</source>
        <translation>el destino de %1</translation>
    </message>
    <message>
        <source>Das Ausstellungsergebnis von %1</source>
        <translation>el resultado de concurso de %1</translation>
    </message>
    <message>
        <source>Das Löschen des Ausstellungsergebnisses</source>
        <translation>la eliminación del resultado de concurso</translation>
    </message>
    <message>
        <source>Die Zusatzdaten von %1</source>
        <translation>los datos adicionales de %1</translation>
    </message>
    <message>
        <source>Die Zusatzdaten</source>
        <translation>los datos adicionales</translation>
    </message>
    <message>
        <source>Das Löschen der Zusatzdaten von %1</source>
        <translation>la eliminación de los datos adicionales de %1</translation>
    </message>
    <message>
        <source>Das Zurücksetzen der Zusatzdaten</source>
        <translation>el restablecimiento de los datos adicionales</translation>
    </message>
    <message>
        <source>Das Löschen der Zusatzdaten</source>
        <translation>la eliminación de los datos adicionales</translation>
    </message>
    <message>
        <source>Die Ringlieferung %1 bis %2</source>
        <translation>La entrega de anillas %1 a %2</translation>
    </message>
    <message>
        <source>Das Löschen der Ringlieferung</source>
        <translation>La eliminación de la entrega de anillas</translation>
    </message>
    <message>
        <source>Das Zurücksetzen der Ringlieferungen</source>
        <translation>La restauración de las entregas de anillas</translation>
    </message>
    <message>
        <source>Die Ausstellung %1</source>
        <translation>el concurso %1</translation>
    </message>
    <message>
        <source>Das Löschen der Ausstellung</source>
        <translation>la eliminación del concurso</translation>
    </message>
    <message>
        <source>Die Meldung</source>
        <translation>la inscripción</translation>
    </message>
    <message>
        <source>Die Meldung von %1</source>
        <translation>la inscripción de %1</translation>
    </message>
    <message>
        <source>Das Löschen der Meldung</source>
        <translation>la eliminación de la inscripción</translation>
    </message>
    <message>
        <source>Die Übernahme der Ergebnisse</source>
        <translation>la incorporación de los resultados</translation>
    </message>
    <message>
        <source>Das Zurücksetzen der Ausstellungen</source>
        <translation>el restablecimiento de los concursos</translation>
    </message>
</context>
<context>
    <name>RecordsOpening</name>
    <message>
        <source>Die Zusatzdaten (Verbleib, Ausstellungsergebnisse, Erbanlagen) in %1</source>
        <translation>Los datos adicionales (destino, resultados de concursos, factores genéticos) de %1</translation>
    </message>
    <message>
        <source> Die Datei bleibt unverändert; die Zusatzdaten sind in diesem Programmlauf nicht verfügbar.</source>
        <translation> El archivo no se modifica; los datos adicionales no están disponibles en esta ejecución del programa.</translation>
    </message>
    <message>
        <source> Die Datei bleibt unverändert.</source>
        <translation> El archivo no se modifica.</translation>
    </message>
    <message>
        <source>%1 werden gerade von einem anderen Programm benutzt (%2).%3 Bitte beenden Sie das andere Programm und versuchen Sie es danach noch einmal.</source>
        <translation>%1 están siendo utilizados por otro programa en este momento (%2).%3 Cierre el otro programa y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>%1 können nicht gelesen werden: %2.%3 Bitte prüfen Sie, ob Sie diese Datei lesen und ändern dürfen (Zugriffsrechte) und ob der Datenträger in Ordnung ist.</source>
        <translation>%1 no se pueden leer: %2.%3 Compruebe si tiene permiso para leer y modificar este archivo (derechos de acceso) y si la unidad está en buen estado.</translation>
    </message>
    <message>
        <source>%1 wurden mitten in einer Änderung verlassen; diese Änderung nimmt Avelor beim nächsten Start zurück.%2 Bitte starten Sie Avelor einmal und versuchen Sie es danach noch einmal.</source>
        <translation>%1 quedaron a mitad de un cambio; Avelor deshará este cambio en el próximo inicio.%2 Inicie Avelor una vez y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>%1 stammen von einer neueren Avelor-Version. Diese Version kann sie weder lesen noch ändern.%2 Bitte verwenden Sie die neuere Version des Programms.</source>
        <translation>%1 proceden de una versión más reciente de Avelor. Esta versión no puede leerlos ni modificarlos.%2 Utilice la versión más reciente del programa.</translation>
    </message>
    <message>
        <source>%1 geben eine Version an, die es nicht gibt (%2); Avelor kann sie weder lesen noch ändern.%3</source>
        <translation>%1 indican una versión que no existe (%2); Avelor no puede leerlos ni modificarlos.%3</translation>
    </message>
    <message>
        <source>Die Datei %1 enthält keine Zusatzdaten von Avelor: %2.%3 Wird die Datei nicht mehr gebraucht, benennen Sie sie um oder verschieben Sie sie; dann legt Avelor beim nächsten Start eine neue an.</source>
        <translation>El archivo %1 no contiene datos adicionales de Avelor: %2.%3 Si ya no necesita el archivo, cámbielo de nombre o muévalo; Avelor creará uno nuevo en el próximo inicio.</translation>
    </message>
    <message>
        <source>%1 sind beschädigt und konnten nicht gelesen werden (%2).</source>
        <translation>%1 están dañados y no se han podido leer (%2).</translation>
    </message>
    <message>
        <source>

Die Datei konnte nicht beiseitegelegt werden; die Zusatzdaten sind in diesem Programmlauf nicht verfügbar.</source>
        <translation>

No se ha podido apartar el archivo; los datos adicionales no están disponibles en esta ejecución del programa.</translation>
    </message>
    <message>
        <source>

Die Datei wurde unverändert aufbewahrt als %1. Das Programm beginnt mit leeren Zusatzdaten.</source>
        <translation>

El archivo se ha conservado sin cambios como %1. El programa comienza con datos adicionales vacíos.</translation>
    </message>
    <message>
        <source>%1 können nicht angelegt werden, weil daneben noch %2 liegt und sich nicht beiseitelegen lässt. Die Zusatzdaten sind in diesem Programmlauf nicht verfügbar.</source>
        <translation>%1 no se pueden crear porque junto a ellos sigue estando %2, que no se puede apartar. Los datos adicionales no están disponibles en esta ejecución del programa.</translation>
    </message>
    <message>
        <source>%1 können nicht angelegt werden: %2. Die Zusatzdaten sind in diesem Programmlauf nicht verfügbar.</source>
        <translation>%1 no se pueden crear: %2. Los datos adicionales no están disponibles en esta ejecución del programa.</translation>
    </message>
    <message>
        <source>%1 konnten nicht auf den Stand dieser Version gebracht werden: %2. Die Datei bleibt, wie sie war; die Zusatzdaten sind in diesem Programmlauf nicht verfügbar.</source>
        <translation>%1 no se han podido actualizar a esta versión: %2. El archivo queda como estaba; los datos adicionales no están disponibles en esta ejecución del programa.</translation>
    </message>
</context>
<context>
    <name>RecordsSchema</name>
    <message>
        <source>unbekannte Version %1</source>
        <translation>versión desconocida %1</translation>
    </message>
    <message>
        <source>Tabelle „%1“</source>
        <translation>tabla «%1»</translation>
    </message>
    <message>
        <source>Index „%1“</source>
        <translation>índice «%1»</translation>
    </message>
    <message>
        <source>Spalte „%1“</source>
        <translation>columna «%1»</translation>
    </message>
    <message>
        <source>der Aufbau der Version %1 ließ sich nicht herstellen</source>
        <translation>no se ha podido crear la estructura de la versión %1</translation>
    </message>
    <message>
        <source>%1 gehört nicht zu Version %2 der Zusatzdaten</source>
        <translation>%1 no pertenece a la versión %2 de los datos adicionales</translation>
    </message>
    <message>
        <source>%1 fehlt</source>
        <translation>falta %1</translation>
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
        <translation>Hijo</translation>
    </message>
    <message>
        <source>Tochter</source>
        <translation>Hija</translation>
    </message>
    <message>
        <source>Vollgeschwister</source>
        <translation>Hermano completo</translation>
    </message>
    <message>
        <source>Halbgeschwister</source>
        <translation>Medio hermano</translation>
    </message>
    <message>
        <source>Großelternteil</source>
        <translation>Abuelo/a</translation>
    </message>
    <message>
        <source>Enkel</source>
        <translation>Nieto/a</translation>
    </message>
    <message>
        <source>Onkel/Tante</source>
        <translation>Tío/tía</translation>
    </message>
    <message>
        <source>Neffe/Nichte</source>
        <translation>Sobrino/sobrina</translation>
    </message>
    <message>
        <source>Cousin/Cousine</source>
        <translation>Primo/prima</translation>
    </message>
</context>
<context>
    <name>ReportActions</name>
    <message>
        <source>Drucke %1</source>
        <extracomment>%1 names what is printed, in the accusative (e.g. &quot;den Abstammungsnachweis&quot;)</extracomment>
        <translation>Imprimiendo %1</translation>
    </message>
    <message>
        <source>Frage</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>Es ist kein Drucker eingerichtet. Möchten Sie %1 stattdessen als PDF-Datei speichern?</source>
        <extracomment>%1 names what is printed, in the accusative (e.g. &quot;den Abstammungsnachweis&quot;)</extracomment>
        <translation>No hay ninguna impresora configurada. ¿Desea guardar %1 como archivo PDF en su lugar?</translation>
    </message>
    <message>
        <source>Es wurde nichts gedruckt. %1</source>
        <translation>No se ha impreso nada. %1</translation>
    </message>
    <message>
        <source>Als PDF speichern</source>
        <translation>Guardar como PDF</translation>
    </message>
    <message>
        <source>PDF-Dateien (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Speichere die PDF-Datei</source>
        <translation>Guardando el archivo PDF</translation>
    </message>
    <message>
        <source>Die Datei „%1“ konnte nicht gespeichert werden: %2</source>
        <translation>No se ha podido guardar el archivo «%1»: %2</translation>
    </message>
</context>
<context>
    <name>ReportOutput</name>
    <message>
        <source>Es gibt keine Seite zum Speichern.</source>
        <translation>No hay ninguna página que guardar.</translation>
    </message>
</context>
<context>
    <name>ReportPreview</name>
    <message>
        <source>Ganze Seite</source>
        <translation>Página completa</translation>
    </message>
    <message>
        <source>Seitenbreite</source>
        <translation>Ancho de página</translation>
    </message>
    <message>
        <source>Druckvorschau</source>
        <translation>Vista previa de impresión</translation>
    </message>
    <message>
        <source>Seite</source>
        <translation>Página</translation>
    </message>
    <message>
        <source>Vorschau</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>◀ Vorige Seite</source>
        <translation>◀ Página anterior</translation>
    </message>
    <message>
        <source>Nächste Seite ▶</source>
        <translation>Página siguiente ▶</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>Zoom:</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Als PDF speichern</source>
        <translation>Guardar como PDF</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Seite %1 von %2</source>
        <translation>Página %1 de %2</translation>
    </message>
</context>
<context>
    <name>ReportRenderer</name>
    <message>
        <source>Seite %1 von %2</source>
        <translation>Página %1 de %2</translation>
    </message>
</context>
<context>
    <name>RingStockWindow</name>
    <message>
        <source>Ringbestand</source>
        <translation>Inventario de anillas</translation>
    </message>
    <message>
        <source>Die Lieferungen dieses Jahres, oder aller Jahre</source>
        <translation>Las entregas de este año, o de todos los años</translation>
    </message>
    <message>
        <source>alle Jahre</source>
        <translation>todos los años</translation>
    </message>
    <message>
        <source>Jede Lieferung mit ihren verwendeten und freien Ringen</source>
        <translation>Cada entrega con sus anillas usadas y libres</translation>
    </message>
    <message>
        <source>Ringlieferungen</source>
        <translation>Entregas de anillas</translation>
    </message>
    <message>
        <source>Jahr</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>Verein</source>
        <translation>Club</translation>
    </message>
    <message>
        <source>Größe</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Farbe</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Erster Ring</source>
        <translation>Primera anilla</translation>
    </message>
    <message>
        <source>Letzter Ring</source>
        <translation>Última anilla</translation>
    </message>
    <message>
        <source>Ringe</source>
        <translation>Anillas</translation>
    </message>
    <message>
        <source>Verwendet</source>
        <translation>Usadas</translation>
    </message>
    <message>
        <source>Frei</source>
        <translation>Libres</translation>
    </message>
    <message>
        <source>Lieferung &amp;löschen…</source>
        <translation>&amp;Eliminar entrega…</translation>
    </message>
    <message>
        <source>Löscht die in der Liste gewählte Lieferung</source>
        <translation>Elimina la entrega elegida en la lista</translation>
    </message>
    <message>
        <source>&amp;Jahr:</source>
        <translation>&amp;Año:</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Neue Lieferung</source>
        <translation>Nueva entrega</translation>
    </message>
    <message>
        <source>Das Jahr, für das die Ringe gelten</source>
        <translation>El año para el que valen las anillas</translation>
    </message>
    <message>
        <source>Der Verband oder Verein, der die Ringe ausgibt</source>
        <translation>La federación o el club que emite las anillas</translation>
    </message>
    <message>
        <source>Die Ringgröße, etwa 2,9 mm</source>
        <translation>El tamaño de la anilla, por ejemplo 2,9 mm</translation>
    </message>
    <message>
        <source>Die Ringfarbe des Jahres</source>
        <translation>El color de las anillas del año</translation>
    </message>
    <message>
        <source>Was vor der laufenden Nummer steht, etwa Verbandskürzel, Züchternummer und Jahr</source>
        <translation>Lo que va delante del número correlativo, por ejemplo la sigla de la federación, el número de criador y el año</translation>
    </message>
    <message>
        <source>Die laufende Nummer des ersten Rings</source>
        <translation>El número correlativo de la primera anilla</translation>
    </message>
    <message>
        <source>Die laufende Nummer des letzten Rings</source>
        <translation>El número correlativo de la última anilla</translation>
    </message>
    <message>
        <source>Mit wie vielen Stellen die Nummer geschrieben wird, vorn mit Nullen aufgefüllt</source>
        <translation>Con cuántos dígitos se escribe el número, completado con ceros a la izquierda</translation>
    </message>
    <message>
        <source>Lieferung &amp;eintragen</source>
        <translation>&amp;Registrar entrega</translation>
    </message>
    <message>
        <source>Trägt die Ringe als neue Lieferung ein</source>
        <translation>Registra las anillas como una nueva entrega</translation>
    </message>
    <message>
        <source>J&amp;ahr der Ringe:</source>
        <translation>Año de las an&amp;illas:</translation>
    </message>
    <message>
        <source>&amp;Verein:</source>
        <translation>&amp;Club:</translation>
    </message>
    <message>
        <source>&amp;Größe:</source>
        <translation>&amp;Tamaño:</translation>
    </message>
    <message>
        <source>&amp;Farbe:</source>
        <translation>C&amp;olor:</translation>
    </message>
    <message>
        <source>V&amp;orsatz:</source>
        <translation>&amp;Prefijo:</translation>
    </message>
    <message>
        <source>Erste &amp;Nummer:</source>
        <translation>Primer &amp;número:</translation>
    </message>
    <message>
        <source>Le&amp;tzte Nummer:</source>
        <translation>Últi&amp;mo número:</translation>
    </message>
    <message>
        <source>&amp;Stellen:</source>
        <translation>&amp;Dígitos:</translation>
    </message>
    <message>
        <source>Mehr als einmal vergeben: %1</source>
        <translation>Asignadas más de una vez: %1</translation>
    </message>
    <message>
        <source>Für %1 zu bestellen: etwa %2 Ringe (die in der Saison %3 beringten Jungen und ein Zehntel mehr).</source>
        <extracomment>%1 the next year, %2 a number of rings, %3 the season they are reckoned from</extracomment>
        <translation>A pedir para %1: unas %2 anillas (las crías anilladas en la temporada %3 y una décima parte más).</translation>
    </message>
    <message>
        <source>%1 bis %2: %3 Ringe</source>
        <extracomment>%1 the first ring, %2 the last, %3 how many rings</extracomment>
        <translation>%1 a %2: %3 anillas</translation>
    </message>
    <message>
        <source>Die Lieferung %1 bis %2 löschen? Die Vögel behalten ihre Ringe.</source>
        <extracomment>%1 and %2 the first and last ring of the delivery</extracomment>
        <translation>¿Eliminar la entrega %1 a %2? Las aves conservan sus anillas.</translation>
    </message>
    <message>
        <source>Lieferung löschen</source>
        <translation>Eliminar entrega</translation>
    </message>
</context>
<context>
    <name>RingingGroup</name>
    <message>
        <source>Beringung des Nachwuchses: </source>
        <translation>Anillado de las crías </translation>
    </message>
    <message>
        <source>Ei auswählen um die Beringung vorzunehmen</source>
        <translation>Elija un huevo para anillar su cría</translation>
    </message>
    <message>
        <source>Ei-Infos löschen</source>
        <translation>Borrar datos del huevo</translation>
    </message>
    <message>
        <source>Löscht die Beringungsinformationen zum ausgewählten Ei. 

Dadurch wird auch den Kanarienvogel mit dieser Ringnummer gelöscht,
samt seinen Elternbeziehungen. Danach kann zu diesem Ei
eine neue Ringnummer vergeben werden.</source>
        <translation>Borra los datos de anillado del huevo seleccionado. 

Con ello también se elimina el canario con este número de anilla,
junto con sus vínculos con los padres. Después se puede asignar
un nuevo número de anilla a este huevo.</translation>
    </message>
    <message>
        <source>Ei Nr:</source>
        <translation>N.º de huevo:</translation>
    </message>
    <message>
        <source>Ei Nr</source>
        <translation>N.º de huevo</translation>
    </message>
    <message>
        <source>Ringnummer des Kanarienvogels aus diesem Ei</source>
        <translation>Número de anilla del canario de este huevo</translation>
    </message>
    <message>
        <source>Geschlecht des Kanarienvogels aus diesem Ei</source>
        <translation>Sexo del canario de este huevo</translation>
    </message>
    <message>
        <source>Art/Rasse des Kanarienvogels aus diesem Ei</source>
        <translation>Especie/raza del canario de este huevo</translation>
    </message>
    <message>
        <source>Schlupfdatum des Kanarienvogels aus diesem Ei</source>
        <translation>Fecha de eclosión del canario de este huevo</translation>
    </message>
    <message>
        <source>Absetzdatum des Kanarienvogels aus diesem Ei</source>
        <translation>Fecha de destete del canario de este huevo</translation>
    </message>
    <message>
        <source>Bemerkungen über den Kanarienvogel aus diesem Ei</source>
        <translation>Observaciones sobre el canario de este huevo</translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Beendet die Eingabe zu Informationen zu diesem Ei und verwirft evtl. vorgenommene Änderungen.</source>
        <translation>Termina la introducción de datos de este huevo y descarta los cambios realizados.</translation>
    </message>
    <message>
        <source>Kanarienvogel anlegen und gleich in den Elternbeziehungen eintragen</source>
        <translation>Registrar el canario y vincularlo directamente a sus padres</translation>
    </message>
    <message>
        <source>Legt den Kanarienvogel aus diesem Ei im Bestand an 
und trägt das Zuchtpaar automatisch bei den 
Elternbeziehungen ein.</source>
        <translation>Registra el canario de este huevo en el plantel 
y asigna automáticamente la pareja reproductora 
como sus padres.</translation>
    </message>
    <message>
        <source>bekommt Ringnr:</source>
        <translation>recibe n.º de anilla:</translation>
    </message>
    <message>
        <source>Geschlecht:</source>
        <translation>Sexo:</translation>
    </message>
    <message>
        <source>Art/Rasse:</source>
        <translation>Especie/raza:</translation>
    </message>
    <message>
        <source>Schlupfdatum:</source>
        <translation>Fecha de eclosión:</translation>
    </message>
    <message>
        <source>abgesetzt:</source>
        <translation>destetado:</translation>
    </message>
    <message>
        <source>Bemerkungen:</source>
        <translation>Observaciones:</translation>
    </message>
</context>
<context>
    <name>SafeWrite</name>
    <message>
        <source>Kein Speicherplatz mehr auf dem Gerät</source>
        <translation>No queda espacio en el dispositivo</translation>
    </message>
    <message>
        <source>Speicherplatzkontingent überschritten</source>
        <translation>Cuota de disco superada</translation>
    </message>
    <message>
        <source>Datei zu groß</source>
        <translation>Archivo demasiado grande</translation>
    </message>
    <message>
        <source>Zugriff verweigert</source>
        <translation>Acceso denegado</translation>
    </message>
    <message>
        <source>Dateisystem nur lesbar</source>
        <translation>Sistema de archivos de solo lectura</translation>
    </message>
    <message>
        <source>Ein-/Ausgabefehler</source>
        <translation>Error de entrada/salida</translation>
    </message>
    <message>
        <source>Datei oder Verzeichnis nicht gefunden</source>
        <translation>No existe el archivo o el directorio</translation>
    </message>
    <message>
        <source>Ist ein Verzeichnis</source>
        <translation>Es un directorio</translation>
    </message>
    <message>
        <source>Zu viele offene Dateien</source>
        <translation>Demasiados archivos abiertos</translation>
    </message>
    <message>
        <source>Vorgang nicht zulässig</source>
        <translation>Operación no permitida</translation>
    </message>
    <message>
        <source>Nicht genug Speicherplatz</source>
        <translation>No hay suficiente espacio</translation>
    </message>
    <message>
        <source>Keine Berechtigung</source>
        <translation>Permiso denegado</translation>
    </message>
    <message>
        <source>Die Datei konnte nicht geöffnet werden</source>
        <translation>No se ha podido abrir el archivo</translation>
    </message>
    <message>
        <source>Lesefehler</source>
        <translation>Error de lectura</translation>
    </message>
    <message>
        <source>Die Datei konnte nicht ersetzt werden</source>
        <translation>No se ha podido sustituir el archivo</translation>
    </message>
    <message>
        <source>Schreibfehler</source>
        <translation>Error de escritura</translation>
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
        <translation>No se ha podido sustituir el archivo %1: %2

Los archivos anteriores no se han modificado.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht ersetzt werden: %2

Die neuen Dateien sind vollständig gespeichert und werden beim nächsten Speichern oder Start an ihren Platz gebracht.</source>
        <translation>No se ha podido sustituir el archivo %1: %2

Los archivos nuevos se han guardado por completo y se colocarán en su sitio la próxima vez que se guarde o se inicie el programa.</translation>
    </message>
    <message>
        <source>Das letzte Speichern wurde unterbrochen und konnte nicht abgeschlossen werden: Die Datei %1 konnte nicht ersetzt werden: %2</source>
        <translation>La última operación de guardado se interrumpió y no se ha podido completar: no se ha podido sustituir el archivo %1: %2</translation>
    </message>
    <message>
        <source>Das letzte Speichern wurde unterbrochen, und die bisherige Datei %1 konnte nicht an ihren Platz zurückgebracht werden: %2</source>
        <translation>La última operación de guardado se interrumpió y no se ha podido volver a colocar en su sitio el archivo anterior %1: %2</translation>
    </message>
    <message>
        <source>Die Datei %1 des letzten Speicherns kann nicht gelesen werden: %2</source>
        <translation>No se puede leer el archivo %1 de la última operación de guardado: %2</translation>
    </message>
</context>
<context>
    <name>SearchDialog</name>
    <message>
        <source>Kanarienvögel suchen</source>
        <translation>Buscar canarios</translation>
    </message>
    <message>
        <source>Sie wissen die Ringnummer des Kanarienvogels nicht, kennen aber den Züchter, die Endnummer oder das Geburtsjahr? Dann können Sie versuchen d. Kanarienvogel über die Ihnen bekannten Angaben zu finden. Geben Sie alle Informationen ein, die Ihnen bekannt sind.

Das Programm sucht dann in der Datenbank nach Kanarienvögel auf die alle Kriterien zutreffen und zeigt sie an.</source>
        <translation>¿No conoce el número de anilla del canario, pero sí el criador, los últimos dígitos o el año de nacimiento? Entonces puede intentar encontrar el canario a partir de los datos que conoce. Introduzca toda la información que sepa.

El programa buscará en la base de datos los canarios que cumplan todos los criterios y los mostrará.</translation>
    </message>
    <message>
        <source>Alle gefundene Kanarienvögel anzeigen</source>
        <translation>Mostrar todos los canarios encontrados</translation>
    </message>
    <message>
        <source>Vorab-Ergebnis:</source>
        <translation>Resultado provisional:</translation>
    </message>
    <message>
        <source>Ein Doppelklick zeigt den Abstammungsnachweis an.</source>
        <translation>Un doble clic muestra el certificado de genealogía.</translation>
    </message>
    <message>
        <source>Ring-Nr (auch Teile davon):</source>
        <translation>N.º de anilla (o parte):</translation>
    </message>
    <message>
        <source>Ring-Nr lautet:</source>
        <translation>El n.º de anilla es:</translation>
    </message>
    <message>
        <source>Ring-Nr muß genau so sein.</source>
        <translation>El n.º de anilla debe coincidir exactamente.</translation>
    </message>
    <message>
        <source>Züchter (auch Teile davon):</source>
        <translation>Criador (o parte):</translation>
    </message>
    <message>
        <source>Züchter ist:</source>
        <translation>El criador es:</translation>
    </message>
    <message>
        <source>Züchter muß genau so sein.</source>
        <translation>El criador debe coincidir exactamente.</translation>
    </message>
    <message>
        <source>Geburtsjahr (auch Teile davon):</source>
        <translation>Año de nacimiento (o parte):</translation>
    </message>
    <message>
        <source>Geburtsjahr ist:</source>
        <translation>El año de nacimiento es:</translation>
    </message>
    <message>
        <source>Geburtsjahr muß genau so sein.</source>
        <translation>El año de nacimiento debe coincidir exactamente.</translation>
    </message>
    <message>
        <source>Geschlecht:</source>
        <translation>Sexo:</translation>
    </message>
    <message>
        <source>&lt;= leeren</source>
        <translation>&lt;= vaciar</translation>
    </message>
    <message>
        <source>Farbe (auch Teile davon):</source>
        <translation>Color (o parte):</translation>
    </message>
    <message>
        <source>Farbe ist:</source>
        <translation>El color es:</translation>
    </message>
    <message>
        <source>Farbe muß genau so sein.</source>
        <translation>El color debe coincidir exactamente.</translation>
    </message>
    <message>
        <source>Zeichnung (auch Teile davon):</source>
        <translation>Diseño (o parte):</translation>
    </message>
    <message>
        <source>Zeichnung ist:</source>
        <translation>El diseño es:</translation>
    </message>
    <message>
        <source>Zeichnung muß genau so sein.</source>
        <translation>El diseño debe coincidir exactamente.</translation>
    </message>
    <message>
        <source>Rasse (auch Teile davon):</source>
        <translation>Raza (o parte):</translation>
    </message>
    <message>
        <source>Rasse ist:</source>
        <translation>La raza es:</translation>
    </message>
    <message>
        <source>Rasse muß genau so sein.</source>
        <translation>La raza debe coincidir exactamente.</translation>
    </message>
    <message>
        <source>%1 Kanarienvögel gefunden...</source>
        <translation>%1 canarios encontrados...</translation>
    </message>
</context>
<context>
    <name>SeasonStatisticsWindow</name>
    <message>
        <source>Zuchtstatistik</source>
        <translation>Estadística de cría</translation>
    </message>
    <message>
        <source>Die Saison: das Jahr des Zuchtbeginns</source>
        <translation>La temporada: el año de inicio de la cría</translation>
    </message>
    <message>
        <source>Zahlen je Zuchtpaar</source>
        <translation>Cifras por pareja reproductora</translation>
    </message>
    <message>
        <source>Zahlen je Hahn</source>
        <translation>Cifras por macho</translation>
    </message>
    <message>
        <source>Zahlen je Henne</source>
        <translation>Cifras por hembra</translation>
    </message>
    <message>
        <source>&amp;Paare der Saison</source>
        <translation>&amp;Parejas de la temporada</translation>
    </message>
    <message>
        <source>&amp;Hähne, alle Jahre</source>
        <translation>&amp;Machos, todos los años</translation>
    </message>
    <message>
        <source>H&amp;ennen, alle Jahre</source>
        <translation>&amp;Hembras, todos los años</translation>
    </message>
    <message>
        <source>&amp;Drucken…</source>
        <translation>&amp;Imprimir…</translation>
    </message>
    <message>
        <source>Als &amp;CSV-Datei speichern…</source>
        <translation>Guardar como archivo &amp;CSV…</translation>
    </message>
    <message>
        <source>&amp;Saison:</source>
        <translation>&amp;Temporada:</translation>
    </message>
    <message>
        <source>alle Jahre</source>
        <translation>todos los años</translation>
    </message>
    <message>
        <source>Saison %1</source>
        <translation>Temporada %1</translation>
    </message>
    <message>
        <source>Je Hahn über alle Zuchtpaare und Jahre</source>
        <translation>Por macho, en todas las parejas reproductoras y años</translation>
    </message>
    <message>
        <source>Je Henne über alle Zuchtpaare und Jahre</source>
        <translation>Por hembra, en todas las parejas reproductoras y años</translation>
    </message>
    <message>
        <source>die Zuchtstatistik</source>
        <translation>la estadística de cría</translation>
    </message>
    <message>
        <source>Zuchtstatistik speichern</source>
        <translation>Guardar estadística de cría</translation>
    </message>
    <message>
        <source>Zuchtstatistik.csv</source>
        <translation>Estadística de cría.csv</translation>
    </message>
</context>
<context>
    <name>SeasonTables</name>
    <message>
        <source>Gelege</source>
        <translation>Puestas</translation>
    </message>
    <message>
        <source>Gelege mit mindestens einem Ei</source>
        <translation>Puestas con al menos un huevo</translation>
    </message>
    <message>
        <source>Eier</source>
        <translation>Huevos</translation>
    </message>
    <message>
        <source>Eier, die in den Gelegen eingetragen sind</source>
        <translation>Huevos registrados en las puestas</translation>
    </message>
    <message>
        <source>Geschlüpft</source>
        <translation>Eclosionados</translation>
    </message>
    <message>
        <source>Eier mit Schlupfdatum oder Ring</source>
        <translation>Huevos con fecha de eclosión o anilla</translation>
    </message>
    <message>
        <source>Beringt</source>
        <translation>Anillados</translation>
    </message>
    <message>
        <source>Jungvögel mit Ring</source>
        <translation>Crías con anilla</translation>
    </message>
    <message>
        <source>Abgesetzt</source>
        <translation>Destetados</translation>
    </message>
    <message>
        <source>Jungvögel mit Absetzdatum</source>
        <translation>Crías con fecha de destete</translation>
    </message>
    <message>
        <source>Schlupfrate</source>
        <translation>Tasa de eclosión</translation>
    </message>
    <message>
        <source>Geschlüpft geteilt durch Eier</source>
        <translation>Eclosionados divididos por huevos</translation>
    </message>
    <message>
        <source>Aufzuchtrate</source>
        <translation>Tasa de crianza</translation>
    </message>
    <message>
        <source>Abgesetzt geteilt durch Geschlüpft</source>
        <translation>Destetados divididos por eclosionados</translation>
    </message>
    <message>
        <source>überfällig</source>
        <translation>atrasada</translation>
    </message>
    <message>
        <source>heute</source>
        <translation>hoy</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Aufgabe</source>
        <translation>Tarea</translation>
    </message>
    <message>
        <source>Hecke</source>
        <translation>Jaula de cría</translation>
    </message>
    <message>
        <source>Hahn</source>
        <translation>Macho</translation>
    </message>
    <message>
        <source>Henne</source>
        <translation>Hembra</translation>
    </message>
    <message>
        <source>Ei</source>
        <translation>Huevo</translation>
    </message>
    <message>
        <source>Stand</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Jahr</source>
        <translation>Año</translation>
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
        <translation>%1 - %2 del %3</translation>
    </message>
</context>
<context>
    <name>ShowEntries</name>
    <message>
        <source>Der Vogel %1 ist %2-mal gemeldet.</source>
        <extracomment>%1 a ring number, %2 how often it is entered</extracomment>
        <translation>El ejemplar %1 está inscrito %2 veces.</translation>
    </message>
    <message>
        <source>Die Kollektion %1 hat %2 statt 4 Vögel.</source>
        <extracomment>%1 the number of the collection, %2 how many birds it has</extracomment>
        <translation>El equipo %1 tiene %2 ejemplares en lugar de 4.</translation>
    </message>
    <message>
        <source>Die Kollektion %1 mischt Hähne und Hennen.</source>
        <translation>El equipo %1 mezcla machos y hembras.</translation>
    </message>
    <message>
        <source>In der Kollektion %1 sind nicht nur Hähne.</source>
        <translation>El equipo %1 no está formado solo por machos.</translation>
    </message>
    <message>
        <source>In der Kollektion %1 sind nicht nur Hennen.</source>
        <translation>El equipo %1 no está formado solo por hembras.</translation>
    </message>
    <message>
        <source>Nr.</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Klasse</source>
        <translation>Clase</translation>
    </message>
    <message>
        <source>Ringnummer</source>
        <translation>Número de anilla</translation>
    </message>
    <message>
        <source>Geschlecht</source>
        <translation>Sexo</translation>
    </message>
    <message>
        <source>Farbe</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Rasse</source>
        <translation>Raza</translation>
    </message>
    <message>
        <source>Kollektion</source>
        <translation>Equipo</translation>
    </message>
    <message>
        <source>Käfig-Nr.</source>
        <translation>N.º de jaula</translation>
    </message>
    <message>
        <source>Punkte</source>
        <translation>Puntos</translation>
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
        <translation>Inscripción en concursos</translation>
    </message>
    <message>
        <source>Die Ausstellung, deren Meldungen die Liste zeigt</source>
        <translation>El concurso cuyas inscripciones muestra la lista</translation>
    </message>
    <message>
        <source>&amp;Neue Ausstellung…</source>
        <translation>&amp;Nuevo concurso…</translation>
    </message>
    <message>
        <source>Name, Ort, Datum, Meldeschluss und Veranstalter der gewählten Ausstellung</source>
        <translation>Nombre, lugar, fecha, cierre de inscripciones y organizador del concurso elegido</translation>
    </message>
    <message>
        <source>Lö&amp;schen…</source>
        <translation>&amp;Eliminar…</translation>
    </message>
    <message>
        <source>Löscht die gewählte Ausstellung mit allen ihren Meldungen</source>
        <translation>Elimina el concurso elegido con todas sus inscripciones</translation>
    </message>
    <message>
        <source>Die Meldungen; Klasse, Käfig-Nr., Punkte und Preis lassen sich hier eintragen</source>
        <translation>Las inscripciones; aquí se pueden anotar la clase, el n.º de jaula, los puntos y el premio</translation>
    </message>
    <message>
        <source>Meldungen der Ausstellung</source>
        <translation>Inscripciones del concurso</translation>
    </message>
    <message>
        <source>Übernommen</source>
        <translation>Incorporado</translation>
    </message>
    <message>
        <source>&amp;Ausstellung:</source>
        <translation>C&amp;oncurso:</translation>
    </message>
    <message>
        <source>Meldung &amp;entfernen</source>
        <translation>&amp;Quitar inscripción</translation>
    </message>
    <message>
        <source>Nimmt die in der Liste gewählte Meldung zurück</source>
        <translation>Retira la inscripción elegida en la lista</translation>
    </message>
    <message>
        <source>Meldebogen &amp;drucken…</source>
        <translation>Im&amp;primir hoja de inscripción…</translation>
    </message>
    <message>
        <source>Der Meldebogen mit Ihren Züchterdaten als Aussteller</source>
        <translation>La hoja de inscripción con sus datos de criador como expositor</translation>
    </message>
    <message>
        <source>Als &amp;CSV-Datei speichern…</source>
        <translation>Guardar como archivo &amp;CSV…</translation>
    </message>
    <message>
        <source>Die Meldungen für eine Tabellenkalkulation</source>
        <translation>Las inscripciones, para una hoja de cálculo</translation>
    </message>
    <message>
        <source>Ergebnisse &amp;übernehmen</source>
        <translation>Incorporar &amp;resultados</translation>
    </message>
    <message>
        <source>Jede Meldung mit Punkten wird ein Ausstellungsergebnis ihres Vogels</source>
        <translation>Cada inscripción con puntos pasa a ser un resultado de concurso de su ejemplar</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Melden</source>
        <translation>Inscribir</translation>
    </message>
    <message>
        <source>Die Ringnummer eines Vogels aus dem Bestand</source>
        <translation>El número de anilla de un ejemplar del plantel</translation>
    </message>
    <message>
        <source>Ring %1</source>
        <translation>Anilla %1</translation>
    </message>
    <message>
        <source>&amp;Ring:</source>
        <translation>&amp;Anilla:</translation>
    </message>
    <message>
        <source>&amp;Kollektion aus vier Vögeln</source>
        <translation>Eq&amp;uipo de cuatro ejemplares</translation>
    </message>
    <message>
        <source>Die vier Vögel werden als eine Kollektion gemeldet</source>
        <translation>Los cuatro ejemplares se inscriben como un equipo</translation>
    </message>
    <message>
        <source>Die Klasse laut Ausschreibung; angeboten werden die Klassen, die Vögel dieser Rasse und Farbe schon hatten</source>
        <translation>La clase según las bases del concurso; se ofrecen las clases que ya tuvieron ejemplares de esta raza y color</translation>
    </message>
    <message>
        <source>K&amp;lasse:</source>
        <translation>C&amp;lase:</translation>
    </message>
    <message>
        <source>&amp;Melden</source>
        <translation>&amp;Inscribir</translation>
    </message>
    <message>
        <source>Meldet den Vogel oder die Kollektion für die gewählte Ausstellung</source>
        <translation>Inscribe el ejemplar o el equipo en el concurso elegido</translation>
    </message>
    <message>
        <source>%1 am %2</source>
        <translation>%1 el %2</translation>
    </message>
    <message>
        <source>Ort: %1 · Datum: %2 · Meldeschluss: %3 · Veranstalter: %4</source>
        <extracomment>%1 place, %2 date, %3 closing date, %4 organiser of a show</extracomment>
        <translation>Lugar: %1 · Fecha: %2 · Cierre de inscripciones: %3 · Organizador: %4</translation>
    </message>
    <message>
        <source>Noch keine Ausstellung angelegt.</source>
        <translation>Todavía no hay ningún concurso registrado.</translation>
    </message>
    <message>
        <source>ja</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>Bitte zuerst eine Ausstellung anlegen.</source>
        <translation>Registre primero un concurso.</translation>
    </message>
    <message>
        <source>Die Ausstellung %1 mit ihren %2 Meldungen löschen? Übernommene Ergebnisse bleiben.</source>
        <extracomment>%1 the name of a show, %2 how many entries it has</extracomment>
        <translation>¿Eliminar el concurso %1 con sus %2 inscripciones? Los resultados ya incorporados se conservan.</translation>
    </message>
    <message>
        <source>Ausstellung löschen</source>
        <translation>Eliminar concurso</translation>
    </message>
    <message>
        <source>Eine Kollektion besteht aus vier Vögeln: bitte alle vier Ringe eingeben.</source>
        <translation>Un equipo consta de cuatro ejemplares: introduzca las cuatro anillas.</translation>
    </message>
    <message>
        <source>Bitte zuerst eine Meldung in der Liste auswählen.</source>
        <translation>Elija primero una inscripción en la lista.</translation>
    </message>
    <message>
        <source>Die Käfig-Nr. muss eine Zahl größer als 0 sein.</source>
        <translation>El n.º de jaula debe ser un número mayor que 0.</translation>
    </message>
    <message>
        <source>Punkte bitte als Zahl bis 100 eingeben, halbe Punkte mit Komma: 92,5.</source>
        <translation>Introduzca los puntos como número hasta 100, los medios puntos con coma: 92,5.</translation>
    </message>
    <message>
        <source>Für diese Ausstellung ist noch nichts gemeldet.</source>
        <translation>Todavía no hay nada inscrito en este concurso.</translation>
    </message>
    <message>
        <source>Meldebogen drucken</source>
        <translation>Imprimir hoja de inscripción</translation>
    </message>
    <message>
        <source>%1

Den Meldebogen trotzdem drucken?</source>
        <translation>%1

¿Imprimir la hoja de inscripción de todos modos?</translation>
    </message>
    <message>
        <source>den Meldebogen</source>
        <translation>la hoja de inscripción</translation>
    </message>
    <message>
        <source>Meldebogen %1</source>
        <translation>Hoja de inscripción %1</translation>
    </message>
    <message>
        <source>Meldungen speichern</source>
        <translation>Guardar inscripciones</translation>
    </message>
    <message>
        <source>Meldungen %1.csv</source>
        <translation>Inscripciones %1.csv</translation>
    </message>
    <message>
        <source>Keine neuen Punkte zum Übernehmen: Punkte bitte zuerst in die Liste eintragen.</source>
        <translation>No hay puntos nuevos que incorporar: anote primero los puntos en la lista.</translation>
    </message>
    <message>
        <source>%1 Ergebnisse wurden zu den Vögeln übernommen.</source>
        <translation>Se han incorporado %1 resultados a los ejemplares.</translation>
    </message>
    <message>
        <source>&amp;Ändern…</source>
        <translation>&amp;Modificar…</translation>
    </message>
    <message>
        <source>Käfi&amp;getiketten drucken</source>
        <translation>Imprimir e&amp;tiquetas de jaula</translation>
    </message>
    <message>
        <source>Ein Etikett je Meldung, ohne Ringnummer; zuerst das Etikettenblatt wählen</source>
        <translation>Una etiqueta por inscripción, sin número de anilla; elija primero la hoja de etiquetas</translation>
    </message>
    <message>
        <source>die Käfigetiketten</source>
        <translation>las etiquetas de jaula</translation>
    </message>
    <message>
        <source>Käfigetiketten %1</source>
        <translation>Etiquetas de jaula %1</translation>
    </message>
</context>
<context>
    <name>ShowEventDialog</name>
    <message>
        <source>Wie die Ausstellung heißt</source>
        <translation>El nombre del concurso</translation>
    </message>
    <message>
        <source>Wo die Ausstellung stattfindet</source>
        <translation>Dónde se celebra el concurso</translation>
    </message>
    <message>
        <source>Der Tag des Richtens, im Format TT.MM.JJJJ</source>
        <translation>El día del enjuiciamiento, con el formato DD.MM.AAAA</translation>
    </message>
    <message>
        <source>Bis zu diesem Tag muss die Meldung vorliegen, im Format TT.MM.JJJJ</source>
        <translation>La inscripción debe presentarse hasta este día, con el formato DD.MM.AAAA</translation>
    </message>
    <message>
        <source>TT.MM.JJJJ</source>
        <translation>DD.MM.AAAA</translation>
    </message>
    <message>
        <source>Der Verein oder Verband, der die Ausstellung ausrichtet</source>
        <translation>El club o la federación que organiza el concurso</translation>
    </message>
    <message>
        <source>Welche Vögel eine Kollektion bilden dürfen</source>
        <translation>Qué ejemplares pueden formar un equipo</translation>
    </message>
    <message>
        <source>Hähne und Hennen gemischt</source>
        <translation>machos y hembras mezclados</translation>
    </message>
    <message>
        <source>nur Vögel eines Geschlechts</source>
        <translation>solo ejemplares del mismo sexo</translation>
    </message>
    <message>
        <source>nur Hähne</source>
        <translation>solo machos</translation>
    </message>
    <message>
        <source>nur Hennen</source>
        <translation>solo hembras</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>&amp;Ort:</source>
        <translation>&amp;Lugar:</translation>
    </message>
    <message>
        <source>&amp;Datum:</source>
        <translation>&amp;Fecha:</translation>
    </message>
    <message>
        <source>&amp;Meldeschluss:</source>
        <translation>&amp;Cierre de inscripciones:</translation>
    </message>
    <message>
        <source>&amp;Veranstalter:</source>
        <translation>&amp;Organizador:</translation>
    </message>
    <message>
        <source>&amp;Kollektionen:</source>
        <translation>&amp;Equipos:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Ausstellung ändern</source>
        <translation>Modificar concurso</translation>
    </message>
    <message>
        <source>Neue Ausstellung</source>
        <translation>Nuevo concurso</translation>
    </message>
    <message>
        <source>Bitte den Namen der Ausstellung eingeben.</source>
        <translation>Introduzca el nombre del concurso.</translation>
    </message>
    <message>
        <source>Ungültiges Datum der Ausstellung!</source>
        <translation>¡Fecha del concurso no válida!</translation>
    </message>
    <message>
        <source>Ungültiges Datum beim Meldeschluss!</source>
        <translation>¡Fecha de cierre de inscripciones no válida!</translation>
    </message>
</context>
<context>
    <name>ShowLabelReport</name>
    <message>
        <source>Klasse: %1</source>
        <translation>Clase: %1</translation>
    </message>
    <message>
        <source>Kollektion %1</source>
        <translation>Equipo %1</translation>
    </message>
    <message>
        <source>Käfig-Nr.</source>
        <translation>N.º de jaula</translation>
    </message>
    <message>
        <source>3 × 8 Etiketten je Blatt (70 × 37 mm)</source>
        <translation>3 × 8 etiquetas por hoja (70 × 37 mm)</translation>
    </message>
    <message>
        <source>3 × 7 Etiketten je Blatt (70 × 42,3 mm)</source>
        <translation>3 × 7 etiquetas por hoja (70 × 42,3 mm)</translation>
    </message>
</context>
<context>
    <name>ShowResultDialog</name>
    <message>
        <source>Ausstellungsergebnis</source>
        <translation>Resultado de concurso</translation>
    </message>
    <message>
        <source>Der Tag der Schau, im Format TT.MM.JJJJ</source>
        <translation>El día del concurso, con el formato DD.MM.AAAA</translation>
    </message>
    <message>
        <source>TT.MM.JJJJ</source>
        <translation>DD.MM.AAAA</translation>
    </message>
    <message>
        <source>Der Name der Schau</source>
        <translation>El nombre del concurso</translation>
    </message>
    <message>
        <source>Die Klasse, in der der Vogel stand</source>
        <translation>La clase en la que participó el ejemplar</translation>
    </message>
    <message>
        <source>Die Punkte der Bewertungskarte, höchstens 100, in halben Punkten</source>
        <translation>Los puntos de la planilla de enjuiciamiento, como máximo 100, en medios puntos</translation>
    </message>
    <message>
        <source>Auszeichnung oder Platz, wie auf der Karte</source>
        <translation>Premio o puesto, como en la planilla</translation>
    </message>
    <message>
        <source>Die Vögel mit derselben Nummer bilden auf dieser Schau eine Kollektion</source>
        <translation>Los ejemplares con el mismo número forman un equipo en este concurso</translation>
    </message>
    <message>
        <source>keine</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>&amp;Datum:</source>
        <translation>&amp;Fecha:</translation>
    </message>
    <message>
        <source>&amp;Schau:</source>
        <translation>C&amp;oncurso:</translation>
    </message>
    <message>
        <source>&amp;Klasse:</source>
        <translation>&amp;Clase:</translation>
    </message>
    <message>
        <source>&amp;Punkte:</source>
        <translation>&amp;Puntos:</translation>
    </message>
    <message>
        <source>&amp;Auszeichnung/Platz:</source>
        <translation>P&amp;remio/puesto:</translation>
    </message>
    <message>
        <source>K&amp;ollektion Nr.:</source>
        <translation>&amp;Equipo n.º:</translation>
    </message>
    <message>
        <source>Bitte den Namen der Schau angeben.</source>
        <translation>Indique el nombre del concurso.</translation>
    </message>
    <message>
        <source>Bitte das Datum der Schau richtig angeben (TT.MM.JJJJ).</source>
        <translation>Indique una fecha de concurso válida (DD.MM.AAAA).</translation>
    </message>
</context>
<context>
    <name>ShowResultsPanel</name>
    <message>
        <source>Ausstellungsergebnisse</source>
        <translation>Resultados de concursos</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Schau</source>
        <translation>Concurso</translation>
    </message>
    <message>
        <source>Klasse</source>
        <translation>Clase</translation>
    </message>
    <message>
        <source>Punkte</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Auszeichnung/Platz</source>
        <translation>Premio/puesto</translation>
    </message>
    <message>
        <source>Kollektion</source>
        <translation>Equipo</translation>
    </message>
    <message>
        <source>&amp;Neues Ergebnis…</source>
        <translation>&amp;Nuevo resultado…</translation>
    </message>
    <message>
        <source>Ä&amp;ndern…</source>
        <translation>&amp;Modificar…</translation>
    </message>
    <message>
        <source>&amp;Löschen</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Nr. %1: %2 Punkte aus %3</source>
        <translation>N.º %1: %2 puntos con %3 ejemplares</translation>
    </message>
    <message>
        <source>Bestes Ergebnis: %1 Punkte, %2 am %3</source>
        <translation>Mejor resultado: %1 puntos, %2 el %3</translation>
    </message>
    <message>
        <source>Bitte zuerst ein Ergebnis in der Liste anklicken.</source>
        <translation>Haga clic primero en un resultado de la lista.</translation>
    </message>
</context>
<context>
    <name>ShowsWindow</name>
    <message>
        <source>Ausstellungsergebnisse</source>
        <translation>Resultados de concursos</translation>
    </message>
    <message>
        <source>Die Schau, deren Ergebnisse gezeigt werden</source>
        <translation>El concurso cuyos resultados se muestran</translation>
    </message>
    <message>
        <source>Ein Doppelklick zeigt den Abstammungsnachweis des Vogels</source>
        <translation>Un doble clic muestra el certificado de genealogía del ejemplar</translation>
    </message>
    <message>
        <source>Ergebnisse der Schau</source>
        <translation>Resultados del concurso</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Ringnummer</source>
        <translation>Número de anilla</translation>
    </message>
    <message>
        <source>Klasse</source>
        <translation>Clase</translation>
    </message>
    <message>
        <source>Punkte</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Auszeichnung/Platz</source>
        <translation>Premio/puesto</translation>
    </message>
    <message>
        <source>Kollektion</source>
        <translation>Equipo</translation>
    </message>
    <message>
        <source>&amp;Schau:</source>
        <translation>&amp;Concurso:</translation>
    </message>
    <message>
        <source>Alle Ergebnisse als &amp;CSV-Datei speichern…</source>
        <translation>Guardar todos los resultados como archivo &amp;CSV…</translation>
    </message>
    <message>
        <source>Für eine Tabellenkalkulation, jede Schau mit jedem Vogel</source>
        <translation>Para una hoja de cálculo, cada concurso con cada ejemplar</translation>
    </message>
    <message>
        <source>Ausstellungsergebnisse speichern</source>
        <translation>Guardar resultados de concursos</translation>
    </message>
    <message>
        <source>Ausstellungsergebnisse.csv</source>
        <translation>Resultados de concursos.csv</translation>
    </message>
    <message>
        <source>Kollektion %1 (%2): %3 Kanarienvögel, zusammen %4 Punkte</source>
        <extracomment>%1 collection number, %2 date, %3 number of birds, %4 points</extracomment>
        <translation>Equipo %1 (%2): %3 canarios, %4 puntos en total</translation>
    </message>
    <message>
        <source>Keine Kollektion auf dieser Schau.</source>
        <translation>Ningún equipo en este concurso.</translation>
    </message>
</context>
<context>
    <name>SpeciesWords</name>
    <message>
        <source>Kanarienvogel</source>
        <translation>Canario</translation>
    </message>
    <message>
        <source>Kanarienvögel</source>
        <translation>Canarios</translation>
    </message>
    <message>
        <source>Kanarienvögelbestandsliste</source>
        <translation>Lista del plantel de canarios</translation>
    </message>
    <message>
        <source>Avelor Abstammungsnachweis für Kanarienvögel</source>
        <translation>Avelor Certificado de genealogía para canarios</translation>
    </message>
    <message>
        <source>Vogel (m) 1.0</source>
        <translation>Ejemplar (m) 1.0</translation>
    </message>
    <message>
        <source>Vogel (w) 0.1</source>
        <translation>Ejemplar (h) 0.1</translation>
    </message>
    <message>
        <source>Hecke</source>
        <translation>Jaula de cría</translation>
    </message>
    <message>
        <source>Hahn (m)</source>
        <translation>Macho (m)</translation>
    </message>
    <message>
        <source>Henne (w)</source>
        <translation>Hembra (h)</translation>
    </message>
</context>
<context>
    <name>SplashWindow</name>
    <message>
        <source>für Kanarienvögel</source>
        <translation>para canarios</translation>
    </message>
</context>
<context>
    <name>SqlStatement</name>
    <message>
        <source>die Datei wird gerade von einem anderen Programm benutzt</source>
        <translation>el archivo está siendo utilizado por otro programa en este momento</translation>
    </message>
    <message>
        <source>eine unterbrochene Änderung wartet darauf, zurückgenommen zu werden</source>
        <translation>un cambio interrumpido está pendiente de deshacerse</translation>
    </message>
    <message>
        <source>die Datei darf nicht geändert werden</source>
        <translation>el archivo no se puede modificar</translation>
    </message>
    <message>
        <source>keine Berechtigung</source>
        <translation>permiso denegado</translation>
    </message>
    <message>
        <source>die Datei kann nicht geöffnet werden</source>
        <translation>no se puede abrir el archivo</translation>
    </message>
    <message>
        <source>Lese- oder Schreibfehler des Datenträgers</source>
        <translation>error de lectura o escritura de la unidad</translation>
    </message>
    <message>
        <source>der Datenträger ist voll</source>
        <translation>la unidad está llena</translation>
    </message>
    <message>
        <source>die Datei ist beschädigt</source>
        <translation>el archivo está dañado</translation>
    </message>
    <message>
        <source>die Datei ist keine Datenbank</source>
        <translation>el archivo no es una base de datos</translation>
    </message>
    <message>
        <source>nicht genug Arbeitsspeicher</source>
        <translation>memoria insuficiente</translation>
    </message>
    <message>
        <source>ein Wert verletzt eine Regel der Datenbank</source>
        <translation>un valor infringe una regla de la base de datos</translation>
    </message>
    <message>
        <source>die Datenbank hat einen Fehler gemeldet</source>
        <translation>la base de datos ha notificado un error</translation>
    </message>
    <message>
        <source>Fehler der Datenbank</source>
        <translation>error de la base de datos</translation>
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

Los cambios se conservan en el programa; Avelor lo intentará de nuevo enseguida y guardará en cualquier caso al cerrar.</translation>
    </message>
</context>
<context>
    <name>StockColours</name>
    <message>
        <source>Hahn: %1</source>
        <translation>Macho: %1</translation>
    </message>
    <message>
        <source>Henne: %1</source>
        <translation>Hembra: %1</translation>
    </message>
    <message>
        <source>Den Ring „%1“ gibt es nicht im Bestand.</source>
        <translation>La anilla «%1» no está en el plantel.</translation>
    </message>
</context>
<context>
    <name>StockDocument</name>
    <message>
        <source>„%1“ konnte nicht rückgängig gemacht werden: %2</source>
        <translation>No se ha podido deshacer «%1»: %2</translation>
    </message>
    <message>
        <source>„%1“ konnte nicht wiederholt werden: %2</source>
        <translation>No se ha podido rehacer «%1»: %2</translation>
    </message>
    <message>
        <source>Kanarienvogel %1 angelegt</source>
        <translation>Canario %1 registrado</translation>
    </message>
    <message>
        <source>%1 Kanarienvögel angelegt, %2 bis %3</source>
        <translation>%1 canarios registrados, del %2 al %3</translation>
    </message>
    <message>
        <source>Kanarienvogel %1 geändert</source>
        <translation>Canario %1 modificado</translation>
    </message>
    <message>
        <source>Kanarienvogel %1 gelöscht</source>
        <translation>Canario %1 eliminado</translation>
    </message>
    <message>
        <source>Ausstellungsergebnis von %1 eingetragen</source>
        <translation>Resultado de concurso de %1 registrado</translation>
    </message>
    <message>
        <source>Ausstellungsergebnis von %1 geändert</source>
        <translation>Resultado de concurso de %1 modificado</translation>
    </message>
    <message>
        <source>Ausstellungsergebnis von %1 gelöscht</source>
        <translation>Resultado de concurso de %1 eliminado</translation>
    </message>
    <message>
        <source>Eltern von %1 gespeichert</source>
        <translation>Padres de %1 guardados</translation>
    </message>
    <message>
        <source>Bestand sortiert</source>
        <translation>Plantel ordenado</translation>
    </message>
    <message>
        <source>Züchterdaten geändert</source>
        <translation>Datos del criador modificados</translation>
    </message>
    <message>
        <source>Druckeinstellungen geändert</source>
        <translation>Configuración de impresión modificada</translation>
    </message>
    <message>
        <source>Bild von %1 gespeichert</source>
        <translation>Imagen de %1 guardada</translation>
    </message>
    <message>
        <source>Bild von %1 entfernt</source>
        <translation>Imagen de %1 quitada</translation>
    </message>
    <message>
        <source>Dieses Zuchtpaar gibt es nicht mehr.</source>
        <translation>Esta pareja reproductora ya no existe.</translation>
    </message>
    <message>
        <source>Dieses Gelege gibt es nicht mehr.</source>
        <translation>Esta puesta ya no existe.</translation>
    </message>
    <message>
        <source>Zuchtpaar %1 × %2 angelegt</source>
        <translation>Pareja reproductora %1 × %2 registrada</translation>
    </message>
    <message>
        <source>Zuchtpaar %1 × %2 geändert</source>
        <translation>Pareja reproductora %1 × %2 modificada</translation>
    </message>
    <message>
        <source>Zuchtpaar %1 × %2 gelöscht</source>
        <translation>Pareja reproductora %1 × %2 eliminada</translation>
    </message>
    <message>
        <source>Gelege angelegt</source>
        <translation>Puesta registrada</translation>
    </message>
    <message>
        <source>Gelege geändert</source>
        <translation>Puesta modificada</translation>
    </message>
    <message>
        <source>Gelege gelöscht</source>
        <translation>Puesta eliminada</translation>
    </message>
    <message>
        <source>Dieses Ei gibt es nicht mehr.</source>
        <translation>Este huevo ya no existe.</translation>
    </message>
    <message>
        <source>Jungvogel %1 beringt</source>
        <translation>Cría %1 anillada</translation>
    </message>
    <message>
        <source>Angaben zum Ei gelöscht</source>
        <translation>Datos del huevo borrados</translation>
    </message>
    <message>
        <source>Jungvogel %1 entfernt</source>
        <translation>Cría %1 quitada</translation>
    </message>
    <message>
        <source>Kanarienvogel %1 aus seinem Standort genommen</source>
        <translation>Canario %1 sacado de su ubicación</translation>
    </message>
    <message>
        <source>Kanarienvogel %1 nach %2 umgesetzt</source>
        <translation>Canario %1 trasladado a %2</translation>
    </message>
    <message>
        <source>%1 Kanarienvögel aus ihrem Standort genommen</source>
        <translation>%1 canarios sacados de su ubicación</translation>
    </message>
    <message>
        <source>%1 Kanarienvögel nach %2 umgesetzt</source>
        <translation>%1 canarios trasladados a %2</translation>
    </message>
    <message>
        <source>Ringe %1 bis %2 eingetragen</source>
        <translation>Anillas %1 a %2 registradas</translation>
    </message>
    <message>
        <source>Ringlieferung gelöscht</source>
        <translation>Entrega de anillas eliminada</translation>
    </message>
    <message>
        <source>Bitte den Namen der Ausstellung eingeben.</source>
        <translation>Introduzca el nombre del concurso.</translation>
    </message>
    <message>
        <source>Ausstellung %1 angelegt</source>
        <translation>Concurso %1 registrado</translation>
    </message>
    <message>
        <source>Ausstellung %1 geändert</source>
        <translation>Concurso %1 modificado</translation>
    </message>
    <message>
        <source>Ausstellung %1 gelöscht</source>
        <translation>Concurso %1 eliminado</translation>
    </message>
    <message>
        <source>Diese Ausstellung gibt es nicht mehr.</source>
        <translation>Este concurso ya no existe.</translation>
    </message>
    <message>
        <source>Den Kanarienvogel %1 gibt es nicht im Bestand.</source>
        <translation>El canario %1 no está en el plantel.</translation>
    </message>
    <message>
        <source>Bitte zuerst die Vögel auswählen.</source>
        <translation>Elija primero los ejemplares.</translation>
    </message>
    <message>
        <source>Kanarienvogel %1 für %2 gemeldet</source>
        <translation>Canario %1 inscrito en %2</translation>
    </message>
    <message>
        <source>Kollektion von %1 Kanarienvögeln für %2 gemeldet</source>
        <translation>Equipo de %1 canarios inscrito en %2</translation>
    </message>
    <message>
        <source>%1 Kanarienvögel für %2 gemeldet</source>
        <translation>%1 canarios inscritos en %2</translation>
    </message>
    <message>
        <source>Die Punkte müssen zwischen 0 und 100 liegen.</source>
        <translation>Los puntos deben estar entre 0 y 100.</translation>
    </message>
    <message>
        <source>Meldung von %1 geändert</source>
        <translation>Inscripción de %1 modificada</translation>
    </message>
    <message>
        <source>Meldung von %1 gelöscht</source>
        <translation>Inscripción de %1 eliminada</translation>
    </message>
    <message>
        <source>Bitte zuerst das Datum der Ausstellung eingeben.</source>
        <translation>Introduzca primero la fecha del concurso.</translation>
    </message>
    <message>
        <source>Ergebnisse von %1 übernommen</source>
        <translation>Resultados de %1 incorporados</translation>
    </message>
</context>
<context>
    <name>StockFile</name>
    <message>
        <source>negative Anzahl %1</source>
        <translation>cantidad negativa %1</translation>
    </message>
</context>
<context>
    <name>StockImport</name>
    <message>
        <source>„%1“ in „%2“ ist kein Datum wie 05.03.2024.</source>
        <translation>«%1» en «%2» no es una fecha como 05.03.2024.</translation>
    </message>
    <message>
        <source>Der Verbleib „%1“ ist unbekannt (erwartet: im Bestand, verkauft, abgegeben, verstorben oder entflogen).</source>
        <translation>El destino «%1» es desconocido (se espera: en el plantel, vendido, cedido, fallecido o escapado).</translation>
    </message>
    <message>
        <source>Der Preis „%1“ ist kein Betrag wie 45,50.</source>
        <translation>El precio «%1» no es un importe como 45,50.</translation>
    </message>
    <message>
        <source>%1 auf %2 Zeichen gekürzt: „%3“</source>
        <translation>%1 se ha acortado a %2 caracteres: «%3»</translation>
    </message>
    <message>
        <source>Die Ringnummer „%1“ (%2) ist länger als %3 Zeichen.</source>
        <translation>El número de anilla «%1» (%2) tiene más de %3 caracteres.</translation>
    </message>
    <message>
        <source>Das Geschlecht „%1“ ist unbekannt (erwartet: 1.0 oder 0.1, m oder w, Hahn oder Henne).</source>
        <translation>El sexo «%1» es desconocido (se espera: 1.0 o 0.1, m o f, macho o hembra).</translation>
    </message>
    <message>
        <source>Das Geburtsjahr „%1“ liegt nicht zwischen 1900 und 2100.</source>
        <translation>El año de nacimiento «%1» no está entre 1900 y 2100.</translation>
    </message>
    <message>
        <source>„%1“ in „Verkauft“ ist weder ja noch nein.</source>
        <translation>«%1» en «Vendido» no es ni «sí» ni «no».</translation>
    </message>
    <message>
        <source>%1 würde sein eigener Vorfahr.</source>
        <translation>%1 se convertiría en su propio antepasado.</translation>
    </message>
    <message>
        <source>%1 neu, %2 geändert, %3 unverändert, %4 fehlerhaft</source>
        <translation>%1 nuevos, %2 modificados, %3 sin cambios, %4 con errores</translation>
    </message>
    <message>
        <source>Die Ringnummer ist leer.</source>
        <translation>El número de anilla está vacío.</translation>
    </message>
    <message>
        <source>Die Ringnummer „%1“ ist länger als %2 Zeichen.</source>
        <translation>El número de anilla «%1» tiene más de %2 caracteres.</translation>
    </message>
    <message>
        <source>Die Ringnummer %1 steht schon in Zeile %2.</source>
        <translation>El número de anilla %1 ya figura en la fila %2.</translation>
    </message>
    <message>
        <source>%1 ist nicht im Bestand.</source>
        <translation>%1 no está en el plantel.</translation>
    </message>
    <message>
        <source>Der Name der Schau fehlt.</source>
        <translation>Falta el nombre del concurso.</translation>
    </message>
    <message>
        <source>„%1“ sind keine Punkte von 0 bis 100 in halben Punkten.</source>
        <translation>«%1» no son puntos de 0 a 100 en medios puntos.</translation>
    </message>
    <message>
        <source>„%1“ ist keine Nummer einer Kollektion.</source>
        <translation>«%1» no es un número de equipo.</translation>
    </message>
    <message>
        <source>Dieses Ergebnis steht schon in Zeile %1.</source>
        <translation>Este resultado ya figura en la fila %1.</translation>
    </message>
    <message>
        <source>Solange eine Zeile fehlerhaft ist, wird nichts importiert.</source>
        <translation>Mientras haya una fila con errores, no se importa nada.</translation>
    </message>
    <message>
        <source>Die Prüfung wurde abgebrochen; es wurde nichts importiert.</source>
        <translation>Se ha cancelado la comprobación; no se ha importado nada.</translation>
    </message>
    <message>
        <source>Die Datei bringt nichts Neues.</source>
        <translation>El archivo no aporta nada nuevo.</translation>
    </message>
    <message>
        <source>Ausstellungsergebnisse importiert: %1 neu, %2 geändert</source>
        <translation>Resultados de concursos importados: %1 nuevos, %2 modificados</translation>
    </message>
    <message>
        <source>Bestand importiert: %1 neu, %2 geändert</source>
        <translation>Plantel importado: %1 nuevos, %2 modificados</translation>
    </message>
</context>
<context>
    <name>StockList</name>
    <message>
        <source>Export der Kanarienvögelbestandsliste sortiert nach Ringnummer</source>
        <translation>Lista del plantel de canarios ordenada por número de anilla</translation>
    </message>
    <message>
        <source>Export der Kanarienvögelbestandsliste sortiert nach Geburtsdatum</source>
        <translation>Lista del plantel de canarios ordenada por fecha de nacimiento</translation>
    </message>
    <message>
        <source>erstellt am %1 mit %2</source>
        <extracomment>%1 is the date, %2 the program&apos;s name as a link</extracomment>
        <translation>creada el %1 con %2</translation>
    </message>
    <message>
        <source>Lfd. Nr</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Ring-Nr</source>
        <translation>N.º anilla</translation>
    </message>
    <message>
        <source>Farbe</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Geburtsjahr</source>
        <translation>Año de nacimiento</translation>
    </message>
    <message>
        <source>Art/Rasse</source>
        <translation>Especie/raza</translation>
    </message>
    <message>
        <source>Bemerkungen</source>
        <translation>Observaciones</translation>
    </message>
    <message>
        <source>Geschlecht</source>
        <translation>Sexo</translation>
    </message>
    <message>
        <source>[U] </source>
        <extracomment>sex unknown, in the stock list</extracomment>
        <translation>[D] </translation>
    </message>
    <message>
        <source>[M] </source>
        <extracomment>male, in the stock list</extracomment>
        <translation>[M] </translation>
    </message>
    <message>
        <source>[W] </source>
        <extracomment>female, in the stock list</extracomment>
        <translation>[H] </translation>
    </message>
    <message>
        <source>%1-Liste</source>
        <extracomment>%1 is a breed</extracomment>
        <translation>Lista %1</translation>
    </message>
</context>
<context>
    <name>StockListCommands</name>
    <message>
        <source>die Bestandsliste</source>
        <translation>la lista del plantel</translation>
    </message>
    <message>
        <source>Kanarienvögelbestandsliste</source>
        <translation>Lista del plantel de canarios</translation>
    </message>
    <message>
        <source>Geben Sie Ihrer Bestandsliste einen Namen</source>
        <translation>Dé un nombre a su lista del plantel</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde erfolgreich erstellt und enthält nun alle Kanarienvögel der aktuellen Kanarienvögelbestandsliste.</source>
        <translation>El archivo %1 se ha creado correctamente y contiene ahora todos los canarios de la lista del plantel de canarios actual.</translation>
    </message>
    <message>
        <source>Bestand als CSV-Datei speichern</source>
        <translation>Guardar el plantel como archivo CSV</translation>
    </message>
    <message>
        <source>Bestand.csv</source>
        <translation>Plantel.csv</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde erstellt und enthält alle Kanarienvögel des Bestands.</source>
        <translation>Se ha creado el archivo %1, que contiene todos los canarios del plantel.</translation>
    </message>
</context>
<context>
    <name>StockListPanel</name>
    <message>
        <source>Wie soll die Kanarienvögelbestandsliste sortiert sein?</source>
        <translation>¿Cómo desea ordenar la lista del plantel de canarios?</translation>
    </message>
    <message>
        <source>Liste zum Ausdrucken generieren</source>
        <translation>Generar la lista para imprimir</translation>
    </message>
    <message>
        <source>Export in HTML-Datei</source>
        <translation>Exportar a archivo HTML</translation>
    </message>
    <message>
        <source>Export in CSV-Datei (Tabellenkalkulation)</source>
        <translation>Exportar a archivo CSV (hoja de cálculo)</translation>
    </message>
    <message>
        <source>Ausgabe:</source>
        <translation>Salida:</translation>
    </message>
    <message>
        <source>nach Ringnummer</source>
        <translation>por número de anilla</translation>
    </message>
    <message>
        <source>nach Geburtsjahr</source>
        <translation>por año de nacimiento</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>StockListReport</name>
    <message>
        <source>Seite: %1</source>
        <translation>Página: %1</translation>
    </message>
    <message>
        <source>Ringnummer, Farbe</source>
        <translation>Número de anilla, color</translation>
    </message>
    <message>
        <source> Bemerkungen</source>
        <translation> Observaciones</translation>
    </message>
    <message>
        <source>Geschlecht, Bemerkungen</source>
        <translation>Sexo, observaciones</translation>
    </message>
    <message>
        <source>Geburtsjahr, Art / Rasse</source>
        <translation>Año de nacimiento, especie / raza</translation>
    </message>
    <message>
        <source>Lfd.</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Nr.</source>
        <translation>orden</translation>
    </message>
</context>
<context>
    <name>SystemPrinter</name>
    <message>
        <source>Der Drucker „%1“ kann nicht benutzt werden.</source>
        <translation>No se puede usar la impresora «%1».</translation>
    </message>
    <message>
        <source>Der Drucker hat die nächste Seite nicht angenommen.</source>
        <translation>La impresora no ha aceptado la página siguiente.</translation>
    </message>
    <message>
        <source>Der Druckauftrag ist fehlgeschlagen.</source>
        <translation>El trabajo de impresión ha fallado.</translation>
    </message>
</context>
<context>
    <name>TableReport</name>
    <message>
        <source>Seite %1</source>
        <translation>Página %1</translation>
    </message>
</context>
<context>
    <name>TextRules</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; no es un número entero válido</translation>
    </message>
</context>
<context>
    <name>UndoButtons</name>
    <message>
        <source>Rückgängig</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Wiederholen</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Rückgängig: %1</source>
        <translation>Deshacer: %1</translation>
    </message>
    <message>
        <source>Wiederholen: %1</source>
        <translation>Rehacer: %1</translation>
    </message>
</context>
<context>
    <name>UsbBackupDialog</name>
    <message>
        <source>Backup auf USB-Stick oder ext. Festplatte</source>
        <translation>Copia de seguridad en memoria USB o disco externo</translation>
    </message>
    <message>
        <source>Mit dieser Funktion können Sie Ihr Backup auf einen USB-Stick oder eine externe Festplatte speichern.

Wählen Sie einfach das Laufwerk aus auf welches das Backup gespeichert werden soll.

Sie benötigen Schreibrechte auf dem ausgewählten Laufwerk.</source>
        <translation>Con esta función puede guardar su copia de seguridad en una memoria USB o en un disco externo.

Basta con elegir la unidad en la que se debe guardar la copia de seguridad.

Necesita permisos de escritura en la unidad seleccionada.</translation>
    </message>
    <message>
        <source>Backup auf &quot;%1&quot; ausführen</source>
        <translation>Hacer copia de seguridad en &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Die Bilder werden gesichert</source>
        <translation>Guardando copia de las imágenes</translation>
    </message>
    <message>
        <source>Fehler bei der Datensicherung auf USB-Stick oder externer Festplatte.</source>
        <translation>Error al hacer la copia de seguridad en la memoria USB o el disco externo.</translation>
    </message>
</context>
<context>
    <name>UsbRestoreDialog</name>
    <message>
        <source>Backup von USB-Stick oder ext. Festplatte holen</source>
        <translation>Restaurar copia de seguridad desde memoria USB o disco externo</translation>
    </message>
    <message>
        <source>Mit dieser Funktion können Sie Ihr Backup von einem USB-Stick oder einer externen Festplatte holen.

Wählen Sie einfach das Laufwerk aus auf welchem sich das Backup befindet.

Sie benötigen Leserechte auf dem ausgewählten Laufwerk.</source>
        <translation>Con esta función puede restaurar su copia de seguridad desde una memoria USB o un disco externo.

Basta con elegir la unidad en la que se encuentra la copia de seguridad.

Necesita permisos de lectura en la unidad seleccionada.</translation>
    </message>
    <message>
        <source>Backup von &quot;%1&quot; holen</source>
        <translation>Restaurar copia de seguridad desde &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Sicherheitsabfrage</source>
        <translation>Confirmación</translation>
    </message>
    <message>
        <source>Beim Rückholen des Backups wird der auf dem Rechner befindliche Stand überschrieben.
<byte value="xd"/>Soll das Backup wirklich vom USB-Stick bzw. Festplatte zurückgeholt werden?</source>
        <translation>Al restaurar la copia de seguridad se sobrescriben los datos de este equipo.
</translation>
    </message>
    <message>
        <source>Die Bilder werden zurückgeholt</source>
        <translation>Restaurando las imágenes</translation>
    </message>
    <message>
        <source>Fehler beim Zurückholen der Datensicherung.</source>
        <translation>Error al restaurar la copia de seguridad.</translation>
    </message>
</context>
<context>
    <name>WhereaboutsPanel</name>
    <message>
        <source>Was aus dem Vogel geworden ist</source>
        <translation>Qué ha sido del ejemplar</translation>
    </message>
    <message>
        <source>Seit wann, im Format TT.MM.JJJJ; leer, wenn unbekannt</source>
        <translation>Desde cuándo, con el formato DD.MM.AAAA; vacío si se desconoce</translation>
    </message>
    <message>
        <source>TT.MM.JJJJ</source>
        <translation>DD.MM.AAAA</translation>
    </message>
    <message>
        <source>Wer den Vogel bekommen hat</source>
        <translation>Quién ha recibido el ejemplar</translation>
    </message>
    <message>
        <source>Anschrift des Käufers</source>
        <translation>Dirección del comprador</translation>
    </message>
    <message>
        <source>Der Preis in Euro, etwa 45,50</source>
        <translation>El precio en euros, p. ej. 45,50</translation>
    </message>
    <message>
        <source>0,00</source>
        <translation>0,00</translation>
    </message>
    <message>
        <source>Eine Notiz zum Verbleib</source>
        <translation>Una nota sobre el destino</translation>
    </message>
    <message>
        <source>&amp;Verbleib:</source>
        <translation>&amp;Destino:</translation>
    </message>
    <message>
        <source>&amp;Datum:</source>
        <translation>&amp;Fecha:</translation>
    </message>
    <message>
        <source>&amp;Käufer:</source>
        <translation>&amp;Comprador:</translation>
    </message>
    <message>
        <source>&amp;Anschrift:</source>
        <translation>Di&amp;rección:</translation>
    </message>
    <message>
        <source>&amp;Preis (€):</source>
        <translation>&amp;Precio (€):</translation>
    </message>
    <message>
        <source>&amp;Notiz:</source>
        <translation>&amp;Nota:</translation>
    </message>
    <message>
        <source>Ungültiges Datum beim Verbleib!</source>
        <translation>¡Fecha de destino no válida!</translation>
    </message>
    <message>
        <source>Ungültiger Preis! Bitte den Betrag in Euro angeben, etwa 45,50.</source>
        <translation>¡Precio no válido! Indique el importe en euros, p. ej. 45,50.</translation>
    </message>
</context>
<context>
    <name>WipeDatabaseDialog</name>
    <message>
        <source>neu</source>
        <comment>word typed to confirm the wipe</comment>
        <translation>sí</translation>
    </message>
    <message>
        <source>Komplette Datenbank löschen und neu anfangen</source>
        <translation>Borrar toda la base de datos y empezar de nuevo</translation>
    </message>
    <message>
        <source>! ! ! A C H T U N G ! ! !</source>
        <translation>! ! ! A T E N C I Ó N ! ! !</translation>
    </message>
    <message>
        <source>Wenn Sie die komplette Datenbank löschen fangen Sie komplett neu an. Alle Kanarienvögel und alle Zuchtpaare sind verloren (sofern Sie kein Backup erstellt haben).

Wenn Sie sicher sind und wissen was Sie tun dann schreiben Sie das Wort &quot;%1&quot; bitte in das unten stehende Feld und klicken anschließend auf OK!</source>
        <extracomment>%1 is the word the breeder types to confirm</extracomment>
        <translation>Si borra toda la base de datos, empezará completamente de nuevo. Todos los canarios y todas las parejas reproductoras se perderán (a menos que haya hecho una copia de seguridad).

Si está seguro y sabe lo que hace, escriba la palabra &quot;%1&quot; en el campo de abajo y haga clic después en Aceptar.</translation>
    </message>
    <message>
        <source>Bestätigungswort</source>
        <translation>Palabra de confirmación</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Die Datenbank wurde gelöscht. Was bis dahin geändert wurde, lässt sich nicht mehr rückgängig machen.</source>
        <translation>Se ha borrado la base de datos. Los cambios realizados antes ya no se pueden deshacer.</translation>
    </message>
</context>
</TS>
