#pragma once
#include <QLabel>

// A label that acts as a link: a click, or Enter or Space while it has the
// focus, emits clicked. It takes the keyboard focus so that users without a
// mouse reach it too.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    bool pressed_ = false;
};
