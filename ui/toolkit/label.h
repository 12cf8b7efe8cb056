#pragma once

#include <QString>

#include "ui/toolkit/control.h"

namespace toolkit {

// A caption centred in its rectangle. An ampersand marks the access key, which moves the focus
// to the buddy: the next control after the label in the tab order that can take the focus.
class Label : public Control {
  public:
    explicit Label(QWidget* parent);

    QString caption() const { return caption_; }
    void setCaption(const QString& caption);
    void setBuddy(Control* buddy);
    Control* buddy() const { return buddy_; }

    // A label that shows names its buddy for screen readers.
    void setVisible(bool visible) override;
    QSize contentSize() const override { return contentSizeFor(caption_); }
    // The room the caption would need, for captions the label will show later.
    QSize contentSizeFor(const QString& caption) const;

  private:
    void nameBuddy() const;

    QString caption_;
    Control* buddy_ = nullptr;
};

// A caption without its access-key ampersands, as it reads on the screen.
QString plainText(const QString& caption);

}  // namespace toolkit
