// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/frmIndex.h"

#include "calculator/frmCalculadora.h"
#include "quadratic/frmCuadraticas.h"
#include "tools/frmAmigos.h"
#include "tools/frmEsDivisible.h"
#include "tools/frmFactoreo.h"
#include "tools/frmPerfectos.h"
#include "tools/frmPrimos.h"

namespace ordevix {

namespace {

constexpr Font kTimes975{"Times New Roman", 9.75};
constexpr Font kTechnical2175{"Technical", 21.75};

// clang-format off
constexpr Control kControls[] = {
//   kind                 name        caption                    left  top   width height tab font          roles
    {Kind::CommandButton, "Command1", "&Calculadora",             480, 1920, 1095, 615,  0, kTimes975},
    {Kind::CommandButton, "Command2", "&Factoreador",            1560, 1920, 1095, 615,  1, kTimes975},
    {Kind::CommandButton, "Command3", "&Primos",                 2640, 1920, 1095, 615,  2, kTimes975},
    {Kind::CommandButton, "Command4", "&Amigos",                 3720, 1920, 1095, 615,  3, kTimes975},
    {Kind::CommandButton, "Command5", "&Es Divisible",           4800, 1920, 1095, 615,  4, kTimes975},
    {Kind::CommandButton, "Command6", "F&unciones Cuadráticas",  5880, 1920, 1095, 615,  5, kTimes975},
    {Kind::Label,         "Label1",   "TEVAQUIN ORDEVIX",         120,  600, 8415, 975,  6, kTechnical2175},
    {Kind::CommandButton, "Command7", "&Perfectos",              6960, 1920, 1095, 615,  7, kTimes975},
    {Kind::CommandButton, "Command8", "SALIR",                   1560, 5280,  975, 495, 10, kTimes825,     kCancel},
};

constexpr MenuItem kMenu[] = {
//   menu        menu name     item caption              item name          shortcut
    {"Archivo", "mnuArchivo", "Salir",                  "mnuSalir",        "F4"},
    {"Menú",    "Menú",       "Calculadora",            "mnuCalculadora",  "Ctrl+B"},
    {"Menú",    "Menú",       "Factoreador",            "mnuFactoreador",  "Ctrl+F"},
    {"Menú",    "Menú",       "Primos",                 "mnuPrimos",       "Ctrl+P"},
    {"Menú",    "Menú",       "Amigos",                 "mnuAmigos",       "Ctrl+A"},
    {"Menú",    "Menú",       "Es Divisible",           "mnuEsDivisible",  "Ctrl+D"},
    {"Menú",    "Menú",       "Funciones Cuadráticas",  "mnuCuadraticas",  "Ctrl+T"},
    {"Menú",    "Menú",       "Perfectos",              "mnuPerfectos",    "Ctrl+E"},
};
// clang-format on

const FormDescription kDescription{"frmIndex",
                                   "Bienvenido al Ordevix Tevaquin",
                                   8475,
                                   6615,
                                   kMsSansSerif825,
                                   Placement::PlatformDefault,
                                   "grafico",
                                   kControls,
                                   kMenu};

} // namespace

frmIndex::frmIndex(FormHost& host) : Form(host, kDescription) {
    onClick("Command1", &frmIndex::Command1_Click);
    onClick("Command2", &frmIndex::Command2_Click);
    onClick("Command3", &frmIndex::Command3_Click);
    onClick("Command4", &frmIndex::Command4_Click);
    onClick("Command5", &frmIndex::Command5_Click);
    onClick("Command6", &frmIndex::Command6_Click);
    onClick("Command7", &frmIndex::Command7_Click);
    onClick("Command8", &frmIndex::Command8_Click);
    onClick("mnuSalir", &frmIndex::mnuSalir_Click);
    onClick("mnuCalculadora", &frmIndex::mnuCalculadora_Click);
    onClick("mnuFactoreador", &frmIndex::mnuFactoreador_Click);
    onClick("mnuPrimos", &frmIndex::mnuPrimos_Click);
    onClick("mnuAmigos", &frmIndex::mnuAmigos_Click);
    onClick("mnuEsDivisible", &frmIndex::mnuEsDivisible_Click);
    onClick("mnuCuadraticas", &frmIndex::mnuCuadraticas_Click);
    onClick("mnuPerfectos", &frmIndex::mnuPerfectos_Click);
}

template <class Tool> void frmIndex::hideThenShow() {
    host().Hide(*this);
    host().Show(host().form<Tool>());
}

template <class Tool> void frmIndex::showThenHide() {
    host().Show(host().form<Tool>());
    host().Hide(*this);
}

void frmIndex::Command1_Click() {
    hideThenShow<frmCalculadora>();
}
void frmIndex::Command2_Click() {
    hideThenShow<frmFactoreo>();
}
void frmIndex::Command3_Click() {
    showThenHide<frmPrimos>();
}
void frmIndex::Command4_Click() {
    showThenHide<frmAmigos>();
}
void frmIndex::Command5_Click() {
    showThenHide<frmEsDivisible>();
}
void frmIndex::Command6_Click() {
    showThenHide<frmCuadraticas>();
}
void frmIndex::Command7_Click() {
    showThenHide<frmPerfectos>();
}
void frmIndex::Command8_Click() {
    host().End();
}
void frmIndex::mnuSalir_Click() {
    host().End();
}
void frmIndex::mnuCalculadora_Click() {
    showThenHide<frmCalculadora>();
}
void frmIndex::mnuFactoreador_Click() {
    showThenHide<frmFactoreo>();
}
void frmIndex::mnuPrimos_Click() {
    showThenHide<frmPrimos>();
}
void frmIndex::mnuAmigos_Click() {
    showThenHide<frmAmigos>();
}
void frmIndex::mnuEsDivisible_Click() {
    showThenHide<frmEsDivisible>();
}
void frmIndex::mnuCuadraticas_Click() {
    showThenHide<frmCuadraticas>();
}
void frmIndex::mnuPerfectos_Click() {
    showThenHide<frmPerfectos>();
}

} // namespace ordevix
