// The working on the value boxes: shown after a calculation as tooltip, description and on F1,
// gone as soon as the boxes change, and added to the error message when a step fails; and the
// whole solution copied by Ctrl+Shift+C.
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolTip>
#include <QtTest>

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
