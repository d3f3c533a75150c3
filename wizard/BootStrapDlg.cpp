#include "wizard/BootStrapDlg.h"

#include "framework/FrameworkDetection.h"
#include "log/SessionLog.h"
#include "payload/ResourceManager.h"
#include "payload/WorkingFolder.h"
#include "res/resource.h"

#include <commctrl.h>

#ifndef SETUP_DOWNLOAD_HOST
#define SETUP_DOWNLOAD_HOST "download.snapharbor.example"
#endif

namespace {

const char kSection[] = "BootStrap";

// Posted by a launcher whose worker is not part of this build, so that the
// report runs after the step change, as a worker's would.
constexpr UINT kMissingWorkerMessage = WM_APP + 1;

} // namespace

CBootStrapDlg::CBootStrapDlg(HWND parent) : platform::Dialog(IDD_BOOTSTRAP, parent) {
    log = new SessionLog("Snapharbor", 0, "BootStrap");
    log->Begin();
    icon = ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_SETUP));
    tempFolder = CreateWorkingFolder("snapharbor", log);
    resources = new ResourceManager(log);
    resources->ExtractAllResources(tempFolder);
    // The task records start in their reset state (see their initialisers).
}

CBootStrapDlg::~CBootStrapDlg() {
    if (!tempFolder.empty())
        DeleteWorkingFolder(tempFolder, log);
    log->End();
}

void CBootStrapDlg::DoDataExchange(platform::DataExchange& dx) {
    dx.Bind(IDC_PROGRESS, progressBar);
    dx.Text(IDC_MAIN_TEXT, mainText);
    dx.Text(IDC_DETAIL_TEXT, detailText);
    dx.Text(IDC_NOTE_TEXT, noteText);
    dx.Bind(IDC_TITLE, titleLabel);
    dx.Bind(IDOK, nextButton);
    dx.Bind(IDCANCEL, cancelButton);
    dx.Bind(IDC_LICENCE, licenceEdit);
    dx.Bind(IDC_ACCEPT, acceptRadio);
    dx.Bind(IDC_DECLINE, declineRadio);
    dx.Bind(IDC_LICENCE_PROMPT, licencePrompt);
}

bool CBootStrapDlg::OnInitDialog() {
    platform::Dialog::OnInitDialog();
    ::SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    ::SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    progressBar.Send(PBM_SETRANGE32, 0, 100);
    progressBar.Send(PBM_SETPOS, 0, 0);
    titleFont.Reset(
        ::CreateFontA(-18, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, 0, 0, 0, 0, 0, "Tahoma"));
    titleLabel.SetFont(static_cast<HFONT>(titleFont.Get()), true);
    UpdateControls();
    return true;
}

void CBootStrapDlg::UpdateControls() {
    log->Info(kSection, "Updating controls for step " + std::to_string(step));
    const wizard::StepView& view = wizard::ViewOf(step);
    if (view.showWindow)
        ::ShowWindow(Handle(), SW_SHOW);
    mainText = view.mainText;
    detailText = view.detailText;
    noteText = "";
    progressBar.Show(view.progressVisible);
    licencePrompt.Show(view.licenceVisible);
    licenceEdit.Show(view.licenceVisible);
    acceptRadio.Show(view.licenceVisible);
    declineRadio.Show(view.licenceVisible);
    UpdateData();
    log->Info(kSection, "Controls updated");
}

void CBootStrapDlg::NextStep() {
    log->Info(kSection, "Seeking next step for step " + std::to_string(step));
    // Asked before anything changes: when the Windows folder is unknown the
    // check raises and the dialog stays where it is.
    bool frameworkMissing = step == StepWelcome && IsFrameworkMissing();
    wizard::StepExit exit = wizard::ExitOf(step, frameworkMissing);
    // The step is set before its action, so a worker starts in its own step.
    step = exit.next;
    switch (exit.action) {
    case wizard::StepAction::StartTimer:
        ::SetTimer(Handle(), StepTimerId, 1000, nullptr);
        break;
    case wizard::StepAction::LoadLicence: {
        ResourceManager licence(log);
        licenceEdit.SetText(licence.GetLicenseAgreement());
        declineRadio.SetCheck(true);
        break;
    }
    case wizard::StepAction::StartDownload:
        StartFrameworkDownload();
        break;
    case wizard::StepAction::StartInstall:
        StartFrameworkInstall();
        break;
    case wizard::StepAction::StartProductSetup:
        StartProductSetup();
        break;
    case wizard::StepAction::EndWithOk:
        EndDialog(IDOK);
        break;
    case wizard::StepAction::None:
        break;
    }
    cancelButton.Enable(exit.cancelEnabled);
    nextButton.Enable(exit.nextEnabled);
    UpdateControls();
    log->Info(kSection, "New step reached : " + std::to_string(step));
}

