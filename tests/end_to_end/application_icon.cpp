#include "application_icon.h"

#include <windows.h>

#include <cstring>

#include "win32_handles.h"

namespace end_to_end {
namespace {

#pragma pack(push, 2)
struct GroupIconEntry {
  BYTE width;
  BYTE height;
  BYTE colourCount;
  BYTE reserved;
  WORD planes;
  WORD bitCount;
  DWORD bytesInResource;
  WORD iconId;
};
struct GroupIconHeader {
  WORD reserved;
  WORD type;
  WORD count;
};
#pragma pack(pop)

struct ResourceBytes {
  const BYTE* data = nullptr;
  DWORD size = 0;
};

ResourceBytes resourceBytes(HMODULE module, LPCWSTR name, LPCWSTR type) {
  HRSRC found = FindResourceW(module, name, type);
  if (found == nullptr) return {};
  HGLOBAL loaded = LoadResource(module, found);
  if (loaded == nullptr) return {};
  return {static_cast<const BYTE*>(LockResource(loaded)), SizeofResource(module, found)};
}

// A resource is named by a number or a text; a text name lives only as long
// as the enumeration, so it is copied.
struct ResourceName {
  std::optional<WORD> number;
  std::wstring text;

  LPCWSTR get() const { return number ? MAKEINTRESOURCEW(*number) : text.c_str(); }
};

std::optional<ResourceName> firstIconGroup(HMODULE module) {
  std::optional<ResourceName> first;
  EnumResourceNamesW(
      module, MAKEINTRESOURCEW(14) /* RT_GROUP_ICON */,
      [](HMODULE, LPCWSTR, LPWSTR name, LONG_PTR context) -> BOOL {
        auto& found = *reinterpret_cast<std::optional<ResourceName>*>(context);
        if (IS_INTRESOURCE(name)) {
          found = ResourceName{static_cast<WORD>(reinterpret_cast<ULONG_PTR>(name)), {}};
        } else {
          found = ResourceName{std::nullopt, name};
        }
        return FALSE;
      },
      reinterpret_cast<LONG_PTR>(&first));
  return first;
}

// A device-independent bitmap of the colours followed by the mask, both
// upside down, the bitmap header counting both in its height.
IconLookup decodeIcon(ResourceBytes icon) {
  BITMAPINFOHEADER header;
  if (icon.size < sizeof header) return {std::nullopt, "the icon is too short"};
  std::memcpy(&header, icon.data, sizeof header);
  IconPicture picture{header.biWidth, header.biHeight / 2, header.biBitCount, {}};
  if (header.biBitCount > 8) return {picture, ""};  // only the size and depth to compare
  const auto* palette = reinterpret_cast<const RGBQUAD*>(icon.data + header.biSize);
  const BYTE* colours = icon.data + header.biSize + (std::size_t{1} << header.biBitCount) * 4;
  const std::size_t colourStride = ((picture.width * header.biBitCount + 31) / 32) * 4;
  const BYTE* mask = colours + colourStride * picture.height;
  const std::size_t maskStride = ((picture.width + 31) / 32) * 4;
  if (mask + maskStride * picture.height > icon.data + icon.size) {
    return {std::nullopt, "the icon's bitmap is cut short"};
  }
  const int perByte = 8 / header.biBitCount;
  for (int y = 0; y < picture.height; ++y) {
    const int storedRow = picture.height - 1 - y;
    std::vector<std::optional<std::uint32_t>> row;
    for (int x = 0; x < picture.width; ++x) {
      const bool transparent = (mask[storedRow * maskStride + x / 8] >> (7 - x % 8)) & 1;
      const BYTE packed = colours[storedRow * colourStride + x / perByte];
      const int shift = (perByte - 1 - x % perByte) * header.biBitCount;
      const RGBQUAD colour = palette[(packed >> shift) & ((1 << header.biBitCount) - 1)];
      if (transparent) {
        row.push_back(std::nullopt);
      } else {
        row.push_back((std::uint32_t{colour.rgbRed} << 16) | (std::uint32_t{colour.rgbGreen} << 8) |
                      colour.rgbBlue);
      }
    }
    picture.rows.push_back(std::move(row));
  }
  return {picture, ""};
}

}  // namespace

IconLookup applicationIconPicture(const std::filesystem::path& executable, int size) {
  const UniqueModule module(LoadLibraryExW(
      executable.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
  if (!module) return {std::nullopt, "cannot load the executable's resources"};
  const std::optional<ResourceName> group = firstIconGroup(module.get());
  if (!group) return {std::nullopt, "the executable has no icon"};
  const ResourceBytes directory = resourceBytes(module.get(), group->get(), MAKEINTRESOURCEW(14));
  if (directory.size < sizeof(GroupIconHeader)) return {std::nullopt, "broken icon group"};
  GroupIconHeader header;
  std::memcpy(&header, directory.data, sizeof header);
  for (WORD i = 0; i < header.count; ++i) {
    GroupIconEntry entry;
    const std::size_t offset = sizeof header + i * sizeof entry;
    if (offset + sizeof entry > directory.size) break;
    std::memcpy(&entry, directory.data + offset, sizeof entry);
    if (entry.width != size || entry.height != size) continue;
    return decodeIcon(resourceBytes(module.get(), MAKEINTRESOURCEW(entry.iconId),
                                    MAKEINTRESOURCEW(3) /* RT_ICON */));
  }
  return {std::nullopt, "the application icon has no picture of that size"};
}

}  // namespace end_to_end
