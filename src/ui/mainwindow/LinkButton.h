#pragma once

#include <QPushButton>

// An underlined text with a hand cursor that is a button underneath, so the
// keyboard reaches it and screen readers offer to press it.
class LinkButton : public QPushButton
{
    Q_OBJECT

public:
    explicit LinkButton(const QString& text, QWidget* parent = nullptr);
};
