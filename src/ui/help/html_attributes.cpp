#include "ui/help/html_attributes.h"

#include <QSet>
#include <QStringList>

#include "ui/help/help_urls.h"
#include "ui/help/html_reader.h"
#include "ui/help/page_budget.h"
#include "ui/help/page_limits.h"
#include "ui/help/style_cleaner.h"

namespace polkamina::help {

namespace {

using namespace limits;

constexpr int kMaxClasses = 16;
constexpr qsizetype kMaxAddressLength = 2048;
constexpr qsizetype kMaxNameValueLength = 128;
constexpr qsizetype kMaxTitleLength = 512;
constexpr qsizetype kMaxPlainValueLength = 64;
constexpr int kMaxListNumber = 1000000;

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

std::optional<QString> boundedText(const QString& raw, qsizetype maxLength) {
  return raw.size() <= maxLength ? std::optional<QString>(raw) : std::nullopt;
}

// An attribute's value as the viewer keeps it, or nothing when Qt has no use
// for the attribute or its value is out of bounds.
std::optional<QString> keptValue(const QString& key, const QString& raw, const PageSource& page,
                                 PageBudget& budget) {
  if (key == "href") {
    // Windows' own addresses of pages of this file become the viewer's.
    if (const auto inside = storageAddress(page.chm, raw)) {
      return boundedText(inside->toString(), kMaxAddressLength);
    }
    return boundedText(raw, kMaxAddressLength);
  }
  if (key == "name" || key == "id") return boundedText(raw, kMaxNameValueLength);
  if (key == "title") return boundedText(raw, kMaxTitleLength);
  if (key == "class") {
    const QStringList classes = raw.split(u' ', Qt::SkipEmptyParts);
    if (classes.size() > kMaxClasses) return std::nullopt;
    return boundedText(classes.join(u' '), kMaxNameValueLength);
  }
  if (key == "style") {
    const std::optional<QString> declarations = cleanDeclarations(raw, page.chm, page.entry);
    if (!declarations) budget.fail(PageProblem::StyleTooComplex);
    if (!declarations || declarations->isEmpty()) return std::nullopt;
    // Each kept declaration ends in ";", which no kept value holds.
    budget.countDeclarations(static_cast<int>(declarations->count(u';')));
    return declarations;
  }
  if (key == "background") {
    if (!budget.countPicture(false)) return std::nullopt;
    const QString entry = entryFor(page.chm, page.url, raw);
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
  static const QSet<QString> kPlainAttributes = {"align",  "valign",  "dir",        "type",
                                                 "nowrap", "bgcolor", "color",      "face",
                                                 "lang",   "clear",   "bordercolor"};
  if (kPlainAttributes.contains(key)) return boundedText(raw, kMaxPlainValueLength);
  return std::nullopt;
}

}  // namespace

QString keptAttributes(const Tag& tag, const PageSource& page, PageBudget& budget) {
  QString result;
  for (const auto& [key, raw] : tag.attributes) {
    if (const auto value = keptValue(key, raw, page, budget)) {
      result += ' ' + key + "=\"" + escapeAttribute(*value) + '"';
    }
  }
  return result;
}

std::optional<int> cellSpan(const QString& raw) {
  const auto span = integer(raw);
  if (!span || *span < 1 || *span > kMaxCellSpan) return std::nullopt;
  return span;
}

}  // namespace polkamina::help
