#include "platform/SystemLibrary.h"

#include "platform/Text.h"

namespace platform {

void RestrictDllSearchPath() {
    // kernel32 itself is always loaded, so looking it up by handle loads nothing.
    HMODULE kernel = ::GetModuleHandleA("kernel32.dll");
    using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
    auto setDefault = reinterpret_cast<SetDefaultDllDirectoriesFn>(
        reinterpret_cast<void*>(::GetProcAddress(kernel, "SetDefaultDllDirectories")));
    if (setDefault != nullptr)
        setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32);
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
    // A full path with altered search: the DLL's own dependencies are looked
    // up beside it, in the system folder, too.
    return Module(::LoadLibraryExA(path->c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
}

} // namespace platform
