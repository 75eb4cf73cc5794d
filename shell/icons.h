// SPDX-License-Identifier: GPL-3.0-or-later
// The window icons, compiled into the program.
#pragma once

#include <QIcon>

namespace ordevix {

// The icon a description names as ":/icons/NAME.svg", at the two sizes a window
// shows: the build renders the drawing to ":/icons/16/NAME.png" and
// ":/icons/32/NAME.png", which spares the start-up Qt's SVG icon engine.
QIcon windowIconFor(const char* path);

} // namespace ordevix
