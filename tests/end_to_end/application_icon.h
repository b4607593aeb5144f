#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace end_to_end {

// One picture of an executable's application icon, as stored in its
// resources: Windows shows the first icon group as the file's icon.
struct IconPicture {
  int width = 0;
  int height = 0;
  int bitsPerPixel = 0;
  // Rows from the top; 0x00RRGGBB, or nothing where the mask makes it transparent.
  std::vector<std::vector<std::optional<std::uint32_t>>> rows;
};

// The application icon's picture of the given size, or a text that says why
// there is none.
struct IconLookup {
  std::optional<IconPicture> picture;
  std::string problem;
};
IconLookup applicationIconPicture(const std::filesystem::path& executable, int size);

}  // namespace end_to_end
