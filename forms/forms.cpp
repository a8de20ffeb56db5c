#include "forms.h"

#include "faces.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFontMetricsF>
#include <QIcon>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QUrl>
#include <qdrawutil.h>

#include <algorithm>
#include <cmath>

namespace tovrik::forms {

int pixels(float twips)
{
    const double px = std::round(double(twips) / kTwipsPerPixel);
    if (!(px == px)) // NaN
        return 0;
    return int(std::clamp(px, -double(QWIDGETSIZE_MAX), double(QWIDGETSIZE_MAX)));
}

float twips(double pixels)
{
    return float(pixels * kTwipsPerPixel);
}

namespace {

QColor toQColor(Colour c)
{
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

QFont toQFont(const Font &font)
{
    // A classic name is drawn in the one installed family chosen for it, so
    // that the font engine has no list of alternatives to search. When none
    // of its families is installed, all of them are asked for.
    QStringList families = classicFamilies(font.name);
    if (families.isEmpty()) {
        families = {toQString(font.name)};
    } else {
        const QString &chosen = font.name == u"宋体" ? installedFaces().song : installedFaces().kai;
        if (!chosen.isEmpty())
            families = {chosen};
    }
    QFont f;
    f.setFamilies(families);
    // A point is 20 twips, so 4/3 of a logical pixel.
    f.setPixelSize(std::max(1, int(std::lround(font.points * 4.0 / 3.0))));
    f.setBold(font.bold);
    f.setUnderline(font.underline);
    return f;
}

void applyPointer(QWidget *widget, int pointer)
{
    switch (pointer) {
    case Arrow:
        widget->setCursor(Qt::ArrowCursor);
        break;
    case Cross:
        widget->setCursor(Qt::CrossCursor);
        break;
    case PointingHand:
        widget->setCursor(Qt::PointingHandCursor);
        break;
    default:
        widget->unsetCursor();
        break;
    }
}

void setPaletteColour(QWidget *widget, QPalette::ColorRole role, Colour colour)
{
    QPalette pal = widget->palette();
    pal.setColor(role, toQColor(colour));
    widget->setPalette(pal);
}

void place(QWidget *widget, float left, float top, float width, float height)
{
    widget->setGeometry(pixels(left), pixels(top), pixels(width), pixels(height));
}

short buttonState(Qt::MouseButtons buttons)
{
    return short(((buttons & Qt::LeftButton) ? 1 : 0) | ((buttons & Qt::RightButton) ? 2 : 0) |
                 ((buttons & Qt::MiddleButton) ? 4 : 0));
}

short shiftState(Qt::KeyboardModifiers modifiers)
{
    return short(((modifiers & Qt::ShiftModifier) ? 1 : 0) | ((modifiers & Qt::ControlModifier) ? 2 : 0) |
                 ((modifiers & Qt::AltModifier) ? 4 : 0));
}

} // namespace

// ---- Window ----

Window::Window() : QWidget(nullptr, Qt::Window)
{
    // The default font of a GB2312 desktop, 宋体 9 pt, for every control that
    // stores no font of its own and for TextWidth: Chinese characters and
    // pinyin alike fit the buttons as they were designed.
    QWidget::setFont(toQFont({u"宋体", 9.0f}));
}

void Window::setIcon(std::span<const Picture> pictures)
{
    // The pixels are used as they are: decoding an image file would load the
    // image-format plugins.
    QIcon icon;
    for (const Picture &picture : pictures)
        icon.addPixmap(QPixmap::fromImage(QImage(reinterpret_cast<const uchar *>(picture.pixels), picture.side,
                                                 picture.side, QImage::Format_ARGB32)));
    setWindowIcon(icon);
}

void Window::setBackColor(Colour colour)
{
    setPaletteColour(this, QPalette::Window, colour);
    setAutoFillBackground(true);
}

void Window::setBorder(Border border)
{
    border_ = border;
    if (border == Border::FixedSingle)
        setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                       Qt::WindowCloseButtonHint);
    else
        setWindowFlags(Qt::Window);
}

void Window::setClientArea(float left, float top, float width, float height)
{
    place(this, left, top, width, height);
    if (border_ == Border::FixedSingle)
        setFixedSize(size());
}

void Window::Show()
{
    show();
    raise();
    activateWindow();
}

float Window::TextWidth(const QString &text) const
{
    return twips(QFontMetricsF(font()).horizontalAdvance(text));
}

void Window::setTabOrder(std::initializer_list<QWidget *> controls)
{
    setTabOrder(QList<QWidget *>(controls));
}

void Window::setTabOrder(const QList<QWidget *> &controls)
{
    for (qsizetype i = 1; i < controls.size(); ++i)
        QWidget::setTabOrder(controls[i - 1], controls[i]);
    if (!controls.isEmpty())
        controls.front()->setFocus();
}

void Window::closeEvent(QCloseEvent *event)
{
    // Closing either of the program's windows ends the program, whatever
    // other window is still loaded.
    event->accept();
    QCoreApplication::quit();
}

// ---- CommandButton ----

CommandButton::CommandButton(QWidget *parent, float left, float top, float width, float height)
    : QPushButton(parent), left_(left), top_(top)
{
    place(this, left, top, width, height);
    setMouseTracking(true);
    connect(this, &QAbstractButton::clicked, this, &CommandButton::Click);
}

void CommandButton::setBackColor(Colour colour)
{
    back_ = toQColor(colour);
    update();
}

void CommandButton::setFont(const Font &font)
{
    QPushButton::setFont(toQFont(font));
}

void CommandButton::setMousePointer(int pointer)
{
    if (pointer == pointer_)
        return;
    pointer_ = pointer;
    applyPointer(this, pointer);
}

namespace {

// The raised or sunken bevel of a button and its fill, drawn in device
// pixels: an outer and an inner layer of light and dark lines on each side,
// each layer ceil(ratio) device pixels thick, the ratio being the painter's
// scale from logical to device pixels (a screen's or an image's alike). At a
// ratio of 1 these are the classic one-pixel lines. A neighbour placed one
// logical pixel over the right or bottom edge covers at most that many
// device pixels, so the inner dark layer stays in sight at any scale.
void drawBevel(QPainter &p, const QRect &rect, const QPalette &palette, bool sunken, const QBrush &fill)
{
    const QTransform toDevice = p.deviceTransform();
    if (toDevice.type() > QTransform::TxScale || toDevice.m11() <= 0 || toDevice.m22() <= 0) {
        // Turned or mirrored: no pixel grid to keep to.
        qDrawWinButton(&p, rect, palette, sunken, &fill);
        return;
    }
    const QColor outerTopLeft = sunken ? palette.shadow().color() : palette.light().color();
    const QColor outerBottomRight = sunken ? palette.light().color() : palette.shadow().color();
    const QColor innerTopLeft = sunken ? palette.dark().color() : palette.button().color();
    const QColor innerBottomRight = sunken ? palette.button().color() : palette.dark().color();

    // The button's device pixels, with edges rounded as its neighbours' are.
    const QRectF area = toDevice.mapRect(QRectF(rect));
    const int x = int(std::lround(area.left()));
    const int y = int(std::lround(area.top()));
    const int w = int(std::lround(area.right())) - x;
    const int h = int(std::lround(area.bottom())) - y;
    const qreal ratio = std::max(toDevice.m11(), toDevice.m22());
    const int t = std::max(1, int(std::ceil(ratio - 1e-6))); // 2.0000001 is still 2
    if (w < 2 * t || h < 2 * t)
        return;

    p.save();
    p.setWorldTransform(toDevice.inverted() * p.worldTransform()); // painting coordinates are device pixels now
    p.fillRect(x, y, t, h - t, outerTopLeft);
    p.fillRect(x, y, w - t, t, outerTopLeft);
    p.fillRect(x, y + h - t, w, t, outerBottomRight);
    p.fillRect(x + w - t, y, t, h, outerBottomRight);
    if (w > 4 * t && h > 4 * t) {
        p.fillRect(x + t, y + t, t, h - 3 * t, innerTopLeft);
        p.fillRect(x + t, y + t, w - 3 * t, t, innerTopLeft);
        p.fillRect(x + t, y + h - 2 * t, w - 2 * t, t, innerBottomRight);
        p.fillRect(x + w - 2 * t, y + t, t, h - 2 * t, innerBottomRight);
        p.fillRect(x + 2 * t, y + 2 * t, w - 4 * t, h - 4 * t, fill);
    }
    p.restore();
}

} // namespace

void CommandButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    drawBevel(p, rect(), palette(), isDown(), QBrush(back_));
    p.setPen(palette().color(QPalette::ButtonText));
    p.drawText(isDown() ? rect().translated(1, 1) : rect(), Qt::AlignCenter, text());
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(4, 4, -4, -4);
        focus.backgroundColor = back_;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
    }
}

