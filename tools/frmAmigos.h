// Amicable numbers: tells whether two numbers are amicable, or searches for the next pair.
#pragma once

#include "shell/form.h"

namespace ordevix {

class frmAmigos : public ToolForm {
public:
    explicit frmAmigos(FormHost& host);
    static const FormDescription description;

    // The next number the automatic search will test, and the divisor sum of
    // the last one tested.
    Integer contador() const { return contador_; }
    Integer amigo() const { return amigo_; }

private:
    void Check1_Click();
    void Command1_Click();
    void buscar();
    void comprobar();

    // Read through references by the running searches, so a tick or a nested
    // click that changes them takes effect at their next step.
    Integer contador_ = 0;
    Integer amigo_ = 0;
};

} // namespace ordevix
