// Primes: tells whether a number is prime, or lists the primes one per click.
#pragma once

#include "shell/form.h"

namespace ordevix {

class frmPrimos : public ToolForm {
public:
    explicit frmPrimos(FormHost& host);
    static const FormDescription description;

    // The last number the automatic listing tested.
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
