// The colour calculator against published mating tables, the factor notation,
// and the factor table file itself.
#include "core/genetics/ColourCalculator.h"
#include "core/genetics/PedigreeReading.h"
#include "core/stock/RingIndex.h"
#include "support/SampleAnimals.h"

#include <QtTest>

namespace {

const FactorTable& table()
{
    return FactorTable::canary();
}

ExpectedYoung young(const QString& cockSpec, const QString& henSpec, double crossover = 0.0)
{
    QString problem;
    const std::optional<AnimalFactors> cock = parseFactors(table(), true, cockSpec, problem);
    const std::optional<AnimalFactors> hen = parseFactors(table(), false, henSpec, problem);
    std::optional<AnimalGenes> cockGenes = cock ? genesOf(table(), *cock, problem) : std::nullopt;
    std::optional<AnimalGenes> henGenes = hen ? genesOf(table(), *hen, problem) : std::nullopt;
    if (!cockGenes || !henGenes)
        qFatal("%s", qPrintable(problem));
    return expectedYoung(table(), *cockGenes, *henGenes, crossover);
}

// Every kind as "Hahn Schwarz /braun 0.25", sorted, for comparing whole tables.
QStringList kinds(const ExpectedYoung& result)
{
    QStringList lines;
    for (const YoungKind& k : result.kinds)
        lines << QStringLiteral("%1 %2%3 %4")
                     .arg(k.male ? QStringLiteral("Hahn") : QStringLiteral("Henne"), k.colour,
                          k.carried.isEmpty() ? QString() : QStringLiteral(" /") + k.carried)
                     .arg(k.share, 0, 'f', 4);
    lines.sort();
    return lines;
}

// The share of all young with a visual factor, whatever else they have.
double showing(const ExpectedYoung& result, const QString& key)
{
    double sum = 0;
    for (const YoungKind& k : result.kinds)
        if (k.visual.contains(key))
            sum += k.share;
    return sum;
}

Animal animal(const char* ring, Sex sex, const char* colour, const char* father = "", const char* mother = "")
{
    Animal a = testAnimal(QString::fromUtf8(ring), sex);
    a.colour = QString::fromUtf8(colour);
    a.fatherRing = QString::fromUtf8(father);
    a.motherRing = QString::fromUtf8(mother);
    return a;
}

// The findings of every bird, as "RING: text" lines.
QStringList read(const AnimalTable& animals, const QHash<QString, FactorStates>& entered)
{
    const RingIndex index(animals);
    PedigreeReading reading(animals, index, entered);
    QStringList lines;
    for (qsizetype a = 0; a < qsizetype(animals.size()); ++a)
        for (const FactorFinding& f : reading.findings(a))
            lines << animals[size_t(a)].ringNumber + QStringLiteral(": ") + f.text(reading.table());
    return lines;
}

} // namespace

