// Primes: tells whether a number is prime, or lists the primes one per click.
#pragma once

#include "shell/form.h"

namespace ordevix {

class frmPrimos : public ToolForm {
public:
    explicit frmPrimos(FormHost& host);
    static const FormDescription description;
};

} // namespace ordevix
