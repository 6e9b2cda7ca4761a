// SPDX-License-Identifier: MIT
#include "widgets/ui/listview.h"

#include <QHeaderView>
#include <QMouseEvent>

namespace zelpo::ui {

int ListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int ListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

QVariant ListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return cell(index.row(), index.column());
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(m_columns[static_cast<size_t>(index.column())].alignment | Qt::AlignVCenter);
    return {};
}

QVariant ListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= static_cast<int>(m_columns.size()))
        return {};
    if (role == Qt::DisplayRole)
        return m_columns[static_cast<size_t>(section)].header;
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(m_columns[static_cast<size_t>(section)].alignment | Qt::AlignVCenter);
    return {};
}

void ListModel::insertColumn(int index, const QString& header, Qt::Alignment alignment)
{
    index = std::clamp(index, 0, static_cast<int>(m_columns.size()));
    beginInsertColumns({}, index, index);
    m_columns.insert(m_columns.begin() + index, Column { header, alignment });
    for (QStringList& row : m_rows) {
        if (index <= row.size())
            row.insert(index, QString());
    }
    endInsertColumns();
}

int ListModel::insertRow(int index, const QString& firstCell)
{
    index = std::clamp(index, 0, static_cast<int>(m_rows.size()));
    if (m_batchDepth > 0) {
        m_rows.insert(m_rows.begin() + index, QStringList { firstCell });
        return index;
    }
    beginInsertRows({}, index, index);
    m_rows.insert(m_rows.begin() + index, QStringList { firstCell });
    endInsertRows();
    return index;
}

void ListModel::beginBatch()
{
    if (m_batchDepth++ == 0)
        beginResetModel();
}

void ListModel::endBatch()
{
    if (--m_batchDepth == 0)
        endResetModel();
}

bool ListModel::setCell(int row, int column, const QString& text)
{
    if (row < 0 || row >= static_cast<int>(m_rows.size()) || column < 0 || column >= static_cast<int>(m_columns.size()))
        return false;
    QStringList& cells = m_rows[static_cast<size_t>(row)];
    while (cells.size() <= column)
        cells.append(QString());
    cells[column] = text;
    if (m_batchDepth > 0)
        return true;
    const QModelIndex changed = index(row, column);
    Q_EMIT dataChanged(changed, changed, { Qt::DisplayRole });
    return true;
}

QString ListModel::cell(int row, int column) const
{
    if (row < 0 || row >= static_cast<int>(m_rows.size()))
        return {};
    const QStringList& cells = m_rows[static_cast<size_t>(row)];
    return column >= 0 && column < cells.size() ? cells[column] : QString();
}

void ListModel::clear()
{
    beginResetModel();
    m_rows.clear();
    endResetModel();
}

ListView::ListView(QWidget* parent)
    : QTreeView(parent)
    , m_model(this)
{
    setModel(&m_model);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setMouseTracking(true);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
}

void ListView::insertColumn(int index, const QString& header, int format, int width)
{
    Qt::Alignment alignment = Qt::AlignLeft;
    if (index > 0 && format == 2)
        alignment = Qt::AlignHCenter;
    else if (index > 0 && format == 1)
        alignment = Qt::AlignRight;
    m_model.insertColumn(index, header, alignment);
    setColumnWidth(std::clamp(index, 0, m_model.columnCount() - 1), width);
}

int ListView::columnCount() const
{
    return m_model.columnCount();
}

int ListView::insertItem(int row, const QString& text)
{
    return m_model.insertRow(row, text);
}

bool ListView::setItemText(int row, int column, const QString& text)
{
    return m_model.setCell(row, column, text);
}

QString ListView::itemText(int row, int column) const
{
    return m_model.cell(row, column);
}

int ListView::itemCount() const
{
    return m_model.rowCount();
}

bool ListView::deleteAllItems()
{
    m_model.clear();
    m_hotItem = -1;
    return true;
}

void ListView::setExtendedStyle(unsigned style)
{
    if (style == m_extendedStyle)
        return;
    m_extendedStyle = style;
    setSelectionBehavior(style & kFullRowSelect ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
}

QRect ListView::rowRect(int row) const
{
    const QModelIndex first = m_model.index(row, 0);
    if (!first.isValid())
        return {};
    QRect rect = visualRect(first);
    rect.setLeft(0);
    return rect;
}

void ListView::trackPointer(const QPoint& position)
{
    const QModelIndex index = indexAt(position);
    m_hotItem = index.isValid() ? index.row() : -1;
}

void ListView::mouseMoveEvent(QMouseEvent* event)
{
    trackPointer(event->position().toPoint());
    QTreeView::mouseMoveEvent(event);
}

void ListView::mousePressEvent(QMouseEvent* event)
{
    trackPointer(event->position().toPoint());
    QTreeView::mousePressEvent(event);
}

void ListView::mouseDoubleClickEvent(QMouseEvent* event)
{
    trackPointer(event->position().toPoint());
    QTreeView::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        Q_EMIT listDoubleClicked();
}

void ListView::leaveEvent(QEvent* event)
{
    m_hotItem = -1;
    QTreeView::leaveEvent(event);
}

int addColumn(ListView& list, const QString& text, int nItem, int nSubItem, int nFmt, int cx)
{
    Q_UNUSED(nSubItem);
    list.insertColumn(nItem, text, nFmt, cx);
    return 1;
}

void addItem(ListView& list, const QString& text, int nItem, int nSubItem, bool fullRowSelect)
{
    if (fullRowSelect)
        list.setExtendedStyle(list.extendedStyle() | ListView::kFullRowSelect);
    if (nSubItem == 0)
        list.insertItem(nItem, text);
    else
        list.setItemText(nItem, nSubItem, text);
}

int deleteItems(ListView& list)
{
    if (list.itemCount() == 0)
        return 1;
    return list.deleteAllItems() ? 1 : 0;
}

} // namespace zelpo::ui
