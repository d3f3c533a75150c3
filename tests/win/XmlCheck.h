#pragma once
// Well-formedness checks with a real XML parser (the system's MSXML).

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace wintest {

struct XmlElement {
    std::string name;
    std::map<std::string, std::string> attributes;
    std::string text; // concatenated text content of the element itself
    std::vector<XmlElement> children;
};

// Parses document (ANSI text); returns the root element, or nothing with the
// parser's reason in *error when the document is not well-formed.
std::optional<XmlElement> ParseXml(const std::string& document, std::string* error);

// Wraps a session log's content in a root element and parses it.
std::optional<XmlElement> ParseLog(const std::string& logContent, std::string* error);

} // namespace wintest
