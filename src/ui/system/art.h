#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace polkamina::system {

// The windows' artwork built into the program, by file name as in assets/art,
// for example "title.png". An icon comes as one picture per size,
// "button-start-32.png"; a picture may have "@2x" and "@3x" companions for
// scaled screens.
QString artPath(const QString& fileName);

// The icon of that name ("button-start") with every size it comes in, so that
// Qt draws the image that fits the screen's scale.
QIcon artIcon(const QString& name);

// The icon every window of the game carries: the start button's.
QIcon windowIcon();

// A picture at its own size in logical pixels, drawn for a screen of that
// device pixel ratio from the sharpest image there is.
QPixmap artPicture(const QString& fileName, qreal devicePixelRatio);

}  // namespace polkamina::system
