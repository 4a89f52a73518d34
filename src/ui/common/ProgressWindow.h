#pragma once

#include <QCoreApplication>
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
    Q_DECLARE_TR_FUNCTIONS(ProgressWindow)

public:
    // What the work counts, as the window names it.
    enum class Counted
    {
        Pages,
        Pictures
    };

    // what: the work, as the window names it.
    ProgressWindow(QWidget* parent, const QString& what, Counted counted = Counted::Pages);
    ~ProgressWindow();

    // Hands to the work as its progress (done, total); false once the breeder pressed "Abbrechen".
    std::function<bool(int, int)> callback();

private:
    QString countText(int current, int count) const;

    QWidget* m_parent;
    QString m_what;
    Counted m_counted;
    std::unique_ptr<QProgressDialog> m_dialog;
};
