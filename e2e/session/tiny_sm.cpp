/* A session manager small enough to script: it speaks XSMP to the programs
 * of a test, and takes its orders from standard input, one a line:
 *   checkpoint   ask every client to save itself; the session goes on
 *   logout       ask every client to save itself before the session ends
 *   cancel       the logout is cancelled (as when another program refused)
 * It prints SESSION_MANAGER=... first, then what the clients answer:
 *   registered, interact, done ok|failed, cancel-shutdown. */
#include <X11/ICE/ICElib.h>
#include <X11/SM/SMlib.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/select.h>
#include <unistd.h>

#define MAX_CLIENTS 8

static SmsConn clients[MAX_CLIENTS];
static IceConn connections[MAX_CLIENTS * 2];
static int clientCount, connectionCount;

static void say(const char* what) {
    printf("%s\n", what);
    fflush(stdout);
}

static Status registerClient(SmsConn conn, SmPointer data, char* previousId) {
    (void)data;
    (void)previousId;
    char* id = SmsGenerateClientID(conn);
    SmsRegisterClientReply(conn, id);
    free(id);
    say("registered");
    return 1;
}

static void interactRequest(SmsConn conn, SmPointer data, int dialogType) {
    (void)data;
    (void)dialogType;
    say("interact");
    SmsInteract(conn);
}

static void interactDone(SmsConn conn, SmPointer data, Bool cancelShutdown) {
    (void)conn;
    (void)data;
    if (cancelShutdown) say("cancel-shutdown");
}

static void saveYourselfRequest(SmsConn conn, SmPointer data, int saveType, Bool shutdown,
                                int interactStyle, Bool fast, Bool global) {
    (void)conn, (void)data, (void)saveType, (void)shutdown, (void)interactStyle, (void)fast,
        (void)global;
}

static void phase2Request(SmsConn conn, SmPointer data) {
    (void)data;
    SmsSaveYourselfPhase2(conn);
}

static void saveYourselfDone(SmsConn conn, SmPointer data, Bool success) {
    (void)conn;
    (void)data;
    say(success ? "done ok" : "done failed");
    SmsSaveComplete(conn);
}

static void closeConnection(SmsConn conn, SmPointer data, int count, char** reasons) {
    (void)data;
    SmFreeReasons(count, reasons);
    for (int i = 0; i < clientCount; ++i)
        if (clients[i] == conn) clients[i] = clients[--clientCount];
    IceConn ice = SmsGetIceConnection(conn);
    SmsCleanUp(conn);
    IceSetShutdownNegotiation(ice, False);
    IceCloseConnection(ice);
    for (int i = 0; i < connectionCount; ++i)
        if (connections[i] == ice) connections[i] = connections[--connectionCount];
    say("closed");
}

static void setProperties(SmsConn conn, SmPointer data, int count, SmProp** props) {
    (void)conn, (void)data;
    for (int i = 0; i < count; ++i)
        SmFreeProperty(props[i]);
    free(props);
}

static void deleteProperties(SmsConn conn, SmPointer data, int count, char** names) {
    (void)conn, (void)data;
    for (int i = 0; i < count; ++i)
        free(names[i]);
    free(names);
}

static void getProperties(SmsConn conn, SmPointer data) {
    (void)data;
    SmsReturnProperties(conn, 0, NULL);
}

static Status newClient(SmsConn conn, SmPointer data, unsigned long* mask, SmsCallbacks* callbacks,
                        char** failure) {
    (void)data;
    (void)failure;
    if (clientCount == MAX_CLIENTS) return 0;
    clients[clientCount++] = conn;
    memset(callbacks, 0, sizeof *callbacks);
    callbacks->register_client.callback = registerClient;
    callbacks->interact_request.callback = interactRequest;
    callbacks->interact_done.callback = interactDone;
    callbacks->save_yourself_request.callback = saveYourselfRequest;
    callbacks->save_yourself_phase2_request.callback = phase2Request;
    callbacks->save_yourself_done.callback = saveYourselfDone;
    callbacks->close_connection.callback = closeConnection;
    callbacks->set_properties.callback = setProperties;
    callbacks->delete_properties.callback = deleteProperties;
    callbacks->get_properties.callback = getProperties;
    *mask = SmsRegisterClientProcMask | SmsInteractRequestProcMask | SmsInteractDoneProcMask |
            SmsSaveYourselfRequestProcMask | SmsSaveYourselfP2RequestProcMask |
            SmsSaveYourselfDoneProcMask | SmsCloseConnectionProcMask | SmsSetPropertiesProcMask |
            SmsDeletePropertiesProcMask | SmsGetPropertiesProcMask;
    return 1;
}

