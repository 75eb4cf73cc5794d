#include "app/commandline.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

using namespace ordevix;

// Answers on standard output, refusals with the usage on standard error; Qt's options pass.
TEST(CommandLine, AnswersOrRefusesOrOpensTheWindows) {
    const std::string usage = "Uso: ordevix [OPCIÓN]\n", version = "Ordevix " ORDEVIX_VERSION "\n";
    const std::string unknown = "ordevix: opción desconocida: ";
    // clang-format off
    const struct {
        const char* name; std::vector<const char*> args;
        std::optional<int> status; // none: the windows open
        std::string text;          // how the answer starts
    } rows[] = {
        {"-h after Qt's", {"-style", "x", "-h"},       0,  usage},
        {"-v",            {"-v"},                      0,  version},
        {"Qt's options",  {"-reverse", "-style", "x"}, {}, ""},
        {"unknown",       {"-z"},                      2,  unknown + "«-z»\n" + usage},
        {"no value",      {"-platform"},               2,  "ordevix: falta el valor de la opción"},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        std::ostringstream out, err;
        EXPECT_EQ(answerCommandLine(row.args, out, err), row.status);
        const std::string said = (row.status == 0 ? out : err).str();
        EXPECT_EQ(said.substr(0, row.text.size()), row.text);
        EXPECT_EQ(said.empty(), row.text.empty());
        EXPECT_EQ((row.status == 0 ? err : out).str(), "") << "the other stream";
    }
}
