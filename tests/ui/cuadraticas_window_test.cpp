// The quadratic window's wiring: the three boxes in order, with the host's separator.
#include "quadratic/frmCuadraticas.h"
#include "window_fixture.h"

namespace ordevix::test {
TEST_F(UiTest, CuadraticasAnswersInTheLabelOrInAMessageThatKeepsTheLastAnswer) {
    host().setRegional(RegionalSettings::comma());
    frmCuadraticas& w = open<frmCuadraticas>();
    // clang-format off
    const char* rows[][5] = { // a, b, c (typed into txtValorA, B, C), lblSalida, message
        {"2", "-3", "1", "Raices  1  .5", ""},
        {"0,5", "-1,5", "1", "Raices  2  1", ""},
        {"0", "2", "1", "Raices  2  1", "La función no es cuadrática: AX2 no puede ser 0."},
        {"1", "1E+20", "1", "Raices  2  1", "La operación no tiene un resultado válido."},
    };
    // clang-format on
    for (const auto& row : rows) {
        for (int k = 0; k < 3; ++k)
            type(w, (std::string("txtValor") + char('A' + k)).c_str(), row[k]);
        click(w, "cmdCalcular");
        EXPECT_TRUE(captionOf(w, "lblSalida") == row[3] && lastMessage() == row[4]) << row[1];
    }
}
} // namespace ordevix::test
