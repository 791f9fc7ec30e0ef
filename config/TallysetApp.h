#pragma once
// Tallyset's application object: one instance at a time, no panel open while the store is
// edited, administrators only; then the settings dialog, which is the whole program.
#include "Application.h"
#include "ItemExchange.h"
#include "RightsProbe.h"

// How long the start waits for an open panel to close before it reads the store: a panel still
// closing would delete the index file the dialog has just rebuilt.
constexpr unsigned long kPanelCloseWaitMs = 3000;

class CTallysetApp : public fw::Application {
public:
    explicit CTallysetApp(const IRightsProbe& rights = SystemRightsProbe()) : rights_(rights) {}

    bool InitInstance() override;

private:
    const IRightsProbe& rights_;
    ItemExchange exchange_;
};

// Posts WM_CLOSE to the window titled `title`, if there is one, and waits at most `timeoutMs`
// for it to go. True when no such window is left.
bool CloseWindowAndWait(const char* title, unsigned long timeoutMs);
