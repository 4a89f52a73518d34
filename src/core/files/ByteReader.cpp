#include "core/files/ByteReader.h"

#include "core/files/Windows1252.h"

#include <QCoreApplication>
#include <QtEndian>

#include <cstring>

ByteReader::ByteReader(const char* data, qsizetype size) : m_data(data), m_size(size) { }

void ByteReader::fail(const QString& reason)
{
    if (m_problem.isEmpty())
        m_problem = QCoreApplication::translate("ByteReader", "Byte %1: %2").arg(m_pos).arg(reason);
}

bool ByteReader::take(qsizetype n, const char*& at)
{
    if (!ok())
        return false;
    if (n > remaining()) {
        fail(QCoreApplication::translate("ByteReader", "die Datei endet vorzeitig"));
        return false;
    }
    at = m_data + m_pos;
    m_pos += n;
    return true;
}

bool ByteReader::readI32(qint32& value)
{
    const char* at = nullptr;
    if (!take(4, at))
        return false;
    value = qFromLittleEndian<qint32>(at);
    return true;
}

bool ByteReader::readU32(quint32& value)
{
    const char* at = nullptr;
    if (!take(4, at))
        return false;
    value = qFromLittleEndian<quint32>(at);
    return true;
}

bool ByteReader::readU8(quint8& value)
{
    const char* at = nullptr;
    if (!take(1, at))
        return false;
    value = static_cast<quint8>(*at);
    return true;
}

bool ByteReader::readDouble(double& value)
{
    const char* at = nullptr;
    if (!take(8, at))
        return false;
    const quint64 bits = qFromLittleEndian<quint64>(at);
    std::memcpy(&value, &bits, sizeof value);
    return true;
}

bool ByteReader::skip(qsizetype n)
{
    const char* at = nullptr;
    return take(n, at);
}

bool ByteReader::readBoundedText(QString& text, int maxLength, TextCache* cache)
{
    const char* at = nullptr;
    if (!take(1 + maxLength, at))
        return false;
    const int length = static_cast<unsigned char>(at[0]);
    if (length > maxLength) {
        m_pos -= 1 + maxLength;
        fail(QCoreApplication::translate("ByteReader", "Textlänge %1 über dem Höchstwert %2")
                 .arg(length)
                 .arg(maxLength));
        return false;
    }
    if (!cache) {
        text = Windows1252::decode(at + 1, length);
        return true;
    }
    const std::string_view bytes(at + 1, size_t(length));
    if (const auto it = cache->find(bytes); it != cache->end()) {
        text = it->second;
        return true;
    }
    text = Windows1252::decode(at + 1, length);
    if (cache->size() < kTextCacheLimit) // texts that hardly repeat would only fill it
        cache->emplace(bytes, text);
    return true;
}

bool ByteReader::readCountedText(QString& text)
{
    qint32 count = 0;
    if (!readCount(count, 1))
        return false;
    const char* at = nullptr;
    if (!take(count, at))
        return false;
    text = Windows1252::decode(at, count);
    return true;
}

bool ByteReader::readCount(qint32& count, qsizetype minItemSize)
{
    if (!readI32(count))
        return false;
    if (count < 0) {
        m_pos -= 4;
        fail(QCoreApplication::translate("ByteReader", "negative Anzahl %1").arg(count));
        return false;
    }
    if (static_cast<qsizetype>(count) > remaining() / minItemSize) {
        m_pos -= 4;
        fail(QCoreApplication::translate("ByteReader", "Anzahl %1 passt nicht in den Rest der Datei").arg(count));
        return false;
    }
    return true;
}
