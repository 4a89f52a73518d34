#include "core/stock/StockDocument.h"

#include "core/model/Alphabetical.h"
#include "core/records/RecordsDatabase.h"
#include "core/stock/AnimalDeletion.h"
#include "core/stock/AnimalQueries.h"
#include "core/stock/DescendantsFinder.h"
#include "core/stock/ListedMarks.h"
#include "core/stock/ParentLinks.h"
#include "core/stock/RingIndex.h"
#include "core/stock/StockSort.h"

#include <stdexcept>

StockDocument::StockDocument(Database db, DataFiles files, std::unique_ptr<RecordsDatabase> records, QObject* parent)
    : QObject(parent)
    , m_db(std::move(db))
    , m_files(std::move(files))
    , m_pictures(m_files.folder())
    , m_records(records ? std::move(records) : std::make_unique<RecordsDatabase>())
{ }

StockDocument::~StockDocument() = default;

void StockDocument::notify(Changes what, int kept)
{
    ++m_generation;
    const bool animals = what & (Animals | AnimalOrder);
    if ((what & AnimalOrder) || (animals && !(kept & KeepRingIndex)))
        m_ringIndex.reset();
    if ((what & AnimalOrder) || (animals && kept != KeepAll)) {
        m_alphabetical.reset();
        m_descendants.reset();
    }
    if (what & ParentLinks)
        m_descendants.reset();
    emit changed(what);
}

