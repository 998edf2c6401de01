#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

namespace fuzz {

// Takes a fuzz input apart from the front. Whatever is missing at the end reads as zero
// or as no text, so every input, however short, is a valid one.
class InputReader {
public:
    InputReader(const std::uint8_t* data, std::size_t size)
        : m_rest(reinterpret_cast<const char*>(data), size) {}

    std::uint8_t byte() {
        std::uint8_t value = 0;
        take(&value, sizeof value);
        return value;
    }

    std::int32_t int32() {
        std::int32_t value = 0;
        take(&value, sizeof value);
        return value;
    }

    // The rest of the input, cut at every line break.
    std::vector<std::string_view> lines() {
        std::vector<std::string_view> result;
        while (!m_rest.empty()) {
            const std::size_t end = m_rest.find('\n');
            result.push_back(m_rest.substr(0, end));
            m_rest.remove_prefix(end == std::string_view::npos ? m_rest.size() : end + 1);
        }
        return result;
    }

private:
    void take(void* target, std::size_t count) {
        const std::size_t available = count < m_rest.size() ? count : m_rest.size();
        if (available > 0) {
            std::memcpy(target, m_rest.data(), available);
            m_rest.remove_prefix(available);
        }
    }

    std::string_view m_rest;
};

} // namespace fuzz
