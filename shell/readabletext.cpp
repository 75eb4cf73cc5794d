// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/readabletext.h"

#include <QApplication>
#include <QColor>
#include <QEvent>
#include <QLineEdit>
#include <QPalette>

#include <algorithm>
#include <cmath>

namespace ordevix {

namespace {

// The digits of the answer are thin strokes whose smoothed edges never reach
// their full colour at the window's 8-point size: a colour of 7:1 is drawn with
// darkest pixels of about 5:1 against the box, and 4.5:1 would leave them at 3.5
// (frmPerfectos-automatico.png of ordevix-screenshots).
constexpr double kLeastContrast = 7.0;

// Relative luminance of an sRGB colour, 0 for black to 1 for white.
double luminance(const QColor& colour) {
    const auto linear = [](double c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

QColor mix(const QColor& from, const QColor& to, double t) {
    return QColor::fromRgbF(float(from.redF() + (to.redF() - from.redF()) * t),
                            float(from.greenF() + (to.greenF() - from.greenF()) * t),
                            float(from.blueF() + (to.blueF() - from.blueF()) * t));
}

// From 1 (the same colour) to 21 (black on white).
double contrastRatio(const QColor& a, const QColor& b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The colour a disabled text box of this palette writes its text in.
QColor readableDisabledText(const QPalette& palette) {
    const QColor back = palette.color(QPalette::Disabled, QPalette::Base);
    const QColor grey = palette.color(QPalette::Disabled, QPalette::Text);
    if (contrastRatio(grey, back) >= kLeastContrast)
        return grey;
    QColor toward = palette.color(QPalette::Active, QPalette::Text);
    if (contrastRatio(toward, back) < kLeastContrast)
        toward =
            contrastRatio(Qt::black, back) > contrastRatio(Qt::white, back) ? Qt::black : Qt::white;
    // The least step toward it that is readable: the text stays as grey as it can.
    constexpr int kSteps = 64;
    for (int step = 1; step < kSteps; ++step) {
        const QColor candidate = mix(grey, toward, double(step) / kSteps);
        if (contrastRatio(candidate, back) >= kLeastContrast)
            return candidate;
    }
    return toward;
}

// Sets the colour again whenever the box's palette changes, which it does when
// the colour scheme does; setting it raises one more change, which finds the
// colour already right.
class DisabledTextWatch : public QObject {
public:
    explicit DisabledTextWatch(QLineEdit* box) : QObject(box), box_(box) {
        box->installEventFilter(this);
        apply();
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::PaletteChange)
            apply();
        return false;
    }

private:
    void apply() {
        // From the scheme itself: the box's own palette holds the colour set before.
        const QColor readable = readableDisabledText(QApplication::palette(box_));
        QPalette palette = box_->palette();
        if (palette.color(QPalette::Disabled, QPalette::Text) == readable)
            return;
        palette.setColor(QPalette::Disabled, QPalette::Text, readable);
        box_->setPalette(palette);
    }

    QLineEdit* box_;
};

} // namespace

void keepDisabledTextReadable(QLineEdit* box) {
    new DisabledTextWatch(box);
}

} // namespace ordevix
