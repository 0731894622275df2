#pragma once

#include <QTextBrowser>
#include <QUrl>
#include <memory>

#include "ui/help/chm_reader.h"

namespace polkamina::help {

// A text browser whose pages, style sheets and images all come from one CHM
// file. Pages are addressed as "chm:/<entry>"; a link is followed only when it
// names an entry of that file. Links with another scheme (http:, file:,
// mailto:, ms-its:, ...) are refused and reported by linkRefused(), so no
// external program, network or local file is ever reached.
class HelpBrowser : public QTextBrowser {
  Q_OBJECT

 public:
  HelpBrowser(std::shared_ptr<const ChmReader> chm, QWidget* parent = nullptr);

  void showDefaultTopic();
  // The stored name of the entry `url` leads to, resolved against the page
  // shown; an empty string when it leads outside the file.
  QString entryFor(const QUrl& url) const;

  QVariant loadResource(int type, const QUrl& name) override;

 signals:
  void linkRefused(const QUrl& url);

 private:
  void followLink(const QUrl& url);

  std::shared_ptr<const ChmReader> chm_;
};

// The address of a CHM entry inside the help browser.
QUrl urlForEntry(const QString& entry);

}  // namespace polkamina::help
