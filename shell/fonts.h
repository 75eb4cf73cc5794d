// SPDX-License-Identifier: GPL-3.0-or-later
// The faces the window descriptions name, and the installed faces that stand in
// for them.
#pragma once

#include "shell/form_description.h"

#include <QFont>

namespace ordevix {

// The font of a description, in the first installed face among the stored
// face and its stand-ins.
QFont makeFont(const Font& font);

} // namespace ordevix
