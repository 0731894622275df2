#include "ui/help/html_cleaner.h"

#include <QSet>
#include <QStringList>
#include <algorithm>
#include <utility>
#include <vector>

#include "ui/help/help_urls.h"
#include "ui/help/page_limits.h"
#include "ui/help/style_cleaner.h"

namespace polkamina::help {

namespace {

using namespace limits;

constexpr int kMaxNameLength = 16;
constexpr int kMaxAttributes = 64;
constexpr int kMaxClasses = 16;
constexpr qsizetype kMaxAddressLength = 2048;
constexpr qsizetype kMaxNameValueLength = 128;
constexpr qsizetype kMaxTitleLength = 512;
constexpr qsizetype kMaxPlainValueLength = 64;
constexpr int kMaxListNumber = 1000000;

using Names = QSet<QString>;

// Elements whose content is no markup: up to their end tag it is kept
// (title, style) or left out with them.
const Names kRawTextElements = {"title",  "style",  "script", "textarea", "xmp",     "template",
                                "iframe", "object", "applet", "select",   "svg",     "math",
                                "canvas", "audio",  "video",  "noembed",  "frameset"};
// Elements without content that Qt has no use for.
const Names kDroppedVoidElements = {"area",  "base",  "basefont", "bgsound", "col",
                                    "embed", "frame", "input",    "isindex", "keygen",
                                    "meta",  "param", "source",   "track",   "wbr"};
// Elements whose tags are left out and whose content stays.
const Names kTransparentElements = {"html", "head", "qt", "noscript", "noframes", "form"};
// Start tags that end an open paragraph.
const Names kParagraphClosers = {
    "address", "article", "aside",   "blockquote", "center",   "dd",         "details", "dialog",
    "dir",     "div",     "dl",      "dt",         "fieldset", "figcaption", "figure",  "footer",
    "form",    "h1",      "h2",      "h3",         "h4",       "h5",         "h6",      "header",
    "hgroup",  "hr",      "li",      "listing",    "main",     "menu",       "nav",     "ol",
    "p",       "pre",     "section", "summary",    "table",    "ul"};
// Elements a search for an open element to close stops at.
const Names kScopeBoundaries = {"table", "td", "th", "caption"};
const Names kTableSections = {"thead", "tbody", "tfoot"};
// Elements whose children can only be table parts.
const Names kTableStructure = {"table", "thead", "tbody", "tfoot", "tr"};

bool isAsciiLetter(QChar c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }
bool isAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }
bool isHtmlSpace(QChar c) {
  return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
}

bool isElementName(const QString& name) {
  if (name.isEmpty() || name.size() > kMaxNameLength || !isAsciiLetter(name[0])) return false;
  return std::all_of(name.begin(), name.end(),
                     [](QChar c) { return isAsciiLetter(c) || isAsciiDigit(c); });
}

// Kana and ideographs a line may break between, whatever is around them. Small
// kana and the marks that may not start a line are left out, so that a run
// the viewer sees as broken is broken for Qt too.
bool isBreakableIdeograph(QChar c) {
  static const QString kSmallKana =
      QStringLiteral("ぁぃぅぇぉっゃゅょゎゕゖァィゥェォッャュョヮヵヶ");
  const char16_t u = c.unicode();
  const bool kana = (u >= 0x3041 && u <= 0x3096) || (u >= 0x30A1 && u <= 0x30FA);
  const bool ideograph =
      (u >= 0x3400 && u <= 0x4DBF) || (u >= 0x4E00 && u <= 0x9FFF) || (u >= 0xF900 && u <= 0xFAFF);
  return ideograph || (kana && !kSmallKana.contains(c));
}

QString escapeText(QStringView text) {
  return text.toString().replace(u'<', QStringLiteral("&lt;"));
}

QString escapeAttribute(const QString& value) {
  QString result = value;
  return result.replace(u'"', QStringLiteral("&quot;")).replace(u'<', QStringLiteral("&lt;"));
}

std::optional<int> integer(const QString& text) {
  bool ok = false;
  const int value = text.trimmed().toInt(&ok);
  return ok ? std::optional<int>(value) : std::nullopt;
}

// A length in pixels up to `maxPixels`, or a percentage up to 100 where allowed.
std::optional<QString> lengthAttribute(const QString& raw, int maxPixels, bool percentAllowed) {
  QString text = raw.trimmed();
  const bool percent = text.endsWith(u'%');
  if (percent && !percentAllowed) return std::nullopt;
  if (percent || text.endsWith(QStringLiteral("px"), Qt::CaseInsensitive)) {
    text.chop(percent ? 1 : 2);
  }
  bool ok = false;
  const double number = text.toDouble(&ok);
  if (!ok || number < 0 || number > (percent ? 100 : maxPixels)) return std::nullopt;
  return percent ? text + '%' : text;
}

// A row or column span a cell may have.
std::optional<int> cellSpan(const QString& raw) {
  const auto span = integer(raw);
  if (!span || *span < 1 || *span > kMaxCellSpan) return std::nullopt;
  return span;
}

std::optional<QString> boundedText(const QString& raw, qsizetype maxLength) {
  return raw.size() <= maxLength ? std::optional<QString>(raw) : std::nullopt;
}

// A start or end tag as written, its attribute values as written (character
// references are left for Qt to read).
struct Tag {
  QString name;  // lower case
  std::vector<std::pair<QString, QString>> attributes;

