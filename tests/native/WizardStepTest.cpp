#include "wizard/WizardStep.h"

#include "payload/FolderNaming.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace wizard;

namespace {

// Walks the machine from the welcome step the way the dialog drives it.
std::vector<WizardStep> Walk(bool frameworkMissing) {
    std::vector<WizardStep> steps{StepWelcome};
    for (WizardStep s = StepWelcome;;) {
        StepExit e = ExitOf(s, frameworkMissing);
        if (e.action == StepAction::EndWithOk)
            break;
        s = e.next;
        steps.push_back(s);
    }
    return steps;
}

TEST(WizardSteps, BothBranchesEndInInstalling) {
    EXPECT_EQ(Walk(false), (std::vector<WizardStep>{StepWelcome, StepPreparing, StepInstalling}));
    EXPECT_EQ(Walk(true),
              (std::vector<WizardStep>{StepWelcome, StepFrameworkRequired, StepLicence,
                                       StepDownload, StepFrameworkInstall, StepInstalling}));
}

TEST(WizardSteps, ButtonStatesAfterEachExit) {
    for (int s = StepWelcome; s <= StepInstalling; ++s) {
        StepExit e = ExitOf(static_cast<WizardStep>(s), true);
        bool intoInstalling = e.next == StepInstalling;
        EXPECT_EQ(e.nextEnabled, intoInstalling) << s;
        // Only the final exit, which ends the dialog, disables Cancel.
        EXPECT_EQ(e.cancelEnabled, e.action != StepAction::EndWithOk) << s;
    }
}

TEST(WizardSteps, OnlyErrorShowsTheWindowAndOnlyDownloadTheBar) {
    for (int s = StepWelcome; s <= StepError; ++s) {
        const StepView& v = ViewOf(static_cast<WizardStep>(s));
        EXPECT_EQ(v.showWindow, s == StepError);
        EXPECT_EQ(v.progressVisible, s == StepDownload);
        EXPECT_EQ(v.licenceVisible, s == StepLicence);
    }
    EXPECT_STREQ(ViewOf(static_cast<WizardStep>(99)).mainText, ViewOf(StepWelcome).mainText);
}

TEST(WizardSteps, CancelAndDownloadStatus) {
    std::vector<int> atOnce;
    for (int s = StepWelcome; s <= StepError; ++s)
        if (CancelEndsAtOnce(static_cast<WizardStep>(s)))
            atOnce.push_back(s);
    EXPECT_EQ(atOnce,
              (std::vector<int>{StepWelcome, StepFrameworkRequired, StepLicence, StepError}));
    for (unsigned long st : {200ul, 204ul, 299ul})
        EXPECT_TRUE(IsDownloadSuccess(st)) << st;
    for (unsigned long st : {0ul, 199ul, 300ul, 404ul, 0xFFFFFFFFul})
        EXPECT_FALSE(IsDownloadSuccess(st)) << st;
}

TEST(FolderNaming, ZeroIsNeverDrawn) {
    std::vector<int> draws{0, 0, 0x8000, 5};
    size_t next = 0;
    // 0x8000 masks to 0 as well: only 5 is usable.
    EXPECT_EQ(payload::DrawFolderNumber([&] { return draws[next++]; }), 5u);
    EXPECT_EQ(next, 4u);
    EXPECT_EQ(payload::DrawFolderNumber([] { return 32767; }), 32767u);
}

} // namespace
