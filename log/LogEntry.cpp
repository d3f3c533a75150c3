#include "log/LogEntry.h"

#include "log/LogFormat.h"
#include "platform/Exception.h"

namespace logformat {

void WriteErrorEntry(LogStream& stream, const std::string& errorLine,
                     const std::function<std::string()>& childLine) {
    stream.WriteString(errorLine);
    try {
        stream.WriteString(childLine());
        stream.WriteString(kErrorCloseLine);
    } catch (const platform::Exception&) {
        // Whatever part of the child made it out, the entry must still close so
        // the file stays a sequence of whole elements.
        stream.WriteString(kErrorCloseLine);
    }
    stream.Flush();
    stream.Close();
}

} // namespace logformat
