#include "common/ErrorBox.h"

#include <QApplication>
#include <QMessageBox>

namespace {
ErrorBox::Sink& sink() {
    static ErrorBox::Sink current;
    return current;
}
} // namespace

void ErrorBox::setSink(Sink s) {
    sink() = std::move(s);
}

void showError(const QString& text, const QString& title) {
    if (sink()) {
        sink()(text, title);
        return;
    }
    QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

void showError(const Message& message) {
    showError(message.text, message.title);
}
