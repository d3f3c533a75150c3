// A modal dialog for DriverSelfTest. Every driver query has a control whose
// state a click changes in a way the test can predict:
//   Next   -> 1003 "clicked N", 1015 visibility toggles, progress 0..200 at
//             min(50 * N, 200), and Next disabled while "Option B" is checked.
//   radios -> 1016 "notified <id>", proving the dialog got BN_CLICKED.
//   Hang   -> disables itself, stops answering messages for 7 s, re-enables.
//   Cancel (or WM_CLOSE) -> "Really quit?" box; OK ends the dialog.
// The process exit code is the dialog's result (IDCANCEL after a confirmed quit).
#include <windows.h>
#include <commctrl.h>

#include "TestDialogShared.h"

#include <algorithm>
#include <string>

namespace {

using namespace testdialog;

constexpr int kDialog = 100;
// Longer than the driver's 5 s reply timeout, so that a driver waiting for the
// reply without limit is caught.
constexpr DWORD kHangMs = 7000;

int nextClicks = 0;

void OnNext(HWND dlg) {
    ++nextClicks;
    SetDlgItemTextA(dlg, kStatus, ("clicked " + std::to_string(nextClicks)).c_str());
    HWND toggled = GetDlgItem(dlg, kToggled);
    ShowWindow(toggled, IsWindowVisible(toggled) ? SW_HIDE : SW_SHOW);
    SendDlgItemMessageA(dlg, kProgress, PBM_SETRANGE32, 0, 200);
    SendDlgItemMessageA(dlg, kProgress, PBM_SETPOS, std::min(50 * nextClicks, 200), 0);
    EnableWindow(GetDlgItem(dlg, IDOK), IsDlgButtonChecked(dlg, kOptionB) != BST_CHECKED);
}

INT_PTR CALLBACK DialogProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM) {
    switch (msg) {
    case WM_INITDIALOG:
        // Non-default range and position, so that a driver mixing up the bounds
        // or ignoring the position reads wrong values.
        SendDlgItemMessageA(dlg, kProgress, PBM_SETRANGE32, 5, 100);
        SendDlgItemMessageA(dlg, kProgress, PBM_SETPOS, 20, 0);
        CheckRadioButton(dlg, kOptionA, kOptionB, kOptionA);
        SetDlgItemTextA(dlg, kLongText, LongText().c_str());
        return TRUE;
    case WM_COMMAND:
        if (HIWORD(wParam) != BN_CLICKED)
            return FALSE;
        switch (LOWORD(wParam)) {
        case IDOK:
            OnNext(dlg);
            return TRUE;
        case IDCANCEL:
            if (MessageBoxA(dlg, "Really quit?", "Driver Test Dialog",
                            MB_OKCANCEL | MB_ICONEXCLAMATION) == IDOK)
                EndDialog(dlg, IDCANCEL);
            return TRUE;
        case kHang:
            // Disabled while hung: the window manager answers IsWindowEnabled
            // without a message, so the test can see when the hang has begun.
            EnableWindow(GetDlgItem(dlg, kHang), FALSE);
            Sleep(kHangMs);
            EnableWindow(GetDlgItem(dlg, kHang), TRUE);
            return TRUE;
        case kOptionA:
        case kOptionB:
            SetDlgItemTextA(dlg, kNotified, ("notified " + std::to_string(LOWORD(wParam))).c_str());
            return TRUE;
        }
        return FALSE;
    }
    return FALSE;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    InitCommonControls();
    const INT_PTR result =
        DialogBoxParamA(instance, MAKEINTRESOURCEA(kDialog), nullptr, DialogProc, 0);
    return result < 0 ? 255 : static_cast<int>(result);
}
