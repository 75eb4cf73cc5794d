// The program as the desktop shows it: the window icons come from the compiled
// resources and render, and Qt's own texts are Spanish.
#include "all_windows.h"
#include "window_fixture.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>

#include <map>
#include <set>

namespace ordevix::test {
namespace {

QImage render(const QIcon& icon, int size) {
    return icon.pixmap(QSize(size, size)).toImage().convertToFormat(QImage::Format_ARGB32);
}

// A drawn icon has opaque pixels and more than one colour; a missing file or a
// missing SVG engine gives a null or blank picture.
bool looksDrawn(const QImage& image) {
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) == 255)
                colours.insert(image.pixel(x, y));
    return colours.size() >= 2;
}

using Icons = UiTest;

TEST_F(Icons, EveryWindowShowsItsOwnIconAtBothSizes) {
    std::map<std::string, QImage> byPath;
    for (const WindowEntry& entry : kAllWindows) {
        SCOPED_TRACE(entry.name);
        Form& window = entry.build();
        const char* path = window.description().icon;
        ASSERT_NE(path, nullptr);
        EXPECT_TRUE(QFile::exists(QString::fromUtf8(path))) << path;
        for (int size : {16, 32}) {
            const QImage image = render(window.windowIcon(), size);
            EXPECT_EQ(image.size(), QSize(size, size));
            EXPECT_TRUE(looksDrawn(image)) << size << " px";
        }
        // Windows share a picture exactly when they share an icon file.
        byPath.emplace(path, render(window.windowIcon(), 32));
        EXPECT_EQ(render(window.windowIcon(), 32), byPath.at(path));
    }
    EXPECT_EQ(byPath.size(), 6u);
    for (auto a = byPath.begin(); a != byPath.end(); ++a)
        for (auto b = std::next(a); b != byPath.end(); ++b)
            EXPECT_NE(a->second, b->second) << a->first << " and " << b->first;
    // The application's own icon is the main menu's.
    EXPECT_EQ(render(QApplication::windowIcon(), 32),
              render(host().form<frmIndex>().windowIcon(), 32));
}

// Also run by ctest under other system languages.
using Spanish = UiTest;

TEST_F(Spanish, TheMessageBoxButtonReadsAceptar) {
    host().setMessageSink({});
    QStringList captions;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        for (QAbstractButton* button : box->buttons())
            captions << button->text().remove(QLatin1Char('&'));
        box->buttons().front()->click();
    });
    host().MsgBox(u"Debe ingresar valores");
    EXPECT_EQ(captions, QStringList{QStringLiteral("Aceptar")});
}

TEST_F(Spanish, TheTextBoxContextMenuIsSpanish) {
    auto* edit = qobject_cast<QLineEdit*>(open<frmEsDivisible>().control("Text1"));
    ASSERT_NE(edit, nullptr);
    std::unique_ptr<QMenu> menu(edit->createStandardContextMenu());
    QStringList entries;
    for (QAction* action : menu->actions())
        if (!action->isSeparator())
            entries << action->text().remove(QLatin1Char('&')).section(QLatin1Char('\t'), 0, 0);
    for (const char* expected : {"Deshacer", "Rehacer", "Cortar", "Copiar", "Pegar"})
        EXPECT_TRUE(entries.contains(QString::fromUtf8(expected)))
            << expected << " not in " << entries.join(QStringLiteral(", ")).toStdString();
}

} // namespace
} // namespace ordevix::test
