#pragma once

#include "reports/engine/ReportPage.h"

#include <QImage>
#include <QString>

#include <vector>

// Report pages as files: PDF (fonts embedded) and PNG. Files are written
// through a temporary file, so a failure never leaves half a file.
namespace ReportOutput {

// The page as a picture at dpi dots per inch, white behind.
QImage toImage(const ReportPage& page, double dpi, const QString& printDate);

// German reason on failure, empty on success.
QString writePdf(const std::vector<ReportPage>& pages, const QString& path, const QString& printDate);
QString writePng(const ReportPage& page, const QString& path, double dpi, const QString& printDate);

} // namespace ReportOutput
