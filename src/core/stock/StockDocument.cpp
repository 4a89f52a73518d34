#include "core/stock/StockDocument.h"

#include "core/records/RecordsDatabase.h"
#include "core/stock/AnimalDeletion.h"
#include "core/stock/AnimalQueries.h"
#include "core/stock/DescendantsFinder.h"
#include "core/stock/ParentLinks.h"
#include "core/stock/RingIndex.h"
#include "core/stock/StockSort.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <stdexcept>

StockDocument::StockDocument(StockData db, DataFiles files, std::unique_ptr<RecordsDatabase> records, QObject* parent)
    : QObject(parent)
    , m_db(std::move(db))
    , m_files(std::move(files))
    , m_pictures(m_files.folder())
    , m_records(records ? std::move(records) : std::make_unique<RecordsDatabase>())
{ }

StockDocument::~StockDocument() = default;

namespace {

// What the two data files hold; the rest lives in the records database and the picture folder.
constexpr StockDocument::Changes kFileChanges = StockDocument::Animals | StockDocument::AnimalOrder
    | StockDocument::ParentLinks | StockDocument::Pairs | StockDocument::Breeder | StockDocument::Print
    | StockDocument::ListedMarks;

auto activeWith(const QString& ring)
{
    return [ring](const Animal& a) {
        return a.active != 0 && a.ringNumber == ring;
    };
}

} // namespace

void StockDocument::notify(Changes what, int kept, bool positionsReported)
{
    if ((what & (Animals | AnimalOrder | ListedMarks)) && !positionsReported) {
        m_encoded.invalidateAll();
        m_offered.reset();
        m_candidates.reset();
    }
    ++m_generation;
    if (what & kFileChanges)
        ++m_filesGeneration;
    const bool animals = what & (Animals | AnimalOrder);
    if ((what & AnimalOrder) || (animals && !(kept & KeepRingIndex)))
        m_ringIndex.reset();
    if ((what & AnimalOrder) || (animals && kept != KeepAll)) {
        m_alphabetical.reset();
        m_descendants.reset();
    }
    if (what & ParentLinks)
        m_descendants.reset();
    for (auto& [type, slot] : m_derived) {
        if (what & slot.dependsOn)
            slot.value.reset();
    }
    emit changed(what);
}

void StockDocument::record(StockChange change, Changes what, int kept)
{
    change.addTouched(quint32(what));
    const bool changedAny = change.settle(stores());
    followReached(change.animalsReached());
    if (changedAny) {
        m_history.push(std::move(change));
        emit historyChanged();
    }
    if (what)
        notify(what, kept, true);
}

void StockDocument::keepSettingChange(const QString& text, std::function<void(bool toBefore)> swap)
{
    StockChange change(text, Settings);
    change.keepOutside(std::move(swap));
    m_history.push(std::move(change));
    emit historyChanged();
    notify(Settings);
}

void StockDocument::clearHistory()
{
    if (!m_history.canUndo() && !m_history.canRedo())
        return;
    m_history.clear();
    emit historyChanged();
}

QString StockDocument::undo()
{
    if (!m_history.canUndo())
        return {};
    UndoHistory::Step& step = m_history.nextUndo();
    for (size_t i = step.parts.size(); i-- > 0;) {
        if (QString failure = step.parts[i].revert(stores()); !failure.isEmpty()) {
            for (size_t k = i + 1; k < step.parts.size(); ++k)
                step.parts[k].apply(stores());
            followReached(AnimalsReached::everyOne()); // the parts are back as they were, to the last byte or not
            return tr("„%1“ konnte nicht rückgängig gemacht werden: %2").arg(step.text(), failure);
        }
    }
    m_history.undone();
    for (const StockChange& part : step.parts)
        followReached(part.animalsReached());
    notify(Changes::fromInt(int(step.touched())), KeepNone, true);
    emit historyChanged();
    return {};
}

