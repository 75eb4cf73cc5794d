// Headless fixture for the window tests: a fresh program per test, message boxes
// recorded instead of shown, End observed instead of exiting.
#pragma once

#include "shell/form.h"
#include "shell/formhost.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

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

    template <class W> W& open() {
        W& window = host().template form<W>();
        host().Show(window);
        window.activateWindow();
        QApplication::processEvents();
        return window;
    }

    static std::vector<Form*> visibleForms() {
        std::vector<Form*> visible;
        for (Form* form : host().forms())
            if (form->isVisible())
                visible.push_back(form);
        return visible;
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

} // namespace ordevix::test
