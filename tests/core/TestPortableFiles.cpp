// The data files are the same bytes whichever system wrote them: the same
// changes made here on Linux and on Windows save exactly the files in
// tests/data/portable, made by the Linux build.
#include "core/model/Dates.h"
#include "core/stock/AnimalChange.h"
#include "core/stock/StockDocument.h"
#include "support/FileHelpers.h"
#include "support/SampleAnimals.h"

#include <QTemporaryDir>
#include <QTest>

class TestPortableFiles : public QObject
{
    Q_OBJECT

private slots:
    void theSameChangesSaveTheSameBytes()
    {
        QTemporaryDir dir;
        const QString folder = dir.path() + QStringLiteral("/daten/");
        StockData db;
        db.print = PrintSettings::defaults();
        StockDocument stock(db, DataFiles(folder));

        stock.setBreederData({QStringLiteral("Jörg"), QStringLiteral("Weiß"), QStringLiteral("Am Vogelsang 3"),
                              QStringLiteral("50667 Köln"), QStringLiteral("0221 123456"), QStringLiteral("Z-4711"),
                              QStringLiteral("V 08")});
        Animal father = testAnimal(QStringLiteral("DE-0001-2024"), Sex::Male, 2024, QStringLiteral("Gloster Corona"));
        father.colour = QStringLiteral("Isabell");
        father.remarks = QStringLiteral("Landesschau: 93 Punkte, Gold – „Bester Hahn“");
        Animal mother
            = testAnimal(QStringLiteral("DE-0002-2024"), Sex::Female, 2024, QStringLiteral("Gloster Consort"));
        mother.colour = QStringLiteral("grün-weiß");
        mother.listRemarks = QStringLiteral("Zuchthenne ½");
        stock.appendAnimals({father, mother, testAnimal(QStringLiteral("WEG"), Sex::Male, 2023)});

        const double start = Dates::fromDate(QDate(2025, 3, 5));
        stock.addPair({father.ringNumber, mother.ringNumber, 7, start, {}});
        stock.addClutch(0);
        Clutch clutch {start + 20, start + 23, start + 24, 4, {{}, {}, {}, {}}};
        stock.setClutch(0, 0, clutch);
        Animal young = testAnimal(QStringLiteral("DE-0101-2025"), Sex::Female, 2025);
        young.fatherRing = father.ringNumber;
        young.motherRing = mother.ringNumber;
        stock.ringYoung(0, 0, 1, young, {young.ringNumber, 0, start + 37});

        AnimalEdit edit;
        edit.fields = {father.ringNumber, Sex::Male,    QStringLiteral("2024"),      father.breeder,    father.colour,
                       father.markings,   father.breed, QStringLiteral("umbenannt"), father.listRemarks};
        edit.fields.ring = QStringLiteral("DE-0001-2024-N");
        QVERIFY(stock.changeAnimal(father.ringNumber, edit, [](int) { return true; }).stored());
        QVERIFY(stock.deleteAnimal(QStringLiteral("WEG")).isEmpty());
        stock.sortStock();
        QVERIFY(stock.save().ok);

        for (const char* file : {"taubenstamm.dat", "zuchtpaare.dat"})
            QCOMPARE(contents(folder + QString::fromLatin1(file)),
                     contents(QStringLiteral(AVELOR_TEST_DATA "/portable/") + QString::fromLatin1(file)));
    }
};

QTEST_GUILESS_MAIN(TestPortableFiles)
#include "TestPortableFiles.moc"
