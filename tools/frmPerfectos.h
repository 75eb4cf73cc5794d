// Perfect numbers: tells whether a number is perfect, or searches for the next one.
#pragma once

#include "shell/form.h"

namespace ordevix {

class frmPerfectos : public ToolForm {
public:
    explicit frmPerfectos(FormHost& host);
    static const FormDescription description;

    // The next number the automatic search will test.
    Integer contador() const { return contador_; }

private:
    void Check1_Click();
    void Command1_Click();
    void buscar();
    void comprobar();

    // Read through a reference by the running searches, so a tick or a nested
    // click that changes it takes effect at their next step.
    Integer contador_ = 0;
};

} // namespace ordevix
