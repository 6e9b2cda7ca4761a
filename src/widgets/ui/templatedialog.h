// SPDX-License-Identifier: MIT
// Base of every window: a modal dialog built from its template, with its
// controls looked up by numeric ID.
#pragma once

#include "widgets/res/dialogtemplate.h"

#include <QDialog>
#include <QHash>
#include <QStringList>

#include <optional>
#include <span>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace zelpo::ui {

class ListView;

class TemplateDialog : public QDialog {
    Q_OBJECT
public:
    explicit TemplateDialog(const res::Dialog& dialogTemplate, QWidget* parent = nullptr);
    ~TemplateDialog() override;

    QWidget* control(int id) const;
    QLineEdit* edit(int id) const;
    QPushButton* button(int id) const;
    QCheckBox* checkBox(int id) const;
    ListView* listView(int id) const;

    // The resource number of the template the window was built from.
    int templateId() const { return m_templateId; }

    // Runs onInitDialog() once; called before the window is first shown.
    void initialize();
    // Initializes the window before it first becomes visible, however it is
    // shown (runModal(), exec(), show()).
    void setVisible(bool visible) override;

    // Text of an edit control (empty when there is none with that ID).
    QString text(int id) const;
    void setText(int id, const QString& text);

    // Shows the next draw number that `countSql` gives in edit `id`. A failed
    // query leaves the field as it was and gives false.
    bool showNextDrawNumber(int id, QStringView countSql, const QString& database, const QString& where);
    // Writes `texts` into the edits `ids`, in order. A failed query (no texts)
    // leaves them as they were and gives false.
    bool showTexts(std::span<const int> ids, const std::optional<QStringList>& texts);

    // Says with a stop message that the database could not be read. A handler
    // calls it once, however many of its queries failed.
    void reportReadFailure();

protected:
    // The window's opening sequence, run once before it is first shown.
    virtual void onInitDialog() { }
    // The control that has the focus when the window opens: its first Tab stop.
    virtual QWidget* initialFocus() const;
    void showEvent(QShowEvent* event) override;

private:
    int m_templateId;
    QHash<int, QWidget*> m_controls; // by control ID, looked up on every field access
    bool m_initialized = false;
    bool m_shown = false;
};

} // namespace zelpo::ui
