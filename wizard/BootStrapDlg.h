#pragma once
// The installer's wizard: one modal dialog whose step machine walks from the
// welcome step to the product's own setup wizard.

#include "platform/Dialog.h"
#include "wizard/Tasks.h"
#include "wizard/WizardStep.h"

#include <string>

class ResourceManager;
class SessionLog;

// Timer that moves the dialog on one second after the welcome step is left.
constexpr UINT_PTR StepTimerId = 1;

class CBootStrapDlg : public platform::Dialog {
  public:
    // Creates the log and writes its begin entry, creates the working folder and
    // extracts the whole payload into it, before any window exists.
    explicit CBootStrapDlg(HWND parent = nullptr);
    // Deletes the working folder with everything in it, then writes the log's
    // end entry. The log and the payload reader stay alive for the workers'
    // last entries; the process ends right after.
    ~CBootStrapDlg() override;

    // Worker-facing operations.
    SessionLog* GetLog() const { return log; }

  protected:
    void DoDataExchange(platform::DataExchange& exchange) override;
    bool OnInitDialog() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR* result) override;

  private:
    void UpdateControls();
    void NextStep();

    void OnPaint();
    void OnTimer(UINT_PTR timerId);
    void OnNextClicked();
    void OnCancelClicked();
    void OnAcceptClicked();
    void OnDeclineClicked();
    void OnTaskDone();
    void OnDownloadDone(unsigned long status);

    // Launchers: each fills its task record and starts its worker. Workers
    // that are not part of this build report at once as a failed one would.
    void StartFrameworkDownload();
    void StartFrameworkInstall();
    void StartProductSetup();
    enum class MissingWorker { Download, Install, ProductSetup };
    void ReportMissingWorker(MissingWorker worker);
    void OnMissingWorker(MissingWorker worker);

    HICON icon = nullptr;
    WizardStep step = StepWelcome;
    platform::Control progressBar;
    std::string mainText;
    std::string detailText;
    std::string noteText;
    platform::Control titleLabel;
    platform::GdiObject titleFont;
    platform::Control nextButton;
    platform::Control cancelButton;
    std::string tempFolder;
    platform::Control licenceEdit;
    platform::Control acceptRadio;
    platform::Control declineRadio;
    platform::Control licencePrompt;
    ResourceManager* resources = nullptr;
    SessionLog* log = nullptr;
    DownloadTask downloadTask;
    ProcessTask processTask;
};
