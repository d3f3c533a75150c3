#pragma once
// The XML session log: entries appended to "<application>_Setup.log.tmp" in the
// Windows directory, but only when that file already exists.
//
// Every operation opens the file exclusively, appends one whole entry, flushes
// and closes it while holding LogMutex, so entries of different threads never
// mix. A file that cannot be opened (missing, in use, read-only) drops the entry
// silently. A failure to write, flush or close raises platform::FileException to
// the caller, with LogMutex released, except in the guarded child line of an
// error entry, which then ends with its closing line and returns normally.

#include "platform/Exception.h"
#include "platform/Mutex.h"

#include <memory>
#include <string>

namespace logformat {
class LogStream;
}

// The one lock of the log, shared by every SessionLog of the process.
extern platform::Mutex LogMutex;

class SessionLog {
  public:
    // Takes the Windows directory as the log's folder, as the system reports it now.
    SessionLog(std::string application, int omitSetupSuffix, std::string session);

    void Begin();
    void End();
    void Info(std::string section, std::string message);
    // An error entry whose child line carries errorCode and the system's text for
    // errorCode (empty when the system has none; the entry is written anyway).
    void Error(std::string section, std::string message, unsigned long errorCode);
    // An error entry whose child line carries the exception's own text, at most
    // 2047 characters. The exception is only read.
    void Exception(std::string section, std::string message, const platform::Exception& exception);

    // The full path of the log file; empty when it does not fit in 260 characters.
    std::string GetLogFilePath() const;

  private:
    std::unique_ptr<logformat::LogStream> OpenLogFile() const;
    template <typename Compose> void WriteSimple(Compose compose);

    std::string application_;
    int omitSetupSuffix_;
    std::string session_;
    std::string folder_;
};
