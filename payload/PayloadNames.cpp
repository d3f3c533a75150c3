#include "payload/PayloadNames.h"

namespace payload {

namespace {

struct Row {
    unsigned id;
    const char* fileName;
};

const Row kTable[] = {
    {130, "Snapharbor.exe"},
    {131, "Tarvo.Glimmerbox.Common.dll"},
    {132, "Tarvo.Glimmerbox.P2P.dll"},
    {133, "Tarvo.dll"},
    {134, "Tarvo.Windows.Forms.dll"},
    {135, "Manifest.xml"},
    {136, "WebServices.Extensions.dll"},
    {137, "Tarvo.Drawing.dll"},
    {138, "Snapharbor.Help.url"},
    {139, "GuidedSetup.exe"},
    {141, "Interop.ShellScripting.dll"},
    {142, "Remover.exe"},
    {146, "Interop.FirewallTypes.dll"},
    {147, "Interop.NetConnections.dll"},
};

} // namespace

std::string PayloadFileName(unsigned id) {
    for (const Row& row : kTable) {
        if (row.id == id)
            return row.fileName;
    }
    return std::string();
}

std::string SetupProgramName() {
    return "guidedsetup.exe";
}

} // namespace payload
