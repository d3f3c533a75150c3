// The wizard dialog run modally inside this test program (which carries
// Setup.exe's resources), driven from a second thread, so the dialog's result
// code can be checked.
#include "wizard/BootStrapDlg.h"

#include "PayloadTestSupport.h"
#include "WinTestSupport.h"
#include "platform/Dialog.h"
#include "platform/File.h"
#include "platform/Handle.h"
#include "tests/ui/UiDriver.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <thread>

namespace {

constexpr DWORD kWait = 15000;

// Runs the dialog to its end while drive works it from another thread.
INT_PTR RunDialog(const std::function<void(HWND)>& drive) {
    std::thread driver([&] {
        HWND dlg = uidriver::FindTopWindow("Snapharbor Setup", kWait);
        if (dlg)
            drive(dlg);
        // Whatever the drive did, the dialog must end so the test ends; an abort
        // ends it in every step (and is ignored once the window is gone).
        if (dlg && !uidriver::WaitFor([&] { return !::IsWindow(dlg); }, 3000))
            ::PostMessageA(dlg, WM_SETUP_ABORT, 0, 0);
    });
    INT_PTR result;
    {
        CBootStrapDlg dialog;
        result = dialog.DoModal();
    }
    driver.join();
    return result;
}

bool Reached(const std::vector<wintest::LogEntry>& entries, const std::string& text) {
    for (const auto& e : entries)
        if (e.text == text)
            return true;
    return false;
}

class WizardDialog : public ::testing::Test {
  protected:
    void TearDown() override { wintest::RemoveFramework(); }
    std::vector<wintest::LogEntry> Entries() const { return wintest::ReadEntries(log_.Content()); }
    wintest::ScopedLogFile log_;
};

TEST_F(WizardDialog, CancelAndCloseEndWithIdCancelAndRemoveTheFolder) {
    for (bool close : {false, true}) {
        INT_PTR result = RunDialog([&](HWND dlg) {
            if (close)
                uidriver::CloseWindow(dlg);
            else
                uidriver::Click(dlg, IDCANCEL);
        });
        EXPECT_EQ(result, IDCANCEL);
    }
    auto entries = Entries();
    ASSERT_FALSE(entries.empty());
    EXPECT_EQ(entries.front().kind, "begin");
    EXPECT_EQ(entries.back().kind, "end");
    EXPECT_EQ(std::count_if(entries.begin(), entries.end(),
                            [](const wintest::LogEntry& e) {
                                return e.text == "Temp folder successfully deleted";
                            }),
              2);
}

TEST_F(WizardDialog, BoldTitleFontAndTheIconWhenMinimised) {
    LOGFONTA font = {};
    HICON dragIcon = nullptr, bigIcon = nullptr, smallIcon = nullptr;
    bool paintedMinimised = false;
    RunDialog([&](HWND dlg) {
        HFONT title =
            reinterpret_cast<HFONT>(::SendMessageA(::GetDlgItem(dlg, 1008), WM_GETFONT, 0, 0));
        ::GetObjectA(title, sizeof font, &font);
        dragIcon = reinterpret_cast<HICON>(::SendMessageA(dlg, WM_QUERYDRAGICON, 0, 0));
        bigIcon = reinterpret_cast<HICON>(::SendMessageA(dlg, WM_GETICON, ICON_BIG, 0));
        smallIcon = reinterpret_cast<HICON>(::SendMessageA(dlg, WM_GETICON, ICON_SMALL, 0));
        // Minimised, the dialog paints its icon itself and stays responsive.
        ::ShowWindow(dlg, SW_MINIMIZE);
        bool iconic = uidriver::WaitFor([&] { return ::IsIconic(dlg) != FALSE; }, kWait);
        ::RedrawWindow(dlg, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        paintedMinimised = iconic && uidriver::Text(dlg, 1003).size() > 0;
        ::ShowWindow(dlg, SW_RESTORE);
        uidriver::WaitFor([&] { return !::IsIconic(dlg) && uidriver::Visible(dlg, IDCANCEL); },
                          kWait);
        uidriver::Click(dlg, IDCANCEL);
    });
    EXPECT_EQ(font.lfHeight, -18);
    EXPECT_EQ(font.lfWeight, FW_BOLD);
    EXPECT_STREQ(font.lfFaceName, "Tahoma");
    EXPECT_FALSE(font.lfItalic);
    EXPECT_NE(dragIcon, nullptr);
    EXPECT_EQ(bigIcon, dragIcon);
    EXPECT_EQ(smallIcon, dragIcon);
    EXPECT_TRUE(paintedMinimised);
}

TEST_F(WizardDialog, CancelInTheLicenceAndErrorStepsEndsWithIdCancel) {
    for (bool toError : {false, true}) {
        INT_PTR result = RunDialog([&](HWND dlg) {
            uidriver::Click(dlg, IDOK);
            uidriver::WaitFor([&] { return uidriver::Visible(dlg, 1013); }, kWait);
            if (toError) {
                uidriver::Click(dlg, 1012);
                uidriver::WaitFor([&] { return uidriver::Enabled(dlg, IDOK); }, kWait);
                uidriver::Click(dlg, IDOK);
                uidriver::WaitFor(
                    [&] {
                        return uidriver::Text(dlg, 1003) ==
                               "An error occurred while installing Snapharbor Beta.";
                    },
                    kWait);
            }
            uidriver::Click(dlg, IDCANCEL);
        });
        EXPECT_EQ(result, IDCANCEL) << (toError ? "error step" : "licence step");
    }
    auto entries = Entries();
    EXPECT_TRUE(Reached(entries, "Updating controls for step 7"));
    EXPECT_FALSE(Reached(entries, "Seeking next step for step 7"));
}

TEST_F(WizardDialog, EnterWithNextDisabledDoesNotMoveTheWizard) {
    INT_PTR result = RunDialog([&](HWND dlg) {
        uidriver::Click(dlg, IDOK);
        uidriver::WaitFor([&] { return uidriver::Visible(dlg, 1013); }, kWait);
        // Enter reaches the dialog as the default button's command even while
        // the button is disabled.
        ::SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        uidriver::Click(dlg, IDCANCEL);
    });
    EXPECT_EQ(result, IDCANCEL);
    auto entries = Entries();
    EXPECT_TRUE(Reached(entries, "New step reached : 2"));
    EXPECT_FALSE(Reached(entries, "Seeking next step for step 2"));
}

TEST_F(WizardDialog, WithoutAProductSetupWorkerTheRunEndsAsCancelled) {
    ASSERT_TRUE(wintest::InstallFramework());

    INT_PTR result = RunDialog([](HWND dlg) { uidriver::Click(dlg, IDOK); });
    EXPECT_EQ(result, IDCANCEL);
    auto entries = Entries();
    EXPECT_TRUE(Reached(entries, "New step reached : 6"));
    EXPECT_TRUE(Reached(entries, "The product setup launch is not part of this build"));
}

// A dialog whose handlers raise on request, to see how the dialog layer
// contains exceptions.
class RaisingDialog : public platform::Dialog {
  public:
    static constexpr UINT kRaiseUser = WM_APP + 7, kRaiseFile = WM_APP + 8;
    RaisingDialog() : platform::Dialog(102, nullptr) {}

  protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM, INT_PTR*) override {
        if (message == kRaiseUser)
            throw platform::UserException();
        if (message == kRaiseFile)
            throw platform::FileException(ERROR_DISK_FULL, "C:\\full.tmp");
        if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
            EndDialog(IDCANCEL);
            return true;
        }
        return false;
    }
};

