// What the form host gives every window: the printing surface, the captions it
// fits into buttons, and the real message box.
#include "all_windows.h"
#include "window_fixture.h"

#include <QFontMetrics>
#include <QImage>

namespace ordevix::test {
namespace {

using Host = UiTest;

TEST_F(Host, EachPrintedLineIsDrawnInItsOwnBand) {
    // The factor list of 999 is five lines; band k runs from k to k + 1 line heights.
    // The lines printed before are wiped and the list starts again at the top.
    frmFactoreo& w = open<frmFactoreo>();
    for (Integer n : {1, 2, 3})
        w.Print(n);
    type(w, "Text1", "999");
    click(w, "Command1");
    QImage image(w.surface()->size(), QImage::Format_RGB32);
    w.surface()->render(&image, {}, {}, QWidget::DrawWindowBackground); // no controls
    const QRgb paper = image.pixel(image.width() - 1, image.height() - 1);
    const int lineHeight = QFontMetrics(w.font()).lineSpacing();
    const auto inkedRows = [&](int band) {
        int rows = 0;
        for (int y = band * lineHeight; y < (band + 1) * lineHeight; ++y)
            for (int x = 0; x < image.width() / 4; ++x)
                if (image.pixel(x, y) != paper) {
                    ++rows;
                    break;
                }
        return rows;
    };
    for (int band = 0; band < 5; ++band)
        EXPECT_GE(inkedRows(band), lineHeight / 3) << "line " << band;
    EXPECT_EQ(inkedRows(5), 0) << "below the last line";
}

TEST_F(Host, ALongButtonCaptionBreaksAtItsLastBlank) {
    // clang-format off
    const struct { const char* name; const char* button; const char* shown; } rows[] = {
        {"Funciones Cuadráticas", "Command6", "F&unciones\nCuadráticas"}, {"Es Divisible", "Command5", "&Es Divisible"},
    };
    // clang-format on
    frmIndex& menu = open<frmIndex>();
    for (const auto& row : rows)
        EXPECT_EQ(qobject_cast<QAbstractButton*>(menu.control(row.button))->text(),
                  QString::fromUtf8(row.shown))
            << row.name;
}

TEST_F(Host, TheRealMessageBoxIsModalTitledWithoutIconAndHasOneButton) {
    host().setMessageSink({});
    QMessageBox* seen = nullptr;
    ModalWatch watch([&](QMessageBox& box) {
        seen = &box;
        EXPECT_EQ(box.windowTitle(), "Ordevix");
        EXPECT_EQ(box.text(), "Debe ingresar valores");
        EXPECT_EQ(box.icon(), QMessageBox::NoIcon);
        EXPECT_EQ(box.windowModality(), Qt::ApplicationModal);
        EXPECT_EQ(box.buttons().size(), 1);
    });
    host().MsgBox(u"Debe ingresar valores");
    EXPECT_NE(seen, nullptr);
}

} // namespace
} // namespace ordevix::test
