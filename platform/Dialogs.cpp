#include "platform/Dialogs.h"

#include "platform/Application.h"
#include "platform/Controls.h"
#include "platform/Desktop.h"
#include "platform/Forms.h"

#include <QFileInfo>

namespace {

// "Huevella Files (*.hvz)|*.hvz" as a Qt name filter.
QString nameFilter(const std::string& filter) {
    const QString text = toQString(filter);
    const QString description = text.section('|', 0, 0);
    const QString pattern = text.section('|', 1, 1);
    if (pattern.isEmpty() || description.contains('(')) return description;
    return description + " (" + pattern + ")";
}

} // namespace

std::string WithDefaultExt(const std::string& name, const std::string& ext) {
    if (ext.empty() || !QFileInfo(toQString(name)).suffix().isEmpty()) return name;
    return name + "." + ext;
}

bool TFileDialog::Execute() {
    FileDialogRequest request{save, nameFilter(Filter), toQString(DefaultExt), confirmOverwrite};
    QWidget* owner = Application && Application->MainForm() && Application->MainForm()->isVisible()
                         ? Application->MainForm()
                         : nullptr;
    const auto chosen = desktop().fileDialog(owner, request);
    if (!chosen || chosen->isEmpty()) return false;
    FileName = WithDefaultExt(fromQString(*chosen), DefaultExt);
    return true;
}
