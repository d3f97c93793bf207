// The window as it is built: places, colours, font, texts, images and the tab order.
#include <QCheckBox>
#include <QGroupBox>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QtTest>

#include "design_window.h"
#include "form/drawing_box.h"
#include "model/combination.h"
#include "publisher.h"
#include "window/controls.h"
#include "window_driver.h"

using form::Tessorin;

class FormLayoutTest : public QObject {
  Q_OBJECT

  std::unique_ptr<Tessorin> window_;

  // The darkest pixel where a check box draws its caption.
  static QColor DarkestInk(QCheckBox* box) {
    QStyleOptionButton option;
    option.initFrom(box);
    const QRect caption = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
    const QImage image = box->grab(caption).toImage();
    QColor darkest = Qt::white;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        if (qGray(image.pixel(x, y)) < qGray(darkest.rgb())) darkest = image.pixelColor(x, y);
      }
    }
    return darkest;
  }

 private slots:
  void init() { window_ = ShowWindow(runtime::CSettings()); }
  void cleanup() { window_.reset(); }

  void theWindowIsFixedWithOnlyACloseBox() {
    Tessorin& w = *window_;
    QCOMPARE(w.size(), QSize(481, 424));
    QCOMPARE(w.minimumSize(), w.maximumSize());
    const Qt::WindowFlags flags = w.windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowTitleHint));
    QVERIFY(flags.testFlag(Qt::WindowSystemMenuHint));  // the icon and the close box on Windows
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    // The publisher's web address before the title, where the build names one; else the title alone.
    QCOMPARE(w.windowTitle(),
             QString::fromUtf8(TRAPEZOID_CAPTION_PREFIX "Математика - равнобедрен трапец, основи"));
    QVERIFY(!w.windowIcon().isNull());
    QCOMPARE(w.font().family(), QStringLiteral("Times New Roman"));
    QCOMPARE(w.font().pointSize(), 12);
    QCOMPARE(w.Text2[5]->font(), w.font());
  }

  // What a control shows as its caption or content.
  static QString Shown(QWidget* widget) {
    if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
    if (auto* frame = qobject_cast<QGroupBox*>(widget)) return frame->title();
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text();
    if (auto* text = qobject_cast<QPlainTextEdit*>(widget)) return text->toPlainText();
    return {};
  }

  // Every control stands where the window's design puts it, in its container, shown or hidden.
  void controlsStandAsDesigned() {
    for (const design::Control& want : design::kControls) {
      auto* widget = window_->findChild<QWidget*>(QString::fromUtf8(want.id));
      QVERIFY2(widget, want.id);
      const auto [left, top, width, height] = want.rect;
      QCOMPARE(widget->geometry(), QRect(left, top, width, height));
      QCOMPARE(widget->parentWidget(), *want.in ? window_->Frame1 : static_cast<QWidget*>(window_.get()));
      QCOMPARE(widget->isVisible(), !want.hidden);
    }
  }

  // Every control of the table shows what it says and is named as it says; a changed word in the
  // table changes the window.
  void controlsAreBuiltFromTheTable() {
    const auto& controls = panel::Controls();
    QCOMPARE(window_->findChildren<QWidget*>(QRegularExpression(QStringLiteral("^[A-Z]"))).size(),
             qsizetype(controls.size()));
    for (const panel::ControlSpec& spec : controls) {
      const QString name = QString::fromStdString(panel::ObjectName(spec));
      auto* widget = window_->findChild<QWidget*>(name);
      QVERIFY2(widget, qPrintable(name));
      QCOMPARE(widget->accessibleName(), QString::fromStdString(spec.name));
      QCOMPARE(Shown(widget),
               QString::fromStdString(spec.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    }
  }

  // The design's colours as they are drawn: each control's own, the window's around them, and a
  // disabled tick's letter in the normal text colour, not greyed out.
  void coloursShow() {
    Tessorin& w = *window_;
    const auto rgb = [](const std::array<int, 3>& c) { return QColor(c[0], c[1], c[2]); };
    for (const design::Control& want : design::kControls) {
      if (!want.background) continue;
      auto* widget = w.findChild<QWidget*>(QString::fromUtf8(want.id));
      const QImage image = widget->grab().toImage();
      const qreal dpr = image.devicePixelRatio();
      // a button's face below its caption; elsewhere the top right corner, clear of any text
      const QPointF at = qobject_cast<QPushButton*>(widget)
                             ? QPointF(widget->width() / 2, widget->height() / 2 + 8)
                             : QPointF(widget->width() - 2, 2);
      QVERIFY2(image.pixelColor((at * dpr).toPoint()) == rgb(*want.background), want.id);
    }
    const QImage window = w.grab().toImage();
    QCOMPARE(window.pixelColor((QPointF(4, 100) * window.devicePixelRatio()).toPoint()),
             rgb(design::kBackground));
    for (QCheckBox* box : w.Check1) {
      const QColor ink = DarkestInk(box), text = box->palette().color(QPalette::Active, QPalette::WindowText);
      QVERIFY2(qAbs(qGray(ink.rgb()) - qGray(text.rgb())) < 16, qPrintable(ink.name()));
    }
  }

  void texts() {
    Tessorin& w = *window_;
    QCOMPARE(w.List1->count(), model::kCombinationCount);
    for (int i = 0; i < w.List1->count(); ++i) {
      QCOMPARE(w.List1->item(i)->text().toStdString(), std::string(model::kCombinations[i].label));
    }
    QCOMPARE(QString::fromUtf8(panel::texts::kAphorism).size(), 118);
    QCOMPARE(w.Text1[0]->blockCount(), 18);  // seventeen lines, each ending in CR LF
  }

  void theAssignmentIsReadOnlyButScrollsAndSelects() {
    QPlainTextEdit* text = window_->Text1[0];
    text->setFocus();
    const QString before = text->toPlainText();
    Type(text, QStringLiteral("xyzЖ"));
    QTest::keyClick(text, Qt::Key_Delete);
    QCOMPARE(text->toPlainText(), before);
    QTest::keyClick(text, Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(text->textCursor().blockNumber(), 17);
    QTest::keyClick(text, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(text->textCursor().selectedText().size(), before.size());
  }

  // Tab visits the controls that take the focus in the design's order, and comes round again.
  void tabVisitsTheControlsInOrder() {
    Tessorin& w = *window_;
    QList<QWidget*> expected;
    for (const char* id : design::kFocus) expected << w.findChild<QWidget*>(QString::fromUtf8(id));
    expected << expected.takeFirst();  // round to the start
    QCOMPARE(QApplication::focusWidget(), w.Text1[0]);
    for (QWidget* next : expected) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget(), next);
    }
  }

  // Picture1 paints its picture in lines and letters at the screen's own scale: a few device pixels
  // where the data put them (inside the 2-pixel frame), first of the default drawing, then of the
  // trapezoid a calculation draws.
  void theDrawingAndTheIcon() {
    Tessorin& w = *window_;
    QCOMPARE(w.Picture1->contentsRect().size(), QSize(183, 197));
    const auto gray = [&w](QPointF at) {
      const QImage shown = w.Picture1->grab().toImage();
      const qreal dpr = w.devicePixelRatioF();  // the grab is at the screen's scale
      const QPointF device = (at + QPointF(2, 2)) * dpr;
      return qGray(shown.pixel(qFloor(device.x()), qFloor(device.y())));
    };
    // AB thick at y = 156, DH thin at x = 54.5, the axis dashed at x = 92.5 (drawn from y = 11 on),
    // white inside the trapezoid and in the top left corner.
    const struct {
      QPointF at;
      bool dark;
    } points[] = {
        {{90.5, 156}, true},   {{54.5, 100.5}, true},   {{131.5, 60.5}, true}, {{92.5, 12.5}, true},
        {{92.5, 15.5}, false}, {{110.5, 120.5}, false}, {{3.5, 3.5}, false},
    };
    for (const auto& p : points) {
      QVERIFY2(p.dark ? gray(p.at) < 128 : gray(p.at) > 240,
               qPrintable(QStringLiteral("(%1, %2)").arg(p.at.x()).arg(p.at.y())));
    }
    for (int q = 0; q < 3; ++q) {
      w.Text2[q]->setFocus();
      Type(w.Text2[q], QStringList{"8", "5", "2"}[q]);
    }
    QTest::mouseClick(w.Command1[0], Qt::LeftButton);
    const panel::Line ab = w.Picture1->picture().lines.at(0);
    QVERIFY(ab.from.y != 156);  // a = 8, h = 4 stand in another place than the default drawing's
    QVERIFY(gray({(ab.from.x + ab.to.x) / 2 + 0.5, ab.from.y}) < 128);
    QVERIFY(gray({(ab.from.x + ab.to.x) / 2 + 0.5, 156}) > 240);
    QCOMPARE(w.Picture1->accessibleDescription(), QString::fromStdString(w.Picture1->picture().description));

    const QImage icon(QStringLiteral(TRAPEZOID_IMAGES "/hamburger.ico"));
    QCOMPARE(icon.size(), QSize(32, 32));
    QVERIFY(icon.hasAlphaChannel());
    QCOMPARE(icon.pixelColor(0, 0).alpha(), 0);
    QCOMPARE(icon.pixelColor(16, 16).alpha(), 255);
  }
};

QTEST_MAIN(FormLayoutTest)
#include "form_layout_test.moc"
