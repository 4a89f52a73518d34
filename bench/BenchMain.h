#pragma once

#include <QtGlobal>

#include <benchmark/benchmark.h>

// main() of a benchmark that needs a Qt application object (fonts, widgets),
// offscreen so that no display is needed.
template<typename Application> int runBenchmarks(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    Application app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
