#include "TestMain.h"

#include <QAccessible>
#include <QFileDialog>
#include <QLineEdit>

#include <atomic>
#include <cstdio>
#include <thread>

#include <unistd.h>

#include "palette/TfrmColorPalette.h"

// What a screen reader asks of an edit's text (a character, a word, a
// sentence, a line at, before or after an offset) gets an answer, and the
// right one, for every edit of the program and of Qt's dialogs.
class TestEditText : public QObject, WindowFixture<frmColorPalette> {
    Q_OBJECT

    // A query that never returns cannot fail a test from inside: a watch
    // beside it names the query and ends the program.
    std::atomic<unsigned> answered{0};
    char asking[160] = "";
    std::atomic<bool> done{false};
    std::thread watch;

    QString ask(QAccessibleTextInterface* text, int which, int offset,
                QAccessible::TextBoundaryType type, int* start, int* end) {
        static const char* const names[] = {"before", "at", "after"};
        std::snprintf(asking, sizeof asking, "text%sOffset(%d, boundary %d) of \"%s\"",
                      names[which], offset, int(type),
                      text->text(0, text->characterCount()).toUtf8().constData());
        QString item;
        switch (which) {
        case 0: item = text->textBeforeOffset(offset, type, start, end); break;
        case 1: item = text->textAtOffset(offset, type, start, end); break;
        default: item = text->textAfterOffset(offset, type, start, end); break;
        }
        ++answered;
        return item;
    }

    static QList<QLineEdit*> everyEdit() {
        QList<QLineEdit*> edits;
        for (QWidget* widget : QApplication::allWidgets())
            if (auto* edit = qobject_cast<QLineEdit*>(widget)) edits << edit;
        return edits;
    }

private slots:
    void initTestCase() {
        watch = std::thread([this] {
            unsigned seen = answered;
            for (int idle = 0; !done; ++idle) {
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
                if (answered != seen) {
                    seen = answered;
                    idle = 0;
                } else if (idle >= 50 && asking[0]) {
                    std::fprintf(stderr, "FAIL: no answer in 5 s to %s\n", asking);
                    std::fflush(stderr);
                    ::_exit(1);
                }
            }
        });
    }
    void cleanupTestCase() {
        done = true;
        watch.join();
    }
    void init() { createWindows(); }
    void cleanup() { destroyWindows(); }

    // Every kind of item at every offset, and the ends beyond: each answer
    // is the text between its offsets, the item at an offset holds it, and
    // the items one after another make up the whole text.
    void everyQueryIsAnswered_data() {
        QTest::addColumn<QString>("text");
        for (const char* text : {"", "1", "12", "336699", "12 34", "  x  ", "Untitled-3",
                                 "Hello, world. Bye!", "e\u0301 caf\u00e9", "a..b"})
            QTest::newRow(text) << QString::fromUtf8(text);
    }
    void everyQueryIsAnswered() {
        QFETCH(QString, text);
        QFileDialog dialog(nullptr, "Open", {}, "*.hvz");
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        QLineEdit plain;
        const QList<QLineEdit*> edits = everyEdit();
        QVERIFY(edits.size() >= 9);
        QVERIFY(edits.contains(frmColorPalette->editHue));
        for (QLineEdit* edit : edits) {
            edit->setMaxLength(32767);
            if (edit->validator()) edit->setValidator(nullptr);
            edit->setText(text);
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(edit);
            QAccessibleTextInterface* reading = face ? face->textInterface() : nullptr;
            QVERIFY2(reading, qPrintable(edit->objectName()));
            QCOMPARE(reading->characterCount(), text.size());
            const int length = int(text.size());
            for (auto type : {QAccessible::CharBoundary, QAccessible::WordBoundary,
                              QAccessible::SentenceBoundary, QAccessible::ParagraphBoundary,
                              QAccessible::LineBoundary, QAccessible::NoBoundary}) {
                for (int offset = -2; offset <= length + 1; ++offset)
                    for (int which = 0; which < 3; ++which) {
                        int start = -3, end = -3;
                        const QString item = ask(reading, which, offset, type, &start, &end);
                        if (start < 0) {
                            QVERIFY(item.isEmpty());
                            continue;
                        }
                        QVERIFY(start <= end && end <= length);
                        QCOMPARE(item, text.mid(start, end - start));
                        if (which == 1 && offset >= 0 && offset < length)
                            QVERIFY2(start <= offset && offset < end, asking);
                    }
                // Walking item by item covers the text once.
                QString walked;
                for (int at = 0; at < length;) {
                    int start = -1, end = -1;
                    walked += ask(reading, 1, at, type, &start, &end);
                    QVERIFY2(start == at && end > at, asking);
                    at = end;
                }
                QCOMPARE(walked, text);
            }
        }
    }

    // Words as a reader moves by them: the one at, before and after.
    void wordsAroundAnOffset_data() {
        QTest::addColumn<int>("offset");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("at");
        QTest::addColumn<QString>("after");
        QTest::newRow("in the first") << 1 << ""
                                      << "12"
                                      << " ";
        QTest::newRow("on the space") << 2 << "12"
                                      << " "
                                      << "34";
        QTest::newRow("in the last") << 4 << " "
                                     << "34"
                                     << "";
        QTest::newRow("at the end") << 5 << "34"
                                    << ""
                                    << "";
        QTest::newRow("the caret") << -2 << " "
                                   << "34"
                                   << "";
    }
    void wordsAroundAnOffset() {
        QFETCH(int, offset);
        QFETCH(QString, before);
        QFETCH(QString, at);
        QFETCH(QString, after);
        frmColorPalette->editHue->setMaxLength(32767);
        frmColorPalette->editHue->setValidator(nullptr);
        frmColorPalette->editHue->setText("12 34");
        frmColorPalette->editHue->setCursorPosition(3);
        auto* reading =
            QAccessible::queryAccessibleInterface(frmColorPalette->editHue)->textInterface();
        int start, end;
        QCOMPARE(ask(reading, 0, offset, QAccessible::WordBoundary, &start, &end), before);
        QCOMPARE(ask(reading, 1, offset, QAccessible::WordBoundary, &start, &end), at);
        QCOMPARE(ask(reading, 2, offset, QAccessible::WordBoundary, &start, &end), after);
        QCOMPARE(ask(reading, 1, offset, QAccessible::LineBoundary, &start, &end),
                 QString("12 34"));
    }

    // A reader's edit is an entry, as typing is: the palette takes it.
    void anEditByTheReaderIsAnEntry() {
        frmColorPalette->Show();
        QAccessibleInterface* face =
            QAccessible::queryAccessibleInterface(frmColorPalette->editHex);
        QVERIFY(face->state().editable);
        face->editableTextInterface()->replaceText(0, 6, "336699");
        QCOMPARE(QString::fromStdString(frmColorPalette->hexCode), QString("336699"));
        QCOMPARE(face->text(QAccessible::Value), QString("336699"));
    }
};

HUEVELLA_TEST_MAIN(TestEditText)
#include "tst_edittext.moc"
