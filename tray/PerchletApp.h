#pragma once
// Perchlet's application object: one instance at a time, only while the user wants the tray icon,
// optionally deleting the suite's settings first; it runs until its hidden frame closes.
#include <memory>
#include <optional>
#include <string>

#include "Application.h"
#include "Com.h"
#include "Handles.h"
#include "MainFrame.h"

class CPerchletApp : public fw::Application {
public:
    // `arguments`: the command line after the program name.
    explicit CPerchletApp(const char* arguments);
    bool InitInstance() override;
    int ExitInstance() override;

private:
    std::string arguments_;
    fw::KernelHandle instanceMutex_;
    std::optional<fw::ComApartment> com_;
    std::unique_ptr<CMainFrame> frame_;
};
