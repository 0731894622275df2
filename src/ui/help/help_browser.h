#pragma once

#include <QTextBrowser>
#include <QUrl>
#include <memory>

#include "ui/help/chm_reader.h"

namespace polkamina::help {

// A text browser whose pages and pictures all come from one CHM file, and
// nothing else. Pages are addressed as "chm:/<entry>" and are rewritten by
// cleanPage() before Qt sees them, so that Qt lays out only what it can lay
// out quickly; a page that cannot be shown is replaced by a page saying why.
// A link is followed only when it names an entry of the file; other links
// are refused and reported by linkRefused() or missingPage(), so no
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
  // A link leading outside the file was clicked.
  void linkRefused(const QUrl& url);
  // A link to a page the file does not hold was clicked; `page` is its name.
  void missingPage(const QString& page);
  // The keyboard moved to a link; `text` is what it shows.
  void linkFocused(const QString& text);

 protected:
  bool focusNextPrevChild(bool next) override;

 private:
  void followLink(const QUrl& url);
  QString page(const QUrl& url);
  QString messagePage(const QString& message) const;
  QImage picture(const QUrl& url);

  std::shared_ptr<const ChmReader> chm_;
  long picturePixels_ = 0;  // decoding work of the pictures of the page shown
};

}  // namespace polkamina::help
