#include "wizard/WizardStep.h"

namespace wizard {

namespace {

const StepView kViews[] = {
    {"Welcome in the Snapharbor installer. Click next to continue.", "", false, false, false},
    {"The Microsoft .Net Framework is required.", "", false, false, false},
    {"", "", false, true, false},
    {"Downloading Microsoft .Net Framework 1.1.", "Please wait...", true, false, false},
    {"Unpacking Microsoft .Net Framework 1.1.", "This operation can take one minute or two.", false,
     false, false},
    {"Preparing Snapharbor setup. Please wait...", "", false, false, false},
    {"Installing Snapharbor...", "", false, false, false},
    {"An error occurred while installing Snapharbor Beta.", "", false, false, true},
};

} // namespace

const StepView& ViewOf(WizardStep step) {
    if (step < StepWelcome || step > StepError)
        return kViews[StepWelcome];
    return kViews[step];
}

StepExit ExitOf(WizardStep step, bool frameworkMissing) {
    switch (step) {
    case StepWelcome:
        return {StepAction::StartTimer, frameworkMissing ? StepFrameworkRequired : StepPreparing,
                false, true};
    case StepFrameworkRequired:
        return {StepAction::LoadLicence, StepLicence, false, true};
    case StepLicence:
        return {StepAction::StartDownload, StepDownload, false, true};
    case StepDownload:
        return {StepAction::StartInstall, StepFrameworkInstall, false, true};
    case StepFrameworkInstall:
    case StepPreparing:
        return {StepAction::StartProductSetup, StepInstalling, true, true};
    case StepInstalling:
        return {StepAction::EndWithOk, StepInstalling, true, false};
    default:
        return {StepAction::None, step, false, true};
    }
}

bool CancelEndsAtOnce(WizardStep step) {
    return step == StepWelcome || step == StepFrameworkRequired || step == StepLicence ||
           step == StepError;
}

bool IsDownloadSuccess(unsigned long status) {
    return status >= 200 && status <= 299;
}

} // namespace wizard
