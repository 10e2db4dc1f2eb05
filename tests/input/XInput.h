#pragma once

#include <chrono>
#include <string>

// Drives the X server's keyboard and pointer the way a user would, with
// xdotool, so that input arrives through the real window.
namespace xinput {

// Opens this program's own connection to the X server (kept to the end);
// false when there is no X server. While it is open the server has a client
// and does not reset when another program's last connection closes.
bool connect();
// True when xdotool can be run.
bool available();
// Runs xdotool with the arguments; true when it succeeded.
bool run(const std::string& arguments);
// Gives the window the keyboard focus and puts the pointer over it: without a
// window manager key events go only where the focus is.
bool focus(unsigned long window);
// Lets go of every key and button the tests hold.
void releaseAll();
// Makes the server repeat held keys after a short delay while it lives, then
// puts back the server's own delay and interval. A key held for
// kRepeatingHold then repeats several times.
constexpr std::chrono::milliseconds kRepeatingHold(300);
class QuickKeyRepeat {
  public:
    QuickKeyRepeat();
    ~QuickKeyRepeat();
    QuickKeyRepeat(const QuickKeyRepeat&) = delete;
    QuickKeyRepeat& operator=(const QuickKeyRepeat&) = delete;

  private:
    unsigned delay = 0;
    unsigned interval = 0;
    bool saved = false;
};
// Asks the window to close, as a window manager's close button does.
bool requestClose(unsigned long window);

}  // namespace xinput
