// The panel's keyboard: Up and Down move the selection (and the pointer with it), Enter presses
// the selected button, F1 does nothing; everything else goes to the dialog manager.
#include "CorvelaDlg.h"
#include "KeyNavigation.h"

bool CCorvelaDlg::PreTranslateMessage(MSG& msg) {
    // While the display-output dialog runs, its keys are its own.
    if (msg.message == WM_KEYDOWN && !subDialogOpen_ && HandleKeyDown(static_cast<UINT>(msg.wParam)))
        return true;
    return Dialog::PreTranslateMessage(msg);
}

// True when the key is used up here. Up, Down and Enter are used up as well once handled: the
// dialog manager would otherwise move the focus a second step (arrows) or press a second button
// (Enter on a button it made the default one).
bool CCorvelaDlg::HandleKeyDown(UINT key) {
    switch (key) {
        case VK_DOWN:
        case VK_UP: {
            ApplyStacking();
            const items::PageFields& page = items_.Pages();
            const panel::KeyNavState state{selectedId_, page.upShown, page.downShown, page.lastPageCount,
                                           items_.CheckedCount()};
            const panel::KeyNavResult next =
                key == VK_DOWN ? panel::NavigateDown(state) : panel::NavigateUp(state);
            if (next.moved && ControlShown(next.selectedId)) {
                selectedId_ = next.selectedId;
                MovePointerToSelected();
            }
            return true;
        }
        case VK_RETURN:
            ApplyStacking();
            PressSelectedByKey();
            return true;
        case VK_F1:
            ApplyStacking();
            return true;
        default:
            ApplyStacking();
            return false;
    }
}

// Enter presses the selected button only while the pointer is over the panel.
void CCorvelaDlg::PressSelectedByKey() {
    POINT pointer;
    RECT window;
    if (!::GetCursorPos(&pointer) || !::GetWindowRect(Handle(), &window) || !::PtInRect(&window, pointer))
        return;
    CHotspotBtn* button = selectedId_ == panel::kCloseId ? nullptr : Button(selectedId_);
    // Nothing selected (after a page up), or a button that is not on the screen.
    if (!button || !button->Handle() || !ControlShown(selectedId_)) return;
    ::SetFocus(button->Handle());
    char text[kTextCap] = {};
    ::GetWindowTextA(button->Handle(), text, sizeof(text));
    button->label = text;
    ::PostMessageA(Handle(), WM_COMMAND, MAKEWPARAM(selectedId_, 0), 0);
}
