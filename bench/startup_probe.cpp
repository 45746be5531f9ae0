// Opens a window, and once it has been shown and painted prints how long that took since the
// launcher started this process and the resident memory then, and quits. Built twice: with the
// Velmoro window, and with a minimal window of plain controls as many as Velmoro's.
#include <QApplication>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#ifndef VELMORO_PROBE_MINIMAL
#include "ui/main_window.h"
#endif

namespace {

long long monotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1'000'000'000LL + now.tv_nsec;
}

long residentKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').first().toLong();
        }
    }
    return -1;
}

/// Reports once the window's first paint has been flushed to the screen.
class FirstPaintProbe : public QObject {
public:
    FirstPaintProbe(QWidget* window, long long startNs) : window_(window), startNs_(startNs) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && event->type() == QEvent::Paint && !reported_) {
            reported_ = true;
            QTimer::singleShot(0, window_, [this] {
                const double ms = (monotonicNanoseconds() - startNs_) / 1e6;
                std::printf("%.2f %ld\n", ms, residentKilobytes());
                std::fflush(stdout);
                QApplication::quit();
            });
        }
        return false;
    }

private:
    QWidget* window_;
    long long startNs_;
    bool reported_ = false;
};

#ifdef VELMORO_PROBE_MINIMAL
/// Seventeen plain controls where Velmoro has its own: two frames, four labels, eight line edits
/// (four hidden) and three buttons (one hidden).
class MinimalWindow : public QWidget {
public:
    MinimalWindow() {
        setWindowTitle(QStringLiteral("Minimal window"));
        (new QFrame(this))->setGeometry(0, 0, 185, 427);
        (new QFrame(this))->setGeometry(264, 208, 169, 169);
        for (int i = 0; i < 4; ++i) {
            (new QLabel(QStringLiteral("Label %1").arg(i), this))
                ->setGeometry(240, 32 + 32 * i, 89, 17);
        }
        for (int i = 0; i < 8; ++i) {
            auto* edit = new QLineEdit(QStringLiteral("..."), this);
            edit->setGeometry(336, 24 + 32 * i, 81, 25);
            edit->setVisible(i < 4);
        }
        for (int i = 0; i < 3; ++i) {
            auto* button = new QPushButton(QStringLiteral("Button %1").arg(i), this);
            button->setGeometry(232 + 112 * i, 168, 105, 25);
            button->setVisible(i < 2);
        }
        resize(492, 417);
    }
};
#endif

}  // namespace

int main(int argc, char** argv) {
    const char* start = std::getenv("VELMORO_PROBE_START_NS");
    const long long startNs = start ? std::atoll(start) : monotonicNanoseconds();
    QApplication app(argc, argv);
#ifdef VELMORO_PROBE_MINIMAL
    MinimalWindow window;
#else
    velmoro::MainWindow window;
#endif
    FirstPaintProbe probe(&window, startNs);
    window.show();
    return QApplication::exec();
}
