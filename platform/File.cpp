#include "platform/File.h"

#include <climits>

namespace platform {

File::File(const std::string& path, Mode mode) : path_(path) {
    DWORD disposition = mode == Mode::WriteExisting ? OPEN_EXISTING : CREATE_ALWAYS;
    handle_.Reset(::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, disposition,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!handle_)
        Fail();
}

void File::Fail() const {
    throw FileException(::GetLastError(), path_);
}

void File::SeekToEnd() {
    LARGE_INTEGER zero = {};
    if (!::SetFilePointerEx(handle_.Get(), zero, nullptr, FILE_END))
        Fail();
}

void File::Write(const void* data, std::size_t size) {
    const char* bytes = static_cast<const char*>(data);
    while (size > 0) {
        DWORD chunk = size > 0x40000000u ? 0x40000000u : static_cast<DWORD>(size);
        DWORD written = 0;
        if (!handle_ || !::WriteFile(handle_.Get(), bytes, chunk, &written, nullptr))
            Fail();
        if (written == 0)
            throw FileException(ERROR_WRITE_FAULT, path_);
        bytes += written;
        size -= written;
    }
}

void File::Flush() {
    if (handle_ && !::FlushFileBuffers(handle_.Get()))
        Fail();
}

void File::Close() {
    HANDLE h = handle_.Release();
    if (h != INVALID_HANDLE_VALUE && !::CloseHandle(h))
        Fail();
}

std::string SystemMessage(unsigned long errorCode) {
    char* text = nullptr;
    DWORD length = ::FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS |
                                        FORMAT_MESSAGE_FROM_SYSTEM,
                                    nullptr, errorCode, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT),
                                    reinterpret_cast<char*>(&text), 0, nullptr);
    LocalMemory owner(text);
    if (length == 0 || text == nullptr)
        return std::string();
    return std::string(text, length);
}

bool FileException::GetErrorMessage(char* buffer, std::size_t capacity) const {
    std::string text = SystemMessage(error_);
    if (text.empty())
        text = "File error " + std::to_string(error_);
    if (!path_.empty())
        text += " (" + path_ + ")";
    return CopyErrorText(text, buffer, capacity);
}

} // namespace platform
