// Perfect numbers: tells whether a number is perfect, or searches for the next one.
#pragma once

#include "shell/form.h"

namespace ordevix {

class frmPerfectos : public ToolForm {
public:
    explicit frmPerfectos(FormHost& host);
    static const FormDescription description;
};

} // namespace ordevix
