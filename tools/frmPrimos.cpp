// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/frmPrimos.h"

#include "tools/integer_tools.h"
#include "tools/respuesta.h"

namespace ordevix {

namespace {

constexpr const char* kAyuda =
    "Un número es primo cuando solamente es divisible por 1 y por sí mismo. Si la opción "
    "automático está activada, el programa mostará los números primos uno por uno; sino responderá "
    "si el número ingresado es primo o no.";

// clang-format off
constexpr Control kControls[] = {
//   kind                 name        caption       left  top   width  height  tab  font         roles    tool tip  accessible name
    {Kind::TextBox,       "Text1",    "",           1680,  600,  1335,    495,   0, kWindowFont, kNoRole, nullptr,  "Número"},
    {Kind::CommandButton, "Command1", "Calcular",   1680, 1200,  1335,    495,   1, kWindowFont, kDefault},
    {Kind::CheckBox,      "Check1",   "Automático", 3720, 1320,  1575,    495,   2, kWindowFont, kNoRole},
    {Kind::Label,         "Label1",   "",           1680, 1920,  1335,    495,   3, kWindowFont, kNoRole},
    {Kind::CommandButton, "Command2", "SALIR",      2160, 4080,   975,    495,   4, kTimes825,   kCancel},
    {Kind::CommandButton, "Command3", "INICIO",     1080, 4080,   975,    495,   5, kTimes825,   kNoRole},
    {Kind::Label,         "Label2",   kAyuda,        120, 2760,  5175,   1095,   6, kWindowFont, kNoRole},
};
// clang-format on

const FormDescription kDescription{
    "frmPrimos",        "Números Primos",     5490,     5130, kMsSansSerif825,
    Placement::Centred, "puntos", kControls};

} // namespace

frmPrimos::frmPrimos(FormHost& host) : AutomaticToolForm(host, kDescription) {}

void frmPrimos::Check1_Click() {
    if (automatico()) {
        // The listing goes on where it stopped.
        setEnabled("Text1", false);
    } else {
        setEnabled("Text1", true);
        contador_ = 1;
    }
}

void frmPrimos::buscar() {
    setCaption("Label1", u"");
    const Integer primo = buscarPrimo(contador_, yield());
    setText("Text1", IntegerToText(primo));
}

void frmPrimos::comprobar() {
    responder(*this, comprobarPrimo(text("Text1"), host().regional(), yield()), "Label1",
              u"El número es primo", u"El número no es primo");
}

} // namespace ordevix
