#pragma once
// Drives the windows of another process the way a user would, for the UI tests
// and the scripted demo. Strings are in the ANSI code page.
//
// Every function taking (dlg, id) except Control throws std::runtime_error when
// dlg has no child with that id or when the target does not reply within
// kReplyTimeoutMs: a wrong id or a hung target fails the test instead of
// yielding a plausible default.
//
// Call these qualified (uidriver::CloseWindow): HWND brings the Win32 functions
// of the same name in through argument-dependent lookup.

#include <windows.h>

#include <functional>
#include <string>

namespace uidriver {

constexpr DWORD kReplyTimeoutMs = 5000;

// Evaluates cond about every 20 ms until it returns true (-> true) or timeoutMs
// has passed (-> false). cond runs at least once, also when timeoutMs is 0.
// Exceptions from cond propagate.
bool WaitFor(const std::function<bool()>& cond, DWORD timeoutMs);

// Waits for a top-level window whose caption is exactly caption; nullptr on
// timeout. Message boxes are skipped, so a box that shares its owner's caption
// never shadows the owner; find those with FindMessageBox.
HWND FindTopWindow(const std::string& caption, DWORD timeoutMs, bool mustBeVisible = true);

// The child control with that id, or nullptr.
HWND Control(HWND dlg, int id);

// The control's whole text, however long.
std::string Text(HWND dlg, int id);

// Visible means shown on screen: the control and all its ancestors are visible.
bool Visible(HWND dlg, int id);
// The control's own enabled state (a disabled ancestor does not change it).
bool Enabled(HWND dlg, int id);
bool WindowVisible(HWND window);
// True only for BST_CHECKED (not for unchecked or indeterminate).
bool Checked(HWND dlg, int id);

struct ProgressState {
    int lower;
    int upper;
    int pos;
};
ProgressState Progress(HWND dlg, int id);

// Clicks a button as a user would: the button's own handler runs, so an auto
// radio button or check box changes state and the dialog gets BN_CLICKED.
// Returns false without clicking when no user could click it: the control is not
// visible, or it or an ancestor is disabled (a modal box disables its owner).
// Does not wait for the click to be handled: the click is posted so that a
// handler showing a modal box cannot block the caller, and nothing tells another
// process when a posted message has been handled. Wait for its effect instead.
bool Click(HWND dlg, int id);

// Waits for a visible message box (dialog class "#32770" holding the static text
// control 0xFFFF) whose caption is exactly caption; nullptr on timeout.
HWND FindMessageBox(const std::string& caption, DWORD timeoutMs);
std::string MessageBoxText(HWND box);
// Clicks the box's button buttonId (IDOK, IDCANCEL, ...) like Click; does not
// wait for the box to close.
bool AnswerMessageBox(HWND box, int buttonId);

// Posts WM_CLOSE, as the caption's close button does; false if it could not be
// posted.
bool CloseWindow(HWND window);
// 0 when window is not a window.
DWORD WindowProcessId(HWND window);

} // namespace uidriver
