#include "tool/byte_limit.h"

#include <algorithm>
#include <utility>

#include "numeric/cp932_text.h"

namespace morven::tool {

std::optional<LimitedEdit> LimitEdit(std::u16string_view text, TextRange replaced,
                                     std::u16string_view inserted, std::size_t maxBytes) {
  const std::size_t start = std::min(replaced.start, text.size());
  const std::size_t end = std::clamp(replaced.end, start, text.size());
  const std::u16string_view before = text.substr(0, start);
  const std::u16string_view after = text.substr(end);

  // What stays counts as the field will write it; it can only be over the limit when the field
  // was filled some other way, and then nothing more fits.
  const std::size_t staying =
      numeric::Utf16ToCp932Dropping(before).size() + numeric::Utf16ToCp932Dropping(after).size();
  std::size_t budget = maxBytes > staying ? maxBytes - staying : 0;

  std::u16string kept;
  for (std::u16string_view rest = inserted; !rest.empty();) {
    const std::u16string_view character = rest.substr(0, numeric::Utf16CharacterLength(rest));
    rest.remove_prefix(character.size());
    const std::optional<std::string> bytes = numeric::Utf16ToCp932(character);
    if (!bytes) continue;
    if (bytes->size() > budget) break;
    kept += character;
    budget -= bytes->size();
  }
  if (kept.empty() && !inserted.empty()) return std::nullopt;

  LimitedEdit edit;
  edit.text.reserve(before.size() + kept.size() + after.size());
  edit.text.append(before).append(kept).append(after);
  edit.caret = start + kept.size();
  edit.inserted = std::move(kept);
  return edit;
}

}  // namespace morven::tool
