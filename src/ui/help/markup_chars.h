#pragma once

#include <QChar>

// The characters HTML and CSS are written in, as both cleaners read them:
// ASCII only, whatever the locale.
namespace polkamina::help {

inline bool isAsciiLetter(QChar c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }
inline bool isAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }
inline bool isHexDigit(QChar c) {
  return isAsciiDigit(c) || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}
// Letters, digits, "-" and "_": what a CSS name is made of.
inline bool isNameChar(QChar c) {
  return isAsciiLetter(c) || isAsciiDigit(c) || c == u'-' || c == u'_';
}
inline bool isHtmlSpace(QChar c) {
  return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
}

}  // namespace polkamina::help
