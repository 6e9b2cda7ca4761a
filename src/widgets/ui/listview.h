// SPDX-License-Identifier: MIT
// A list view in report style, with the operations the windows use on it:
// columns with header, width and alignment; rows inserted at an index; cell
// texts; the row under the mouse pointer (the "hot item").
#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <QTreeView>

#include <vector>

namespace zelpo::ui {

class ListModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void insertColumn(int index, const QString& header, Qt::Alignment alignment);
    int insertRow(int index, const QString& firstCell);
    bool setCell(int row, int column, const QString& text);
    QString cell(int row, int column) const;
    void clear();

    // Between these two, changes are made silently and the views are told
    // once, at the end, instead of once per row and cell.
    void beginBatch();
    void endBatch();

private:
    struct Column {
        QString header;
        Qt::Alignment alignment;
    };
    std::vector<Column> m_columns;
    std::vector<QStringList> m_rows;
    int m_batchDepth = 0;
};

class ListView final : public QTreeView {
    Q_OBJECT
public:
    // The extended-style bits the windows set.
    static constexpr unsigned kFullRowSelect = 0x20;
    static constexpr unsigned kTwoClickActivate = 0x80;

    explicit ListView(QWidget* parent = nullptr);

    // nFmt as the platform has it: 0 left, 1 right, 2 centred. The first
    // column is always left-aligned, as on the original platform.
    void insertColumn(int index, const QString& header, int format, int width);
    int columnCount() const;
    // Inserts a row at `row` (clamped to the end) and returns its index.
    int insertItem(int row, const QString& text);
    bool setItemText(int row, int column, const QString& text);
    QString itemText(int row, int column) const;
    int itemCount() const;
    bool deleteAllItems();

    unsigned extendedStyle() const { return m_extendedStyle; }
    void setExtendedStyle(unsigned style);

    // The row under the pointer as last seen by the list, or -1.
    int hotItem() const { return m_hotItem; }

    // Fills the list in one go while alive: filling thousands of rows row by
    // row would make the view lay itself out again for every row.
    class Batch {
    public:
        explicit Batch(ListView& list)
            : m_model(list.m_model)
        {
            m_model.beginBatch();
        }
        ~Batch() { m_model.endBatch(); }
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        ListModel& m_model;
    };

    // The visual rectangle of a row, for tests and tools that click on it.
    QRect rowRect(int row) const;

Q_SIGNALS:
    // A left double click anywhere in the list; hotItem() tells the row.
    void listDoubleClicked();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void trackPointer(const QPoint& position);

    ListModel m_model;
    unsigned m_extendedStyle = 0;
    int m_hotItem = -1;
};

// The list-view routines every game window uses on its lists, with the
// parameters (text, nItem, nSubItem, nFmt, cx) the windows pass.

// Inserts column nItem with its header, alignment and width. Returns 1.
int addColumn(ListView& list, const QString& text, int nItem, int nSubItem, int nFmt, int cx);
// nSubItem 0 inserts row nItem with `text` in its first cell; otherwise sets
// cell (nItem, nSubItem). nFmt and cx are accepted and ignored. With
// `fullRowSelect` the list gains full-row selection on every call.
void addItem(ListView& list, const QString& text, int nItem, int nSubItem, bool fullRowSelect = false);
// Empties the list: the list's answer, or 1 when it was already empty.
int deleteItems(ListView& list);

} // namespace zelpo::ui
