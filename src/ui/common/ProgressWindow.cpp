#include "ui/common/ProgressWindow.h"

#include <QCoreApplication>
#include <QProgressDialog>

namespace {

// Fewer steps than this are done too quickly to need a progress window.
constexpr int kPagesWorthAWindow = 20;

} // namespace

ProgressWindow::ProgressWindow(QWidget* parent, const QString& what, const QString& step)
    : m_parent(parent), m_what(what), m_step(step)
{ }

ProgressWindow::~ProgressWindow() = default;

std::function<bool(int, int)> ProgressWindow::callback()
{
    return [this](int done, int count) {
        if (count < kPagesWorthAWindow)
            return true;
        if (!m_dialog) {
            m_dialog = std::make_unique<QProgressDialog>(m_what, QStringLiteral("Abbrechen"), 0, count, m_parent);
            m_dialog->setWindowTitle(QStringLiteral("Bitte warten"));
            m_dialog->setWindowModality(Qt::WindowModal);
            m_dialog->setMinimumDuration(500);
        }
        m_dialog->setLabelText(m_what
                               + QStringLiteral(" (%1 %2 von %3)").arg(m_step).arg(qMin(done + 1, count)).arg(count));
        m_dialog->setValue(done);
        QCoreApplication::processEvents();
        return !m_dialog->wasCanceled();
    };
}
