// What a screen reader gets, read through Qt's accessibility interface.
#include "all_windows.h"
#include "window_fixture.h"
#include <QAccessible>
#include <set>

namespace ordevix::test {
namespace {
using Accessibility = UiTest;

TEST_F(Accessibility, TextBoxesHaveDistinctNamesAndLabelsNoneOfTheirOwn) {
    int boxes = 0;
    for (const WindowEntry& entry : kAllWindows) {
        std::set<QString> names{QString()}; // an empty name counts as taken
        for (const Control& c : entry.build(host()).description().controls) {
            QWidget* w = entry.build(host()).control(c.name);
            const QString name = QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
            EXPECT_TRUE(c.kind != Kind::Label || w->accessibleName().isEmpty()) << c.name;
            boxes += c.kind == Kind::TextBox;
            EXPECT_TRUE(c.kind != Kind::TextBox || names.insert(name).second) << c.name;
        }
    }
    EXPECT_GE(boxes, 10);
}
TEST_F(Accessibility, TheFactorListersSurfaceDescriptionFollowsPrintAndCls) {
    Form& window = open<frmFactoreo>();
    QAccessibleInterface* surface = QAccessible::queryAccessibleInterface(window.surface());
    window.Print(97);
    window.Print(1);
    EXPECT_EQ(surface->text(QAccessible::Description), "97\n1");
    window.Cls();
    EXPECT_EQ(surface->text(QAccessible::Description), "");
}
} // namespace
} // namespace ordevix::test
