// The calculator: operation keys applied at once to a running value.
#pragma once

#include "shell/form.h"

namespace ordevix {

class frmCalculadora : public ToolForm {
public:
    explicit frmCalculadora(FormHost& host);
    static const FormDescription description;
};

} // namespace ordevix
