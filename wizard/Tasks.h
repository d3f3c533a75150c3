#pragma once
// The contract between the wizard and its worker threads: the task records a
// worker receives by address, and the private messages it reports with.
//
// A worker takes the address of its record as its only argument, reaches the
// dialog through owner, ends with exit code 0 and ends with exactly one
// completion message: WM_SETUP_TASK_DONE / WM_SETUP_DOWNLOAD_DONE while
// cancelRequested is false, WM_SETUP_ABORT once it is true. Completion, hide and
// progress messages are sent (the worker waits while the dialog reacts, and the
// reaction may clear the record); the download's abort is posted. After its
// final message returns a worker never touches its record again.

#include <windows.h>

#include <atomic>
#include <string>

class CBootStrapDlg;

constexpr UINT WM_SETUP_TASK_DONE = WM_USER + 100;         // 0, ProcessTask*
constexpr UINT WM_SETUP_DOWNLOAD_DONE = WM_USER + 101;     // HTTP status or 0, DownloadTask*
constexpr UINT WM_SETUP_DOWNLOAD_PROGRESS = WM_USER + 102; // received, total (0 = unknown)
constexpr UINT WM_SETUP_ABORT = WM_USER + 103;             // status or 0, the task record
constexpr UINT WM_SETUP_HIDE = WM_USER + 104;              // 0, ProcessTask*
constexpr UINT WM_SETUP_UPDATE_DATA = WM_USER + 105;       // 0, 0: push the strings

// The initial values of both records are their reset state.
struct DownloadTask {
    HWND hwndNotify = nullptr;
    std::string host;
    unsigned short port = 0;
    std::string remotePath;
    std::string localFile;
    CBootStrapDlg* owner = nullptr;
    // Written by the UI thread only, read by the worker without a lock.
    std::atomic<bool> cancelRequested{false};
};

struct ProcessTask {
    HWND hwndNotify = nullptr;
    std::string programPath;
    std::string commandLine;
    std::string workingFolder;
    unsigned long exitCode = 0;
    CBootStrapDlg* owner = nullptr;
    std::atomic<bool> cancelRequested{false};
};
