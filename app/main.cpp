#include "app/BootStrapApp.h"
#include "platform/SystemLibrary.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    platform::RestrictDllSearchPath();
    CBootStrapApp app;
    app.InitInstance();
    return 0;
}
