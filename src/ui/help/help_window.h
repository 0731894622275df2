#pragma once

#include <QMainWindow>
#include <QString>
#include <memory>

#include "ui/help/chm_reader.h"

namespace polkamina::system {
class Announcer;
}

namespace polkamina::help {

class HelpBrowser;

// A modeless top-level window showing one help file: the page, a tool bar
// with back (Alt+Left), forward (Alt+Right) and contents (Alt+Home), and a
// status line that tells why a link was not followed. Esc closes it. It
// deletes itself when closed and does not keep the application running.
class HelpWindow : public QMainWindow {
  Q_OBJECT

 public:
  HelpWindow(std::shared_ptr<const ChmReader> chm, const QString& filePath);

  // Absolute path of the help file shown.
  const QString& filePath() const { return filePath_; }
  HelpBrowser* browser() const { return browser_; }
  // Shows the page the file opens at, saying so when the file names a
  // default topic it does not hold.
  void showDefaultTopic();

 private:
  void showPageTitle();
  void tellPage();

  std::shared_ptr<const ChmReader> chm_;
  QString filePath_;
  HelpBrowser* browser_;
  system::Announcer* announcer_;  // tells a screen reader of pages and links
};

// Status-line texts: a link leading outside the help file, a link to a page
// the file does not hold (%1 is the link), and a default topic the file
// does not hold (%1 is that topic, %2 the page shown instead).
extern const char* const kRefusedLinkText;
extern const char* const kMissingPageText;
extern const char* const kMissingDefaultTopicText;

}  // namespace polkamina::help
