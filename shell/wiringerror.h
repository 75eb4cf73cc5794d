// SPDX-License-Identifier: GPL-3.0-or-later
// A window wired wrongly: a handler bound to a name its table lacks, or bound
// twice, a control read as the wrong kind, a button left without a handler.
// Bindings are made in the window's constructor, so a wrongly wired window
// fails as it is built, not later as a dead key.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace ordevix {

class WiringError : public std::logic_error {
public:
    using std::logic_error::logic_error;

    WiringError(std::string_view window, std::string_view control, std::string_view problem)
        : std::logic_error(std::string(window) + ": " + std::string(control) + ": " +
                           std::string(problem)) {}
};

} // namespace ordevix
