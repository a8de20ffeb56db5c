// Child of the start-up benchmark: the reference, a plain Qt window that shows
// what the index window shows at start, written directly against Qt Widgets.
// The same client size and colours; the title in the Song face, bold, 29 px;
// the web-address line in the Song face, underlined, 12 px; the note in the
// Kai face, 14 px; one editable combo box of A..Z showing "A"; one button
// "a". Every other control has the window's font, the Song face at 12 px.
// Each font names the one installed face, with no list of alternatives.
#include "first_paint_probe.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

namespace {

QFont face(const char *family, int pixels, bool bold = false, bool underline = false)
{
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

void colour(QWidget *widget, QPalette::ColorRole role, QColor colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

QLabel *label(QWidget *parent, const QString &text, const QRect &place, const QFont &font, QColor fore,
              QColor back)
{
    auto *label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(place);
    label->setFont(font);
    label->setAutoFillBackground(true);
    colour(label, QPalette::WindowText, fore);
    colour(label, QPalette::Window, back);
    return label;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    tovrik::bench::FirstPaintProbe probe;

    const QColor back(0xFF, 0xE0, 0xC0);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Ombrel“Fendle”软件系列"));
    window.setFont(face("AR PL SungtiL GB", 12));
    colour(&window, QPalette::Window, back);
    window.setAutoFillBackground(true);
    window.setGeometry(136, 155, 426, 253);
    window.setFixedSize(426, 253);

    QLabel *title = label(&window, QStringLiteral("Tovrik"), {80, 16, 281, 33}, face("AR PL SungtiL GB", 29, true),
                          Qt::red, back);
    title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label(&window, QStringLiteral("Ombrel软件网址：ombrel.example"), {112, 56, 201, 17},
          face("AR PL SungtiL GB", 12, false, true), Qt::blue, back);
    label(&window, QStringLiteral("说明：用五笔输入汉字时，启动本软件，遇到难字可即查即用。"), {24, 224, 393, 17},
          face("AR PL KaitiM GB", 14), QColor(0xC0, 0, 0), QColor(0xC0, 0xFF, 0xC0));

    auto *letters = new QComboBox(&window);
    letters->setEditable(true);
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        letters->addItem(QString(QChar(letter)));
    letters->setEditText(QStringLiteral("A"));
    letters->setGeometry(160, 88, 97, letters->sizeHint().height());

    auto *button = new QPushButton(QStringLiteral("a"), &window);
    button->setGeometry(32, 120, 44, 25);
    letters->setFocus();

    window.show();
    window.activateWindow();
    return QApplication::exec();
}
