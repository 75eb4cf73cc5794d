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

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();
    void mnuSalir_Click();
    void mnuCalculadora_Click();
    void mnuFactoreador_Click();
    void mnuPrimos_Click();
    void mnuAmigos_Click();
    void mnuEsDivisible_Click();
    void mnuCuadraticas_Click();
    void mnuPerfectos_Click();
};

} // namespace ordevix
