#pragma once

#include <array>

#include "vl/platform/Platform.h"

namespace vl {

/// The platform through the window library alone, for any system it runs on.
/// It cannot tell the work area or the window manager's frame (the window is
/// centred on the desktop), whether the picture was lost or is hidden (every
/// frame is drawn), or a window destroyed from outside; fullscreen is a window
/// moved and sized to cover the desktop; presenting always swaps.
class PortablePlatform : public Platform {
  public:
    /// Empty, except where the window library would end the program for want
    /// of a display server it needs: on Linux, without DISPLAY.
    std::string missingSupport() override;
    OpenedWindow openWindow(const WindowRequest& request) override;
    void setFullscreen(sf::RenderWindow& window, bool on, const sf::IntRect& area) override;
    void noteWindowEvent(const sf::Event& event) override;
    bool takePictureLoss() override { return true; }
    bool isHidden() const override { return false; }
    bool takeCloseRequest() override;
    bool isWindowLost() const override { return false; }
    bool hasFocus() override { return focused; }
    bool takeFocusMove() override;
    bool sampleDevices() override;
    bool wasKeyDown(Key key) const override;
    bool wasButtonDown(MouseButton button) const override;
    bool presentKeepingBackBuffer(sf::RenderWindow&) override { return false; }

  private:
    bool close_requested = false;
    bool focused = true;
    bool focus_moved = false;
    /// Indexed by the engine's key and button values.
    std::array<bool, 72> keys_down{};
    std::array<bool, 3> buttons_down{};
};

}  // namespace vl
