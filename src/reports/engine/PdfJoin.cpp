#include "reports/engine/PdfJoin.h"

#include <QByteArrayView>
#include <QHash>
#include <QSet>

#include <algorithm>
#include <limits>
#include <optional>

namespace {

bool isWhite(char c)
{
    return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\f' || c == '\0';
}

bool isDelimiter(char c)
{
    switch (c) {
    case '(':
    case ')':
    case '<':
    case '>':
    case '[':
    case ']':
    case '{':
    case '}':
    case '/':
    case '%':
        return true;
    default:
        return false;
    }
}

bool isRegular(char c)
{
    return !isWhite(c) && !isDelimiter(c);
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Reads tokens of a part, never past its end.
struct Cursor
{
    QByteArrayView text;
    qsizetype at = 0;

    void skipWhite()
    {
        while (at < text.size() && isWhite(text[at]))
            ++at;
    }

    // A whole number of at most ten digits, standing alone.
    std::optional<qint64> number()
    {
        skipWhite();
        const qsizetype from = at;
        while (at < text.size() && isDigit(text[at]) && at - from < 10)
            ++at;
        if (at == from || (at < text.size() && isRegular(text[at])))
            return std::nullopt;
        return text.sliced(from, at - from).toLongLong();
    }

    // The given token next, ended by white space, a delimiter or the end.
    bool expect(QByteArrayView token)
    {
        skipWhite();
        if (!text.sliced(at).startsWith(token))
            return false;
        const qsizetype after = at + token.size();
        if (after < text.size() && isRegular(token.back()) && isRegular(text[after]))
            return false;
        at = after;
        return true;
    }

    // "n 0 R"
    std::optional<int> reference()
    {
        const auto object = number();
        if (!object || *object > std::numeric_limits<int>::max() || number() != 0 || !expect("R"))
            return std::nullopt;
        return int(*object);
    }
};

struct PdfObject
{
    int number = 0;
    qsizetype begin = 0;
    qsizetype end = 0;
};

// One part as its cross-reference table describes it.
struct Part
{
    QByteArrayView data;
    int size = 0; // object numbers run from 1 to size - 1
    std::vector<PdfObject> objects; // in the order of the file
    std::vector<int> place; // object number -> index in objects
    int root = 0;
    int info = 0; // 0: none
    int pageTree = 0;
    std::vector<int> pages;

    QByteArrayView header() const { return data.first(objects.front().begin); }

    const PdfObject* object(int number) const
    {
        if (number <= 0 || number >= int(place.size()))
            return nullptr;
        return &objects[size_t(place[size_t(number)])];
    }

    // The object's text after its "n 0 obj".
    std::optional<Cursor> body(int number) const
    {
        const PdfObject* o = object(number);
        if (!o)
            return std::nullopt;
        Cursor c {data.sliced(o->begin, o->end - o->begin)};
        if (c.number() != number || c.number() != 0 || !c.expect("obj"))
            return std::nullopt;
        return c;
    }
};

constexpr qsizetype kEntrySize = 20; // "0000012345 00000 n \n"

bool readCrossReferences(Part& part)
{
    const QByteArrayView data = part.data;
    const qsizetype startXref = QByteArrayView(data).lastIndexOf(QByteArrayView("startxref"));
    if (startXref < 0)
        return false;
    Cursor tail {data, startXref + 9};
    const auto table = tail.number();
    if (!table || *table <= 0 || *table >= startXref)
        return false;
    Cursor c {data.first(startXref), qsizetype(*table)};
    const auto first = c.expect("xref") ? c.number() : std::nullopt;
    const auto count = c.number();
    c.skipWhite();
    // The count is held to the bytes there are before anything is made of it.
    if (first != 0 || !count || *count < 2 || *count > (startXref - c.at) / kEntrySize)
        return false;
    part.size = int(*count);
    for (int i = 0; i < part.size; ++i) {
        const QByteArrayView entry = data.sliced(c.at + i * kEntrySize, kEntrySize);
        const char kind = entry[17];
        if (i == 0) {
            if (kind != 'f')
                return false;
            continue;
        }
        Cursor offset {entry.first(10)};
        const auto at = offset.number();
        if (kind != 'n' || entry.sliced(11, 5) != QByteArrayView("00000") || !at || *at <= 0 || *at >= *table)
            return false;
        part.objects.push_back({i, qsizetype(*at), 0});
    }
    Cursor trailer {data.first(startXref), c.at + part.size * kEntrySize};
    if (!trailer.expect("trailer") || !trailer.expect("<<"))
        return false;
    while (!trailer.expect(">>")) {
        if (trailer.expect("/Root")) {
            part.root = trailer.reference().value_or(0);
        } else if (trailer.expect("/Info")) {
            part.info = trailer.reference().value_or(0);
        } else if (trailer.expect("/Size")) {
            if (trailer.number() != part.size)
                return false;
        } else {
            return false;
        }
    }
    std::sort(part.objects.begin(), part.objects.end(),
              [](const PdfObject& a, const PdfObject& b) { return a.begin < b.begin; });
    part.place.assign(size_t(part.size), 0);
    for (size_t i = 0; i < part.objects.size(); ++i) {
        part.place[size_t(part.objects[i].number)] = int(i);
        part.objects[i].end = i + 1 < part.objects.size() ? part.objects[i + 1].begin : qsizetype(*table);
        if (part.objects[i].end <= part.objects[i].begin)
            return false;
    }
    return part.root > 0;
}

bool isPage(const Part& part, int number)
{
    auto c = part.body(number);
    if (!c || !c->expect("<<"))
        return false;
    const qsizetype type = c->text.sliced(c->at).indexOf(QByteArrayView("/Type"));
    if (type < 0)
        return false;
    c->at += type;
    return c->expect("/Type") && c->expect("/Page");
}

// The catalog holds nothing but the page tree, whose pages hang directly under it.
bool readPageTree(Part& part)
{
    auto catalog = part.body(part.root);
    if (!catalog || !catalog->expect("<<") || !catalog->expect("/Type") || !catalog->expect("/Catalog")
        || !catalog->expect("/Pages"))
        return false;
    part.pageTree = catalog->reference().value_or(0);
    if (part.pageTree <= 0 || !catalog->expect(">>") || !catalog->expect("endobj"))
        return false;
    auto tree = part.body(part.pageTree);
    if (!tree || !tree->expect("<<") || !tree->expect("/Type") || !tree->expect("/Pages") || !tree->expect("/Kids")
        || !tree->expect("["))
        return false;
    while (!tree->expect("]")) {
        const auto page = tree->reference();
        if (!page || !isPage(part, *page) || part.pages.size() >= part.objects.size())
            return false;
        part.pages.push_back(*page);
    }
    return tree->expect("/Count") && tree->number() == qint64(part.pages.size()) && !part.pages.empty();
}

std::optional<Part> readPart(const QByteArray& data)
{
    Part part;
    part.data = data;
    if (!readCrossReferences(part) || !readPageTree(part))
        return std::nullopt;
    for (const PdfObject& o : part.objects)
        if (!part.body(o.number))
            return std::nullopt;
    return part;
}

// Six capital letters before a "+" name a font subset; different subsets in one file need different tags.
class SubsetTags
{
public:
    void keep(QByteArrayView tag) { m_used.insert(tag.toByteArray()); }

    void startPart() { m_thisPart.clear(); }

    QByteArray renamed(QByteArrayView tag)
    {
        const QByteArray old = tag.toByteArray();
        if (const auto found = m_thisPart.constFind(old); found != m_thisPart.constEnd())
            return *found;
        QByteArray fresh;
        do {
            fresh = QByteArray(6, 'A');
            fresh[0] = 'J';
            for (int n = m_next++, i = 5; i > 0; --i, n /= 26)
                fresh[i] = char('A' + n % 26);
        } while (m_used.contains(fresh));
        m_used.insert(fresh);
        m_thisPart.insert(old, fresh);
        return fresh;
    }

private:
    QSet<QByteArray> m_used;
    QHash<QByteArray, QByteArray> m_thisPart;
    int m_next = 0;
};

bool isSubsetTag(QByteArrayView name)
{
    if (name.size() < 7 || name[6] != '+')
        return false;
    return std::all_of(name.begin(), name.begin() + 6, [](char c) { return c >= 'A' && c <= 'Z'; });
}

// Copies an object with its number and the numbers it refers to changed
// (renumbered[n], 0 where n has no place in the joined file) and, where
// `rename` is set, its subset tags renamed, else kept as taken. A stream's
// data after its dictionary is copied untouched.
bool copyObject(QByteArray& out, QByteArrayView text, int number, const std::vector<int>& renumbered, SubsetTags& tags,
                bool rename)
{
    Cursor c {text};
    if (!c.number() || c.number() != 0 || !c.expect("obj"))
        return false;
    out += QByteArray::number(number);
    out += " 0 obj";
    qsizetype at = c.at;
    const qsizetype end = text.size();
    auto copy = [&](qsizetype to) {
        out += text.sliced(at, to - at);
        at = to;
    };
    while (at < end) {
        const char ch = text[at];
        if (ch == '(') {
            int depth = 0;
            qsizetype i = at;
            for (; i < end; ++i) {
                if (text[i] == '\\')
                    ++i;
                else if (text[i] == '(')
                    ++depth;
                else if (text[i] == ')' && --depth == 0)
                    break;
            }
            if (i >= end)
                return false;
            copy(i + 1);
        } else if (ch == '<' && at + 1 < end && text[at + 1] == '<') {
            copy(at + 2);
        } else if (ch == '<') {
            const qsizetype close = text.sliced(at).indexOf('>');
            if (close < 0)
                return false;
            copy(at + close + 1);
        } else if (ch == '/') {
            qsizetype i = at + 1;
            while (i < end && isRegular(text[i]))
                ++i;
            const QByteArrayView name = text.sliced(at + 1, i - at - 1);
            if (isSubsetTag(name)) {
                out += '/';
                out += rename ? tags.renamed(name.first(6)) : name.first(6).toByteArray();
                if (!rename)
                    tags.keep(name.first(6));
                at += 7;
            }
            copy(i);
        } else if (isDigit(ch)) {
            qsizetype i = at;
            while (i < end && isDigit(text[i]))
                ++i;
            if (i < end && isRegular(text[i])) { // 12.5, not an object number
                while (i < end && isRegular(text[i]))
                    ++i;
                copy(i);
                continue;
            }
            Cursor rest {text, i};
            const auto generation = rest.number();
            if (generation && rest.expect("R")) {
                const qint64 referred = text.sliced(at, i - at).toLongLong();
                if (referred <= 0 || referred >= qint64(renumbered.size()) || renumbered[size_t(referred)] == 0)
                    return false;
                out += QByteArray::number(renumbered[size_t(referred)]);
                at = i;
                copy(rest.at);
            } else {
                copy(i);
            }
        } else if (isRegular(ch)) {
            qsizetype i = at;
            while (i < end && isRegular(text[i]))
                ++i;
            const bool stream = text.sliced(at, i - at) == QByteArrayView("stream");
            copy(i);
            if (stream)
                copy(end);
        } else {
            copy(at + 1);
        }
    }
    return true;
}

} // namespace

std::optional<QByteArray> joinPdfParts(const std::vector<QByteArray>& data)
{
    std::vector<Part> parts;
    qsizetype bytes = 0;
    for (const QByteArray& d : data) {
        auto part = readPart(d);
        if (!part)
            return std::nullopt;
        parts.push_back(std::move(*part));
        bytes += d.size();
    }
    if (parts.empty())
        return std::nullopt;
    const Part& first = parts.front();
    QByteArray out;
    out.reserve(bytes + 64 * qsizetype(parts.size()) + 16 * qsizetype(first.pages.size()));
    out += first.header();
    std::vector<qsizetype> offsets(size_t(first.size), -1);
    std::vector<int> pages;
    SubsetTags tags;
    int next = first.size;
    for (size_t k = 0; k < parts.size(); ++k) {
        const Part& part = parts[k];
        // The first part keeps its numbers, its catalog and its information;
        // the others' page trees become the first part's.
        std::vector<int> renumbered(size_t(part.size), 0);
        for (const PdfObject& o : part.objects) {
            if (k == 0)
                renumbered[size_t(o.number)] = o.number;
            else if (o.number == part.pageTree)
                renumbered[size_t(o.number)] = first.pageTree;
            else if (o.number != part.root && o.number != part.info)
                renumbered[size_t(o.number)] = next++;
        }
        offsets.resize(size_t(next), -1);
        tags.startPart();
        for (const PdfObject& o : part.objects) {
            const int number = renumbered[size_t(o.number)];
            if (number == 0 || o.number == part.pageTree)
                continue;
            offsets[size_t(number)] = out.size();
            if (!copyObject(out, part.data.sliced(o.begin, o.end - o.begin), number, renumbered, tags, k > 0))
                return std::nullopt;
        }
        for (int page : part.pages) {
            if (renumbered[size_t(page)] == 0)
                return std::nullopt;
            pages.push_back(renumbered[size_t(page)]);
        }
    }
    offsets[size_t(first.pageTree)] = out.size();
    out += QByteArray::number(first.pageTree) + " 0 obj\n<<\n/Type /Pages\n/Kids \n[\n";
    for (int page : pages)
        out += QByteArray::number(page) + " 0 R\n";
    out += "]\n/Count " + QByteArray::number(qsizetype(pages.size()))
        + "\n/ProcSet [/PDF /Text /ImageB /ImageC]\n>>\nendobj\n";

    const qsizetype table = out.size();
    out += "xref\n0 " + QByteArray::number(next) + "\n0000000000 65535 f \n";
    for (size_t i = 1; i < offsets.size(); ++i) {
        if (offsets[i] < 0 || offsets[i] > 9999999999)
            return std::nullopt;
        out += QByteArray::number(offsets[i]).rightJustified(10, '0') + " 00000 n \n";
    }
    out += "trailer\n<<\n/Size " + QByteArray::number(next) + "\n";
    if (first.info > 0)
        out += "/Info " + QByteArray::number(first.info) + " 0 R\n";
    out += "/Root " + QByteArray::number(first.root) + " 0 R\n>>\nstartxref\n" + QByteArray::number(table)
        + "\n%%EOF\n";
    return out;
}
