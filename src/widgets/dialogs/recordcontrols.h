// SPDX-License-Identifier: MIT
// What the parts of 予想の成績 do alike to their controls: the control ID
// and the name a screen reader speaks, and lists as wide as their texts.
#pragma once

#include "widgets/ui/dialogbuilder.h"

#include <QString>
#include <QWidget>

namespace zelpo::ui {
class ListView;
} // namespace zelpo::ui

namespace zelpo::analysis {

template <class Widget>
Widget* withId(Widget* widget, int id, const QString& name = {})
{
    widget->setProperty(ui::kControlIdProperty, id);
    widget->setAccessibleDescription(QString::number(id));
    if (!name.isEmpty())
        widget->setAccessibleName(name);
    return widget;
}

// Widens every column that its header or its longest cell would overflow.
void fitColumns(ui::ListView& list);

// The control of that ID anywhere inside `widget`, or null.
QWidget* controlWithin(const QWidget& widget, int id);

} // namespace zelpo::analysis
