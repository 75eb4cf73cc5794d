// SPDX-License-Identifier: GPL-3.0-or-later
// A push button whose access key clicks it at once, as Enter and space do,
// rather than after the short animation Qt plays: a delayed click could land
// after its window was hidden.
#pragma once

#include <QPushButton>

namespace ordevix {

class AccessKeyButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    bool event(QEvent* event) override;
};

} // namespace ordevix
