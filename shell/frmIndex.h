// SPDX-License-Identifier: GPL-3.0-or-later
// The main menu: seven buttons and a menu bar that open the tool windows.
#pragma once

#include "shell/form.h"

namespace ordevix {

class frmIndex : public Form {
public:
    explicit frmIndex(FormHost& host);

private:
    template <class Tool> void hideThenShow();
    template <class Tool> void showThenHide();

    void salir();
};

} // namespace ordevix
