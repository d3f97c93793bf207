// The problem window on the desktop: built from its table, typed into and pressed as a pupil does,
// it paints what the window's state holds.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "form/drawing_box.h"
#include "form/elements_window.h"
#include "form/tessorin.h"

namespace {

namespace el = panel::elements;

runtime::RegionalSettings Bulgarian() {
  runtime::RegionalSettings s = runtime::CSettings();
  s.decimalSymbol = ",";
  return s;
}

int RowOf(model::problem::Element e) {
  for (int r = 0; r < el::kRowCount; ++r) {
    if (el::kRows[static_cast<std::size_t>(r)].element == e) return r;
  }
  return -1;
}

}  // namespace

class FormElementsTest : public QObject {
  Q_OBJECT

 private:
  QLineEdit* Box(form::ElementsWindow& w, model::problem::Element e) {
    return w.boxes[static_cast<std::size_t>(RowOf(e))];
  }

 private slots:
  void eachControlStandsWhereTheTableSays() {
    form::ElementsWindow w(Bulgarian());
    QCOMPARE(w.windowTitle(), QString::fromUtf8(el::kCaption));
    QCOMPARE(w.size(), QSize(el::kWidth, el::kHeight));
    for (const el::Control& c : el::Controls()) {
      if (el::Id(c).empty()) continue;
      auto* widget = w.findChild<QWidget*>(QString::fromStdString(el::Id(c)));
      QVERIFY2(widget, el::Id(c).c_str());
      QCOMPARE(widget->geometry(), QRect(c.rect.left, c.rect.top, c.rect.width, c.rect.height));
      QCOMPARE(widget->accessibleName(), QString::fromStdString(c.name));
    }
  }

  void typingAndCalculatingShowsEverythingTheGivensFix() {
    form::ElementsWindow w(Bulgarian());
    QStringList reported;
    w.setReporter([&](const QString& title, const QString&) { reported << title; });
    w.show();
    QTest::keyClicks(Box(w, model::problem::kA), QStringLiteral("27"));
    QTest::keyClicks(Box(w, model::problem::kC), QStringLiteral("13"));
    QTest::keyClicks(Box(w, model::problem::kAlpha), QStringLiteral("45"));
    QTest::mouseClick(w.calculate, Qt::LeftButton);
    QCOMPARE(Box(w, model::problem::kB)->text(), QStringLiteral("9,8994949"));
    QCOMPARE(Box(w, model::problem::kB)->toolTip(), QStringLiteral("b = 7√2 ≈ 9,8994949"));
    QVERIFY(Box(w, model::problem::kB)->isReadOnly());
    QVERIFY(!Box(w, model::problem::kA)->isReadOnly());
    QVERIFY(w.solution->toPlainText().startsWith(QStringLiteral("Дадено:\n  a = 27")));
    QCOMPARE(w.picture->picture(), w.state().picture);
    QVERIFY(w.picture->picture() != panel::DefaultDrawing());
    QVERIFY(w.next->isHidden());
    QVERIFY(reported.isEmpty());
    // TRAPEZOID_ELEMENTS_SHOTS=DIR keeps the window as it looks now, for the README.
    if (qEnvironmentVariableIsSet("TRAPEZOID_ELEMENTS_SHOTS"))
      w.grab().save(qEnvironmentVariable("TRAPEZOID_ELEMENTS_SHOTS") + QStringLiteral("/elements.png"));
    // A change drops what was found.
    QTest::keyClicks(Box(w, model::problem::kA), QStringLiteral("1"));
    QCOMPARE(Box(w, model::problem::kB)->text(), QString());
    QCOMPARE(w.solution->toPlainText(), QString());
  }

  void twoTrapezoidsAndTheSwitch() {
    form::ElementsWindow w(Bulgarian());
    w.show();
    QTest::keyClicks(Box(w, model::problem::kCircumradius), QStringLiteral("5"));
    QTest::keyClicks(Box(w, model::problem::kA), QStringLiteral("8"));
    QTest::keyClicks(Box(w, model::problem::kC), QStringLiteral("6"));
    QTest::mouseClick(w.calculate, Qt::LeftButton);
    QVERIFY(w.next->isVisible());
    QCOMPARE(w.next->text(), QStringLiteral("Решение 1 от 2"));
    QCOMPARE(Box(w, model::problem::kH)->text(), QStringLiteral("1,0000000"));
    QTest::mouseClick(w.next, Qt::LeftButton);
    QCOMPARE(w.next->text(), QStringLiteral("Решение 2 от 2"));
    QCOMPARE(Box(w, model::problem::kH)->text(), QStringLiteral("7,0000000"));
    if (qEnvironmentVariableIsSet("TRAPEZOID_ELEMENTS_SHOTS"))
      w.grab().save(qEnvironmentVariable("TRAPEZOID_ELEMENTS_SHOTS") + QStringLiteral("/elements-two.png"));
  }

  void theCalculatorOpensItFromThePictureAndByItsKey() {
    form::Tessorin calculator(Bulgarian());
    calculator.show();
    calculator.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&calculator));
    const QList<QAction*> actions = calculator.Picture1->actions();
    QCOMPARE(actions.size(), 1);
    QCOMPARE(actions[0]->text(), QStringLiteral("Задача по дадени елементи…"));
    QCOMPARE(actions[0]->shortcut(), QKeySequence(QStringLiteral("Ctrl+E")));
    QCOMPARE(calculator.Picture1->contextMenuPolicy(), Qt::ActionsContextMenu);
    const auto open = [] {
      int shown = 0;
      for (QWidget* w : QApplication::topLevelWidgets())
        shown += w->isVisible() && qobject_cast<form::ElementsWindow*>(w);
      return shown;
    };
    QTest::keyClick(&calculator, Qt::Key_E, Qt::ControlModifier);
    QTRY_COMPARE(open(), 1);
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (qobject_cast<form::ElementsWindow*>(w)) w->close();
    }
  }

  void givensThatDisagreeAreSaidAndNoBoxChanges() {
    form::ElementsWindow w(Bulgarian());
    QStringList reported;
    w.setReporter([&](const QString& title, const QString& text) { reported << title << text; });
    QTest::keyClicks(Box(w, model::problem::kA), QStringLiteral("10"));
    QTest::keyClicks(Box(w, model::problem::kC), QStringLiteral("4"));
    QTest::keyClicks(Box(w, model::problem::kM), QStringLiteral("8"));
    w.ticks[model::problem::kIncircle]->setChecked(true);
    QTest::mouseClick(w.calculate, Qt::LeftButton);
    QCOMPARE(reported.value(0), QStringLiteral("Задачата няма решение"));
    QCOMPARE(Box(w, model::problem::kM)->text(), QStringLiteral("8"));
    QCOMPARE(Box(w, model::problem::kB)->text(), QString());
  }
};

QTEST_MAIN(FormElementsTest)
#include "form_elements_test.moc"
