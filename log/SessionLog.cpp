#include "log/SessionLog.h"

#include "log/LogEntry.h"
#include "log/LogFormat.h"
#include "platform/File.h"
#include "platform/Text.h"

#include <windows.h>

#include <ctime>

platform::Mutex LogMutex;

namespace {

// A buffered text-mode stream over the exclusively opened log file: line feeds
// become CR LF, and bytes reach the disk on Flush (or when the buffer fills).
class LogFileStream : public logformat::LogStream {
  public:
    explicit LogFileStream(const std::string& path)
        : file_(path, platform::File::Mode::WriteExisting) {
        file_.SeekToEnd();
    }
    void WriteString(const std::string& text) override {
        buffer_ += platform::ToTextMode(text);
        if (buffer_.size() >= kBufferSize)
            Drain();
    }
    void Flush() override {
        Drain();
        file_.Flush();
    }
    void Close() override { file_.Close(); }

  private:
    static constexpr std::size_t kBufferSize = 4096;
    void Drain() {
        std::string pending;
        pending.swap(buffer_);
        file_.Write(pending.data(), pending.size());
    }

    platform::File file_;
    std::string buffer_;
};

logformat::Stamp ReadClock() {
    std::time_t now = std::time(nullptr);
    std::tm local = {};
    if (now == static_cast<std::time_t>(-1) || localtime_s(&local, &now) != 0)
        return logformat::MakeStamp(nullptr);
    return logformat::MakeStamp(&local);
}

std::string WindowsDirectory() {
    char buffer[platform::kMaxPath];
    UINT length = ::GetWindowsDirectoryA(buffer, sizeof buffer);
    if (length == 0 || length >= sizeof buffer)
        return std::string();
    return std::string(buffer, length);
}

} // namespace

SessionLog::SessionLog(std::string application, int omitSetupSuffix, std::string session)
    : application_(std::move(application)), omitSetupSuffix_(omitSetupSuffix),
      session_(std::move(session)), folder_(WindowsDirectory()) {}

std::string SessionLog::GetLogFilePath() const {
    if (folder_.empty())
        return std::string();
    return platform::JoinPath(folder_, logformat::LogFileName(application_, omitSetupSuffix_))
        .value_or(std::string());
}

std::unique_ptr<logformat::LogStream> SessionLog::OpenLogFile() const {
    std::string path = GetLogFilePath();
    if (path.empty())
        return nullptr;
    try {
        return std::make_unique<LogFileStream>(path);
    } catch (const platform::FileException&) {
        return nullptr;
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

template <typename Compose> void SessionLog::WriteSimple(Compose compose) {
    platform::MutexLock lock(LogMutex);
    auto stream = OpenLogFile();
    if (!stream)
        return;
    stream->WriteString(compose(ReadClock()));
    stream->Flush();
    stream->Close();
}

void SessionLog::Begin() {
    WriteSimple([&](const logformat::Stamp& stamp) {
        return logformat::BeginLine(stamp, application_, session_);
    });
}

void SessionLog::End() {
    WriteSimple([&](const logformat::Stamp& stamp) {
        return logformat::EndLine(stamp, application_, session_);
    });
}

void SessionLog::Info(std::string section, std::string message) {
    WriteSimple([&](const logformat::Stamp& stamp) {
        return logformat::InfoLine(stamp, section, message);
    });
}

void SessionLog::Error(std::string section, std::string message, unsigned long errorCode) {
    // The text is fetched before the lock is taken, so the entry's status and its
    // message always describe the same code.
    std::string systemText = platform::SystemMessage(errorCode);
    platform::MutexLock lock(LogMutex);
    auto stream = OpenLogFile();
    if (!stream)
        return;
    logformat::WriteErrorEntry(*stream, logformat::ErrorLine(ReadClock(), section, message),
                               [&] { return logformat::SystemErrorLine(errorCode, systemText); });
}

void SessionLog::Exception(std::string section, std::string message,
                           const platform::Exception& exception) {
    platform::MutexLock lock(LogMutex);
    auto stream = OpenLogFile();
    if (!stream)
        return;
    logformat::WriteErrorEntry(*stream, logformat::ErrorLine(ReadClock(), section, message), [&] {
        char text[2048];
        if (!exception.GetErrorMessage(text, sizeof text))
            text[0] = '\0';
        return logformat::ExceptionLine(text);
    });
}
