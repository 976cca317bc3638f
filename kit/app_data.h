// Where a program keeps files of its own for the user (its recovery files), and the id
// of this run that names them.  The folder is a wide path: %LOCALAPPDATA% may hold
// characters GBK lacks.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace kit {

// %LOCALAPPDATA%\program_name (program_name in GBK), made if missing; from the
// environment variable, else the known folder.  Empty when neither gives a folder or it
// cannot be made.
std::filesystem::path app_data_folder(std::string_view program_name);

// This run's id, ASCII: the process id and the process's start time, so that no two
// runs, at the same time or one after another, share it.
std::string this_run_id();

}  // namespace kit
