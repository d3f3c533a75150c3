#include "WinTestSupport.h"

#include "platform/Handle.h"

#include <windows.h>

namespace wintest {

std::string WindowsDirectory() {
    char buffer[MAX_PATH];
    UINT n = ::GetWindowsDirectoryA(buffer, MAX_PATH);
    return std::string(buffer, n);
}

std::string TempDirectory() {
    char buffer[MAX_PATH];
    DWORD n = ::GetTempPathA(MAX_PATH, buffer);
    return std::string(buffer, n);
}

std::string LogPath() {
    return WindowsDirectory() + "\\Snapharbor_Setup.log.tmp";
}

bool FileExists(const std::string& path) {
    DWORD a = ::GetFileAttributesA(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool DirectoryExists(const std::string& path) {
    DWORD a = ::GetFileAttributesA(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

std::string ReadBytes(const std::string& path) {
    platform::FileHandle f(::CreateFileA(path.c_str(), GENERIC_READ,
                                         FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                         0, nullptr));
    if (!f)
        return std::string();
    std::string out;
    char buffer[65536];
    DWORD got = 0;
    while (::ReadFile(f.Get(), buffer, sizeof buffer, &got, nullptr) && got > 0)
        out.append(buffer, got);
    return out;
}

bool WriteBytes(const std::string& path, const std::string& content) {
    platform::FileHandle f(
        ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    if (!f)
        return false;
    DWORD written = 0;
    return ::WriteFile(f.Get(), content.data(), (DWORD)content.size(), &written, nullptr) &&
           written == content.size();
}

ScopedLogFile::ScopedLogFile() : path_(LogPath()) {
    WriteBytes(path_, "");
}
ScopedLogFile::~ScopedLogFile() {
    ::DeleteFileA(path_.c_str());
}

void RemoveTree(const std::string& path) {
    std::string folder = path;
    if (!folder.empty() && folder.back() == '\\')
        folder.pop_back();
    WIN32_FIND_DATAA data;
    HANDLE find = ::FindFirstFileA((folder + "\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::string name = data.cFileName;
            if (name == "." || name == "..")
                continue;
            std::string child = folder + "\\" + name;
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(child);
            else {
                ::SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                ::DeleteFileA(child.c_str());
            }
        } while (::FindNextFileA(find, &data));
        ::FindClose(find);
    }
    ::RemoveDirectoryA(folder.c_str());
}

ScopedFolder::ScopedFolder(const std::string& name) : path_(TempDirectory() + name + "\\") {
    RemoveTree(path_);
    ::CreateDirectoryA(path_.c_str(), nullptr);
}

ScopedFolder::~ScopedFolder() {
    RemoveTree(path_);
}

const char kFrameworkKey[] = "SOFTWARE\\Microsoft\\.NETFramework\\policy\\v1.1";

std::string FrameworkFolder() {
    return WindowsDirectory() + "\\Microsoft.Net\\Framework\\v1.1.4322";
}

bool MakeFrameworkFolder() {
    std::string path = WindowsDirectory() + "\\Microsoft.Net";
    ::CreateDirectoryA(path.c_str(), nullptr);
    ::CreateDirectoryA((path + "\\Framework").c_str(), nullptr);
    return ::CreateDirectoryA(FrameworkFolder().c_str(), nullptr) ||
           ::GetLastError() == ERROR_ALREADY_EXISTS;
}

bool InstallFramework() {
    HKEY raw = nullptr;
    if (::RegCreateKeyExA(HKEY_LOCAL_MACHINE, kFrameworkKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                          &raw, nullptr) != ERROR_SUCCESS)
        return false;
    platform::RegKey key(raw);
    return ::RegSetValueExA(key.Get(), "4322", 0, REG_SZ,
                            reinterpret_cast<const BYTE*>("3706-4322"), 10) == ERROR_SUCCESS &&
           MakeFrameworkFolder();
}

void RemoveFramework() {
    ::RegDeleteKeyA(HKEY_LOCAL_MACHINE, kFrameworkKey);
    RemoveTree(FrameworkFolder());
    ::DeleteFileA(FrameworkFolder().c_str());
}

} // namespace wintest
