// The toolkit's floor: the least a Qt Widgets program of the game's kind
// costs. A main window with a menu bar and one painted widget the size of the
// default well, repainted every --repaint-ms milliseconds when given (as the
// game repaints its well at each tick). With BRIMAL_STARTUP_PROBE set, its
// first paint writes the wall clock in microseconds to stderr, as the game's
// well does.
//
// Usage: qt_floor [--repaint-ms N]

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QTimer>
#include <chrono>
#include <cstdio>

namespace {

class PaintedBox : public QWidget {
public:
    PaintedBox() {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFixedSize(128, 400);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter(this).fillRect(rect(), Qt::black);
        if (probed_ || !qEnvironmentVariableIsSet("BRIMAL_STARTUP_PROBE")) return;
        probed_ = true;
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        std::fprintf(stderr, "first-paint-us %lld\n",
                     static_cast<long long>(
                         std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
        std::fflush(stderr);
    }

private:
    bool probed_ = false;
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle("Qt floor");
    window.menuBar()->addMenu("Game")->addAction("Start");
    auto* box = new PaintedBox;
    window.setCentralWidget(box);

    QTimer repaint;
    repaint.setTimerType(Qt::PreciseTimer);
    const QStringList arguments = QCoreApplication::arguments();
    const qsizetype option = arguments.indexOf("--repaint-ms");
    if (option > 0 && option + 1 < arguments.size()) {
        QObject::connect(&repaint, &QTimer::timeout, box, [box] { box->repaint(); });
        repaint.start(arguments[option + 1].toInt());
    }
    window.show();
    return app.exec();
}
