#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "port_facts.h"

namespace vt {

// Whether the user may open the device, and if not, what would let them.
enum class PortAccess {
    Allowed,
    Missing,        // no such device
    NeedsGroup,     // the device's group may open it: the user must join that group
    NeedsNewLogin,  // the user joined the group, but this login does not carry it yet
    Denied,         // neither owner, group nor others may: the device's mode must change
};

PortAccess DecideAccess(const DeviceFacts& device, const UserFacts& user);

// Everything "端口诊断" looks at for one serial port.
struct PortFacts {
    DeviceFacts device;
    UserFacts user;
    std::vector<PortHolder> holders;  // processes with the device open
    qint64 ownPid = 0;                // this station, which may be one of them
    bool modemManager = false;        // ModemManager runs (it may probe new serial adapters)
};

// Gathers the facts of a device from the running system.
PortFacts ReadPortFacts(const QString& device);

// One line of the diagnosis: what was looked at, what was found, and whether it is in order.
struct DiagnosisRow {
    QString caption;
    QString finding;
    bool ok = true;
};

struct PortDiagnosis {
    std::vector<DiagnosisRow> rows;
    QStringList remedies;  // what to do, most important first; empty when all is in order
};

PortDiagnosis Diagnose(const PortFacts& facts);

// "crw-rw----" for a mode.
QString ModeText(mode_t mode);

}  // namespace vt
