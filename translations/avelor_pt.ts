<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt" sourcelanguage="de">
<context>
    <name>AnimalChange</name>
    <message>
        <source>Die Ringnummer %1 gehört zu keinem Kanarienvogel im Bestand mehr (gelöscht). Es wurde nichts geändert.</source>
        <translation>O número da anilha %1 já não pertence a nenhum canário do plantel (eliminado). Não foi alterado nada.</translation>
    </message>
    <message>
        <source>Diese Ringnummer existiert schon.</source>
        <translation>Este número da anilha já existe.</translation>
    </message>
</context>
<context>
    <name>AnimalEntry</name>
    <message>
        <source>Bitte das Geschlecht angeben.</source>
        <translation>Indique o sexo.</translation>
    </message>
    <message>
        <source>Bitte das Geburtsjahr angeben.</source>
        <translation>Indique o ano de nascimento.</translation>
    </message>
    <message>
        <source>Bitte den Züchter angeben.</source>
        <translation>Indique o criador.</translation>
    </message>
    <message>
        <source>Bitte die Zeichnung angeben (z.B. einfarbig oder gescheckt).</source>
        <translation>Indique o desenho (p. ex. limpo ou malhado).</translation>
    </message>
    <message>
        <source>Bitte die Farbe angeben.</source>
        <translation>Indique a cor.</translation>
    </message>
    <message>
        <source>ACHTUNG:
<byte value="xd"/>
<byte value="xd"/>Die Ringnr %1 ist bereits angelegt.</source>
        <translation>ATENÇÃO!
</translation>
    </message>
    <message>
        <source>Bitte die Ringnummer angeben.</source>
        <translation>Indique o número da anilha.</translation>
    </message>
    <message>
        <source>&quot;Anfang der Ringnummer&quot; darf nicht leer sein.</source>
        <translation>&quot;Início do número da anilha&quot; não pode estar vazio.</translation>
    </message>
    <message>
        <source>Von-Feld darf nur Zahlen enthalten.</source>
        <translation>O campo De só pode conter algarismos.</translation>
    </message>
    <message>
        <source>Bis-Feld darf nur Zahlen enthalten.</source>
        <translation>O campo Até só pode conter algarismos.</translation>
    </message>
    <message>
        <source>Von-Feld muß kleiner als das Bis-Feld sein.</source>
        <translation>O campo De tem de ser menor do que o campo Até.</translation>
    </message>
    <message>
        <source>Bitte die führenden Nullen eintragen.</source>
        <translation>Introduza os zeros iniciais.</translation>
    </message>
    <message>
        <source>Ein Bereich darf höchstens %1 Ringnummern umfassen.</source>
        <translation>Um intervalo pode abranger no máximo %1 números de anilha.</translation>
    </message>
    <message>
        <source>Achtung! Es gibt schon (mindestens eine) der zu generierenden Kanarienvögel. Abbruch!</source>
        <translation>Atenção! (Pelo menos um dos) canários a criar já existe. Cancelado!</translation>
    </message>
    <message>
        <source>Die Ringnummern wären länger als 20 Zeichen und nach dem Kürzen nicht mehr eindeutig (zum Beispiel %1). Bitte den Anfang der Ringnummer kürzen.</source>
        <translation>Os números de anilha teriam mais de 20 caracteres e, depois de encurtados, deixariam de ser únicos (por exemplo %1). Encurte o início do número da anilha.</translation>
    </message>
</context>
<context>
    <name>AnimalFields</name>
    <message>
        <source>Ringnummer:</source>
        <translation>Número da anilha:</translation>
    </message>
    <message>
        <source>Geschlecht:</source>
        <translation>Sexo:</translation>
    </message>
    <message>
        <source>Geburtsjahr:</source>
        <translation>Ano de nascimento:</translation>
    </message>
    <message>
        <source>Züchter:</source>
        <translation>Criador:</translation>
    </message>
    <message>
        <source>Farbe:</source>
        <translation>Cor:</translation>
    </message>
    <message>
        <source>Zeichnung:</source>
        <translation>Desenho:</translation>
    </message>
    <message>
        <source>Art/Rasse:</source>
        <translation>Espécie/raça:</translation>
    </message>
    <message>
        <source>Bemerkungen für die 
Kanarienvögelbestandsliste:</source>
        <translation>Observações para a 
lista do plantel de canários:</translation>
    </message>
    <message>
        <source>Bemerkungen:</source>
        <translation>Observações:</translation>
    </message>
</context>
<context>
    <name>AnimalGenes</name>
    <message>
        <source>%1 ist dominant und zeigt sich immer; verdeckt tragen kann es kein Vogel.</source>
        <translation>%1 é dominante e manifesta-se sempre; nenhum exemplar o pode portar oculto.</translation>
    </message>
    <message>
        <source>%1: an einem Genort hat ein Vogel nur zwei Anlagen.</source>
        <translation>%1: um exemplar só tem dois fatores num mesmo locus.</translation>
    </message>
    <message>
        <source>„doppelfaktorig“ gibt es nur bei dominanten Anlagen, nicht bei %1.</source>
        <translation>«duplo fator» só existe nos fatores dominantes, não em %1.</translation>
    </message>
    <message>
        <source>Eine Henne kann %1 nicht verdeckt tragen: es wird geschlechtsgebunden vererbt.</source>
        <translation>Uma fêmea não pode portar %1 oculto: é transmitido ligado ao sexo.</translation>
    </message>
    <message>
        <source>Eine Henne zeigt %1 und %2 nicht zugleich: beide liegen am selben Genort ihres einen Z-Chromosoms.</source>
        <translation>Uma fêmea não mostra %1 e %2 ao mesmo tempo: ambos se encontram no mesmo locus do seu único cromossoma Z.</translation>
    </message>
    <message>
        <source>%1 liegen am selben Genort; ein Vogel hat dort nur zwei Anlagen, und sichtbar ist nur die stärkere (etwa „achat,/satinet“).</source>
        <translation>%1 encontram-se no mesmo locus; um exemplar só tem dois fatores nesse locus, e só se manifesta o mais forte (p. ex. «achat,/satinet»).</translation>
    </message>
    <message>
        <source>Ein Vogel, der %1 trägt, zeigt nicht %2.</source>
        <translation>Um exemplar portador de %1 não mostra %2.</translation>
    </message>
    <message>
        <source>%1 und %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>„%1“ ist keine Erbanlage der Farbtabelle.</source>
        <translation>«%1» não é um fator genético da tabela de fatores.</translation>
    </message>
    <message>
        <source>„%1“ steht zweimal in den Erbanlagen.</source>
        <translation>«%1» aparece duas vezes nos fatores genéticos.</translation>
    </message>
    <message>
        <source>In „%1“ fehlt der Name einer Anlage.</source>
        <translation>Falta o nome de um fator em «%1».</translation>
    </message>
    <message>
        <source>Unbekannte Anlage „%1“. Bekannt sind: %2.</source>
        <translation>Fator desconhecido «%1». Fatores conhecidos: %2.</translation>
    </message>
    <message>
        <source>„%1“ ist zugleich sichtbar und spalterbig angegeben.</source>
        <translation>«%1» está indicado ao mesmo tempo como visual e como portador.</translation>
    </message>
    <message>
        <source>„%1“ ist doppelt angegeben.</source>
        <translation>«%1» está indicado duas vezes.</translation>
    </message>
    <message>
        <source>„%1“ ist mehr als zweimal angegeben.</source>
        <translation>«%1» está indicado mais de duas vezes.</translation>
    </message>
    <message>
        <source>Doppelfaktorig %1 ist nicht lebensfähig; ein solcher Vogel kann kein Elterntier sein.</source>
        <translation>%1 em duplo fator não é viável; um exemplar assim não pode ser progenitor.</translation>
    </message>
</context>
<context>
    <name>AnimalRecordWords</name>
    <message>
        <source>im Bestand</source>
        <translation>no plantel</translation>
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
        <translation>falecido</translation>
    </message>
    <message>
        <source>entflogen</source>
        <translation>fugido</translation>
    </message>
    <message>
        <source>unbekannt</source>
        <translation>desconhecido</translation>
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
        <translation>duplo fator</translation>
    </message>
</context>
<context>
    <name>AnimalRecords</name>
    <message>
        <source>Das Jahr der Ringe muss zwischen 1900 und 9999 liegen.</source>
        <translation>O ano das anilhas deve estar entre 1900 e 9999.</translation>
    </message>
    <message>
        <source>Der letzte Ring darf nicht vor dem ersten liegen.</source>
        <translation>A última anilha não pode vir antes da primeira.</translation>
    </message>
    <message>
        <source>Eine Lieferung umfasst höchstens 99 999 Ringe.</source>
        <translation>Uma entrega abrange no máximo 99 999 anilhas.</translation>
    </message>
    <message>
        <source>Die Nummer %1 hat mehr als %2 Stellen.</source>
        <translation>O número %1 tem mais de %2 dígitos.</translation>
    </message>
    <message>
        <source>Diese Ringe überschneiden sich mit der Lieferung %1 bis %2 (%3).</source>
        <extracomment>%1 and %2 the first and last ring of a delivery entered before, %3 its year</extracomment>
        <translation>Estas anilhas sobrepõem-se à entrega %1 a %2 (%3).</translation>
    </message>
    <message>
        <source>Hahn</source>
        <translation>Macho</translation>
    </message>
    <message>
        <source>Henne</source>
        <translation>Fêmea</translation>
    </message>
</context>
<context>
    <name>AppInfo</name>
    <message>
        <source>Avelor Abstammungsnachweis</source>
        <translation>Avelor Certificado de genealogia</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the version number</extracomment>
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>© Avelor – freie Software für Züchter</source>
        <translation>© Avelor – software livre para criadores</translation>
    </message>
</context>
<context>
    <name>Backup</name>
    <message>
        <source>„%1“ kann nicht gelesen werden: %2</source>
        <translation>Não é possível ler «%1»: %2</translation>
    </message>
    <message>
        <source>„%1“ ist beschädigt (%2).</source>
        <translation>«%1» está danificado (%2).</translation>
    </message>
    <message>
        <source>Der Ordner „%1“ konnte nicht angelegt werden.</source>
        <translation>Não foi possível criar a pasta «%1».</translation>
    </message>
    <message>
        <source>„%1“ konnte nicht geschrieben werden: %2</source>
        <translation>Não foi possível escrever «%1»: %2</translation>
    </message>
    <message>
        <source>„%1“ gibt es nicht.</source>
        <translation>«%1» não existe.</translation>
    </message>
    <message>
        <source>Die bisherigen Daten konnten nicht gesichert werden, darum wurde nichts zurückgeholt: %1</source>
        <translation>Não foi possível fazer uma cópia de segurança dos dados atuais, por isso não foi reposto nada: %1</translation>
    </message>
    <message>
        <source>%1 Die Daten und Bilder sind unverändert geblieben.</source>
        <extracomment>%1 says why the pictures were not restored</extracomment>
        <translation>%1 Os dados e as imagens não foram alterados.</translation>
    </message>
    <message>
        <source>Das Zurückholen der Bilder wurde abgebrochen.</source>
        <translation>A reposição das imagens foi cancelada.</translation>
    </message>
</context>
<context>
    <name>BackupGroup</name>
    <message>
        <source>Backup-Funktion: </source>
        <translation>Cópia de segurança </translation>
    </message>
    <message>
        <source>Backup auf USB-Stick</source>
        <translation>Cópia de segurança para pen USB</translation>
    </message>
    <message>
        <source>Backup von USB-Stick holen</source>
        <translation>Repor cópia a partir de pen USB</translation>
    </message>
    <message>
        <source>Schnelles Backup</source>
        <translation>Cópia de segurança rápida</translation>
    </message>
    <message>
        <source>Schnelles Backup holen</source>
        <translation>Repor cópia rápida</translation>
    </message>
    <message>
        <source>Komplette Datenbank löschen und neu anfangen</source>
        <translation>Eliminar toda a base de dados e recomeçar</translation>
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
        <translation>Não foi possível copiar estas imagens:
%1</translation>
    </message>
    <message>
        <source>Die bisherige Datensicherung ist unverändert geblieben.</source>
        <translation>A cópia de segurança anterior não foi alterada.</translation>
    </message>
    <message>
        <source>Die Datensicherung wurde abgebrochen.</source>
        <translation>A cópia de segurança foi cancelada.</translation>
    </message>
    <message>
        <source>Datensicherung wurde durchgeführt.</source>
        <translation>A cópia de segurança foi efetuada.</translation>
    </message>
    <message>
        <source>Die Daten von vorher liegen im Ordner „%1“.</source>
        <translation>Os dados anteriores estão na pasta «%1».</translation>
    </message>
    <message>
        <source>Datensicherung wurde zurückgeholt. Was bis dahin geändert wurde, lässt sich nicht mehr rückgängig machen.</source>
        <translation>A cópia de segurança foi reposta. As alterações feitas antes já não podem ser anuladas.</translation>
    </message>
</context>
<context>
    <name>BreedFilter</name>
    <message>
        <source>Filter löschen</source>
        <translation>Limpar filtro</translation>
    </message>
    <message>
        <source>Rassen-Filter:</source>
        <translation>Filtro de raça:</translation>
    </message>
</context>
<context>
    <name>BreederDataDialog</name>
    <message>
        <source>Züchterdaten</source>
        <translation>Dados do criador</translation>
    </message>
    <message>
        <source>Geben Sie hier Ihre Züchterdaten ein. Diese
werden für den Kopf des Abstammungs-
nachweises benötigt.</source>
        <translation>Introduza aqui os seus dados de criador. São
necessários para o cabeçalho do certificado
de genealogia.</translation>
    </message>
    <message>
        <source>Vorname:</source>
        <translation>Nome próprio:</translation>
    </message>
    <message>
        <source>Nachname:</source>
        <translation>Apelido:</translation>
    </message>
    <message>
        <source>Anschrift:</source>
        <translation>Morada:</translation>
    </message>
    <message>
        <source>PLZ &amp;&amp; Wohnort:</source>
        <translation>C. postal &amp;&amp; localidade:</translation>
    </message>
    <message>
        <source>Telefon:</source>
        <translation>Telefone:</translation>
    </message>
    <message>
        <source>Züchternummer:</source>
        <translation>Número de criador:</translation>
    </message>
    <message>
        <source>Vereinsnummer:</source>
        <translation>Número de clube:</translation>
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
        <translation>Eclosão</translation>
    </message>
    <message>
        <source>Beringen</source>
        <translation>Anilhagem</translation>
    </message>
    <message>
        <source>Absetzen</source>
        <translation>Desmame</translation>
    </message>
</context>
<context>
    <name>BreedingCalendarWindow</name>
    <message>
        <source>Zuchtkalender</source>
        <translation>Calendário de criação</translation>
    </message>
    <message>
        <source>Ein Doppelklick öffnet das Zuchtpaar in der Nachwuchsverwaltung</source>
        <translation>Um clique duplo abre o casal reprodutor na gestão da criação</translation>
    </message>
    <message>
        <source>Fällige Arbeiten</source>
        <translation>Tarefas pendentes</translation>
    </message>
    <message>
        <source>&amp;Drucken…</source>
        <translation>&amp;Imprimir…</translation>
    </message>
    <message>
        <source>Gerechnet wird mit</source>
        <translation>Calcula-se com</translation>
    </message>
    <message>
        <source>&amp;Schieren nach Brutbeginn:</source>
        <translation>&amp;Ovoscopia após o início da incubação:</translation>
    </message>
    <message>
        <source>Sch&amp;lupf nach Brutbeginn:</source>
        <translation>&amp;Eclosão após o início da incubação:</translation>
    </message>
    <message>
        <source>&amp;Beringen nach dem Schlupf:</source>
        <translation>&amp;Anilhagem após a eclosão:</translation>
    </message>
    <message>
        <source>&amp;Absetzen nach dem Schlupf:</source>
        <translation>&amp;Desmame após a eclosão:</translation>
    </message>
    <message>
        <source>&amp;Vorschau:</source>
        <translation>&amp;Previsão:</translation>
    </message>
    <message>
        <source> Tage</source>
        <translation> dias</translation>
    </message>
    <message>
        <source>Stand %1: %2 überfällig, %3 bis zum %4 fällig.</source>
        <extracomment>%1 today, %2 overdue tasks, %3 tasks due until the date %4</extracomment>
        <translation>Situação em %1: %2 em atraso, %3 pendentes até %4.</translation>
    </message>
    <message>
        <source>den Zuchtkalender</source>
        <translation>o calendário de criação</translation>
    </message>
    <message>
        <source>Zu wenig Ringe: noch %1 frei für %2 Eier, die einen Ring brauchen werden.</source>
        <extracomment>%1 free rings of this year, %2 eggs that will need a ring</extracomment>
        <translation>Anilhas insuficientes: restam %1 livres para %2 ovos que vão precisar de anilha.</translation>
    </message>
</context>
<context>
    <name>BreedingDialog</name>
    <message>
        <source>Wann wurde die Zucht gestartet?</source>
        <translation>Quando começou a criação?</translation>
    </message>
    <message>
        <source>Nr des Zuchtkäfigs?</source>
        <translation>N.º da gaiola de criação?</translation>
    </message>
    <message>
        <source>Wer ist der Vater?</source>
        <translation>Quem é o pai?</translation>
    </message>
    <message>
        <source>Wer ist die Mutter?</source>
        <translation>Quem é a mãe?</translation>
    </message>
    <message>
        <source>&lt;i&gt;im Format TT.MM.JJJJ&lt;/i&gt;</source>
        <translation>&lt;i&gt;no formato DD.MM.AAAA&lt;/i&gt;</translation>
    </message>
    <message>
        <source>Nachwuchsverwaltung</source>
        <translation>Gestão da criação</translation>
    </message>
    <message>
        <source>Hier können Sie Daten zu Zuchtpaaren hinterlegen, Gelege eingeben und das Beringen der Jungvögel vornehmen. Die Daten sind relevant für die Zuchtdatei. Um Hilfe zu erhalten einfach mit der Maus über das entsprechende Feld gehen.</source>
        <translation>Aqui pode guardar os dados dos casais reprodutores, introduzir posturas e anilhar as crias. Os dados pertencem ao ficheiro de criação. Para obter ajuda, basta passar o rato sobre o campo correspondente.</translation>
    </message>
    <message>
        <source>Neues Zuchtpaar anlegen</source>
        <translation>Registar novo casal reprodutor</translation>
    </message>
    <message>
        <source>Zuchtpaar anzeigen/bearbeiten</source>
        <translation>Mostrar/editar casal reprodutor</translation>
    </message>
    <message>
        <source>Zuchtbeginn:</source>
        <translation>Início da criação:</translation>
    </message>
    <message>
        <source>Hecke:</source>
        <translation>Gaiola de criação:</translation>
    </message>
    <message>
        <source>Vogel (m) 1.0:</source>
        <translation>Exemplar (m) 1.0:</translation>
    </message>
    <message>
        <source>Vogel (w) 0.1:</source>
        <translation>Exemplar (f) 0.1:</translation>
    </message>
    <message>
        <source>Zuchtpaar anlegen</source>
        <translation>Registar casal reprodutor</translation>
    </message>
    <message>
        <source>Speichert das aktuell eingegebene Zuchtpaar.
Gelege können im nächsten Schritt eingegeben
werden.</source>
        <translation>Guarda o casal reprodutor acabado de introduzir.
As posturas podem ser introduzidas no passo
seguinte.</translation>
    </message>
    <message>
        <source>Farben der Jungen:</source>
        <translation>Cores das crias:</translation>
    </message>
    <message>
        <source>Welches Zuchtpaar soll angezeigt bzw. bearbeitet werden?</source>
        <translation>Que casal reprodutor pretende mostrar ou editar?</translation>
    </message>
    <message>
        <source>Keine Gelege auswählbar? 
Dann ein neues Gelege anlegen.</source>
        <translation>Não há nenhuma postura para escolher? 
Então registe uma nova postura.</translation>
    </message>
    <message>
        <source>Neues Gelege anlegen</source>
        <translation>Registar nova postura</translation>
    </message>
    <message>
        <source>Legt ein neues Gelege dieses Zuchtpaares an.</source>
        <translation>Regista uma nova postura deste casal reprodutor.</translation>
    </message>
    <message>
        <source>Zuchtpaar auswählen:</source>
        <translation>Escolher casal reprodutor:</translation>
    </message>
    <message>
        <source>Farben der &amp;Jungen…</source>
        <translation>Cores das &amp;crias…</translation>
    </message>
    <message>
        <source>Zeigt, welche Farben die Jungen dieses Paares erwarten lassen</source>
        <translation>Mostra que cores se podem esperar nas crias deste casal</translation>
    </message>
    <message>
        <source>Bitte zuerst Hahn und Henne wählen.</source>
        <translation>Escolha primeiro o macho e a fêmea.</translation>
    </message>
    <message>
        <source>Gelege auswählen:</source>
        <translation>Escolher postura:</translation>
    </message>
    <message>
        <source>Zuchtpaar speichern</source>
        <translation>Guardar casal reprodutor</translation>
    </message>
    <message>
        <source>Speichert die Änderungen zum Zuchtpaar</source>
        <translation>Guarda as alterações do casal reprodutor</translation>
    </message>
    <message>
        <source>Zuchtpaar löschen</source>
        <translation>Eliminar casal reprodutor</translation>
    </message>
    <message>
        <source>Löscht das Zuchtpaar sowie deren Gelege und Eier. 
Evtl. daraus vorgegangene Jungtiere werden dabei 
nicht gelöscht.</source>
        <translation>Elimina o casal reprodutor com as suas posturas e ovos. 
As crias que delas tenham nascido 
não são eliminadas.</translation>
    </message>
    <message>
        <source>Gelege:</source>
        <translation>Postura:</translation>
    </message>
    <message>
        <source>Wieviele Eier wurden mit diesem Gelege gelegt?</source>
        <translation>Quantos ovos teve esta postura?</translation>
    </message>
    <message>
        <source>Wann wurde das erste Ei, dass durch ein Kunststoffei ersetzt wird gelegt?</source>
        <translation>Quando foi posto o primeiro ovo (o que é substituído por um ovo de plástico)?</translation>
    </message>
    <message>
        <source>Wann wurde das letzte Ei des Geleges gelegt?</source>
        <translation>Quando foi posto o último ovo da postura?</translation>
    </message>
    <message>
        <source>Wann wurden die Kunststoffeier durch die Gelege ersetzt (=Brutbeginn)?</source>
        <translation>Quando foram os ovos de plástico substituídos pela postura (= início da incubação)?</translation>
    </message>
    <message>
        <source>Anzahl Eier:</source>
        <translation>Número de ovos:</translation>
    </message>
    <message>
        <source>Datum Erstes Ei:</source>
        <translation>Data primeiro ovo:</translation>
    </message>
    <message>
        <source>Datum Letztes Ei:</source>
        <translation>Data último ovo:</translation>
    </message>
    <message>
        <source>Datum Gelege gesetzt:</source>
        <translation>Data colocação postura:</translation>
    </message>
    <message>
        <source>Gelege löschen</source>
        <translation>Eliminar postura</translation>
    </message>
    <message>
        <source>Löscht das Gelege aus der Datenbank. 
Evtl. eingetragene Eier gehen dabei verloren.

Die Jungvögel die bei der Beringung angelegt wurden bleiben erhalten.</source>
        <translation>Elimina a postura da base de dados. 
Os ovos introduzidos perdem-se.

As crias registadas na anilhagem são mantidas.</translation>
    </message>
    <message>
        <source>Gelege speichern</source>
        <translation>Guardar postura</translation>
    </message>
    <message>
        <source>Speichert das Gelege und alle Änderungen darin.</source>
        <translation>Guarda a postura e todas as suas alterações.</translation>
    </message>
    <message>
        <source>Sind Hahn und Henne gewählt, stehen hier die Farben ihrer Jungen.</source>
        <translation>Depois de escolhidos o macho e a fêmea, aparecem aqui as cores das suas crias.</translation>
    </message>
    <message>
        <source>Inzuchtkoeffizient der Jungen: %1</source>
        <translation>Coeficiente de consanguinidade das crias: %1</translation>
    </message>
    <message>
        <source>eng verwandt</source>
        <translation>parentes próximos</translation>
    </message>
    <message>
        <source>eng verwandt (%1)</source>
        <translation>parentes próximos (%1)</translation>
    </message>
    <message>
        <source>Frage</source>
        <translation>Pergunta</translation>
    </message>
    <message>
        <source>Hahn %1 und Henne %2 sind %3: Die Jungen hätten einen Inzuchtkoeffizienten von %4.

Trotzdem als Zuchtpaar speichern?</source>
        <translation>O macho %1 e a fêmea %2 são %3: as crias teriam um coeficiente de consanguinidade de %4.

Guardar mesmo assim como casal reprodutor?</translation>
    </message>
    <message>
        <source>Das Zuchtpaar wurde gespeichert. Wählen Sie es nun aus um Gelege einzugeben.</source>
        <translation>O casal reprodutor foi guardado. Selecione-o agora para introduzir posturas.</translation>
    </message>
    <message>
        <source>Bitte wählen Sie zunächst das Zuchtpaar aus, das Sie bearbeiten möchten.</source>
        <translation>Selecione primeiro o casal reprodutor que pretende editar.</translation>
    </message>
    <message>
        <source>Das Zuchtpaar wurde gespeichert.</source>
        <translation>O casal reprodutor foi guardado.</translation>
    </message>
    <message>
        <source>Bitte wählen Sie zunächst das Zuchtpaar aus, das Sie löschen möchten.</source>
        <translation>Selecione primeiro o casal reprodutor que pretende eliminar.</translation>
    </message>
    <message>
        <source>Wählen Sie zunächst das Zuchtpaar aus, dessen Gelege Sie anlegen möchten.</source>
        <translation>Selecione primeiro o casal reprodutor cuja postura pretende registar.</translation>
    </message>
</context>
<context>
    <name>BreedingRules</name>
    <message>
        <source>Ungültiges Zuchtbeginn-Datum!</source>
        <translation>Data de início da criação inválida!</translation>
    </message>
    <message>
        <source>Ungültige Heckennummer!</source>
        <translation>Número de gaiola de criação inválido!</translation>
    </message>
    <message>
        <source>Bitte Vogel (m) 1.0 auswählen!</source>
        <translation>Selecione o exemplar (m) 1.0!</translation>
    </message>
    <message>
        <source>Bitte Vogel (w) 0.1 auswählen!</source>
        <translation>Selecione o exemplar (f) 0.1!</translation>
    </message>
    <message>
        <source>Gelege %1</source>
        <translation>Postura %1</translation>
    </message>
    <message>
        <source>Ungültiges Datum bei Erstes Ei!</source>
        <translation>Data do primeiro ovo inválida!</translation>
    </message>
    <message>
        <source>Ungültige Anzahl Eier!</source>
        <translation>Número de ovos inválido!</translation>
    </message>
    <message>
        <source>Ungültiges Datum bei Letztes Ei!</source>
        <translation>Data do último ovo inválida!</translation>
    </message>
    <message>
        <source>Ungültiges Datum bei Gelege Gesetzt!</source>
        <translation>Data de colocação da postura inválida!</translation>
    </message>
    <message>
        <source>ACHTUNG:
