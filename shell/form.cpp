// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/form.h"

#include "shell/fonts.h"
#include "shell/form_builder.h"
#include "shell/print_surface.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cstring>
#include <string_view>

namespace ordevix {

namespace {

PrintSurface* buildSurface(const FormDescription& description, QWidget* window) {
    auto* surface = new PrintSurface(window);
    surface->setObjectName(QStringLiteral("surface"));
    surface->setAccessibleName(QString::fromUtf8(description.caption));
    surface->setFixedSize(twipsToPixels(description.clientWidth),
                          twipsToPixels(description.clientHeight));
    return surface;
}

// From the title bar's 16 px to the 256 px of docks and task switchers.
constexpr int kIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

bool isClickable(Kind kind) {
    return kind == Kind::CommandButton || kind == Kind::CheckBox;
}

} // namespace

QIcon iconNamed(const char* name) {
    QIcon icon;
    for (const int size : kIconSizes)
        icon.addFile(QStringLiteral(":/icons/%1/%2.png").arg(size).arg(QLatin1String(name)),
                     QSize(size, size));
    return icon;
}

Form::Form(FormHost& host, const FormDescription& description)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      host_(host), description_(description) {
    build();
}

void Form::build() {
    setObjectName(QString::fromUtf8(description_.name));
    setWindowTitle(QString::fromUtf8(description_.caption));
    setFont(makeFont(description_.font));
    if (description_.icon)
        setWindowIcon(iconNamed(description_.icon));

    // The frame is fixed: the window takes exactly the size of its client area.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    surface_ = buildSurface(description_, this);
    if (!description_.menu.empty())
        layout->setMenuBar(buildMenuBar(description_.menu, this));
    layout->addWidget(surface_);
    for (const Control& c : description_.controls) {
        QWidget* widget = buildControl(c, surface_);
        named_.emplace_back(c.name, widget);
        if (c.roles & kDefault)
            defaultButton_ = qobject_cast<QAbstractButton*>(widget);
        if (c.roles & kCancel)
            cancelButton_ = qobject_cast<QAbstractButton*>(widget);
    }
    orderTabs(description_.controls, surface_);
}

QWidget* Form::control(const char* name) const {
    // The handlers pass the very literals of the window's table, as a rule.
    for (const auto& [controlName, widget] : named_)
        if (controlName == name || std::strcmp(controlName, name) == 0)
            return widget;
    return nullptr;
}

template <class T> T* Form::checked(const char* name, const char* kind) const {
    QWidget* widget = control(name);
    if (!widget)
        throw WiringError(description_.name, name, "no control of that name in the window");
    auto* typed = qobject_cast<T*>(widget);
    if (!typed)
        throw WiringError(description_.name, name, std::string("not a ") + kind);
    return typed;
}

QWidget* Form::surface() const {
    return surface_;
}

QWidget* Form::firstFocus() const {
    const Control* best = nullptr;
    for (const Control& c : description_.controls) {
        if (c.kind == Kind::Label || !control(c.name)->isEnabled())
            continue;
        if (!best || c.tabIndex < best->tabIndex)
            best = &c;
    }
    return best ? control(best->name) : nullptr;
}

Text Form::text(const char* textBox) const {
    return checked<QLineEdit>(textBox, "text box")->text().toStdU16String();
}

void Form::setText(const char* textBox, const Text& text) {
    checked<QLineEdit>(textBox, "text box")->setText(QString::fromStdU16String(text));
}

Text Form::caption(const char* label) const {
    return checked<CaptionLabel>(label, "label")->caption();
}

void Form::setCaption(const char* label, const Text& caption) {
    checked<CaptionLabel>(label, "label")->setCaption(caption);
}

bool Form::enabled(const char* textBox) const {
    return checked<QLineEdit>(textBox, "text box")->isEnabled();
}

void Form::setEnabled(const char* textBox, bool enabled) {
    checked<QLineEdit>(textBox, "text box")->setEnabled(enabled);
}

int Form::value(const char* checkBox) const {
    return checked<QCheckBox>(checkBox, "check box")->isChecked() ? 1 : 0;
}

void Form::Print(Integer n) {
    surface_->print(n);
}

void Form::Cls() {
    surface_->cls();
}

std::vector<QString> Form::printedLines() const {
    return surface_->lines();
}

int Form::handlerCount(const char* name) const {
    const auto it = handlers_.find(std::string_view(name));
    return it == handlers_.end() ? 0 : it->second;
}

void Form::checkClickable(const char* name) const {
    const std::string_view wanted(name);
    const auto& controls = description_.controls;
    const auto row = std::find_if(controls.begin(), controls.end(),
                                  [wanted](const Control& c) { return wanted == c.name; });
    if (row != controls.end()) {
        if (!isClickable(row->kind))
            throw WiringError(description_.name, name, "a label or text box has no Click");
        return;
    }
    const auto& menu = description_.menu;
    if (std::none_of(menu.begin(), menu.end(),
                     [wanted](const MenuItem& item) { return wanted == item.name; }))
        throw WiringError(description_.name, name,
                          "no button, check box or menu item of that name in the window");
}

void Form::bindClick(const char* name, std::function<void()> handler) {
    checkClickable(name);
    if (++handlers_[name] > 1)
        throw WiringError(description_.name, name, "bound to a second handler");
    if (QWidget* widget = control(name)) {
        connectClick(widget, std::move(handler));
        // Connected after the handler, so it runs once the handler is done.
        if (roles(name) & kKey)
            connect(qobject_cast<QAbstractButton*>(widget), &QAbstractButton::clicked, this,
                    [this] { readyForTyping(); });
    } else
        connectClick(findChild<QAction*>(QString::fromUtf8(name)), std::move(handler));
}

void Form::connectClick(QObject* sender, std::function<void()> handler) {
    if (auto* box = qobject_cast<QCheckBox*>(sender)) {
        // A check box's Click follows every change of its value, whatever made
        // it: mouse, space, or an accessible Toggle that never emits clicked.
        // Nothing in the program sets a value itself, and the handler must run
        // even on a hidden window, or the box and its text boxes would disagree.
        connect(box, &QAbstractButton::toggled, this,
                [this, sender, handler = std::move(handler)] { host_.dispatch(sender, handler); });
        return;
    }
    auto run = [this, sender, handler = std::move(handler)] {
        // Only a window on the screen takes the user's input; a click that was
        // on its way when the window was hidden is dropped.
        if (isVisible())
            host_.dispatch(sender, handler);
    };
    if (auto* button = qobject_cast<QAbstractButton*>(sender))
        connect(button, &QAbstractButton::clicked, this, run);
    else
        connect(qobject_cast<QAction*>(sender), &QAction::triggered, this, run);
}

unsigned Form::roles(const char* name) const {
    for (const Control& c : description_.controls)
        if (std::strcmp(c.name, name) == 0)
            return c.roles;
    return kNoRole;
}

void Form::readyForTyping() {
    auto* box = qobject_cast<QLineEdit*>(firstFocus());
    if (!box || !isVisible())
        return;
    box->setFocus(Qt::OtherFocusReason);
    box->selectAll();
}

void Form::checkWiring() const {
    for (const Control& c : description_.controls)
        if (isClickable(c.kind) && handlerCount(c.name) != 1)
            throw WiringError(description_.name, c.name, "has no handler");
    for (const MenuItem& item : description_.menu)
        if (handlerCount(item.name) != 1)
            throw WiringError(description_.name, item.name, "has no handler");
}

void Form::keyPressEvent(QKeyEvent* event) {
    QAbstractButton* target = nullptr;
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // A focused button takes Enter; otherwise the default button, if any.
        auto* focused = qobject_cast<QPushButton*>(focusWidget());
        target = focused ? focused : defaultButton_;
    } else if (event->key() == Qt::Key_Escape) {
        target = cancelButton_;
    }
    if (target && target->isEnabled())
        target->click();
    else
        QWidget::keyPressEvent(event);
}

void Form::closeEvent(QCloseEvent* event) {
    // The window is never destroyed while the program runs: closing it through
    // its frame, every window's Form_Unload, ends the program.
    event->ignore();
    host_.dispatch(this, [this] { host_.End(); });
}

void Form::hideEvent(QHideEvent* event) {
    surface_->forget();
    QWidget::hideEvent(event);
}

} // namespace ordevix
