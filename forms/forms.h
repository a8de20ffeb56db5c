// Our windowing layer over Qt Widgets. It speaks the language of the window
// code above it: positions and sizes in twips, colours as 0x00BBGGRR values,
// fonts by their classic names, controls with Caption, Click and MouseMove.
// Only this layer (and the program's entry) touches Qt widgets directly.
#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string_view>

namespace tovrik::forms {

// 1,440 twips an inch: 15 twips a logical pixel at 96 dpi. Qt maps logical
// pixels to device pixels, so proportions hold on a HiDPI screen.
inline constexpr float kTwipsPerPixel = 15.0f;
int pixels(float twips); // rounded, and kept inside the range Qt can place
float twips(double pixels);

// A colour as 0x00BBGGRR.
using Colour = std::uint32_t;

// A font by its classic name ("宋体", "楷体_GB2312"), mapped to the installed
// faces; other names are taken as family names.
struct Font {
    std::u16string_view name;
    float points;
    bool bold = false;
    bool underline = false;
};

// A square picture compiled into the program: side x side pixels, row by
// row, each 0xAARRGGBB.
struct Picture {
    int side;
    const std::uint32_t *pixels;
};

// MousePointer values.
enum MousePointer : int { Default = 0, Arrow = 1, Cross = 2, PointingHand = 99 };

// The text of a caption or code as UTF-16, without a copy.
inline std::u16string_view u16(const QString &text)
{
    return {QStringView(text).utf16(), static_cast<std::size_t>(text.size())};
}
inline QString toQString(std::u16string_view units)
{
    return QString(reinterpret_cast<const QChar *>(units.data()), static_cast<qsizetype>(units.size()));
}

// A top-level window. Closing it ends the program.
class Window : public QWidget {
    Q_OBJECT
public:
    enum class Border { FixedSingle, Sizable };

    Window();

    QString Caption() const { return windowTitle(); }
    void setCaption(const QString &caption) { setWindowTitle(caption); }
    // The window icon, from pictures compiled into the program.
    void setIcon(std::span<const Picture> pictures);
    void setBackColor(Colour colour);
    void setBorder(Border border);
    // The client area's design place and size.
    void setClientArea(float left, float top, float width, float height);

    void Show();
    void Hide() { hide(); }

    // The drawing position: two plain single-precision fields, in twips.
    float CurrentX = 0.0f;
    float CurrentY = 0.0f;
    // The width of a text in the window's font, in twips.
    float TextWidth(const QString &text) const;

    // The controls that take focus, by TabIndex; the first one has the focus
    // when the window first comes up.
    void setTabOrder(std::initializer_list<QWidget *> controls);
    void setTabOrder(const QList<QWidget *> &controls);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    Border border_ = Border::Sizable;
};

// A push button of the graphical style: its background colour shows.
// Space and Enter click it when it has the focus.
class CommandButton : public QPushButton {
    Q_OBJECT
public:
    CommandButton(QWidget *parent, float left, float top, float width, float height);

    QString Caption() const { return text(); }
    void setCaption(const QString &caption) { setText(caption); }
    float Left() const { return left_; }
    float Top() const { return top_; }
    void setBackColor(Colour colour);
    void setFont(const Font &font);
    int MousePointer() const { return pointer_; }
    void setMousePointer(int pointer);

signals:
    void Click();
    // On every move over the button: the mouse buttons (1 left, 2 right,
    // 4 middle), the shift keys (1 shift, 2 ctrl, 4 alt) and the pointer's
    // place in twips from the button's top-left corner.
    void MouseMove(short Button, short Shift, float X, float Y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    float left_;
    float top_;
    QColor back_{Qt::lightGray};
    int pointer_ = Default;
};

// A label: font, colours, alignment, pointer and Click. It paints its
// background and has no border; it takes no focus.
class Label : public QLabel {
    Q_OBJECT
public:
    Label(QWidget *parent, float left, float top, float width, float height);

    QString Caption() const { return text(); }
    void setCaption(const QString &caption) { setText(caption); }
    void setFont(const Font &font);
    void setForeColor(Colour colour);
    void setBackColor(Colour colour);
    void setMousePointer(int pointer);

signals:
    void Click();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool pressed_ = false;
};

// The drop-down combo box: a text field that takes typing, and a list.
// Click is raised when the user chooses an item of the list, with the mouse
// or the keyboard, also the item already chosen; typing raises nothing and
// never adds an item.
class ComboBox : public QComboBox {
    Q_OBJECT
public:
    ComboBox(QWidget *parent, float left, float top, float width);

    void Clear() { clear(); }
    void AddItem(const QString &item) { addItem(item); }
    QString Text() const { return currentText(); }
    void setText(const QString &text) { setEditText(text); }

signals:
    void Click();
};

// The single-line text box. Its text area is as wide as the box: no frame
// and no margins eat into it.
class TextBox : public QLineEdit {
    Q_OBJECT
public:
    TextBox(QWidget *parent, float left, float top, float width, float height);

    bool Visible() const { return !isHidden(); }
    float Left() const { return left_; }
    float Top() const { return top_; }
    float Width() const { return width_; }
    float Height() const { return height_; }
    void setLeft(float left);
    void setTop(float top);
    void setWidth(float width);
    QString Text() const { return text(); }
    void setText(const QString &text) { QLineEdit::setText(text); }
    void setBackColor(Colour colour);
    void setMousePointer(int pointer);

private:
    void placeEdges();

    float left_;
    float top_;
    float width_;
    float height_;
};

// Asks the desktop to open a web address with its own handler; returns at
// once and reports nothing.
void openAddress(const QString &address);

} // namespace tovrik::forms
