// Drives the window as a pupil would: list rows, typing, the two buttons. What each event does is
// the window's state's affair (form_test.cpp); here the widgets show that state, and their events
// reach it.
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "model/combination.h"
#include "runtime/qt/locale_settings.h"
#include "window/form.h"
#include "window/texts.h"
#include "window_driver.h"

using form::Tessorin;

class FormBehaviourTest : public QObject {
  Q_OBJECT

 private:
  struct Report {
    QString title, message;
  };

  std::unique_ptr<Tessorin> Open(const QLocale& locale = QLocale::c()) {
    auto window = ShowWindow(runtime::SettingsOf(locale));
    reports_.clear();
    window->setReporter([this](const QString& t, const QString& m) { reports_.push_back({t, m}); });
    return window;
  }

  static void Select(Tessorin& w, int row) { ClickRow(w.List1, row); }

  // Types the texts into the boxes of the combination's given quantities, in index order.
  static void TypeGiven(Tessorin& w, int index, const QStringList& values) {
    int k = 0;
    for (model::Quantity q : model::kCombinations[index].given) {
      w.Text2[q]->setFocus();
      Type(w.Text2[q], values[k++]);
    }
  }

  static void Press(Tessorin& w, int button) { QTest::mouseClick(w.Command1[button], Qt::LeftButton); }

  // The rows as the window's state has them once combination `index` is chosen; ticks that the
  // user cannot change.
  static void VerifyRows(const Tessorin& w, int index) {
    const panel::State chosen = panel::List1_Click(panel::Form_Load(), index);
    for (int i = 0; i < model::kQuantityCount; ++i) {
      QCOMPARE(w.Check1[i]->isChecked(), chosen.rows[i].ticked);
      QCOMPARE(w.Text2[i]->isReadOnly(), chosen.rows[i].readOnly);
      QVERIFY(!w.Check1[i]->isEnabled());
      QCOMPARE(w.Text2[i]->maxLength(), chosen.maxLength);
    }
  }

  std::vector<Report> reports_;

 private slots:
  void afterLoadCombinationZeroIsApplied() {
    auto w = Open();
    QCOMPARE(w->List1->currentRow(), 0);
    QVERIFY(w->List1->item(0)->isSelected());
    VerifyRows(*w, 0);
    QCOMPARE(BoxTexts(*w), QStringList(6, QString()));
    QCOMPARE(QApplication::focusWidget(), w->Text1[0]);
  }

  void selectingARowAppliesItsCombination() {
    const int index = 4;
    auto w = Open();
    for (QLineEdit* box : w->Text2) box->setText(QStringLiteral("9"));
    Select(*w, index);
    QCOMPARE(w->List1->currentRow(), index);
    VerifyRows(*w, index);
    QCOMPARE(BoxTexts(*w), QStringList(6, QString()));
  }

  void keyboardMovesTheSelectionAndCtrlClickCannotClearIt() {
    auto w = Open();
    w->List1->setFocus();
    QTest::keyClick(w->List1, Qt::Key_Down);
    QTest::keyClick(w->List1, Qt::Key_Down);
    QCOMPARE(w->List1->currentRow(), 2);
    VerifyRows(*w, 2);
    ClickRow(w->List1, 2, Qt::ControlModifier);
    QTest::keyClick(w->List1, Qt::Key_Space, Qt::ControlModifier);
    QCOMPARE(w->List1->selectedItems().size(), 1);
    QCOMPARE(w->List1->currentRow(), 2);
    VerifyRows(*w, 2);
  }

  void otherMouseButtonsLeaveTheListAlone_data() {
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<bool>("twice");
    QTest::newRow("right") << Qt::RightButton << false;
    QTest::newRow("middle") << Qt::MiddleButton << false;
    QTest::newRow("right double click") << Qt::RightButton << true;
  }
  void otherMouseButtonsLeaveTheListAlone() {
    QFETCH(Qt::MouseButton, button);
    QFETCH(bool, twice);
    auto w = Open();
    TypeGiven(*w, 0, {"8", "5", "2"});
    const QPoint row = w->List1->visualItemRect(w->List1->item(3)).center();
    if (twice)
      QTest::mouseDClick(w->List1->viewport(), button, {}, row);
    else
      QTest::mouseClick(w->List1->viewport(), button, {}, row);
    QCOMPARE(w->List1->currentRow(), 0);
    QVERIFY(w->List1->item(0)->isSelected());
    VerifyRows(*w, 0);
    QCOMPARE(BoxTexts(*w), (QStringList{"8", "5", "2", "", "", ""}));
  }

  // Emptied boxes stay empty: Ctrl+Z in any editable box brings nothing back.
  void undoBringsNoEmptiedValueBack_data() {
    QTest::addColumn<bool>("clear");
    QTest::newRow("Изчисти after a calculation") << true;
    QTest::newRow("another combination") << false;
  }
  void undoBringsNoEmptiedValueBack() {
    QFETCH(bool, clear);
    auto w = Open();
    TypeGiven(*w, 0, {"8", "5", "2"});
    if (clear) {
      Press(*w, 0);
      Press(*w, 1);
    } else {
      Select(*w, 1);
    }
    for (QLineEdit* box : w->Text2) {
      if (box->isReadOnly()) continue;
      QTest::mouseClick(box, Qt::LeftButton);
      QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
    }
    QCOMPARE(BoxTexts(*w), QStringList(6, QString()));
  }

