#pragma once

#include <QString>
#include <QStringView>
#include <optional>
#include <utility>
#include <vector>

namespace polkamina::help {

// A start or end tag as written, its attribute values as written (character
// references are left for Qt to read).
struct Tag {
  QString name;  // lower case
  // The first attribute of each name, at most kMaxAttributes of them.
  std::vector<std::pair<QString, QString>> attributes;

  QString attribute(const QString& key) const;
};

// One piece of a page: text, a start tag or an end tag. The start tag of an
// element whose content is no markup (title, style, script, …) carries that
// content, up to its end tag, as its text.
struct HtmlToken {
  enum class Kind { Text, StartTag, EndTag };
  Kind kind = Kind::Text;
  QStringView text;
  Tag tag;
  bool rawText = false;  // a start tag whose content is `text`
};

// Reads a page's HTML into tokens, in one pass over it, as a browser's
// tokenizer would: comments, declarations and processing instructions are
// skipped, a "<" that starts no tag is text, and a tag cut off by the end of
// the page is left out. The page must outlive the reader.
class HtmlReader {
 public:
  static constexpr std::size_t kMaxAttributes = 64;

  explicit HtmlReader(const QString& html) : in_(html) {}

  // The next token, or nothing at the end of the page.
  std::optional<HtmlToken> next();

 private:
  std::optional<HtmlToken> readMarkup();
  std::optional<Tag> readTag(qsizetype nameStart);
  QStringView rawTextUntilEndTag(const QString& name);
  void skipPast(QChar c);
  bool atEnd() const { return pos_ >= in_.size(); }

  const QString& in_;
  qsizetype pos_ = 0;
};

}  // namespace polkamina::help
