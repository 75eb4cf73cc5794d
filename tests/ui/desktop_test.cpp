// The program as the desktop shows it: the window icons render, Qt's own texts are Spanish.
#include "all_windows.h"
#include "window_fixture.h"
#include <QMenu>
#include <QMessageBox>
#include <QTimer>

namespace ordevix::test {
namespace {
using Icons = UiTest;
using Spanish = UiTest; // also run by ctest under other system languages
TEST_F(Icons, EveryWindowIconIsDrawnAtBothSizes) {
    for (const WindowEntry& entry : kAllWindows)
        for (int n : {16, 32}) { // a missing icon renders null or blank: fewer than three colours
            const QImage image = entry.build(host()).windowIcon().pixmap(n).toImage();
            EXPECT_EQ(image.size(), QSize(n, n)) << entry.name;
            EXPECT_GE(image.convertToFormat(QImage::Format_Indexed8).colorCount(), 3) << entry.name;
        }
}
TEST_F(Spanish, TheMessageBoxAndTheTextBoxMenuReadSpanish) {
    host().setMessageSink({});
    QStringList texts;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        for (QAbstractButton* button : box->buttons())
            texts << button->text();
        box->buttons().front()->click();
    });
    host().MsgBox(u"Debe ingresar valores");
    const std::unique_ptr<QMenu> menu(
        qobject_cast<QLineEdit*>(open<frmEsDivisible>().control("Text1"))
            ->createStandardContextMenu());
    for (QAction* action : menu->actions())
        texts << action->text().section('\t', 0, 0);
    EXPECT_EQ(texts.join('|').remove('&'),
              "Aceptar|Deshacer|Rehacer||Cortar|Copiar|Pegar|Borrar||Seleccionar todo");
}
} // namespace
} // namespace ordevix::test
