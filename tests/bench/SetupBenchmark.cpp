// Prints the figures of the installer's start: time from process start to the
// wizard window, extraction throughput, and extraction against a plain
// in-memory inflate of the same resources. Not a test: nothing here fails.
#include "../win/WinTestSupport.h"
#include "log/SessionLog.h"
#include "payload/ResourceManager.h"
#include "platform/Handle.h"
#include "tests/ui/UiDriver.h"

#include <windows.h>

#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

double Now() {
    LARGE_INTEGER f, t;
    ::QueryPerformanceFrequency(&f);
    ::QueryPerformanceCounter(&t);
    return double(t.QuadPart) / double(f.QuadPart);
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

struct Resource {
    const unsigned char* data;
    DWORD size;
};

BOOL CALLBACK Collect(HMODULE module, LPCSTR type, LPSTR name, LONG_PTR context) {
    HRSRC found = ::FindResourceA(module, name, type);
    HGLOBAL loaded = found ? ::LoadResource(module, found) : nullptr;
    if (loaded)
        reinterpret_cast<std::vector<Resource>*>(context)->push_back(
            {static_cast<const unsigned char*>(::LockResource(loaded)),
             ::SizeofResource(module, found)});
    return TRUE;
}

// Start of Setup.exe to its wizard being visible, in seconds.
double StartupTime(const std::string& setup) {
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    std::string cmd = "\"" + setup + "\"";
    double start = Now();
    if (!::CreateProcessA(setup.c_str(), &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                          &pi))
        return -1;
    platform::KernelHandle process(pi.hProcess), thread(pi.hThread);
    HWND dlg = uidriver::FindTopWindow("Snapharbor Setup", 30000);
    double elapsed = Now() - start;
    if (dlg)
        uidriver::CloseWindow(dlg);
    if (::WaitForSingleObject(process.Get(), 15000) != WAIT_OBJECT_0)
        ::TerminateProcess(process.Get(), 1);
    return dlg ? elapsed : -1;
}

} // namespace

int main(int argc, char** argv) {
    const int runs = 7;
    std::vector<Resource> resources;
    ::EnumResourceNamesA(nullptr, "SHZ_FILE", Collect, reinterpret_cast<LONG_PTR>(&resources));
    unsigned long long total = 0, packed = 0;
    for (const Resource& r : resources) {
        total += r.data[2] | r.data[3] << 8 | r.data[4] << 16 | (unsigned long long)r.data[5] << 24;
        packed += r.size;
    }
    std::printf("payload: %u resources, %.2f MB unpacked, %.2f MB packed\n",
                unsigned(resources.size()), total / 1e6, packed / 1e6);

    std::string temp = wintest::TempDirectory();
    SessionLog log("Snapharbor", 0, "BootStrap"); // no log file: entries are dropped
    std::vector<double> extract, inflate;
    for (int i = 0; i < runs; ++i) {
        std::string folder = temp + "bench" + std::to_string(i) + "\\";
        ::CreateDirectoryA(folder.c_str(), nullptr);
        ResourceManager manager(&log);
        double start = Now();
        manager.ExtractAllResources(folder);
        extract.push_back(Now() - start);
        wintest::RemoveTree(folder);

        start = Now();
        for (const Resource& r : resources) {
            uLongf length = r.data[2] | r.data[3] << 8 | r.data[4] << 16 | uLongf(r.data[5]) << 24;
            std::vector<unsigned char> out(length);
            uncompress(out.data(), &length, r.data + 6, r.size - 6);
        }
        inflate.push_back(Now() - start);
    }
    double e = Median(extract), u = Median(inflate);
    std::printf("extraction to disk: %.1f ms median of %d, %.1f MB/s\n", e * 1e3, runs,
                total / 1e6 / e);
    std::printf("plain uncompress in memory: %.1f ms median, %.1f MB/s\n", u * 1e3,
                total / 1e6 / u);
    std::printf("extraction / plain uncompress: %.2f\n", e / u);

    if (argc > 1) {
        std::vector<double> startup;
        for (int i = 0; i < 5; ++i) {
            double t = StartupTime(argv[1]);
            if (t >= 0)
                startup.push_back(t);
        }
        if (!startup.empty())
            std::printf("process start to wizard shown: %.0f ms median of %u (min %.0f ms)\n",
                        Median(startup) * 1e3, unsigned(startup.size()),
                        *std::min_element(startup.begin(), startup.end()) * 1e3);
        else
            std::printf("process start to wizard shown: the wizard did not appear\n");
    }
    return 0;
}
