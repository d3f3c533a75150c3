#include "payload/PayloadNames.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <climits>

using payload::PayloadFileName;

TEST(PayloadNames, TheFourteenPayloadFiles) {
    const struct {
        unsigned id;
        const char* name;
    } table[] = {
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
    for (const auto& row : table)
        EXPECT_EQ(PayloadFileName(row.id), row.name) << row.id;
}

TEST(PayloadNames, IdsOutsideTheTableHaveNoName) {
    for (unsigned id : {0u, 1u, 129u, 140u, 143u, 144u, 145u, 148u, 149u, 1130u, UINT_MAX})
        EXPECT_EQ(PayloadFileName(id), "") << id;
}

TEST(PayloadNames, SetupProgramIsResource139InOtherCase) {
    std::string setup = payload::SetupProgramName();
    EXPECT_EQ(setup, "guidedsetup.exe");
    std::string file = PayloadFileName(139);
    std::transform(file.begin(), file.end(), file.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    EXPECT_EQ(file, setup);
}
