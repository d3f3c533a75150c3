#include "framework/FrameworkCheck.h"

#include "platform/Exception.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct FakeProbe : framework::FrameworkProbe {
    bool keyOpens = true;
    bool valueExists = true;
    std::optional<std::string> windows = std::string("C:\\WINDOWS");
    unsigned long attributes = framework::kDirectoryAttribute;
    std::vector<std::string> calls;
    std::string askedPath;
    int openKeys = 0;

    bool OpenPolicyKey() override {
        calls.push_back("open");
        if (keyOpens)
            ++openKeys;
        return keyOpens;
    }
    bool QueryBuildValue() override {
        calls.push_back("query");
        EXPECT_EQ(openKeys, 1);
        return valueExists;
    }
    void ClosePolicyKey() override {
        calls.push_back("close");
        --openKeys;
    }
    std::optional<std::string> WindowsFolder() override {
        calls.push_back("windows");
        return windows;
    }
    unsigned long Attributes(const std::string& path) override {
        calls.push_back("attributes");
        askedPath = path;
        return attributes;
    }
};

TEST(FrameworkCheck, Cases) {
    const unsigned long kFile = 0x20, kDir = framework::kDirectoryAttribute;
    struct Case {
        const char* name;
        bool keyOpens, valueExists;
        unsigned long attributes;
        bool missing;
    } cases[] = {
        {"no key, folder present", false, true, kDir, true},
        {"key without the value", true, false, kDir, true},
        {"value and folder", true, true, kDir, false},
        {"value and folder with other bits", true, true, kDir | 0x1 | 0x20, false},
        {"value, path is a file", true, true, kFile, true},
        {"value, folder absent", true, true, framework::kInvalidAttributes, true},
    };
    for (const Case& c : cases) {
        FakeProbe probe;
        probe.keyOpens = c.keyOpens;
        probe.valueExists = c.valueExists;
        probe.attributes = c.attributes;
        EXPECT_EQ(framework::IsFrameworkMissing(probe), c.missing) << c.name;
        EXPECT_EQ(probe.openKeys, 0) << c.name << ": key left open";
    }
}

TEST(FrameworkCheck, RegistryFirstAndFolderPath) {
    FakeProbe probe;
    EXPECT_FALSE(framework::IsFrameworkMissing(probe));
    EXPECT_EQ(probe.calls,
              (std::vector<std::string>{"open", "query", "windows", "attributes", "close"}));
    EXPECT_EQ(probe.askedPath, "C:\\WINDOWS\\Microsoft.Net\\Framework\\v1.1.4322");

    FakeProbe noValue;
    noValue.valueExists = false;
    EXPECT_TRUE(framework::IsFrameworkMissing(noValue));
    // The folder is never looked at without the registry value.
    EXPECT_EQ(noValue.calls, (std::vector<std::string>{"open", "query", "close"}));
}

TEST(FrameworkCheck, NoWindowsFolderRaisesWithTheKeyClosed) {
    FakeProbe probe;
    probe.windows.reset();
    EXPECT_THROW(framework::IsFrameworkMissing(probe), platform::UserException);
    EXPECT_EQ(probe.openKeys, 0);
    EXPECT_EQ(probe.calls.back(), "close");
}

} // namespace
