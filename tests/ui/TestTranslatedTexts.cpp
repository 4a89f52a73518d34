// Every text a breeder can read, in every window and printout, comes through
// translation: with every translated text marked, what is left unmarked may
// only be the breeder's own data.
#include "core/language/Languages.h"
#include "core/language/TextLanguage.h"
#include "core/stock/StockDocument.h"
#include "reports/engine/ReportPage.h"
#include "support/WindowFixture.h"
#include "support/WindowTour.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSet>
#include <QTabWidget>
#include <QTest>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QTranslator>
#include <QXmlStreamReader>

namespace {

const QString kOpen = QStringLiteral("\u27e6");
const QString kClose = QStringLiteral("\u27e7");

// Answers every text with the German source between marks.
class MarkingTranslator final : public QTranslator
{
public:
    QString translate(const char*, const char* source, const char*, int) const override
    {
        if (!source || !*source)
            return {};
        return kOpen + QString::fromUtf8(source) + kClose;
    }
    bool isEmpty() const override { return false; }
};

// The words of a text outside every marked part (marks nest where a
// translated text is put into another one).
QStringList unmarkedWords(QString text)
{
    static const QRegularExpression innermost(QStringLiteral("\u27e6[^\u27e6\u27e7]*\u27e7"));
    for (qsizetype before = -1; before != text.size();) {
        before = text.size();
        text.replace(innermost, QStringLiteral(" "));
    }
    static const QRegularExpression word(QStringLiteral("\\p{L}+"));
    QStringList words;
    for (auto it = word.globalMatch(text); it.hasNext();)
        words << it.next().captured();
    return words;
}

QString plain(const QString& text)
{
    return Qt::mightBeRichText(text) ? QTextDocumentFragment::fromHtml(text).toPlainText() : text;
}

// Everything a person can read or hear of one widget.
QStringList textsOf(QWidget* w)
{
    QStringList texts {w->toolTip(), w->statusTip(), w->whatsThis(), w->accessibleName(), w->accessibleDescription()};
    if (w->isWindow())
        texts << w->windowTitle();
    if (auto* label = qobject_cast<QLabel*>(w))
        texts << plain(label->text());
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        texts << button->text();
    if (auto* group = qobject_cast<QGroupBox*>(w))
        texts << group->title();
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        texts << edit->text() << edit->placeholderText();
    if (auto* edit = qobject_cast<QPlainTextEdit*>(w))
        texts << edit->toPlainText() << edit->placeholderText();
    if (auto* edit = qobject_cast<QTextEdit*>(w))
        texts << edit->toPlainText() << edit->placeholderText();
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(w))
        texts << spin->text() << spin->specialValueText();
    if (auto* combo = qobject_cast<QComboBox*>(w)) {
        for (int i = 0; i < combo->count(); ++i)
            texts << combo->itemText(i);
    }
    if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
        for (int i = 0; i < tabs->count(); ++i)
            texts << tabs->tabText(i) << tabs->tabToolTip(i);
    }
    if (auto* view = qobject_cast<QAbstractItemView*>(w); view && view->model()) {
        const QAbstractItemModel* model = view->model();
        for (int c = 0; c < model->columnCount(); ++c)
            texts << model->headerData(c, Qt::Horizontal).toString();
        for (int r = 0; r < std::min(model->rowCount(), 40); ++r) {
            for (int c = 0; c < model->columnCount(); ++c) {
                texts << model->index(r, c).data().toString() << model->index(r, c).data(Qt::ToolTipRole).toString();
            }
        }
    }
    for (QAction* action : w->actions())
        texts << action->text() << action->toolTip();
    if (auto* menu = qobject_cast<QMenu*>(w)) {
        for (QAction* action : menu->actions())
            texts << action->text();
    }
    return texts;
}

} // namespace

class TestTranslatedTexts : public QObject
{
    Q_OBJECT

private:
    // The breeder's own words: rings, names, colours, breeds, remarks, shows.
    QSet<QString> dataWords(StockDocument& stock) const
    {
        QStringList texts;
        for (const Animal& a : stock.animals()) {
            texts << a.ringNumber << a.breeder << a.colour << a.breed << a.markings << a.remarks << a.listRemarks;
            if (const auto w = stock.records().whereabouts(a.ringNumber))
                texts << w->buyerName << w->buyerAddress;
            for (const ShowResult& r : stock.records().showResults(a.ringNumber))
                texts << r.show << r.showClass << r.award;
        }
        for (const ShowEvent& show : stock.records().showEvents()) {
            texts << show.name << show.place << show.organiser;
            for (const ShowEntry& e : stock.records().entries(show.id))
                texts << e.showClass << e.award;
        }
        for (const RingDelivery& d : stock.records().ringDeliveries())
            texts << d.club << d.size << d.colour << d.prefix;
        texts << stock.records().locationsInUse();
        const BreederData& b = stock.data().breeder;
        // Each language is offered under its own name.
        for (const Language& language : Languages::available())
            texts << language.nativeName;
        texts << b.firstName << b.lastName << b.street << b.postcodeCity << b.breederNumber << b.clubNumber;
        // The import sample's columns and values, the program's name.
        texts << QStringLiteral("Ring-Nr. Geschl. Jahrgang Farbe Vater Mutter Notiz gelb rot zahm Weibchen Avelor");
        QSet<QString> words;
        for (const QString& text : texts) {
            for (const QString& w : unmarkedWords(text))
                words.insert(w);
        }
        return words;
    }

