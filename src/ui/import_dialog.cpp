#include "ui/import_dialog.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/square_picker.h"

namespace polkamina::ui {

namespace {

class ImportDialog : public QDialog {
 public:
  ImportDialog(QWidget* parent, const QImage& picture, const QString& fileName,
               const QString& proposedName, NameCheck check)
      : QDialog(parent), check_(std::move(check)) {
    setWindowTitle(QCoreApplication::translate("Import", "絵を取り込む"));
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(this);
    intro->setTextFormat(Qt::PlainText);
    intro->setWordWrap(true);
    intro->setText(QCoreApplication::translate("Import", "「%1」の白い枠の中がコマの絵になります。")
                       .arg(fileName));
    layout->addWidget(intro);

    picker_ = new SquarePicker(picture, this);
    layout->addWidget(picker_, 1, Qt::AlignCenter);

    auto* form = new QFormLayout;
    name_ = new QLineEdit(proposedName, this);
    name_->setAccessibleName(QCoreApplication::translate("Import", "絵の名前"));
    auto* nameLabel = new QLabel(QCoreApplication::translate("Import", "名前(&N):"), this);
    nameLabel->setBuddy(name_);
    form->addRow(nameLabel, name_);
    layout->addLayout(form);
    reason_ = new QLabel(this);
    reason_->setTextFormat(Qt::PlainText);
    reason_->setWordWrap(true);
    reason_->setAccessibleName(QCoreApplication::translate("Import", "名前について"));
    layout->addWidget(reason_);

    auto* buttons = new QDialogButtonBox(this);
    import_ = buttons->addButton(QCoreApplication::translate("Import", "取り込む(&I)"),
                                 QDialogButtonBox::AcceptRole);
    QPushButton* skip = buttons->addButton(
        QCoreApplication::translate("Import", "この絵は飛ばす(&S)"), QDialogButtonBox::ActionRole);
    buttons->addButton(QCoreApplication::translate("Import", "やめる"),
                       QDialogButtonBox::RejectRole);
    import_->setDefault(true);
    layout->addWidget(buttons);

    connect(name_, &QLineEdit::textChanged, this, &ImportDialog::checkName);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { finish(Answer::Import); });
    connect(skip, &QPushButton::clicked, this, [this] { finish(Answer::Skip); });
    connect(buttons, &QDialogButtonBox::rejected, this, [this] { finish(Answer::Stop); });
    checkName();
    picker_->setFocus();
  }

  ImportChoice choice() const { return {answer_, picker_->square(), name_->text().toStdString()}; }

 private:
  using Answer = ImportChoice::Answer;

  void checkName() {
    const std::optional<std::string> refused = check_(name_->text().toStdString());
    reason_->setText(refused ? QString::fromStdString(*refused) : QString());
    import_->setEnabled(!refused);
  }

  void finish(Answer answer) {
    answer_ = answer;
    if (answer == Answer::Import)
      accept();
    else
      reject();
  }

  NameCheck check_;
  SquarePicker* picker_ = nullptr;
  QLineEdit* name_ = nullptr;
  QLabel* reason_ = nullptr;
  QPushButton* import_ = nullptr;
  Answer answer_ = Answer::Stop;
};

}  // namespace

ImportChoice askHowToImport(QWidget* parent, const QImage& picture, const QString& fileName,
                            const QString& proposedName, const NameCheck& check) {
  ImportDialog dialog(parent, picture, fileName, proposedName, check);
  dialog.exec();
  return dialog.choice();
}

}  // namespace polkamina::ui
