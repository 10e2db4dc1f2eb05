#pragma once

#include <string>

namespace vl {

/// The running program's file name without its folder, such as "velloc"; the
/// window's class is named after it. "vl" where the platform cannot tell.
std::string programName();

/// The folder the running program's file lies in, with links resolved; empty
/// where the platform cannot tell.
std::string programFolder();

}  // namespace vl
