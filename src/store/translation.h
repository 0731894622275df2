#pragma once

#include <string>
#include <vector>

namespace polkamina::store {

// The texts the core makes for the player, in the player's language. The
// Japanese texts are the source; the window layer sets a translator at
// start-up, and without one (the core's tests, a program without windows)
// every text stays the Japanese source.

// Gives the text for source in the player's language; nullptr leaves every
// text the source.
using Translator = std::string (*)(const char* context, const char* source);
void setTranslator(Translator translator);

// source in the player's language. The translation tools collect every call
// by its name, so context and source are string literals.
std::string translated(const char* context, const char* source);

// Marks a text of a table for the translation tools; the place that shows it
// translates it with the same context.
constexpr const char* untranslated(const char* /*context*/, const char* source) { return source; }

// pattern with each %1 ... %9 replaced by that argument, in one pass, so an
// argument that holds "%2" stays as it is.
std::string filled(const std::string& pattern, const std::vector<std::string>& arguments);

}  // namespace polkamina::store
