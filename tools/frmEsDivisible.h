// SPDX-License-Identifier: GPL-3.0-or-later
// Divisibility checker: is the first number divisible by the second?
#pragma once

#include "shell/tool_form.h"

namespace ordevix {

class frmEsDivisible : public ToolForm {
public:
    explicit frmEsDivisible(FormHost& host);

private:
    void Command1_Click();
};

} // namespace ordevix
