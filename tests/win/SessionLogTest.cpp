#include "log/SessionLog.h"

#include "XmlCheck.h"
#include "WinTestSupport.h"
#include "platform/File.h"
#include "platform/Handle.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <regex>
#include <thread>
#include <vector>

using wintest::ScopedLogFile;

namespace {

SessionLog MakeLog() {
    return SessionLog("Snapharbor", 0, "BootStrap");
}

void ExpectWellFormed(const std::string& content) {
    std::string error;
    EXPECT_TRUE(wintest::ParseLog(content, &error).has_value()) << error << "\n" << content;
}

TEST(SessionLog, PathIsInTheWindowsDirectory) {
    EXPECT_EQ(MakeLog().GetLogFilePath(), wintest::LogPath());
    EXPECT_EQ(SessionLog("X", 1, "S").GetLogFilePath(),
              wintest::WindowsDirectory() + "\\X_.log.tmp");
}

TEST(SessionLog, WithoutTheFileNothingIsCreated) {
    ::DeleteFileA(wintest::LogPath().c_str());
    SessionLog log = MakeLog();
    log.Begin();
    log.Info("BootStrap", "hello");
    log.Error("Utilities", "failed", ERROR_ACCESS_DENIED);
    log.Exception("BootStrap", "caught", platform::FileException(ERROR_DISK_FULL, "C:\\x"));
    log.End();
    EXPECT_FALSE(wintest::FileExists(wintest::LogPath()));
}

TEST(SessionLog, BeginOnEmptyFileWritesOneExactLine) {
    ScopedLogFile file;
    MakeLog().Begin();
    std::string content = file.Content();
    EXPECT_TRUE(std::regex_match(content, std::regex("<begin date=\"\\d\\d/\\d\\d/\\d{4}\" "
                                                     "time=\"\\d\\d:\\d\\d:\\d\\d\" "
                                                     "application=\"Snapharbor\" "
                                                     "session=\"BootStrap\"/>\r\n")))
        << content;
}

TEST(SessionLog, AppendsAfterExistingContentAndRepeatsFrames) {
    ScopedLogFile file;
    ASSERT_TRUE(wintest::WriteBytes(file.Path(), "<end/>\r\n"));
    SessionLog log = MakeLog();
    log.End();
    log.End();
    std::string content = file.Content();
    EXPECT_EQ(content.rfind("<end/>\r\n", 0), 0u);
    EXPECT_EQ(std::count(content.begin(), content.end(), '\n'), 3);
    ExpectWellFormed(content);
}

TEST(SessionLog, InfoEscapesTextAndStoresLineFeedsAsCrLf) {
    ScopedLogFile file;
    SessionLog log = MakeLog();
    log.Info("Utilities", "It's <ok> & done");
    log.Info("Utilities", "two\nlines &amp;");
    std::string content = file.Content();
    EXPECT_NE(content.find("section=\"Utilities\">It's &lt;ok&gt; &amp; done</info>\r\n"),
              std::string::npos);
    EXPECT_NE(content.find(">two\r\nlines &amp;amp;</info>\r\n"), std::string::npos) << content;
    ExpectWellFormed(content);
}

TEST(SessionLog, ErrorCarriesTheGivenCodeAndItsText) {
    ScopedLogFile file;
    // A different last error is current: the text must still be the one for 5.
    ::SetLastError(ERROR_FILE_NOT_FOUND);
    MakeLog().Error("Utilities", "It's <ok> & done", ERROR_ACCESS_DENIED);
    std::string content = file.Content();
    std::string text = platform::SystemMessage(ERROR_ACCESS_DENIED);
    ASSERT_GE(text.size(), 2u);
    ASSERT_EQ(text.substr(text.size() - 2), "\r\n") << "expected system text with a CR LF";
    std::string body = text.substr(0, text.size() - 2);

    EXPECT_NE(content.find("message=\"It&apos;s &lt;ok&gt; &amp; done\">\r\n"), std::string::npos);
    // The system text's CR LF becomes CR CR LF on disk; the child continues below.
    EXPECT_NE(content.find("\t\t<exception status=\"5\" message=\"" + body + "\r\r\n\"/>\r\n"),
              std::string::npos)
        << content;
    EXPECT_EQ(content.substr(content.size() - 11), "\t</error>\r\n");
    ExpectWellFormed(content);
}

TEST(SessionLog, ErrorWithoutSystemTextIsStillWritten) {
    ScopedLogFile file;
    MakeLog().Error("Utilities", "odd", 0x2000FFFFul);
    std::string content = file.Content();
    EXPECT_NE(content.find("\t\t<exception status=\"536936447\" message=\"\"/>\r\n\t</error>\r\n"),
              std::string::npos)
        << content;
    ExpectWellFormed(content);
}

TEST(SessionLog, ExceptionEntryUsesTheExceptionText) {
    ScopedLogFile file;
    platform::FileException e(ERROR_DISK_FULL, "C:\\a\"b<c>.tmp");
    MakeLog().Exception("BootStrap", "download failed", e);
    std::string content = file.Content();
    EXPECT_NE(content.find("message=\"download failed\">\r\n\t\t<exception message=\""),
              std::string::npos);
    EXPECT_NE(content.find("C:\\a&quot;b&lt;c&gt;.tmp"), std::string::npos) << content;
    ExpectWellFormed(content);
}

TEST(SessionLog, FileOpenElsewhereDropsTheEntry) {
    ScopedLogFile file;
    {
        platform::FileHandle held(::CreateFileA(file.Path().c_str(), GENERIC_READ, 0, nullptr,
                                                OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(held);
        SessionLog log = MakeLog();
        log.Info("BootStrap", "dropped");
        log.Error("BootStrap", "dropped", 5);
    }
    EXPECT_EQ(file.Content(), "");
    // The mutex was released on the way out: the next entry goes through.
    MakeLog().Info("BootStrap", "kept");
    EXPECT_NE(file.Content().find(">kept</info>"), std::string::npos);
}

TEST(SessionLog, ConcurrentWritersNeverMixEntries) {
    ScopedLogFile file;
    constexpr int kThreads = 6;
    constexpr int kEntries = 60;
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([t] {
            SessionLog log = MakeLog();
            for (int i = 0; i < kEntries; ++i) {
                std::string id = std::to_string(t) + ":" + std::to_string(i);
                if (i % 3 == 0)
                    log.Error("Utilities", id, ERROR_ACCESS_DENIED);
                else if (i % 3 == 1)
                    log.Exception("Utilities", id, platform::FileException(ERROR_DISK_FULL, id));
                else
                    log.Info("Utilities", id);
            }
        });
    }
    for (auto& th : threads)
        th.join();

    std::string error;
    auto root = wintest::ParseLog(file.Content(), &error);
    ASSERT_TRUE(root) << error;
    ASSERT_EQ(root->children.size(), size_t(kThreads * kEntries));
    std::vector<int> next(kThreads, 0);
    for (const auto& e : root->children) {
        std::string id = e.name == "info" ? e.text : e.attributes.at("message");
        int t = std::stoi(id.substr(0, id.find(':')));
        int i = std::stoi(id.substr(id.find(':') + 1));
        // Each writer's entries arrive whole and in its own order.
        EXPECT_EQ(i, next[t]++);
        if (e.name == "error") {
            ASSERT_EQ(e.children.size(), 1u);
            EXPECT_EQ(e.children[0].name, "exception");
            EXPECT_EQ(e.children[0].attributes.count("status"), i % 3 == 0 ? 1u : 0u);
        } else {
            EXPECT_EQ(e.name, "info");
            EXPECT_TRUE(e.children.empty());
        }
    }
}

} // namespace
