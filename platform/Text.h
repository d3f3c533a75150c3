#pragma once
// Bounded text helpers shared by every layer. Platform-free.

#include <cstddef>
#include <optional>
#include <string>

namespace platform {

// The longest path, terminator included, that the fixed path buffers hold.
constexpr std::size_t kMaxPath = 260;

// Joins folder and name with exactly one backslash between them (none added when
// folder is empty or already ends in one). Returns nothing when the result,
// terminator included, does not fit in capacity characters.
std::optional<std::string> JoinPath(const std::string& folder, const std::string& name,
                                    std::size_t capacity = kMaxPath);

// The text with every line feed stored as carriage return plus line feed, as a
// text-mode stream writes it. A carriage return already in the text stays.
std::string ToTextMode(const std::string& text);

} // namespace platform
