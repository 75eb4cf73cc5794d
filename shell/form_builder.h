// SPDX-License-Identifier: GPL-3.0-or-later
// Turns the rows of a window description into Qt widgets.
#pragma once

#include "shell/form_description.h"
#include "shell/numeric.h"

#include <QLabel>

#include <span>

class QMenuBar;
class QWidget;

namespace ordevix {

// A label's caption. A write stores the text, and the label shows the last one
// at the next pass of the event loop: a search's progress caption then costs a
// copy of its text rather than a relayout of the label.
class CaptionLabel : public QLabel {
    Q_OBJECT

public:
    CaptionLabel(const Text& caption, QWidget* parent);

    const Text& caption() const { return caption_; }
    void setCaption(const Text& caption);

private:
    void showCaption();

    Text caption_;
    bool showQueued_ = false;
};

// The widget of one control row, placed on the window's surface.
QWidget* buildControl(const Control& control, QWidget* surface);

// The window's menu bar. The items are added to the window too, so that their
// shortcuts work while the menu is closed.
QMenuBar* buildMenuBar(std::span<const MenuItem> menu, QWidget* window);

// Tab and Shift+Tab go through the controls that take the focus in ascending
// TabIndex.
void orderTabs(std::span<const Control> controls, QWidget* surface);

} // namespace ordevix
