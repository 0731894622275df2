#include "ui/help/help_urls.h"

namespace polkamina::help {

namespace {

const QString kPageScheme = QStringLiteral("chm");
const QString kPictureScheme = QStringLiteral("qrc");
const QString kPicturePrefix = QStringLiteral("/polkamina-help");

}  // namespace

QUrl urlForEntry(const QString& entry) {
  QUrl url;
  url.setScheme(kPageScheme);
  url.setPath(entry);
  return url;
}

QString entryFor(const ChmReader& chm, const QUrl& base, const QString& reference) {
  const QUrl url(reference.trimmed());
  if (!url.isValid()) return {};
  return entryAt(chm, base.resolved(url));
}

bool isPageAddress(const QUrl& url) { return url.scheme() == kPageScheme && url.host().isEmpty(); }

QString entryAt(const ChmReader& chm, const QUrl& url) {
  if (!isPageAddress(url)) return {};
  const QString path = url.path(QUrl::FullyDecoded);
  if (path.isEmpty()) return {};
  return QString::fromStdString(chm.findEntry(path.toStdString()));
}

QString pictureSourceForEntry(const QString& entry) {
  return ':' + pictureUrlForEntry(entry).path(QUrl::FullyEncoded);
}

QUrl pictureUrlForEntry(const QString& entry) {
  QUrl url;
  url.setScheme(kPictureScheme);
  url.setPath(kPicturePrefix + entry);
  return url;
}

QString pictureEntry(const QUrl& url) {
  const QString path = url.path(QUrl::FullyDecoded);
  if (url.scheme() != kPictureScheme || !url.host().isEmpty() ||
      !path.startsWith(kPicturePrefix + '/')) {
    return {};
  }
  return path.mid(kPicturePrefix.size());
}

}  // namespace polkamina::help
