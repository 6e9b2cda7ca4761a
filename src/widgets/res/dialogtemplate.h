// SPDX-License-Identifier: MIT
// Dialog templates as data: every window is described here by its controls,
// their numeric IDs, kinds, captions and rectangles in dialog units, and
// built into widgets by ui::buildDialog().
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace zelpo::res {

enum class Kind : std::uint8_t {
    Static,           // text label
    GroupBox,         // frame with an optional title, drawn behind the controls it frames
    Edit,             // single-line edit
    Button,           // push button
    DefaultButton,    // the push button that Enter presses
    CheckBox,         // automatic check box
    PushLikeCheckBox, // check box that looks like a push button and stays pressed
    ListView,         // list view in report style
    Icon,             // the application icon
};

// Style bits, combined with |.
enum Style : unsigned {
    None = 0,
    Centered = 1u << 0, // text centred (edits, statics)
    ReadOnly = 1u << 1,
    Border = 1u << 2,  // edits and list views: draw a frame
    TabStop = 1u << 3, // reachable with Tab
    Right = 1u << 4,   // text right-aligned
    Number = 1u << 5,  // edit accepts digits only
};

inline constexpr int kNoId = -1; // controls that nothing refers to

// The about box's lines that name the toolkit's and the engine's versions.
inline constexpr int kAboutToolkitLine = 1001;
inline constexpr int kAboutEngineLine = 1002;

struct Control {
    int id;
    Kind kind;
    std::u16string_view caption;
    int x, y, cx, cy; // dialog units
    unsigned style = None;
    // What assistive tools call the control when its caption does not say
    // what it holds (the list views' captions are placeholders).
    std::u16string_view accessibleName = {};
};

struct Dialog {
    int id;
    std::u16string_view caption;
    std::u16string_view fontName;
    int pointSize;
    int cx, cy; // dialog units
    std::span<const Control> controls;
};

// The templates of the program, by resource number.
extern const Dialog kAboutDialog;       // 100
extern const Dialog kEditorDialog;      // 103
extern const Dialog kMainDialog;        // 102
extern const Dialog kNabazu3Dialog;     // 129
extern const Dialog kNabazu4Dialog;     // 130
extern const Dialog kMinirotoDialog;    // 131
extern const Dialog kToutokuDialog;     // 133
extern const Dialog kMinitourokuDialog; // 134

} // namespace zelpo::res
