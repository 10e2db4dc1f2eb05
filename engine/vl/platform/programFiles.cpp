#include "vl/platform/programFiles.h"

#include <errno.h>

#include <filesystem>
#include <system_error>

namespace vl {

namespace {

// The running program's file where the system names it under /proc (Linux
// and some others); empty elsewhere, where the standard library cannot tell.
std::filesystem::path programFile() {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : program;
}

}  // namespace

std::string programName() {
#ifdef __GLIBC__
    // The name it was started by, as the desktop knows it.
    const std::string name = program_invocation_short_name;
#else
    const std::string name = programFile().filename().string();
#endif
    return name.empty() ? "vl" : name;
}

std::string programFolder() {
    return programFile().parent_path().string();
}

}  // namespace vl
