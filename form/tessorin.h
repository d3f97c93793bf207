// The calculator's one window. What is selected, ticked, locked and typed lives in its controls,
// which are kept in arrays by element index; besides them it keeps only the last calculation's
// solution to copy, which goes with the working that the boxes show.
#pragma once

#include <QIcon>
#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <string>

#include "model/solver.h"
#include "runtime/regional_settings.h"
#include "window/controls.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace form {

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
  QLabel* Picture1 = nullptr;
  std::array<QPlainTextEdit*, 2> Text1{};

 private:
  QWidget* Make(const panel::ControlSpec& spec);
  void Build(const panel::ControlSpec& spec);
  void SetTabOrder();

  void Form_Load();
  void List1_Click(int index);
  void Command1_Click(int index);

  void ApplyCombination();
  void Calculate();
  void ClearValues();

  // The working of the last calculation, on the value boxes as tooltips and descriptions.
  void ConnectWorking();
  void ShowWorking(const model::Texts& explanations, const model::Texts& descriptions);
  void DropWorking();

  runtime::RegionalSettings settings_;
  Reporter report_;
  // The whole solution of the last calculation, for Ctrl+Shift+C; dropped with its working.
  QString solution_;
};

}  // namespace form