// The test's programs are the user's own: local clients are let in, no
// others.
static Bool anyHost(char* hostName) {
    return hostName && (strncmp(hostName, "local/", 6) == 0 || strncmp(hostName, "unix/", 5) == 0);
}

static void order(const char* line) {
    for (int i = 0; i < clientCount; ++i) {
        if (strncmp(line, "checkpoint", 10) == 0)
            SmsSaveYourself(clients[i], SmSaveBoth, False, SmInteractStyleAny, False);
        else if (strncmp(line, "logout", 6) == 0)
            SmsSaveYourself(clients[i], SmSaveBoth, True, SmInteractStyleAny, False);
        else if (strncmp(line, "cancel", 6) == 0)
            SmsShutdownCancelled(clients[i]);
    }
}

int main(void) {
    char error[256];
    if (!SmsInitialize("tiny_sm", "1.0", newClient, NULL, anyHost, sizeof error, error)) {
        fprintf(stderr, "tiny_sm: %s\n", error);
        return 1;
    }
    int listenCount = 0;
    IceListenObj* listeners = NULL;
    if (!IceListenForConnections(&listenCount, &listeners, sizeof error, error)) {
        fprintf(stderr, "tiny_sm: %s\n", error);
        return 1;
    }
    for (int i = 0; i < listenCount; ++i)
        IceSetHostBasedAuthProc(listeners[i], anyHost);
    // Only the local ways in are told.
    printf("SESSION_MANAGER=");
    const char* comma = "";
    for (int i = 0; i < listenCount; ++i) {
        char* id = IceGetListenConnectionString(listeners[i]);
        if (strncmp(id, "local/", 6) == 0 || strncmp(id, "unix/", 5) == 0) {
            printf("%s%s", comma, id);
            comma = ",";
        }
        free(id);
    }
    printf("\n");
    fflush(stdout);
    char line[256];
    size_t have = 0;
    for (;;) {
        fd_set ready;
        FD_ZERO(&ready);
        FD_SET(0, &ready);
        int top = 0;
        for (int i = 0; i < listenCount; ++i) {
            const int fd = IceGetListenConnectionNumber(listeners[i]);
            FD_SET(fd, &ready);
            if (fd > top) top = fd;
        }
        for (int i = 0; i < connectionCount; ++i) {
            const int fd = IceConnectionNumber(connections[i]);
            FD_SET(fd, &ready);
            if (fd > top) top = fd;
        }
        if (select(top + 1, &ready, NULL, NULL, NULL) < 0) continue;
        if (FD_ISSET(0, &ready)) {
            const ssize_t n = read(0, line + have, sizeof line - 1 - have);
            if (n <= 0) return 0;
            have += (size_t)n;
            line[have] = '\0';
            char* end;
            while ((end = strchr(line, '\n'))) {
                *end = '\0';
                order(line);
                memmove(line, end + 1, strlen(end + 1) + 1);
                have = strlen(line);
            }
        }
        for (int i = 0; i < listenCount; ++i) {
            if (!FD_ISSET(IceGetListenConnectionNumber(listeners[i]), &ready)) continue;
            IceAcceptStatus status;
            IceConn conn = IceAcceptConnection(listeners[i], &status);
            if (!conn || connectionCount == MAX_CLIENTS * 2) continue;
            IceConnectStatus state;
            while ((state = IceConnectionStatus(conn)) == IceConnectPending)
                if (IceProcessMessages(conn, NULL, NULL) == IceProcessMessagesIOError) break;
            if (state == IceConnectAccepted) connections[connectionCount++] = conn;
        }
        for (int i = 0; i < connectionCount; ++i) {
            IceConn conn = connections[i];
            if (!FD_ISSET(IceConnectionNumber(conn), &ready)) continue;
            if (IceProcessMessages(conn, NULL, NULL) == IceProcessMessagesIOError) {
                IceSetShutdownNegotiation(conn, False);
                IceCloseConnection(conn);
                connections[i--] = connections[--connectionCount];
            }
        }
    }
}
