#pragma once
// The wizard's steps and what each one shows and does when it is left.
// Platform-free: the dialog applies these tables to its window.

enum WizardStep : int {
    StepWelcome = 0,
    StepFrameworkRequired = 1,
    StepLicence = 2,
    StepDownload = 3,
    StepFrameworkInstall = 4,
    StepPreparing = 5,
    StepInstalling = 6,
    StepError = 7,
};

namespace wizard {

// What a step shows; UpdateControls applies it.
struct StepView {
    const char* mainText;
    const char* detailText;
    bool progressVisible;
    bool licenceVisible;
    bool showWindow; // the dialog itself is shown first (a worker may have hidden it)
};

// The view of a step; an out-of-range step shows the welcome view.
const StepView& ViewOf(WizardStep step);

// What leaving a step starts.
enum class StepAction {
    StartTimer,        // ask for the Framework, then start the one-second timer
    LoadLicence,       // load the licence into the viewer and check decline
    StartDownload,     // the Framework download worker
    StartInstall,      // the Framework unpack-and-install worker
    StartProductSetup, // the product's setup wizard worker
    EndWithOk,         // end the modal loop with IDOK
    None,              // StepError: the step machine is not driven from here
};

struct StepExit {
    StepAction action;
    WizardStep next;
    bool nextEnabled;
    bool cancelEnabled;
};

// The exit from step. frameworkMissing is only looked at for StepWelcome.
StepExit ExitOf(WizardStep step, bool frameworkMissing);

// Whether a click of Cancel ends the dialog at once in this step; in the worker
// steps it only raises the workers' cancel flags.
bool CancelEndsAtOnce(WizardStep step);

// Whether a download status counts as success (200..299).
bool IsDownloadSuccess(unsigned long status);

} // namespace wizard
