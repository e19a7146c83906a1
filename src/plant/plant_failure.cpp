#include "plant_failure.h"

namespace vt {

QString PlantFailureKey(PlantFailure failure) {
    switch (failure) {
        case PlantFailure::None:
            return {};
        case PlantFailure::Connecting:
            return QStringLiteral("connecting");
        case PlantFailure::Unreachable:
            return QStringLiteral("unreachable");
        case PlantFailure::Tls:
            return QStringLiteral("tls");
        case PlantFailure::LoginRefused:
            return QStringLiteral("login-refused");
        case PlantFailure::ConnectionLost:
            return QStringLiteral("connection-lost");
        case PlantFailure::Outbox:
            return QStringLiteral("outbox");
    }
    return {};
}

}  // namespace vt
