#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow w;
  w.setWindowTitle(" ZynED 1.1");
  w.resize(810, 580);
  w.show();
  return app.exec();
}
