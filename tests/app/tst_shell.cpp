#include "TestMain.h"

#include "book/TfrmHuevella.h"
#include "card/TfrmSwatchCard.h"
#include "core/book/RecentColours.h"
#include "palette/TfrmColorPalette.h"
#include "picker/TfrmScreenPicker.h"
#include "schemes/TfrmSuggestSchemes.h"
#include "slider/TfrmMivoSlider.h"

#include "app/SingleInstance.h"

#include <QSignalSpy>

#include <QTemporaryDir>
#include <fstream>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
// A private runtime folder and a display of the test's own, given back as
// they were at the end, however the test ends.
class PrivateRuntime {
public:
    explicit PrivateRuntime(const char* display)
        : savedRuntime(qgetenv("XDG_RUNTIME_DIR")), savedDisplay(qgetenv("DISPLAY")) {
        qputenv("XDG_RUNTIME_DIR", folder.path().toLocal8Bit());
        QFile::setPermissions(folder.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("DISPLAY", display);
    }
    ~PrivateRuntime() {
        qputenv("XDG_RUNTIME_DIR", savedRuntime);
        qputenv("DISPLAY", savedDisplay);
    }

private:
    QTemporaryDir folder;
    QByteArray savedRuntime, savedDisplay;
};
} // namespace

// The program's shell: the tray, the main menu, the window set and the
// buttons that open and close the companion windows.
class TestShell : public QObject, WindowSetFixture {
    Q_OBJECT

    static void tray(TrayEntry::Action action) { emit frmHuevella->trayEntry.activated(action); }
    static QStringList enabledItems() {
        QStringList out;
        for (TMenuItem* item : frmHuevella->mnuMainMenu->Items())
            if (item->Enabled() && item->Caption() != "")
                out << QString::fromStdString(item->Caption());
        return out;
    }
    static QList<TForm*> companions() {
        return {frmScreenPicker, frmSwatchCard, frmColorPalette, frmSuggestSchemes};
    }
    static bool collapseShown() {
        return frmHuevella->imgCollapseCards->Visible() && !frmHuevella->imgSwatchCard->Visible();
    }

private slots:
    void init() { createWindows(); }
    void cleanup() { destroyWindows(); }

    void startsInTheTray() {
        QVERIFY(!frmHuevella->Visible());
        for (TForm* form : companions())
            QVERIFY(!form->Visible());
        QVERIFY(!frmMivoSlider->Visible());
        QCOMPARE(enabledItems(), (QStringList{"Pick from Screen", "Recent Colours", "Preview Files",
                                              "To System Tray", "Exit"}));
        QStringList captions;
        for (TMenuItem* item : frmHuevella->mnuMainMenu->Items())
            captions << QString::fromStdString(item->Caption());
        QCOMPARE(captions,
                 (QStringList{"Pick from Screen", "Recent Colours", "Open", "New", "Save",
                              "Save As", QString::fromUtf8("Export…"), QString::fromUtf8("Import…"),
                              "Preview Files", "", "To System Tray", "Exit"}));
        QVERIFY(frmHuevella->mnuBreak->Action()->isSeparator());
    }

    // Colours taken by any road are listed newest first, each once, kept
    // across starts; one chosen is taken again and copied; an unreadable
    // list is set aside and said.
    void recentColours() {
        const auto listed = [] {
            QStringList texts;
            for (const QAction* item : frmHuevella->mnuRecentColours->Action()->menu()->actions())
                texts << item->text();
            return texts;
        };
        QFile::remove(QString::fromStdString(recentPath()));
        destroyWindows();
        createWindows();
        QCOMPARE(listed(), QStringList{"No colours taken yet"});
        emit frmScreenPicker->colourTaken(RGBColor(0x1E, 0x90, 0xFF));
        emit frmColorPalette->colourChosen(RGBColor(0xFF, 0x00, 0x00));
        emit frmScreenPicker->colourTaken(RGBColor(0x1E, 0x90, 0xFF));
        QCOMPARE(listed(), (QStringList{"1E90FF", "FF0000"}));
        destroyWindows();
        createWindows();
        QCOMPARE(listed(), (QStringList{"1E90FF", "FF0000"}));
        frmHuevella->mnuRecentColours->Action()->menu()->actions().value(1)->trigger();
        QCOMPARE(frmHuevella->pallet.GetColor(), RGBColor(0xFF, 0x00, 0x00));
        QCOMPARE(desk().clipboard, QString("FF0000"));
        QCOMPARE(listed(), (QStringList{"FF0000", "1E90FF"}));
        std::ofstream(recentPath()) << "FF0000\nblue\n";
        destroyWindows();
        createWindows();
        QCOMPARE(listed().value(0).left(24), QString("Unreadable, set aside: /"));
        QVERIFY(QFile::exists(QString::fromStdString(recentPath() + ".broken")));
    }

