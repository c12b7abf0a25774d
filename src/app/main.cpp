#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral(" Tarvo UV DualBand  Series Program Software."));
    window.show();
    return app.exec();
}
