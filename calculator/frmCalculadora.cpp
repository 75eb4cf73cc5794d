// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculator/frmCalculadora.h"

namespace ordevix {

namespace {

constexpr Font kMsSansSerif12{"MS Sans Serif", 12};
constexpr Font kTimes1575{"Times New Roman", 15.75};
constexpr Font kTechnical825{"Technical", 8.25};

constexpr const char* kAyuda =
    "Bienvenido a la Calculadora de Tevaquin. Esta permite las funciones más comunes y mucho más. "
    "Para que funcione correctamente la calculadora, presione 'Borrar todo' después de terminar la "
    "cuenta.";
constexpr const char* kAyudaBorrarTodo = "Borra todos los números almacenados temporalmente";

// clang-format off
constexpr Control kControls[] = {
//   kind                 name         caption        left  top   width  height  tab  font             roles    tool tip         accessible name
    {Kind::TextBox,       "Text1",     "",             720,  480,  2295,    495,   0, kMsSansSerif825, kNoRole, nullptr,         "Visor de la calculadora"},
    {Kind::CommandButton, "cmdSumar",  "+",           3360,  480,   615,    495,   1, kMsSansSerif12,  kKey},
    {Kind::CommandButton, "cmdResta",  "-",           3360, 1080,   615,    495,   2, kMsSansSerif12,  kKey},
    {Kind::CommandButton, "cmdMultip", "*",           3360, 1680,   615,    495,   3, kMsSansSerif12,  kKey},
    {Kind::CommandButton, "cmdDiv",    "/",           3360, 2280,   615,    495,   4, kMsSansSerif825, kKey},
    {Kind::CommandButton, "cmdDivE",   "\\",          4200,  480,   615,    495,   5, kMsSansSerif825, kKey},
    {Kind::CommandButton, "cmdSen",    "Seno",        4200, 1080,   615,    495,   6, kMsSansSerif825, kKey},
    {Kind::CommandButton, "cmdCos",    "Cosen",       4200, 1680,   615,    495,   7, kMsSansSerif825, kKey},
    {Kind::CommandButton, "cmdTg",     "Tg",          4200, 2280,   615,    495,   8, kMsSansSerif825, kKey},
    {Kind::CommandButton, "cmdPi",     "PI",          5040,  480,   615,    495,   9, kMsSansSerif825, kKey},
    {Kind::CommandButton, "cmdPot",    "Pot",         5040, 1080,   615,    495,  10, kMsSansSerif825, kKey},
    {Kind::CommandButton, "cmdRaiz",   "Raiz",        5040, 1680,   615,    495,  11, kMsSansSerif825, kKey},
    {Kind::Label,         "lblHelp",   kAyuda,         240, 3240,  5535,    735,  12, kMsSansSerif825, kNoRole},
    {Kind::CommandButton, "Command1",  "INICIO",       840, 5280,   975,    495,  13, kTimes825,       kNoRole},
    {Kind::CommandButton, "Command2",  "SALIR",       1920, 5280,   975,    495,  14, kTimes825,       kCancel},
    {Kind::CommandButton, "cmdIgual",  "=",           5040, 2280,   615,    495,  15, kTimes1575,      kKey},
    {Kind::CommandButton, "Command3",  "Borrar todo", 4200, 4200,   975,    495,  16, kWindowFont,     kKey,    kAyudaBorrarTodo},
    {Kind::CommandButton, "Command4",  "Borrar",      3120, 4200,   975,    495,  17, kWindowFont,     kKey},
};
// clang-format on

const FormDescription kDescription{
    "frmCalculadora",   "Calculadora",         7845,     5925, kTechnical825,
    Placement::Centred, "grafico", kControls};

} // namespace

frmCalculadora::frmCalculadora(FormHost& host)
    : ToolForm(host, kDescription, "Command1", "Command2"), visor_(*this),
      calculadora_(host.regional(), visor_) {
    onClick("cmdSumar", &frmCalculadora::cmdSumar_Click);
    onClick("cmdResta", &frmCalculadora::cmdResta_Click);
    onClick("cmdMultip", &frmCalculadora::cmdMultip_Click);
    onClick("cmdDiv", &frmCalculadora::cmdDiv_Click);
    onClick("cmdDivE", &frmCalculadora::cmdDivE_Click);
    onClick("cmdPot", &frmCalculadora::cmdPot_Click);
    onClick("cmdRaiz", &frmCalculadora::cmdRaiz_Click);
    onClick("cmdIgual", &frmCalculadora::cmdIgual_Click);
    onClick("Command4", &frmCalculadora::Command4_Click);
    onClick("Command3", &frmCalculadora::Command3_Click);
    onClick("cmdSen", &frmCalculadora::cmdSen_Click);
    onClick("cmdCos", &frmCalculadora::cmdCos_Click);
    onClick("cmdTg", &frmCalculadora::cmdTg_Click);
    onClick("cmdPi", &frmCalculadora::cmdPi_Click);
}

Text frmCalculadora::VisorDeVentana::texto() const {
    return form_.text("Text1");
}

void frmCalculadora::VisorDeVentana::escribir(const Text& texto) {
    form_.setText("Text1", texto);
}

void frmCalculadora::VisorDeVentana::avisar(const Text& mensaje) {
    form_.host().MsgBox(mensaje);
}

} // namespace ordevix
