#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

// The language the windows speak. Our texts are written in English; a
// translation is looked up for the first of the desktop's languages we
// have, and a language without one (or English itself, met first) keeps
// the English texts.

// Where the program's own translations are: beside it in the build tree,
// or in its data folder when installed.
QString translationFolder();

// The desktop's languages in order of preference, as Qt reads them from
// LANGUAGE, LC_ALL, LC_MESSAGES and LANG.
QStringList desktopLanguages();

// Puts our translation and Qt's own (its dialogs' buttons) in place for the
// first of `languages` that has ours, or for none. Returns the language
// chosen, or "" for English. May be called again to change language.
QString useLanguage(const QStringList& languages, const QString& folder = translationFolder());

// The chosen language's conventions for numbers shown in texts ("4,5:1" in
// German); English's when none was chosen.
QLocale languageLocale();

// The language chosen ("de"), or "" for English.
QString chosenLanguage();
