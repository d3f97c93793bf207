// Thousands of random user actions on the real window; after each one the window must be in a
// state that its rules allow, and Calculate must do exactly what the solver says.
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QtTest>

#include "model/combination.h"
#include "runtime/qt/locale_settings.h"
#include "window/press.h"
#include "window_driver.h"

using form::Tessorin;

class FormMonkeyTest : public QObject {
  Q_OBJECT

  std::unique_ptr<Tessorin> w_;
  runtime::RegionalSettings settings_;
  QRandomGenerator rng_;
  int reports_ = 0;
  int expectedReports_ = 0;
  int answered_ = 0;
  QString assignment_;

  int Pick(int n) { return static_cast<int>(rng_.bounded(n)); }

  QString RandomText() {
    static const QString alphabet =
        QStringLiteral("0123456789012345678.,.,eE+-  \u00A0абвгдежзийЖЩЮЯ xyzXYZ%*/()");
    QString text;
    for (int n = 1 + Pick(4); n > 0; --n) text += alphabet[Pick(static_cast<int>(alphabet.size()))];
    return text;
  }

  // A plausible measure, now and then a huge one: what a pupil mostly types.
  QString RandomNumber() {
    QString text = QString::number(1 + Pick(30));
    if (Pick(4) == 0) text += QStringLiteral(".5");
    if (Pick(15) == 0) text += QStringLiteral("E200");
    return text;
  }

  // What Calculate must do, worked out by the solver itself before the button is pressed.
  void PressCalculate() {
    model::Rows rows;
    for (int i = 0; i < model::kQuantityCount; ++i) {
      rows[i] = {w_->Check1[i]->isChecked(), w_->Text2[i]->text().toStdString()};
    }
    QStringList expected = BoxTexts(*w_);
    const panel::Outcome outcome = panel::Press(w_->List1->currentRow(), rows, settings_);
    if (outcome.kind == panel::Outcome::Kind::Solved) {
      for (int i = 0; i < model::kQuantityCount; ++i)
        expected[i] = QString::fromStdString(outcome.texts[i]).left(7);
      ++answered_;
    }
    if (outcome.kind == panel::Outcome::Kind::Failed) ++expectedReports_;
    QTest::mouseClick(w_->Command1[0], Qt::LeftButton);
    QCOMPARE(BoxTexts(*w_), expected);
  }

  void TypeInto(QLineEdit* box, const QString& text, bool replace) {
    QTest::mouseClick(box, Qt::LeftButton);
    if (replace) QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    Type(box, text);
  }

  void Act() {
    const int index = w_->List1->currentRow();
    const auto& given = model::kCombinations[static_cast<std::size_t>(index)].given;
    switch (Pick(20)) {
      case 0: ClickRow(w_->List1, Pick(model::kCombinationCount)); break;
      case 1: ClickRow(w_->List1, Pick(model::kCombinationCount), Qt::ControlModifier); break;
      case 2: {
        w_->List1->setFocus();
        const Qt::Key keys[] = {Qt::Key_Up,  Qt::Key_Down,     Qt::Key_Home,
                                Qt::Key_End, Qt::Key_PageDown, Qt::Key_Space};
        QTest::keyClick(w_->List1, keys[Pick(6)], Pick(4) == 0 ? Qt::ControlModifier : Qt::NoModifier);
        break;
      }
      case 3:
      case 4:
      case 5:
      case 6:
      case 7:
      case 8: TypeInto(w_->Text2[given[static_cast<std::size_t>(Pick(3))]], RandomNumber(), true); break;
      case 9: TypeInto(w_->Text2[Pick(model::kQuantityCount)], RandomNumber(), Pick(2)); break;
      case 10:
      case 11: TypeInto(w_->Text2[Pick(model::kQuantityCount)], RandomText(), Pick(2)); break;
      case 12: QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace); break;
      case 13:
      case 14:
      case 15: PressCalculate(); break;
      case 16: QTest::mouseClick(w_->Command1[1], Qt::LeftButton); break;
      case 17: QTest::mouseClick(w_->Check1[Pick(model::kQuantityCount)], Qt::LeftButton); break;
      case 18:
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab,
                        Pick(2) ? Qt::ShiftModifier : Qt::NoModifier);
        break;
      case 19: Type(QApplication::focusWidget(), RandomText()); break;
    }
  }

  void VerifyInvariant(int step) {
    const int index = w_->List1->currentRow();
    QVERIFY2(model::IsCombination(index), qPrintable(QString::number(step)));
    QVERIFY2(w_->List1->item(index)->isSelected(), qPrintable(QString::number(step)));
    for (int i = 0; i < model::kQuantityCount; ++i) {
      const bool given = model::IsGiven(index, i);
      QVERIFY2(w_->Check1[i]->isChecked() == given, qPrintable(QString::number(step)));
      QVERIFY2(w_->Text2[i]->isReadOnly() == !given, qPrintable(QString::number(step)));
      QVERIFY2(!w_->Check1[i]->isEnabled(), qPrintable(QString::number(step)));
      QVERIFY2(w_->Text2[i]->text().size() <= 7, qPrintable(QString::number(step)));
      QVERIFY2(!w_->Text2[i]->text().contains(QStringLiteral("inf")) &&
                   !w_->Text2[i]->text().contains(QStringLiteral("nan")),
               qPrintable(QString::number(step)));
    }
    QCOMPARE(reports_, expectedReports_);
    QVERIFY(!w_->Text1[1]->isVisible());
    QCOMPARE(w_->Text1[0]->toPlainText(), assignment_);
  }

 private slots:
  void randomActionsKeepTheWindowSound_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<quint32>("seed");
    QTest::newRow("C") << QLocale::c() << 20261208u;
    QTest::newRow("English") << QLocale(QLocale::English, QLocale::UnitedStates) << 7u;
    QTest::newRow("Bulgarian") << QLocale(QLocale::Bulgarian, QLocale::Bulgaria) << 1204u;
  }
  void randomActionsKeepTheWindowSound() {
    QFETCH(QLocale, locale);
    QFETCH(quint32, seed);
    rng_.seed(seed);
    settings_ = runtime::SettingsOf(locale);
    w_ = ShowWindow(settings_);
    reports_ = expectedReports_ = answered_ = 0;
    w_->setReporter([this](const QString&, const QString&) { ++reports_; });
    assignment_ = w_->Text1[0]->toPlainText();
    for (int step = 0; step < 5000; ++step) {
      Act();
      if (QTest::currentTestFailed()) QFAIL(qPrintable(QStringLiteral("at step %1").arg(step)));
      VerifyInvariant(step);
      if (QTest::currentTestFailed()) return;
    }
    qInfo("5000 actions: %d calculations answered, %d errors reported", answered_, expectedReports_);
    QVERIFY2(answered_ > 0 && expectedReports_ > 0, "the monkey never met an answer or an error: too tame");
    w_.reset();
  }
};

QTEST_MAIN(FormMonkeyTest)
#include "form_monkey_test.moc"