TEST(DialogLayer, UserExceptionsAreDroppedAndOthersReported) {
    bool aliveAfterUser = false, boxAfterUser = true;
    std::string reported;
    std::thread driver([&] {
        HWND dlg = uidriver::FindTopWindow("Snapharbor Setup", kWait);
        if (!dlg)
            return;
        // Whatever happens below, the dialog is ended in the end.
        struct Ender {
            HWND dlg;
            ~Ender() { ::PostMessageA(dlg, WM_COMMAND, IDCANCEL, 0); }
        } ender{dlg};
        ::SendMessageA(dlg, RaisingDialog::kRaiseUser, 0, 0);
        aliveAfterUser = ::IsWindow(dlg) != FALSE;
        boxAfterUser = uidriver::FindMessageBox("Error", 500) != nullptr;
        ::PostMessageA(dlg, RaisingDialog::kRaiseFile, 0, 0);
        if (HWND box = uidriver::FindMessageBox("Error", kWait)) {
            reported = uidriver::MessageBoxText(box);
            uidriver::AnswerMessageBox(box, IDOK);
        }
    });
    RaisingDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    driver.join();
    EXPECT_TRUE(aliveAfterUser);
    EXPECT_FALSE(boxAfterUser);
    EXPECT_NE(reported.find("C:\\full.tmp"), std::string::npos) << reported;
}

} // namespace
