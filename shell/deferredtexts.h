// SPDX-License-Identifier: GPL-3.0-or-later
// Texts written to labels and text boxes between two passes of the event loop.
// A write only stores the text; the widget receives the last one when the host
// flushes, which it does before it lets events in, after every handler and
// before a message box, so the screen shows the last value at the next pass, as
// for every property write. A progress caption rewritten for every candidate of
// a search then costs the store of its text, not a relayout of its label.
#pragma once

#include "shell/numeric.h"

#include <vector>

class QWidget;

namespace ordevix {

class DeferredTexts {
public:
    // Stores the text for a QLabel or QLineEdit.
    void write(QWidget* widget, const Text& text) { pendingText(widget) = text; }
    // The text waiting for the widget, to be written in place: a caption
    // rewritten for every candidate of a search then costs no copy.
    Text& pendingText(QWidget* widget);
    // The text last written to the widget and not yet flushed, or nullptr.
    const Text* pending(const QWidget* widget) const;
    // Hands every pending text to its widget, in the order first written.
    void flush();
    // Forgets everything, for widgets about to be destroyed.
    void clear() { entries_.clear(); }

private:
    struct Entry {
        QWidget* widget;
        Text text;
        bool pending;
    };
    // A handful of widgets at most: the controls that handlers write. Entries
    // stay after a flush so their text's storage is reused.
    std::vector<Entry> entries_;
    bool anyPending_ = false;
};

} // namespace ordevix
