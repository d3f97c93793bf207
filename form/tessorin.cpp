#include "form/tessorin.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QToolTip>

#include "form/colours.h"
#include "form/combination_list.h"
#include "form/embedded_image.h"
#include "model/combination.h"
#include "model/solver.h"
#include "runtime/arithmetic_error.h"
#include "window/describe.h"
#include "window/layout.h"
#include "window/messages.h"
#include "window/texts.h"
#include "window/working.h"

namespace form {

// Inside a widget's members a bare `window` names QWidget::window(), so the window's tables are
// reached through these aliases.
namespace layout = window::layout;
namespace texts = window::texts;

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

void Describe(QWidget* widget, const texts::Accessible& a) {
  widget->setAccessibleName(QString::fromUtf8(a.name));
  widget->setAccessibleDescription(QString::fromUtf8(a.description));
}

void Place(QWidget* widget, const layout::Rect& r) { widget->setGeometry(r.left, r.top, r.width, r.height); }

template <typename Widget>
Widget* Make(QWidget* parent, const char* array, int element, const layout::Rect& r) {
  auto* widget = new Widget(parent);
  widget->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(array)).arg(element));
  Place(widget, r);
  return widget;
}

QPlainTextEdit* MakeReadOnlyText(QWidget* parent, int element, const char* text) {
  auto* edit = Make<QPlainTextEdit>(parent, "Text1", element, layout::kText1[element]);
  // Filling the document directly spares laying out a cursor that nobody sees yet.
  edit->document()->setPlainText(QString::fromUtf8(text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
  edit->setReadOnly(true);
  edit->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  edit->setTabChangesFocus(true);
  edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  return edit;
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
  setObjectName(QStringLiteral("Tessorin"));
  setWindowTitle(QString::fromUtf8(texts::kCaption));
  setWindowIcon(ProgramIcon());
  setFont(QFont(QString::fromLatin1(layout::kFontFamily), layout::kFontPoints));
  setFixedSize(layout::kClientWidth, layout::kClientHeight);
  BuildControls();
  ApplyColours();
  DescribeForScreenReaders();
  SetTabOrder();
  ConnectWorking();
  Text1[0]->setFocus();
  Form_Load();
}

void Tessorin::BuildControls() {
  for (int i = 0; i < 2; ++i) {
    Label1[i] = Make<QLabel>(this, "Label1", i, layout::kLabel1[i]);
    Label1[i]->setText(QString::fromUtf8(i == 0 ? texts::kTitle : texts::kGiven));
    Label1[i]->setAlignment(Qt::AlignCenter);
  }

  List1 = Make<CombinationList>(this, "List1", 0, layout::kList1);
  for (const model::Combination& c : model::kCombinations) {
    List1->addItem(QString::fromUtf8(c.label.data(), static_cast<qsizetype>(c.label.size())));
  }
  connect(List1, &QListWidget::currentRowChanged, this, [this] { List1_Click(0); });

  Frame1 = new QGroupBox(QString::fromUtf8(texts::kMeasures), this);
  Frame1->setObjectName(QStringLiteral("Frame1"));
  Place(Frame1, layout::kFrame1);
  BuildQuantityRows();

  Picture1 = new QLabel(this);
  Picture1->setObjectName(QStringLiteral("Picture1"));
  Place(Picture1, layout::kPicture1);
  Picture1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Picture1->setLineWidth(2);
  Picture1->setAlignment(Qt::AlignCenter);
  // On a screen scaled up, the drawing made at twice the size keeps its lines sharp.
  const bool scaled = devicePixelRatioF() > 1.0;
  QPixmap drawing = QPixmap::fromImage((scaled ? embedded::kTrapezoid2x : embedded::kTrapezoid).image());
  drawing.setDevicePixelRatio(scaled ? 2.0 : 1.0);
  Picture1->setPixmap(drawing);
  Picture1->setFocusPolicy(Qt::StrongFocus);

  const char* captions[] = {texts::kCalculate, texts::kClear};
  for (int i = 0; i < 2; ++i) {
    Command1[i] = Make<QPushButton>(this, "Command1", i, layout::kCommand1[i]);
    Command1[i]->setText(QString::fromUtf8(captions[i]));
    Command1[i]->setAutoDefault(false);
    connect(Command1[i], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
  }

  Text1[0] = MakeReadOnlyText(this, 0, texts::kAssignment);
  Text1[1] = MakeReadOnlyText(this, 1, texts::kAphorism);
  Text1[1]->hide();
}

void Tessorin::BuildQuantityRows() {
  for (int i = 0; i < model::kQuantityCount; ++i) {
    Check1[i] = Make<QCheckBox>(Frame1, "Check1", i, layout::Check1Rect(i));
    Check1[i]->setText(QString::fromLatin1(model::kLetters[i].data(), 1));
    Check1[i]->setEnabled(false);
    Text2[i] = Make<QLineEdit>(Frame1, "Text2", i, layout::Text2Rect(i));
    Text2[i]->setReadOnly(true);
    Text2[i]->setMaxLength(layout::kDesignMaxLength);
  }
}

void Tessorin::ApplyColours() {
  colours::PaintButton(Command1[0], colours::kCalculate);
  colours::PaintButton(Command1[1], colours::kClear);
  colours::PaintBackground(this, colours::kWindow);
  Frame1->setStyle(colours::FlatStyle());
  colours::PaintBackground(Frame1, colours::kWindow);
  for (QLabel* label : Label1) colours::PaintBackground(label, colours::kHeading);
  for (QCheckBox* tick : Check1) {
    colours::PaintBackground(tick, colours::kTick);
    colours::KeepTextWhenDisabled(tick);
  }
}

void Tessorin::DescribeForScreenReaders() {
  Describe(this, texts::kWindowAccessible);
  for (int i = 0; i < 2; ++i) {
    Describe(Label1[i], texts::kLabel1Accessible[i]);
    Describe(Command1[i], texts::kCommand1Accessible[i]);
    Describe(Text1[i], texts::kText1Accessible[i]);
  }
  Describe(List1, texts::kList1Accessible);
  for (int row = 0; row < model::kCombinationCount; ++row) {
    List1->item(row)->setData(Qt::AccessibleTextRole, Q(::window::SpokenCombination(row)));
  }
  Describe(Frame1, texts::kFrame1Accessible);
  Describe(Picture1, texts::kPicture1Accessible);
  for (int i = 0; i < model::kQuantityCount; ++i) {
    const ::window::Description tick = ::window::QuantityTick(i);
    Check1[i]->setAccessibleName(Q(tick.name));
    Check1[i]->setAccessibleDescription(Q(tick.description));
    const ::window::Description box = ::window::QuantityBox(i);
    Text2[i]->setAccessibleName(Q(box.name));
    Text2[i]->setAccessibleDescription(Q(box.description));
  }
}

QWidget* Tessorin::ControlAt(int tabIndex) const {
  const layout::TabStop stop = layout::kTabOrder[static_cast<std::size_t>(tabIndex)];
  const auto e = static_cast<std::size_t>(stop.element);
  switch (stop.control) {
    case layout::Control::Text1: return Text1[e];
    case layout::Control::Label1: return Label1[e];
    case layout::Control::Frame1: return Frame1;
    case layout::Control::Check1: return Check1[e];
    case layout::Control::Text2: return Text2[e];
    case layout::Control::List1: return List1;
    case layout::Control::Command1: return Command1[e];
    case layout::Control::Picture1: return Picture1;
  }
  return nullptr;
}

void Tessorin::SetTabOrder() {
  for (int i = 1; i < static_cast<int>(layout::kTabOrder.size()); ++i) {
    setTabOrder(ControlAt(i - 1), ControlAt(i));
  }
}

void Tessorin::Form_Load() {
  ClearValues();
  for (QLineEdit* box : Text2) box->setMaxLength(layout::kMaxLength);
  List1->setCurrentRow(0);  // runs List1_Click(0) before going on
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
    Check1[i]->setEnabled(false);
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
  try {
    const std::optional<model::Texts> texts = model::Calculate(index, rows, settings_);
    if (!texts) return;
    for (int i = 0; i < model::kQuantityCount; ++i) Text2[i]->setText(QString::fromStdString((*texts)[i]));
    ShowWorking(::window::Explanations(index, rows, settings_));
  } catch (const runtime::ArithmeticError& error) {
    const ::window::Message message = ::window::MessageFor(index, error.kind(), rows, settings_);
    report_(Q(message.title), Q(message.text));
  }
}

void Tessorin::ClearValues() {
  for (QLineEdit* box : Text2) box->setText(QString());  // leaves nothing to undo
}

// Any change of a box (typing, Clear, another combination) drops the working, so that it never
// explains numbers the boxes no longer hold; Calculate shows it again after writing them. F1 in a
// box shows its working to keyboard users.
void Tessorin::ConnectWorking() {
  for (QLineEdit* box : Text2) {
    connect(box, &QLineEdit::textChanged, this, [this] { ShowWorking({}); });
    new QShortcut(
        QKeySequence(Qt::Key_F1), box,
        [box] { QToolTip::showText(box->mapToGlobal(QPoint(0, box->height())), box->toolTip(), box); },
        Qt::WidgetShortcut);
  }
}

void Tessorin::ShowWorking(const std::array<std::string, 6>& explanations) {
  for (int i = 0; i < model::kQuantityCount; ++i) {
    const QString tip = Q(explanations[i]);
    if (Text2[i]->toolTip() == tip) continue;  // spares screen readers a change that is none
    Text2[i]->setToolTip(tip);
    Text2[i]->setAccessibleDescription(Q(::window::BoxDescription(i, explanations[i])));
  }
}

}  // namespace form
