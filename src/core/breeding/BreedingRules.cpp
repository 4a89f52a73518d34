#include "core/breeding/BreedingRules.h"

#include "core/model/Dates.h"
#include "core/model/TextRules.h"
#include "core/stock/AnimalQueries.h"

#include <QCoreApplication>

QString checkPair(const PairInput& input)
{
    // Later checks overwrite earlier ones: one message, for the last failure.
    QString message;
    if (!Dates::parseLocal(input.breedingStart))
        message = QCoreApplication::translate("BreedingRules", "Ungültiges Zuchtbeginn-Datum!");
    if (!toInt32(input.cage))
        message = QCoreApplication::translate("BreedingRules", "Ungültige Heckennummer!");
    if (!input.cock)
        message = QCoreApplication::translate("BreedingRules", "Bitte Vogel (m) 1.0 auswählen!");
    if (!input.hen)
        message = QCoreApplication::translate("BreedingRules", "Bitte Vogel (w) 0.1 auswählen!");
    return message;
}

BreedingPair makePair(const PairInput& input)
{
    BreedingPair pair;
    pair.cockRing = cutTo(input.cock.value_or(QString()), kRingLength);
    pair.henRing = cutTo(input.hen.value_or(QString()), kRingLength);
    pair.cageNumber = toInt32(input.cage).value_or(0);
    pair.breedingStart = Dates::parseLocal(input.breedingStart).value_or(0);
    return pair;
}

QStringList clutchCaptions(const BreedingPair& pair)
{
    QStringList captions;
    for (size_t k = 1; k <= pair.clutches.size(); ++k)
        captions << QCoreApplication::translate("BreedingRules", "Gelege %1").arg(k);
    return captions;
}

QString checkClutch(const ClutchInput& input)
{
    QString message;
    if (!Dates::parseLocal(input.firstEgg))
        message = QCoreApplication::translate("BreedingRules", "Ungültiges Datum bei Erstes Ei!");
    const std::optional<qint32> count = toInt32(input.eggCount);
    if (!count || *count < 0 || *count > kMaxEggsPerClutch)
        message = QCoreApplication::translate("BreedingRules", "Ungültige Anzahl Eier!");
    if (!Dates::parseLocal(input.lastEgg))
        message = QCoreApplication::translate("BreedingRules", "Ungültiges Datum bei Letztes Ei!");
    if (!Dates::parseLocal(input.incubationStart))
        message = QCoreApplication::translate("BreedingRules", "Ungültiges Datum bei Gelege Gesetzt!");
    return message;
}

Clutch savedClutch(Clutch clutch, const ClutchInput& input)
{
    clutch.eggCount = toInt32(input.eggCount).value_or(0);
    clutch.firstEgg = Dates::parseLocal(input.firstEgg).value_or(0);
    clutch.lastEgg = Dates::parseLocal(input.lastEgg).value_or(0);
    clutch.incubationStart = Dates::parseLocal(input.incubationStart).value_or(0);
    clutch.young.resize(size_t(std::max(0, clutch.eggCount)));
    return clutch;
}

QString checkYoung(const AnimalTable& animals, const YoungInput& input)
{
    int dateFailure = 0;
    if (!Dates::parseLocal(input.weaned))
        dateFailure = 1;
    if (!Dates::parseLocal(input.hatched))
        dateFailure = 2;
    if (activeRingExists(animals, input.ring)) {
        return QCoreApplication::translate("BreedingRules", "ACHTUNG:\n\r\n\rDie Ringnr %1 ist bereits angelegt.")
            .arg(upperAscii(input.ring));
    }
    if (input.ring.isEmpty())
        return QCoreApplication::translate("BreedingRules", "Bitte die Ringnummer angeben.");
    if (!input.sex)
        return QCoreApplication::translate("BreedingRules", "Bitte das Geschlecht angeben.");
    if (dateFailure == 1)
        return QCoreApplication::translate("BreedingRules", "Bitte das abgesetzt-Datum richtig angeben.");
    if (dateFailure == 2)
        return QCoreApplication::translate("BreedingRules", "Bitte das Schlupf-Datum richtig angeben.");
    return {};
}

Animal youngAnimal(const YoungInput& input, const QString& cockRing, const QString& henRing, const BreederData& breeder)
{
    Animal a;
    a.ringNumber = cutTo(upperAscii(input.ring), kRingLength);
    a.sex = input.sex.value_or(Sex::Unknown);
    a.birthYear = Dates::toDate(Dates::parseLocal(input.hatched).value_or(0)).year();
    a.breeder = cutTo(breeder.firstName + QLatin1Char(' ') + breeder.lastName, kAnimalTextLength);
    a.colour = QStringLiteral("unbekannt"); // stored in the data file
    a.breed = cutTo(input.breed, kAnimalTextLength);
    a.remarks = input.remarks;
    a.fatherRing = cutTo(cockRing, kRingLength);
    a.motherRing = cutTo(henRing, kRingLength);
    a.active = 1;
    a.sold = 0;
    return a;
}

Youngster ringedYoungster(const YoungInput& input)
{
    return {cutTo(upperAscii(input.ring), kRingLength), Dates::parseLocal(input.weaned).value_or(0),
            Dates::parseLocal(input.hatched).value_or(0)};
}

QString eggClearedMessage(const QString& ring)
{
    return QCoreApplication::translate("BreedingRules",
                                       "Die Beringung des Ei's wurde gelöscht.\n\r\n\rAußerdem wurde der Vogel mit der "
                                       "Ringnummer %1 und die Elternbeziehungen ebenfalls wieder entfernt.\r\n\r\nEs "
                                       "kann nun eine neue Ringnummer zu diesem Ei angelegt werden.")
        .arg(ring);
}

PairCandidates pairCandidates(const AnimalTable& animals, const std::vector<qsizetype>& alphabetical)
{
    PairCandidates candidates;
    for (const qsizetype i : alphabetical) {
        const Animal& a = animals[size_t(i)];
        if (a.sex == Sex::Male)
            candidates.cocks.append(a.ringNumber);
        else if (a.sex == Sex::Female)
            candidates.hens.append(a.ringNumber);
    }
    return candidates;
}
