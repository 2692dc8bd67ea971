#pragma once
#include <cstdint>

namespace push {

// The message ids at the head of every record (bytes 0-1, little-endian).
enum MessageId : uint16_t {
    ClientIdAssignment = 1001, // identity channel, server to client
    NewsFlash = 1014,          // push, server to client
    Login = 1015,              // login channel, request and reply
    Logon = 1016,              // push logon, and the identity report on the identity channel
    LoggedInElsewhere = 1017,  // push, server to client
    CalendarDay = 1019,        // push, server to client
    QuoteBatch = 1020,         // push, server to client
    Heartbeat = 1021,          // push: the server's probe and the client's answer
    Feedback = 1022,           // push, client to server
};

} // namespace push
