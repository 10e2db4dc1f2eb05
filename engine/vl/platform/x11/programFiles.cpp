#include "vl/platform/programFiles.h"

#include <errno.h>

#include <filesystem>
#include <system_error>

namespace vl {

std::string programName() {
    const std::string name = program_invocation_short_name;
    return name.empty() ? "vl" : name;
}

std::string programFolder() {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : program.parent_path().string();
}

}  // namespace vl
