#pragma once

namespace vl {

/// Where the question whether the audio library opens a sound device stands.
enum class ProbeAnswer {
    /// Not asked, or asked and not answered yet.
    Pending,
    Opens,
    Fails,
    /// No answer within kAudioProbeMilliseconds of asking.
    TimedOut,
};

/// How long a device has to open before it is given up.
constexpr int kAudioProbeMilliseconds = 5000;

/// Readies the question now, while the program runs a single thread: where
/// the platform asks in a child process, the child is made here and waits.
/// Does nothing when the question is ready, asked or answered.
void prepareAudioProbe();

/// Asks the question without waiting for its answer, readying it first when
/// needed; with discard_messages the audio library's own messages are not
/// shown. Does nothing once asked.
void startAudioProbe(bool discard_messages);

/// The answer once it has come; with wait, waits for it up to the deadline.
/// Pending when not asked.
ProbeAnswer readAudioProbe(bool wait);

/// Lets a question that was readied but not asked go, with nothing asked.
void dismissAudioProbe();

}  // namespace vl
