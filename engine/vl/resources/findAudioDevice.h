#pragma once

namespace vl {

/// Readies the audio for a machine with or without a sound device, and says
/// which it is: true when the audio library opens a device. Unless the
/// environment sets ALSOFT_LOGLEVEL, the library's own log is switched off.
/// The device is tried in a child process, whose messages are discarded
/// unless ALSOFT_LOGLEVEL is set. When none opens, the library is given its
/// silent output (ALSOFT_DRIVERS=null): sounds and music then load and play
/// unheard, and nothing more is printed about it. Call it before the first
/// GameManager::getInstance or ResourceManager::getInstance, whose sounds
/// settle the library's device for the whole run; later calls return the
/// first answer and change nothing. Also true when no child process can be
/// made to ask.
bool findAudioDevice();

}  // namespace vl
