#pragma once

#include <QString>
#include <QUrl>
#include <optional>

#include "ui/help/chm_reader.h"

namespace polkamina::help {

class PageBudget;
struct Tag;

// The page being cleaned: its help file and the entry it is stored as,
// against which the addresses it gives are resolved.
struct PageSource {
  const ChmReader& chm;
  QString entry;
  QUrl url;  // the entry's address (see help_urls.h)
};

// The attributes of `tag` that Qt uses, with values within the bounds of
// page_limits.h, written out as ` key="value"` each: addresses are kept as
// written, pictures become picture addresses of entries of the file, style
// attributes keep only the declarations cleanDeclarations() keeps. Pictures
// and style attributes beyond their bounds go to `budget`.
QString keptAttributes(const Tag& tag, const PageSource& page, PageBudget& budget);

// A row or column span a cell may have: 1 to kMaxCellSpan.
std::optional<int> cellSpan(const QString& raw);

}  // namespace polkamina::help
