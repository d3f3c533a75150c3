#include "app/BootStrapApp.h"

#include "platform/Handle.h"
#include "platform/Text.h"
#include "wizard/BootStrapDlg.h"

#include <commctrl.h>

bool IsAdministrator() {
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software", 0, KEY_READ | KEY_WRITE, &key) !=
        ERROR_SUCCESS)
        return false;
    platform::RegKey owner(key);
    return true;
}

std::string ApplicationName() {
    char path[platform::kMaxPath * 4];
    DWORD length = ::GetModuleFileNameA(nullptr, path, sizeof path);
    if (length == 0 || length >= sizeof path)
        return "Setup";
    std::string name(path, length);
    std::string::size_type slash = name.find_last_of("\\/");
    if (slash != std::string::npos)
        name.erase(0, slash + 1);
    std::string::size_type dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0)
        name.erase(dot);
    return name;
}

namespace {

void Refuse(const char* text) {
    ::MessageBoxA(nullptr, text, ApplicationName().c_str(), MB_OK | MB_ICONEXCLAMATION);
}

} // namespace

bool CBootStrapApp::InitInstance() {
    ::InitCommonControls();

    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    ::GetVersionExA(&version);
    if (version.dwMajorVersion < 5) {
        Refuse("This software requires Windows 2000 or Windows XP in order to install.");
        return false;
    }
    if (!isAdministrator_()) {
        Refuse("You must be logged on as an administrator to install Snapharbor.");
        return false;
    }

    CBootStrapDlg dialog;
    dialog.DoModal();
    return false;
}
