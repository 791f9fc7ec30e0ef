#pragma once
// The built-in items' commands ("SystemCMD" 2001-2014) and the operation each one runs. The table
// is the one list of them: the dispatch of a press looks a number up in it, the panel's actions
// run what it names, and the tests record the names it gives.
#include <windows.h>

#include <cstddef>
#include <functional>

#include "DeviceActions.h"
#include "MenuItemRecord.h"
#include "ProgramLauncher.h"

// What the built-in commands act on: the device actions, the launcher, and the panel's own
// display-output dialog, which only the panel can run (it hides itself meanwhile).
struct ItemOperations {
    CDeviceActions& device;
    CProgramLauncher& launcher;
    std::function<int()> displayOutput;
};

struct BuiltInCommand {
    SystemCommand number;
    const char* operation;             // the operation's name
    int (*run)(ItemOperations& with);  // its result; the panel ignores it
};

extern const BuiltInCommand kBuiltInCommands[];
extern const std::size_t kBuiltInCommandCount;

// The entry of `number`; null for a number that runs nothing.
const BuiltInCommand* FindBuiltInCommand(DWORD number);

// Runs the built-in commands for the dispatch of a press.
class IItemActions {
public:
    virtual ~IItemActions() = default;
    virtual int Run(const BuiltInCommand& command) = 0;
};

// The panel's actions: each command runs its operation on the real collaborators.
class CItemActions : public IItemActions {
public:
    explicit CItemActions(ItemOperations operations) : operations_(std::move(operations)) {}
    int Run(const BuiltInCommand& command) override { return command.run(operations_); }

private:
    ItemOperations operations_;
};
