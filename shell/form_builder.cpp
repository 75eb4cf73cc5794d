// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/form_builder.h"

#include "shell/fonts.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QColor>
#include <QEvent>
#include <QFontMetrics>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <QPushButton>
#include <QShortcutEvent>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string_view>
#include <vector>

namespace ordevix {

namespace {

// A push button whose access key clicks it at once, as Enter and space do,
// rather than after the short animation Qt plays: a delayed click could land
// after its window was hidden.
class AccessKeyButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::Shortcut && isEnabled() &&
            !static_cast<QShortcutEvent*>(event)->isAmbiguous()) {
            setFocus(Qt::ShortcutFocusReason);
            click();
            return true;
        }
        return QPushButton::event(event);
    }
};

QRect twipsRect(const Control& c) {
    return {twipsToPixels(c.left), twipsToPixels(c.top), twipsToPixels(c.width),
            twipsToPixels(c.height)};
}

// Pixels of a push button's width that its frame and padding keep from the caption.
constexpr int kButtonCaptionInset = 8;

// A caption too wide for its button is broken into two lines at a blank.
QString fitCaption(const QString& caption, const QFont& font, int width) {
    const qsizetype blank = caption.lastIndexOf(QLatin1Char(' '));
    if (blank < 0)
        return caption;
    const QFontMetrics metrics(font);
    const int room = width - kButtonCaptionInset;
    QString plain = caption;
    plain.remove(QLatin1Char('&'));
    if (metrics.horizontalAdvance(plain) <= room)
        return caption;
    return caption.left(blank) + QLatin1Char('\n') + caption.mid(blank + 1);
}

// A disabled text box is drawn greyed, but the number an automatic search
// writes into it is the answer the user waits for: its grey is darkened (or,
// on a dark colour scheme, lightened) toward the normal text colour just
// enough for the drawn digits to stand at least 4.5:1 against the box, the
// least contrast for readable text. It follows the colour scheme whenever the
// scheme changes.
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

QWidget* buildTextBox(const Control& c, const QString& text, QWidget* surface) {
    auto* edit = new QLineEdit(surface);
    // Text boxes have no length limit: a long pasted text reaches the
    // conversions whole, which then read its leading number or refuse it.
    edit->setMaxLength(std::numeric_limits<int>::max());
    edit->setText(text);
    if (c.accessibleName)
        edit->setAccessibleName(QString::fromUtf8(c.accessibleName));
    // An automatic search writes its answer into a disabled box.
    new DisabledTextWatch(edit);
    return edit;
}

QWidget* buildButton(const Control& c, const QString& caption, QWidget* surface) {
    const QFont font = c.font.face ? makeFont(c.font) : surface->font();
    auto* button = new AccessKeyButton(fitCaption(caption, font, twipsToPixels(c.width)), surface);
    // Enter goes to the window, which gives it to the focused or the default button.
    button->setAutoDefault(false);
    if (c.roles & kDefault)
        button->setDefault(true);
    return button;
}

QWidget* buildWidget(const Control& c, QWidget* surface) {
    const QString caption = QString::fromUtf8(c.caption ? c.caption : "");
    switch (c.kind) {
    case Kind::Label:
        return new CaptionLabel(caption.toStdU16String(), surface);
    case Kind::TextBox:
        return buildTextBox(c, caption, surface);
    case Kind::CommandButton:
        return buildButton(c, caption, surface);
    case Kind::CheckBox:
        break;
    }
    return new QCheckBox(caption, surface);
}

} // namespace

CaptionLabel::CaptionLabel(const Text& caption, QWidget* parent)
    : QLabel(QString::fromStdU16String(caption), parent), caption_(caption) {
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
}

void CaptionLabel::setCaption(const Text& caption) {
    caption_ = caption;
    if (!showQueued_) {
        showQueued_ = true;
        QMetaObject::invokeMethod(this, &CaptionLabel::showCaption, Qt::QueuedConnection);
    }
}

void CaptionLabel::showCaption() {
    showQueued_ = false;
    setText(QString::fromStdU16String(caption_));
}

QWidget* buildControl(const Control& c, QWidget* surface) {
    QWidget* widget = buildWidget(c, surface);
    widget->setObjectName(QString::fromUtf8(c.name));
    widget->setGeometry(twipsRect(c));
    if (c.font.face)
        widget->setFont(makeFont(c.font));
    if (c.toolTip)
        widget->setToolTip(QString::fromUtf8(c.toolTip));
    return widget;
}

QMenuBar* buildMenuBar(std::span<const MenuItem> menu, QWidget* window) {
    auto* bar = new QMenuBar(window);
    bar->setObjectName(QStringLiteral("menuBar"));
    QMenu* current = nullptr;
    const char* currentName = nullptr;
    for (const MenuItem& item : menu) {
        if (!current || std::string_view(currentName) != item.menuName) {
            current = bar->addMenu(QString::fromUtf8(item.menuCaption));
            current->setObjectName(QString::fromUtf8(item.menuName));
            currentName = item.menuName;
        }
        QAction* action = current->addAction(QString::fromUtf8(item.caption));
        action->setObjectName(QString::fromUtf8(item.name));
        action->setShortcut(QKeySequence(QString::fromUtf8(item.shortcut)));
        action->setShortcutContext(Qt::WindowShortcut);
        window->addAction(action);
    }
    return bar;
}

void orderTabs(std::span<const Control> controls, QWidget* surface) {
    std::vector<const Control*> byTab;
    for (const Control& c : controls)
        if (c.kind != Kind::Label)
            byTab.push_back(&c);
    std::sort(byTab.begin(), byTab.end(),
              [](const Control* a, const Control* b) { return a->tabIndex < b->tabIndex; });
    auto widget = [surface](const Control* c) {
        return surface->findChild<QWidget*>(QString::fromUtf8(c->name), Qt::FindDirectChildrenOnly);
    };
    for (size_t k = 1; k < byTab.size(); ++k)
        QWidget::setTabOrder(widget(byTab[k - 1]), widget(byTab[k]));
}

} // namespace ordevix
