// SPDX-License-Identifier: GPL-3.0-or-later
// The tools whose "Calcular" checks the typed numbers, or, with "Automático"
// ticked, searches on from a counter that the window keeps.
#pragma once

#include "shell/tool_form.h"

#include <string_view>

namespace ordevix {

class AutomaticToolForm : public ToolForm {
protected:
    AutomaticToolForm(FormHost& host, const FormDescription& description)
        : ToolForm(host, description, "Command3", "Command2") {
        onClick("Check1", &AutomaticToolForm::Check1_Click);
        onClick("Command1", &AutomaticToolForm::Command1_Click);
    }

    bool automatico() const { return value("Check1") == 1; }
    // What the long loops call between their steps; inline, so a step costs a
    // countdown. The divisor sums ask for many steps at once.
    auto yield() {
        return [this](std::int32_t pasos) {
            if (progreso_.pendiente && host().passDue())
                mostrarProgresoPendiente();
            return host().DoEvents(pasos);
        };
    }

    // The search's progress, a text and the number under test. It comes for
    // every candidate, thousands of times a second, so it is kept here and
    // written into its label only before an event pass, the first moment anyone
    // can see it.
    void escribirProgreso(const char* label, std::u16string_view texto, Integer candidato) {
        progreso_ = {label, texto, candidato, true};
    }
    // The search's last word in the progress label, in place of any progress
    // not yet written.
    void terminarProgreso(const char* label, const char16_t* texto) {
        progreso_.pendiente = false;
        setCaption(label, texto);
    }

    // Read through a reference by the running searches, so a tick or a nested
    // click that changes it takes effect at their next step.
    Integer contador_ = 0;

private:
    struct Progreso {
        const char* label = nullptr;
        std::u16string_view texto;
        Integer candidato = 0;
        bool pendiente = false;
    };
    Progreso progreso_;
    // Composed in place, so its storage is reused from one pass to the next.
    Text caption_;

    void mostrarProgresoPendiente() {
        progreso_.pendiente = false;
        caption_.assign(progreso_.texto).append(IntegerToText(progreso_.candidato));
        setCaption(progreso_.label, caption_);
    }

    virtual void Check1_Click() = 0;
    virtual void buscar() = 0;
    virtual void comprobar() = 0;

    void Command1_Click() { automatico() ? buscar() : comprobar(); }
};

} // namespace ordevix
