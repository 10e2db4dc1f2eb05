#pragma once

#include <string>

// A folder made with mkdtemp for the running test, under the system's
// temporary folder and named after the test: the same one for the whole test,
// a new one for the next. It stays afterwards, with the pictures the test
// saved in it. Empty when no folder could be made.
const std::string& testFolder();
