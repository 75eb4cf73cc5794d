// What a desktop user and assistive technology expect of the windows: a check
// box follows every way of turning it, the printed numbers can be copied and
// read out, text boxes have accessible names, an automatic answer is readable
// in its disabled box in any colour scheme, tool windows are centred with their
// frame, the icons come in every size and Qt's own texts are Spanish.
#include "window_fixture.h"

#include <QAccessible>
#include <QClipboard>
#include <QContextMenuEvent>
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

// A screen reader, switch access or voice control: the box's accessible action.
void byScreenReader(QCheckBox* box) {
    QAccessible::queryAccessibleInterface(box)->actionInterface()->doAction(
        QAccessibleActionInterface::toggleAction());
}
// clang-format off
void byMouse(QCheckBox* box) { QTest::mouseClick(box, Qt::LeftButton); }
void bySpace(QCheckBox* box) { box->setFocus(); QTest::keyClick(box, Qt::Key_Space); }
const struct { const char* name; void (*toggle)(QCheckBox*); } kToggles[] = {{"screen reader", &byScreenReader}, {"mouse", &byMouse}, {"space", &bySpace}};
// clang-format on

TEST_F(Desktop, AutomaticoTurnedAnyWayDisablesTheBoxesAndResetsTheCounterAsAClickDoes) {
    // Text1/Text2 after each step, a disabled one in brackets. Steps: tick, Calcular twice,
    // clear, tick, Calcular. Primos resets its counter to 1 when cleared, so the last search
    // shows 2 again; Perfectos and Amigos restart at 1 when ticked, so the last search shows
    // their first hit again (the searches pass over 1).
    // clang-format off
    const struct { const char* name; Form& (*build)(FormHost&); const char* expected; } windows[] = {
        {"frmPrimos",    &buildWindow<frmPrimos>,    "[] [2] [3] 3 [3] [2]"},
        {"frmPerfectos", &buildWindow<frmPerfectos>, "[] [ 6] [ 28]  28 [ 28] [ 6]"},
        {"frmAmigos",    &buildWindow<frmAmigos>,    "[]/[] [220]/[284] [284]/[220] 284/220 [284]/[220] [220]/[284]"},
    };
    // clang-format on
    for (const auto& window : windows) {
        for (const auto& way : kToggles) {
            SCOPED_TRACE(std::string(window.name) + " by " + way.name);
            restart();
            Form& w = show(window.build(host()));
            auto* box = qobject_cast<QCheckBox*>(w.control("Check1"));
            QStringList shown;
            for (char step : std::string("TCCTTC")) {
                step == 'T' ? way.toggle(box) : click(w, "Command1");
                QStringList texts;
                for (const char* name : {"Text1", "Text2"})
                    if (w.control(name))
                        texts << QString(w.enabled(name) ? "%1" : "[%1]").arg(textOf(w, name));
                shown << texts.join('/');
            }
            EXPECT_EQ(shown.join(' ').toStdString(), window.expected);
            EXPECT_TRUE(messages.empty());
        }
    }
}

// Right-clicks the surface and takes "Copiar" from the menu that opens, if it is
// enabled; returns the menu's items, a disabled one in brackets.
QString copyByMenu(Form& w) {
    QStringList items;
    QTimer::singleShot(0, [&items] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (QAction* action : menu->actions())
            items << (action->isEnabled() ? action->text() : "[" + action->text() + "]");
        if (menu->actions().front()->isEnabled())
            menu->actions().front()->trigger();
        menu->close();
    });
    const QPoint at(5, 5);
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, at, w.surface()->mapToGlobal(at));
    QApplication::sendEvent(w.surface(), &rightClick);
    return items.join('|');
}

// Clicks the surface, which takes the focus if there is something to copy, then Ctrl+C.
QString copyByKeys(Form& w) {
    QTest::mouseClick(w.surface(), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::keySequence(w.focusWidget() ? w.focusWidget() : &w, QKeySequence::Copy);
    return "no menu";
}

TEST_F(Desktop, ThePrintedNumbersAreReadOutAndGoToTheClipboardOnePerLine) {
    const QString thirteenTwos = QString("2\n").repeated(13) + "1", untouched = "antes";
    // clang-format off
    const struct { const char* name; const char* text; QString (*copy)(Form&); const char* menu; QString clipboard; } rows[] = {
        {"8192 by the menu",           "8192",  &copyByMenu, "Copiar",   thirteenTwos},
        {"8192 by Ctrl+C",             "8192",  &copyByKeys, "no menu",  thirteenTwos},
        {"nothing printed yet",        nullptr, &copyByMenu, "[Copiar]", untouched},
        {"a refusal wiped the list",   "1",     &copyByMenu, "[Copiar]", untouched},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        restart();
        Form& w = open<frmFactoreo>();
        QGuiApplication::clipboard()->setText(untouched);
        if (row.text) {
            type(w, "Text1", "12");
            click(w, "Command1"); // a list that the next click replaces
            type(w, "Text1", row.text);
            click(w, "Command1");
        }
        EXPECT_EQ(row.copy(w).toStdString(), row.menu);
        EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), row.clipboard.toStdString());
        const QString described = row.clipboard == untouched ? "" : row.clipboard; // read out
        EXPECT_EQ(
            QAccessible::queryAccessibleInterface(w.surface())->text(QAccessible::Description),
            described);
    }
}

