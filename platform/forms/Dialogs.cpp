#include "platform/forms/Dialogs.h"
#include "platform/desktop/Pointer.h"

#include "platform/desktop/Desktop.h"
#include "platform/forms/Application.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Forms.h"

#include <QFileInfo>

namespace {

// "Huevella Files (*.hvz)|*.hvz", and further pairs, as Qt name filters.
QString nameFilter(const std::string& filter) {
    const QStringList parts = toQString(filter).split('|');
    QStringList filters;
    for (int i = 0; i < parts.size(); i += 2) {
        const QString& description = parts[i];
        const QString pattern = i + 1 < parts.size() ? parts[i + 1] : QString();
        filters << (pattern.isEmpty() || description.contains('(')
                        ? description
                        : description + " (" + pattern + ")");
    }
    return filters.join(";;");
}

} // namespace

std::string WithDefaultExt(const std::string& name, const std::string& ext) {
    if (ext.empty() || !QFileInfo(toQString(name)).suffix().isEmpty()) return name;
    return name + "." + ext;
}

bool TFileDialog::Execute() {
    FileDialogRequest request{save, nameFilter(Filter), toQString(DefaultExt), confirmOverwrite,
                              toQString(Title)};
    QWidget* owner = Application && Application->MainForm() && Application->MainForm()->isVisible()
                         ? Application->MainForm()
                         : nullptr;
    FreePointer();
    const QuestionOpen open;
    const auto chosen = desktop().fileDialog(owner, request);
    if (!chosen || chosen->isEmpty()) return false;
    FileName = WithDefaultExt(fromQString(*chosen), DefaultExt);
    FilterIndex = request.chosenFilter + 1;
    return true;
}
