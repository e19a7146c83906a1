#include "write_log.h"

namespace vt::sim {

WriteLog::~WriteLog() {
    if (m_file) std::fclose(m_file);
}

bool WriteLog::open(const std::string& path) {
    if (m_file) std::fclose(m_file);
    m_file = std::fopen(path.c_str(), "ae");
    return m_file != nullptr;
}

void WriteLog::record(Table table, int number, int value) {
    if (!m_file) return;
    const char* area = table == Table::Coil ? "coil" : "holding";
    std::fprintf(m_file, "%s %d %d\n", area, number, value);
    std::fflush(m_file);
}

}  // namespace vt::sim
