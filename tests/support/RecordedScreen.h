#pragma once

#include <functional>
#include <string>

// What the display shows of the cells that draw() draws through the world's
// view, recorded with or without a window, as compact text: the 82 x 24
// characters, each line cut after its last visible character and the empty
// lines at the bottom left out; an empty line; the colour letter (k r g y b m
// c w) that most visible characters share; then, on lines of their own, the
// letters of the visible characters of other colours in their places, cut
// the same way. Nothing drawn gives "\n\n".
std::string shownScreen(const std::function<void()>& draw);

// The screen that the world's drawing shows now, without a step.
std::string shownWorld();
// One frame of logic as stepFrame runs it, and the screen it draws.
std::string stepAndShow();
