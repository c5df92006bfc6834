// A plain Qt text editor for the end-to-end tests: the kind of application that sets PRIMARY when
// the user drags over its text. Its text and its place come from the command line:
//   plv_text_editor TEXT X Y
#include <QtWidgets/QApplication>
#include <QtWidgets/QPlainTextEdit>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 4) {
        return 2;
    }
    QPlainTextEdit edit;
    edit.setWindowTitle("Text editor");
    edit.setPlainText(QString::fromUtf8(argv[1]));
    QFont font("Liberation Sans");
    font.setPixelSize(16);
    edit.setFont(font);
    edit.setGeometry(std::atoi(argv[2]), std::atoi(argv[3]), 480, 120);
    edit.show();
    return app.exec();
}
