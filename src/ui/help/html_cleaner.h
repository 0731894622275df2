#pragma once

#include <QString>
#include <optional>

#include "ui/help/chm_reader.h"
#include "ui/help/page_budget.h"

namespace polkamina::help {

struct CleanPage {
  QString html;  // the page as the viewer shows it; empty when there is a problem
  std::optional<PageProblem> problem;
};

// Rewrites the page stored as `entry` for Qt's rich-text engine, which then
// only ever sees what this function writes:
// - every element is closed explicitly where a browser would close it, table
//   parts sit in their table, so Qt's own repairs never nest anything deeper;
// - only elements, attributes and style properties that Qt uses are kept,
//   with lengths within bounds; scripts, frames, forms and objects are left out;
// - pictures become picture addresses of entries of the file (see
//   help_urls.h); a picture that is not in the file gives way to its alt text;
// - the page's style sheets, linked (with or without type="text/css") or in
//   <style>, are gathered into one <style> in the head, as a browser applies
//   them to the whole page;
// - the page is measured against the bounds of page_limits.h as it is read,
//   and the first bound it goes beyond is the problem reported.
CleanPage cleanPage(const QString& html, const ChmReader& chm, const QString& entry);

}  // namespace polkamina::help
