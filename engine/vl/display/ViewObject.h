#pragma once

#include <cstdint>
#include <string>

#include "vl/resources/Color.h"
#include "vl/world/Object.h"

namespace vl {

/// The nine screen places of a value display.
enum ViewLocation : int32_t {
    TopLeft = 0,
    TopCenter = 1,
    TopRight = 2,
    CenterLeft = 3,
    CenterCenter = 4,
    CenterRight = 5,
    BottomLeft = 6,
    BottomCenter = 7,
    BottomRight = 8,
};

/// An on-screen value display: a label and a whole number at one of nine
/// places of the view, optionally framed. Its position is in view coordinates;
/// it never collides, is drawn on the top layer and is drawn in every frame.
class ViewObject : public Object {
  public:
    ViewObject();

    /// The label shown before the value, and the tag value events must carry.
    const std::string& getViewString() const { return view_string; }
    /// Sets the label and the tag this display answers to.
    void setViewString(std::string text) { view_string = std::move(text); }
    /// The number shown.
    int getValue() const { return value; }
    /// Shows new_value from the next draw on.
    void setValue(int new_value) { value = new_value; }
    /// Whether the text is framed (true at construction).
    bool getBorder() const { return border; }
    /// Re-places the display, since a frame moves it one row inward.
    void setBorder(bool new_border);
    /// The screen place: TopCenter at construction.
    ViewLocation getLocation() const { return location; }
    /// A location outside the nine places puts the display at (0, 0).
    void setLocation(ViewLocation new_location);
    /// The colour of the text and frame: White.
    Color getColor() const { return color; }
    /// The text draw centres on the position: the view string, a space and
    /// the value, with a space either side when framed.
    std::string getText() const;

    /// Value events tagged with the view string add to or replace the value.
    int handleEvent(const Event* event) override;
    int draw() override;

  private:
    std::string view_string;
    int value = 0;
    bool border = true;
    Color color = kDefaultColor;
    ViewLocation location = TopCenter;
};

}  // namespace vl
