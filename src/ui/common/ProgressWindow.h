#pragma once

#include <QString>

#include <functional>

#include <memory>

class QProgressDialog;
class QWidget;

// A progress window with "Abbrechen" for long work: printing or saving many
// pages, copying many pictures. It appears only when the work takes a while;
// the window stays responsive meanwhile.
class ProgressWindow
{
public:
    // what: the work, as the window names it; step: what is counted ("Seite", "Bild").
    ProgressWindow(QWidget* parent, const QString& what, const QString& step = QStringLiteral("Seite"));
    ~ProgressWindow();

    // Hands to the work as its progress (done, total); false once the breeder pressed "Abbrechen".
    std::function<bool(int, int)> callback();

private:
    QWidget* m_parent;
    QString m_what;
    QString m_step;
    std::unique_ptr<QProgressDialog> m_dialog;
};
