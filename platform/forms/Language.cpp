#include "platform/forms/Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace {

std::unique_ptr<QTranslator> ours, qts;
QString chosen;

void takeDown(std::unique_ptr<QTranslator>& translator) {
    if (translator) QCoreApplication::removeTranslator(translator.get());
    translator.reset();
}

// "de_DE", "de-DE" and "de" all lead to "de" when there is no "de_DE".
QStringList candidates(const QString& language) {
    QString name = language;
    name.replace('-', '_');
    name = name.section('.', 0, 0).section('@', 0, 0);
    QStringList out{name};
    if (name.contains('_')) out << name.section('_', 0, 0);
    return out;
}

} // namespace

QString translationFolder() {
    const QString here = QCoreApplication::applicationDirPath();
    const QString beside = here + QStringLiteral("/translations");
    if (QFileInfo(beside).isDir()) return beside;
    return QDir::cleanPath(here + QStringLiteral("/../share/huevella/translations"));
}

QStringList desktopLanguages() {
    return QLocale::system().uiLanguages();
}

QString useLanguage(const QStringList& languages, const QString& folder) {
    takeDown(ours);
    takeDown(qts);
    chosen.clear();
    for (const QString& language : languages) {
        for (const QString& name : candidates(language)) {
            // English is the language the texts are written in: a later
            // choice in the list must not win over it.
            if (name == QLatin1String("en") || name.startsWith(QLatin1String("en_")) ||
                name == QLatin1String("C") || name == QLatin1String("POSIX"))
                return {};
            // Only the file of this very name: Qt's own search would take
            // "huevella_de" for "de_AT" and say "de_AT" was found.
            const QString file = folder + QStringLiteral("/huevella_") + name + ".qm";
            auto translator = std::make_unique<QTranslator>();
            if (!QFileInfo::exists(file) || !translator->load(file)) continue;
            // Qt's first: the one installed last is asked first, and ours
            // says a few of Qt's texts in our own words.
            auto qt = std::make_unique<QTranslator>();
            if (qt->load(QStringLiteral("qtbase_") + name,
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
                qt->load(QStringLiteral("qtbase_") + name.section('_', 0, 0),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
                qts = std::move(qt);
                QCoreApplication::installTranslator(qts.get());
            }
            ours = std::move(translator);
            QCoreApplication::installTranslator(ours.get());
            chosen = name;
            return name;
        }
    }
    return {};
}

QLocale languageLocale() {
    return chosen.isEmpty() ? QLocale(QLocale::English, QLocale::UnitedStates) : QLocale(chosen);
}

QString chosenLanguage() {
    return chosen;
}
