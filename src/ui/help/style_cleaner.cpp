#include "ui/help/style_cleaner.h"

#include <algorithm>
#include <map>

#include "ui/help/help_urls.h"
#include "ui/help/page_limits.h"

namespace polkamina::help {

namespace {

// Sheets importing sheets importing sheets…: deeper imports are left out.
constexpr int kMaxImportDepth = 4;
constexpr qsizetype kMaxValueLength = 256;
constexpr int kMaxSelectorClasses = 8;
constexpr double kPixelsPerPoint = 4.0 / 3.0;

bool isAsciiLetter(QChar c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }
bool isAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }
bool isNameChar(QChar c) { return isAsciiLetter(c) || isAsciiDigit(c) || c == u'-' || c == u'_'; }
bool isHexDigit(QChar c) {
  return isAsciiDigit(c) || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

// ---- Scanning style sheet text ----

// The index just past a comment or string starting at i, or i itself when
// neither starts there. An unfinished comment runs to the end; an unfinished
// string to the end of its line.
qsizetype skipCommentOrString(QStringView text, qsizetype i) {
  if (text.mid(i).startsWith(u"/*")) {
    const qsizetype end = text.indexOf(u"*/", i + 2);
    return end < 0 ? text.size() : end + 2;
  }
  if (i < text.size() && (text[i] == u'"' || text[i] == u'\'')) {
    const QChar quote = text[i];
    for (++i; i < text.size(); ++i) {
      if (text[i] == u'\\') {
        ++i;
      } else if (text[i] == quote) {
        return i + 1;
      } else if (text[i] == u'\n') {
        return i;
      }
    }
    return text.size();
  }
  return i;
}

// The first of `stops` at i or later outside comments, strings and
// parentheses; text.size() when there is none.
qsizetype findOutside(QStringView text, qsizetype i, QStringView stops) {
  int parentheses = 0;
  while (i < text.size()) {
    const qsizetype skipped = skipCommentOrString(text, i);
    if (skipped != i) {
      i = skipped;
      continue;
    }
    const QChar c = text[i];
    if (c == u'(') {
      ++parentheses;
    } else if (c == u')' && parentheses > 0) {
      --parentheses;
    } else if (parentheses == 0 && stops.contains(c)) {
      return i;
    }
    ++i;
  }
  return i;
}

// The index of the "}" that closes the block opened at `open`.
qsizetype blockEnd(QStringView text, qsizetype open) {
  int depth = 0;
  qsizetype i = open;
  while (i < text.size()) {
    const qsizetype skipped = skipCommentOrString(text, i);
    if (skipped != i) {
      i = skipped;
      continue;
    }
    if (text[i] == u'{') ++depth;
    if (text[i] == u'}' && --depth == 0) return i;
    ++i;
  }
  return i;
}

// The index of the next rule or at-rule at i or later: white space, comments
// and the "<!--" and "-->" that hide style sheets from old browsers skipped.
qsizetype skipFiller(QStringView text, qsizetype i) {
  while (i < text.size()) {
    const qsizetype skipped = text[i] == u'/' ? skipCommentOrString(text, i) : i;
    if (skipped != i) {
      i = skipped;
    } else if (text[i].isSpace()) {
      ++i;
    } else if (text.mid(i).startsWith(u"<!--")) {
      i += 4;
    } else if (text.mid(i).startsWith(u"-->")) {
      i += 3;
    } else {
      break;
    }
  }
  return i;
}

// An address as written in url(...) or @import, without the quotes around it.
QStringView unquoted(QStringView address) {
  address = address.trimmed();
  if (address.size() >= 2 && (address.front() == u'"' || address.front() == u'\'') &&
      address.back() == address.front()) {
    return address.mid(1, address.size() - 2);
  }
  return address;
}

QStringView nameAt(QStringView text, qsizetype& i) {
  const qsizetype start = i;
  while (i < text.size() && isNameChar(text[i])) ++i;
  return text.mid(start, i - start);
}

// The address of an @import: url(...), "..." or '...', and the media after it.
std::optional<QString> importAddress(QStringView prelude) {
  prelude = prelude.trimmed();
  QStringView address;
  QStringView rest;
  if (prelude.startsWith(u"url(", Qt::CaseInsensitive)) {
    const qsizetype close = prelude.indexOf(u')');
    if (close < 0) return std::nullopt;
    address = prelude.mid(4, close - 4);
    rest = prelude.mid(close + 1);
  } else {
    const qsizetype end = skipCommentOrString(prelude, 0);
    if (end == 0) return std::nullopt;
    address = prelude.left(end);
    rest = prelude.mid(end);
  }
  if (!mediaApplies(rest)) return std::nullopt;
  return unquoted(address).toString();
}

// ---- Declarations ----

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

bool mediaApplies(QStringView list) {
  if (list.trimmed().isEmpty()) return true;
  for (QStringView medium : list.split(u',')) {
    medium = medium.trimmed();
    if (medium.startsWith(u"screen", Qt::CaseInsensitive) ||
        medium.startsWith(u"all", Qt::CaseInsensitive)) {
      return true;
    }
  }
  return false;
}

// ---- Selectors ----

QString SimpleSelector::text() const {
  QString result = element;
  for (const QString& name : classes) result += '.' + name;
  if (!id.isEmpty()) result += '#' + id;
  if (!pseudoClass.isEmpty()) result += ':' + pseudoClass;
  return result.isEmpty() ? QStringLiteral("*") : result;
}

bool SimpleSelector::matches(const QString& elementName, const QStringList& elementClasses,
                             const QString& elementId, bool anchorWithAddress) const {
  // Names, classes and ids compare without regard to case, so that the count
  // of matches never falls short of what Qt finds.
  if (!element.isEmpty() && element.compare(elementName, Qt::CaseInsensitive) != 0) return false;
  if (!id.isEmpty() && id.compare(elementId, Qt::CaseInsensitive) != 0) return false;
  if (!pseudoClass.isEmpty() && !anchorWithAddress) return false;
  return std::all_of(classes.begin(), classes.end(), [&](const QString& name) {
    return elementClasses.contains(name, Qt::CaseInsensitive);
  });
}

std::optional<SimpleSelector> parseSimpleSelector(QStringView text) {
  text = text.trimmed();
  SimpleSelector selector;
  qsizetype i = 0;
  if (text.startsWith(u'*')) {
    i = 1;
  } else if (!text.isEmpty() && isAsciiLetter(text[0])) {
    selector.element = nameAt(text, i).toString().toLower();
  }
  bool empty = i == 0;
  while (i < text.size()) {
    const QChar sign = text[i++];
    const QString name = nameAt(text, i).toString();
    if (name.isEmpty() || isAsciiDigit(name[0])) return std::nullopt;
    if (sign == u'.') {
      if (selector.classes.size() == kMaxSelectorClasses) return std::nullopt;
      selector.classes.append(name);
    } else if (sign == u'#' && selector.id.isEmpty()) {
      selector.id = name;
    } else if (sign == u':' && i == text.size() &&
               (name.compare("link", Qt::CaseInsensitive) == 0 ||
                name.compare("visited", Qt::CaseInsensitive) == 0)) {
      selector.pseudoClass = name.toLower();
    } else {
      return std::nullopt;
    }
    empty = false;
  }
  if (empty) return std::nullopt;
  return selector;
}

// ---- Declarations ----

QString cleanDeclarations(QStringView declarations, const ChmReader& chm,
                          const QString& baseEntry) {
  QString result;
  qsizetype i = 0;
  while (i < declarations.size()) {
    const qsizetype end = findOutside(declarations, i, u";");
    const QStringView declaration = declarations.mid(i, end - i);
    i = end + 1;
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

// ---- Style sheets ----

StyleCollector::StyleCollector(const ChmReader& chm) : chm_(chm) {}

void StyleCollector::addSheet(const QString& text, const QString& baseEntry) {
  bytesAdded_ += static_cast<std::size_t>(text.size());
  if (++sheetsAdded_ > limits::kMaxStyleSheets || bytesAdded_ > limits::kMaxStyleBytes) {
    overLimit_ = true;
    return;
  }
  addRules(text, baseEntry, 0, false);
}

void StyleCollector::addLinkedSheet(const QString& entry) { addEntry(entry, 0); }

void StyleCollector::addEntry(const QString& entry, int importDepth) {
  if (entry.isEmpty() || importDepth > kMaxImportDepth || overLimit_) return;
  if (!entriesAdded_.insert(entry).second) return;
  const auto size = chm_.entrySize(entry.toStdString());
  if (!size) return;
  bytesAdded_ += *size;
  if (++sheetsAdded_ > limits::kMaxStyleSheets || bytesAdded_ > limits::kMaxStyleBytes) {
    overLimit_ = true;
    return;
  }
  const auto bytes = chm_.read(entry.toStdString());
  if (!bytes) return;
  addRules(QString::fromUtf8(reinterpret_cast<const char*>(bytes->data()),
                             static_cast<qsizetype>(bytes->size())),
           entry, importDepth, false);
}

void StyleCollector::addRules(QStringView text, const QString& baseEntry, int importDepth,
                              bool insideMedia) {
  qsizetype i = skipFiller(text, 0);
  while (i < text.size() && !overLimit_) {
    const qsizetype stop = findOutside(text, i, u"{;");
    const QStringView prelude = text.mid(i, stop - i).trimmed();
    if (stop == text.size()) break;  // a rule without its block
    std::optional<QStringView> block;
    qsizetype next = stop + 1;
    if (text[stop] == u'{') {
      const qsizetype end = blockEnd(text, stop);
      block = text.mid(stop + 1, end - stop - 1);
      next = end + 1;
    }
    if (prelude.startsWith(u'@')) {
      qsizetype nameEnd = 1;
      const QStringView name = nameAt(prelude, nameEnd);
      addAtRule(name, prelude.mid(nameEnd), block, baseEntry, importDepth, insideMedia);
    } else if (block) {
      addRule(prelude, *block, baseEntry);
    }
    i = skipFiller(text, next);
  }
}

void StyleCollector::addAtRule(QStringView name, QStringView prelude,
                               std::optional<QStringView> block, const QString& baseEntry,
                               int importDepth, bool insideMedia) {
  if (!block && name.compare(u"import", Qt::CaseInsensitive) == 0) {
    if (const auto address = importAddress(prelude)) {
      addEntry(entryFor(chm_, urlForEntry(baseEntry), *address), importDepth + 1);
    }
  } else if (block && !insideMedia && name.compare(u"media", Qt::CaseInsensitive) == 0 &&
             mediaApplies(prelude)) {
    addRules(*block, baseEntry, importDepth, true);
  }
}

void StyleCollector::addRule(QStringView prelude, QStringView block, const QString& baseEntry) {
  std::vector<SimpleSelector> kept;
  for (QStringView part : prelude.split(u',')) {
    if (auto selector = parseSimpleSelector(part)) kept.push_back(std::move(*selector));
  }
  if (kept.empty()) return;
  const QString declarations = cleanDeclarations(block, chm_, baseEntry);
  if (declarations.isEmpty()) return;
  if (selectors_.size() + kept.size() > static_cast<std::size_t>(limits::kMaxSelectors)) {
    overLimit_ = true;
    return;
  }
  QStringList texts;
  for (const SimpleSelector& selector : kept) texts.append(selector.text());
  css_ += texts.join(", ") + " { " + declarations + " }\n";
  selectors_.insert(selectors_.end(), kept.begin(), kept.end());
}

}  // namespace polkamina::help
