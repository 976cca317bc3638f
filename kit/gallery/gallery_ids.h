// Resource and control ids of the kit gallery, shared by its resource script and code.
#pragma once

#define IDD_GALLERY 100

#define IDC_PRIMARY 1001
#define IDC_SECONDARY 1002
#define IDC_DISABLED 1003
#define IDC_CAPTIONED 1004
#define IDC_LINK 1005
#define IDC_REPORT 1006
#define IDC_BITMAP_EDIT 1007
#define IDC_COLOR_EDIT 1008

#define IDB_PRIMARY_NORMAL 201
#define IDB_PRIMARY_HOVER 202
#define IDB_SECONDARY_NORMAL 203
#define IDB_SECONDARY_HOVER 204
#define IDB_BADGE_NORMAL 205
#define IDB_BADGE_HOVER 206
#define IDB_EDIT_BOX 207
