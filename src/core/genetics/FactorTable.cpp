#include "core/genetics/FactorTable.h"

#include "core/genetics/ColourFactorsJson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace {

const std::pair<const char*, Inheritance> kInheritances[] = {
    {"geschlechtsgebunden rezessiv", Inheritance::SexLinkedRecessive},
    {"autosomal rezessiv", Inheritance::AutosomalRecessive},
    {"autosomal dominant", Inheritance::AutosomalDominant},
    {"autosomal unvollständig dominant", Inheritance::IncompleteDominant},
    {"kein einfacher Erbgang", Inheritance::NotSimple},
};

std::optional<Inheritance> inheritanceOf(const QString& text)
{
    for (const auto& [word, kind] : kInheritances)
        if (text == QString::fromUtf8(word))
            return kind;
    return std::nullopt;
}

// "wild > achat > satinet": the first group shows over all others; "opal = onyx" show together.
bool readDominance(const QString& text, const QStringList& alleleKeys, std::vector<int>& rank)
{
    const QStringList groups = text.split(QLatin1Char('>'));
    rank.assign(size_t(alleleKeys.size()) + 1, -1);
    for (qsizetype g = 0; g < groups.size(); ++g) {
        for (const QString& name : groups[g].split(QLatin1Char('='))) {
            const QString key = name.trimmed();
            const qsizetype allele = key == QLatin1String("wild") ? 0 : alleleKeys.indexOf(key) + 1;
            if (allele < 0 || (allele == 0 && key != QLatin1String("wild")) || rank[size_t(allele)] >= 0)
                return false;
            rank[size_t(allele)] = int(groups.size() - g);
        }
    }
    return std::none_of(rank.begin(), rank.end(), [](int r) { return r < 0; });
}

QString text(const QJsonObject& o, const char* name)
{
    return o.value(QLatin1String(name)).toString();
}

QStringList texts(const QJsonValue& value)
{
    QStringList list;
    for (const QJsonValue& v : value.toArray())
        list << v.toString();
    return list;
}

} // namespace

QString inheritanceWord(Inheritance inheritance)
{
    for (const auto& [word, kind] : kInheritances)
        if (kind == inheritance)
            return QString::fromUtf8(word);
    return {};
}

const FactorTable& FactorTable::canary()
{
    static const FactorTable table = [] {
        QString problem;
        std::optional<FactorTable> read = fromJson(QByteArray(kColourFactorsJson), problem);
        // The file is part of the build and checked by the tests; a broken one is a build fault.
        Q_ASSERT_X(read, "FactorTable::canary", qPrintable(problem));
        return read ? std::move(*read) : FactorTable();
    }();
    return table;
}

