#pragma once

#include "core/files/ByteReader.h"
#include "core/files/RecordFields.h"

// Reads the fields a field list names. After the first failure nothing more
// is read: the byte reader's failure sticks.
class FieldReader
{
public:
    // With a cache, the texts of an animal's repeating fields (breeder, colour, markings, breed) are shared.
    explicit FieldReader(ByteReader& reader, TextCache* cache = nullptr) : m_r(reader), m_cache(cache) { }

    void int32(qint32& value) { m_r.readI32(value); }
    void uint32(quint32& value) { m_r.readU32(value); }
    void byte(quint8& value) { m_r.readU8(value); }
    void date(double& value) { m_r.readDouble(value); }
    template<typename E> void code(E& value)
    {
        qint32 raw = 0;
        if (m_r.readI32(raw))
            value = static_cast<E>(raw);
    }
    void boundedText(QString& text, int maxLength)
    {
        m_r.readBoundedText(text, maxLength, maxLength == kAnimalTextLength ? m_cache : nullptr);
    }
    void countedText(QString& text)
    {
        m_textsReached = m_textsReached || m_r.ok();
        m_r.readCountedText(text);
    }
    // The count is checked against the bytes left before the list is sized.
    template<typename T> void list(std::vector<T>& items)
    {
        qint32 count = 0;
        if (!m_r.readCount(count, minimumSize<T>()))
            return;
        items.resize(static_cast<size_t>(count));
        for (T& item : items) {
            if (!m_r.ok())
                return;
            visitFields(*this, item);
        }
    }

    // Whether every field before the first counted text was read.
    bool textsReached() const { return m_textsReached; }

private:
    ByteReader& m_r;
    TextCache* m_cache;
    bool m_textsReached = false;
};
