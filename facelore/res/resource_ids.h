// Resource and control ids of facelore.exe, shared by the resource script and the code.
#pragma once

#define IDS_ABOUT_MENU 101
#define IDD_FACELORE_MAIN 102
#define IDI_FACELORE 128
