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

template <class Tool> void frmIndex::hideThenShow() {
    host().Hide(*this);
    host().Show(host().form<Tool>());
}

template <class Tool> void frmIndex::showThenHide() {
    host().Show(host().form<Tool>());
    host().Hide(*this);
}

void frmIndex::salir() {
    host().End();
}

frmIndex::frmIndex(FormHost& host) : Form(host, kDescription) {
    onClick("Command1", &frmIndex::hideThenShow<frmCalculadora>);
    onClick("Command2", &frmIndex::hideThenShow<frmFactoreo>);
    onClick("Command3", &frmIndex::showThenHide<frmPrimos>);
    onClick("Command4", &frmIndex::showThenHide<frmAmigos>);
    onClick("Command5", &frmIndex::showThenHide<frmEsDivisible>);
    onClick("Command6", &frmIndex::showThenHide<frmCuadraticas>);
    onClick("Command7", &frmIndex::showThenHide<frmPerfectos>);
    onClick("Command8", &frmIndex::salir);
    onClick("mnuSalir", &frmIndex::salir);
    onClick("mnuCalculadora", &frmIndex::showThenHide<frmCalculadora>);
    onClick("mnuFactoreador", &frmIndex::showThenHide<frmFactoreo>);
    onClick("mnuPrimos", &frmIndex::showThenHide<frmPrimos>);
    onClick("mnuAmigos", &frmIndex::showThenHide<frmAmigos>);
    onClick("mnuEsDivisible", &frmIndex::showThenHide<frmEsDivisible>);
    onClick("mnuCuadraticas", &frmIndex::showThenHide<frmCuadraticas>);
    onClick("mnuPerfectos", &frmIndex::showThenHide<frmPerfectos>);
}

} // namespace ordevix
