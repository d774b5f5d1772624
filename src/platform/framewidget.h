// A frame of the model: an etched rectangle whose top edge runs through the middle of its
// caption, as the layout's places assume. The desktop style's group box puts its caption above
// the frame and starts the frame a caption's height lower, where the controls placed 12 to 15
// pixels from the top would cross its edge.
#pragma once

#include <QGroupBox>

namespace platform {

class FrameWidget : public QGroupBox {
  public:
    explicit FrameWidget(QWidget* parent) : QGroupBox(parent) {}

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace platform
