// SPDX-License-Identifier: MIT
#include <QApplication>

#include <benchmark/benchmark.h>

int main(int argc, char** argv)
{
    // Windows are built (never shown) by the window benchmarks.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::benchmark::Initialize(&argc, argv);
    ::benchmark::RunSpecifiedBenchmarks();
    ::benchmark::Shutdown();
    return 0;
}
