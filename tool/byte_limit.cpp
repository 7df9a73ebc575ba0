#include "tool/byte_limit.h"

#include <algorithm>
#include <utility>

#include "numeric/cp932_text.h"

namespace morven::tool {
namespace {

constexpr char16_t kFirstFullWidthAscii = u'\uFF01';  // "！"
constexpr char16_t kLastFullWidthAscii = u'\uFF5E';   // "～"
constexpr char16_t kFullWidthOffset = kFirstFullWidthAscii - u'!';

bool IsControl(std::u16string_view character) {
  return character.size() == 1 && (character[0] < 0x20 || character[0] == 0x7F);
}

// One character as the field takes it, with its Shift_JIS bytes; nothing when it is left out.
struct Taken {
  std::u16string character;
  std::size_t bytes = 0;
};

std::optional<Taken> Take(std::u16string_view character, bool halfWidthOnly) {
  if (IsControl(character)) return std::nullopt;
  std::u16string typed(character);
  if (halfWidthOnly && typed.size() == 1 && typed[0] >= kFirstFullWidthAscii &&
      typed[0] <= kLastFullWidthAscii) {
    typed[0] = static_cast<char16_t>(typed[0] - kFullWidthOffset);
  }
  const std::optional<std::string> bytes = numeric::Utf16ToCp932(typed);
  if (!bytes) return std::nullopt;
  return Taken{numeric::Cp932ToUtf16(*bytes), bytes->size()};
}

}  // namespace

FieldRule RuleOf(const ControlSpec& field) {
  return {field.byteLimit > 0 ? static_cast<std::size_t>(field.byteLimit) : 0, !field.inputMethod};
}

std::optional<LimitedEdit> LimitEdit(std::u16string_view text, TextRange replaced,
                                     std::u16string_view inserted, FieldRule rule) {
  const std::size_t start = std::min(replaced.start, text.size());
  const std::size_t end = std::clamp(replaced.end, start, text.size());
  const std::u16string_view before = text.substr(0, start);
  const std::u16string_view after = text.substr(end);

  // What stays counts as the field will write it; it can only be over the limit when the field
  // was filled some other way, and then nothing more fits.
  const std::size_t staying =
      numeric::Utf16ToCp932Dropping(before).size() + numeric::Utf16ToCp932Dropping(after).size();
  std::size_t budget = rule.maxBytes > staying ? rule.maxBytes - staying : 0;

  std::u16string kept;
  const std::u16string_view firstLine = inserted.substr(0, inserted.find_first_of(u"\r\n"));
  for (std::u16string_view rest = firstLine; !rest.empty();) {
    const std::u16string_view character = rest.substr(0, numeric::Utf16CharacterLength(rest));
    rest.remove_prefix(character.size());
    const std::optional<Taken> taken = Take(character, rule.halfWidthOnly);
    if (!taken) continue;
    if (taken->bytes > budget) break;
    kept += taken->character;
    budget -= taken->bytes;
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
