// SPDX-License-Identifier: GPL-3.0-or-later
// Perfect numbers: tells whether a number is perfect, or searches for the next one.
#pragma once

#include "tools/automatic_form.h"

namespace ordevix {

class frmPerfectos : public AutomaticToolForm {
public:
    explicit frmPerfectos(FormHost& host);
    static const FormDescription description;

private:
    void Check1_Click() override;
    void buscar() override;
    void comprobar() override;
};

} // namespace ordevix