    void registersTheTrayIcon() {
        QCOMPARE(desk().trayCalls.size(), size_t(1));
        const auto& call = desk().trayCalls[0];
        QVERIFY(call.up);
        QCOMPARE(call.entry, &frmHuevella->trayEntry);
        QCOMPARE(call.tip, QString("Huevella"));
        QVERIFY(call.hasIcon);
        QVERIFY(!frmHuevella->trayIcon->Icon().isNull());
    }

    void removesTheTrayIconOnDestruction() {
        destroyWindows();
        createWindows();
        TestDesktop& d = desk();
        DestroyWindowSet();
        QCOMPARE(d.trayCalls.size(), size_t(2));
        QVERIFY(!d.trayCalls[1].up);
        QCOMPARE(d.trayCalls[1].entry, d.trayCalls[0].entry);
        CreateWindowSet();
    }

    void placesTheWindows() {
        const int sw = Screen()->Width(), sh = Screen()->Height();
        auto* f = frmHuevella;
        QCOMPARE(QRect(f->Left(), f->Top(), f->Width(), f->Height()),
                 QRect(sw - 410, sh - 310, 186, 124));
        const auto at = [](TForm* form) { return QRect(form->pos(), form->size()); };
        QCOMPARE(at(frmSwatchCard), QRect(f->Left(), f->Top() - 103, 186, 104));
        QCOMPARE(at(frmScreenPicker), QRect(f->Left(), f->Top() + 123, 186, 104));
        QCOMPARE(at(frmColorPalette), QRect(f->Left() + 185, f->Top() + 20, 186, 104));
        QCOMPARE(at(frmSuggestSchemes),
                 QRect(frmColorPalette->Left() + 42, frmColorPalette->Top() - 61, 144, 62));
        QCOMPARE(frmMivoSlider->size(), QSize(38, 115));
    }

