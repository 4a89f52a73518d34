// Reading a few animals and their ancestors from a large stock file without
// decoding it all: a certificate from avelor-export needs about fifteen of a
// million records.
#include "core/files/StockFile.h"

#include "core/files/FieldReader.h"
#include "core/files/Windows1252.h"

#include <QIODevice>
#include <QSet>
#include <QtEndian>

#include <algorithm>
#include <cstring>
#include <map>

namespace {

// Where the length bytes of the bounded texts lie in the fixed part of an
// animal record, found from the field list itself.
struct FixedPart
{
    qsizetype size = 0; // up to the first counted text
    std::vector<std::pair<qsizetype, int>> boundedTexts; // offset, longest length
    int countedTexts = 0;

    void int32(qint32) { size += 4; }
    void uint32(quint32) { size += 4; }
    void byte(quint8) { size += 1; }
    void date(double) { size += 8; }
    template<typename E> void code(E) { size += 4; }
    void boundedText(const QString&, int maxLength)
    {
        boundedTexts.emplace_back(size, maxLength);
        size += 1 + maxLength;
    }
    void countedText(const QString&) { ++countedTexts; }
};

FixedPart animalLayout()
{
    FixedPart layout;
    const Animal empty;
    visitFields(layout, empty);
    return layout;
}

quint32 hashOf(const char* bytes, qsizetype size)
{
    quint32 h = 2166136261u; // FNV-1a
    for (qsizetype i = 0; i < size; ++i)
        h = (h ^ static_cast<unsigned char>(bytes[i])) * 16777619u;
    return h;
}

// A ring's bytes in the file; none when no record can hold it.
std::optional<QByteArray> storedBytes(const QString& ring)
{
    if (ring.isEmpty() || ring.size() > kRingLength)
        return std::nullopt;
    QByteArray bytes(ring.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < ring.size(); ++i) {
        const std::optional<char> byte = Windows1252::byteOf(ring[i].unicode());
        if (!byte)
            return std::nullopt;
        bytes[i] = *byte;
    }
    return bytes;
}

// Reads a file front to back in large blocks, skipping what is not needed.
class BlockReader
{
public:
    explicit BlockReader(QIODevice& file)
        : m_file(file), m_size(file.size()), m_buffer(size_t(std::clamp<qint64>(m_size, 8, 1 << 22)))
    { }

    qint64 position() const { return m_offset + m_pos; }
    qint64 left() const { return m_size - position(); }
    // At least n bytes from the position on, or nullptr at the end of the file.
    const char* peek(qsizetype n)
    {
        if (m_end - m_pos >= n)
            return m_buffer.data() + m_pos;
        if (n > left())
            return nullptr;
        std::memmove(m_buffer.data(), m_buffer.data() + m_pos, size_t(m_end - m_pos));
        m_offset += m_pos;
        m_end -= m_pos;
        m_pos = 0;
        if (qsizetype(m_buffer.size()) < n)
            m_buffer.resize(size_t(n));
        while (m_end < n) {
            const qint64 got = m_file.read(m_buffer.data() + m_end, qint64(m_buffer.size()) - m_end);
            if (got <= 0)
                return nullptr;
            m_end += got;
        }
        return m_buffer.data();
    }
    bool skip(qint64 n)
    {
        if (n <= m_end - m_pos) {
            m_pos += n;
            return true;
        }
        if (n > left())
            return false;
        const qint64 target = position() + n;
        m_offset = target;
        m_pos = m_end = 0;
        return m_file.seek(target);
    }

private:
    QIODevice& m_file;
    qint64 m_size;
    std::vector<char> m_buffer;
    qint64 m_offset = 0; // of the buffer's first byte in the file
    qsizetype m_pos = 0;
    qsizetype m_end = 0;
};

// Where each record starts (and where the tail starts, last) and the hash of
// its ring's bytes; false when a length or count is off.
bool scanRecords(BlockReader& reader, qint32 count, std::vector<qint64>& starts, std::vector<quint32>& ringHashes)
{
    static const FixedPart layout = animalLayout();
    Q_ASSERT(layout.boundedTexts.front().first == 0); // the ring comes first
    starts.reserve(size_t(count) + 1);
    ringHashes.reserve(size_t(count));
    for (qint32 i = 0; i < count; ++i) {
        starts.push_back(reader.position());
        const char* fixed = reader.peek(layout.size);
        if (!fixed)
            return false;
        for (const auto& [offset, maxLength] : layout.boundedTexts) {
            if (static_cast<unsigned char>(fixed[offset]) > maxLength)
                return false;
        }
        ringHashes.push_back(hashOf(fixed + 1, static_cast<unsigned char>(fixed[0])));
        if (!reader.skip(layout.size))
            return false;
        for (int text = 0; text < layout.countedTexts; ++text) {
            const char* counted = reader.peek(4);
            if (!counted)
                return false;
            const qint32 n = qFromLittleEndian<qint32>(counted);
            if (n < 0 || !reader.skip(4) || !reader.skip(n))
                return false;
        }
    }
    starts.push_back(reader.position());
    return true;
}

bool readAt(QIODevice& file, qint64 from, qint64 size, QByteArray& bytes)
{
    bytes.resize(size);
    return file.seek(from) && file.read(bytes.data(), size) == size;
}

} // namespace

