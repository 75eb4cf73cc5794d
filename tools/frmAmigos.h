// Amicable numbers: tells whether two numbers are amicable, or searches for the next pair.
#pragma once

#include "tools/automatic_form.h"

namespace ordevix {

class frmAmigos : public AutomaticToolForm {
public:
    explicit frmAmigos(FormHost& host);
    static const FormDescription description;

    // The divisor sum of the last number the automatic search tested.
    Integer amigo() const { return amigo_; }

private:
    void Check1_Click() override;
    void buscar() override;
    void comprobar() override;

    // Read through a reference by the running search, like the counter.
    Integer amigo_ = 0;
};

} // namespace ordevix
