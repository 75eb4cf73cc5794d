// What desktop users and assistive technology expect of the windows.
#include "window_fixture.h"

#include <QAccessible>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QScreen>

#include <cmath>
#include <map>
#include <set>
#include <span>

namespace ordevix::test {
namespace {

using Desktop = UiTest;
using Spanish = UiTest; // also run by ctest under other system languages

void byScreenReader(QCheckBox* box) {
    QAccessible::queryAccessibleInterface(box)->actionInterface()->doAction(
        QAccessibleActionInterface::toggleAction());
}
void byMouse(QCheckBox* box) {
    QTest::mouseClick(box, Qt::LeftButton);
}
void bySpace(QCheckBox* box) {
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Space);
}

TEST_F(Desktop, AutomaticoTurnedAnyWayDisablesTheBoxAndRestartsTheSearch) {
    // Ticked, two searches; cleared and ticked again, the next search gives the first hit.
    // clang-format off
    const struct { const char* name; Form& (*build)(FormHost&); QString first, second; } rows[] = {
        {"frmPrimos",    &buildWindow<frmPrimos>,    "2",   "3"},
        {"frmPerfectos", &buildWindow<frmPerfectos>, " 6",  " 28"},
        {"frmAmigos",    &buildWindow<frmAmigos>,    "220", "284"},
    };
    // clang-format on
    for (const auto& row : rows) {
        for (void (*toggle)(QCheckBox*) : {&byScreenReader, &byMouse, &bySpace}) {
            SCOPED_TRACE(row.name);
            restart();
            Form& w = show(row.build(host()));
            auto* box = qobject_cast<QCheckBox*>(w.control("Check1"));
            toggle(box);
            EXPECT_FALSE(w.enabled("Text1"));
            click(w, "Command1");
            click(w, "Command1");
            EXPECT_EQ(textOf(w, "Text1"), row.second);
            toggle(box);
            EXPECT_TRUE(w.enabled("Text1"));
            toggle(box);
            click(w, "Command1");
            EXPECT_EQ(textOf(w, "Text1"), row.first);
            EXPECT_FALSE(w.enabled("Text1"));
            EXPECT_TRUE(messages.empty());
        }
    }
}

// Right-clicks the surface and takes the menu's first item if it is enabled.
QString copyByMenu(Form& w, bool& enabled) {
    QString item;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        QAction* first = menu->actions().front();
        item = first->text();
        enabled = first->isEnabled();
        if (enabled)
            first->trigger();
        menu->close();
    });
    const QPoint at(5, 5);
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, at, w.surface()->mapToGlobal(at));
    QApplication::sendEvent(w.surface(), &rightClick);
    return item;
}

TEST_F(Desktop, ThePrintedNumbersAreReadOutAndCopiedOnePerLine) {
    const QString twos = QString("2\n").repeated(13) + "1";
    // clang-format off
    const struct { const char* name; const char* in; bool menu, enabled; QString out; } rows[] = {
        {"8192 by the menu",         "8192",  true,  true,  twos},
        {"8192 by Ctrl+C",           "8192",  false, true,  twos},
        {"nothing printed yet",      nullptr, true,  false, ""},
        {"a refusal wiped the list", "1",     true,  false, ""},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        restart();
        Form& w = open<frmFactoreo>();
        QGuiApplication::clipboard()->setText("antes");
        if (row.in) {
            type(w, "Text1", "12");
            click(w, "Command1"); // a list that the next click replaces
            type(w, "Text1", row.in);
            click(w, "Command1");
        }
        bool enabled = true;
        if (row.menu) {
            EXPECT_EQ(copyByMenu(w, enabled), "Copiar");
        } else {
            QTest::mouseClick(w.surface(), Qt::LeftButton, {}, QPoint(5, 5));
            QTest::keySequence(w.focusWidget() ? w.focusWidget() : &w, QKeySequence::Copy);
        }
        EXPECT_EQ(enabled, row.enabled);
        EXPECT_EQ(QGuiApplication::clipboard()->text(), row.enabled ? row.out : "antes");
        const auto* read = QAccessible::queryAccessibleInterface(w.surface());
        EXPECT_EQ(read->text(QAccessible::Description), row.out);
    }
}

TEST_F(Desktop, TextBoxesHaveDistinctAccessibleNamesAndLabelsNone) {
    int boxes = 0;
    for (const WindowEntry& entry : kAllWindows) {
        Form& w = entry.build(host());
        std::set<QString> names{QString()}; // an empty name counts as taken
        for (QLineEdit* box : w.findChildren<QLineEdit*>()) {
            ++boxes;
            const auto* read = QAccessible::queryAccessibleInterface(box);
            EXPECT_TRUE(names.insert(read->text(QAccessible::Name)).second) << entry.name;
        }
        for (QLabel* label : w.findChildren<QLabel*>())
            EXPECT_EQ(label->accessibleName(), "") << entry.name;
    }
    EXPECT_EQ(boxes, 11);
}