<byte value="xd"/>
<byte value="xd"/>Die Ringnr %1 ist bereits angelegt.</source>
        <translation>ATENÇÃO!
</translation>
    </message>
    <message>
        <source>Bitte die Ringnummer angeben.</source>
        <translation>Indique o número da anilha.</translation>
    </message>
    <message>
        <source>Bitte das Geschlecht angeben.</source>
        <translation>Indique o sexo.</translation>
    </message>
    <message>
        <source>Bitte das abgesetzt-Datum richtig angeben.</source>
        <translation>Indique uma data de desmame válida.</translation>
    </message>
    <message>
        <source>Bitte das Schlupf-Datum richtig angeben.</source>
        <translation>Indique uma data de eclosão válida.</translation>
    </message>
    <message>
        <source>Die Beringung des Ei&apos;s wurde gelöscht.
<byte value="xd"/>
<byte value="xd"/>Außerdem wurde der Vogel mit der Ringnummer %1 und die Elternbeziehungen ebenfalls wieder entfernt.<byte value="xd"/>
<byte value="xd"/>
Es kann nun eine neue Ringnummer zu diesem Ei angelegt werden.</source>
        <translation>A anilhagem do ovo foi eliminada.
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
        <translation>o ficheiro termina antes do tempo</translation>
    </message>
    <message>
        <source>Textlänge %1 über dem Höchstwert %2</source>
        <translation>comprimento de texto %1 acima do máximo %2</translation>
    </message>
    <message>
        <source>negative Anzahl %1</source>
        <translation>quantidade negativa %1</translation>
    </message>
    <message>
        <source>Anzahl %1 passt nicht in den Rest der Datei</source>
        <translation>a quantidade %1 não cabe no resto do ficheiro</translation>
    </message>
</context>
<context>
    <name>CageCardDialog</name>
    <message>
        <source>Käfigkarten</source>
        <translation>Fichas de gaiola</translation>
    </message>
    <message>
        <source>&amp;Zuchtpaare:</source>
        <translation>Casais &amp;reprodutores:</translation>
    </message>
    <message>
        <source>Eine Karte für jeden Zuchtkäfig mit Hahn, Henne, Gelegen und ihren Tagen</source>
        <translation>Uma ficha por gaiola de criação com macho, fêmea, posturas e as suas datas</translation>
    </message>
    <message>
        <source>Die Zuchtpaare, deren Karten gedruckt werden</source>
        <translation>Os casais reprodutores cujas fichas são impressas</translation>
    </message>
    <message>
        <source>Zuchtpaare</source>
        <translation>Casais reprodutores</translation>
    </message>
    <message>
        <source>&amp;Alle</source>
        <translation>&amp;Todos</translation>
    </message>
    <message>
        <source>&amp;Keine</source>
        <translation>&amp;Nenhum</translation>
    </message>
    <message>
        <source>&amp;Einzelne Vögel, eine Ringnummer je Zeile:</source>
        <translation>&amp;Aves individuais, um número de anilha por linha:</translation>
    </message>
    <message>
        <source>Eine Karte für jeden Vogel mit Ring, Geschlecht, Jahrgang, Farbe, Rasse und Eltern</source>
        <translation>Uma ficha por ave com anilha, sexo, ano, cor, raça e progenitores</translation>
    </message>
    <message>
        <source>Die Ringnummern der Vögel, eine je Zeile</source>
        <translation>Os números de anilha das aves, um por linha</translation>
    </message>
    <message>
        <source>Ringnummern</source>
        <translation>Números de anilha</translation>
    </message>
    <message>
        <source>Wie groß die Karten sind und wie viele auf ein A4-Blatt passen</source>
        <translation>O tamanho das fichas e quantas cabem numa folha A4</translation>
    </message>
    <message>
        <source>&amp;Größe:</source>
        <translation>&amp;Tamanho:</translation>
    </message>
    <message>
        <source>&amp;Vorschau</source>
        <translation>&amp;Pré-visualização</translation>
    </message>
    <message>
        <source>Die Karten in der Druckvorschau: drucken, als PDF oder PNG speichern</source>
        <translation>As fichas na pré-visualização de impressão: imprimir, guardar como PDF ou PNG</translation>
    </message>
    <message>
        <source>Bitte wählen Sie mindestens ein Zuchtpaar aus.</source>
        <translation>Escolha pelo menos um casal reprodutor.</translation>
    </message>
    <message>
        <source>Die Ringnummer „%1“ ist nicht im Bestand.</source>
        <translation>O número da anilha «%1» não está no plantel.</translation>
    </message>
    <message>
        <source>Bitte geben Sie mindestens eine Ringnummer ein.</source>
        <translation>Introduza pelo menos um número de anilha.</translation>
    </message>
    <message>
        <source>die Käfigkarten</source>
        <translation>as fichas de gaiola</translation>
    </message>
    <message>
        <source>Käfigkarten</source>
        <comment>file name of the printed cage cards</comment>
        <translation>Fichas de gaiola</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Fechar</translation>
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
        <translation>Fêmea</translation>
    </message>
    <message>
        <source>Geschlecht unbekannt</source>
        <translation>Sexo desconhecido</translation>
    </message>
    <message>
        <source>nicht im Bestand</source>
        <translation>não está no plantel</translation>
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
        <translation>Fêmea: %1</translation>
    </message>
    <message>
        <source>Zuchtbeginn: %1</source>
        <translation>Início da criação: %1</translation>
    </message>
    <message>
        <source>%1, Jahrgang %2</source>
        <extracomment>The sex and the year of hatching on a bird&apos;s cage card.</extracomment>
        <translation>%1, ano %2</translation>
    </message>
    <message>
        <source>Farbe: %1</source>
        <translation>Cor: %1</translation>
    </message>
    <message>
        <source>Rasse: %1</source>
        <translation>Raça: %1</translation>
    </message>
    <message>
        <source>Vater: %1</source>
        <translation>Pai: %1</translation>
    </message>
    <message>
        <source>Mutter: %1</source>
        <translation>Mãe: %1</translation>
    </message>
    <message>
        <source>Gelege</source>
        <translation>Postura</translation>
    </message>
    <message>
        <source>1. Ei</source>
        <translation>1.º ovo</translation>
    </message>
    <message>
        <source>Schieren</source>
        <translation>Ovoscopia</translation>
    </message>
    <message>
        <source>Schlupf</source>
        <translation>Eclosão</translation>
    </message>
    <message>
        <source>Beringen</source>
        <translation>Anilhagem</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>The rings of one clutch&apos;s young: the clutch&apos;s number, then the rings.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Junge: %1</source>
        <translation>Crias: %1</translation>
    </message>
    <message>
        <source>Notizen:</source>
        <translation>Notas:</translation>
    </message>
    <message>
        <source>A6 (105 × 148 mm, 4 je Blatt)</source>
        <translation>A6 (105 × 148 mm, 4 por folha)</translation>
    </message>
    <message>
        <source>A7 quer (105 × 74 mm, 8 je Blatt)</source>
        <translation>A7 horizontal (105 × 74 mm, 8 por folha)</translation>
    </message>
    <message>
        <source>Karte (85 × 55 mm, 10 je Blatt)</source>
        <translation>Cartão (85 × 55 mm, 10 por folha)</translation>
    </message>
</context>
<context>
    <name>CertificateCommands</name>
    <message>
        <source>Bitte den Kanarienvogel auswählen.</source>
        <translation>Selecione o canário.</translation>
    </message>
    <message>
        <source>den Abstammungsnachweis</source>
        <translation>o certificado de genealogia</translation>
    </message>
    <message>
        <source>Abstammungsnachweis %1</source>
        <translation>Certificado de genealogia %1</translation>
    </message>
    <message>
        <source>das Stammblatt</source>
        <translation>a ficha do exemplar</translation>
    </message>
    <message>
        <source>Stammblatt %1</source>
        <translation>Ficha do exemplar %1</translation>
    </message>
    <message>
        <source>Stammbaum als Datei speichern</source>
        <translation>Guardar genealogia como ficheiro</translation>
    </message>
    <message>
        <source>Stammbaum %1.json</source>
        <translation>Genealogia %1.json</translation>
    </message>
    <message>
        <source>Die Stammbaumdatei %1 wurde erstellt. Der Käufer liest sie mit „Bestand importieren…“ ein.</source>
        <translation>Foi criado o ficheiro de genealogia %1. O comprador carrega-o com «Importar plantel…».</translation>
    </message>
</context>
<context>
    <name>ChangeAnimalDialog</name>
    <message>
        <source>Bitte zuerst den Kanarienvogel in der Liste anklicken.</source>
        <translation>Clique primeiro no canário na lista.</translation>
    </message>
    <message>
        <source>Kanarienvogel auswählen:</source>
        <translation>Escolher canário:</translation>
    </message>
    <message>
        <source>Ein Doppelklick zeigt den Abstammungsnachweis an.</source>
        <translation>Um clique duplo mostra o certificado de genealogia.</translation>
    </message>
    <message>
        <source>Ringnummer</source>
        <translation>Número da anilha</translation>
    </message>
    <message>
        <source>Geburtsjahr</source>
        <translation>Ano de nascimento</translation>
    </message>
    <message>
        <source>Sortierung:</source>
        <translation>Ordenação:</translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation>Filtro:</translation>
    </message>
    <message>
        <source>&amp;Stammdaten</source>
        <translation>&amp;Dados básicos</translation>
    </message>
    <message>
        <source>&amp;Verbleib</source>
        <translation>Des&amp;tino</translation>
    </message>
    <message>
        <source>&amp;Ausstellungen</source>
        <translation>E&amp;xposições</translation>
    </message>
    <message>
        <source>&amp;Erbanlagen</source>
        <translation>&amp;Fatores genéticos</translation>
    </message>
    <message>
        <source>Kanarienvogel ändern</source>
        <translation>Alterar canário</translation>
    </message>
    <message>
        <source>Nachkommen anzeigen</source>
        <translation>Mostrar descendentes</translation>
    </message>
    <message>
        <source>Kanarienvogel verkauft oder gelöscht</source>
        <translation>Canário vendido ou eliminado</translation>
    </message>
    <message>
        <source>Kanarienvogel verkauft oder gelöscht (wird in der Auswahlliste, der Kanarienvögelbestandsliste und in den Elternbeziehungen nicht mehr zur Auswahl angeboten.)</source>
        <translation>Canário vendido ou eliminado (deixa de ser proposto na lista de seleção, na lista do plantel de canários e nas ligações aos pais.)</translation>
    </message>
    <message>
        <source>Idealerweise 170x120 Pixel</source>
        <translation>Idealmente 170x120 píxeis</translation>
    </message>
    <message>
        <source>Bild auswählen</source>
        <translation>Escolher imagem</translation>
    </message>
    <message>
        <source>Bild löschen</source>
        <translation>Eliminar imagem</translation>
    </message>
    <message>
        <source>Gefundene Kanarienvögel (Kanarienvögel ändern Modus)</source>
        <translation>Canários encontrados (modo alterar canários)</translation>
    </message>
    <message>
        <source>Kanarienvögel ändern</source>
        <translation>Alterar canários</translation>
    </message>
    <message>
        <source>den Kanarienvogel anklicken um mit dem Ändern zu beginnen.</source>
        <translation>clique no canário para começar a alterá-lo.</translation>
    </message>
    <message>
        <source>Inzuchtkoeffizient: %1</source>
        <translation>Coeficiente de consanguinidade: %1</translation>
    </message>
    <message>
        <source> (Schleife in den Elternbeziehungen übergangen)</source>
        <translation> (foi ignorado um ciclo nas ligações aos pais)</translation>
    </message>
    <message>
        <source>Bitte den Kanarienvogel ändern und danach auf &quot;Kanarienvogel ändern&quot; klicken.</source>
        <translation>Altere o canário e clique depois em &quot;Alterar canário&quot;.</translation>
    </message>
    <message>
        <source>Die Erbanlagen passen nicht zusammen: %1</source>
        <translation>Os fatores genéticos não são compatíveis: %1</translation>
    </message>
    <message>
        <source>Frage</source>
        <translation>Pergunta</translation>
    </message>
    <message>
        <source>%1 Verweise (Eltern, Zuchtpaare, Jungtiere) nennen noch die bisherige Ringnummer %2. Sollen sie auf die neue Ringnummer %3 geändert werden?</source>
        <translation>%1 referências (pais, casais reprodutores, crias) ainda indicam o número da anilha anterior %2. Pretende alterá-las para o novo número da anilha %3?</translation>
    </message>
    <message>
        <source>Bild wurde gespeichert.</source>
        <translation>A imagem foi guardada.</translation>
    </message>
    <message>
        <source>Stan&amp;dort</source>
        <translation>Locali&amp;zação</translation>
    </message>
</context>
<context>
    <name>Choices</name>
    <message>
        <source>unbekannt</source>
        <comment>sex</comment>
        <translation>desconhecido</translation>
    </message>
    <message>
        <source>männlich</source>
        <translation>macho</translation>
    </message>
    <message>
        <source>weiblich</source>
        <translation>fêmea</translation>
    </message>
</context>
<context>
    <name>ColourCalculator</name>
    <message>
        <source>%1 doppelfaktorig</source>
        <extracomment>%1 is a colour word</extracomment>
        <translation>%1 duplo fator</translation>
    </message>
    <message>
        <source>%1 einfaktorig</source>
        <translation>%1 fator simples</translation>
    </message>
    <message>
        <source>%1 der befruchteten Eier sterben ab: doppelfaktorig %2 ist nicht lebensfähig.</source>
        <translation>%1 dos ovos fecundados morrem: o duplo fator de %2 não é viável.</translation>
    </message>
    <message>
        <source> und </source>
        <translation> e </translation>
    </message>
    <message>
        <source>%1 der befruchteten Eier sterben ab.</source>
        <translation>%1 dos ovos fecundados morrem.</translation>
    </message>
    <message>
        <source>%1 folgt keinem einfachen Erbgang; dafür werden keine Anteile berechnet.</source>
        <translation>%1 não segue uma hereditariedade simples; não são calculadas proporções para este fator.</translation>
    </message>
    <message>
        <source>Ob %1 beim Hahn auf einem Z-Chromosom liegen oder auf je einem, ist unbekannt; beide Lagen sind je zur Hälfte gerechnet.</source>
        <translation>Não se sabe se %1 se encontram num mesmo cromossoma Z do macho ou cada um num cromossoma; ambas as possibilidades são calculadas a 50 %.</translation>
    </message>
    <message>
        <source>Anlagen, die nur wahrscheinlich sind, sind mit ihrer Wahrscheinlichkeit gerechnet.</source>
        <translation>Os fatores que são apenas prováveis são calculados segundo a sua probabilidade.</translation>
    </message>
    <message>
        <source>Hahn</source>
        <translation>Macho</translation>
    </message>
    <message>
        <source>Henne</source>
        <translation>Fêmea</translation>
    </message>
</context>
<context>
    <name>ColourCheck</name>
    <message>
        <source>%1 zeigt %2, aber ihr Vater %3 ist als frei von %2 eingetragen.</source>
        <translation>%1 mostra %2, mas o seu pai %3 está registado como livre de %2.</translation>
    </message>
    <message>
        <source>%1 zeigt %2, aber sein Vater %3 ist als frei von %2 eingetragen.</source>
        <translation>%1 mostra %2, mas o seu pai %3 está registado como livre de %2.</translation>
    </message>
    <message>
        <source>%1 zeigt %2, aber ihre Mutter %3 ist als frei von %2 eingetragen.</source>
        <translation>%1 mostra %2, mas a sua mãe %3 está registada como livre de %2.</translation>
    </message>
    <message>
        <source>%1 zeigt %2, aber seine Mutter %3 ist als frei von %2 eingetragen.</source>
        <translation>%1 mostra %2, mas a sua mãe %3 está registada como livre de %2.</translation>
    </message>
    <message>
        <source>%1 ist als frei von %2 eingetragen, aber ihr Vater %3 zeigt %2.</source>
        <translation>%1 está registado como livre de %2, mas o seu pai %3 mostra %2.</translation>
    </message>
    <message>
        <source>%1 ist als frei von %2 eingetragen, aber sein Vater %3 zeigt %2.</source>
        <translation>%1 está registado como livre de %2, mas o seu pai %3 mostra %2.</translation>
    </message>
    <message>
        <source>%1 ist als frei von %2 eingetragen, aber ihre Mutter %3 zeigt %2.</source>
        <translation>%1 está registado como livre de %2, mas a sua mãe %3 mostra %2.</translation>
    </message>
    <message>
        <source>%1 ist als frei von %2 eingetragen, aber seine Mutter %3 zeigt %2.</source>
        <translation>%1 está registado como livre de %2, mas a sua mãe %3 mostra %2.</translation>
    </message>
    <message>
        <source>Die Erbanlagen von %1 widersprechen sich: %2</source>
        <translation>Os fatores genéticos de %1 contradizem-se: %2</translation>
    </message>
    <message>
        <source>%1 zeigt %2, aber Vater %3 und Mutter %4 sind als frei davon eingetragen.</source>
        <translation>%1 mostra %2, mas o pai %3 e a mãe %4 estão registados como livres deste fator.</translation>
    </message>
</context>
<context>
    <name>ColourFactors</name>
    <message>
        <source>Braun (Eumelanin braun statt schwarz)</source>
        <translation>Castanho (eumelanina castanha em vez de negra)</translation>
    </message>
    <message>
        <source>geschlechtsgebunden rezessiv</source>
        <translation>recessivo ligado ao sexo</translation>
    </message>
    <message>
        <source>braun</source>
        <translation>castanho</translation>
    </message>
    <message>
        <source>Braun</source>
        <translation>Castanho</translation>
    </message>
    <message>
        <source>Verdünnung (Achat, Satinet)</source>
        <translation>Diluição (ágata, satiné)</translation>
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
        <translation>Pastel (asas cinzentas)</translation>
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
        <translation>asas cinzentas</translation>
    </message>
    <message>
        <source>Grauflügel</source>
        <translation>Asas cinzentas</translation>
    </message>
    <message>
        <source>Elfenbein</source>
        <translation>Marfim</translation>
    </message>
    <message>
        <source>elfenbein</source>
        <translation>marfim</translation>
    </message>
    <message>
        <source>rezessiv Weiß</source>
        <translation>branco recessivo</translation>
    </message>
    <message>
        <source>autosomal rezessiv</source>
        <translation>autossómico recessivo</translation>
    </message>
    <message>
        <source>rezessiv weiß</source>
        <translation>branco recessivo</translation>
    </message>
    <message>
        <source>Opal und Onyx</source>
        <translation>Opala e ónix</translation>
    </message>
    <message>
        <source>opal</source>
        <translation>opala</translation>
    </message>
    <message>
        <source>Opal</source>
        <translation>Opala</translation>
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
        <translation>Topázio</translation>
    </message>
    <message>
        <source>topas</source>
        <translation>topázio</translation>
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
        <translation>branco dominante</translation>
    </message>
    <message>
        <source>autosomal dominant</source>
        <translation>autossómico dominante</translation>
    </message>
    <message>
        <source>dominant weiß</source>
        <translation>branco dominante</translation>
    </message>
    <message>
        <source>Haube</source>
        <translation>Poupa</translation>
    </message>
    <message>
        <source>haube</source>
        <translation>poupa</translation>
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
        <translation>autossómico de dominância incompleta</translation>
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
        <translation>Fundo vermelho</translation>
    </message>
    <message>
        <source>kein einfacher Erbgang</source>
        <translation>sem hereditariedade simples</translation>
    </message>
    <message>
        <source>rotgrund</source>
        <translation>fundo vermelho</translation>
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
        <translation>Isabel</translation>
    </message>
    <message>
        <source>Achat-Satinet</source>
        <translation>Ágata satiné</translation>
    </message>
    <message>
        <source>Isabell-Satinet</source>
        <translation>Isabel satiné</translation>
    </message>
</context>
<context>
    <name>ColourWindow</name>
    <message>
        <source>(Anlagen von Hand)</source>
        <translation>(fatores à mão)</translation>
    </message>
    <message>
        <source>Farbvererbung</source>
        <translation>Herança da cor</translation>
    </message>
    <message>
        <source>Trägt der Hahn braun und eine Verdünnung verdeckt, ob beide auf einem Z-Chromosom liegen oder auf je einem</source>
        <translation>Se o macho portar ocultos o castanho e uma diluição: se ambos se encontram num mesmo cromossoma Z ou cada um num cromossoma</translation>
    </message>
    <message>
        <source>unbekannt: je zur Hälfte gerechnet</source>
        <translation>desconhecido: cada caso calculado a 50 %</translation>
    </message>
    <message>
        <source>auf einem Z-Chromosom</source>
        <translation>num mesmo cromossoma Z</translation>
    </message>
    <message>
        <source>auf je einem Z-Chromosom</source>
        <translation>cada um num cromossoma Z</translation>
    </message>
    <message>
        <source>&amp;Wahrscheinliche Anlagen mitrechnen</source>
        <translation>Incluir fatores &amp;prováveis</translation>
    </message>
    <message>
        <source>Anlagen, die der Stammbaum nur wahrscheinlich macht, mit ihrer Wahrscheinlichkeit rechnen</source>
        <translation>Calcular com a sua probabilidade os fatores que a genealogia apenas torna prováveis</translation>
    </message>
    <message>
        <source>&amp;Crossing-over braun/Verdünnung:</source>
        <translation>&amp;Crossing-over castanho/diluição:</translation>
    </message>
    <message>
        <source>&amp;Lage beim Hahn:</source>
        <translation>&amp;Fase no macho:</translation>
    </message>
    <message>
        <source>Erwartete Jungen:</source>
        <translation>Crias esperadas:</translation>
    </message>
    <message>
        <source>Hahn</source>
        <translation>Macho</translation>
    </message>
    <message>
        <source>Henne</source>
        <translation>Fêmea</translation>
    </message>
    <message>
        <source>Ein Vogel aus dem Bestand, oder „%1“ für Anlagen zum Eintragen</source>
        <translation>Um exemplar do plantel, ou «%1» para introduzir os fatores</translation>
    </message>
    <message>
        <source>&amp;Hahn:</source>
        <translation>&amp;Macho:</translation>
    </message>
    <message>
        <source>H&amp;enne:</source>
        <translation>&amp;Fêmea:</translation>
    </message>
    <message>
        <source>Anlagen von Hand: bitte oben wählen.</source>
        <translation>Fatores à mão: escolha-os acima.</translation>
    </message>
    <message>
        <source>Der Stammbaum belegt keine verdeckten Anlagen.</source>
        <translation>A genealogia não demonstra nenhum fator oculto.</translation>
    </message>
    <message>
        <source>Wie oft ein Hahn, der braun und eine Verdünnung trägt, beide durch Crossing-over getrennt weitergibt. Der vorgegebene Wert ist vorläufig: tragen Sie ein, was Sie im eigenen Bestand sehen.</source>
        <translation>Com que frequência um macho portador de castanho e de uma diluição transmite ambos separados por crossing-over. O valor predefinido é provisório: introduza o que observa no seu próprio plantel.</translation>
    </message>
</context>
<context>
    <name>CsvExport</name>
    <message>
        <source>Erbanlagen laut Stammbaum</source>
        <translation>Fatores genéticos segundo a genealogia</translation>
    </message>
    <message>
        <source>Punkte der Kollektion</source>
        <translation>Pontos da equipa</translation>
    </message>
    <message>
        <source>Zuchtpaar</source>
        <translation>Casal reprodutor</translation>
    </message>
    <message>
        <source>Hahn</source>
        <translation>Macho</translation>
    </message>
    <message>
        <source>Henne</source>
        <translation>Fêmea</translation>
    </message>
    <message>
        <source>Hecke</source>
        <translation>Gaiola de criação</translation>
    </message>
    <message>
        <source>Zuchtbeginn</source>
        <translation>Início da criação</translation>
    </message>
    <message>
        <source>Gelege</source>
        <translation>Postura</translation>
    </message>
    <message>
        <source>Erstes Ei</source>
        <translation>Primeiro ovo</translation>
    </message>
    <message>
        <source>Letztes Ei</source>
        <translation>Último ovo</translation>
    </message>
    <message>
        <source>Gelege gesetzt</source>
        <translation>Postura colocada</translation>
    </message>
    <message>
        <source>Anzahl Eier</source>
        <translation>Número de ovos</translation>
    </message>
    <message>
        <source>Ei</source>
        <translation>Ovo</translation>
    </message>
    <message>
        <source>Ring</source>
        <translation>Anilha</translation>
    </message>
    <message>
        <source>Geschlüpft</source>
        <translation>Eclodido</translation>
    </message>
    <message>
        <source>Abgesetzt</source>
        <translation>Desmamado</translation>
    </message>
</context>
<context>
    <name>DataCheck</name>
    <message>
        <source>Vater %1 von %2 gibt es nicht im Bestand.</source>
        <extracomment>%1 is the parent&apos;s ring, %2 the child&apos;s</extracomment>
        <translation>O pai %1 de %2 não está no plantel.</translation>
    </message>
    <message>
        <source>Mutter %1 von %2 gibt es nicht im Bestand.</source>
        <translation>A mãe %1 de %2 não está no plantel.</translation>
    </message>
    <message>
        <source>Der Vater %1 von %2 ist weiblich.</source>
        <translation>O pai %1 de %2 é fêmea.</translation>
    </message>
    <message>
        <source>Die Mutter %1 von %2 ist männlich.</source>
        <translation>A mãe %1 de %2 é macho.</translation>
    </message>
    <message>
        <source>Vater %1 (Jahrgang %2) ist jünger als sein Kind %3 (Jahrgang %4).</source>
        <extracomment>%1 is the parent&apos;s ring, %2 its year, %3 the child&apos;s ring, %4 its year</extracomment>
        <translation>O pai %1 (ano %2) é mais novo do que a sua cria %3 (ano %4).</translation>
    </message>
    <message>
        <source>Mutter %1 (Jahrgang %2) ist jünger als ihr Kind %3 (Jahrgang %4).</source>
        <translation>A mãe %1 (ano %2) é mais nova do que a sua cria %3 (ano %4).</translation>
    </message>
    <message>
        <source>%1 aktive Tiere tragen dieselbe Ringnummer: %2.</source>
        <translation>%1 exemplares ativos têm o mesmo número de anilha: %2.</translation>
    </message>
    <message>
        <source>Diese Tiere sind ihre eigenen Vorfahren: %1.</source>
        <translation>Estes exemplares são os seus próprios antepassados: %1.</translation>
    </message>
    <message>
        <source>Zuchtpaar %1: Den Hahn %2 gibt es nicht im Bestand.</source>
        <translation>Casal reprodutor %1: o macho %2 não está no plantel.</translation>
    </message>
    <message>
        <source>Zuchtpaar %1: Die Henne %2 gibt es nicht im Bestand.</source>
        <translation>Casal reprodutor %1: a fêmea %2 não está no plantel.</translation>
    </message>
    <message>
        <source>Zuchtpaar %1, Gelege %2, Ei %3: Den Jungvogel %4 gibt es nicht im Bestand.</source>
        <translation>Casal reprodutor %1, postura %2, ovo %3: a cria %4 não está no plantel.</translation>
    </message>
    <message>
        <source>Das Bild %1 gehört zu keinem Tier.</source>
        <translation>A imagem %1 não pertence a nenhum exemplar.</translation>
    </message>
    <message>
        <source>Zu %1 gibt es Zusatzdaten (Verbleib, Ausstellungen oder Erbanlagen), aber kein Tier im Bestand trägt diese Ringnummer.</source>
        <translation>Existem dados adicionais (destino, exposições ou fatores genéticos) de %1, mas nenhum exemplar do plantel tem este número de anilha.</translation>
    </message>
