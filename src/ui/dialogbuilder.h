// SPDX-License-Identifier: MIT
// Builds a dialog template into real widgets.
#pragma once

#include "res/dialogtemplate.h"

#include <QFont>
#include <QRect>

class QDialog;
class QWidget;

namespace zelpo::ui {

// The installed font that stands in for a template's font name.
QFont dialogFont(std::u16string_view fontName, int pointSize);

// Dialog base units of a font, as the original platform measures them:
// the average width of the 52 Latin letters (rounded) and the font height.
QSize dialogBaseUnits(const QFont& font);

// Dialog units to pixels: x by a quarter, y by an eighth of the base units.
QRect toPixels(const QRect& dialogUnits, QSize baseUnits);

// Gives `dialog` the template's caption, font and size and creates its
// controls as children, in template order (which is also the Tab order).
// Every control carries its numeric ID as property "controlId" and as its
// accessible description.
void buildDialog(QDialog& dialog, const res::Dialog& dialogTemplate);

// The control with the given ID, or null.
QWidget* findControl(const QWidget& dialog, int id);

inline constexpr char kControlIdProperty[] = "controlId";

} // namespace zelpo::ui
