#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace morven::host {

// Writes one compact JSON document; commas between members and elements come by themselves.
// Texts must be UTF-8. Numbers are written in the general number text.
class JsonWriter {
 public:
  explicit JsonWriter(std::ostream& out) : out_(out) {}

  void BeginObject();
  void EndObject();
  void BeginArray();
  void EndArray();
  void Key(std::string_view key);
  void String(std::string_view utf8);
  void Number(double value);
  void Integer(std::int64_t value);
  void Bool(bool value);

  // Key followed by its value.
  void Member(std::string_view key, std::string_view utf8) {
    Key(key);
    String(utf8);
  }
  void Member(std::string_view key, const char* utf8) {
    Key(key);
    String(utf8);
  }
  void Member(std::string_view key, double value) {
    Key(key);
    Number(value);
  }
  void Member(std::string_view key, std::int32_t value) {
    Key(key);
    Integer(value);
  }
  void Member(std::string_view key, std::size_t value) {
    Key(key);
    Integer(static_cast<std::int64_t>(value));
  }
  void Member(std::string_view key, bool value) {
    Key(key);
    Bool(value);
  }

 private:
  void BeforeValue();

  std::ostream& out_;
  std::vector<bool> hasMembers_;
  bool afterKey_ = false;
};

// The text as the inside of a JSON string: quote, backslash and control characters escaped.
std::string JsonEscape(std::string_view utf8);

}  // namespace morven::host
