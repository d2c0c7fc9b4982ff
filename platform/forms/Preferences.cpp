#include "platform/forms/Preferences.h"

#include <QSettings>

namespace {
QSettings& settings() {
    // Under the XDG configuration folder, $XDG_CONFIG_HOME/org.huevella/.
    static QSettings kept(QSettings::NativeFormat, QSettings::UserScope, "org.huevella",
                          "huevella");
    return kept;
}
} // namespace

int keptChoice(const char* key, int fallback) {
    bool ok = false;
    const int value = settings().value(key, fallback).toInt(&ok);
    return ok ? value : fallback;
}

void keepChoice(const char* key, int value) {
    settings().setValue(key, value);
    // Written now: a program ended by the session keeps it too.
    settings().sync();
}
