#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QRectF>

#include <utility>

namespace weftara::platform {

// A picture surface: a persistent image in pixels, with the place and
// visibility it has among the pictures. No widget is needed to draw on it;
// a SurfaceView shows it where the window has one.
//
// Three layers make it up:
//  - the picture (may be null): what was loaded or fixed into the surface;
//  - the persistent image: the back colour with the picture at (0, 0) and,
//    on top, whatever was drawn since (text, stretched copies, pixel
//    operations). It is always Format_RGB32 and exactly the surface's size;
//    it is what is shown and what pixel operations read and write;
//  - the screen, painted by views from the persistent image only.
// cls() throws the drawing away (image := back colour + picture);
// fixDrawing() keeps it (picture := image).
class Surface : public QObject
{
    Q_OBJECT

public:
    // How stretchDraw scales: nearest pixel (a plain copy) or filtered.
    enum class Stretch { Plain, Smooth };

    // The back colour of a new surface.
    static constexpr QRgb DefaultBackColor = 0xFFF0F0F0; // RGB 240, 240, 240

    explicit Surface(QObject *parent = nullptr);

    // The persistent image; writable. Keep its size and format: resize the
    // surface instead. Null only for a 0-pixel surface or when memory ran out.
    QImage &image();
    const QImage &image() const;

    // The picture beneath the drawing; null when there is none.
    const QImage &picture() const { return m_picture; }
    bool hasPicture() const { return !m_picture.isNull(); }
    // Takes `picture` (as RGB32); with auto size on, the surface first takes
    // its size; then image := back colour + picture at (0, 0), clipped or
    // padded. A null image is the same as clearPicture(). A picture handed
    // over with std::move is taken without copying its pixels.
    void setPicture(QImage picture);
    // Drops the picture; the image becomes the plain back colour.
    void clearPicture();

    // Erases the drawing: image := back colour + picture.
    void cls();
    // Keeps the drawing: picture := the current image.
    void fixDrawing();

    // Runs `rewrite` on the image in place; when it reports success, the
    // result becomes the picture (fixDrawing). An image that is still the
    // picture itself is rewritten without copying it first, since the
    // picture is replaced anyway; a rewrite that fails must leave the image
    // as it was, and the picture then stays.
    template <class Rewrite>
    bool rewritePicture(Rewrite &&rewrite)
    {
        const bool plain = hasPicture() && m_picture.cacheKey() == image().cacheKey();
        if (plain)
            m_picture = QImage();
        const bool done = std::forward<Rewrite>(rewrite)(image());
        if (done || plain)
            fixDrawing();
        return done;
    }

    // With auto size on, the surface takes the size of every picture it gets.
    bool autoSize() const { return m_autoSize; }
    // Switching it on resizes the surface to the current picture, if any.
    void setAutoSize(bool on);

    // Size in pixels; resizing keeps the image's content at the top left and
    // fills new area with the back colour.
    int pixelWidth() const { return width(); }
    int pixelHeight() const { return height(); }
    void setPixelSize(int width, int height);

    // Place among the pictures (the top left in the views' parent) and
    // size, in pixels.
    QRect geometry() const { return m_geometry; }
    void setGeometry(const QRect &geometry);
    void setGeometry(int x, int y, int width, int height) { setGeometry(QRect(x, y, width, height)); }
    QPoint pos() const { return m_geometry.topLeft(); }
    void move(QPoint position) { setGeometry(QRect(position, size())); }
    void move(int x, int y) { move(QPoint(x, y)); }
    QSize size() const { return m_geometry.size(); }
    void resize(QSize size) { setGeometry(QRect(pos(), size)); }
    void resize(int width, int height) { resize(QSize(width, height)); }
    int width() const { return m_geometry.width(); }
    int height() const { return m_geometry.height(); }
    // The surface's own area: (0, 0) and its size.
    QRect rect() const { return {QPoint(0, 0), size()}; }

    // Whether the views show the surface.
    bool isHidden() const { return m_hidden; }
    void setVisible(bool visible);
    void show() { setVisible(true); }
    void hide() { setVisible(false); }

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

    // Repaints the surface from the image (after direct pixel writes) when
    // the event loop next runs.
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
    // The image changed within `area` (the surface's pixels).
    void changed(QRect area);
    void geometryChanged(QRect geometry);
    void visibilityChanged(bool visible);

    // Mouse activity on a view of the surface, positions in pixels from its
    // top left.
    void mousePressed(Qt::MouseButton button, QPoint position);
    // Sent also while no button is held; `buttons` are those held.
    void mouseMoved(Qt::MouseButtons buttons, QPoint position);
    void mouseReleased(Qt::MouseButton button, QPoint position);

private:
    // Brings the image to the surface's size and RGB32.
    void syncImage() const;
    // A fresh image of the surface's size: back colour + picture.
    void compose();
    // Tells the views that the whole image may have changed.
    void update() { emit changed(rect()); }

    mutable QImage m_image;
    QImage m_picture;
    QColor m_backColor{QColor::fromRgb(DefaultBackColor)};
    QFont m_textFont;
    QColor m_foreColor{Qt::black};
    double m_currentX = 0.0;
    double m_currentY = 0.0;
    QRect m_geometry{0, 0, 0, 0};
    bool m_autoSize = false;
    bool m_hidden = false;
};

} // namespace weftara::platform
