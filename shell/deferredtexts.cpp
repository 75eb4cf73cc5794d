#include "shell/deferredtexts.h"

#include <QLabel>
#include <QLineEdit>

namespace ordevix {

void DeferredTexts::write(QWidget* widget, const Text& text) {
    anyPending_ = true;
    for (Entry& entry : entries_) {
        if (entry.widget == widget) {
            entry.text = text;
            entry.pending = true;
            return;
        }
    }
    entries_.push_back({widget, text, true});
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
