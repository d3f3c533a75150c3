// Stand-in for the product's own setup wizard: the installer extracts it with
// the other product files and runs it last. It shows one dialog with a Finish
// button and ends with exit code 0 when Finish is chosen, 1 when the dialog is
// closed with the close box or Escape, and 2 if the dialog cannot be shown.
//
// The dialog template is built in memory so that the program compiles from
// this one file, with no resource compiler step.

#include <windows.h>

#include <cstddef>

namespace {

// Builds a DLGTEMPLATE and its items into a fixed buffer. Any write that
// does not fit marks the template as failed instead of cutting it short.
class DialogTemplate {
  public:
    // Header of a dialog with the given style, item count, position and
    // size (in dialog units), caption, and font.
    void Begin(DWORD style, WORD items, short x, short y, short cx, short cy,
               const wchar_t* caption, WORD pointSize, const wchar_t* face) {
        Dword(style | DS_SETFONT);
        Dword(0); // extended style
        Word(items);
        Rect(x, y, cx, cy);
        Word(0); // no menu
        Word(0); // the predefined dialog class
        String(caption);
        Word(pointSize);
        String(face);
    }

    // One control of a predefined class given by its atom (0x80 button,
    // 0x82 static).
    void Item(WORD classAtom, DWORD style, short x, short y, short cx, short cy, WORD id,
              const wchar_t* text) {
        // Each item starts on a DWORD boundary.
        if (used % 2 != 0)
            Word(0);
        Dword(style | WS_CHILD | WS_VISIBLE);
        Dword(0); // extended style
        Rect(x, y, cx, cy);
        Word(id);
        Word(0xFFFF);
        Word(classAtom);
        String(text);
        Word(0); // no creation data
    }

    // The finished template, or null if it did not fit.
    const DLGTEMPLATE* Get() const {
        return ok ? reinterpret_cast<const DLGTEMPLATE*>(words) : nullptr;
    }

  private:
    void Word(WORD w) {
        if (used == kCapacity) {
            ok = false;
            return;
        }
        words[used++] = w;
    }
    void Dword(DWORD d) {
        Word(LOWORD(d));
        Word(HIWORD(d));
    }
    void Rect(short x, short y, short cx, short cy) {
        Word(static_cast<WORD>(x));
        Word(static_cast<WORD>(y));
        Word(static_cast<WORD>(cx));
        Word(static_cast<WORD>(cy));
    }
    void String(const wchar_t* s) {
        do
            Word(static_cast<WORD>(*s));
        while (*s++ != L'\0');
    }

    static constexpr std::size_t kCapacity = 512;
    alignas(DWORD) WORD words[kCapacity] = {};
    std::size_t used = 0;
    bool ok = true;
};

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        return TRUE; // focus goes to the default button
    case WM_COMMAND:
        // The close box and Escape both arrive as IDCANCEL.
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, LOWORD(wParam));
            return TRUE;
        }
        break;
    }
    return FALSE;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    DialogTemplate dialog;
    dialog.Begin(DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU, 2, 0, 0, 220, 76,
                 L"Snapharbor Setup Wizard", 8, L"MS Shell Dlg");
    dialog.Item(0x82, SS_LEFT, 14, 16, 192, 24, 0xFFFF,
                L"Snapharbor has been set up on this computer.");
    dialog.Item(0x80, BS_DEFPUSHBUTTON | WS_TABSTOP, 156, 52, 50, 14, IDOK, L"Finish");
    if (dialog.Get() == nullptr)
        return 2;

    INT_PTR result = DialogBoxIndirectParamW(instance, dialog.Get(), nullptr, DialogProc, 0);
    if (result == IDOK)
        return 0;
    if (result == IDCANCEL)
        return 1;
    return 2;
}
