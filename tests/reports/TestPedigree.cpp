// The certificate and the record sheet, inspected as filled layouts.
#include "core/stock/RingIndex.h"
#include "reports/engine/ReportRenderer.h"
#include "reports/layouts/PedigreeReport.h"
#include "reports/layouts/RecordSheetReport.h"
#include "support/PedigreeSample.h"
#include "support/SampleAnimals.h"
#include "support/ScanOracles.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <numeric>
#include <random>

namespace {

QString ringAt(const PedigreeReport& report, int slot)
{
    return report.page().text(QStringLiteral("ring%1").arg(slot))->text();
}

QStringList detailsAt(const PedigreeReport& report, int slot)
{
    return report.page().text(QStringLiteral("details%1").arg(slot))->lines;
}

QString textOf(const ReportPage& page, const char* name)
{
    return page.text(QString::fromLatin1(name))->text();
}

} // namespace

class TestPedigree : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_folder = m_dir->path() + QLatin1Char('/');
        QDir().mkpath(m_folder + QStringLiteral("Bilder"));
    }

    // Fills the certificate from a stock document over db and the test's data folder.
    PedigreeReport::FillResult fill(PedigreeReport& report, const StockData& db, const QString& ring = kSampleSubject,
                                    const CertificateRequest& options = {}, RecordSheetReport* sheet = nullptr)
    {
        m_stock = std::make_unique<StockDocument>(db, DataFiles(m_folder));
        return report.fill(*m_stock, ring, options, sheet);
    }

    QString picturePath() const { return PictureStore(m_folder).pathOf(kSampleSubject); }

    void allFourGenerationsFillTheirBoxes()
    {
        const StockData db = pedigreeSample();
        PedigreeReport report;
        RecordSheetReport sheet;
        const auto filled = fill(report, db, kSampleSubject, {}, &sheet);
        QVERIFY(filled.found && filled.error.isEmpty());
        for (int slot = 1; slot <= 30; ++slot)
            QCOMPARE(ringAt(report, slot), sampleAncestorRing(slot));
        QCOMPARE(textOf(report.page(), "subject1"), QStringLiteral("für DE-06165-2020-0001"));
        QCOMPARE(textOf(report.page(), "subject2"), QStringLiteral("Farbe: gelb \"gescheckt\"    Art: Gloster Corona"));
        QCOMPARE(textOf(report.page(), "breeder2Left"), QStringLiteral("Jörg Weiß"));
        QCOMPARE(textOf(report.page(), "breeder3Right"), QStringLiteral("Tel.: 0221 123456"));
        QCOMPARE(report.page().rect(QStringLiteral("box1"))->outline, QColor(0, 0, 255));
        QCOMPARE(report.page().rect(QStringLiteral("box2"))->outline, QColor(255, 0, 255));
        QCOMPARE(report.page().rect(QStringLiteral("headFrame"))->outline, QColor(0, 128, 0));
        QCOMPARE(textOf(sheet.page(), "ring"), kSampleSubject);
        QCOMPARE(textOf(sheet.page(), "sex"), QStringLiteral("Hahn (m)"));
    }

    // A box's details that do not fit are set smaller, not cut off; those that fit keep their size.
    void longDetailsShrinkToTheirBox()
    {
        StockData db = pedigreeSample();
        for (Animal& a : db.animals) {
            if (a.ringNumber == sampleAncestorRing(7))
                a.colour = QStringLiteral("rotorange intensiv mit sehr langer Farbbeschreibung");
        }
        PedigreeReport report;
        QVERIFY(fill(report, db).found);
        QImage image(2480, 3508, QImage::Format_RGB32);
        image.setDotsPerMeterX(11811); // 300 dpi
        image.setDotsPerMeterY(11811);
        const ReportPage& page = report.page();
        const TextElement* crowded = page.text(QStringLiteral("details7"));
        const TextElement* roomy = page.text(QStringLiteral("details8"));
        QVERIFY(ReportRenderer::shownFont(*crowded, page, &image, {}).pointSizeF() < crowded->style.pointSize);
        QCOMPARE(ReportRenderer::shownFont(*roomy, page, &image, {}).pointSizeF(), roomy->style.pointSize);
    }

    void missingParentsCyclesDeletedAndRepeatedRings()
    {
        StockData db = pedigreeSample();
        auto& a = db.animals;
        a[1].fatherRing = QStringLiteral("NOT-IN-STOCK"); // slot 1 loses its parents and their line
        a[2].active = 0; // slot 2 deleted: still an ancestor
        a[4].fatherRing = a[0].ringNumber; // slot 4's father is the subject: a cycle
        Animal twin = a[5]; // slot 5's ring twice: the later record wins
        twin.colour = QStringLiteral("blau");
        twin.fatherRing.clear();
        a.push_back(twin);

        PedigreeReport report;
        QVERIFY(fill(report, db).found);
        QCOMPARE(ringAt(report, 2), sampleAncestorRing(2));
        QCOMPARE(ringAt(report, 3), QString());
        QCOMPARE(ringAt(report, 7), QString());
        QCOMPARE(ringAt(report, 15), QString());
        QVERIFY(detailsAt(report, 3).isEmpty());
        QCOMPARE(ringAt(report, 9), kSampleSubject); // the subject as its own great-grandfather
        QCOMPARE(ringAt(report, 19), sampleAncestorRing(1));
        QCOMPARE(detailsAt(report, 5).first(), QStringLiteral("Farbe: blau \"einfarbig\""));
        // The twin's own line follows it: it has no father, so the old record's
        // father does not stay behind in its box as the repeated scan would leave it.
        QCOMPARE(ringAt(report, 11), QString());
        QCOMPARE(ringAt(report, 12), sampleAncestorRing(12));
        QCOMPARE(resolvePedigreeByScan(db.animals, db.animals[0]).index[11], qsizetype(11));

        a.pop_back();
        QVERIFY(fill(report, db).found);
        QCOMPARE(report.ancestors(), resolvePedigreeByScan(db.animals, db.animals[0]));
    }

    // The indexed resolution gives the forty-pass scan's result on stocks full
    // of missing parents, cycles, deleted records and empty rings.
    void indexedResolutionMatchesTheScan()
    {
        std::mt19937 random(7);
        for (int round = 0; round < 200; ++round) {
            AnimalTable animals(40);
            std::vector<int> rings(40);
            std::iota(rings.begin(), rings.end(), 0);
            std::shuffle(rings.begin(), rings.end(), random);
            for (size_t i = 0; i < animals.size(); ++i) {
                Animal& a = animals[i];
                a.ringNumber = random() % 10 ? QString::number(rings[i]) : QString();
                a.fatherRing = random() % 6 ? QString::number(random() % 34) : QString();
                a.motherRing = random() % 6 ? QString::number(random() % 34) : QString();
                a.active = random() % 5 ? 1 : 0;
            }
            const RingIndex index(animals);
            for (const Animal& subject : animals)
                QCOMPARE(resolvePedigree(animals, subject, index), resolvePedigreeByScan(animals, subject));
        }
    }

    void detailLinesPerGeneration()
    {
        Animal a;
        a.colour = QStringLiteral("gelb");
        a.markings = QStringLiteral("gescheckt");
        a.breeder = QStringLiteral("Haas");
        a.breed = QStringLiteral("Lizard");
        a.birthYear = 2015;
        a.remarks = QStringLiteral("Gold");
        constexpr auto kBreed = OuterGenerationsContent::BreedAndBreeder;
        constexpr auto kRemarks = OuterGenerationsContent::Remarks;
        PrintSettings s = PrintSettings::defaults();
        s.printBirthYear = 1;
        QCOMPARE(PedigreeReport::detailLines(a, 1, s, kBreed),
                 (QStringList {"Farbe: gelb \"gescheckt\"", "Züchter: Haas", "Art: Lizard", "Jahrgang: 2015", "Gold"}));
        QCOMPARE(PedigreeReport::detailLines(a, 3, s, kBreed),
                 (QStringList {"Farbe: gelb \"gescheckt\"", "Züchter: Haas", "Jahrgang: 2015", "Art: Lizard"}));
        QCOMPARE(PedigreeReport::detailLines(a, 3, s, kRemarks),
                 (QStringList {"Farbe: gelb \"gescheckt\"", "Züchter: Haas", "Jahrgang: 2015", "Gold"}));
        QCOMPARE(PedigreeReport::detailLines(a, 4, s, kBreed), QStringList {"Züchter: Haas"});
        QCOMPARE(PedigreeReport::detailLines(a, 4, s, kRemarks), QStringList {"Gold"});

        s.showPrefixes = 0;
        s.printBirthYear = 0;
        a.colour.clear();
        a.remarks.clear();
        QCOMPARE(PedigreeReport::detailLines(a, 2, s, kBreed), (QStringList {" \"gescheckt\"", "Haas", "Lizard", ""}));
        s.printBirthYear = 1;
        a.birthYear = 0;
        a.markings.clear();
        QCOMPARE(PedigreeReport::detailLines(a, 1, s, kBreed), (QStringList {"", "Haas", "Lizard", ""}));
    }

    void subjectLineWithoutPrefixesOrMarkings()
    {
        StockData db = pedigreeSample();
        db.print.showPrefixes = 0;
        db.animals[0].markings.clear();
        PedigreeReport report;
        fill(report, db);
        QCOMPARE(textOf(report.page(), "subject2"), QStringLiteral("gelb \"\"    Gloster Corona"));
        QCOMPARE(textOf(report.page(), "breeder3Right"), QStringLiteral("0221 123456"));
    }

    void topRightContentModes()
    {
        StockData db = pedigreeSample();
        CertificateRequest options;
        options.buyerLines = QStringList {"Herrn Müller", "Köln"};
        options.preferences.detailFontSize = 7;
        PedigreeReport report;
        const ReportPage& page = report.page();

        db.print.topRightContent = TopRightContent::BuyerText;
        fill(report, db, kSampleSubject, options);
        QCOMPARE(textOf(page, "topRightCaption"), QStringLiteral("Verkauft an:"));
        QCOMPARE(page.text(QStringLiteral("topRightText"))->lines, options.buyerLines);
        QVERIFY(!page.picture(QStringLiteral("picture"))->visible);
        QCOMPARE(page.text(QStringLiteral("details1"))->style.pointSize, 7.0);

        db.print.topRightContent = TopRightContent::Picture; // no picture file: as for the buyer text
        fill(report, db, kSampleSubject, options);
        QCOMPARE(textOf(page, "topRightCaption"), QStringLiteral("Verkauft an:"));
        QVERIFY(!page.picture(QStringLiteral("picture"))->visible);

        QImage(340, 120, QImage::Format_RGB32).save(picturePath(), "JPG");
        fill(report, db, kSampleSubject, options);
        QCOMPARE(textOf(page, "topRightCaption"), QString());
        QVERIFY(page.text(QStringLiteral("topRightText"))->lines.isEmpty());
        QVERIFY(page.picture(QStringLiteral("picture"))->visible);
        QCOMPARE(page.picture(QStringLiteral("picture"))->rect,
                 QRectF(152.9, 11.6, layoutPixelsToMm(170), layoutPixelsToMm(60)));

        db.print.topRightContent = TopRightContent::FreeText;
        fill(report, db, kSampleSubject, options);
        QCOMPARE(textOf(page, "topRightCaption"), QString());
        QCOMPARE(page.text(QStringLiteral("topRightText"))->lines, options.buyerLines);
        QVERIFY(!page.picture(QStringLiteral("picture"))->visible);
    }

    void pictureFrames()
    {
        QCOMPARE(PedigreeReport::pictureFrame({340, 120}, {170, 120}), QSize(170, 60));
        QCOMPARE(PedigreeReport::pictureFrame({60, 120}, {170, 120}), QSize(60, 120));
        QCOMPARE(PedigreeReport::pictureFrame({1700, 1200}, {170, 60}), QSize(170, 120));
    }

    void anUnreadablePictureStopsTheFillWithAMessage()
    {
        StockData db = pedigreeSample();
        db.print.topRightContent = TopRightContent::Picture;
        QFile broken(picturePath());
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("\xFF\xD8\xFF garbage");
        broken.close();
        PedigreeReport report;
        const auto filled = fill(report, db);
        QVERIFY(filled.found);
        QVERIFY(filled.error.contains(kSampleSubject));
    }

    void anUnknownOrDeletedSubjectChangesNothing()
    {
        StockData db = pedigreeSample();
        PedigreeReport report;
        fill(report, db);
        db.animals[0].active = 0;
        QVERIFY(!fill(report, db).found);
        QVERIFY(!fill(report, db, QStringLiteral("nobody")).found);
        QCOMPARE(ringAt(report, 1), sampleAncestorRing(1));
    }

    void recordSheetWords()
    {
        RecordSheetReport sheet;
        Animal a = testAnimal(QStringLiteral("R-1"), Sex::Female, 0);
        sheet.fill(a);
        QCOMPARE(textOf(sheet.page(), "sex"), QStringLiteral("Henne (w)"));
        QCOMPARE(textOf(sheet.page(), "year"), QStringLiteral("0"));
        QCOMPARE(textOf(sheet.page(), "title"), QStringLiteral("Stammblatt z. Kanarienvogel"));
        a.sex = static_cast<Sex>(5);
        sheet.fill(a);
        QCOMPARE(textOf(sheet.page(), "sex"), QString());
        QCOMPARE(RecordSheetReport::sexWord(Sex::Unknown), QStringLiteral("unbekannt"));
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_folder;
    std::unique_ptr<StockDocument> m_stock;

    void repeatedAncestorsGetTheSameLetter()
    {
        PedigreeSlots ancestors;
        ancestors.index[1] = 10;
        ancestors.index[2] = 11;
        ancestors.index[3] = 20; // the father's father ...
        ancestors.index[5] = 20; // ... is the mother's father too
        ancestors.index[7] = 30;
        ancestors.index[11] = 30;
        const auto marks = PedigreeReport::repeatMarks(ancestors);
        QCOMPARE(marks[3], QStringLiteral("A"));
        QCOMPARE(marks[5], QStringLiteral("A"));
        QCOMPARE(marks[7], QStringLiteral("B"));
        QCOMPARE(marks[11], QStringLiteral("B"));
        QVERIFY(marks[1].isEmpty() && marks[4].isEmpty());
    }
};

QTEST_MAIN(TestPedigree)
#include "TestPedigree.moc"
