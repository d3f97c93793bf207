// The working on the value boxes: shown after a calculation as tooltip, description and on F1,
// gone as soon as the boxes change, and added to the error message when a step fails; and the
// whole solution copied by Ctrl+Shift+C.
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QToolTip>
#include <QtTest>

#include "form/drawing_box.h"
#include "window/describe.h"
#include "window/press.h"
#include "window_driver.h"

using form::Tessorin;

class FormWorkingTest : public QObject {
  Q_OBJECT

 private:
  // Combination "a,b,c" with the assignment's example, calculated.
  static std::unique_ptr<Tessorin> Calculated() {
    auto w = ShowWindow(runtime::CSettings());
    const QStringList given = {"8", "5", "2"};
    for (int q = 0; q < 3; ++q) {
      w->Text2[q]->setFocus();
      Type(w->Text2[q], given[q]);
    }
    QTest::mouseClick(w->Command1[0], Qt::LeftButton);
    return w;
  }

  // A box's description: its own, its working if any, and on the desktop how to copy the solution.
  static QString Description(int quantity, const QString& working = QString()) {
    return QString::fromStdString(panel::QuantityBox(quantity).description) +
           (working.isEmpty() ? QString() : "\n" + working) +
           QStringLiteral("\nCtrl+Shift+C копира цялото решение като текст.");
  }

 private slots:
  void eachBoxExplainsItsMeasure() {
    auto w = Calculated();
    QCOMPARE(w->Text2[0]->toolTip(), QStringLiteral("a = 8 — дадено"));
    const QString h = QStringLiteral(
        "x = (a − c) / 2 = (8 − 2) / 2 = 3 (x = AH, проекцията на бедрото върху голямата основа)\n"
        "h = √(b² − x²) = √(5² − 3²) = √16 = 4");
    QCOMPARE(w->Text2[3]->toolTip(), h);
    QCOMPARE(w->Text2[3]->accessibleDescription(), Description(3, h));

    // F1 in a box shows its tooltip.
    w->Text2[3]->setFocus();
    QTest::keyClick(w->Text2[3], Qt::Key_F1);
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), h);
    QToolTip::hideText();

    // The picture explains the measures it shows beyond the six, exact forms included.
    const QString more = w->Picture1->toolTip();
    QVERIFY2(more.startsWith(QStringLiteral("Още елементи на трапеца:\nm = (a + c) / 2 = (8 + 2) / 2 = 5\n"
                                            "d = √(h² + m²) = √(4² + 5²) = √41 ≈ 6.4031242\n")),
             qPrintable(more));
    QVERIFY(more.endsWith(QStringLiteral("\nr = h / 2 = 4 / 2 = 2")));
    QVERIFY(w->Picture1->accessibleDescription().endsWith("\n" + more));
    w->Picture1->setFocus();
    QTest::keyClick(w->Picture1, Qt::Key_F1);
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), more);
    QToolTip::hideText();
  }

  void anyChangeOfTheBoxesDropsTheWorking_data() {
    QTest::addColumn<int>("change");
    QTest::newRow("typing") << 0;
    QTest::newRow("Clear") << 1;
    QTest::newRow("another combination") << 2;
  }

  void anyChangeOfTheBoxesDropsTheWorking() {
    QFETCH(int, change);
    auto w = Calculated();
    QVERIFY(!w->Text2[5]->toolTip().isEmpty());
    switch (change) {
      case 0:
        w->Text2[1]->setFocus();
        QTest::keyClick(w->Text2[1], Qt::Key_Backspace);
        break;
      case 1: QTest::mouseClick(w->Command1[1], Qt::LeftButton); break;
      case 2: ClickRow(w->List1, 4); break;
    }
    for (int i = 0; i < 6; ++i) {
      QCOMPARE(w->Text2[i]->toolTip(), QString());
      QCOMPARE(w->Text2[i]->accessibleDescription(), Description(i));
    }
    QCOMPARE(w->Picture1->toolTip(), QString());
  }

  void aFailingStepIsAddedToTheMessage() {
    auto w = ShowWindow(runtime::CSettings());
    QString message;
    w->setReporter([&message](const QString&, const QString& m) { message = m; });
    w->Text2[0]->setText("8");
    w->Text2[1]->setText("2");
    w->Text2[2]->setText("2");
    QTest::mouseClick(w->Command1[0], Qt::LeftButton);
    QVERIFY2(
        message.endsWith(QStringLiteral("\n\nh = √(b² − x²) = √(2² − 3²)\n√(−5) не съществува: под корена е "
                                        "отрицателно число, затова трапец с тези размери няма.")),
        qPrintable(message));
    QCOMPARE(w->Text2[3]->toolTip(), QString());

    // Ctrl+Shift+C after the message copies the solution up to the step that failed.
    QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
    QTest::keyClick(w->Text2[0], Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    model::Rows rows;
    rows[0] = {true, "8"}, rows[1] = {true, "2"}, rows[2] = {true, "2"};
    const QString solution = QString::fromStdString(panel::Press(0, rows, runtime::CSettings()).solution);
    QVERIFY2(solution.contains(QStringLiteral("\nh = √(b² − x²) = √(2² − 3²)\n√(−5) не съществува")),
             qPrintable(solution));
    QCOMPARE(QGuiApplication::clipboard()->text(), solution);
  }

  // What the screen shows after «Изчисли», not what a fresh paint would: the window's backing store
  // holds the computed drawing in Picture1 once the press has been painted.
  void theScreenShowsTheComputedDrawing() {
    auto w = ShowWindow(runtime::CSettings());
    const QRect picture(w->Picture1->mapTo(w.get(), QPoint(0, 0)), w->Picture1->size());
    const auto screen = [&] {
      return w->screen()
          ->grabWindow(w->winId())
          .toImage()
          .copy(picture)
          .convertToFormat(QImage::Format_RGB32);
    };
    const QImage before = w->Picture1->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QTRY_COMPARE(screen(), before);
    const QStringList given = {"8", "5", "2"};
    for (int q = 0; q < 3; ++q) w->Text2[q]->setText(given[q]);
    QTest::mouseClick(w->Command1[0], Qt::LeftButton);
    const QImage after = w->Picture1->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QVERIFY(after != before);
    QTRY_COMPARE(screen(), after);
  }

  // Ctrl+Shift+C copies the solution of the last calculation while the boxes still show it.
  void ctrlShiftCCopiesTheSolution() {
    auto w = Calculated();
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(w->Text2[0], Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    model::Rows rows;
    rows[0] = {true, "8"}, rows[1] = {true, "5"}, rows[2] = {true, "2"};
    const std::string solution = panel::Press(0, rows, runtime::CSettings()).solution;
    QVERIFY(solution.rfind("Дадено:\na = 8\n", 0) == 0);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString::fromStdString(solution));

    QTest::mouseClick(w->Command1[1], Qt::LeftButton);  // Clear: nothing left to copy
    QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
    QTest::keyClick(w->Text2[0], Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("kept"));
  }
};

QTEST_MAIN(FormWorkingTest)
#include "form_working_test.moc"
