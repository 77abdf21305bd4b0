#pragma once
#include <cstdint>

namespace php {

// Entry of a symbol table's name maps. Bit 0: private, bit 1: protected,
// both clear: public; bit 2: static.
template <typename T>
class AccessInfo {
public:
    uint8_t accessFlags = 0;
    T* item = nullptr;

    AccessInfo() = default;
    explicit AccessInfo(T* item) : accessFlags(0), item(item) {}

    static constexpr uint8_t Private = 1;
    static constexpr uint8_t Protected = 2;
    static constexpr uint8_t Static = 4;

    bool isPublic() const { return (accessFlags & (Private | Protected)) == 0; }
    bool isStatic() const { return (accessFlags & Static) != 0; }
};

}  // namespace php
