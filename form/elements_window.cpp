#include "form/elements_window.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>

#include "form/colours.h"
#include "form/drawing_box.h"
#include "form/tessorin.h"
#include "window/layout.h"

namespace form {

namespace {

namespace el = panel::elements;

QString Q(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

ElementsWindow::ElementsWindow(runtime::RegionalSettings settings, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      settings_(std::move(settings)),
      report_([this](const QString& title, const QString& message) {
        QMessageBox::warning(this, title, message);
      }) {
  setObjectName(QStringLiteral("ElementsWindow"));
  setWindowTitle(QString::fromUtf8(el::kCaption));
  setWindowIcon(ProgramIcon());
  setFont(QFont(QString::fromLatin1(panel::layout::kFontFamily), panel::layout::kFontPoints));
  setFixedSize(el::kWidth, el::kHeight);
  colours::PaintBackground(this, colours::ToQRgb(panel::colours::kWindow));
  setAccessibleName(QString::fromUtf8(el::kCaption));
  boxes.resize(el::kRowCount);
  ticks.resize(model::problem::kConditionCount);
  QWidget* previous = nullptr;
  for (const el::Control& control : el::Controls()) {
    QWidget* widget = Make(control);
    widget->setGeometry(control.rect.left, control.rect.top, control.rect.width, control.rect.height);
    widget->setObjectName(Q(el::Id(control)));
    widget->setAccessibleName(Q(control.name));
    widget->setAccessibleDescription(Q(control.description));
    if (control.background) colours::PaintBackground(widget, colours::ToQRgb(*control.background));
    if (control.tabIndex < 0) {
      widget->setFocusPolicy(Qt::NoFocus);
    } else {
      if (previous) setTabOrder(previous, widget);
      previous = widget;
    }
  }
  Connect();
  boxes.front()->setFocus();
  Paint();
}

QWidget* ElementsWindow::Make(const el::Control& control) {
  switch (control.kind) {
    case el::Kind::Box: {
      auto* box = new QLineEdit(this);
      boxes[static_cast<std::size_t>(control.index)] = box;
      box->setReadOnly(!el::kRows[static_cast<std::size_t>(control.index)].typed);
      return box;
    }
    case el::Kind::Tick: {
      auto* tick = new QCheckBox(Q(control.text), this);
      ticks[static_cast<std::size_t>(control.index)] = tick;
      return tick;
    }
    case el::Kind::Ratio: return ratio = new QLineEdit(this);
    case el::Kind::Calculate:
    case el::Kind::Clear: {
      auto* button = new QPushButton(Q(control.text), this);
      colours::PaintButton(button, colours::ToQRgb(*control.background));
      (control.kind == el::Kind::Calculate ? calculate : clear) = button;
      return button;
    }
    case el::Kind::Switch: return next = new QPushButton(this);
    case el::Kind::Picture: return picture = new DrawingBox(this);
    case el::Kind::Solution: {
      solution = new QPlainTextEdit(this);
      solution->setReadOnly(true);
      solution->setTabChangesFocus(true);
      return solution;
    }
    default: {
      auto* label = new QLabel(Q(control.text), this);
      if (control.kind == el::Kind::Title) label->setAlignment(Qt::AlignCenter);
      return label;
    }
  }
}

void ElementsWindow::Connect() {
  for (int r = 0; r < el::kRowCount; ++r) {
    connect(boxes[static_cast<std::size_t>(r)], &QLineEdit::textChanged, this,
            [this, r](const QString& text) {
              if (!painting_) Dispatch(el::Type(state_, r, text.toStdString()));
            });
  }
  for (int c = 0; c < model::problem::kConditionCount; ++c) {
    connect(ticks[static_cast<std::size_t>(c)], &QCheckBox::toggled, this, [this, c](bool on) {
      if (!painting_) Dispatch(el::Tick(state_, c, on));
    });
  }
  connect(ratio, &QLineEdit::textChanged, this, [this](const QString& text) {
    if (!painting_) Dispatch(el::TypeRatio(state_, text.toStdString()));
  });
  connect(calculate, &QPushButton::clicked, this, [this] { Dispatch(el::Calculate(state_, settings_)); });
  connect(clear, &QPushButton::clicked, this, [this] { Dispatch(el::Clear(state_)); });
  connect(next, &QPushButton::clicked, this, [this] { Dispatch(el::Next(state_, settings_)); });
  // Ctrl+Shift+C copies the solution as text, as in the calculator's window.
  new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), this,
                [this] { QGuiApplication::clipboard()->setText(Q(state_.working)); });
}

void ElementsWindow::Dispatch(el::State next) {
  state_ = std::move(next);
  Paint();
  if (!state_.message.title.empty()) {
    const panel::Message message = state_.message;
    state_ = el::CloseMessage(state_);
    report_(Q(message.title), Q(message.text));
  }
}

void ElementsWindow::Paint() {
  painting_ = true;
  for (int r = 0; r < el::kRowCount; ++r) {
    const el::Row& row = state_.rows[static_cast<std::size_t>(r)];
    QLineEdit* box = boxes[static_cast<std::size_t>(r)];
    if (box->text() != Q(row.text)) box->setText(Q(row.text));
    box->setToolTip(Q(row.tooltip));
    box->setReadOnly(row.found || !el::kRows[static_cast<std::size_t>(r)].typed);
    colours::PaintBackground(box, row.found ? colours::ToQRgb(panel::colours::kFound) : qRgb(255, 255, 255));
  }
  for (int c = 0; c < model::problem::kConditionCount; ++c) {
    ticks[static_cast<std::size_t>(c)]->setChecked(state_.ticks[static_cast<std::size_t>(c)]);
  }
  if (ratio->text() != Q(state_.ratio)) ratio->setText(Q(state_.ratio));
  ratio->setEnabled(state_.ticks[model::problem::kBasesRatio]);
  next->setText(Q(el::SwitchText(state_)));
  next->setVisible(state_.solutions > 1);
  if (solution->toPlainText() != Q(state_.working)) solution->setPlainText(Q(state_.working));
  picture->setPicture(state_.picture);
  painting_ = false;
}

}  // namespace form