class TestGenetics : public QObject
{
    Q_OBJECT

private slots:
    void tableFileIsComplete()
    {
        // Every factor the command line names, each locus with its source.
        for (const char* key :
             {"braun", "achat", "satinet", "pastell", "grauflügel", "elfenbein", "weiss-rezessiv", "opal", "onyx",
              "phaeo", "topas", "eumo", "kobalt", "weiss-dominant", "haube", "intensiv", "jaspis"})
            QVERIFY2(table().find(QString::fromUtf8(key)) >= 0, key);
        for (const ColourLocus& locus : table().loci())
            QVERIFY2(!locus.source.isEmpty(), qPrintable(locus.key));
        QCOMPARE(table().linkedLoci().size(), size_t(2));
        QVERIFY(table().crossover() > 0 && table().crossover() < 0.5);
        // Every name a breeder reads can be translated.
        QSet<QString> translatable;
        for (const char* word : colourFactorWords())
            translatable.insert(QString::fromUtf8(word));
        for (const ColourLocus& locus : table().loci()) {
            QVERIFY2(translatable.contains(locus.name), qPrintable(locus.name));
            QVERIFY2(translatable.contains(inheritanceWord(locus.inheritance)), qPrintable(locus.key));
        }
        for (const ColourFactor& factor : table().factors()) {
            QVERIFY2(translatable.contains(factor.name), qPrintable(factor.name));
            QVERIFY2(translatable.contains(factor.colourWord), qPrintable(factor.colourWord));
        }
        const auto allelesOf = [](const ColourLocus& locus) {
            QStringList keys {QString()};
            for (int f : locus.factors)
                keys << table().factor(f).key;
            return keys;
        };
        const auto& linked = table().linkedLoci();
        for (const QString& first : allelesOf(table().loci()[size_t(linked[0])])) {
            for (const QString& second : allelesOf(table().loci()[size_t(linked[1])])) {
                QStringList visual {first, second};
                visual.removeAll(QString());
                const QString name = table().melaninName(visual);
                QVERIFY2(name.isEmpty() || translatable.contains(name), qPrintable(name));
            }
        }
        QString problem;
        QVERIFY(
            !FactorTable::fromJson("{\"loci\": [{\"key\": \"x\", \"inheritance\": \"autosomal rezessiv\", "
                                   "\"source\": \"s\", \"dominance\": \"wild > y\", \"alleles\": [{\"key\": \"x\"}]}]}",
                                   problem));
    }

    // A sex-linked recessive factor in every pairing of one factor: the
    // tables of canarybreeder.co.nz ("Sex-linked tables", genetics
    // masterclass) and K. Wirick, "Canary Notes: Sex-Linked or Recessive".
    void sexLinkedRecessive_data()
    {
        QTest::addColumn<QString>("cock");
        QTest::addColumn<QString>("hen");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("visual cock, normal hen")
            << "braun"
            << "" << QStringList {"Hahn Schwarz /braun 0.5000", "Henne Braun 0.5000"};
        QTest::newRow("normal cock, visual hen")
            << ""
            << "braun" << QStringList {"Hahn Schwarz /braun 0.5000", "Henne Schwarz 0.5000"};
        QTest::newRow("carrier cock, normal hen") << "/braun"
                                                  << ""
                                                  << QStringList {"Hahn Schwarz /braun 0.2500", "Hahn Schwarz 0.2500",
                                                                  "Henne Braun 0.2500", "Henne Schwarz 0.2500"};
        QTest::newRow("carrier cock, visual hen") << "/braun"
                                                  << "braun"
                                                  << QStringList {"Hahn Braun 0.2500", "Hahn Schwarz /braun 0.2500",
                                                                  "Henne Braun 0.2500", "Henne Schwarz 0.2500"};
        QTest::newRow("visual cock, visual hen") << "braun"
                                                 << "braun" << QStringList {"Hahn Braun 0.5000", "Henne Braun 0.5000"};
        // Agate shows over satinet, its allele (DKB, "Die Vererbung beim Kanarienvogel", p. 56).
        QTest::newRow("agate carrying satinet, satinet hen")
            << "achat,/satinet"
            << "satinet"
            << QStringList {"Hahn Achat /satinet 0.2500", "Hahn Achat-Satinet 0.2500", "Henne Achat 0.2500",
                            "Henne Achat-Satinet 0.2500"};
    }

    void sexLinkedRecessive()
    {
        QFETCH(QString, cock);
        QFETCH(QString, hen);
        QFETCH(QStringList, expected);
        const ExpectedYoung result = young(cock, hen);
        QCOMPARE(kinds(result), expected);
        QCOMPARE(result.deadInEgg, 0.0);
    }

