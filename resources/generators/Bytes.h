#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace ResGen {

// A file image built field by field. The bitmap, icon and wave formats all
// store their numbers little-endian, whatever the machine that builds them.
class Bytes {
public:
    void U8(uint32_t value) { data_.push_back(static_cast<uint8_t>(value)); }
    void U16(uint32_t value) {
        U8(value);
        U8(value >> 8);
    }
    void U32(uint32_t value) {
        U16(value);
        U16(value >> 16);
    }
    void Chars(std::string_view characters) {
        for (char c : characters)
            U8(static_cast<uint8_t>(c));
    }
    void Append(const std::vector<uint8_t>& bytes) {
        data_.insert(data_.end(), bytes.begin(), bytes.end());
    }
    std::size_t Size() const { return data_.size(); }
    const std::vector<uint8_t>& Data() const { return data_; }

private:
    std::vector<uint8_t> data_;
};

} // namespace ResGen
