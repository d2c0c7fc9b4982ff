#pragma once

#include "app/WindowSet.h"
#include "platform/forms/Application.h"
#include "tests/support/TestDesktop.h"

#include <QtTest>

#include <memory>

// A test program with the application object the windows expect.
#define HUEVELLA_TEST_MAIN(TestClass)                                                              \
    int main(int argc, char** argv) {                                                              \
        qputenv("QT_QPA_PLATFORM", "offscreen");                                                   \
        HuevellaQtApplication app(argc, argv);                                                     \
        TApplication application;                                                                  \
        application.Initialize();                                                                  \
        application.setTitle("Huevella");                                                          \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }

// The six windows on a test desktop, made anew for every test function.
class WindowSetFixture {
public:
    // The arguments are the command line the windows see.
    void createWindows(const QStringList& arguments = {"huevella"}) {
        desktopScope = std::make_unique<TestDesktopScope>();
        (*desktopScope)->arguments.clear();
        for (const QString& argument : arguments)
            (*desktopScope)->arguments.push_back(argument.toStdString());
        CreateWindowSet();
    }
    void destroyWindows() {
        DestroyWindowSet();
        desktopScope.reset();
    }
    TestDesktop& desk() { return **desktopScope; }

private:
    std::unique_ptr<TestDesktopScope> desktopScope;
};
