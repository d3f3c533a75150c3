// Stand-in for a DLL planted beside an executable: when loaded, it records the
// fact in C:\planted-marker.txt.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        HANDLE f = ::CreateFileA("C:\\planted-marker.txt", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                 0, nullptr);
        if (f != INVALID_HANDLE_VALUE)
            ::CloseHandle(f);
    }
    return TRUE;
}
