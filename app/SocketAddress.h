#pragma once

#include <cstring>
#include <string>

#include <sys/socket.h>
#include <sys/un.h>

// The socket's address for a path; false where the path is too long for one.
inline bool addressOf(const std::string& path, sockaddr_un& address) {
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return true;
}
