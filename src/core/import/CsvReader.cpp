#include "core/import/CsvReader.h"

#include <QStringDecoder>

#include <array>

namespace {

// 0x80 to 0x9F; the rest of Windows-1252 is Latin-1.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString decode(const QByteArray& bytes, CsvTable::Encoding& encoding)
{
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        encoding = CsvTable::Encoding::Utf8;
        return QString::fromUtf8(bytes.mid(3));
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError()) {
        encoding = CsvTable::Encoding::Utf8;
        return text;
    }
    encoding = CsvTable::Encoding::Windows1252;
    return fromWindows1252(bytes);
}

// The separator the header line uses most, outside quotes; ";" when none.
QChar detectSeparator(const QString& text)
{
    int counts[3] = {0, 0, 0};
    const QChar candidates[3] = {QLatin1Char(';'), QLatin1Char(','), QLatin1Char('\t')};
    bool quoted = false;
    for (const QChar c : text) {
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        else if (!quoted && (c == QLatin1Char('\n') || c == QLatin1Char('\r')))
            break;
        else if (!quoted)
            for (int i = 0; i < 3; ++i)
                counts[i] += c == candidates[i];
    }
    int best = 0;
    for (int i = 1; i < 3; ++i)
        if (counts[i] > counts[best])
            best = i;
    return candidates[best];
}

bool isBlank(const QStringList& record)
{
    return record.size() == 1 && record.front().trimmed().isEmpty();
}

} // namespace

QString fromWindows1252(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        *out++ = b >= 0x80 && b < 0xA0 ? QChar(kHighControls[b - 0x80]) : QChar(b);
    }
    return text;
}

CsvTable readCsv(const QByteArray& bytes)
{
    CsvTable table;
    const QString text = decode(bytes, table.encoding);
    table.separator = detectSeparator(text);

    std::vector<QStringList> records;
    std::vector<int> lines;
    QStringList record;
    QString field;
    bool quoted = false;
    bool started = false; // anything of the record read, so a last line without a break still counts
    int line = 1;
    int recordLine = 1;
    auto endRecord = [&] {
        record << field;
        field.clear();
        if (!isBlank(record)) {
            records.push_back(record);
            lines.push_back(recordLine);
        }
        record.clear();
        started = false;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (!started) {
            started = true;
            recordLine = line;
        }
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < text.size() && text[i + 1] == QLatin1Char('"')) {
                    field += c;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                if (c == QLatin1Char('\n'))
                    ++line;
                field += c;
            }
        } else if (c == QLatin1Char('"') && field.isEmpty()) {
            quoted = true;
        } else if (c == table.separator) {
            record << field;
            field.clear();
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
                ++i;
            ++line;
            endRecord();
        } else {
            field += c;
        }
    }
    if (started)
        endRecord();
    if (records.empty())
        return table;
    table.header = records.front();
    for (QString& name : table.header)
        name = name.trimmed();
    table.rows.assign(records.begin() + 1, records.end());
    table.lines.assign(lines.begin() + 1, lines.end());
    return table;
}
