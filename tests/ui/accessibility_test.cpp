// What a screen reader gets, read through Qt's accessibility interface.
#include "all_windows.h"
#include "window_fixture.h"

#include <QAccessible>
#include <QLabel>

#include <set>

namespace ordevix::test {
namespace {

QString accessibleText(QObject* object, QAccessible::Text which) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    return iface ? iface->text(which) : QStringLiteral("<no interface>");
}

using Accessibility = UiTest;

TEST_F(Accessibility, EveryTextBoxHasItsOwnNameSayingWhatItHolds) {
    int boxes = 0;
    for (const WindowEntry& entry : kAllWindows) {
        Form& window = entry.build();
        std::set<QString> names;
        for (const Control& c : window.description().controls) {
            if (c.kind != Kind::TextBox)
                continue;
            SCOPED_TRACE(std::string(entry.name) + "." + c.name);
            ++boxes;
            QAccessibleInterface* iface =
                QAccessible::queryAccessibleInterface(window.control(c.name));
            ASSERT_NE(iface, nullptr);
            EXPECT_EQ(iface->role(), QAccessible::EditableText);
            const QString name = iface->text(QAccessible::Name);
            EXPECT_FALSE(name.trimmed().isEmpty());
            // The control's internal name means nothing to the user.
            EXPECT_NE(name, QString::fromUtf8(c.name));
            // Two boxes of one window must be told apart.
            EXPECT_TRUE(names.insert(name).second) << name.toStdString();
        }
    }
    EXPECT_GE(boxes, 10);
}

TEST_F(Accessibility, LabelsAreHeardByTheirCaptionAlsoAfterItChanges) {
    const QString answer = QStringLiteral("El número es primo");
    int labels = 0;
    for (const WindowEntry& entry : kAllWindows) {
        Form& window = entry.build();
        for (const Control& c : window.description().controls) {
            if (c.kind != Kind::Label)
                continue;
            SCOPED_TRACE(std::string(entry.name) + "." + c.name);
            ++labels;
            auto* label = qobject_cast<QLabel*>(window.control(c.name));
            ASSERT_NE(label, nullptr);
            // A name set on a label would hide its caption from a screen reader.
            EXPECT_TRUE(label->accessibleName().isEmpty());
            EXPECT_EQ(accessibleText(label, QAccessible::Name), label->text());
            window.setCaption(c.name, answer.toStdU16String());
            EXPECT_EQ(accessibleText(label, QAccessible::Name), answer);
        }
    }
    EXPECT_GE(labels, 8);
}

TEST_F(Accessibility, TheFactorListersPrintedNumbersAreItsSurfacesDescription) {
    Form& window = open<frmFactoreo>();
    QAccessibleInterface* surface = QAccessible::queryAccessibleInterface(window.surface());
    ASSERT_NE(surface, nullptr);
    // A screen reader reaches the surface from the window.
    QAccessibleInterface* frame = QAccessible::queryAccessibleInterface(&window);
    ASSERT_NE(frame, nullptr);
    EXPECT_GE(frame->indexOfChild(surface), 0);

    // The description follows Print and Cls.
    window.Print(97);
    window.Print(1);
    EXPECT_EQ(surface->text(QAccessible::Description), QStringLiteral("97\n1"));
    window.Cls();
    EXPECT_EQ(surface->text(QAccessible::Description), QString());
}

} // namespace
} // namespace ordevix::test
