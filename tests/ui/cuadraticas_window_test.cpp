// The quadratic window's wiring: "Calcular" reads the three boxes in order and
// answers in lblSalida, or in a message box that leaves the last answer shown.
#include "window_fixture.h"

#include "quadratic/frmCuadraticas.h"

#include <ostream>
#include <string>
#include <vector>

namespace ordevix::test {
namespace {

struct CalcularRow {
    std::string name;
    RegionalSettings regional;
    QString a, b, c;
    QString caption;
    std::vector<QString> messages;
};

// Failures name the row instead of dumping its bytes.
void PrintTo(const CalcularRow& row, std::ostream* os) {
    *os << row.name;
}

// Every row starts from this answer, so a refusal can show that it kept it.
const QString kPrevia = QStringLiteral("Raices  3  2");

const std::vector<CalcularRow>& calcularRows() {
    constexpr RegionalSettings period = RegionalSettings::period();
    // clang-format off
    static const std::vector<CalcularRow> rows = {
        {"TwoRealRoots", period, "1", "-3", "2", QStringLiteral("Raices  2  1"), {}},
        // Swapped coefficients would give other roots.
        {"CoefficientsReadInOrder", period, "2", "-3", "1", QStringLiteral("Raices  1  .5"), {}},
        {"DecimalCommas", RegionalSettings::comma(), "0,5", "-1,5", "1", QStringLiteral("Raices  2  1"), {}},
        {"AllEmptyRefused", period, "", "", "", kPrevia, {QStringLiteral("Debe ingresar valores")}},
        {"NotQuadratic", period, "0", "2", "1", kPrevia,
         {QStringLiteral("La función no es cuadrática: AX2 no puede ser 0.")}},
        {"FaultBeyondSingleRange", period, "1", "1E+20", "1", kPrevia,
         {QStringLiteral("La operación no tiene un resultado válido.")}},
    };
    // clang-format on
    return rows;
}

class CuadraticasCalcular : public UiTest, public ::testing::WithParamInterface<CalcularRow> {
protected:
    void SetUp() override {
        UiTest::SetUp();
        host().setRegional(GetParam().regional);
    }

    static void fill(Form& window, const QString& a, const QString& b, const QString& c) {
        type(window, "txtValorA", a);
        type(window, "txtValorB", b);
        type(window, "txtValorC", c);
    }
};

TEST_P(CuadraticasCalcular, AnswersInTheLabelOrAMessage) {
    const CalcularRow& row = GetParam();
    frmCuadraticas& window = open<frmCuadraticas>();
    fill(window, "1", "-5", "6");
    click(window, "cmdCalcular");
    ASSERT_EQ(captionOf(window, "lblSalida"), kPrevia);

    fill(window, row.a, row.b, row.c);
    click(window, "cmdCalcular");
    EXPECT_EQ(captionOf(window, "lblSalida"), row.caption);
    EXPECT_EQ(messages, row.messages);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(ends, 0);
}

INSTANTIATE_TEST_SUITE_P(Window, CuadraticasCalcular, ::testing::ValuesIn(calcularRows()),
                         [](const auto& info) { return info.param.name; });

class CuadraticasWindow : public UiTest {};

TEST_F(CuadraticasWindow, EnterInATextBoxCalculates) {
    frmCuadraticas& window = open<frmCuadraticas>();
    type(window, "txtValorA", "1");
    type(window, "txtValorB", "2");
    type(window, "txtValorC", "5");
    QWidget* box = window.control("txtValorC");
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(captionOf(window, "lblSalida"), QStringLiteral("Complejas -1+/- 2i"));
    EXPECT_TRUE(messages.empty());
}

} // namespace
} // namespace ordevix::test
