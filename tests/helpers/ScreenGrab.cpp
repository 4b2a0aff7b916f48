// Saves a picture of an X window (by id, decimal or 0x hex) or of the whole screen as PNG:
//   qel_screen_grab <out.png> [window]
// The desktop run test uses it to keep a screenshot of the real program under Xvfb.
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

#include <cstdio>

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "xcb");
  QGuiApplication app(argc, argv);
  if (argc < 2) {
    std::fputs("usage: qel_screen_grab <out.png> [window]\n", stderr);
    return 2;
  }
  bool ok = true;
  const WId window = argc > 2 ? WId(QByteArray(argv[2]).toULongLong(&ok, 0)) : 0;
  QScreen* screen = QGuiApplication::primaryScreen();
  if (!ok || !screen) return 1;
  const QPixmap picture = screen->grabWindow(window);
  return !picture.isNull() && picture.save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 1;
}
