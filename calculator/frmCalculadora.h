// The calculator: operation keys applied at once to a running value.
#pragma once

#include "calculator/calculadora.h"
#include "shell/toolform.h"

namespace ordevix {

class frmCalculadora : public ToolForm {
public:
    explicit frmCalculadora(FormHost& host);
    static const FormDescription description;

    // Steps taken in the current run.
    int paso() const { return calculadora_.paso(); }

private:
    // The engine's view of the window: the display is Text1, messages go
    // through the host's message box.
    class Visor : public CalcDisplay {
    public:
        explicit Visor(Form& form) : form_(form) {}
        Text text() const override;
        void setText(const Text& text) override;
        void message(const Text& text) override;

    private:
        Form& form_;
    };

    void cmdSumar_Click() { calculadora_.cmdSumar(); }
    void cmdResta_Click() { calculadora_.cmdResta(); }
    void cmdMultip_Click() { calculadora_.cmdMultip(); }
    void cmdDiv_Click() { calculadora_.cmdDiv(); }
    void cmdDivE_Click() { calculadora_.cmdDivE(); }
    void cmdPot_Click() { calculadora_.cmdPot(); }
    void cmdRaiz_Click() { calculadora_.cmdRaiz(); }
    void cmdIgual_Click() { calculadora_.cmdIgual(); }
    void Command4_Click() { calculadora_.borrar(); }
    void Command3_Click() { calculadora_.borrarTodo(); }
    void cmdSen_Click() { calculadora_.cmdSen(); }
    void cmdCos_Click() { calculadora_.cmdCos(); }
    void cmdTg_Click() { calculadora_.cmdTg(); }
    void cmdPi_Click() { calculadora_.cmdPi(); }

    // Declared before the engine, which keeps a reference to it.
    Visor visor_;
    Calculadora calculadora_;
};

} // namespace ordevix
