// Texts of Qt's own file dialog, in our catalogue too: Qt's Spanish says
// "fichero" in them where the rest of Qt's dialog and all of ours say
// "archivo", and a person should meet one word for one thing. Our catalogue
// is searched before Qt's; the other languages carry Qt's own words here.
#include <QtGlobal>

namespace {
[[maybe_unused]] const char* const fileDialogTexts[] = {
    QT_TRANSLATE_NOOP("QFileDialog", "File &name:"),
    QT_TRANSLATE_NOOP("QFileDialog", "Files of type:"),
    QT_TRANSLATE_NOOP("QFileDialog", "All Files (*)"),
    QT_TRANSLATE_NOOP("QFileDialog", "%1 already exists.\nDo you want to replace it?"),
    QT_TRANSLATE_NOOP("QFileDialog",
                      "%1\nFile not found.\nPlease verify the correct file name was given."),
    QT_TRANSLATE_NOOP("QFileSystemModel", "Invalid filename"),
};
} // namespace
