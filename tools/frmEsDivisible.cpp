// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/frmEsDivisible.h"

#include "tools/integer_tools.h"
#include "tools/respuesta.h"

namespace ordevix {

namespace {

constexpr Font kLucida825{"Lucida Console", 8.25};

constexpr const char* kAyuda =
    "¿Está cansado de hacer montones de cuentas para saber si un número es divisible por otro? Con "
    "esta aplicación ingresa los números, presiona Enter y ¡Listo!";

// clang-format off
constexpr Control kControls[] = {
//   kind                 name        caption     left  top   width  height  tab  font         roles    tool tip  accessible name
    {Kind::TextBox,       "Text1",    "",         1920,  600,   855,    495,   0, kWindowFont, kNoRole, nullptr,  "Dividendo"},
    {Kind::TextBox,       "Text2",    "",         3000,  600,   855,    495,   1, kWindowFont, kNoRole, nullptr,  "Divisor"},
    {Kind::CommandButton, "Command1", "Calcular", 1920, 1560,  1455,    495,   2, kWindowFont, kDefault},
    {Kind::CommandButton, "Command2", "INICIO",   1560, 3360,   975,    495,   3, kTimes825,   kNoRole},
    {Kind::CommandButton, "cmdSalir", "SALIR",    2640, 3360,   975,    495,   4, kTimes825,   kCancel},
    {Kind::Label,         "Label1",   "",         1200, 2160,  3015,    735,   5, kWindowFont, kNoRole},
    {Kind::Label,         "Label2",   kAyuda,      600, 4080,  4575,    975,   6, kLucida825,  kNoRole},
};
// clang-format on

const FormDescription kDescription{
    "frmEsDivisible",   "¿Es divisible?",       5550,     5220, kMsSansSerif825,
    Placement::Centred, "pregunta", kControls};

} // namespace

frmEsDivisible::frmEsDivisible(FormHost& host)
    : ToolForm(host, kDescription, "Command2", "cmdSalir") {
    onClick("Command1", &frmEsDivisible::Command1_Click);
}

void frmEsDivisible::Command1_Click() {
    responder(*this, esDivisible(text("Text1"), text("Text2"), host().regional()), "Label1",
              u"Es divisible", u"No es divisible");
}

} // namespace ordevix
