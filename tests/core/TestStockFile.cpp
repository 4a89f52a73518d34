#include "core/files/StockFile.h"

#include "core/analysis/Inbreeding.h"
#include "core/pedigree/PedigreeSlots.h"
#include "core/stock/RingIndex.h"
#include "support/FailingDevice.h"
#include "support/FileBytes.h"

#include <QBuffer>
#include <QTest>
#include <QtEndian>

namespace {

QByteArray written(const StockData& db)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!StockFile::write(buffer, db))
        return {};
    return buffer.data();
}

QByteArray defaultTail()
{
    FileBytes f;
    f.u8(0);
    for (int i = 0; i < 7; ++i)
        f.bounded("", 40);
    f.u8(0).i32(0).i32(0).u8(1).i32(0x00FF0000).i32(0x00FF00FF).i32(0x00008000);
    return f.bytes;
}

// Where an animal starts: each one before it is its fixed fields, then two counted texts.
qsizetype animalAt(const QByteArray& bytes, int index)
{
    qsizetype at = 8;
    for (int i = 0; i < index; ++i) {
        at += 214;
        for (int text = 0; text < 2; ++text)
            at += 4 + qFromLittleEndian<qint32>(bytes.constData() + at);
    }
    return at;
}

const StockData& complete()
{
    static const StockData sample = [] {
        StockData db;
        StockFile::read(SampleFiles::stock(false), db);
        return db;
    }();
    return sample;
}

qsizetype secondAnimal()
{
    return animalAt(SampleFiles::stock(false), 1);
}

// A stock large enough to be read by several threads, its texts of many lengths.
StockData largeStock()
{
    StockData db;
    db.print = PrintSettings::defaults();
    const QStringList colours = {QStringLiteral("gelb"), QStringLiteral("rotbraun mit Weiß"), QString()};
    for (int i = 0; i < 25000; ++i) {
        Animal a;
        a.ringNumber = QStringLiteral("R-%1").arg(i);
        a.sex = i % 2 ? Sex::Female : Sex::Male;
        a.birthYear = 2000 + i % 25;
        a.colour = colours[i % 3];
        a.remarks = QString(i % 40, QChar(u'ä'));
        a.listRemarks = i % 5 ? QString() : QStringLiteral("Liste %1").arg(i);
        a.active = i % 11 != 0;
        if (a.active && i >= 2) {
            a.fatherRing = QStringLiteral("R-%1").arg(i - 2);
            a.motherRing = QStringLiteral("R-%1").arg(i - 1);
        }
        db.animals.push_back(a);
    }
    return db;
}

} // namespace

class TestStockFile : public QObject
{
    Q_OBJECT

private slots:
    void emptyStockIsHeaderAndTail()
    {
        StockData db;
        db.print = PrintSettings::defaults();
        const QByteArray bytes = written(db);
        QCOMPARE(bytes.size(), 318);
        QCOMPARE(bytes, FileBytes().i32(100003).i32(0).bytes + defaultTail());

        StockData back;
        QCOMPARE(StockFile::read(bytes, back).status, StockFile::ReadStatus::Complete);
        QVERIFY(back.animals.empty());
        QCOMPARE(back.print, PrintSettings::defaults());
    }

