// SPDX-License-Identifier: MIT
// Builds a dialog template into real widgets.
#pragma once

#include "widgets/res/dialogtemplate.h"

#include <QFont>
#include <QRect>

class QDialog;
class QLineEdit;
class QWidget;

namespace zelpo::ui {

// The installed family that stands in for a template's font name: IPAPGothic
// for the platform's Gothic, Noto Sans CJK JP where IPAPGothic is missing.
QString dialogFontFamily(std::u16string_view fontName);

// The template's font at its point size, taken at 96 dots per inch.
QFont dialogFont(std::u16string_view fontName, int pointSize);

// Dialog base units of a font, as the original platform measures them:
// the average width of the 52 Latin letters (rounded) and the font height
// (ascent + descent).
QSize dialogBaseUnits(const QFont& font);

// Dialog units to pixels: x by a quarter, y by an eighth of the base units.
QRect toPixels(const QRect& dialogUnits, QSize baseUnits);

// Makes an edit a read-only display on the dialog's background, as the
// templates' read-only fields are. Its Tab behaviour is the caller's.
void makeDisplay(QLineEdit& edit);

// Gives `dialog` the template's caption, font and size and creates its
// controls as children, in template order (which is also the Tab order).
// Every control carries its numeric ID as property "controlId" and as its
// accessible description.
void buildDialog(QDialog& dialog, const res::Dialog& dialogTemplate);

// The control with the given ID, or null: among the window's own children,
// as a template builds them, or anywhere inside it with Qt::FindChildrenRecursively
// (windows that place their controls on pages and tabs).
QWidget* findControl(const QWidget& dialog, int id, Qt::FindChildOptions options = Qt::FindDirectChildrenOnly);

// Gives a control of a window built without a template its ID, as the
// templates' controls carry it, and the name a screen reader speaks for it
// (none when `accessibleName` is empty).
void identifyControl(QWidget& control, int id, const QString& accessibleName = {});

inline constexpr char kControlIdProperty[] = "controlId";

} // namespace zelpo::ui
