// Headless fixture for the window tests: a fresh program with its own host per
// test, message boxes recorded instead of shown, End observed instead of exiting,
// and any exception from a handler that is not one of the program's faults
// failing the test.
#pragma once

#include "shell/form.h"
#include "shell/formhost.h"
#include "shell/frmIndex.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace ordevix::test {

class UiTest : public ::testing::Test {
protected:
    void SetUp() override { restart(); }
    void TearDown() override { host_.reset(); }

    // A fresh program: a new host with no windows, nothing recorded, the real
    // pump policy. The old host and its windows go first.
    void restart() {
        host_.reset();
        FormHost& h = host_.emplace();
        h.setStartForm<frmIndex>();
        h.setRegional(RegionalSettings::period());
        h.setMessageSink([this](const QString& text) { messages.push_back(text); });
        h.setEndHook([this] { ++ends; });
        h.setProgrammingErrorSink([](const QString& what) {
            ADD_FAILURE() << "programming error in a handler: " << what.toStdString();
        });
        messages.clear();
        ends = 0;
    }

    FormHost& host() { return *host_; }

    template <class W> W& open() {
        W& window = host().template form<W>();
        host().Show(window);
        window.activateWindow();
        QApplication::processEvents();
        return window;
    }

    std::vector<Form*> visibleForms() {
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

private:
    std::optional<FormHost> host_;
};

} // namespace ordevix::test
