#include "ui/mainwindow/LinkButton.h"

LinkButton::LinkButton(const QString& text, QWidget* parent) : QPushButton(text, parent)
{
    setFlat(true);
    setCursor(Qt::PointingHandCursor);
    // Black and underlined like a link; the focus frame still shows where the keyboard is.
    setStyleSheet(QStringLiteral("QPushButton { border: none; color: black; text-decoration: underline; padding: 2px; }"
                                 "QPushButton:focus { outline: 1px dotted black; }"));
}
