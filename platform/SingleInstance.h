#pragma once

#include <QObject>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

class QSocketNotifier;

// One program at a time. The first start listens on a local socket in the
// user's runtime folder; a later start hands its request (come out, or open
// this book) to it and ends. A socket left by a program that crashed is
// taken over. Plain POSIX sockets: the networking library and its
// dependencies would cost every start time and memory for this alone.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    using Request = std::function<void(const std::optional<std::string>& book)>;

    SingleInstance();
    ~SingleInstance() override;

    // True when a running program took the request: this one should end.
    static bool handOver(const std::optional<std::string>& book);
    // Listens for later starts; each request is handed to `onRequest`.
    void listen(Request onRequest);

private:
    struct Client {
        std::unique_ptr<QSocketNotifier> notifier;
        std::string received;
    };
    void accept();
    void read(int fd);

    Request request;
    int server = -1;
    std::string path;
    std::unique_ptr<QSocketNotifier> listening;
    std::map<int, Client> clients;
};
