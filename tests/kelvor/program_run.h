#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "platform/posix/posix_file_system.h"
#include "platform/temp_folder.h"

namespace kelvor::testing {

struct ProgramRun {
    int status = -1;
    std::string errors;
    std::string output;
};

// Runs the built program in a clean environment whose only folders are inside temp; further
// variables ("NAME='value' ...") may be given.
inline ProgramRun RunProgram(const TempFolder& temp, const std::string& arguments,
                             const std::string& variables = "") {
    const std::string command = "env -i " + variables + " PATH=/usr/bin:/bin HOME='" + temp.path() +
                                "' XDG_CACHE_HOME='" + temp / "cache" + "' KELVOR_REGISTRY='" +
                                temp / "registry" + "' '" + KELVOR_PROGRAM_PATH + "' " + arguments +
                                " 2>'" + temp / "stderr" + "' >'" + temp / "stdout" + "'";
    ProgramRun run;
    const int raw = std::system(command.c_str());
    if (raw != -1 && WIFEXITED(raw)) {
        run.status = WEXITSTATUS(raw);
    }
    run.errors = platform::PosixFileSystem().readAll(temp / "stderr").value_or("");
    run.output = platform::PosixFileSystem().readAll(temp / "stdout").value_or("");
    return run;
}

}  // namespace kelvor::testing
