#include "app/WindowSet.h"
#include "platform/Application.h"

#include <exception>

int main(int argc, char** argv) {
    HuevellaQtApplication qtApp(argc, argv);
    TApplication application;
    try {
        application.Initialize();
        application.setTitle("Huevella");
        CreateWindowSet();
        RevealWithoutTray();
        application.Run();
    } catch (const std::exception& error) {
        application.ShowException(error);
    }
    DestroyWindowSet();
    return 0;
}
