#pragma once

#include <cstdio>
#include <string>

#include "register_areas.h"

namespace vt::sim {

// A text file with one line per write the controller carried out ("holding 3 2500",
// "coil 1 1"), appended and flushed at once, so another process can watch what a master
// actually changed.
class WriteLog {
  public:
    WriteLog() = default;
    ~WriteLog();
    WriteLog(const WriteLog&) = delete;
    WriteLog& operator=(const WriteLog&) = delete;

    bool open(const std::string& path);  // appends to the file; false when it cannot
    void record(Table table, int number, int value);

  private:
    std::FILE* m_file = nullptr;
};

}  // namespace vt::sim
