#include "form/tessorin.h"

#include <QAction>
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
#include "form/drawing_box.h"
#include "form/elements_window.h"
#include "form/embedded_image.h"
#include "model/combination.h"
#include "window/controls.h"
#include "window/describe.h"
#include "window/elements.h"
#include "window/working.h"

namespace form {

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

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

// F1 on `widget` shows its tooltip below it, as the mouse resting there does.
void ShowsTooltipOnF1(QWidget* widget) {
  new QShortcut(
      QKeySequence(Qt::Key_F1), widget,
      [widget] {
        QToolTip::showText(widget->mapToGlobal(QPoint(0, widget->height())), widget->toolTip(), widget);
      },
      Qt::WidgetShortcut);
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
  Connect();
  Text1[0]->setFocus();
  Dispatch(panel::Form_Load());
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
    case Control::Picture1: return Picture1 = new DrawingBox(this);
    case Control::Command1:
      Command1[e] = new QPushButton(text, this);
      Command1[e]->setAutoDefault(false);
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
  widget->setAccessibleDescription(spec.control == panel::layout::Control::Text2
                                       ? Q(panel::DesktopDescription(spec.description))
                                       : Q(spec.description));
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

// Each control's event becomes the window's; Ctrl+Shift+C anywhere in the window copies the
// whole solution as plain text, and F1 in a value box or the picture shows its working to
// keyboard users.
void Tessorin::Connect() {
  connect(List1, &QListWidget::currentRowChanged, this,
          [this](int row) { Dispatch(panel::List1_Click(state_, row)); });
  for (int i = 0; i < 2; ++i) {
    connect(Command1[i], &QPushButton::clicked, this,
            [this, i] { Dispatch(panel::Command1_Click(state_, i, settings_)); });
  }
  for (int i = 0; i < model::kQuantityCount; ++i) {
    QLineEdit* box = Text2[i];
    connect(box, &QLineEdit::textChanged, this,
            [this, i](const QString& text) { Dispatch(panel::Text2_Change(state_, i, text.toStdString())); });
    ShowsTooltipOnF1(box);
  }
  ShowsTooltipOnF1(Picture1);
  // The window for a problem as the book gives it: from the picture's context menu, and by its key
  // anywhere in the window.
  auto* open = new QAction(QString::fromUtf8(panel::elements::kOpenCommand), this);
  open->setShortcut(QKeySequence(QString::fromLatin1(panel::elements::kOpenShortcut)));
  open->setShortcutContext(Qt::WindowShortcut);
  addAction(open);
  Picture1->addAction(open);
  Picture1->setContextMenuPolicy(Qt::ActionsContextMenu);
  connect(open, &QAction::triggered, this, [this] {
    auto* elements = new ElementsWindow(settings_);
    elements->setAttribute(Qt::WA_DeleteOnClose);
    elements->show();
  });
  new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), this, [this] {
    if (!state_.copy.empty()) QGuiApplication::clipboard()->setText(Q(state_.copy));
  });
}

void Tessorin::Dispatch(panel::State next) {
  if (painting_) return;
  state_ = std::move(next);
  painting_ = true;
  Paint();
  painting_ = false;
  if (state_.message.title.empty()) return;
  report_(Q(state_.message.title), Q(state_.message.text));
  Dispatch(panel::Message_Close(state_));
}

void Tessorin::Paint() {
  if (List1->currentRow() != state_.combination) List1->setCurrentRow(state_.combination);
  for (int i = 0; i < model::kQuantityCount; ++i) {
    const panel::Row& row = state_.rows[i];
    Check1[i]->setChecked(row.ticked);
    Text2[i]->setMaxLength(state_.maxLength);
    Text2[i]->setReadOnly(row.readOnly);
    const QString text = Q(row.text);
    if (Text2[i]->text() != text) Text2[i]->setText(text);  // leaves nothing to undo, unlike clear()
    const QString tip = Q(row.working);
    if (Text2[i]->toolTip() == tip) continue;  // spares screen readers a change that is none
    Text2[i]->setToolTip(tip);
    Text2[i]->setAccessibleDescription(Q(panel::DesktopDescription(row.description)));
  }
  Picture1->setPicture(state_.picture);
  const QString explained = Q(state_.picture.working);
  if (Picture1->toolTip() != explained) Picture1->setToolTip(explained);
  const QString said = Q(state_.picture.description);
  if (Picture1->accessibleDescription() != said) Picture1->setAccessibleDescription(said);
}

}  // namespace form
