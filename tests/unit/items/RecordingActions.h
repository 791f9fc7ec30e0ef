#pragma once
// Built-in operations that only note that they ran, by the names the command table gives them.
#include <string>
#include <vector>

#include "ItemActions.h"

struct RecordingActions : IItemActions {
    std::vector<std::string> calls;
    int Run(const BuiltInCommand& command) override {
        calls.push_back(command.operation);
        return 1;
    }
};
