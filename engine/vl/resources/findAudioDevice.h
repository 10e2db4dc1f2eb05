#pragma once

namespace vl {

/// Readies the audio, once per run, and says whether a sound device plays it:
/// true when the audio library opens one. The resource manager calls it just
/// before it makes its first sound or music, so a game with no sound never
/// touches the audio device; a game may call it earlier to know the answer.
/// The device is tried in a child process, whose messages are discarded unless
/// the environment sets ALSOFT_LOGLEVEL (the library's own log is switched off
/// otherwise). When none opens, the engine prints one line, "vl: no audio
/// device; playing without sound", and gives the library its silent output:
/// sounds and music then load and play unheard. A device that has not opened
/// within 5 seconds is given up the same way, with the line "vl: the audio
/// device did not open within 5 seconds; playing without sound", so a device
/// that blocks cannot stop the game. Later calls return the first answer and
/// change nothing. Also true when no child process can be made to ask.
bool findAudioDevice();

/// Makes now the child process that findAudioDevice will ask, so that the
/// question is not asked from a copy of a process whose other threads (the GL
/// driver's, the sound library's) may hold a lock at the copy; call it while
/// the program runs a single thread. The child keeps the environment of this
/// moment, waits asking nothing, and ends with the program or when the answer
/// is settled without it. GameManager::startUp calls it before opening the
/// window; without it, findAudioDevice makes the child when it asks. Does
/// nothing once the answer is known or a child waits.
void prepareAudioQuestion();

/// Makes the audio play unheard, with no device asked for and nothing printed,
/// unless findAudioDevice has already decided; GameManager::startUpHeadless
/// calls it. findAudioDevice then returns false.
void chooseSilentAudio();

}  // namespace vl
