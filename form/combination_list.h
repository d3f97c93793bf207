// The list of combinations: one row is always selected once a row is current, so the user
// cannot leave it without a combination (a ctrl+click or a space on the current row would
// otherwise deselect it).
#pragma once

#include <QListWidget>

namespace form {

class CombinationList : public QListWidget {
 public:
  using QListWidget::QListWidget;

 protected:
  QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                       const QEvent* event = nullptr) const override {
    Q_UNUSED(event);
    if (!index.isValid()) return QItemSelectionModel::NoUpdate;
    return QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
  }
};

}  // namespace form
