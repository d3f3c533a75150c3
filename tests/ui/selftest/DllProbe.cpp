// Loads shell32.dll the way Setup.exe does ("restricted") or by bare name
// after no restriction ("plain"), so the planting test can show it would catch
// an executable that searches its own folder.
#include "platform/SystemLibrary.h"

#include <cstring>

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "plain") == 0)
        return ::LoadLibraryA("shell32.dll") ? 0 : 1;
    platform::RestrictDllSearchPath();
    return platform::LoadSystemLibrary("shell32.dll") ? 0 : 1;
}
