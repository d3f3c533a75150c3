#pragma once
// The payload files as the installer must name them, written out independently
// of the code under test. Shared by the native and the Wine tests.

struct ExpectedPayload {
    unsigned id;
    const char* name;
};

inline constexpr ExpectedPayload kExpectedPayload[] = {
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