</context>
<context>
    <name>DataCheckDialog</name>
    <message>
        <source>Datenprüfung</source>
        <translation>Verificação de dados</translation>
    </message>
    <message>
        <source>Gefundenes</source>
        <translation>Ocorrências</translation>
    </message>
    <message>
        <source>Keine Auffälligkeiten gefunden.</source>
        <translation>Não foi encontrado nada de anómalo.</translation>
    </message>
    <message>
        <source>%1 Auffälligkeiten gefunden:</source>
        <translation>Foram encontradas %1 ocorrências:</translation>
    </message>
</context>
<context>
    <name>DataFiles</name>
    <message>
        <source>Ihre Version der Datenbank ist mit dieser Version nicht kompatibel. Bitte kontaktieren Sie den Autor unter %1. Die Daten können dann ins neue Format konvertiert werden.</source>
        <extracomment>%1 is the program&apos;s web page</extracomment>
        <translation>A sua versão da base de dados não é compatível com esta versão. Contacte o autor em %1. Os dados poderão então ser convertidos para o novo formato.</translation>
    </message>
    <message>
        <source>Die Datei %1 ist vorhanden, kann aber nicht gelesen werden: %2

An ihr wurde nichts geändert. Bitte prüfen Sie, ob Sie diese Datei lesen dürfen (Zugriffsrechte) und ob der Datenträger in Ordnung ist.</source>
        <translation>O ficheiro %1 existe, mas não pode ser lido: %2

Não foi alterado nada nele. Verifique se tem permissão para ler este ficheiro (direitos de acesso) e se a unidade está em bom estado.</translation>
    </message>
    <message>
        <source>Die Datei %1 ist beschädigt und konnte nicht vollständig gelesen werden (%2).

%3</source>
        <extracomment>%1 is the file, %2 what is wrong with it, %3 what was read of it</extracomment>
        <translation>O ficheiro %1 está danificado e não pôde ser lido por completo (%2).

%3</translation>
    </message>
    <message>
        <source>

Eine Kopie der Originaldatei konnte nicht angelegt werden: %1 Die Datei wird erst überschrieben, wenn diese Kopie beim Speichern gelingt.</source>
        <translation>

Não foi possível criar uma cópia do ficheiro original: %1 O ficheiro só será substituído quando esta cópia for criada com êxito ao guardar.</translation>
    </message>
    <message>
        <source>

Die Originaldatei wurde unverändert aufbewahrt als %1.</source>
        <translation>

O ficheiro original foi conservado sem alterações como %1.</translation>
    </message>
    <message>
        <source>

Das Programm arbeitet mit den zuletzt vollständig gespeicherten Daten und versucht es beim nächsten Speichern noch einmal.</source>
        <translation>

O programa trabalha com os últimos dados guardados por completo e voltará a tentar da próxima vez que guardar.</translation>
    </message>
    <message>
        <source>Gelesen wurden %1 von %2 Kanarienvögel. Das Programm arbeitet mit den gelesenen Daten weiter.</source>
        <translation>Foram lidos %1 de %2 canários. O programa continua com os dados lidos.</translation>
    </message>
    <message>
        <source>Die Zuchtpaare wurden nicht geladen; das Programm beginnt mit einer leeren Zuchtpaar-Liste.</source>
        <translation>Os casais reprodutores não foram carregados; o programa começa com uma lista de casais reprodutores vazia.</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde nicht gespeichert, weil von der beim Start beschädigten Datei keine Kopie angelegt werden kann: %2</source>
        <translation>O ficheiro %1 não foi guardado porque não é possível criar uma cópia do ficheiro que estava danificado no arranque: %2</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht gespeichert werden: %2

Die bisherige Datei ist unverändert geblieben.</source>
        <translation>Não foi possível guardar o ficheiro %1: %2

O ficheiro anterior não foi alterado.</translation>
    </message>
</context>
<context>
    <name>DataFolder</name>
    <message>
        <source>Auf dem Datenträger des Datenordners „%1“ ist kaum noch Platz frei (%2). Ein Speichern braucht etwa %3; Ihre Änderungen könnten dann nicht gespeichert werden.

Bitte schaffen Sie Platz, etwa indem Sie nicht mehr benötigte Dateien löschen. Die bisherigen Daten bleiben dabei in jedem Fall erhalten.</source>
        <translation>Na unidade da pasta de dados «%1» quase não há espaço livre (%2). Para guardar são necessários cerca de %3; as suas alterações poderão então não ser guardadas.

Liberte espaço, por exemplo eliminando ficheiros de que já não precisa. Os dados existentes são mantidos em qualquer caso.</translation>
    </message>
</context>
<context>
    <name>DataFolderLock</name>
    <message>
        <source>Im Datenordner %1 darf Avelor nichts ändern: Der Ordner oder der Datenträger ist schreibgeschützt. So könnte keine Änderung gespeichert werden; darum startet das Programm nicht.

Bitte geben Sie den Ordner zum Schreiben frei (Zugriffsrechte) und starten Sie Avelor danach neu.</source>
        <translation>O Avelor não pode alterar nada na pasta de dados %1: a pasta ou a unidade está protegida contra escrita. Nenhuma alteração poderia ser guardada, por isso o programa não arranca.

Permita a escrita na pasta (direitos de acesso) e volte a iniciar o Avelor.</translation>
    </message>
    <message>
        <source>Auf dem Datenträger des Datenordners %1 ist kein Platz mehr frei. So könnte keine Änderung gespeichert werden; darum startet das Programm nicht.

Bitte schaffen Sie Platz (etwa indem Sie nicht mehr benötigte Dateien löschen) und starten Sie Avelor danach neu.</source>
        <translation>Na unidade da pasta de dados %1 já não há espaço livre. Nenhuma alteração poderia ser guardada, por isso o programa não arranca.

Liberte espaço (por exemplo eliminando ficheiros de que já não precisa) e volte a iniciar o Avelor.</translation>
    </message>
    <message>
        <source>Der Datenordner %1 kann nicht benutzt werden: %2</source>
        <translation>Não é possível utilizar a pasta de dados %1: %2</translation>
    </message>
    <message>
        <source>Avelor ist für diese Daten bereits geöffnet.

Bitte arbeiten Sie in dem Fenster weiter, das schon offen ist (es kann hinter anderen Fenstern liegen oder in der Taskleiste stecken), oder beenden Sie es dort mit „Alles speichern und Programm beenden“ und starten Sie Avelor danach neu. So gehen keine Änderungen verloren.</source>
        <translation>O Avelor já está aberto para estes dados.

Continue a trabalhar na janela que já está aberta (pode estar atrás de outras janelas ou na barra de tarefas), ou feche-a com «Guardar tudo e sair» e volte a iniciar o Avelor. Assim não se perde nenhuma alteração.</translation>
    </message>
</context>
<context>
    <name>DeleteAnimalDialog</name>
    <message>
        <source>Kanarienvögel löschen</source>
        <translation>Eliminar canários</translation>
    </message>
    <message>
        <source>Wählen Sie den Kanarienvogel, d. Sie 
löschen möchten aus und klicken 
Sie auf &quot;Löschen&quot;.</source>
        <translation>Escolha o canário que pretende 
eliminar e clique 
em &quot;Eliminar&quot;.</translation>
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
        <translation>Utilize esta opção para retirar um
exemplar da lista ativa do
plantel. O registo não é apagado,
mas continua a existir em
segundo plano. Simplesmente deixa
de aparecer na lista de
seleção para imprimir um
certificado de genealogia.

Útil, por exemplo, para &quot;eliminar&quot;
canários falecidos e manter
a lista clara. O exemplar
eliminado continua presente nos
registos das ligações aos
pais.</translation>
    </message>
    <message>
        <source>Bitte erst den Kanarienvogel auswählen, dann auf löschen klicken.</source>
        <translation>Escolha primeiro o canário e depois clique em Eliminar.</translation>
    </message>
</context>
<context>
    <name>DescendantsDialog</name>
    <message>
        <source>Kinder, Enkel und Urenkel des Kanarienvogels finden</source>
        <translation>Procurar filhos, netos e bisnetos do canário</translation>
    </message>
    <message>
        <source>Finde Kinder, Enkel und Urenkel des Kanarienvogels mit Ringnr:</source>
        <translation>Procurar filhos, netos e bisnetos do canário com o n.º de anilha:</translation>
    </message>
    <message>
        <source>Suchen</source>
        <translation>Procurar</translation>
    </message>
    <message>
        <source>Such-Ergebnisse</source>
        <translation>Resultados da procura</translation>
    </message>
    <message>
        <source>Kinder</source>
        <translation>Filhos</translation>
    </message>
    <message>
        <source>Gefundene Kinder:</source>
        <translation>Filhos encontrados:</translation>
    </message>
    <message>
        <source>Enkel</source>
        <translation>Netos</translation>
    </message>
    <message>
        <source>Gefundene Enkel:</source>
        <translation>Netos encontrados:</translation>
    </message>
    <message>
        <source>Ur-Enkel</source>
        <translation>Bisnetos</translation>
    </message>
    <message>
        <source>Gefundene Ur-Enkel:</source>
        <translation>Bisnetos encontrados:</translation>
    </message>
    <message>
        <source>Ur-Ur-Enkel</source>
        <translation>Trinetos</translation>
    </message>
    <message>
        <source>Gefundene Ur-Ur-Enkel:</source>
        <translation>Trinetos encontrados:</translation>
    </message>
    <message>
        <source>Ein Doppelklick zeigt den Abstammungsnachweis an.</source>
        <translation>Um clique duplo mostra o certificado de genealogia.</translation>
    </message>
    <message>
        <source>Infos zur Auswahl:</source>
        <translation>Informações sobre a seleção:</translation>
    </message>
    <message>
        <source>Bemerkungen</source>
        <translation>Observações</translation>
    </message>
    <message>
        <source>Bitte zuerst den Kanarienvogel in der Liste anklicken.</source>
        <translation>Clique primeiro no canário na lista.</translation>
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
        <translation>Vai ser feita uma cópia de segurança rápida no mesmo disco onde se encontra a base de dados habitual do programa. Isto não cumpre a função de uma cópia de segurança: se o disco se danificar, serão afetados os dados atuais E a cópia de segurança.

A cópia de segurança é guardada na pasta %1. Deverá gravar esta pasta num CD ou utilizar a função de cópia de segurança para USB mais acima.</translation>
    </message>
    <message>
        <source>Die Bilder werden gesichert</source>
        <translation>A copiar as imagens para a cópia de segurança</translation>
    </message>
    <message>
        <source>Die Datensicherung ist fehlgeschlagen.</source>
        <translation>A cópia de segurança falhou.</translation>
    </message>
    <message>
        <source>Sicherheitsabfrage</source>
        <translation>Confirmação</translation>
    </message>
    <message>
        <source>Beim Rückholen des Backups wird der auf dem Rechner befindliche Stand überschrieben.
<byte value="xd"/>Soll das Backup wirklich von der Festplatte zurückgeholt werden?</source>
        <translation>Ao repor a cópia de segurança, os dados deste computador são substituídos.
</translation>
    </message>
    <message>
        <source>Die Bilder werden zurückgeholt</source>
        <translation>A repor as imagens</translation>
    </message>
    <message>
        <source>Es wurde kein Backup gefunden.</source>
        <translation>Não foi encontrada nenhuma cópia de segurança.</translation>
    </message>
    <message>
        <source>Fehler beim Wiederherstellen des Festplatten-Backups</source>
        <translation>Erro ao repor a cópia de segurança do disco</translation>
    </message>
</context>
<context>
    <name>DriveDialog</name>
    <message>
        <source>Laufwerk</source>
        <translation>Unidade</translation>
    </message>
    <message>
        <source>Sollte das Laufwerk nicht erscheinen bitte die Anwendung neu starten.</source>
        <translation>Se a unidade não aparecer, reinicie a aplicação.</translation>
    </message>
    <message>
        <source>Bitte zuerst ein Laufwerk auswählen.</source>
        <translation>Selecione primeiro uma unidade.</translation>
    </message>
    <message>
        <source>Kein USB-Stick und keine externe Festplatte gefunden</source>
        <translation>Não foi encontrada nenhuma pen USB nem nenhum disco externo</translation>
    </message>
</context>
<context>
    <name>Drives</name>
    <message>
        <source>%1 (%2, schreibgeschützt)</source>
        <extracomment>%1 is a drive&apos;s name, %2 where it is mounted</extracomment>
        <translation>%1 (%2, protegida contra escrita)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source> (schreibgeschützt)</source>
        <translation> (protegida contra escrita)</translation>
    </message>
</context>
<context>
    <name>EnterAnimalsDialog</name>
    <message>
        <source>&lt;= Nach dem Anlegen Feld so belassen</source>
        <translation>&lt;= Manter este campo após o registo</translation>
    </message>
    <message>
        <source>Kanarienvögel eingeben</source>
        <translation>Introduzir canários</translation>
    </message>
    <message>
        <source>Hier können Sie neue Kanarienvögel anlegen. Füllen Sie dazu 
alle Felder aus und klicken Sie anschließend auf 
&quot;Kanarienvogel anlegen&quot;.</source>
        <translation>Aqui pode registar canários novos. Para isso, preencha 
todos os campos e clique depois em 
&quot;Registar canário&quot;.</translation>
    </message>
    <message>
        <source>Bemerkungen:
(Punkte etc.)</source>
        <translation>Observações:
(pontos, etc.)</translation>
    </message>
    <message>
        <source>Kanarienvogel anlegen</source>
        <translation>Registar canário</translation>
    </message>
    <message>
        <source>Wenn Sie oben alles eingetragen haben können Sie hier klicken um den Kanarienvogel zu speichern.</source>
        <translation>Depois de preencher tudo o que está acima, clique aqui para guardar o canário.</translation>
    </message>
    <message>
        <source>Idealerweise 170x120 Pixel</source>
        <translation>Idealmente 170x120 píxeis</translation>
    </message>
    <message>
        <source>Bild auswählen</source>
        <translation>Escolher imagem</translation>
    </message>
    <message>
        <source>Serieneingabe anzeigen</source>
        <translation>Mostrar introdução em série</translation>
    </message>
    <message>
        <source>Geben Sie hier die Ringnummer des Kanarienvogels an.</source>
        <translation>Indique aqui o número da anilha do canário.</translation>
    </message>
    <message>
        <source>Geben Sie hier das Geschlecht des Kanarienvogels an. Sollte dieses noch nicht bekannt sein, dann wählen Sie bitte &quot;unbekannt&quot; aus.</source>
        <translation>Indique aqui o sexo do canário. Se ainda não for conhecido, escolha &quot;desconhecido&quot;.</translation>
    </message>
    <message>
        <source>Geben Sie hier das Geburtsjahr des Kanarienvogels an. Auch wenn das Jahr bspw. in der Ringnummer enthalten ist ist diese Angabe für das Sortieren nach Geburtsjahr trotzdem wichtig.</source>
        <translation>Indique aqui o ano de nascimento do canário. Mesmo que o ano faça parte do número da anilha, este dado é necessário para ordenar por ano de nascimento.</translation>
    </message>
    <message>
        <source>Wer ist der Züchter des Kanarienvogels?</source>
        <translation>Quem é o criador do canário?</translation>
    </message>
    <message>
        <source>Geben Sie hier die Farbe des Kanarienvogels an. Die Zeichnung (einfarbig, gepunktet, etc.) können Sie weiter unten festlegen.</source>
        <translation>Indique aqui a cor do canário. O desenho (limpo, marcado, etc.) pode ser indicado mais abaixo.</translation>
    </message>
    <message>
        <source>Geben Sie hier die Zeichnung des Kanarienvogels (z.B. einfarbig oder gescheckt) an.</source>
        <translation>Indique aqui o desenho do canário (p. ex. limpo ou malhado).</translation>
    </message>
    <message>
        <source>Geben Sie hier die Rasse / Art des Kanarienvogels (z.B. Jungvogel oder Zuchtweibchen) an.</source>
        <translation>Indique aqui a raça / espécie do canário (p. ex. cria ou fêmea reprodutora).</translation>
    </message>
    <message>
        <source>Hier können Sie verschiedenste Dinge des Kanarienvogels eintragen. Das können erreichte Punkte, Medallien, Tod, usw. sein. Diese Infos werden auf dem Abstammungsnachweis gedruckt.</source>
        <translation>Aqui pode anotar todo o tipo de informações sobre o canário: pontos obtidos, medalhas, morte, etc. Estas informações são impressas no certificado de genealogia.</translation>
    </message>
    <message>
        <source>Die Informationen die Sie hier eintragen erscheinen auf der Kanarienvögelbestandsliste.</source>
        <translation>O que introduzir aqui aparece na lista do plantel de canários.</translation>
    </message>
    <message>
        <source>Serieneingabe: </source>
        <translation>Introdução em série </translation>
    </message>
    <message>
        <source>&lt;= Die ersten</source>
        <translation>&lt;= Manter os primeiros</translation>
    </message>
    <message>
        <source>Stellen nach dem Speichern belassen</source>
        <translation>caracteres após guardar</translation>
    </message>
    <message>
        <source>Serieneingabe mit fortlaufender Ringnummer: </source>
        <translation>Introdução em série com números de anilha consecutivos </translation>
    </message>
    <message>
        <source>Sie haben z.B. 20 fortlaufende Ringnummern? Kein Problem! Einfach den Bereich &quot;von&quot; und &quot;bis&quot; ausfüllen und es werden die gewünschte Anzahl Kanarienvögel angelegt. </source>
        <translation>Tem, por exemplo, 20 números de anilha consecutivos? Não há problema! Basta preencher o intervalo &quot;de&quot; e &quot;até&quot; e é registado o número de canários pretendido. </translation>
    </message>
    <message>
        <source>Alle anderen Daten werden von den links ausgefüllten Informationen genommen.</source>
        <translation>Todos os outros dados são retirados do que foi preenchido à esquerda.</translation>
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
        <translation>Início do número da anilha:</translation>
    </message>
    <message>
        <source>von:</source>
        <translation>de:</translation>
    </message>
    <message>
        <source>bis:</source>
        <translation>até:</translation>
    </message>
    <message>
        <source>Führende Nullen bei der Ringnummer eingeben!.</source>
        <translation>Introduza os zeros iniciais do número da anilha!</translation>
    </message>
    <message>
        <source>Kanarienvögel anlegen</source>
        <translation>Registar canários</translation>
    </message>
    <message>
        <source>Fortschritt</source>
        <translation>Progresso</translation>
    </message>
</context>
<context>
    <name>EntryFormReport</name>
    <message>
        <source>Ausstellungsmeldung</source>
        <translation>Inscrição em exposição</translation>
    </message>
    <message>
        <source>Seite %1</source>
        <translation>Página %1</translation>
    </message>
    <message>
        <source>Ausstellung:</source>
        <translation>Exposição:</translation>
    </message>
    <message>
        <source>Ort:</source>
        <translation>Local:</translation>
    </message>
    <message>
        <source>Datum:</source>
        <translation>Data:</translation>
    </message>
    <message>
        <source>Meldeschluss:</source>
        <translation>Prazo de inscrição:</translation>
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
        <translation>Telefone: %1</translation>
    </message>
    <message>
        <source>Züchternummer: %1</source>
        <translation>Número de criador: %1</translation>
    </message>
    <message>
        <source>Vereinsnummer: %1</source>
        <translation>Número de clube: %1</translation>
    </message>
    <message>
        <source>Datum und Unterschrift des Ausstellers:</source>
        <translation>Data e assinatura do expositor:</translation>
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
        <translation>Fêmea</translation>
    </message>
    <message>
        <source>Geschlecht</source>
        <translation>Sexo</translation>
    </message>
    <message>
        <source>Anteil</source>
        <translation>Proporção</translation>
    </message>
    <message>
        <source>Farbe</source>
        <translation>Cor</translation>
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
        <translation>As crias que se podem esperar do casal, por sexo e proporção</translation>
    </message>
    <message>
        <source>Erwartete Jungen</source>
        <translation>Crias esperadas</translation>
    </message>
