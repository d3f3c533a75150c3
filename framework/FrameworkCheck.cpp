#include "framework/FrameworkCheck.h"

#include "platform/Exception.h"

namespace framework {

namespace {

// Closes the key on every way out, the exception included.
class KeyCloser {
  public:
    explicit KeyCloser(FrameworkProbe& probe) : probe_(probe) {}
    KeyCloser(const KeyCloser&) = delete;
    KeyCloser& operator=(const KeyCloser&) = delete;
    ~KeyCloser() { probe_.ClosePolicyKey(); }

  private:
    FrameworkProbe& probe_;
};

} // namespace

bool IsFrameworkMissing(FrameworkProbe& probe) {
    if (!probe.OpenPolicyKey())
        return true;
    KeyCloser closer(probe);
    if (!probe.QueryBuildValue())
        return true;
    std::optional<std::string> windows = probe.WindowsFolder();
    if (!windows)
        throw platform::UserException();
    unsigned long attributes = probe.Attributes(*windows + kFolderSuffix + kBuild);
    return attributes == kInvalidAttributes || (attributes & kDirectoryAttribute) == 0;
}

} // namespace framework
