// The quadratic window's wiring: "Calcular" reads the three boxes in order and
// answers in lblSalida, or in a message box that leaves the last answer shown.
#include "window_fixture.h"

#include "quadratic/frmCuadraticas.h"

#include <vector>

namespace ordevix::test {
namespace {

class CuadraticasWindow : public UiTest {
protected:
    static void fill(Form& window, const QString& a, const QString& b, const QString& c) {
        type(window, "txtValorA", a);
        type(window, "txtValorB", b);
        type(window, "txtValorC", c);
    }
};

TEST_F(CuadraticasWindow, AnswersInTheLabelOrAMessage) {
    // Every row starts from this answer, so a message can show that it kept it.
    const QString previa = QStringLiteral("Raices  3  2");
    struct Row {
        const char* name;
        RegionalSettings regional;
        QString a, b, c;
        QString caption;
        std::vector<QString> messages = {};
    };
    constexpr RegionalSettings period = RegionalSettings::period();
    // clang-format off
    const std::vector<Row> rows = {
        // Swapped coefficients would give other roots.
        {"coefficients read in order", period, "2", "-3", "1", QStringLiteral("Raices  1  .5")},
        {"the host's comma", RegionalSettings::comma(), "0,5", "-1,5", "1", QStringLiteral("Raices  2  1")},
        {"not quadratic", period, "0", "2", "1", previa,
         {QStringLiteral("La función no es cuadrática: AX2 no puede ser 0.")}},
        {"fault", period, "1", "1E+20", "1", previa,
         {QStringLiteral("La operación no tiene un resultado válido.")}},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        host().reset();
        host().setRegional(row.regional);
        frmCuadraticas& window = open<frmCuadraticas>();
        fill(window, "1", "-5", "6");
        click(window, "cmdCalcular");
        ASSERT_EQ(captionOf(window, "lblSalida"), previa);
        messages.clear();
        fill(window, row.a, row.b, row.c);
        click(window, "cmdCalcular");
        EXPECT_EQ(captionOf(window, "lblSalida"), row.caption);
        EXPECT_EQ(messages, row.messages);
        EXPECT_TRUE(window.isVisible());
    }
    EXPECT_EQ(ends, 0);
}

TEST_F(CuadraticasWindow, EnterInATextBoxCalculates) {
    frmCuadraticas& window = open<frmCuadraticas>();
    fill(window, "1", "2", "5");
    QWidget* box = window.control("txtValorC");
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(captionOf(window, "lblSalida"), QStringLiteral("Complejas -1+/- 2i"));
    EXPECT_TRUE(messages.empty());
}

} // namespace
} // namespace ordevix::test
