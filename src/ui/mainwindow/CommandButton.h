#pragma once

#include <QPushButton>

// A button of the main window's command column: its height, and the object
// name it is found by.
inline constexpr int kCommandButtonHeight = 32;

inline QPushButton* commandButton(const QString& text, const char* name, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setMinimumHeight(kCommandButtonHeight);
    return button;
}
