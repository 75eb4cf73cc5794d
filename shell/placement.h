// SPDX-License-Identifier: GPL-3.0-or-later
// Where a tool window first appears: its frame, title bar included, centred on
// the available area of the screen.
#pragma once

namespace ordevix {

class Form;

// Centres a window that has never been shown. The frame of such a window is
// unknown until the window manager reports it, after the window is on the
// screen: it is placed with the frame of a window of its host already shown
// (zero if none), and once its own frame is known and differs from that
// guess, it is centred again.
void centreWithFrame(Form& window);

} // namespace ordevix
