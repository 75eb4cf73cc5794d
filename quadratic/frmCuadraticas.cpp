// SPDX-License-Identifier: GPL-3.0-or-later
#include "quadratic/frmCuadraticas.h"

#include "quadratic/cuadratica.h"

namespace ordevix {

namespace {

constexpr const char* kAyuda =
    "Esta aplicación permite conocer las raíces de las funciones cuadráticas.";

// clang-format off
constexpr Control kControls[] = {
//   kind                 name           caption     left  top   width  height  tab  font         roles    tool tip  accessible name
    {Kind::TextBox,       "txtValorA",   "",         1440,  720,   855,    405,   0, kWindowFont, kNoRole, nullptr,  "Coeficiente a"},
    {Kind::TextBox,       "txtValorB",   "",         2640,  720,   855,    375,   1, kWindowFont, kNoRole, nullptr,  "Coeficiente b"},
    {Kind::TextBox,       "txtValorC",   "",         3840,  720,   855,    375,   2, kWindowFont, kNoRole, nullptr,  "Coeficiente c"},
    {Kind::CommandButton, "cmdCalcular", "Calcular", 2280, 1200,  1455,    735,   3, kWindowFont, kDefault},
    {Kind::CommandButton, "Command3",    "INICIO",   1920, 4440,   975,    495,   4, kTimes825,   kNoRole},
    {Kind::Label,         "lblSalida",   "",          960, 2160,  4335,    735,   5, kWindowFont, kNoRole},
    {Kind::CommandButton, "Command2",    "SALIR",    3000, 4440,   975,    495,   6, kTimes825,   kCancel},
    {Kind::Label,         "Label1",      "AX2",      1560,  360,   615,    255,   7, kWindowFont, kNoRole},
    {Kind::Label,         "Label2",      "BX",       2640,  360,   735,    255,   8, kWindowFont, kNoRole},
    {Kind::Label,         "Label3",      "C",        3960,  360,   495,    255,   9, kWindowFont, kNoRole},
    {Kind::Label,         "Label4",      kAyuda,      600, 3120,  5415,   1095,  10, kWindowFont, kNoRole},
};
// clang-format on

const FormDescription kDescription{
    "frmCuadraticas",   "Funciones cuadráticas", 6555,     5115, kMsSansSerif825,
    Placement::Centred, "lapiz",     kControls};

} // namespace

frmCuadraticas::frmCuadraticas(FormHost& host)
    : ToolForm(host, kDescription, "Command3", "Command2") {
    onClick("cmdCalcular", &frmCuadraticas::cmdCalcular_Click);
}

void frmCuadraticas::cmdCalcular_Click() {
    const Solucion solucion = resolverCuadratica(text("txtValorA"), text("txtValorB"),
                                                 text("txtValorC"), host().regional());
    // A refusal leaves the last answer on the window.
    if (solucion.esMensaje())
        host().MsgBox(solucion.texto);
    else
        setCaption("lblSalida", solucion.texto);
}

} // namespace ordevix