QString StockDocument::redo()
{
    if (!m_history.canRedo())
        return {};
    UndoHistory::Step& step = m_history.nextRedo();
    for (size_t i = 0; i < step.parts.size(); ++i) {
        if (QString failure = step.parts[i].apply(stores()); !failure.isEmpty()) {
            for (size_t k = i; k-- > 0;)
                step.parts[k].revert(stores());
            followReached(AnimalsReached::everyOne());
            return tr("„%1“ konnte nicht wiederholt werden: %2").arg(step.text(), failure);
        }
    }
    m_history.redone();
    for (const StockChange& part : step.parts)
        followReached(part.animalsReached());
    notify(Changes::fromInt(int(step.touched())), KeepNone, true);
    emit historyChanged();
    return {};
}

void StockDocument::followReached(const AnimalsReached& reached)
{
    if (reached.all) {
        m_encoded.invalidateAll();
    } else {
        for (const size_t position : reached.positions)
            m_encoded.invalidate(position);
        if (reached.from)
            m_encoded.invalidateFrom(*reached.from);
    }
    m_offered.follow(m_db.animals, reached);
    m_candidates.follow(m_db.animals, reached);
}

int StockDocument::keepRingIndexAfterAppending(size_t first)
{
    return m_ringIndex && m_ringIndex->addAppended(first) ? KeepRingIndex : KeepNone;
}

void StockDocument::appendAnimals(AnimalTable animals)
{
    if (animals.empty())
        return;
    StockChange change(animals.size() == 1 ? tr("Kanarienvogel %1 angelegt").arg(animals.front().ringNumber)
                                           //: %1 is how many, %2 the first ring, %3 the last
                                           : tr("%1 Kanarienvögel angelegt, %2 bis %3")
                                                 .arg(QString::number(animals.size()), animals.front().ringNumber,
                                                      animals.back().ringNumber));
    change.keepAppended(m_db.animals);
    const size_t first = m_db.animals.size();
    m_db.animals.reserve(m_db.animals.size() + animals.size());
    std::move(animals.begin(), animals.end(), std::back_inserter(m_db.animals));
    record(std::move(change), Animals, keepRingIndexAfterAppending(first));
}

QString StockDocument::importAnimals(const QString& text, AnimalTable added, const std::vector<Animal>& updated,
                                     const std::vector<std::pair<QString, AnimalRecordChange>>& records)
{
    const bool animalsChange = !added.empty() || !updated.empty();
    StockChange change(text);
    // The records first: refused, they leave the animals as they were too.
    if (!records.empty()) {
        for (const auto& [ring, wanted] : records)
            change.keepRecords(*m_records, ring);
        if (QString failure = m_records->changeRecords(records); !failure.isEmpty())
            return failure;
    }
    QHash<QString, const Animal*> byRing;
    for (const Animal& a : updated)
        byRing.insert(a.ringNumber, &a);
    change.keepAnimalsWhere(m_db.animals,
                            [&](const Animal& a) { return a.isActive() && byRing.contains(a.ringNumber); });
    for (Animal& a : m_db.animals) {
        if (const Animal* with = a.isActive() ? byRing.value(a.ringNumber) : nullptr) {
            // The fields a file fills; the marks the file format keeps stay as they are.
            const quint8 active = a.active;
            const quint8 listed = a.listedMark;
            const auto reserved = a.reserved;
            a = *with;
            a.active = active;
            a.listedMark = listed;
            a.reserved = reserved;
        }
    }
    change.keepAppended(m_db.animals);
    m_db.animals.reserve(m_db.animals.size() + added.size());
    std::move(added.begin(), added.end(), std::back_inserter(m_db.animals));
    Changes what = records.empty() ? Changes() : Changes(Records);
    if (animalsChange)
        what |= Animals | ParentLinks;
    record(std::move(change), what);
    return {};
}