    void animalFieldsInFileOrder()
    {
        StockData db;
        Animal a;
        a.ringNumber = QStringLiteral("DE-06165-2012-000123");
        a.sex = Sex::Female;
        a.birthYear = 2012;
        a.breeder = QStringLiteral("Müller");
        a.colour = QStringLiteral("gelb");
        a.breed = QStringLiteral("Gloster");
        a.markings = QStringLiteral("gescheckt");
        a.remarks = QStringLiteral("Größe € – ok");
        a.listRemarks = QStringLiteral("ß");
        a.fatherRing = QStringLiteral("V");
        a.motherRing = QStringLiteral("M");
        a.active = 1;
        a.listedMark = 1;
        a.sold = 1;
        a.reserved[0] = -2;
        a.reserved[3] = 0x01020304;
        db.animals.push_back(a);

        FileBytes f;
        f.i32(100003).i32(1);
        f.bounded("DE-06165-2012-000123", 20).i32(2).i32(2012);
        f.bounded("M\xFCller", 30).bounded("gelb", 30).bounded("gescheckt", 30).bounded("Gloster", 30);
        f.bounded("V", 20).bounded("M", 20).u8(1).u8(1).u8(1);
        f.i32(-2).i32(0).i32(0).i32(0x01020304);
        f.counted("Gr\xF6\xDF"
                  "e \x80 \x96 ok")
            .counted("\xDF");
        // Settings never set are zero: a tail of 310 zero bytes.
        QCOMPARE(written(db), f.bytes + QByteArray(310, '\0'));
    }

    void textsAreCutAndUnmappableCharactersBecomeQuestionMarks()
    {
        StockData db;
        Animal a;
        a.ringNumber = QStringLiteral("123456789012345678901234");
        a.breeder = QString(35, QLatin1Char('x'));
        a.remarks = QStringLiteral("a\u4E2Db\U0001F426c");
        db.animals.push_back(a);
        StockData back;
        QCOMPARE(StockFile::read(written(db), back).status, StockFile::ReadStatus::Complete);
        QCOMPARE(back.animals.at(0).ringNumber, QStringLiteral("12345678901234567890"));
        QCOMPARE(back.animals.at(0).breeder, QString(30, QLatin1Char('x')));
        QCOMPARE(back.animals.at(0).remarks, QStringLiteral("a?b?c"));
    }

    void sampleComesBackAsTheProgramWritesIt()
    {
        StockData db;
        QCOMPARE(StockFile::read(SampleFiles::stock(true), db).status, StockFile::ReadStatus::Complete);
        QCOMPARE(db.animals.size(), size_t(SampleFiles::kAnimals));
        const Animal& first = db.animals.at(0);
        QCOMPARE(first.breeder, QStringLiteral("Müller"));
        QCOMPARE(first.remarks, QStringLiteral("Goldmedaille – 93 Pkt. Größe, Preis 12 €"));
        QCOMPARE(first.reserved[2], 0x12345678);
        const Animal& deleted = db.animals.at(2);
        QCOMPARE(deleted.ringNumber, QStringLiteral("OLD-7"));
        QVERIFY(deleted.fatherRing.isEmpty() && deleted.motherRing.isEmpty());
        QCOMPARE(db.animals.at(3).fatherRing, QStringLiteral("AB-12")); // sold keeps its parents
        QCOMPARE(db.breeder.postcodeCity, QStringLiteral("12345 Köln"));
        QCOMPARE(db.print.headerColour, 0x00778899u);
        QCOMPARE(written(db), SampleFiles::stock(false));
    }

    void wrongVersionReadsNothing()
    {
        QByteArray bytes = SampleFiles::stock(false);
        bytes[0] = 0x24;
        StockData db;
        db.print = PrintSettings::defaults();
        QCOMPARE(StockFile::read(bytes, db).status, StockFile::ReadStatus::WrongVersion);
        QVERIFY(db.animals.empty());
        QCOMPARE(db.print, PrintSettings::defaults());
    }

    void damagedCountsAndLengthsAreReported_data()
    {
        QTest::addColumn<qsizetype>("offset");
        QTest::addColumn<QByteArray>("patch");
        QTest::addColumn<int>("animalsKept");
        QTest::newRow("negative count") << qsizetype(4) << QByteArray("\xFF\xFF\xFF\xFF", 4) << 0;
        QTest::newRow("count beyond the file") << qsizetype(4) << QByteArray("\x05\x00\x00\x00", 4) << 4;
        QTest::newRow("ring length 21") << qsizetype(8) << QByteArray("\x15") << 0;
        QTest::newRow("breeder length 31") << secondAnimal() + 29 << QByteArray("\x1F") << 1;
        QTest::newRow("mother length 255") << secondAnimal() + 174 << QByteArray("\xFF") << 1;
        QTest::newRow("negative remarks count") << secondAnimal() + 214 << QByteArray("\xFE\xFF\xFF\xFF", 4) << 1;
        QTest::newRow("huge remarks count") << secondAnimal() + 214 << QByteArray("\x00\x00\x00\x40", 4) << 1;
    }

