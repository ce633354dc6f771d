#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRectF>
#include <QWidget>

namespace weftara::platform {

// A picture surface: a widget that shows its persistent image, in pixels.
//
// Three layers make it up:
//  - the picture (may be null): what was loaded or fixed into the surface;
//  - the persistent image: the back colour with the picture at (0, 0) and,
//    on top, whatever was drawn since (text, stretched copies, pixel
//    operations). It is always Format_RGB32 and exactly the surface's size;
//    it is what is shown and what pixel operations read and write;
//  - the screen, painted from the persistent image only.
// cls() throws the drawing away (image := back colour + picture);
// fixDrawing() keeps it (picture := image).
class Surface : public QWidget
{
    Q_OBJECT

public:
    // How stretchDraw scales: nearest pixel (a plain copy) or filtered.
    enum class Stretch { Plain, Smooth };

    // The back colour of a new surface.
    static constexpr QRgb DefaultBackColor = 0xFFF0F0F0; // RGB 240, 240, 240

    explicit Surface(QWidget *parent = nullptr);

    // The persistent image; writable. Keep its size and format: resize the
    // surface instead. Null only for a 0-pixel surface or when memory ran out.
    QImage &image();
    const QImage &image() const;

    // The picture beneath the drawing; null when there is none.
    const QImage &picture() const { return m_picture; }
    bool hasPicture() const { return !m_picture.isNull(); }
    // Takes `picture` (as RGB32); with auto size on, the surface first takes
    // its size; then image := back colour + picture at (0, 0), clipped or
    // padded. A null image is the same as clearPicture().
    void setPicture(const QImage &picture);
    // Drops the picture; the image becomes the plain back colour.
    void clearPicture();

    // Erases the drawing: image := back colour + picture.
    void cls();
    // Keeps the drawing: picture := the current image.
    void fixDrawing();

    // With auto size on, the surface takes the size of every picture it gets.
    bool autoSize() const { return m_autoSize; }
    // Switching it on resizes the surface to the current picture, if any.
    void setAutoSize(bool on);

    // Size in pixels; resizing keeps the image's content at the top left and
    // fills new area with the back colour.
    int pixelWidth() const { return width(); }
    int pixelHeight() const { return height(); }
    void setPixelSize(int width, int height);

    // The back colour under the picture.
    QColor backColor() const { return m_backColor; }

    // Draws the whole of `source` scaled onto `target` (pixels) of the image.
    void stretchDraw(const QImage &source, const QRectF &target, Stretch mode = Stretch::Plain);

    // Font and colour of printed text.
    QFont textFont() const { return m_textFont; }
    void setTextFont(const QFont &font) { m_textFont = font; }
    void setForeColor(const QColor &color) { m_foreColor = color; }

    // Where the next printed line goes (its top left corner), in pixels.
    double currentX() const { return m_currentX; }
    double currentY() const { return m_currentY; }
    void setCurrentX(double x) { m_currentX = x; }
    void setCurrentY(double y) { m_currentY = y; }

    // Draws `text` with its top left at (currentX, currentY) in the fore
    // colour, the background left as it is; then moves down one line height
    // (the text font's line spacing) and back to x = 0.
    void printLine(const QString &text);

    // Repaints the surface from the image now (after direct pixel writes).
    void refresh();

    // What the surface holds, for restore() to put back when an operation
    // cannot finish because memory ran out making its new picture.
    struct Contents
    {
        QImage picture;
        QImage image;
        QSize size;
        bool autoSize = false;
    };
    Contents contents() const;
    void restore(const Contents &contents);
    // False when the surface has a size but no image: memory ran out.
    bool holdsImage() const;

signals:
    // Mouse activity on the surface, positions in pixels from its top left.
    void mousePressed(Qt::MouseButton button, QPoint position);
    // Sent also while no button is held; `buttons` are those held.
    void mouseMoved(Qt::MouseButtons buttons, QPoint position);
    void mouseReleased(Qt::MouseButton button, QPoint position);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    // Brings the image to the widget's size and RGB32 (the widget can be
    // resized through QWidget's own calls too).
    void syncImage() const;
    // A fresh image of the widget's size: back colour + picture.
    void compose();

    mutable QImage m_image;
    QImage m_picture;
    QColor m_backColor{QColor::fromRgb(DefaultBackColor)};
    QFont m_textFont;
    QColor m_foreColor{Qt::black};
    double m_currentX = 0.0;
    double m_currentY = 0.0;
    bool m_autoSize = false;
};

} // namespace weftara::platform
