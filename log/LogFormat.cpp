#include "log/LogFormat.h"

namespace logformat {

namespace {

void ReplaceAll(std::string& text, char from, const char* to) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == from)
            out += to;
        else
            out += c;
    }
    text.swap(out);
}

std::string StampedElement(const char* name, const Stamp& stamp) {
    return std::string(name) + " date=\"" + stamp.date + "\" time=\"" + stamp.time + "\"";
}

std::string FrameLine(const char* name, const Stamp& stamp, const std::string& application,
                      const std::string& session) {
    return "<" + StampedElement(name, stamp) + " application=\"" + EscapeAttribute(application) +
           "\" session=\"" + EscapeAttribute(session) + "\"/>\n";
}

} // namespace

const char kErrorCloseLine[] = "\t</error>\n";

std::string EscapeText(const std::string& text) {
    std::string out = text;
    // Ampersands first, so the entities made below are not escaped again.
    ReplaceAll(out, '&', "&amp;");
    ReplaceAll(out, '<', "&lt;");
    ReplaceAll(out, '>', "&gt;");
    return out;
}

std::string EscapeAttribute(const std::string& text) {
    std::string out = EscapeText(text);
    ReplaceAll(out, '"', "&quot;");
    ReplaceAll(out, '\'', "&apos;");
    return out;
}

Stamp MakeStamp(const std::tm* local) {
    Stamp stamp;
    if (local == nullptr)
        return stamp;
    char buffer[128];
    if (std::strftime(buffer, sizeof buffer, "%m/%d/%Y", local) > 0)
        stamp.date = buffer;
    if (std::strftime(buffer, sizeof buffer, "%H:%M:%S", local) > 0)
        stamp.time = buffer;
    return stamp;
}

std::string LogFileName(const std::string& application, int omitSetupSuffix) {
    return application + "_" + (omitSetupSuffix == 0 ? "Setup" : "") + ".log.tmp";
}

std::string BeginLine(const Stamp& stamp, const std::string& application,
                      const std::string& session) {
    return FrameLine("begin", stamp, application, session);
}

std::string EndLine(const Stamp& stamp, const std::string& application,
                    const std::string& session) {
    return FrameLine("end", stamp, application, session);
}

std::string InfoLine(const Stamp& stamp, const std::string& section, const std::string& message) {
    return "\t<" + StampedElement("info", stamp) + " section=\"" + EscapeAttribute(section) +
           "\">" + EscapeText(message) + "</info>\n";
}

std::string ErrorLine(const Stamp& stamp, const std::string& section, const std::string& message) {
    return "\t<" + StampedElement("error", stamp) + " section=\"" + EscapeAttribute(section) +
           "\" message=\"" + EscapeAttribute(message) + "\">\n";
}

std::string SystemErrorLine(unsigned long errorCode, const std::string& systemText) {
    return "\t\t<exception status=\"" + std::to_string(errorCode) + "\" message=\"" +
           EscapeAttribute(systemText) + "\"/>\n";
}

std::string ExceptionLine(const std::string& exceptionText) {
    return "\t\t<exception message=\"" + EscapeAttribute(exceptionText) + "\"/>\n";
}

} // namespace logformat
