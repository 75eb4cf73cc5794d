// Moving between the windows, and what desktop users and assistive technology expect.
#include "window_fixture.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

#include <cmath>
#include <map>

namespace ordevix::test {
namespace {

using Desktop = UiTest;
using Navigation = UiTest;
using Spanish = UiTest; // also run by ctest under other system languages

void press(Form& w, const QString& caption) {
    for (QAbstractButton* button : w.findChildren<QAbstractButton*>())
        if (button->text() == caption)
            QTest::mouseClick(button, Qt::LeftButton);
}

TEST_F(Navigation, EveryWindowIsCentredAndTabbedInItsTablesOrder) {
    const QPointF centre = QRectF(QGuiApplication::primaryScreen()->availableGeometry()).center();
    // The first window learns its frame only once shown; a later one takes the menu's.
    for (bool afterMenu : {false, true}) {
        for (Build window :
             {indice, calc, factoreo, divisible, primos, perfectos, amigos, cuadraticas}) {
            restart();
            if (afterMenu)
                open(indice);
            Form& w = open(window);
            SCOPED_TRACE(w.objectName().toStdString() + (afterMenu ? " after the menu" : ""));
            ASSERT_NE(w.frameGeometry(), w.geometry()); // the offscreen platform draws a frame
            const QPointF off = QRectF(w.frameGeometry()).center() - centre;
            EXPECT_TRUE(window == indice || off.manhattanLength() <= 1);
            for (QLabel* label : w.findChildren<QLabel*>()) // a long caption wraps to fit
                EXPECT_LE(label->minimumSizeHint().width(), label->width())
                    << label->text().toStdString();
            std::map<int, QString> tabs;
            for (const Control& c : w.description().controls)
                if (c.kind != Kind::Label)
                    tabs[c.tabIndex] = c.name;
            for (const auto& [index, name] : tabs) {
                EXPECT_EQ(QApplication::focusWidget()->objectName(), name);
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            }
            EXPECT_EQ(QApplication::focusWidget()->objectName(), tabs.begin()->second);
        }
    }
    FormHost withoutStart; // every window above builds with each control bound, no tool first
    EXPECT_THROW(withoutStart.form<frmPrimos>(), WiringError);
}

TEST_F(Navigation, EachDoorOpensItsToolAsItWasLeftAndEveryWayOutEndsTheProgram) {
    // Through the door, "INICIO" back, the door again, then out of the tool or of the menu.
    // clang-format off
    const struct { const char* door; Build tool; const char* way; bool fromMenu; } rows[] = {
        {"Command1", calc,        "SALIR", false},
        {"Command2", factoreo,    "Esc",   false},
        {"Command3", primos,      "close", false},
        {"Command4", amigos,      "SALIR", true},
        {"Command5", divisible,   "F4",    true},
        {"Command6", cuadraticas, "Esc",   false},
        {"Command7", perfectos,   "close", true},
        {"Ctrl+B",   calc,        "Esc",   false},
        {"Ctrl+T",   cuadraticas, "SALIR", false},
        {"Alt+A",    amigos,      "close", false},
        {"Alt+U",    cuadraticas, "F4",    true},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.door);
        restart();
        Form& menu = open(indice);
        const auto door = [&] {
            if (!menu.control(row.door))
                return QTest::keySequence(&menu, QKeySequence(QString::fromLatin1(row.door)));
            click(menu, row.door);
            // A click that reaches the menu once hidden opens no second tool.
            QMetaObject::invokeMethod(menu.control("Command5"), "click", Qt::QueuedConnection);
            QApplication::processEvents();
        };
        door();
        Form& tool = row.tool(host());
        EXPECT_EQ(shown(), tool.objectName());
        auto* box = tool.findChild<QLineEdit*>();
        box->setText("abc");
        tool.Print(7);
        const QPoint menuAt = menu.pos(), toolAt = tool.pos();
        press(tool, "INICIO");
        EXPECT_EQ(shown(), "frmIndex");
        door();
        EXPECT_EQ(shown(), tool.objectName());
        EXPECT_EQ(box->text(), "abc");
        EXPECT_TRUE(tool.printedLines().empty());
        EXPECT_EQ(tool.pos(), toolAt);
        EXPECT_EQ(menu.pos(), menuAt);
        if (row.fromMenu)
            press(tool, "INICIO");
        Form& w = row.fromMenu ? menu : tool;
        w.activateWindow(); // as a click on it does, so that it takes keys
        QApplication::processEvents();
        if (row.way == QString("close"))
            w.close();
        else if (row.way != QString("SALIR"))
            QTest::keySequence(&w, QKeySequence(row.way));
        press(w, row.way);
        EXPECT_EQ(ends, 1);
        click(menu, "Command3"); // a window that is gone takes no clicks
        EXPECT_EQ(shown(), "");
    }
}

// WCAG's contrast ratio of two colours.
double contrast(QColor a, QColor b) {
    const auto luminance = [](QColor c) {
        const auto lin = [](double s) {
            return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * lin(c.redF()) + 0.7152 * lin(c.greenF()) + 0.0722 * lin(c.blueF()) + 0.05;
    };
    return std::max(luminance(a), luminance(b)) / std::min(luminance(a), luminance(b));
}

QPalette scheme(QColor window, QColor text, QColor grey) {
    QPalette p(text, window, window.lighter(), window.darker(), window.darker(), text, text, window,
               window);
    p.setColor(QPalette::Disabled, QPalette::Text, grey);
    return p;
}

TEST_F(Desktop, AutomaticoTurnedAnyWayGreysTheBoxesReadablyAndRestartsTheSearch) {
    // Ticked, two searches; cleared and ticked again, the next search gives the first hit.
    // The colour scheme is set before the window is shown, or once it is.
    const QPalette system = QApplication::palette(), dark = scheme(0x31363b, 0xeff0f1, 0x5c6166),
                   black = scheme(Qt::black, Qt::white, 0x404040);
    using Toggle = void (*)(QCheckBox*);
    const Toggle mouse = [](QCheckBox* box) { QTest::mouseClick(box, Qt::LeftButton); };
    const Toggle space = [](QCheckBox* box) { box->setFocus(), QTest::keyClick(box, ' '); };
    const Toggle reader = [](QCheckBox* box) {
        QAccessible::queryAccessibleInterface(box)->actionInterface()->doAction(
            QAccessibleActionInterface::toggleAction());
    };
    // clang-format off
    const struct { const char* name; Build window; Toggle toggle; QPalette palette; bool later;
                   QString first, second; } rows[] = {
        {"primes, mouse",           primos,    mouse,  system, false, "2",   "3"},
        {"perfect, Space",          perfectos, space,  dark,   true,  " 6",  " 28"},
        {"amicable, screen reader", amigos,    reader, black,  false, "220", "284"},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        restart();
        QApplication::setPalette(row.later ? system : row.palette);
        Form& w = open(row.window);
        const QList<QLineEdit*> boxes = w.findChildren<QLineEdit*>();
        const auto on = [&] { return std::ranges::count_if(boxes, &QWidget::isEnabled); };
        auto* box = qobject_cast<QCheckBox*>(w.control("Check1"));
        row.toggle(box);
        EXPECT_EQ(on(), 0);
        QApplication::setPalette(row.palette);
        QApplication::processEvents();
        const QPalette drawn = boxes[0]->palette();
        const QColor grey = drawn.color(QPalette::Disabled, QPalette::Text);
        EXPECT_GE(contrast(grey, drawn.color(QPalette::Disabled, QPalette::Base)), 4.5);
        EXPECT_GE(contrast(grey, drawn.color(QPalette::Active, QPalette::Text)), 1.25) << "greyed";
        click(w, "Command1");
        click(w, "Command1");
        EXPECT_EQ(shows(w, "Text1"), row.second);
        row.toggle(box);
        EXPECT_EQ(on(), boxes.size());
        row.toggle(box);
        click(w, "Command1");
        EXPECT_EQ(shows(w, "Text1"), row.first);
    }
    QApplication::setPalette(system);
}

TEST_F(Spanish, TheMessageBoxIsModalTitledWithoutIconWithOneAceptarButton) {
    host().setMessageSink({});
    int seen = 0;
    QTimer::singleShot(0, [&] { // inside the box's own event loop
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_TRUE(box);
        ++seen;
        EXPECT_EQ(box->windowTitle(), "Ordevix");
        EXPECT_EQ(box->text(), "Debe ingresar valores");
        EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
        EXPECT_EQ(box->windowModality(), Qt::ApplicationModal);
        EXPECT_EQ(box->buttons().size(), 1);
        for (QAbstractButton* button : box->buttons())
            EXPECT_EQ(button->text().remove('&'), "Aceptar");
        box->done(0);
    });
    host().MsgBox(u"Debe ingresar valores");
    EXPECT_EQ(seen, 1);
}

} // namespace
} // namespace ordevix::test
