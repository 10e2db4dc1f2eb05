#pragma once

namespace vl {

/// Where the choice of the audio's output stands.
enum class AudioOutput {
    /// Nothing asked yet.
    Undecided,
    /// A sound device is being tried; sounds and music wait.
    Asking,
    /// A device opened: sounds and music play on it.
    Device,
    /// No device: sounds and music load and play unheard, and the audio
    /// library is never used.
    Silent,
};

/// Asks whether a sound device plays the audio, without waiting: the first
/// call starts the question, later ones take its answer once it has come. The
/// resource manager calls it when it loads its first sound or music, and
/// every frame until it is settled, so that the window shows its first
/// picture while the device is tried. The device is tried away from the game's
/// process where the platform can (a child process, which also keeps the
/// audio library's messages off unless the environment sets ALSOFT_LOGLEVEL),
/// so a device that blocks cannot stop the game. When none opens, the engine
/// prints one line, "vl: no audio device; playing without sound"; a device that
/// has not opened within 5 seconds is given up with "vl: the audio device did
/// not open within 5 seconds; playing without sound". A game run over SSH
/// (SSH_CONNECTION set) plays unheard, with no device asked for and nothing
/// printed, unless VL_AUDIO=on: the speakers are the server's.
AudioOutput pollAudioDevice();

/// The same question, waiting for its answer (at most 5 seconds): true when a
/// device plays the audio. Later calls return the first answer.
bool findAudioDevice();

/// Readies the question while the program runs a single thread, so that it is
/// not asked from a copy of a process whose other threads (the GL driver's)
/// may hold a lock at the copy. GameManager::startUp calls it before opening
/// the window. Does nothing once the question is ready, asked or answered.
void prepareAudioQuestion();

/// Lets a question readied by prepareAudioQuestion go when nothing has asked
/// it, so a game without sound leaves the device alone and keeps no waiting
/// child; GameManager::run calls it before its first frame, by when a game
/// has loaded its sounds. A sound loaded later asks afresh.
void dismissAudioQuestion();

/// Makes the audio play unheard, with no device asked for and nothing printed,
/// unless the question is already asked; GameManager::startUpHeadless calls
/// it. findAudioDevice then returns false.
void chooseSilentAudio();

}  // namespace vl
