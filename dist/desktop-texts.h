// The desktop entry's and the AppStream file's texts, for lupdate only:
// scripts/localize_desktop.py writes their translations from the .ts files
// into the installed copies. Each must stand here exactly as in the files.
QT_TRANSLATE_NOOP("Desktop entry", "Colour Picker")
QT_TRANSLATE_NOOP("Desktop entry", "Collect, adjust and keep colours with their hex codes")
QT_TRANSLATE_NOOP("Desktop entry", "colour;color;picker;palette;eyedropper;hex;")
QT_TRANSLATE_NOOP("Desktop entry", "Pick a Colour")
