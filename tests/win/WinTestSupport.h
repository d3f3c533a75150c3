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

} // namespace wintest
