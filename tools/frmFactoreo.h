// SPDX-License-Identifier: GPL-3.0-or-later
// Factor lister: the prime factors of a number from 2 to 10000, printed on the window.
#pragma once

#include "shell/tool_form.h"

namespace ordevix {

class frmFactoreo : public ToolForm {
public:
    explicit frmFactoreo(FormHost& host);

private:
    void Command1_Click();
};

} // namespace ordevix
