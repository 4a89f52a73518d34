#include "ui/season/BreedingCalendarWindow.h"

#include "core/breeding/RingStock.h"
#include "core/model/Dates.h"
#include "core/season/SeasonTables.h"
#include "core/stock/PreferencesStore.h"
#include "core/stock/StockDocument.h"
#include "ui/common/Modal.h"
#include "ui/common/Named.h"
#include "ui/common/UndoShortcuts.h"
#include "ui/preview/ReportPreview.h"
#include "ui/season/SeasonTableWidget.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <numeric>

namespace {

const std::pair<const char*, int CalendarDays::*> kDayFields[] = {
    {"candlingDays", &CalendarDays::candling},   {"hatchingDays", &CalendarDays::hatching},
    {"ringingDays", &CalendarDays::ringing},     {"weaningDays", &CalendarDays::weaning},
    {"lookAheadDays", &CalendarDays::lookAhead},
};

} // namespace

BreedingCalendarWindow::BreedingCalendarWindow(StockDocument& stock, PreferencesStore& preferences, QWidget* parent)
    : QDialog(parent), m_stock(stock), m_preferences(preferences), m_today(QDate::currentDate())
{
    setObjectName(QStringLiteral("BreedingCalendarWindow"));
    setWindowTitle(tr("Zuchtkalender"));
    m_table = named(new SeasonTableWidget(this), "calendarTable",
                    tr("Ein Doppelklick öffnet das Zuchtpaar in der Nachwuchsverwaltung"));
    m_table->setAccessibleName(tr("Fällige Arbeiten"));
    m_summary = named(new QLabel(this), "calendarSummary");
    m_ringShortage = named(new QLabel(this), "ringShortage");
    m_ringShortage->setStyleSheet(QStringLiteral("font-weight: bold"));
    m_ringShortage->setWordWrap(true);
    auto* printButton = named(new QPushButton(tr("&Drucken…"), this), "printCalendarButton");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildDays());
    layout->addWidget(m_summary);
    layout->addWidget(m_ringShortage);
    layout->addWidget(m_table, 1);
    layout->addWidget(printButton, 0, Qt::AlignLeft);
    connect(printButton, &QPushButton::clicked, this, &BreedingCalendarWindow::print);
    connect(m_table, &SeasonTableWidget::rowActivated, this, [this](int row) {
        const int task = m_table->entryOf(row);
        if (task >= 0 && size_t(task) < m_tasks.size())
            emit pairRequested(m_tasks[size_t(task)].pair);
    });
    connect(&m_stock, &StockDocument::changed, this, [this](StockDocument::Changes what) {
        if (!isVisible())
            return;
        if (what & StockDocument::Settings)
            loadDays();
        // Rings used (birds) and rings delivered (records) change the warning.
        if (what & (StockDocument::Pairs | StockDocument::Settings | StockDocument::Animals | StockDocument::Records))
            fill();
    });
    new UndoShortcuts(m_stock, this);
    resize(820, 560);
}

QWidget* BreedingCalendarWindow::buildDays()
{
    auto* group = new QGroupBox(tr("Gerechnet wird mit"), this);
    auto* grid = new QGridLayout(group);
    const QString captions[] = {tr("&Schieren nach Brutbeginn:"), tr("Sch&lupf nach Brutbeginn:"),
                                tr("&Beringen nach dem Schlupf:"), tr("&Absetzen nach dem Schlupf:"), tr("&Vorschau:")};
    int i = 0;
    for (const auto& [name, field] : kDayFields) {
        auto* days = named(new QSpinBox(group), name);
        days->setRange(0, 365);
        days->setSuffix(tr(" Tage"));
        auto* label = new QLabel(captions[i], group);
        label->setBuddy(days);
        grid->addWidget(label, i % 3, (i / 3) * 2);
        grid->addWidget(days, i % 3, (i / 3) * 2 + 1);
        connect(days, &QSpinBox::valueChanged, this, &BreedingCalendarWindow::storeDays);
        m_days << days;
        ++i;
    }
    grid->setColumnStretch(4, 1);
    return group;
}

void BreedingCalendarWindow::setToday(const QDate& today)
{
    m_today = today;
    fill();
}

void BreedingCalendarWindow::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) {
        loadDays();
        fill();
    }
    QDialog::showEvent(event);
}

void BreedingCalendarWindow::loadDays()
{
    const CalendarDays& days = m_preferences.calendar();
    for (int i = 0; i < m_days.size(); ++i) {
        const QSignalBlocker quiet(m_days[i]); // showing the stored days stores nothing
        m_days[i]->setValue(days.*(kDayFields[i].second));
    }
}

void BreedingCalendarWindow::storeDays()
{
    CalendarDays days;
    for (int i = 0; i < m_days.size(); ++i)
        days.*(kDayFields[i].second) = m_days[i]->value();
    m_preferences.setCalendar(days);
    fill();
}

void BreedingCalendarWindow::fill()
{
    const CalendarDays& days = m_preferences.calendar();
    m_tasks = dueTasks(m_stock.pairs(), days, m_today, m_today.addDays(days.lookAhead));
    std::vector<int> keys(m_tasks.size());
    std::iota(keys.begin(), keys.end(), 0);
    m_table->show(calendarTable(m_tasks, m_today), keys);
    const auto overdue = std::count_if(m_tasks.begin(), m_tasks.end(), [](const DueTask& t) { return t.overdue; });
    //: %1 today, %2 overdue tasks, %3 tasks due until the date %4
    m_summary->setText(tr("Stand %1: %2 überfällig, %3 bis zum %4 fällig.")
                           .arg(Dates::local(m_today))
                           .arg(overdue)
                           .arg(qsizetype(m_tasks.size()) - overdue)
                           .arg(Dates::local(m_today.addDays(days.lookAhead))));
    const std::optional<RingShortage> shortage = ringShortage(m_stock, days, m_today);
    //: %1 free rings of this year, %2 eggs that will need a ring
    m_ringShortage->setText(shortage ? tr("Zu wenig Ringe: noch %1 frei für %2 Eier, die einen Ring brauchen werden.")
                                           .arg(shortage->free)
                                           .arg(shortage->eggs)
                                     : QString());
    m_ringShortage->setVisible(shortage.has_value());
}

void BreedingCalendarWindow::print()
{
    const QString summary = m_ringShortage->text().isEmpty()
        ? m_summary->text()
        : m_summary->text() + QLatin1Char(' ') + m_ringShortage->text();
    auto pages = seasonPages(m_table->shown(), tr("Zuchtkalender"), summary, {22, 22, 14, 38, 38, 16, 10, 30});
    auto* preview = new ReportPreview(pages, tr("den Zuchtkalender"), tr("Zuchtkalender"), frontWindow(this));
    preview->show();
    preview->raise();
}
