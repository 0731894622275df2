#pragma once

#include <QListWidget>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace polkamina::ui {

// The pictures window's pictures of one set, each as its face with its name
// under it.
class PictureGrid : public QListWidget {
 public:
  explicit PictureGrid(QWidget* parent);

  // Shows the icon files of folder, keeping the one of that name selected
  // where it is still there.
  void showPictures(const std::filesystem::path& folder, const std::vector<std::string>& files,
                    const std::string& selected);
  // The selected picture's file name, if one is selected.
  std::optional<std::string> selectedFile() const;
  QSize sizeHint() const override;

 private:
  std::vector<std::string> files_;  // the files shown, in order
};

}  // namespace polkamina::ui
