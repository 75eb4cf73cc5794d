// Amicable numbers: tells whether two numbers are amicable, or searches for the next pair.
#pragma once

#include "shell/form.h"

namespace ordevix {

class frmAmigos : public ToolForm {
public:
    explicit frmAmigos(FormHost& host);
    static const FormDescription description;
};

} // namespace ordevix
