#include "book/Companions.h"

#include "platform/forms/Forms.h"

TForm* Companions::docked(Dock dock) const {
    for (const Entry& entry : table)
        if (entry.dock == dock) return entry.make();
    return nullptr;
}

TForm* Companions::existing(Dock dock) const {
    for (const Entry& entry : table)
        if (entry.dock == dock) return entry.made();
    return nullptr;
}

std::vector<TForm*> Companions::made() const {
    std::vector<TForm*> windows;
    for (const Entry& entry : table)
        if (TForm* window = entry.made()) windows.push_back(window);
    return windows;
}

const Companions::Entry* Companions::find(const TForm* window) const {
    for (const Entry& entry : table)
        if (window && entry.made() == window) return &entry;
    return nullptr;
}

void Companions::hideDocked() const {
    for (const Entry& entry : table)
        if (entry.docked() && entry.made()) entry.made()->Hide();
}

void Companions::hideIdle() const {
    for (const Entry& entry : table)
        if (entry.made() && (!entry.busy || !entry.busy())) entry.made()->Hide();
}

void Companions::hidePalette() const {
    for (const Entry& entry : table)
        if ((entry.dock == Dock::BesidePaletteButton || entry.dock == Dock::OnPalette) &&
            entry.made())
            entry.made()->Hide();
}
