#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace polkamina::store {

// One field of a delimited line: a text (written quoted) or a whole number.
using Field = std::variant<std::string, std::int16_t>;

// A delimited line in UTF-8: fields separated by commas, texts in double
// quotes, numbers in plain decimal, then CR LF.
std::string delimitedLine(const std::vector<Field>& fields);

// The shortest decimal form of a single-precision number with at most seven
// significant digits and no trailing zeros: 0.5, 1, 1.5. The settings window
// shows delays in this form.
std::string shortestDecimal(float value);

// A printed number line: the sign position (a blank, or "-"), the number in
// shortest decimal form without a zero before the point (" .5"), one trailing
// blank, CR LF.
std::string printedNumberLine(float value);

}  // namespace polkamina::store