void CommandButton::mouseMoveEvent(QMouseEvent *event)
{
    emit MouseMove(buttonState(event->buttons()), shiftState(event->modifiers()), twips(event->position().x()),
                   twips(event->position().y()));
    QPushButton::mouseMoveEvent(event);
    event->accept();
}

void CommandButton::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat()) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

// ---- Label ----

Label::Label(QWidget *parent, float left, float top, float width, float height) : QLabel(parent)
{
    place(this, left, top, width, height);
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::NoFocus);
}

void Label::setFont(const Font &font)
{
    QLabel::setFont(toQFont(font));
}

void Label::setForeColor(Colour colour)
{
    setPaletteColour(this, QPalette::WindowText, colour);
}

void Label::setBackColor(Colour colour)
{
    setPaletteColour(this, QPalette::Window, colour);
}

void Label::setMousePointer(int pointer)
{
    applyPointer(this, pointer);
}

void Label::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        pressed_ = true;
    QLabel::mousePressEvent(event);
}

void Label::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton)
        pressed_ = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        emit Click();
}

// ---- ComboBox ----

ComboBox::ComboBox(QWidget *parent, float left, float top, float width) : QComboBox(parent)
{
    setEditable(true);
    // Typed text is never added to the list, never completed, and choosing
    // runs only from the list itself: Qt would otherwise pick the item that
    // matches the typed text when editing ends and report it as chosen.
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
    // The height is the control's own, as for any drop-down combo box.
    setGeometry(pixels(left), pixels(top), pixels(width), sizeHint().height());
    connect(this, &QComboBox::activated, this, &ComboBox::Click);
}

