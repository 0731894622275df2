#include "ui/help/help_browser.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QImage>
#include <QString>

#include "ui/help/help_pictures.h"
#include "ui/help/help_urls.h"
#include "ui/help/html_cleaner.h"
#include "ui/help/page_limits.h"

namespace polkamina::help {

namespace {

QByteArray bytesOf(const std::vector<unsigned char>& bytes) {
  return QByteArray(reinterpret_cast<const char*>(bytes.data()),
                    static_cast<qsizetype>(bytes.size()));
}

QString problemText(PageProblem problem) {
  switch (problem) {
    case PageProblem::TooMuchText:
      return QCoreApplication::translate("Help", "文字が多すぎる");
    case PageProblem::TooManyElements:
      return QCoreApplication::translate("Help", "要素や画像が多すぎる");
    case PageProblem::TooDeep:
      return QCoreApplication::translate("Help", "要素の入れ子が深すぎる");
    case PageProblem::TablesTooDeep:
      return QCoreApplication::translate("Help", "表の入れ子が深すぎる");
    case PageProblem::TooMuchLayout:
      return QCoreApplication::translate("Help", "内容が多すぎる");
    case PageProblem::LongWord:
      return QCoreApplication::translate("Help", "改行できない長い文字の並びがある");
    case PageProblem::StyleTooComplex:
      return QCoreApplication::translate("Help", "スタイルシートが大きすぎるか複雑すぎる");
  }
  return {};
}

// What a picture the file cannot give is shown as: nothing at all.
QImage placeholder() {
  QImage image(1, 1, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  return image;
}

}  // namespace

HelpBrowser::HelpBrowser(std::shared_ptr<const ChmReader> chm, QWidget* parent)
    : QTextBrowser(parent), chm_(std::move(chm)) {
  // Every click is judged by followLink(); nothing is opened behind its back.
  setOpenLinks(false);
  setOpenExternalLinks(false);
  connect(this, &QTextBrowser::anchorClicked, this, &HelpBrowser::followLink);
}

void HelpBrowser::showDefaultTopic() {
  setSource(urlForEntry(QString::fromStdString(chm_->defaultTopic())), QTextDocument::HtmlResource);
}

QString HelpBrowser::entryFor(const QUrl& url) const {
  return entryAt(*chm_, source().resolved(url));
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
  // Every answer is a value Qt can use as it is: a null answer would let
  // QTextDocument and Qt's image handler look for the name on the disk.
  switch (type) {
    case QTextDocument::HtmlResource:
      return page(name);
    case QTextDocument::ImageResource:
      return picture(name);
    default:
      // Style sheets reach Qt inside the cleaned page, never by address.
      return QString();
  }
}

// Tab and Shift+Tab go from link to link, each selected in turn.
bool HelpBrowser::focusNextPrevChild(bool next) {
  const bool moved = QTextBrowser::focusNextPrevChild(next);
  const QTextCursor cursor = textCursor();
  if (hasFocus() && cursor.hasSelection()) emit linkFocused(cursor.selectedText());
  return moved;
}

void HelpBrowser::followLink(const QUrl& url) {
  const QUrl resolved = source().resolved(url);
  const QString entry = entryAt(*chm_, resolved);
  if (!entry.isEmpty()) {
    QUrl target = urlForEntry(entry);
    target.setFragment(url.fragment());
    setSource(target, QTextDocument::HtmlResource);
  } else if (isPageAddress(resolved)) {
    emit missingPage(resolved.path().mid(1));
  } else {
    emit linkRefused(url);
  }
}

// The cleaned page at `url`, or a page telling why it cannot be shown.
QString HelpBrowser::page(const QUrl& url) {
  const QString entry = entryAt(*chm_, url);
  picturePixels_ = 0;
  if (entry.isEmpty()) {
    return messagePage(
        QCoreApplication::translate("Help", "「%1」というページはヘルプファイルの中にありません。")
            .arg(url.path().toHtmlEscaped()));
  }
  const QString shown = entry.mid(1).toHtmlEscaped();
  if (chm_->entrySize(entry.toStdString()).value_or(0) > limits::kMaxPageBytes) {
    return messagePage(
        QCoreApplication::translate("Help", "ページ「%1」は大きすぎるため表示できません。")
            .arg(shown));
  }
  const auto bytes = chm_->read(entry.toStdString());
  if (!bytes) {
    return messagePage(QCoreApplication::translate(
                           "Help", "ヘルプファイルが壊れているため、ページ「%1」を読めません。")
                           .arg(shown));
  }
  const CleanPage cleaned = cleanPage(QString::fromUtf8(bytesOf(*bytes)), *chm_, entry);
  if (cleaned.problem) {
    return messagePage(QCoreApplication::translate("Help", "ページ「%1」は%2ため表示できません。")
                           .arg(shown, problemText(*cleaned.problem)));
  }
  return cleaned.html;
}

QString HelpBrowser::messagePage(const QString& message) const {
  const QString contents = urlForEntry(QString::fromStdString(chm_->defaultTopic()))
                               .toString(QUrl::FullyEncoded)
                               .toHtmlEscaped();
  return QStringLiteral(
             "<html><head><title>%1</title></head><body><h3>%2</h3><p>%3</p>"
             "<p><a href=\"%4\">%5</a></p></body></html>")
      .arg(QCoreApplication::translate("Help", "ヘルプ"),
           QCoreApplication::translate("Help", "このページは表示できません"), message, contents,
           QCoreApplication::translate("Help", "目次に戻る"));
}

// The picture a picture address names, decoded within the bounds of
// page_limits.h, or a placeholder that shows nothing.
QImage HelpBrowser::picture(const QUrl& url) {
  const std::string entry = pictureEntry(url).toStdString();
  if (entry.empty() ||
      chm_->entrySize(entry).value_or(limits::kMaxPictureBytes + 1) > limits::kMaxPictureBytes) {
    return placeholder();
  }
  const auto bytes = chm_->read(entry);
  std::optional<CheckedPicture> checked = bytes ? checkPicture(bytesOf(*bytes)) : std::nullopt;
  if (!checked) return placeholder();
  const long work = checked->decodingWork();
  if (picturePixels_ + work > limits::kMaxPicturePixelsPerPage) return placeholder();
  picturePixels_ += work;
  const QImage image = decodePicture(*checked);
  if (image.isNull()) return placeholder();
  if (image.width() > limits::kMaxPictureSide || image.height() > limits::kMaxPictureSide) {
    return image.scaled(limits::kMaxPictureSide, limits::kMaxPictureSide, Qt::KeepAspectRatio,
                        Qt::SmoothTransformation);
  }
  return image;
}

}  // namespace polkamina::help
