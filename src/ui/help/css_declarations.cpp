#include "ui/help/css_declarations.h"

#include <QStringList>
#include <map>
#include <optional>

#include "ui/help/css_scanner.h"
#include "ui/help/help_urls.h"
#include "ui/help/markup_chars.h"
#include "ui/help/page_limits.h"

namespace polkamina::help {

namespace {

constexpr qsizetype kMaxValueLength = 256;
constexpr double kPixelsPerPoint = 4.0 / 3.0;

// What a property's value may hold.
enum class ValueKind {
  Color,       // colours: numbers as in rgb()
  Keyword,     // keywords, and plain numbers as in font-weight
  FontFamily,  // names, quoted or not
  FontSize,    // a length up to kMaxFontPixels, or a keyword
  Font,        // the font shorthand, without a line height
  LineHeight,  // up to kMaxLineHeightPixels
  WhiteSpace,  // only "normal" and "nowrap": the viewer counts lines as those make them
  Width,       // up to kMaxWidthPixels or 100%
  Height,      // up to kMaxHeightPixels
  Box,         // margins, padding, indents: up to kMaxBoxPixels
  Border,      // up to kMaxBorderPixels
  Spacing,     // letter and word spacing: up to kMaxSpacingPixels
  Background,  // colours, pictures of the file and positions within kMaxWidthPixels
};

const std::map<QString, ValueKind>& propertyKinds() {
  static const std::map<QString, ValueKind> kinds = [] {
    std::map<QString, ValueKind> map = {
        {"color", ValueKind::Color},
        {"background-color", ValueKind::Color},
        {"border-color", ValueKind::Color},
        {"font-family", ValueKind::FontFamily},
        {"font-size", ValueKind::FontSize},
        {"font", ValueKind::Font},
        {"font-weight", ValueKind::Keyword},
        {"font-style", ValueKind::Keyword},
        {"font-variant", ValueKind::Keyword},
        {"text-decoration", ValueKind::Keyword},
        {"text-align", ValueKind::Keyword},
        {"text-transform", ValueKind::Keyword},
        {"vertical-align", ValueKind::Keyword},
        {"list-style", ValueKind::Keyword},
        {"list-style-type", ValueKind::Keyword},
        {"border-style", ValueKind::Keyword},
        {"border-collapse", ValueKind::Keyword},
        {"direction", ValueKind::Keyword},
        {"white-space", ValueKind::WhiteSpace},
        {"line-height", ValueKind::LineHeight},
        {"width", ValueKind::Width},
        {"height", ValueKind::Height},
        {"margin", ValueKind::Box},
        {"padding", ValueKind::Box},
        {"text-indent", ValueKind::Box},
        {"border", ValueKind::Border},
        {"border-width", ValueKind::Border},
        {"letter-spacing", ValueKind::Spacing},
        {"word-spacing", ValueKind::Spacing},
        {"background", ValueKind::Background},
        {"background-image", ValueKind::Background},
        {"background-repeat", ValueKind::Background},
        {"background-position", ValueKind::Background},
        {"background-attachment", ValueKind::Background},
    };
    for (const char* side : {"top", "right", "bottom", "left"}) {
      const QString s = QString::fromLatin1(side);
      map.emplace("margin-" + s, ValueKind::Box);
      map.emplace("padding-" + s, ValueKind::Box);
      map.emplace("border-" + s, ValueKind::Border);
      map.emplace("border-" + s + "-width", ValueKind::Border);
      map.emplace("border-" + s + "-style", ValueKind::Keyword);
      map.emplace("border-" + s + "-color", ValueKind::Color);
    }
    return map;
  }();
  return kinds;
}

// Whether a number with its unit is a value `kind` may hold.
bool numberAllowed(ValueKind kind, double number, QStringView unit) {
  using namespace limits;
  const QString u = unit.toString().toLower();
  if (kind == ValueKind::FontFamily) return true;
  if (kind == ValueKind::Color)
    return (u.isEmpty() && number <= 255) || (u == "%" && number <= 100);
  if (kind == ValueKind::Keyword) return u.isEmpty() && number <= 1000;
  if (u.isEmpty()) {
    if (kind == ValueKind::Font) return number <= 1000;  // a weight
    if (kind == ValueKind::LineHeight) return number <= 2;
    return number == 0;
  }
  if (u == "%") {
    if (kind == ValueKind::LineHeight) return number <= 200;
    return (kind == ValueKind::Width || kind == ValueKind::Background) && number <= 100;
  }
  double pixels = 0;
  if (u == "px") {
    pixels = number;
  } else if (u == "pt") {
    pixels = number * kPixelsPerPoint;
  } else if ((u == "em" || u == "ex") && kind != ValueKind::FontSize && kind != ValueKind::Font) {
    pixels = number * kMaxFontPixels;
  } else {
    return false;
  }
  switch (kind) {
    case ValueKind::FontSize:
    case ValueKind::Font:
      return pixels <= kMaxFontPixels;
    case ValueKind::LineHeight:
      return pixels <= kMaxLineHeightPixels;
    case ValueKind::Width:
    case ValueKind::Background:
      return pixels <= kMaxWidthPixels;
    case ValueKind::Height:
      return pixels <= kMaxHeightPixels;
    case ValueKind::Box:
      return pixels <= kMaxBoxPixels;
    case ValueKind::Border:
      return pixels <= kMaxBorderPixels;
    case ValueKind::Spacing:
      return pixels <= kMaxSpacingPixels;
    default:
      return false;
  }
}

// Whether every number in `value` (outside quotes) suits `kind`. Names such
// as "x-large" and colours such as "#ff8000" are not numbers; a minus sign
// before a number is refused, as no negative length is kept.
bool numbersAllowed(ValueKind kind, QStringView value) {
  qsizetype i = 0;
  while (i < value.size()) {
    const QChar c = value[i];
    if (c == u'"' || c == u'\'') {
      i = skipCommentOrString(value, i);
    } else if (c == u'#') {
      for (++i; i < value.size() && isHexDigit(value[i]);) ++i;
    } else if (isAsciiLetter(c) || c == u'_' ||
               (c == u'-' && i + 1 < value.size() && isAsciiLetter(value[i + 1]))) {
      nameAt(value, i);
    } else if (c == u'-') {
      return false;
    } else if (isAsciiDigit(c) || c == u'.') {
      const qsizetype start = i;
      while (i < value.size() && (isAsciiDigit(value[i]) || value[i] == u'.')) ++i;
      bool ok = false;
      const double number = value.mid(start, i - start).toDouble(&ok);
      const qsizetype unitStart = i;
      if (i < value.size() && value[i] == u'%') {
        ++i;
      } else {
        while (i < value.size() && isAsciiLetter(value[i])) ++i;
      }
      if (!ok || !numberAllowed(kind, number, value.mid(unitStart, i - unitStart))) return false;
    } else {
      ++i;
    }
  }
  return true;
}

// Whether `value` holds only characters a kept value may hold: outside quotes
// letters, digits and a few signs; inside quotes anything but what could end
// the declaration or the style element around it.
bool charactersAllowed(QStringView value) {
  static const QString kSigns = QStringLiteral(" #%.,()/+-_");
  static const QString kNeverInQuotes = QStringLiteral("\\{};<>@\n\r");
  qsizetype i = 0;
  while (i < value.size()) {
    const QChar c = value[i];
    if (c == u'"' || c == u'\'') {
      const qsizetype end = value.indexOf(c, i + 1);
      if (end < 0) return false;
      for (qsizetype j = i + 1; j < end; ++j) {
        if (kNeverInQuotes.contains(value[j])) return false;
      }
      i = end + 1;
    } else if (isAsciiLetter(c) || isAsciiDigit(c) || kSigns.contains(c)) {
      ++i;
    } else {
      return false;
    }
  }
  return true;
}

// A value cut at its url(...) parts: the text around them and the addresses
// they hold, so that plain.size() == addresses.size() + 1.
struct ValueParts {
  QStringList plain;
  QStringList addresses;
};

std::optional<ValueParts> splitAtPictures(QStringView value) {
  ValueParts parts;
  qsizetype i = 0;
  for (qsizetype start; (start = value.indexOf(u"url(", i, Qt::CaseInsensitive)) >= 0;) {
    const qsizetype close = value.indexOf(u')', start);
    if (close < 0) return std::nullopt;
    parts.plain.append(value.mid(i, start - i).toString());
    parts.addresses.append(unquoted(value.mid(start + 4, close - start - 4)).toString());
    i = close + 1;
  }
  parts.plain.append(value.mid(i).toString());
  return parts;
}

std::optional<QString> cleanValue(ValueKind kind, QStringView value, const ChmReader& chm,
                                  const QString& baseEntry) {
  if (value.isEmpty() || value.size() > kMaxValueLength) return std::nullopt;
  if (kind == ValueKind::WhiteSpace) {
    const QString word = value.toString().toLower();
    return word == "normal" || word == "nowrap" ? std::optional<QString>(word) : std::nullopt;
  }
  if (kind == ValueKind::Font && value.contains(u'/')) return std::nullopt;
  const auto parts = splitAtPictures(value);
  if (!parts || (!parts->addresses.isEmpty() && kind != ValueKind::Background)) {
    return std::nullopt;
  }
  const QString plain = parts->plain.join(u' ');
  if (!charactersAllowed(plain) || !numbersAllowed(kind, plain)) return std::nullopt;
  // Each picture becomes the viewer's own address of an entry of the file.
  QString result = parts->plain.front();
  for (qsizetype i = 0; i < parts->addresses.size(); ++i) {
    const QString entry = entryFor(chm, urlForEntry(baseEntry), parts->addresses[i]);
    if (entry.isEmpty()) return std::nullopt;
    result += "url(\"" + pictureUrlForEntry(entry).toString(QUrl::FullyEncoded) + "\")" +
              parts->plain[i + 1];
  }
  return result;
}

}  // namespace

std::optional<QString> cleanDeclarations(QStringView declarations, const ChmReader& chm,
                                         const QString& baseEntry) {
  QString result;
  int count = 0;
  qsizetype i = 0;
  while (i < declarations.size()) {
    const qsizetype end = findOutside(declarations, i, u";");
    const QStringView declaration = declarations.mid(i, end - i);
    i = end + 1;
    if (declaration.trimmed().isEmpty()) continue;
    if (++count > limits::kMaxDeclarations) return std::nullopt;
    const qsizetype colon = declaration.indexOf(u':');
    if (colon < 0) continue;
    const QString name = declaration.left(colon).trimmed().toString().toLower();
    QStringView value = declaration.mid(colon + 1).trimmed();
    const qsizetype bang = value.lastIndexOf(u'!');
    if (bang >= 0 &&
        value.mid(bang + 1).trimmed().compare(u"important", Qt::CaseInsensitive) == 0) {
      value = value.left(bang).trimmed();
    }
    const auto kind = propertyKinds().find(name);
    if (kind == propertyKinds().end()) continue;
    if (const auto cleaned = cleanValue(kind->second, value, chm, baseEntry)) {
      result += name + ": " + *cleaned + "; ";
    }
  }
  return result.trimmed();
}

}  // namespace polkamina::help
