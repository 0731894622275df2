#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <functional>
#include <optional>
#include <string>

class QWidget;

namespace polkamina::ui {

// What the player chose for one picture to import.
struct ImportChoice {
  enum class Answer { Import, Skip, Stop };
  Answer answer = Answer::Stop;
  QRect square;      // the part of the picture that becomes the icon
  std::string name;  // the picture's name, UTF-8
};

// Why a name cannot be taken, or nothing.
using NameCheck = std::function<std::optional<std::string>(const std::string& name)>;

// Asks, modally, which square of the picture from `fileName` to import and
// under which name, starting from the centre and `proposedName`. A name
// that `check` refuses is shown with the reason and cannot be taken.
ImportChoice askHowToImport(QWidget* parent, const QImage& picture, const QString& fileName,
                            const QString& proposedName, const NameCheck& check);

}  // namespace polkamina::ui
