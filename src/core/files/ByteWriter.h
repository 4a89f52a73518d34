#pragma once

#include <QString>

#include <vector>

class QIODevice;

// Little-endian writer that collects bytes and hands them to a device in large
// blocks, so a file of any size needs no more memory than a block. Every device write is checked for its full size;
// after the first failure nothing more is written and ok() stays false.
class ByteWriter
{
public:
    explicit ByteWriter(QIODevice& device, qsizetype blockSize = 1 << 20);

    void writeI32(qint32 value);
    void writeU32(quint32 value);
    void writeU8(quint8 value);
    void writeDouble(double value);
    // Length byte, the characters, zeros up to maxLength; longer texts are cut.
    void writeBoundedText(const QString& text, int maxLength);
    // 4-byte count and one byte per character.
    void writeCountedText(const QString& text);
    void writeBytes(const char* bytes, qsizetype size);

    // Hands the rest to the device. Returns ok().
    bool finish();
    bool ok() const { return m_ok; }

private:
    // Room for n more bytes at the end of the buffer.
    char* reserve(qsizetype n);
    void flushBlock();

    QIODevice& m_device;
    std::vector<char> m_buffer;
    qsizetype m_used = 0;
    qsizetype m_blockSize;
    bool m_ok = true;
};
