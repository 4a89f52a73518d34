#pragma once

#include "storage/DataFiles.h"
#include "storage/Database.h"

#include <QWidget>

class QPushButton;

// The program's hub. Owns the breeder's data for the whole run and saves it
// when it is closed.
class MainWindow : public QWidget
{
    Q_OBJECT

public:
    MainWindow(Database db, DataFiles files, QWidget* parent = nullptr);

    Database& database() { return m_db; }

signals:
    // The user confirmed the end of the program after both files were saved.
    void exitConfirmed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Database m_db;
    DataFiles m_files;
    QPushButton* m_closeButton = nullptr;
};
