// Every key of the calculator through its own button; the display is Text1.
#include "calculator/frmCalculadora.h"
#include "window_fixture.h"

namespace ordevix::test {
namespace {

using CalculadoraWindow = UiTest;

TEST_F(CalculadoraWindow, EveryKeyThroughItsButton) {
    // first typed, first key, then (unless null) second typed and second key. 9 and 4
    // give a different result under every two-number key.
    // clang-format off
    const struct { const char* name; QString first; const char* key1; const char* second; const char* key2; QString display; int paso; QString message; } rows[] = {
        {"+",           "9",  "cmdSumar",  "4", "cmdSumar",  "13",                2, ""},
        {"-",           "9",  "cmdResta",  "4", "cmdResta",  "5",                 2, ""},
        {"*",           "9",  "cmdMultip", "4", "cmdMultip", "36",                2, ""},
        {"/",           "9",  "cmdDiv",    "4", "cmdDiv",    "2,25",              2, ""},
        {"\\",          "9",  "cmdDivE",   "4", "cmdDivE",   "2",                 2, ""},
        {"Pot",         "9",  "cmdPot",    "4", "cmdPot",    "6561",              2, ""},
        {"Raiz",        "9",  "cmdRaiz",   "4", "cmdRaiz",   "1,73205080756888",  2, ""},
        {"=",           "9",  "cmdResta",  "4", "cmdIgual",  "5",                 2, ""},
        {"/ by 0",      "9",  "cmdDiv",    "0", "cmdDiv",    "0",                 1, "Error, no se puede dividir por cero"},
        {"Seno",        "30", "cmdSen",    nullptr, nullptr, "0,499997596259436", 1, ""},
        {"Cosen",       "30", "cmdCos",    nullptr, nullptr, "0,866026791580252", 1, ""},
        {"Tg",          "30", "cmdTg",     nullptr, nullptr, "0,577346568397824", 1, ""},
        {"Seno of 0",   "0",  "cmdSen",    nullptr, nullptr, "0",                 0, "Debe ingresar valores"},
        {"PI",          "",   "cmdPi",     nullptr, nullptr, "3,1415927",         0, ""},
        {"Borrar",      "9",  "cmdSumar",  nullptr, "Command4", "",               1, ""},
        {"Borrar todo", "9",  "cmdSumar",  nullptr, "Command3", "",               0, ""},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        restart();
        host().setRegional(RegionalSettings::comma());
        frmCalculadora& w = open<frmCalculadora>();
        type(w, "Text1", row.first);
        click(w, row.key1);
        if (row.second)
            type(w, "Text1", row.second);
        if (row.key2)
            click(w, row.key2);
        EXPECT_EQ(textOf(w, "Text1"), row.display);
        EXPECT_EQ(w.paso(), row.paso);
        EXPECT_EQ(lastMessage(), row.message);
    }
}

TEST_F(CalculadoraWindow, EnterPressesNoKey) {
    frmCalculadora& w = open<frmCalculadora>();
    type(w, "Text1", "7");
    for (Qt::Key enter : {Qt::Key_Return, Qt::Key_Enter})
        QTest::keyClick(w.control("Text1"), enter);
    EXPECT_EQ(textOf(w, "Text1"), "7");
    EXPECT_EQ(w.paso(), 0);
}

} // namespace
} // namespace ordevix::test
