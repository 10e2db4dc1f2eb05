#pragma once

#include <SFML/Window/Keyboard.hpp>
#include <array>

#include "vl/input/EventKeyboard.h"
#include "vl/input/HeldInput.h"

namespace vl {

/// One key the engine knows, with the window library's key it comes from and
/// the X key symbol its cap carries in the default layout (the number X11's
/// keysymdef gives it), so that the keys are listed once for every platform.
struct KeyName {
    Key key;                   ///< the engine's key
    sf::Keyboard::Key sf_key;  ///< the window library's key it comes from
    unsigned long x_symbol;    ///< the X key symbol of its cap
};

/// Every key the engine knows: Key's values 0 to 71, in order.
inline constexpr std::array<KeyName, kKeyCount> kKeyNames = {{
    {Key::Space, sf::Keyboard::Space, 0x20},
    {Key::Enter, sf::Keyboard::Enter, 0xff0d},
    {Key::Escape, sf::Keyboard::Escape, 0xff1b},
    {Key::Tab, sf::Keyboard::Tab, 0xff09},
    {Key::ArrowLeft, sf::Keyboard::Left, 0xff51},
    {Key::ArrowRight, sf::Keyboard::Right, 0xff53},
    {Key::ArrowUp, sf::Keyboard::Up, 0xff52},
    {Key::ArrowDown, sf::Keyboard::Down, 0xff54},
    {Key::Pause, sf::Keyboard::Pause, 0xff13},
    {Key::Hyphen, sf::Keyboard::Hyphen, 0x2d},
    {Key::Equal, sf::Keyboard::Equal, 0x3d},
    {Key::Tilde, sf::Keyboard::Tilde, 0x60},
    {Key::Period, sf::Keyboard::Period, 0x2e},
    {Key::Comma, sf::Keyboard::Comma, 0x2c},
    {Key::Slash, sf::Keyboard::Slash, 0x2f},
    {Key::Backslash, sf::Keyboard::Backslash, 0x5c},
    {Key::Multiply, sf::Keyboard::Multiply, 0xffaa},
    {Key::Quote, sf::Keyboard::Quote, 0x27},
    {Key::Semicolon, sf::Keyboard::Semicolon, 0x3b},
    {Key::LControl, sf::Keyboard::LControl, 0xffe3},
    {Key::RControl, sf::Keyboard::RControl, 0xffe4},
    {Key::LShift, sf::Keyboard::LShift, 0xffe1},
    {Key::RShift, sf::Keyboard::RShift, 0xffe2},
    {Key::F1, sf::Keyboard::F1, 0xffbe},
    {Key::F2, sf::Keyboard::F2, 0xffbf},
    {Key::F3, sf::Keyboard::F3, 0xffc0},
    {Key::F4, sf::Keyboard::F4, 0xffc1},
    {Key::F5, sf::Keyboard::F5, 0xffc2},
    {Key::F6, sf::Keyboard::F6, 0xffc3},
    {Key::F7, sf::Keyboard::F7, 0xffc4},
    {Key::F8, sf::Keyboard::F8, 0xffc5},
    {Key::F9, sf::Keyboard::F9, 0xffc6},
    {Key::F10, sf::Keyboard::F10, 0xffc7},
    {Key::F11, sf::Keyboard::F11, 0xffc8},
    {Key::F12, sf::Keyboard::F12, 0xffc9},
    {Key::A, sf::Keyboard::A, 0x61},
    {Key::B, sf::Keyboard::B, 0x62},
    {Key::C, sf::Keyboard::C, 0x63},
    {Key::D, sf::Keyboard::D, 0x64},
    {Key::E, sf::Keyboard::E, 0x65},
    {Key::F, sf::Keyboard::F, 0x66},
    {Key::G, sf::Keyboard::G, 0x67},
    {Key::H, sf::Keyboard::H, 0x68},
    {Key::I, sf::Keyboard::I, 0x69},
    {Key::J, sf::Keyboard::J, 0x6a},
    {Key::K, sf::Keyboard::K, 0x6b},
    {Key::L, sf::Keyboard::L, 0x6c},
    {Key::M, sf::Keyboard::M, 0x6d},
    {Key::N, sf::Keyboard::N, 0x6e},
    {Key::O, sf::Keyboard::O, 0x6f},
    {Key::P, sf::Keyboard::P, 0x70},
    {Key::Q, sf::Keyboard::Q, 0x71},
    {Key::R, sf::Keyboard::R, 0x72},
    {Key::S, sf::Keyboard::S, 0x73},
    {Key::T, sf::Keyboard::T, 0x74},
    {Key::U, sf::Keyboard::U, 0x75},
    {Key::V, sf::Keyboard::V, 0x76},
    {Key::W, sf::Keyboard::W, 0x77},
    {Key::X, sf::Keyboard::X, 0x78},
    {Key::Y, sf::Keyboard::Y, 0x79},
    {Key::Z, sf::Keyboard::Z, 0x7a},
    {Key::Num1, sf::Keyboard::Num1, 0x31},
    {Key::Num2, sf::Keyboard::Num2, 0x32},
    {Key::Num3, sf::Keyboard::Num3, 0x33},
    {Key::Num4, sf::Keyboard::Num4, 0x34},
    {Key::Num5, sf::Keyboard::Num5, 0x35},
    {Key::Num6, sf::Keyboard::Num6, 0x36},
    {Key::Num7, sf::Keyboard::Num7, 0x37},
    {Key::Num8, sf::Keyboard::Num8, 0x38},
    {Key::Num9, sf::Keyboard::Num9, 0x39},
    {Key::Num0, sf::Keyboard::Num0, 0x30},
    {Key::Backspace, sf::Keyboard::Backspace, 0xff08},
}};

/// Whether entry i of the table is the key of value i: the table is indexed by key.
constexpr bool isIndexedByKey() {
    for (std::size_t i = 0; i < kKeyNames.size(); ++i) {
        if (static_cast<std::size_t>(kKeyNames[i].key) != i) {
            return false;
        }
    }
    return true;
}
static_assert(isIndexedByKey(), "kKeyNames lists the keys in the order of their values");

/// The entry of a key the engine knows; null for Undefined and values outside
/// the engine's keys.
const KeyName* findKeyName(Key key);

}  // namespace vl
