#include "ui/help/html_cleaner.h"

#include <QSet>
#include <QStringList>
#include <algorithm>
#include <vector>

#include "ui/help/help_urls.h"
#include "ui/help/html_attributes.h"
#include "ui/help/html_reader.h"
#include "ui/help/markup_chars.h"
#include "ui/help/page_limits.h"
#include "ui/help/style_cleaner.h"

namespace polkamina::help {

namespace {

constexpr int kMaxNameLength = 16;
constexpr qsizetype kMaxTitleLength = 512;

using Names = QSet<QString>;

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

bool isElementName(const QString& name) {
  if (name.isEmpty() || name.size() > kMaxNameLength || !isAsciiLetter(name[0])) return false;
  return std::all_of(name.begin(), name.end(),
                     [](QChar c) { return isAsciiLetter(c) || isAsciiDigit(c); });
}

QString escapeText(QStringView text) {
  return text.toString().replace(u'<', QStringLiteral("&lt;"));
}

// Builds the page Qt gets from the tokens of the page as written: each
// element closed explicitly where a browser would close it, table parts in
// their table, only what Qt uses kept, everything measured by a PageBudget.
class PageBuilder {
 public:
  PageBuilder(const ChmReader& chm, const QString& entry)
      : page_{chm, entry, urlForEntry(entry)}, styles_(chm) {}

  bool failed() const { return budget_.problem().has_value(); }
  void startTag(const Tag& tag);
  void rawTextElement(const Tag& tag, QStringView content);
  void endTag(const QString& name);
  void text(QStringView text);
  CleanPage finish();

 private:
  struct OpenElement {
    QString name;
    int record = 0;
  };

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
  int parentRecord() const { return stack_.empty() ? 1 : stack_.back().record; }