    void damagedCountsAndLengthsAreReported()
    {
        QFETCH(qsizetype, offset);
        QFETCH(QByteArray, patch);
        QFETCH(int, animalsKept);
        QByteArray bytes = SampleFiles::stock(false);
        bytes.replace(offset, patch.size(), patch);
        StockData db;
        const StockFile::ReadResult result = StockFile::read(bytes, db);
        QCOMPARE(result.status, StockFile::ReadStatus::Damaged);
        // Reading a few animals leaves it to the whole read to find and report the damage.
        QBuffer device(&bytes);
        device.open(QIODevice::ReadOnly);
        StockData few;
        QVERIFY(!StockFile::readAncestries(device, {complete().animals[0].ringNumber}, few));
        QVERIFY(!result.problem.isEmpty());
        // Animals before the damage are kept as they were.
        QVERIFY(int(db.animals.size()) >= animalsKept);
        for (int i = 0; i < animalsKept; ++i)
            QCOMPARE(db.animals[i], complete().animals[i]);
    }

    // The file read to any length gives whole animals of the sample, in order,
    // at most one of them in part, and says so.
    void everyTruncationIsReportedAndKeepsWhatWasRead()
    {
        const QByteArray full = SampleFiles::stock(false);
        StockData complete;
        StockFile::read(full, complete);
        for (qsizetype length = 0; length < full.size(); ++length) {
            StockData db;
            const auto result = StockFile::read(QByteArrayView(full.constData(), length), db);
            QVERIFY2(result.status == StockFile::ReadStatus::Damaged, qPrintable(QString::number(length)));
            QVERIFY(db.animals.size() <= complete.animals.size());
            for (size_t i = 0; i + 1 < db.animals.size(); ++i)
                QCOMPARE(db.animals[i], complete.animals[i]);
        }
    }

    // Large stocks are decoded by several threads at once: the same animals as
    // written, and damage anywhere read as the careful reading reads it.
    void largeStockReadsAsWritten()
    {
        const StockData db = largeStock();
        const QByteArray bytes = written(db);
        StockData back;
        QCOMPARE(StockFile::read(bytes, back).status, StockFile::ReadStatus::Complete);
        QVERIFY(back.animals == db.animals);
        QCOMPARE(back.print, db.print);

        auto keepsWhatCameBefore = [&db](const StockData& read, size_t damagedAt) {
            QVERIFY(read.animals.size() >= damagedAt);
            for (size_t i = 0; i < damagedAt; ++i)
                QVERIFY2(read.animals[i] == db.animals[i], qPrintable(QString::number(i)));
        };
        // A ring too long for its field: the record starts are whole, one record is not.
        QByteArray longRing = bytes;
        longRing[animalAt(bytes, 20000)] = 21;
        StockData damaged;
        QCOMPARE(StockFile::read(longRing, damaged).status, StockFile::ReadStatus::Damaged);
        keepsWhatCameBefore(damaged, 20000);
        // Cut off in the middle, and one animal more declared than written.
        StockData cut;
        QCOMPARE(StockFile::read(QByteArrayView(bytes.constData(), animalAt(bytes, 12345) + 100), cut).status,
                 StockFile::ReadStatus::Damaged);
        keepsWhatCameBefore(cut, 12345);
        QByteArray oneMore = bytes;
        qToLittleEndian<qint32>(25001, oneMore.data() + 4);
        StockData more;
        QCOMPARE(StockFile::read(oneMore, more).status, StockFile::ReadStatus::Damaged);
        keepsWhatCameBefore(more, 25000);
    }

