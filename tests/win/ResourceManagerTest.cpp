// The payload reader against the real payload and licence, which this program
// carries as its own resources.

#include "payload/ResourceManager.h"

#include "PayloadTestSupport.h"
#include "WinTestSupport.h"
#include "log/SessionLog.h"
#include "platform/Handle.h"
#include "tests/ExpectedPayload.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

using wintest::ExtractError;
using wintest::Info;
using wintest::LogEntry;
using wintest::ReadBytes;
using wintest::ReadEntries;
using wintest::ScopedFolder;
using wintest::ScopedLogFile;

namespace {

using Payload = ExpectedPayload;
const auto& kPayload = kExpectedPayload;

SessionLog MakeLog() {
    return SessionLog("Snapharbor", 0, "BootStrap");
}

// The file the build packed into the resource.
std::string Input(const Payload& p) {
    std::string bytes = ReadBytes(std::string(PAYLOAD_INPUTS_DIR) + "\\" + p.name);
    EXPECT_FALSE(bytes.empty()) << "input " << p.name << " unreadable";
    return bytes;
}

std::vector<std::string> AllNames() {
    std::vector<std::string> names;
    for (const Payload& p : kPayload)
        names.push_back(p.name);
    std::sort(names.begin(), names.end());
    return names;
}

// The entries of one resource, given what its end should be (none: written).
void AppendEntries(std::vector<LogEntry>& entries, const Payload& p, const LogEntry* failure) {
    entries.push_back(Info("Extracting resource : " + std::to_string(p.id)));
    entries.push_back(Info(std::string("Creating file : ") + p.name));
    entries.push_back(failure ? *failure : Info("Resource written to disk"));
}

TEST(ResourceManager, ExtractsTheWholePayloadByteExact) {
    for (bool trailingBackslash : {true, false}) {
        SCOPED_TRACE(trailingBackslash ? "folder ends in a backslash" : "folder without one");
        ScopedLogFile logFile;
        ScopedFolder folder("payload_extract");
        SessionLog log = MakeLog();
        ResourceManager resources(&log);
        std::string target = folder.Path();
        if (!trailingBackslash)
            target.pop_back();

        resources.ExtractAllResources(target);

        std::vector<LogEntry> expected;
        for (const Payload& p : kPayload) {
            AppendEntries(expected, p, nullptr);
            EXPECT_EQ(ReadBytes(folder.Path() + p.name), Input(p)) << p.name;
        }
        EXPECT_EQ(ReadEntries(logFile.Content()), expected);
        EXPECT_EQ(wintest::FilesIn(folder.Path()), AllNames());
    }
}

TEST(ResourceManager, ExistingFilesAreReplacedWhole) {
    ScopedLogFile logFile;
    ScopedFolder folder("payload_replace");
    // Longer than the real file, so a write without truncation would show.
    ASSERT_TRUE(
        wintest::WriteBytes(folder.Path() + "Snapharbor.Help.url", std::string(100000, 'x')));
    ASSERT_TRUE(wintest::WriteBytes(folder.Path() + "Tarvo.dll", ""));
    SessionLog log = MakeLog();
    ResourceManager(&log).ExtractAllResources(folder.Path());
    for (const Payload& p : kPayload)
        EXPECT_EQ(ReadBytes(folder.Path() + p.name), Input(p)) << p.name;
}

TEST(ResourceManager, FileHeldOpenElsewhereIsSkippedAndTheRunGoesOn) {
    ScopedLogFile logFile;
    ScopedFolder folder("payload_locked");
    const Payload& locked = kPayload[3];
    std::string lockedPath = folder.Path() + locked.name;
    {
        platform::FileHandle held(::CreateFileA(lockedPath.c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                                                nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                                                nullptr));
        ASSERT_TRUE(held);
        SessionLog log = MakeLog();
        ResourceManager(&log).ExtractAllResources(folder.Path());
    }

    LogEntry sharingViolation = ExtractError(ERROR_SHARING_VIOLATION);
    std::vector<LogEntry> expected;
    for (const Payload& p : kPayload) {
        bool isLocked = p.id == locked.id;
        AppendEntries(expected, p, isLocked ? &sharingViolation : nullptr);
        if (!isLocked) {
            EXPECT_EQ(ReadBytes(folder.Path() + p.name), Input(p)) << p.name;
        }
    }
    EXPECT_EQ(ReadEntries(logFile.Content()), expected);
    // The other program's file is left as it was.
    EXPECT_TRUE(wintest::FileExists(lockedPath));
    EXPECT_EQ(ReadBytes(lockedPath), "");
}

TEST(ResourceManager, UnusableFolderFailsEachResourceAndCreatesNothing) {
    ScopedFolder parent("payload_unusable");
    const struct {
        const char* what;
        std::string folder;
        unsigned long status;
    } cases[] = {
        {"missing folder", parent.Path() + "missing\\", ERROR_PATH_NOT_FOUND},
        {"path too long", parent.Path() + std::string(250, 'd') + "\\", ERROR_FILENAME_EXCED_RANGE},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ScopedLogFile logFile;
        SessionLog log = MakeLog();
        ResourceManager(&log).ExtractAllResources(c.folder);
        LogEntry failure = ExtractError(c.status);
        std::vector<LogEntry> expected;
        for (const Payload& p : kPayload)
            AppendEntries(expected, p, &failure);
        EXPECT_EQ(ReadEntries(logFile.Content()), expected);
        EXPECT_TRUE(wintest::FilesIn(parent.Path()).empty());
        EXPECT_FALSE(wintest::DirectoryExists(parent.Path() + "missing"));
    }
}

TEST(ResourceManager, IdWithoutPayloadResourceIsAnError) {
    // 140 is a gap in the payload ids; 148 exists, but as the licence's type.
    for (unsigned id : {140u, 148u, 129u}) {
        ScopedLogFile logFile;
        SessionLog log = MakeLog();
        ResourceManager(&log).ExtractResource(id);
        std::vector<LogEntry> expected = {Info("Extracting resource : " + std::to_string(id)),
                                          ExtractError(ERROR_RESOURCE_NAME_NOT_FOUND)};
        EXPECT_EQ(ReadEntries(logFile.Content()), expected) << id;
    }
}

TEST(ResourceManager, LicenceComesBackByteForByte) {
    ScopedLogFile logFile;
    SessionLog log = MakeLog();
    std::string licence = ResourceManager(&log).GetLicenseAgreement();

    std::string input = ReadBytes(PAYLOAD_LICENCE_FILE);
    ASSERT_FALSE(input.empty());
    EXPECT_TRUE(licence == input) << "licence differs from " << PAYLOAD_LICENCE_FILE << " ("
                                  << licence.size() << " bytes, expected " << input.size() << ")";
    ASSERT_NE(licence.find("\r\n"), std::string::npos);
    for (std::size_t i = licence.find('\n'); i != std::string::npos; i = licence.find('\n', i + 1))
        ASSERT_EQ(licence[i - 1], '\r') << "bare line feed at " << i;
    std::vector<LogEntry> expected = {Info("Retrieving license agreement"),
                                      Info("License agreement retrieved")};
    EXPECT_EQ(ReadEntries(logFile.Content()), expected);
}

TEST(ResourceManager, NamesComeFromTheTableAndWriteNoEntry) {
    ScopedLogFile logFile;
    SessionLog log = MakeLog();
    ResourceManager resources(&log);
    for (const Payload& p : kPayload)
        EXPECT_EQ(resources.GetPayloadFileName(p.id), p.name);
    for (unsigned id : {0u, 129u, 140u, 143u, 144u, 145u, 148u, 149u, UINT_MAX})
        EXPECT_EQ(resources.GetPayloadFileName(id), "") << id;
    EXPECT_EQ(resources.GetSetupProgramName(), "guidedsetup.exe");
    EXPECT_EQ(logFile.Content(), "");
}

} // namespace