  const PageSource page_;
  StyleCollector styles_;
  PageBudget budget_;
  QString title_;
  QString bodyAttributes_;
  bool bodySeen_ = false;
  QString body_;
  std::vector<OpenElement> stack_;
};

CleanPage PageBuilder::finish() {
  while (!stack_.empty()) pop();
  if (styles_.overLimit()) budget_.fail(PageProblem::StyleTooComplex);
  budget_.checkStyleWork(styles_.selectors());
  if (budget_.problem()) return {QString(), budget_.problem()};
  return {"<html><head><title>" + escapeText(title_) + "</title><style>\n" + styles_.css() +
              "</style></head><body" + bodyAttributes_ + ">" + body_ + "</body></html>",
          std::nullopt};
}

void PageBuilder::startTag(const Tag& tag) {
  const QString& name = tag.name;
  if (!isElementName(name) || kTransparentElements.contains(name)) return;
  if (name == "body") {
    if (!bodySeen_) {
      bodySeen_ = true;
      bodyAttributes_ = keptAttributes(tag, page_, budget_);
      budget_.setBody(tag);
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
    if (budget_.countEmpty(name, tag, parentRecord())) {
      body_ += '<' + name + keptAttributes(tag, page_, budget_) + '>';
    }
  } else {
    push(name, keptAttributes(tag, page_, budget_), &tag);
  }
}

void PageBuilder::endTag(const QString& name) {
  // An end tag closes its element and all inside it; it does not reach out
  // of a table cell unless it ends a part of the table.
  const bool tablePart =
      kTableStructure.contains(name) || name == "td" || name == "th" || name == "caption";
  closeOpen({name}, tablePart ? Names{"table"} - Names{name} : kScopeBoundaries - Names{name});
}

void PageBuilder::text(QStringView text) {
  if (kTableStructure.contains(top())) {
    if (std::all_of(text.begin(), text.end(), isHtmlSpace)) return;
    openCell();
  }
  budget_.countText(text);
  body_ += escapeText(text);
}

void PageBuilder::rawTextElement(const Tag& tag, QStringView content) {
  if (tag.name == "title" && title_.isEmpty()) {
    title_ = content.left(kMaxTitleLength).toString().simplified();
  } else if (tag.name == "style") {
    const QString type = tag.attribute("type").trimmed();
    if ((type.isEmpty() || type.compare("text/css", Qt::CaseInsensitive) == 0) &&
        mediaApplies(tag.attribute("media"))) {
      styles_.addSheet(content.toString(), page_.entry);
    }
  }
}

// <link rel="stylesheet" href="..."> as a browser reads it: the type may be
// left out, and alternate style sheets are not applied.
void PageBuilder::linkedStyleSheet(const Tag& tag) {
  const QStringList rel = tag.attribute("rel").toLower().split(u' ', Qt::SkipEmptyParts);
  const QString type = tag.attribute("type").trimmed();
  if (!rel.contains("stylesheet") || rel.contains("alternate") ||
      !(type.isEmpty() || type.compare("text/css", Qt::CaseInsensitive) == 0) ||
      !mediaApplies(tag.attribute("media"))) {
    return;
  }
  styles_.addLinkedSheet(entryFor(page_.chm, page_.url, tag.attribute("href")));
}

// A picture of the file, or its alt text when the file has none of that
// name; either way it counts as a picture of the page.
void PageBuilder::picture(const Tag& tag) {
  const QString entry = entryFor(page_.chm, page_.url, tag.attribute("src"));
  const QString align = tag.attribute("align").trimmed().toLower();
  const bool floating = !entry.isEmpty() && (align == "left" || align == "right");
  if (!budget_.countPicture(floating)) return;
  if (entry.isEmpty()) {
    text(tag.attribute("alt"));
    return;
  }
  if (!budget_.countEmpty("img", tag, parentRecord())) return;
  Tag rest = tag;
  rest.attributes.erase(std::remove_if(rest.attributes.begin(), rest.attributes.end(),
                                       [](const auto& attribute) {
                                         return attribute.first == "src" ||
                                                attribute.first == "alt";
                                       }),
                        rest.attributes.end());
  body_ += "<img src=\"" + pictureSourceForEntry(entry) + '"' +
           keptAttributes(rest, page_, budget_) + '>';
}

// Makes room for a table part where it belongs: a row in the nearest table or
// table section, a cell in the nearest row (opening one where a table or
// section has none), a section or caption in the nearest table. False when
// there is no table for it.
bool PageBuilder::placeTablePart(const QString& name) {
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
void PageBuilder::openCell() {
  if (top() != "tr") push("tr", QString(), nullptr);
  push("td", QString(), nullptr);
}

void PageBuilder::push(const QString& name, const QString& attributes, const Tag* tag) {
  const auto record = budget_.open(name, tag, stack_.size(), parentRecord());
  if (!record) return;
  stack_.push_back({name, *record});
  body_ += '<' + name + attributes + '>';
}

void PageBuilder::pop() {
  const QString name = stack_.back().name;
  stack_.pop_back();
  budget_.close(name);
  body_ += "</" + name + '>';
}

void PageBuilder::popAbove(std::size_t index) {
  while (stack_.size() > index + 1) pop();
}

std::optional<std::size_t> PageBuilder::findOpen(const Names& names,
                                                 const Names& boundaries) const {
  for (std::size_t i = stack_.size(); i-- > 0;) {
    if (names.contains(stack_[i].name)) return i;
    if (boundaries.contains(stack_[i].name)) break;
  }
  return std::nullopt;
}

void PageBuilder::closeOpen(const Names& names, const Names& boundaries) {
  if (const auto found = findOpen(names, boundaries)) {
    popAbove(*found);
    pop();
  }
}

}  // namespace

CleanPage cleanPage(const QString& html, const ChmReader& chm, const QString& entry) {
  PageBuilder builder(chm, entry);
  HtmlReader reader(html);
  while (!builder.failed()) {
    const std::optional<HtmlToken> token = reader.next();
    if (!token) break;
    switch (token->kind) {
      case HtmlToken::Kind::Text:
        builder.text(token->text);
        break;
      case HtmlToken::Kind::StartTag:
        if (token->rawText) {
          builder.rawTextElement(token->tag, token->text);
        } else {
          builder.startTag(token->tag);
        }
        break;
      case HtmlToken::Kind::EndTag:
        builder.endTag(token->tag.name);
        break;
    }
  }
  return builder.finish();
}

}  // namespace polkamina::help
