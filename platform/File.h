#pragma once
// A file opened without sharing. Every failure raises platform::FileException
// carrying the system error code; the destructor closes silently.

#include "platform/Exception.h"
#include "platform/Handle.h"

#include <cstddef>
#include <string>

namespace platform {

class File {
  public:
    enum class Mode {
        WriteExisting, // write access; never creates or truncates
        CreateAlways,  // write access; creates, or truncates an existing file
    };

    File(const std::string& path, Mode mode);
    File(const File&) = delete;
    File& operator=(const File&) = delete;

    void SeekToEnd();
    // Writes every byte or raises.
    void Write(const void* data, std::size_t size);
    void Flush();
    // Closes the handle; a failing close raises. Closing twice is a no-op.
    void Close();
    const std::string& Path() const { return path_; }

  private:
    [[noreturn]] void Fail() const;

    std::string path_;
    FileHandle handle_;
};

// The system's message text for an error code, exactly as the system gives it
// (trailing line break included); empty when the system has none.
std::string SystemMessage(unsigned long errorCode);

} // namespace platform
