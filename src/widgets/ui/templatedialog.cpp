// SPDX-License-Identifier: MIT
#include "widgets/ui/templatedialog.h"

#include "data/db/drawcount.h"
#include "widgets/res/strings.h"
#include "widgets/res/text.h"
#include "widgets/ui/contextmenukey.h"
#include "widgets/ui/dialogbuilder.h"
#include "widgets/ui/listview.h"
#include "widgets/ui/modal.h"

#include <QCheckBox>
#include <QIcon>
#include <QLineEdit>
#include <QPushButton>

namespace zelpo::ui {

TemplateDialog::TemplateDialog(const res::Dialog& dialogTemplate, QWidget* parent)
    : QDialog(parent)
    , m_templateId(dialogTemplate.id)
{
    setWindowIcon(QIcon(QStringLiteral(":/zelpo/zelpo.png")));
    buildDialog(*this, dialogTemplate);
    for (const res::Control& control : dialogTemplate.controls) {
        if (control.id != res::kNoId)
            m_controls.insert(control.id, findControl(*this, control.id));
    }
    // Button 1 is the window's OK; Escape and the close box cancel (QDialog's own handling).
    if (QPushButton* ok = button(1))
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    offerContextMenuKey(*this);
}

TemplateDialog::~TemplateDialog() = default;

QWidget* TemplateDialog::control(int id) const
{
    return m_controls.value(id);
}

QLineEdit* TemplateDialog::edit(int id) const
{
    return qobject_cast<QLineEdit*>(control(id));
}

QPushButton* TemplateDialog::button(int id) const
{
    return qobject_cast<QPushButton*>(control(id));
}

QCheckBox* TemplateDialog::checkBox(int id) const
{
    return qobject_cast<QCheckBox*>(control(id));
}

ListView* TemplateDialog::listView(int id) const
{
    return qobject_cast<ListView*>(control(id));
}

void TemplateDialog::initialize()
{
    if (m_initialized)
        return;
    m_initialized = true;
    onInitDialog();
}

void TemplateDialog::setVisible(bool visible)
{
    if (visible)
        initialize();
    QDialog::setVisible(visible);
}

QString TemplateDialog::text(int id) const
{
    const QLineEdit* field = edit(id);
    return field ? field->text() : QString();
}

void TemplateDialog::setText(int id, const QString& text)
{
    if (QLineEdit* field = edit(id)) {
        field->setText(text);
        // A text longer than its field shows its start, as a set text did.
        field->setCursorPosition(0);
    }
}

bool TemplateDialog::showNextDrawNumber(int id, QStringView countSql, const QString& database, const QString& where)
{
    const std::optional<int> next = db::nextDrawNumber(database, countSql, where);
    if (!next)
        return false;
    setText(id, QString::number(*next));
    return true;
}

bool TemplateDialog::showTexts(std::span<const int> ids, const std::optional<QStringList>& texts)
{
    if (!texts)
        return false;
    for (std::size_t i = 0; i < ids.size() && i < static_cast<std::size_t>(texts->size()); ++i)
        setText(ids[i], texts->at(static_cast<qsizetype>(i)));
    return true;
}

void TemplateDialog::reportReadFailure()
{
    showMessage(this, res::qtext(res::kReadFailed), MessageIcon::Stop);
}

QWidget* TemplateDialog::initialFocus() const
{
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->focusPolicy() == Qt::StrongFocus && child->isEnabled() && !child->isHidden())
            return child;
    }
    return nullptr;
}

void TemplateDialog::showEvent(QShowEvent* event)
{
    const bool first = !m_shown;
    m_shown = true;
    initialize();
    QDialog::showEvent(event);
    // As on the original platform, a window opens with the focus on its first
    // Tab stop rather than on its default button.
    if (first) {
        if (QWidget* target = initialFocus())
            target->setFocus(Qt::TabFocusReason);
    }
}

} // namespace zelpo::ui
