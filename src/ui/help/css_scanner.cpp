#include "ui/help/css_scanner.h"

#include "ui/help/markup_chars.h"

namespace polkamina::help {

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

}  // namespace polkamina::help
