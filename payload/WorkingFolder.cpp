#include "payload/WorkingFolder.h"

#include "log/SessionLog.h"
#include "payload/FolderNaming.h"
#include "platform/SystemLibrary.h"
#include "platform/Text.h"

#include <windows.h>

#include <shellapi.h>

#include <cstdlib>
#include <vector>

namespace {

const char kSection[] = "Utilities";

} // namespace

std::string CreateWorkingFolder(std::string prefix, SessionLog* log) {
    std::srand(::GetTickCount());
    return CreateWorkingFolder(std::move(prefix), log, [] { return std::rand(); });
}

std::string CreateWorkingFolder(std::string prefix, SessionLog* log,
                                const std::function<int()>& random) {
    char temp[platform::kMaxPath];
    DWORD tempLength = ::GetTempPathA(sizeof temp, temp);
    if (tempLength == 0 || tempLength >= sizeof temp)
        temp[0] = '\0';

    std::string folder;
    for (int attempt = 0; attempt < payload::kMaxFolderAttempts; ++attempt) {
        unsigned number = payload::DrawFolderNumber(random);
        char name[platform::kMaxPath] = "";
        // With a nonzero number the service only composes the name.
        ::GetTempFileNameA(temp, prefix.c_str(), number, name);
        folder = name;
        log->Info(kSection, "Creating temp folder \"" + folder + "\"");
        if (::CreateDirectoryA(folder.c_str(), nullptr)) {
            log->Info(kSection, "Temp folder successfully created");
            break;
        }
        log->Error(kSection, "Fail to create temp folder", ::GetLastError());
    }
    return folder + "\\";
}

void DeleteWorkingFolder(std::string path, SessionLog* log) {
    log->Info(kSection, "Deleting temp folder \"" + path + "\"");
    if (!path.empty() && path.back() == '\\')
        path.pop_back();
    // The shell takes a list of names, each NUL-terminated, ended by another NUL.
    std::vector<char> from(path.begin(), path.end());
    from.push_back('\0');
    from.push_back('\0');

    using ShFileOperationFn = int(WINAPI*)(LPSHFILEOPSTRUCTA);
    platform::Module shell = platform::LoadSystemLibrary("shell32.dll");
    auto shFileOperation = platform::GetProc<ShFileOperationFn>(shell, "SHFileOperationA");
    int result = ERROR_PROC_NOT_FOUND;
    if (shFileOperation != nullptr) {
        SHFILEOPSTRUCTA operation = {};
        operation.wFunc = FO_DELETE;
        operation.pFrom = from.data();
        operation.fFlags = FOF_SILENT | FOF_NOCONFIRMATION;
        result = shFileOperation(&operation);
    }
    if (result != 0)
        log->Error(kSection, "An error occured while deleting temp folder", ::GetLastError());
    else
        log->Info(kSection, "Temp folder successfully deleted");
}
