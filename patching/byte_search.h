#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace patching {

// The lowest offset at which the needle occurs in the haystack, byte for byte.
// An empty needle is never found: there is nothing to replace.
std::optional<std::size_t> findFirst(std::span<const std::uint8_t> haystack,
                                     std::span<const std::uint8_t> needle);

}  // namespace patching
