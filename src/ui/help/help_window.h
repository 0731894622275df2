#pragma once

#include <QMainWindow>
#include <QString>
#include <memory>

#include "ui/help/chm_reader.h"

class QAction;

namespace polkamina::help {

class HelpBrowser;

// A modeless top-level window showing one help file: the page, a tool bar
// with back, forward and contents, and a status line that tells when a link
// leaving the file was not followed. It deletes itself when closed and does
// not keep the application running.
class HelpWindow : public QMainWindow {
  Q_OBJECT

 public:
  HelpWindow(std::shared_ptr<const ChmReader> chm, const QString& filePath);

  // Absolute path of the help file shown.
  const QString& filePath() const { return filePath_; }
  HelpBrowser* browser() const { return browser_; }
  void showDefaultTopic();

 private:
  void showPageTitle();
  void reportRefusedLink();

  QString filePath_;
  HelpBrowser* browser_;
};

// Status-line text shown when a link leading outside the help file is clicked.
extern const char* const kRefusedLinkText;

}  // namespace polkamina::help