    // Two autosomal recessive loci inherit independently: each 1:2:1 as in
    // the recessive table of vogelliebhaber-bocholt.de ("Normal/Rezessiv ×
    // Normal/Rezessiv = 25 % Rezessiv, 50 % Normal/Rezessiv, 25 % Normal"),
    // so both show in 1/16 of the young.
    void twoAutosomalRecessives()
    {
        const ExpectedYoung result = young("/opal,/phaeo", "/opal,/phaeo");
        QCOMPARE(result.kinds.size(), size_t(18)); // 9 genotypes, both sexes
        QVERIFY(qFuzzyCompare(showing(result, "opal"), 0.25));
        QVERIFY(qFuzzyCompare(showing(result, "phaeo"), 0.25));
        double both = 0, hiddenBoth = 0;
        for (const YoungKind& k : result.kinds) {
            if (k.visual == QStringList {"opal", "phaeo"})
                both += k.share;
            if (k.visual.isEmpty() && k.carried == QLatin1String("opal,phaeo"))
                hiddenBoth += k.share;
        }
        QVERIFY(qFuzzyCompare(both, 1.0 / 16));
        QVERIFY(qFuzzyCompare(hiddenBoth, 4.0 / 16));
        // Opal and onyx are alleles: an opal × onyx pairing gives intermediate young only.
        const ExpectedYoung alleles = young("opal", "onyx");
        QCOMPARE(alleles.kinds.size(), size_t(2));
        QCOMPARE(alleles.kinds.front().visual, (QStringList {"opal", "onyx"}));
    }

    // Haube × Haube: "50 % Haube, 25 % Glattkopf, 25 % doppelfaktorige, die
    // bereits im Ei absterben" (finkenwelt.de, Kanarien – Genetik); dominant
    // white carries the same lethal factor: a quarter dies in the egg, two
    // thirds of the rest are white.
    void lethalDominants()
    {
        for (const char* factor : {"weiss-dominant", "haube"}) {
            const ExpectedYoung result = young(factor, factor);
            QVERIFY(qFuzzyCompare(result.deadInEgg, 0.25));
            QVERIFY(qFuzzyCompare(showing(result, factor), 2.0 / 3));
            QCOMPARE(result.warnings.size(), 1);
            QVERIFY(result.warnings.front().startsWith(QStringLiteral("25,0 % der befruchteten Eier sterben ab")));
        }
        // Double intensive birds live; jaspis shows single and double factor apart.
        QCOMPARE(young("intensiv", "intensiv").deadInEgg, 0.0);
        const ExpectedYoung jaspis = young("jaspis", "jaspis");
        QCOMPARE(
            kinds(jaspis),
            (QStringList {"Hahn Schwarz 0.1250", "Hahn Schwarz Jaspis doppelfaktorig 0.1250",
                          "Hahn Schwarz Jaspis einfaktorig 0.2500", "Henne Schwarz 0.1250",
                          "Henne Schwarz Jaspis doppelfaktorig 0.1250", "Henne Schwarz Jaspis einfaktorig 0.2500"}));
    }

