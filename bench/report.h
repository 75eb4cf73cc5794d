// SPDX-License-Identifier: GPL-3.0-or-later
// The benchmark's report: a table per part, the goals with their verdicts, and
// one closing line of key=value pairs.
#pragma once

#include "bench/clicks.h"
#include "bench/latency.h"
#include "bench/startup.h"
#include "bench/throughput.h"

namespace ordevix::bench {

struct Results {
    const char* kernel = ""; // the instruction set the program chose
    Throughput perfect;
    Throughput amicable;
    Latency latency;
    Clicks clicks;
    Startup startup;
};

void printHeader(const char* kernel);
void printThroughput(const char* title, const Throughput& t);
void printLatency(const Latency& l);
void printClicks(const Clicks& c);
void printStartup(const Startup& s);
// The goals table, then the key=value line; returns whether every goal was met.
bool printVerdict(const Results& r, double runSeconds);

} // namespace ordevix::bench
