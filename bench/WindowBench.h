#pragma once

#include "app/WindowSet.h"
#include "book/TfrmHuevella.h"
#include "platform/forms/Application.h"

#include <benchmark/benchmark.h>

// Runs the registered benchmarks with the program's windows made and the
// book window out, as a user has them.
inline int runWindowBenchmarks(int argc, char** argv) {
    HuevellaQtApplication app(argc, argv);
    TApplication application;
    application.Initialize();
    CreateWindowSet();
    frmHuevella->showFromTray();
    QCoreApplication::processEvents();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    DestroyWindowSet();
    return 0;
}
