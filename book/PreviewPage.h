#pragma once

#include <QString>

// The page Preview Files opens, in the language the windows speak: a copy
// with its texts translated, written where the desktop's browser can read
// it. The page itself where English is spoken, or where the copy cannot be
// written.
QString pageInLanguage(const QString& page);

// The page's text with its texts translated; the same text in English.
QString translatePage(QString html);
