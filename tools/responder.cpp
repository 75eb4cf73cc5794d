// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/responder.h"

namespace ordevix {

void responder(Form& form, Respuesta respuesta, const char* label, const Text& si, const Text& no) {
    if (respuesta == Respuesta::Rechazada) {
        form.host().MsgBox(kDebeIngresarValores);
        return;
    }
    form.setCaption(label, respuesta == Respuesta::Si ? si : no);
}

} // namespace ordevix
