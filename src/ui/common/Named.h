#pragma once

#include <QString>
#include <QWidget>

// A new control with the object name it is found by and the tooltip that
// explains it (screen readers read the tooltip as its description).
template<typename Widget> Widget* named(Widget* widget, const char* name, const QString& tooltip = {})
{
    widget->setObjectName(QString::fromLatin1(name));
    widget->setToolTip(tooltip);
    return widget;
}
