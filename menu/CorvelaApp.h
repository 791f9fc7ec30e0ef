#pragma once
// Corvela's application object: one run of the program is one appearance of the panel, and a
// start while a panel is open closes that panel instead.
#include "Application.h"

class CCorvelaApp : public fw::Application {
public:
    bool InitInstance() override;
    bool PreTranslateMessage(MSG& msg) override;
    void OnHelp() override {}
};
