// SPDX-License-Identifier: GPL-3.0-or-later
// The answer of a one-shot check, and the one way a tool window shows it.
#pragma once

#include "shell/numeric.h"

namespace ordevix {

// Rechazada: the input was refused before any check ran; Si and No answer the
// question the window asks ("¿Es divisible?", "¿Es primo?" ...).
enum class Respuesta { Rechazada, Si, No };

// Rechazada becomes the message box kDebeIngresarValores and leaves the window
// as it was; Si and No become the caption si or no of the label. A template on
// the window, so that the core, which has no windows, can share the answer.
template <class Window>
void responder(Window& window, Respuesta respuesta, const char* label, const Text& si,
               const Text& no) {
    if (respuesta == Respuesta::Rechazada) {
        window.host().MsgBox(kDebeIngresarValores);
        return;
    }
    window.setCaption(label, respuesta == Respuesta::Si ? si : no);
}

} // namespace ordevix
