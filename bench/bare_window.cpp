// orvane-bare-window: the least a Qt Widgets program does to put a painted window on screen. It
// shows one 240 by 320 window, paints it once (a fill and a line of text, as the summary panel
// does) and quits as soon as that paint is done. bench/startup.sh measures the program's start-up
// time and peak memory against it.
#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <QWidget>

namespace {

class BareWindow : public QWidget {
  public:
    BareWindow() {
        setWindowTitle(QStringLiteral("Bare window"));
        resize(240, 320);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("Painted"));
        if (!painted_) {
            painted_ = true;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
    }

  private:
    bool painted_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    BareWindow window;
    window.show();
    return app.exec();
}
