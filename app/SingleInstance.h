#pragma once

#include <QObject>
#include <QTimer>

#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

class QSocketNotifier;

// One program a desktop at a time. The first start claims the desktop with
// a lock held for life (a file beside the socket, locked with flock), then
// listens on a local socket in the user's runtime folder, keyed by display;
// a later start finds the lock taken and hands its request (come out, or
// open this book) to the running program over the socket, and ends. Plain
// POSIX sockets: the networking library and its dependencies would cost
// every start time and memory for this alone.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    // A request: come out, or open `book`; `dropped` books asked for
    // before it, while it waited, were let go in its favour.
    using Request = std::function<void(const std::optional<std::string>& book, int dropped)>;

    SingleInstance();
    ~SingleInstance() override;

    enum class Claim {
        Ours,        // this program is the one: listen()
        Elsewhere,   // another program has the desktop: handOver()
        Unavailable, // no private folder to keep it in: run, but alone
    };
    Claim claim();
    // This process gives up its share of the claim (a process forked off
    // keeps it).
    void letGo();
    // Names this process as the claim's holder (a process forked off to
    // be the program).
    void markHolder();
    // Hands the request to the program holding the claim. False when it does
    // not answer in time; `why` says so for the user.
    bool handOver(const std::optional<std::string>& book, std::string& why);
    // Asks the program holding the claim to pick a colour from the screen
    // in `form`: the connection on which its answer will come (see
    // PickAnswer), or -1 with `why`. Closing it ends the pick.
    int handOverPick(std::string_view form, std::string& why);
    // Listens for later starts; their requests go to `onRequest` one at a
    // time, never from inside the handling of another, nor while `busy`
    // says the program is waiting for the person (they wait until it is
    // not). Requests that wait are folded: the last book asked for wins.
    void listen(Request onRequest, std::function<bool()> busy = {});
    // Picks asked for by later starts: the connection to answer on, which
    // the callee then owns, and the form asked for.
    using Pick = std::function<void(int fd, const std::string& form)>;
    void listenForPicks(Pick onPick) { pick = std::move(onPick); }

    // The folder and the socket this desktop's program uses; empty when
    // there is no private folder (the reason in `problem`).
    static std::string runtimeFolder(std::string* problem = nullptr);
    static std::string socketPath(std::string* problem = nullptr);

    // At most this many later starts are heard at once; a peer that sends
    // nothing within IdleTimeout ms, or has not sent all within
    // RequestTimeout ms of its first byte, is dropped: a start sends its
    // request whole at once, so neither idle nor slow connections keep a
    // start waiting long.
    static constexpr int MaxPeers = 16;
    static constexpr int IdleTimeout = 250;
    static constexpr int RequestTimeout = 250;

private:
    struct Client {
        std::unique_ptr<QSocketNotifier> notifier;
        std::unique_ptr<QTimer> timeout;
        std::string received;
        bool started = false; // its request has begun to come
    };
    void accept();
    void read(int fd);
    void expire(int fd);
    void drop(int fd);
    // Forgets the peer without closing it.
    bool release(int fd);
    int connectToHolder(std::chrono::steady_clock::time_point deadline, std::string& why);
    // Counted in the lock file, so that a start kept out by a full queue
    // can tell a program busy with other peers from one that takes none.
    void countAccepted();
    unsigned long long accepted = 0;
    void enqueue(const std::optional<std::string>& book);
    void handleNext();

    Request request;
    Pick pick;
    std::function<bool()> busy;
    QTimer retry;
    int server = -1;
    int lock = -1;
    std::string path;
    std::unique_ptr<QSocketNotifier> listening;
    std::map<int, Client> clients;
    std::optional<std::optional<std::string>> pending;  // the one waiting, if any
    int dropped = 0;                                    // books let go in favour of the one waiting
    std::optional<std::optional<std::string>> handling; // the request being handled
};