  QString attribute(const QString& key) const {
    for (const auto& [attributeKey, value] : attributes) {
      if (attributeKey == key) return value;
    }
    return {};
  }
};

// What the style work needs to know of an element.
struct ElementRecord {
  int parent = -1;
  QString name;
  QStringList classes;
  QString id;
  bool anchorWithAddress = false;
};

class PageCleaner {
 public:
  PageCleaner(const QString& html, const ChmReader& chm, const QString& entry)
      : in_(html), chm_(chm), entry_(entry), pageUrl_(urlForEntry(entry)), styles_(chm) {
    records_.push_back({-1, "html", {}, {}, false});
    records_.push_back({0, "body", {}, {}, false});
  }

  CleanPage run();

 private:
  struct OpenElement {
    QString name;
    int record = 0;
  };

  // ---- Reading ----
  void readMarkup();
  std::optional<Tag> readTag(qsizetype nameStart);
  QStringView rawTextUntilEndTag(const QString& name);
  void skipPast(QChar c);

  // ---- Building ----
  void startTag(const Tag& tag);
  void endTag(const QString& name);
  void text(QStringView text);
  void rawTextElement(const Tag& tag, QStringView content);
  void linkedStyleSheet(const Tag& tag);
  void picture(const Tag& tag);
  bool placeTablePart(const QString& name);
  void openCell();
  void push(const QString& name, const QString& attributes, const Tag* tag);
  void pop();
  void popAbove(std::size_t index);
  // The index of the nearest open element named in `names`, searching down
  // from the innermost one and stopping at `boundaries`.
  std::optional<std::size_t> findOpen(const Names& names, const Names& boundaries = {}) const;
  void closeOpen(const Names& names, const Names& boundaries);
  QString top() const { return stack_.empty() ? QString() : stack_.back().name; }
  QString attributes(const Tag& tag) const;
  std::optional<QString> attributeValue(const QString& key, const QString& raw) const;

  // ---- Measuring ----
  bool countElement(const QString& name, const Tag* tag);
  void countText(QStringView text);
  long tableWeight() const { return 1L << openTables_; }
  void checkLayoutWork();
  void checkStyleWork();
  void fail(PageProblem problem) {
    if (!problem_) problem_ = problem;
  }

  const QString& in_;
  qsizetype pos_ = 0;
  const ChmReader& chm_;
  const QString entry_;
  const QUrl pageUrl_;
  StyleCollector styles_;

  QString title_;
  QString bodyAttributes_;
  bool bodySeen_ = false;
  QString body_;
  std::vector<OpenElement> stack_;
  std::vector<ElementRecord> records_;  // html and body first, then in document order

