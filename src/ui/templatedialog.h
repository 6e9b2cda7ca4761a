// SPDX-License-Identifier: MIT
// Base of every window: a modal dialog built from its template, with its
// controls looked up by numeric ID.
#pragma once

#include "res/dialogtemplate.h"

#include <QDialog>

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

    // Runs onInitDialog() once; called before the window is first shown.
    void initialize();

    // Text of an edit control (empty when there is none with that ID).
    QString text(int id) const;
    void setText(int id, const QString& text);

protected:
    // The window's opening sequence, run once before it is first shown.
    virtual void onInitDialog() {}
    void showEvent(QShowEvent* event) override;

private:
    bool m_initialized = false;
    bool m_shown = false;
};

} // namespace zelpo::ui
