#pragma once

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

// Poppler's tools read back the PDFs the program writes, as a viewer would;
// under Wine the Linux tools do, given the files' Linux paths.

#ifdef Q_OS_WIN
// The file's Linux path, which Wine's kernel32 names. Outside Wine there is none: empty.
QString linuxPath(const QString& path);
#endif

// Whether poppler's tools are there to ask.
bool canReadPdfs();

// What one of poppler's tools prints about a PDF (pdftotext, pdffonts, pdfinfo).
QString popplerOutput(const QString& tool, QStringList options, const QString& pdf, const QStringList& after = {});

// The PDF's pages as poppler draws them at `dpi` dots per inch, in order.
QList<QImage> pdfPageImages(const QString& pdf, int dpi);
