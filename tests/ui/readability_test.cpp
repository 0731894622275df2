// The windows' texts stay readable on any desktop: every text of the program
// is drawn with a font that holds its characters (also where the design's
// fonts are missing, when this test is built to hide them), and stands out
// from what lies behind it in dark and high-contrast palettes.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTest>
#include <QToolButton>
#include <algorithm>
#include <cmath>
#include <map>

#include "ui/system/fonts.h"
#include "ui/system/language.h"
#include "ui_test_support.h"
#include "window_session.h"

namespace polkamina::ui {
namespace {

// The application with the fonts a player would have, or with the design's
// fonts hidden from it; in Japanese, or in the translation this test is
// built for.
void startApplication() {
#ifdef POLKAMINA_HIDDEN_FONTS_CONF
  qputenv("FONTCONFIG_FILE", POLKAMINA_HIDDEN_FONTS_CONF);
#endif
  uitest::application();
  system::installFontSubstitutions();
#ifdef POLKAMINA_TEST_TRANSLATION
  system::useTranslation(POLKAMINA_TEST_TRANSLATION);
#endif
}

// The main window, paused over a game, and the settings and progress
// windows opened from it.
struct Windows {
  Windows() {
    session.find<QToolButton>("cmdSettei")->click();
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (widget->objectName() == "frmSub") settings = widget;
    }
    session.find<QToolButton>("cmdStart")->click();
    session.window().findChild<QAction*>("pauseEntry")->trigger();
    session.window().findChild<QAction*>("progressEntry")->trigger();
    progress = session.window().findChild<QWidget*>("progressWindow");
  }
  ~Windows() {
    if (settings != nullptr) settings->close();
  }
  std::vector<QWidget*> all() { return {&session.window(), settings, progress}; }

