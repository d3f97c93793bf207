#include "form/tessorin.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QToolTip>
#include <algorithm>
#include <vector>

#include "form/colours.h"
#include "form/combination_list.h"
#include "form/embedded_image.h"
#include "model/combination.h"
#include "window/controls.h"
#include "window/describe.h"
#include "window/press.h"
#include "window/texts.h"
#include "window/working.h"

namespace form {

// Inside a widget's members a bare `window` names QWidget::window(), so the window's tables are
// reached as ::window.

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

// A value box's description on the desktop: the window's own, and how to copy the solution,
// which only the desktop offers.
QString BoxDescription(const std::string& description) {
  return Q(description + "\n" + panel::texts::kCopySolution);
}

QPlainTextEdit* MakeReadOnlyText(QWidget* parent, const std::string& text) {
  auto* edit = new QPlainTextEdit(parent);
  // Filling the document directly spares laying out a cursor that nobody sees yet.
  edit->document()->setPlainText(Q(text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
  edit->setReadOnly(true);
  edit->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  edit->setTabChangesFocus(true);
  edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  return edit;
}

QLabel* MakePicture(QWidget* parent) {
  auto* picture = new QLabel(parent);
  picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  picture->setLineWidth(2);
  picture->setAlignment(Qt::AlignCenter);
  // On a screen scaled up, the drawing made at twice the size keeps its lines sharp.
  const bool scaled = picture->devicePixelRatioF() > 1.0;
  QPixmap drawing = QPixmap::fromImage((scaled ? embedded::kTrapezoid2x : embedded::kTrapezoid).image());
  drawing.setDevicePixelRatio(scaled ? 2.0 : 1.0);
  picture->setPixmap(drawing);
  picture->setFocusPolicy(Qt::StrongFocus);
  return picture;
}

}  // namespace

QIcon ProgramIcon() { return QIcon(QPixmap::fromImage(embedded::kHamburger.image())); }

Tessorin::Tessorin(runtime::RegionalSettings settings, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      settings_(std::move(settings)),
      report_([this](const QString& title, const QString& message) {
        QMessageBox::warning(this, title, message);
      }) {
  const panel::FormSpec& form = panel::kForm;
  setObjectName(QStringLiteral("Tessorin"));
  setWindowTitle(QString::fromUtf8(form.caption));
  setWindowIcon(ProgramIcon());
  setFont(QFont(QString::fromLatin1(form.fontFamily), form.fontPoints));
  setFixedSize(form.width, form.height);
  colours::PaintBackground(this, colours::ToQRgb(form.background));
  setAccessibleName(QString::fromUtf8(form.accessible.name));
  setAccessibleDescription(QString::fromUtf8(form.accessible.description));
  for (const panel::ControlSpec& spec : panel::Controls()) Build(spec);
  SetTabOrder();
  ConnectWorking();
  Text1[0]->setFocus();
  Form_Load();
}

// Makes the control that `spec` describes, in the array its name says, and connects its event.
QWidget* Tessorin::Make(const panel::ControlSpec& spec) {
  using Control = panel::layout::Control;
  const auto e = static_cast<std::size_t>(spec.element);
  const QString text = Q(spec.text);
  switch (spec.control) {
    case Control::Label1:
      Label1[e] = new QLabel(text, this);
      Label1[e]->setAlignment(Qt::AlignCenter);
      return Label1[e];
    case Control::List1:
      List1 = new CombinationList(this);
      for (const model::Combination& c : model::kCombinations) {
        List1->addItem(QString::fromUtf8(c.label.data(), static_cast<qsizetype>(c.label.size())));
        List1->item(List1->count() - 1)
            ->setData(Qt::AccessibleTextRole, Q(panel::SpokenCombination(List1->count() - 1)));
      }
      connect(List1, &QListWidget::currentRowChanged, this, [this] { List1_Click(0); });
      return List1;
    case Control::Frame1:
      Frame1 = new QGroupBox(text, this);
      Frame1->setStyle(colours::FlatStyle());
      return Frame1;
    case Control::Check1:
      Check1[e] = new QCheckBox(text, Frame1);
      Check1[e]->setEnabled(false);
      colours::KeepTextWhenDisabled(Check1[e]);
      return Check1[e];
    case Control::Text2:
      Text2[e] = new QLineEdit(Frame1);
      Text2[e]->setReadOnly(true);
      Text2[e]->setMaxLength(panel::layout::kDesignMaxLength);
      return Text2[e];
    case Control::Picture1: return Picture1 = MakePicture(this);
    case Control::Command1:
      Command1[e] = new QPushButton(text, this);
      Command1[e]->setAutoDefault(false);
      connect(Command1[e], &QPushButton::clicked, this,
              [this, index = spec.element] { Command1_Click(index); });
      return Command1[e];
    case Control::Text1: return Text1[e] = MakeReadOnlyText(this, spec.text);
  }
  return nullptr;
}

void Tessorin::Build(const panel::ControlSpec& spec) {
  QWidget* widget = Make(spec);
  widget->setObjectName(Q(panel::ObjectName(spec)));
  widget->setGeometry(spec.rect.left, spec.rect.top, spec.rect.width, spec.rect.height);
  widget->setAccessibleName(Q(spec.name));
  widget->setAccessibleDescription(
      spec.control == panel::layout::Control::Text2 ? BoxDescription(spec.description) : Q(spec.description));
  if (spec.background) {
    const QRgb colour = colours::ToQRgb(*spec.background);
    if (auto* button = qobject_cast<QPushButton*>(widget))
      colours::PaintButton(button, colour);
    else
      colours::PaintBackground(widget, colour);
  }
  widget->setVisible(spec.visible);
}

// The keyboard follows the tab indexes of the table.
void Tessorin::SetTabOrder() {
  std::vector<const panel::ControlSpec*> order;
  for (const panel::ControlSpec& spec : panel::Controls()) order.push_back(&spec);
  std::sort(order.begin(), order.end(), [](auto* x, auto* y) { return x->tabIndex < y->tabIndex; });
  for (std::size_t i = 1; i < order.size(); ++i) {
    setTabOrder(findChild<QWidget*>(Q(panel::ObjectName(*order[i - 1]))),
                findChild<QWidget*>(Q(panel::ObjectName(*order[i]))));
  }
}

void Tessorin::Form_Load() {
  ClearValues();
  for (QLineEdit* box : Text2) box->setMaxLength(panel::layout::kMaxLength);
  List1->setCurrentRow(0);  // runs List1_Click(0) before going on
  // Rows a and b are given in combination 0 already: this changes nothing, as the load always did.
  for (int i = 0; i < 2; ++i) {
    Check1[i]->setChecked(true);
    Text2[i]->setReadOnly(false);
  }
}

void Tessorin::List1_Click(int index) {
  if (index == 0) ApplyCombination();
}

void Tessorin::Command1_Click(int index) {
  if (index == 0) Calculate();
  if (index == 1) ClearValues();
}

void Tessorin::ApplyCombination() {
  for (int i = 0; i < model::kQuantityCount; ++i) {
    Check1[i]->setEnabled(false);  // built disabled already; the ticks are the program's alone
    Check1[i]->setChecked(false);
    Text2[i]->setText(QString());  // leaves nothing to undo, unlike clear()
    Text2[i]->setReadOnly(true);
  }
  const int index = List1->currentRow();
  if (!model::IsCombination(index)) return;
  for (model::Quantity q : model::kCombinations[static_cast<std::size_t>(index)].given) {
    Check1[q]->setChecked(true);
    Text2[q]->setReadOnly(false);
  }
}

void Tessorin::Calculate() {
  const int index = List1->currentRow();
  model::Rows rows;
  for (int i = 0; i < model::kQuantityCount; ++i) {
    rows[i] = {Check1[i]->isChecked(), Text2[i]->text().toStdString()};
  }
  const panel::Outcome outcome = panel::Press(index, rows, settings_);
  if (outcome.kind == panel::Outcome::Kind::Failed) {
    solution_ = Q(outcome.solution);
    report_(Q(outcome.message.title), Q(outcome.message.text));
  } else if (outcome.kind == panel::Outcome::Kind::Solved) {
    for (int i = 0; i < model::kQuantityCount; ++i) Text2[i]->setText(Q(outcome.texts[i]));
    ShowWorking(outcome.explanations, outcome.descriptions);
    solution_ = Q(outcome.solution);  // after the boxes' change, which drops the last one
  }
}

void Tessorin::ClearValues() {
  for (QLineEdit* box : Text2) box->setText(QString());  // leaves nothing to undo
}

// Any change of a box (typing, Clear, another combination) drops the working, so that it never
// explains numbers the boxes no longer hold; Calculate shows it again after writing them. F1 in a
// box shows its working to keyboard users. Ctrl+Shift+C anywhere in the window copies the whole
// solution as plain text.
void Tessorin::ConnectWorking() {
  new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), this, [this] {
    if (!solution_.isEmpty()) QGuiApplication::clipboard()->setText(solution_);
  });
  for (QLineEdit* box : Text2) {
    connect(box, &QLineEdit::textChanged, this, [this] { DropWorking(); });
    new QShortcut(
        QKeySequence(Qt::Key_F1), box,
        [box] { QToolTip::showText(box->mapToGlobal(QPoint(0, box->height())), box->toolTip(), box); },
        Qt::WidgetShortcut);
  }
}

void Tessorin::DropWorking() {
  solution_.clear();
  model::Texts own;
  for (int i = 0; i < model::kQuantityCount; ++i) own[i] = panel::BoxDescription(i, "");
  ShowWorking({}, own);
}

void Tessorin::ShowWorking(const model::Texts& explanations, const model::Texts& descriptions) {
  for (int i = 0; i < model::kQuantityCount; ++i) {
    const QString tip = Q(explanations[i]);
    if (Text2[i]->toolTip() == tip) continue;  // spares screen readers a change that is none
    Text2[i]->setToolTip(tip);
    Text2[i]->setAccessibleDescription(BoxDescription(descriptions[i]));
  }
}

}  // namespace form
