; Ends the running programs of the suite installed in $INSTDIR before their files are replaced or
; removed, the way the programs end each other: a message posted to the window found by its title.
; Only windows whose process runs from $INSTDIR count: "Control" and "Corvela" are common titles,
; and a window of someone else's program is left alone. A program still there after the wait (a
; message box open, a program busy) is ended outright, so that no file stays held.
;
;   "Corvela"                  the panel                 WM_CLOSE
;   "Cor Vela"                 the tray program          3935 (its own "exit"; either of its two
;                                                        windows of that title takes it)
;   "Control"                  the brightness bar        WM_CLOSE
;   "Cor Vela Configuration"   the settings dialog       WM_CLOSE (its Cancel: pending edits are
;   "Cor Vela 설정"            (English, Korean)          undone, nothing half-saved)

!define UWM_TRAY_EXIT 3935
; 100 ms steps to wait for the programs to end by themselves.
!define END_WAIT_STEPS 50
!define PROCESS_QUERY_AND_READ 0x0410
!define PROCESS_TERMINATE_AND_WAIT 0x00100001

!macro END_SUITE_PROGRAMS_FUNCTIONS un

; $R5 = window. Gives in $R6 the id of its process when that process runs a program from
; $INSTDIR, otherwise 0.
Function ${un}SuiteProcessOfWindow
    StrCpy $R6 0
    System::Call 'user32::GetWindowThreadProcessId(p R5, *i .R6)'
    System::Call 'kernel32::OpenProcess(i ${PROCESS_QUERY_AND_READ}, i 0, i R6) p .R7'
    ${If} $R7 P= 0
        StrCpy $R6 0
        Return
    ${EndIf}
    System::Call 'psapi::GetModuleFileNameExW(p R7, p 0, w .R8, i ${NSIS_MAX_STRLEN}) i .R9'
    System::Call 'kernel32::CloseHandle(p R7)'
    ${If} $R9 == 0
        StrCpy $R6 0
        Return
    ${EndIf}
    ${GetParent} "$R8" $R8
    ${If} $R8 != $INSTDIR
        StrCpy $R6 0
    ${EndIf}
FunctionEnd

; $R0 = title, $R1 = message to post, $R2 = what to do with each window of the suite that has the
; title: "count", "post" or "end" (its process; the walk stops after the first). Adds the number of
; such windows met to $R3.
Function ${un}WalkSuiteWindows
    StrCpy $R5 0
    ${Do}
        FindWindow $R5 "" "$R0" 0 $R5
        ${If} $R5 P= 0
            ${Break}
        ${EndIf}
        Call ${un}SuiteProcessOfWindow
        ${If} $R6 == 0
            ${Continue}
        ${EndIf}
        IntOp $R3 $R3 + 1
        ${If} $R2 == "post"
            System::Call 'user32::PostMessageW(p R5, i R1, p 0, p 0)'
        ${ElseIf} $R2 == "end"
            System::Call 'kernel32::OpenProcess(i ${PROCESS_TERMINATE_AND_WAIT}, i 0, i R6) p .R7'
            ${IfNot} $R7 P= 0
                DetailPrint "$(EndingProgram) $R0"
                System::Call 'kernel32::TerminateProcess(p R7, i 1)'
                System::Call 'kernel32::WaitForSingleObject(p R7, i 5000)'
                System::Call 'kernel32::CloseHandle(p R7)'
            ${EndIf}
            ; The window list changed under the walk: the caller walks again.
            ${Break}
        ${EndIf}
    ${Loop}
FunctionEnd

; $R2 = what to do (see above) with the windows of every title of the suite; $R3 = how many.
Function ${un}WalkAllSuiteWindows
    StrCpy $R3 0
    StrCpy $R0 "Corvela"
    StrCpy $R1 ${WM_CLOSE}
    Call ${un}WalkSuiteWindows
    StrCpy $R0 "Cor Vela"
    StrCpy $R1 ${UWM_TRAY_EXIT}
    Call ${un}WalkSuiteWindows
    StrCpy $R0 "Control"
    StrCpy $R1 ${WM_CLOSE}
    Call ${un}WalkSuiteWindows
    StrCpy $R0 "Cor Vela Configuration"
    Call ${un}WalkSuiteWindows
    StrCpy $R0 "Cor Vela 설정"
    Call ${un}WalkSuiteWindows
FunctionEnd

Function ${un}EndSuitePrograms
    Push $R0
    Push $R1
    Push $R2
    Push $R3
    Push $R4
    Push $R5
    Push $R6
    Push $R7
    Push $R8
    Push $R9
    StrCpy $R2 "post"
    Call ${un}WalkAllSuiteWindows
    ${If} $R3 > 0
        DetailPrint "$(EndingPrograms)"
        StrCpy $R2 "count"
        ${ForEach} $R4 1 ${END_WAIT_STEPS} + 1
            Sleep 100
            Call ${un}WalkAllSuiteWindows
            ${If} $R3 == 0
                ${Break}
            ${EndIf}
        ${Next}
        ; Bounded: a process that cannot be ended must not hold the installer forever.
        ${ForEach} $R4 1 20 + 1
            ${If} $R3 == 0
                ${Break}
            ${EndIf}
            StrCpy $R2 "end"
            Call ${un}WalkAllSuiteWindows
        ${Next}
    ${EndIf}
    Pop $R9
    Pop $R8
    Pop $R7
    Pop $R6
    Pop $R5
    Pop $R4
    Pop $R3
    Pop $R2
    Pop $R1
    Pop $R0
FunctionEnd

!macroend

!insertmacro END_SUITE_PROGRAMS_FUNCTIONS ""
!insertmacro END_SUITE_PROGRAMS_FUNCTIONS "un."
