#pragma once
// A push button that is all picture, as the throw button is: pressed, the picture moves
// one pixel down and to the right; with the keyboard focus, a dotted frame lies inside it.
#include <QPushButton>

namespace quoxa {

class PictureButton : public QPushButton {
    Q_OBJECT

public:
    explicit PictureButton(QWidget *parent) : QPushButton(parent) {}

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace quoxa
