// A Wayland text window for the end-to-end checks: prints its whole text on a
// line of its own each time it changes, so a script sees what was pasted.
#include <QApplication>
#include <QPlainTextEdit>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QPlainTextEdit edit;
    edit.setWindowTitle(QStringLiteral("Paste target"));
    QObject::connect(&edit, &QPlainTextEdit::textChanged, [&edit] {
        std::printf("text: %s\n", edit.toPlainText().toUtf8().constData());
        std::fflush(stdout);
    });
    edit.show();
    return app.exec();
}
