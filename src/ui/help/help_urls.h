#pragma once

#include <QString>
#include <QUrl>
#include <optional>

#include "ui/help/chm_reader.h"

namespace polkamina::help {

// The address of an entry of the help file in the viewer: "chm:/<entry>".
QUrl urlForEntry(const QString& entry);

// Whether an address is one of the viewer's page addresses, whether or not
// the file holds an entry of its name.
bool isPageAddress(const QUrl& url);

// The address inside the help file `chm` that a reference in the form of
// Windows' viewer names, "ms-its:FILE::/PAGE" or "mk:@MSITStore:FILE::/PAGE"
// (FILE with or without a folder), when FILE is this help file; nothing for
// any other reference, and for another file.
std::optional<QUrl> storageAddress(const ChmReader& chm, const QString& reference);

// The stored name of the entry an address leads to: `reference` resolved
// against `base` (itself a "chm:" address). Empty when it leads anywhere
// but to an entry of the file.
QString entryFor(const ChmReader& chm, const QUrl& base, const QString& reference);
QString entryAt(const ChmReader& chm, const QUrl& url);

// The name a page's <img> gives a picture entry: ":/polkamina-help/<entry>",
// a path of Qt's resource system. Qt's image handler looks for "@2x"
// variants of the name on its own and, when the document gives it nothing
// it can decode, loads the name itself; a resource path leads both only to
// the program's own compiled-in resources, never to the disk. The document
// then asks for the picture by its address, pictureUrlForEntry(entry).
QString pictureSourceForEntry(const QString& entry);
// The address of a picture entry, "qrc:/polkamina-help/<entry>", by which
// the document asks for it and style sheets and background attributes name it.
QUrl pictureUrlForEntry(const QString& entry);
// The entry a picture address names; empty for any other address.
QString pictureEntry(const QUrl& url);

}  // namespace polkamina::help
