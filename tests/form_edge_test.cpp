// The largest and smallest inputs the boxes take, results that overflow, underflow or round to
// a negative zero, and an impossible shape for each combination: each ends in six sane texts,
// in nothing at all, or in the error message, with the program still running.
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "model/combination.h"
#include "window_driver.h"

using form::Tessorin;

enum class Outcome { Texts, Nothing, Message };
Q_DECLARE_METATYPE(Outcome)

class FormEdgeTest : public QObject {
  Q_OBJECT

 private slots:
  void edgeInputs_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("given");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QStringList>("shown");  // for Texts; for Message, a piece of the message

    const auto texts = [](std::initializer_list<const char*> t) {
      QStringList l;
      for (const char* s : t) l << QString::fromUtf8(s);
      return l;
    };
    // Largest and smallest inputs.
    QTest::newRow("9999999 three times")
        << 0 << texts({"9999999", "9999999", "9999999"}) << Outcome::Texts
        << texts({"9999999", "9999999", "9999999", "9999999", "3999999", "9999998"});
    QTest::newRow("0.00001 three times")
        << 0 << texts({"0.00001", "0.00001", "0.00001"}) << Outcome::Texts
        << texts({"0.00001", "0.00001", "0.00001", "0.00001", "0.00004", "0.00000"});
    QTest::newRow("1E-300 underflows to zero")
        << 2 << texts({"1E-300", "1E-300", "1E-300"}) << Outcome::Texts
        << texts({"0.00000", "0.00000", "0.00000", "0.00000", "0.00000", "0.00000"});
    QTest::newRow("1E308 overflows") << 0 << texts({"1E308", "1E308", "1E308"}) << Outcome::Message
                                     << texts({"твърде големи"});
    QTest::newRow("1E200 squared overflows")
        << 2 << texts({"1E200", "1", "1"}) << Outcome::Message << texts({"твърде големи"});
    QTest::newRow("1E400 cannot be read")
        << 9 << texts({"1E400", "1", "1"}) << Outcome::Message << texts({"твърде големи"});
    QTest::newRow("a result rounds to -0")
        << 1 << texts({"1E-8", "1E-8", "1E-99"}) << Outcome::Texts
        << texts({"0.00000", "0.00000", "0.00000", "0.00000", "0.00000", "0.00000"});
    QTest::newRow("negative results are written")
        << 9 << texts({"8", "4", "1"}) << Outcome::Texts
        << texts({"8.00000", "8.72138", "-7.5000", "4.00000", "17.9427", "1.00000"});
    // Input that is no measure: nothing happens.
    QTest::newRow("-0") << 0 << texts({"8", "-0", "2"}) << Outcome::Nothing << QStringList();
    QTest::newRow("seven blanks") << 0 << texts({"8", "       ", "2"}) << Outcome::Nothing << QStringList();
    QTest::newRow("1E-400 reads 0") << 0 << texts({"8", "1E-400", "2"}) << Outcome::Nothing << QStringList();
    QTest::newRow("Cyrillic") << 0 << QStringList{"8", QStringLiteral("пет"), "2"} << Outcome::Nothing
                              << QStringList();
    QTest::newRow("full-width digit")
        << 0 << QStringList{"8", QStringLiteral("５"), "2"} << Outcome::Nothing << QStringList();
    // An impossible shape for each combination that can have one.
    const struct {
      int index;
      const char* given[3];
      const char* says;
    } impossible[] = {
        {0, {"8", "2", "2"}, "|a − c|"},        {1, {"8", "4", "5"}, "височината h"},
        {3, {"4", "2", "5"}, "височината h"},   {4, {"8", "5", "12"}, "2·a + 4·b"},
        {4, {"8", "1", "21"}, "2·a + 4·b"},     {5, {"8", "2", "14"}, "между 2·a и 2·c"},
        {6, {"1", "8", "10"}, "2·c + 4·b"},     {7, {"4", "5", "20"}, "височината h"},
        {10, {"3", "4", "10"}, "височината h"},
    };
    for (const auto& c : impossible) {
      QTest::newRow(
          qPrintable(QStringLiteral("no such trapezoid, %1").arg(model::kCombinations[c.index].label.data())))
          << c.index << texts({c.given[0], c.given[1], c.given[2]}) << Outcome::Message
          << QStringList{QString::fromUtf8(c.says)};
    }
  }

  void edgeInputs() {
    QFETCH(int, index);
    QFETCH(QStringList, given);
    QFETCH(Outcome, outcome);
    QFETCH(QStringList, shown);

    Tessorin w(runtime::CSettings());
    QStringList messages;
    w.setReporter([&messages](const QString&, const QString& m) { messages << m; });
    w.List1->setCurrentRow(index);
    int k = 0;
    for (model::Quantity q : model::kCombinations[index].given) w.Text2[q]->setText(given[k++]);
    const QStringList before = BoxTexts(w);

    QTest::mouseClick(w.Command1[0], Qt::LeftButton);
    const QStringList after = BoxTexts(w);

    switch (outcome) {
      case Outcome::Texts:
        QCOMPARE(after, shown);
        QVERIFY(messages.isEmpty());
        break;
      case Outcome::Nothing:
        QCOMPARE(after, before);
        QVERIFY(messages.isEmpty());
        break;
      case Outcome::Message:
        QCOMPARE(after, before);
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages[0].contains(shown[0]), qPrintable(messages[0]));
        break;
    }
  }
};

QTEST_MAIN(FormEdgeTest)
#include "form_edge_test.moc"
