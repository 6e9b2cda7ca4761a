// SPDX-License-Identifier: MIT
#include "widgets/windows/searchrun.h"

#include "widgets/ui/listview.h"
#include "widgets/ui/modal.h"
#include "widgets/ui/templatedialog.h"

#include <QCheckBox>

namespace zelpo::ui {
namespace {

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

std::string searchInput(const TemplateDialog& window, int editId)
{
    return window.text(editId).toStdString();
}

db::SearchKind searchKind(const TemplateDialog& window, int straightId, int boxId)
{
    if (window.checkBox(boxId)->isChecked())
        return db::SearchKind::Box;
    if (window.checkBox(straightId)->isChecked())
        return db::SearchKind::Straight;
    return db::SearchKind::None;
}

void runSearch(TemplateDialog& window, const db::SearchClause& clause, int listId, int countId,
    const std::function<void()>& emptyList, const std::function<bool(const QString& where)>& search)
{
    if (clause.isMessage()) {
        showMessage(&window, fromUtf8(clause.text()), MessageIcon::Stop);
        return;
    }
    emptyList();
    if (clause.isWhere() && !search(fromUtf8(clause.text()))) {
        window.reportReadFailure();
        return;
    }
    const int count = window.listView(listId)->itemCount();
    window.setText(countId, QString::number(count));
    if (count == 0)
        showMessage(&window, fromUtf8(db::kSearchNoHits), MessageIcon::Stop);
}

void excludeOther(TemplateDialog& window, int clickedId, int otherId)
{
    if (window.checkBox(clickedId)->isChecked())
        window.checkBox(otherId)->setChecked(false);
}

} // namespace zelpo::ui
