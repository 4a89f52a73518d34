#include "core/files/PairFile.h"

#include "core/files/FieldReader.h"
#include "core/files/FieldWriter.h"

namespace PairFile {

ReadResult read(QByteArrayView bytes, PairTable& pairs)
{
    ByteReader r(bytes.data(), bytes.size());
    pairs.clear();
    FieldReader fields(r);
    fields.list(pairs);
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
    FieldWriter fields(w);
    fields.list(pairs);
    return w.finish();
}

} // namespace PairFile
