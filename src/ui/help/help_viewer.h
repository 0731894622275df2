#pragma once

#include <QString>

class QWidget;

namespace polkamina::help {

// Opens the help file at its default topic in a new modeless help window.
// A missing or damaged file is reported in a message box and nothing opens.
void showHelp(const QString& fileName, QWidget* owner);

// Closes every help window this process has opened.
void closeAllHelpWindows();

}  // namespace polkamina::help
