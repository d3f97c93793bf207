// Typing any text, Cyrillic included, into a widget as key events.
#pragma once

#include <QtTest>

inline void Type(QWidget* widget, const QString& text) {
  for (QChar c : text) {
    const Qt::Key key = c.unicode() < 0x80 && c.isLetterOrNumber()
                            ? Qt::Key(c.toUpper().unicode())
                            : Qt::Key_unknown;
    QTest::sendKeyEvent(QTest::Click, widget, key, QString(c), Qt::NoModifier);
  }
}
