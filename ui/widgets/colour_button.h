#pragma once

#include <QAbstractButton>
#include <QColor>

// A push button whose face is filled with its own colour, whatever the widget style would paint,
// with its caption centred in the ordinary button text colour. It is never the window's default
// button; a mouse click clicks it, and so do Space, Enter and the keypad's Enter while it has
// the focus, as buttons do on Windows and on GNOME.
class ColourButton final : public QAbstractButton {
    Q_OBJECT

  public:
    ColourButton(const QString& caption, const QColor& face, QWidget* parent);

    const QColor& face() const { return face_; }

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor face_;
};
