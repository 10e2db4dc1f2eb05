#pragma once

#include <istream>
#include <memory>
#include <string>

#include "vl/resources/Color.h"
#include "vl/resources/Frame.h"
#include "vl/resources/ProblemList.h"
#include "vl/resources/Sprite.h"

namespace vl {

/// Keys and markers of the sprite file format.
inline constexpr char kFramesKey[] = "frames";
inline constexpr char kWidthKey[] = "width";
inline constexpr char kHeightKey[] = "height";
inline constexpr char kColorKey[] = "color";
inline constexpr char kSlowdownKey[] = "slowdown";
inline constexpr char kFrameEnd[] = "end";
inline constexpr char kFileEnd[] = "eof";

/// One header line, or the empty text when it is missing or holds only the key.
std::string readKeyLine(std::istream& in, const std::string& key);
/// The number of one header line, or -1 when the line is missing.
int readKeyNumber(std::istream& in, const std::string& key);
/// One frame block of height rows of width characters closed by "end", or the
/// empty frame when the block is bad.
Frame parseFrame(std::istream& in, int width, int height);
/// The colour a sprite file names; White for any other name.
Color colorFromName(const std::string& name);

/// Reads a whole sprite file: its header, then frame blocks to the end of the
/// file. Null when a numeric header line is missing. The caller owns the sprite.
std::unique_ptr<Sprite> readSprite(std::istream& in);
/// The same sprite, and every way the file departs from the format added to
/// problems with the line to mend. A file that departs from it in no way adds
/// nothing.
std::unique_ptr<Sprite> readSprite(std::istream& in, ProblemList& problems);
/// Reads the sprite file named file_name like readSprite; a file that cannot
/// be opened yields null and one problem of the whole file. The file is closed
/// on return.
std::unique_ptr<Sprite> readSpriteFile(const std::string& file_name, ProblemList& problems);

}  // namespace vl
