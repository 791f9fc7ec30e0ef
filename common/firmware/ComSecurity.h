#pragma once
// The process-wide COM security under which the suite's programs run: packet privacy,
// impersonation, secure references. Called once, after CoInitialize and before any COM object is
// made. True when the settings took. The panel goes on without them (a later WMI connection fails
// in its own time); the tray program does not start.
bool InitializeComSecurity();