    void windowTitles() {
        QCOMPARE(frmHuevella->windowTitle(), QString("Huevella"));
        QCOMPARE(frmScreenPicker->windowTitle(), QString("Screen Picker"));
        QCOMPARE(frmSwatchCard->windowTitle(), QString("Swatch Card"));
        QCOMPARE(frmMivoSlider->windowTitle(), QString("Slider"));
        QCOMPARE(frmColorPalette->windowTitle(), QString("Color Palette"));
        QCOMPARE(frmSuggestSchemes->windowTitle(), QString("Suggested Color Schemes"));
        QVERIFY(frmHuevella->windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(frmHuevella->windowFlags() & Qt::FramelessWindowHint);
        for (TForm* form : companions())
            QCOMPARE(form->windowType(), Qt::Tool);
    }

    void trayDoubleClickShowsTheBook() {
        for (int round = 0; round < 2; ++round) {
            tray(TrayEntry::Action::Open);
            QVERIFY(frmHuevella->Visible());
            QVERIFY(frmHuevella->mnuOpen->Enabled());
            QVERIFY(frmHuevella->mnuNew->Enabled());
        }
        QVERIFY(!frmSwatchCard->Visible());
    }

    void trayRightClickPopsTheMenuAtThePointer() {
        desk().cursor = QPoint(1210, 790);
        tray(TrayEntry::Action::Menu);
        QCOMPARE(desk().popups.size(), size_t(1));
        QCOMPARE(desk().popups[0].menu, frmHuevella->mnuMainMenu->Menu());
        QCOMPARE(desk().popups[0].pos, QPoint(1210, 790));
        QCOMPARE(desk().foreground, static_cast<QWidget*>(frmHuevella));
        QVERIFY(!frmHuevella->Visible());
        QVERIFY(!frmHuevella->mnuOpen->Enabled());
    }

    // What each tray's report means: an embedded icon opens on a double
    // click only; a StatusNotifierItem panel reports one activation.
    void trayReports_data() {
        QTest::addColumn<QSystemTrayIcon::ActivationReason>("reason");
        QTest::addColumn<bool>("single");
        QTest::addColumn<int>("action"); // -1 nothing, else a TrayEntry::Action
        const int open = int(TrayEntry::Action::Open), menu = int(TrayEntry::Action::Menu);
        QTest::newRow("embedded: double click") << QSystemTrayIcon::DoubleClick << false << open;
        QTest::newRow("embedded: click") << QSystemTrayIcon::Trigger << false << -1;
        QTest::newRow("embedded: middle") << QSystemTrayIcon::MiddleClick << false << -1;
        QTest::newRow("embedded: context") << QSystemTrayIcon::Context << false << menu;
        QTest::newRow("panel: activation") << QSystemTrayIcon::Trigger << true << open;
        QTest::newRow("panel: context") << QSystemTrayIcon::Context << true << menu;
        QTest::newRow("unknown") << QSystemTrayIcon::Unknown << true << -1;
    }
    void trayReports() {
        QFETCH(QSystemTrayIcon::ActivationReason, reason);
        QFETCH(bool, single);
        QFETCH(int, action);
        const auto got = trayActionFor(reason, single);
        QCOMPARE(got ? int(*got) : -1, action);
    }

    void menuButtonPopsTheMenuUnderIt() {
        tray(TrayEntry::Action::Open);
        QTest::mouseClick(frmHuevella->imgMenu, Qt::LeftButton);
        QCOMPARE(desk().popups.size(), size_t(1));
        QCOMPARE(desk().popups[0].pos, QPoint(frmHuevella->Left() + 146, frmHuevella->Top() + 14));
    }

    void companionButtons_data() {
        QTest::addColumn<QString>("clicks"); // S swatch, C collapse, P palette
        QTest::addColumn<bool>("card");
        QTest::addColumn<bool>("palette");
        QTest::addColumn<bool>("collapseFace");
        QTest::newRow("swatch card") << "S" << true << false << true;
        QTest::newRow("swatch then collapse") << "SC" << false << false << false;
        QTest::newRow("palette") << "P" << false << true << true;
        QTest::newRow("palette twice closes it") << "PP" << false << false << true;
        QTest::newRow("swatch and palette collapse") << "SPC" << false << false << false;
        QTest::newRow("collapse then swatch") << "SCS" << true << false << true;
    }
    void companionButtons() {
        QFETCH(QString, clicks);
        QFETCH(bool, card);
        QFETCH(bool, palette);
        QFETCH(bool, collapseFace);
        tray(TrayEntry::Action::Open);
        frmSuggestSchemes->Show(); // as the palette will open it
        for (QChar c : clicks) {
            TImage* button = c == 'S'   ? frmHuevella->imgSwatchCard
                             : c == 'C' ? frmHuevella->imgCollapseCards
                                        : frmHuevella->imgColorPalette;
            QVERIFY(button->Visible());
            QTest::mouseClick(button, Qt::LeftButton);
        }
        QCOMPARE(frmSwatchCard->Visible(), card);
        QCOMPARE(frmColorPalette->Visible(), palette);
        QCOMPARE(collapseShown(), collapseFace);
        QCOMPARE(frmHuevella->imgSwatchCard->Visible(), !collapseFace);
        if (!palette && clicks.contains('P')) QVERIFY(!frmSuggestSchemes->Visible());
        if (clicks.endsWith('C')) QVERIFY(!frmSuggestSchemes->Visible());
    }

    // Another program's window hides the companions; the desktop's own
    // picker or question, answering a request of ours, does not (its
    // colour or picture is on its way to the picker).
    void deactivationHidesEveryCompanion_data() {
        QTest::addColumn<bool>("desktopAnswering");
        QTest::newRow("another program") << false;
        QTest::newRow("the desktop answering us") << true;
    }
    void deactivationHidesEveryCompanion() {
        QFETCH(bool, desktopAnswering);
        tray(TrayEntry::Action::Open);
        QTest::mouseClick(frmHuevella->imgSwatchCard, Qt::LeftButton);
        for (TForm* form : companions())
            form->Show();
        frmMivoSlider->Show();
        QVERIFY(Application->OnDeactivate);
        desk().answering = desktopAnswering;
        Application->OnDeactivate();
        desk().answering = false;
        for (TForm* form : companions())
            QCOMPARE(form->Visible(), desktopAnswering);
        QCOMPARE(frmMivoSlider->Visible(), desktopAnswering);
        QCOMPARE(collapseShown(), desktopAnswering);
        QVERIFY(frmHuevella->Visible());
    }

    void toSystemTrayLeavesTheSlider() {
        tray(TrayEntry::Action::Open);
        for (TForm* form : companions())
            form->Show();
        frmMivoSlider->Show();
        frmHuevella->mnuSystemTray->Click();
        QVERIFY(!frmHuevella->Visible());
        for (TForm* form : companions())
            QVERIFY(!form->Visible());
        QVERIFY(frmMivoSlider->Visible());
        QVERIFY(!frmHuevella->mnuOpen->Enabled());
        QVERIFY(!frmHuevella->mnuNew->Enabled());
        // The tray icon stays.
        QCOMPARE(desk().trayCalls.size(), size_t(1));
    }

    void previewOpensTheGalleryPage_data() {
        QTest::addColumn<bool>("opens");
        QTest::newRow("a desktop that opens it") << true;
        QTest::newRow("no program to open it") << false;
    }
    void previewOpensTheGalleryPage() {
        QFETCH(bool, opens);
        desk().openSucceeds = opens;
        if (!opens) desk().messageBoxAnswers.push_back(MessageAnswer::Ok);
        frmHuevella->mnuPreview->Click();
        const QString page = QCoreApplication::applicationDirPath() + "/gallery/login.htm";
        QCOMPARE(desk().openedDocuments, std::vector<QString>{page});
        QCOMPARE(desk().messageBoxes.size(), size_t(opens ? 0 : 1));
        if (!opens) QVERIFY(desk().messageBoxes[0].text.contains("\"" + page + "\""));
        QVERIFY(desk().exceptions.empty());
    }

    // With no tray, going to the tray would leave no way back.
    void toSystemTrayWaitsForATray() {
        desk().trayAvailable = false;
        RevealWithoutTray();
        auto* menu = frmHuevella->mnuSystemTray;
        QTest::mouseClick(frmHuevella->imgMenu, Qt::LeftButton);
        QVERIFY(!menu->Enabled());
        menu->OnClick();
        QVERIFY(frmHuevella->Visible());
        desk().trayAvailable = true; // a tray host has started
        QTest::mouseClick(frmHuevella->imgMenu, Qt::LeftButton);
        QVERIFY(menu->Enabled());
        menu->Click();
        QVERIFY(!frmHuevella->Visible());
    }

    // Exit asks the window to close; a closed main form ends the loop. With
    // unsaved changes answered Cancel, the program and its changes stay.
    void exitEndsTheProgram_data() {
        QTest::addColumn<bool>("changed");
        QTest::newRow("nothing unsaved") << false;
        QTest::newRow("unsaved, Cancel") << true;
    }
    void exitEndsTheProgram() {
        QFETCH(bool, changed);
        tray(TrayEntry::Action::Open);
        frmHuevella->modified = changed;
        if (changed) desk().messageBoxAnswers.push_back(MessageAnswer::Cancel);
        QTimer::singleShot(0, [] { frmHuevella->mnuExit->Click(); });
        // Still running a moment later: the loop is ended here instead.
        QTimer::singleShot(changed ? 300 : 10000, [] { QCoreApplication::exit(7); });
        QCOMPARE(QCoreApplication::exec(), changed ? 7 : 0);
        QCOMPARE(frmHuevella->Visible(), changed);
        QCOMPARE(frmHuevella->modified, changed);
        QCOMPARE(desk().messageBoxes.size(), std::size_t(changed ? 1 : 0));
    }

    void withoutTrayTheBookComesOut() {
        desk().trayAvailable = false;
        RevealWithoutTray();
        QVERIFY(frmHuevella->Visible());
        QVERIFY(frmHuevella->mnuOpen->Enabled());
        QVERIFY(frmHuevella->mnuNew->Enabled());
    }

    void withTrayTheBookStaysHidden() {
        RevealWithoutTray();
        QVERIFY(!frmHuevella->Visible());
    }

    void iconFile_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("fromFile");
        QFile ico(QCoreApplication::applicationDirPath() + "/Huevella.ico");
        QVERIFY(ico.open(QIODevice::ReadOnly));
        QTest::newRow("missing") << QByteArray() << false;
        QTest::newRow("garbage") << QByteArray("not an icon at all") << false;
        QTest::newRow("real icon") << ico.readAll() << true;
    }
    void iconFile() {
        QFETCH(QByteArray, content);
        QFETCH(bool, fromFile);
        QTemporaryDir dir;
        if (!content.isEmpty()) {
            QFile file(dir.filePath("Huevella.ico"));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        const QString previous = QDir::currentPath();
        QDir::setCurrent(dir.path());
        const std::optional<QIcon> loaded = LoadIconFile("Huevella.ico", 32);
        destroyWindows();
        createWindows();
        QDir::setCurrent(previous);
        QCOMPARE(loaded.has_value(), fromFile);
        // Either way the tray gets an image.
        QVERIFY(desk().trayCalls.at(0).hasIcon);
        QVERIFY(!frmHuevella->trayIcon->Icon().pixmap(32, 32).isNull());
    }

    void handlerExceptionsGoToTheExceptionBox() {
        tray(TrayEntry::Action::Open);
        frmHuevella->imgMenu->OnClick = [] {
            throw std::runtime_error("'x' is not a valid integer value");
        };
        QTest::mouseClick(frmHuevella->imgMenu, Qt::LeftButton);
        QCOMPARE(desk().exceptions.size(), size_t(1));
        QCOMPARE(desk().exceptions[0], QString("'x' is not a valid integer value"));
    }

    // The single instance's socket lives only in a folder of the user's own
    // that no one else may enter: another's could block our starts and read
    // the books handed over.
    void runtimeFolderIsPrivate_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("problem"); // "" where the folder is used
        QTest::newRow("private") << "0700"
                                 << "";
        QTest::newRow("others may enter") << "0755"
                                          << "others may enter it";
        QTest::newRow("the group may enter") << "0710"
                                             << "others may enter it";
        QTest::newRow("a file") << "file"
                                << "it is not a folder";
        QTest::newRow("a link to a private folder") << "link"
                                                    << "it is not a folder";
        QTest::newRow("another user's") << "other"
                                        << "it belongs to another user";
    }
    void runtimeFolderIsPrivate() {
        QFETCH(QString, kind);
        QFETCH(QString, problem);
        QTemporaryDir dir;
        const QString folder = dir.filePath("run");
        if (kind == "file") {
            QFile file(folder);
            QVERIFY(file.open(QIODevice::WriteOnly));
        } else if (kind == "link") {
            QVERIFY(QDir().mkdir(dir.filePath("real")));
            QFile::setPermissions(dir.filePath("real"),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QVERIFY(QFile::link(dir.filePath("real"), folder));
        } else {
            QVERIFY(QDir().mkdir(folder));
            const mode_t mode = kind == "other" ? 0700 : mode_t(kind.toInt(nullptr, 8));
            QCOMPARE(::chmod(folder.toLocal8Bit().constData(), mode), 0);
            if (kind == "other" && ::chown(folder.toLocal8Bit().constData(), 65534, 65534) != 0)
                QSKIP("only the superuser can give a folder to another user");
        }
        const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_RUNTIME_DIR", folder.toLocal8Bit());
        std::string why;
        const std::string used = SingleInstance::runtimeFolder(&why);
        qputenv("XDG_RUNTIME_DIR", saved);
        if (problem.isEmpty()) {
            QCOMPARE(QString::fromStdString(used), folder);
        } else {
            QVERIFY(used.empty());
            QCOMPARE(QString::fromStdString(why), folder + ": " + problem);
        }
    }

    // A start that fails is shown and ends the program with status 1, not
    // as a success; one that runs ends with 0.
    void aFailedStartIsAFailure() {
        QCOMPARE(
            RunProgram(*Application, [] { throw std::runtime_error("no room for the windows"); }),
            1);
        QCOMPARE(desk().exceptions, std::vector<QString>{"no room for the windows"});
        QCOMPARE(RunProgram(*Application,
                            [] { QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); }); }),
                 0);
        QCOMPARE(desk().exceptions.size(), size_t(1));
    }

    // One display, one program: the names X gives one server share a
    // socket, another server's do not.
    void oneSocketADisplay_data() {
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("wayland"); // "socket": a Wayland desktop's; "gone": a stale name
        QTest::addColumn<bool>("same");       // as ":5"
        QTest::newRow("unix:5") << "unix:5"
                                << "" << true;
        QTest::newRow("a screen of it") << ":5.1"
                                        << "" << true;
        QTest::newRow("by loopback") << "localhost:5.0"
                                     << "" << true;
        QTest::newRow("with a protocol") << "unix/:5"
                                         << "" << true;
        QTest::newRow("another server") << ":6"
                                        << "" << false;
        QTest::newRow("another host") << "elsewhere:5"
                                      << "" << false;
        // One program a Wayland desktop, on its Xwayland or natively.
        QTest::newRow("native beside its Xwayland") << ""
                                                    << "socket" << true;
        QTest::newRow("a stale Wayland name") << ":6"
                                              << "gone" << false;
    }
    void oneSocketADisplay() {
        QFETCH(QString, display);
        QFETCH(QString, wayland);
        QFETCH(bool, same);
        const PrivateRuntime runtime(":5");
        const int server = ::socket(AF_UNIX, SOCK_STREAM, 0);
        if (!wayland.isEmpty()) qputenv("WAYLAND_DISPLAY", "wayland-1");
        if (wayland == "socket") {
            sockaddr_un address{};
            address.sun_family = AF_UNIX;
            const QByteArray path = qgetenv("XDG_RUNTIME_DIR") + "/wayland-1";
            std::strncpy(address.sun_path, path.constData(), sizeof address.sun_path - 1);
            QCOMPARE(::bind(server, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        }
        const std::string plain = SingleInstance::socketPath();
        qputenv("DISPLAY", display.toLocal8Bit());
        const std::string other = SingleInstance::socketPath();
        qunsetenv("WAYLAND_DISPLAY");
        ::close(server);
        QVERIFY(!plain.empty());
        QCOMPARE(plain == other, same);
    }

    // Requests that come while a question waits for the person wait too,
    // folded into one: the last book asked for, and how many went before it.
    void requestsWaitForAQuestionAndFold() {
        const PrivateRuntime runtime(":97");
        std::vector<std::pair<QString, int>> handled;
        bool busy = true;
        {
            SingleInstance single;
            QCOMPARE(single.claim(), SingleInstance::Claim::Ours);
            single.listen(
                [&](const std::optional<std::string>& book, int dropped) {
                    handled.emplace_back(book ? QString::fromStdString(*book) : "come out",
                                         dropped);
                },
                [&] { return busy; });
            const auto send = [&](const QByteArray& request) {
                const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
                sockaddr_un address{};
                address.sun_family = AF_UNIX;
                const std::string path = SingleInstance::socketPath();
                std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
                QCOMPARE(::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
                QCOMPARE(::write(fd, request.data(), size_t(request.size())),
                         ssize_t(request.size()));
                ::shutdown(fd, SHUT_WR);
                char end;
                // Its end closed: the request was taken.
                QTRY_COMPARE(::recv(fd, &end, 1, MSG_DONTWAIT), ssize_t(0));
                ::close(fd);
            };
            for (const char* request : {"Oa.hvz", "R", "Ob.hvz", "Oc.hvz", "R", "Oc.hvz"})
                send(request);
            QTest::qWait(300);
            const std::size_t whileBusy = handled.size();
            busy = false;
            QTRY_COMPARE(handled.size(), std::size_t(1));
            QTest::qWait(200);
            send("R");
            QTRY_COMPARE(handled.size(), std::size_t(2));
            QCOMPARE(whileBusy, std::size_t(0));
        }
        QCOMPARE(handled[0], std::make_pair(QString("c.hvz"), 2));
        QCOMPARE(handled[1], std::make_pair(QString("come out"), 0));
    }

    // Without a runtime folder, the shared temporary folder's name taken
    // first by another user is refused, and the user's cache serves.
    void aTakenTemporaryFolderFallsBackToTheCache() {
        QTemporaryDir tmp, home;
        const QString taken = tmp.filePath(QString("huevella-%1").arg(::geteuid()));
        QVERIFY(QDir().mkdir(taken));
        if (::chown(taken.toLocal8Bit().constData(), 65534, 65534) != 0)
            QSKIP("only the superuser can give a folder to another user");
        const QByteArray saved[] = {qgetenv("XDG_RUNTIME_DIR"), qgetenv("TMPDIR"), qgetenv("HOME"),
                                    qgetenv("XDG_CACHE_HOME")};
        qunsetenv("XDG_RUNTIME_DIR");
        qunsetenv("XDG_CACHE_HOME");
        qputenv("TMPDIR", tmp.path().toLocal8Bit());
        qputenv("HOME", home.path().toLocal8Bit());
        const std::string used = SingleInstance::runtimeFolder();
        qputenv("XDG_RUNTIME_DIR", saved[0]);
        qputenv("TMPDIR", saved[1]);
        qputenv("HOME", saved[2]);
        if (!saved[3].isEmpty()) qputenv("XDG_CACHE_HOME", saved[3]);
        QCOMPARE(QString::fromStdString(used), home.filePath(".cache/huevella-runtime"));
        QCOMPARE(QFileInfo(home.filePath(".cache/huevella-runtime")).permissions() &
                     (QFile::ReadOther | QFile::ExeOther | QFile::ReadGroup),
                 QFileDevice::Permissions());
    }
};

HUEVELLA_TEST_MAIN(TestShell)
#include "tst_shell.moc"
