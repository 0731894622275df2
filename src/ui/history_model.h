#pragma once

#include <QAbstractTableModel>

#include "store/history.h"

namespace polkamina::ui {

// The history grid msgRireki as a table over the game's history rows, read in
// place: column 0 the row number, columns 1 to 7 the seven stored fields.
class HistoryModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  static constexpr int kColumnCount = 8;

  explicit HistoryModel(const store::HistoryRows& rows, QObject* parent = nullptr);

  // Picks up rows added or removed since the last call.
  void refresh();

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

 private:
  const store::HistoryRows& rows_;
  int shownRows_ = 0;  // the row count the attached views know of
};

}  // namespace polkamina::ui
