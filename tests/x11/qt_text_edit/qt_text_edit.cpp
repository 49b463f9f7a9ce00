// A Qt 6 text edit for the caret watcher's tests, saying what atspi_text_view.py says: "ready PID",
// then "caret X Y HEIGHT". Its accessible tree shows only with QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1.
#include <QApplication>
#include <QTextEdit>
#include <QTimer>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QTextEdit edit;
    edit.resize(400, 300);
    edit.show();
    bool ready = false;
    QRect said;
    QTimer poll;  // the focus comes with no signal of the text edit's own
    QObject::connect(&poll, &QTimer::timeout, [&] {
        const QRect caret = edit.cursorRect();
        const QRect onRoot(edit.viewport()->mapToGlobal(caret.topLeft()), caret.size());
        if (!ready && edit.isActiveWindow()) {
            ready = std::printf("ready %lld\n", QCoreApplication::applicationPid()) > 0;
        } else if (ready && onRoot != said) {
            said = onRoot;
            std::printf("caret %d %d %d\n", onRoot.x(), onRoot.y(), onRoot.height());
        }
        std::fflush(stdout);
    });
    poll.start(20);
    return application.exec();
}