TEST_F(Desktop, EveryToolWindowsFrameIsCentredOnTheScreen) {
    const QPointF centre = QRectF(QGuiApplication::primaryScreen()->availableGeometry()).center();
    // The first window learns its frame only once shown; a later one takes the menu's.
    for (bool afterMenu : {false, true}) {
        for (const WindowEntry& entry : std::span(kAllWindows).subspan(1)) { // not the menu
            SCOPED_TRACE(std::string(entry.name) + (afterMenu ? " after the menu" : ""));
            restart();
            if (afterMenu)
                open<frmIndex>();
            Form& w = show(entry.build(host()));
            ASSERT_NE(w.frameGeometry(), w.geometry()); // the offscreen platform draws a frame
            const QPointF off = QRectF(w.frameGeometry()).center() - centre;
            EXPECT_LE(std::max(std::abs(off.x()), std::abs(off.y())), 1.0);
        }
    }
}

// WCAG's contrast ratio of two colours.
double contrast(QRgb a, QRgb b) {
    const auto luminance = [](QRgb c) {
        const auto lin = [](int v) {
            const double s = v / 255.0;
            return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * lin(qRed(c)) + 0.7152 * lin(qGreen(c)) + 0.0722 * lin(qBlue(c));
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The box as drawn: its commonest colour is the background, the one that stands out most the ink.
std::pair<QRgb, QRgb> drawn(QWidget* box) {
    const QImage image = box->grab().toImage().copy(box->rect().adjusted(4, 4, -4, -4));
    std::map<QRgb, int> count;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++count[image.pixel(x, y)];
    QRgb back = count.begin()->first;
    for (const auto& [colour, n] : count)
        back = n > count[back] ? colour : back;
    QRgb ink = back;
    for (const auto& [colour, n] : count)
        ink = contrast(colour, back) > contrast(ink, back) ? colour : ink;
    return {back, ink};
}

QPalette scheme(QColor window, QColor text, QColor grey) {
    QPalette p(text, window, window.lighter(), window.darker(), window.darker(), text, text, window,
               window);
    p.setColor(QPalette::Disabled, QPalette::Text, grey);
    return p;
}

TEST_F(Desktop, ADisabledAnswerIsGreyedButReadableInEveryColourScheme) {
    const QPalette system = QApplication::palette();
    const struct Restore {
        QPalette palette;
        ~Restore() { QApplication::setPalette(palette); }
    } restore{system};
    // clang-format off
    const struct { const char* name; QPalette palette; bool later; } rows[] = {
        {"the system's",         system,                                   false},
        {"dark once shown",      scheme(0x31363b, 0xeff0f1, 0x5c6166),     true},
        {"high contrast black",  scheme(Qt::black, Qt::white, 0x404040),   false},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        restart();
        QApplication::setPalette(row.later ? system : row.palette);
        Form& w = open<frmPerfectos>();
        click(w, "Check1");
        click(w, "Command1"); // " 6", in the disabled Text1
        QApplication::setPalette(row.palette);
        QApplication::processEvents();
        const auto [back, ink] = drawn(w.control("Text1"));
        click(w, "Check1");
        EXPECT_GE(contrast(ink, back), 4.5);
        EXPECT_GE(contrast(ink, drawn(w.control("Text1")).second), 1.25) << "greyed";
    }
}

TEST_F(Spanish, TheMessageBoxIsModalTitledWithoutIconAndItsOneButtonReadsAceptar) {
    host().setMessageSink({});
    int seen = 0;
    QTimer::singleShot(0, [&] { // runs inside the box's own event loop
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        ++seen;
        EXPECT_EQ(box->windowTitle(), "Ordevix");
        EXPECT_EQ(box->text(), "Debe ingresar valores");
        EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
        EXPECT_EQ(box->windowModality(), Qt::ApplicationModal);
        ASSERT_EQ(box->buttons().size(), 1);
        EXPECT_EQ(box->buttons().front()->text().remove('&'), "Aceptar");
        box->buttons().front()->click();
    });
    QTimer deadline; // a box nobody could answer fails the test instead of waiting forever
    deadline.callOnTimeout([] {
        ADD_FAILURE() << "the message box was left open";
        if (QWidget* box = QApplication::activeModalWidget())
            box->close();
    });
    deadline.start(5000);
    host().MsgBox(u"Debe ingresar valores");
    EXPECT_EQ(seen, 1);
}

} // namespace
} // namespace ordevix::test