    QStringList unmarked(const QStringList& texts, const QSet<QString>& allowed, const QString& where) const
    {
        QStringList found;
        for (const QString& text : texts) {
            QStringList words = unmarkedWords(text);
            words.removeIf([&allowed](const QString& w) { return allowed.contains(w); });
            if (!words.isEmpty())
                found << QStringLiteral("%1: %2 in „%3“").arg(where, words.join(QLatin1Char(' ')), text.left(100));
        }
        return found;
    }

    // Every unmarked or unexpected word the tour meets, where it met it.
    QStringList tourTexts(const std::function<QStringList(const QStringList&, const QString&)>& check) const
    {
        WindowFixture f(tourStock());
        addTourRecords(f.stock());
        QStringList found;
        tourWindows(f,
                    {.window =
                         [&](QWidget* window, const QString& name) {
                             QList<QWidget*> widgets {window};
                             widgets += window->findChildren<QWidget*>();
                             for (QWidget* w : widgets) {
                                 if (w == window || w->isVisibleTo(window))
                                     found += check(textsOf(w), name + "/" + w->objectName());
                             }
                         },
                     .printout =
                         [&](const ReportPage& page, const QString& name) {
                             for (const ReportElement& e : page.elements) {
                                 if (const auto* text = std::get_if<TextElement>(&e))
                                     found += check({text->text()}, name + "/" + text->name);
                             }
                         }});
        found += check(f.messages.texts, QStringLiteral("message"));
        found.removeDuplicates();
        return found;
    }

    QSet<QString> tourDataWords() const
    {
        WindowFixture f(tourStock());
        addTourRecords(f.stock());
        return dataWords(f.stock());
    }

    // The words of the German texts and of their translations in a language's file.
    static std::pair<QSet<QString>, QSet<QString>> catalogueWords(const QString& code)
    {
        QFile file(QStringLiteral(AVELOR_TRANSLATIONS "/avelor_%1.ts").arg(code));
        if (!file.open(QIODevice::ReadOnly))
            qFatal("no translation file for %s", qPrintable(code));
        std::pair<QSet<QString>, QSet<QString>> words;
        QXmlStreamReader xml(&file);
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            QSet<QString>* into = xml.name() == QLatin1String("source") ? &words.first
                : xml.name() == QLatin1String("translation")            ? &words.second
                                                                        : nullptr;
            if (into) {
                for (const QString& w : unmarkedWords(xml.readElementText(QXmlStreamReader::IncludeChildElements)))
                    into->insert(w);
            }
        }
        if (xml.hasError())
            qFatal("%s: %s", qPrintable(file.fileName()), qPrintable(xml.errorString()));
        return words;
    }

private slots:
    void noTextBypassesTranslation()
    {
        MarkingTranslator marks;
        QCoreApplication::installTranslator(&marks);
        const QSet<QString> allowed = tourDataWords();
        const QStringList found = tourTexts(
            [&](const QStringList& texts, const QString& where) { return unmarked(texts, allowed, where); });
        QCoreApplication::removeTranslator(&marks);
        if (!found.isEmpty())
            QFAIL(qPrintable(found.join(QLatin1Char('\n'))));
    }

    void noGermanIsLeftInAnyLanguage_data()
    {
        QTest::addColumn<QString>("code");
        for (const Language& language : Languages::available()) {
            if (language.code != QLatin1String(Languages::German))
                QTest::newRow(qPrintable(language.code)) << language.code;
        }
    }

    void noGermanIsLeftInAnyLanguage()
    {
        QFETCH(QString, code);
        // German words are those of the source texts that no translation uses.
        auto [german, translated] = catalogueWords(code);
        german.subtract(translated);
        german.subtract(tourDataWords());
        // The import sample's path: on Windows its folders are words too.
        for (const QString& w : unmarkedWords(QDir::toNativeSeparators(QDir::tempPath())))
            german.remove(w);
        TextLanguage::install(code);
        const QStringList found = tourTexts([&](const QStringList& texts, const QString& where) {
            QStringList left;
            for (const QString& text : texts) {
                QStringList words = unmarkedWords(text);
                words.removeIf([&german](const QString& w) { return !german.contains(w); });
                if (!words.isEmpty())
                    left << QStringLiteral("%1: %2 in „%3“").arg(where, words.join(QLatin1Char(' ')), text.left(100));
            }
            return left;
        });
        TextLanguage::install(QString::fromLatin1(Languages::German));
        if (!found.isEmpty())
            QFAIL(qPrintable(found.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestTranslatedTexts)
#include "TestTranslatedTexts.moc"
