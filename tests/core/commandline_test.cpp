// The command line: help and version answer on standard output and end with 0,
// anything unknown is refused on standard error with the usage and ends with 2,
// and no option, or only Qt's own, opens the windows.
#include "app/commandline.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace ordevix {
namespace {

struct Row {
    const char* name;
    std::vector<const char*> args;
    int status;           // -1: the windows open
    std::string out, err; // how each stream starts; "" for nothing at all
};

TEST(CommandLine, AnswersOrRefusesOrOpensTheWindows) {
    const std::string usage = "Uso: ordevix [OPCIÓN]\n", version = "Ordevix " ORDEVIX_VERSION "\n";
    const std::string unknown = "ordevix: opción desconocida: ";
    // clang-format off
    const Row rows[] = {
        {"no option", {}, -1, "", ""},
        {"--help", {"--help"}, 0, usage, ""},
        {"-h", {"-h"}, 0, usage, ""},
        {"--version", {"--version"}, 0, version, ""},
        {"-v", {"-v"}, 0, version, ""},
        {"help after a Qt option", {"-platform", "xcb", "-h"}, 0, usage, ""},
        {"an unknown option", {"--bogus"}, 2, "", unknown + "«--bogus»\n" + usage},
        {"a word that is no option", {"a.txt"}, 2, "", "ordevix: argumento inesperado: «a.txt»"},
        {"Qt's platform and its value", {"-platform", "offscreen"}, -1, "", ""},
        {"Qt's platform, no value", {"-platform"}, 2, "", "ordevix: falta el valor de la opción"},
        {"a Qt flag", {"-reverse"}, -1, "", ""},
        {"unknown after a Qt option", {"-style", "fusion", "-x"}, 2, "", unknown + "«-x»"},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::ostringstream out, err;
        const std::optional<int> status = answerCommandLine(row.args, out, err);
        EXPECT_EQ(status.value_or(-1), row.status);
        EXPECT_EQ(out.str().substr(0, row.out.size()), row.out);
        EXPECT_EQ(err.str().substr(0, row.err.size()), row.err);
        EXPECT_EQ(out.str().empty(), row.out.empty());
        EXPECT_EQ(err.str().empty(), row.err.empty());
    }
}

} // namespace
} // namespace ordevix
