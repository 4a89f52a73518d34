#pragma once

#include "core/files/ByteWriter.h"
#include "core/files/RecordFields.h"

// Writes the fields a field list names.
class FieldWriter
{
public:
    explicit FieldWriter(ByteWriter& writer) : m_w(writer) { }

    void int32(qint32 value) { m_w.writeI32(value); }
    void uint32(quint32 value) { m_w.writeU32(value); }
    void byte(quint8 value) { m_w.writeU8(value); }
    void date(double value) { m_w.writeDouble(value); }
    template<typename E> void code(E value) { m_w.writeI32(static_cast<qint32>(value)); }
    void boundedText(const QString& text, int maxLength) { m_w.writeBoundedText(text, maxLength); }
    void countedText(const QString& text) { m_w.writeCountedText(text); }
    template<typename T> void list(const std::vector<T>& items)
    {
        m_w.writeI32(static_cast<qint32>(items.size()));
        for (const T& item : items)
            visitFields(*this, item);
    }

private:
    ByteWriter& m_w;
};
