#pragma once

#include <QString>
#include <QUrl>

#include "ui/help/chm_reader.h"

namespace polkamina::help {

// The address of an entry of the help file in the viewer: "chm:/<entry>".
QUrl urlForEntry(const QString& entry);

// Whether an address is one of the viewer's page addresses, whether or not
// the file holds an entry of its name.
bool isPageAddress(const QUrl& url);

// The stored name of the entry an address leads to: `reference` resolved
// against `base` (itself a "chm:" address). Empty when it leads anywhere
// but to an entry of the file.
QString entryFor(const ChmReader& chm, const QUrl& base, const QString& reference);
QString entryAt(const ChmReader& chm, const QUrl& url);

// The address under which a picture entry is shown: "qrc:/polkamina-help/<entry>".
// Qt's image handler loads a picture by its name itself when the document
// gives it nothing it can decode, and tries "@2x" variants of the name first;
// under Qt's resource scheme both can only ever look among the program's own
// compiled-in resources, never on the disk.
QUrl pictureUrlForEntry(const QString& entry);
// The entry a picture address names; empty for any other address.
QString pictureEntry(const QUrl& url);

}  // namespace polkamina::help
