#include "app/BootStrapApp.h"
#include "platform/Dialog.h"
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
        platform::ReportException(nullptr, e, ApplicationName().c_str());
    }
    return 0;
}
