#include <cstdlib>

namespace {

// Run directly (not through CTest), the program still needs OpenAL's silent
// output, and it must be chosen before the first audio object is made.
struct NullAudio {
    NullAudio() { setenv("ALSOFT_DRIVERS", "null", 0); }
} const kNullAudio;

}  // namespace