QString StockDocument::enterAnimal(Animal animal, const QString& picturePath)
{
    const QString ring = animal.ringNumber;
    StockChange change(tr("Kanarienvogel %1 angelegt").arg(ring));
    change.keepAppended(m_db.animals);
    if (!picturePath.isEmpty())
        change.keepPicture(m_pictures, ring);
    m_db.animals.push_back(std::move(animal));
    const QString failure = picturePath.isEmpty() ? QString() : m_pictures.copyIn(picturePath, ring);
    record(std::move(change), picturePath.isEmpty() || !failure.isEmpty() ? Changes(Animals) : Animals | Pictures,
           keepRingIndexAfterAppending(m_db.animals.size() - 1));
    return failure;
}

AnimalEditResult StockDocument::changeAnimal(const QString& selectedRing, const AnimalEdit& requested,
                                             const CarryLinks& carryLinks)
{
    // Only the animals with the selected ring can change; their old state tells whether one did.
    const std::vector<size_t> edited = ringIndex().activeWith(selectedRing);
    AnimalEditResult result = checkAnimalEdit(m_db.animals, selectedRing, edited, requested);
    if (!result.stored())
        return result;
    AnimalEdit edit = requested;
    const QString newRing = edit.storedRing();
    const int links = newRing == selectedRing ? 0 : linksTo(m_db, selectedRing);
    const bool carry = links > 0 && carryLinks && carryLinks(links);
    // The records first: they are the part that can fail on the disk, and then nothing changes.
    StockChange change(tr("Kanarienvogel %1 geändert").arg(newRing));
    for (const QString& ring : {selectedRing, newRing}) {
        change.keepRecords(*m_records, ring);
        change.keepPicture(m_pictures, ring);
    }
    for (const size_t i : edited)
        change.keepAnimal(m_db.animals, i);
    if (carry) {
        change.keepAnimalsWhere(m_db.animals, [&](const Animal& a) {
            return a.fatherRing == selectedRing || a.motherRing == selectedRing;
        });
        change.keepPairs(m_db.pairs);
    }
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
    std::optional<std::vector<ShowResult>> shows = edit.showResults;
    if (shows) {
        if (*shows == m_records->showResults(selectedRing))
            shows.reset();
        else
            what |= Records;
    }
    std::optional<LocationMove> move = edit.move;
    if (move) {
        move->location = move->location.trimmed();
        const std::optional<LocationMove> current = m_records->currentLocation(selectedRing);
        if (move->location == (current ? current->location : QString()))
            move.reset();
        else
            what |= Records;
    }
    const bool recordsMove = newRing != selectedRing && m_records->hasRecords(selectedRing);
    if (recordsMove || whereabouts || factors || shows || move) {
        if (const QString failure
            = m_records->changeRecordsOf(selectedRing, newRing, {whereabouts, factors, shows, move});
            !failure.isEmpty())
            return {AnimalEditResult::Outcome::RecordsRefused, failure, {}};
        if (recordsMove)
            what |= Records;
    }

    AnimalTable before;
    for (const size_t i : edited)
        before.push_back(m_db.animals[i]);
    writeAnimalEdit(m_db.animals, edited, edit);
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
        if (carry) {
            ::carryRingChange(m_db, selectedRing, newRing);
            what |= ParentLinks | Pairs;
        }
    }
    // Fields changed in place under the same ring leave every index as it was.
    record(std::move(change), what, newRing == selectedRing ? KeepAll : KeepNone);
    return result;
}

