#include "core/files/Windows1252.h"

#include <array>

namespace {

// 0x80..0x9F; the five undefined bytes map to the C1 control of the same value
// so that every byte survives a load and a save unchanged.
constexpr std::array<char16_t, 32> kHighTable = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char encodeOne(char32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<char>(cp);
    for (int i = 0; i < 32; ++i) {
        if (kHighTable[i] == cp)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

} // namespace

namespace Windows1252 {

std::optional<char> byteOf(char32_t codePoint)
{
    const char byte = encodeOne(codePoint);
    if (byte == '?' && codePoint != U'?')
        return std::nullopt;
    return byte;
}

QString decode(const char* bytes, qsizetype size)
{
    // Most texts hold no byte of 0x80..0x9F, where Windows-1252 and Latin-1 differ.
    bool latin1 = true;
    for (qsizetype i = 0; i < size && latin1; ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        latin1 = b < 0x80 || b >= 0xA0;
    }
    if (latin1)
        return QString::fromLatin1(bytes, size);
    QString text(size, Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < size; ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        out[i] = (b >= 0x80 && b < 0xA0) ? QChar(kHighTable[b - 0x80]) : QChar(b);
    }
    return text;
}

qsizetype encodeInto(const QString& text, char* out, qsizetype capacity)
{
    const qsizetype n = text.size();
    const QChar* in = text.constData();
    // Plain ASCII eight at a time: one byte per character, no table.
    qsizetype i = 0;
    const qsizetype plain = qMin(n, capacity);
    for (; i + 8 <= plain; i += 8) {
        char16_t any = 0;
        for (int k = 0; k < 8; ++k)
            any |= in[i + k].unicode();
        if (any >= 0x80)
            break;
        for (int k = 0; k < 8; ++k)
            out[i + k] = static_cast<char>(in[i + k].unicode());
    }
    qsizetype written = i;
    for (; i < n && written < capacity; ++i) {
        const char16_t u = in[i].unicode();
        if (u < 0x80) {
            out[written++] = static_cast<char>(u);
        } else if (QChar::isHighSurrogate(u) && i + 1 < n && in[i + 1].isLowSurrogate()) {
            ++i; // one character outside the code page, one '?'
            out[written++] = '?';
        } else {
            out[written++] = encodeOne(u);
        }
    }
    return written;
}

QByteArray encode(const QString& text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    bytes.truncate(encodeInto(text, bytes.data(), bytes.size()));
    return bytes;
}

} // namespace Windows1252
