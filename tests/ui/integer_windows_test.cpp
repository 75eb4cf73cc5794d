// The integer tool windows through their real controls: the wiring only.
#include "window_fixture.h"

#include "tools/frmAmigos.h"
#include "tools/frmEsDivisible.h"
#include "tools/frmFactoreo.h"
#include "tools/frmPerfectos.h"
#include "tools/frmPrimos.h"

#include <QStringList>

#include <map>
#include <string>
#include <vector>

namespace ordevix::test {
namespace {

using Script = std::map<int, const char*>;

class IntegerWindows : public UiTest {
protected:
    // The boxes (a disabled one in brackets), the caption of label, the printed lines, the
    // messages, and whether the program ended.
    QString look(Form& w, const char* label) const {
        QStringList boxes;
        for (const char* box : {"Text1", "Text2"})
            if (w.control(box))
                boxes << (w.enabled(box) ? textOf(w, box) : "[" + textOf(w, box) + "]");
        QString s = (w.isVisible() ? "" : "hidden ") + boxes.join("/") +
                    (label ? " " + captionOf(w, label) : "");
        for (const QString& line : w.printedLines())
            s += "," + line;
        for (const QString& message : messages)
            s += " !" + message;
        return s + (ends ? QString(" ended at pass %1").arg(passes) : "");
    }
    // Types ("Text1=12") or clicks each control in turn, looking after each click; during the last
    // one, at the script's passes of the event loop, clicks its control (or "": takes a look).
    std::string run(Form& w, const char* label, const std::vector<const char*>& steps,
                    const Script& script) {
        QStringList shown;
        Script active;
        host().setPumpPolicy(1, std::chrono::nanoseconds(0));
        host().setPumpProbe([&] {
            if (const auto it = active.find(++passes); it != active.end() && *it->second)
                QMetaObject::invokeMethod(w.control(it->second), "click", Qt::QueuedConnection);
            else if (it != active.end())
                shown << look(w, label);
        });
        for (const char* const& step : steps) {
            const std::string text = step;
            if (const auto eq = text.find('='); eq != std::string::npos) {
                type(w, text.substr(0, eq).c_str(), QString::fromStdString(text.substr(eq + 1)));
                continue;
            }
            passes = 0;
            messages.clear();
            active = &step == &steps.back() ? script : Script{};
            click(w, step);
            shown << look(w, label);
        }
        host().setPumpProbe({});
        return shown.join(", ").toStdString();
    }
    int passes = 0;
};

// In order, each row going on from the windows' state after the row before.
TEST_F(IntegerWindows, ClicksThroughTheControls) {
    // clang-format off
    const struct { Form& window; const char* label; std::vector<const char*> steps; Script script; std::string expected; } rows[] = {
        // Calcular, one answer, one refusal, one fault each; a refused number wipes the factor list.
        {open<frmFactoreo>(), nullptr, {"Text1=999", "Command1", "Text1=12abc", "Command1", "Text1=1.9", "Command1", "Text1=", "Command1"}, {}, "999, 3 , 3 , 3 , 37 , 1 , 12abc, 2 , 2 , 3 , 1 , 1.9 !Esta aplicación soporta valores entre 2 y 10000,  !Debe ingresar valores"},
        {open<frmEsDivisible>(), "Label1", {"Text1=12", "Text2=4", "Command1", "Text2=5", "Command1", "Text1=", "Command1", "Text1=12", "Text2=0.4", "Command1"}, {}, "12/4 Es divisible, 12/5 No es divisible, /5 No es divisible !Debe ingresar valores, 12/0.4 No es divisible !La operación no tiene un resultado válido."},
        {open<frmPrimos>(), "Label1", {"Text1=13", "Command1", "Text1=1", "Command1", "Text1=abc", "Command1", "Text1=40000", "Command1"}, {}, "13 El número es primo, 1 El número no es primo, abc El número no es primo !Debe ingresar valores, 40000 El número no es primo !El número está fuera del rango admitido."},
        {open<frmPerfectos>(), "Label1", {"Text1=8128", "Command1", "Text1=1", "Command1", "Text1=0", "Command1", "Text1=12abc", "Command1"}, {}, "8128 Es perfecto, 1 No es perfecto, 0 No es perfecto !Debe ingresar valores, 12abc No es perfecto !El valor ingresado no es un número válido."},
        {open<frmAmigos>(), "Label1", {"Text1=220", "Text2=284", "Command1", "Text1=16", "Text2=12", "Command1", "Text2=", "Command1", "Text1=12abc", "Text2=284", "Command1"}, {}, "220/284 Son amigos, 16/12 No son amigos, 16/ No son amigos !Debe ingresar valores, 12abc/284 No son amigos !El valor ingresado no es un número válido."},
        // Automático: tick, searches, clear (Calcular then checks the box), tick, search.
        {open<frmPrimos>(), "Label1", {"Check1", "Command1", "Command1", "Command1", "Check1", "Command1", "Check1", "Command1"}, {}, "[40000] El número no es primo, [2] , [3] , [5] , 5 , 5 El número es primo, [5] El número es primo, [2] "},
        {open<frmPerfectos>(), "Label3", {"Check1", "Command1", "Command1", "Check1", "Command1", "Check1", "Command1"}, {}, "[12abc] , [ 6] Listo, [ 28] Listo,  28 Listo,  28 Listo, [ 28] Listo, [ 6] Listo"},
        {open<frmAmigos>(), "Label1", {"Check1", "Command1", "Command1", "Check1", "Command1", "Check1", "Command1"}, {}, "[12abc]/[284] No son amigos, [220]/[284] Listo, [284]/[220] Listo, 284/220 Listo, 284/220 Son amigos, [284]/[220] Son amigos, [220]/[284] Listo"},
        // During a search: candidate n takes n passes (12 cleared, 14 shown, 16 ticked: round from 1); a nested
        // click finds the next prime, the outer one goes on; INICIO hides and the search ends; SALIR ends at once.
        {open<frmPerfectos>(), "Label3", {"Command1"}, {{50, "Check1"}, {75, ""}, {105, "Check1"}}, " 6 Procesando... 14, [ 6] Listo"},
        {open<frmPrimos>(), "Label1", {"Command1"}, {{1, "Command1"}, {8, ""}}, "[3] , [5] "},
        {open<frmAmigos>(), "Label1", {"Command1"}, {{100, "Command3"}, {2000, ""}}, "hidden [220]/[284] Procesando...225, hidden [284]/[220] Listo"},
        {open<frmPerfectos>(), "Label3", {"Command1"}, {{10, "Command2"}}, "hidden [ 6] Procesando... 8 ended at pass 10"},
    };
    // clang-format on
    for (const auto& [window, label, steps, script, expected] : rows)
        EXPECT_EQ(run(window, label, steps, script), expected)
            << window.description().name << " " << steps.front();
}

} // namespace
} // namespace ordevix::test
