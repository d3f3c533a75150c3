#include "log/LogEntry.h"

#include "log/LogFormat.h"
#include "platform/Exception.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct WriteFailure : platform::Exception {
    bool GetErrorMessage(char* b, std::size_t n) const override {
        return platform::CopyErrorText("disk full", b, n);
    }
};

// Records every call; the write numbered failAt (from 1) raises.
struct FakeStream : logformat::LogStream {
    int failAt = 0;
    int writes = 0;
    std::vector<std::string> lines;
    std::vector<std::string> calls;
    void WriteString(const std::string& text) override {
        ++writes;
        if (writes == failAt)
            throw WriteFailure();
        lines.push_back(text);
    }
    void Flush() override { calls.push_back("flush"); }
    void Close() override { calls.push_back("close"); }
};

TEST(ErrorEntry, WritesThreeLinesThenFlushesAndCloses) {
    FakeStream s;
    logformat::WriteErrorEntry(s, "E\n", [] { return std::string("C\n"); });
    EXPECT_EQ(s.lines, (std::vector<std::string>{"E\n", "C\n", "\t</error>\n"}));
    EXPECT_EQ(s.calls, (std::vector<std::string>{"flush", "close"}));
}

TEST(ErrorEntry, GuardedStepFailuresStillCloseTheEntry) {
    // Failing child write, failing first closing line: both end with one close line.
    for (int failAt : {2, 3}) {
        FakeStream s;
        s.failAt = failAt;
        EXPECT_NO_THROW(logformat::WriteErrorEntry(s, "E\n", [] { return std::string("C\n"); }));
        ASSERT_FALSE(s.lines.empty());
        EXPECT_EQ(s.lines.back(), "\t</error>\n") << failAt;
        EXPECT_EQ(s.calls, (std::vector<std::string>{"flush", "close"}));
    }
}

TEST(ErrorEntry, FailureComposingTheChildIsGuardedToo) {
    FakeStream s;
    EXPECT_NO_THROW(
        logformat::WriteErrorEntry(s, "E\n", []() -> std::string { throw WriteFailure(); }));
    EXPECT_EQ(s.lines, (std::vector<std::string>{"E\n", "\t</error>\n"}));
}

TEST(ErrorEntry, FailuresOutsideTheGuardPassToTheCaller) {
    FakeStream first;
    first.failAt = 1;
    EXPECT_THROW(logformat::WriteErrorEntry(first, "E\n", [] { return std::string("C\n"); }),
                 platform::Exception);
    EXPECT_TRUE(first.calls.empty());

    // The child fails, then the repeated closing line fails as well.
    struct TwiceFailing : FakeStream {
        void WriteString(const std::string& t) override {
            if (++writes >= 2)
                throw WriteFailure();
            lines.push_back(t);
        }
    } twice;
    EXPECT_THROW(logformat::WriteErrorEntry(twice, "E\n", [] { return std::string("C\n"); }),
                 platform::Exception);
}

} // namespace
