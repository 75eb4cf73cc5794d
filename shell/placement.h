// SPDX-License-Identifier: GPL-3.0-or-later
// Where a tool window first appears: its frame, title bar included, centred on
// the available area of the screen.
#pragma once

#include <QMargins>

class QWidget;

namespace ordevix {

// Centres a window that has never been shown. The frame of such a window is
// unknown until the window manager reports it, after the window is on the
// screen: `frameGuess` is the frame of a window already shown (zero if none).
// Once its own frame is known and differs from the guess, the window is
// centred again.
void centreWithFrame(QWidget& window, const QMargins& frameGuess);

} // namespace ordevix
