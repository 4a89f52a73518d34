#pragma once

#include "reports/engine/ReportPages.h"

#include <QIODevice>
#include <QString>

// Report pages written as one PDF by the program itself: the pages are drawn
// and compressed on several threads at once and written in order as they
// are done, so a list of thousands of pages is neither held in memory nor
// waited for on one core. Pages look as Qt's PDF writer draws them.
namespace PdfDocumentWriter {

enum class Result
{
    Written,
    Unsupported, // a page draws what this writer does not (a picture, a font it cannot embed): nothing usable written
    Cancelled,
    Failed, // the device took no more
};

// `threads` at least 1; progress is reported on the calling thread.
Result write(QIODevice& device, const ReportPages& pages, const QString& printDate, const PageProgress& progress,
             int threads);

} // namespace PdfDocumentWriter
