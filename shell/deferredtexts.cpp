// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/deferredtexts.h"

#include <QLabel>
#include <QLineEdit>

namespace ordevix {

Text& DeferredTexts::pendingText(QWidget* widget) {
    anyPending_ = true;
    // A search rewrites one label over and over: it stays the last entry.
    if (!entries_.empty() && entries_.back().widget == widget) {
        entries_.back().pending = true;
        return entries_.back().text;
    }
    for (Entry& entry : entries_) {
        if (entry.widget == widget) {
            entry.pending = true;
            return entry.text;
        }
    }
    entries_.push_back({widget, Text(), true});
    return entries_.back().text;
}

const Text* DeferredTexts::pending(const QWidget* widget) const {
    if (!anyPending_)
        return nullptr;
    for (const Entry& entry : entries_)
        if (entry.widget == widget && entry.pending)
            return &entry.text;
    return nullptr;
}

void DeferredTexts::flush() {
    if (!anyPending_)
        return;
    anyPending_ = false;
    for (Entry& entry : entries_) {
        if (!entry.pending)
            continue;
        entry.pending = false;
        const QString text = QString::fromStdU16String(entry.text);
        if (auto* label = qobject_cast<QLabel*>(entry.widget))
            label->setText(text);
        else if (auto* box = qobject_cast<QLineEdit*>(entry.widget))
            box->setText(text);
    }
}

} // namespace ordevix
