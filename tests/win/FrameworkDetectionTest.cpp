#include "framework/FrameworkDetection.h"

#include "WinTestSupport.h"
#include "platform/Handle.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

namespace {

using wintest::FrameworkFolder;

struct Value {
    DWORD type;
    std::string data;
};

class FrameworkDetection : public ::testing::Test {
  protected:
    void SetUp() override { wintest::RemoveFramework(); }
    void TearDown() override { wintest::RemoveFramework(); }

    static void SetValues(const std::vector<std::pair<std::string, Value>>& values) {
        HKEY raw = nullptr;
        ASSERT_EQ(::RegCreateKeyExA(HKEY_LOCAL_MACHINE, wintest::kFrameworkKey, 0, nullptr, 0,
                                    KEY_ALL_ACCESS, nullptr, &raw, nullptr),
                  ERROR_SUCCESS);
        platform::RegKey key(raw);
        for (const auto& [name, v] : values)
            ASSERT_EQ(::RegSetValueExA(key.Get(), name.c_str(), 0, v.type,
                                       reinterpret_cast<const BYTE*>(v.data.data()),
                                       static_cast<DWORD>(v.data.size())),
                      ERROR_SUCCESS);
    }
    static void MakeFolder() { ASSERT_TRUE(wintest::MakeFrameworkFolder()); }
};

const std::string kDword("\x01\x00\x00\x00", 4);

TEST_F(FrameworkDetection, NothingInstalledIsMissing) {
    EXPECT_TRUE(IsFrameworkMissing());
}

TEST_F(FrameworkDetection, FolderWithoutRegistryIsMissing) {
    MakeFolder();
    EXPECT_TRUE(IsFrameworkMissing());
}

TEST_F(FrameworkDetection, KeyWithOtherBuildsOnlyIsMissing) {
    SetValues({{"3705", {REG_SZ, std::string("3321-3705", 10)}}, {"50727", {REG_DWORD, kDword}}});
    MakeFolder();
    EXPECT_TRUE(IsFrameworkMissing());
}

TEST_F(FrameworkDetection, ValueOfAnyTypeWithFolderIsPresent) {
    const Value values[] = {
        {REG_SZ, std::string("3706-4322", 10)},
        {REG_SZ, std::string("", 1)},
        {REG_DWORD, kDword},
        {REG_BINARY, std::string(256, 'x')},
    };
    MakeFolder();
    for (const Value& v : values) {
        SetValues({{"4322", v}});
        EXPECT_FALSE(IsFrameworkMissing()) << "type " << v.type << " size " << v.data.size();
        // A second call gives the same answer and no key stays open in between.
        EXPECT_FALSE(IsFrameworkMissing());
    }
}

TEST_F(FrameworkDetection, ValueLargerThanItsBufferIsMissing) {
    SetValues({{"4322", {REG_BINARY, std::string(257, 'x')}}});
    MakeFolder();
    EXPECT_TRUE(IsFrameworkMissing());
}

TEST_F(FrameworkDetection, ValueWithoutFolderOrWithAFileIsMissing) {
    SetValues({{"4322", {REG_SZ, std::string("3706-4322", 10)}}});
    EXPECT_TRUE(IsFrameworkMissing());
    ASSERT_TRUE(wintest::MakeFrameworkFolder());
    wintest::RemoveTree(FrameworkFolder());
    ASSERT_TRUE(wintest::WriteBytes(FrameworkFolder(), "not a folder"));
    EXPECT_TRUE(IsFrameworkMissing());
    EXPECT_TRUE(IsFrameworkMissing());
}

} // namespace
