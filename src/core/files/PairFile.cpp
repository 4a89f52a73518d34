#include "core/files/PairFile.h"

#include "core/files/ByteReader.h"
#include "core/files/ByteWriter.h"

namespace {

bool readClutch(ByteReader& r, TGelege& clutch)
{
    qint32 youngCount = 0;
    if (!(r.readDouble(clutch.FirstEgg) && r.readDouble(clutch.LastEgg) && r.readDouble(clutch.ClutchSet)
          && r.readI32(clutch.EggCount) && r.readCount(youngCount, PairFile::kYoungSize)))
        return false;
    clutch.Young.resize(static_cast<size_t>(youngCount));
    for (TJungtier& young : clutch.Young) {
        if (!(r.readBoundedText(young.Ring, kRingLength) && r.readDouble(young.Weaned) && r.readDouble(young.Hatched)))
            return false;
    }
    return true;
}

bool readPair(ByteReader& r, TZuchtpaar& pair)
{
    qint32 clutchCount = 0;
    if (!(r.readBoundedText(pair.CockRing, kRingLength) && r.readBoundedText(pair.HenRing, kRingLength)
          && r.readI32(pair.CageNumber) && r.readDouble(pair.BreedingStart)
          && r.readCount(clutchCount, PairFile::kMinClutchSize)))
        return false;
    pair.Clutches.resize(static_cast<size_t>(clutchCount));
    for (TGelege& clutch : pair.Clutches) {
        if (!readClutch(r, clutch))
            return false;
    }
    return true;
}

} // namespace

namespace PairFile {

ReadResult read(QByteArrayView bytes, PairTable& pairs)
{
    ByteReader r(bytes.data(), bytes.size());
    pairs.clear();
    qint32 count = 0;
    if (r.readCount(count, kMinPairSize)) {
        pairs.resize(static_cast<size_t>(count));
        for (TZuchtpaar& pair : pairs) {
            if (!readPair(r, pair))
                break;
        }
    }
    ReadResult result;
    if (!r.ok()) {
        result.complete = false;
        result.problem = r.problem();
    }
    return result;
}

bool write(QIODevice& device, const PairTable& pairs)
{
    ByteWriter w(device);
    w.writeI32(static_cast<qint32>(pairs.size()));
    for (const TZuchtpaar& pair : pairs) {
        w.writeBoundedText(pair.CockRing, kRingLength);
        w.writeBoundedText(pair.HenRing, kRingLength);
        w.writeI32(pair.CageNumber);
        w.writeDouble(pair.BreedingStart);
        w.writeI32(static_cast<qint32>(pair.Clutches.size()));
        for (const TGelege& clutch : pair.Clutches) {
            w.writeDouble(clutch.FirstEgg);
            w.writeDouble(clutch.LastEgg);
            w.writeDouble(clutch.ClutchSet);
            w.writeI32(clutch.EggCount);
            w.writeI32(static_cast<qint32>(clutch.Young.size()));
            for (const TJungtier& young : clutch.Young) {
                w.writeBoundedText(young.Ring, kRingLength);
                w.writeDouble(young.Weaned);
                w.writeDouble(young.Hatched);
            }
        }
        if (!w.ok())
            return false;
    }
    return w.finish();
}

} // namespace PairFile
