#pragma once

#include <QColor>
#include <QIcon>
#include <QWidget>

namespace qnr {

// A push button drawn by the program: a shaped, gradient face in one of eight
// styles, an optional icon, hover and pressed looks, an optional latched state,
// and six ready-made colour schemes.
class CandyButton : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(bool CaptionHighLite READ CaptionHighLite WRITE setCaptionHighLite)
    Q_PROPERTY(QColor CaptionHighLiteColor READ CaptionHighLiteColor WRITE setCaptionHighLiteColor)
    Q_PROPERTY(bool IconHighLite READ IconHighLite WRITE setIconHighLite)
    Q_PROPERTY(QColor IconHighLiteColor READ IconHighLiteColor WRITE setIconHighLiteColor)
    Q_PROPERTY(QColor ForeColor READ ForeColor WRITE setForeColor)
    Q_PROPERTY(QIcon Picture READ Picture WRITE setPicture)
    Q_PROPERTY(int PictureAlignment READ PictureAlignment WRITE setPictureAlignment)
    Q_PROPERTY(int Style READ Style WRITE setStyle)
    Q_PROPERTY(bool Checked READ Checked WRITE setChecked)
    Q_PROPERTY(QColor ColorButtonUp READ ColorButtonUp WRITE setColorButtonUp)
    Q_PROPERTY(QColor ColorButtonDown READ ColorButtonDown WRITE setColorButtonDown)
    Q_PROPERTY(QColor ColorButtonHover READ ColorButtonHover WRITE setColorButtonHover)
    Q_PROPERTY(QColor ColorBright READ ColorBright WRITE setColorBright)
    Q_PROPERTY(int BorderBrightness READ BorderBrightness WRITE setBorderBrightness)
    Q_PROPERTY(bool DisplayHand READ DisplayHand WRITE setDisplayHand)
    Q_PROPERTY(int ColorScheme READ ColorScheme WRITE setColorScheme)
public:
    enum class VisualState { Normal, Pressed, Focused, Hover, Checked };
    enum Alignment { IconLeft = 0, IconRight = 1, IconAbove = 2, IconBelow = 3 };

    explicit CandyButton(QWidget* parent = nullptr);

    QString Caption() const { return m_caption.isNull() ? objectName() : m_caption; }
    void setCaption(const QString& caption);
    bool CaptionHighLite() const { return m_captionHighLite; }
    void setCaptionHighLite(bool on) { m_captionHighLite = on; }
    QColor CaptionHighLiteColor() const { return m_captionHighLiteColor; }
    void setCaptionHighLiteColor(const QColor& c) { m_captionHighLiteColor = c; }
    bool IconHighLite() const { return m_iconHighLite; }
    void setIconHighLite(bool on) { m_iconHighLite = on; }
    QColor IconHighLiteColor() const { return m_iconHighLiteColor; }
    void setIconHighLiteColor(const QColor& c) { m_iconHighLiteColor = c; }
    QColor ForeColor() const { return m_foreColor; }
    void setForeColor(const QColor& c);
    QIcon Picture() const { return m_picture; }
    void setPicture(const QIcon& icon);
    int PictureAlignment() const { return m_pictureAlignment; }
    void setPictureAlignment(int alignment);
    int Style() const { return m_style; }
    void setStyle(int style);
    bool Checked() const { return m_checked; }
    void setChecked(bool checked);
    QColor ColorButtonUp() const { return m_up; }
    void setColorButtonUp(const QColor& c);
    QColor ColorButtonDown() const { return m_down; }
    void setColorButtonDown(const QColor& c);
    QColor ColorButtonHover() const { return m_hoverColor; }
    void setColorButtonHover(const QColor& c);
    QColor ColorBright() const { return m_bright; }
    void setColorBright(const QColor& c);
    int BorderBrightness() const { return m_borderBrightness; }
    void setBorderBrightness(int value);
    bool DisplayHand() const { return m_displayHand; }
    void setDisplayHand(bool on);
    int ColorScheme() const { return m_colorScheme; }
    void setColorScheme(int scheme);

    // The corner radius of the face's rounded rectangle for a style and size in
    // pixels; 0 for the plain rectangle of styles 0 and 1.
    static int cornerSize(int style, int width, int height);
    VisualState visualState() const;

    QSize sizeHint() const override;

Q_SIGNALS:
    void Click();
    void DblClick();
    void MouseEnter();
    void MouseLeave();
    void MouseMove(Qt::MouseButtons button, Qt::KeyboardModifiers shift, int x, int y);
    void MouseUp(Qt::MouseButtons button, Qt::KeyboardModifiers shift, int x, int y);
    void MouseDown(Qt::MouseButtons button, Qt::KeyboardModifiers shift, int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void updateShape();
    void handCursor();

    QString m_caption;
    bool m_captionHighLite = false;
    QColor m_captionHighLiteColor{0, 255, 0};
    bool m_iconHighLite = false;
    QColor m_iconHighLiteColor{0, 255, 0};
    QColor m_foreColor{0, 0, 0};
    QIcon m_picture;
    int m_pictureAlignment = 0;
    int m_style = 0;
    bool m_checked = false;
    QColor m_up{80, 153, 233};
    QColor m_down{80, 153, 233};
    QColor m_hoverColor{144, 192, 255};
    QColor m_bright{176, 237, 255};
    int m_borderBrightness = 0;
    bool m_displayHand = false;
    int m_colorScheme = 0;

    bool m_hover = false;
    bool m_pressed = false;
    bool m_keyPressed = false;
};

} // namespace qnr
