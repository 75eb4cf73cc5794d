// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/accesskeybutton.h"

#include <QShortcutEvent>

namespace ordevix {

bool AccessKeyButton::event(QEvent* event) {
    if (event->type() == QEvent::Shortcut && isEnabled() &&
        !static_cast<QShortcutEvent*>(event)->isAmbiguous()) {
        setFocus(Qt::ShortcutFocusReason);
        click();
        return true;
    }
    return QPushButton::event(event);
}

} // namespace ordevix