bool CBootStrapDlg::OnMessage(UINT message, WPARAM wParam, LPARAM, INT_PTR* result) {
    switch (message) {
    case WM_PAINT:
        if (!::IsIconic(Handle()))
            return false;
        OnPaint();
        return true;
    case WM_QUERYDRAGICON:
        *result = reinterpret_cast<INT_PTR>(icon);
        return true;
    case WM_COMMAND:
        if (HIWORD(wParam) != BN_CLICKED)
            return false;
        switch (LOWORD(wParam)) {
        case IDOK:
            // Enter arrives as a click of the default button even while it is
            // disabled; only a usable Next moves the wizard.
            if (nextButton.IsEnabled())
                OnNextClicked();
            return true;
        case IDCANCEL:
            OnCancelClicked();
            return true;
        case IDC_ACCEPT:
            OnAcceptClicked();
            return true;
        case IDC_DECLINE:
            OnDeclineClicked();
            return true;
        }
        return false;
    case WM_TIMER:
        OnTimer(wParam);
        return false;
    case WM_SETUP_TASK_DONE:
        OnTaskDone();
        return false;
    case WM_SETUP_DOWNLOAD_DONE:
        OnDownloadDone(static_cast<unsigned long>(wParam));
        return false;
    case WM_SETUP_ABORT:
        EndDialog(IDCANCEL);
        return false;
    case WM_SETUP_HIDE:
        ::ShowWindow(Handle(), SW_HIDE);
        return false;
    case WM_SETUP_UPDATE_DATA:
        UpdateData();
        return false;
    case kMissingWorkerMessage:
        OnMissingWorker(static_cast<MissingWorker>(wParam));
        return true;
    }
    return false;
}

void CBootStrapDlg::OnPaint() {
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(Handle(), &paint);
    ::SendMessageA(Handle(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT client;
    ::GetClientRect(Handle(), &client);
    int x = (client.right - client.left - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
    int y = (client.bottom - client.top - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
    ::DrawIcon(dc, x, y, icon);
    ::EndPaint(Handle(), &paint);
}

void CBootStrapDlg::OnTimer(UINT_PTR timerId) {
    if (timerId != StepTimerId)
        return;
    ::KillTimer(Handle(), StepTimerId);
    NextStep();
}

void CBootStrapDlg::OnNextClicked() {
    NextStep();
}

void CBootStrapDlg::OnCancelClicked() {
    processTask.cancelRequested = true;
    downloadTask.cancelRequested = true;
    if (wizard::CancelEndsAtOnce(step))
        EndDialog(IDCANCEL);
}

void CBootStrapDlg::OnAcceptClicked() {
    nextButton.Enable(true);
}

void CBootStrapDlg::OnDeclineClicked() {
    nextButton.Enable(false);
}

void CBootStrapDlg::OnTaskDone() {
    processTask.programPath = "";
    processTask.cancelRequested = false;
    processTask.commandLine = "";
    processTask.exitCode = 0;
    processTask.owner = nullptr;
    processTask.hwndNotify = nullptr;
    NextStep();
}

void CBootStrapDlg::OnDownloadDone(unsigned long status) {
    if (wizard::IsDownloadSuccess(status)) {
        NextStep();
    } else {
        step = StepError;
        cancelButton.Enable(true);
        UpdateControls();
    }
    downloadTask.cancelRequested = false;
    downloadTask.hwndNotify = nullptr;
    downloadTask.localFile = "";
    downloadTask.port = 0;
    downloadTask.host = "";
    downloadTask.owner = nullptr;
}

void CBootStrapDlg::StartFrameworkDownload() {
    downloadTask.hwndNotify = Handle();
    downloadTask.host = SETUP_DOWNLOAD_HOST;
    downloadTask.port = 80;
    downloadTask.remotePath = "/downloads/framework.net.1.1.exe";
    downloadTask.localFile = tempFolder + "dotnetfx.exe";
    downloadTask.owner = this;
    ReportMissingWorker(MissingWorker::Download);
}

void CBootStrapDlg::StartFrameworkInstall() {
    processTask.hwndNotify = Handle();
    processTask.programPath = tempFolder + "dotnetfx.exe";
    processTask.owner = this;
    processTask.workingFolder = tempFolder + "\\dotnetfx\\";
    processTask.commandLine =
        " /q:a /c:\"msiexec /q /a netfx.msi TARGETDIR=\"\"" + processTask.workingFolder + "\"\"\"";
    ReportMissingWorker(MissingWorker::Install);
}

void CBootStrapDlg::StartProductSetup() {
    processTask.hwndNotify = Handle();
    processTask.programPath = tempFolder + resources->GetSetupProgramName();
    processTask.workingFolder = tempFolder;
    processTask.owner = this;
    processTask.commandLine = "";
    ReportMissingWorker(MissingWorker::ProductSetup);
}

void CBootStrapDlg::ReportMissingWorker(MissingWorker worker) {
    ::PostMessageA(Handle(), kMissingWorkerMessage, static_cast<WPARAM>(worker), 0);
}

void CBootStrapDlg::OnMissingWorker(MissingWorker worker) {
    switch (worker) {
    case MissingWorker::Download:
        // Reported as a download that got no status: the wizard shows its
        // error step instead of waiting for a worker that never comes.
        log->Info(kSection, "The Framework download is not part of this build");
        ::SendMessageA(Handle(), WM_SETUP_DOWNLOAD_DONE, 0,
                       reinterpret_cast<LPARAM>(&downloadTask));
        break;
    case MissingWorker::Install:
        log->Info(kSection, "The Framework install is not part of this build");
        ::SendMessageA(Handle(), WM_SETUP_ABORT, 0, reinterpret_cast<LPARAM>(&processTask));
        break;
    case MissingWorker::ProductSetup:
        // Ends as cancelled rather than claim an installation that did not happen.
        log->Info(kSection, "The product setup launch is not part of this build");
        ::SendMessageA(Handle(), WM_SETUP_ABORT, 0, reinterpret_cast<LPARAM>(&processTask));
        break;
    }
}
