#pragma once
// An edit control, reached by messages.
#include "ControlRef.h"

namespace fw {

class EditBox : public ControlRef {
public:
    using ControlRef::ControlRef;

    // Most bytes the user may type; 0 lifts the limit to the control's maximum.
    void SetLimit(int bytes) const { Send(EM_LIMITTEXT, static_cast<WPARAM>(bytes < 0 ? 0 : bytes)); }
    void SelectAll() const { Send(EM_SETSEL, 0, -1); }
};

}  // namespace fw
