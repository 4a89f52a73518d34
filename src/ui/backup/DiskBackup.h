#pragma once

class QWidget;
class StockDocument;

// "Schnelles Backup" and "Schnelles Backup holen": one backup in a folder of
// the documents folder on the same disk.
namespace DiskBackup {

void backup(QWidget* parent, const StockDocument& stock);
void restore(QWidget* parent, StockDocument& stock);

} // namespace DiskBackup
