#pragma once
// How an entry reaches the log file. Platform-free, so the guarded step of an
// error entry is tested natively against a stream that fails on demand.

#include <functional>
#include <string>

namespace logformat {

// A text stream opened for one entry. Each operation raises a
// platform::Exception on failure.
class LogStream {
  public:
    virtual ~LogStream() = default;
    virtual void WriteString(const std::string& text) = 0;
    virtual void Flush() = 0;
    virtual void Close() = 0;
};

// Writes an error entry's three lines, then flushes and closes the stream.
// childLine is composed inside the guarded step: if composing or writing it (or
// the closing line after it) raises, the closing line is written again and the
// entry ends normally. A failure of the error line, of that repeated closing
// line, or of the flush or close passes to the caller.
void WriteErrorEntry(LogStream& stream, const std::string& errorLine,
                     const std::function<std::string()>& childLine);

} // namespace logformat
