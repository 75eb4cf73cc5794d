// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/tool_form.h"

namespace ordevix {

ToolForm::ToolForm(FormHost& host, const FormDescription& description, const char* inicio,
                   const char* salir)
    : Form(host, description) {
    if (!host.hasStartForm())
        throw WiringError(description.name, inicio, "the host has no start window to go back to");
    onClick(inicio, &ToolForm::inicio);
    onClick(salir, &ToolForm::salir);
}

void ToolForm::inicio() {
    host().Show(host().startForm());
    host().Hide(*this);
}

void ToolForm::salir() {
    host().End();
}

} // namespace ordevix
