// SPDX-License-Identifier: GPL-3.0-or-later
// Primes: tells whether a number is prime, or lists the primes one per click.
#pragma once

#include "tools/automatic_form.h"

namespace ordevix {

class frmPrimos : public AutomaticToolForm {
public:
    explicit frmPrimos(FormHost& host);

private:
    void Check1_Click() override;
    void buscar() override;
    void comprobar() override;
};

} // namespace ordevix
