#include "core/stock/PreferencesStore.h"

#include "core/stock/StockDocument.h"

#include <QPointer>

PreferencesStore::PreferencesStore(QString file, QObject* parent)
    : QObject(parent), m_file(std::move(file)), m_values(Preferences::load(m_file))
{ }

void PreferencesStore::setCertificate(const CertificatePreferences& certificate)
{
    Preferences values = m_values;
    values.certificate = certificate;
    change(values, tr("Einstellungen des Abstammungsnachweises geändert"));
}

void PreferencesStore::setCalendar(const CalendarDays& calendar)
{
    Preferences values = m_values;
    values.calendar = calendar;
    change(values, tr("Tage des Zuchtkalenders geändert"));
}

void PreferencesStore::setLanguage(const QString& code)
{
    Preferences values = m_values;
    values.language = code;
    change(values, tr("Sprache geändert"));
}

void PreferencesStore::change(const Preferences& values, const QString& text)
{
    if (values == m_values)
        return;
    const Preferences before = m_values;
    store(values);
    if (!m_stock)
        return;
    m_stock->keepSettingChange(text, [self = QPointer<PreferencesStore>(this), before, values](bool toBefore) {
        if (self)
            self->store(toBefore ? before : values);
    });
}

void PreferencesStore::store(const Preferences& values)
{
    if (values == m_values)
        return;
    m_values = values;
    // A settings file that cannot be written loses only the choice for the next start.
    m_values.save(m_file);
    emit changed();
}
