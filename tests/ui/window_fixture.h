// Headless fixture for the window tests: a fresh program per test, message boxes
// recorded instead of shown, End observed instead of exiting.
#pragma once

#include "shell/form.h"
#include "shell/formhost.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace ordevix::test {

class UiTest : public ::testing::Test {
protected:
    void SetUp() override { restart(); }
    void TearDown() override { restart(); }

    // A fresh program: no windows, nothing recorded, the real pump policy.
    void restart() {
        FormHost& h = host();
        h.reset();
        h.setRegional(RegionalSettings::period());
        h.setMessageSink([this](const QString& text) { messages.push_back(text); });
        h.setEndHook([this] { ++ends; });
        h.setPumpPolicy(1024, std::chrono::milliseconds(2));
        h.setPumpProbe({});
        messages.clear();
        ends = 0;
    }

    static FormHost& host() { return FormHost::instance(); }

    // Shows the window as the program does, then lets the platform catch up.
    static Form& show(Form& window) {
        host().Show(window);
        window.activateWindow();
        QApplication::processEvents();
        return window;
    }
    template <class W> W& open() { return static_cast<W&>(show(host().template form<W>())); }

    static std::vector<Form*> visibleForms() {
        std::vector<Form*> visible;
        for (Form* form : host().forms())
            if (form->isVisible())
                visible.push_back(form);
        return visible;
    }
    // The one visible window's name, or how many are visible.
    static QString visibleName() {
        const std::vector<Form*> visible = visibleForms();
        return visible.size() == 1 ? visible.front()->objectName()
                                   : QString("%1 windows").arg(visible.size());
    }

    static void click(Form& form, const char* name) {
        QTest::mouseClick(qobject_cast<QAbstractButton*>(form.control(name)), Qt::LeftButton);
    }
    static void type(Form& form, const char* name, const QString& text) {
        qobject_cast<QLineEdit*>(form.control(name))->setText(text);
    }
    static QString textOf(Form& form, const char* name) {
        return QString::fromStdU16String(form.text(name));
    }
    static QString captionOf(Form& form, const char* name) {
        return QString::fromStdU16String(form.caption(name));
    }
    QString lastMessage() const { return messages.empty() ? QString() : messages.back(); }

    std::vector<QString> messages;
    int ends = 0;
};

// Answers every real message box that comes up while it lives: look() sees it,
// then its first button closes it. A dialog still open after five seconds fails
// the test and is closed, so no test waits forever for a box.
class ModalWatch {
public:
    explicit ModalWatch(std::function<void(QMessageBox&)> look) {
        poll_.callOnTimeout([look] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) {
                    look(*box);
                    box->buttons().front()->click();
                }
        });
        deadline_.callOnTimeout([] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* dialog = qobject_cast<QDialog*>(w); dialog && dialog->isVisible()) {
                    ADD_FAILURE() << "a dialog was left open";
                    dialog->reject();
                }
        });
        poll_.start(10);
        deadline_.start(5000);
    }

private:
    QTimer poll_, deadline_;
};

} // namespace ordevix::test
