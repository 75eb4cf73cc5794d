// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/frmPerfectos.h"

#include "tools/integer_tools.h"
#include "tools/respuesta.h"

namespace ordevix {

namespace {

constexpr const char* kAyuda =
    "Un número es perfecto cuando la suma de sus divisores en igual a sí mismo. Si la opción "
    "automático esta activada, buscara números perfectos automáticamente, sino, responderá si lo "
    "es o no el número ingresado.";

// clang-format off
constexpr Control kControls[] = {
//   kind                 name        caption       left  top   width  height  tab  font         roles    tool tip  accessible name
    {Kind::TextBox,       "Text1",    "",           1320,  360,  1455,    375,   0, kWindowFont, kNoRole, nullptr,  "Número"},
    {Kind::CommandButton, "Command1", "Calcular",   1320,  960,  1455,    615,   1, kWindowFont, kDefault},
    {Kind::CheckBox,      "Check1",   "Automático", 3960, 1440,  1575,    255,   2, kWindowFont, kNoRole},
    {Kind::Label,         "Label1",   "",           1080, 2160,  1815,    495,   3, kWindowFont, kNoRole},
    {Kind::CommandButton, "Command2", "SALIR",      2400, 5160,   975,    495,   4, kTimes825,   kCancel},
    {Kind::CommandButton, "Command3", "INICIO",     1320, 5160,   975,    495,   5, kTimes825,   kNoRole},
    {Kind::Label,         "Label2",   kAyuda,        240, 3600,  5535,   1215,   6, kWindowFont, kNoRole},
    {Kind::Label,         "Label3",   "",           1080, 1680,  2295,    255,   7, kWindowFont, kNoRole},
};
// clang-format on

const FormDescription kDescription{
    "frmPerfectos",     "Números perfectos",    6270,     6150, kMsSansSerif825,
    Placement::Centred, "pregunta", kControls};

} // namespace

frmPerfectos::frmPerfectos(FormHost& host) : AutomaticToolForm(host, kDescription) {}

void frmPerfectos::Check1_Click() {
    if (automatico()) {
        setEnabled("Text1", false);
        contador_ = 1;
    } else {
        // Only a tick restarts the search; clearing keeps where it stopped.
        setEnabled("Text1", true);
    }
}

void frmPerfectos::mostrarProgreso(Integer candidato) {
    escribirProgreso("Label3", u"Procesando... ", candidato);
}

void frmPerfectos::buscar() {
    setCaption("Label1", u"");
    buscarPerfecto(
        contador_, yield(), [this](Integer candidato) { mostrarProgreso(candidato); },
        [this](Integer perfecto) {
            setText("Text1", NumberToSignedText(perfecto));
            terminarProgreso("Label3", u"Listo");
        });
}

void frmPerfectos::comprobar() {
    responder(*this, comprobarPerfecto(text("Text1"), host().regional(), yield()), "Label1",
              u"Es perfecto", u"No es perfecto");
}

} // namespace ordevix
