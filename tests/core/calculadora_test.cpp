#include "calculator/calculadora.h"

#include <gtest/gtest.h>
#include <map>
#include <sstream>

namespace ordevix {
namespace {

constexpr RegionalSettings kComa = RegionalSettings::comma();
constexpr RegionalSettings kPunto = RegionalSettings::period();

// clang-format off
const std::map<Text, std::string> kMensajes = {
    {u"Error, no se puede dividir por cero", "[cero]"}, {u"Debe ingresar valores", "[debe]"},
    {u"Esta función está preparada hasta 360º. Cifras mayores pueden causar errores impredecibles", "[aviso]"},
    {u"La cuenta llegó a 1000 pasos. Presione 'Borrar todo' para empezar otra.", "[limite]"}};
const std::map<std::string, void (Calculadora::*)()> kTeclas = {
    {"+", &Calculadora::sumar}, {"-", &Calculadora::restar}, {"*", &Calculadora::multiplicar}, {"/", &Calculadora::dividir}, {"\\", &Calculadora::dividirEntero},
    {"Pot", &Calculadora::elevar}, {"Raiz", &Calculadora::extraerRaiz}, {"=", &Calculadora::repetir}, {"Seno", &Calculadora::seno}, {"Cosen", &Calculadora::coseno},
    {"Tg", &Calculadora::tangente}, {"PI", &Calculadora::escribirPi}, {"Borrar", &Calculadora::borrar}, {"BorrarTodo", &Calculadora::borrarTodo}};
const char* const kFallas[] = {"!tipo", "!desborde", "!aritm"}; // by FaultKind
// clang-format on

// tocar() plays space-separated keys (anything else is typed over the display) and returns,
// joined by "|", what each key leaves: its messages as [tags], then the display or its fault.
struct Cuenta : Visor {
    explicit Cuenta(RegionalSettings regional) : calc(regional, *this) {}
    Text texto() const override { return visor; }
    void escribir(const Text& t) override { visor = t; }
    void avisar(const Text& t) override { traza += kMensajes.at(t); }
    std::string tocar(const std::string& guion) {
        traza.clear();
        std::istringstream in(guion);
        for (std::string tecla; in >> tecla;) {
            if (!kTeclas.contains(tecla)) {
                visor = Text(tecla.begin(), tecla.end());
                continue;
            }
            traza += "|";
            try {
                (calc.*kTeclas.at(tecla))();
                traza += std::string(visor.begin(), visor.end());
            } catch (const Fault& f) {
                traza += kFallas[static_cast<int>(f.kind())];
            }
        }
        return traza.substr(traza.empty() ? 0 : 1);
    }
    Text visor;
    std::string traza;
    Calculadora calc;
};

TEST(CalculadoraTest, SecuenciasDeTeclas) {
    // A trace ending in "~" gives only the leading characters of the last display.
    // clang-format off
    const struct { RegionalSettings regional; const char* guion; std::string traza; int paso; } rows[] = {
        {kComa,  "2 + 3 = = =",                                 "2|5|10|20",                     4},
        {kComa,  "7 = = BorrarTodo 2 + 3 *",                    "7|14||2|6",                     2},
        {kPunto, "7 \\ 2 = BorrarTodo -7 \\ 2 =",                 "7|3||-7|-3",                    2},
        {kComa,  "9 \\ 0,4 = 2,5 =",                            "9|[cero]0,4|4",                 2},
        {kComa,  "Borrar / Borrar \\ Borrar Raiz /",             "|000||000||000|000",            1},
        {kComa,  "1 / 2 = *",                                   "1|0,5|0,25",                    3},
        {kComa,  "PI * 2 =",                                    "3,1415927|3,1415927|6,2831854", 2},
        {kPunto, "PI 90.0 Cosen",                               "3.1415927|8.32679~",            1},
        {kComa,  "8 / 0 = 5 +",                                 "8|[cero]0|13",                  2},
        {kComa,  "90,0 Seno +",                                 "1|2",                           2},
        {kComa,  "3 + 90 Tg 5 = 180 Tg 270 Tg",                 "3|Infinito|8|0|Infinito",       3},
        {kComa,  "180 Seno 270 Seno 180 Cosen 270 Cosen",       "0|-1|-1|0",                     4},
        {kComa,  "360 Seno 360 Cosen 360 Tg",                   "0|1|-3,330717~",                3},
        {kComa,  "30 Seno",                                     "0,4999975~",                    1},
        {kComa,  "400 Seno",                                    "[aviso]0,6427592~",             1},
        {kComa,  "7 = 12abc Seno",                              "7|!tipo",                       1},
        {kComa,  "Borrar Seno 0 Cosen abc Tg",                  "|[debe]|[debe]0|[debe]abc",     0},
        {kComa,  "27 Raiz 0 = 3 = BorrarTodo -8 Pot 0,5 = 2 =", "27|!aritm|3||-8|!aritm|64",     2},
        {kPunto, "6 \\ -3e9 = 2 =",                             "6|!desborde|3",                 2},
        {kComa,  "2 * 3 = BorrarTodo 4 = 5 =",                  "2|6||4|20",                     2},
    };
    // clang-format on
    for (const auto& r : rows) {
        SCOPED_TRACE(r.guion);
        Cuenta c(r.regional);
        const std::string got = c.tocar(r.guion), want = r.traza.substr(0, r.traza.find('~'));
        EXPECT_EQ(r.traza.ends_with('~') ? got.substr(0, want.size()) : got, want);
        EXPECT_EQ(c.calc.paso(), r.paso);
    }
}

TEST(CalculadoraTest, LaCuentaTerminaEnMilPasos) {
    Cuenta c(kComa);
    c.tocar("1 +");
    for (int i = 1; i < Calculadora::kPasosPorCuenta; ++i)
        c.calc.multiplicar();
    ASSERT_EQ(c.calc.paso(), 1000);
    EXPECT_EQ(c.tocar("4 + = 90 Seno 30 Tg"), "[limite]4|[limite]4|[limite]90|[limite]30");
    EXPECT_EQ(c.calc.paso(), 1000);
    EXPECT_EQ(c.tocar("BorrarTodo 4 = 3 ="), "|4|12");
}

} // namespace
} // namespace ordevix
