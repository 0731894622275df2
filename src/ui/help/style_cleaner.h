#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <set>
#include <vector>

#include "ui/help/chm_reader.h"
#include "ui/help/css_declarations.h"

namespace polkamina::help {

// A selector the viewer keeps: an element name, classes and an id, each
// optional, and ":link" or ":visited" for anchors with an address ("p",
// "p.note", ".note", "#top", "a:link", "*"). Qt matches every rule again for
// every ancestor of every element, and selectors with combinators, attributes
// or other pseudo-classes walk the tree on top of that; those are left out.
struct SimpleSelector {
  QString element;  // lower case; empty for any element
  QStringList classes;
  QString id;
  QString pseudoClass;  // "link", "visited" or empty

  QString text() const;
  bool matches(const QString& elementName, const QStringList& elementClasses,
               const QString& elementId, bool anchorWithAddress) const;
};

// The style sheets of one page gathered into one: <style> elements, linked
// sheets and what they import, in document order, with only the selectors
// and declarations the viewer keeps. Addresses in url() are resolved against
// the sheet that holds them and become picture addresses of the file.
class StyleCollector {
 public:
  explicit StyleCollector(const ChmReader& chm);

  // A sheet whose text came from `baseEntry` (the page itself for <style>).
  void addSheet(const QString& text, const QString& baseEntry);
  // The sheet stored as `entry`; each entry is added once.
  void addLinkedSheet(const QString& entry);

  const QString& css() const { return css_; }
  const std::vector<SimpleSelector>& selectors() const { return selectors_; }
  // More sheets, sheet text or selectors than a page may have, or more
  // declarations than a rule may have.
  bool overLimit() const { return overLimit_; }

 private:
  // Rules of `text`; inside a @media block, at-rules are left out.
  void addRules(QStringView text, const QString& baseEntry, int importDepth, bool insideMedia);
  void addAtRule(QStringView name, QStringView prelude, std::optional<QStringView> block,
                 const QString& baseEntry, int importDepth, bool insideMedia);
  void addRule(QStringView prelude, QStringView block, const QString& baseEntry);
  void addEntry(const QString& entry, int importDepth);

  const ChmReader& chm_;
  QString css_;
  std::vector<SimpleSelector> selectors_;
  std::set<QString> entriesAdded_;
  std::size_t bytesAdded_ = 0;
  int sheetsAdded_ = 0;
  bool overLimit_ = false;
};

// Whether rules or sheets for a media list ("screen", "print, handheld", ...)
// reach the screen; an empty list reaches every medium.
bool mediaApplies(QStringView list);

// The selector `text` stands for, when it is one the viewer keeps.
std::optional<SimpleSelector> parseSimpleSelector(QStringView text);

}  // namespace polkamina::help
