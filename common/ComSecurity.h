#pragma once
// The process-wide COM security under which the suite's firmware requests run. Called once, after
// CoInitialize and before any COM object is made; its failure is not fatal (a later WMI connection
// fails in its own time).
void InitializeComSecurity();
