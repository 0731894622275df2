#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <ostream>
#include <vector>

class QTextDocument;

// Failed comparisons print texts as text.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

namespace polkamina::help {

class HelpBrowser;
class HelpWindow;

// Linking this file gives the test program a QApplication for its whole run.

std::vector<HelpWindow*> openHelpWindows();

// Clicks the link whose href is `href` on the page shown, as a player would,
// so QTextBrowser resolves it against the page itself.
bool clickLink(HelpBrowser* browser, const QString& href);

// The names of the pictures on the page shown, in document order.
QStringList pictureNames(QTextDocument* document);

// Runs `action` and answers the modal message box it shows; returns the box's
// "caption|text", or an empty string when no box was shown.
QString answerMessageBox(const std::function<void()>& action);

// Tells which files of one folder were opened or read since it was made,
// whoever opened them (inotify): a way to see that the viewer never reaches
// past the help file. Opening the folder itself does not count.
class OpenWatch {
 public:
  explicit OpenWatch(const QString& folder);
  ~OpenWatch();
  OpenWatch(const OpenWatch&) = delete;
  OpenWatch& operator=(const OpenWatch&) = delete;

  // Names opened or read since the watch began or was last asked.
  QStringList opened();

 private:
  int fd_;
};

}  // namespace polkamina::help
