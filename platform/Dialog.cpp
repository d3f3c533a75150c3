#include "platform/Dialog.h"

#include <commctrl.h>

namespace platform {

void ReportException(HWND owner, const Exception& exception, const char* caption) {
    char text[1024];
    if (!exception.GetErrorMessage(text, sizeof text))
        CopyErrorText("An unexpected error occurred.", text, sizeof text);
    ::MessageBoxA(owner, text, caption, MB_OK | MB_ICONEXCLAMATION);
}

void Control::Attach(HWND dialog, int id) {
    hwnd_ = ::GetDlgItem(dialog, id);
}

void Control::Show(bool show) const {
    if (hwnd_)
        ::ShowWindow(hwnd_, show ? SW_SHOW : SW_HIDE);
}

void Control::Enable(bool enable) const {
    if (hwnd_)
        ::EnableWindow(hwnd_, enable ? TRUE : FALSE);
}

bool Control::IsEnabled() const {
    return hwnd_ && ::IsWindowEnabled(hwnd_);
}

void Control::SetText(const std::string& text) const {
    if (hwnd_)
        ::SetWindowTextA(hwnd_, text.c_str());
}

void Control::SetCheck(bool checked) const {
    Send(BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void Control::SetFont(HFONT font, bool redraw) const {
    Send(WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw ? TRUE : FALSE);
}

LRESULT Control::Send(UINT message, WPARAM wParam, LPARAM lParam) const {
    return hwnd_ ? ::SendMessageA(hwnd_, message, wParam, lParam) : 0;
}

void DataExchange::Bind(int id, Control& control) {
    if (attach_)
        control.Attach(dialog_, id);
}

void DataExchange::Text(int id, const std::string& text) {
    ::SetDlgItemTextA(dialog_, id, text.c_str());
}

INT_PTR Dialog::DoModal() {
    return ::DialogBoxParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId_), parent_,
                             DialogProc, reinterpret_cast<LPARAM>(this));
}

void Dialog::DoDataExchange(DataExchange&) {}

bool Dialog::OnInitDialog() {
    DataExchange exchange(hwnd_, true);
    DoDataExchange(exchange);
    return true;
}

bool Dialog::OnMessage(UINT, WPARAM, LPARAM, INT_PTR*) {
    return false;
}

void Dialog::UpdateData() {
    DataExchange exchange(hwnd_, false);
    DoDataExchange(exchange);
}

void Dialog::EndDialog(INT_PTR result) {
    ::EndDialog(hwnd_, result);
}

INT_PTR CALLBACK Dialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Dialog* self;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<Dialog*>(lParam);
        self->hwnd_ = hwnd;
        ::SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
    } else {
        self = reinterpret_cast<Dialog*>(::GetWindowLongPtrA(hwnd, DWLP_USER));
    }
    if (self == nullptr)
        return FALSE;
    return self->Dispatch(message, wParam, lParam);
}

INT_PTR Dialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    // C++ exceptions must not unwind through the system's frames. A user
    // exception means "already reported": the event is dropped silently.
    try {
        if (message == WM_INITDIALOG)
            return OnInitDialog() ? TRUE : FALSE;
        INT_PTR result = TRUE;
        return OnMessage(message, wParam, lParam, &result) ? result : FALSE;
    } catch (const UserException&) {
        return TRUE;
    } catch (const Exception& e) {
        ReportException(hwnd_, e, nullptr);
        return TRUE;
    }
}

} // namespace platform
