#include "app/BootStrapApp.h"

#include "PayloadTestSupport.h"
#include "WinTestSupport.h"
#include "tests/ui/UiDriver.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <thread>
#include <vector>

namespace {

std::vector<std::string> TempListing() {
    return wintest::FilesIn(wintest::TempDirectory(), true);
}

TEST(Startup, ApplicationNameIsTheExecutableBaseName) {
    EXPECT_EQ(ApplicationName(), "startup_tests");
}

TEST(Startup, AnAccountThatMayWriteHklmSoftwareIsAdministrator) {
    // Wine grants every account write access; the refusal needs the seam below.
    EXPECT_TRUE(IsAdministrator());
}

TEST(Startup, NonAdministratorIsRefusedWithoutTouchingAnything) {
    wintest::ScopedLogFile log;
    auto before = TempListing();

    std::string text;
    std::thread answerer([&] {
        HWND box = uidriver::FindMessageBox("startup_tests", 15000);
        if (box) {
            text = uidriver::MessageBoxText(box);
            uidriver::AnswerMessageBox(box, IDOK);
        }
    });
    CBootStrapApp app([] { return false; });
    EXPECT_FALSE(app.InitInstance());
    answerer.join();

    EXPECT_EQ(text, "You must be logged on as an administrator to install Snapharbor.");
    EXPECT_EQ(log.Content(), "");
    EXPECT_EQ(TempListing(), before);
    EXPECT_FALSE(uidriver::FindTopWindow("Snapharbor Setup", 0, false));
}

} // namespace
