#include "payload/WorkingFolder.h"

#include "WinTestSupport.h"
#include "XmlCheck.h"
#include "log/SessionLog.h"
#include "payload/FolderNaming.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <regex>
#include <set>

namespace {

SessionLog MakeLog() {
    return SessionLog("Snapharbor", 0, "BootStrap");
}

std::vector<wintest::XmlElement> Entries(const wintest::ScopedLogFile& file) {
    std::string error;
    auto root = wintest::ParseLog(file.Content(), &error);
    EXPECT_TRUE(root) << error;
    return root ? root->children : std::vector<wintest::XmlElement>();
}

std::string Describe(const wintest::XmlElement& e) {
    return e.name + ":" + (e.name == "info" ? e.text : e.attributes.at("message"));
}

TEST(WorkingFolder, CreatesAFreshFolderAndLogsIt) {
    wintest::ScopedLogFile file;
    SessionLog log = MakeLog();
    std::string path = CreateWorkingFolder("snapharbor", &log);
    std::string temp = wintest::TempDirectory();
    ASSERT_EQ(path.compare(0, temp.size(), temp), 0) << path;
    EXPECT_TRUE(
        std::regex_match(path.substr(temp.size()), std::regex("sna[0-9A-Fa-f]{1,4}\\.tmp\\\\")))
        << path;
    EXPECT_TRUE(wintest::DirectoryExists(path));
    std::string bare = path.substr(0, path.size() - 1);

    DeleteWorkingFolder(path, &log);
    EXPECT_FALSE(wintest::DirectoryExists(path));

    auto entries = Entries(file);
    std::vector<std::string> seen;
    for (const auto& e : entries) {
        seen.push_back(Describe(e));
        EXPECT_EQ(e.attributes.at("section"), "Utilities");
    }
    EXPECT_EQ(seen, (std::vector<std::string>{
                        "info:Creating temp folder \"" + bare + "\"",
                        "info:Temp folder successfully created",
                        "info:Deleting temp folder \"" + path + "\"",
                        "info:Temp folder successfully deleted",
                    }));
}

std::string NameFor(unsigned number) {
    char name[MAX_PATH];
    ::GetTempFileNameA(wintest::TempDirectory().c_str(), "sna", number, name);
    return name;
}

TEST(WorkingFolder, ExistingNamesAreNeverReusedAndZeroIsNeverDrawn) {
    // Draws: 0 (never used), a planted folder, a planted file, then a free name.
    std::string folder = NameFor(0x1A2B), file = NameFor(0x2B3C), fresh = NameFor(0x3C4D);
    ASSERT_TRUE(::CreateDirectoryA(folder.c_str(), nullptr));
    ASSERT_TRUE(wintest::WriteBytes(folder + "\\planted.exe", "MZ"));
    ASSERT_TRUE(wintest::WriteBytes(file, "planted"));
    std::vector<int> draws{0, 0x1A2B, 0x2B3C, 0x3C4D};
    size_t next = 0;

    wintest::ScopedLogFile log;
    SessionLog session = MakeLog();
    std::string path =
        CreateWorkingFolder("snapharbor", &session, [&] { return draws.at(next++); });
    EXPECT_EQ(path, fresh + "\\");
    EXPECT_TRUE(wintest::DirectoryExists(path));
    EXPECT_FALSE(wintest::FileExists(path + "planted.exe"));

    std::vector<std::string> seen;
    for (const auto& e : Entries(log)) {
        seen.push_back(Describe(e));
        if (e.name == "error") {
            EXPECT_EQ(e.children.at(0).attributes.at("status"), "183"); // already exists
        }
    }
    EXPECT_EQ(seen, (std::vector<std::string>{
                        "info:Creating temp folder \"" + folder + "\"",
                        "error:Fail to create temp folder",
                        "info:Creating temp folder \"" + file + "\"",
                        "error:Fail to create temp folder",
                        "info:Creating temp folder \"" + fresh + "\"",
                        "info:Temp folder successfully created",
                    }));
    EXPECT_EQ(next, draws.size());

    DeleteWorkingFolder(path, &session);
    wintest::RemoveTree(folder);
    ::DeleteFileA(file.c_str());
}

TEST(WorkingFolder, WhenEveryAttemptFailsTheLastPathIsReturned) {
    std::string folder = NameFor(0x7777);
    ASSERT_TRUE(::CreateDirectoryA(folder.c_str(), nullptr));
    SessionLog session = MakeLog();
    int draws = 0;
    std::string path = CreateWorkingFolder("snapharbor", &session, [&] {
        ++draws;
        return 0x7777;
    });
    EXPECT_EQ(path, folder + "\\");
    EXPECT_EQ(draws, payload::kMaxFolderAttempts);
    wintest::RemoveTree(folder);
}

TEST(WorkingFolder, DeletesContentWithOrWithoutTrailingBackslash) {
    for (bool trailing : {true, false}) {
        wintest::ScopedLogFile file;
        SessionLog log = MakeLog();
        std::string path = CreateWorkingFolder("snapharbor", &log);
        ASSERT_TRUE(wintest::WriteBytes(path + "a.dll", std::string(100000, 'a')));
        ASSERT_TRUE(::CreateDirectoryA((path + "dotnetfx").c_str(), nullptr));
        ASSERT_TRUE(wintest::WriteBytes(path + "dotnetfx\\netfx.msi", "msi"));
        std::string given = trailing ? path : path.substr(0, path.size() - 1);
        DeleteWorkingFolder(given, &log);
        EXPECT_FALSE(wintest::DirectoryExists(path)) << given;
        auto entries = Entries(file);
        ASSERT_GE(entries.size(), 2u);
        EXPECT_EQ(Describe(entries[entries.size() - 2]),
                  "info:Deleting temp folder \"" + given + "\"");
        EXPECT_EQ(Describe(entries.back()), "info:Temp folder successfully deleted");
    }
}

TEST(WorkingFolder, DeletingAMissingFolderIsLoggedAsAnError) {
    wintest::ScopedLogFile file;
    SessionLog log = MakeLog();
    DeleteWorkingFolder(wintest::TempDirectory() + "sna0000.tmp\\", &log);
    auto entries = Entries(file);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(Describe(entries[1]), "error:An error occured while deleting temp folder");
}

} // namespace
