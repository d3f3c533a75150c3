#pragma once
// What TestDialog and DriverSelfTest must agree on: the control ids (the
// resource script TestDialog.rc uses the same numbers) and the long text.

#include <string>

namespace testdialog {

constexpr int kStatus = 1003;
constexpr int kProgress = 1002;
constexpr int kOptionA = 1012;
constexpr int kOptionB = 1013;
constexpr int kLongText = 1014;
constexpr int kToggled = 1015;
constexpr int kNotified = 1016;
constexpr int kHang = 1017;

// About 23 KB, above the sizes a fixed text buffer would typically hold.
inline std::string LongText() {
    std::string text;
    for (int line = 1; line <= 450; ++line)
        text += "line " + std::to_string(line) + " of 450: the quick brown fox jumps over it\r\n";
    return text;
}

} // namespace testdialog
