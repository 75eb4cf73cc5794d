// Every window wires each of its buttons, check boxes and menu items to exactly
// one handler, and a wiring mistake fails as the window is built, naming the
// window and the control.
#include "all_windows.h"
#include "window_fixture.h"

#include <QAction>

#include <algorithm>

namespace ordevix::test {
namespace {

using Names = std::vector<std::string>;

// The buttons, check boxes and menu items of each window.
// clang-format off
const struct { const char* name; Form& (*build)(FormHost&); Names clickable; } kWiredWindows[] = {
    {"frmIndex", &buildWindow<frmIndex>,
     {"Command1", "Command2", "Command3", "Command4", "Command5", "Command6", "Command7", "Command8",
      "mnuSalir", "mnuCalculadora", "mnuFactoreador", "mnuPrimos", "mnuAmigos", "mnuEsDivisible",
      "mnuCuadraticas", "mnuPerfectos"}},
    {"frmCalculadora", &buildWindow<frmCalculadora>,
     {"cmdSumar", "cmdResta", "cmdMultip", "cmdDiv", "cmdDivE", "cmdSen", "cmdCos", "cmdTg", "cmdPi",
      "cmdPot", "cmdRaiz", "cmdIgual", "Command1", "Command2", "Command3", "Command4"}},
    {"frmFactoreo",    &buildWindow<frmFactoreo>,    {"Command1", "cmdInicio", "cmdSalir"}},
    {"frmEsDivisible", &buildWindow<frmEsDivisible>, {"Command1", "Command2", "cmdSalir"}},
    {"frmPrimos",      &buildWindow<frmPrimos>,      {"Command1", "Check1", "Command2", "Command3"}},
    {"frmPerfectos",   &buildWindow<frmPerfectos>,   {"Command1", "Check1", "Command2", "Command3"}},
    {"frmAmigos",      &buildWindow<frmAmigos>,      {"Command1", "Check1", "Command2", "Command3"}},
    {"frmCuadraticas", &buildWindow<frmCuadraticas>, {"cmdCalcular", "Command2", "Command3"}},
};
// clang-format on

// What the user can click in a built window: its buttons and check boxes, and the
// menu items whose shortcuts the window takes.
Names clickableIn(Form& window) {
    Names names;
    for (auto* button :
         window.surface()->findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly))
        names.push_back(button->objectName().toStdString());
    for (QAction* action : window.actions())
        names.push_back(action->objectName().toStdString());
    std::sort(names.begin(), names.end());
    return names;
}

using Wiring = UiTest;

TEST_F(Wiring, EveryButtonCheckBoxAndMenuItemOfEveryWindowHasExactlyOneHandler) {
    for (const auto& row : kWiredWindows) {
        SCOPED_TRACE(row.name);
        Form& window = row.build(host());
        Names expected = row.clickable;
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(clickableIn(window), expected);
        for (const std::string& name : row.clickable)
            EXPECT_EQ(window.handlerCount(name.c_str()), 1) << name;
    }
}

// clang-format off
constexpr Control kControls[] = {
    {Kind::TextBox,       "Text1",    "",           100,  100, 1200, 375, 0},
    {Kind::Label,         "Label1",   "",           100,  600, 1200, 375, 1},
    {Kind::CommandButton, "Command1", "Calcular",   100, 1200, 1200, 495, 2},
    {Kind::CheckBox,      "Check1",   "Automático", 100, 1800, 1200, 495, 3},
};
constexpr MenuItem kMenu[] = {
    {"Archivo", "mnuArchivo", "Salir", "mnuSalir", "F4"},
};
// clang-format on
const FormDescription kDescription{"frmPrueba",        "Prueba", 3000,      3000, kMsSansSerif825,
                                   Placement::Centred, nullptr,  kControls, kMenu};

// A window that binds the names it is given, in order, to one handler.
struct frmPrueba : Form {
    frmPrueba(FormHost& host, const std::vector<const char*>& names) : Form(host, kDescription) {
        for (const char* name : names)
            onClick(name, &frmPrueba::Click);
    }
    void Click() {}
};

// The menu item left without a handler, for the host's own check.
struct frmPruebaSinMenu : frmPrueba {
    explicit frmPruebaSinMenu(FormHost& host) : frmPrueba(host, {"Command1", "Check1"}) {}
};

// `act` throws a WiringError naming frmPrueba and `control`, or none if `control` is null.
void expectNames(const std::function<void()>& act, const char* control) {
    std::string what = "no WiringError";
    try {
        act();
    } catch (const WiringError& error) {
        what = error.what();
    }
    EXPECT_TRUE(control ? what.find("frmPrueba") != std::string::npos &&
                              what.find(control) != std::string::npos
                        : what == "no WiringError")
        << what;
}

TEST_F(Wiring, AWrongBindingFailsAsTheWindowIsBuiltNamingWindowAndControl) {
    // The control the message names; nullptr: no error.
    // clang-format off
    const struct { const char* name; std::vector<const char*> bound; const char* control; } rows[] = {
        {"all wired",                 {"Command1", "Check1", "mnuSalir"},              nullptr},
        {"a name not in the table",   {"Command1", "Check1", "mnuSalir", "Command9"},  "Command9"},
        {"a button bound twice",      {"Command1", "Check1", "mnuSalir", "Command1"},  "Command1"},
        {"a menu item bound twice",   {"Command1", "Check1", "mnuSalir", "mnuSalir"},  "mnuSalir"},
        {"a label has no Click",      {"Command1", "Check1", "mnuSalir", "Label1"},    "Label1"},
        {"a text box has no Click",   {"Command1", "Check1", "mnuSalir", "Text1"},     "Text1"},
        {"a button without handler",  {"Check1", "mnuSalir"},                          "Command1"},
        {"a check box without one",   {"Command1", "mnuSalir"},                        "Check1"},
        {"a menu item without one",   {"Command1", "Check1"},                          "mnuSalir"},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        expectNames([&] { frmPrueba(host(), row.bound).checkWiring(); }, row.control);
    }
}

TEST_F(Wiring, TheHostChecksEveryWindowItBuildsAndKeepsNoHalfWiredOne) {
    expectNames([&] { host().form<frmPruebaSinMenu>(); }, "mnuSalir");
    EXPECT_TRUE(host().forms().empty());
}

TEST_F(Wiring, AControlReadOrWrittenAsTheWrongKindFailsNamingWindowAndControl) {
    // clang-format off
    const struct { const char* name; std::function<void(Form&)> access; const char* control; } rows[] = {
        {"Text of a label",              [](Form& f) { f.text("Label1"); },                   "Label1"},
        {"Text written into a check box",[](Form& f) { f.setText("Check1", u"1"); },          "Check1"},
        {"Caption of a text box",        [](Form& f) { f.caption("Text1"); },                 "Text1"},
        {"Caption written on a button",  [](Form& f) { f.setCaption("Command1", u"Otro"); },  "Command1"},
        {"Enabled of a label",           [](Form& f) { f.enabled("Label1"); },                "Label1"},
        {"Enabled set on a button",      [](Form& f) { f.setEnabled("Command1", false); },    "Command1"},
        {"Value of a button",            [](Form& f) { f.value("Command1"); },                "Command1"},
        {"Text of a name not in the table", [](Form& f) { f.text("Text2"); },                 "Text2"},
    };
    // clang-format on
    frmPrueba window(host(), {"Command1", "Check1", "mnuSalir"});
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        expectNames([&] { row.access(window); }, row.control);
    }
}

} // namespace
} // namespace ordevix::test
