#include "ui/history_model.h"

#include <QApplication>
#include <QCoreApplication>
#include <QPalette>
#include <array>

#include "ui/shown_text.h"
#include "ui/system/fonts.h"

namespace polkamina::ui {

namespace {

const std::array<const char*, HistoryModel::kColumnCount> kHeaders = {
    QT_TRANSLATE_NOOP("History", "回"),       QT_TRANSLATE_NOOP("History", "日付"),
    QT_TRANSLATE_NOOP("History", "時間"),     QT_TRANSLATE_NOOP("History", "レベル"),
    QT_TRANSLATE_NOOP("History", "ターン数"), QT_TRANSLATE_NOOP("History", "クリア時間"),
    QT_TRANSLATE_NOOP("History", "回記録"),   QT_TRANSLATE_NOOP("History", "秒記録")};

// The columns of stored texts shown in the player's language.
constexpr int kLevelColumn = 3;
constexpr int kTurnsColumn = 4;
constexpr int kTimeColumn = 5;

const std::array<Qt::Alignment, HistoryModel::kColumnCount> kAlignments = {
    Qt::AlignHCenter, Qt::AlignHCenter, Qt::AlignHCenter, Qt::AlignLeft,
    Qt::AlignRight,   Qt::AlignRight,   Qt::AlignHCenter, Qt::AlignHCenter};

constexpr int kNumberColumn = 0;

// A cell shows at most this many characters of its field, and "…" after
// them: a few times what its width holds, and little enough that laying
// long fields out never holds up a drawing of the grid.
constexpr int kMostCharsShown = 100;

// A turn count as stored ("12回") in the player's language.
QString shownTurns(const std::string& field) {
  const QString stored = QString::fromStdString(field);
  const QString unit = QStringLiteral("回");
  bool isCount = false;
  if (stored.endsWith(unit)) stored.chopped(unit.size()).toInt(&isCount);
  return isCount ? QCoreApplication::translate("Level", "%1回").arg(stored.chopped(unit.size()))
                 : stored;
}

// What a cell of a column shows of its stored field.
QString shownField(int column, const std::string& field) {
  switch (column) {
    case kLevelColumn:
      return shownLevelText(field);
    case kTurnsColumn:
      return shownTurns(field);
    case kTimeColumn:
      return shownClock(field);
    default:
      return QString::fromStdString(field);
  }
}

QString shownText(int column, const std::string& field) {
  const QString text = shownField(column, field);
  return text.size() > kMostCharsShown ? text.left(kMostCharsShown) + QChar(0x2026) : text;
}

// Row numbers of this many digits no longer fit the number column's width in
// the grid's font, so they are drawn a little smaller instead of cut off.
constexpr int kLongNumberDigits = 5;

}  // namespace

HistoryModel::HistoryModel(const store::HistoryRows& rows, QObject* parent)
    : QAbstractTableModel(parent), rows_(rows), shownRows_(static_cast<int>(rows.size())) {}

void HistoryModel::refresh() {
  const int rows = static_cast<int>(rows_.size());
  if (rows == shownRows_) {
    return;
  }
  // Rows are only appended or all removed at once.
  if (rows > shownRows_) {
    beginInsertRows(QModelIndex(), shownRows_, rows - 1);
    shownRows_ = rows;
    endInsertRows();
  } else {
    beginResetModel();
    shownRows_ = rows;
    endResetModel();
  }
}

int HistoryModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : shownRows_;
}

int HistoryModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumnCount;
}

QVariant HistoryModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= shownRows_ || index.column() >= kColumnCount) {
    return QVariant();
  }
  switch (role) {
    case Qt::DisplayRole:
      if (index.column() == kNumberColumn) {
        return QString::number(index.row() + 1);
      }
      return shownText(index.column(), rows_.field(static_cast<std::size_t>(index.row()),
                                                   static_cast<std::size_t>(index.column() - 1),
                                                   kMostCharsShown + 1));
    case Qt::TextAlignmentRole:
      return static_cast<int>(kAlignments[static_cast<std::size_t>(index.column())] |
                              Qt::AlignVCenter);
    case Qt::FontRole:
      if (index.column() == kNumberColumn &&
          QString::number(index.row() + 1).size() >= kLongNumberDigits) {
        return system::outsideTextFont(system::kPGothic, 8.25);
      }
      return QVariant();
    case Qt::BackgroundRole:
      // The number column is drawn like the header, as a fixed column.
      if (index.column() == kNumberColumn) {
        return QApplication::palette().button();
      }
      return QVariant();
    default:
      return QVariant();
  }
}

QVariant HistoryModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= kColumnCount) {
    return QAbstractTableModel::headerData(section, orientation, role);
  }
  if (role == Qt::DisplayRole) {
    return QCoreApplication::translate("History", kHeaders[static_cast<std::size_t>(section)]);
  }
  if (role == Qt::TextAlignmentRole) {
    return static_cast<int>(Qt::AlignCenter);
  }
  return QVariant();
}

Qt::ItemFlags HistoryModel::flags(const QModelIndex& index) const {
  return index.isValid() ? Qt::ItemIsEnabled : Qt::NoItemFlags;
}

}  // namespace polkamina::ui
