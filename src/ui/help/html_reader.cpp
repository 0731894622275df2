#include "ui/help/html_reader.h"

#include <QSet>
#include <algorithm>

#include "ui/help/markup_chars.h"

namespace polkamina::help {

namespace {

// Elements whose content is no markup: up to their end tag it is kept
// (title, style) or left out with them.
const QSet<QString> kRawTextElements = {
    "title",  "style", "script", "textarea", "xmp",   "template", "iframe",  "object",  "applet",
    "select", "svg",   "math",   "canvas",   "audio", "video",    "noembed", "frameset"};

bool endsName(QChar c) { return isHtmlSpace(c) || c == u'/' || c == u'>'; }

}  // namespace

QString Tag::attribute(const QString& key) const {
  for (const auto& [attributeKey, value] : attributes) {
    if (attributeKey == key) return value;
  }
  return {};
}

std::optional<HtmlToken> HtmlReader::next() {
  while (!atEnd()) {
    if (in_[pos_] != u'<') {
      const qsizetype open = in_.indexOf(u'<', pos_);
      const qsizetype end = open < 0 ? in_.size() : open;
      HtmlToken token;
      token.text = QStringView(in_).mid(pos_, end - pos_);
      pos_ = end;
      return token;
    }
    if (auto token = readMarkup()) return token;
  }
  return std::nullopt;
}

// Reads what starts with the "<" at pos_: a token, or nothing for what is
// skipped.
std::optional<HtmlToken> HtmlReader::readMarkup() {
  const QStringView rest = QStringView(in_).mid(pos_);
  const QChar next = rest.size() > 1 ? rest[1] : QChar();
  HtmlToken token;
  if (rest.startsWith(u"<!--")) {
    const qsizetype end = in_.indexOf(u"-->", pos_ + 2);
    pos_ = end < 0 ? in_.size() : end + 3;
  } else if (next == u'!' || next == u'?') {
    skipPast(u'>');
  } else if (next == u'/') {
    if (rest.size() > 2 && isAsciiLetter(rest[2])) {
      if (auto tag = readTag(pos_ + 2)) {
        token.kind = HtmlToken::Kind::EndTag;
        token.tag = std::move(*tag);
        return token;
      }
    } else {
      skipPast(u'>');
    }
  } else if (isAsciiLetter(next)) {
    if (auto tag = readTag(pos_ + 1)) {
      token.kind = HtmlToken::Kind::StartTag;
      token.tag = std::move(*tag);
      token.rawText = kRawTextElements.contains(token.tag.name);
      if (token.rawText) token.text = rawTextUntilEndTag(token.tag.name);
      return token;
    }
  } else {
    token.text = rest.left(1);
    ++pos_;
    return token;
  }
  return std::nullopt;
}

// Reads a tag whose name starts at nameStart, up to and past its ">". A tag
// cut off by the end of the page is nothing.
std::optional<Tag> HtmlReader::readTag(qsizetype nameStart) {
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
    if (!known && tag.attributes.size() < kMaxAttributes) tag.attributes.emplace_back(key, value);
  }
}

// The text from here to the end tag of `name` (or to the end of the page),
// which is left to be read next.
QStringView HtmlReader::rawTextUntilEndTag(const QString& name) {
  const qsizetype start = pos_;
  qsizetype end = start;
  while ((end = in_.indexOf(QStringLiteral("</") + name, end, Qt::CaseInsensitive)) >= 0) {
    const qsizetype after = end + 2 + name.size();
    if (after >= in_.size() || endsName(in_[after])) break;
    end = after;
  }
  pos_ = end < 0 ? in_.size() : end;
  return QStringView(in_).mid(start, pos_ - start);
}

void HtmlReader::skipPast(QChar c) {
  const qsizetype end = in_.indexOf(c, pos_);
  pos_ = end < 0 ? in_.size() : end + 1;
}

}  // namespace polkamina::help
