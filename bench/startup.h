// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up timing: the benchmark runs itself as a child process that starts the
// program the way its entry does (main menu through the form host), or shows the
// same main menu built by hand from plain Qt widgets, or a bare Qt window of the
// same size with or without one line of text. The child prints monotonic
// timestamps of its milestones; the parent compares them with the moment it
// started the child.
#pragma once

#include <memory>

class QWidget;

namespace ordevix::bench {

inline constexpr const char* kStartupChildFlag = "--startup-child";

// HandBuilt: the main menu's widgets, fonts and texts without the host or its
// tables, so the difference to Menu is the host's own cost. BareText: the bare
// window with one line of text, what any window that shows text pays (the font
// system).
enum class StartupKind { Menu, HandBuilt, Bare, BareText };

// The child side. Returns the process exit status.
int runStartupChild(int argc, char* argv[], const char* kind);

// The main menu built by hand: plain widgets, no host, no tables.
std::unique_ptr<QWidget> buildMenuByHand();

struct StartupSample {
    // Nanoseconds from the parent's start of the child to each milestone.
    double toMain = 0;
    double toApplication = 0;
    double toBuilt = 0;
    double toShown = 0;
};

struct Startup {
    int runs = 0;
    StartupSample menu;
    StartupSample handBuilt;
    StartupSample bare;
    StartupSample bareText;
};

// The parent side, the medians of several alternating runs; needs a
// QCoreApplication. Throws when a child fails.
Startup measureStartup();

} // namespace ordevix::bench
