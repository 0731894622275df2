#include "ui/record_window.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "ui/system/art.h"
#include "ui/system/fonts.h"
#include "ui/system/twips.h"

namespace polkamina::ui {

namespace {

const char* const kCaption = QT_TRANSLATE_NOOP("RecordWindow", "新記録達成！");
constexpr int kClientWidth = 5730;
constexpr int kClientHeight = 1305;
constexpr double kWindowPoints = 9;
constexpr double kMessagePoints = 11.25;

// The new-record window frmKiroku1: the picture, the announcement and OK.
class RecordWindow : public QDialog {
  Q_DECLARE_TR_FUNCTIONS(RecordWindow)

 public:
  RecordWindow(QWidget* parent, const std::string& message) : QDialog(parent) {
    setObjectName("frmKiroku1");
    setWindowTitle(tr(kCaption));
    setWindowIcon(system::windowIcon());
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(system::twipsToPixels(kClientWidth), system::twipsToPixels(kClientHeight));
    setFont(system::designFont(system::kPGothic, kWindowPoints));
    // Screen readers read a dialog's message from its description: the
    // label alone would be passed over as too short.
    setAccessibleDescription(QString::fromStdString(message));

    auto* picture = new QLabel(this);
    picture->setObjectName("Image1");
    picture->setGeometry(system::twipsRect(150, 150, 960, 945));
    picture->setPixmap(system::artPicture("record.png", devicePixelRatioF()));
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* lblCom = new QLabel(this);
    lblCom->setObjectName("lblCom");
    lblCom->setGeometry(system::twipsRect(1275, 300, 4365, 315));
    lblCom->setTextFormat(Qt::PlainText);
    lblCom->setFont(system::designFont(system::kPGothic, kMessagePoints));
    lblCom->setText(QString::fromStdString(message));

    cmdModori_ = new QPushButton("OK", this);
    cmdModori_->setObjectName("cmdModori");
    cmdModori_->setGeometry(system::twipsRect(4125, 750, 1290, 390));
    cmdModori_->setDefault(true);
    connect(cmdModori_, &QPushButton::clicked, this, &QDialog::accept);
  }

  void centreOnScreen() {
    const QScreen* screen =
        parentWidget() != nullptr ? parentWidget()->screen() : QApplication::primaryScreen();
    move(screen->availableGeometry().center() - rect().center());
  }

  void focusOk() { cmdModori_->setFocus(); }

 private:
  QPushButton* cmdModori_ = nullptr;
};

}  // namespace

void showRecordWindow(QWidget* parent, const std::string& message) {
  RecordWindow window(parent, message);
  window.centreOnScreen();
  window.focusOk();
  window.exec();
}

}  // namespace polkamina::ui
