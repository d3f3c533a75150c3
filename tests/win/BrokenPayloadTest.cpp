// The payload reader against containers broken in one way each, which this
// program carries as its own resources (BrokenPayload.rc). It has no licence.

#include "payload/ResourceManager.h"

#include "PayloadTestSupport.h"
#include "WinTestSupport.h"
#include "log/SessionLog.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

using wintest::ExtractError;
using wintest::Info;
using wintest::LogEntry;
using wintest::ReadEntries;
using wintest::ScopedFolder;
using wintest::ScopedLogFile;

namespace {

SessionLog MakeLog() {
    return SessionLog("Snapharbor", 0, "BootStrap");
}

// What the readable containers hold: the RCDATA resource beside them.
std::string Plain() {
    HMODULE module = ::GetModuleHandleA(nullptr);
    HRSRC found = ::FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(10));
    HGLOBAL loaded = found ? ::LoadResource(module, found) : nullptr;
    const char* bytes = loaded ? static_cast<const char*>(::LockResource(loaded)) : nullptr;
    EXPECT_NE(bytes, nullptr);
    return bytes ? std::string(bytes, ::SizeofResource(module, found)) : std::string();
}

TEST(BrokenPayload, OnlyWholeFilesAreWrittenAndEachFailureIsLogged) {
    ScopedLogFile logFile;
    ScopedFolder folder("payload_broken");
    SessionLog log = MakeLog();
    ResourceManager(&log).ExtractAllResources(folder.Path());

    LogEntry invalidData = ExtractError(ERROR_INVALID_DATA);
    const struct {
        unsigned id;
        const char* name;
        bool written;
    } cases[] = {
        {130, "Snapharbor.exe", false},              // no magic
        {131, "Tarvo.Glimmerbox.Common.dll", false}, // truncated stream
        {132, "Tarvo.Glimmerbox.P2P.dll", false},    // corrupt stream
        {133, "Tarvo.dll", false},                   // declared length too small
        {134, "Tarvo.Windows.Forms.dll", true},      // declared length too large
        {135, "Manifest.xml", true},                 // valid
        {136, "WebServices.Extensions.dll", false},  // cut inside the declared length
        {137, "Tarvo.Drawing.dll", true},            // declared length 0xFFFFFFFF
    };
    std::string plain = Plain();
    ASSERT_FALSE(plain.empty());
    std::vector<LogEntry> expected;
    std::vector<std::string> written;
    for (const auto& c : cases) {
        expected.push_back(Info("Extracting resource : " + std::to_string(c.id)));
        expected.push_back(Info(std::string("Creating file : ") + c.name));
        expected.push_back(c.written ? Info("Resource written to disk") : invalidData);
        std::string path = folder.Path() + c.name;
        if (c.written) {
            written.push_back(c.name);
            EXPECT_TRUE(wintest::ReadBytes(path) == plain) << c.name;
        } else {
            EXPECT_FALSE(wintest::FileExists(path)) << c.name;
        }
    }
    // 143 has no name; the resource called NAMED is not an id and is skipped.
    expected.push_back(Info("Extracting resource : 143"));
    expected.push_back(wintest::ExtractErrorAnyCode());
    EXPECT_EQ(ReadEntries(logFile.Content()), expected);
    std::sort(written.begin(), written.end());
    EXPECT_EQ(wintest::FilesIn(folder.Path()), written);
}

TEST(BrokenPayload, MissingLicenceGivesEmptyTextAndBothEntries) {
    ScopedLogFile logFile;
    SessionLog log = MakeLog();
    EXPECT_EQ(ResourceManager(&log).GetLicenseAgreement(), "");
    std::vector<LogEntry> expected = {Info("Retrieving license agreement"),
                                      Info("License agreement retrieved")};
    EXPECT_EQ(ReadEntries(logFile.Content()), expected);
}

} // namespace
