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
    void SetUp() override {
        FormHost& h = host();
        h.reset();
        h.setRegional(RegionalSettings::period());
        h.setMessageSink([this](const QString& text) { messages.push_back(text); });
        h.setEndHook([this] { ++ends; });
        h.setPumpPolicy(1024, std::chrono::milliseconds(2));
        h.setPumpProbe({});
    }
    void TearDown() override {
        host().reset();
        host().setPumpProbe({});
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
        auto* button = qobject_cast<QAbstractButton*>(form.control(name));
        ASSERT_NE(button, nullptr) << name;
        QTest::mouseClick(button, Qt::LeftButton);
    }
    static void type(Form& form, const char* name, const QString& text) {
        auto* edit = qobject_cast<QLineEdit*>(form.control(name));
        ASSERT_NE(edit, nullptr) << name;
        edit->setText(text);
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
