#include "calculator/calculadora.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string_view>
#include <vector>

namespace ordevix {
namespace {

const Text kCero = u"Error, no se puede dividir por cero";
const Text kDebe = u"Debe ingresar valores";
const Text kAviso =
    u"Esta función está preparada hasta 360º. Cifras mayores pueden causar errores impredecibles";
const Text kLimite = u"La cuenta llegó a 1000 pasos. Presione 'Borrar todo' para empezar otra.";
constexpr RegionalSettings kComa = RegionalSettings::comma();
constexpr RegionalSettings kPunto = RegionalSettings::period();

class DisplayGrabado : public CalcDisplay {
public:
    Text text() const override { return texto; }
    void setText(const Text& t) override { texto = t; }
    void message(const Text& t) override { mensajes.push_back(t); }
    Text texto;
    std::vector<Text> mensajes;
};

// A script is space-separated tokens: keys by caption, anything else is typed
// over the display.
std::vector<Text> tokens(std::u16string_view guion) {
    std::vector<Text> out;
    for (std::size_t i = 0; i < guion.size();) {
        const std::size_t fin = std::min(guion.find(u' ', i), guion.size());
        out.emplace_back(guion.substr(i, fin - i));
        i = fin + 1;
    }
    return out;
}

bool pulsar(Calculadora& calc, const Text& tecla) {
    static const std::map<Text, void (Calculadora::*)()> teclas = {
        {u"+", &Calculadora::cmdSumar},    {u"-", &Calculadora::cmdResta},
        {u"*", &Calculadora::cmdMultip},   {u"/", &Calculadora::cmdDiv},
        {u"\\", &Calculadora::cmdDivE},    {u"Pot", &Calculadora::cmdPot},
        {u"Raiz", &Calculadora::cmdRaiz},  {u"=", &Calculadora::cmdIgual},
        {u"Seno", &Calculadora::cmdSen},   {u"Cosen", &Calculadora::cmdCos},
        {u"Tg", &Calculadora::cmdTg},      {u"PI", &Calculadora::cmdPi},
        {u"Borrar", &Calculadora::borrar}, {u"BorrarTodo", &Calculadora::borrarTodo}};
    const auto it = teclas.find(tecla);
    if (it == teclas.end()) {
        return false;
    }
    (calc.*it->second)();
    return true;
}

// Plays a script and returns the display after each key joined by "|"; a key
// that faults shows "falla" instead.
Text tocar(Calculadora& calc, DisplayGrabado& display, std::u16string_view guion) {
    Text mostrado;
    for (const Text& token : tokens(guion)) {
        try {
            if (!pulsar(calc, token)) {
                display.texto = token;
                continue;
            }
            mostrado += u"|" + display.texto;
        } catch (const Fault&) {
            mostrado += u"|falla";
        }
    }
    return mostrado.empty() ? mostrado : mostrado.substr(1);
}

struct Secuencia {
    const char* name;
    RegionalSettings regional;
    std::u16string_view guion;
    std::u16string_view mostrado;
    int paso;
    std::vector<Text> mensajes = {};
};

TEST(CalculadoraTest, SecuenciasDeTeclas) {
    const std::vector<Secuencia> rows = {
        {"2 + 3 * applies * at once: 6", kComa, u"2 + 3 *", u"2|6", 2},
        {"= gives 5, a repeated = reapplies +", kComa, u"2 + 3 = = =", u"2|5|10|20", 4},
        {"= before any operation key adds", kComa, u"7 = =", u"7|14", 2},
        {"a key right after a result reads it as d", kComa, u"5 = = /", u"5|10|1", 3},
        {"7 \\ 2 truncates", kPunto, u"7 \\ 2 =", u"7|3", 2},
        {"-7 \\ 2 truncates toward zero", kPunto, u"-7 \\ 2 =", u"-7|-3", 2},
        {"\\ divisor 2,5 rounds half to even", kComa, u"9 \\ 2,5 =", u"9|4", 2},
        {"\\ divisor 3.5 rounds half to even", kPunto, u"9 \\ 3.5 =", u"9|2", 2},
        {"\\ divisor 0,4 rounds to 0: refused", kComa, u"7 \\ 0,4 =", u"7|0,4", 1, {kCero}},
        {"27 Raiz 3 is 3", kComa, u"27 Raiz 3 =", u"27|3", 2},
        {"empty display: 000, then / starts with 0", kComa, u"Borrar \\ Borrar Raiz Borrar / /",
         u"|000||000||000|000", 1},
        {"Borrar todo keeps the operation for =", kComa, u"2 * 3 = BorrarTodo 4 = 5 =",
         u"2|6||4|20", 2},
        {"comma result is read back whole", kComa, u"1 / 2 = *", u"1|0,5|0,25", 3},
        {"PI * 2 with a comma", kComa, u"PI * 2 =", u"3,1415927|3,1415927|6,2831854", 2},
        {"PI * 2 with a period", kPunto, u"PI * 2 =", u"3.1415927|3.1415927|6.2831854", 2},
        {"refused division keeps the running 8", kComa, u"8 / 0 = 5 +", u"8|0|13", 2, {kCero}},
        {"fault keeps the running 27", kComa, u"27 Raiz 0 = 3 =", u"27|falla|3", 2},
        {"exact Seno 90 is the running value", kComa, u"90 Seno +", u"1|2", 2},
        {"exact Tg 180 is the running value", kComa, u"3 + 180 Tg 5 =", u"3|0|5", 3},
        {"Tg 90 shows Infinito, no step", kComa, u"3 + 90 Tg 5 =", u"3|Infinito|8", 2},
        {"quadrants", kComa, u"270 Seno 90 Cosen 360 Cosen 360 Seno 270 Tg", u"-1|0|1|0|Infinito",
         4},
        {"Seno matches 90,0 by value", kComa, u"90,0 Seno", u"1", 1},
        {"no number: refused",
         kComa,
         u"Borrar Seno abc Cosen 0 Tg",
         u"||abc|0",
         0,
         {kDebe, kDebe, kDebe}},
    };
    for (const Secuencia& row : rows) {
        SCOPED_TRACE(row.name);
        DisplayGrabado display;
        Calculadora calc(row.regional, display);
        EXPECT_EQ(tocar(calc, display, row.guion), row.mostrado);
        EXPECT_EQ(display.mensajes, row.mensajes);
        EXPECT_EQ(calc.paso(), row.paso);
    }
}

struct Funcion {
    const char* name;
    RegionalSettings regional;
    std::u16string_view guion;
    std::u16string_view prefijo; // leading digits of the display
    Double valor;
    std::vector<Text> mensajes = {};
};

TEST(CalculadoraTest, FuncionesUsanElFactorDeGrados) {
    const std::vector<Funcion> rows = {
        {"Seno 400 warns first", kComa, u"400 Seno", u"0,6427592594", 0.6427592594909914, {kAviso}},
        {"Seno -90 is no quadrant", kComa, u"-90 Seno", u"-0,99999999996", -0.9999999999653323},
        {"Cosen 90.0 is no quadrant", kPunto, u"90.0 Cosen", u"8.326794896", 8.326794896671966e-06},
        {"Tg 090 is large, not Infinito", kComa, u"090 Tg", u"120094,2274", 120094.22741576233},
        {"Tg 360 is calculated", kPunto, u"360 Tg", u"-3.330717959", -3.33071795993894e-05},
        {"PI then Seno takes pi degrees", kComa, u"PI Seno", u"0,0548033757", 0.054803375734420734},
    };
    for (const Funcion& row : rows) {
        SCOPED_TRACE(row.name);
        DisplayGrabado display;
        Calculadora calc(row.regional, display);
        tocar(calc, display, row.guion);
        EXPECT_EQ(display.texto.substr(0, row.prefijo.size()), row.prefijo);
        EXPECT_NEAR(calc.valor(), row.valor, 1e-12 * std::abs(row.valor));
        EXPECT_EQ(display.mensajes, row.mensajes);
        EXPECT_EQ(calc.paso(), 1);
    }
}

struct Falla {
    const char* name;
    RegionalSettings regional;
    std::u16string_view antes;
    Text tecla;
    FaultKind kind;
};

TEST(CalculadoraTest, UnaFallaDejaLaCuentaComoEstaba) {
    using enum FaultKind;
    const std::vector<Falla> rows = {
        {"+ beyond the Double range", kPunto, u"1e308 +", u"=", Arithmetic},
        {"display beyond the Double range", kPunto, u"5 + 1e999", u"-", Overflow},
        {"\\ running value beyond Long", kPunto, u"3e9 \\ 1", u"=", Overflow},
        {"\\ divisor beyond Long", kPunto, u"6 \\ -3e9", u"=", Overflow},
        {"\\ smallest Long by -1", kPunto, u"-2147483648 \\ -1", u"=", Overflow},
        {"Pot: negative base, fractional power", kComa, u"-8 Pot 0,5", u"=", Arithmetic},
        {"Pot beyond the Double range", kComa, u"10 Pot 400", u"=", Overflow},
        {"Raiz of index 0", kComa, u"27 Raiz 0", u"=", Arithmetic},
        {"Raiz of a negative value", kComa, u"-4 Raiz 2", u"=", Arithmetic},
        {"12abc at the warning test", kComa, u"7 = 12abc", u"Seno", TypeMismatch},
        {"90abc is no Cosen quadrant", kComa, u"7 = 90abc", u"Cosen", TypeMismatch},
    };
    for (const Falla& row : rows) {
        SCOPED_TRACE(row.name);
        DisplayGrabado display;
        Calculadora calc(row.regional, display);
        tocar(calc, display, row.antes);
        const Text texto = display.texto;
        const int paso = calc.paso();
        const Double valor = calc.valor();
        try {
            pulsar(calc, row.tecla);
            ADD_FAILURE() << "no fault";
        } catch (const Fault& fault) {
            EXPECT_EQ(fault.kind(), row.kind);
        }
        EXPECT_EQ(calc.paso(), paso);
        EXPECT_EQ(calc.valor(), valor);
        EXPECT_EQ(display.texto, texto);
        EXPECT_TRUE(display.mensajes.empty());
    }
}

TEST(CalculadoraTest, LaCuentaTerminaEnMilPasos) {
    DisplayGrabado display;
    Calculadora calc(kComa, display);
    tocar(calc, display, u"1 +");
    for (int i = 1; i < Calculadora::kPasosPorCuenta; ++i) {
        calc.cmdMultip();
    }
    ASSERT_EQ(calc.paso(), 1000);
    ASSERT_TRUE(display.mensajes.empty());

    // Every key that would take step 1001 is refused and changes nothing.
    EXPECT_EQ(tocar(calc, display, u"4 + = 90 Seno 30 Tg"), u"4|4|90|30");
    EXPECT_EQ(display.mensajes, std::vector<Text>(4, kLimite));
    EXPECT_EQ(calc.paso(), 1000);
    EXPECT_EQ(calc.valor(), 1);
    EXPECT_EQ(calc.operacion(), Operacion::Producto);

    EXPECT_EQ(tocar(calc, display, u"BorrarTodo 4 = 3 ="), u"|4|12");
    EXPECT_EQ(calc.paso(), 2);
}

} // namespace
} // namespace ordevix
