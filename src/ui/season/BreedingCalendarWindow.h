#pragma once

#include "core/season/BreedingCalendar.h"

#include <QDialog>

class PreferencesStore;
class QLabel;
class QSpinBox;
class SeasonTableWidget;
class StockDocument;

// "Zuchtkalender": what is overdue, due today and due in the next days, with
// the day counts it is reckoned from, and a warning when the year's rings
// run short of the eggs that will need one; printable. A double click opens the
// pair in the breeding dialog.
class BreedingCalendarWindow : public QDialog
{
    Q_OBJECT

public:
    BreedingCalendarWindow(StockDocument& stock, PreferencesStore& preferences, QWidget* parent = nullptr);

    // The day the calendar is reckoned for; today unless a test says otherwise.
    void setToday(const QDate& today);

signals:
    void pairRequested(int pair);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildDays();
    void loadDays();
    void storeDays();
    void fill();
    void print();

    StockDocument& m_stock;
    PreferencesStore& m_preferences;
    QDate m_today;
    std::vector<DueTask> m_tasks;
    QList<QSpinBox*> m_days; // candling, hatching, ringing, weaning, look ahead
    SeasonTableWidget* m_table = nullptr;
    QLabel* m_summary = nullptr;
    QLabel* m_ringShortage = nullptr;
};
