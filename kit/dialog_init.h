// A dialog template's initial list entries.  Resource scripts store them beside the
// template, under its id, as resource type 240; nothing in the platform applies them
// without a framework, so a dialog calls this in its initialisation.
#pragma once

#include <windows.h>

namespace kit {

// Resource type of a dialog's initial data: records of control id (16 bits), message
// (16 bits), data length (32 bits) and the data (a GBK string with its terminator, not
// padded), ended by a zero id.
constexpr WORD kDialogInitType = 240;

// Adds the initial entries of template_id's combo and list boxes to dialog.  A template
// without initial data leaves its lists as they are.
void apply_dialog_init_data(HINSTANCE module, int template_id, HWND dialog);

}  // namespace kit
