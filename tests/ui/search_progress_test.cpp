// The progress caption of the perfect and amicable searches as every event pass shows it,
// whichever step the pass falls on: the number whose sum is running, or "Listo" of the last hit
// until the next candidate is shown.
#include "window_fixture.h"

namespace ordevix::test {
namespace {

using SearchProgress = UiTest;

struct Search {
    Form& (*window)(FormHost&);
    const char* label;
    QString progress; // what comes before the number
};
const Search perfect{&buildWindow<frmPerfectos>, "Label3", "Procesando... "};
const Search amicable{&buildWindow<frmAmigos>, "Label1", "Procesando..."};

// The captions at the first passes: a number stands for the progress caption with that number.
TEST_F(SearchProgress, EveryPassShowsTheNumberUnderTest) {
    // clang-format off
    const struct {
        const char* name; Search search; int clicks, stride; QStringList shown;
    } rows[] = {
        {"perfect, a pass every 5 steps", perfect, 1, 5, {"2", "4", "5", "6"}},
        {"perfect, every 7", perfect, 1, 7, {"3", "5", "6"}},
        {"perfect, the next click starts on Listo", perfect, 2, 23, {"Listo", "9", "12"}},
        {"amicable, every 5", amicable, 1, 5, {"2", "3", "4", "5"}},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        restart();
        Form& w = show(row.search.window(host()));
        click(w, "Check1");
        QStringList shown;
        host().setPumpPolicy(row.stride, std::chrono::nanoseconds(0));
        host().setPumpProbe([&] {
            if (shown.size() < row.shown.size())
                shown.push_back(captionOf(w, row.search.label));
        });
        for (int c = 0; c < row.clicks; ++c)
            click(w, "Command1");
        QStringList expected;
        for (const QString& s : row.shown)
            expected.push_back(s == "Listo" ? s : row.search.progress + s);
        EXPECT_EQ(shown, expected);
    }
}

} // namespace
} // namespace ordevix::test
