// SPDX-License-Identifier: GPL-3.0-or-later
// The program's start: the application set up for it, then the start window
// built by the host and shown. The program, the screenshot tool and the
// benchmark all start this way; each owns its FormHost, declared after its
// QApplication so that the windows go first.
#pragma once

#include "shell/formhost.h"

class QApplication;

namespace ordevix {

// Fonts, Qt's Spanish texts, the application's names and icon.
void configureApplication(QApplication& app);

// The application configured and the host reading the user's regional settings.
void prepareProgram(QApplication& app, FormHost& host);

// Prepares the program, builds StartForm as the window it starts with and shows it.
template <class StartForm> StartForm& startProgram(QApplication& app, FormHost& host) {
    prepareProgram(app, host);
    host.setStartForm<StartForm>();
    StartForm& start = host.form<StartForm>();
    host.Show(start);
    return start;
}

} // namespace ordevix
