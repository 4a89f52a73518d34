// Colour genetics where the breeder meets it: the change dialog's "Erbanlagen",
// the breeding dialog, the mate planner and the colour window.
#include "core/stock/StockDocument.h"
#include "support/SampleAnimals.h"
#include "support/WindowFixture.h"
#include "ui/common/RingList.h"
#include "ui/genetics/ColourWindow.h"
#include "ui/genetics/ExpectedYoungView.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/season/MatePlannerWindow.h"

#include <QLabel>
#include <QMenu>
#include <QTabWidget>
#include <QTableView>

namespace {

Animal animal(const char* ring, Sex sex, const char* colour, const char* mother = "")
{
    Animal a = testAnimal(QString::fromLatin1(ring), sex);
    a.colour = QString::fromUtf8(colour);
    a.motherRing = QString::fromLatin1(mother);
    return a;
}

// The rows of a table of young as "Henne 25 % Braun" lines.
QStringList rows(const QTableView* table)
{
    QStringList lines;
    const QAbstractItemModel* model = table->model();
    for (int row = 0; row < model->rowCount(); ++row)
        lines << QStringLiteral("%1 %2 %3")
                     .arg(model->index(row, 0).data().toString(), model->index(row, 1).data().toString(),
                          model->index(row, 2).data().toString());
    return lines;
}

} // namespace

class TestGeneticsWindows : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        StockData db;
        db.animals = {animal("BRAUNE", Sex::Female, "Braun"), animal("SOHN", Sex::Male, "Schwarz", "BRAUNE"),
                      animal("SCHWARZE", Sex::Female, "Schwarz")};
        m_f = std::make_unique<WindowFixture>(std::move(db));
    }

    void cleanup() { m_f.reset(); }

    // As a new breeder tries it: the brown hen's son carries brown for sure, and
    // paired with a black hen in the breeding dialog he gives brown daughters.
    void aBrownHensSonGivesBrownDaughters()
    {
        QDialog* change = m_f->open("changeAnimalButton", "ChangeAnimalDialog");
        child<RingList>(change, "animalList")->selectRing(QStringLiteral("SOHN"));
        child<QTabWidget>(change, "animalTabs")->setCurrentIndex(3);
        QVERIFY(child<QLabel>(change, "pedigreeFindings")
                    ->text()
                    .contains(QStringLiteral("sicher spalterbig für braun: Mutter braun")));
        choose(child<QComboBox>(change, "factor-opal"), QStringLiteral("spalterbig"));
        click(change, "saveButton");
        QCOMPARE(m_f->stock().records().colourFactors(QStringLiteral("SOHN")),
                 (FactorStates {{"opal", FactorState::Carrier}}));
        change->reject();

        QDialog* breeding = m_f->open("breedingButton", "BreedingDialog");
        choose(child<QComboBox>(breeding, "newCockList"), QStringLiteral("SOHN"));
        choose(child<QComboBox>(breeding, "newHenList"), QStringLiteral("SCHWARZE"));
        const QStringList young = rows(child<QTableView>(breeding, "expectedYoungTable"));
        // A quarter of the young are brown hens, half of them carrying opal.
        QCOMPARE(young.count(QStringLiteral("Henne 12,5 % Braun")), 2);
        QCOMPARE(young.size(), 8);
    }

    // A hen hides no sex-linked factor: she is not offered "spalterbig" for brown.
    void theChoicesFollowTheSex()
    {
        QDialog* change = m_f->open("changeAnimalButton", "ChangeAnimalDialog");
        child<RingList>(change, "animalList")->selectRing(QStringLiteral("SCHWARZE"));
        QVERIFY(!entries(child<QComboBox>(change, "factor-braun")).contains(QStringLiteral("spalterbig")));
        QVERIFY(entries(child<QComboBox>(change, "factor-opal")).contains(QStringLiteral("spalterbig")));
        QVERIFY(!entries(child<QComboBox>(change, "factor-haube")).contains(QStringLiteral("doppelfaktorig")));
        QVERIFY(entries(child<QComboBox>(change, "factor-jaspis")).contains(QStringLiteral("doppelfaktorig")));
        choose(child<QComboBox>(change, "sexList"), QStringLiteral("männlich"));
        QVERIFY(entries(child<QComboBox>(change, "factor-braun")).contains(QStringLiteral("spalterbig")));
    }

    // Birds of the stock or factors typed in; the phase is asked for only where it matters.
    void theColourWindowCombinesAnimalsAndFactorsByHand()
    {
        child<QAction>(child<QMenu>(m_f->window(), "moreMenu"), "coloursAction")->trigger();
        auto* window = child<ColourWindow>(m_f->window(), "ColourWindow");
        QVERIFY(window->isVisible());
        auto* phase = child<QComboBox>(window, "cockPhase");
        QVERIFY(!phase->isEnabled());
        choose(child<QComboBox>(child<QWidget>(window, "cockFactors"), "factor-braun"), QStringLiteral("spalterbig"));
        choose(child<QComboBox>(child<QWidget>(window, "cockFactors"), "factor-achat"), QStringLiteral("spalterbig"));
        QVERIFY(phase->isEnabled());
        QVERIFY(window->young()->notes().contains(QStringLiteral("je zur Hälfte")));
        phase->setCurrentIndex(1); // on one Z chromosome
        QVERIFY(!window->young()->notes().contains(QStringLiteral("je zur Hälfte")));
        QCOMPARE(rows(window->young()->table()).size(), 8);

        window->choosePair(QStringLiteral("SOHN"), QStringLiteral("SCHWARZE"));
        QVERIFY(!child<QWidget>(window, "cockFactors")->isEnabled());
        QCOMPARE(child<QComboBox>(child<QWidget>(window, "cockFactors"), "factor-braun")->currentText(),
                 QStringLiteral("spalterbig"));
        QVERIFY(rows(window->young()->table()).contains(QStringLiteral("Henne 25 % Braun")));
    }

    void thePlannerShowsTheColoursOfTheYoung()
    {
        child<QAction>(child<QMenu>(m_f->window(), "moreMenu"), "matesAction")->trigger();
        auto* planner = child<MatePlannerWindow>(m_f->window(), "MatePlannerWindow");
        choose(child<QComboBox>(planner, "mateAnimalChoice"), QStringLiteral("SOHN"));
        const MateTableModel* model = planner->model();
        for (int row = 0; row < model->rowCount(); ++row)
            if (model->candidate(row)->ring == QLatin1String("SCHWARZE"))
                QCOMPARE(model->index(row, 3).data().toString(), QStringLiteral("Schwarz 75 %, Braun 25 %"));
    }

private:
    std::unique_ptr<WindowFixture> m_f;
};

QTEST_MAIN(TestGeneticsWindows)
#include "TestGeneticsWindows.moc"
