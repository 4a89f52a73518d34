// The season's windows, reached from the main window's "Saison und Auswertungen".
#include "core/stock/PreferencesStore.h"
#include "core/stock/StockDocument.h"
#include "support/SampleAnimals.h"
#include "support/WindowFixture.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/preview/ReportPreview.h"
#include "ui/season/BreedingCalendarWindow.h"
#include "ui/season/MatePlannerWindow.h"
#include "ui/season/SeasonTableWidget.h"

#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>

namespace {

Animal animal(const char* ring, Sex sex, const char* father = "", const char* mother = "")
{
    Animal a = testAnimal(QString::fromLatin1(ring), sex, 2025, QStringLiteral("Gloster"));
    a.fatherRing = QString::fromLatin1(father);
    a.motherRing = QString::fromLatin1(mother);
    return a;
}

} // namespace

class TestSeasonWindows : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        StockData db;
        db.print = PrintSettings::defaults();
        db.print.showBreeding = 1;
        // A cock with two full sisters among the hens, and two unrelated hens.
        db.animals = {animal("VATER", Sex::Male),
                      animal("MUTTER", Sex::Female),
                      animal("HAHN", Sex::Male, "VATER", "MUTTER"),
                      animal("SCHWESTER-1", Sex::Female, "VATER", "MUTTER"),
                      animal("SCHWESTER-2", Sex::Female, "VATER", "MUTTER"),
                      animal("FREMD-B", Sex::Female),
                      animal("FREMD-A", Sex::Female)};
        m_f = std::make_unique<WindowFixture>(std::move(db));
    }

    void cleanup() { m_f.reset(); }

    // The planner, asked for a cock, puts its sisters at the bottom with a warning and pairs it with the top hen.
    void thePlannerPairsTheLeastRelatedHenInOneStep()
    {
        auto* planner = open<MatePlannerWindow>("matesAction", "MatePlannerWindow");
        choose(child<QComboBox>(planner, "mateAnimalChoice"), QStringLiteral("HAHN"));
        const MateTableModel* model = planner->model();
        QCOMPARE(model->rowCount(), 5); // every hen, its mother included
        QCOMPARE(model->candidate(0)->ring, QStringLiteral("FREMD-A"));
        QCOMPARE(model->candidate(1)->ring, QStringLiteral("FREMD-B"));
        for (int row = 2; row < 5; ++row)
            QVERIFY(model->candidate(row)->close);
        QCOMPARE(model->candidate(4)->relationship, QStringLiteral("Vollgeschwister"));
        QVERIFY(model->data(model->index(4, 0), Qt::BackgroundRole).isValid()); // the warning colour
        QCOMPARE(model->data(model->index(2, 2), Qt::DisplayRole).toString(), QStringLiteral("Mutter"));

        auto* table = child<QTableView>(planner, "mateTable");
        table->setCurrentIndex(model->index(0, 0));
        click(planner, "makePairButton");
        auto* breeding = child<QDialog>(m_f->window(), "BreedingDialog");
        QVERIFY(breeding->isVisible());
        QCOMPARE(child<QTabWidget>(breeding, "breedingTabs")->currentIndex(), 0);
        QCOMPARE(child<QComboBox>(breeding, "newCockList")->currentText(), QStringLiteral("HAHN"));
        QCOMPARE(child<QComboBox>(breeding, "newHenList")->currentText(), QStringLiteral("FREMD-A"));
        type(breeding, "newCageEdit", QStringLiteral("4"));
        click(breeding, "createPairButton");
        QCOMPARE(m_f->stock().pairs().size(), size_t(1));
        QVERIFY(m_f->messages.questions.isEmpty()); // unrelated: nothing to warn about
    }

    // A season of two pairs entered through the dialogs: the calendar's dates and the statistics' figures.
    void theCalendarAndTheStatisticsFollowTheDialogs()
    {
        m_f->preferences().setCalendar(CalendarDays {});
        auto* breeding = m_f->open("breedingButton", "BreedingDialog");
        m_f->messages.answer(true); // the sister: asked about, and paired all the same
        for (const auto& [cage, hen] : {std::pair {"1", "FREMD-A"}, std::pair {"2", "SCHWESTER-1"}}) {
            child<QTabWidget>(breeding, "breedingTabs")->setCurrentIndex(0);
            type(breeding, "newStartEdit", QStringLiteral("01.03.2026"));
            type(breeding, "newCageEdit", QString::fromLatin1(cage));
            choose(child<QComboBox>(breeding, "newCockList"), QStringLiteral("HAHN"));
            choose(child<QComboBox>(breeding, "newHenList"), QString::fromLatin1(hen));
            click(breeding, "createPairButton");
        }
        QCOMPARE(m_f->stock().pairs().size(), size_t(2));
        choose(child<QComboBox>(breeding, "pairList"), QStringLiteral("HAHN - FREMD-A vom 01.03.26"));
        click(breeding, "newClutchButton");
        type(breeding, "eggCountEdit", QStringLiteral("3"));
        type(breeding, "firstEggEdit", QStringLiteral("20.03.2026"));
        type(breeding, "lastEggEdit", QStringLiteral("22.03.2026"));
        type(breeding, "incubationStartEdit", QStringLiteral("23.03.2026"));
        click(breeding, "saveClutchButton");
        breeding->reject();

        // Two rings of the year on hand for the three eggs: entered once, refused the second time as an overlap.
        auto* rings = open<QDialog>("ringStockAction", "RingStockWindow");
        child<QSpinBox>(rings, "deliveryYear")->setValue(2026);
        type(rings, "deliveryPrefix", QStringLiteral("DE-26-"));
        child<QSpinBox>(rings, "deliveryLast")->setValue(2);
        QCOMPARE(child<QLabel>(rings, "typedRange")->text(), QStringLiteral("DE-26-001 bis DE-26-002: 2 Ringe"));
        click(rings, "enterDelivery");
        auto* ranges = child<QTableWidget>(rings, "ringRanges");
        QCOMPARE(ranges->rowCount(), 1);
        QCOMPARE(ranges->item(0, 8)->text(), QStringLiteral("2")); // free
        click(rings, "enterDelivery");
        QCOMPARE(m_f->messages.last(),
                 QStringLiteral("Diese Ringe überschneiden sich mit der Lieferung DE-26-001 bis DE-26-002 (2026)."));
        rings->reject();

        auto* calendar = open<BreedingCalendarWindow>("calendarAction", "BreedingCalendarWindow");
        calendar->setToday(QDate(2026, 3, 25));
        QCOMPARE(child<QLabel>(calendar, "ringShortage")->text(),
                 QStringLiteral("Zu wenig Ringe: noch 2 frei für 3 Eier, die einen Ring brauchen werden."));
        auto* table = child<SeasonTableWidget>(calendar, "calendarTable");
        QCOMPARE(table->rowCount(), 2);
        QCOMPARE(table->text(0, 0), QStringLiteral("29.03.2026")); // candling, 6 days after the 23rd
        QCOMPARE(table->text(1, 1), QStringLiteral("Schlupf"));
        QCOMPARE(table->text(1, 0), QStringLiteral("05.04.2026"));
        child<QSpinBox>(calendar, "hatchingDays")->setValue(14); // the breeder's own count, kept
        QCOMPARE(table->text(1, 0), QStringLiteral("06.04.2026"));
        QCOMPARE(m_f->preferences().calendar().hatching, 14);
        click(calendar, "printCalendarButton");
        QVERIFY(m_f->window()->findChild<ReportPreview*>());
        emit table->activated(table->model()->index(0, 0));
        QCOMPARE(child<QComboBox>(breeding, "pairList")->currentIndex(), 0); // the pair opened
        breeding->reject();
        calendar->reject();

        auto* statistics = open<QDialog>("statisticsAction", "SeasonStatisticsWindow");
        auto* pairs = child<SeasonTableWidget>(statistics, "pairStatistics");
        QCOMPARE(pairs->rowCount(), 3); // two pairs and the totals
        QCOMPARE(pairs->text(0, 5), QStringLiteral("3")); // eggs of the first pair
        QCOMPARE(pairs->text(2, 0), QStringLiteral("Summe"));
        QVERIFY(!pairs->model()->headerData(9, Qt::Horizontal, Qt::ToolTipRole).toString().isEmpty()); // a rate
        pairs->sortByColumn(1, Qt::DescendingOrder); // by cage, numbers as numbers
        QCOMPARE(pairs->text(1, 1), QStringLiteral("2"));
        QCOMPARE(child<SeasonTableWidget>(statistics, "cockStatistics")->rowCount(), 1);
    }

private:
    template<typename Window> Window* open(const char* action, const char* name)
    {
        child<QAction>(child<QMenu>(m_f->window(), "moreMenu"), action)->trigger();
        auto* window = child<Window>(m_f->window(), name);
        if (!window->isVisible())
            qFatal("%s did not open", name);
        return window;
    }

    std::unique_ptr<WindowFixture> m_f;
};

QTEST_MAIN(TestSeasonWindows)
#include "TestSeasonWindows.moc"
