// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/form_builder.h"

#include "shell/fonts.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QColor>
#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
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
#include <utility>
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

// Pixels of a push button's width that its frame and padding keep from the caption.
constexpr int kButtonCaptionInset = 8;

// A caption too wide for its button is broken into two lines at a blank.
QString fitCaption(const QString& caption, const QFont& font, int width) {
    const qsizetype blank = caption.lastIndexOf(QLatin1Char(' '));
    if (blank < 0)
        return caption;
    const QString plain = QString(caption).remove(QLatin1Char('&'));
    if (QFontMetrics(font).horizontalAdvance(plain) <= width - kButtonCaptionInset)
        return caption;
    return caption.left(blank) + QLatin1Char('\n') + caption.mid(blank + 1);
}

// A disabled text box is drawn greyed, but an automatic search writes its
// answer there: the grey is moved toward the normal text colour just enough to
// stand 7:1 against the box, following the colour scheme. 7 rather than the
// usual 4.5, because the smoothed edges of the thin 8-point digits never reach
// their full colour: 7:1 is drawn with darkest pixels of about 5:1.
constexpr double kLeastContrast = 7.0;

double luminance(const QColor& c) {
    const auto linear = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

double contrastRatio(const QColor& a, const QColor& b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readableDisabledText(const QPalette& palette) {
    const QColor back = palette.color(QPalette::Disabled, QPalette::Base);
    const QColor grey = palette.color(QPalette::Disabled, QPalette::Text);
    if (contrastRatio(grey, back) >= kLeastContrast)
        return grey;
    QColor toward = palette.color(QPalette::Active, QPalette::Text);
    if (contrastRatio(toward, back) < kLeastContrast)
        toward =
            contrastRatio(Qt::black, back) > contrastRatio(Qt::white, back) ? Qt::black : Qt::white;
    // The least readable step toward it, so the text stays as grey as it can.
    constexpr int kSteps = 64;
    for (int step = 1; step < kSteps; ++step) {
        const auto mix = [t = double(step) / kSteps](float from, float to) {
            return float(from + (to - from) * t);
        };
        const QColor candidate =
            QColor::fromRgbF(mix(grey.redF(), toward.redF()), mix(grey.greenF(), toward.greenF()),
                             mix(grey.blueF(), toward.blueF()));
        if (contrastRatio(candidate, back) >= kLeastContrast)
            return candidate;
    }
    return toward;
}

// Recoloured whenever its palette changes, as it does with the colour scheme.
class ReadableTextBox : public QLineEdit {
public:
    explicit ReadableTextBox(QWidget* parent) : QLineEdit(parent) { applyReadableGrey(); }

protected:
    void changeEvent(QEvent* event) override {
        if (event->type() == QEvent::PaletteChange)
            applyReadableGrey();
        QLineEdit::changeEvent(event);
    }

private:
    void applyReadableGrey() {
        // From the scheme: the box's own palette holds the colour set before.
        const QColor readable = readableDisabledText(QApplication::palette(this));
        if (palette().color(QPalette::Disabled, QPalette::Text) == readable)
            return;
        QPalette readablePalette = palette();
        readablePalette.setColor(QPalette::Disabled, QPalette::Text, readable);
        setPalette(readablePalette);
    }
};

QWidget* buildTextBox(const Control& c, const QString& text, QWidget* surface) {
    auto* edit = new ReadableTextBox(surface);
    // Text boxes have no length limit: a long pasted text reaches the
    // conversions whole, which then read its leading number or refuse it.
    edit->setMaxLength(std::numeric_limits<int>::max());
    edit->setText(text);
    if (c.accessibleName)
        edit->setAccessibleName(QString::fromUtf8(c.accessibleName));
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
    if (!std::exchange(showQueued_, true))
        QMetaObject::invokeMethod(this, &CaptionLabel::showCaption, Qt::QueuedConnection);
}

void CaptionLabel::showCaption() {
    showQueued_ = false;
    setText(QString::fromStdU16String(caption_));
}

QWidget* buildControl(const Control& c, QWidget* surface) {
    QWidget* widget = buildWidget(c, surface);
    widget->setObjectName(QString::fromUtf8(c.name));
    widget->setGeometry(twipsToPixels(c.left), twipsToPixels(c.top), twipsToPixels(c.width),
                        twipsToPixels(c.height));
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