std::optional<FactorTable> FactorTable::fromJson(const QByteArray& json, QString& problem)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (!document.isObject()) {
        problem = error.errorString();
        return std::nullopt;
    }
    const QJsonObject root = document.object();
    FactorTable table;
    const QJsonObject sources = root.value(QLatin1String("sources")).toObject();
    for (auto it = sources.begin(); it != sources.end(); ++it)
        table.m_sources.emplace_back(it.key(), it.value().toString());

    for (const QJsonValue& value : root.value(QLatin1String("loci")).toArray()) {
        const QJsonObject o = value.toObject();
        ColourLocus locus;
        locus.key = text(o, "key");
        locus.name = text(o, "name");
        locus.source = text(o, "source");
        locus.note = text(o, "note");
        const std::optional<Inheritance> inheritance = inheritanceOf(text(o, "inheritance"));
        if (!inheritance || locus.key.isEmpty() || locus.source.isEmpty()) {
            problem = QStringLiteral("locus %1: key, inheritance and source are needed").arg(locus.key);
            return std::nullopt;
        }
        locus.inheritance = *inheritance;
        QStringList alleleKeys;
        for (const QJsonValue& a : o.value(QLatin1String("alleles")).toArray()) {
            const QJsonObject ao = a.toObject();
            ColourFactor factor {text(ao, "key"),
                                 text(ao, "name"),
                                 text(ao, "colourWord"),
                                 text(ao, "symbol"),
                                 texts(ao.value(QLatin1String("colourText"))),
                                 int(table.m_loci.size()),
                                 int(alleleKeys.size()) + 1};
            if (factor.key.isEmpty() || table.find(factor.key) >= 0) {
                problem = QStringLiteral("locus %1: an allele without a key, or twice").arg(locus.key);
                return std::nullopt;
            }
            alleleKeys << factor.key;
            locus.factors.push_back(int(table.m_factors.size()));
            table.m_factors.push_back(std::move(factor));
        }
        if (alleleKeys.isEmpty() || (locus.simple() && !readDominance(text(o, "dominance"), alleleKeys, locus.rank))) {
            problem = QStringLiteral("locus %1: alleles or order of dominance").arg(locus.key);
            return std::nullopt;
        }
        if (!locus.simple())
            locus.rank.assign(size_t(alleleKeys.size()) + 1, 0);
        locus.lethal.assign(size_t(alleleKeys.size()) + 1, false);
        for (const QString& key : texts(o.value(QLatin1String("lethalWhenHomozygous"))))
            if (const qsizetype allele = alleleKeys.indexOf(key); allele >= 0)
                locus.lethal[size_t(allele) + 1] = true;
        table.m_loci.push_back(std::move(locus));
    }

    const QJsonObject linkage = root.value(QLatin1String("linkage")).toObject();
    for (const QString& key : texts(linkage.value(QLatin1String("loci")))) {
        const auto it = std::find_if(table.m_loci.begin(), table.m_loci.end(),
                                     [&key](const ColourLocus& l) { return l.key == key; });
        if (it == table.m_loci.end() || !it->sexLinked()) {
            problem = QStringLiteral("linkage: %1 is no sex-linked locus").arg(key);
            return std::nullopt;
        }
        table.m_linked.push_back(int(it - table.m_loci.begin()));
    }
    if (table.m_linked.size() > 2) {
        problem = QStringLiteral("linkage: at most two loci");
        return std::nullopt;
    }
    table.m_crossover = linkage.value(QLatin1String("crossover")).toDouble(0.5);

    for (int l = 0; l < int(table.m_loci.size()); ++l) {
        if (!table.m_loci[size_t(l)].simple())
            continue;
        const bool linked = std::find(table.m_linked.begin(), table.m_linked.end(), l) != table.m_linked.end();
        if (!linked)
            table.m_blocks.push_back({l});
        else if (l == table.m_linked.front())
            table.m_blocks.push_back(table.m_linked);
    }
    const QJsonObject names
        = root.value(QLatin1String("melaninNames")).toObject().value(QLatin1String("names")).toObject();
    for (auto it = names.begin(); it != names.end(); ++it)
        table.m_melaninNames.emplace_back(it.key(), it.value().toString());
    return table;
}

int FactorTable::find(const QString& key) const
{
    const auto it
        = std::find_if(m_factors.begin(), m_factors.end(), [&key](const ColourFactor& f) { return f.key == key; });
    return it == m_factors.end() ? -1 : int(it - m_factors.begin());
}

QString FactorTable::calculatedKeys() const
{
    QStringList keys;
    for (const ColourFactor& f : m_factors)
        if (m_loci[size_t(f.locus)].simple())
            keys << f.key;
    return keys.join(QStringLiteral(", "));
}

QString FactorTable::melaninName(const QStringList& visualKeys) const
{
    const QString joined = visualKeys.join(QLatin1Char(','));
    for (const auto& [keys, name] : m_melaninNames)
        if (keys == joined)
            return shownColourFactorWord(name);
    return {};
}

QString FactorTable::source(const QString& id) const
{
    for (const auto& [key, text] : m_sources)
        if (key == id)
            return text;
    return {};
}