</context>
<context>
    <name>ExportTool</name>
    <message>
        <source>colours nimmt entweder --pair HAHN HENNE oder --cock ANLAGEN und --hen ANLAGEN.</source>
        <translation>colours aceita ou --pair MACHO FÊMEA ou --cock FATORES e --hen FATORES.</translation>
    </message>
    <message>
        <source>colours --pair nimmt genau zwei Ringnummern: Hahn und Henne.</source>
        <translation>colours --pair aceita exatamente dois números de anilha: macho e fêmea.</translation>
    </message>
    <message>
        <source>Hahn und Henne müssen zwei verschiedene Ringnummern sein.</source>
        <translation>O macho e a fêmea têm de ser dois números de anilha diferentes.</translation>
    </message>
    <message>
        <source>colours nimmt --cock ANLAGEN und --hen ANLAGEN, etwa --cock &quot;braun,/opal&quot; --hen &quot;achat&quot;.</source>
        <translation>colours aceita --cock FATORES e --hen FATORES, p. ex. --cock &quot;braun,/opal&quot; --hen &quot;achat&quot;.</translation>
    </message>
    <message>
        <source>--phase nimmt coupling (auf einem Z-Chromosom) oder repulsion (auf je einem).</source>
        <translation>--phase aceita coupling (num mesmo cromossoma Z) ou repulsion (cada um num cromossoma).</translation>
    </message>
    <message>
        <source>--crossover nimmt einen Anteil von 0 bis 0.5, etwa 0.33.</source>
        <translation>--crossover aceita uma proporção de 0 a 0.5, p. ex. 0.33.</translation>
    </message>
    <message>
        <source>Den Ring „%1“ gibt es nicht im Bestand.</source>
        <translation>A anilha «%1» não está no plantel.</translation>
    </message>
    <message>
        <source>colours --pair nimmt zuerst den Hahn, dann die Henne; „%1“ ist als Henne eingetragen.</source>
        <translation>colours --pair espera primeiro o macho e depois a fêmea; «%1» está registado como fêmea.</translation>
    </message>
    <message>
        <source>colours --pair nimmt zuerst den Hahn, dann die Henne; „%1“ ist als Hahn eingetragen.</source>
        <translation>colours --pair espera primeiro o macho e depois a fêmea; «%1» está registado como macho.</translation>
    </message>
    <message>
        <source>Ob %1 beim Hahn auf einem Z-Chromosom liegen oder auf je einem, ist unbekannt; bitte mit --phase coupling oder --phase repulsion angeben.</source>
        <extracomment>%1 names the factors whose phase is unknown.</extracomment>
        <translation>Não se sabe se %1 se encontram num mesmo cromossoma Z do macho ou cada um num cromossoma; indique-o com --phase coupling ou --phase repulsion.</translation>
    </message>
    <message>
        <source>Die Zusatzdaten konnten nicht vollständig gelesen werden: %1</source>
        <translation>Não foi possível ler por completo os dados adicionais: %1</translation>
    </message>
    <message>
        <source>--year nimmt ein Jahr von 1 bis 9999, etwa 2026.</source>
        <translation>--year aceita um ano de 1 a 9999, p. ex. 2026.</translation>
    </message>
    <message>
        <source>Die Datei „%1“ konnte nicht geschrieben werden: %2</source>
        <translation>Não foi possível escrever o ficheiro «%1»: %2</translation>
    </message>
    <message>
        <source>Geschrieben: %1</source>
        <translation>Escrito: %1</translation>
    </message>
    <message>
        <source>Es fehlt die Ringnummer.</source>
        <translation>Falta o número da anilha.</translation>
    </message>
    <message>
        <source>Eine Stammbaumdatei wird für genau eine Ringnummer geschrieben.</source>
        <translation>Um ficheiro de genealogia é escrito para exatamente um número de anilha.</translation>
    </message>
    <message>
        <source>Die Ringnummer „%1“ ist nicht im Bestand.</source>
        <translation>O número da anilha «%1» não está no plantel.</translation>
    </message>
    <message>
        <source>Ein Zuchtpaar %1 gibt es nicht; es gibt %2.</source>
        <extracomment>%1 is the number asked for, %2 how many breeding pairs there are.</extracomment>
        <translation>Não existe o casal reprodutor %1; existem %2.</translation>
    </message>
    <message>
        <source>Ein Stammblatt wird für genau eine Ringnummer geschrieben.</source>
        <translation>Uma ficha do exemplar é escrita para exatamente um número de anilha.</translation>
    </message>
    <message>
        <source>--by nimmt ring oder year, --layout one oder two.</source>
        <translation>--by aceita ring ou year; --layout, one ou two.</translation>
    </message>
    <message>
        <source>stocklist nimmt keine weiteren Angaben.</source>
        <translation>stocklist não aceita mais argumentos.</translation>
    </message>
    <message>
        <source>pairsheet nimmt die Nummer eines Zuchtpaares, gezählt ab 1.</source>
        <translation>pairsheet aceita o número de um casal reprodutor, contado a partir de 1.</translation>
    </message>
    <message>
        <source>%1 nimmt eine ganze Zahl ab %2.</source>
        <extracomment>%1 is an option such as --days, %2 the smallest number it takes.</extracomment>
        <translation>%1 aceita um número inteiro a partir de %2.</translation>
    </message>
    <message>
        <source>--date nimmt ein Datum wie 2026-04-05.</source>
        <translation>--date aceita uma data como 2026-04-05.</translation>
    </message>
    <message>
        <source>due nimmt keine weiteren Angaben als --date und --days.</source>
        <translation>due não aceita outros argumentos além de --date e --days.</translation>
    </message>
    <message>
        <source>season nimmt genau ein Jahr von 1 bis 9999, etwa 2026.</source>
        <translation>season aceita exatamente um ano de 1 a 9999, p. ex. 2026.</translation>
    </message>
    <message>
        <source>mates nimmt genau eine Ringnummer.</source>
        <translation>mates aceita exatamente um número de anilha.</translation>
    </message>
    <message>
        <source>Hinweis zu %1: Ein Tier ist sein eigener Vorfahr; diese Verbindung wurde übergangen.</source>
        <extracomment>%1 is a ring, or the rings of a cock and a hen.</extracomment>
        <translation>Nota sobre %1: um exemplar é o seu próprio antepassado; esta ligação foi ignorada.</translation>
    </message>
    <message>
        <source>Keine Auffälligkeiten gefunden.</source>
        <translation>Não foi encontrado nada de anómalo.</translation>
    </message>
    <message>
        <source>%1 nimmt keine weiteren Angaben.</source>
        <translation>%1 não aceita mais argumentos.</translation>
    </message>
    <message>
        <source>csv schreibt stock, breeding oder shows.</source>
        <translation>csv escreve stock, breeding ou shows.</translation>
    </message>
    <message>
        <source>Nach --pair stehen der Ring des Hahns und der der Henne.</source>
        <translation>Depois de --pair vêm a anilha do macho e a da fêmea.</translation>
    </message>
    <message>
        <source>Die Ausgabedatei (-o) muss auf .%1 enden.</source>
        <translation>O ficheiro de saída (-o) tem de terminar em .%1.</translation>
    </message>
    <message>
        <source>Die Ausgabedatei (-o) muss auf .%1 oder .%2 enden.</source>
        <translation>O ficheiro de saída (-o) tem de terminar em .%1 ou .%2.</translation>
    </message>
    <message>
        <source>Die Ausgabedatei (-o) muss auf .%1 oder .%2 oder .%3 enden.</source>
        <translation>O ficheiro de saída (-o) tem de terminar em .%1, .%2 ou .%3.</translation>
    </message>
    <message>
        <source>Nach %1 fehlt eine Angabe.</source>
        <translation>Falta um valor depois de %1.</translation>
    </message>
    <message>
        <source>%1 ist mehrfach angegeben.</source>
        <translation>%1 foi indicado mais de uma vez.</translation>
    </message>
    <message>
        <source>--pair nimmt keinen Wert; die zwei Ringnummern folgen dem Befehl.</source>
        <translation>--pair não aceita nenhum valor; os dois números de anilha vêm depois do comando.</translation>
    </message>
    <message>
        <source>Unbekannte Angabe „%1“.</source>
        <translation>Argumento desconhecido «%1».</translation>
    </message>
    <message>
        <source>Es fehlt der Befehl.</source>
        <translation>Falta o comando.</translation>
    </message>
    <message>
        <source>Unbekannter Befehl „%1“.</source>
        <translation>Comando desconhecido «%1».</translation>
    </message>
    <message>
        <source>%1 nimmt die Angabe %2 nicht.</source>
        <translation>%1 não aceita %2.</translation>
    </message>
    <message>
        <source>Den Datenordner „%1“ gibt es nicht.</source>
        <translation>A pasta de dados «%1» não existe.</translation>
    </message>
    <message>
        <source>Der Datenordner „%1“ kann nicht gelesen werden: %2</source>
        <translation>Não é possível ler a pasta de dados «%1»: %2</translation>
    </message>
    <message>
        <source>„%1“ ist kein Ordner.</source>
        <translation>«%1» não é uma pasta.</translation>
    </message>
    <message>
        <source>Die Bestandsdatei „%1“ gibt es nicht.</source>
        <translation>O ficheiro do plantel «%1» não existe.</translation>
    </message>
    <message>
        <source>--size nimmt a6, a7 oder card.</source>
        <translation>--size aceita a6, a7 ou card.</translation>
    </message>
    <message>
        <source>Nach --pair fehlen die Nummern der Zuchtpaare.</source>
        <translation>Faltam os números dos casais reprodutores depois de --pair.</translation>
    </message>
    <message>
        <source>cagecards --pair nimmt die Nummern von Zuchtpaaren, gezählt ab 1.</source>
        <translation>cagecards --pair aceita os números de casais reprodutores, contados a partir de 1.</translation>
    </message>
    <message>
        <source>location nimmt höchstens einen Ort; Orte mit Leerzeichen in Anführungszeichen.</source>
        <translation>location aceita no máximo um local; locais com espaços entre aspas.</translation>
    </message>
    <message>
        <source>Hinweis: Der Ring %1 ist an mehr als einem Vogel.</source>
        <translation>Nota: a anilha %1 está em mais de uma ave.</translation>
    </message>
    <message>
        <source>Es fehlt der Name der Ausstellung (in Anführungszeichen, wenn er Leerzeichen enthält).</source>
        <translation>Falta o nome da exposição (entre aspas se contiver espaços).</translation>
    </message>
    <message>
        <source>Eine Ausstellung „%1“ ist nicht eingetragen.</source>
        <translation>Nenhuma exposição «%1» está registada.</translation>
    </message>
    <message>
        <source>--sheet nimmt 3x8 oder 3x7.</source>
        <translation>--sheet aceita 3x8 ou 3x7.</translation>
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
        <translation>Utilização:
  avelor-export [--data PASTA] pedigree ANILHA... -o FICHEIRO
  avelor-export [--data PASTA] recordsheet ANILHA -o FICHEIRO
  avelor-export [--data PASTA] stocklist [--by ring|year] [--breed RAÇA] [--layout one|two] -o FICHEIRO
  avelor-export [--data PASTA] pairsheet N -o FICHEIRO
  avelor-export [--data PASTA] cagecards (--pair N... | RING...) [--size a6|a7|card] -o FICHEIRO
  avelor-export [--data PASTA] csv stock|breeding|shows -o FICHEIRO
  avelor-export [--data PASTA] inbreeding ANILHA...
  avelor-export [--data PASTA] inbreeding --pair MACHO FÊMEA
  avelor-export [--data PASTA] check
  avelor-export [--data PASTA] shows [--year ANO]
  avelor-export [--data PASTA] sales [--year ANO]
  avelor-export [--data PASTA] location [LOCAL]
  avelor-export [--data PASTA] rings [--year ANO]
  avelor-export [--data PASTA] entries EXPOSIÇÃO -o FICHEIRO
  avelor-export [--data PASTA] labels EXPOSIÇÃO [--sheet 3x8|3x7] -o FICHEIRO
  avelor-export [--data PASTA] due [--date AAAA-MM-DD] [--days N]
  avelor-export [--data PASTA] season ANO
  avelor-export [--data PASTA] mates ANILHA [--breed RAÇA] [--limit N]
  avelor-export [--data PASTA] colours --pair MACHO FÊMEA [--crossover PROPORÇÃO] [--phase coupling|repulsion]
  avelor-export colours --cock FATORES --hen FATORES [--crossover PROPORÇÃO]
  avelor-export --version

Escreve certificados de genealogia (uma página por anilha), uma ficha do exemplar, a
lista do plantel ou a folha do N-ésimo casal reprodutor (contado a partir de 1); cagecards as
fichas de gaiola de casais reprodutores ou aves individuais, várias por folha A4 (a7 se
faltar --size). FICHEIRO termina em
.pdf ou .png; a lista do plantel, também em .html; pedigree para uma anilha, também em .json
(o ficheiro de genealogia para o comprador); csv escreve o plantel, os
dados de criação ou os resultados de exposições para uma folha de cálculo. inbreeding
escreve uma linha por anilha: anilha, tabulação, coeficiente de consanguinidade como fração decimal;
com --pair, o das crias de um casal. check assinala as ocorrências no plantel.
shows escreve uma linha por resultado de exposição e sales, uma por exemplar vendido ou cedido, com
tabulações; due, as tarefas de criação pendentes; season, os números dos casais
de um ano; mates, os possíveis parceiros de um exemplar, os menos aparentados primeiro.
location escreve uma linha por ave do plantel: anilha, localização, desde (AAAA-MM-DD);
com LOCAL apenas as aves que lá estão.
rings escreve uma linha por entrega de anilhas: ano,
federação, tamanho, primeira e última anilha, usadas, livres.
entries escreve o boletim de inscrição da última exposição registada com esse nome
(como .csv as inscrições com os pontos), labels as suas etiquetas de gaiola em folhas
de etiquetas A4 (3x8: 70 × 37 mm, 3x7: 70 × 42,3 mm; 3x8 se faltar --sheet).
colours escreve uma linha por tipo de cria de um casal: macho ou fêmea, proporção,
fatores visuais e ocultos, cor; FATORES como &quot;braun,/opal&quot; (&quot;/&quot;: portador).
Várias páginas em PNG dão origem a FICHEIRO-1.png, FICHEIRO-2.png, etc.
Sem --data é lida a pasta de dados do programa; nunca se escreve nada
nela. Mais informações na página do manual: man avelor-export

Códigos de saída: 0 concluído (check: nada encontrado), 1 uma anilha ou casal reprodutor
não está no plantel (check: algo encontrado), 2 chamada incorreta, 3 dados ilegíveis
ou ficheiro não gravável.
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
        <translation>Não foi possível escrever o ficheiro «%1»: %2</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde erstellt.</source>
        <translation>Foi criado o ficheiro %1.</translation>
    </message>
</context>
<context>
    <name>FolderCopy</name>
    <message>
        <source>Der Ordner „%1“ konnte nicht angelegt werden.</source>
        <translation>Não foi possível criar a pasta «%1».</translation>
    </message>
    <message>
        <source>Der Ordner „%1“ konnte nicht ersetzt werden.</source>
        <translation>Não foi possível substituir a pasta «%1».</translation>
    </message>
    <message>
        <source>Der bisherige Ordner „%1“ konnte nicht nach „%2“ verschoben werden; er liegt noch unter „%3“.</source>
        <translation>Não foi possível mover a pasta anterior «%1» para «%2»; continua em «%3».</translation>
    </message>
</context>
<context>
    <name>GeneticsPanel</name>
    <message>
        <source>Erbanlagen</source>
        <translation>Fatores genéticos</translation>
    </message>
    <message>
        <source>Was die Eltern und Jungen im Bestand belegen oder wahrscheinlich machen</source>
        <translation>O que os pais e as crias do plantel demonstram ou tornam provável</translation>
    </message>
    <message>
        <source>Laut Farbe „%1“ sichtbar: %2 (gilt, wo nichts eingetragen ist).</source>
        <translation>Visual segundo a cor «%1»: %2 (aplica-se onde não há nada registado).</translation>
    </message>
    <message>
        <source>Aus dem Stammbaum: keine verdeckten Anlagen belegt.</source>
        <translation>Segundo a genealogia: nenhum fator oculto demonstrado.</translation>
    </message>
    <message>
        <source>Aus dem Stammbaum:
%1</source>
        <translation>Segundo a genealogia:
%1</translation>
    </message>
</context>
<context>
    <name>ImportFields</name>
    <message>
        <source>Ringnummer</source>
        <translation>Número da anilha</translation>
    </message>
    <message>
        <source>Geschlecht</source>
        <translation>Sexo</translation>
    </message>
    <message>
        <source>Geburtsjahr</source>
        <translation>Ano de nascimento</translation>
    </message>
    <message>
        <source>Züchter</source>
        <translation>Criador</translation>
    </message>
    <message>
        <source>Farbe</source>
        <translation>Cor</translation>
    </message>
    <message>
        <source>Zeichnung</source>
        <translation>Desenho</translation>
    </message>
    <message>
        <source>Art/Rasse</source>
        <translation>Espécie/raça</translation>
    </message>
    <message>
        <source>Vater</source>
        <translation>Pai</translation>
    </message>
    <message>
        <source>Mutter</source>
        <translation>Mãe</translation>
    </message>
    <message>
        <source>Bemerkungen</source>
        <translation>Observações</translation>
    </message>
    <message>
        <source>Bemerkungen Bestandsliste</source>
        <translation>Observações lista do plantel</translation>
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
        <translation>Morada do comprador</translation>
    </message>
    <message>
        <source>Preis (€)</source>
        <translation>Preço (€)</translation>
    </message>
    <message>
        <source>Notiz zum Verbleib</source>
        <translation>Nota sobre o destino</translation>
    </message>
    <message>
        <source>Erbanlagen</source>
        <translation>Fatores genéticos</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Schau</source>
        <translation>Exposição</translation>
    </message>
    <message>
        <source>Klasse</source>
        <translation>Classe</translation>
    </message>
    <message>
        <source>Punkte</source>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>Auszeichnung/Platz</source>
        <translation>Prémio/lugar</translation>
    </message>
    <message>
        <source>Kollektion</source>
        <translation>Equipa</translation>
    </message>
    <message>
        <source>nicht übernehmen</source>
        <translation>não importar</translation>
    </message>
    <message>
        <source>Datum der Schau</source>
        <translation>Data da exposição</translation>
    </message>
</context>
<context>
    <name>ImportPreviewModel</name>
    <message>
        <source>neu</source>
        <translation>novo</translation>
    </message>
    <message>
        <source>ändert %1</source>
        <translation>altera %1</translation>
    </message>
    <message>
        <source>unverändert</source>
        <translation>sem alterações</translation>
    </message>
    <message>
        <source>Fehler: %1</source>
        <translation>Erro: %1</translation>
    </message>
    <message>
        <source>anders in der Datei, behalten: %1</source>
        <translation>diferente no ficheiro, mantido: %1</translation>
    </message>
    <message>
        <source>Zeile</source>
        <translation>Linha</translation>
    </message>
    <message>
        <source>Ringnummer</source>
        <translation>Número da anilha</translation>
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
        <translation>Ainda não foi escolhido nenhum ficheiro.</translation>
    </message>
    <message>
        <source>&amp;Datei wählen…</source>
        <translation>Escolher &amp;ficheiro…</translation>
    </message>
    <message>
        <source>&amp;Spalten der Datei und was sie enthalten:</source>
        <translation>&amp;Colunas do ficheiro e o seu conteúdo:</translation>
    </message>
    <message>
        <source>Spalte</source>
        <translation>Coluna</translation>
    </message>
    <message>
        <source>Erste Zeile</source>
        <translation>Primeira linha</translation>
    </message>
    <message>
        <source>wird übernommen als</source>
        <translation>é importada como</translation>
    </message>
    <message>
        <source>Spalten der Datei</source>
        <translation>Colunas do ficheiro</translation>
    </message>
    <message>
        <source>Bei Ringnummern, die schon im Bestand sind:</source>
        <translation>Para os números de anilha que já estão no plantel:</translation>
    </message>
    <message>
        <source>gefüllte Felder der Datei &amp;überschreiben das Gespeicherte</source>
        <translation>os campos preenchidos do ficheiro &amp;substituem o que está guardado</translation>
    </message>
    <message>
        <source>Gespeichertes &amp;behalten, nur leere Felder füllen</source>
        <translation>&amp;manter o que está guardado, preencher apenas os campos vazios</translation>
    </message>
    <message>
        <source>&amp;Vorschau:</source>
        <translation>&amp;Pré-visualização:</translation>
    </message>
    <message>
        <source>Vorschau des Imports</source>
        <translation>Pré-visualização da importação</translation>
    </message>
    <message>
        <source>&amp;Importieren</source>
        <translation>&amp;Importar</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Bestand importieren: Datei wählen</source>
        <translation>Importar plantel: escolher ficheiro</translation>
    </message>
    <message>
        <source>Tabellen und Stammbaumdateien (*.csv *.txt *.json);;Alle Dateien (*)</source>
        <translation>Tabelas e ficheiros de genealogia (*.csv *.txt *.json);;Todos os ficheiros (*)</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden: %2</source>
        <translation>Não é possível ler o ficheiro %1: %2</translation>
    </message>
    <message>
        <source>Stammbaum von %1, abgegeben von %2 (%3 Vögel)</source>
        <translation>Genealogia de %1, proveniente de %2 (%3 exemplares)</translation>
    </message>
    <message>
        <source>Datei: %1 (%2 Zeilen)</source>
        <translation>Ficheiro: %1 (%2 linhas)</translation>
    </message>
    <message>
        <source>Spalte %1 übernehmen als</source>
        <translation>Importar a coluna %1 como</translation>
    </message>
    <message>
        <source>Die Datei wird geprüft …</source>
        <translation>A verificar o ficheiro …</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Die Prüfung wurde abgebrochen; es wird nichts importiert. „Datei wählen…“ beginnt sie von vorn.</source>
        <translation>A verificação foi cancelada; não é importado nada. «Escolher ficheiro…» recomeça-a.</translation>
    </message>
    <message>
        <source>Keine Spalte ist als Ringnummer gewählt.</source>
        <translation>Não foi escolhida nenhuma coluna como número da anilha.</translation>
    </message>
    <message>
        <source>Solange eine Zeile fehlerhaft ist, wird nichts importiert.</source>
        <translation>Enquanto houver uma linha com erros, não é importado nada.</translation>
    </message>
    <message>
        <source>Eltern, die weder im Bestand noch in der Datei stehen: %1</source>
        <translation>Pais que não estão nem no plantel nem no ficheiro: %1</translation>
    </message>
    <message>
        <source>Der Bestand wurde importiert (%1). „Rückgängig“ nimmt den ganzen Import zurück.</source>
        <translation>O plantel foi importado (%1). «Anular» desfaz toda a importação.</translation>
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
        <translation>Utilização:
  avelor-import [--data PASTA] [--dry-run] [--keep] FICHEIRO...
  avelor-import --version

Carrega tabelas (CSV, p. ex. de uma folha de cálculo ou de avelor-export csv stock)
no plantel: os números de anilha novos são acrescentados e os conhecidos recebem os campos que
o ficheiro preenche; o destino e os fatores genéticos vão para os dados adicionais, tal como
os resultados de exposições de avelor-export csv shows. As colunas são reconhecidas pelos seus
cabeçalhos. Por cada linha com um problema, uma linha &quot;Linha N: …&quot;; no fim,
o resumo. Se uma linha tiver um
erro, não é carregado nada. Um ficheiro de genealogia (.json, de avelor-export pedigree)
traz um exemplar comprado com os seus antepassados; o que já está guardado fica como está.
  --dry-run  apenas verificar, não escrever nada
  --keep     manter os valores guardados onde o ficheiro tiver outros (caso contrário, substituir)
Sem --data é utilizada a pasta de dados do programa; enquanto o programa a
tiver aberta, não é carregado nada. Mais informações na página do manual: man avelor-import

Códigos de saída: 0 tudo carregado, 1 uma linha tinha erros (nada carregado),
2 chamada incorreta, 3 dados ou ficheiro ilegíveis ou não graváveis, 4 pasta de dados
em utilização.
</translation>
    </message>
    <message>
        <source>--data nimmt einen Ordner.</source>
        <translation>--data aceita uma pasta.</translation>
    </message>
    <message>
        <source>Unbekannte Option %1.</source>
        <translation>Opção desconhecida %1.</translation>
    </message>
    <message>
        <source>Keine Datei zum Einlesen angegeben.</source>
        <translation>Não foi indicado nenhum ficheiro para carregar.</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden: %2</source>
        <translation>Não é possível ler o ficheiro %1: %2</translation>
    </message>
    <message>
        <source>Stammbaum von %1, abgegeben von %2</source>
        <translation>Genealogia de %1, proveniente de %2</translation>
    </message>
    <message>
        <source>Vogel %1: %2</source>
        <translation>Exemplar %1: %2</translation>
    </message>
    <message>
        <source>Zeile %1: %2</source>
        <translation>Linha %1: %2</translation>
    </message>
    <message>
        <source>%1: anders in der Datei, das Gespeicherte bleibt: %2</source>
        <translation>%1: diferente no ficheiro, mantém-se o que está guardado: %2</translation>
    </message>
    <message>
        <source>Eltern, die weder im Bestand noch in der Datei stehen: %1</source>
        <translation>Pais que não estão nem no plantel nem no ficheiro: %1</translation>
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
        <translation>fêmea</translation>
    </message>
    <message>
        <source>ja</source>
        <extracomment>&quot;yes&quot; in a spreadsheet&apos;s sold column, lower case, as the import understands it.</extracomment>
        <translation>sim</translation>
    </message>
    <message>
        <source>nein</source>
        <extracomment>&quot;no&quot; in a spreadsheet&apos;s sold column, lower case, as the import understands it.</extracomment>
        <translation>não</translation>
    </message>
</context>
<context>
    <name>LocationListReport</name>
    <message>
        <source>Vögel in der Liste: %1</source>
        <translation>Aves na lista: %1</translation>
    </message>
</context>
<context>
    <name>LocationPanel</name>
    <message>
        <source>Käfig, Voliere oder Raum, in dem der Vogel sitzt; leer, wenn er keinen Platz hat</source>
        <translation>Gaiola, viveiro ou sala onde a ave está; vazio se não tiver lugar</translation>
    </message>
    <message>
        <source>Seit wann der Vogel dort sitzt, im Format TT.MM.JJJJ; leer: heute</source>
        <translation>Desde quando a ave está lá, no formato DD.MM.AAAA; vazio: hoje</translation>
    </message>
    <message>
        <source>TT.MM.JJJJ</source>
        <translation>DD.MM.AAAA</translation>
    </message>
    <message>
        <source>Wo der Vogel bisher saß, mit dem Tag des Umsetzens</source>
        <translation>Onde a ave esteve, com o dia de cada mudança</translation>
    </message>
    <message>
        <source>seit</source>
        <translation>desde</translation>
    </message>
    <message>
        <source>Standort</source>
        <translation>Localização</translation>
    </message>
    <message>
        <source>S&amp;tandort:</source>
        <translation>&amp;Localização:</translation>
    </message>
    <message>
        <source>s&amp;eit:</source>
        <translation>&amp;desde:</translation>
    </message>
    <message>
        <source>&amp;Bisherige Standorte:</source>
        <translation>Localizações &amp;anteriores:</translation>
    </message>
    <message>
        <source>(ohne Standort)</source>
        <translation>(sem localização)</translation>
    </message>
    <message>
        <source>Ungültiges Datum beim Standort!</source>
        <translation>Data da localização inválida!</translation>
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
        <translation>Localização</translation>
    </message>
    <message>
        <source>seit</source>
        <translation>desde</translation>
    </message>
    <message>
        <source>Ringnummer</source>
        <translation>Número da anilha</translation>
    </message>
    <message>
        <source>Geschlecht</source>
        <translation>Sexo</translation>
    </message>
    <message>
        <source>Jahr</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>Farbe</source>
        <translation>Cor</translation>
    </message>
    <message>
        <source>Rasse</source>
        <translation>Raça</translation>
    </message>
</context>
<context>
    <name>LocationsWindow</name>
    <message>
        <source>Standorte</source>
        <translation>Localizações</translation>
    </message>
    <message>
        <source>Welche Vögel die Liste zeigt</source>
        <translation>Que aves a lista mostra</translation>
    </message>
    <message>
        <source>Die Vögel mit ihrem Standort; mehrere lassen sich mit Umschalt- oder Strg-Taste auswählen</source>
        <translation>As aves com a sua localização; escolha várias com Shift ou Ctrl</translation>
    </message>
    <message>
        <source>Vögel und ihre Standorte</source>
        <translation>Aves e as suas localizações</translation>
    </message>
    <message>
        <source>Käfig, Voliere oder Raum, in den die ausgewählten Vögel kommen; leer: aus dem Standort nehmen</source>
        <translation>Gaiola, viveiro ou sala para onde vão as aves escolhidas; vazio: retirá-las da sua localização</translation>
    </message>
    <message>
        <source>Der Tag des Umsetzens, im Format TT.MM.JJJJ</source>
        <translation>O dia da mudança, no formato DD.MM.AAAA</translation>
    </message>
    <message>
        <source>TT.MM.JJJJ</source>
        <translation>DD.MM.AAAA</translation>
    </message>
    <message>
        <source>Ausgewählte &amp;umsetzen</source>
        <translation>&amp;Mudar as escolhidas</translation>
    </message>
    <message>
        <source>Setzt alle ausgewählten Vögel in einem Schritt um</source>
        <translation>Muda todas as aves escolhidas num só passo</translation>
    </message>
    <message>
        <source>&amp;Zeigen:</source>
        <translation>M&amp;ostrar:</translation>
    </message>
    <message>
        <source>Umsetzen &amp;nach:</source>
        <translation>Mudar &amp;para:</translation>
    </message>
    <message>
        <source>&amp;am:</source>
        <translation>&amp;em:</translation>
    </message>
    <message>
        <source>&amp;Drucken…</source>
        <translation>&amp;Imprimir…</translation>
    </message>
    <message>
        <source>Die gezeigte Liste in der Vorschau, zum Drucken oder Speichern als PDF</source>
        <translation>A lista mostrada na pré-visualização, para imprimir ou guardar como PDF</translation>
    </message>
    <message>
        <source>Als &amp;CSV-Datei speichern…</source>
        <translation>Guardar como ficheiro &amp;CSV…</translation>
    </message>
    <message>
        <source>Die gezeigte Liste für eine Tabellenkalkulation</source>
        <translation>A lista mostrada, para uma folha de cálculo</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Alle Vögel im Bestand</source>
        <translation>Todas as aves do plantel</translation>
    </message>
    <message>
        <source>Vögel ohne Standort</source>
        <translation>Aves sem localização</translation>
    </message>
    <message>
        <source>Bitte zuerst die Vögel in der Liste auswählen.</source>
        <translation>Escolha primeiro as aves na lista.</translation>
    </message>
    <message>
        <source>Ungültiges Datum beim Umsetzen!</source>
        <translation>Data da mudança inválida!</translation>
    </message>
    <message>
        <source>Standort %1</source>
        <translation>Localização %1</translation>
    </message>
    <message>
        <source>die Standortliste</source>
        <translation>a lista de localizações</translation>
    </message>
    <message>
        <source>Standorte</source>
        <comment>file name of the printed list of locations</comment>
        <translation>Localizacoes</translation>
    </message>
    <message>
        <source>Standorte speichern</source>
        <translation>Guardar localizações</translation>
    </message>
    <message>
        <source>Standorte.csv</source>
        <translation>Localizacoes.csv</translation>
    </message>
    <message>
        <source>Vögel in der Liste: %1</source>
        <translation>Aves na lista: %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Avelor Abstammungsnachweis für Kanarienvögel</source>
        <translation>Avelor Certificado de genealogia para canários</translation>
    </message>
    <message>
        <source>Alles speichern und Programm beenden</source>
        <translation>Guardar tudo e sair</translation>
    </message>
    <message>
        <source>Züchterdaten</source>
        <translation>Dados do criador</translation>
    </message>
    <message>
        <source>Kanarienvögel anlegen</source>
        <translation>Registar canários</translation>
    </message>
    <message>
        <source>Kanarienvögel löschen</source>
        <translation>Eliminar canários</translation>
    </message>
    <message>
        <source>Kanarienvögel ändern</source>
        <translation>Alterar canários</translation>
    </message>
    <message>
        <source>Kanarienvögel suchen</source>
        <translation>Procurar canários</translation>
    </message>
    <message>
        <source>Elternbeziehungen</source>
        <translation>Ligações aos pais</translation>
    </message>
    <message>
        <source>Kanarienvögelbestandsliste anzeigen</source>
        <translation>Mostrar lista do plantel de canários</translation>
    </message>
    <message>
        <source>Kanarienvögelbestandsliste drucken</source>
        <translation>Imprimir lista do plantel de canários</translation>
    </message>
    <message>
        <source>Kinder, Enkel &amp;&amp; Urenkel</source>
        <translation>Filhos, netos &amp;&amp; bisnetos</translation>
    </message>
    <message>
        <source>Nachwuchsverwaltung</source>
        <translation>Gestão da criação</translation>
    </message>
    <message>
        <source>Frage</source>
        <translation>Pergunta</translation>
    </message>
    <message>
        <source>Wollen sie das Programm beenden?</source>
        <translation>Pretende sair do programa?</translation>
    </message>