int StockDocument::keepRingIndexAfterAppending(size_t first)
{
    return m_ringIndex && m_ringIndex->addAppended(first) ? KeepRingIndex : KeepNone;
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

const std::vector<qsizetype>& StockDocument::alphabeticalRingOrder() const
{
    if (!m_alphabetical)
        m_alphabetical = std::make_unique<std::vector<qsizetype>>(::alphabeticalRingOrder(m_db.animals));
    return *m_alphabetical;
}

const Animal* StockDocument::lastActive(const QString& ring) const
{
    const qsizetype i = ringIndex().lastActiveWith(ring);
    return i < 0 ? nullptr : &m_db.animals[size_t(i)];
}

QStringList StockDocument::offerValues(QString Animal::*field)
{
    QStringList values;
    const bool changed = markListedValues(m_db.animals, field, &values);
    sortAlphabetically(values);
    if (changed)
        notify(ListedMarks);
    return values;
}

void StockDocument::unmarkForYearList(const std::optional<QString>& breed)
{
    if (::unmarkForYearList(m_db.animals, breed))
        notify(ListedMarks);
}

void StockDocument::appendAnimals(AnimalTable animals)
{
    if (animals.empty())
        return;
    const size_t first = m_db.animals.size();
    m_db.animals.reserve(m_db.animals.size() + animals.size());
    std::move(animals.begin(), animals.end(), std::back_inserter(m_db.animals));
    notify(Animals, keepRingIndexAfterAppending(first));
}

QString StockDocument::enterAnimal(Animal animal, const QString& picturePath)
{
    const QString ring = animal.ringNumber;
    m_db.animals.push_back(std::move(animal));
    const QString failure = picturePath.isEmpty() ? QString() : m_pictures.copyIn(picturePath, ring);
    notify(picturePath.isEmpty() || !failure.isEmpty() ? Changes(Animals) : Animals | Pictures,
           keepRingIndexAfterAppending(m_db.animals.size() - 1));
    return failure;
}

AnimalEditResult StockDocument::changeAnimal(const QString& selectedRing, const AnimalEdit& requested, bool carryLinks)
{
    AnimalEditResult result = checkAnimalEdit(m_db.animals, selectedRing, requested);
    if (!result.stored())
        return result;
    // The records first: they are the part that can fail on the disk, and then nothing changes.
    AnimalEdit edit = requested;
    const QString newRing = edit.storedRing();
    Changes what;
    std::optional<Whereabouts> whereabouts = edit.whereabouts;
    if (whereabouts) {
        whereabouts->ring = newRing;
        const Animal* current = lastActive(selectedRing);
        if (current && current->sold != 0 && !edit.sold)
            whereabouts->status = WhereaboutsStatus::InStock; // the mark unticked brings the bird back
        edit.sold = edit.sold || !whereabouts->inStock(); // gone in any way: the mark is set
        Whereabouts stored = m_records->whereabouts(selectedRing).value_or(Whereabouts());
        stored.ring = newRing;
        if (whereabouts == stored)
            whereabouts.reset(); // nothing new to store (a rename carries it)
        else
            what |= Records;
    }
    std::optional<FactorStates> factors = edit.factors;
    if (factors) {
        std::erase_if(*factors, [](const auto& entry) { return entry.second == FactorState::Unknown; });
        if (*factors == m_records->colourFactors(selectedRing))
            factors.reset();
        else
            what |= Records;
    }
    const bool recordsMove = newRing != selectedRing && m_records->hasRecords(selectedRing);
    if (recordsMove || whereabouts || factors) {
        if (const QString failure = m_records->changeBird(selectedRing, newRing, {whereabouts, factors});
            !failure.isEmpty())
            return {AnimalEditResult::Outcome::Refused, failure, {}};
        if (recordsMove)
            what |= Records;
    }

    // Only the animals with the selected ring can change; their old state tells whether one did.
    const std::vector<size_t> edited = activeIndicesOf(m_db.animals, selectedRing);
    AnimalTable before;
    for (const size_t i : edited)
        before.push_back(m_db.animals[i]);
    applyAnimalEdit(m_db.animals, selectedRing, edit);
    for (size_t k = 0; k < edited.size(); ++k) {
        if (m_db.animals[edited[k]] != before[k])
            what |= Animals;
    }
    if (newRing != selectedRing) {
        // The animal keeps its picture under its new ring.
        const bool hadPicture = m_pictures.exists(selectedRing);
        result.pictureProblem = m_pictures.rename(selectedRing, newRing);
        if (hadPicture && result.pictureProblem.isEmpty())
            what |= Pictures;
        if (carryLinks && linksTo(m_db, selectedRing) > 0) {
            ::carryRingChange(m_db, selectedRing, newRing);
            what |= ParentLinks | Pairs;
        }
    }
    // Fields changed in place under the same ring leave every index as it was.
    if (what)
        notify(what, newRing == selectedRing ? KeepAll : KeepNone);
    return result;
}

QString StockDocument::deleteAnimal(const QString& ring)
{
    const bool hadPicture = m_pictures.exists(ring);
    QStringList failures;
    failures << m_pictures.remove(ring);
    Changes what;
    if (hadPicture && failures.last().isEmpty())
        what |= Pictures;
    if (markDeleted(m_db.animals, ring)) {
        what |= Animals | ParentLinks;
        // The bird left the stock: its records go with it.
        if (m_records->hasRecords(ring)) {
            failures << m_records->removeRing(ring);
            what |= Records;
        }
    }
    if (what)
        notify(what);
    failures.removeAll(QString());
    return failures.join(QStringLiteral("\n\n"));
}

QString StockDocument::addShowResult(ShowResult& result)
{
    const QString failure = m_records->addShowResult(result);
    if (failure.isEmpty())
        notify(Records);
    return failure;
}

QString StockDocument::changeShowResult(const ShowResult& result)
{
    const QString failure = m_records->changeShowResult(result);
    if (failure.isEmpty())
        notify(Records);
    return failure;
}

QString StockDocument::removeShowResult(qint64 id)
{
    const QString failure = m_records->removeShowResult(id);
    if (failure.isEmpty())
        notify(Records);
    return failure;
}

QString StockDocument::replaceRecords(const QString& copy)
{
    const QString failure = m_records->replaceFrom(copy);
    if (failure.isEmpty())
        notify(Records);
    return failure;
}

bool StockDocument::setParents(const QString& childRing, const QString& mother, const QString& father)
{
    bool changed = false;
    const bool written = saveParents(m_db.animals, childRing, mother, father, &changed);
    if (changed)
        notify(ParentLinks);
    return written;
}

void StockDocument::sortStock()
{
    if (::sortStock(m_db.animals))
        notify(AnimalOrder);
}

void StockDocument::setBreederData(const BreederData& breeder)
{
    if (breeder == m_db.breeder)
        return;
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

QString StockDocument::makePictureFolder()
{
    return m_pictures.makeFolder();
}

QString StockDocument::storePicture(const QString& ring, const QString& source)
{
    const QString failure = m_pictures.copyIn(source, ring);
    if (failure.isEmpty())
        notify(Pictures);
    return failure;
}

QString StockDocument::removePicture(const QString& ring)
{
    if (!m_pictures.exists(ring))
        return {};
    const QString failure = m_pictures.remove(ring);
    if (failure.isEmpty())
        notify(Pictures);
    return failure;
}

FolderCopy StockDocument::replacePictures(const QString& source, const QString& keepOldAs, const CopyProgress& progress)
{
    FolderCopy copy = m_pictures.replaceAll(source, keepOldAs, progress);
    if (copy.error.isEmpty() && !copy.cancelled)
        notify(Pictures);
    return copy;
}

BreedingPair& StockDocument::pairAt(int pair)
{
    if (pair < 0 || size_t(pair) >= m_db.pairs.size())
        throw std::out_of_range("Dieses Zuchtpaar gibt es nicht mehr.");
    return m_db.pairs[size_t(pair)];
}

Clutch& StockDocument::clutchAt(int pair, int clutch)
{
    auto& clutches = pairAt(pair).clutches;
    if (clutch < 0 || size_t(clutch) >= clutches.size())
        throw std::out_of_range("Dieses Gelege gibt es nicht mehr.");
    return clutches[size_t(clutch)];
}

void StockDocument::addPair(BreedingPair pair)
{
    m_db.pairs.push_back(std::move(pair));
    notify(Pairs);
}

void StockDocument::changePair(int pair, const BreedingPair& values)
{
    BreedingPair& p = pairAt(pair);
    if (p.cockRing == values.cockRing && p.henRing == values.henRing && p.cageNumber == values.cageNumber
        && p.breedingStart == values.breedingStart)
        return;
    p.cockRing = values.cockRing;
    p.henRing = values.henRing;
    p.cageNumber = values.cageNumber;
    p.breedingStart = values.breedingStart;
    notify(Pairs);
}

void StockDocument::removePair(int pair)
{
    pairAt(pair);
    m_db.pairs.erase(m_db.pairs.begin() + pair);
    notify(Pairs);
}

void StockDocument::addClutch(int pair)
{
    pairAt(pair).clutches.emplace_back();
    notify(Pairs);
}

void StockDocument::setClutch(int pair, int clutch, Clutch values)
{
    Clutch& c = clutchAt(pair, clutch);
    if (c == values)
        return;
    c = std::move(values);
    notify(Pairs);
}

void StockDocument::removeClutch(int pair, int clutch)
{
    clutchAt(pair, clutch);
    auto& clutches = pairAt(pair).clutches;
    clutches.erase(clutches.begin() + clutch);
    notify(Pairs);
}

void StockDocument::ringYoung(int pair, int clutch, int egg, Animal animal, const Youngster& young)
{
    auto& eggs = clutchAt(pair, clutch).young;
    if (egg < 0 || size_t(egg) >= eggs.size())
        throw std::out_of_range("Dieses Ei gibt es nicht mehr.");
    m_db.animals.push_back(std::move(animal));
    eggs[size_t(egg)] = young;
    notify(Animals | Pairs);
}

QStringList StockDocument::clearYoung(int pair, int clutch, int egg)
{
    auto& eggs = clutchAt(pair, clutch).young;
    if (egg < 0 || size_t(egg) >= eggs.size())
        throw std::out_of_range("Dieses Ei gibt es nicht mehr.");
    Youngster& y = eggs[size_t(egg)];
    QStringList removed;
    for (Animal& a : m_db.animals) {
        if (y.ring.isEmpty() || a.ringNumber != y.ring)
            continue;
        a.active = 0;
        a.fatherRing.clear();
        a.motherRing.clear();
        removed << a.ringNumber;
    }
    if (y == Youngster() && removed.isEmpty())
        return removed;
    Changes what = removed.isEmpty() ? Changes(Pairs) : Animals | ParentLinks | Pairs;
    if (!removed.isEmpty() && m_records->hasRecords(y.ring)) {
        m_records->removeRing(y.ring); // else the data check would name them
        what |= Records;
    }
    y = {};
    notify(what);
    return removed;
}

void StockDocument::replaceAll(Database db)
{
    if (db == m_db)
        return;
    m_db = std::move(db);
    notify(Everything);
}

void StockDocument::wipe()
{
    Database empty;
    empty.print = m_db.print;
    m_pictures.removeAll();
    m_records->clear();
    m_db = std::move(empty);
    notify(Everything);
}

DataFiles::SaveResult StockDocument::save()
{
    return m_files.save(m_db, m_generation);
}
