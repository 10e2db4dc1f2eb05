#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "vl/core/Manager.h"
#include "vl/core/RecordingReader.h"
#include "vl/core/RecordingWriter.h"

namespace vl {

/// The length of one frame of the game loop: about 30 frames a second.
constexpr int32_t kFrameMilliseconds = 33;

/// Starts the engine's managers and runs the fixed-rate game loop.
class GameManager : public Manager {
  public:
    /// The one game manager, built on first use.
    static GameManager& getInstance();
    /// Shuts the world down first if the game is still started.
    ~GameManager() override;

    /// Starts display, world, input and resources, in that order, and sizes the
    /// world and its view to the display's 82 × 24 cells, also when one of
    /// them failed. First, before the window's driver can start threads, it
    /// makes the child process that will ask for a sound device
    /// (prepareAudioQuestion). -1 when any of them failed.
    int startUp() override;
    /// Starts the world and resources but no window, no input and no audio
    /// device, with the world and its view sized as startUp sizes them, so
    /// that runFrame runs whole frames where no display exists (tests, tools).
    /// Drawing then reaches only the display's cell record, when recording;
    /// sounds and music load and play unheard. A display or input already
    /// started stays as it is. 0 when the world and resources started.
    int startUpHeadless();
    /// Destroys every object in the world and marks the game finished.
    void shutDown() override;

    /// Runs frames, each paced to frame_ms (a fast replay is not paced),
    /// until the game is finished at the end of a frame, or a replay ends.
    /// Returns at once when it is finished already. Then closes a recording.
    /// 0, or -1 when a replay diverged or its file is bad (getReplayProblem),
    /// a recording could not be written in full, or the window was destroyed
    /// from outside, which ends the game with the line "PROGRAM: the window
    /// was closed from outside".
    int run();
    /// Everything one frame does except the pacing sleep: input (or the
    /// replay's), the step event, the world's update, the recording's or the
    /// replay's check of the world, drawing and presenting. A replay that has
    /// no more frames, or has gone wrong, finishes the game instead.
    void runFrame();

    /// Records the session into the file from the next frame on: every input
    /// event broadcast, frame by frame, and a summary of the world after each
    /// update (see RecordingWriter), each frame handed to the operating system
    /// at its end, so a game killed leaves every whole frame. A write that
    /// fails stops the recording with one line, "vl: the recording could not
    /// be written at frame N; the game goes on unrecorded", and run then
    /// returns -1. The random source (randomInt) starts from a new seed, which
    /// the recording keeps. Clocks read frame time from then on, so a replay reads the
    /// same times. -1, and no recording, when the file cannot be written.
    int startRecording(const std::string& path, const std::string& game_name);
    /// Replays a recording of game_name from the next frame on: the keyboard
    /// and mouse are not read; each frame broadcasts the recorded events and
    /// then compares the world with the recording; the random source starts
    /// from the recorded seed (a recording of format 1 has none). At the
    /// first difference,
    /// or when the file turns out bad, the game finishes and run returns -1.
    /// Paced, frames take the recorded 33 ms; else as little as they can.
    /// Clocks read frame time. -1, with getReplayProblem set, when the file
    /// cannot be read or is no recording of game_name.
    int startReplay(const std::string& path, const std::string& game_name, bool paced);
    /// Whether a replay is running.
    bool isReplaying() const { return replaying; }
    /// Ends a running replay at the frame under way, as Escape or a close
    /// request on its window does, with no problem: run then returns 0 and
    /// getReplayStop says where it stopped. Does nothing without a replay.
    void stopReplay();
    /// "replay stopped at frame N of M" after stopReplay (without " of M" for
    /// a recording cut off before its end); empty otherwise.
    const std::string& getReplayStop() const { return replay_stop; }
    /// Empty while a replay agrees with its recording; else one line: "FILE:
    /// replay diverges at frame N: " and what differs, or the file's problem.
    const std::string& getReplayProblem() const { return replay_problem; }
    /// The frames run since a recording or replay started.
    int getRecordedFrames() const { return frame_number; }

    /// With true, run returns after the frame under way; game code calls it to
    /// end the program.
    void setFinished(bool value) { finished = value; }
    /// Whether run returns (or has returned) at the end of the frame.
    bool isFinished() const { return finished; }
    /// With true, a window manager's request to close the window (Alt+F4, a
    /// taskbar's close) finishes the game as setFinished(true) does; with false, the default, such
    /// a request is ignored and the game ends only when it says so.
    void setFinishOnClose(bool value) { finish_on_close = value; }
    /// Whether a request to close the window finishes the game.
    bool isFinishOnClose() const { return finish_on_close; }
    /// The length of a frame in milliseconds: kFrameMilliseconds.
    int32_t getFrameMilliseconds() const { return frame_ms; }

  private:
    GameManager();
    /// Sets the world's bounds and view to the display's cells.
    void fitWorldToDisplay();
    /// Broadcasts the replay's input of this frame; false when the replay has
    /// no more frames or went bad.
    bool replayInput();
    /// "FILE: replay diverges at frame N: ", the start of a divergence's line.
    std::string divergence(int frame) const;
    /// Compares the world with the recording after this frame's update.
    void checkReplay();
    /// Ends a replay and the game; a problem that is not empty is the first
    /// one the replay met, unless another came before it.
    void endReplay(const std::string& problem);
    /// Writes the recording's end and stops recording; -1, after saying so in
    /// one line, when the file could not be written in full.
    int finishRecording();
    /// Has every input event folded into frame_input, and written to the
    /// recording while one is open.
    void tapInput();

    bool finished = false;
    bool finish_on_close = false;
    int32_t frame_ms = kFrameMilliseconds;
    RecordingWriter recording;
    RecordingReader replay;
    bool replaying = false;
    bool replay_paced = true;
    std::string replay_problem;
    std::string replay_file;
    std::string replay_stop;
    std::vector<RecordedInput> replay_inputs;
    FrameSummary replay_summary;
    /// The summary of the frame under way, while recording or replaying.
    FrameSummary frame_summary;
    int frame_number = 0;
    std::uint64_t frame_input = kNoInput;
    /// The input events sent in the frame under way, while replaying.
    std::vector<RecordedInput> frame_inputs;
};

}  // namespace vl
