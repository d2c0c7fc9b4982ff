#pragma once

#include "app/WindowSet.h"
#include "platform/forms/Application.h"
#include "platform/forms/Forms.h"
#include "tests/support/TestDesktop.h"

#include <QtTest>

#include <memory>

// A test program with the application object the windows expect.
#define HUEVELLA_TEST_MAIN(TestClass)                                                              \
    int main(int argc, char** argv) {                                                              \
        qputenv("QT_QPA_PLATFORM", "offscreen");                                                   \
        /* The choices a test makes are kept apart from the person's. */                           \
        QTemporaryDir config;                                                                      \
        qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());                                   \
        if (qEnvironmentVariableIsEmpty("XDG_STATE_HOME"))                                         \
            qputenv("XDG_STATE_HOME", (config.path() + "/state").toLocal8Bit());                   \
        HuevellaQtApplication app(argc, argv);                                                     \
        TApplication application;                                                                  \
        application.Initialize();                                                                  \
        application.setTitle("Huevella");                                                          \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }

// A test desktop with the command line the windows see, for a fixture's life.
class TestDesktopFixture {
public:
    TestDesktop& desk() { return **desktopScope; }

protected:
    void startDesktop(const QStringList& arguments) {
        desktopScope = std::make_unique<TestDesktopScope>();
        (*desktopScope)->arguments.clear();
        for (const QString& argument : arguments)
            (*desktopScope)->arguments.push_back(argument.toStdString());
    }
    void endDesktop() { desktopScope.reset(); }

private:
    std::unique_ptr<TestDesktopScope> desktopScope;
};

// The six windows on a test desktop, made anew for every test function: for
// the roads that cross windows.
class WindowSetFixture : public TestDesktopFixture {
public:
    // The arguments are the command line the windows see.
    void createWindows(const QStringList& arguments = {"huevella"}) {
        startDesktop(arguments);
        CreateWindowSet();
        MakeEveryWindow();
    }
    void destroyWindows() {
        DestroyWindowSet();
        endDesktop();
    }
};

// One window alone on a test desktop, made anew for every test function:
// what the window does by itself needs none of the others.
template <auto& form> class WindowFixture : public TestDesktopFixture {
public:
    void createWindows(const QStringList& arguments = {"huevella"}) {
        startDesktop(arguments);
        const BuildingForms building;
        Application->CreateForm(form);
    }
    void destroyWindows() {
        delete form;
        form = nullptr;
        endDesktop();
    }
};
