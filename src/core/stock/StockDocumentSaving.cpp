// The document's side of saving: the whole save at close and what the
// background save takes without copying the stock.
#include "core/stock/StockDocument.h"

#include "core/files/PairFile.h"

DataFiles::SaveResult StockDocument::save()
{
    if (m_files.hold(m_filesGeneration))
        return {};
    // Once a background save has encoded the animals, only what changed since is encoded again.
    if (m_encoded.started() && prepareSave(QDeadlineTimer::Forever))
        return m_files.save(saveWriters(), m_filesGeneration);
    return m_files.save(m_db, m_filesGeneration);
}

bool StockDocument::prepareSave(QDeadlineTimer deadline)
{
    return m_encoded.encode(m_db.animals, deadline);
}

DataFiles::Writers StockDocument::saveWriters() const
{
    Q_ASSERT(m_encoded.upToDate(m_db.animals));
    // The pairs are few beside the animals: a copy of them costs little.
    return {m_encoded.writer(m_db.print, m_db.breeder), [pairs = m_db.pairs](QIODevice& device) {
                return PairFile::write(device, pairs);
            }};
}
