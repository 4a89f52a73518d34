#pragma once

#include <QStringList>

#include <memory>

class QTextStream;

// avelor-export: certificates and record sheets from a data folder to PDF or
// PNG, without the windows. Returns the exit code: 0 done, 1 a ring is not in
// the stock, 2 wrong use, 3 the data could not be read or the file not written.
int runExport(const QStringList& arguments, QTextStream& out, QTextStream& err);

// The same, leaving the stock it read in `keep` rather than freeing it: a
// program about to end spares itself freeing a million animals one by one.
class StockDocument;
int runExport(const QStringList& arguments, QTextStream& out, QTextStream& err, std::unique_ptr<StockDocument>& keep);
