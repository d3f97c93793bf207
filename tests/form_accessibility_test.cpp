// What a screen reader learns of the window, through the accessibility interfaces.
#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>

#include "form/drawing_box.h"
#include "window_driver.h"

using form::Tessorin;

class FormAccessibilityTest : public QObject {
  Q_OBJECT

  std::unique_ptr<Tessorin> window_;

  static QAccessibleInterface* Of(QObject* object) { return QAccessible::queryAccessibleInterface(object); }
  static bool IsBulgarian(const QString& text) {
    return text.contains(QRegularExpression(QStringLiteral("[\\x{0400}-\\x{04FF}]")));
  }

 private slots:
  void init() { window_ = ShowWindow(runtime::CSettings()); }
  void cleanup() { window_.reset(); }

  void everyControlHasABulgarianNameAndDescription() {
    QList<QWidget*> controls = window_->findChildren<QWidget*>(QRegularExpression(QStringLiteral("^[A-Z]")));
    QCOMPARE(controls.size(), 21);
    for (QWidget* w : controls << window_.get()) {
      QAccessibleInterface* a = Of(w);
      QVERIFY2(a, qPrintable(w->objectName()));
      QVERIFY2(IsBulgarian(a->text(QAccessible::Name)), qPrintable(w->objectName()));
      QVERIFY2(IsBulgarian(a->text(QAccessible::Description)), qPrintable(w->objectName()));
    }
  }

  void quantityRowsSayWhatTheyHoldAndTheirState() {
    Tessorin& w = *window_;
    QAccessibleInterface* legBox = Of(w.Text2[1]);
    QCOMPARE(legBox->text(QAccessible::Name), QStringLiteral("Бедро b"));
    QVERIFY(legBox->text(QAccessible::Description).contains(QStringLiteral("бедрото на трапеца")));
    QVERIFY(!legBox->state().readOnly);
    QVERIFY(Of(w.Text2[4])->state().readOnly);  // P is computed in "a,b,c"

    QAccessibleInterface* tick = Of(w.Check1[0]);
    QCOMPARE(tick->role(), QAccessible::CheckBox);
    QVERIFY(tick->state().checked);
    QVERIFY(tick->state().disabled);
    QVERIFY(!Of(w.Check1[5])->state().checked);
  }

  void theListSaysWhichMeasuresEachRowGives() {
    QAccessibleInterface* list = Of(window_->List1);
    QVERIFY(list->text(QAccessible::Description).contains(QStringLiteral("дванадесет комбинации")));
    QStringList rows;
    for (int i = 0; i < list->childCount(); ++i) {
      const QString text = list->child(i)->text(QAccessible::Name);
      if (text.startsWith(QStringLiteral("Дадени"))) rows << text;
    }
    QCOMPARE(rows.size(), 12);
    QCOMPARE(rows[4], QStringLiteral("Дадени: Периметър P, Голяма основа a, Бедро b"));
    QCOMPARE(rows[11], QStringLiteral("Дадени: Лице S, Малка основа c, Височина h"));
  }

  void theDrawingHasATextAlternative() {
    QAccessibleInterface* picture = Of(window_->Picture1);
    QCOMPARE(picture->text(QAccessible::Name), QStringLiteral("Чертеж на равнобедрен трапец"));
    QVERIFY(picture->text(QAccessible::Description).contains(QStringLiteral("височината DH е h")));
    // After a calculation it describes the trapezoid drawn, with the measures that follow the six.
    for (int q = 0; q < 3; ++q) {
      window_->Text2[q]->setFocus();
      Type(window_->Text2[q], QStringList{"21", "10", "9"}[q]);
    }
    QTest::mouseClick(window_->Command1[0], Qt::LeftButton);
    const QString said = picture->text(QAccessible::Description);
    for (const char* part : {"основа AB, a = 21", "диагонал d = 17", "R = 10.625"}) {
      QVERIFY2(said.contains(QString::fromUtf8(part)), qPrintable(said));
    }
    QAccessibleInterface* calculate = Of(window_->Command1[0]);
    QCOMPARE(calculate->role(), QAccessible::Button);
    QCOMPARE(calculate->text(QAccessible::Name), QStringLiteral("Изчисли"));
  }
};

QTEST_MAIN(FormAccessibilityTest)
#include "form_accessibility_test.moc"
