#include "ui/toolkit/form.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QEvent>
#include <QIcon>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdlib>

#include "ui/toolkit/focus_guard.h"
#include "ui/toolkit/native_size.h"
#include "ui/toolkit/text_box.h"

namespace toolkit {

namespace {
constexpr const char* kFormWindow = "toolkit.formWindow";
}

class Form::Window : public QWidget {
  public:
    explicit Window(Form& form) : QWidget(nullptr), form_(form) {
        settle_.setSingleShot(true);
        settle_.setInterval(kSettleMs);
        QObject::connect(&settle_, &QTimer::timeout, this, [this] { matchTheWindowSystem(); });
    }

  protected:
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
                if (frameGeometry().size() != lastOuter_) form_.raiseResize();
                break;
            default:
                break;
        }
        return handled;
    }

  private:
    friend class Form;

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

    Form& form_;
    QSize lastOuter_;
    QTimer settle_;
    int retries_ = 0;
};

namespace {

// A screen reader announces the form as a window, not as a filler inside one.
QAccessibleInterface* accessibleForm(const QString& key, QObject* object) {
    if (key != QLatin1String("QWidget") || !object->property(kFormWindow).toBool()) return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
}

}  // namespace

Form::Form() : window_(new Window(*this)), guard_(std::make_unique<FocusGuard>(*this)) {
    window_->setAttribute(Qt::WA_DeleteOnClose, false);
    window_->setProperty(kFormWindow, true);
    QAccessible::installFactory(accessibleForm);
    qApp->installEventFilter(guard_.get());
}

Form::~Form() {
    // The derived form, whose handlers the controls call, is gone already: no event the
    // teardown raises may reach them.
    for (const auto& control : controls_) control->detachHandlers();
    unload();
}

void Form::unload() {
    if (window_ == nullptr) return;
    qApp->removeEventFilter(guard_.get());
    // Widgets first: tearing them down may still raise events, which need the controls.
    delete window_;
    window_ = nullptr;
    controls_.clear();
    byWidget_.clear();
}

void Form::load() {
    if (loaded_) return;
    loaded_ = true;
    Form_Create();
    Form_Load();
}

void Form::Show() {
    load();
    window_->show();
}

void Form::setCaption(const QString& caption) {
    window_->setWindowTitle(caption);
}
void Form::setIcon(const QIcon& icon) {
    window_->setWindowIcon(icon);
}

void Form::setBackColor(SystemColour colour) {
    window_->setBackgroundRole(paletteRole(colour));
    window_->setAutoFillBackground(true);
}

int Form::windowState() const {
    const Qt::WindowStates state = window_->windowState();
    if (state & Qt::WindowMinimized) return kMinimized;
    if (state & (Qt::WindowMaximized | Qt::WindowFullScreen)) return kMaximized;
    return kNormal;
}

void Form::setWidth(int twips) {
    if (windowState() != kNormal) throw RefusedChange("the window's state fixes its size");
    setWidth_ = twips;
    const int frame = window_->frameGeometry().width() - window_->width();
    const int client = scale_.px(twips) - frame;
    if (client != window_->width()) window_->resize(client, window_->height());
}

void Form::setHeight(int twips) {
    if (windowState() != kNormal) throw RefusedChange("the window's state fixes its size");
    setHeight_ = twips;
    const int frame = window_->frameGeometry().height() - window_->height();
    const int client = scale_.px(twips) - frame;
    if (client != window_->height()) window_->resize(window_->width(), client);
}

void Form::setTabOrder(const std::vector<const Control*>& order) {
    for (std::size_t i = 0; i + 1 < order.size(); ++i)
        QWidget::setTabOrder(order[i]->focusWidget(), order[i + 1]->focusWidget());
}

void Form::setClientSize(int twipsWidth, int twipsHeight) {
    window_->resize(scale_.px(twipsWidth), scale_.px(twipsHeight));
}

void Form::setScale(const TwipScale& scale) {
    scale_ = scale;
    for (const auto& control : controls_) control->applyScale(scale_);
}

Control* Form::controlOf(const QWidget* widget) const {
    for (; widget != nullptr; widget = widget->parentWidget()) {
        if (Control* control = byWidget_.value(widget)) return control;
    }
    return nullptr;
}

TextBox* Form::activeTextBox() const {
    return dynamic_cast<TextBox*>(byWidget_.value(QApplication::focusWidget()));
}

void Form::registerControl(std::unique_ptr<Control> control) {
    byWidget_.insert(control->widget(), control.get());
    controls_.push_back(std::move(control));
}

void Form::raiseResize() {
    static_cast<Window*>(window_)->lastOuter_ = window_->frameGeometry().size();
    if (loaded_) Form_Resize();
}

}  // namespace toolkit