    // Brown and agate on one Z: an isabel cock gives isabel daughters and
    // sons carrying both together; a cock carrying both passes them on
    // together or, at the crossing-over rate, apart, and the phase decides
    // which (I. Onsman, MUTAVI, "Crossing-Over Value of Two Sex-linked loci
    // (cin and ino ag) in the Canary"; ornis-diepholz.hpage.com, "Das
    // Crossing-Over": it shows first in the daughters).
    void linkedLoci()
    {
        QCOMPARE(kinds(young("braun,achat", "")),
                 (QStringList {"Hahn Schwarz /braun+achat 0.5000", "Henne Isabell 0.5000"}));
        const double r = 0.3;
        const auto daughters = [](const ExpectedYoung& result) {
            QStringList lines;
            for (const YoungKind& k : result.kinds)
                if (!k.male)
                    lines << QStringLiteral("%1 %2").arg(k.colour).arg(k.share, 0, 'f', 4);
            lines.sort();
            return lines;
        };
        QCOMPARE(daughters(young("/braun+achat", "", r)),
                 (QStringList {"Achat 0.0750", "Braun 0.0750", "Isabell 0.1750", "Schwarz 0.1750"}));
        QCOMPARE(daughters(young("/braun,/achat", "", r)),
                 (QStringList {"Achat 0.1750", "Braun 0.1750", "Isabell 0.0750", "Schwarz 0.0750"}));
        // Sons of an isabel hen show isabel only from a recombined chromosome of their father.
        double isabelSons = 0;
        for (const YoungKind& k : young("/braun,/achat", "braun,achat", r).kinds)
            if (k.male && k.colour == QLatin1String("Isabell"))
                isabelSons += k.share;
        QVERIFY(qFuzzyCompare(isabelSons, 0.5 * r / 2));
        // Without a phase given, both count half: as if the loci were not linked.
        QString problem;
        AnimalFactors cock = *parseFactors(table(), true, "/braun+achat", problem);
        cock.phase = LinkagePhase::Unknown;
        const AnimalGenes genes = *genesOf(table(), cock, problem);
        const AnimalGenes hen = *genesOf(table(), AnimalFactors::none(table(), false), problem);
        const ExpectedYoung unknown = expectedYoung(table(), genes, hen, r);
        QCOMPARE(daughters(unknown),
                 (QStringList {"Achat 0.1250", "Braun 0.1250", "Isabell 0.1250", "Schwarz 0.1250"}));
        QVERIFY(unknown.warnings.join(QString()).contains(QStringLiteral("braun und achat")));
    }

    // Pedigrees made for the reading: proven from a parent, proven from a
    // young, likely at 50 % and 67 %, and what follows a generation down.
    void theReadingOfPedigrees()
    {
        const AnimalTable animals = {
            animal("BRAUNE", Sex::Female, "Braun"), // shown by her colour
            animal("VATER", Sex::Male, "Schwarz"),
            animal("SOHN", Sex::Male, "Schwarz", "VATER", "BRAUNE"),
            animal("TOCHTER", Sex::Female, "Schwarz", "VATER", "BRAUNE"), // a hen carries nothing hidden
            animal("OPALVATER", Sex::Male, "Schwarz"), // entered as carrier
            animal("OPALMUTTER", Sex::Female, "Schwarz"), // entered as carrier
            animal("HALB", Sex::Male, "Schwarz", "OPALVATER", "BRAUNE"),
            animal("ZWEI", Sex::Female, "Schwarz", "OPALVATER", "OPALMUTTER"),
            animal("ENKEL", Sex::Male, "Schwarz", "HALB", ""),
            animal("HENNE", Sex::Female, "gelb"),
            animal("HAHN", Sex::Male, "gelb"),
            animal("OPALJUNGES", Sex::Female, "Schwarz Opal", "HAHN", "HENNE"),
            animal("ISABELLSOHN", Sex::Male, "Schwarz", "", "ISABELLE"),
            animal("ISABELLE", Sex::Female, "Isabell-Satinet"),
        };
        const QHash<QString, FactorStates> entered = {
            {"OPALVATER", {{"opal", FactorState::Carrier}}},
            {"OPALMUTTER", {{"opal", FactorState::Carrier}}},
            {"ZWEI", {{"phaeo", FactorState::Absent}}},
        };
        QCOMPARE(read(animals, entered),
                 (QStringList {"SOHN: sicher spalterbig für braun: Mutter braun",
                               "HALB: sicher spalterbig für braun: Mutter braun",
                               "HALB: spalterbig für opal: 50 %, Vater spalterbig",
                               "ZWEI: spalterbig für opal: 67 %, Vater und Mutter spalterbig",
                               "ENKEL: spalterbig für braun: 50 %, Vater spalterbig",
                               "ENKEL: spalterbig für opal: 25 %, Vater zu 50 % spalterbig",
                               "HENNE: sicher spalterbig für opal: Junges „OPALJUNGES“ opal",
                               "HAHN: sicher spalterbig für opal: Junges „OPALJUNGES“ opal",
                               "ISABELLSOHN: sicher spalterbig für braun: Mutter braun",
                               "ISABELLSOHN: sicher spalterbig für satinet: Mutter satinet"}));
    }

