#include "core/files/PairFile.h"
#include "support/FailingDevice.h"
#include "support/FileBytes.h"

#include <QBuffer>
#include <QTest>

namespace {

QByteArray written(const PairTable& pairs)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!PairFile::write(buffer, pairs))
        return {};
    return buffer.data();
}

} // namespace

class TestPairFile : public QObject
{
    Q_OBJECT

private slots:
    void emptyTableIsFourZeroBytes()
    {
        QCOMPARE(written({}), QByteArray(4, '\0'));
        PairTable pairs(1);
        QCOMPARE(PairFile::read(QByteArray(4, '\0'), pairs).complete, true);
        QVERIFY(pairs.empty());
    }

    void pairClutchAndYoungInFileOrder()
    {
        BreedingPair pair;
        pair.cockRing = QStringLiteral("C-1");
        pair.henRing = QStringLiteral("HÄ-2");
        pair.cageNumber = 12;
        pair.breedingStart = 41703.0;
        Clutch clutch;
        clutch.firstEgg = 1.5;
        clutch.lastEgg = 2.0;
        clutch.incubationStart = 3.0;
        clutch.eggCount = 1;
        clutch.young.push_back({QStringLiteral("J-1"), 41760.0, 41729.0});
        pair.clutches = {Clutch {}, clutch};

        FileBytes f;
        f.i32(1).bounded("C-1", 20).bounded("H\xC4-2", 20).i32(12).f64(41703.0).i32(2);
        f.f64(0).f64(0).f64(0).i32(0).i32(0);
        f.f64(1.5).f64(2.0).f64(3.0).i32(1).i32(1);
        f.bounded("J-1", 20).f64(41760.0).f64(41729.0); // weaned before hatched
        QCOMPARE(written({pair}), f.bytes);
        QCOMPARE(f.size(), 4 + 58 + 32 + 32 + 37);
    }

    void sampleRoundTripsWithPaddingZeroed()
    {
        PairTable pairs;
        QVERIFY(PairFile::read(SampleFiles::pairs(true), pairs).complete);
        QCOMPARE(pairs.size(), size_t(2));
        QCOMPARE(pairs[0].clutches.size(), size_t(3));
        QCOMPARE(pairs[0].clutches[1].young.size(), size_t(12));
        QCOMPARE(pairs[1].henRing, QStringLiteral("ÄRGER"));
        QCOMPARE(written(pairs), SampleFiles::pairs(false));
    }

    void everyTruncationAndDamagedCountIsReported()
    {
        const QByteArray full = SampleFiles::pairs(false);
        for (qsizetype length = 0; length < full.size(); ++length) {
            PairTable pairs;
            const auto result = PairFile::read(QByteArrayView(full.constData(), length), pairs);
            QVERIFY2(!result.complete && !result.problem.isEmpty(), qPrintable(QString::number(length)));
        }
        for (const QByteArray& count : {QByteArray("\xFF\xFF\xFF\xFF", 4), QByteArray("\x00\x00\x00\x01", 4)}) {
            QByteArray bytes = full;
            bytes.replace(0, 4, count);
            PairTable pairs;
            QVERIFY(!PairFile::read(bytes, pairs).complete);
            QVERIFY(pairs.empty());
        }
    }

    void everySingleByteChangeLoadsOrIsReported()
    {
        const QByteArray full = SampleFiles::pairs(true);
        for (qsizetype i = 0; i < full.size(); ++i) {
            for (const char value : {'\x00', '\x15', '\x7F', '\xFF'}) {
                QByteArray bytes = full;
                bytes[i] = value;
                PairTable pairs;
                const auto result = PairFile::read(bytes, pairs);
                QVERIFY(result.complete || !result.problem.isEmpty());
            }
        }
    }

    void everyFailedWriteIsNoticed()
    {
        BreedingPair pair;
        pair.cockRing = QStringLiteral("C");
        Clutch clutch;
        clutch.young.resize(40);
        pair.clutches.assign(3, clutch);
        const PairTable pairs(3000, pair); // several blocks
        FailingDevice counting(0, false);
        QVERIFY(PairFile::write(counting, pairs));
        QVERIFY(counting.writeCalls() >= 3);
        for (int k = 1; k <= counting.writeCalls(); ++k) {
            FailingDevice once(k, false);
            QVERIFY(!PairFile::write(once, pairs));
            FailingDevice forGood(k, true);
            QVERIFY(!PairFile::write(forGood, pairs));
        }
    }
};

QTEST_GUILESS_MAIN(TestPairFile)
#include "TestPairFile.moc"
