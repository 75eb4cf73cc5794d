// SPDX-License-Identifier: GPL-3.0-or-later
// The program's command line, read before any window or display is needed:
// --help and --version answer and end the program, anything unknown is refused
// with the usage, and no option opens the windows.
#pragma once

#include <optional>
#include <ostream>
#include <span>

namespace ordevix {

// The exit status to end with, after the answer is written to `out` (help,
// version) or `err` (a refusal); nothing if the windows are to open. `args` are
// the words after the program's name.
std::optional<int> answerCommandLine(std::span<const char* const> args, std::ostream& out,
                                     std::ostream& err);

} // namespace ordevix
