#pragma once
// Small helpers for the tests that run under Wine.

#include <string>

namespace wintest {

std::string WindowsDirectory();
std::string TempDirectory(); // ends in a backslash
std::string LogPath();       // the session log's file in the Windows directory

bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);
// The file's bytes; an empty string when it cannot be read.
std::string ReadBytes(const std::string& path);
// Creates or truncates path with content; false on failure.
bool WriteBytes(const std::string& path, const std::string& content);

// Creates an empty session log file for the test's lifetime and removes it after.
class ScopedLogFile {
  public:
    ScopedLogFile();
    ~ScopedLogFile();
    std::string Content() const { return ReadBytes(path_); }
    const std::string& Path() const { return path_; }

  private:
    std::string path_;
};

// A fresh folder under the temporary directory, removed with its files after.
class ScopedFolder {
  public:
    explicit ScopedFolder(const std::string& name);
    ~ScopedFolder();
    const std::string& Path() const { return path_; } // ends in a backslash

  private:
    std::string path_;
};

// Deletes a folder tree; missing is fine.
void RemoveTree(const std::string& path);

// The Framework 1.1 as detection sees it: the policy key and the folder.
extern const char kFrameworkKey[]; // under HKEY_LOCAL_MACHINE
std::string FrameworkFolder();     // <Windows>\Microsoft.Net\Framework\v1.1.4322
// Creates the Framework folder and its parents; false when it cannot.
bool MakeFrameworkFolder();
// Writes the value "4322" and the folder: the machine then has the Framework.
bool InstallFramework();
// Removes the key, and the folder (or a file of its name).
void RemoveFramework();

} // namespace wintest
