// Every window of the program, for tests that go over all of them.
#pragma once

#include "calculator/frmCalculadora.h"
#include "quadratic/frmCuadraticas.h"
#include "shell/formhost.h"
#include "shell/frmIndex.h"
#include "tools/frmAmigos.h"
#include "tools/frmEsDivisible.h"
#include "tools/frmFactoreo.h"
#include "tools/frmPerfectos.h"
#include "tools/frmPrimos.h"

namespace ordevix::test {

// The window's one instance in the host, built but not shown.
template <class W> Form& buildWindow(FormHost& host) {
    return host.form<W>();
}

struct WindowEntry {
    const char* name;
    Form& (*build)(FormHost&);
};

// clang-format off
inline constexpr WindowEntry kAllWindows[] = {
    {"frmIndex", &buildWindow<frmIndex>},       {"frmCalculadora", &buildWindow<frmCalculadora>},
    {"frmFactoreo", &buildWindow<frmFactoreo>}, {"frmEsDivisible", &buildWindow<frmEsDivisible>},
    {"frmPrimos", &buildWindow<frmPrimos>},     {"frmPerfectos", &buildWindow<frmPerfectos>},
    {"frmAmigos", &buildWindow<frmAmigos>},     {"frmCuadraticas", &buildWindow<frmCuadraticas>},
};
// clang-format on

} // namespace ordevix::test
