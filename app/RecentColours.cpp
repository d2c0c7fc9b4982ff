#include "app/RecentColours.h"

#include "book/TfrmHuevella.h"
#include "core/book/RecentColours.h"
#include "core/colour/CodeFormat.h"

#include <QCoreApplication>

#include <cstdio>

namespace {
void show(const RecentColours& kept) {
    if (!frmHuevella) return;
    QString note;
    if (!kept.problem.empty())
        note =
            QCoreApplication::translate("Recent", "Unreadable, set aside: %1")
                .arg(QString::fromStdString(kept.setAside.empty() ? kept.problem : kept.setAside));
    frmHuevella->showRecentColours(kept.colours, note);
}

void sayProblem(const RecentColours& kept) {
    if (kept.problem.empty()) return;
    std::fprintf(stderr, "huevella: the recent colours could not be read (%s)%s%s\n",
                 kept.problem.c_str(), kept.setAside.empty() ? "" : "; set aside as ",
                 kept.setAside.c_str());
}
} // namespace

void RememberColour(TColor colour) {
    std::string why;
    const RecentColours kept = addRecent(recentPath(), colour, why);
    sayProblem(kept);
    if (!why.empty())
        std::fprintf(stderr, "huevella: the recent colours could not be kept: %s\n", why.c_str());
    show(kept);
}

void ShowRecentColours() {
    const RecentColours kept = readRecent(recentPath(), true);
    sayProblem(kept);
    show(kept);
}

int PrintRecentColours(const char* formWord) {
    std::string why;
    const auto form = codeFormatNamed(formWord, why);
    if (!form) return 2;
    const RecentColours kept = readRecent(recentPath(), false);
    if (!kept.problem.empty()) {
        std::fprintf(stderr, "huevella: %s: %s\n", recentPath().c_str(), kept.problem.c_str());
        return 1;
    }
    for (const TColor colour : kept.colours)
        std::printf("%s\n", codeInFormat(colour, *form).c_str());
    return std::fflush(stdout) == 0 ? 0 : 1;
}
