#include "ui/preview/OutputProgress.h"

#include <QCoreApplication>
#include <QProgressDialog>

namespace {

// Fewer pages than this go out too quickly to need a progress window.
constexpr int kPagesWorthAWindow = 20;

} // namespace

OutputProgress::OutputProgress(QWidget* parent, const QString& what) : m_parent(parent), m_what(what) { }

OutputProgress::~OutputProgress() = default;

PageProgress OutputProgress::callback()
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
        m_dialog->setLabelText(m_what + QStringLiteral(" (Seite %1 von %2)").arg(done + 1).arg(count));
        m_dialog->setValue(done);
        QCoreApplication::processEvents();
        return !m_dialog->wasCanceled();
    };
}
