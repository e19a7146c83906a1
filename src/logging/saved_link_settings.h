#pragma once

#include <QSqlDatabase>
#include <cstdint>
#include <optional>

namespace vt {

// The serial settings last opened, as list indices of the port panel.
struct SavedLink {
    std::int32_t portIndex = 0;     // port - 1
    std::int32_t baudCode = 0;      // 0..8
    std::int32_t parityCode = 0;    // 0 none, 1 odd, 2 even
    std::int32_t addressIndex = 0;  // address - 1
    friend bool operator==(const SavedLink&, const SavedLink&) = default;
};

// The link settings kept in the single record of Charge_Data (fields 1, 2, 6 and 7), on the
// connection of the window that uses them. Other fields of the record are never touched.
class SavedLinkSettings {
  public:
    explicit SavedLinkSettings(const QSqlDatabase& db);

    // The saved settings; nothing when the record (or the file) is missing or unreadable.
    std::optional<SavedLink> restore() const;

    // Saves the settings just opened: port 1..20, baud code, parity code, address 1..16. A
    // failure is logged and leaves the saved settings as they were.
    bool save(std::int32_t port, std::int32_t baudCode, std::int32_t parityCode,
              std::int32_t address) const;

  private:
    QSqlDatabase m_db;
};

}  // namespace vt
