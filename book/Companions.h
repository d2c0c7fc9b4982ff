#pragma once

#include <functional>
#include <vector>

class TForm;

// Where a companion window comes out against the book window.
enum class Dock {
    BelowBook,           // its bottom edge shared
    AboveBook,           // its top edge shared
    BesidePaletteButton, // on the right, level with the palette button
    OnPalette,           // over the palette's top right corner
    AtCardSlot,          // beside a card slot, placed by the card
};

// The windows that come out around the book window: one table, filled by
// the window set in the order they are placed (the palette before what sits
// on it), read by every road that shows, hides or places them. A window is
// made when it first comes out; until then there is nothing to hide or place.
class Companions {
public:
    struct Entry {
        // The window, made if need be.
        TForm* (*make)();
        // The window where it has been made, else null.
        TForm* (*made)();
        Dock dock;
        // A companion that holds the pointer and keyboard (a pick) is not
        // put away with the others by the book losing the focus.
        std::function<bool()> busy = {};
        // Docked to the book (the slider goes with its card slot instead).
        bool docked() const { return dock != Dock::AtCardSlot; }
    };

    void set(std::vector<Entry> entries) { table = std::move(entries); }
    const std::vector<Entry>& entries() const { return table; }
    // The window docked so, made if need be.
    TForm* docked(Dock dock) const;
    // The window docked so where it has been made, else null.
    TForm* existing(Dock dock) const;
    const Entry* find(const TForm* window) const;
    // The windows made so far, in the table's order.
    std::vector<TForm*> made() const;
    // The docked ones put away (to the tray, the cards collapsed): the
    // slider stays out until the program loses the focus.
    void hideDocked() const;
    // All put away as the program loses the focus, but a busy one.
    void hideIdle() const;
    // The palette and what sits on it.
    void hidePalette() const;

private:
    std::vector<Entry> table;
};
