#include "UiDriver.h"

#include <commctrl.h>

#include <stdexcept>
#include <utility>

namespace uidriver {
namespace {

constexpr DWORD kPollMs = 20;
// The static control a message box shows its text in, on Windows and Wine alike.
constexpr int kMessageBoxTextId = 0xFFFF;

using WindowMatch = std::function<bool(HWND)>;

BOOL CALLBACK VisitTopWindow(HWND window, LPARAM param) {
    auto& search = *reinterpret_cast<std::pair<const WindowMatch*, HWND>*>(param);
    if (!(*search.first)(window))
        return TRUE;
    search.second = window;
    return FALSE;
}

// The first top-level window in z-order that matches, or nullptr.
HWND FindTop(const WindowMatch& match) {
    std::pair<const WindowMatch*, HWND> search(&match, nullptr);
    EnumWindows(VisitTopWindow, reinterpret_cast<LPARAM>(&search));
    return search.second;
}

bool CaptionIs(HWND window, const std::string& caption) {
    // Another process's caption is read from the window manager's copy, without
    // a message, so this cannot hang on a busy target.
    const int length = GetWindowTextLengthA(window);
    if (length != static_cast<int>(caption.size()))
        return false;
    // One spare character: filling it means the caption grew since the length
    // was read, and a cut caption must not count as a match.
    std::string text(caption.size() + 2, '\0');
    const int copied = GetWindowTextA(window, &text[0], static_cast<int>(text.size()));
    text.resize(static_cast<size_t>(copied));
    return text == caption;
}

bool ClassIs(HWND window, const char* className) {
    char name[64];
    const int length = GetClassNameA(window, name, sizeof name);
    return length > 0 && length < static_cast<int>(sizeof name) - 1 &&
           lstrcmpiA(name, className) == 0;
}

bool IsMessageBox(HWND window) {
    if (!ClassIs(window, "#32770"))
        return false;
    HWND text = GetDlgItem(window, kMessageBoxTextId);
    return text && ClassIs(text, "Static");
}

HWND RequiredControl(HWND dlg, int id) {
    HWND control = GetDlgItem(dlg, id);
    if (!control)
        throw std::runtime_error("no control with id " + std::to_string(id));
    return control;
}

LRESULT Send(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, msg, wParam, lParam, SMTO_ABORTIFHUNG, kReplyTimeoutMs,
                             &result))
        throw std::runtime_error("window did not answer message " + std::to_string(msg) +
                                 " (error " + std::to_string(GetLastError()) + ")");
    return static_cast<LRESULT>(result);
}

} // namespace

bool WaitFor(const std::function<bool()>& cond, DWORD timeoutMs) {
    const ULONGLONG start = GetTickCount64();
    for (;;) {
        if (cond())
            return true;
        if (GetTickCount64() - start >= timeoutMs)
            return false;
        Sleep(kPollMs);
    }
}

HWND FindTopWindow(const std::string& caption, DWORD timeoutMs, bool mustBeVisible) {
    HWND found = nullptr;
    WaitFor(
        [&] {
            found = FindTop([&](HWND w) {
                return (!mustBeVisible || IsWindowVisible(w)) && CaptionIs(w, caption) &&
                       !IsMessageBox(w);
            });
            return found != nullptr;
        },
        timeoutMs);
    return found;
}

HWND Control(HWND dlg, int id) {
    return GetDlgItem(dlg, id);
}

std::string Text(HWND dlg, int id) {
    HWND control = RequiredControl(dlg, id);
    // The text may change between the two messages; a few rounds are enough for
    // anything short of a control rewritten without pause.
    for (int round = 0; round < 3; ++round) {
        const auto length = static_cast<size_t>(Send(control, WM_GETTEXTLENGTH, 0, 0));
        // One spare character: a copy that fills it shows the text grew in between.
        std::string text(length + 2, '\0');
        const auto copied = static_cast<size_t>(
            Send(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0])));
        if (copied <= length) {
            text.resize(copied);
            return text;
        }
    }
    throw std::runtime_error("text of control " + std::to_string(id) + " keeps growing");
}

bool Visible(HWND dlg, int id) {
    return IsWindowVisible(RequiredControl(dlg, id)) != FALSE;
}

bool Enabled(HWND dlg, int id) {
    return IsWindowEnabled(RequiredControl(dlg, id)) != FALSE;
}

bool WindowVisible(HWND window) {
    return IsWindowVisible(window) != FALSE;
}

bool Checked(HWND dlg, int id) {
    return Send(RequiredControl(dlg, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

ProgressState Progress(HWND dlg, int id) {
    HWND control = RequiredControl(dlg, id);
    // PBM_GETRANGE would write both bounds through a PBRANGE pointer, which means
    // nothing in the target's address space; with a null pointer its return
    // value carries the bound wParam asks for.
    ProgressState state;
    state.lower = static_cast<int>(Send(control, PBM_GETRANGE, TRUE, 0));
    state.upper = static_cast<int>(Send(control, PBM_GETRANGE, FALSE, 0));
    state.pos = static_cast<int>(Send(control, PBM_GETPOS, 0, 0));
    return state;
}

bool Click(HWND dlg, int id) {
    HWND button = RequiredControl(dlg, id);
    if (!IsWindowVisible(button))
        return false;
    // A posted click reaches a disabled button and makes it notify its dialog,
    // which no user could cause.
    HWND desktop = GetDesktopWindow();
    for (HWND w = button; w && w != desktop; w = GetAncestor(w, GA_PARENT)) {
        if (!IsWindowEnabled(w))
            return false;
    }
    return PostMessageA(button, BM_CLICK, 0, 0) != FALSE;
}

HWND FindMessageBox(const std::string& caption, DWORD timeoutMs) {
    HWND found = nullptr;
    WaitFor(
        [&] {
            found = FindTop([&](HWND w) {
                return IsWindowVisible(w) && CaptionIs(w, caption) && IsMessageBox(w);
            });
            return found != nullptr;
        },
        timeoutMs);
    return found;
}

std::string MessageBoxText(HWND box) {
    return Text(box, kMessageBoxTextId);
}

bool AnswerMessageBox(HWND box, int buttonId) {
    return Click(box, buttonId);
}

bool CloseWindow(HWND window) {
    return PostMessageA(window, WM_CLOSE, 0, 0) != FALSE;
}

DWORD WindowProcessId(HWND window) {
    DWORD processId = 0;
    return GetWindowThreadProcessId(window, &processId) ? processId : 0;
}

} // namespace uidriver
