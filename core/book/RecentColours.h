#pragma once

#include "core/colour/TColor.h"

#include <string>
#include <string_view>
#include <vector>

// The colours taken last, by any road, newest first, kept across starts in
// $XDG_STATE_HOME/huevella/recent: one RRGGBB a line, no colour twice, at
// most twelve. Every program adds under the file's lock, reading it anew
// first, so that two programs on two displays keep each other's colours;
// the file is written whole or not at all.
inline constexpr std::size_t RecentKept = 12;

struct RecentColours {
    std::vector<TColor> colours;
    // Why the file could not be read ("line 3 is not a colour code"), and
    // where it was set aside; empty when it was read.
    std::string problem;
    std::string setAside;
};

std::string recentPath();
// The file's text read; a line that is not a code makes it unreadable.
RecentColours parseRecent(std::string_view text);
std::string recentText(const std::vector<TColor>& colours);
// The colour first, once, the oldest beyond twelve gone.
std::vector<TColor> withRecent(std::vector<TColor> colours, TColor colour);

// Reads the file (none is no colours yet); `setAsideBroken` renames an
// unreadable one beside it (recent.broken) so that it no longer stands in
// the way.
RecentColours readRecent(const std::string& path, bool setAsideBroken);
// Adds the colour under the lock and gives the colours now kept; `why`
// says what kept it from being written.
RecentColours addRecent(const std::string& path, TColor colour, std::string& why);
