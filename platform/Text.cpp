#include "platform/Text.h"

#include "platform/Exception.h"

#include <cstring>

namespace platform {

std::optional<std::string> JoinPath(const std::string& folder, const std::string& name,
                                    std::size_t capacity) {
    std::string path = folder;
    if (!path.empty() && path.back() != '\\')
        path += '\\';
    path += name;
    if (path.size() + 1 > capacity)
        return std::nullopt;
    return path;
}

std::string ToTextMode(const std::string& text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16 + 2);
    for (char c : text) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

bool CopyErrorText(const std::string& text, char* buffer, std::size_t capacity) {
    if (capacity == 0)
        return false;
    std::size_t n = text.size() < capacity - 1 ? text.size() : capacity - 1;
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
    return true;
}

bool UserException::GetErrorMessage(char* buffer, std::size_t capacity) const {
    CopyErrorText("", buffer, capacity);
    return false;
}

} // namespace platform
