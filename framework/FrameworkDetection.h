#pragma once
// Framework detection on the real machine: the registry of HKEY_LOCAL_MACHINE
// and the Framework folder under the Windows folder.

// True when the .NET Framework 1.1 build 4322 must be installed. Changes
// nothing and leaves no key open. Raises platform::UserException when the
// Windows folder cannot be obtained.
bool IsFrameworkMissing();
