#include "vl/display/presentKeepingBackBuffer.h"

#include <GL/glx.h>

#include <cstring>

namespace vl {

namespace {

using CopySubBuffer = void (*)(Display*, GLXDrawable, int, int, int, int);

// Whether the space-separated list names the extension, whole.
bool listsExtension(const char* list, const char* name) {
    const std::size_t length = std::strlen(name);
    for (const char* at = std::strstr(list, name); at != nullptr; at = std::strstr(at + 1, name)) {
        const bool starts = at == list || at[-1] == ' ';
        const bool ends = at[length] == ' ' || at[length] == '\0';
        if (starts && ends) {
            return true;
        }
    }
    return false;
}

CopySubBuffer findCopySubBuffer(Display* display) {
    const char* extensions = glXQueryExtensionsString(display, DefaultScreen(display));
    if (extensions == nullptr || !listsExtension(extensions, "GLX_MESA_copy_sub_buffer")) {
        return nullptr;
    }
    return reinterpret_cast<CopySubBuffer>(
        glXGetProcAddressARB(reinterpret_cast<const GLubyte*>("glXCopySubBufferMESA")));
}

}  // namespace

bool presentKeepingBackBuffer(sf::RenderWindow& window) {
    if (!window.setActive(true)) {
        return false;
    }
    Display* display = glXGetCurrentDisplay();
    const GLXDrawable drawable = glXGetCurrentDrawable();
    if (display == nullptr || drawable == None) {
        return false;
    }
    // The window library draws every window through one X connection.
    static const CopySubBuffer copy_sub_buffer = findCopySubBuffer(display);
    if (copy_sub_buffer == nullptr) {
        return false;
    }
    const sf::Vector2u size = window.getSize();
    copy_sub_buffer(display, drawable, 0, 0, static_cast<int>(size.x), static_cast<int>(size.y));
    return true;
}

}  // namespace vl
