// SPDX-License-Identifier: GPL-3.0-or-later
// The one way a tool window shows the answer of a one-shot check.
#pragma once

#include "shell/form.h"
#include "tools/respuesta.h"

namespace ordevix {

// Rechazada becomes the message box kDebeIngresarValores and leaves the
// window as it was; Si and No become the caption si or no of the label.
void responder(Form& form, Respuesta respuesta, const char* label, const Text& si, const Text& no);

} // namespace ordevix
