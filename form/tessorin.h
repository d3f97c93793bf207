// The calculator's one window in Qt Widgets: its controls, kept in arrays by element index, show
// the window's state (window/form.h); their events become that state's events, and the window
// paints the state each one returns.
#pragma once

#include <QIcon>
#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <string>

#include "runtime/regional_settings.h"
#include "window/controls.h"
#include "window/form.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace form {

class DrawingBox;

// The hamburger icon of the window and of the program.
QIcon ProgramIcon();

class Tessorin : public QWidget {
  Q_OBJECT

 public:
  // Shows a message to the user; replaceable so that tests need not answer a dialog.
  using Reporter = std::function<void(const QString& title, const QString& message)>;

  explicit Tessorin(runtime::RegionalSettings settings, QWidget* parent = nullptr);
  void setReporter(Reporter reporter) { report_ = std::move(reporter); }

  std::array<QLabel*, 2> Label1{};
  QListWidget* List1 = nullptr;
  QGroupBox* Frame1 = nullptr;
  std::array<QCheckBox*, 6> Check1{};
  std::array<QLineEdit*, 6> Text2{};
  std::array<QPushButton*, 2> Command1{};
  DrawingBox* Picture1 = nullptr;
  std::array<QPlainTextEdit*, 2> Text1{};

 private:
  QWidget* Make(const panel::ControlSpec& spec);
  void Build(const panel::ControlSpec& spec);
  void SetTabOrder();

  void Connect();

  // Takes the state an event returned and paints it; a message it holds is shown, then closed.
  void Dispatch(panel::State next);
  void Paint();

  runtime::RegionalSettings settings_;
  Reporter report_;
  panel::State state_;
  bool painting_ = false;  // the controls' events while the window paints are its own echoes
};

}  // namespace form
