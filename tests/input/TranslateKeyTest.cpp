#include <gtest/gtest.h>

#include <map>

#include <vl/vl.h>

namespace {

using sf::Keyboard;
using vl::Key;

// Every SFML key the engine knows; all others give Undefined.
const std::map<int, Key> kEngineKeys = {
    {Keyboard::Space, Key::Space},
    {Keyboard::Enter, Key::Enter},
    {Keyboard::Escape, Key::Escape},
    {Keyboard::Tab, Key::Tab},
    {Keyboard::Left, Key::ArrowLeft},
    {Keyboard::Right, Key::ArrowRight},
    {Keyboard::Up, Key::ArrowUp},
    {Keyboard::Down, Key::ArrowDown},
    {Keyboard::Pause, Key::Pause},
    {Keyboard::Hyphen, Key::Hyphen},
    {Keyboard::Equal, Key::Equal},
    {Keyboard::Tilde, Key::Tilde},
    {Keyboard::Period, Key::Period},
    {Keyboard::Comma, Key::Comma},
    {Keyboard::Slash, Key::Slash},
    {Keyboard::Backslash, Key::Backslash},
    {Keyboard::Multiply, Key::Multiply},
    {Keyboard::Quote, Key::Quote},
    {Keyboard::Semicolon, Key::Semicolon},
    {Keyboard::LControl, Key::LControl},
    {Keyboard::RControl, Key::RControl},
    {Keyboard::LShift, Key::LShift},
    {Keyboard::RShift, Key::RShift},
    {Keyboard::F1, Key::F1},
    {Keyboard::F2, Key::F2},
    {Keyboard::F3, Key::F3},
    {Keyboard::F4, Key::F4},
    {Keyboard::F5, Key::F5},
    {Keyboard::F6, Key::F6},
    {Keyboard::F7, Key::F7},
    {Keyboard::F8, Key::F8},
    {Keyboard::F9, Key::F9},
    {Keyboard::F10, Key::F10},
    {Keyboard::F11, Key::F11},
    {Keyboard::F12, Key::F12},
    {Keyboard::A, Key::A},
    {Keyboard::B, Key::B},
    {Keyboard::C, Key::C},
    {Keyboard::D, Key::D},
    {Keyboard::E, Key::E},
    {Keyboard::F, Key::F},
    {Keyboard::G, Key::G},
    {Keyboard::H, Key::H},
    {Keyboard::I, Key::I},
    {Keyboard::J, Key::J},
    {Keyboard::K, Key::K},
    {Keyboard::L, Key::L},
    {Keyboard::M, Key::M},
    {Keyboard::N, Key::N},
    {Keyboard::O, Key::O},
    {Keyboard::P, Key::P},
    {Keyboard::Q, Key::Q},
    {Keyboard::R, Key::R},
    {Keyboard::S, Key::S},
    {Keyboard::T, Key::T},
    {Keyboard::U, Key::U},
    {Keyboard::V, Key::V},
    {Keyboard::W, Key::W},
    {Keyboard::X, Key::X},
    {Keyboard::Y, Key::Y},
    {Keyboard::Z, Key::Z},
    {Keyboard::Num1, Key::Num1},
    {Keyboard::Num2, Key::Num2},
    {Keyboard::Num3, Key::Num3},
    {Keyboard::Num4, Key::Num4},
    {Keyboard::Num5, Key::Num5},
    {Keyboard::Num6, Key::Num6},
    {Keyboard::Num7, Key::Num7},
    {Keyboard::Num8, Key::Num8},
    {Keyboard::Num9, Key::Num9},
    {Keyboard::Num0, Key::Num0},
    {Keyboard::Backspace, Key::Backspace},
};

int translated(int code) {
    return static_cast<int>(vl::translateKey(static_cast<Keyboard::Key>(code)));
}

}  // namespace

TEST(TranslateKey, MapsEveryCodeThroughTheKeyTable) {
    // The table's values as the game relies on them.
    ASSERT_EQ(kEngineKeys.size(), 72u);
    for (int value = 0; value <= 71; ++value) {
        int found = 0;
        for (const auto& entry : kEngineKeys) {
            found += static_cast<int>(entry.second) == value ? 1 : 0;
        }
        EXPECT_EQ(found, 1) << "engine key " << value;
    }
    EXPECT_EQ(translated(Keyboard::A), 35);
    EXPECT_EQ(translated(Keyboard::D), 38);
    EXPECT_EQ(translated(Keyboard::P), 50);
    EXPECT_EQ(translated(Keyboard::S), 53);
    EXPECT_EQ(translated(Keyboard::W), 57);
    EXPECT_EQ(translated(Keyboard::Num1), 61);
    EXPECT_EQ(translated(Keyboard::Num9), 69);
    EXPECT_EQ(translated(Keyboard::Num0), 70);
    EXPECT_EQ(translated(Keyboard::Backspace), 71);

    for (int code = 0; code <= 100; ++code) {
        const auto entry = kEngineKeys.find(code);
        const Key expected = entry == kEngineKeys.end() ? Key::Undefined : entry->second;
        EXPECT_EQ(translated(code), static_cast<int>(expected)) << "SFML key " << code;
    }
}

TEST(TranslateKey, KeysTheEngineLacksAreUndefined) {
    for (const int code :
         {Keyboard::LAlt,     Keyboard::LSystem,  Keyboard::RAlt,     Keyboard::RSystem,
          Keyboard::Menu,     Keyboard::LBracket, Keyboard::RBracket, Keyboard::PageUp,
          Keyboard::PageDown, Keyboard::End,      Keyboard::Home,     Keyboard::Insert,
          Keyboard::Delete,   Keyboard::Add,      Keyboard::Subtract, Keyboard::Divide,
          Keyboard::Numpad0,  Keyboard::Numpad5,  Keyboard::Numpad9,  Keyboard::F13,
          Keyboard::F14,      Keyboard::F15}) {
        EXPECT_EQ(translated(code), -1) << "SFML key " << code;
    }
    for (const int code : {-1, -2, 101, 102, 127, -128}) {
        EXPECT_EQ(translated(code), -1) << "code " << code;
    }
}
