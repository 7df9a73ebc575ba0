#include "host/json_writer.h"

#include <cstdio>
#include <ostream>

#include "numeric/number_text.h"

namespace morven::host {

std::string JsonEscape(std::string_view utf8) {
  std::string out;
  for (char ch : utf8) {
    const auto c = static_cast<unsigned char>(ch);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += ch;
    } else if (c < 0x20) {
      char buffer[8];
      std::snprintf(buffer, sizeof buffer, "\\u%04x", c);
      out += buffer;
    } else {
      out += ch;
    }
  }
  return out;
}

void JsonWriter::BeforeValue() {
  if (afterKey_) {
    afterKey_ = false;
    return;
  }
  if (!hasMembers_.empty()) {
    if (hasMembers_.back()) out_ << ',';
    hasMembers_.back() = true;
  }
}

void JsonWriter::BeginObject() {
  BeforeValue();
  out_ << '{';
  hasMembers_.push_back(false);
}

void JsonWriter::EndObject() {
  hasMembers_.pop_back();
  out_ << '}';
}

void JsonWriter::BeginArray() {
  BeforeValue();
  out_ << '[';
  hasMembers_.push_back(false);
}

void JsonWriter::EndArray() {
  hasMembers_.pop_back();
  out_ << ']';
}

void JsonWriter::Key(std::string_view key) {
  BeforeValue();
  out_ << '"' << JsonEscape(key) << "\":";
  afterKey_ = true;
}

void JsonWriter::String(std::string_view utf8) {
  BeforeValue();
  out_ << '"' << JsonEscape(utf8) << '"';
}

void JsonWriter::Number(double value) {
  BeforeValue();
  out_ << numeric::GeneralNumberText(value);
}

void JsonWriter::Integer(std::int64_t value) {
  BeforeValue();
  out_ << value;
}

void JsonWriter::Bool(bool value) {
  BeforeValue();
  out_ << (value ? "true" : "false");
}

}  // namespace morven::host
