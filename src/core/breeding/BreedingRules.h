#pragma once

#include "core/model/StockData.h"

#include <QStringList>

#include <optional>

// Breeding pairs, their clutches and the ringing of the young: the checks of
// what a breeder enters, and the records made from it.

struct PairInput
{
    QString breedingStart; // as typed, day.month.year
    QString cage;
    std::optional<QString> cock; // the selected entries, if any
    std::optional<QString> hen;
};

// Every check runs; the message of the last that failed, or an empty text.
QString checkPair(const PairInput& input);
// The pair (without clutches) for input that passed its checks.
BreedingPair makePair(const PairInput& input);

// "Gelege 1", "Gelege 2", ... for the pair's clutches.
QStringList clutchCaptions(const BreedingPair& pair);

struct ClutchInput
{
    QString eggCount;
    QString firstEgg;
    QString lastEgg;
    QString incubationStart;
};

// The most eggs a clutch may have: far more than any bird lays (a canary
// lays three to six), so only a slip of the keyboard is refused.
inline constexpr qint32 kMaxEggsPerClutch = 30;

// Every check runs; the message of the last that failed, or an empty text.
// A negative egg count, or one above kMaxEggsPerClutch, is refused like a
// text that is no number.
QString checkClutch(const ClutchInput& input);
// The clutch with the typed values and its young resized to the egg count:
// the young of the first eggs kept, new eggs unringed, surplus ones dropped.
Clutch savedClutch(Clutch clutch, const ClutchInput& input);

struct YoungInput
{
    QString ring;
    std::optional<Sex> sex;
    QString breed;
    QString hatched;
    QString weaned;
    QString remarks;
};

// The message of the first check that fails when a young bird is ringed, or
// an empty text. Both dates are needed; when both are wrong the hatching
// date's message is the one shown.
QString checkYoung(const AnimalTable& animals, const YoungInput& input);

// The animal a ringed young bird becomes: its parents are the cock and the
// hen the dialog shows, its breeder the breeder's own name.
Animal youngAnimal(const YoungInput& input, const QString& cockRing, const QString& henRing,
                   const BreederData& breeder);
Youngster ringedYoungster(const YoungInput& input);

// What "Ei-Infos löschen" says for each animal it takes out of the stock.
QString eggClearedMessage(const QString& ring);

// The cocks and hens offered for a pair: every male or female animal, deleted
// and sold ones too, alphabetical. `alphabetical` holds the table positions in
// the alphabetical order of their rings (alphabeticalRingOrder).
struct PairCandidates
{
    QStringList cocks;
    QStringList hens;
};
PairCandidates pairCandidates(const AnimalTable& animals, const std::vector<qsizetype>& alphabetical);