QString StockDocument::deleteAnimal(const QString& ring)
{
    StockChange change(tr("Kanarienvogel %1 gelöscht").arg(ring));
    change.keepAnimalsWhere(m_db.animals, activeWith(ring));
    change.keepRecords(*m_records, ring);
    change.keepPicture(m_pictures, ring);
    Changes what;
    // The bird leaves the stock with its records, or not at all: the records are the part that can fail.
    const bool inStock = lastActive(ring) != nullptr;
    if (inStock && m_records->hasRecords(ring)) {
        if (QString failure = m_records->removeRing(ring); !failure.isEmpty())
            return failure;
        what |= Records;
    }
    const bool hadPicture = m_pictures.exists(ring);
    const QString pictureFailure = m_pictures.remove(ring);
    if (hadPicture && pictureFailure.isEmpty())
        what |= Pictures;
    if (markDeleted(m_db.animals, ring))
        what |= Animals | ParentLinks;
    record(std::move(change), what);
    return pictureFailure;
}

bool StockDocument::setParents(const QString& childRing, const QString& mother, const QString& father)
{
    StockChange change(tr("Eltern von %1 gespeichert").arg(childRing));
    change.keepAnimalsWhere(m_db.animals, activeWith(childRing));
    bool changed = false;
    const bool written = saveParents(m_db.animals, childRing, mother, father, &changed);
    record(std::move(change), changed ? Changes(ParentLinks) : Changes());
    return written;
}

void StockDocument::sortStock()
{
    std::optional<std::vector<quint32>> order = stockSortOrder(m_db.animals);
    if (!order)
        return;
    // The program sorts on its own (a window opened): no step of its own, but
    // taken back with the step before it, whose positions it moved.
    StockChange change(tr("Bestand sortiert"), AnimalOrder);
    change.sortAndKeep(m_db.animals, std::move(*order));
    const bool hadRedo = m_history.canRedo();
    m_history.attach(std::move(change));
    if (hadRedo)
        emit historyChanged();
    notify(AnimalOrder);
}

void StockDocument::setBreederData(const BreederData& breeder)
{
    if (breeder == m_db.breeder)
        return;
    StockChange change(tr("Züchterdaten geändert"));
    change.keepBreeder(m_db.breeder);
    m_db.breeder = breeder;
    record(std::move(change), Breeder);
}

void StockDocument::setPrintSettings(const PrintSettings& print)
{
    if (print == m_db.print)
        return;
    StockChange change(tr("Druckeinstellungen geändert"));
    change.keepPrint(m_db.print);
    m_db.print = print;
    record(std::move(change), Print);
}

QString StockDocument::makePictureFolder()
{
    return m_pictures.makeFolder();
}

QString StockDocument::storePicture(const QString& ring, const QString& source)
{
    StockChange change(tr("Bild von %1 gespeichert").arg(ring));
    change.keepPicture(m_pictures, ring);
    const QString failure = m_pictures.copyIn(source, ring);
    if (failure.isEmpty())
        record(std::move(change), Pictures);
    return failure;
}

QString StockDocument::removePicture(const QString& ring)
{
    if (!m_pictures.exists(ring))
        return {};
    StockChange change(tr("Bild von %1 entfernt").arg(ring));
    change.keepPicture(m_pictures, ring);
    const QString failure = m_pictures.remove(ring);
    if (failure.isEmpty())
        record(std::move(change), Pictures);
    return failure;
}

FolderCopy StockDocument::replacePictures(const QString& source, const QString& keepOldAs, const CopyProgress& progress)
{
    FolderCopy copy = m_pictures.replaceAll(source, keepOldAs, progress);
    if (copy.error.isEmpty() && !copy.cancelled) {
        clearHistory();
        notify(Pictures);
    }
    return copy;
}

void StockDocument::replaceAll(StockData db)
{
    if (db == m_db)
        return;
    m_db = std::move(db);
    clearHistory();
    notify(Everything);
}

QString StockDocument::wipe()
{
    // The records first: they are the part that can refuse, and then nothing is gone.
    if (QString failure = m_records->clear(); !failure.isEmpty())
        return failure;
    StockData empty;
    empty.print = m_db.print;
    m_pictures.removeAll();
    m_db = std::move(empty);
    clearHistory();
    notify(Everything);
    return {};
}
