// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandline.h"

#include <algorithm>
#include <string_view>

namespace ordevix {

namespace {

constexpr int kUsageError = 2;

constexpr std::string_view kUsage =
    "Uso: ordevix [OPCIÓN]\n"
    "Abre el menú principal de Ordevix, utilidad de matemáticas para estudiantes.\n"
    "\n"
    "  -h, --help     muestra esta ayuda y termina\n"
    "  -v, --version  muestra la versión y termina\n"
    "\n"
    "Acepta también las opciones comunes de las aplicaciones Qt, como -platform.\n";

constexpr std::string_view kVersion =
    "Ordevix " ORDEVIX_VERSION "\n"
    "Licencia GPL versión 3 o posterior <https://gnu.org/licenses/gpl.html>.\n"
    "Este programa es software libre y no tiene garantía.\n";

// Qt's own options, which QApplication takes out of the command line later.
constexpr std::string_view kQtOptionsWithValue[] = {
    "-platform",        "-platformpluginpath", "-platformtheme", "-plugin",  "-display",
    "-qwindowgeometry", "-qwindowicon",        "-qwindowtitle",  "-session", "-name",
    "-style",           "-stylesheet"};
constexpr std::string_view kQtFlags[] = {"-reverse", "-widgetcount", "-nograb", "-dograb", "-sync"};

int refuse(std::ostream& err, std::string_view why, std::string_view word) {
    err << "ordevix: " << why << ": «" << word << "»\n" << kUsage;
    return kUsageError;
}

} // namespace

std::optional<int> answerCommandLine(std::span<const char* const> args, std::ostream& out,
                                     std::ostream& err) {
    for (std::size_t k = 0; k < args.size(); ++k) {
        const std::string_view word = args[k];
        if (word == "-h" || word == "--help") {
            out << kUsage;
            return 0;
        }
        if (word == "-v" || word == "--version") {
            out << kVersion;
            return 0;
        }
        if (std::ranges::count(kQtFlags, word))
            continue;
        if (std::ranges::count(kQtOptionsWithValue, word)) {
            if (++k == args.size())
                return refuse(err, "falta el valor de la opción", word);
            continue;
        }
        return refuse(err, word.starts_with('-') ? "opción desconocida" : "argumento inesperado",
                      word);
    }
    return std::nullopt;
}

} // namespace ordevix
