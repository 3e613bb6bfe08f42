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

std::unique_ptr<QMessageBox> ErrorBox::build(const QString& text, const QString& title,
                                             QWidget* parent) {
    auto box =
        std::make_unique<QMessageBox>(QMessageBox::Critical, title, text, QMessageBox::Ok, parent);
    box->setTextFormat(Qt::PlainText);
    return box;
}

void showError(const QString& text, const QString& title) {
    if (sink()) {
        sink()(text, title);
        return;
    }
    ErrorBox::build(text, title, QApplication::activeWindow())->exec();
}

void showError(const Message& message) {
    showError(message.text, message.title);
}
