#include "ui/help/help_browser.h"

#include <QByteArray>
#include <QString>

namespace polkamina::help {

namespace {

const QString kScheme = QStringLiteral("chm");

}  // namespace

QUrl urlForEntry(const QString& entry) {
  QUrl url;
  url.setScheme(kScheme);
  url.setPath(entry);
  return url;
}

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
  const QUrl resolved = url.isRelative() ? source().resolved(url) : url;
  if (resolved.scheme() != kScheme || !resolved.host().isEmpty()) return {};
  const std::string path = resolved.path(QUrl::FullyDecoded).toStdString();
  if (path.empty()) return {};
  return QString::fromStdString(chm_->findEntry(path));
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
  // A refused resource still gets a (empty) value: a null answer would let
  // QTextDocument try to read file: URLs from disk by itself.
  const QString entry = entryFor(name);
  const auto bytes = entry.isEmpty() ? std::nullopt : chm_->read(entry.toStdString());
  const QByteArray data = bytes ? QByteArray(reinterpret_cast<const char*>(bytes->data()),
                                             static_cast<qsizetype>(bytes->size()))
                                : QByteArray("");
  if (type == QTextDocument::HtmlResource || type == QTextDocument::StyleSheetResource) {
    return QString::fromUtf8(data);
  }
  return data;
}

void HelpBrowser::followLink(const QUrl& url) {
  const QString entry = entryFor(url);
  if (entry.isEmpty()) {
    emit linkRefused(url);
    return;
  }
  QUrl target = urlForEntry(entry);
  target.setFragment(url.fragment());
  setSource(target, QTextDocument::HtmlResource);
}

}  // namespace polkamina::help
