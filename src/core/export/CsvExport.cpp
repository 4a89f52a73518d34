#include "core/export/CsvExport.h"

#include "core/genetics/PedigreeReading.h"
#include "core/model/Dates.h"
#include "core/records/ShowFigures.h"
#include "core/stock/StockDocument.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>
#include <numeric>

namespace {

class CsvLines
{
public:
    CsvLines() { m_text = QStringLiteral("\uFEFF"); }

    void line(const QStringList& fields)
    {
        for (qsizetype i = 0; i < fields.size(); ++i) {
            if (i > 0)
                m_text += QLatin1Char(';');
            m_text += quoted(fields[i]);
        }
        m_text += QStringLiteral("\r\n");
    }

    QByteArray bytes() const { return m_text.toUtf8(); }

private:
    static QString quoted(const QString& field)
    {
        if (!field.contains(QLatin1Char(';')) && !field.contains(QLatin1Char('"')) && !field.contains(QLatin1Char('\n'))
            && !field.contains(QLatin1Char('\r')))
            return field;
        return QLatin1Char('"') + QString(field).replace(QStringLiteral("\""), QStringLiteral("\"\""))
            + QLatin1Char('"');
    }

    QString m_text;
};

// A breeder's text as a cell: one that a spreadsheet would run as a formula
// (starting with =, +, -, @, a tab or a carriage return) gets a leading
// apostrophe, which spreadsheets show as plain text.
QString text(const QString& value)
{
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    if (!value.isEmpty() && formulaStarts.contains(value.front()))
        return QLatin1Char('\'') + value;
    return value;
}

// Cell words stay German whatever the language: the import reads them back.
QString sexWord(Sex sex)
{
    switch (sex) {
    case Sex::Unknown:
        return QStringLiteral("unbekannt");
    case Sex::Male:
        return QStringLiteral("männlich");
    case Sex::Female:
        return QStringLiteral("weiblich");
    }
    return QString::number(static_cast<qint32>(sex));
}

QString date(double days)
{
    return Dates::shown(days);
}

QStringList whereaboutsFields(const Whereabouts* w)
{
    if (!w)
        return QStringList(6, QString());
    return {AnimalRecordWords::statusWord(w->status),
            Dates::text(w->date),
            text(w->buyerName),
            text(w->buyerAddress),
            w->priceCents ? AnimalRecordWords::price(*w->priceCents) : QString(),
            text(w->note)};
}

} // namespace

QByteArray stockCsv(const AnimalTable& animals, const std::vector<qsizetype>& order,
                    const std::vector<Whereabouts>& whereabouts, const CsvGenetics& genetics)
{
    QHash<QString, const Whereabouts*> byRing;
    for (const Whereabouts& w : whereabouts)
        byRing.insert(w.ring, &w);
    CsvLines csv;
    // Headers the import reads back are translated as the import knows them.
    csv.line(QStringList {QCoreApplication::translate("ImportFields", "Ringnummer"),
                          QCoreApplication::translate("ImportFields", "Geschlecht"),
                          QCoreApplication::translate("ImportFields", "Geburtsjahr"),
                          QCoreApplication::translate("ImportFields", "Züchter"),
                          QCoreApplication::translate("ImportFields", "Farbe"),
                          QCoreApplication::translate("ImportFields", "Zeichnung"),
                          QCoreApplication::translate("ImportFields", "Art/Rasse"),
                          QCoreApplication::translate("ImportFields", "Vater"),
                          QCoreApplication::translate("ImportFields", "Mutter"),
                          QCoreApplication::translate("ImportFields", "Bemerkungen"),
                          QCoreApplication::translate("ImportFields", "Bemerkungen Bestandsliste"),
                          QCoreApplication::translate("ImportFields", "Verkauft"),
                          QCoreApplication::translate("ImportFields", "Verbleib"),
                          QCoreApplication::translate("ImportFields", "Verbleib seit"),
                          QCoreApplication::translate("ImportFields", "Käufer"),
                          QCoreApplication::translate("ImportFields", "Anschrift des Käufers"),
                          QCoreApplication::translate("ImportFields", "Preis (€)"),
                          QCoreApplication::translate("ImportFields", "Notiz zum Verbleib"),
                          QCoreApplication::translate("ImportFields", "Erbanlagen"),
                          QCoreApplication::translate("CsvExport", "Erbanlagen laut Stammbaum")});
    for (const qsizetype i : order) {
        const Animal& a = animals[size_t(i)];
        if (!a.isActive())
            continue;
        const auto [entered, found] = genetics ? genetics(i) : std::pair<QString, QString>();
        csv.line(QStringList {text(a.ringNumber), sexWord(a.sex), QString::number(a.birthYear), text(a.breeder),
                              text(a.colour), text(a.markings), text(a.breed), text(a.fatherRing), text(a.motherRing),
                              text(a.remarks), text(a.listRemarks),
                              a.sold ? QStringLiteral("ja") : QStringLiteral("nein")}
                 + whereaboutsFields(byRing.value(a.ringNumber)) + QStringList {entered, found});
    }
    return csv.bytes();
}

