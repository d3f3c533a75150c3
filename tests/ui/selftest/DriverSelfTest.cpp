// Proves the UI driver against TestDialog.exe, started from the folder of this
// exe: every driver function is used on a real dialog of another process.
// Exit code 0 when every check passes, 1 at the first failed check. The dialog
// process is terminated on every failure path.
#include "tests/ui/UiDriver.h"

#include "TestDialogShared.h"
#include "platform/Handle.h"

#include <windows.h>

#include <cstdio>
#include <functional>
#include <initializer_list>
#include <stdexcept>
#include <string>

namespace {

using namespace testdialog;

constexpr char kCaption[] = "Driver Test Dialog";
constexpr DWORD kWaitMs = 10000;

constexpr int kNoSuchControl = 4242;

void Expect(bool ok, const std::string& what) {
    if (!ok)
        throw std::runtime_error(what);
}

std::wstring ExeFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, &path[0], static_cast<DWORD>(path.size()));
        Expect(length != 0, "GetModuleFileName failed");
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        Expect(path.size() < 32768, "module path too long");
        path.resize(path.size() * 2);
    }
    return path.substr(0, path.find_last_of(L"\\/") + 1);
}

// The dialog process; terminated on destruction unless it has ended by itself.
class Child {
  public:
    explicit Child(const std::wstring& exe) {
        std::wstring commandLine = L"\"" + exe + L"\"";
        STARTUPINFOW startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info = {};
        Expect(CreateProcessW(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                              nullptr, &startup, &info) != FALSE,
               "cannot start TestDialog.exe");
        process_.Reset(info.hProcess);
        platform::KernelHandle thread(info.hThread);
        id_ = info.dwProcessId;
    }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;
    ~Child() {
        if (WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT) {
            TerminateProcess(process_.Get(), 99);
            WaitForSingleObject(process_.Get(), kWaitMs);
        }
    }

    DWORD Id() const { return id_; }
    // The exit code once the process ends within kWaitMs.
    DWORD WaitForExit() const {
        Expect(WaitForSingleObject(process_.Get(), kWaitMs) == WAIT_OBJECT_0,
               "TestDialog.exe did not end");
        DWORD code = 0;
        Expect(GetExitCodeProcess(process_.Get(), &code) != FALSE, "no exit code");
        return code;
    }

  private:
    platform::KernelHandle process_;
    DWORD id_ = 0;
};

struct ExpectedText {
    int id;
    std::string text;
};

void ExpectTexts(HWND dlg, const char* step, std::initializer_list<ExpectedText> table) {
    for (const auto& row : table) {
        const std::string text = uidriver::Text(dlg, row.id);
        Expect(text == row.text, std::string(step) + ": control " + std::to_string(row.id) +
                                     " reads \"" + text.substr(0, 80) + "\" (" +
                                     std::to_string(text.size()) + " chars)");
    }
}

struct ExpectedState {
    int id;
    bool visible;
    bool enabled;
    bool checked;
};

void ExpectStates(HWND dlg, const char* step, std::initializer_list<ExpectedState> table) {
    for (const auto& row : table) {
        const std::string where = std::string(step) + ": control " + std::to_string(row.id);
        Expect(uidriver::Visible(dlg, row.id) == row.visible, where + " visible");
        Expect(uidriver::Enabled(dlg, row.id) == row.enabled, where + " enabled");
        Expect(uidriver::Checked(dlg, row.id) == row.checked, where + " checked");
    }
}

void ExpectProgress(HWND dlg, const char* step, uidriver::ProgressState expected) {
    const auto actual = uidriver::Progress(dlg, kProgress);
    Expect(actual.lower == expected.lower && actual.upper == expected.upper &&
               actual.pos == expected.pos,
           std::string(step) + ": progress " + std::to_string(actual.lower) + ".." +
               std::to_string(actual.upper) + " at " + std::to_string(actual.pos));
}

// Clicks and waits until control waitId shows text: the click was handled.
void ClickAndWait(HWND dlg, int id, int waitId, const std::string& text) {
    Expect(uidriver::Click(dlg, id), "click on " + std::to_string(id) + " refused");
    Expect(uidriver::WaitFor([&] { return uidriver::Text(dlg, waitId) == text; }, kWaitMs),
           "click on " + std::to_string(id) + " never showed \"" + text + "\"");
}

bool Throws(const std::function<void()>& action) {
    try {
        action();
    } catch (const std::runtime_error&) {
        return true;
    }
    return false;
}

void CheckWaitFor() {
    int calls = 0;
    const auto never = [&] {
        ++calls;
        return false;
    };
    Expect(!uidriver::WaitFor(never, 0) && calls == 1,
           "WaitFor with timeout 0 must test once and fail");
    calls = 0;
    Expect(uidriver::WaitFor([&] { return ++calls == 3; }, kWaitMs) && calls == 3,
           "WaitFor must return as soon as the condition holds");
}

void CheckFinding(HWND dlg, const Child& child) {
    Expect(uidriver::WindowVisible(dlg), "dialog not visible");
    Expect(uidriver::WindowProcessId(dlg) == child.Id(), "dialog of another process");
    for (const char* other : {"Driver Test", "Driver Test Dialog ", "driver test dialog"})
        Expect(uidriver::FindTopWindow(other, 0) == nullptr,
               std::string("caption \"") + other + "\" matched");
    Expect(uidriver::Control(dlg, kStatus) != nullptr, "status control not found");
    Expect(uidriver::Control(dlg, kNoSuchControl) == nullptr, "found a control that is not there");
    Expect(Throws([&] { uidriver::Text(dlg, kNoSuchControl); }), "Text of a missing control");
    Expect(Throws([&] { uidriver::Click(dlg, kNoSuchControl); }), "Click of a missing control");
}

