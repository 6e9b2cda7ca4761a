// SPDX-License-Identifier: MIT
#include "ui/dialogbuilder.h"

#include "ui/listview.h"

#include <QCheckBox>
#include <QDialog>
#include <QFontMetrics>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

// Resources compiled into a static library must be registered by name.
static void registerResources()
{
    Q_INIT_RESOURCE(zelpo);
}

namespace zelpo::ui {
namespace {

QString toQString(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

// Windows' MulDiv: a * b / c rounded half away from zero.
int mulDiv(int a, int b, int c)
{
    const long long product = static_cast<long long>(a) * b;
    const long long half = c / 2;
    return static_cast<int>(product >= 0 ? (product + half) / c : (product - half) / c);
}

Qt::Alignment horizontalAlignment(unsigned style)
{
    if (style & res::Centered)
        return Qt::AlignHCenter;
    if (style & res::Right)
        return Qt::AlignRight;
    return Qt::AlignLeft;
}

QWidget* createControl(QDialog& dialog, const res::Control& control)
{
    const QString caption = toQString(control.caption);
    switch (control.kind) {
    case res::Kind::Static: {
        auto* label = new QLabel(caption, &dialog);
        label->setAlignment(horizontalAlignment(control.style) | Qt::AlignTop);
        label->setWordWrap(true);
        return label;
    }
    case res::Kind::GroupBox:
        return new QGroupBox(caption, &dialog);
    case res::Kind::Edit: {
        auto* edit = new QLineEdit(&dialog);
        edit->setAlignment(horizontalAlignment(control.style) | Qt::AlignVCenter);
        edit->setReadOnly(control.style & res::ReadOnly);
        if (control.style & res::ReadOnly) {
            // Displays sit on the dialog's own background, as read-only edits did.
            QPalette palette = edit->palette();
            palette.setColor(QPalette::Base, palette.color(QPalette::Window));
            edit->setPalette(palette);
        }
        edit->setFrame(control.style & res::Border);
        if (control.style & res::Number)
            edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
        return edit;
    }
    case res::Kind::Button:
    case res::Kind::DefaultButton: {
        auto* button = new QPushButton(caption, &dialog);
        button->setDefault(control.kind == res::Kind::DefaultButton);
        return button;
    }
    case res::Kind::CheckBox:
        return new QCheckBox(caption, &dialog);
    case res::Kind::PushLikeCheckBox: {
        auto* button = new QPushButton(caption, &dialog);
        button->setCheckable(true);
        button->setAutoDefault(false);
        return button;
    }
    case res::Kind::ListView: {
        auto* list = new ListView(&dialog);
        list->setFrameShape(control.style & res::Border ? QFrame::StyledPanel : QFrame::NoFrame);
        return list;
    }
    case res::Kind::Icon: {
        auto* label = new QLabel(&dialog);
        label->setPixmap(QIcon(QStringLiteral(":/zelpo/zelpo.png")).pixmap(32, 32));
        return label;
    }
    }
    return new QWidget(&dialog);
}

} // namespace

QFont dialogFont(std::u16string_view fontName, int pointSize)
{
    static const bool substituted = [] {
        // The Japanese Gothic the templates name is not installed here; Noto's is.
        for (const QString& name :
            { QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"), QStringLiteral("ＭＳ ゴシック") }) {
            QFont::insertSubstitutions(name,
                { QStringLiteral("Noto Sans CJK JP"), QStringLiteral("Noto Sans CJK SC"),
                    QStringLiteral("Noto Sans") });
        }
        return true;
    }();
    Q_UNUSED(substituted);
    QFont font(toQString(fontName));
    // Points at the platform's 96 logical dots per inch, whatever the screen says.
    font.setPixelSize(mulDiv(pointSize, 96, 72));
    return font;
}

QSize dialogBaseUnits(const QFont& font)
{
    const QFontMetrics metrics(font);
    const int letters
        = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return { (letters / 26 + 1) / 2, metrics.height() };
}

QRect toPixels(const QRect& dialogUnits, QSize baseUnits)
{
    return { mulDiv(dialogUnits.x(), baseUnits.width(), 4), mulDiv(dialogUnits.y(), baseUnits.height(), 8),
        mulDiv(dialogUnits.width(), baseUnits.width(), 4), mulDiv(dialogUnits.height(), baseUnits.height(), 8) };
}

void buildDialog(QDialog& dialog, const res::Dialog& dialogTemplate)
{
    static const bool registered = (registerResources(), true);
    Q_UNUSED(registered);
    const QFont font = dialogFont(dialogTemplate.fontName, dialogTemplate.pointSize);
    const QSize base = dialogBaseUnits(font);
    dialog.setFont(font);
    dialog.setWindowTitle(toQString(dialogTemplate.caption));
    dialog.setFixedSize(toPixels(QRect(0, 0, dialogTemplate.cx, dialogTemplate.cy), base).size());
    dialog.setProperty(kControlIdProperty, dialogTemplate.id);

    QList<QWidget*> frames;
    for (const res::Control& control : dialogTemplate.controls) {
        QWidget* widget = createControl(dialog, control);
        widget->setGeometry(toPixels(QRect(control.x, control.y, control.cx, control.cy), base));
        widget->setProperty(kControlIdProperty, control.id);
        widget->setAccessibleDescription(QString::number(control.id));
        if (!control.caption.empty())
            widget->setAccessibleName(toQString(control.caption));
        if (!(control.style & res::TabStop))
            widget->setFocusPolicy(widget->focusPolicy() == Qt::NoFocus ? Qt::NoFocus : Qt::ClickFocus);
        if (control.kind == res::Kind::GroupBox)
            frames << widget;
    }
    // Frames are drawn behind the controls they surround and take no clicks.
    for (QWidget* frame : frames) {
        frame->lower();
        frame->setFocusPolicy(Qt::NoFocus);
    }
}

QWidget* findControl(const QWidget& dialog, int id)
{
    const auto children = dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* child : children) {
        const QVariant value = child->property(kControlIdProperty);
        if (value.isValid() && value.toInt() == id)
            return child;
    }
    return nullptr;
}

} // namespace zelpo::ui
