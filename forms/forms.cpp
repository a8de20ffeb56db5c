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

void CommandButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QBrush fill(back_);
    qDrawWinButton(&p, rect(), palette(), isDown(), &fill);
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
