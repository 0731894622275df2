#include "ui/help/style_cleaner.h"

#include <algorithm>

#include "ui/help/css_scanner.h"
#include "ui/help/help_urls.h"
#include "ui/help/markup_chars.h"
#include "ui/help/page_limits.h"

namespace polkamina::help {

namespace {

// Sheets importing sheets importing sheets…: deeper imports are left out.
constexpr int kMaxImportDepth = 4;
constexpr int kMaxSelectorClasses = 8;

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
  const std::optional<QString> declarations = cleanDeclarations(block, chm_, baseEntry);
  if (!declarations) {
    overLimit_ = true;
    return;
  }
  if (declarations->isEmpty()) return;
  if (selectors_.size() + kept.size() > static_cast<std::size_t>(limits::kMaxSelectors)) {
    overLimit_ = true;
    return;
  }
  QStringList texts;
  for (const SimpleSelector& selector : kept) texts.append(selector.text());
  css_ += texts.join(", ") + " { " + *declarations + " }\n";
  selectors_.insert(selectors_.end(), kept.begin(), kept.end());
}

}  // namespace polkamina::help
