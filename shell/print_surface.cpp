// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/print_surface.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QPainter>
#include <QStringList>

namespace ordevix {

namespace {

// The number form of Print: a sign position, the digits, one blank.
QString printForm(Integer n) {
    return QString::fromStdU16String(NumberToSignedText(n)) + QLatin1Char(' ');
}

} // namespace

PrintSurface::PrintSurface(QWidget* parent)
    : QWidget(parent), copyAction_(new QAction(QStringLiteral("Copiar"), this)) {
    copyAction_->setObjectName(QStringLiteral("copiar"));
    copyAction_->setShortcut(QKeySequence::Copy);
    copyAction_->setShortcutContext(Qt::WidgetShortcut);
    copyAction_->setEnabled(false);
    connect(copyAction_, &QAction::triggered, this, &PrintSurface::copy);
    addAction(copyAction_);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    setFocusPolicy(Qt::NoFocus);
}

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

QString PrintSurface::numbers() const {
    QStringList numbers;
    for (const Line& line : lines_)
        numbers << QString::number(line.value);
    return numbers.join(QLatin1Char('\n'));
}

void PrintSurface::copy() {
    if (!lines_.empty())
        QGuiApplication::clipboard()->setText(numbers());
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

void PrintSurface::changed() {
    // Screen readers get the printed numbers, one per line.
    setAccessibleDescription(numbers());
    // With nothing printed there is nothing to copy, and a click on the empty
    // surface leaves the focus where it was.
    const bool printed = !lines_.empty();
    copyAction_->setEnabled(printed);
    setFocusPolicy(printed ? Qt::ClickFocus : Qt::NoFocus);
    update();
}

} // namespace ordevix
