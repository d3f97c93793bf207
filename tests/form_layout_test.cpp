// The window as it is built: places, colours, font, texts, images and the tab order.
#include <QCheckBox>
#include <QGroupBox>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QtTest>

#include "window/texts.h"
#include "window_driver.h"

using form::Tessorin;

class FormLayoutTest : public QObject {
  Q_OBJECT

  std::unique_ptr<Tessorin> window_;

  static QColor CentreColour(QWidget* widget) {
    const QImage image = widget->grab().toImage();
    return image.pixelColor(image.width() / 2, image.height() / 2 + 8);
  }

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
    QVERIFY(w.windowTitle().endsWith(QStringLiteral(" Математика - равнобедрен трапец, основи")));
    QVERIFY(!w.windowIcon().isNull());
    QCOMPARE(w.font().family(), QStringLiteral("Times New Roman"));
    QCOMPARE(w.font().pointSize(), 12);
    QCOMPARE(w.Text2[5]->font(), w.font());
  }

  void controlsStandWhereTheLayoutSays_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("rect");
    QTest::newRow("title") << "Label1_0" << QRect(16, 0, 449, 25);
    QTest::newRow("heading") << "Label1_1" << QRect(16, 40, 81, 25);
    QTest::newRow("list") << "List1_0" << QRect(16, 64, 81, 137);
    QTest::newRow("frame") << "Frame1" << QRect(112, 32, 153, 177);
    QTest::newRow("picture") << "Picture1" << QRect(280, 32, 187, 201);
    QTest::newRow("calculate") << "Command1_0" << QRect(16, 216, 89, 25);
    QTest::newRow("clear") << "Command1_1" << QRect(144, 216, 89, 25);
    QTest::newRow("assignment") << "Text1_0" << QRect(8, 248, 457, 169);
    QTest::newRow("aphorism") << "Text1_1" << QRect(40, 312, 449, 121);
    QTest::newRow("tick a") << "Check1_0" << QRect(8, 24, 41, 27);
    QTest::newRow("box S") << "Text2_5" << QRect(56, 144, 89, 27);
  }
  void controlsStandWhereTheLayoutSays() {
    QFETCH(QString, name);
    QFETCH(QRect, rect);
    auto* widget = window_->findChild<QWidget*>(name);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), rect);
  }

  void coloursShow() {
    Tessorin& w = *window_;
    QCOMPARE(CentreColour(w.Command1[0]), QColor(0, 255, 0));
    QCOMPARE(CentreColour(w.Command1[1]), QColor(255, 0, 0));
    const QImage window = w.grab().toImage();
    const qreal dpr = window.devicePixelRatio();
    QCOMPARE(window.pixelColor((QPointF(4, 100) * dpr).toPoint()), QColor(192, 192, 255));
    QCOMPARE(window.pixelColor((QPointF(18, 2) * dpr).toPoint()), QColor(255, 192, 128));
    const QImage tick = w.Check1[3]->grab().toImage();
    QCOMPARE(tick.pixelColor(tick.width() - 2, 2), QColor(128, 128, 255));
    // A disabled tick's letter is drawn in the normal text colour, not greyed out.
    for (QCheckBox* box : w.Check1) {
      const QColor ink = DarkestInk(box), text = box->palette().color(QPalette::Active, QPalette::WindowText);
      QVERIFY2(qAbs(qGray(ink.rgb()) - qGray(text.rgb())) < 16, qPrintable(ink.name()));
    }
  }

  void texts() {
    Tessorin& w = *window_;
    QCOMPARE(w.Label1[0]->text(), QStringLiteral("Математика - равнобедрен трапец, основи, лице"));
    QCOMPARE(w.Label1[1]->text(), QStringLiteral("Дадени:"));
    QCOMPARE(w.Frame1->title(), QStringLiteral("Размери"));
    QCOMPARE(w.Command1[0]->text(), QStringLiteral("Изчисли"));
    QCOMPARE(w.Command1[1]->text(), QStringLiteral("Изчисти"));
    QStringList items;
    for (int i = 0; i < w.List1->count(); ++i) items << w.List1->item(i)->text();
    QCOMPARE(items.join(' '),
             QStringLiteral("a,b,c a,b,h a,c,h b,c,h P,a,b P,a,c P,b,c P,b,h S,a,c S,a,h S,b,h S,c,h"));
    QString letters;
    for (QCheckBox* tick : w.Check1) letters += tick->text();
    QCOMPARE(letters, QStringLiteral("abchPS"));

    const QString aphorism = QString::fromUtf8(window::texts::kAphorism);
    QCOMPARE(aphorism.size(), 118);
    QVERIFY(!w.Text1[1]->isVisible());
    const QStringList lines = QString::fromUtf8(window::texts::kAssignment).split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 18);  // seventeen lines, each ending in CR LF
    QVERIFY(lines[3].endsWith(' ') && lines[4].endsWith(' '));
    QCOMPARE(lines[1], QStringLiteral("Тема на проекта: Математика - равнобедрен трапец, основи, лице."));
    QCOMPARE(lines[16], QStringLiteral("Пример: a=8, b=5, c=2 Изход h=4, P=20, S=20"));
    QCOMPARE(w.Text1[0]->blockCount(), 18);
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

  void tabVisitsTheControlsInOrder() {
    Tessorin& w = *window_;
    const QList<QWidget*> expected{w.Text2[0],    w.Text2[1],    w.Text2[2], w.Text2[3], w.Text2[4], w.List1,
                                   w.Command1[0], w.Command1[1], w.Picture1, w.Text2[5], w.Text1[0]};
    QCOMPARE(QApplication::focusWidget(), w.Text1[0]);
    for (QWidget* next : expected) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget(), next);
    }
  }

  void theDrawingAndTheIcon() {
    QImageReader drawing(QStringLiteral(":/form/trapezoid.jpg"));
    QCOMPARE(drawing.format(), QByteArray("jpeg"));
    const QImage picture = drawing.read();
    QCOMPARE(picture.size(), QSize(183, 197));
    QVERIFY(picture.isGrayscale());
    QCOMPARE(qRound(picture.dotsPerMeterX() * 0.0254), 96);
    // Shown at its full size on any screen, from the drawing made for the screen's scale.
    const QPixmap shown = window_->Picture1->pixmap();
    QCOMPARE(shown.deviceIndependentSize(), QSizeF(183, 197));
    QCOMPARE(shown.devicePixelRatio(), window_->devicePixelRatioF() > 1 ? 2.0 : 1.0);
    QCOMPARE(shown.toImage().convertToFormat(QImage::Format_Grayscale8),
             (shown.devicePixelRatio() > 1 ? QImage(QStringLiteral(TRAPEZOID_IMAGES "/trapezoid@2x.jpg"))
                                           : picture)
                 .convertToFormat(QImage::Format_Grayscale8));

    const QImage icon(QStringLiteral(":/form/hamburger.ico"));
    QCOMPARE(icon.size(), QSize(32, 32));
    QVERIFY(icon.hasAlphaChannel());
    QCOMPARE(icon.pixelColor(0, 0).alpha(), 0);
    QCOMPARE(icon.pixelColor(16, 16).alpha(), 255);
  }
};

QTEST_MAIN(FormLayoutTest)
#include "form_layout_test.moc"
