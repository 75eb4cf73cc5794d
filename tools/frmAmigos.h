// SPDX-License-Identifier: GPL-3.0-or-later
// Amicable numbers: tells whether two numbers are amicable, or searches for the next pair.
#pragma once

#include "tools/automatic_form.h"

namespace ordevix {

class frmAmigos : public AutomaticToolForm {
public:
    explicit frmAmigos(FormHost& host);
    static const FormDescription description;

private:
    void Check1_Click() override;
    void buscar() override;
    void comprobar() override;

    // The divisor sum of the number the automatic search tests, the candidate
    // partner; read through a reference by the running search, like the counter.
    Integer amigo_ = 0;
};

} // namespace ordevix
