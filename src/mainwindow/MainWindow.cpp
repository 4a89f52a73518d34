#include "mainwindow/MainWindow.h"

#include "platform/Messages.h"
#include "storage/SpeciesWords.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QVBoxLayout>

MainWindow::MainWindow(Database db, DataFiles files, QWidget* parent)
    : QWidget(parent), m_db(std::move(db)), m_files(std::move(files))
{
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(SpeciesWords::Title);
    auto* layout = new QVBoxLayout(this);
    m_closeButton = new QPushButton(QStringLiteral("Alles speichern und Programm beenden"), this);
    m_closeButton->setObjectName(QStringLiteral("closeButton"));
    layout->addWidget(m_closeButton);
    connect(m_closeButton, &QPushButton::clicked, this, &QWidget::close);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
    const DataFiles::SaveResult saved = m_files.save(m_db);
    if (!saved.ok) {
        Messages::current().warn(this, saved.message);
        return;
    }
    if (Messages::current().askYesNo(this, QStringLiteral("Frage"),
                                     QStringLiteral("Wollen sie das Programm beenden?"))) {
        event->accept();
        emit exitConfirmed();
    }
}
