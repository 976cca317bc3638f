// Resource and control ids of decision.exe, shared by the resource script and the code.
#pragma once

#define IDD_DECISION_MAIN 102
#define IDI_DECISION 128
