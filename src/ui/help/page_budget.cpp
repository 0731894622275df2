#include "ui/help/page_budget.h"

#include <algorithm>

#include "ui/help/html_attributes.h"
#include "ui/help/html_reader.h"
#include "ui/help/markup_chars.h"
#include "ui/help/page_limits.h"
#include "ui/help/style_cleaner.h"

namespace polkamina::help {

namespace {

using namespace limits;

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

}  // namespace

PageBudget::PageBudget() {
  records_.push_back({-1, "html", {}, {}, false});
  records_.push_back({0, "body", {}, {}, false});
}

void PageBudget::setBody(const Tag& tag) {
  records_[1].classes = tag.attribute("class").split(u' ', Qt::SkipEmptyParts);
  records_[1].id = tag.attribute("id");
}

std::optional<int> PageBudget::open(const QString& name, const Tag* tag, std::size_t depth,
                                    int parent) {
  if (depth + 3 > static_cast<std::size_t>(kMaxDepth)) {  // html and body are around
    fail(PageProblem::TooDeep);
    return std::nullopt;
  }
  if (name == "table" && tables_.size() + 1 > static_cast<std::size_t>(kMaxTableNesting)) {
    fail(PageProblem::TablesTooDeep);
    return std::nullopt;
  }
  if (name == "table") tables_.emplace_back();
  if (name == "pre") ++openPre_;
  if (!countElement(name, tag, parent)) return std::nullopt;
  // Rows and cells stand only in a table (the page builder sees to that).
  if (name == "tr") startRow();
  if (name == "td" || name == "th") addCell(tag);
  if (problem_) return std::nullopt;
  return static_cast<int>(records_.size()) - 1;
}

void PageBudget::close(const QString& name) {
  if (name == "table") tables_.pop_back();
  if (name == "pre") --openPre_;
}

void PageBudget::startRow() {
  TableGrid& grid = tables_.back();
  ++grid.rows;
  grid.columnsInRow = 0;
  auto& cells = grid.reachingDown;
  for (auto& [rows, columns] : cells) {
    grid.columnsInRow += columns;
    --rows;
  }
  cells.erase(
      std::remove_if(cells.begin(), cells.end(), [](const auto& cell) { return cell.first == 0; }),
      cells.end());
  countGridSlots();
}

void PageBudget::addCell(const Tag* tag) {
  TableGrid& grid = tables_.back();
  const int rows = tag ? cellSpan(tag->attribute("rowspan")).value_or(1) : 1;
  const int columns = tag ? cellSpan(tag->attribute("colspan")).value_or(1) : 1;
  grid.columnsInRow += columns;
  if (rows > 1) grid.reachingDown.emplace_back(rows - 1, columns);
  countGridSlots();
}

// Adds the slots the innermost table's grid has grown by, weighed as the
// elements inside it.
void PageBudget::countGridSlots() {
  TableGrid& grid = tables_.back();
  grid.mostColumns = std::max(grid.mostColumns, grid.columnsInRow);
  const long gridSlots = grid.rows * grid.mostColumns;
  elementWork_ += (gridSlots - grid.slotsCounted) * kWorkPerGridSlot * tableWeight();
  grid.slotsCounted = gridSlots;
  checkLayoutWork();
}

bool PageBudget::countEmpty(const QString& name, const Tag& tag, int parent) {
  return countElement(name, &tag, parent);
}

bool PageBudget::countPicture(bool floating) {
  if (++pictures_ > kMaxPictures || (floating && ++floats_ > kMaxFloats)) {
    fail(PageProblem::TooManyElements);
    return false;
  }
  return true;
}

bool PageBudget::countElement(const QString& name, const Tag* tag, int parent) {
  if (records_.size() >= static_cast<std::size_t>(kMaxElements)) {
    fail(PageProblem::TooManyElements);
    return false;
  }
  ElementRecord record;
  record.parent = parent;
  record.name = name;
  if (tag) {
    record.classes = tag->attribute("class").split(u' ', Qt::SkipEmptyParts);
    record.id = tag->attribute("id");
    record.anchorWithAddress = name == "a" && !tag->attribute("href").isEmpty();
  }
  records_.push_back(std::move(record));
  elementWork_ += tableWeight();
  checkLayoutWork();
  return !problem_;
}

// Counts the characters Qt lays out: white space collapses outside <pre>,
// and a run of characters with nowhere to break a line is measured.
void PageBudget::countText(QStringView text) {
  for (const QChar c : text) {
    const bool space = isHtmlSpace(c);
    if (space && lastWasSpace_ && openPre_ == 0) continue;
    lastWasSpace_ = space;
    if (++textChars_ > kMaxTextChars) return fail(PageProblem::TooMuchText);
    weightedChars_ += tableWeight();
    // Each line of <pre> is a block of its own.
    if (c == u'\n' && openPre_ > 0) elementWork_ += kWorkPerLine * tableWeight();
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

void PageBudget::countDeclarations(int declarations) {
  weightedDeclarations_ += declarations * tableWeight();
  checkLayoutWork();
}

void PageBudget::checkLayoutWork() {
  if (elementWork_ + weightedChars_ / kCharsPerLayoutUnit +
          weightedDeclarations_ / kDeclarationsPerLayoutUnit >
      kMaxLayoutWork) {
    fail(PageProblem::TooMuchLayout);
  }
}

// Qt tries the style rules on each element and again on each of its
// ancestors: the tries, and the matches found that way, are the work
// counted here.
void PageBudget::checkStyleWork(const std::vector<SimpleSelector>& selectors) {
  if (selectors.empty()) return;
  std::vector<long> matchesAbove(records_.size(), 0);
  std::vector<long> depth(records_.size(), 0);
  long work = 0;
  long tries = 0;
  for (std::size_t i = 0; i < records_.size(); ++i) {
    const ElementRecord& record = records_[i];
    long matches = 0;
    for (const SimpleSelector& selector : selectors) {
      if (selector.matches(record.name, record.classes, record.id, record.anchorWithAddress)) {
        ++matches;
      }
    }
    const bool top = record.parent < 0;
    matchesAbove[i] = matches + (top ? 0 : matchesAbove[record.parent]);
    depth[i] = top ? 0 : depth[record.parent] + 1;
    work += matchesAbove[i];
    tries += static_cast<long>(selectors.size()) * (kTriesPerElement + depth[i]);
  }
  if (work > kMaxStyleWork || tries > kMaxSelectorTries) fail(PageProblem::StyleTooComplex);
}

void PageBudget::fail(PageProblem problem) {
  if (!problem_) problem_ = problem;
}

}  // namespace polkamina::help
