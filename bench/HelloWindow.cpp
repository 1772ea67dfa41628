#include <QApplication>
#include <QLabel>

// The yardstick for start-up time: the smallest Qt window there is.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel hello(QStringLiteral("Hello"));
    hello.resize(400, 300);
    hello.show();
    return app.exec();
}
