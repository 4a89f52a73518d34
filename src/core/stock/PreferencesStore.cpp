#include "core/stock/PreferencesStore.h"

PreferencesStore::PreferencesStore(QString file, QObject* parent)
    : QObject(parent), m_file(std::move(file)), m_values(Preferences::load(m_file))
{ }

void PreferencesStore::setCertificate(const CertificatePreferences& certificate)
{
    Preferences values = m_values;
    values.certificate = certificate;
    store(values);
}

void PreferencesStore::setCalendar(const CalendarDays& calendar)
{
    Preferences values = m_values;
    values.calendar = calendar;
    store(values);
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
