// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/frmFactoreo.h"

#include "tools/integer_tools.h"

namespace ordevix {

namespace {

// The numbers the lister takes, as its refusal says.
constexpr Double kMenorAdmitido = 2;
constexpr Double kMayorAdmitido = 10000;

constexpr const char* kAyuda = "Esta aplicación permite conocer todos los divisores del número, lo "
                               "que ayuda en otras aplicaciones como en m.c.m. o el m.c.d..";

// clang-format off
constexpr Control kControls[] = {
//   kind                 name         caption     left  top   width  height  tab  font         roles    tool tip  accessible name
    {Kind::TextBox,       "Text1",     "",         1800,  360,  2055,    495,   0, kWindowFont, kNoRole, nullptr,  "Número a factorear"},
    {Kind::CommandButton, "Command1",  "Calcular", 1800, 1200,  2055,    735,   1, kWindowFont, kDefault},
    {Kind::CommandButton, "cmdSalir",  "SALIR",    2760, 4920,   975,    495,   2, kTimes825,   kCancel},
    {Kind::CommandButton, "cmdInicio", "INICIO",   1680, 4920,   975,    495,   3, kTimes825,   kNoRole},
    {Kind::Label,         "Label1",    kAyuda,      600, 2400,  4335,   1335,   4, kWindowFont, kNoRole},
};
// clang-format on

const FormDescription kDescription{
    "frmFactoreo",      "Factoreador",          6000,     5775, kMsSansSerif825,
    Placement::Centred, "bombilla", kControls};

} // namespace

frmFactoreo::frmFactoreo(FormHost& host) : ToolForm(host, kDescription, "cmdInicio", "cmdSalir") {
    onClick("Command1", &frmFactoreo::Command1_Click);
}

void frmFactoreo::Command1_Click() {
    // The old list goes first, so a refused input leaves the surface empty.
    Cls();
    if (text("Text1").empty()) {
        host().MsgBox(kDebeIngresarValores);
        return;
    }
    // The range is checked on the value as typed, before rounding.
    const Double valor = TextValue(text("Text1"));
    if (valor > kMayorAdmitido || valor < kMenorAdmitido) {
        host().MsgBox(u"Esta aplicación soporta valores entre 2 y 10000");
        return;
    }
    const Integer n = RoundToInteger(TextValue(text("Text1")));
    for (const Integer factor : factorear(n)) {
        Print(factor);
    }
}

} // namespace ordevix
