// The certificate buttons of the main window and the print settings.
#include "app/Startup.h"
#include "core/import/PedigreeImport.h"
#include "core/stock/PreferencesStore.h"
#include "core/stock/StockDocument.h"
#include "support/PedigreeSample.h"
#include "support/WindowFixture.h"
#include "ui/mainwindow/CertificateCommands.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/preview/ReportPreview.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

class TestCertificateCommands : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_f = std::make_unique<WindowFixture>(pedigreeSample()); }

    void cleanup() { m_f.reset(); }

    void everyCommandAsksForAnAnimalFirst()
    {
        auto& messages = m_f->messages;
        auto& printer = m_f->printer;
        for (const char* button :
             {"previewPedigreeButton", "printPedigreeButton", "recordSheetButton", "savePedigreeFileButton"}) {
            click(m_f->window(), button);
            QCOMPARE(messages.last(), QStringLiteral("Bitte den Kanarienvogel auswählen."));
        }
        QCOMPARE(messages.texts.size(), 4);
        QVERIFY(printer.printed.empty());
        QVERIFY(!preview());
    }

    void previewShowsTheCertificateWithTheBuyerText()
    {
        auto& messages = m_f->messages;
        child<QPlainTextEdit>(m_f->window(), "buyerText")->setPlainText(QStringLiteral("Herrn Müller\nKöln"));
        select(kSampleSubject);
        click(m_f->window(), "previewPedigreeButton");
        QVERIFY(messages.texts.isEmpty());
        QVERIFY(preview() && preview()->isVisible());
        QCOMPARE(child<QLabel>(preview(), "pageLabel")->text(), QStringLiteral("Seite 1 von 1"));
        QVERIFY(!child<QLabel>(preview(), "pageImage")->pixmap().isNull());
        const ReportPage& page = m_f->window()->certificateCommands().certificate().page();
        QCOMPARE(page.text(QStringLiteral("topRightText"))->lines, (QStringList {"Herrn Müller", "Köln"}));
        QCOMPARE(page.text(QStringLiteral("ring1"))->text(), sampleAncestorRing(1));
    }

    void printingGoesStraightToThePrinter()
    {
        auto& messages = m_f->messages;
        auto& printer = m_f->printer;
        select(sampleAncestorRing(1));
        click(m_f->window(), "printPedigreeButton");
        QCOMPARE(printer.printed.size(), size_t(1));
        QCOMPARE(printer.printed[0].text(QStringLiteral("subject1"))->text(), "für " + sampleAncestorRing(1));
        QCOMPARE(printer.printed[0].text(QStringLiteral("ring1"))->text(), sampleAncestorRing(3));
        QVERIFY(messages.texts.isEmpty());
    }

    void withoutAPrinterThePdfIsOffered()
    {
        auto& messages = m_f->messages;
        auto& prompts = m_f->prompts;
        auto& printer = m_f->printer;
        printer.available = false;
        select(kSampleSubject);
        messages.answer(false);
        click(m_f->window(), "printPedigreeButton");
        QCOMPARE(messages.questions.size(), 1);
        QVERIFY(messages.questions[0].contains(QStringLiteral("kein Drucker")));
        QVERIFY(prompts.proposedPaths.isEmpty());

        const QString pdf = m_f->home() + QStringLiteral("/nachweis.pdf");
        prompts.fileNames << pdf;
        messages.answer(true);
        click(m_f->window(), "printPedigreeButton");
        QCOMPARE(prompts.proposedPaths.size(), 1);
        QVERIFY(prompts.proposedPaths[0].endsWith(QStringLiteral("Abstammungsnachweis DE-06165-2020-0001.pdf")));
        QFile written(pdf);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QVERIFY(written.read(5) == "%PDF-");
        QVERIFY(messages.warnings.isEmpty());
    }

    // The buyer's program reads the file back: the same bird and ancestors.
    void thePedigreeIsSavedAsAFileForTheBuyer()
    {
        const QString path = m_f->home() + QStringLiteral("/stammbaum.json");
        m_f->prompts.fileNames << path;
        select(kSampleSubject);
        click(m_f->window(), "savePedigreeFileButton");
        QVERIFY(m_f->prompts.proposedPaths.last().endsWith(QStringLiteral("Stammbaum DE-06165-2020-0001.json")));
        QVERIFY(m_f->messages.warnings.isEmpty());
        QFile written(path);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QString problem;
        const std::optional<PedigreeRows> rows = readPedigreeFile(written.readAll(), problem);
        QVERIFY2(rows, qPrintable(problem));
        QCOMPARE(rows->subject, kSampleSubject);
        QCOMPARE(rows->seller, QStringLiteral("Jörg Weiß, Z-4711")); // the breeder data of the sample
    }

    void recordSheetOpensInThePreview()
    {
        select(kSampleSubject);
        click(m_f->window(), "recordSheetButton");
        QVERIFY(preview());
        QCOMPARE(m_f->window()->certificateCommands().recordSheet().page().text(QStringLiteral("breeder"))->text(),
                 QStringLiteral("Jörg Weiß"));
    }

    void theCertificateCanBePrintedInAnotherLanguageThanTheWindows()
    {
        click(m_f->window(), "printSettingsButton");
        auto* dialog = child<QDialog>(m_f->window(), "PrintSettingsDialog");
        auto* language = child<QComboBox>(dialog, "printLanguageChoice");
        language->setCurrentIndex(language->findData(QStringLiteral("en")));
        QCOMPARE(m_f->preferences().certificate().printLanguage, QStringLiteral("en"));
        dialog->close();

        select(sampleAncestorRing(1));
        click(m_f->window(), "printPedigreeButton");
        QCOMPARE(m_f->printer.printed.size(), size_t(1));
        const ReportPage& page = m_f->printer.printed[0];
        QCOMPARE(page.text(QStringLiteral("subject1"))->text(), "for " + sampleAncestorRing(1));
        QCOMPARE(m_f->window()->certificateCommands().recordSheet().page().text(QStringLiteral("sexCaption"))->text(),
                 QStringLiteral("Sex:"));
        // The windows keep their language.
        QCOMPARE(child<QPushButton>(m_f->window(), "printPedigreeButton")->text(), QStringLiteral("Drucken"));
        // The stock list lays out its pages when they are printed: in the printouts' language too.
        click(m_f->window(), "printStockListButton");
        click(m_f->window(), "sortByRing");
        const ReportPage& list = m_f->printer.printed.at(1);
        QVERIFY(std::any_of(list.elements.begin(), list.elements.end(), [](const ReportElement& e) {
            const auto* text = std::get_if<TextElement>(&e);
            return text && text->text() == QLatin1String("Page: 1");
        }));
        m_f->printer.printed.resize(1);

        language->setCurrentIndex(0);
        click(m_f->window(), "printPedigreeButton");
        QCOMPARE(m_f->printer.printed[1].text(QStringLiteral("subject1"))->text(), "für " + sampleAncestorRing(1));
    }

    void printSettingsTakeEffectAtOnce()
    {
        auto& prompts = m_f->prompts;
        const StockData& db = m_f->stock().data();
        click(m_f->window(), "printSettingsButton");
        auto* dialog = child<QDialog>(m_f->window(), "PrintSettingsDialog");
        QVERIFY(dialog->isVisible());
        QVERIFY(child<QCheckBox>(dialog, "prefixesBox")->isChecked());

        child<QCheckBox>(dialog, "prefixesBox")->setChecked(false);
        QCOMPARE(db.print.showPrefixes, quint8(0));
        child<QCheckBox>(dialog, "breedingBox")->setChecked(true);
        QCOMPARE(db.print.showBreeding, quint8(1));
        child<QComboBox>(dialog, "topRightChoice")->setCurrentIndex(2);
        QCOMPARE(db.print.topRightContent, TopRightContent::FreeText);
        QCOMPARE(child<QLabel>(m_f->window(), "buyerLabel")->text(), QStringLiteral("Freier Text:"));
        child<QComboBox>(dialog, "stockListLayoutChoice")->setCurrentIndex(1);
        QCOMPARE(db.print.stockListLayout, StockListLayout::OneLine);
        child<QSpinBox>(dialog, "fontSizeSpin")->setValue(6);
        child<QComboBox>(dialog, "outerGenerationsChoice")->setCurrentIndex(1);
        QCOMPARE(m_f->preferences().certificate().detailFontSize, 6);
        QCOMPARE(m_f->preferences().certificate().outerGenerations, OuterGenerationsContent::Remarks);

        prompts.colours << QColor(1, 2, 3) << std::nullopt;
        click(dialog, "headerColourSwatch");
        QCOMPARE(db.print.headerColour, 0x00030201u);
        click(dialog, "maleColourSwatch"); // cancelled
        QCOMPARE(db.print.maleColour, 0x00FF0000u);

        select(kSampleSubject);
        dialog->done(0); // closing refreshes the main window
        QVERIFY(!m_f->window()->selectedAnimalRing());
        QVERIFY(child(m_f->window(), "pairGroup")->isVisible());
        select(kSampleSubject);
        click(m_f->window(), "previewPedigreeButton");
        const ReportPage& page = m_f->window()->certificateCommands().certificate().page();
        QCOMPARE(page.text(QStringLiteral("details1"))->style.pointSize, 6.0);
        QCOMPARE(page.rect(QStringLiteral("headFrame"))->outline, QColor(1, 2, 3));
        QCOMPARE(page.text(QStringLiteral("details20"))->lines, QStringList {QStringLiteral("94 Punkte")});
    }

    // Colours are kept in the stock file; font size and the outer boxes' choice start afresh.
    void onlyTheStoredSettingsSurviveARestart()
    {
        auto& messages = m_f->messages;
        PrintSettings print = m_f->stock().printSettings();
        print.femaleColour = 0x00123456;
        m_f->stock().setPrintSettings(print);
        CertificatePreferences certificate = m_f->preferences().certificate();
        certificate.detailFontSize = 5;
        m_f->preferences().setCertificate(certificate);
        messages.answer(true);
        m_f->window()->close();
        Startup again(0);
        QVERIFY(again.start());
        QTRY_VERIFY(again.mainWindow()->isVisible());
        QCOMPARE(again.stock()->printSettings().femaleColour, 0x00123456u);
        QCOMPARE(again.preferences()->certificate().detailFontSize, 10);
        QCOMPARE(again.preferences()->certificate().outerGenerations, OuterGenerationsContent::BreedAndBreeder);
    }

private:
    void select(const QString& ring)
    {
        auto* selector = child<QComboBox>(m_f->window(), "animalSelector");
        selector->setCurrentIndex(selector->findText(ring));
    }

    ReportPreview* preview() const { return m_f->window()->findChild<ReportPreview*>(); }

    std::unique_ptr<WindowFixture> m_f;
};

QTEST_MAIN(TestCertificateCommands)
#include "TestCertificateCommands.moc"
