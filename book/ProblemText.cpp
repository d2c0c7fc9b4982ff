#include "book/ProblemText.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <vector>

namespace {

// Every reason the book's files give, with %1, %2… where they put a number,
// a name or a further reason. Longer patterns before the shorter ones they
// begin with.
constexpr const char* Problems[] = {
    QT_TRANSLATE_NOOP("Problems", "line %1: %2"),
    QT_TRANSLATE_NOOP("Problems", "the file holds binary data, not a book"),
    QT_TRANSLATE_NOOP("Problems", "the file is empty"),
    QT_TRANSLATE_NOOP("Problems", "a card count from 0 to 9 was expected"),
    QT_TRANSLATE_NOOP("Problems", "the file ends before card %1 is complete"),
    QT_TRANSLATE_NOOP("Problems", "a colour number was expected"),
    QT_TRANSLATE_NOOP("Problems", "the colour number is out of range"),
    QT_TRANSLATE_NOOP("Problems",
                      "a colour code of at most 7 characters, or \"space\", was expected"),
    QT_TRANSLATE_NOOP("Problems", "the file goes on after the last card"),
    QT_TRANSLATE_NOOP("Problems", "it is a directory"),
    QT_TRANSLATE_NOOP("Problems", "it is not a regular file"),
    QT_TRANSLATE_NOOP("Problems", "it is larger than 64 KiB, too large to be a book"),
    QT_TRANSLATE_NOOP("Problems", "it is larger than %1 KiB, too large to be read"),
    QT_TRANSLATE_NOOP("Problems", "it cannot be read: %1"),
    QT_TRANSLATE_NOOP("Problems", "it is a link another user made, and is not followed"),
    QT_TRANSLATE_NOOP("Problems", "it was replaced by another file while it was being saved, "
                                  "and was not written"),
    QT_TRANSLATE_NOOP("Problems", "the book as it was could not be kept first (%1)"),
    QT_TRANSLATE_NOOP("Problems", "another program is saving it; try again in a moment"),
    QT_TRANSLATE_NOOP("Problems", "another program changed it meanwhile"),
    QT_TRANSLATE_NOOP("Problems", "\"GIMP Palette\" was expected"),
    QT_TRANSLATE_NOOP("Problems", "three channel numbers from 0 to 255 were expected"),
    QT_TRANSLATE_NOOP("Problems", "the channel '%1' is out of range (0 to 255)"),
    QT_TRANSLATE_NOOP("Problems", "the palette has no colours"),
    QT_TRANSLATE_NOOP("Problems", "%1 colours, and a book holds %2: %3"),
    QT_TRANSLATE_NOOP("Problems", "%1 colours, kept to their cards, need more than %2 cards: %3"),
    QT_TRANSLATE_NOOP("Problems", "the last colour is left out"),
    QT_TRANSLATE_NOOP("Problems", "the last %1 colours are left out"),
    // The system's reasons met most, as strerror gives them in English.
    QT_TRANSLATE_NOOP("Problems", "permission denied"),
    QT_TRANSLATE_NOOP("Problems", "no such file or directory"),
    QT_TRANSLATE_NOOP("Problems", "no space left on device"),
    QT_TRANSLATE_NOOP("Problems", "read-only file system"),
    QT_TRANSLATE_NOOP("Problems", "disk quota exceeded"),
    QT_TRANSLATE_NOOP("Problems", "file name too long"),
    QT_TRANSLATE_NOOP("Problems", "is a directory"),
    QT_TRANSLATE_NOOP("Problems", "not a directory"),
    QT_TRANSLATE_NOOP("Problems", "input/output error"),
    QT_TRANSLATE_NOOP("Problems", "too many levels of symbolic links"),
    QT_TRANSLATE_NOOP("Problems", "operation not permitted"),
};

struct Pattern {
    const char* english;
    QRegularExpression match;
};

const std::vector<Pattern>& patterns() {
    static const std::vector<Pattern> all = [] {
        std::vector<Pattern> out;
        for (const char* english : Problems) {
            QString expression = QRegularExpression::escape(QString::fromUtf8(english));
            // escape() turned "%1" into "\%1".
            expression.replace(QRegularExpression(QStringLiteral(R"(\\?%(\d))")),
                               QStringLiteral("(.+?)"));
            out.push_back(
                {english, QRegularExpression(QLatin1Char('^') + expression + QLatin1Char('$'))});
        }
        return out;
    }();
    return all;
}

} // namespace

QString localProblem(const std::string& problem) {
    const QString text = QString::fromStdString(problem);
    for (const Pattern& pattern : patterns()) {
        const QRegularExpressionMatch found = pattern.match.match(text);
        if (!found.hasMatch()) continue;
        const QString local = QCoreApplication::translate("Problems", pattern.english);
        // Each part itself a reason where it is one ("line 3: …"); all are
        // put in at once, so that a "%1" in a file's name stays as it is.
        QStringList parts;
        for (int i = 1; i <= found.lastCapturedIndex(); ++i)
            parts << localProblem(found.captured(i).toStdString());
        switch (parts.size()) {
        case 0: return local;
        case 1: return local.arg(parts[0]);
        case 2: return local.arg(parts[0], parts[1]);
        default: return local.arg(parts[0], parts[1], parts[2]);
        }
    }
    return text;
}
