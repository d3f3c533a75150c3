#pragma once
// The exceptions of the platform layer. Platform-free: the log's guarded step
// catches them in code that is also built and tested natively.

#include <cstddef>
#include <string>
#include <utility>

namespace platform {

// Base of every exception the platform layer raises.
class Exception {
  public:
    virtual ~Exception() = default;
    // Writes the failure's text into buffer, NUL-terminated and at most capacity - 1
    // characters long. Returns false (and writes an empty text) when there is none.
    virtual bool GetErrorMessage(char* buffer, std::size_t capacity) const = 0;
};

// A file could not be opened, written, flushed or closed.
class FileException : public Exception {
  public:
    FileException(unsigned long error, std::string path) : error_(error), path_(std::move(path)) {}
    unsigned long Error() const { return error_; }
    const std::string& Path() const { return path_; }
    bool GetErrorMessage(char* buffer, std::size_t capacity) const override;

  private:
    unsigned long error_;
    std::string path_;
};

// A failure already reported to the user (or one that needs no report): the
// event that raised it is dropped without a message.
class UserException : public Exception {
  public:
    bool GetErrorMessage(char* buffer, std::size_t capacity) const override;
};

// Copies text into buffer as GetErrorMessage promises: cut to capacity - 1
// characters and NUL-terminated. Returns false when capacity is 0.
bool CopyErrorText(const std::string& text, char* buffer, std::size_t capacity);

} // namespace platform
