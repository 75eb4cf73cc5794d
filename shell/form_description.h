// SPDX-License-Identifier: GPL-3.0-or-later
// A window written as data: caption, client size, font and the control table,
// with positions and sizes in twips (1440 to the inch). The builder turns it into
// widgets.
#pragma once

#include <span>

namespace ordevix {

constexpr int kTwipsPerPixel = 15;
constexpr int twipsToPixels(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

enum class Kind { Label, TextBox, CommandButton, CheckBox };

struct Font {
    const char* face = nullptr; // nullptr: the window's font
    double points = 0;
};

inline constexpr Font kWindowFont{};
inline constexpr Font kMsSansSerif825{"MS Sans Serif", 8.25};
inline constexpr Font kTimes825{"Times New Roman", 8.25};

// Roles of a command button. A key (of a keypad) gives the keyboard focus back
// to the window's first control, a text box, with its text selected once its
// click is handled, so that the next number typed replaces what the box shows.
enum Role : unsigned { kNoRole = 0, kDefault = 1, kCancel = 2, kKey = 4 };

struct Control {
    Kind kind;
    const char* name;
    const char* caption; // caption of a label, button or check box; initial text of a text box
    int left, top, width, height; // twips
    int tabIndex;
    Font font = kWindowFont;
    unsigned roles = kNoRole;
    const char* toolTip = nullptr;
    const char* accessibleName = nullptr; // text boxes: what the box holds
};

struct MenuItem {
    const char* menuCaption; // the top-level menu it belongs to
    const char* menuName;
    const char* caption;
    const char* name;
    const char* shortcut; // in QKeySequence's portable text form
};

enum class Placement { PlatformDefault, Centred };

struct FormDescription {
    const char* name;
    const char* caption;
    int clientWidth, clientHeight; // twips
    Font font;
    Placement placement;
    const char* icon; // the drawing's name in resources/icons, such as "grafico"
    std::span<const Control> controls;
    std::span<const MenuItem> menu = {};
};

} // namespace ordevix
