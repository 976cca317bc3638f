// Resource ids of bare_skin.exe.
#pragma once

#define IDD_BARE_SKIN 100
