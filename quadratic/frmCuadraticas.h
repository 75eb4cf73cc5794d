// SPDX-License-Identifier: GPL-3.0-or-later
// Quadratic root solver: the roots of a·x² + b·x + c in single precision.
#pragma once

#include "shell/tool_form.h"

namespace ordevix {

class frmCuadraticas : public ToolForm {
public:
    explicit frmCuadraticas(FormHost& host);

private:
    void cmdCalcular_Click();
};

} // namespace ordevix