</context>
<context>
    <name>MatePlanner</name>
    <message>
        <source>Die Ringnummer „%1“ ist nicht im Bestand.</source>
        <translation>O número da anilha «%1» não está no plantel.</translation>
    </message>
    <message>
        <source>Das Geschlecht des Kanarienvogels „%1“ ist unbekannt; ohne es lassen sich keine Partner suchen.</source>
        <translation>O sexo do canário «%1» é desconhecido; sem ele não é possível procurar parceiros.</translation>
    </message>
</context>
<context>
    <name>MatePlannerWindow</name>
    <message>
        <source>Partnersuche</source>
        <translation>Procura de parceiros</translation>
    </message>
    <message>
        <source>Der Hahn oder die Henne, für die ein Partner gesucht wird</source>
        <translation>O macho ou a fêmea para quem se procura um parceiro</translation>
    </message>
    <message>
        <source>Nur Rasse:</source>
        <translation>Só a raça:</translation>
    </message>
    <message>
        <source>Die am wenigsten verwandten Partner stehen oben; eng verwandte sind rot</source>
        <translation>Os parceiros menos aparentados aparecem em cima; os muito aparentados, a vermelho</translation>
    </message>
    <message>
        <source>Mögliche Partner</source>
        <translation>Possíveis parceiros</translation>
    </message>
    <message>
        <source>Als &amp;Zuchtpaar anlegen…</source>
        <translation>Registar como &amp;casal reprodutor…</translation>
    </message>
    <message>
        <source>Öffnet die Nachwuchsverwaltung mit beiden Vögeln als neues Zuchtpaar</source>
        <translation>Abre a gestão da criação com ambos os exemplares como novo casal reprodutor</translation>
    </message>
    <message>
        <source>Kanarienvogel:</source>
        <translation>Canário:</translation>
    </message>
    <message>
        <source>Bitte den Kanarienvogel wählen.</source>
        <translation>Escolha o canário.</translation>
    </message>
    <message>
        <source>%1 mögliche Partner, die am wenigsten verwandten zuerst.</source>
        <translation>%1 possíveis parceiros, os menos aparentados primeiro.</translation>
    </message>
    <message>
        <source>Bitte zuerst einen Partner in der Liste anklicken.</source>
        <translation>Clique primeiro num parceiro na lista.</translation>
    </message>
</context>
<context>
    <name>MateTableModel</name>
    <message>
        <source>Eng verwandt: Die Jungen hätten einen Inzuchtkoeffizienten von %1.</source>
        <translation>Parentes próximos: as crias teriam um coeficiente de consanguinidade de %1.</translation>
    </message>
    <message>
        <source>eng verwandt</source>
        <translation>parentes próximos</translation>
    </message>
    <message>
        <source>Ringnummer</source>
        <translation>Número da anilha</translation>
    </message>
    <message>
        <source>Inzucht der Jungen</source>
        <translation>Consanguinidade das crias</translation>
    </message>
    <message>
        <source>Verwandtschaft</source>
        <translation>Parentesco</translation>
    </message>
    <message>
        <source>Farben der Jungen</source>
        <translation>Cores das crias</translation>
    </message>
</context>
<context>
    <name>MoreWindowsButton</name>
    <message>
        <source>Saison und Auswertungen</source>
        <translation>Época e relatórios</translation>
    </message>
    <message>
        <source>&amp;Zuchtkalender…</source>
        <translation>&amp;Calendário de criação…</translation>
    </message>
    <message>
        <source>Zucht&amp;statistik…</source>
        <translation>&amp;Estatística de criação…</translation>
    </message>
    <message>
        <source>&amp;Partnersuche…</source>
        <translation>&amp;Procura de parceiros…</translation>
    </message>
    <message>
        <source>&amp;Farbvererbung…</source>
        <translation>&amp;Herança da cor…</translation>
    </message>
    <message>
        <source>&amp;Ausstellungsergebnisse…</source>
        <translation>&amp;Resultados de exposições…</translation>
    </message>
    <message>
        <source>S&amp;tandorte…</source>
        <translation>&amp;Localizações…</translation>
    </message>
    <message>
        <source>&amp;Ringbestand…</source>
        <translation>&amp;Inventário de anilhas…</translation>
    </message>
    <message>
        <source>Ausstellungs&amp;meldung…</source>
        <translation>I&amp;nscrição em exposições…</translation>
    </message>
</context>
<context>
    <name>PairGroup</name>
    <message>
        <source>Zuchtpaar zum Drucken auswählen: </source>
        <translation>Casal reprodutor a imprimir </translation>
    </message>
    <message>
        <source>Zuchtpaar</source>
        <translation>Casal reprodutor</translation>
    </message>
    <message>
        <source>Zuchtpaar drucken</source>
        <translation>Imprimir casal reprodutor</translation>
    </message>
    <message>
        <source>Bitte Zuchtpaar auswählen, dass Sie drucken möchten.</source>
        <translation>Escolha o casal reprodutor que pretende imprimir.</translation>
    </message>
    <message>
        <source>das Zuchtpaar</source>
        <translation>o casal reprodutor</translation>
    </message>
    <message>
        <source>Zuchtpaar</source>
        <comment>file name of the printed pair</comment>
        <translation>Casal reprodutor</translation>
    </message>
    <message>
        <source>Käfigkarten…</source>
        <translation>Fichas de gaiola…</translation>
    </message>
    <message>
        <source>Karten für die Zuchtkäfige oder einzelne Vögel, mit QR-Code der Ringnummern</source>
        <translation>Fichas para as gaiolas de criação ou aves individuais, com um código QR dos números de anilha</translation>
    </message>
</context>
<context>
    <name>PairSheet</name>
    <message>
        <source>unbekannt</source>
        <translation>desconhecido</translation>
    </message>
    <message>
        <source>männlich </source>
        <translation>macho </translation>
    </message>
    <message>
        <source>weiblich </source>
        <translation>fêmea </translation>
    </message>
    <message>
        <source>Gelege %1:      Erstes Ei          letztes Ei          Anzahl Eier          Gelege gesetzt
<byte value="xd"/></source>
        <translation>Postura %1:     Primeiro ovo       Último ovo          N.º de ovos          Postura colocada
</translation>
    </message>
    <message>
        <source>aus Gelege %1: Ringnummer             Geschlecht    Rasse/Art                           abgesetzt
<byte value="xd"/></source>
        <translation>da postura %1: N.º da anilha          Sexo          Raça/espécie                        desmamado
</translation>
    </message>
    <message>
        <source>nicht beringt</source>
        <translation>não anilhado</translation>
    </message>
    <message>
        <source>für Zuchtpaar %1 und %2</source>
        <translation>para o casal reprodutor %1 e %2</translation>
    </message>
</context>
<context>
    <name>PairSheetReport</name>
    <message>
        <source>Ringnummer:</source>
        <translation>Número da anilha:</translation>
    </message>
    <message>
        <source>Art/Rasse:</source>
        <translation>Espécie/raça:</translation>
    </message>
    <message>
        <source>Farbe::</source>
        <translation>Cor:</translation>
    </message>
    <message>
        <source>Zuchtpaarauszug aus Zuchtdatei</source>
        <translation>Ficha do casal reprodutor</translation>
    </message>
    <message>
        <source>Details zu Vogel (m) 1.0:</source>
        <translation>Dados do exemplar (m) 1.0:</translation>
    </message>
    <message>
        <source>Details zu Vogel (w) 0.1:</source>
        <translation>Dados do exemplar (f) 0.1:</translation>
    </message>
    <message>
        <source>Gelege:</source>
        <translation>Postura:</translation>
    </message>
    <message>
        <source>Beringungen:</source>
        <translation>Anilhagens:</translation>
    </message>
    <message>
        <source>Erstellt mit Avelor Abstammungsnachweis</source>
        <translation>Criado com Avelor Certificado de genealogia</translation>
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
        <translation>CANÁRIO VENDIDO</translation>
    </message>
    <message>
        <source>keine</source>
        <comment>no mother</comment>
        <translation>nenhuma</translation>
    </message>
    <message>
        <source>keiner</source>
        <comment>no father</comment>
        <translation>nenhum</translation>
    </message>
    <message>
        <source>Gespeichert ist die Mutter %1 und der Vater %2, in der Auswahl aber nicht aufgeführt (verkauft, gelöscht oder ausgefiltert). Beim Speichern wird diese Verbindung entfernt.

Trotzdem speichern?</source>
        <extracomment>%1 is the mother&apos;s ring, %2 the father&apos;s</extracomment>
        <translation>A mãe %1 e o pai %2 guardados não constam da seleção (vendidos, eliminados ou excluídos pelo filtro). Ao guardar, estas ligações são removidas.

Guardar mesmo assim?</translation>
    </message>
    <message>
        <source>Gespeichert ist die Mutter %1, in der Auswahl aber nicht aufgeführt (verkauft, gelöscht oder ausgefiltert). Beim Speichern wird diese Verbindung entfernt.

Trotzdem speichern?</source>
        <translation>A mãe %1 guardada não consta da seleção (vendida, eliminada ou excluída pelo filtro). Ao guardar, esta ligação é removida.

Guardar mesmo assim?</translation>
    </message>
    <message>
        <source>Gespeichert ist der Vater %1, in der Auswahl aber nicht aufgeführt (verkauft, gelöscht oder ausgefiltert). Beim Speichern wird diese Verbindung entfernt.

Trotzdem speichern?</source>
        <translation>O pai %1 guardado não consta da seleção (vendido, eliminado ou excluído pelo filtro). Ao guardar, esta ligação é removida.

Guardar mesmo assim?</translation>
    </message>
</context>
<context>
    <name>ParentLinksDialog</name>
    <message>
        <source>Sobald sie alle Kanarienvögel eingegeben haben, müssen Sie hier die Elternbeziehungen festlegen, damit das Programm weiß, wie sich die Familienverhältnisse verhalten um einen Abstammungsnachweis erstellen zu können.

Wählen Sie links in der Liste aller Kanarienvögel das Kind aus und legen Sie anschließend Vater und Mutter dazu fest. Klicken Sie dann auf &quot;Speichern&quot;.

Wählen Sie dann den Vater und die Mutter nacheinander in der linken Liste aus und wählen Sie deren Eltern. Das Programm kennt dann die Eltern des Jungvogels, sowie die Eltern der Eltern (die Großeltern des Jungvogels).

Auf diese Weise können Sie bis zu 4 Generationen verknüpfen, indem Sie immer nur die Eltern des Jungvogels, des Vaters und der Mutter, der Großmütter und der Großväter, usw. angeben.</source>
        <translation>Depois de ter introduzido todos os canários, defina aqui as ligações aos pais, para que o programa conheça as relações familiares e possa criar um certificado de genealogia.

Escolha à esquerda, na lista de todos os canários, a cria e defina depois o seu pai e a sua mãe. Clique então em &quot;Guardar&quot;.

Em seguida, escolha um após o outro o pai e a mãe na lista da esquerda e selecione os pais de cada um. O programa fica então a conhecer os pais da cria e os pais dos pais (os avós da cria).

Desta forma pode ligar até 4 gerações, indicando sempre apenas os pais da cria, do pai e da mãe, das avós e dos avôs, etc.</translation>
    </message>
    <message>
        <source>Elternbeziehungen</source>
        <translation>Ligações aos pais</translation>
    </message>
    <message>
        <source>Liste aller Kanarienvögel:</source>
        <translation>Lista de todos os canários:</translation>
    </message>
    <message>
        <source>zur Zeit gespeicherte Mutter:</source>
        <translation>mãe guardada atualmente:</translation>
    </message>
    <message>
        <source>zur Zeit gespeicherter Vater:</source>
        <translation>pai guardado atualmente:</translation>
    </message>
    <message>
        <source>Verkaufte Kanarienvögel in allen 3 Listen ausblenden</source>
        <translation>Ocultar os canários vendidos nas 3 listas</translation>
    </message>
    <message>
        <source>Gelöschte Kanarienvögel in den Eltern-Teil-Auswahlliste anzeigen</source>
        <translation>Mostrar os canários eliminados nas listas de seleção dos pais</translation>
    </message>
    <message>
        <source>Filter auch für Elterntiereauswahl anwenden</source>
        <translation>Aplicar o filtro também à seleção dos pais</translation>
    </message>
    <message>
        <source>Eltern dieses Vogels ändern:</source>
        <translation>Alterar os pais deste exemplar:</translation>
    </message>
    <message>
        <source>=&gt; keine Mutter</source>
        <translation>=&gt; sem mãe</translation>
    </message>
    <message>
        <source>=&gt; kein Vater</source>
        <translation>=&gt; sem pai</translation>
    </message>
    <message>
        <source>neue Mutter:</source>
        <translation>nova mãe:</translation>
    </message>
    <message>
        <source>neuer Vater:</source>
        <translation>novo pai:</translation>
    </message>
    <message>
        <source>Neue Eltern des Vogels speichern</source>
        <translation>Guardar os novos pais do exemplar</translation>
    </message>
    <message>
        <source>Wählen Sie nun Mutter und Vater d. ausgew. Kanarienvogel aus und klicken Sie auf &quot;Speichern&quot;.</source>
        <translation>Escolha agora a mãe e o pai do canário selecionado e clique em &quot;Guardar&quot;.</translation>
    </message>
    <message>
        <source>Bitte das Jungtier auswählen.</source>
        <translation>Escolha a cria.</translation>
    </message>
    <message>
        <source>Frage</source>
        <translation>Pergunta</translation>
    </message>
    <message>
        <source>Die Eltern wurden erfolgreich gespeichert.</source>
        <translation>Os pais foram guardados.</translation>
    </message>
</context>
<context>
    <name>PedigreeGroup</name>
    <message>
        <source>Abstammungsnachweis:</source>
        <translation>Certificado de genealogia:</translation>
    </message>
    <message>
        <source>Für Kanarienvogel mit Ring-Nr.:</source>
        <translation>Para o canário com o n.º de anilha:</translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation>Definições</translation>
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
        <translation>Imprimir apenas a ficha do exemplar</translation>
    </message>
    <message>
        <source>Stammbaum als Datei speichern…</source>
        <translation>Guardar genealogia como ficheiro…</translation>
    </message>
    <message>
        <source>Freier Text:</source>
        <translation>Texto livre:</translation>
    </message>
    <message>
        <source>Käuferdaten:</source>
        <translation>Dados do comprador:</translation>
    </message>
</context>
<context>
    <name>PedigreeImport</name>
    <message>
        <source>Das ist keine Stammbaumdatei von Avelor.</source>
        <translation>Não é um ficheiro de genealogia do Avelor.</translation>
    </message>
    <message>
        <source>Diese Stammbaumdatei hat die Formatversion %1; dieses Programm kennt bis %2. Bitte Avelor aktualisieren, um sie einzulesen.</source>
        <translation>Este ficheiro de genealogia tem a versão de formato %1; este programa conhece até à %2. Atualize o Avelor para o carregar.</translation>
    </message>
    <message>
        <source>erhalten von %1</source>
        <translation>recebido de %1</translation>
    </message>
    <message>
        <source>Die Stammbaumdatei enthält keinen Vogel.</source>
        <translation>O ficheiro de genealogia não contém nenhum exemplar.</translation>
    </message>
</context>
<context>
    <name>PedigreeReading</name>
    <message>
        <source>unter 1 %</source>
        <translation>menos de 1 %</translation>
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
        <translation>portador a %1</translation>
    </message>
    <message>
        <source>Vater und Mutter %1</source>
        <translation>pai e mãe %1</translation>
    </message>
    <message>
        <source>Vater %1</source>
        <translation>pai %1</translation>
    </message>
    <message>
        <source>Mutter %1</source>
        <translation>mãe %1</translation>
    </message>
    <message>
        <source>Junges %1 %2</source>
        <translation>cria %1 %2</translation>
    </message>
    <message>
        <source>Vater %1, Mutter %2</source>
        <translation>pai %1, mãe %2</translation>
    </message>
</context>
<context>
    <name>PedigreeReport</name>
    <message>
        <source>Abstammungsnachweis</source>
        <translation>Certificado de genealogia</translation>
    </message>
    <message>
        <source>Erstellt mit Avelor Abstammungsnachweis - Internet: %1</source>
        <translation>Criado com Avelor Certificado de genealogia - Internet: %1</translation>
    </message>
    <message>
        <source>Verkauft an:</source>
        <translation>Vendido a:</translation>
    </message>
    <message>
        <source>Farbe: </source>
        <translation>Cor: </translation>
    </message>
    <message>
        <source>Züchter: </source>
        <translation>Criador: </translation>
    </message>
    <message>
        <source>Art: </source>
        <translation>Raça: </translation>
    </message>
    <message>
        <source>Jahrgang: </source>
        <translation>Ano: </translation>
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
        <translation>Coeficiente de consanguinidade: %1 (foi ignorado um ciclo nas ligações aos pais)</translation>
    </message>
    <message>
        <source>Inzuchtkoeffizient: %1</source>
        <translation>Coeficiente de consanguinidade: %1</translation>
    </message>
</context>
<context>
    <name>PictureBox</name>
    <message>
        <source>Bild</source>
        <translation>Imagem</translation>
    </message>
    <message>
        <source>Bild kann nicht angezeigt werden</source>
        <translation>Não é possível mostrar a imagem</translation>
    </message>
</context>
<context>
    <name>PictureDecoder</name>
    <message>
        <source>Das Bild „%1“ kann nicht angezeigt werden: %2</source>
        <translation>Não é possível mostrar a imagem «%1»: %2</translation>
    </message>
    <message>
        <source>Die JPEG-Daten sind fehlerhaft (%1).</source>
        <translation>Os dados JPEG têm erros (%1).</translation>
    </message>
    <message>
        <source>Das Dateiformat ist unbekannt oder die Datei ist beschädigt.</source>
        <translation>O formato do ficheiro é desconhecido ou o ficheiro está danificado.</translation>
    </message>
    <message>
        <source>Die Datei kann nicht gelesen werden.</source>
        <translation>Não é possível ler o ficheiro.</translation>
    </message>
</context>
<context>
    <name>PictureStore</name>
    <message>
        <source>Der Bilderordner „%1“ konnte nicht angelegt werden.</source>
        <translation>Não foi possível criar a pasta de imagens «%1».</translation>
    </message>
    <message>
        <source>Das Bild für %1 konnte nicht gespeichert werden: %2</source>
        <translation>Não foi possível guardar a imagem de %1: %2</translation>
    </message>
    <message>
        <source>Das Bild von %1 wurde nicht umbenannt, weil es unter %2 schon ein Bild gibt. Bitte prüfen Sie beide Bilder im Ordner „%3“.</source>
        <translation>A imagem de %1 não foi mudada de nome porque já existe uma imagem com o nome %2. Verifique ambas as imagens na pasta «%3».</translation>
    </message>
    <message>
        <source>Das Bild von %1 konnte nicht nach %2 umbenannt werden: %3</source>
        <translation>Não foi possível mudar o nome da imagem de %1 para %2: %3</translation>
    </message>
    <message>
        <source>Das Bild von %1 konnte nicht gelöscht werden: %2</source>
        <translation>Não foi possível eliminar a imagem de %1: %2</translation>
    </message>
</context>
<context>
    <name>PreferencesStore</name>
    <message>
        <source>Einstellungen des Abstammungsnachweises geändert</source>
        <translation>Definições do certificado de genealogia alteradas</translation>
    </message>
    <message>
        <source>Tage des Zuchtkalenders geändert</source>
        <translation>Dias do calendário de criação alterados</translation>
    </message>
    <message>
        <source>Sprache geändert</source>
        <translation>Idioma alterado</translation>
    </message>
</context>
<context>
    <name>PrintSettingsDialog</name>
    <message>
        <source>Einstellungen für den Druck</source>
        <translation>Definições de impressão</translation>
    </message>
    <message>
        <source>Nachwuchsverwaltung anzeigen</source>
        <translation>Mostrar gestão da criação</translation>
    </message>
    <message>
        <source>Druck des Abstammungsnachweises:</source>
        <translation>Impressão do certificado de genealogia:</translation>
    </message>
    <message>
        <source>Jahrgang auf Abstammungs-Nachweis drucken</source>
        <translation>Imprimir o ano no certificado de genealogia</translation>
    </message>
    <message>
        <source>Prefixe anzeigen (&quot;Züchter:&quot;, &quot;Farbe:&quot;, ...)</source>
        <translation>Mostrar prefixos (&quot;Criador:&quot;, &quot;Cor:&quot;, ...)</translation>
    </message>
    <message>
        <source>&quot;Verkauft an:&quot; + eingegebenen Text anzeigen</source>
        <translation>Mostrar &quot;Vendido a:&quot; + o texto introduzido</translation>
    </message>
    <message>
        <source>Bild des Vogels anzeigen (sofern vorhanden)</source>
        <translation>Mostrar a imagem do exemplar (se existir)</translation>
    </message>
    <message>
        <source>Freien Text anzeigen (ohne &quot;Verkauft an:&quot;)</source>
        <translation>Mostrar o texto livre (sem &quot;Vendido a:&quot;)</translation>
    </message>
    <message>
        <source>Rasse bei UGE und Züchter bei UUGE</source>
        <translation>Raça nos BA e criador nos TA</translation>
    </message>
    <message>
        <source>Bemerkungen bei UGE und UUGE</source>
        <translation>Observações nos BA e TA</translation>
    </message>
    <message>
        <source>Schriftgröße:</source>
        <translation>Tamanho da letra:</translation>
    </message>
    <message>
        <source>Oben rechts anzeigen:</source>
        <translation>Mostrar no canto superior direito:</translation>
    </message>
    <message>
        <source>Bei den Urgroßeltern (UGE) und Ururgroßeltern (UUGE)
anzeigen:</source>
        <translation>Mostrar nos bisavós (BA)
e trisavós (TA):</translation>
    </message>
    <message>
        <source>Zweizeilig (mehr Informationen)</source>
        <translation>Duas linhas (mais informações)</translation>
    </message>
    <message>
        <source>Einzeilig (übersichtlicher, da kompakter)</source>
        <translation>Uma linha (mais clara e compacta)</translation>
    </message>
    <message>
        <source>Layout Kanarienvögelbestandsliste:</source>
        <translation>Formato da lista do plantel de canários:</translation>
    </message>
    <message>
        <source>Farbe für den Kopf:</source>
        <translation>Cor do cabeçalho:</translation>
    </message>
    <message>
        <source>Farbe für männlich:</source>
        <translation>Cor para machos:</translation>
    </message>
    <message>
        <source>Farbe für weiblich:</source>
        <translation>Cor para fêmeas:</translation>
    </message>
    <message>
        <source>Zusätzlich auf dem Abstammungsnachweis:</source>
        <translation>Também no certificado de genealogia:</translation>
    </message>
    <message>
        <source>Inzuchtkoeffizient auf dem Abstammungsnachweis</source>
        <translation>Coeficiente de consanguinidade no certificado de genealogia</translation>
    </message>
    <message>
        <source>Mehrfach vorkommende Ahnen markieren</source>
        <translation>Marcar os antepassados que aparecem mais de uma vez</translation>
    </message>
    <message>
        <source>Bestes Ausstellungsergebnis auf dem Stammblatt</source>
        <translation>Melhor resultado de exposição na ficha do exemplar</translation>
    </message>
    <message>
        <source>Sprache</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>wie das System (%1)</source>
        <translation>como o sistema (%1)</translation>
    </message>
    <message>
        <source>Die Sprache der Fenster gilt ab dem nächsten Start.</source>
        <translation>O idioma das janelas aplica-se a partir do próximo arranque.</translation>
    </message>
    <message>
        <source>Sprache des Programms (ab dem nächsten Start):</source>
        <translation>Idioma do programa (a partir do próximo arranque):</translation>
    </message>
    <message>
        <source>wie das Programm</source>
        <translation>como o programa</translation>
    </message>
    <message>
        <source>Sprache der Ausdrucke:</source>
        <translation>Idioma das impressões:</translation>
    </message>
    <message>
        <source>Abstammungsnachweis, Stammblatt, Bestandsliste und Zuchtpaarblatt in dieser Sprache, etwa für einen Käufer im Ausland.</source>
        <translation>Certificado de genealogia, ficha do exemplar, lista do plantel e ficha do casal neste idioma, por exemplo para um comprador no estrangeiro.</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>Bild %1 von %2</source>
        <translation>Imagem %1 de %2</translation>
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
        <translation>Aguarde, por favor</translation>
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
        <translation>Escolher imagem</translation>
    </message>
    <message>
        <source>Farbe auswählen</source>
        <translation>Escolher cor</translation>
    </message>
    <message>
        <source>JPEG-Bilder (*.jpg *.jpeg *.JPG *.JPEG);;Bitmaps (*.bmp *.BMP)</source>
        <translation>Imagens JPEG (*.jpg *.jpeg *.JPG *.JPEG);;Mapas de bits (*.bmp *.BMP)</translation>
    </message>
