#pragma once

#include "reports/engine/ReportPages.h"

#include <QImage>
#include <QString>

// Report pages as files: PDF (fonts embedded) and PNG. Files are written
// through a temporary file, so a failure never leaves half a file.
namespace ReportOutput {

// The page as a picture at dpi dots per inch, white behind.
QImage toImage(const ReportPage& page, double dpi, const QString& printDate);

struct Outcome
{
    bool cancelled = false;
    QString error; // German reason of a failure

    bool ok() const { return !cancelled && error.isEmpty(); }
};

// A cancelled or failed PDF leaves no file and the previous one untouched.
// The pages are drawn on `threads` threads at once (0: as many as the
// machine has cores) and written by the program's own PDF writer; pages it
// does not draw (pictures) go to Qt's, and on Windows every page does. Progress is
// reported on the calling thread; the pages are asked for on several.
Outcome writePdf(const ReportPages& pages, const QString& path, const QString& printDate,
                 const PageProgress& progress = {}, int threads = 0);
// Qt's PDF writer: a long report in `parts` runs of pages at once (0: as
// many as the machine has cores and the pages are worth), then joined.
Outcome writePdfWithQt(const ReportPages& pages, const QString& path, const QString& printDate,
                       const PageProgress& progress = {}, int parts = 0);
// German reason on failure, empty on success.
QString writePng(const ReportPage& page, const QString& path, double dpi, const QString& printDate);

} // namespace ReportOutput