  int openTables_ = 0;
  int openPre_ = 0;
  long elementWork_ = 0;
  long weightedChars_ = 0;
  int textChars_ = 0;
  int run_ = 0;
  QChar previous_;
  bool lastWasSpace_ = true;
  int pictures_ = 0;
  int floats_ = 0;
  std::optional<PageProblem> problem_;
};

CleanPage PageCleaner::run() {
  while (pos_ < in_.size() && !problem_) {
    const qsizetype open = in_.indexOf(u'<', pos_);
    const qsizetype end = open < 0 ? in_.size() : open;
    if (end > pos_) text(QStringView(in_).mid(pos_, end - pos_));
    pos_ = end;
    if (pos_ < in_.size() && !problem_) readMarkup();
  }
  while (!stack_.empty()) pop();
  if (styles_.overLimit()) fail(PageProblem::StyleTooComplex);
  checkStyleWork();
  if (problem_) return {QString(), problem_};
  return {"<html><head><title>" + escapeText(title_) + "</title><style>\n" + styles_.css() +
              "</style></head><body" + bodyAttributes_ + ">" + body_ + "</body></html>",
          std::nullopt};
}

// ---- Reading ----

void PageCleaner::readMarkup() {
  const QStringView rest = QStringView(in_).mid(pos_);
  const QChar next = rest.size() > 1 ? rest[1] : QChar();
  if (rest.startsWith(u"<!--")) {
    const qsizetype end = in_.indexOf(u"-->", pos_ + 2);
    pos_ = end < 0 ? in_.size() : end + 3;
  } else if (next == u'!' || next == u'?') {
    skipPast(u'>');
  } else if (next == u'/') {
    if (rest.size() > 2 && isAsciiLetter(rest[2])) {
      if (const auto tag = readTag(pos_ + 2)) endTag(tag->name);
    } else {
      skipPast(u'>');
    }
  } else if (isAsciiLetter(next)) {
    if (const auto tag = readTag(pos_ + 1)) startTag(*tag);
  } else {
    text(u"<");
    ++pos_;
  }
}

// Reads a tag whose name starts at nameStart, up to and past its ">". A tag
// cut off by the end of the page is nothing.
std::optional<Tag> PageCleaner::readTag(qsizetype nameStart) {
  const auto atEnd = [this] { return pos_ >= in_.size(); };
  const auto endsName = [](QChar c) { return isHtmlSpace(c) || c == u'/' || c == u'>'; };
  Tag tag;
  pos_ = nameStart;
  while (!atEnd() && !endsName(in_[pos_])) ++pos_;
  tag.name = in_.mid(nameStart, pos_ - nameStart).toLower();
  while (true) {
    while (!atEnd() && (isHtmlSpace(in_[pos_]) || in_[pos_] == u'/')) ++pos_;
    if (atEnd()) return std::nullopt;
    if (in_[pos_] == u'>') {
      ++pos_;
      return tag;
    }
    const qsizetype keyStart = pos_++;
    while (!atEnd() && !endsName(in_[pos_]) && in_[pos_] != u'=') ++pos_;
    const QString key = in_.mid(keyStart, pos_ - keyStart).toLower();
    while (!atEnd() && isHtmlSpace(in_[pos_])) ++pos_;
    QString value;
    if (!atEnd() && in_[pos_] == u'=') {
      for (++pos_; !atEnd() && isHtmlSpace(in_[pos_]);) ++pos_;
      if (atEnd()) return std::nullopt;
      if (in_[pos_] == u'"' || in_[pos_] == u'\'') {
        const qsizetype close = in_.indexOf(in_[pos_], pos_ + 1);
        if (close < 0) return std::nullopt;
        value = in_.mid(pos_ + 1, close - pos_ - 1);
        pos_ = close + 1;
      } else {
        const qsizetype valueStart = pos_;
        while (!atEnd() && !isHtmlSpace(in_[pos_]) && in_[pos_] != u'>') ++pos_;
        value = in_.mid(valueStart, pos_ - valueStart);
      }
    }
    const bool known = std::any_of(tag.attributes.begin(), tag.attributes.end(),
                                   [&](const auto& attribute) { return attribute.first == key; });
    if (!known && tag.attributes.size() < static_cast<std::size_t>(kMaxAttributes))
      tag.attributes.emplace_back(key, value);
  }
}

// The text from here to the end tag of `name` (or to the end of the page),
// which is left to be read next.
QStringView PageCleaner::rawTextUntilEndTag(const QString& name) {
  const qsizetype start = pos_;
  qsizetype end = start;
  while ((end = in_.indexOf(QStringLiteral("</") + name, end, Qt::CaseInsensitive)) >= 0) {
    const qsizetype after = end + 2 + name.size();
    if (after >= in_.size() || isHtmlSpace(in_[after]) || in_[after] == u'/' ||
        in_[after] == u'>') {
      break;
    }
    end = after;
  }
  pos_ = end < 0 ? in_.size() : end;
  return QStringView(in_).mid(start, pos_ - start);
}

void PageCleaner::skipPast(QChar c) {
  const qsizetype end = in_.indexOf(c, pos_);
  pos_ = end < 0 ? in_.size() : end + 1;
}

// ---- Building ----

void PageCleaner::startTag(const Tag& tag) {
  const QString& name = tag.name;
  if (!isElementName(name) || kTransparentElements.contains(name)) return;
  if (kRawTextElements.contains(name)) {
    rawTextElement(tag, rawTextUntilEndTag(name));
    return;
  }
  if (name == "body") {
    if (!bodySeen_) {
      bodySeen_ = true;
      bodyAttributes_ = attributes(tag);
      records_[1].classes = tag.attribute("class").split(u' ', Qt::SkipEmptyParts);
      records_[1].id = tag.attribute("id");
    }
    return;
  }
  if (name == "link") {
    linkedStyleSheet(tag);
    return;
  }
  if (kDroppedVoidElements.contains(name)) return;

  if (kParagraphClosers.contains(name)) closeOpen({"p"}, kScopeBoundaries);
  if (name == "li") closeOpen({"li"}, kScopeBoundaries + Names{"ul", "ol", "menu", "dir"});
  if (name == "dt" || name == "dd") {
    closeOpen({"dt", "dd"}, kScopeBoundaries + Names{"dl"});
    if (top() != "dl") return;
  }
  if (name == "a") closeOpen({"a"}, kScopeBoundaries);
  if (name == "tr" || name == "td" || name == "th" || name == "caption" ||
      kTableSections.contains(name)) {
    if (!placeTablePart(name)) return;
  } else if (kTableStructure.contains(top())) {
    openCell();
  }

  if (name == "img") {
    picture(tag);
  } else if (name == "br" || name == "hr") {
    if (countElement(name, &tag)) body_ += '<' + name + attributes(tag) + '>';
  } else {
    push(name, attributes(tag), &tag);
  }
}

void PageCleaner::endTag(const QString& name) {
  // An end tag closes its element and all inside it; it does not reach out
  // of a table cell unless it ends a part of the table.
  const bool tablePart =
      kTableStructure.contains(name) || name == "td" || name == "th" || name == "caption";
  closeOpen({name}, tablePart ? Names{"table"} - Names{name} : kScopeBoundaries - Names{name});
}

void PageCleaner::text(QStringView text) {
  if (kTableStructure.contains(top())) {
    if (std::all_of(text.begin(), text.end(), isHtmlSpace)) return;
    openCell();
  }
  countText(text);
  body_ += escapeText(text);
}

void PageCleaner::rawTextElement(const Tag& tag, QStringView content) {
  if (tag.name == "title" && title_.isEmpty()) {
    title_ = content.left(kMaxTitleLength).toString().simplified();
  } else if (tag.name == "style") {
    const QString type = tag.attribute("type").trimmed();
    if ((type.isEmpty() || type.compare("text/css", Qt::CaseInsensitive) == 0) &&
        mediaApplies(tag.attribute("media"))) {
      styles_.addSheet(content.toString(), entry_);
    }
  }
}

// <link rel="stylesheet" href="..."> as a browser reads it: the type may be
// left out, and alternate style sheets are not applied.
void PageCleaner::linkedStyleSheet(const Tag& tag) {
  const QStringList rel = tag.attribute("rel").toLower().split(u' ', Qt::SkipEmptyParts);
  const QString type = tag.attribute("type").trimmed();
  if (!rel.contains("stylesheet") || rel.contains("alternate") ||
      !(type.isEmpty() || type.compare("text/css", Qt::CaseInsensitive) == 0) ||
      !mediaApplies(tag.attribute("media"))) {
    return;
  }
  styles_.addLinkedSheet(entryFor(chm_, pageUrl_, tag.attribute("href")));
}

void PageCleaner::picture(const Tag& tag) {
  const QString entry = entryFor(chm_, pageUrl_, tag.attribute("src"));
  if (entry.isEmpty()) {
    text(tag.attribute("alt"));
    return;
  }
  const QString align = tag.attribute("align").trimmed().toLower();
  if (++pictures_ > kMaxPictures ||
      ((align == "left" || align == "right") && ++floats_ > kMaxFloats)) {
    fail(PageProblem::TooManyElements);
    return;
  }
  if (!countElement("img", &tag)) return;
  Tag rest = tag;
  rest.attributes.erase(std::remove_if(rest.attributes.begin(), rest.attributes.end(),
                                       [](const auto& attribute) {
                                         return attribute.first == "src" ||
                                                attribute.first == "alt";
                                       }),
                        rest.attributes.end());
  body_ += "<img src=\"" + pictureSourceForEntry(entry) + '"' + attributes(rest) + '>';
}

// Makes room for a table part where it belongs: a row in the nearest table or
// table section, a cell in the nearest row (opening one where a table or
// section has none), a section or caption in the nearest table. False when
// there is no table for it.
bool PageCleaner::placeTablePart(const QString& name) {
  if (name == "tr") {
    const auto parent = findOpen(kTableSections + Names{"table"});
    if (!parent) return false;
    popAbove(*parent);
  } else if (name == "td" || name == "th") {
    const auto parent = findOpen(kTableStructure);
    if (!parent) return false;
    popAbove(*parent);
    if (top() != "tr") push("tr", QString(), nullptr);
  } else {
    const auto table = findOpen({"table"});
    if (!table) return false;
    popAbove(*table);
  }
  return true;
}

// Opens a row and a cell for content that stands directly in a table.
void PageCleaner::openCell() {
  if (top() != "tr") push("tr", QString(), nullptr);
  push("td", QString(), nullptr);
}

void PageCleaner::push(const QString& name, const QString& attributes, const Tag* tag) {
  if (stack_.size() + 3 > static_cast<std::size_t>(kMaxDepth)) {  // html and body are around
    fail(PageProblem::TooDeep);
    return;
  }
  if (name == "table" && openTables_ + 1 > kMaxTableNesting) {
    fail(PageProblem::TablesTooDeep);
    return;
  }
  if (name == "table") ++openTables_;
  if (name == "pre") ++openPre_;
  if (!countElement(name, tag)) return;
  stack_.push_back({name, static_cast<int>(records_.size()) - 1});
  body_ += '<' + name + attributes + '>';
}

void PageCleaner::pop() {
  const QString name = stack_.back().name;
  stack_.pop_back();
  if (name == "table") --openTables_;
  if (name == "pre") --openPre_;
  body_ += "</" + name + '>';
}

void PageCleaner::popAbove(std::size_t index) {
  while (stack_.size() > index + 1) pop();
}

std::optional<std::size_t> PageCleaner::findOpen(const Names& names,
                                                 const Names& boundaries) const {
  for (std::size_t i = stack_.size(); i-- > 0;) {
    if (names.contains(stack_[i].name)) return i;
    if (boundaries.contains(stack_[i].name)) break;
  }
  return std::nullopt;
}

void PageCleaner::closeOpen(const Names& names, const Names& boundaries) {
  if (const auto found = findOpen(names, boundaries)) {
    popAbove(*found);
    pop();
  }
}

QString PageCleaner::attributes(const Tag& tag) const {
  QString result;
  for (const auto& [key, raw] : tag.attributes) {
    if (const auto value = attributeValue(key, raw)) {
      result += ' ' + key + "=\"" + escapeAttribute(*value) + '"';
    }
  }
  return result;
}

// An attribute's value as the viewer keeps it, or nothing when Qt has no use
// for the attribute or its value is out of bounds.
std::optional<QString> PageCleaner::attributeValue(const QString& key, const QString& raw) const {
  if (key == "href") return boundedText(raw, kMaxAddressLength);
  if (key == "name" || key == "id") return boundedText(raw, kMaxNameValueLength);
  if (key == "title") return boundedText(raw, kMaxTitleLength);
  if (key == "class") {
    const QStringList classes = raw.split(u' ', Qt::SkipEmptyParts);
    if (classes.size() > kMaxClasses) return std::nullopt;
    return boundedText(classes.join(u' '), kMaxNameValueLength);
  }
  if (key == "style") {
    const QString declarations = cleanDeclarations(raw, chm_, entry_);
    return declarations.isEmpty() ? std::nullopt : std::optional<QString>(declarations);
  }
  if (key == "background") {
    const QString entry = entryFor(chm_, pageUrl_, raw);
    if (entry.isEmpty()) return std::nullopt;
    return pictureUrlForEntry(entry).toString(QUrl::FullyEncoded);
  }
  if (key == "width") return lengthAttribute(raw, kMaxWidthPixels, true);
  if (key == "height") return lengthAttribute(raw, kMaxHeightPixels, false);
  if (key == "border" || key == "cellspacing" || key == "cellpadding") {
    return lengthAttribute(raw, kMaxBorderPixels, false);
  }
  if (key == "colspan" || key == "rowspan") {
    const auto span = cellSpan(raw);
    return span ? std::optional<QString>(QString::number(*span)) : std::nullopt;
  }
  if (key == "start" || key == "value") {
    const auto number = integer(raw);
    if (!number || *number < -kMaxListNumber || *number > kMaxListNumber) return std::nullopt;
    return QString::number(*number);
  }
  if (key == "size") {
    const auto size = integer(raw);
    if (!size || *size < -7 || *size > 7) return std::nullopt;
    return raw.trimmed();
  }
  static const Names kPlainAttributes = {"align",  "valign",  "dir",        "type",
                                         "nowrap", "bgcolor", "color",      "face",
                                         "lang",   "clear",   "bordercolor"};
  if (kPlainAttributes.contains(key)) return boundedText(raw, kMaxPlainValueLength);
  return std::nullopt;
}

// ---- Measuring ----

bool PageCleaner::countElement(const QString& name, const Tag* tag) {
  if (records_.size() >= static_cast<std::size_t>(kMaxElements)) {
    fail(PageProblem::TooManyElements);
    return false;
  }
  ElementRecord record;
  record.parent = stack_.empty() ? 1 : stack_.back().record;
  record.name = name;
  if (tag) {
    record.classes = tag->attribute("class").split(u' ', Qt::SkipEmptyParts);
    record.id = tag->attribute("id");
    record.anchorWithAddress = name == "a" && !tag->attribute("href").isEmpty();
  }
  records_.push_back(std::move(record));
  // A cell spanning rows or columns costs about as much as that many cells.
  const int span = tag ? std::max(cellSpan(tag->attribute("rowspan")).value_or(1),
                                  cellSpan(tag->attribute("colspan")).value_or(1))
                       : 1;
  elementWork_ += tableWeight() * span;
  checkLayoutWork();
  return !problem_;
}

// Counts the characters Qt lays out: white space collapses outside <pre>,
// and a run of characters with nowhere to break a line is measured.
void PageCleaner::countText(QStringView text) {
  for (const QChar c : text) {
    const bool space = isHtmlSpace(c);
    if (space && lastWasSpace_ && openPre_ == 0) continue;
    lastWasSpace_ = space;
    if (++textChars_ > kMaxTextChars) return fail(PageProblem::TooMuchText);
    weightedChars_ += tableWeight();
    if (space) {
      run_ = 0;
    } else {
      run_ = isBreakableIdeograph(previous_) && isBreakableIdeograph(c) ? 1 : run_ + 1;
      if (run_ > kMaxUnbrokenRun) return fail(PageProblem::LongWord);
    }
    previous_ = c;
  }
  checkLayoutWork();
}

void PageCleaner::checkLayoutWork() {
  if (elementWork_ + weightedChars_ / kCharsPerLayoutUnit > kMaxLayoutWork) {
    fail(PageProblem::TooMuchLayout);
  }
}

// Qt matches the style rules against each element and again against each of
// its ancestors; the matches found that way are the work counted here.
void PageCleaner::checkStyleWork() {
  const std::vector<SimpleSelector>& selectors = styles_.selectors();
  if (selectors.empty()) return;
  std::vector<long> matchesAbove(records_.size(), 0);
  long work = 0;
  for (std::size_t i = 0; i < records_.size(); ++i) {
    const ElementRecord& record = records_[i];
    long matches = 0;
    for (const SimpleSelector& selector : selectors) {
      if (selector.matches(record.name, record.classes, record.id, record.anchorWithAddress)) {
        ++matches;
      }
    }
    matchesAbove[i] = matches + (record.parent >= 0 ? matchesAbove[record.parent] : 0);
    work += matchesAbove[i];
  }
  if (work > kMaxStyleWork) fail(PageProblem::StyleTooComplex);
}

}  // namespace

CleanPage cleanPage(const QString& html, const ChmReader& chm, const QString& entry) {
  return PageCleaner(html, chm, entry).run();
}

}  // namespace polkamina::help