</context>
<context>
    <name>RecordSheetReport</name>
    <message>
        <source>Farbe:</source>
        <translation>Cor:</translation>
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
        <translation>Espécie / raça:</translation>
    </message>
    <message>
        <source>Geburtsjahr:</source>
        <translation>Ano de nascimento:</translation>
    </message>
    <message>
        <source>Bemerkung Kanarienvögelbestandsliste:</source>
        <translation>Observação lista do plantel de canários:</translation>
    </message>
    <message>
        <source>Sonstige Bemerkungen</source>
        <translation>Outras observações</translation>
    </message>
    <message>
        <source>Erstellt mit Avelor Abstammungsnachweis</source>
        <translation>Criado com Avelor Certificado de genealogia</translation>
    </message>
    <message>
        <source>Internet: %1</source>
        <translation>Internet: %1</translation>
    </message>
    <message>
        <source>unbekannt</source>
        <comment>sex</comment>
        <translation>desconhecido</translation>
    </message>
    <message>
        <source>Bestes Ausstellungsergebnis: %1 Punkte, %2, %3</source>
        <extracomment>%1 points, %2 show, %3 date</extracomment>
        <translation>Melhor resultado de exposição: %1 pontos, %2, %3</translation>
    </message>
    <message>
        <source>Stammblatt z. Kanarienvogel</source>
        <translation>Ficha do canário</translation>
    </message>
</context>
<context>
    <name>RecordsCheck</name>
    <message>
        <source>die Datei ist keine SQLite-Datenbank</source>
        <translation>o ficheiro não é uma base de dados SQLite</translation>
    </message>
    <message>
        <source>sie stammt von einer neueren Avelor-Version (Version %1)</source>
        <translation>provém de uma versão mais recente do Avelor (versão %1)</translation>
    </message>
    <message>
        <source>sie gibt eine Version an, die es nicht gibt (%1)</source>
        <translation>indica uma versão que não existe (%1)</translation>
    </message>
    <message>
        <source>die Prüfung der Datenbank meldet: %1</source>
        <translation>a verificação da base de dados indica: %1</translation>
    </message>
</context>
<context>
    <name>RecordsCopies</name>
    <message>
        <source>Die Kopie der Zusatzdaten %1</source>
        <translation>a cópia dos dados adicionais %1</translation>
    </message>
    <message>
        <source>%1 konnte nicht angelegt werden: %2</source>
        <translation>Não foi possível criar %1: %2</translation>
    </message>
    <message>
        <source>die Datei ließ sich nicht schließen</source>
        <translation>não foi possível fechar o ficheiro</translation>
    </message>
    <message>
        <source>%1 konnte nicht geschrieben werden: %2</source>
        <translation>Não foi possível escrever %1: %2</translation>
    </message>
    <message>
        <source>Die Zusatzdaten in %1 können nicht gelesen werden (%2).</source>
        <translation>Não é possível ler os dados adicionais em %1 (%2).</translation>
    </message>
    <message>
        <source>Das Zurückholen der Zusatzdaten</source>
        <translation>a reposição dos dados adicionais</translation>
    </message>
    <message>
        <source>Aktualisierung fehlgeschlagen: %1</source>
        <translation>A atualização falhou: %1</translation>
    </message>
    <message>
        <source>%1 ist fehlgeschlagen: %2</source>
        <translation>Falhou %1: %2</translation>
    </message>
</context>
<context>
    <name>RecordsDatabase</name>
    <message>
        <source>Die Zusatzdaten sind in diesem Programmlauf nicht verfügbar; %1 wurde nicht gespeichert.</source>
        <translation>Os dados adicionais não estão disponíveis nesta execução do programa; não foi possível guardar %1.</translation>
    </message>
    <message>
        <source>%1 konnte nicht gespeichert werden: %2</source>
        <translation>Não foi possível guardar %1: %2</translation>
    </message>
    <message>
        <source>Der Verbleib von %1</source>
        <translation>o destino de %1</translation>
    </message>
    <message>
        <source>Das Ausstellungsergebnis von %1</source>
        <translation>o resultado de exposição de %1</translation>
    </message>
    <message>
        <source>Das Löschen des Ausstellungsergebnisses</source>
        <translation>a eliminação do resultado de exposição</translation>
    </message>
    <message>
        <source>Die Zusatzdaten von %1</source>
        <translation>os dados adicionais de %1</translation>
    </message>
    <message>
        <source>Die Zusatzdaten</source>
        <translation>os dados adicionais</translation>
    </message>
    <message>
        <source>Das Löschen der Zusatzdaten von %1</source>
        <translation>a eliminação dos dados adicionais de %1</translation>
    </message>
    <message>
        <source>Das Zurücksetzen der Zusatzdaten</source>
        <translation>a reinicialização dos dados adicionais</translation>
    </message>
    <message>
        <source>Das Löschen der Zusatzdaten</source>
        <translation>a eliminação dos dados adicionais</translation>
    </message>
    <message>
        <source>Die Ringlieferung %1 bis %2</source>
        <translation>A entrega de anilhas %1 a %2</translation>
    </message>
    <message>
        <source>Das Löschen der Ringlieferung</source>
        <translation>A eliminação da entrega de anilhas</translation>
    </message>
    <message>
        <source>Das Zurücksetzen der Ringlieferungen</source>
        <translation>A reposição das entregas de anilhas</translation>
    </message>
    <message>
        <source>Die Ausstellung %1</source>
        <translation>a exposição %1</translation>
    </message>
    <message>
        <source>Das Löschen der Ausstellung</source>
        <translation>a eliminação da exposição</translation>
    </message>
    <message>
        <source>Die Meldung</source>
        <translation>a inscrição</translation>
    </message>
    <message>
        <source>Die Meldung von %1</source>
        <translation>a inscrição de %1</translation>
    </message>
    <message>
        <source>Das Löschen der Meldung</source>
        <translation>a eliminação da inscrição</translation>
    </message>
    <message>
        <source>Die Übernahme der Ergebnisse</source>
        <translation>a incorporação dos resultados</translation>
    </message>
    <message>
        <source>Das Zurücksetzen der Ausstellungen</source>
        <translation>a reposição das exposições</translation>
    </message>
</context>
<context>
    <name>RecordsOpening</name>
    <message>
        <source>Die Zusatzdaten (Verbleib, Ausstellungsergebnisse, Erbanlagen) in %1</source>
        <translation>Os dados adicionais (destino, resultados de exposições, fatores genéticos) em %1</translation>
    </message>
    <message>
        <source> Die Datei bleibt unverändert; die Zusatzdaten sind in diesem Programmlauf nicht verfügbar.</source>
        <translation> O ficheiro não é alterado; os dados adicionais não estão disponíveis nesta execução do programa.</translation>
    </message>
    <message>
        <source> Die Datei bleibt unverändert.</source>
        <translation> O ficheiro não é alterado.</translation>
    </message>
    <message>
        <source>%1 werden gerade von einem anderen Programm benutzt (%2).%3 Bitte beenden Sie das andere Programm und versuchen Sie es danach noch einmal.</source>
        <translation>%1 estão a ser utilizados por outro programa neste momento (%2).%3 Feche o outro programa e tente novamente.</translation>
    </message>
    <message>
        <source>%1 können nicht gelesen werden: %2.%3 Bitte prüfen Sie, ob Sie diese Datei lesen und ändern dürfen (Zugriffsrechte) und ob der Datenträger in Ordnung ist.</source>
        <translation>%1 não podem ser lidos: %2.%3 Verifique se tem permissão para ler e alterar este ficheiro (direitos de acesso) e se a unidade está em bom estado.</translation>
    </message>
    <message>
        <source>%1 wurden mitten in einer Änderung verlassen; diese Änderung nimmt Avelor beim nächsten Start zurück.%2 Bitte starten Sie Avelor einmal und versuchen Sie es danach noch einmal.</source>
        <translation>%1 ficaram a meio de uma alteração; o Avelor desfaz esta alteração no próximo arranque.%2 Inicie o Avelor uma vez e tente novamente.</translation>
    </message>
    <message>
        <source>%1 stammen von einer neueren Avelor-Version. Diese Version kann sie weder lesen noch ändern.%2 Bitte verwenden Sie die neuere Version des Programms.</source>
        <translation>%1 provêm de uma versão mais recente do Avelor. Esta versão não os pode ler nem alterar.%2 Utilize a versão mais recente do programa.</translation>
    </message>
    <message>
        <source>%1 geben eine Version an, die es nicht gibt (%2); Avelor kann sie weder lesen noch ändern.%3</source>
        <translation>%1 indicam uma versão que não existe (%2); o Avelor não os pode ler nem alterar.%3</translation>
    </message>
    <message>
        <source>Die Datei %1 enthält keine Zusatzdaten von Avelor: %2.%3 Wird die Datei nicht mehr gebraucht, benennen Sie sie um oder verschieben Sie sie; dann legt Avelor beim nächsten Start eine neue an.</source>
        <translation>O ficheiro %1 não contém dados adicionais do Avelor: %2.%3 Se já não precisar do ficheiro, mude-lhe o nome ou mova-o; o Avelor cria então um novo no próximo arranque.</translation>
    </message>
    <message>
        <source>%1 sind beschädigt und konnten nicht gelesen werden (%2).</source>
        <translation>%1 estão danificados e não puderam ser lidos (%2).</translation>
    </message>
    <message>
        <source>

Die Datei konnte nicht beiseitegelegt werden; die Zusatzdaten sind in diesem Programmlauf nicht verfügbar.</source>
        <translation>

Não foi possível pôr o ficheiro de parte; os dados adicionais não estão disponíveis nesta execução do programa.</translation>
    </message>
    <message>
        <source>

Die Datei wurde unverändert aufbewahrt als %1. Das Programm beginnt mit leeren Zusatzdaten.</source>
        <translation>

O ficheiro foi conservado sem alterações como %1. O programa começa com dados adicionais vazios.</translation>
    </message>
    <message>
        <source>%1 können nicht angelegt werden, weil daneben noch %2 liegt und sich nicht beiseitelegen lässt. Die Zusatzdaten sind in diesem Programmlauf nicht verfügbar.</source>
        <translation>%1 não podem ser criados porque ao lado ainda se encontra %2, que não pode ser posto de parte. Os dados adicionais não estão disponíveis nesta execução do programa.</translation>
    </message>
    <message>
        <source>%1 können nicht angelegt werden: %2. Die Zusatzdaten sind in diesem Programmlauf nicht verfügbar.</source>
        <translation>%1 não podem ser criados: %2. Os dados adicionais não estão disponíveis nesta execução do programa.</translation>
    </message>
    <message>
        <source>%1 konnten nicht auf den Stand dieser Version gebracht werden: %2. Die Datei bleibt, wie sie war; die Zusatzdaten sind in diesem Programmlauf nicht verfügbar.</source>
        <translation>%1 não puderam ser atualizados para esta versão: %2. O ficheiro fica como estava; os dados adicionais não estão disponíveis nesta execução do programa.</translation>
    </message>
</context>
<context>
    <name>RecordsSchema</name>
    <message>
        <source>unbekannte Version %1</source>
        <translation>versão desconhecida %1</translation>
    </message>
    <message>
        <source>Tabelle „%1“</source>
        <translation>tabela «%1»</translation>
    </message>
    <message>
        <source>Index „%1“</source>
        <translation>índice «%1»</translation>
    </message>
    <message>
        <source>Spalte „%1“</source>
        <translation>coluna «%1»</translation>
    </message>
    <message>
        <source>der Aufbau der Version %1 ließ sich nicht herstellen</source>
        <translation>não foi possível criar a estrutura da versão %1</translation>
    </message>
    <message>
        <source>%1 gehört nicht zu Version %2 der Zusatzdaten</source>
        <translation>%1 não pertence à versão %2 dos dados adicionais</translation>
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
        <translation>Pai</translation>
    </message>
    <message>
        <source>Mutter</source>
        <translation>Mãe</translation>
    </message>
    <message>
        <source>Sohn</source>
        <translation>Filho</translation>
    </message>
    <message>
        <source>Tochter</source>
        <translation>Filha</translation>
    </message>
    <message>
        <source>Vollgeschwister</source>
        <translation>Irmão inteiro</translation>
    </message>
    <message>
        <source>Halbgeschwister</source>
        <translation>Meio-irmão</translation>
    </message>
    <message>
        <source>Großelternteil</source>
        <translation>Avô/avó</translation>
    </message>
    <message>
        <source>Enkel</source>
        <translation>Neto/neta</translation>
    </message>
    <message>
        <source>Onkel/Tante</source>
        <translation>Tio/tia</translation>
    </message>
    <message>
        <source>Neffe/Nichte</source>
        <translation>Sobrinho/sobrinha</translation>
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
        <translation>A imprimir %1</translation>
    </message>
    <message>
        <source>Frage</source>
        <translation>Pergunta</translation>
    </message>
    <message>
        <source>Es ist kein Drucker eingerichtet. Möchten Sie %1 stattdessen als PDF-Datei speichern?</source>
        <extracomment>%1 names what is printed, in the accusative (e.g. &quot;den Abstammungsnachweis&quot;)</extracomment>
        <translation>Não está configurada nenhuma impressora. Pretende guardar %1 como ficheiro PDF?</translation>
    </message>
    <message>
        <source>Es wurde nichts gedruckt. %1</source>
        <translation>Não foi impresso nada. %1</translation>
    </message>
    <message>
        <source>Als PDF speichern</source>
        <translation>Guardar como PDF</translation>
    </message>
    <message>
        <source>PDF-Dateien (*.pdf)</source>
        <translation>Ficheiros PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Speichere die PDF-Datei</source>
        <translation>A guardar o ficheiro PDF</translation>
    </message>
    <message>
        <source>Die Datei „%1“ konnte nicht gespeichert werden: %2</source>
        <translation>Não foi possível guardar o ficheiro «%1»: %2</translation>
    </message>
</context>
<context>
    <name>ReportOutput</name>
    <message>
        <source>Es gibt keine Seite zum Speichern.</source>
        <translation>Não há nenhuma página para guardar.</translation>
    </message>
</context>
<context>
    <name>ReportPreview</name>
    <message>
        <source>Ganze Seite</source>
        <translation>Página inteira</translation>
    </message>
    <message>
        <source>Seitenbreite</source>
        <translation>Largura da página</translation>
    </message>
    <message>
        <source>Druckvorschau</source>
        <translation>Pré-visualização da impressão</translation>
    </message>
    <message>
        <source>Seite</source>
        <translation>Página</translation>
    </message>
    <message>
        <source>Vorschau</source>
        <translation>Pré-visualização</translation>
    </message>
    <message>
        <source>◀ Vorige Seite</source>
        <translation>◀ Página anterior</translation>
    </message>
    <message>
        <source>Nächste Seite ▶</source>
        <translation>Página seguinte ▶</translation>
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
        <translation>Fechar</translation>
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
        <translation>Inventário de anilhas</translation>
    </message>
    <message>
        <source>Die Lieferungen dieses Jahres, oder aller Jahre</source>
        <translation>As entregas deste ano, ou de todos os anos</translation>
    </message>
    <message>
        <source>alle Jahre</source>
        <translation>todos os anos</translation>
    </message>
    <message>
        <source>Jede Lieferung mit ihren verwendeten und freien Ringen</source>
        <translation>Cada entrega com as suas anilhas usadas e livres</translation>
    </message>
    <message>
        <source>Ringlieferungen</source>
        <translation>Entregas de anilhas</translation>
    </message>
    <message>
        <source>Jahr</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>Verein</source>
        <translation>Clube</translation>
    </message>
    <message>
        <source>Größe</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Farbe</source>
        <translation>Cor</translation>
    </message>
    <message>
        <source>Erster Ring</source>
        <translation>Primeira anilha</translation>
    </message>
    <message>
        <source>Letzter Ring</source>
        <translation>Última anilha</translation>
    </message>
    <message>
        <source>Ringe</source>
        <translation>Anilhas</translation>
    </message>
    <message>
        <source>Verwendet</source>
        <translation>Usadas</translation>
    </message>
    <message>
        <source>Frei</source>
        <translation>Livres</translation>
    </message>
    <message>
        <source>Lieferung &amp;löschen…</source>
        <translation>&amp;Eliminar entrega…</translation>
    </message>
    <message>
        <source>Löscht die in der Liste gewählte Lieferung</source>
        <translation>Elimina a entrega escolhida na lista</translation>
    </message>
    <message>
        <source>&amp;Jahr:</source>
        <translation>&amp;Ano:</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Neue Lieferung</source>
        <translation>Nova entrega</translation>
    </message>
    <message>
        <source>Das Jahr, für das die Ringe gelten</source>
        <translation>O ano para o qual as anilhas são válidas</translation>
    </message>
    <message>
        <source>Der Verband oder Verein, der die Ringe ausgibt</source>
        <translation>A federação ou o clube que emite as anilhas</translation>
    </message>
    <message>
        <source>Die Ringgröße, etwa 2,9 mm</source>
        <translation>O tamanho da anilha, por exemplo 2,9 mm</translation>
    </message>
    <message>
        <source>Die Ringfarbe des Jahres</source>
        <translation>A cor das anilhas do ano</translation>
    </message>
    <message>
        <source>Was vor der laufenden Nummer steht, etwa Verbandskürzel, Züchternummer und Jahr</source>
        <translation>O que vem antes do número sequencial, por exemplo a sigla da federação, o número de criador e o ano</translation>
    </message>
    <message>
        <source>Die laufende Nummer des ersten Rings</source>
        <translation>O número sequencial da primeira anilha</translation>
    </message>
    <message>
        <source>Die laufende Nummer des letzten Rings</source>
        <translation>O número sequencial da última anilha</translation>
    </message>
    <message>
        <source>Mit wie vielen Stellen die Nummer geschrieben wird, vorn mit Nullen aufgefüllt</source>
        <translation>Com quantos dígitos o número é escrito, completado com zeros à esquerda</translation>
    </message>
    <message>
        <source>Lieferung &amp;eintragen</source>
        <translation>&amp;Registar entrega</translation>
    </message>
    <message>
        <source>Trägt die Ringe als neue Lieferung ein</source>
        <translation>Regista as anilhas como uma nova entrega</translation>
    </message>
    <message>
        <source>J&amp;ahr der Ringe:</source>
        <translation>Ano das an&amp;ilhas:</translation>
    </message>
    <message>
        <source>&amp;Verein:</source>
        <translation>&amp;Clube:</translation>
    </message>
    <message>
        <source>&amp;Größe:</source>
        <translation>&amp;Tamanho:</translation>
    </message>
    <message>
        <source>&amp;Farbe:</source>
        <translation>C&amp;or:</translation>
    </message>
    <message>
        <source>V&amp;orsatz:</source>
        <translation>&amp;Prefixo:</translation>
    </message>
    <message>
        <source>Erste &amp;Nummer:</source>
        <translation>Primeiro &amp;número:</translation>
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
        <translation>Atribuídas mais de uma vez: %1</translation>
    </message>
    <message>
        <source>Für %1 zu bestellen: etwa %2 Ringe (die in der Saison %3 beringten Jungen und ein Zehntel mehr).</source>
        <extracomment>%1 the next year, %2 a number of rings, %3 the season they are reckoned from</extracomment>
        <translation>A encomendar para %1: cerca de %2 anilhas (as crias anilhadas na época %3 e mais um décimo).</translation>
    </message>
    <message>
        <source>%1 bis %2: %3 Ringe</source>
        <extracomment>%1 the first ring, %2 the last, %3 how many rings</extracomment>
        <translation>%1 a %2: %3 anilhas</translation>
    </message>
    <message>
        <source>Die Lieferung %1 bis %2 löschen? Die Vögel behalten ihre Ringe.</source>
        <extracomment>%1 and %2 the first and last ring of the delivery</extracomment>
        <translation>Eliminar a entrega %1 a %2? As aves mantêm as suas anilhas.</translation>
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
        <translation>Anilhagem das crias </translation>
    </message>
    <message>
        <source>Ei auswählen um die Beringung vorzunehmen</source>
        <translation>Escolha um ovo para anilhar a sua cria</translation>
    </message>
    <message>
        <source>Ei-Infos löschen</source>
        <translation>Apagar dados do ovo</translation>
    </message>
    <message>
        <source>Löscht die Beringungsinformationen zum ausgewählten Ei. 

Dadurch wird auch den Kanarienvogel mit dieser Ringnummer gelöscht,
samt seinen Elternbeziehungen. Danach kann zu diesem Ei
eine neue Ringnummer vergeben werden.</source>
        <translation>Apaga os dados de anilhagem do ovo selecionado. 

Com isso é também eliminado o canário com este número de anilha,
juntamente com as suas ligações aos pais. Depois pode ser atribuído
um novo número de anilha a este ovo.</translation>
    </message>
    <message>
        <source>Ei Nr:</source>
        <translation>N.º do ovo:</translation>
    </message>
    <message>
        <source>Ei Nr</source>
        <translation>N.º do ovo</translation>
    </message>
    <message>
        <source>Ringnummer des Kanarienvogels aus diesem Ei</source>
        <translation>Número da anilha do canário deste ovo</translation>
    </message>
    <message>
        <source>Geschlecht des Kanarienvogels aus diesem Ei</source>
        <translation>Sexo do canário deste ovo</translation>
    </message>
    <message>
        <source>Art/Rasse des Kanarienvogels aus diesem Ei</source>
        <translation>Espécie/raça do canário deste ovo</translation>
    </message>
    <message>
        <source>Schlupfdatum des Kanarienvogels aus diesem Ei</source>
        <translation>Data de eclosão do canário deste ovo</translation>
    </message>
    <message>
        <source>Absetzdatum des Kanarienvogels aus diesem Ei</source>
        <translation>Data de desmame do canário deste ovo</translation>
    </message>
    <message>
        <source>Bemerkungen über den Kanarienvogel aus diesem Ei</source>
        <translation>Observações sobre o canário deste ovo</translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Beendet die Eingabe zu Informationen zu diesem Ei und verwirft evtl. vorgenommene Änderungen.</source>
        <translation>Termina a introdução de dados deste ovo e rejeita as alterações feitas.</translation>
    </message>
    <message>
        <source>Kanarienvogel anlegen und gleich in den Elternbeziehungen eintragen</source>
        <translation>Registar o canário e ligá-lo logo aos seus pais</translation>
    </message>
    <message>
        <source>Legt den Kanarienvogel aus diesem Ei im Bestand an 
und trägt das Zuchtpaar automatisch bei den 
Elternbeziehungen ein.</source>
        <translation>Regista o canário deste ovo no plantel 
e atribui automaticamente o casal reprodutor 
como seus pais.</translation>
    </message>
    <message>
        <source>bekommt Ringnr:</source>
        <translation>recebe o n.º de anilha:</translation>
    </message>
    <message>
        <source>Geschlecht:</source>
        <translation>Sexo:</translation>
    </message>
    <message>
        <source>Art/Rasse:</source>
        <translation>Espécie/raça:</translation>
    </message>
    <message>
        <source>Schlupfdatum:</source>
        <translation>Data de eclosão:</translation>
    </message>
    <message>
        <source>abgesetzt:</source>
        <translation>desmamado:</translation>
    </message>
    <message>
        <source>Bemerkungen:</source>
        <translation>Observações:</translation>
    </message>
</context>
<context>
    <name>SafeWrite</name>
    <message>
        <source>Kein Speicherplatz mehr auf dem Gerät</source>
        <translation>Não há espaço livre no dispositivo</translation>
    </message>
    <message>
        <source>Speicherplatzkontingent überschritten</source>
        <translation>Quota de disco excedida</translation>
    </message>
    <message>
        <source>Datei zu groß</source>
        <translation>Ficheiro demasiado grande</translation>
    </message>
    <message>
        <source>Zugriff verweigert</source>
        <translation>Acesso negado</translation>
    </message>
    <message>
        <source>Dateisystem nur lesbar</source>
        <translation>Sistema de ficheiros só de leitura</translation>
    </message>
    <message>
        <source>Ein-/Ausgabefehler</source>
        <translation>Erro de entrada/saída</translation>
    </message>
    <message>
        <source>Datei oder Verzeichnis nicht gefunden</source>
        <translation>O ficheiro ou diretório não existe</translation>
    </message>
    <message>
        <source>Ist ein Verzeichnis</source>
        <translation>É um diretório</translation>
    </message>
    <message>
        <source>Zu viele offene Dateien</source>
        <translation>Demasiados ficheiros abertos</translation>
    </message>
    <message>
        <source>Vorgang nicht zulässig</source>
        <translation>Operação não permitida</translation>
    </message>
    <message>
        <source>Nicht genug Speicherplatz</source>
        <translation>Espaço insuficiente</translation>
    </message>
    <message>
        <source>Keine Berechtigung</source>
        <translation>Permissão negada</translation>
    </message>
    <message>
        <source>Die Datei konnte nicht geöffnet werden</source>
        <translation>Não foi possível abrir o ficheiro</translation>
    </message>
    <message>
        <source>Lesefehler</source>
        <translation>Erro de leitura</translation>
    </message>
    <message>
        <source>Die Datei konnte nicht ersetzt werden</source>
        <translation>Não foi possível substituir o ficheiro</translation>
    </message>
    <message>
        <source>Schreibfehler</source>
        <translation>Erro de escrita</translation>
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
        <translation>Não foi possível substituir o ficheiro %1: %2

Os ficheiros anteriores não foram alterados.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht ersetzt werden: %2

Die neuen Dateien sind vollständig gespeichert und werden beim nächsten Speichern oder Start an ihren Platz gebracht.</source>
        <translation>Não foi possível substituir o ficheiro %1: %2

Os ficheiros novos estão guardados por completo e serão colocados no seu lugar da próxima vez que guardar ou iniciar o programa.</translation>
    </message>
    <message>
        <source>Das letzte Speichern wurde unterbrochen und konnte nicht abgeschlossen werden: Die Datei %1 konnte nicht ersetzt werden: %2</source>
        <translation>A última gravação foi interrompida e não pôde ser concluída: não foi possível substituir o ficheiro %1: %2</translation>
    </message>
    <message>
        <source>Das letzte Speichern wurde unterbrochen, und die bisherige Datei %1 konnte nicht an ihren Platz zurückgebracht werden: %2</source>
        <translation>A última gravação foi interrompida e não foi possível repor no seu lugar o ficheiro anterior %1: %2</translation>
    </message>
    <message>
        <source>Die Datei %1 des letzten Speicherns kann nicht gelesen werden: %2</source>
        <translation>Não é possível ler o ficheiro %1 da última gravação: %2</translation>
    </message>
</context>
<context>
    <name>SearchDialog</name>
    <message>
        <source>Kanarienvögel suchen</source>
        <translation>Procurar canários</translation>
    </message>
    <message>
        <source>Sie wissen die Ringnummer des Kanarienvogels nicht, kennen aber den Züchter, die Endnummer oder das Geburtsjahr? Dann können Sie versuchen d. Kanarienvogel über die Ihnen bekannten Angaben zu finden. Geben Sie alle Informationen ein, die Ihnen bekannt sind.

