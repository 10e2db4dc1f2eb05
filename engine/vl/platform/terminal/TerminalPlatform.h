#pragma once

#include <memory>

#include "vl/platform/Platform.h"
#include "vl/platform/terminal/TerminalInput.h"
#include "vl/platform/terminal/TerminalScreen.h"
#include "vl/platform/terminal/TerminalSession.h"

namespace vl {

/// The game in the text terminal on standard input and output, with no window
/// system: the picture drawn as the terminal's own cells, keys and the mouse
/// read from what the terminal sends. Where the terminal speaks the keyboard
/// protocol of CSI u, keys come with their releases; elsewhere a key is held
/// while it repeats (see TerminalInput). Ctrl+C asks to close; a terminal that
/// hangs up is a lost window.
class TerminalPlatform : public Platform {
  public:
    /// How long taking the terminal over waits for its answers to the
    /// keyboard protocol's query and the device attributes query.
    static constexpr int kAnswerMilliseconds = 1000;

    std::string missingSupport() override { return TerminalSession::missingSupport(); }
    /// A terminal has no window: always a null one.
    OpenedWindow openWindow(const WindowRequest&) override { return OpenedWindow(); }
    void setFullscreen(sf::RenderWindow&, bool, const sf::IntRect&) override {}
    void noteWindowEvent(const sf::Event&) override {}
    /// The screen's picture is written cell by cell and never lost.
    bool takePictureLoss() override { return false; }
    bool isHidden() const override { return false; }
    /// Whether Ctrl+C came since the last call.
    bool takeCloseRequest() override;
    /// Whether the terminal hung up or can no longer be written.
    bool isWindowLost() const override { return lost; }
    /// Whether the terminal has the focus: true where it does not report it.
    bool hasFocus() override { return input.hasFocus(); }
    bool takeFocusMove() override { return input.takeFocusMove(); }
    /// The keys and buttons down as of the events handed out; always true.
    bool sampleDevices() override { return true; }
    bool wasKeyDown(Key key) const override;
    bool wasButtonDown(MouseButton button) const override;
    bool presentKeepingBackBuffer(sf::RenderWindow&) override { return false; }

    bool showsCells() const override { return true; }
    /// Takes the terminal over, and asks whether it speaks the keyboard
    /// protocol: when it answers before the device attributes, keys are asked
    /// for with their releases.
    int openCells() override;
    void presentCells(const std::vector<FrameCell>& cells) override;
    bool pollEvent(sf::Event& event) override;
    /// The bytes the frames have written to the terminal so far.
    std::size_t getBytesWritten() const { return bytes_written; }

  private:
    /// Reads what the terminal sent, waiting up to timeout_ms.
    void readTerminal(int timeout_ms);
    /// Takes the terminal's size after it changed.
    void followSize();

    TerminalSession session;
    TerminalInput input;
    TerminalScreen screen;
    bool lost = false;
    std::size_t bytes_written = 0;
};

}  // namespace vl
