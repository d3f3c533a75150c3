#include "platform/SystemLibrary.h"

#include "platform/Text.h"

namespace platform {

namespace {

bool defaultDirectoriesSet = false;

} // namespace

void RestrictDllSearchPath() {
    // kernel32 itself is always loaded, so looking it up by handle loads nothing.
    HMODULE kernel = ::GetModuleHandleA("kernel32.dll");
    using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
    auto setDefault = reinterpret_cast<SetDefaultDllDirectoriesFn>(
        reinterpret_cast<void*>(::GetProcAddress(kernel, "SetDefaultDllDirectories")));
    if (setDefault != nullptr)
        defaultDirectoriesSet = setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32) != FALSE;
    // Older systems without it still lose the current directory.
    ::SetDllDirectoryA("");
}

Module LoadSystemLibrary(const char* name) {
    char folder[kMaxPath];
    UINT length = ::GetSystemDirectoryA(folder, sizeof folder);
    if (length == 0 || length >= sizeof folder) {
        ::SetLastError(ERROR_PATH_NOT_FOUND);
        return Module();
    }
    auto path = JoinPath(folder, name);
    if (!path) {
        ::SetLastError(ERROR_FILENAME_EXCED_RANGE);
        return Module();
    }
    // The full path names the file. Its own dependencies follow the restricted
    // default search where it is set; elsewhere the altered search looks for
    // them beside it, in the system folder, too. (The two cannot be combined.)
    DWORD flags = defaultDirectoriesSet ? 0 : LOAD_WITH_ALTERED_SEARCH_PATH;
    return Module(::LoadLibraryExA(path->c_str(), nullptr, flags));
}

} // namespace platform
