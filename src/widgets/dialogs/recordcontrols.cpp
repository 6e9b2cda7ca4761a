// SPDX-License-Identifier: MIT
#include "widgets/dialogs/recordcontrols.h"

#include "widgets/ui/listview.h"

#include <QHeaderView>

#include <algorithm>

namespace zelpo::analysis {

void fitColumns(ui::ListView& list)
{
    for (int column = 0; column < list.columnCount(); ++column) {
        // The tree view's own measure of the cells, public through its base.
        const int cells = static_cast<const QAbstractItemView&>(list).sizeHintForColumn(column);
        const int needed = std::max(cells, list.header()->sectionSizeHint(column));
        list.setColumnWidth(column, std::max(list.columnWidth(column), needed));
    }
}

QWidget* controlWithin(const QWidget& widget, int id)
{
    for (QWidget* child : widget.findChildren<QWidget*>()) {
        const QVariant value = child->property(ui::kControlIdProperty);
        if (value.isValid() && value.toInt() == id)
            return child;
    }
    return nullptr;
}

} // namespace zelpo::analysis
