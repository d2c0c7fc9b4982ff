#include "app/CommandLine.h"
#include "app/PickRequest.h"
#include "app/PickStart.h"
#include "app/RecentColours.h"
#include "app/SingleInstance.h"
#include "app/WindowSet.h"
#include "platform/desktop/Desktop.h"
#include "platform/desktop/SessionEnd.h"
#include "platform/forms/Application.h"
#include "platform/forms/Language.h"
#include "platform/screen/Backend.h"

#include <cstdio>
#include <memory>
#include <optional>
#include <vector>

#ifndef HUEVELLA_VERSION
#define HUEVELLA_VERSION "dev"
#endif

int main(int argc, char** argv) {
    int status = 0;
    if (answered(argc, argv, HUEVELLA_VERSION, status)) return status;
    std::vector<char*> arguments(argv, argv + argc);
    PickOptions pick;
    if (!readPickOptions(arguments, pick)) return 2;
    if (pick.recent) return PrintRecentColours(pick.form.c_str());
    SingleInstance single;
    std::optional<SingleInstance::Claim> claim;
    // The pick's own connection, in the program this start becomes.
    int pickPeer = -1;
    if (pick.wanted)
        if (const std::optional<int> ended = beginPick(single, pick.request(), claim, pickPeer))
            return *ended;
    if (shouldStayOnX(argc, argv)) {
        static char platform[] = "-platform", xcb[] = "xcb";
        arguments.insert(arguments.begin() + 1, {platform, xcb});
    }
    arguments.push_back(nullptr);
    int count = int(arguments.size()) - 1;
    HuevellaQtApplication qtApp(count, arguments.data());
    // The windows speak the desktop's language; what goes to standard
    // output and error stays English, for the scripts that read it.
    useLanguage(desktopLanguages());
    reportIgnored();
    if (onNativeWayland())
        std::fputs("huevella: running as a native Wayland client, where a program cannot place "
                   "its windows or read the screen: the companion windows go where the desktop "
                   "puts them, not docked to the book, and the eyedropper hands over to the "
                   "desktop's own colour picker, without a magnifier. Without "
                   "QT_QPA_PLATFORM=wayland Huevella runs on Xwayland, where both work.\n",
                   stderr);
    if (!claim) claim = single.claim();
    if (claim == SingleInstance::Claim::Elsewhere) {
        // Another Huevella has this desktop: it comes out, or opens the
        // book, instead.
        std::string why;
        if (single.handOver(namedBook(), why)) return 0;
        std::fprintf(stderr, "huevella: %s\n", why.c_str());
        return 1;
    }
    TApplication application;
    std::unique_ptr<PickRequests> picks;
    status = RunProgram(application, [&] {
        application.Initialize();
        application.setTitle("Huevella");
        const auto rest = [&] {
            CreateWindowSet();
            RevealWithoutTray();
            WatchBookAtSessionEnd();
            // Every kept copy is offered, whatever book this start opened.
            OfferRecovery();
            if (claim == SingleInstance::Claim::Ours)
                single.listen(OpenFromLauncher, questionIsOpen);
        };
        // A pick from a cold start is under way before the other windows
        // are made, unless a kept book is to be asked about first or the
        // book comes out at once (no tray), under the picker as ever.
        const bool pickFirst =
            pickPeer >= 0 && !RecoveryWaiting() && desktop().systemTrayAvailable();
        if (!pickFirst) rest();
        picks = std::make_unique<PickRequests>(PickFromAnywhere, CancelPickFromAnywhere,
                                               questionIsOpen);
        if (pickPeer >= 0) picks->add(pickPeer, pick.request());
        single.listenForPicks([&picks](int fd, const std::string& form) { picks->add(fd, form); });
        if (pickFirst) WhenPickHolds(rest);
    });
    watchSessionEnd({});
    // Callers still waiting hear that the program ended.
    picks.reset();
    DestroyWindowSet();
    // The desktop's services (D-Bus among them) go while Qt still runs:
    // after it, their threads are gone and their clean-up would wait forever.
    installDesktop(nullptr);
    return status;
}
