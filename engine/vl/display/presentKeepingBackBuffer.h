#pragma once

#include <SFML/Graphics/RenderWindow.hpp>

namespace vl {

/// Shows what the window's back buffer holds in the window and leaves the back
/// buffer as it was, where a swap leaves it undefined: a still picture can then
/// be shown again without being drawn again. Needs the GL driver's
/// GLX_MESA_copy_sub_buffer; false, with nothing done, without it.
bool presentKeepingBackBuffer(sf::RenderWindow& window);

}  // namespace vl
