// SPDX-License-Identifier: GPL-3.0-or-later
// Turns the rows of a window description into Qt widgets.
#pragma once

#include "shell/form_description.h"

#include <span>

class QMenuBar;
class QWidget;

namespace ordevix {

// The widget of one control row, placed on the window's surface.
QWidget* buildControl(const Control& control, QWidget* surface);

// The window's menu bar. The items are added to the window too, so that their
// shortcuts work while the menu is closed.
QMenuBar* buildMenuBar(std::span<const MenuItem> menu, QWidget* window);

// Tab and Shift+Tab go through the controls that take the focus in ascending
// TabIndex.
void orderTabs(std::span<const Control> controls, QWidget* surface);

} // namespace ordevix
