// Moving between the windows, and the message box as the user sees it.
#include "window_fixture.h"

#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

#include <map>

namespace ordevix::test {
namespace {

using Navigation = UiTest;
using Spanish = UiTest; // also run by ctest under other system languages

void press(Form& w, const QString& caption) {
    for (QAbstractButton* button : w.findChildren<QAbstractButton*>())
        if (button->text() == caption)
            QTest::mouseClick(button, Qt::LeftButton);
}

TEST_F(Navigation, EveryWindowIsCentredAndTabbedInItsTablesOrder) {
    const QPointF centre = QRectF(QGuiApplication::primaryScreen()->availableGeometry()).center();
    // The first window learns its frame once shown; a later one takes the menu's.
    for (bool afterMenu : {false, true}) {
        for (Build window :
             {indice, calc, factoreo, divisible, primos, perfectos, amigos, cuadraticas}) {
            restart();
            if (afterMenu)
                open(indice);
            Form& w = open(window);
            SCOPED_TRACE(w.objectName().toStdString() + (afterMenu ? " after the menu" : ""));
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
