#include "ui/toolkit/form.h"

#include <algorithm>

#include <QAccessibleWidget>
#include <QApplication>
#include <QCloseEvent>
#include <QEvent>
#include <QIcon>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdlib>

#include "ui/toolkit/qt/focus_guard.h"
#include "ui/toolkit/qt/native.h"
#include "ui/toolkit/qt/native_size.h"
#include "ui/toolkit/qt/qt_access.h"
#include "ui/toolkit/text_box.h"

namespace toolkit {

namespace {
constexpr const char* kFormWindow = "toolkit.formWindow";
}

namespace {

class Window : public QWidget {
  public:
    QSize lastOuter;  // the outer size at the last resize the form heard of

    Form& form() const { return form_.form; }

    explicit Window(NativeForm& form) : QWidget(nullptr), form_(form) {
        settle_.setSingleShot(true);
        settle_.setInterval(kSettleMs);
        QObject::connect(&settle_, &QTimer::timeout, this, [this] { matchTheWindowSystem(); });
    }

  protected:
    void closeEvent(QCloseEvent* event) override {
        bool cancel = false;
        form_.form.raiseQueryUnload(cancel);
        if (cancel) event->ignore();
    }
    bool event(QEvent* event) override {
        const bool handled = QWidget::event(event);
        switch (event->type()) {
            case QEvent::Resize:
            case QEvent::WindowStateChange:
                form_.raiseResize();
                watchTheSize();
                break;
            case QEvent::Move:
                watchTheSize();
                [[fallthrough]];
            case QEvent::Paint:
                // A window manager may add its frame after the window is shown, and on Wayland
                // the toolkit draws its own frame once the window is first painted: the outer
                // size changes without a resize of the client area.
                if (frameGeometry().size() != lastOuter) form_.raiseResize();
                break;
            default:
                break;
        }
        return handled;
    }

  private:
    static constexpr int kSettleMs = 250;
    static constexpr int kMaxRetries = 40;

    // A window manager busy with a border drag, with the server grabbed, may drop the size the
    // window asks for, and then tell nothing more when the drag ends: Qt believes the size it
    // asked for while the window stays at the dragged one. So once the configure events have
    // settled, the window system is asked for the real size, and the size Qt believes in is
    // asked for again until the two agree.
    void watchTheSize() {
        retries_ = 0;
        settle_.start();
    }
    void matchTheWindowSystem() {
        if (isMinimized() || isMaximized() || isFullScreen()) return;
        const QSize real = nativeWindowSize(this);
        const QSize believed = size() * devicePixelRatio();
        if (real.isEmpty() || (std::abs(real.width() - believed.width()) <= 1 &&
                               std::abs(real.height() - believed.height()) <= 1))
            return;
        windowHandle()->resize(size());
        if (++retries_ < kMaxRetries) settle_.start();
    }

    NativeForm& form_;
    QTimer settle_;
    int retries_ = 0;
};

// A screen reader announces the form as a window, not as a filler inside one.
QAccessibleInterface* accessibleForm(const QString& key, QObject* object) {
    if (key != QLatin1String("QWidget") || !object->property(kFormWindow).toBool()) return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
}

}  // namespace

NativeForm::NativeForm(Form& f)
    : form(f), window(new Window(*this)), guard(std::make_unique<FocusGuard>(f)) {
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->setProperty(kFormWindow, true);
    QAccessible::installFactory(accessibleForm);
    qApp->installEventFilter(guard.get());
}

NativeForm::~NativeForm() = default;

Control* NativeForm::controlOf(const QWidget* widget) const {
    for (; widget != nullptr; widget = widget->parentWidget()) {
        if (Control* control = byWidget.value(widget)) return control;
    }
    return nullptr;
}

void NativeForm::registerControl(Control& control) {
    byWidget.insert(control.native().widget, &control);
}

void NativeFormDeleter::operator()(NativeForm* native) const noexcept {
    delete native;
}

namespace backend {

NativeForm* newForm(Form& form) {
    return new NativeForm(form);
}

void destroyWindow(NativeForm& native) {
    qApp->removeEventFilter(native.guard.get());
    delete native.window;
    native.window = nullptr;
    native.byWidget.clear();
}

void registerControl(NativeForm& native, Control& control) {
    native.registerControl(control);
}

Form* activeForm() {
    const QWidget* focus = QApplication::focusWidget();
    const QWidget* window = focus != nullptr ? focus->window() : QApplication::activeWindow();
    const auto* form = dynamic_cast<const Window*>(window);
    return form != nullptr ? &form->form() : nullptr;
}

void showFailure(const std::string& text) {
    QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationName(), qt(text));
}

}  // namespace backend

