#pragma once

#include <QColor>
#include <QPixmap>
#include <QWidget>

class QLabel;
class QTimer;

namespace qnr {

// The caption strip along the top of a working window: its title with a one-pixel
// shadow inside a border, and a close box that closes the window holding it.
class VEXTitleBar : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(Qt::Alignment Alignment READ Alignment WRITE setAlignment)
    Q_PROPERTY(QColor ForeColor READ ForeColor WRITE setForeColor)
    Q_PROPERTY(QColor ShadowColor READ ShadowColor WRITE setShadowColor)
    Q_PROPERTY(QColor BorderColor READ BorderColor WRITE setBorderColor)
    Q_PROPERTY(QColor BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(QPixmap Image READ Image WRITE setImage)
public:
    static constexpr int kHeightTwips = 375;
    static constexpr int kMinimumWidth = 100;
    static constexpr int kPollMilliseconds = 50;

    explicit VEXTitleBar(QWidget* parent = nullptr);

    QString Caption() const;
    void setCaption(const QString& caption);
    Qt::Alignment Alignment() const { return m_alignment; }
    void setAlignment(Qt::Alignment alignment);
    QColor ForeColor() const { return m_foreColor; }
    void setForeColor(const QColor& c);
    QColor ShadowColor() const { return m_shadowColor; }
    void setShadowColor(const QColor& c);
    QColor BorderColor() const { return m_borderColor; }
    void setBorderColor(const QColor& c);
    QColor BackColor() const { return m_backColor; }
    void setBackColor(const QColor& c);
    QPixmap Image() const { return m_image; }
    void setImage(const QPixmap& image) { m_image = image; }

    QLabel* captionLabel() const { return m_caption; }
    QLabel* shadowLabel() const { return m_shadow; }
    QRect closeBoxRect() const;
    bool closeHoverShown() const { return m_hoverShown; }
    bool closePressed() const { return m_closePressed; }
    // The window the bar closes: its MDI child frame, or its top-level window.
    QWidget* hostWindow() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    void Click();
    void DblClick();
    void KeyDown(int key, Qt::KeyboardModifiers shift);
    void KeyPress(const QString& text);
    void KeyUp(int key, Qt::KeyboardModifiers shift);
    void MouseDown(Qt::MouseButtons button, Qt::KeyboardModifiers shift, int x, int y);
    void MouseMove(Qt::MouseButtons button, Qt::KeyboardModifiers shift, int x, int y);
    void MouseUp(Qt::MouseButtons button, Qt::KeyboardModifiers shift, int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void layoutParts();
    void pollHover();
    void showHover(bool shown);
    QPixmap closePicture(bool hover) const;

    QLabel* m_shadow;
    QLabel* m_caption;
    QTimer* m_timer;
    Qt::Alignment m_alignment = Qt::AlignLeft;
    QColor m_foreColor{128, 128, 128};
    QColor m_shadowColor{255, 255, 255};
    QColor m_borderColor{192, 192, 192};
    QColor m_backColor{255, 255, 255};
    QPixmap m_image;
    bool m_hoverShown = false;
    bool m_closePressed = false;
};

} // namespace qnr
