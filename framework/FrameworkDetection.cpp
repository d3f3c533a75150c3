#include "framework/FrameworkDetection.h"

#include "framework/FrameworkCheck.h"
#include "platform/Handle.h"
#include "platform/Text.h"

namespace {

class RegistryProbe : public framework::FrameworkProbe {
  public:
    bool OpenPolicyKey() override {
        HKEY key = nullptr;
        if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, framework::kPolicyKey, 0, KEY_READ, &key) !=
            ERROR_SUCCESS)
            return false;
        key_.Reset(key);
        return true;
    }
    bool QueryBuildValue() override {
        // Only the value's existence counts; the data is read and dropped.
        BYTE data[framework::kValueDataSize];
        DWORD size = sizeof data;
        return ::RegQueryValueExA(key_.Get(), framework::kBuild, nullptr, nullptr, data, &size) ==
               ERROR_SUCCESS;
    }
    void ClosePolicyKey() override { key_.Reset(); }
    std::optional<std::string> WindowsFolder() override {
        char buffer[platform::kMaxPath];
        UINT length = ::GetWindowsDirectoryA(buffer, sizeof buffer);
        if (length == 0 || length >= sizeof buffer)
            return std::nullopt;
        return std::string(buffer, length);
    }
    unsigned long Attributes(const std::string& path) override {
        return ::GetFileAttributesA(path.c_str());
    }

  private:
    platform::RegKey key_;
};

} // namespace

bool IsFrameworkMissing() {
    RegistryProbe probe;
    return framework::IsFrameworkMissing(probe);
}
