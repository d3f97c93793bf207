// Start-up time and peak memory of the calculator's window against the toolkit's floor: a bare
// window of the same size with one label; and of the window for a problem as the book gives it
// against the calculator's. Each start runs in a fresh child process, so that
// nothing is warm; the parent alternates the two and reports medians.
//   startup_bench [rounds]        (default 30)
#include <sys/resource.h>

#include <QApplication>
#include <QLabel>
#include <QProcess>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

#include "form/elements_window.h"
#include "form/tessorin.h"
#include "runtime/qt/locale_settings.h"

namespace {

using Clock = std::chrono::steady_clock;

// Notes the first paint of `window`, and ends the event loop once it is done.
class FirstPaint : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !seen_) {
      seen_ = true;
      QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  bool seen_ = false;
};

int Child(int argc, char* argv[], const char* kind) {
  const Clock::time_point start = Clock::now();
  QApplication app(argc, argv);
  std::unique_ptr<QWidget> window;
  if (std::strcmp(kind, "tessorin") == 0) {
    window = std::make_unique<form::Tessorin>(runtime::SystemSettings());
  } else if (std::strcmp(kind, "elements") == 0) {
    window = std::make_unique<form::ElementsWindow>(runtime::SystemSettings());
  } else {
    window = std::make_unique<QWidget>();
    window->setFixedSize(481, 424);
    auto* label = new QLabel(QStringLiteral("Математика - равнобедрен трапец"), window.get());
    label->move(16, 0);
  }
  FirstPaint watch;
  window->installEventFilter(&watch);
  window->show();
  QApplication::exec();
  const double micros = std::chrono::duration<double, std::micro>(Clock::now() - start).count();
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("%.0f %ld\n", micros, usage.ru_maxrss);
  return 0;
}

struct Sample {
  double micros;
  long kilobytes;
};

Sample RunChild(const QString& program, const char* kind) {
  QProcess child;
  child.start(program, {QStringLiteral("--child"), QString::fromLatin1(kind)});
  child.waitForFinished(60'000);
  Sample s{0, 0};
  std::sscanf(child.readAllStandardOutput().constData(), "%lf %ld", &s.micros, &s.kilobytes);
  return s;
}

template <typename T>
T Quantile(std::vector<T> v, double q) {
  std::sort(v.begin(), v.end());
  return v[static_cast<std::size_t>(q * static_cast<double>(v.size() - 1))];
}

template <typename T>
T Median(std::vector<T> v) {
  return Quantile(std::move(v), 0.5);
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  if (argc == 3 && std::strcmp(argv[1], "--child") == 0) {
    return Child(1, argv, argv[2]);
  }
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 30;
  QCoreApplication app(argc, argv);
  const QString self = QCoreApplication::applicationFilePath();
  std::vector<double> tTime, bTime, eTime;
  std::vector<long> tMem, bMem, eMem;
  RunChild(self, "bare");  // warm the disk cache for all three
  RunChild(self, "tessorin");
  RunChild(self, "elements");
  for (int i = 0; i < rounds; ++i) {
    const Sample b = RunChild(self, "bare");
    const Sample t = RunChild(self, "tessorin");
    const Sample e = RunChild(self, "elements");
    bTime.push_back(b.micros), bMem.push_back(b.kilobytes);
    tTime.push_back(t.micros), tMem.push_back(t.kilobytes);
    eTime.push_back(e.micros), eMem.push_back(e.kilobytes);
  }
  const double bare = Median(bTime), tessorin = Median(tTime);
  const long bareKb = Median(bMem), tessorinKb = Median(tMem);
  std::printf("rounds %d\n", rounds);
  std::printf("median (fastest quarter - slowest quarter), peak memory\n");
  std::printf("bare window  %6.1f ms (%5.1f - %5.1f)  %5.1f MB\n", bare / 1000, Quantile(bTime, 0.25) / 1000,
              Quantile(bTime, 0.75) / 1000, bareKb / 1024.0);
  std::printf("Tessorin     %6.1f ms (%5.1f - %5.1f)  %5.1f MB\n", tessorin / 1000,
              Quantile(tTime, 0.25) / 1000, Quantile(tTime, 0.75) / 1000, tessorinKb / 1024.0);
  std::printf("ratio %.3f, extra memory %.1f MB\n", tessorin / bare, (tessorinKb - bareKb) / 1024.0);
  const double elements = Median(eTime);
  std::printf("problem window %6.1f ms (%5.1f - %5.1f)  %5.1f MB\n", elements / 1000,
              Quantile(eTime, 0.25) / 1000, Quantile(eTime, 0.75) / 1000, Median(eMem) / 1024.0);
  std::printf("problem window to Tessorin %.3f\n", elements / tessorin);
  return 0;
}