void Form::Show() {
    load();
    native_->window->show();
}

void Form::setTimer(int milliseconds) {
    if (native_->timer == nullptr) {
        native_->timer = new QTimer(native_->window);
        QObject::connect(native_->timer, &QTimer::timeout, native_->window,
                         [this] { raiseTimer(); });
    }
    if (milliseconds > 0)
        native_->timer->start(milliseconds);
    else
        native_->timer->stop();
}

void Form::setCaption(const std::string& caption) {
    native_->window->setWindowTitle(qt(caption));
}

void Form::setIcon(std::string_view name, std::initializer_list<int> sizes) {
    QIcon icon;
    // Each size is decoded here, so only the few a title bar or task list draws.
    for (int size : sizes)
        icon.addFile(QString(":/%1/icon-%2.png").arg(qt(std::string(name))).arg(size),
                     QSize(size, size));
    native_->window->setWindowIcon(icon);
}

void Form::setBackColor(SystemColour colour) {
    native_->window->setBackgroundRole(paletteRole(colour));
    native_->window->setAutoFillBackground(true);
}

int Form::width() const {
    return toTwips(native_->window->frameGeometry().width(), setWidth_);
}
int Form::height() const {
    return toTwips(native_->window->frameGeometry().height(), setHeight_);
}

int Form::windowState() const {
    const Qt::WindowStates state = native_->window->windowState();
    if (state & Qt::WindowMinimized) return kMinimized;
    if (state & (Qt::WindowMaximized | Qt::WindowFullScreen)) return kMaximized;
    return kNormal;
}

void Form::setWidth(int twips) {
    if (windowState() != kNormal) throw RefusedChange("the window's state fixes its size");
    setWidth_ = twips;
    const int frame = native_->window->frameGeometry().width() - native_->window->width();
    const int client = scale_.px(twips) - frame;
    if (client != native_->window->width())
        native_->window->resize(client, native_->window->height());
}

void Form::setHeight(int twips) {
    if (windowState() != kNormal) throw RefusedChange("the window's state fixes its size");
    setHeight_ = twips;
    const int frame = native_->window->frameGeometry().height() - native_->window->height();
    const int client = scale_.px(twips) - frame;
    if (client != native_->window->height())
        native_->window->resize(native_->window->width(), client);
}

void Form::setClientSize(int twipsWidth, int twipsHeight) {
    native_->window->resize(scale_.px(twipsWidth), scale_.px(twipsHeight));
}

void Form::setMinimumClientSize(int twipsWidth, int twipsHeight) {
    native_->window->setMinimumSize(scale_.px(twipsWidth), scale_.px(twipsHeight));
}

bool Form::ask(const std::string& question, const std::string& first, const std::string& second) {
    QMessageBox box(QMessageBox::Warning, native_->window->windowTitle(), qt(question),
                    QMessageBox::NoButton, native_->window);
    QPushButton* safe = box.addButton(qt(first), QMessageBox::AcceptRole);
    box.addButton(qt(second), QMessageBox::DestructiveRole);
    box.setDefaultButton(safe);
    box.setEscapeButton(safe);
    box.exec();
    return box.clickedButton() == safe;
}

void Form::activate() {
    load();
    native_->window->show();
    native_->window->raise();
    native_->window->activateWindow();
}

void Form::placeBeside(const Form& other) {
    load();
    QWidget* mine = native_->window;
    const QRect theirs = other.native_->window->frameGeometry();
    const QRect screen = other.native_->window->screen()->availableGeometry();
    const QSize size = mine->frameGeometry().size();
    int left = theirs.right() + 1;
    if (left + size.width() > screen.right() + 1) left = theirs.left() - size.width();
    if (left < screen.left())
        left = theirs.center().x() < screen.center().x() ? screen.right() + 1 - size.width()
                                                         : screen.left();
    const int top = std::clamp(theirs.top(), screen.top(),
                               std::max(screen.top(), screen.bottom() + 1 - size.height()));
    mine->move(left, top);
}

bool Form::isOpen() const {
    return native_->window != nullptr && native_->window->isVisible();
}

Control* Form::focusedControl() const {
    return native_->controlOf(QApplication::focusWidget());
}

void Form::raiseResize() {
    static_cast<Window*>(native_->window)->lastOuter = native_->window->frameGeometry().size();
    if (loaded_) Form_Resize();
}

QWidget* windowOf(const Form& form) {
    return form.native().window;
}

Control* controlOf(const Form& form, const QWidget* widget) {
    return form.native().controlOf(widget);
}

}  // namespace toolkit
