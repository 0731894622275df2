#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>
#include <vector>

namespace polkamina::help {

struct SimpleSelector;
struct Tag;

// Why a page is not shown: it goes beyond a bound of page_limits.h.
enum class PageProblem {
  TooMuchText,      // more text than kMaxTextChars
  TooManyElements,  // more elements, pictures or floating pictures than allowed
  TooDeep,          // elements nested deeper than kMaxDepth
  TablesTooDeep,    // tables nested deeper than kMaxTableNesting
  TooMuchLayout,    // more layout work than kMaxLayoutWork
  LongWord,         // a run of text longer than kMaxUnbrokenRun with no place to break
  StyleTooComplex,  // style sheets beyond their bounds
};

// Measures a page against the bounds of page_limits.h while it is built,
// element by element, and keeps the first bound the page goes beyond.
class PageBudget {
 public:
  PageBudget();

  // The body's classes and id, which style rules may match.
  void setBody(const Tag& tag);
  // An element opened `depth` elements deep inside the element recorded as
  // `parent` (the body is 1): its record, or nothing when it goes beyond a
  // bound. Every element opened is closed again with close().
  std::optional<int> open(const QString& name, const Tag* tag, std::size_t depth, int parent);
  void close(const QString& name);
  // An element without content (br, hr, img) inside `parent`; false when it
  // goes beyond a bound.
  bool countEmpty(const QString& name, const Tag& tag, int parent);
  // A picture (floating: aligned left or right, with text around it).
  bool countPicture(bool floating);
  // Text as written between tags.
  void countText(QStringView text);
  // Declarations kept of an element's style attribute.
  void countDeclarations(int declarations);
  // Checked once the page's style sheets are known.
  void checkStyleWork(const std::vector<SimpleSelector>& selectors);

  void fail(PageProblem problem);
  const std::optional<PageProblem>& problem() const { return problem_; }

 private:
  // What the style work needs to know of an element.
  struct ElementRecord {
    int parent = -1;
    QString name;
    QStringList classes;
    QString id;
    bool anchorWithAddress = false;
  };

  // The grid of an open table as Qt will lay it out.
  struct TableGrid {
    long rows = 0;
    long columnsInRow = 0;  // taken in the current row
    long mostColumns = 0;   // of any row
    // Cells spanning rows: the rows they still reach, and their columns.
    std::vector<std::pair<int, int>> reachingDown;
    long slotsCounted = 0;  // of rows × mostColumns
  };

  bool countElement(const QString& name, const Tag* tag, int parent);
  void startRow();
  void addCell(const Tag* tag);
  void countGridSlots();
  long tableWeight() const { return 1L << tables_.size(); }
  void checkLayoutWork();

  std::vector<ElementRecord> records_;  // html and body first, then in document order
  std::vector<TableGrid> tables_;       // the open tables, innermost last
  int openPre_ = 0;
  long elementWork_ = 0;
  long weightedChars_ = 0;
  long weightedDeclarations_ = 0;
  int textChars_ = 0;
  int run_ = 0;  // characters since the last place a line may break
  QChar previous_;
  bool lastWasSpace_ = true;
  int pictures_ = 0;
  int floats_ = 0;
  std::optional<PageProblem> problem_;
};

}  // namespace polkamina::help
