#include "vl/platform/programFiles.h"

namespace vl {

// The standard library names neither the running program nor its file.
std::string programName() {
    return "vl";
}

std::string programFolder() {
    return std::string();
}

}  // namespace vl