Das Programm sucht dann in der Datenbank nach Kanarienvögel auf die alle Kriterien zutreffen und zeigt sie an.</source>
        <translation>Não sabe o número da anilha do canário, mas conhece o criador, os últimos algarismos ou o ano de nascimento? Então pode tentar encontrar o canário através dos dados que conhece. Introduza todas as informações que souber.

O programa procura então na base de dados os canários que cumprem todos os critérios e mostra-os.</translation>
    </message>
    <message>
        <source>Alle gefundene Kanarienvögel anzeigen</source>
        <translation>Mostrar todos os canários encontrados</translation>
    </message>
    <message>
        <source>Vorab-Ergebnis:</source>
        <translation>Resultado provisório:</translation>
    </message>
    <message>
        <source>Ein Doppelklick zeigt den Abstammungsnachweis an.</source>
        <translation>Um clique duplo mostra o certificado de genealogia.</translation>
    </message>
    <message>
        <source>Ring-Nr (auch Teile davon):</source>
        <translation>N.º de anilha (ou parte):</translation>
    </message>
    <message>
        <source>Ring-Nr lautet:</source>
        <translation>O n.º de anilha é:</translation>
    </message>
    <message>
        <source>Ring-Nr muß genau so sein.</source>
        <translation>O n.º de anilha tem de coincidir exatamente.</translation>
    </message>
    <message>
        <source>Züchter (auch Teile davon):</source>
        <translation>Criador (ou parte):</translation>
    </message>
    <message>
        <source>Züchter ist:</source>
        <translation>O criador é:</translation>
    </message>
    <message>
        <source>Züchter muß genau so sein.</source>
        <translation>O criador tem de coincidir exatamente.</translation>
    </message>
    <message>
        <source>Geburtsjahr (auch Teile davon):</source>
        <translation>Ano de nascimento (ou parte):</translation>
    </message>
    <message>
        <source>Geburtsjahr ist:</source>
        <translation>O ano de nascimento é:</translation>
    </message>
    <message>
        <source>Geburtsjahr muß genau so sein.</source>
        <translation>O ano de nascimento tem de coincidir exatamente.</translation>
    </message>
    <message>
        <source>Geschlecht:</source>
        <translation>Sexo:</translation>
    </message>
    <message>
        <source>&lt;= leeren</source>
        <translation>&lt;= limpar</translation>
    </message>
    <message>
        <source>Farbe (auch Teile davon):</source>
        <translation>Cor (ou parte):</translation>
    </message>
    <message>
        <source>Farbe ist:</source>
        <translation>A cor é:</translation>
    </message>
    <message>
        <source>Farbe muß genau so sein.</source>
        <translation>A cor tem de coincidir exatamente.</translation>
    </message>
    <message>
        <source>Zeichnung (auch Teile davon):</source>
        <translation>Desenho (ou parte):</translation>
    </message>
    <message>
        <source>Zeichnung ist:</source>
        <translation>O desenho é:</translation>
    </message>
    <message>
        <source>Zeichnung muß genau so sein.</source>
        <translation>O desenho tem de coincidir exatamente.</translation>
    </message>
    <message>
        <source>Rasse (auch Teile davon):</source>
        <translation>Raça (ou parte):</translation>
    </message>
    <message>
        <source>Rasse ist:</source>
        <translation>A raça é:</translation>
    </message>
    <message>
        <source>Rasse muß genau so sein.</source>
        <translation>A raça tem de coincidir exatamente.</translation>
    </message>
    <message>
        <source>%1 Kanarienvögel gefunden...</source>
        <translation>%1 canários encontrados...</translation>
    </message>
</context>
<context>
    <name>SeasonStatisticsWindow</name>
    <message>
        <source>Zuchtstatistik</source>
        <translation>Estatística de criação</translation>
    </message>
    <message>
        <source>Die Saison: das Jahr des Zuchtbeginns</source>
        <translation>A época: o ano de início da criação</translation>
    </message>
    <message>
        <source>Zahlen je Zuchtpaar</source>
        <translation>Números por casal reprodutor</translation>
    </message>
    <message>
        <source>Zahlen je Hahn</source>
        <translation>Números por macho</translation>
    </message>
    <message>
        <source>Zahlen je Henne</source>
        <translation>Números por fêmea</translation>
    </message>
    <message>
        <source>&amp;Paare der Saison</source>
        <translation>&amp;Casais da época</translation>
    </message>
    <message>
        <source>&amp;Hähne, alle Jahre</source>
        <translation>&amp;Machos, todos os anos</translation>
    </message>
    <message>
        <source>H&amp;ennen, alle Jahre</source>
        <translation>&amp;Fêmeas, todos os anos</translation>
    </message>
    <message>
        <source>&amp;Drucken…</source>
        <translation>&amp;Imprimir…</translation>
    </message>
    <message>
        <source>Als &amp;CSV-Datei speichern…</source>
        <translation>Guardar como ficheiro CS&amp;V…</translation>
    </message>
    <message>
        <source>&amp;Saison:</source>
        <translation>É&amp;poca:</translation>
    </message>
    <message>
        <source>alle Jahre</source>
        <translation>todos os anos</translation>
    </message>
    <message>
        <source>Saison %1</source>
        <translation>Época %1</translation>
    </message>
    <message>
        <source>Je Hahn über alle Zuchtpaare und Jahre</source>
        <translation>Por macho, em todos os casais reprodutores e anos</translation>
    </message>
    <message>
        <source>Je Henne über alle Zuchtpaare und Jahre</source>
        <translation>Por fêmea, em todos os casais reprodutores e anos</translation>
    </message>
    <message>
        <source>die Zuchtstatistik</source>
        <translation>a estatística de criação</translation>
    </message>
    <message>
        <source>Zuchtstatistik speichern</source>
        <translation>Guardar estatística de criação</translation>
    </message>
    <message>
        <source>Zuchtstatistik.csv</source>
        <translation>Estatística de criação.csv</translation>
    </message>
</context>
<context>
    <name>SeasonTables</name>
    <message>
        <source>Gelege</source>
        <translation>Posturas</translation>
    </message>
    <message>
        <source>Gelege mit mindestens einem Ei</source>
        <translation>Posturas com pelo menos um ovo</translation>
    </message>
    <message>
        <source>Eier</source>
        <translation>Ovos</translation>
    </message>
    <message>
        <source>Eier, die in den Gelegen eingetragen sind</source>
        <translation>Ovos registados nas posturas</translation>
    </message>
    <message>
        <source>Geschlüpft</source>
        <translation>Eclodidos</translation>
    </message>
    <message>
        <source>Eier mit Schlupfdatum oder Ring</source>
        <translation>Ovos com data de eclosão ou anilha</translation>
    </message>
    <message>
        <source>Beringt</source>
        <translation>Anilhados</translation>
    </message>
    <message>
        <source>Jungvögel mit Ring</source>
        <translation>Crias com anilha</translation>
    </message>
    <message>
        <source>Abgesetzt</source>
        <translation>Desmamados</translation>
    </message>
    <message>
        <source>Jungvögel mit Absetzdatum</source>
        <translation>Crias com data de desmame</translation>
    </message>
    <message>
        <source>Schlupfrate</source>
        <translation>Taxa de eclosão</translation>
    </message>
    <message>
        <source>Geschlüpft geteilt durch Eier</source>
        <translation>Eclodidos divididos por ovos</translation>
    </message>
    <message>
        <source>Aufzuchtrate</source>
        <translation>Taxa de criação</translation>
    </message>
    <message>
        <source>Abgesetzt geteilt durch Geschlüpft</source>
        <translation>Desmamados divididos por eclodidos</translation>
    </message>
    <message>
        <source>überfällig</source>
        <translation>em atraso</translation>
    </message>
    <message>
        <source>heute</source>
        <translation>hoje</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Aufgabe</source>
        <translation>Tarefa</translation>
    </message>
    <message>
        <source>Hecke</source>
        <translation>Gaiola de criação</translation>
    </message>
    <message>
        <source>Hahn</source>
        <translation>Macho</translation>
    </message>
    <message>
        <source>Henne</source>
        <translation>Fêmea</translation>
    </message>
    <message>
        <source>Ei</source>
        <translation>Ovo</translation>
    </message>
    <message>
        <source>Stand</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Jahr</source>
        <translation>Ano</translation>
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
        <translation>%1 - %2 de %3</translation>
    </message>
</context>
<context>
    <name>ShowEntries</name>
    <message>
        <source>Der Vogel %1 ist %2-mal gemeldet.</source>
        <extracomment>%1 a ring number, %2 how often it is entered</extracomment>
        <translation>O exemplar %1 está inscrito %2 vezes.</translation>
    </message>
    <message>
        <source>Die Kollektion %1 hat %2 statt 4 Vögel.</source>
        <extracomment>%1 the number of the collection, %2 how many birds it has</extracomment>
        <translation>A equipa %1 tem %2 exemplares em vez de 4.</translation>
    </message>
    <message>
        <source>Die Kollektion %1 mischt Hähne und Hennen.</source>
        <translation>A equipa %1 mistura machos e fêmeas.</translation>
    </message>
    <message>
        <source>In der Kollektion %1 sind nicht nur Hähne.</source>
        <translation>A equipa %1 não é formada só por machos.</translation>
    </message>
    <message>
        <source>In der Kollektion %1 sind nicht nur Hennen.</source>
        <translation>A equipa %1 não é formada só por fêmeas.</translation>
    </message>
    <message>
        <source>Nr.</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Klasse</source>
        <translation>Classe</translation>
    </message>
    <message>
        <source>Ringnummer</source>
        <translation>Número da anilha</translation>
    </message>
    <message>
        <source>Geschlecht</source>
        <translation>Sexo</translation>
    </message>
    <message>
        <source>Farbe</source>
        <translation>Cor</translation>
    </message>
    <message>
        <source>Rasse</source>
        <translation>Raça</translation>
    </message>
    <message>
        <source>Kollektion</source>
        <translation>Equipa</translation>
    </message>
    <message>
        <source>Käfig-Nr.</source>
        <translation>N.º da gaiola</translation>
    </message>
    <message>
        <source>Punkte</source>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>Preis</source>
        <translation>Prémio</translation>
    </message>
</context>
<context>
    <name>ShowEntriesWindow</name>
    <message>
        <source>Ausstellungsmeldung</source>
        <translation>Inscrição em exposições</translation>
    </message>
    <message>
        <source>Die Ausstellung, deren Meldungen die Liste zeigt</source>
        <translation>A exposição cujas inscrições a lista mostra</translation>
    </message>
    <message>
        <source>&amp;Neue Ausstellung…</source>
        <translation>&amp;Nova exposição…</translation>
    </message>
    <message>
        <source>Name, Ort, Datum, Meldeschluss und Veranstalter der gewählten Ausstellung</source>
        <translation>Nome, local, data, prazo de inscrição e organizador da exposição escolhida</translation>
    </message>
    <message>
        <source>Lö&amp;schen…</source>
        <translation>&amp;Eliminar…</translation>
    </message>
    <message>
        <source>Löscht die gewählte Ausstellung mit allen ihren Meldungen</source>
        <translation>Elimina a exposição escolhida com todas as suas inscrições</translation>
    </message>
    <message>
        <source>Die Meldungen; Klasse, Käfig-Nr., Punkte und Preis lassen sich hier eintragen</source>
        <translation>As inscrições; aqui pode registar a classe, o n.º da gaiola, os pontos e o prémio</translation>
    </message>
    <message>
        <source>Meldungen der Ausstellung</source>
        <translation>Inscrições da exposição</translation>
    </message>
    <message>
        <source>Übernommen</source>
        <translation>Incorporado</translation>
    </message>
    <message>
        <source>&amp;Ausstellung:</source>
        <translation>E&amp;xposição:</translation>
    </message>
    <message>
        <source>Meldung &amp;entfernen</source>
        <translation>Re&amp;tirar inscrição</translation>
    </message>
    <message>
        <source>Nimmt die in der Liste gewählte Meldung zurück</source>
        <translation>Retira a inscrição escolhida na lista</translation>
    </message>
    <message>
        <source>Meldebogen &amp;drucken…</source>
        <translation>Imprimir &amp;boletim de inscrição…</translation>
    </message>
    <message>
        <source>Der Meldebogen mit Ihren Züchterdaten als Aussteller</source>
        <translation>O boletim de inscrição com os seus dados de criador como expositor</translation>
    </message>
    <message>
        <source>Als &amp;CSV-Datei speichern…</source>
        <translation>Guardar como ficheiro &amp;CSV…</translation>
    </message>
    <message>
        <source>Die Meldungen für eine Tabellenkalkulation</source>
        <translation>As inscrições, para uma folha de cálculo</translation>
    </message>
    <message>
        <source>Ergebnisse &amp;übernehmen</source>
        <translation>Incorporar &amp;resultados</translation>
    </message>
    <message>
        <source>Jede Meldung mit Punkten wird ein Ausstellungsergebnis ihres Vogels</source>
        <translation>Cada inscrição com pontos passa a ser um resultado de exposição do seu exemplar</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Melden</source>
        <translation>Inscrever</translation>
    </message>
    <message>
        <source>Die Ringnummer eines Vogels aus dem Bestand</source>
        <translation>O número da anilha de um exemplar do plantel</translation>
    </message>
    <message>
        <source>Ring %1</source>
        <translation>Anilha %1</translation>
    </message>
    <message>
        <source>&amp;Ring:</source>
        <translation>Ani&amp;lha:</translation>
    </message>
    <message>
        <source>&amp;Kollektion aus vier Vögeln</source>
        <translation>E&amp;quipa de quatro exemplares</translation>
    </message>
    <message>
        <source>Die vier Vögel werden als eine Kollektion gemeldet</source>
        <translation>Os quatro exemplares são inscritos como uma equipa</translation>
    </message>
    <message>
        <source>Die Klasse laut Ausschreibung; angeboten werden die Klassen, die Vögel dieser Rasse und Farbe schon hatten</source>
        <translation>A classe segundo o regulamento da exposição; são propostas as classes que exemplares desta raça e cor já tiveram</translation>
    </message>
    <message>
        <source>K&amp;lasse:</source>
        <translation>Cla&amp;sse:</translation>
    </message>
    <message>
        <source>&amp;Melden</source>
        <translation>&amp;Inscrever</translation>
    </message>
    <message>
        <source>Meldet den Vogel oder die Kollektion für die gewählte Ausstellung</source>
        <translation>Inscreve o exemplar ou a equipa na exposição escolhida</translation>
    </message>
    <message>
        <source>%1 am %2</source>
        <translation>%1 em %2</translation>
    </message>
    <message>
        <source>Ort: %1 · Datum: %2 · Meldeschluss: %3 · Veranstalter: %4</source>
        <extracomment>%1 place, %2 date, %3 closing date, %4 organiser of a show</extracomment>
        <translation>Local: %1 · Data: %2 · Prazo de inscrição: %3 · Organizador: %4</translation>
    </message>
    <message>
        <source>Noch keine Ausstellung angelegt.</source>
        <translation>Ainda não há nenhuma exposição registada.</translation>
    </message>
    <message>
        <source>ja</source>
        <translation>sim</translation>
    </message>
    <message>
        <source>Bitte zuerst eine Ausstellung anlegen.</source>
        <translation>Registe primeiro uma exposição.</translation>
    </message>
    <message>
        <source>Die Ausstellung %1 mit ihren %2 Meldungen löschen? Übernommene Ergebnisse bleiben.</source>
        <extracomment>%1 the name of a show, %2 how many entries it has</extracomment>
        <translation>Eliminar a exposição %1 com as suas %2 inscrições? Os resultados já incorporados mantêm-se.</translation>
    </message>
    <message>
        <source>Ausstellung löschen</source>
        <translation>Eliminar exposição</translation>
    </message>
    <message>
        <source>Eine Kollektion besteht aus vier Vögeln: bitte alle vier Ringe eingeben.</source>
        <translation>Uma equipa é formada por quatro exemplares: introduza as quatro anilhas.</translation>
    </message>
    <message>
        <source>Bitte zuerst eine Meldung in der Liste auswählen.</source>
        <translation>Escolha primeiro uma inscrição na lista.</translation>
    </message>
    <message>
        <source>Die Käfig-Nr. muss eine Zahl größer als 0 sein.</source>
        <translation>O n.º da gaiola tem de ser um número maior que 0.</translation>
    </message>
    <message>
        <source>Punkte bitte als Zahl bis 100 eingeben, halbe Punkte mit Komma: 92,5.</source>
        <translation>Introduza os pontos como número até 100, os meios pontos com vírgula: 92,5.</translation>
    </message>
    <message>
        <source>Für diese Ausstellung ist noch nichts gemeldet.</source>
        <translation>Ainda não há nada inscrito nesta exposição.</translation>
    </message>
    <message>
        <source>Meldebogen drucken</source>
        <translation>Imprimir boletim de inscrição</translation>
    </message>
    <message>
        <source>%1

Den Meldebogen trotzdem drucken?</source>
        <translation>%1

Imprimir o boletim de inscrição mesmo assim?</translation>
    </message>
    <message>
        <source>den Meldebogen</source>
        <translation>o boletim de inscrição</translation>
    </message>
    <message>
        <source>Meldebogen %1</source>
        <translation>Boletim de inscrição %1</translation>
    </message>
    <message>
        <source>Meldungen speichern</source>
        <translation>Guardar inscrições</translation>
    </message>
    <message>
        <source>Meldungen %1.csv</source>
        <translation>Inscrições %1.csv</translation>
    </message>
    <message>
        <source>Keine neuen Punkte zum Übernehmen: Punkte bitte zuerst in die Liste eintragen.</source>
        <translation>Não há pontos novos para incorporar: registe primeiro os pontos na lista.</translation>
    </message>
    <message>
        <source>%1 Ergebnisse wurden zu den Vögeln übernommen.</source>
        <translation>Foram incorporados %1 resultados nos exemplares.</translation>
    </message>
    <message>
        <source>&amp;Ändern…</source>
        <translation>&amp;Alterar…</translation>
    </message>
    <message>
        <source>Käfi&amp;getiketten drucken</source>
        <translation>Imprimir etiquetas de &amp;gaiola</translation>
    </message>
    <message>
        <source>Ein Etikett je Meldung, ohne Ringnummer; zuerst das Etikettenblatt wählen</source>
        <translation>Uma etiqueta por inscrição, sem número de anilha; escolha primeiro a folha de etiquetas</translation>
    </message>
    <message>
        <source>die Käfigetiketten</source>
        <translation>as etiquetas de gaiola</translation>
    </message>
    <message>
        <source>Käfigetiketten %1</source>
        <translation>Etiquetas de gaiola %1</translation>
    </message>
</context>
<context>
    <name>ShowEventDialog</name>
    <message>
        <source>Wie die Ausstellung heißt</source>
        <translation>O nome da exposição</translation>
    </message>
    <message>
        <source>Wo die Ausstellung stattfindet</source>
        <translation>Onde se realiza a exposição</translation>
    </message>
    <message>
        <source>Der Tag des Richtens, im Format TT.MM.JJJJ</source>
        <translation>O dia do julgamento, no formato DD.MM.AAAA</translation>
    </message>
    <message>
        <source>Bis zu diesem Tag muss die Meldung vorliegen, im Format TT.MM.JJJJ</source>
        <translation>A inscrição tem de ser entregue até este dia, no formato DD.MM.AAAA</translation>
    </message>
    <message>
        <source>TT.MM.JJJJ</source>
        <translation>DD.MM.AAAA</translation>
    </message>
    <message>
        <source>Der Verein oder Verband, der die Ausstellung ausrichtet</source>
        <translation>O clube ou a federação que organiza a exposição</translation>
    </message>
    <message>
        <source>Welche Vögel eine Kollektion bilden dürfen</source>
        <translation>Que exemplares podem formar uma equipa</translation>
    </message>
    <message>
        <source>Hähne und Hennen gemischt</source>
        <translation>machos e fêmeas misturados</translation>
    </message>
    <message>
        <source>nur Vögel eines Geschlechts</source>
        <translation>só exemplares do mesmo sexo</translation>
    </message>
    <message>
        <source>nur Hähne</source>
        <translation>só machos</translation>
    </message>
    <message>
        <source>nur Hennen</source>
        <translation>só fêmeas</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nome:</translation>
    </message>
    <message>
        <source>&amp;Ort:</source>
        <translation>&amp;Local:</translation>
    </message>
    <message>
        <source>&amp;Datum:</source>
        <translation>&amp;Data:</translation>
    </message>
    <message>
        <source>&amp;Meldeschluss:</source>
        <translation>&amp;Prazo de inscrição:</translation>
    </message>
    <message>
        <source>&amp;Veranstalter:</source>
        <translation>&amp;Organizador:</translation>
    </message>
    <message>
        <source>&amp;Kollektionen:</source>
        <translation>&amp;Equipas:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Ausstellung ändern</source>
        <translation>Alterar exposição</translation>
    </message>
    <message>
        <source>Neue Ausstellung</source>
        <translation>Nova exposição</translation>
    </message>
    <message>
        <source>Bitte den Namen der Ausstellung eingeben.</source>
        <translation>Introduza o nome da exposição.</translation>
    </message>
    <message>
        <source>Ungültiges Datum der Ausstellung!</source>
        <translation>Data da exposição inválida!</translation>
    </message>
    <message>
        <source>Ungültiges Datum beim Meldeschluss!</source>
        <translation>Prazo de inscrição inválido!</translation>
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
        <translation>Equipa %1</translation>
    </message>
    <message>
        <source>Käfig-Nr.</source>
        <translation>N.º da gaiola</translation>
    </message>
    <message>
        <source>3 × 8 Etiketten je Blatt (70 × 37 mm)</source>
        <translation>3 × 8 etiquetas por folha (70 × 37 mm)</translation>
    </message>
    <message>
        <source>3 × 7 Etiketten je Blatt (70 × 42,3 mm)</source>
        <translation>3 × 7 etiquetas por folha (70 × 42,3 mm)</translation>
    </message>
</context>
<context>
    <name>ShowResultDialog</name>
    <message>
        <source>Ausstellungsergebnis</source>
        <translation>Resultado de exposição</translation>
    </message>
    <message>
        <source>Der Tag der Schau, im Format TT.MM.JJJJ</source>
        <translation>O dia da exposição, no formato DD.MM.AAAA</translation>
    </message>
    <message>
        <source>TT.MM.JJJJ</source>
        <translation>DD.MM.AAAA</translation>
    </message>
    <message>
        <source>Der Name der Schau</source>
        <translation>O nome da exposição</translation>
    </message>
    <message>
        <source>Die Klasse, in der der Vogel stand</source>
        <translation>A classe em que o exemplar participou</translation>
    </message>
    <message>
        <source>Die Punkte der Bewertungskarte, höchstens 100, in halben Punkten</source>
        <translation>Os pontos da ficha de julgamento, no máximo 100, em meios pontos</translation>
    </message>
    <message>
        <source>Auszeichnung oder Platz, wie auf der Karte</source>
        <translation>Prémio ou lugar, como na ficha</translation>
    </message>
    <message>
        <source>Die Vögel mit derselben Nummer bilden auf dieser Schau eine Kollektion</source>
        <translation>Os exemplares com o mesmo número formam uma equipa nesta exposição</translation>
    </message>
    <message>
        <source>keine</source>
        <translation>nenhuma</translation>
    </message>
    <message>
        <source>&amp;Datum:</source>
        <translation>&amp;Data:</translation>
    </message>
    <message>
        <source>&amp;Schau:</source>
        <translation>E&amp;xposição:</translation>
    </message>
    <message>
        <source>&amp;Klasse:</source>
        <translation>&amp;Classe:</translation>
    </message>
    <message>
        <source>&amp;Punkte:</source>
        <translation>&amp;Pontos:</translation>
    </message>
    <message>
        <source>&amp;Auszeichnung/Platz:</source>
        <translation>P&amp;rémio/lugar:</translation>
    </message>
    <message>
        <source>K&amp;ollektion Nr.:</source>
        <translation>&amp;Equipa n.º:</translation>
    </message>
    <message>
        <source>Bitte den Namen der Schau angeben.</source>
        <translation>Indique o nome da exposição.</translation>
    </message>
    <message>
        <source>Bitte das Datum der Schau richtig angeben (TT.MM.JJJJ).</source>
        <translation>Indique uma data de exposição válida (DD.MM.AAAA).</translation>
    </message>
</context>
<context>
    <name>ShowResultsPanel</name>
    <message>
        <source>Ausstellungsergebnisse</source>
        <translation>Resultados de exposições</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Schau</source>
        <translation>Exposição</translation>
    </message>
    <message>
        <source>Klasse</source>
        <translation>Classe</translation>
    </message>
    <message>
        <source>Punkte</source>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>Auszeichnung/Platz</source>
        <translation>Prémio/lugar</translation>
    </message>
    <message>
        <source>Kollektion</source>
        <translation>Equipa</translation>
    </message>
    <message>
        <source>&amp;Neues Ergebnis…</source>
        <translation>&amp;Novo resultado…</translation>
    </message>
    <message>
        <source>Ä&amp;ndern…</source>
        <translation>&amp;Alterar…</translation>
    </message>
    <message>
        <source>&amp;Löschen</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Nr. %1: %2 Punkte aus %3</source>
        <translation>N.º %1: %2 pontos com %3 exemplares</translation>
    </message>
    <message>
        <source>Bestes Ergebnis: %1 Punkte, %2 am %3</source>
        <translation>Melhor resultado: %1 pontos, %2 em %3</translation>
    </message>
    <message>
        <source>Bitte zuerst ein Ergebnis in der Liste anklicken.</source>
        <translation>Clique primeiro num resultado na lista.</translation>
    </message>
</context>
<context>
    <name>ShowsWindow</name>
    <message>
        <source>Ausstellungsergebnisse</source>
        <translation>Resultados de exposições</translation>
    </message>
    <message>
        <source>Die Schau, deren Ergebnisse gezeigt werden</source>
        <translation>A exposição cujos resultados são mostrados</translation>
    </message>
    <message>
        <source>Ein Doppelklick zeigt den Abstammungsnachweis des Vogels</source>
        <translation>Um clique duplo mostra o certificado de genealogia do exemplar</translation>
    </message>
    <message>
        <source>Ergebnisse der Schau</source>
        <translation>Resultados da exposição</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Ringnummer</source>
        <translation>Número da anilha</translation>
    </message>
    <message>
        <source>Klasse</source>
        <translation>Classe</translation>
    </message>
    <message>
        <source>Punkte</source>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>Auszeichnung/Platz</source>
        <translation>Prémio/lugar</translation>
    </message>
    <message>
        <source>Kollektion</source>
        <translation>Equipa</translation>
    </message>
    <message>
        <source>&amp;Schau:</source>
        <translation>E&amp;xposição:</translation>
    </message>
    <message>
        <source>Alle Ergebnisse als &amp;CSV-Datei speichern…</source>
        <translation>Guardar todos os resultados como ficheiro &amp;CSV…</translation>
    </message>
    <message>
        <source>Für eine Tabellenkalkulation, jede Schau mit jedem Vogel</source>
        <translation>Para uma folha de cálculo, cada exposição com cada exemplar</translation>
    </message>
    <message>
        <source>Ausstellungsergebnisse speichern</source>
        <translation>Guardar resultados de exposições</translation>
    </message>
    <message>
        <source>Ausstellungsergebnisse.csv</source>
        <translation>Resultados de exposições.csv</translation>
    </message>
    <message>
        <source>Kollektion %1 (%2): %3 Kanarienvögel, zusammen %4 Punkte</source>
        <extracomment>%1 collection number, %2 date, %3 number of birds, %4 points</extracomment>
        <translation>Equipa %1 (%2): %3 canários, %4 pontos no total</translation>
    </message>
    <message>
        <source>Keine Kollektion auf dieser Schau.</source>
        <translation>Nenhuma equipa nesta exposição.</translation>
    </message>
