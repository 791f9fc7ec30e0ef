#pragma once
// A check box (a button with one of the check styles), reached by messages.
#include "ControlRef.h"

namespace fw {

class CheckBox : public ControlRef {
public:
    using ControlRef::ControlRef;

    bool IsChecked() const { return Send(BM_GETCHECK) == BST_CHECKED; }
    void SetChecked(bool checked) const { Send(BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED); }
};

}  // namespace fw
