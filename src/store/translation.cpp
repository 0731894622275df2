#include "store/translation.h"

namespace polkamina::store {

namespace {

Translator playersTranslator = nullptr;

}  // namespace

void setTranslator(Translator translator) { playersTranslator = translator; }

std::string translated(const char* context, const char* source) {
  return playersTranslator != nullptr ? playersTranslator(context, source) : source;
}

std::string filled(const std::string& pattern, const std::vector<std::string>& arguments) {
  std::string result;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const bool isPlace = pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' &&
                         pattern[i + 1] <= '9';
    const std::size_t argument = isPlace ? static_cast<std::size_t>(pattern[i + 1] - '1') : 0;
    if (isPlace && argument < arguments.size()) {
      result += arguments[argument];
      ++i;
    } else {
      result += pattern[i];
    }
  }
  return result;
}

}  // namespace polkamina::store