// ---- TextBox ----

TextBox::TextBox(QWidget *parent, float left, float top, float width, float height)
    : QLineEdit(parent), left_(left), top_(top), width_(width), height_(height)
{
    setFrame(false);
    setTextMargins(0, 0, 0, 0);
    placeEdges();
}

void TextBox::setLeft(float left)
{
    left_ = left;
    placeEdges();
}

void TextBox::setTop(float top)
{
    top_ = top;
    placeEdges();
}

void TextBox::setWidth(float width)
{
    width_ = width;
    placeEdges();
}

void TextBox::placeEdges()
{
    // The size is rounded as it is; the place is rounded so that the right
    // and bottom edges never pass the rounded edges in twips, so a box that
    // ends on the window's edge in twips ends on its last pixel too.
    const int width = pixels(width_);
    const int height = pixels(height_);
    setGeometry(std::min(pixels(left_), pixels(left_ + width_) - width),
                std::min(pixels(top_), pixels(top_ + height_) - height), width, height);
}

void TextBox::setBackColor(Colour colour)
{
    setPaletteColour(this, QPalette::Base, colour);
}

void TextBox::setMousePointer(int pointer)
{
    applyPointer(this, pointer);
}

// ---- the desktop ----

void openAddress(const QString &address)
{
    QDesktopServices::openUrl(QUrl(address));
}

} // namespace tovrik::forms
