// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/frmAmigos.h"

#include "tools/integer_tools.h"
#include "tools/respuesta.h"

namespace ordevix {

namespace {

constexpr const char* kAyuda =
    "Dos números son amigos cuando la suma de los divisores de uno es igual al otro número y "
    "viceversa. Para que sean amigos los dos deben ser perfectos. Si la casilla Automático esta "
    "activada, el programa devolverá los siguientes amigos, con la condición de que sean "
    "diferentes números. Sino, devolverá si son o no los dos números ingresados.";

// clang-format off
constexpr Control kControls[] = {
//   kind                 name        caption       left  top   width  height  tab  font         roles    tool tip  accessible name
    {Kind::TextBox,       "Text1",    "",            960,  240,  1215,    375,   0, kWindowFont, kNoRole, nullptr,  "Primer número"},
    {Kind::TextBox,       "Text2",    "",           2400,  240,  1215,    375,   1, kWindowFont, kNoRole, nullptr,  "Segundo número"},
    {Kind::CommandButton, "Command1", "Calcular",   1680,  720,  1215,    615,   2, kWindowFont, kDefault},
    {Kind::Label,         "Label1",   "",            960, 1440,  1575,    615,   3, kWindowFont, kNoRole},
    {Kind::CommandButton, "Command2", "SALIR",      1680, 2520,   975,    495,   4, kTimes825,   kCancel},
    {Kind::Label,         "Label2",   "",           2760, 1440,  1335,    735,   5, kWindowFont, kNoRole},
    {Kind::CheckBox,      "Check1",   "Automático", 2880, 2520,  1215,    375,   6, kWindowFont, kNoRole},
    {Kind::Label,         "Label3",   kAyuda,        360, 3240,  4935,   1575,   7, kWindowFont, kNoRole},
    {Kind::CommandButton, "Command3", "INICIO",      600, 2520,   975,    495,   8, kTimes825,   kNoRole},
};
// clang-format on

const FormDescription kDescription{
    "frmAmigos",        "Números amigos",   5775,     5565, kMsSansSerif825,
    Placement::Centred, "cara", kControls};

} // namespace

frmAmigos::frmAmigos(FormHost& host) : AutomaticToolForm(host, kDescription) {}

void frmAmigos::Check1_Click() {
    const bool marcado = automatico();
    setEnabled("Text1", !marcado);
    setEnabled("Text2", !marcado);
    if (marcado) {
        contador_ = 1;
    }
}

void frmAmigos::mostrarProgreso(Integer candidato) {
    escribirProgreso("Label1", u"Procesando...", candidato);
}

void frmAmigos::buscar() {
    setCaption("Label2", u"");
    buscarAmigos(
        contador_, amigo_, yield(), [this](Integer candidato) { mostrarProgreso(candidato); },
        [this](const ParDeAmigos& par) {
            setText("Text1", IntegerToText(par.primero));
            setText("Text2", IntegerToText(par.segundo));
            terminarProgreso("Label1", u"Listo");
        });
}

void frmAmigos::comprobar() {
    const Respuesta respuesta =
        comprobarAmigos(text("Text1"), text("Text2"), host().regional(), yield());
    responder(*this, respuesta, "Label1", u"Son amigos", u"No son amigos");
    if (respuesta != Respuesta::Rechazada) {
        setCaption("Label2", u"");
    }
}

} // namespace ordevix
