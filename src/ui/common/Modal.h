#pragma once

#include <memory>

class QDialog;

// Shows a dialog modal to the whole program without waiting for it, so that
// a dialog opened from another modal dialog stacks on top of it and tests
// never block. Its finished() signal tells when it closes.
void showModal(QDialog* dialog);

// The window a new window should belong to: the modal dialog in front, if
// any, so the new window is not blocked by it; otherwise fallback.
class QWidget;
QWidget* frontWindow(QWidget* fallback);

// A dialog made on first use and kept for the whole run, so it keeps its contents between openings.
template<typename Dialog, typename... Args> Dialog& lazily(std::unique_ptr<Dialog>& slot, Args&&... args)
{
    if (!slot)
        slot = std::make_unique<Dialog>(std::forward<Args>(args)...);
    return *slot;
}
