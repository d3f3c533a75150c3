#pragma once
// The session log's text: escaping, time stamps and the lines of each entry.
// Platform-free; every function is pure.

#include <ctime>
#include <string>

namespace logformat {

// Replaces, left to right, & by "&amp;", then < by "&lt;", then > by "&gt;".
// An ampersand is always escaped, also when it already begins an entity.
std::string EscapeText(const std::string& text);

// EscapeText, then " by "&quot;" and ' by "&apos;".
std::string EscapeAttribute(const std::string& text);

// Date ("%m/%d/%Y") and time ("%H:%M:%S") of one clock reading.
struct Stamp {
    std::string date;
    std::string time;
};

// The stamp of a local time; a reading that could not be converted to local time
// (null) gives empty date and time.
Stamp MakeStamp(const std::tm* local);

// "<App>_Setup.log.tmp", or "<App>_.log.tmp" when omitSetupSuffix is nonzero.
std::string LogFileName(const std::string& application, int omitSetupSuffix);

// The lines of the entries, each ending in a line feed; every argument is
// escaped here, so callers pass plain text.
std::string BeginLine(const Stamp& stamp, const std::string& application,
                      const std::string& session);
std::string EndLine(const Stamp& stamp, const std::string& application, const std::string& session);
std::string InfoLine(const Stamp& stamp, const std::string& section, const std::string& message);
std::string ErrorLine(const Stamp& stamp, const std::string& section, const std::string& message);
// The child of an error entry for a system error. The system text keeps its line
// breaks but is escaped like any attribute, so the entry stays well-formed XML.
std::string SystemErrorLine(unsigned long errorCode, const std::string& systemText);
// The child of an error entry for a caught exception; escaped likewise.
std::string ExceptionLine(const std::string& exceptionText);
// The line that closes an error entry.
extern const char kErrorCloseLine[];

} // namespace logformat
