// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator: operation keys applied at once to a running value.
#pragma once

#include "calculator/calculadora.h"
#include "shell/tool_form.h"

namespace ordevix {

class frmCalculadora : public ToolForm {
public:
    explicit frmCalculadora(FormHost& host);

    // Steps taken in the current run.
    int paso() const { return calculadora_.paso(); }

private:
    // The engine's view of the window: the display is Text1, messages go
    // through the host's message box.
    class VisorDeVentana : public Visor {
    public:
        explicit VisorDeVentana(Form& form) : form_(form) {}
        Text texto() const override;
        void escribir(const Text& texto) override;
        void avisar(const Text& mensaje) override;

    private:
        Form& form_;
    };

    void cmdSumar_Click() { calculadora_.sumar(); }
    void cmdResta_Click() { calculadora_.restar(); }
    void cmdMultip_Click() { calculadora_.multiplicar(); }
    void cmdDiv_Click() { calculadora_.dividir(); }
    void cmdDivE_Click() { calculadora_.dividirEntero(); }
    void cmdPot_Click() { calculadora_.elevar(); }
    void cmdRaiz_Click() { calculadora_.extraerRaiz(); }
    void cmdIgual_Click() { calculadora_.repetir(); }
    void Command4_Click() { calculadora_.borrar(); }
    void Command3_Click() { calculadora_.borrarTodo(); }
    void cmdSen_Click() { calculadora_.seno(); }
    void cmdCos_Click() { calculadora_.coseno(); }
    void cmdTg_Click() { calculadora_.tangente(); }
    void cmdPi_Click() { calculadora_.escribirPi(); }

    // Declared before the engine, which keeps a reference to it.
    VisorDeVentana visor_;
    Calculadora calculadora_;
};

} // namespace ordevix
