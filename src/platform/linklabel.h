// An address label that a person reaches with the Tab key: it shows the desktop's focus mark
// around its text while it has the focus.
#pragma once

#include <QLabel>

namespace platform {

class LinkLabel : public QLabel {
  public:
    explicit LinkLabel(QWidget* parent) : QLabel(parent) {}

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace platform
