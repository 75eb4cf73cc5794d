// Start-up timing: the benchmark runs itself as a child process that either
// starts the program the way its entry does (main menu through the form host) or
// shows a bare Qt window of the same size, and prints monotonic timestamps of its
// milestones; the parent compares them with the moment it started the child.
#pragma once

#include <cstdint>
#include <vector>

namespace ordevix::bench {

inline constexpr const char* kStartupChildFlag = "--startup-child";

// BareText is the bare window with one line of text: what any window that shows
// text pays on top of the bare one (the font system).
enum class StartupKind { Menu, Bare, BareText };

// The child side. Returns the process exit status.
int runStartupChild(int argc, char* argv[], StartupKind kind);

struct StartupSample {
    // Nanoseconds from the parent's start of the child to each milestone.
    double toMain = 0;
    double toApplication = 0;
    double toBuilt = 0;
    double toShown = 0;
};

// The parent side; needs a QCoreApplication. Throws when a child fails.
StartupSample spawnStartupChild(StartupKind kind);

} // namespace ordevix::bench
