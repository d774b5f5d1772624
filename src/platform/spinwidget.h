// A spin button: an up arrow above a down arrow, repeating while held, never taking the focus.
#pragma once

#include <QToolButton>
#include <QWidget>

namespace platform {

class SpinWidget : public QWidget {
  public:
    explicit SpinWidget(QWidget* parent);

    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    QToolButton* up_;
    QToolButton* down_;
};

}  // namespace platform
