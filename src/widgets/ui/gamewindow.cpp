// SPDX-License-Identifier: MIT
#include "widgets/ui/gamewindow.h"

#include "widgets/ui/help.h"
#include "widgets/ui/listview.h"

#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QMenu>
#include <QPushButton>

namespace zelpo::ui {

void GameWindow::connectControls(int registrationId, const Handlers& on)
{
    connect(button(kListButtonId), &QPushButton::clicked, this, on.list);
    connect(button(kPredictButtonId), &QPushButton::clicked, this, on.predict);
    connect(button(registrationId), &QPushButton::clicked, this, on.registration);
    connect(button(kSearchButtonId), &QPushButton::clicked, this, on.search);
    connect(button(kClearButtonId), &QPushButton::clicked, this, on.clear);
    connect(button(kHelpButtonId), &QPushButton::clicked, this, on.help);
    connect(&drawList(), &ListView::listDoubleClicked, this, on.editDraw);
}

void GameWindow::connectSwitches(const std::function<void()>& straight, const std::function<void()>& box)
{
    // The switches answer their state, however it changed (a click, Space, an assistive tool).
    connect(checkBox(kStraightId), &QCheckBox::toggled, this, straight);
    connect(checkBox(kBoxId), &QCheckBox::toggled, this, box);
}

ListView& GameWindow::drawList() const
{
    return *listView(kDrawListId);
}

void GameWindow::OnHelpB()
{
    openHelp(this, m_strHelp, manualPage(templateId()));
}

void GameWindow::addContextEntry(QWidget& list, const QString& entry, std::function<void()> run)
{
    if (m_contextEntries.empty()) {
        setContextMenuPolicy(Qt::CustomContextMenu);
        connect(this, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& position) { showContextMenu(*this, position); });
    }
    if (list.contextMenuPolicy() != Qt::CustomContextMenu) {
        list.setContextMenuPolicy(Qt::CustomContextMenu);
        connect(&list, &QWidget::customContextMenuRequested, this,
            [this, &list](const QPoint& position) { showContextMenu(list, position); });
    }
    m_contextEntries.push_back({ entry, std::move(run) });
}

void GameWindow::showContextMenu(QWidget& area, const QPoint& position)
{
    // A list reports the position in its viewport.
    auto* scrollArea = qobject_cast<QAbstractScrollArea*>(&area);
    const QPoint global = (scrollArea ? scrollArea->viewport() : &area)->mapToGlobal(position);
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (const ContextEntry& entry : m_contextEntries)
        menu->addAction(entry.text, this, entry.run);
    menu->popup(global);
}

} // namespace zelpo::ui
