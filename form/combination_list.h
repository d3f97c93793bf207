// The list of combinations: one row is always selected once a row is current, so the user
// cannot leave it without a combination (a ctrl+click or a space on the current row would
// otherwise deselect it). Like a standard list box it answers the left button and the keyboard
// only: Qt's views select on any button, and a stray right or middle click would apply another
// combination and empty every box.
#pragma once

#include <QListWidget>
#include <QMouseEvent>

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

  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton) QListWidget::mousePressEvent(event);
  }
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton) QListWidget::mouseReleaseEvent(event);
  }
  void mouseDoubleClickEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton) QListWidget::mouseDoubleClickEvent(event);
  }
};

}  // namespace form
