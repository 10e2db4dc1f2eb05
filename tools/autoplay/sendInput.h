#pragma once

#include <vl/vl.h>

// Input as the input manager delivers it: one broadcast per event, through
// the input manager, so that a recording holds it.
void sendKey(vl::Key key, vl::KeyAction action);
void sendPointer(vl::Vector pixels);
void sendButton(vl::MouseButton button, vl::MouseAction action);