TEST_F(Desktop, TextBoxesHaveDistinctAccessibleNamesAndLabelsNoneOfTheirOwn) {
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

TEST_F(Desktop, EveryToolWindowsFrameIsCentredOnTheScreen) {
    const QPointF centre = QRectF(QGuiApplication::primaryScreen()->availableGeometry()).center();
    // The first window on the screen learns its frame only once shown; a later one is placed
    // with the frame of the main menu.
    for (bool afterMenu : {false, true}) {
        for (const WindowEntry& entry : std::span(kAllWindows).subspan(1)) { // all but the menu
            SCOPED_TRACE(std::string(entry.name) + (afterMenu ? " after the menu" : " first"));
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

TEST_F(Desktop, EveryWindowIconAndTheProgramsComeInEverySizeUpTo256) {
    std::vector<std::pair<std::string, QIcon>> icons = {
        {"the program", QApplication::windowIcon()}};
    for (const WindowEntry& entry : kAllWindows)
        icons.emplace_back(entry.name, entry.build(host()).windowIcon());
    for (const auto& [name, icon] : icons) {
        QStringList drawn; // a size missing from the icon would be scaled from another one
        for (const QSize& size : icon.availableSizes()) {
            const QImage image = icon.pixmap(size).toImage();
            drawn << QString("%1x%2").arg(image.width()).arg(image.height());
            EXPECT_GE(image.convertToFormat(QImage::Format_Indexed8).colorCount(), 3) // not blank
                << name << " at " << size.width();
        }
        EXPECT_EQ(drawn.join(' ').toStdString(), "16x16 24x24 32x32 48x48 64x64 128x128 256x256")
            << name;
    }
}

// WCAG's contrast ratio: relative luminances, each plus 0.05, the larger over the smaller.
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

// The box as drawn, inside its frame: its most common colour is the background, and
// the pixel that stands out most from it the text's.
struct Drawn {
    QRgb back, ink;
};
Drawn drawn(QWidget* box) {
    const QImage image = box->grab().toImage().copy(box->rect().adjusted(4, 4, -4, -4));
    std::map<QRgb, int> count;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++count[image.pixel(x, y)];
    const auto more = [](const auto& a, const auto& b) { return a.second < b.second; };
    const QRgb back = std::max_element(count.begin(), count.end(), more)->first;
    QRgb ink = back;
    for (const auto& [colour, n] : count)
        if (contrast(colour, back) > contrast(ink, back))
            ink = colour;
    return {back, ink};
}

// A colour scheme: window, box and text colours, and the greys of disabled text and boxes.
QPalette scheme(QColor window, QColor base, QColor text, QColor grey, QColor greyBase) {
    QPalette p(text, window, window.lighter(), window.darker(), window.darker(), text, text, base,
               window);
    p.setColor(QPalette::Disabled, QPalette::Text, grey);
    p.setColor(QPalette::Disabled, QPalette::Base, greyBase);
    return p;
}

TEST_F(Desktop, AnAutomaticAnswerInItsDisabledBoxIsGreyedButReadableInEveryColourScheme) {
    const QPalette system = QApplication::palette();
    const struct Restore {
        QPalette palette;
        ~Restore() { QApplication::setPalette(palette); }
    } restore{system};
    const QPalette dark = scheme(0x31363b, 0x232629, 0xeff0f1, 0x5c6166, 0x31363b);
    const QPalette white = scheme(Qt::white, Qt::white, Qt::black, 0xc0c0c0, Qt::white);
    const QPalette black = scheme(Qt::black, Qt::black, Qt::white, 0x404040, Qt::black);
    struct Row {
        const char* name;
        Form& (*build)(FormHost&);
        QPalette palette;
        bool later; // the scheme changes once the answer is shown
    };
    // clang-format off
    const Row rows[] = {
        {"perfect, the system's", &buildWindow<frmPerfectos>, system, false},
        {"prime, the system's", &buildWindow<frmPrimos>, system, false},
        {"amicable, the system's", &buildWindow<frmAmigos>, system, false},
        {"perfect, dark", &buildWindow<frmPerfectos>, dark, false},
        {"perfect, dark once shown", &buildWindow<frmPerfectos>, dark, true},
        {"perfect, high contrast white", &buildWindow<frmPerfectos>, white, false},
        {"perfect, high contrast black", &buildWindow<frmPerfectos>, black, false},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        restart();
        QApplication::setPalette(row.later ? system : row.palette);
        Form& w = show(row.build(host()));
        click(w, "Check1");
        click(w, "Command1"); // the first hit, in the disabled Text1
        QApplication::setPalette(row.palette);
        QApplication::processEvents();
        ASSERT_FALSE(w.enabled("Text1"));
        const Drawn disabled = drawn(w.control("Text1"));
        click(w, "Check1"); // the same answer in the box enabled
        const Drawn enabled = drawn(w.control("Text1"));
        EXPECT_GE(contrast(disabled.ink, disabled.back), 4.5);
        EXPECT_GE(contrast(disabled.ink, enabled.ink), 1.25) << "greyed, unlike normal text";
    }
}

TEST_F(Spanish, TheRealMessageBoxIsModalTitledWithoutIconAndItsOneButtonReadsAceptar) {
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
