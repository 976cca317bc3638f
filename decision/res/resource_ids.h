// Resource and control ids and window messages of decision.exe, shared by the resource
// script and the code; one section per window.
#pragma once

// ---- main window ---------------------------------------------------------------------
#define IDD_DECISION_MAIN 102
#define IDI_DECISION 128


// ---- small and large input boxes -----------------------------------------------------


// ---- probability and value pickers ---------------------------------------------------


// ---- new-decision chooser and case library -------------------------------------------