    // A brown hen's son, paired with a black hen, gives brown daughters; an
    // isabel hen's son carries brown and agate on her Z, together.
    void theReadingFeedsTheCalculator()
    {
        const AnimalTable animals
            = {animal("BRAUNE", Sex::Female, "Braun"), animal("SOHN", Sex::Male, "Schwarz", "", "BRAUNE"),
               animal("SCHWARZE", Sex::Female, "Schwarz"), animal("ISABELLE", Sex::Female, "Isabell"),
               animal("PASSE", Sex::Male, "Schwarz", "", "ISABELLE")};
        const RingIndex index(animals);
        PedigreeReading reading(animals, index, {});
        QString problem;
        const AnimalGenes hen = *genesOf(table(), reading.factorsOf(2, false), problem);
        const ExpectedYoung young
            = expectedYoung(table(), *genesOf(table(), reading.factorsOf(1, false), problem), hen, table().crossover());
        QCOMPARE(kinds(young),
                 (QStringList {"Hahn Schwarz /braun 0.2500", "Hahn Schwarz 0.2500", "Henne Braun 0.2500",
                               "Henne Schwarz 0.2500"}));
        const AnimalFactors passe = reading.factorsOf(4, false);
        QCOMPARE(passe.phase, LinkagePhase::Coupled);
        QVERIFY(genesOf(table(), passe, problem)->unknownPhase.isEmpty());
    }

    void factorNotation_data()
    {
        QTest::addColumn<bool>("male");
        QTest::addColumn<QString>("spec");
        QTest::addColumn<QString>("problem");
        QTest::newRow("hen hides a sex-linked factor") << false << "/braun"
                                                       << "Eine Henne kann braun nicht verdeckt";
        QTest::newRow("unknown name") << true << "blau"
                                      << "Unbekannte Anlage „blau“. Bekannt sind: braun, achat";
        QTest::newRow("satinet over agate") << true << "satinet,/achat"
                                            << "Ein Vogel, der achat trägt, zeigt nicht satinet";
        QTest::newRow("two alleles shown") << true << "achat,satinet"
                                           << "liegen am selben Genort";
        QTest::newRow("hidden dominant") << true << "/haube"
                                         << "haube ist dominant";
        QTest::newRow("recessive twice over") << true << "opal,opal"
                                              << "";
        QTest::newRow("three times") << true << "opal,opal,opal"
                                     << "„opal“ ist mehr als zweimal angegeben";
        QTest::newRow("a name left out") << false << "opal+"
                                         << "In „opal+“ fehlt der Name einer Anlage";
        QTest::newRow("visual and hidden") << true << "/opal,opal"
                                           << "zugleich sichtbar und spalterbig";
        QTest::newRow("hidden twice") << true << "/opal,/opal"
                                      << "„opal“ ist doppelt angegeben";
        QTest::newRow("a parent that cannot live") << true << "weiss-dominant,weiss-dominant"
                                                   << "Doppelfaktorig dominant weiß ist nicht lebensfähig";
        QTest::newRow("red ground is not calculated") << true << "rotgrund"
                                                      << "Unbekannte Anlage";
    }

    void factorNotation()
    {
        QFETCH(bool, male);
        QFETCH(QString, spec);
        QFETCH(QString, problem);
        QString found;
        const std::optional<AnimalFactors> factors = parseFactors(table(), male, spec, found);
        if (factors)
            genesOf(table(), *factors, found);
        if (problem.isEmpty())
            QVERIFY2(found.isEmpty(), qPrintable(found));
        else
            QVERIFY2(found.contains(problem), qPrintable(found));
    }
};

QTEST_GUILESS_MAIN(TestGenetics)
#include "TestGenetics.moc"
