#include "store/line_writer.h"

#include <charconv>

namespace polkamina::store {

namespace {

const char* const kLineEnd = "\r\n";

// The shortest form with at most seven significant digits, exponent marker in
// capitals. std::to_chars writes as printf's "%.7g" does, with no trailing
// zeros in the fraction, and does not follow the locale, so a file never gets
// a decimal comma.
std::string sevenDigits(float value) {
  char buffer[32];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 7);
  std::string text(buffer, result.ptr);
  std::size_t exponent = text.find('e');
  std::string mantissa = text.substr(0, exponent);
  std::string tail = exponent == std::string::npos ? "" : "E" + text.substr(exponent + 1);
  if (mantissa == "-0") mantissa = "0";
  return mantissa + tail;
}

}  // namespace

std::string delimitedLine(const std::vector<Field>& fields) {
  std::string line;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) line += ',';
    if (const auto* text = std::get_if<std::string>(&fields[i])) {
      line += '"' + *text + '"';
    } else {
      line += std::to_string(std::get<std::int16_t>(fields[i]));
    }
  }
  return line + kLineEnd;
}

std::string shortestDecimal(float value) { return sevenDigits(value); }

std::string printedNumberLine(float value) {
  std::string digits = sevenDigits(value);
  std::string sign = " ";
  if (digits.front() == '-') {
    sign = "-";
    digits.erase(0, 1);
  }
  if (digits.size() > 1 && digits[0] == '0' && digits[1] == '.') digits.erase(0, 1);
  return sign + digits + " " + kLineEnd;
}

}  // namespace polkamina::store
