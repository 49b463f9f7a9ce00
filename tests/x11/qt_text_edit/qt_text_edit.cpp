// A Qt 6 text edit that says where it draws its caret, for the caret watcher's tests: as
// tests/x11/atspi_text_view.py, "ready" once it has the focus, then "caret X Y HEIGHT 0" on the
// root whenever the caret moves. Qt shows its accessible tree only when started with
// QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 (or with a screen reader running).
#include <QApplication>
#include <QTextEdit>
#include <QTimer>
#include <cstdio>

int main(int argc, char** argv) {
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");  // device pixels, as the caret watcher gives
    QApplication application(argc, argv);
    QTextEdit edit;
    edit.resize(400, 300);
    edit.show();
    bool ready = false;
    QRect said;
    const auto report = [&] {
        if (!edit.isActiveWindow()) {
            return;
        }
        if (!ready) {
            ready = true;
            std::puts("ready");
        }
        const QRect caret = edit.cursorRect();
        const QRect onRoot(edit.viewport()->mapToGlobal(caret.topLeft()), caret.size());
        if (onRoot != said) {
            said = onRoot;
            std::printf("caret %d %d %d 0\n", onRoot.x(), onRoot.y(), onRoot.height());
        }
        std::fflush(stdout);
    };
    QObject::connect(&edit, &QTextEdit::cursorPositionChanged,
                     [&] { QTimer::singleShot(0, report); });
    QTimer poll;  // the focus comes without a signal of the text edit's own
    QObject::connect(&poll, &QTimer::timeout, report);
    poll.start(50);
    return application.exec();
}
