#include "ui/pause_cover.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QVBoxLayout>

#include "ui/design.h"
#include "ui/system/fonts.h"
#include "ui/system/twips.h"

namespace polkamina::ui {

namespace {

const char* const kTitle = QT_TRANSLATE_NOOP("Pause", "一時停止中");
const char* const kHint = QT_TRANSLATE_NOOP("Pause", "クリックするか P キーを押すと再開します");

}  // namespace

PauseCover::PauseCover(QWidget* parent) : QFrame(parent) {
  setObjectName("pauseCover");
  // The history frame's place and size.
  setGeometry(system::twipsRect(150, 1050, 8875, 4170));
  setFrameStyle(QFrame::Box | QFrame::Sunken);
  setAutoFillBackground(true);
  setFocusPolicy(Qt::StrongFocus);
  setCursor(Qt::PointingHandCursor);
  const QString titleText = QCoreApplication::translate("Pause", kTitle);
  const QString hintText = QCoreApplication::translate("Pause", kHint);
  setAccessibleName(titleText);
  setAccessibleDescription(hintText);

  auto* title = new QLabel(titleText, this);
  title->setFont(system::designFont(system::kPGothic, design::kDisplayPoints));
  title->setAlignment(Qt::AlignCenter);
  auto* hint = new QLabel(hintText, this);
  hint->setFont(system::designFont(system::kPGothic, design::kControlPoints));
  hint->setAlignment(Qt::AlignCenter);
  auto* layout = new QVBoxLayout(this);
  layout->addStretch();
  layout->addWidget(title);
  layout->addWidget(hint);
  layout->addStretch();
  hide();
}

void PauseCover::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    emit resumeAsked();
  }
}

void PauseCover::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
      emit resumeAsked();
      break;
    default:
      QFrame::keyPressEvent(event);
  }
}

// The keyboard focus is drawn around the text, as on a button.
void PauseCover::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  if (!hasFocus()) return;
  QPainter painter(this);
  QStyleOptionFocusRect option;
  option.initFrom(this);
  option.rect = contentsRect().adjusted(4, 4, -4, -4);
  style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

}  // namespace polkamina::ui
