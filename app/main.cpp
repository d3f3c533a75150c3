#include "app/BootStrapApp.h"
#include "platform/Exception.h"
#include "platform/SystemLibrary.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    platform::RestrictDllSearchPath();
    CBootStrapApp app;
    try {
        app.InitInstance();
    } catch (const platform::Exception& e) {
        // A failure nothing else handled, such as a log file that could not be
        // written while the wizard was built: say so instead of crashing. The
        // dialog has already cleaned up on the way out.
        char text[1024];
        if (!e.GetErrorMessage(text, sizeof text))
            platform::CopyErrorText("An unexpected error occurred.", text, sizeof text);
        ::MessageBoxA(nullptr, text, ApplicationName().c_str(), MB_OK | MB_ICONEXCLAMATION);
    }
    return 0;
}
