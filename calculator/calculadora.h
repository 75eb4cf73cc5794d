// The calculator's engine: running value, history of results and the keys that
// act on them. Plain C++: the window only forwards its buttons here and shows
// what the engine pushes into its display.
#pragma once

#include "shell/numeric.h"

#include <vector>

namespace ordevix {

// What the engine needs from the window: the one-line display and a modal
// message box. The engine reads the display afresh whenever it needs a number,
// because the user may have typed into it since the last key.
class CalcDisplay {
public:
    virtual ~CalcDisplay() = default;
    virtual Text text() const = 0;
    virtual void setText(const Text& text) = 0;
    // Blocks until the user closes it.
    virtual void message(const Text& text) = 0;
};

// The operation that "=" repeats: the one chosen last by an operation key.
enum class Operacion { Ninguna, Suma, Resta, Producto, Cociente, CocienteEntero, Potencia, Raiz };

class Calculadora {
public:
    static constexpr int kPasosPorCuenta = 1000;

    // Throws std::invalid_argument for a capacity below 1.
    Calculadora(const RegionalSettings& regional, CalcDisplay& display,
                int capacidad = kPasosPorCuenta);

    // Operation keys: each applies its own operation at once to the running
    // value and the display.
    void cmdSumar();
    void cmdResta();
    void cmdMultip();
    void cmdDiv();
    void cmdDivE();
    void cmdPot();
    void cmdRaiz();
    // Repeats the last operation with the display.
    void cmdIgual();

    void borrar();
    void borrarTodo();

    // Function keys: the angle in the display is in degrees.
    void cmdSen();
    void cmdCos();
    void cmdTg();
    void cmdPi();

    int paso() const { return paso_; }
    Operacion operacion() const { return operacion_; }
    // The result of the last step; 0 before the first step of a run.
    Double valor() const { return resultados_[static_cast<std::size_t>(paso_)]; }

private:
    struct Funcion;

    void operar(Operacion operacion);
    void operarSiHayTexto(Operacion operacion);
    void calcular();
    void aplicarFuncion(const Funcion& funcion);
    bool quedanPasos();
    void guardar(Double resultado);
    Double leerDisplay() const;

    RegionalSettings regional_;
    CalcDisplay& display_;
    int capacidad_;
    // Entry k holds the result of step k; entry 0 stays 0 so that valor() needs
    // no special case before the first step.
    std::vector<Double> resultados_;
    int paso_ = 0;
    Operacion operacion_ = Operacion::Ninguna;
};

} // namespace ordevix