QByteArray stockCsv(const StockDocument& stock, StockListOrder order)
{
    const QHash<QString, FactorStates> entered = stock.records().allColourFactors();
    PedigreeReading reading(stock.animals(), stock.ringIndex(), entered);
    const CsvGenetics genetics = [&](qsizetype animal) {
        QStringList found;
        for (const FactorFinding& f : reading.findings(animal))
            found << f.text(reading.table());
        return std::pair {writtenFactors(reading.table(), entered.value(stock.animals()[size_t(animal)].ringNumber)),
                          found.join(QStringLiteral("; "))};
    };
    return stockCsv(stock.animals(), csvOrder(stock.animals(), stock.alphabeticalRingOrder(), order),
                    stock.records().allWhereabouts(), genetics);
}

QByteArray showsCsv(const std::vector<ShowResult>& results)
{
    CsvLines csv;
    csv.line(QStringList {
        QCoreApplication::translate("ImportFields", "Datum"), QCoreApplication::translate("ImportFields", "Ringnummer"),
        QCoreApplication::translate("ImportFields", "Schau"), QCoreApplication::translate("ImportFields", "Klasse"),
        QCoreApplication::translate("ImportFields", "Punkte"),
        QCoreApplication::translate("ImportFields", "Auszeichnung/Platz"),
        QCoreApplication::translate("ImportFields", "Kollektion"),
        QCoreApplication::translate("CsvExport", "Punkte der Kollektion")});
    for (const ShowResult& r : results) {
        const std::optional<CollectionTotal> collection = collectionOf(r, results);
        csv.line({date(Dates::fromDate(r.date)), text(r.ring), text(r.show), text(r.showClass),
                  AnimalRecordWords::points(r.halfPoints), text(r.award),
                  r.collection ? QString::number(*r.collection) : QString(),
                  collection ? AnimalRecordWords::points(collection->halfPoints) : QString()});
    }
    return csv.bytes();
}

std::vector<qsizetype> csvOrder(const AnimalTable& animals, const std::vector<qsizetype>& alphabetical,
                                StockListOrder order)
{
    std::vector<qsizetype> positions = alphabetical;
    if (order == StockListOrder::ByBirthYear) {
        std::iota(positions.begin(), positions.end(), qsizetype(0));
        std::stable_sort(positions.begin(), positions.end(), [&animals](qsizetype a, qsizetype b) {
            return animals[size_t(a)].birthYear < animals[size_t(b)].birthYear;
        });
    }
    return positions;
}

QByteArray tableCsv(const QStringList& headings, const std::vector<QStringList>& rows)
{
    CsvLines csv;
    csv.line(headings);
    for (const QStringList& row : rows) {
        QStringList cells;
        for (const QString& cell : row)
            cells << text(cell);
        csv.line(cells);
    }
    return csv.bytes();
}

QByteArray breedingCsv(const PairTable& pairs)
{
    CsvLines csv;
    csv.line(QStringList {
        QCoreApplication::translate("CsvExport", "Zuchtpaar"), QCoreApplication::translate("CsvExport", "Hahn"),
        QCoreApplication::translate("CsvExport", "Henne"), QCoreApplication::translate("CsvExport", "Hecke"),
        QCoreApplication::translate("CsvExport", "Zuchtbeginn"), QCoreApplication::translate("CsvExport", "Gelege"),
        QCoreApplication::translate("CsvExport", "Erstes Ei"), QCoreApplication::translate("CsvExport", "Letztes Ei"),
        QCoreApplication::translate("CsvExport", "Gelege gesetzt"),
        QCoreApplication::translate("CsvExport", "Anzahl Eier"), QCoreApplication::translate("CsvExport", "Ei"),
        QCoreApplication::translate("CsvExport", "Ring"), QCoreApplication::translate("CsvExport", "Geschlüpft"),
        QCoreApplication::translate("CsvExport", "Abgesetzt")});
    for (size_t p = 0; p < pairs.size(); ++p) {
        const BreedingPair& pair = pairs[p];
        const QStringList pairFields = {QString::number(p + 1), text(pair.cockRing), text(pair.henRing),
                                        QString::number(pair.cageNumber), date(pair.breedingStart)};
        if (pair.clutches.empty())
            csv.line(pairFields + QStringList(9, QString()));
        for (size_t k = 0; k < pair.clutches.size(); ++k) {
            const Clutch& clutch = pair.clutches[k];
            const QStringList clutchFields = pairFields
                + QStringList {QString::number(k + 1), date(clutch.firstEgg), date(clutch.lastEgg),
                               date(clutch.incubationStart), QString::number(clutch.eggCount)};
            if (clutch.young.empty())
                csv.line(clutchFields + QStringList(4, QString()));
            for (size_t e = 0; e < clutch.young.size(); ++e) {
                const Youngster& y = clutch.young[e];
                csv.line(clutchFields
                         + QStringList {QString::number(e + 1), text(y.ring), date(y.hatched), date(y.weaned)});
            }
        }
    }
    return csv.bytes();
}
