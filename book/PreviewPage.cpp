#include "book/PreviewPage.h"

#include "platform/forms/Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonValue>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

// Where a text stands decides how its translation is written there.
enum class In { Html, Script };

struct PageText {
    const char* english;
    In in;
};

constexpr PageText Texts[] = {
    {QT_TRANSLATE_NOOP("Preview page", "Huevella — preview book files"), In::Html},
    {QT_TRANSLATE_NOOP("Preview page", "HUEVELLA · BOOK FILES"), In::Html},
    {QT_TRANSLATE_NOOP("Preview page", "Choose one or more <code>.hvz</code> book files to see "
                                       "their cards. Click a code to copy it."),
     In::Html},
    {QT_TRANSLATE_NOOP("Preview page", "Choose books…"), In::Html},
    {QT_TRANSLATE_NOOP("Preview page", "Click to Copy"), In::Script},
    {QT_TRANSLATE_NOOP("Preview page", "Contrast "), In::Script},
    {QT_TRANSLATE_NOOP("Preview page", "Not a book file: "), In::Script},
    {QT_TRANSLATE_NOOP("Preview page", "the first line is not a card count"), In::Script},
    {QT_TRANSLATE_NOOP("Preview page", "card %1 is incomplete"), In::Script},
};

// A JavaScript string literal, quotes included.
QString scriptString(const QString& text) {
    const QByteArray json =
        QJsonDocument::fromVariant(QVariantList{text}).toJson(QJsonDocument::Compact); // ["…"]
    return QString::fromUtf8(json.mid(1, json.size() - 2));
}

} // namespace

QString translatePage(QString html) {
    const QString language = languageLocale().name().section('_', 0, 0);
    html.replace(QStringLiteral("<html lang=\"en\">"),
                 QStringLiteral("<html lang=\"%1\">").arg(language));
    for (const PageText& text : Texts) {
        const QString english = QString::fromUtf8(text.english);
        const QString local = QCoreApplication::translate("Preview page", text.english);
        if (local == english) continue;
        if (text.in == In::Html)
            html.replace(QLatin1Char('>') + english + QLatin1Char('<'),
                         QLatin1Char('>') + local + QLatin1Char('<'));
        else
            html.replace(scriptString(english), scriptString(local));
    }
    return html;
}

QString pageInLanguage(const QString& page) {
    if (chosenLanguage().isEmpty()) return page;
    QFile original(page);
    if (!original.open(QIODevice::ReadOnly)) return page;
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
                           QStringLiteral("/huevella");
    const QString language = languageLocale().name();
    const QString copy = folder + QStringLiteral("/preview-%1.htm").arg(language);
    QSaveFile out(copy);
    if (!QDir().mkpath(folder) || !out.open(QIODevice::WriteOnly)) return page;
    out.write(translatePage(QString::fromUtf8(original.readAll())).toUtf8());
    return out.commit() ? copy : page;
}
