#pragma once

#include <string>

// A folder made with mkdtemp for the running test, under the system's
// temporary folder and named after the test: the same one for the whole test,
// a new one for the next. It stays afterwards, with the pictures the test
// saved in it. Empty when no folder could be made.
const std::string& testFolder();
// Writes text byte for byte (no line-end translation) into testFolder() as
// name; returns its path. Fails the test when the file cannot be written.
std::string writeTestFile(const std::string& name, const std::string& text);
