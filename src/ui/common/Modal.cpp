#include "ui/common/Modal.h"

#include <QApplication>
#include <QDialog>

void showModal(QDialog* dialog)
{
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

QWidget* frontWindow(QWidget* fallback)
{
    QWidget* modal = QApplication::activeModalWidget();
    return modal ? modal : fallback;
}
