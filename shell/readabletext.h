// SPDX-License-Identifier: GPL-3.0-or-later
// A disabled text box is drawn greyed, but the number an automatic search
// writes into it is the answer the user waits for: its grey is darkened (or,
// on a dark colour scheme, lightened) toward the normal text colour just
// enough for the drawn digits to stand at least 4.5:1 against the box, the
// least contrast for readable text. It follows the colour scheme whenever the
// scheme changes.
#pragma once

class QLineEdit;

namespace ordevix {

// Keeps the box's disabled text readable, under any palette it is given.
void keepDisabledTextReadable(QLineEdit* box);

} // namespace ordevix
