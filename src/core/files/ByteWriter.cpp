#include "core/files/ByteWriter.h"

#include "core/files/Windows1252.h"

#include <QIODevice>
#include <QtEndian>

#include <cstring>

ByteWriter::ByteWriter(QIODevice& device, qsizetype blockSize) : m_device(device), m_blockSize(blockSize) { }

char* ByteWriter::reserve(qsizetype n)
{
    if (m_used + n > qsizetype(m_buffer.size())) {
        // Small files never pay for a whole block; large ones are written block by block.
        if (qsizetype(m_buffer.size()) < m_blockSize)
            m_buffer.resize(static_cast<size_t>(qMin(m_blockSize, qMax<qsizetype>(4096, 2 * m_buffer.size()))));
        if (m_used + n > qsizetype(m_buffer.size()))
            flushBlock();
        if (n > qsizetype(m_buffer.size()))
            m_buffer.resize(static_cast<size_t>(n));
    }
    char* at = m_buffer.data() + m_used;
    m_used += n;
    return at;
}

void ByteWriter::flushBlock()
{
    if (m_ok && m_used > 0)
        m_ok = m_device.write(m_buffer.data(), m_used) == m_used;
    m_used = 0;
}

void ByteWriter::writeI32(qint32 value)
{
    qToLittleEndian(value, reserve(4));
}

void ByteWriter::writeU32(quint32 value)
{
    qToLittleEndian(value, reserve(4));
}

void ByteWriter::writeU8(quint8 value)
{
    *reserve(1) = static_cast<char>(value);
}

void ByteWriter::writeDouble(double value)
{
    quint64 bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    qToLittleEndian(bits, reserve(8));
}

void ByteWriter::writeBoundedText(const QString& text, int maxLength)
{
    char* field = reserve(1 + maxLength);
    const qsizetype length = Windows1252::encodeInto(text, field + 1, maxLength);
    field[0] = static_cast<char>(length);
    std::memset(field + 1 + length, 0, maxLength - length);
}

void ByteWriter::writeCountedText(const QString& text)
{
    // At most one byte per UTF-16 unit; the count is set once the bytes are known.
    char* at = reserve(4 + text.size());
    const qsizetype n = Windows1252::encodeInto(text, at + 4, text.size());
    qToLittleEndian(static_cast<qint32>(n), at);
    m_used -= text.size() - n;
}

void ByteWriter::writeBytes(const char* bytes, qsizetype size)
{
    if (size > 0)
        std::memcpy(reserve(size), bytes, size_t(size));
}

bool ByteWriter::finish()
{
    flushBlock();
    return m_ok;
}
