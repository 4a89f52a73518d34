#pragma once

#include "core/model/StockData.h"

#include <concepts>
#include <type_traits>

// The fields of each record in file order. One list per record drives the
// reader, the writer and the size count, so their orders cannot drift apart.
// A visitor offers int32, uint32, byte, date, code (an enum stored as 32
// bits), boundedText (a length byte and a buffer of the field's length),
// countedText (a 4-byte count and the bytes) and list (a 4-byte count and
// the items, each visited by its own list).

template<typename R, typename Record>
concept RecordOf = std::same_as<std::remove_const_t<R>, Record>;

template<typename Visitor, RecordOf<Animal> A> void visitFields(Visitor& v, A& a)
{
    v.boundedText(a.ringNumber, kRingLength);
    v.code(a.sex);
    v.int32(a.birthYear);
    v.boundedText(a.breeder, kAnimalTextLength);
    v.boundedText(a.colour, kAnimalTextLength);
    v.boundedText(a.markings, kAnimalTextLength); // markings come before breed in the file
    v.boundedText(a.breed, kAnimalTextLength);
    v.boundedText(a.fatherRing, kRingLength);
    v.boundedText(a.motherRing, kRingLength);
    v.byte(a.active);
    v.byte(a.listedMark);
    v.byte(a.sold);
    for (auto& reserved : a.reserved)
        v.int32(reserved);
    v.countedText(a.remarks);
    v.countedText(a.listRemarks);
}

// What follows the animals in the stock file; the year flag stands ahead of the breeder data.
template<typename Visitor, RecordOf<PrintSettings> P, RecordOf<BreederData> B>
void visitStockTail(Visitor& v, P& print, B& breeder)
{
    v.byte(print.printBirthYear);
    for (auto* text : {&breeder.firstName, &breeder.lastName, &breeder.street, &breeder.postcodeCity, &breeder.phone,
                       &breeder.breederNumber, &breeder.clubNumber})
        v.boundedText(*text, kBreederDataLength);
    v.byte(print.showBreeding);
    v.code(print.stockListLayout);
    v.code(print.topRightContent);
    v.byte(print.showPrefixes);
    v.uint32(print.maleColour);
    v.uint32(print.femaleColour);
    v.uint32(print.headerColour);
}

template<typename Visitor, RecordOf<Youngster> Y> void visitFields(Visitor& v, Y& young)
{
    v.boundedText(young.ring, kRingLength);
    v.date(young.weaned); // weaned comes before hatched
    v.date(young.hatched);
}

template<typename Visitor, RecordOf<Clutch> C> void visitFields(Visitor& v, C& clutch)
{
    v.date(clutch.firstEgg);
    v.date(clutch.lastEgg);
    v.date(clutch.incubationStart);
    v.int32(clutch.eggCount);
    v.list(clutch.young);
}

template<typename Visitor, RecordOf<BreedingPair> P> void visitFields(Visitor& v, P& pair)
{
    v.boundedText(pair.cockRing, kRingLength);
    v.boundedText(pair.henRing, kRingLength);
    v.int32(pair.cageNumber);
    v.date(pair.breedingStart);
    v.list(pair.clutches);
}

// Counts the bytes of a record with empty texts and lists: the least it can
// take in a file, which bounds any count read from one.
class MinimumSize
{
public:
    void int32(qint32) { m_bytes += 4; }
    void uint32(quint32) { m_bytes += 4; }
    void byte(quint8) { m_bytes += 1; }
    void date(double) { m_bytes += 8; }
    template<typename E> void code(E) { m_bytes += 4; }
    void boundedText(const QString&, int maxLength) { m_bytes += 1 + maxLength; }
    void countedText(const QString&) { m_bytes += 4; }
    template<typename T> void list(const std::vector<T>&) { m_bytes += 4; }

    qsizetype bytes() const { return m_bytes; }

private:
    qsizetype m_bytes = 0;
};

template<typename Record> qsizetype minimumSize()
{
    static const qsizetype bytes = [] {
        const Record empty {};
        MinimumSize counter;
        visitFields(counter, empty);
        return counter.bytes();
    }();
    return bytes;
}
