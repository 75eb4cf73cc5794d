// SPDX-License-Identifier: GPL-3.0-or-later
// The two longest clicks of the program, end to end in the real windows through
// the form host: the perfect search beyond 8128 (round the whole Integer range
// back to 6), and the 16 clicks of the amicable search from a tick of
// "Automático" to the pair (18416, 17296).
#pragma once

namespace ordevix {
class FormHost;
}

namespace ordevix::bench {

struct Clicks {
    double perfectBeyond8128 = 0; // seconds of processor time, the fastest of the rounds
    double amicableSixteen = 0;
};

Clicks measureClicks(FormHost& host, int rounds);

} // namespace ordevix::bench
