#include "ui/common/ProgressWindow.h"

#include <QCoreApplication>
#include <QProgressDialog>

namespace {

// Fewer steps than this are done too quickly to need a progress window.
constexpr int kPagesWorthAWindow = 20;

} // namespace

ProgressWindow::ProgressWindow(QWidget* parent, const QString& what, Counted counted)
    : m_parent(parent), m_what(what), m_counted(counted)
{ }

ProgressWindow::~ProgressWindow() = default;

QString ProgressWindow::countText(int current, int count) const
{
    if (m_counted == Counted::Pictures)
        return tr("Bild %1 von %2").arg(current).arg(count);
    return tr("Seite %1 von %2").arg(current).arg(count);
}

std::function<bool(int, int)> ProgressWindow::callback()
{
    return [this](int done, int count) {
        if (count < kPagesWorthAWindow)
            return true;
        if (!m_dialog) {
            m_dialog = std::make_unique<QProgressDialog>(m_what, tr("Abbrechen"), 0, count, m_parent);
            m_dialog->setWindowTitle(tr("Bitte warten"));
            m_dialog->setWindowModality(Qt::WindowModal);
            m_dialog->setMinimumDuration(500);
        }
        //: %1 is the work being done, %2 how far it is (e.g. "Seite 3 von 40")
        m_dialog->setLabelText(tr("%1 (%2)").arg(m_what, countText(qMin(done + 1, count), count)));
        m_dialog->setValue(done);
        QCoreApplication::processEvents();
        return !m_dialog->wasCanceled();
    };
}
