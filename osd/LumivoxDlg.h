#pragma once
// The brightness bar: a translucent strip with cut corners at the bottom centre of the screen that
// shows the LCD brightness as a row of segments, steps it with the Up and Down keys and closes
// itself 5 seconds after its start and after the last key. Run modally by the application object.
#include <windows.h>

#include "BrightnessControl.h"
#include "Dialog.h"
#include "Handles.h"
#include "LayeredAlpha.h"
#include "MessageMap.h"
#include "PowerSource.h"
#include "WAcpi.h"

class CLumivoxDlg : public fw::Dialog {
public:
    explicit CLumivoxDlg(const IPowerSource& power = SystemPowerSource());
    ~CLumivoxDlg() override;

    // The firmware's level for the power source in use, now also the shown level; 0 when it
    // cannot be read.
    int ReadLevel();
    // Sets the brightness to `level` and repaints the bar.
    void WriteLevel(int level);

    // Up and Down step the level (and give the bar 5 more seconds); everything then goes on to the
    // dialog manager.
    bool PreTranslateMessage(MSG& msg) override;

    // The number of segments shown.
    int Level() const { return level_; }
    // The number the program was started with.
    int Argument() const { return argument_; }
    bool WmiConnected() const { return acpi_.Connected(); }

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    bool OnMessage(const fw::Msg& m, LRESULT& result) override;

private:
    void AbandonStart();
    void ShapeWindow();
    void MeasureScreen();
    void PlaceWindow();
    void RestartCloseTimer();
    void StepLevel(UINT key);
    void DrawBar(HDC dc);
    // What every way out of the bar does before the dialog ends.
    void Close(INT_PTR result);

    LRESULT OnPaint(const fw::Msg& m);
    LRESULT OnQueryDragIcon(const fw::Msg& m);
    LRESULT OnTimer(const fw::Msg& m);
    LRESULT OnClose(const fw::Msg& m);

    // Firmware connection, released at close; before the brightness control, which borrows it.
    CWAcpi acpi_;
    fw::Bitmap background_;
    fw::Bitmap segment_;
    HICON icon_ = nullptr;  // a shared resource icon: never destroyed
    int level_ = 0;
    bool shaped_ = false;  // the paint draws the bar only once the window has its shape
    int argument_ = 0;
    int screenWidth_ = 0;
    int screenHeight_ = 0;
    LayeredAttributesProc layeredAttributes_ = nullptr;
    UINT_PTR closeTimer_ = 0;
    CBrightnessControl brightness_;

    static const fw::MessageMapEntry<CLumivoxDlg> kMap[];
};
