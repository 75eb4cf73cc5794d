// SPDX-License-Identifier: GPL-3.0-or-later
// A tool window: its "INICIO" goes back to the window the program started with,
// and its "SALIR" ends the program.
#pragma once

#include "shell/form.h"

namespace ordevix {

class ToolForm : public Form {
public:
    ToolForm(FormHost& host, const FormDescription& description, const char* inicio,
             const char* salir);

private:
    void inicio();
    void salir();
};

} // namespace ordevix
