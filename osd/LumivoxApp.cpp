#include "LumivoxApp.h"

#include "ComSecurity.h"
#include "LumivoxDlg.h"

bool CLumivoxApp::InitInstance() {
    com_.emplace();
    // The firmware requests run under these process-wide settings. A failure is not fatal: the
    // connection then fails in its own time and the bar does not open.
    InitializeComSecurity();
    {
        CLumivoxDlg bar;
        bar.DoModal();
    }
    // The bar was the program: no message loop follows it.
    return false;
}

int CLumivoxApp::ExitInstance() {
    com_.reset();
    return Application::ExitInstance();
}
