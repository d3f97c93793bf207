// The window for a problem as the book gives it, in Qt Widgets: built from its table of controls
// (window/elements_controls.h), it turns its widgets' events into the window's events
// (window/elements.h) and paints the state each returns.
#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

#include "runtime/regional_settings.h"
#include "window/elements.h"
#include "window/elements_controls.h"

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace form {

class DrawingBox;

class ElementsWindow : public QWidget {
  Q_OBJECT

 public:
  // Shows a message to the user; replaceable so that tests need not answer a dialog.
  using Reporter = std::function<void(const QString& title, const QString& message)>;

  explicit ElementsWindow(runtime::RegionalSettings settings, QWidget* parent = nullptr);
  void setReporter(Reporter reporter) { report_ = std::move(reporter); }

  // The widgets, by the window's row and condition indexes.
  std::vector<QLineEdit*> boxes;
  std::vector<QCheckBox*> ticks;
  QLineEdit* ratio = nullptr;
  QPushButton* calculate = nullptr;
  QPushButton* clear = nullptr;
  QPushButton* next = nullptr;
  DrawingBox* picture = nullptr;
  QPlainTextEdit* solution = nullptr;

  const panel::elements::State& state() const { return state_; }

 private:
  QWidget* Make(const panel::elements::Control& control);
  void Connect();
  // Takes the state an event returned and paints it; a message it holds is shown, then closed.
  void Dispatch(panel::elements::State next);
  void Paint();

  runtime::RegionalSettings settings_;
  Reporter report_;
  panel::elements::State state_ = panel::elements::Load();
  bool painting_ = false;  // the window's own writes into its boxes are no typing
};

}  // namespace form
