#pragma once

#include <QString>
#include <QtGlobal>

#include <string_view>
#include <unordered_map>

// Texts read before, by their bytes: a text that repeats (a breeder, a colour)
// is kept once and shared.
using TextCache = std::unordered_map<std::string_view, QString>;
inline constexpr size_t kTextCacheLimit = 65536;

// Little-endian reader over a file image that never reads past its end.
// The first failure sticks: every later read fails too, and problem() says
// where and why, in German, for the message to the user.
class ByteReader
{
public:
    ByteReader(const char* data, qsizetype size);

    bool ok() const { return m_problem.isEmpty(); }
    const QString& problem() const { return m_problem; }
    qsizetype remaining() const { return m_size - m_pos; }
    qsizetype position() const { return m_pos; }

    bool readI32(qint32& value);
    bool readU32(quint32& value);
    bool readU8(quint8& value);
    bool readDouble(double& value);
    // A length byte and a buffer of maxLength bytes; a length above maxLength fails.
    bool readBoundedText(QString& text, int maxLength, TextCache* cache = nullptr);
    // Passes over n bytes.
    bool skip(qsizetype n);
    // A 4-byte character count and that many bytes.
    bool readCountedText(QString& text);
    // A count of items of at least minItemSize bytes each: a negative count or
    // one the remaining bytes cannot hold fails, before anything is allocated.
    bool readCount(qint32& count, qsizetype minItemSize);

    void fail(const QString& reason);

private:
    bool take(qsizetype n, const char*& at);

    const char* m_data;
    qsizetype m_size;
    qsizetype m_pos = 0;
    QString m_problem;
};
