#pragma once
// A dialog built from a template, run modally (with a message loop of its own) or modelessly.
#include "Control.h"
#include "Window.h"

namespace fw {

class Dialog : public Window {
public:
    explicit Dialog(UINT templateId, HWND parent = nullptr);
    // Destroys a window still open. By then the derived parts are gone and the last messages reach
    // only this class: a dialog with teardown of its own destroys its window itself first.
    ~Dialog() override;

    // Creates the dialog and runs it until EndDialog; returns the result, or -1 if the dialog
    // could not be created. The owner is disabled for the duration, as the system's dialogs do.
    INT_PTR DoModal();
    // The same over `owner` instead of the parent given at construction (a dialog whose owner is
    // known only when it runs).
    INT_PTR DoModal(HWND owner);
    // Creates the dialog modelessly (shown when its template says WS_VISIBLE); false on failure.
    bool Create(HWND parent = nullptr);
    // Ends a modal run with the given result; a modeless dialog is hidden and keeps its window.
    void EndDialog(INT_PTR result);

    bool IsModal() const { return modal_; }
    INT_PTR Result() const { return result_; }
    HWND Item(int id) const { return ::GetDlgItem(Handle(), id); }

    // Keyboard and mouse messages for the dialog or its controls go through the dialog manager
    // (Tab, Escape, Enter). Derived dialogs take keys first and call this for the rest.
    bool PreTranslateMessage(MSG& msg) override;

    // Creation hooks of this thread installed now: non-zero only while dialogs are being created.
    static int CreationHooksInstalled();

protected:
    // Attaches the controls of the template to their objects (runs from OnInitDialog).
    virtual void DoDataExchange() {}
    void AttachControl(int id, Control& control);
    // WM_INITDIALOG; the base runs the data exchange. True lets the system set the focus.
    virtual bool OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

    bool OnMessage(const Msg& m, LRESULT& result) override;
    LRESULT DefaultProc(const Msg& m) override;

private:
    HWND CreateFromTemplate(HWND parent);
    static LRESULT CALLBACK CbtHook(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR refData);
    static INT_PTR CALLBACK PassiveDialogProc(HWND, UINT, WPARAM, LPARAM);
    void RunModalLoop();

    UINT templateId_;
    HWND parent_;
    bool modal_ = false;
    bool ended_ = false;
    INT_PTR result_ = 0;
};

}  // namespace fw
