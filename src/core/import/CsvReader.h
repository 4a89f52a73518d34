#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>
#include <QStringList>

#include <vector>

// A spreadsheet saved as CSV, read as breeders' spreadsheets and other
// programs write it: UTF-8 with or without a byte order mark, or else
// Windows-1252; ";", "," or a tab between the fields; fields in double
// quotes may hold separators, doubled quotes and line breaks.
struct CsvTable
{
    enum class Encoding
    {
        Utf8,
        Windows1252,
    };
    Encoding encoding = Encoding::Utf8;
    QChar separator = QLatin1Char(';');
    QStringList header;
    std::vector<QStringList> rows;
    std::vector<int> lines; // the file's line (from 1, the header's being 1) each row starts on
};

CsvTable readCsv(const QByteArray& bytes);

// Windows-1252 as Windows decodes it; the five bytes it leaves out map to the C1 controls.
QString fromWindows1252(const QByteArray& bytes);
