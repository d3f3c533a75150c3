#pragma once
// One run of Setup.exe as a child process of a UI test, with its session log.

#include "../win/PayloadTestSupport.h"
#include "platform/Handle.h"

#include <windows.h>

#include <string>
#include <vector>

namespace uitest {

// A Linux path of the build tree as Wine sees it (drive Z: is /).
std::string WinePath(const std::string& unixPath);

class SetupRun {
  public:
    // Starts exe (a Windows path); the run is killed if it still runs at the end.
    explicit SetupRun(const std::string& exe);
    ~SetupRun();
    bool Started() const { return bool(process_); }
    // Waits for the process; false on timeout. *exitCode gets its exit code.
    bool Wait(DWORD timeoutMs, DWORD* exitCode = nullptr);
    HWND Dialog(DWORD timeoutMs = 20000) const;

  private:
    platform::KernelHandle process_;
};

using wintest::LogEntry;

// The session log's entries; fails the current test if it is not well-formed.
std::vector<LogEntry> ReadLog();

// The run's working folder, taken from its "Creating temp folder" entry (with
// the trailing backslash); empty when there is none.
std::string WorkingFolderOf(const std::vector<LogEntry>& entries);

} // namespace uitest
