// Drives the real Setup.exe through its wizard under Wine.
#include "SetupRun.h"

#include "../win/WinTestSupport.h"
#include "platform/Handle.h"
#include "tests/ExpectedPayload.h"
#include "tests/ui/UiDriver.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

using uitest::LogEntry;
using uitest::SetupRun;

namespace {

constexpr int kNext = 1, kCancel = 2, kProgress = 1002, kMain = 1003, kTitle = 1008, kDetail = 1009,
              kNote = 1010, kAccept = 1012, kDecline = 1013, kLicence = 1014, kPrompt = 1015;
constexpr DWORD kWait = 15000;

const char kWelcome[] = "Welcome in the Snapharbor installer. Click next to continue.";
const char kRequired[] = "The Microsoft .Net Framework is required.";
const char kPreparing[] = "Preparing Snapharbor setup. Please wait...";
const char kFailed[] = "An error occurred while installing Snapharbor Beta.";

std::string SetupExe() {
    return uitest::WinePath(SETUP_EXE);
}

struct Controls {
    std::string main, detail, note, title;
    bool nextEnabled, cancelEnabled, progress, licence;
};

Controls Read(HWND dlg) {
    bool licence = uidriver::Visible(dlg, kLicence);
    // The four licence controls are shown and hidden together.
    for (int id : {kPrompt, kAccept, kDecline})
        EXPECT_EQ(uidriver::Visible(dlg, id), licence) << id;
    return {uidriver::Text(dlg, kMain),        uidriver::Text(dlg, kDetail),
            uidriver::Text(dlg, kNote),        uidriver::Text(dlg, kTitle),
            uidriver::Enabled(dlg, kNext),     uidriver::Enabled(dlg, kCancel),
            uidriver::Visible(dlg, kProgress), licence};
}

bool WaitText(HWND dlg, const std::string& text) {
    return uidriver::WaitFor([&] { return uidriver::Text(dlg, kMain) == text; }, kWait);
}

std::vector<std::string> InfoTexts(const std::vector<LogEntry>& entries, const char* section) {
    std::vector<std::string> out;
    for (const auto& e : entries)
        if (e.kind == "info" && e.section == section)
            out.push_back(e.text);
    return out;
}

// Checks Next and Cancel during a step that lasts one second: the states are
// only judged when the step's text shows both before and after reading them.
void ExpectButtonsWhileTextShows(HWND dlg, const std::string& text, bool next, bool cancel) {
    try {
        bool nextEnabled = uidriver::Enabled(dlg, kNext);
        bool cancelEnabled = uidriver::Enabled(dlg, kCancel);
        if (uidriver::Text(dlg, kMain) != text)
            return;
        EXPECT_EQ(nextEnabled, next) << text;
        EXPECT_EQ(cancelEnabled, cancel) << text;
    } catch (const std::exception&) {
        // The run ended in between.
    }
}

// Every step change writes its four entries in order; returns the steps reached.
std::vector<int> StepsReached(const std::vector<LogEntry>& entries) {
    std::vector<std::string> boot = InfoTexts(entries, "BootStrap");
    std::vector<int> reached;
    for (size_t i = 0; i < boot.size(); ++i) {
        const std::string seek = "Seeking next step for step ";
        if (boot[i].compare(0, seek.size(), seek) != 0)
            continue;
        EXPECT_LT(i + 3, boot.size());
        if (i + 3 >= boot.size())
            break;
        std::string to = boot[i + 3].substr(boot[i + 3].rfind(' ') + 1);
        EXPECT_EQ(boot[i + 1], "Updating controls for step " + to);
        EXPECT_EQ(boot[i + 2], "Controls updated");
        EXPECT_EQ(boot[i + 3], "New step reached : " + to);
        reached.push_back(std::stoi(to));
    }
    return reached;
}

// Checks the frame of a finished run: a begin first, an end last, and the
// working folder gone.
void ExpectClosedRun(const std::vector<LogEntry>& entries) {
    ASSERT_FALSE(entries.empty());
    EXPECT_EQ(entries.front().kind, "begin");
    EXPECT_EQ(entries.back().kind, "end");
    std::string folder = uitest::WorkingFolderOf(entries);
    ASSERT_FALSE(folder.empty());
    EXPECT_FALSE(wintest::DirectoryExists(folder)) << folder;
    std::vector<std::string> utilities = InfoTexts(entries, "Utilities");
    EXPECT_NE(std::find(utilities.begin(), utilities.end(), "Temp folder successfully deleted"),
              utilities.end());
}

class SetupUi : public ::testing::Test {
  protected:
    void SetUp() override {
        wintest::RemoveFramework();
        ::DeleteFileA(wintest::LogPath().c_str());
        ASSERT_TRUE(wintest::WriteBytes(wintest::LogPath(), ""));
    }
    void TearDown() override {
        wintest::RemoveFramework();
        ::DeleteFileA(wintest::LogPath().c_str());
    }

