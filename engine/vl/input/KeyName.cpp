#include "vl/input/KeyName.h"

namespace vl {

const KeyName* findKeyName(Key key) {
    const auto index = static_cast<std::size_t>(static_cast<int32_t>(key));
    return key != Key::Undefined && index < kKeyNames.size() ? &kKeyNames[index] : nullptr;
}

}  // namespace vl
