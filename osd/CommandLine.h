#pragma once
// The one number the bar is started with ("Lumivox.exe 2" from the panel). The bar shows the
// brightness whatever it is; it is read so that a start with anything on the command line is safe.

// The arguments of a whole command line as GetCommandLineA gives it: what follows the program's
// name (quoted or not) and the blanks after it. Never null; "" for a null line.
const char* CommandLineArguments(const char* commandLine);

// The decimal integer at the start of `arguments` (blanks and a sign allowed), 0 when there is
// none; a number beyond the range of int stops at its bound instead of overflowing.
int LeadingNumber(const char* arguments);
