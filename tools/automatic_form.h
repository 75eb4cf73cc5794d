// SPDX-License-Identifier: GPL-3.0-or-later
// The tools whose "Calcular" checks the typed numbers, or, with "Automático"
// ticked, searches on from a counter that the window keeps.
#pragma once

#include "shell/toolform.h"

namespace ordevix {

class AutomaticToolForm : public ToolForm {
protected:
    // The search shows its progress in the label etiquetaProgreso: textoProgreso
    // followed by the number under test. The prime listing shows none.
    AutomaticToolForm(FormHost& host, const FormDescription& description,
                      const char* etiquetaProgreso = nullptr, const char16_t* textoProgreso = u"")
        : ToolForm(host, description, "Command3", "Command2"), etiquetaProgreso_(etiquetaProgreso),
          textoProgreso_(textoProgreso) {
        onClick("Check1", &AutomaticToolForm::Check1_Click);
        onClick("Command1", &AutomaticToolForm::Command1_Click);
    }

    bool automatico() const { return value("Check1") == 1; }
    // What the long loops call between their steps; inline, so a step costs a
    // countdown. The divisor sums ask for many steps at once. The progress is
    // written into its label only before an event pass, the first moment anyone
    // can see it.
    auto yield() {
        return [this](std::int32_t pasos) {
            if (progresoPendiente_ && host().passDue()) {
                escribirProgreso();
            }
            return host().DoEvents(pasos);
        };
    }

    // The number under test, for every candidate, thousands a second: only kept
    // here until the yield writes it.
    void mostrarProgreso(Integer candidato) {
        progreso_ = candidato;
        progresoPendiente_ = true;
    }
    // The search's last word in the progress label, in place of any progress
    // not yet written.
    void terminarProgreso(const char16_t* texto) {
        progresoPendiente_ = false;
        setCaption(etiquetaProgreso_, texto);
    }

    // Read through a reference by the running searches, so a tick or a nested
    // click that changes it takes effect at their next step.
    Integer contador_ = 0;

private:
    virtual void Check1_Click() = 0;
    virtual void buscar() = 0;
    virtual void comprobar() = 0;

    void Command1_Click() { automatico() ? buscar() : comprobar(); }

    void escribirProgreso() {
        progresoPendiente_ = false;
        newCaption(etiquetaProgreso_).assign(textoProgreso_).append(IntegerToText(progreso_));
    }

    const char* etiquetaProgreso_;
    const char16_t* textoProgreso_;
    Integer progreso_ = 0;
    bool progresoPendiente_ = false;
};

} // namespace ordevix
