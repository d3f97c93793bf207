// Qt's own texts in the window (context menus, the message box's button) are Bulgarian too,
// whatever the regional settings (this runs under the C locale).
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>

#include "form/qt_translation.h"
#include "window/texts.h"
#include "window_driver.h"

class FormLanguageTest : public QObject {
  Q_OBJECT

  static bool IsBulgarian(const QString& text) {
    return text.contains(QRegularExpression(QStringLiteral("[\\x{0400}-\\x{04FF}]")));
  }

  // The texts of a widget's standard context menu, separators left out.
  template <typename Edit>
  static QStringList MenuTexts(Edit* edit) {
    std::unique_ptr<QMenu> menu(edit->createStandardContextMenu());
    QStringList texts;
    for (QAction* action : menu->actions()) {
      if (!action->isSeparator()) texts << action->text();
    }
    return texts;
  }

 private slots:
  // Runs first, before any translation is loaded.
  void aMissingTranslationLeavesQtsEnglishTexts() {
    QVERIFY(!form::InstallQtTranslation(QStringLiteral("/nonexistent")));
    auto w = ShowWindow(runtime::CSettings());
    QVERIFY(MenuTexts(w->Text2[0]).join(u'|').startsWith(QStringLiteral("&Undo")));
  }

  void contextMenusAreBulgarian() {
    QVERIFY(form::InstallQtTranslation());
    auto w = ShowWindow(runtime::CSettings());
    for (const QStringList& texts : {MenuTexts(w->Text2[0]), MenuTexts(w->Text1[0])}) {
      QVERIFY(texts.size() >= 2);
      for (const QString& text : texts) QVERIFY2(IsBulgarian(text), qPrintable(texts.join(u'|')));
    }
  }

  // The real dialog, with the window's own reporter: its title and its button, whose word the web
  // page's message shows too.
  void theMessageBoxIsBulgarian() {
    auto w = ShowWindow(runtime::CSettings());
    w->Text2[0]->setText(QStringLiteral("8"));
    w->Text2[1]->setText(QStringLiteral("1"));
    w->Text2[2]->setText(QStringLiteral("2"));
    QString title, button;
    QTimer::singleShot(0, this, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      title = box->windowTitle();
      button = box->buttons().value(0)->text();
      box->accept();
    });
    QTest::mouseClick(w->Command1[0], Qt::LeftButton);
    QCOMPARE(title, QString::fromUtf8(panel::texts::kErrorTitle));
    QVERIFY2(IsBulgarian(button), qPrintable(button));
    QCOMPARE(button.remove(u'&'), QString::fromUtf8(panel::texts::kOk));
  }
};

QTEST_MAIN(FormLanguageTest)
#include "form_language_test.moc"
