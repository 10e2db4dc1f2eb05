#include "vl/core/GameManager.h"

#include <chrono>
#include <iostream>
#include <thread>

#include "vl/core/Clock.h"
#include "vl/core/frameDifference.h"
#include "vl/core/framePacing.h"
#include "vl/core/frameSummary.h"
#include "vl/core/random.h"
#include "vl/display/DisplayManager.h"
#include "vl/input/InputManager.h"
#include "vl/platform/programFiles.h"
#include "vl/resources/ResourceManager.h"
#include "vl/resources/findAudioDevice.h"
#include "vl/world/EventStep.h"
#include "vl/world/WorldManager.h"

namespace vl {

GameManager::GameManager() {
    setType("GameManager");
    // The managers this one uses at exit are built first so that they are
    // destroyed after it: static objects die in reverse order of construction.
    DisplayManager::getInstance();
    WorldManager::getInstance();
    InputManager::getInstance();
    ResourceManager::getInstance();
}

GameManager::~GameManager() {
    if (isStarted()) {
        shutDown();
    }
}

GameManager& GameManager::getInstance() {
    static GameManager instance;
    return instance;
}

int GameManager::startUp() {
    finished = false;
    // Before the window, whose GL driver may start threads of its own.
    prepareAudioQuestion();
    const int display = DisplayManager::getInstance().startUp();
    const int world = WorldManager::getInstance().startUp();
    const int input = InputManager::getInstance().startUp();
    const int resources = ResourceManager::getInstance().startUp();
    setStarted(true);
    fitWorldToDisplay();
    return display != 0 || world != 0 || input != 0 || resources != 0 ? -1 : 0;
}

int GameManager::startUpHeadless() {
    finished = false;
    chooseSilentAudio();
    const int world = WorldManager::getInstance().startUp();
    const int resources = ResourceManager::getInstance().startUp();
    setStarted(true);
    fitWorldToDisplay();
    return world != 0 || resources != 0 ? -1 : 0;
}

void GameManager::fitWorldToDisplay() {
    // The display's size in cells is fixed, so it is known with or without a window.
    const DisplayManager& display = DisplayManager::getInstance();
    const Box bounds(Vector(0, 0), static_cast<float>(display.getHorizontalCells()),
                     static_cast<float>(display.getVerticalCells()));
    WorldManager::getInstance().setWorldBounds(bounds);
    WorldManager::getInstance().setView(bounds);
}

void GameManager::shutDown() {
    finishRecording();
    WorldManager::getInstance().shutDown();
    finished = true;
    setStarted(false);
}

void GameManager::runFrame() {
    InputManager& input = InputManager::getInstance();
    input.pollInput();
    ResourceManager::getInstance().startWaitingAudio();
    if (replaying && !replayInput()) {
        return;
    }
    recording.writeHeld(frame_number + 1, input.getHeld());
    const EventStep step;
    broadcast(&step);
    WorldManager::getInstance().update();
    // Input sent before the frame (by a scripted player) counts as the frame's.
    ++frame_number;
    const bool summarizing = recording.isOpen() || replaying;
    if (summarizing) {
        summarizeWorld(frame_summary);
        frame_summary.input = frame_input;
    }
    WorldManager::getInstance().drawAll();
    DisplayManager& display = DisplayManager::getInstance();
    if (summarizing) {
        summarizePicture(display.getPictureCells(), frame_summary);
    }
    if (recording.isOpen()) {
        recording.writeFrame(frame_number, frame_summary);
        if (recording.getFailedFrame() != 0) {
            std::cerr << "vl: the recording could not be written at frame " << frame_number
                      << "; the game goes on unrecorded\n";
        }
    }
    if (replaying) {
        checkReplay();
    }
    frame_input = kNoInput;
    frame_inputs.clear();
    display.presentFrame();
    // Moved on at the frame's end, so that input sent before a frame (by a
    // scripted player) reads the same time as input read within it.
    if (isFrameTimeOn()) {
        advanceFrameTime(frame_ms * 1000);
    }
}

int GameManager::run() {
    // By now a game has loaded its sounds, if it has any.
    dismissAudioQuestion();
    Clock clock(TimeSource::Real);
    while (!finished) {
        clock.restart();
        runFrame();
        const int sleep_ms = sleepMillisecondsAfter(clock.elapsed(), frame_ms);
        if (sleep_ms > 0 && (!replaying || replay_paced)) {
            std::this_thread::sleep_for(std::chrono::milliseconds(sleep_ms));
        }
    }
    // A game that ended by itself must end where its recording does.
    if (replaying) {
        const bool ends_here = replay.readFrame(frame_number + 1, replay_inputs, replay_summary) ==
                               RecordingReader::Step::End;
        endReplay(ends_here || !replay.getProblem().empty()
                      ? replay.getProblem()
                      : divergence(frame_number + 1) + "the game ended, the recording goes on");
    }
    InputManager::getInstance().setInputTap(nullptr);
    const int recorded = finishRecording();
    const bool window_lost = DisplayManager::getInstance().isWindowLost();
    if (window_lost) {
        std::cerr << programName() << ": the window was closed from outside\n";
    }
    return replay_problem.empty() && recorded == 0 && !window_lost ? 0 : -1;
}

int GameManager::startRecording(const std::string& path, const std::string& game_name) {
    const std::uint64_t seed = seedFromClock();
    if (recording.open(path, game_name, seed) != 0) {
        return -1;
    }
    seedRandom(seed);
    setFrameTime(true);
    DisplayManager::getInstance().forgetPictureCells();
    frame_number = 0;
    tapInput();
    return 0;
}

void GameManager::tapInput() {
    InputManager::getInstance().setInputTap([this](const Event& event) {
        frame_input = addInputToChecksum(frame_input, event);
        recording.writeInput(frame_number + 1, event);
        if (replaying && frame_inputs.size() < kMaxInputsPerFrame + 1) {
            frame_inputs.push_back(recordedInput(event));
        }
    });
}

int GameManager::finishRecording() {
    if (recording.getFailedFrame() != 0) {
        return -1;
    }
    if (recording.isOpen() && recording.close(frame_number) != 0) {
        // A recording cut short (a full disk, say) would replay as a bad file.
        std::cerr << "vl: the recording could not be written in full\n";
        return -1;
    }
    return 0;
}

int GameManager::startReplay(const std::string& path, const std::string& game_name, bool paced) {
    replay_problem.clear();
    replay_stop.clear();
    replay_file = path;
    if (replay.open(path, game_name) != 0) {
        replay_problem = replay.getProblem();
        return -1;
    }
    if (replay.hasSeed()) {
        seedRandom(replay.getSeed());
    }
    if (replay.getFormat() < 3) {
        std::cerr << programName() << ": " << path << ": recorded in format " << replay.getFormat()
                  << ", which keeps neither the picture nor the keys and buttons held: the "
                     "replay checks neither\n";
    }
    setFrameTime(true);
    DisplayManager::getInstance().forgetPictureCells();
    frame_number = 0;
    replaying = true;
    replay_paced = paced;
    InputManager::getInstance().setReplaying(true);
    tapInput();
    return 0;
}

bool GameManager::replayInput() {
    const RecordingReader::Step next =
        replay.readFrame(frame_number + 1, replay_inputs, replay_summary);
    if (next != RecordingReader::Step::Frame) {
        endReplay(replay.getProblem());
        return false;
    }
    InputManager& input = InputManager::getInstance();
    input.setHeld(replay.getHeld());
    for (const RecordedInput& recorded : replay_inputs) {
        if (recorded.is_mouse) {
            input.broadcastInput(recorded.mouse);
        } else {
            input.broadcastInput(recorded.keyboard);
        }
    }
    return true;
}

void GameManager::checkReplay() {
    std::string difference = describeInputDifference(frame_inputs, replay_inputs,
                                                     frame_summary.input == replay_summary.input);
    if (difference.empty()) {
        difference = describeWorldDifference(frame_summary, replay_summary);
    }
    if (difference.empty()) {
        difference = describePictureDifference(frame_summary, replay_summary,
                                               DisplayManager::getInstance().getPictureCells());
    }
    if (!difference.empty()) {
        endReplay(divergence(frame_number) + difference);
    }
}

std::string GameManager::divergence(int frame) const {
    return replay_file + ": replay diverges at frame " + std::to_string(frame) + ": ";
}

void GameManager::stopReplay() {
    if (!replaying) {
        return;
    }
    const int recorded = replay.getRecordedFrames();
    replay_stop = "replay stopped at frame " + std::to_string(frame_number) +
                  (recorded >= 0 ? " of " + std::to_string(recorded) : std::string());
    replaying = false;
    InputManager::getInstance().setReplaying(false);
    finished = true;
}

void GameManager::endReplay(const std::string& problem) {
    if (replay_problem.empty()) {
        replay_problem = problem;
    }
    replaying = false;
    InputManager::getInstance().setReplaying(false);
    finished = true;
}

}  // namespace vl
