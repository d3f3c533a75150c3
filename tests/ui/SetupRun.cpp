#include "SetupRun.h"

#include "../win/WinTestSupport.h"
#include "tests/ui/UiDriver.h"

#include <gtest/gtest.h>

namespace uitest {

std::string WinePath(const std::string& unixPath) {
    if (unixPath.empty() || unixPath[0] != '/')
        return unixPath;
    std::string path = "Z:" + unixPath;
    for (char& c : path)
        if (c == '/')
            c = '\\';
    return path;
}

SetupRun::SetupRun(const std::string& exe) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    std::string commandLine = "\"" + exe + "\"";
    if (::CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                         &startup, &info)) {
        ::CloseHandle(info.hThread);
        process_.Reset(info.hProcess);
    }
}

SetupRun::~SetupRun() {
    if (process_ && ::WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT) {
        ::TerminateProcess(process_.Get(), 99);
        ::WaitForSingleObject(process_.Get(), 10000);
    }
}

bool SetupRun::Wait(DWORD timeoutMs, DWORD* exitCode) {
    if (!process_ || ::WaitForSingleObject(process_.Get(), timeoutMs) != WAIT_OBJECT_0)
        return false;
    DWORD code = 0;
    ::GetExitCodeProcess(process_.Get(), &code);
    if (exitCode)
        *exitCode = code;
    return true;
}

HWND SetupRun::Dialog(DWORD timeoutMs) const {
    return uidriver::FindTopWindow("Snapharbor Setup", timeoutMs);
}

std::vector<LogEntry> ReadLog() {
    return wintest::ReadEntries(wintest::ReadBytes(wintest::LogPath()));
}

std::string WorkingFolderOf(const std::vector<LogEntry>& entries) {
    const std::string prefix = "Creating temp folder \"";
    std::string folder;
    for (const auto& e : entries)
        if (e.kind == "info" && e.text.compare(0, prefix.size(), prefix) == 0)
            folder = e.text.substr(prefix.size(), e.text.size() - prefix.size() - 1) + "\\";
    return folder;
}

} // namespace uitest