namespace StockFile {

std::optional<ReadResult> readAncestries(QIODevice& file, const QStringList& rings, StockData& db)
{
    if (!file.seek(0))
        return std::nullopt;
    BlockReader reader(file);
    const char* head = reader.peek(8);
    if (!head)
        return std::nullopt;
    if (qFromLittleEndian<qint32>(head) != kFormatVersion)
        return ReadResult {ReadStatus::WrongVersion, {}, 0};
    const qint32 count = qFromLittleEndian<qint32>(head + 4);
    reader.skip(8);
    // A count the bytes left cannot hold is never allocated for.
    if (count < 0 || count > reader.left() / minimumAnimalSize())
        return std::nullopt;
    std::vector<qint64> starts;
    std::vector<quint32> ringHashes;
    if (!scanRecords(reader, count, starts, ringHashes))
        return std::nullopt;

    // The tail is a few hundred bytes of fixed fields.
    constexpr qint64 kLongestTail = 1 << 16;
    QByteArray tailBytes;
    if (reader.left() > kLongestTail || !readAt(file, starts.back(), reader.left(), tailBytes))
        return std::nullopt;
    ByteReader tailReader(tailBytes.constData(), tailBytes.size());
    FieldReader tail(tailReader);
    visitStockTail(tail, db.print, db.breeder);
    if (!tailReader.ok())
        return std::nullopt;

    // The records by the hash of their ring: each ring reached is looked up once.
    size_t buckets = 1;
    while (buckets < ringHashes.size())
        buckets *= 2;
    std::vector<qint32> firstInBucket(buckets, -1);
    std::vector<qint32> nextInBucket(ringHashes.size(), -1);
    for (size_t i = 0; i < ringHashes.size(); ++i) {
        qint32& first = firstInBucket[ringHashes[i] & (buckets - 1)];
        nextInBucket[i] = first;
        first = qint32(i);
    }

    std::map<size_t, Animal> found; // by position, for the file's order
    QSet<QString> reached;
    QStringList wanted = rings;
    QByteArray record;
    while (!wanted.isEmpty()) {
        const QString ring = wanted.takeLast();
        if (reached.contains(ring))
            continue;
        reached.insert(ring);
        const std::optional<QByteArray> bytes = storedBytes(ring);
        if (!bytes)
            continue;
        const quint32 hash = hashOf(bytes->constData(), bytes->size());
        for (qint32 i = firstInBucket[hash & (buckets - 1)]; i >= 0; i = nextInBucket[size_t(i)]) {
            if (ringHashes[size_t(i)] != hash)
                continue;
            if (!readAt(file, starts[size_t(i)], starts[size_t(i) + 1] - starts[size_t(i)], record))
                return std::nullopt;
            ByteReader r(record.constData(), record.size());
            FieldReader fields(r);
            Animal animal;
            visitFields(fields, animal);
            if (!r.ok())
                return std::nullopt;
            if (animal.ringNumber != ring)
                continue; // another ring of the same hash
            if (!animal.isActive()) {
                // As the whole read has them: a deleted record has no parents.
                animal.fatherRing.clear();
                animal.motherRing.clear();
            }
            for (const QString* parent : {&animal.fatherRing, &animal.motherRing}) {
                if (!parent->isEmpty() && !reached.contains(*parent))
                    wanted << *parent;
            }
            found.emplace(size_t(i), std::move(animal));
        }
    }
    db.animals.clear();
    db.animals.reserve(found.size());
    for (auto& [position, animal] : found)
        db.animals.push_back(std::move(animal));
    return ReadResult {ReadStatus::Complete, {}, count};
}

} // namespace StockFile
