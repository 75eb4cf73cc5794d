// SPDX-License-Identifier: GPL-3.0-or-later
// A window of the program, built from its description. Handlers touch their
// controls only through the property accessors below, by control name; a name
// that is not in the window's table, or a control of another kind, is a
// WiringError naming the window and the control.
#pragma once

#include "shell/form_description.h"
#include "shell/form_host.h"
#include "shell/numeric.h"

#include <QIcon>
#include <QWidget>

#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class QAbstractButton;

namespace ordevix {

class PrintSurface;

// resources/icons/NAME.svg, compiled in as PNGs at every size a desktop asks for
// (scripts/icons.sh renders them), so the program never loads Qt's SVG engine.
QIcon iconNamed(const char* name);

// A handler bound to a name its table lacks or bound twice, a control read as the
// wrong kind, a button left without a handler: found as the window is built.
class WiringError : public std::logic_error {
public:
    using std::logic_error::logic_error;

    WiringError(std::string_view window, std::string_view control, std::string_view problem)
        : std::logic_error(std::string(window) + ": " + std::string(control) + ": " +
                           std::string(problem)) {}
};

class Form : public QWidget {
public:
    Form(FormHost& host, const FormDescription& description);

    const FormDescription& description() const { return description_; }
    FormHost& host() const { return host_; }

    // Control properties, as the handlers use them: Text and Enabled of a text
    // box, Caption of a label, Value of a check box.
    Text text(const char* textBox) const;
    void setText(const char* textBox, const Text& text);
    Text caption(const char* label) const;
    void setCaption(const char* label, const Text& caption);
    bool enabled(const char* textBox) const;
    void setEnabled(const char* textBox, bool enabled);
    int value(const char* checkBox) const;

    // Printing on the window's surface.
    void Print(Integer n);
    void Cls();
    // The texts printed since the last Cls that are still on the surface.
    std::vector<QString> printedLines() const;
    QWidget* surface() const;

    // The controls of the table, by name (nullptr if there is none).
    QWidget* control(const char* name) const;
    QAbstractButton* cancelButton() const { return cancelButton_; }

    bool shownBefore() const { return shownBefore_; }
    void markShown() { shownBefore_ = true; }
    // The focusable control with the lowest TabIndex.
    QWidget* firstFocus() const;

    // Throws a WiringError if a button, check box or menu item of the table has
    // no handler. The host calls it once the window's constructor has bound them.
    void checkWiring() const;

protected:
    // Wires a button, check box or menu item to a handler of the window; the
    // handler runs through the host's dispatcher.
    template <class W> void onClick(const char* name, void (W::*handler)()) {
        bindClick(name, [this, handler] { (static_cast<W*>(this)->*handler)(); });
    }
    void bindClick(const char* name, std::function<void()> handler);

    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void build();
    // How many handlers a button, check box or menu item has.
    int handlerCount(const char* name) const;
    // The control `name` as a widget of type T; a WiringError if it is none.
    template <class T> T* checked(const char* name, const char* kind) const;
    // The kind of a clickable row of the table, or a WiringError.
    void checkClickable(const char* name) const;
    void connectClick(QObject* sender, std::function<void()> handler);
    unsigned roles(const char* name) const;
    // The focus in the first control, its text selected: after a click on a key.
    void readyForTyping();

    FormHost& host_;
    const FormDescription& description_;
    PrintSurface* surface_ = nullptr;
    QAbstractButton* defaultButton_ = nullptr;
    QAbstractButton* cancelButton_ = nullptr;
    std::map<std::string, int, std::less<>> handlers_;
    // The table's controls by name, for the accessors that a search calls at
    // every candidate.
    std::vector<std::pair<const char*, QWidget*>> named_;
    bool shownBefore_ = false;
};

} // namespace ordevix
