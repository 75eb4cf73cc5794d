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
        return [this](std::int32_t pasos) { return host().DoEvents(pasos); };
    }

    // Writes the search's progress, a text and the number under test, into a
    // label. It happens for every candidate, thousands of times a second, so
    // the caption is composed in a buffer that keeps its storage.
    void escribirProgreso(const char* label, std::u16string_view texto, Integer candidato) {
        progreso_.assign(texto).append(IntegerToText(candidato));
        setCaption(label, progreso_);
    }

    // Read through a reference by the running searches, so a tick or a nested
    // click that changes it takes effect at their next step.
    Integer contador_ = 0;

private:
    Text progreso_;

    virtual void Check1_Click() = 0;
    virtual void buscar() = 0;
    virtual void comprobar() = 0;

    void Command1_Click() { automatico() ? buscar() : comprobar(); }
};

} // namespace ordevix
