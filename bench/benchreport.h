#pragma once

#include <benchmark/benchmark.h>

#include <cstdint>

// Benchmarks that run at several project sizes set the counter "items" to the size.
void setItems(benchmark::State& state, std::int64_t items);

// Runs every benchmark given on the command line with Google Benchmark's console output,
// then prints for each benchmark run at several sizes its CPU time per item at each size,
// the slope between neighbouring sizes and how much the cost per item grew from one size
// to the next (1.00 is linear growth).
int runBenchmarks(int argc, char** argv);
