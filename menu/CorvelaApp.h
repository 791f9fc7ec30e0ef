#pragma once
// Corvela's application object: one run of the program is one appearance of the panel, and a
// start while a panel is open closes that panel instead.
#include <optional>

#include "Application.h"
#include "Com.h"

class CCorvelaApp : public fw::Application {
public:
    bool InitInstance() override;
    bool PreTranslateMessage(MSG& msg) override;
    // Ends COM, whatever the start did before (a start that only closed an open panel never
    // initialised it, and then has nothing to end).
    int ExitInstance() override;

private:
    std::optional<fw::ComApartment> com_;
};
