#pragma once
// Lumivox's application object: one run of the program is one appearance of the brightness bar.
// Every start shows a bar of its own; there is no check for a running copy.
#include <optional>

#include "Application.h"
#include "Com.h"

class CLumivoxApp : public fw::Application {
public:
    bool InitInstance() override;
    // Ends COM after the bar is gone.
    int ExitInstance() override;

private:
    std::optional<fw::ComApartment> com_;
};
