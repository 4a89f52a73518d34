// A report's part as the PDF join reads it: whatever the bytes, the join
// refuses or joins without reading past them, and a joined file is itself
// of the form the join reads, joined alone into the very same bytes.
#include "reports/engine/PdfJoin.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray part(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::optional<QByteArray> joined = joinPdfParts({part, part});
    if (!joined)
        return 0;
    const std::optional<QByteArray> again = joinPdfParts({*joined});
    if (!again || *again != *joined)
        std::abort();
    return 0;
}
