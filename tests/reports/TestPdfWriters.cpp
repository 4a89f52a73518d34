// Reports as PDF: the program's writer draws the pages on several threads;
// pages with pictures go to Qt's writer, which writes a long report in runs of
// pages on several threads, then joins them. Either way a file must read and
// look exactly as Qt's writer makes it in one piece.
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

// One page of every kind of element the writer draws itself.
ReportPage everyElement()
{
    ReportPage page;
    TextElement title = TextElement::autoSized(QStringLiteral("titel"), {20, 15}, 20, QStringLiteral("Zuchtbuch 2026"));
    title.style.bold = true;
    title.style.underline = true;
    TextElement wrapped = TextElement::fixed(QStringLiteral("bemerkung"), {20, 40, 60, 14}, 12);
    wrapped.lines = {QStringLiteral("Größe, Haltung und Federstruktur vorzüglich; Rücken ohne Tadel, Gesang kräftig")};
    wrapped.style.wordWrap = true;
    wrapped.style.shrinkToFit = true;
    TextElement right = TextElement::printDate(QStringLiteral("datum"), {190, 15}, 10);
    TextElement centred = TextElement::fixed(QStringLiteral("mitte"), {20, 70, 170, 8}, 14);
    centred.lines = {QStringLiteral("Hahn × Henne: „Goldfink“ – Ø 12 mm")};
    centred.style.family = QStringLiteral("Courier New");
    centred.style.alignment = Qt::AlignHCenter;
    TextElement pageNumber = TextElement::autoSized(QStringLiteral("seite"), {20, 280}, 9);
    pageNumber.kind = TextElement::Kind::PageNumber;
    RectElement box {
        QStringLiteral("kasten"), {15, 35, 80, 25}, QColor(0x30, 0x60, 0x90), 0.5, QColor(0xFF, 0xF0, 0xC0)};
    CodeElement code {QStringLiteral("qr"), {150, 100, 30, 30}, 5, {}};
    for (int i = 0; i < 25; ++i)
        code.dark.push_back(i % 3 != 1);
    page.elements = {box,
                     title,
                     wrapped,
                     right,
                     centred,
                     pageNumber,
                     LineElement {{15, 90}, {195, 90}, Qt::black, 0.35},
                     LineElement {{15, 92}, {195, 130}, Qt::red, 1},
                     code};
    return page;
}

QByteArray written(const ReportPages& pages, const QString& path, int parts)
{
    if (!ReportOutput::writePdfWithQt(pages, path, kDate, {}, parts).ok())
        return {};
    return contents(path);
}

QString producer(const QString& pdf)
{
    const QStringList lines = popplerOutput(QStringLiteral("pdfinfo"), {}, pdf).split(QLatin1Char('\n'));
    for (const QString& line : lines)
        if (line.startsWith(QStringLiteral("Producer:")))
            return line.mid(9).trimmed();
    return {};
}

void compareAsDrawn(const QString& expected, const QString& seen, int pages, int dpi)
{
    const QList<QImage> want = pdfPageImages(expected, dpi);
    const QList<QImage> got = pdfPageImages(seen, dpi);
    QCOMPARE(want.size(), pages);
    QCOMPARE(got.size(), want.size());
    for (qsizetype i = 0; i < got.size(); ++i)
        QVERIFY2(got[i] == want[i], qPrintable(QStringLiteral("page %1 differs").arg(i + 1)));
    QCOMPARE(popplerOutput(QStringLiteral("pdftotext"), {}, seen, {QStringLiteral("-")}),
             popplerOutput(QStringLiteral("pdftotext"), {}, expected, {QStringLiteral("-")}));
}

} // namespace

