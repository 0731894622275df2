#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace polkamina::system {

// The windows' artwork built into the program, by file name as in assets/art,
// for example "button-start.ico" or "title.png".
QString artPath(const QString& fileName);
QIcon artIcon(const QString& fileName);
QPixmap artPicture(const QString& fileName);

}  // namespace polkamina::system
