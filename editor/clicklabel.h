#pragma once

#include <QLabel>

class QMouseEvent;

namespace quill {

// A label that reports a left click, as the grid cells and swatches need.
class ClickLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

}  // namespace quill
