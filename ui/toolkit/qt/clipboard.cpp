#include "ui/toolkit/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

#include "ui/toolkit/qt/native.h"

namespace toolkit {

std::string clipboardText() {
    return utf8(QGuiApplication::clipboard()->text());
}

void setClipboardText(const std::string& text) {
    QGuiApplication::clipboard()->setText(qt(text));
}

}  // namespace toolkit