    // A few animals read with their ancestors give the certificate the whole
    // read gives: the same birds in every slot and the same inbreeding, with
    // rings worn twice, deleted records, a bird its own ancestor, a ring in
    // Windows-1252 beyond Latin-1 and rings no record can hold.
    void aFewAnimalsWithTheirAncestorsReadAsTheWholeReadHasThem()
    {
        StockData db = largeStock();
        auto add = [&db](const char* ring, const char* father, const char* mother, bool active = true) {
            Animal a;
            a.ringNumber = QString::fromUtf8(ring);
            a.fatherRing = QString::fromUtf8(father);
            a.motherRing = QString::fromUtf8(mother);
            a.active = active;
            db.animals.push_back(a);
        };
        add("€-1", "R-100", "R-101");
        add("TWICE", "R-7", "R-8");
        add("TWICE", "€-1", "R-3"); // the last record of a ring is its bird
        add("TWICE", "R-5", "R-6", false);
        add("LOOP-A", "LOOP-B", "R-4");
        add("LOOP-B", "LOOP-A", "TWICE");
        add("YOUNG", "LOOP-B", "TWICE");
        db.breeder.lastName = QStringLiteral("Weber");
        QByteArray bytes = written(db);
        StockData whole;
        StockFile::read(bytes, whole);
        const RingIndex wholeIndex(whole.animals);

        const QStringList asked {"YOUNG", "R-2498", "R-11", "€-1", "NIX", "Ж", QString(30, u'R')};
        QBuffer device(&bytes);
        device.open(QIODevice::ReadOnly);
        StockData few;
        const auto read = StockFile::readAncestries(device, asked, few);
        QVERIFY(read && read->status == StockFile::ReadStatus::Complete);
        QVERIFY(few.animals.size() < whole.animals.size());
        QCOMPARE(few.breeder, whole.breeder);
        QCOMPARE(few.print, whole.print);
        const RingIndex fewIndex(few.animals);
        for (const QString& ring : asked) {
            const qsizetype inWhole = wholeIndex.lastActiveWith(ring);
            const qsizetype inFew = fewIndex.lastActiveWith(ring);
            QCOMPARE(inFew < 0, inWhole < 0);
            if (inWhole < 0)
                continue;
            const PedigreeSlots wholeSlots = resolvePedigree(whole.animals, whole.animals[size_t(inWhole)], wholeIndex);
            const PedigreeSlots fewSlots = resolvePedigree(few.animals, few.animals[size_t(inFew)], fewIndex);
            for (int slot = 1; slot <= PedigreeSlots::kCount; ++slot) {
                QCOMPARE(fewSlots.empty(slot), wholeSlots.empty(slot));
                if (!wholeSlots.empty(slot))
                    QCOMPARE(few.animals[size_t(fewSlots.index[slot])], whole.animals[size_t(wholeSlots.index[slot])]);
            }
            const Inbreeding wholeF = InbreedingCalculator(whole.animals, wholeIndex).of(inWhole);
            const Inbreeding fewF = InbreedingCalculator(few.animals, fewIndex).of(inFew);
            QCOMPARE(fewF.coefficient, wholeF.coefficient);
            QCOMPARE(fewF.cycleCut, wholeF.cycleCut);
        }
    }

    void everyFailedWriteIsNoticed()
    {
        StockData db;
        Animal a;
        a.ringNumber = QStringLiteral("R");
        a.remarks = QString(200, QLatin1Char('r'));
        db.animals.assign(12000, a); // several blocks
        FailingDevice counting(0, false);
        QVERIFY(StockFile::write(counting, db));
        QVERIFY(counting.writeCalls() >= 3);
        for (int k = 1; k <= counting.writeCalls(); ++k) {
            for (bool forGood : {false, true}) {
                FailingDevice device(k, forGood);
                QVERIFY2(!StockFile::write(device, db), qPrintable(QString::number(k)));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestStockFile)
#include "TestStockFile.moc"
