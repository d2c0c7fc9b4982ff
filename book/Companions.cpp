#include "book/Companions.h"

#include "platform/forms/Forms.h"

TForm* Companions::docked(Dock dock) const {
    for (const Entry& entry : table)
        if (entry.dock == dock) return entry.window;
    return nullptr;
}

const Companions::Entry* Companions::find(const TForm* window) const {
    for (const Entry& entry : table)
        if (entry.window == window) return &entry;
    return nullptr;
}

void Companions::hideDocked() const {
    for (const Entry& entry : table)
        if (entry.docked()) entry.window->Hide();
}

void Companions::hideIdle() const {
    for (const Entry& entry : table)
        if (!entry.busy || !entry.busy()) entry.window->Hide();
}

void Companions::hidePalette() const {
    for (const Entry& entry : table)
        if (entry.dock == Dock::BesidePaletteButton || entry.dock == Dock::OnPalette)
            entry.window->Hide();
}
