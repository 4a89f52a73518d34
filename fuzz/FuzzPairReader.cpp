// Any bytes must either load or be reported as damaged; a file that loads
// completely must come back the same after a save.
#include "core/files/PairFile.h"

#include <QBuffer>

#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    PairTable pairs;
    const auto result = PairFile::read(QByteArrayView(data, qsizetype(size)), pairs);
    if (!result.complete) {
        if (result.problem.isEmpty())
            std::abort();
        return 0;
    }
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!PairFile::write(buffer, pairs))
        std::abort();
    PairTable again;
    if (!PairFile::read(buffer.data(), again).complete || again.size() != pairs.size())
        std::abort();
    // Compare bytes, not doubles: a NaN date must survive too.
    QBuffer second;
    second.open(QIODevice::WriteOnly);
    PairFile::write(second, again);
    if (second.data() != buffer.data())
        std::abort();
    return 0;
}
