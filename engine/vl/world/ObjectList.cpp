#include "vl/world/ObjectList.h"

#include <algorithm>

namespace vl {

ObjectList::ObjectList(const ObjectList& other) : used(other.used) {
    std::copy_n(other.entries.begin(), used, entries.begin());
}

ObjectList& ObjectList::operator=(const ObjectList& other) {
    if (this != &other) {
        used = other.used;
        std::copy_n(other.entries.begin(), used, entries.begin());
    }
    return *this;
}

bool ObjectList::insert(Object* object) {
    if (isFull()) {
        return false;
    }
    entries[static_cast<size_t>(used++)] = object;
    return true;
}

bool ObjectList::remove(Object* object) {
    for (int i = 0; i < used; ++i) {
        if (entries[static_cast<size_t>(i)] == object) {
            for (int j = i; j + 1 < used; ++j) {
                entries[static_cast<size_t>(j)] = entries[static_cast<size_t>(j + 1)];
            }
            --used;
            return true;
        }
    }
    return false;
}

void ObjectList::clear() {
    used = 0;
}

bool ObjectList::contains(const Object* object) const {
    for (int i = 0; i < used; ++i) {
        if (entries[static_cast<size_t>(i)] == object) {
            return true;
        }
    }
    return false;
}

}  // namespace vl
