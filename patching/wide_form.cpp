#include "patching/wide_form.h"

namespace patching {

std::expected<std::u16string, WideFormError> WideForm(std::u16string_view text) {
  if (text.size() >= kWideFormLimit) return std::unexpected(WideFormError::TextTooLong);
  std::u16string wide;
  wide.reserve(2 * text.size());
  for (char16_t character : text) {
    wide.push_back(character);
    wide.push_back(u'\0');
  }
  return wide;
}

}  // namespace patching
