#pragma once

#include "core/breeding/BreedingRules.h"
#include "core/files/DataFiles.h"
#include "core/model/Database.h"
#include "core/pictures/PictureStore.h"
#include "core/stock/AnimalChange.h"
#include "core/stocklist/StockList.h"

#include <QObject>

#include <memory>

class DescendantsFinder;
class RingIndex;

// The breeder's data for the whole run, and the only place that changes it.
// After every change it signals what changed; windows listen and refresh,
// and the indexes over the stock are dropped, to be built again on next use.
class StockDocument : public QObject
{
    Q_OBJECT

public:
    enum Change
    {
        Animals = 0x01, // added, edited or deleted: rings and lists may differ
        AnimalOrder = 0x02, // the table re-sorted; deleted records dropped
        ParentLinks = 0x04,
        Pairs = 0x08,
        Breeder = 0x10,
        Print = 0x20,
        Everything = 0xFF, // replaced as a whole (a restore, a wipe)
    };
    Q_DECLARE_FLAGS(Changes, Change)

    StockDocument(Database db, DataFiles files, QObject* parent = nullptr);
    ~StockDocument() override;

    const Database& data() const { return m_db; }
    const AnimalTable& animals() const { return m_db.animals; }
    const PairTable& pairs() const { return m_db.pairs; }
    const BreederData& breeder() const { return m_db.breeder; }
    const PrintSettings& printSettings() const { return m_db.print; }
    const PictureStore& pictures() const { return m_pictures; }
    DataFiles& files() { return m_files; }

    // Look-ups through indexes that live until the next change.
    const RingIndex& ringIndex() const;
    const DescendantsFinder& descendants() const;
    // Table positions in the alphabetical order of their ring numbers.
    const std::vector<qsizetype>& alphabeticalOrder() const;
    // The last active animal with exactly this ring, or nullptr.
    const Animal* lastActive(const QString& ring) const;

    // The distinct values of a field over the active animals, alphabetical.
    // Sets the animals' listed marks as the saved file keeps them; that is
    // no change anyone needs to hear of.
    QStringList distinctValues(QString Animal::*field);

    // The numbered entries of the printed stock list, and its HTML page.
    // The year order leaves the listed marks the saved file keeps, so these
    // set them too, without a signal.
    QStringList stockListItems(StockListOrder order, StockListLayout layout, const std::optional<QString>& breed);
    bool writeStockListHtml(QIODevice& device, StockListOrder order, const QString& date);

    void appendAnimals(AnimalTable animals);
    AnimalEditResult changeAnimal(const QString& selectedRing, const AnimalEdit& edit);
    // Makes every link to oldRing (parents, pairs, young) name newRing.
    void carryRingChange(const QString& oldRing, const QString& newRing);
    bool markDeleted(const QString& ring);
    bool setParents(const QString& childRing, const QString& mother, const QString& father);
    // Newest birth year first; deleted animals leave the table for good.
    void sortStock();
    void setBreederData(const BreederData& breeder);

    // Breeding pairs, addressed by their position in the table as every pair list shows them.
    void addPair(BreedingPair pair);
    // The pair's rings, cage and start; its clutches stay.
    void changePair(int pair, const BreedingPair& values);
    void removePair(int pair);
    void addClutch(int pair);
    void setClutch(int pair, int clutch, Clutch values);
    void removeClutch(int pair, int clutch);
    // Rings a young bird: its animal joins the stock and its egg names it, together.
    void ringYoung(int pair, int clutch, int egg, Animal animal, const Youngster& young);
    // Takes the egg's bird out of the stock (every animal with its ring) and
    // clears the egg. The rings of the animals taken out, one per animal.
    QStringList clearYoung(int pair, int clutch, int egg);
    // The cocks and hens a pair may have, alphabetical; kept until the stock changes.
    const PairCandidates& pairCandidates() const;
    void setPrintSettings(const PrintSettings& print);
    void replaceAll(Database db);

    // Writes both data files.
    DataFiles::SaveResult save();

signals:
    void changed(StockDocument::Changes what);

private:
    void notify(Changes what);

    Database m_db;
    DataFiles m_files;
    PictureStore m_pictures;
    mutable std::unique_ptr<RingIndex> m_ringIndex;
    mutable std::unique_ptr<DescendantsFinder> m_descendants;
    mutable std::unique_ptr<std::vector<qsizetype>> m_alphabetical;
    mutable std::unique_ptr<PairCandidates> m_pairCandidates;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(StockDocument::Changes)
