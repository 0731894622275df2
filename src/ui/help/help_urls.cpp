#include "ui/help/help_urls.h"

#include <algorithm>

#include "store/text.h"

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

std::optional<QUrl> storageAddress(const ChmReader& chm, const QString& reference) {
  static const QString kPrefixes[] = {QStringLiteral("ms-its:"), QStringLiteral("mk:@MSITStore:")};
  const QString text = reference.trimmed();
  for (const QString& prefix : kPrefixes) {
    if (!text.startsWith(prefix, Qt::CaseInsensitive)) continue;
    const qsizetype separator = text.indexOf(QStringLiteral("::"), prefix.size());
    if (separator < 0) return std::nullopt;
    const QString file = text.mid(prefix.size(), separator - prefix.size());
    const QString name = file.mid(std::max(file.lastIndexOf(u'/'), file.lastIndexOf(u'\\')) + 1);
    if (chm.fileName().empty() ||
        !store::equalsIgnoringAsciiCase(name.toStdString(), chm.fileName())) {
      return std::nullopt;
    }
    QString page = text.mid(separator + 2);
    if (!page.startsWith(u'/')) page.prepend(u'/');
    QUrl address;
    address.setScheme(kPageScheme);
    const qsizetype hash = page.indexOf(u'#');
    address.setPath(page.left(hash));
    if (hash >= 0) address.setFragment(page.mid(hash + 1));
    return address;
  }
  return std::nullopt;
}

QString entryFor(const ChmReader& chm, const QUrl& base, const QString& reference) {
  if (const auto inside = storageAddress(chm, reference)) return entryAt(chm, *inside);
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
