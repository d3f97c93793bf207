// Driving the real window from the tests as a user would.
#pragma once

#include <QLineEdit>
#include <QListWidget>
#include <QtTest>
#include <memory>

#include "form/tessorin.h"

// Types any text, Cyrillic included, as key events.
inline void Type(QWidget* widget, const QString& text) {
  for (QChar c : text) {
    const Qt::Key key =
        c.unicode() < 0x80 && c.isLetterOrNumber() ? Qt::Key(c.toUpper().unicode()) : Qt::Key_unknown;
    QTest::sendKeyEvent(QTest::Click, widget, key, QString(c), Qt::NoModifier);
  }
}

// A window on the screen, ready for input.
inline std::unique_ptr<form::Tessorin> ShowWindow(const runtime::RegionalSettings& settings) {
  auto window = std::make_unique<form::Tessorin>(settings);
  window->show();
  if (!QTest::qWaitForWindowExposed(window.get())) qFatal("the window was not shown");
  return window;
}

inline void ClickRow(QListWidget* list, int row, Qt::KeyboardModifiers modifiers = {}) {
  list->scrollToItem(list->item(row));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers,
                    list->visualItemRect(list->item(row)).center());
}

// The six value boxes' texts, a to S.
inline QStringList BoxTexts(const form::Tessorin& window) {
  QStringList texts;
  for (QLineEdit* box : window.Text2) texts << box->text();
  return texts;
}
