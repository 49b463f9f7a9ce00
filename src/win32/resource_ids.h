#pragma once

// Resource ids shared by zedez.rc and the code; plain defines, as the resource compiler reads them.

// The program's icon: the first icon resource, so that the shell shows it for the .exe too.
#define IDI_ZEDEZ 1
