#pragma once

#include <QString>

namespace vt {

// Why the plant link is not connected, decided once where libmosquitto answers.
enum class PlantFailure {
    None,
    Connecting,      // the first attempt is under way
    Unreachable,     // no broker at that address: refused, unreachable, unknown host, time-out
    Tls,             // the TLS handshake failed: a certificate not from the given authority, ...
    LoginRefused,    // the broker refused the user name or password, or the client
    ConnectionLost,  // the broker went away or closed the connection
    Outbox,          // the outbox file cannot be used
};

// A short key for the failure, as `status` and the log carry it ("login-refused").
QString PlantFailureKey(PlantFailure failure);

}  // namespace vt
