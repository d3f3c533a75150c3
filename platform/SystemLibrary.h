#pragma once
// System DLLs loaded by full path from the system folder, never from the folder
// the executable sits in or from the current directory.

#include "platform/Handle.h"

#include <string>

namespace platform {

// Restricts the process's DLL search to the system folder where kernel32 offers
// it, and drops the current directory from the search in any case. Call first.
void RestrictDllSearchPath();

// Loads name (for example "shell32.dll") from the system folder. Returns an
// empty Module, with the last error set, when the library cannot be loaded.
Module LoadSystemLibrary(const char* name);

// The address of an export of a loaded module, cast to the function type F;
// null when it is missing.
template <typename F> F GetProc(const Module& module, const char* name) {
    if (!module)
        return nullptr;
    return reinterpret_cast<F>(reinterpret_cast<void*>(::GetProcAddress(module.Get(), name)));
}

} // namespace platform
