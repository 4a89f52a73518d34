// A long report written as a PDF in runs of pages on several threads, then
// joined: the file must read and look exactly as the one written in one piece.
#include "reports/engine/PdfJoin.h"
#include "reports/engine/ReportOutput.h"
#include "reports/layouts/StockListReport.h"
#include "support/FileHelpers.h"
#include "support/PopplerTools.h"

#include <QFile>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

namespace {

const QString kDate = QStringLiteral("09.12.2026");

// Seven pages of the stock list, with umlauts and texts long enough to wrap.
std::shared_ptr<ReportPages> longList()
{
    QStringList items;
    for (int i = 0; i < 160; ++i)
        items << QStringLiteral("DE-AZ-%1-2026  Gelb intensiv, Schimmel %2\r\nHahn  Zuchttier aus Stämmen Müller, "
                                "Größe und Haltung vorzüglich, Rücken ohne Tadel")
                     .arg(i, 4, 10, QLatin1Char('0'))
                     .arg(i % 7);
    return stockListPages(items, StockListLayout::TwoLines, QStringLiteral("Kanarienvögelbestandsliste"));
}

QByteArray written(const ReportPages& pages, const QString& path, int parts)
{
    if (!ReportOutput::writePdf(pages, path, kDate, {}, parts).ok())
        return {};
    return contents(path);
}

} // namespace

class TestPdfParts : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (!canReadPdfs())
            QFAIL("pdftoppm (poppler-utils) is needed; scripts/deps installs it");
        QVERIFY(m_dir.isValid());
    }

    void aReportWrittenInPartsLooksAsWrittenInOnePiece()
    {
#ifdef Q_OS_WIN
        QSKIP("Windows writes every PDF in one piece");
#endif
        const auto pages = longList();
        QCOMPARE(pages->count(), 7);
        const QString whole = m_dir.filePath(QStringLiteral("ganz.pdf"));
        const QString joined = m_dir.filePath(QStringLiteral("teile.pdf"));
        QVERIFY(!written(*pages, whole, 1).isEmpty());

        std::vector<std::pair<int, int>> reported;
        bool elsewhere = false;
        const auto outcome = ReportOutput::writePdf(
            *pages, joined, kDate,
            [&](int done, int count) {
                elsewhere = elsewhere || QThread::currentThread() != thread();
                reported.emplace_back(done, count);
                return true;
            },
            3);
        QVERIFY(outcome.ok());
        QVERIFY(!reported.empty());
        QVERIFY2(!elsewhere, "progress is reported on the calling thread only");
        for (size_t i = 0; i < reported.size(); ++i) {
            QCOMPARE(reported[i].second, 7);
            QVERIFY(reported[i].first >= 0 && reported[i].first < 7);
            QVERIFY(i == 0 || reported[i].first >= reported[i - 1].first);
        }

        const QList<QImage> expected = pdfPageImages(whole, 40);
        const QList<QImage> seen = pdfPageImages(joined, 40);
        QCOMPARE(expected.size(), 7);
        QCOMPARE(seen.size(), expected.size());
        for (qsizetype i = 0; i < seen.size(); ++i)
            QVERIFY2(seen[i] == expected[i], qPrintable(QStringLiteral("page %1 differs").arg(i + 1)));
        QCOMPARE(popplerOutput(QStringLiteral("pdftotext"), {}, joined, {QStringLiteral("-")}),
                 popplerOutput(QStringLiteral("pdftotext"), {}, whole, {QStringLiteral("-")}));

        // Each part embeds the fonts its pages use; each subset keeps a tag of its own.
        const QStringList fonts
            = popplerOutput(QStringLiteral("pdffonts"), {}, joined).split(QLatin1Char('\n'), Qt::SkipEmptyParts).mid(2);
        QCOMPARE(fonts.size(), 3 * 3); // three fonts in each of three parts
        for (const QString& font : fonts)
            QVERIFY2(font.contains(QStringLiteral(" yes ")), qPrintable(font));
        QStringList tags;
        const QRegularExpression tag(QStringLiteral("/FontName /([A-Z]{6})\\+"));
        for (auto it = tag.globalMatch(QString::fromLatin1(contents(joined))); it.hasNext();)
            tags << it.next().captured(1);
        QCOMPARE(tags.size(), 9);
        QCOMPARE(QSet<QString>(tags.begin(), tags.end()).size(), 9);

        // What the join writes is itself a file of the form it reads.
        QVERIFY(joinPdfParts({contents(joined)}).has_value());
    }

    void aCancelledReportInPartsLeavesTheOldFile()
    {
        const QString path = m_dir.filePath(QStringLiteral("alt.pdf"));
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("alt") == 3);
        old.close();
        int asked = 0;
        const auto outcome = ReportOutput::writePdf(
            *longList(), path, kDate,
            [&](int, int) {
                ++asked;
                return false;
            },
            3);
        QVERIFY(outcome.cancelled);
        QCOMPARE(asked, 1);
        QCOMPARE(contents(path), QByteArray("alt"));
    }

    void partsNotAsQtWritesThemAreNotJoined()
    {
        const auto pages = longList();
        const QByteArray part = written(*pages, m_dir.filePath(QStringLiteral("teil.pdf")), 1);
        QVERIFY(!part.isEmpty());
        const auto twice = joinPdfParts({part, part});
        QVERIFY(twice.has_value());
        QVERIFY(twice->size() > part.size());
        QVERIFY(twice->contains("/Count 14\n"));

        QVERIFY(!joinPdfParts({}).has_value());
        QVERIFY(!joinPdfParts({QByteArray("%PDF-1.4\nstartxref\n9\n%%EOF\n")}).has_value());
        // Cut anywhere before the place of its table, a part is refused, never misread.
        const qsizetype tablePlace = part.lastIndexOf("startxref") + 10;
        for (qsizetype cut = 0; cut <= tablePlace;
             cut += cut + 97 > tablePlace && cut < tablePlace ? tablePlace - cut : 97)
            QVERIFY2(!joinPdfParts({part, part.first(cut)}).has_value(), qPrintable(QString::number(cut)));
        // A table that claims more entries than the file has bytes for.
        QByteArray counted = part;
        const qsizetype table = counted.lastIndexOf("xref\n0 ");
        counted.replace(table, counted.indexOf('\n', table + 5) - table, "xref\n0 999999999");
        QVERIFY(!joinPdfParts({part, counted}).has_value());
        // Objects no longer where the table has them.
        QByteArray shifted = part;
        shifted.insert(part.indexOf("\n4 0 obj") + 1, 'x');
        QVERIFY(!joinPdfParts({part, shifted}).has_value());
    }

private:
    QTemporaryDir m_dir;
};

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    TestPdfParts test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestPdfParts.moc"