  Session session;
  QWidget* settings = nullptr;
  QWidget* progress = nullptr;
};

TEST(Readability, EveryTextOfTheProgramIsInItsFont) {
  startApplication();
#ifdef POLKAMINA_HIDDEN_FONTS_CONF
  for (const char* hidden : {"Monapo", "IPAPGothic", "IPAGothic"}) {
    ASSERT_FALSE(QFontDatabase::hasFamily(hidden)) << hidden << " is not hidden";
  }
#endif
  Windows windows;
  ASSERT_NE(windows.settings, nullptr);
  ASSERT_NE(windows.progress, nullptr);
  ASSERT_TRUE(windows.session.find<QWidget>("pauseCover")->isVisible());
  int checked = 0;
  for (QWidget* window : windows.all()) {
    for (QWidget* widget : window->findChildren<QWidget*>()) {
      // Texts from outside the program may draw what their font lacks from
      // other fonts; the program's own texts are drawn by one font.
      if (widget->font().styleStrategy() != QFont::NoFontMerging) continue;
      const QFontMetrics metrics(widget->font());
      for (const QString& text : uitest::shownTexts(widget)) {
        for (const char32_t character : text.toUcs4()) {
          EXPECT_TRUE(character == ' ' || metrics.inFontUcs4(character))
              << widget->objectName().toStdString() << ": " << text.toStdString() << " in "
              << QFontInfo(widget->font()).family().toStdString();
        }
        ++checked;
      }
    }
  }
  EXPECT_GT(checked, 30);
}

double linear(int channel) {
  const double c = channel / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(QRgb colour) {
  return 0.2126 * linear(qRed(colour)) + 0.7152 * linear(qGreen(colour)) +
         0.0722 * linear(qBlue(colour));
}

double contrast(QRgb a, QRgb b) {
  const double la = luminance(a);
  const double lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The contrast of what is drawn in an area of the widget against the colour
// most of the area shows: for a text, its strokes against its background.
double drawnContrast(QWidget* widget, const QRect& area) {
  const QImage image = widget->grab(area).toImage().convertToFormat(QImage::Format_RGB32);
  std::map<QRgb, int> counts;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) ++counts[image.pixel(x, y)];
  }
  QRgb background = 0;
  int most = -1;
  for (const auto& [colour, count] : counts) {
    if (count > most) {
      background = colour;
      most = count;
    }
  }
  double highest = 1;
  for (const auto& entry : counts) highest = std::max(highest, contrast(entry.first, background));
  return highest;
}

QPalette darkPalette() {
  QPalette palette(QColor(0x35, 0x35, 0x35), QColor(0x2B, 0x2B, 0x2B));
  palette.setColor(QPalette::WindowText, QColor(0xF0, 0xF0, 0xF0));
  palette.setColor(QPalette::Text, QColor(0xF0, 0xF0, 0xF0));
  palette.setColor(QPalette::ButtonText, QColor(0xF0, 0xF0, 0xF0));
  palette.setColor(QPalette::Base, QColor(0x1E, 0x1E, 0x1E));
  return palette;
}

QPalette highContrastPalette() {
  QPalette palette(Qt::black, Qt::black);
  for (const QPalette::ColorRole role :
       {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
    palette.setColor(role, Qt::white);
  }
  palette.setColor(QPalette::Base, Qt::black);
  palette.setColor(QPalette::Light, Qt::white);
  palette.setColor(QPalette::Dark, Qt::white);
  return palette;
}

constexpr double kTextContrast = 4.5;
constexpr double kShapeContrast = 3;

void expectReadable(Windows& windows) {
  for (QWidget* window : windows.all()) {
    for (QLabel* label : window->findChildren<QLabel*>()) {
      if (label->text().isEmpty() || !label->isVisibleTo(window)) continue;
      EXPECT_GE(drawnContrast(label, label->contentsRect()), kTextContrast)
          << label->objectName().toStdString();
    }
    for (QToolButton* button : window->findChildren<QToolButton*>()) {
      // The caption under the picture.
      const int captionHeight = button->fontMetrics().height();
      const QRect caption(4, button->height() - captionHeight - 4, button->width() - 8,
                          captionHeight);
      EXPECT_GE(drawnContrast(button, caption), kTextContrast)
          << button->objectName().toStdString();
    }
  }
  for (const char* name : {"chkNamae", "chkAs"}) {
    auto* box = windows.session.find<QCheckBox>(name);
    QStyleOptionButton option;
    option.initFrom(box);
    const QRect text = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
    EXPECT_GE(drawnContrast(box, text), kTextContrast) << name;
    // The square, against the window around it.
    const QRect square = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
    EXPECT_GE(drawnContrast(box, square.adjusted(-2, -2, 2, 2)), kShapeContrast) << name;
  }

  auto* levels = windows.session.find<QComboBox>("cboMondai");
  QStyleOptionComboBox option;
  option.initFrom(levels);
  const QRect field = levels->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                      QStyle::SC_ComboBoxEditField, levels);
  EXPECT_GE(drawnContrast(levels, field), kTextContrast) << "the closed level list";
  levels->setEnabled(false);  // as during a game
  EXPECT_GE(drawnContrast(levels, field), kTextContrast) << "the level list during a game";
  levels->setEnabled(true);
  levels->showPopup();
  QAbstractItemView* list = levels->view();
  for (int row = 0; row < levels->count(); ++row) {
    if (row == levels->currentIndex()) continue;  // drawn in the theme's selection colours
    const QRect item = list->visualRect(list->model()->index(row, 0));
    EXPECT_GE(drawnContrast(list->viewport(), item), kTextContrast) << "open list, row " << row;
  }
  levels->hidePopup();
}

// How much the keyboard focus stands out on a control: the colour its frame
// draws most against the colour it covers there most.
double focusContrast(QWidget* control, QWidget* elsewhere) {
  control->window()->setAttribute(Qt::WA_KeyboardFocusChange, true);
  elsewhere->setFocus();
  const QImage before = control->grab().toImage().convertToFormat(QImage::Format_RGB32);
  control->setFocus();
  const QImage after = control->grab().toImage().convertToFormat(QImage::Format_RGB32);
  std::map<QRgb, int> drawn;
  std::map<QRgb, int> covered;
  for (int y = 0; y < after.height(); ++y) {
    for (int x = 0; x < after.width(); ++x) {
      if (after.pixel(x, y) == before.pixel(x, y)) continue;
      ++drawn[after.pixel(x, y)];
      ++covered[before.pixel(x, y)];
    }
  }
  const auto most = [](const std::map<QRgb, int>& counts) {
    return std::max_element(counts.begin(), counts.end(),
                            [](const auto& a, const auto& b) { return a.second < b.second; })
        ->first;
  };
  if (drawn.empty()) return 1;
  return contrast(most(drawn), most(covered));
}

void expectFocusStandsOut(Session& session) {
  QWidget* window = &session.window();
  QApplication::setActiveWindow(window);
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  QWidget* elsewhere = session.find<QWidget>("cmdEnd");
  for (const char* name : {"cmdStart", "chkNamae", "chkAs", "cmdKoma_12"}) {
    EXPECT_GE(focusContrast(session.find<QWidget>(name), elsewhere), kShapeContrast) << name;
  }
}

TEST(Readability, FocusFramesStandOutInEveryPalette) {
  startApplication();
  for (const QPalette& palette :
       {QApplication::style()->standardPalette(), darkPalette(), highContrastPalette()}) {
    QApplication::setPalette(palette);
    Session session;
    expectFocusStandsOut(session);
  }
  QApplication::setPalette(QApplication::style()->standardPalette());
}

TEST(Readability, TextsStandOutInADarkPalette) {
  startApplication();
  QApplication::setPalette(darkPalette());
  Windows windows;
  expectReadable(windows);
  QApplication::setPalette(QApplication::style()->standardPalette());
}

TEST(Readability, TextsStandOutInAHighContrastPalette) {
  startApplication();
  QApplication::setPalette(highContrastPalette());
  Windows windows;
  expectReadable(windows);
  QApplication::setPalette(QApplication::style()->standardPalette());
}

}  // namespace
}  // namespace polkamina::ui
