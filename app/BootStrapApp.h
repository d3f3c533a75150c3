#pragma once
// The program's entry object: checks that the machine can take the
// installation, then runs the wizard modally.

#include <string>

// True when the account may open HKEY_LOCAL_MACHINE\Software for reading and
// writing. Nothing is written.
bool IsAdministrator();

class CBootStrapApp {
  public:
    using AdministratorCheck = bool (*)();

    // check replaces IsAdministrator where a test must see a refusal that the
    // system cannot produce.
    explicit CBootStrapApp(AdministratorCheck check = IsAdministrator) : isAdministrator_(check) {}

    // Refuses systems before Windows 2000 and accounts that cannot write to the
    // machine-wide registry, each with a message box and without touching any
    // file; otherwise runs the wizard. Always returns false: the process ends.
    bool InitInstance();

  private:
    AdministratorCheck isAdministrator_;
};

// The application's display name: the executable's file name without its
// extension.
std::string ApplicationName();
