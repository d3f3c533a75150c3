#pragma once
// Whether the .NET Framework 1.1 (build 4322) has to be installed. Platform-free:
// the machine is reached through FrameworkProbe.

#include <optional>
#include <string>

namespace framework {

constexpr char kPolicyKey[] = "SOFTWARE\\Microsoft\\.NETFramework\\policy\\v1.1";
constexpr char kBuild[] = "4322";
constexpr char kFolderSuffix[] = "\\Microsoft.Net\\Framework\\v1.1.";
constexpr unsigned long kValueDataSize = 256;
constexpr unsigned long kDirectoryAttribute = 0x10;
constexpr unsigned long kInvalidAttributes = 0xFFFFFFFFul;

// The machine as the check sees it. Nothing here changes the machine.
class FrameworkProbe {
  public:
    virtual ~FrameworkProbe() = default;
    // Opens HKLM\<kPolicyKey> for reading; false when it cannot be opened.
    virtual bool OpenPolicyKey() = 0;
    // Whether the open key has a value named kBuild whose data fits in
    // kValueDataSize bytes. Only called while the key is open.
    virtual bool QueryBuildValue() = 0;
    // Closes the key; called exactly once after a successful open.
    virtual void ClosePolicyKey() = 0;
    // The Windows folder without a trailing backslash; nothing on failure.
    virtual std::optional<std::string> WindowsFolder() = 0;
    // The attribute bits of a path, or kInvalidAttributes.
    virtual unsigned long Attributes(const std::string& path) = 0;
};

// True when the Framework is missing: it counts as present only when the
// registry value exists and, after it, the Framework folder exists as a folder.
// Raises platform::UserException when the Windows folder cannot be obtained;
// the key is closed first.
bool IsFrameworkMissing(FrameworkProbe& probe);

} // namespace framework