class TestPdfWriters : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (!canReadPdfs())
            QFAIL("pdftoppm (poppler-utils) is needed; scripts/deps installs it");
        QVERIFY(m_dir.isValid());
    }

    void theProgramsWriterDrawsAsQtsWriterDoes()
    {
#ifdef Q_OS_WIN
        QSKIP("Windows writes every PDF through Qt's writer");
#endif
        const auto list = longList();
        QCOMPARE(list->count(), 7);
        const QString qt = m_dir.filePath(QStringLiteral("qt.pdf"));
        const QString own = m_dir.filePath(QStringLiteral("eigen.pdf"));
        QVERIFY(ReportOutput::writePdfWithQt(*list, qt, kDate, {}, 1).ok());
        writeWatchingProgress(&ReportOutput::writePdf, *list, own);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(producer(own), QStringLiteral("Avelor"));
        compareAsDrawn(qt, own, 7, 100);
        const QStringList fonts
            = popplerOutput(QStringLiteral("pdffonts"), {}, own).split(QLatin1Char('\n'), Qt::SkipEmptyParts).mid(2);
        QCOMPARE(fonts.size(), 3);
        for (const QString& font : fonts)
            QVERIFY2(font.contains(QStringLiteral(" yes ")), qPrintable(font));

        // Every kind of element, on one thread and on several.
        const FixedPages one({everyElement()});
        QVERIFY(ReportOutput::writePdfWithQt(one, qt, kDate, {}, 1).ok());
        for (int threads : {1, 2}) {
            QVERIFY(ReportOutput::writePdf(one, own, kDate, {}, threads).ok());
            QCOMPARE(producer(own), QStringLiteral("Avelor"));
            compareAsDrawn(qt, own, 1, 150);
        }
    }

    void pagesWithAPictureGoToQtsWriter()
    {
        ReportPage page = everyElement();
        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(QColor(0x80, 0xA0, 0x40));
        page.elements.push_back(PictureElement {QStringLiteral("bild"), {120, 150, 40, 30}, picture});
        const FixedPages pages({page, everyElement()});
        const QString qt = m_dir.filePath(QStringLiteral("qt-bild.pdf"));
        const QString own = m_dir.filePath(QStringLiteral("bild.pdf"));
        QVERIFY(ReportOutput::writePdfWithQt(pages, qt, kDate, {}, 1).ok());
        QVERIFY(ReportOutput::writePdf(pages, own, kDate, {}, 2).ok());
        QVERIFY(producer(own).startsWith(QStringLiteral("Qt")));
        compareAsDrawn(qt, own, 2, 60);
    }

    void qtsWriterInPartsDrawsAsInOnePiece()
    {
#ifdef Q_OS_WIN
        QSKIP("Windows writes every PDF in one piece");
#endif
        const auto pages = longList();
        QCOMPARE(pages->count(), 7);
        const QString whole = m_dir.filePath(QStringLiteral("ganz.pdf"));
        const QString joined = m_dir.filePath(QStringLiteral("teile.pdf"));
        QVERIFY(!written(*pages, whole, 1).isEmpty());

        writeWatchingProgress(&ReportOutput::writePdfWithQt, *pages, joined);
        if (QTest::currentTestFailed())
            return;

        compareAsDrawn(whole, joined, 7, 40);

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

    void aCancelledReportLeavesTheOldFile()
    {
        const QString path = m_dir.filePath(QStringLiteral("alt.pdf"));
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("alt") == 3);
        old.close();
        for (auto* write : {&ReportOutput::writePdf, &ReportOutput::writePdfWithQt}) {
            int asked = 0;
            const auto outcome = write(
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
    // Writes on three threads; progress comes on this thread only, in order, within the pages.
    void writeWatchingProgress(decltype(&ReportOutput::writePdf) write, const ReportPages& pages, const QString& path)
    {
        std::vector<std::pair<int, int>> reported;
        bool elsewhere = false;
        const auto outcome = write(
            pages, path, kDate,
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
            QCOMPARE(reported[i].second, pages.count());
            QVERIFY(reported[i].first >= 0 && reported[i].first < pages.count());
            QVERIFY(i == 0 || reported[i].first >= reported[i - 1].first);
        }
    }

    QTemporaryDir m_dir;
};

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    TestPdfWriters test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestPdfWriters.moc"
