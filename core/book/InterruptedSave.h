#pragma once

#include "core/book/BookFile.h"

#include <string>
#include <string_view>
#include <vector>

// A file rewritten where it is (another user's book, one in a folder that
// takes no new file) is for a moment neither the old text nor the new one:
// its first byte is a NUL until the rest is on the disk. Before such a
// rewrite the old text is kept, synced, in the recovery folder; the rewrite
// removes it when it ends. One that was cut short (the program killed)
// leaves it, and the next start, or the next open of the file, puts the old
// text back.
struct InterruptedSave {
    std::string file;   // the file that was being rewritten
    std::string before; // what it held before
    std::string path;   // where that is kept
    FileStamp found;    // the file as it was found, cut short
};

// Keeps `before` for `file` ahead of its rewrite into `after`; `kept` names
// the keeping for rewriteFinished. Returns why it could not be kept.
std::string keepBeforeRewrite(const std::string& file, std::string_view before,
                              std::string_view after, std::string& kept);
void rewriteFinished(const std::string& kept);

// Rewrites of ours that were cut short and left their file unreadable,
// newest first; of `file` alone where one is named. Keepings that no longer
// matter (the file is whole, or another program wrote it since) are removed
// on the way; a file a running save holds is left to it.
std::vector<InterruptedSave> findInterruptedSaves(const std::string& file = {});
// Writes the old text back, unless the file changed since it was found;
// the keeping goes once it has served. Returns why not, or nothing.
std::string putBack(const InterruptedSave& save);
