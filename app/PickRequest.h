#pragma once

#include "core/colour/CodeFormat.h"

#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QSocketNotifier;
struct PickOutcome;

// `huevella --pick` and the program that picks for it talk over one
// connection: the program says "A" when it has the request, then "C" and
// the code when a colour is taken, or "X" and why not (nothing: cancelled);
// each a line. A caller that asked for several picks ("multiple" after the
// form) hears "M" and the code of each colour taken with more to come, and
// "E" when the person ended them. The caller closing its end cancels the
// pick.

// The caller's side: waits for the answer on `fd` (the request sent), the
// acknowledgement within `ackWithin` ms (-1: however long), prints each code
// on standard output, a line each, and gives the exit status: 0 taken, 1
// not.
// `noAnswer` is what is said when no acknowledgement comes.
int awaitPickAnswer(int fd, int ackWithin, const std::string& noAnswer);

// The program's side: the picks asked for, over the connections they came
// on. The first starts the pick; later ones join it (each hears the colour
// in its own form); the pick is cancelled when every caller has gone. While
// `busy` (a question of ours waits for the person) a pick waits.
class PickRequests : public QObject {
public:
    // The form, and the square to average (0: the one last chosen).
    using Start =
        std::function<void(const CodeFormat&, int, std::function<void(const PickOutcome&)>)>;
    PickRequests(Start start, std::function<void()> cancel, std::function<bool()> busy);
    ~PickRequests() override;
    // Takes the connection: the form asked for, as its word or template,
    // and any option after it, each after a tab ("hex\taverage=5").
    void add(int fd, const std::string& request);

private:
    struct Caller {
        int fd;
        CodeFormat form;
        int average;
        bool multiple;
        std::unique_ptr<QSocketNotifier> hangUp;
    };
    void startWhenFree();
    void finished(const PickOutcome& outcome);
    void gone(int fd);
    static void say(int fd, const std::string& line);

    Start start;
    std::function<void()> cancel;
    std::function<bool()> busy;
    std::vector<Caller> callers;
    bool underWay = false;
    QTimer retry;
};