void CheckClicks(HWND dlg) {
    ExpectTexts(dlg, "initial",
                {{IDOK, "Next"},
                 {IDCANCEL, "Cancel"},
                 {kStatus, "clicked 0"},
                 {kNotified, "notified none"},
                 {kToggled, "Now you see me"},
                 {kProgress, ""},
                 {kLongText, LongText()}});
    ExpectStates(dlg, "initial",
                 {{IDOK, true, true, false},
                  {kOptionA, true, true, true},
                  {kOptionB, true, true, false},
                  {kToggled, false, true, false}});
    ExpectProgress(dlg, "initial", {5, 100, 20});

    ClickAndWait(dlg, IDOK, kStatus, "clicked 1");
    ExpectStates(dlg, "after Next", {{kToggled, true, true, false}});
    ExpectProgress(dlg, "after Next", {0, 200, 50});

    // Each radio click must check the one clicked, uncheck the other and notify.
    for (int radio : {kOptionB, kOptionA, kOptionB}) {
        ClickAndWait(dlg, radio, kNotified, "notified " + std::to_string(radio));
        ExpectStates(
            dlg, "after radio click",
            {{kOptionA, true, true, radio == kOptionA}, {kOptionB, true, true, radio == kOptionB}});
    }

    ClickAndWait(dlg, IDOK, kStatus, "clicked 2");
    ExpectStates(dlg, "after Next with B",
                 {{IDOK, true, false, false}, {kToggled, false, true, false}});
    ExpectProgress(dlg, "after Next with B", {0, 200, 100});

    Expect(!uidriver::Click(dlg, IDOK), "clicked a disabled button");
    Expect(!uidriver::Click(dlg, kToggled), "clicked a hidden control");
    // Clicks are handled in order, so had the refused click been delivered, the
    // status would have changed by the time this one is handled.
    ClickAndWait(dlg, kOptionA, kNotified, "notified 1012");
    ExpectTexts(dlg, "after refused click", {{kStatus, "clicked 2"}});
}

void CheckHungTarget(HWND dlg) {
    Expect(uidriver::Click(dlg, kHang), "click on Hang refused");
    Expect(uidriver::WaitFor([&] { return !uidriver::Enabled(dlg, kHang); }, kWaitMs),
           "dialog never started to hang");
    Expect(Throws([&] { uidriver::Text(dlg, kStatus); }), "Text of a hung dialog returned");
    Expect(uidriver::WaitFor([&] { return uidriver::Enabled(dlg, kHang); }, kWaitMs),
           "dialog never recovered");
    ExpectTexts(dlg, "after hang", {{kStatus, "clicked 2"}});
}

void CheckMessageBoxes(HWND dlg, const Child& child) {
    Expect(uidriver::FindMessageBox(kCaption, 0) == nullptr, "dialog taken for a message box");
    Expect(uidriver::Click(dlg, IDCANCEL), "click on Cancel refused");
    HWND box = uidriver::FindMessageBox(kCaption, kWaitMs);
    Expect(box != nullptr && box != dlg, "no message box after Cancel");
    Expect(uidriver::WindowProcessId(box) == child.Id(), "message box of another process");
    Expect(uidriver::MessageBoxText(box) == "Really quit?", "wrong message box text");
    Expect(uidriver::FindTopWindow(kCaption, 0) == dlg, "message box shadows the dialog");
    Expect(!uidriver::Click(dlg, kOptionB), "clicked into the dialog behind a modal box");

    Expect(uidriver::AnswerMessageBox(box, IDCANCEL), "answer Cancel refused");
    Expect(uidriver::WaitFor([&] { return !IsWindow(box); }, kWaitMs), "box stayed open");
    Expect(uidriver::WindowVisible(dlg), "dialog closed although quitting was cancelled");

    // WM_CLOSE goes through the dialog's Cancel path, as the caption button does.
    Expect(uidriver::CloseWindow(dlg), "WM_CLOSE not posted");
    box = uidriver::FindMessageBox(kCaption, kWaitMs);
    Expect(box != nullptr, "no message box after WM_CLOSE");
    Expect(uidriver::AnswerMessageBox(box, IDOK), "answer OK refused");
    Expect(child.WaitForExit() == IDCANCEL, "dialog ended with the wrong result");
    Expect(!IsWindow(dlg) && uidriver::FindTopWindow(kCaption, 0) == nullptr,
           "dialog still there after quitting");
}

} // namespace

int main() {
    try {
        CheckWaitFor();
        Child child(ExeFolder() + L"TestDialog.exe");
        HWND dlg = uidriver::FindTopWindow(kCaption, kWaitMs);
        Expect(dlg != nullptr, "dialog did not appear");
        CheckFinding(dlg, child);
        CheckClicks(dlg);
        CheckHungTarget(dlg);
        CheckMessageBoxes(dlg, child);
    } catch (const std::exception& e) {
        std::printf("FAIL: %s\n", e.what());
        return 1;
    }
    std::printf("all driver checks passed\n");
    return 0;
}