</context>
<context>
    <name>SpeciesWords</name>
    <message>
        <source>Kanarienvogel</source>
        <translation>Canário</translation>
    </message>
    <message>
        <source>Kanarienvögel</source>
        <translation>Canários</translation>
    </message>
    <message>
        <source>Kanarienvögelbestandsliste</source>
        <translation>Lista do plantel de canários</translation>
    </message>
    <message>
        <source>Avelor Abstammungsnachweis für Kanarienvögel</source>
        <translation>Avelor Certificado de genealogia para canários</translation>
    </message>
    <message>
        <source>Vogel (m) 1.0</source>
        <translation>Exemplar (m) 1.0</translation>
    </message>
    <message>
        <source>Vogel (w) 0.1</source>
        <translation>Exemplar (f) 0.1</translation>
    </message>
    <message>
        <source>Hecke</source>
        <translation>Gaiola de criação</translation>
    </message>
    <message>
        <source>Hahn (m)</source>
        <translation>Macho (m)</translation>
    </message>
    <message>
        <source>Henne (w)</source>
        <translation>Fêmea (f)</translation>
    </message>
</context>
<context>
    <name>SplashWindow</name>
    <message>
        <source>für Kanarienvögel</source>
        <translation>para canários</translation>
    </message>
</context>
<context>
    <name>SqlStatement</name>
    <message>
        <source>die Datei wird gerade von einem anderen Programm benutzt</source>
        <translation>o ficheiro está a ser utilizado por outro programa neste momento</translation>
    </message>
    <message>
        <source>eine unterbrochene Änderung wartet darauf, zurückgenommen zu werden</source>
        <translation>uma alteração interrompida aguarda ser desfeita</translation>
    </message>
    <message>
        <source>die Datei darf nicht geändert werden</source>
        <translation>o ficheiro não pode ser alterado</translation>
    </message>
    <message>
        <source>keine Berechtigung</source>
        <translation>permissão negada</translation>
    </message>
    <message>
        <source>die Datei kann nicht geöffnet werden</source>
        <translation>não é possível abrir o ficheiro</translation>
    </message>
    <message>
        <source>Lese- oder Schreibfehler des Datenträgers</source>
        <translation>erro de leitura ou escrita da unidade</translation>
    </message>
    <message>
        <source>der Datenträger ist voll</source>
        <translation>a unidade está cheia</translation>
    </message>
    <message>
        <source>die Datei ist beschädigt</source>
        <translation>o ficheiro está danificado</translation>
    </message>
    <message>
        <source>die Datei ist keine Datenbank</source>
        <translation>o ficheiro não é uma base de dados</translation>
    </message>
    <message>
        <source>nicht genug Arbeitsspeicher</source>
        <translation>memória insuficiente</translation>
    </message>
    <message>
        <source>ein Wert verletzt eine Regel der Datenbank</source>
        <translation>um valor viola uma regra da base de dados</translation>
    </message>
    <message>
        <source>die Datenbank hat einen Fehler gemeldet</source>
        <translation>a base de dados comunicou um erro</translation>
    </message>
    <message>
        <source>Fehler der Datenbank</source>
        <translation>erro da base de dados</translation>
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

As alterações ficam guardadas no programa; o Avelor tenta de novo em breve e guarda em qualquer caso ao fechar.</translation>
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
        <translation>Fêmea: %1</translation>
    </message>
    <message>
        <source>Den Ring „%1“ gibt es nicht im Bestand.</source>
        <translation>A anilha «%1» não está no plantel.</translation>
    </message>
</context>
<context>
    <name>StockDocument</name>
    <message>
        <source>„%1“ konnte nicht rückgängig gemacht werden: %2</source>
        <translation>Não foi possível anular «%1»: %2</translation>
    </message>
    <message>
        <source>„%1“ konnte nicht wiederholt werden: %2</source>
        <translation>Não foi possível refazer «%1»: %2</translation>
    </message>
    <message>
        <source>Kanarienvogel %1 angelegt</source>
        <translation>Canário %1 registado</translation>
    </message>
    <message>
        <source>%1 Kanarienvögel angelegt, %2 bis %3</source>
        <translation>%1 canários registados, de %2 a %3</translation>
    </message>
    <message>
        <source>Kanarienvogel %1 geändert</source>
        <translation>Canário %1 alterado</translation>
    </message>
    <message>
        <source>Kanarienvogel %1 gelöscht</source>
        <translation>Canário %1 eliminado</translation>
    </message>
    <message>
        <source>Ausstellungsergebnis von %1 eingetragen</source>
        <translation>Resultado de exposição de %1 registado</translation>
    </message>
    <message>
        <source>Ausstellungsergebnis von %1 geändert</source>
        <translation>Resultado de exposição de %1 alterado</translation>
    </message>
    <message>
        <source>Ausstellungsergebnis von %1 gelöscht</source>
        <translation>Resultado de exposição de %1 eliminado</translation>
    </message>
    <message>
        <source>Eltern von %1 gespeichert</source>
        <translation>Pais de %1 guardados</translation>
    </message>
    <message>
        <source>Bestand sortiert</source>
        <translation>Plantel ordenado</translation>
    </message>
    <message>
        <source>Züchterdaten geändert</source>
        <translation>Dados do criador alterados</translation>
    </message>
    <message>
        <source>Druckeinstellungen geändert</source>
        <translation>Definições de impressão alteradas</translation>
    </message>
    <message>
        <source>Bild von %1 gespeichert</source>
        <translation>Imagem de %1 guardada</translation>
    </message>
    <message>
        <source>Bild von %1 entfernt</source>
        <translation>Imagem de %1 removida</translation>
    </message>
    <message>
        <source>Dieses Zuchtpaar gibt es nicht mehr.</source>
        <translation>Este casal reprodutor já não existe.</translation>
    </message>
    <message>
        <source>Dieses Gelege gibt es nicht mehr.</source>
        <translation>Esta postura já não existe.</translation>
    </message>
    <message>
        <source>Zuchtpaar %1 × %2 angelegt</source>
        <translation>Casal reprodutor %1 × %2 registado</translation>
    </message>
    <message>
        <source>Zuchtpaar %1 × %2 geändert</source>
        <translation>Casal reprodutor %1 × %2 alterado</translation>
    </message>
    <message>
        <source>Zuchtpaar %1 × %2 gelöscht</source>
        <translation>Casal reprodutor %1 × %2 eliminado</translation>
    </message>
    <message>
        <source>Gelege angelegt</source>
        <translation>Postura registada</translation>
    </message>
    <message>
        <source>Gelege geändert</source>
        <translation>Postura alterada</translation>
    </message>
    <message>
        <source>Gelege gelöscht</source>
        <translation>Postura eliminada</translation>
    </message>
    <message>
        <source>Dieses Ei gibt es nicht mehr.</source>
        <translation>Este ovo já não existe.</translation>
    </message>
    <message>
        <source>Jungvogel %1 beringt</source>
        <translation>Cria %1 anilhada</translation>
    </message>
    <message>
        <source>Angaben zum Ei gelöscht</source>
        <translation>Dados do ovo apagados</translation>
    </message>
    <message>
        <source>Jungvogel %1 entfernt</source>
        <translation>Cria %1 removida</translation>
    </message>
    <message>
        <source>Kanarienvogel %1 aus seinem Standort genommen</source>
        <translation>Canário %1 retirado da sua localização</translation>
    </message>
    <message>
        <source>Kanarienvogel %1 nach %2 umgesetzt</source>
        <translation>Canário %1 mudado para %2</translation>
    </message>
    <message>
        <source>%1 Kanarienvögel aus ihrem Standort genommen</source>
        <translation>%1 canários retirados da sua localização</translation>
    </message>
    <message>
        <source>%1 Kanarienvögel nach %2 umgesetzt</source>
        <translation>%1 canários mudados para %2</translation>
    </message>
    <message>
        <source>Ringe %1 bis %2 eingetragen</source>
        <translation>Anilhas %1 a %2 registadas</translation>
    </message>
    <message>
        <source>Ringlieferung gelöscht</source>
        <translation>Entrega de anilhas eliminada</translation>
    </message>
    <message>
        <source>Bitte den Namen der Ausstellung eingeben.</source>
        <translation>Introduza o nome da exposição.</translation>
    </message>
    <message>
        <source>Ausstellung %1 angelegt</source>
        <translation>Exposição %1 registada</translation>
    </message>
    <message>
        <source>Ausstellung %1 geändert</source>
        <translation>Exposição %1 alterada</translation>
    </message>
    <message>
        <source>Ausstellung %1 gelöscht</source>
        <translation>Exposição %1 eliminada</translation>
    </message>
    <message>
        <source>Diese Ausstellung gibt es nicht mehr.</source>
        <translation>Esta exposição já não existe.</translation>
    </message>
    <message>
        <source>Den Kanarienvogel %1 gibt es nicht im Bestand.</source>
        <translation>O canário %1 não está no plantel.</translation>
    </message>
    <message>
        <source>Bitte zuerst die Vögel auswählen.</source>
        <translation>Escolha primeiro os exemplares.</translation>
    </message>
    <message>
        <source>Kanarienvogel %1 für %2 gemeldet</source>
        <translation>Canário %1 inscrito em %2</translation>
    </message>
    <message>
        <source>Kollektion von %1 Kanarienvögeln für %2 gemeldet</source>
        <translation>Equipa de %1 canários inscrita em %2</translation>
    </message>
    <message>
        <source>%1 Kanarienvögel für %2 gemeldet</source>
        <translation>%1 canários inscritos em %2</translation>
    </message>
    <message>
        <source>Die Punkte müssen zwischen 0 und 100 liegen.</source>
        <translation>Os pontos devem estar entre 0 e 100.</translation>
    </message>
    <message>
        <source>Meldung von %1 geändert</source>
        <translation>Inscrição de %1 alterada</translation>
    </message>
    <message>
        <source>Meldung von %1 gelöscht</source>
        <translation>Inscrição de %1 eliminada</translation>
    </message>
    <message>
        <source>Bitte zuerst das Datum der Ausstellung eingeben.</source>
        <translation>Introduza primeiro a data da exposição.</translation>
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
        <translation>quantidade negativa %1</translation>
    </message>
</context>
<context>
    <name>StockImport</name>
    <message>
        <source>„%1“ in „%2“ ist kein Datum wie 05.03.2024.</source>
        <translation>«%1» em «%2» não é uma data como 05.03.2024.</translation>
    </message>
    <message>
        <source>Der Verbleib „%1“ ist unbekannt (erwartet: im Bestand, verkauft, abgegeben, verstorben oder entflogen).</source>
        <translation>O destino «%1» é desconhecido (esperado: no plantel, vendido, cedido, falecido ou fugido).</translation>
    </message>
    <message>
        <source>Der Preis „%1“ ist kein Betrag wie 45,50.</source>
        <translation>O preço «%1» não é um montante como 45,50.</translation>
    </message>
    <message>
        <source>%1 auf %2 Zeichen gekürzt: „%3“</source>
        <translation>%1 encurtado para %2 caracteres: «%3»</translation>
    </message>
    <message>
        <source>Die Ringnummer „%1“ (%2) ist länger als %3 Zeichen.</source>
        <translation>O número da anilha «%1» (%2) tem mais de %3 caracteres.</translation>
    </message>
    <message>
        <source>Das Geschlecht „%1“ ist unbekannt (erwartet: 1.0 oder 0.1, m oder w, Hahn oder Henne).</source>
        <translation>O sexo «%1» é desconhecido (esperado: 1.0 ou 0.1, m ou f, macho ou fêmea).</translation>
    </message>
    <message>
        <source>Das Geburtsjahr „%1“ liegt nicht zwischen 1900 und 2100.</source>
        <translation>O ano de nascimento «%1» não está entre 1900 e 2100.</translation>
    </message>
    <message>
        <source>„%1“ in „Verkauft“ ist weder ja noch nein.</source>
        <translation>«%1» em «Vendido» não é nem «sim» nem «não».</translation>
    </message>
    <message>
        <source>%1 würde sein eigener Vorfahr.</source>
        <translation>%1 tornar-se-ia o seu próprio antepassado.</translation>
    </message>
    <message>
        <source>%1 neu, %2 geändert, %3 unverändert, %4 fehlerhaft</source>
        <translation>%1 novos, %2 alterados, %3 sem alterações, %4 com erros</translation>
    </message>
    <message>
        <source>Die Ringnummer ist leer.</source>
        <translation>O número da anilha está vazio.</translation>
    </message>
    <message>
        <source>Die Ringnummer „%1“ ist länger als %2 Zeichen.</source>
        <translation>O número da anilha «%1» tem mais de %2 caracteres.</translation>
    </message>
    <message>
        <source>Die Ringnummer %1 steht schon in Zeile %2.</source>
        <translation>O número da anilha %1 já consta da linha %2.</translation>
    </message>
    <message>
        <source>%1 ist nicht im Bestand.</source>
        <translation>%1 não está no plantel.</translation>
    </message>
    <message>
        <source>Der Name der Schau fehlt.</source>
        <translation>Falta o nome da exposição.</translation>
    </message>
    <message>
        <source>„%1“ sind keine Punkte von 0 bis 100 in halben Punkten.</source>
        <translation>«%1» não são pontos de 0 a 100 em meios pontos.</translation>
    </message>
    <message>
        <source>„%1“ ist keine Nummer einer Kollektion.</source>
        <translation>«%1» não é um número de equipa.</translation>
    </message>
    <message>
        <source>Dieses Ergebnis steht schon in Zeile %1.</source>
        <translation>Este resultado já consta da linha %1.</translation>
    </message>
    <message>
        <source>Solange eine Zeile fehlerhaft ist, wird nichts importiert.</source>
        <translation>Enquanto houver uma linha com erros, não é importado nada.</translation>
    </message>
    <message>
        <source>Die Prüfung wurde abgebrochen; es wurde nichts importiert.</source>
        <translation>A verificação foi cancelada; não foi importado nada.</translation>
    </message>
    <message>
        <source>Die Datei bringt nichts Neues.</source>
        <translation>O ficheiro não traz nada de novo.</translation>
    </message>
    <message>
        <source>Ausstellungsergebnisse importiert: %1 neu, %2 geändert</source>
        <translation>Resultados de exposições importados: %1 novos, %2 alterados</translation>
    </message>
    <message>
        <source>Bestand importiert: %1 neu, %2 geändert</source>
        <translation>Plantel importado: %1 novos, %2 alterados</translation>
    </message>
</context>
<context>
    <name>StockList</name>
    <message>
        <source>Export der Kanarienvögelbestandsliste sortiert nach Ringnummer</source>
        <translation>Lista do plantel de canários ordenada por número da anilha</translation>
    </message>
    <message>
        <source>Export der Kanarienvögelbestandsliste sortiert nach Geburtsdatum</source>
        <translation>Lista do plantel de canários ordenada por data de nascimento</translation>
    </message>
    <message>
        <source>erstellt am %1 mit %2</source>
        <extracomment>%1 is the date, %2 the program&apos;s name as a link</extracomment>
        <translation>criada em %1 com %2</translation>
    </message>
    <message>
        <source>Lfd. Nr</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Ring-Nr</source>
        <translation>N.º anilha</translation>
    </message>
    <message>
        <source>Farbe</source>
        <translation>Cor</translation>
    </message>
    <message>
        <source>Geburtsjahr</source>
        <translation>Ano de nascimento</translation>
    </message>
    <message>
        <source>Art/Rasse</source>
        <translation>Espécie/raça</translation>
    </message>
    <message>
        <source>Bemerkungen</source>
        <translation>Observações</translation>
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
        <translation>[F] </translation>
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
        <translation>a lista do plantel</translation>
    </message>
    <message>
        <source>Kanarienvögelbestandsliste</source>
        <translation>Lista do plantel de canários</translation>
    </message>
    <message>
        <source>Geben Sie Ihrer Bestandsliste einen Namen</source>
        <translation>Dê um nome à sua lista do plantel</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde erfolgreich erstellt und enthält nun alle Kanarienvögel der aktuellen Kanarienvögelbestandsliste.</source>
        <translation>O ficheiro %1 foi criado com êxito e contém agora todos os canários da lista do plantel de canários atual.</translation>
    </message>
    <message>
        <source>Bestand als CSV-Datei speichern</source>
        <translation>Guardar o plantel como ficheiro CSV</translation>
    </message>
    <message>
        <source>Bestand.csv</source>
        <translation>Plantel.csv</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde erstellt und enthält alle Kanarienvögel des Bestands.</source>
        <translation>Foi criado o ficheiro %1, que contém todos os canários do plantel.</translation>
    </message>
</context>
<context>
    <name>StockListPanel</name>
    <message>
        <source>Wie soll die Kanarienvögelbestandsliste sortiert sein?</source>
        <translation>Como pretende ordenar a lista do plantel de canários?</translation>
    </message>
    <message>
        <source>Liste zum Ausdrucken generieren</source>
        <translation>Gerar a lista para imprimir</translation>
    </message>
    <message>
        <source>Export in HTML-Datei</source>
        <translation>Exportar para ficheiro HTML</translation>
    </message>
    <message>
        <source>Export in CSV-Datei (Tabellenkalkulation)</source>
        <translation>Exportar para ficheiro CSV (folha de cálculo)</translation>
    </message>
    <message>
        <source>Ausgabe:</source>
        <translation>Saída:</translation>
    </message>
    <message>
        <source>nach Ringnummer</source>
        <translation>por número da anilha</translation>
    </message>
    <message>
        <source>nach Geburtsjahr</source>
        <translation>por ano de nascimento</translation>
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
        <translation>Número da anilha, cor</translation>
    </message>
    <message>
        <source> Bemerkungen</source>
        <translation> Observações</translation>
    </message>
    <message>
        <source>Geschlecht, Bemerkungen</source>
        <translation>Sexo, observações</translation>
    </message>
    <message>
        <source>Geburtsjahr, Art / Rasse</source>
        <translation>Ano de nascimento, espécie / raça</translation>
    </message>
    <message>
        <source>Lfd.</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Nr.</source>
        <translation>ordem</translation>
    </message>
</context>
<context>
    <name>SystemPrinter</name>
    <message>
        <source>Der Drucker „%1“ kann nicht benutzt werden.</source>
        <translation>Não é possível utilizar a impressora «%1».</translation>
    </message>
    <message>
        <source>Der Drucker hat die nächste Seite nicht angenommen.</source>
        <translation>A impressora não aceitou a página seguinte.</translation>
    </message>
    <message>
        <source>Der Druckauftrag ist fehlgeschlagen.</source>
        <translation>A tarefa de impressão falhou.</translation>
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
        <translation>&apos;%1&apos; não é um número inteiro válido</translation>
    </message>
</context>
<context>
    <name>UndoButtons</name>
    <message>
        <source>Rückgängig</source>
        <translation>Anular</translation>
    </message>
    <message>
        <source>Wiederholen</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>Rückgängig: %1</source>
        <translation>Anular: %1</translation>
    </message>
    <message>
        <source>Wiederholen: %1</source>
        <translation>Refazer: %1</translation>
    </message>
</context>
<context>
    <name>UsbBackupDialog</name>
    <message>
        <source>Backup auf USB-Stick oder ext. Festplatte</source>
        <translation>Cópia de segurança para pen USB ou disco externo</translation>
    </message>
    <message>
        <source>Mit dieser Funktion können Sie Ihr Backup auf einen USB-Stick oder eine externe Festplatte speichern.

Wählen Sie einfach das Laufwerk aus auf welches das Backup gespeichert werden soll.

Sie benötigen Schreibrechte auf dem ausgewählten Laufwerk.</source>
        <translation>Com esta função pode guardar a sua cópia de segurança numa pen USB ou num disco externo.

Basta escolher a unidade onde a cópia de segurança deve ser guardada.

Precisa de permissões de escrita na unidade selecionada.</translation>
    </message>
    <message>
        <source>Backup auf &quot;%1&quot; ausführen</source>
        <translation>Fazer cópia de segurança em &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Die Bilder werden gesichert</source>
        <translation>A copiar as imagens para a cópia de segurança</translation>
    </message>
    <message>
        <source>Fehler bei der Datensicherung auf USB-Stick oder externer Festplatte.</source>
        <translation>Erro ao fazer a cópia de segurança na pen USB ou no disco externo.</translation>
    </message>
</context>
<context>
    <name>UsbRestoreDialog</name>
    <message>
        <source>Backup von USB-Stick oder ext. Festplatte holen</source>
        <translation>Repor cópia de segurança a partir de pen USB ou disco externo</translation>
    </message>
    <message>
        <source>Mit dieser Funktion können Sie Ihr Backup von einem USB-Stick oder einer externen Festplatte holen.

Wählen Sie einfach das Laufwerk aus auf welchem sich das Backup befindet.

Sie benötigen Leserechte auf dem ausgewählten Laufwerk.</source>
        <translation>Com esta função pode repor a sua cópia de segurança a partir de uma pen USB ou de um disco externo.

Basta escolher a unidade onde se encontra a cópia de segurança.

Precisa de permissões de leitura na unidade selecionada.</translation>
    </message>
    <message>
        <source>Backup von &quot;%1&quot; holen</source>
        <translation>Repor cópia de segurança a partir de &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Sicherheitsabfrage</source>
        <translation>Confirmação</translation>
    </message>
    <message>
        <source>Beim Rückholen des Backups wird der auf dem Rechner befindliche Stand überschrieben.
<byte value="xd"/>Soll das Backup wirklich vom USB-Stick bzw. Festplatte zurückgeholt werden?</source>
        <translation>Ao repor a cópia de segurança, os dados deste computador são substituídos.
</translation>
    </message>
    <message>
        <source>Die Bilder werden zurückgeholt</source>
        <translation>A repor as imagens</translation>
    </message>
    <message>
        <source>Fehler beim Zurückholen der Datensicherung.</source>
        <translation>Erro ao repor a cópia de segurança.</translation>
    </message>
</context>
<context>
    <name>WhereaboutsPanel</name>
    <message>
        <source>Was aus dem Vogel geworden ist</source>
        <translation>O que aconteceu ao exemplar</translation>
    </message>
    <message>
        <source>Seit wann, im Format TT.MM.JJJJ; leer, wenn unbekannt</source>
        <translation>Desde quando, no formato DD.MM.AAAA; vazio se for desconhecido</translation>
    </message>
    <message>
        <source>TT.MM.JJJJ</source>
        <translation>DD.MM.AAAA</translation>
    </message>
    <message>
        <source>Wer den Vogel bekommen hat</source>
        <translation>Quem recebeu o exemplar</translation>
    </message>
    <message>
        <source>Anschrift des Käufers</source>
        <translation>Morada do comprador</translation>
    </message>
    <message>
        <source>Der Preis in Euro, etwa 45,50</source>
        <translation>O preço em euros, p. ex. 45,50</translation>
    </message>
    <message>
        <source>0,00</source>
        <translation>0,00</translation>
    </message>
    <message>
        <source>Eine Notiz zum Verbleib</source>
        <translation>Uma nota sobre o destino</translation>
    </message>
    <message>
        <source>&amp;Verbleib:</source>
        <translation>&amp;Destino:</translation>
    </message>
    <message>
        <source>&amp;Datum:</source>
        <translation>D&amp;ata:</translation>
    </message>
    <message>
        <source>&amp;Käufer:</source>
        <translation>&amp;Comprador:</translation>
    </message>
    <message>
        <source>&amp;Anschrift:</source>
        <translation>&amp;Morada:</translation>
    </message>
    <message>
        <source>&amp;Preis (€):</source>
        <translation>&amp;Preço (€):</translation>
    </message>
    <message>
        <source>&amp;Notiz:</source>
        <translation>&amp;Nota:</translation>
    </message>
    <message>
        <source>Ungültiges Datum beim Verbleib!</source>
        <translation>Data do destino inválida!</translation>
    </message>
    <message>
        <source>Ungültiger Preis! Bitte den Betrag in Euro angeben, etwa 45,50.</source>
        <translation>Preço inválido! Indique o montante em euros, p. ex. 45,50.</translation>
    </message>
</context>
<context>
    <name>WipeDatabaseDialog</name>
    <message>
        <source>neu</source>
        <comment>word typed to confirm the wipe</comment>
        <translation>sim</translation>
    </message>
    <message>
        <source>Komplette Datenbank löschen und neu anfangen</source>
        <translation>Eliminar toda a base de dados e recomeçar</translation>
    </message>
    <message>
        <source>! ! ! A C H T U N G ! ! !</source>
        <translation>! ! ! A T E N Ç Ã O ! ! !</translation>
    </message>
    <message>
        <source>Wenn Sie die komplette Datenbank löschen fangen Sie komplett neu an. Alle Kanarienvögel und alle Zuchtpaare sind verloren (sofern Sie kein Backup erstellt haben).

Wenn Sie sicher sind und wissen was Sie tun dann schreiben Sie das Wort &quot;%1&quot; bitte in das unten stehende Feld und klicken anschließend auf OK!</source>
        <extracomment>%1 is the word the breeder types to confirm</extracomment>
        <translation>Se eliminar toda a base de dados, recomeça completamente do zero. Todos os canários e todos os casais reprodutores perdem-se (a não ser que tenha feito uma cópia de segurança).

Se tiver a certeza e souber o que está a fazer, escreva a palavra &quot;%1&quot; no campo abaixo e clique depois em OK!</translation>
    </message>
    <message>
        <source>Bestätigungswort</source>
        <translation>Palavra de confirmação</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Die Datenbank wurde gelöscht. Was bis dahin geändert wurde, lässt sich nicht mehr rückgängig machen.</source>
        <translation>A base de dados foi eliminada. As alterações feitas antes já não podem ser anuladas.</translation>
    </message>
</context>
</TS>
