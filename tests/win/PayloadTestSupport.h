#pragma once
// Helpers for the payload reader's tests: the session log as a list of
// entries, and the files a folder holds.

#include "XmlCheck.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

namespace wintest {

struct LogEntry {
    std::string kind; // "info" or "error"
    std::string section;
    std::string text;   // an info entry's text, an error entry's message
    std::string status; // an error entry's system error code; "*" matches any
};

inline bool operator==(const LogEntry& a, const LogEntry& b) {
    return a.kind == b.kind && a.section == b.section && a.text == b.text &&
           (a.status == b.status || a.status == "*" || b.status == "*");
}

inline std::ostream& operator<<(std::ostream& out, const LogEntry& e) {
    out << e.kind << " [" << e.section << "] " << e.text;
    if (e.kind == "error")
        out << " (" << e.status << ")";
    return out;
}

// The entries of a log's content, in order. A log that is not well-formed
// fails the test and gives no entries.
inline std::vector<LogEntry> ReadEntries(const std::string& content) {
    std::string error;
    auto root = ParseLog(content, &error);
    EXPECT_TRUE(root.has_value()) << error << "\n" << content;
    std::vector<LogEntry> entries;
    if (!root)
        return entries;
    for (const XmlElement& e : root->children) {
        LogEntry entry{e.name, e.attributes.count("section") ? e.attributes.at("section") : "", "",
                       ""};
        if (e.name == "error") {
            entry.text = e.attributes.count("message") ? e.attributes.at("message") : "";
            EXPECT_EQ(e.children.size(), 1u) << content;
            if (!e.children.empty() && e.children[0].attributes.count("status"))
                entry.status = e.children[0].attributes.at("status");
        } else {
            entry.text = e.text;
        }
        entries.push_back(entry);
    }
    return entries;
}

inline LogEntry Info(const std::string& text) {
    return {"info", "ResourceManager", text, ""};
}

inline LogEntry ExtractError(unsigned long status) {
    return {"error", "ResourceManager", "An error occurred while extracting resource",
            std::to_string(status)};
}

inline LogEntry ExtractErrorAnyCode() {
    return {"error", "ResourceManager", "An error occurred while extracting resource", "*"};
}

// The names directly in folder (which ends in a backslash), sorted: its files
// only, or with withFolders its subfolders as well.
inline std::vector<std::string> FilesIn(const std::string& folder, bool withFolders = false) {
    std::vector<std::string> names;
    struct Search {
        HANDLE handle;
        ~Search() {
            if (handle != INVALID_HANDLE_VALUE)
                ::FindClose(handle);
        }
    };
    WIN32_FIND_DATAA data;
    Search search{::FindFirstFileA((folder + "*").c_str(), &data)};
    if (search.handle == INVALID_HANDLE_VALUE)
        return names;
    do {
        std::string name = data.cFileName;
        bool isFolder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if ((!isFolder || withFolders) && name != "." && name != "..")
            names.push_back(name);
    } while (::FindNextFileA(search.handle, &data));
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace wintest
