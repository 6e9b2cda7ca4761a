// SPDX-License-Identifier: MIT
#include "widgets/ui/dialogbuilder.h"

#include "widgets/ui/listview.h"

#include <QCheckBox>
#include <QDialog>
#include <QFontDatabase>
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
        return label;
    }
    case res::Kind::GroupBox:
        return new QGroupBox(caption, &dialog);
    case res::Kind::Edit: {
        auto* edit = new QLineEdit(&dialog);
        // A borderless edit writes its text from the top, level with the
        // labels beside it; a framed one centres it in the frame.
        const bool border = control.style & res::Border;
        edit->setAlignment(horizontalAlignment(control.style) | (border ? Qt::AlignVCenter : Qt::AlignTop));
        // Without a frame the text may use the whole width, as a borderless
        // edit's does, less one pixel on each side.
        if (!border)
            edit->setTextMargins(-1, 0, -1, 0);
        if (control.style & res::ReadOnly)
            makeDisplay(*edit);
        edit->setFrame(border);
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

QString dialogFontFamily(std::u16string_view fontName)
{
    // The templates name the platform's proportional Gothic, which is not
    // installed here. IPAPGothic is drawn to the same metrics (a line of about
    // one em); Noto's Gothic, far taller, stands in only when IPA's is missing.
    static const QString family = [] {
        for (const QString& candidate : { QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP") }) {
            if (QFontDatabase::hasFamily(candidate))
                return candidate;
        }
        return QString();
    }();
    const QString name = toQString(fontName);
    const bool gothic = name == u"ＭＳ Ｐゴシック" || name == u"MS PGothic" || name == u"ＭＳ ゴシック";
    return gothic && !family.isEmpty() ? family : name;
}

QFont dialogFont(std::u16string_view fontName, int pointSize)
{
    QFont font(dialogFontFamily(fontName));
    // Points at the platform's 96 logical dots per inch, whatever the screen says.
    font.setPixelSize(mulDiv(pointSize, 96, 72));
    return font;
}

QSize dialogBaseUnits(const QFont& font)
{
    const QFontMetrics metrics(font);
    const int letters
        = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return { (letters / 26 + 1) / 2, metrics.ascent() + metrics.descent() };
}

void makeDisplay(QLineEdit& edit)
{
    edit.setReadOnly(true);
    // Displays sit on the dialog's own background, as read-only edits did.
    QPalette palette = edit.palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    edit.setPalette(palette);
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
        // A label wraps only where its rectangle holds more than one line: a
        // wrapped line below a one-line label would not be seen at all.
        if (auto* label = qobject_cast<QLabel*>(widget))
            label->setWordWrap(widget->height() >= 2 * (base.height()));
        identifyControl(*widget, control.id);
        if (!control.accessibleName.empty())
            widget->setAccessibleName(toQString(control.accessibleName));
        else if (!control.caption.empty() && control.kind != res::Kind::ListView)
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

QWidget* findControl(const QWidget& dialog, int id, Qt::FindChildOptions options)
{
    const auto children = dialog.findChildren<QWidget*>(options);
    for (QWidget* child : children) {
        const QVariant value = child->property(kControlIdProperty);
        if (value.isValid() && value.toInt() == id)
            return child;
    }
    return nullptr;
}

void identifyControl(QWidget& control, int id, const QString& accessibleName)
{
    control.setProperty(kControlIdProperty, id);
    control.setAccessibleDescription(QString::number(id));
    if (!accessibleName.isEmpty())
        control.setAccessibleName(accessibleName);
}

} // namespace zelpo::ui
