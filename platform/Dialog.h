#pragma once
// A small modal-dialog layer over Win32: a dialog from a resource template, its
// controls attached by id, and member strings pushed one way into controls.

#include "platform/Exception.h"
#include "platform/Handle.h"

#include <string>

namespace platform {

// A control of a dialog, attached by id once the window exists. Every operation
// on a control that is not attached does nothing and returns 0.
class Control {
  public:
    void Attach(HWND dialog, int id);
    HWND Handle() const { return hwnd_; }
    void Show(bool show) const;
    void Enable(bool enable) const;
    bool IsEnabled() const;
    void SetText(const std::string& text) const;
    void SetCheck(bool checked) const;
    void SetFont(HFONT font, bool redraw) const;
    LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam) const;

  private:
    HWND hwnd_ = nullptr;
};

// Dialog data exchange: controls are attached on the first pass and strings are
// pushed into their controls on every pass. Nothing is ever read back.
class DataExchange {
  public:
    DataExchange(HWND dialog, bool attach) : dialog_(dialog), attach_(attach) {}
    void Bind(int id, Control& control);
    void Text(int id, const std::string& text);

  private:
    HWND dialog_;
    bool attach_;
};

// Shows the exception's text (or a generic one when it has none) in a warning
// message box owned by owner; caption null gives the system's "Error".
void ReportException(HWND owner, const Exception& exception, const char* caption);

class Dialog {
  public:
    Dialog(int templateId, HWND parent) : templateId_(templateId), parent_(parent) {}
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;
    virtual ~Dialog() = default;

    // Runs the modal loop; returns the code passed to EndDialog, or -1 when the
    // window could not be created.
    INT_PTR DoModal();
    HWND Handle() const { return hwnd_; }

  protected:
    virtual void DoDataExchange(DataExchange& exchange);
    // Attaches the controls and pushes the strings; returns true to let the
    // system set the initial focus.
    virtual bool OnInitDialog();
    // Handles one message. Returning false passes it to the default handling.
    // *result is what the dialog procedure returns for handled messages.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR* result);
    // Pushes the bound strings into their controls.
    void UpdateData();
    void EndDialog(INT_PTR result);

  private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

    int templateId_;
    HWND parent_;
    HWND hwnd_ = nullptr;
};

} // namespace platform
