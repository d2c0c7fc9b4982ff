#pragma once

#include <QLocalServer>
#include <QObject>

#include <functional>
#include <optional>
#include <string>

// One program at a time. The first start listens on a local socket in the
// user's runtime folder; a later start hands its request (come out, or open
// this book) to it and ends. A socket left by a program that crashed is
// taken over.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    using Request = std::function<void(const std::optional<std::string>& book)>;

    // True when a running program took the request: this one should end.
    static bool handOver(const std::optional<std::string>& book);
    // Listens for later starts; each request is handed to `onRequest`.
    void listen(Request onRequest);

private:
    QLocalServer server;
    Request request;
};