    // Ends a run with Cancel and checks that it closed properly.
    void CancelAndFinish(SetupRun& run, HWND dlg) {
        ASSERT_TRUE(uidriver::Click(dlg, kCancel));
        DWORD code = 1;
        ASSERT_TRUE(run.Wait(kWait, &code));
        EXPECT_EQ(code, 0u);
        ExpectClosedRun(uitest::ReadLog());
    }
};

TEST_F(SetupUi, WelcomeStepShowsItsTextsAndTheExtractedPayload) {
    SetupRun run(SetupExe());
    ASSERT_TRUE(run.Started());
    HWND dlg = run.Dialog();
    ASSERT_TRUE(dlg);
    Controls c = Read(dlg);
    EXPECT_EQ(c.main, kWelcome);
    EXPECT_EQ(c.detail, "");
    EXPECT_EQ(c.note, "");
    EXPECT_EQ(c.title, "Preparing installation");
    EXPECT_TRUE(c.nextEnabled);
    EXPECT_TRUE(c.cancelEnabled);
    EXPECT_FALSE(c.progress);
    EXPECT_FALSE(c.licence);
    uidriver::ProgressState p = uidriver::Progress(dlg, kProgress);
    EXPECT_EQ(p.lower, 0);
    EXPECT_EQ(p.upper, 100);
    EXPECT_EQ(p.pos, 0);

    // The whole payload is in the working folder, byte for byte, before any
    // step is taken.
    std::string folder = uitest::WorkingFolderOf(uitest::ReadLog());
    ASSERT_FALSE(folder.empty());
    std::vector<std::string> expected;
    for (const ExpectedPayload& p : kExpectedPayload) {
        std::string name = p.name;
        expected.push_back(name);
        std::string input = wintest::ReadBytes(uitest::WinePath(SETUP_PAYLOAD_DIR) + "\\" + name);
        ASSERT_FALSE(input.empty()) << name;
        EXPECT_TRUE(wintest::ReadBytes(folder + name) == input) << name << " differs";
    }
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(wintest::FilesIn(folder), expected);

    std::vector<std::string> boot = InfoTexts(uitest::ReadLog(), "BootStrap");
    EXPECT_EQ(boot, (std::vector<std::string>{"Updating controls for step 0", "Controls updated"}));
    CancelAndFinish(run, dlg);
}

TEST_F(SetupUi, FrameworkAbsentLeadsToTheLicence) {
    SetupRun run(SetupExe());
    HWND dlg = run.Dialog();
    ASSERT_TRUE(dlg);
    ASSERT_TRUE(uidriver::Click(dlg, kNext));
    ASSERT_TRUE(WaitText(dlg, kRequired));
    ExpectButtonsWhileTextShows(dlg, kRequired, false, true);
    // The decline button is the last of the group to be shown.
    ASSERT_TRUE(uidriver::WaitFor([&] { return uidriver::Visible(dlg, kDecline); }, kWait));
    Controls c = Read(dlg);
    EXPECT_EQ(c.main, "");
    EXPECT_FALSE(c.nextEnabled);
    EXPECT_TRUE(c.cancelEnabled);
    EXPECT_TRUE(uidriver::Checked(dlg, kDecline));
    EXPECT_FALSE(uidriver::Checked(dlg, kAccept));
    std::string licence = uidriver::Text(dlg, kLicence);
    EXPECT_GT(licence.size(), 20000u);
    EXPECT_NE(licence.find("\r\n"), std::string::npos);

    // Next follows the radio button clicked last.
    ASSERT_TRUE(uidriver::Click(dlg, kAccept));
    EXPECT_TRUE(uidriver::WaitFor([&] { return uidriver::Enabled(dlg, kNext); }, kWait));
    ASSERT_TRUE(uidriver::Click(dlg, kDecline));
    EXPECT_TRUE(uidriver::WaitFor([&] { return !uidriver::Enabled(dlg, kNext); }, kWait));
    ASSERT_TRUE(uidriver::Click(dlg, kAccept));
    EXPECT_TRUE(uidriver::WaitFor([&] { return uidriver::Enabled(dlg, kNext); }, kWait));

    CancelAndFinish(run, dlg);
    auto entries = uitest::ReadLog();
    EXPECT_EQ(StepsReached(entries), (std::vector<int>{1, 2}));
    std::vector<std::string> resources = InfoTexts(entries, "ResourceManager");
    EXPECT_NE(std::find(resources.begin(), resources.end(), "License agreement retrieved"),
              resources.end());
}

TEST_F(SetupUi, WithoutADownloadWorkerTheLicenceLeadsToTheErrorStep) {
    SetupRun run(SetupExe());
    HWND dlg = run.Dialog();
    ASSERT_TRUE(dlg);
    ASSERT_TRUE(uidriver::Click(dlg, kNext));
    ASSERT_TRUE(uidriver::WaitFor([&] { return uidriver::Visible(dlg, kDecline); }, kWait));
    ASSERT_TRUE(uidriver::Click(dlg, kAccept));
    ASSERT_TRUE(uidriver::WaitFor([&] { return uidriver::Enabled(dlg, kNext); }, kWait));
    ASSERT_TRUE(uidriver::Click(dlg, kNext));
    ASSERT_TRUE(WaitText(dlg, kFailed));
    Controls c = Read(dlg);
    EXPECT_FALSE(c.nextEnabled);
    EXPECT_TRUE(c.cancelEnabled);
    EXPECT_FALSE(c.licence);
    EXPECT_FALSE(c.progress);
    CancelAndFinish(run, dlg);
    EXPECT_EQ(StepsReached(uitest::ReadLog()), (std::vector<int>{1, 2, 3}));
}

TEST_F(SetupUi, FrameworkPresentGoesThroughPreparing) {
    ASSERT_TRUE(wintest::InstallFramework());
    SetupRun run(SetupExe());
    HWND dlg = run.Dialog();
    ASSERT_TRUE(dlg);
    ASSERT_TRUE(uidriver::Click(dlg, kNext));
    // Preparing lasts one second with Next disabled; then the product setup
    // step, which in this build ends the run as cancelled.
    if (WaitText(dlg, kPreparing))
        ExpectButtonsWhileTextShows(dlg, kPreparing, false, true);
    DWORD code = 1;
    ASSERT_TRUE(run.Wait(kWait, &code));
    auto entries = uitest::ReadLog();
    EXPECT_EQ(StepsReached(entries), (std::vector<int>{5, 6}));
    ExpectClosedRun(entries);
}

TEST_F(SetupUi, CancelAtTheFrameworkNoticeEndsAtOnce) {
    SetupRun run(SetupExe());
    HWND dlg = run.Dialog();
    ASSERT_TRUE(dlg);
    ASSERT_TRUE(uidriver::Click(dlg, kNext));
    ASSERT_TRUE(WaitText(dlg, kRequired));
    CancelAndFinish(run, dlg);
}

TEST_F(SetupUi, EscapeAndTheCloseBoxActAsCancel) {
    SetupRun run(SetupExe());
    HWND dlg = run.Dialog();
    ASSERT_TRUE(dlg);
    ASSERT_TRUE(uidriver::CloseWindow(dlg));
    ASSERT_TRUE(run.Wait(kWait));
    ExpectClosedRun(uitest::ReadLog());
}

TEST_F(SetupUi, WindowsBefore2000IsRefusedWithoutTouchingAnything) {
    HKEY raw = nullptr;
    ASSERT_EQ(::RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\Setup.exe", 0,
                                nullptr, 0, KEY_ALL_ACCESS, nullptr, &raw, nullptr),
              ERROR_SUCCESS);
    platform::RegKey key(raw);
    ASSERT_EQ(
        ::RegSetValueExA(key.Get(), "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>("nt40"), 5),
        ERROR_SUCCESS);
    std::string temp = wintest::TempDirectory();
    auto before = wintest::FilesIn(temp, true);

    SetupRun run(SetupExe());
    HWND box = uidriver::FindMessageBox("Setup", kWait);
    ::RegDeleteValueA(key.Get(), "Version");
    ASSERT_TRUE(box);
    EXPECT_EQ(uidriver::MessageBoxText(box),
              "This software requires Windows 2000 or Windows XP in order to install.");
    EXPECT_FALSE(uidriver::FindTopWindow("Snapharbor Setup", 0, false));
    ASSERT_TRUE(uidriver::AnswerMessageBox(box, IDOK));
    ASSERT_TRUE(run.Wait(kWait));
    EXPECT_EQ(wintest::ReadBytes(wintest::LogPath()), "");
    EXPECT_EQ(wintest::FilesIn(temp, true), before);
}

TEST_F(SetupUi, DllPlantedBesideSetupNeverRuns) {
    // A copy of Setup.exe in a folder of its own, with shell32.dll planted.
    // Wine would prefer its builtin copy whatever the search order, so native
    // DLLs are put first for this test's executables.
    std::string folder = "C:\\planting\\";
    ::CreateDirectoryA(folder.c_str(), nullptr);
    ASSERT_TRUE(::CopyFileA(SetupExe().c_str(), (folder + "Setup.exe").c_str(), FALSE));
    ASSERT_TRUE(::CopyFileA(uitest::WinePath(DLL_PROBE_EXE).c_str(),
                            (folder + "dll_probe.exe").c_str(), FALSE));
    ASSERT_TRUE(::CopyFileA(uitest::WinePath(PLANTED_DLL).c_str(), (folder + "shell32.dll").c_str(),
                            FALSE));
    for (const char* exe : {"Setup.exe", "dll_probe.exe"}) {
        HKEY raw = nullptr;
        std::string path = std::string("Software\\Wine\\AppDefaults\\") + exe + "\\DllOverrides";
        ASSERT_EQ(::RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                    nullptr, &raw, nullptr),
                  ERROR_SUCCESS);
        platform::RegKey key(raw);
        ::RegSetValueExA(key.Get(), "shell32", 0, REG_SZ,
                         reinterpret_cast<const BYTE*>("native,builtin"), 15);
    }
    const char* marker = "C:\\planted-marker.txt";
    auto runProbe = [&](const char* mode) {
        ::DeleteFileA(marker);
        std::string cmd = "\"" + folder + "dll_probe.exe\" " + mode;
        STARTUPINFOA si = {};
        si.cb = sizeof si;
        PROCESS_INFORMATION pi = {};
        EXPECT_TRUE(::CreateProcessA(nullptr, &cmd[0], nullptr, nullptr, FALSE, 0, nullptr,
                                     folder.c_str(), &si, &pi));
        ::WaitForSingleObject(pi.hProcess, kWait);
        ::CloseHandle(pi.hThread);
        ::CloseHandle(pi.hProcess);
        return wintest::FileExists(marker);
    };
    // The test can fail: a plain search of the executable's folder runs it.
    EXPECT_TRUE(runProbe("plain")) << "planting not effective; the test would prove nothing";
    EXPECT_FALSE(runProbe("restricted"));

    // Setup.exe loads shell32 when it deletes its working folder at the end.
    ::DeleteFileA(marker);
    {
        SetupRun run(folder + "Setup.exe");
        HWND dlg = run.Dialog();
        ASSERT_TRUE(dlg);
        ASSERT_TRUE(uidriver::Click(dlg, kCancel));
        ASSERT_TRUE(run.Wait(kWait));
    }
    EXPECT_FALSE(wintest::FileExists(marker));
    ExpectClosedRun(uitest::ReadLog());
    wintest::RemoveTree(folder);
}

} // namespace
