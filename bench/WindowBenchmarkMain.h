#pragma once
// The main of a benchmark that times the program's window: the off-screen desktop and the
// program's application, made in main so that they outlive every window a benchmark makes.

#include "TApplication.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace Armalyx {

inline int RunWindowBenchmarks(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    TApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace Armalyx
