#include "core/stock/StockDocument.h"

#include "core/stock/AnimalDeletion.h"
#include "core/stock/AnimalQueries.h"
#include "core/stock/DescendantsWalk.h"
#include "core/stock/ParentLinks.h"
#include "core/stock/RingIndex.h"
#include "core/stock/StockSearch.h"
#include "core/stock/StockSort.h"

StockDocument::StockDocument(Database db, DataFiles files, QObject* parent)
    : QObject(parent), m_db(std::move(db)), m_files(std::move(files)), m_pictures(m_files.folder())
{ }

StockDocument::~StockDocument() = default;

void StockDocument::notify(Changes what)
{
    if (what & (Animals | AnimalOrder)) {
        m_ringIndex.reset();
        m_alphabetical.reset();
        m_pairCandidates.reset();
    }
    if (what & (Animals | AnimalOrder | ParentLinks))
        m_descendants.reset();
    emit changed(what);
}

const RingIndex& StockDocument::ringIndex() const
{
    if (!m_ringIndex)
        m_ringIndex = std::make_unique<RingIndex>(m_db.animals);
    return *m_ringIndex;
}

const DescendantsFinder& StockDocument::descendants() const
{
    if (!m_descendants)
        m_descendants = std::make_unique<DescendantsFinder>(m_db.animals);
    return *m_descendants;
}

const std::vector<qsizetype>& StockDocument::alphabeticalOrder() const
{
    if (!m_alphabetical)
        m_alphabetical = std::make_unique<std::vector<qsizetype>>(::alphabeticalOrder(m_db.animals));
    return *m_alphabetical;
}

const Animal* StockDocument::lastActive(const QString& ring) const
{
    const qsizetype i = ringIndex().lastActiveWith(ring);
    return i < 0 ? nullptr : &m_db.animals[size_t(i)];
}

QStringList StockDocument::distinctValues(QString Animal::*field)
{
    return ::distinctValues(m_db.animals, field);
}

QStringList StockDocument::stockListItems(StockListOrder order, StockListLayout layout,
                                          const std::optional<QString>& breed)
{
    if (order == StockListOrder::ByBirthYear)
        markForYearOrder(m_db.animals, breed);
    return ::stockListItems(m_db.animals, order, layout, breed);
}

bool StockDocument::writeStockListHtml(QIODevice& device, StockListOrder order, const QString& date)
{
    if (order == StockListOrder::ByBirthYear)
        markForYearOrder(m_db.animals, std::nullopt);
    return ::writeStockListHtml(device, m_db.animals, order, date);
}

void StockDocument::appendAnimals(AnimalTable animals)
{
    if (animals.empty())
        return;
    m_db.animals.reserve(m_db.animals.size() + animals.size());
    std::move(animals.begin(), animals.end(), std::back_inserter(m_db.animals));
    notify(Animals);
}

AnimalEditResult StockDocument::changeAnimal(const QString& selectedRing, const AnimalEdit& edit)
{
    const AnimalEditResult result = applyAnimalEdit(m_db.animals, selectedRing, edit);
    if (result.stored())
        notify(Animals);
    return result;
}

void StockDocument::carryRingChange(const QString& oldRing, const QString& newRing)
{
    ::carryRingChange(m_db, oldRing, newRing);
    notify(ParentLinks | Pairs);
}

bool StockDocument::markDeleted(const QString& ring)
{
    if (!::markDeleted(m_db.animals, ring))
        return false;
    notify(Animals | ParentLinks);
    return true;
}

bool StockDocument::setParents(const QString& childRing, const QString& mother, const QString& father)
{
    if (!saveParents(m_db.animals, childRing, mother, father))
        return false;
    notify(ParentLinks);
    return true;
}

void StockDocument::sortStock()
{
    ::sortStock(m_db.animals);
    notify(AnimalOrder);
}

void StockDocument::setBreederData(const BreederData& breeder)
{
    m_db.breeder = breeder;
    notify(Breeder);
}

void StockDocument::setPrintSettings(const PrintSettings& print)
{
    if (print == m_db.print)
        return;
    m_db.print = print;
    notify(Print);
}

void StockDocument::addPair(BreedingPair pair)
{
    m_db.pairs.push_back(std::move(pair));
    notify(Pairs);
}

void StockDocument::changePair(int pair, const BreedingPair& values)
{
    BreedingPair& p = m_db.pairs.at(size_t(pair));
    p.cockRing = values.cockRing;
    p.henRing = values.henRing;
    p.cageNumber = values.cageNumber;
    p.breedingStart = values.breedingStart;
    notify(Pairs);
}

void StockDocument::removePair(int pair)
{
    m_db.pairs.erase(m_db.pairs.begin() + pair);
    notify(Pairs);
}

void StockDocument::addClutch(int pair)
{
    m_db.pairs.at(size_t(pair)).clutches.emplace_back();
    notify(Pairs);
}

void StockDocument::setClutch(int pair, int clutch, Clutch values)
{
    m_db.pairs.at(size_t(pair)).clutches.at(size_t(clutch)) = std::move(values);
    notify(Pairs);
}

void StockDocument::removeClutch(int pair, int clutch)
{
    auto& clutches = m_db.pairs.at(size_t(pair)).clutches;
    clutches.erase(clutches.begin() + clutch);
    notify(Pairs);
}

void StockDocument::ringYoung(int pair, int clutch, int egg, Animal animal, const Youngster& young)
{
    Youngster& y = m_db.pairs.at(size_t(pair)).clutches.at(size_t(clutch)).young.at(size_t(egg));
    m_db.animals.push_back(std::move(animal));
    y = young;
    notify(Animals | Pairs);
}

QStringList StockDocument::clearYoung(int pair, int clutch, int egg)
{
    Youngster& y = m_db.pairs.at(size_t(pair)).clutches.at(size_t(clutch)).young.at(size_t(egg));
    QStringList removed;
    for (Animal& a : m_db.animals) {
        if (a.ringNumber != y.ring)
            continue;
        a.active = 0;
        a.fatherRing.clear();
        a.motherRing.clear();
        removed << a.ringNumber;
    }
    y = {};
    notify(removed.isEmpty() ? Changes(Pairs) : Animals | ParentLinks | Pairs);
    return removed;
}

const PairCandidates& StockDocument::pairCandidates() const
{
    if (!m_pairCandidates)
        m_pairCandidates = std::make_unique<PairCandidates>(::pairCandidates(m_db.animals));
    return *m_pairCandidates;
}

void StockDocument::replaceAll(Database db)
{
    m_db = std::move(db);
    notify(Everything);
}

DataFiles::SaveResult StockDocument::save()
{
    return m_files.save(m_db);
}
