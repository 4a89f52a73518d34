#pragma once

#include "core/files/Preferences.h"

#include <QObject>

class StockDocument;

// The one owner of the settings kept outside the stock file: loads them at
// start, saves them when they change and says so. Dialogs change them here,
// never through a copy of their own. Given a document, every change is a
// step of its undo history.
class PreferencesStore : public QObject
{
    Q_OBJECT

public:
    explicit PreferencesStore(QString file = Preferences::defaultFile(), QObject* parent = nullptr);

    const Preferences& values() const { return m_values; }
    const CertificatePreferences& certificate() const { return m_values.certificate; }
    const CalendarDays& calendar() const { return m_values.calendar; }

    void keepHistoryIn(StockDocument& stock) { m_stock = &stock; }

    void setCertificate(const CertificatePreferences& certificate);
    void setCalendar(const CalendarDays& calendar);
    // The program's language from the next start on; empty follows the system.
    void setLanguage(const QString& code);

signals:
    void changed();

private:
    void change(const Preferences& values, const QString& text);
    void store(const Preferences& values);

    QString m_file;
    StockDocument* m_stock = nullptr;
    Preferences m_values;
};
