#include "shell/printsurface.h"

#include <QPainter>
#include <QStringList>

namespace ordevix {

namespace {

// The number form of Print: a sign position, the digits, one blank.
QString printForm(Integer n) {
    return QString::fromStdU16String(NumberToSignedText(n)) + QLatin1Char(' ');
}

} // namespace

void PrintSurface::print(Integer value) {
    lines_.push_back({printY_, value});
    printY_ += fontMetrics().lineSpacing();
    changed();
}

void PrintSurface::cls() {
    lines_.clear();
    printY_ = 0;
    changed();
}

void PrintSurface::forget() {
    if (lines_.empty())
        return;
    lines_.clear();
    changed();
}

std::vector<QString> PrintSurface::lines() const {
    std::vector<QString> out;
    for (const Line& line : lines_)
        out.push_back(printForm(line.value));
    return out;
}

void PrintSurface::paintEvent(QPaintEvent*) {
    if (lines_.empty())
        return;
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    const int ascent = fontMetrics().ascent();
    for (const Line& line : lines_)
        painter.drawText(0, line.y + ascent, printForm(line.value));
}

// Screen readers get the printed numbers, one per line.
void PrintSurface::changed() {
    QStringList numbers;
    for (const Line& line : lines_)
        numbers << QString::number(line.value);
    setAccessibleDescription(numbers.join(QLatin1Char('\n')));
    update();
}

} // namespace ordevix
