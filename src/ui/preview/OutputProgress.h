#pragma once

#include "reports/engine/ReportPages.h"

#include <memory>

class QProgressDialog;
class QWidget;

// A progress window with "Abbrechen" for printing or saving many pages. It
// appears only when the output takes a while; the window stays responsive.
class OutputProgress
{
public:
    OutputProgress(QWidget* parent, const QString& what);
    ~OutputProgress();

    // Hands to the output; false once the breeder pressed "Abbrechen".
    PageProgress callback();

private:
    QWidget* m_parent;
    QString m_what;
    std::unique_ptr<QProgressDialog> m_dialog;
};
