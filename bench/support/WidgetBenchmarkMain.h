#pragma once

#include <QApplication>
#include <benchmark/benchmark.h>

// The main function of a benchmark program that needs the application (fonts,
// printers, widgets) but no screen.
#define TAVELIN_WIDGET_BENCHMARK_MAIN()                                                                      \
    int main(int argc, char **argv)                                                                          \
    {                                                                                                        \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                                  \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                                         \
        QApplication app(argc, argv);                                                                        \
        benchmark::Initialize(&argc, argv);                                                                  \
        benchmark::RunSpecifiedBenchmarks();                                                                 \
        benchmark::Shutdown();                                                                               \
        return 0;                                                                                            \
    }