  void boxesTakeSevenCharactersAndLockedOnesNone() {
    auto w = Open();
    w->Text2[0]->setFocus();
    Type(w->Text2[0], QStringLiteral("12,5 cmЖ99"));
    QCOMPARE(w->Text2[0]->text(), QStringLiteral("12,5 cm"));
    w->Text2[3]->setFocus();
    Type(w->Text2[3], QStringLiteral("42Ж"));
    QTest::keyClick(w->Text2[3], Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(w->Text2[3]->text(), QString());
    QVERIFY(w->Text2[3]->hasFocus());  // a locked box still takes the focus
  }

  void checkBoxesIgnoreClicks() {
    auto w = Open();
    for (QCheckBox* tick : w->Check1) {
      const bool before = tick->isChecked();
      QTest::mouseClick(tick, Qt::LeftButton);
      QCOMPARE(tick->isChecked(), before);
    }
  }

  void calculateTheAssignmentExample() {
    const int index = 11;
    const QStringList example{"8", "5", "2", "4", "20", "20"};
    auto w = Open();
    Select(*w, index);
    QStringList given;
    for (model::Quantity q : model::kCombinations[index].given) given << example[q];
    TypeGiven(*w, index, given);
    Press(*w, 0);
    QCOMPARE(BoxTexts(*w), (QStringList{"8.00000", "5.00000", "2.00000", "4.00000", "20.0000", "20.0000"}));
    VerifyRows(*w, index);
    QVERIFY(reports_.empty());
  }

  void clearEmptiesTheBoxesOnly() {
    auto w = Open();
    Select(*w, 9);
    TypeGiven(*w, 9, {"8", "4", "20"});
    Press(*w, 0);
    QCOMPARE(w->Text2[2]->text(), QStringLiteral("2.00000"));
    Press(*w, 1);
    QCOMPARE(BoxTexts(*w), QStringList(6, QString()));
    VerifyRows(*w, 9);
    QCOMPARE(w->List1->currentRow(), 9);
    Press(*w, 0);  // nothing given now: nothing happens
    QCOMPARE(BoxTexts(*w), QStringList(6, QString()));
  }

  void anImpossibleTrapezoidIsReportedAndChangesNothing_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("given");
    QTest::addColumn<QString>("says");
    QTest::addColumn<QString>("title");
    const QString none = QString::fromUtf8(panel::texts::kErrorTitle);
    QTest::newRow("a,b,c") << 0 << QStringList{"8", "2", "2"} << QStringLiteral("2·b ≥ |a − c|") << none;
    QTest::newRow("too large") << 0 << QStringList{"1E200", "1E200", "1"} << QStringLiteral("твърде големи")
                               << QString::fromUtf8(panel::texts::kTooLargeTitle);
  }
  void anImpossibleTrapezoidIsReportedAndChangesNothing() {
    QFETCH(int, index);
    QFETCH(QStringList, given);
    QFETCH(QString, says);
    QFETCH(QString, title);
    auto w = Open();
    Select(*w, index);
    TypeGiven(*w, index, given);
    const QStringList before = BoxTexts(*w);
    Press(*w, 0);
    QCOMPARE(BoxTexts(*w), before);
    QCOMPARE(reports_.size(), std::size_t{1});
    QVERIFY2(reports_[0].message.contains(says), qPrintable(reports_[0].message));
    QCOMPARE(reports_[0].title, title);
    Press(*w, 0);  // still running, and still answering
    QCOMPARE(reports_.size(), std::size_t{2});
  }

  void enterAndEscapePressNoButton() {
    auto w = Open();
    TypeGiven(*w, 0, {"8", "5", "2"});
    QTest::keyClick(w->Text2[2], Qt::Key_Return);
    QTest::keyClick(w->Text2[2], Qt::Key_Escape);
    QCOMPARE(BoxTexts(*w), (QStringList{"8", "5", "2", "", "", ""}));
  }

  void underBulgarianSettingsTheCommaIsTheDecimalSymbol() {
    auto w = Open(QLocale(QLocale::Bulgarian, QLocale::Bulgaria));
    Select(*w, 2);
    TypeGiven(*w, 2, {"2,5", "0,5", "1000"});
    Press(*w, 0);
    QCOMPARE(BoxTexts(*w), (QStringList{"2,50000", QString::fromUtf8("1\u00A0000,0"), "0,50000",
                                        QString::fromUtf8("1\u00A0000,0"), QString::fromUtf8("2\u00A0003,0"),
                                        QString::fromUtf8("1\u00A0500,0")}));
    Press(*w, 0);  // what was written reads back as the same numbers
    QCOMPARE(w->Text2[0]->text(), QStringLiteral("2,50000"));
    QCOMPARE(w->Text2[5]->text(), QString::fromUtf8("1\u00A0500,0"));
  }
};

QTEST_MAIN(FormBehaviourTest)
#include "form_behaviour_test.moc"
