#include "form1.h"

#include "form2.h"
#include "tables.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace tovrik {

QString currentcode;

namespace {

// Lives as long as the application, as the index window does: destroyed by
// releaseForm1(), never by a static destructor.
CharacterPanel *instance = nullptr;

} // namespace

CharacterPanel::CharacterPanel()
{
    setCaption(QStringLiteral("Tovrik"));
    setIcon(kProgramIcon);
    setBorder(Border::Sizable);
    setClientArea(2055, 3345, 9885, 2730);

    for (int N = 1; N <= 116; ++N) {
        auto *button = new forms::CommandButton(this, 120.0f + 480.0f * float((N - 1) % 20),
                                                120.0f + 360.0f * float((N - 1) / 20), 495, 375);
        button->setBackColor(0x00FFFFFF);
        if (N <= kPositions)
            connect(button, &forms::CommandButton::MouseMove, this,
                    [this, N](short Button, short Shift, float X, float Y) {
                        CommandN_MouseMove(N, Button, Shift, X, Y);
                    });
        buttons_[std::size_t(N - 1)] = button;
    }
    Command(1)->setMousePointer(forms::Cross);

    auto *back = new forms::CommandButton(this, 8880, 2280, 855, 375);
    back->setCaption(QStringLiteral("返回"));
    back->setBackColor(0x0080C0FF);
    back->setFont({u"楷体_GB2312", 12.0f, true});
    connect(back, &forms::CommandButton::Click, this, &CharacterPanel::Command117_Click);
    buttons_[116] = back;

    Label1 = new forms::Label(this, 120, 2400, 6375, 255);
    Label1->setCaption(QStringLiteral("提示：将鼠标指针移到要查的字上，就会立刻在黄框内显示其编码。"));
    Label1->setFont({u"楷体_GB2312", 10.5f});
    Label1->setForeColor(0x00000080);
    Label1->setBackColor(0x00C0FFC0);

    // Created last, so that when shown it lies above the buttons and takes
    // the mouse itself.
    Text1 = new forms::TextBox(this, 3360, 360, 975, 320);
    Text1->setBackColor(0x0080FFFF);
    Text1->setText(QStringLiteral("Text1"));
    Text1->setMousePointer(forms::Arrow);
    Text1->setVisible(false);

    QList<QWidget *> tabOrder;
    for (int N = 1; N <= 32; ++N)
        tabOrder.append(Command(N));
    tabOrder.append(Text1);
    for (int N = 33; N <= 117; ++N)
        tabOrder.append(Command(N));
    setTabOrder(tabOrder);
}

void CharacterPanel::CommandN_MouseMove(int N, short, short, float X, float Y)
{
    forms::CommandButton *button = Command(N);
    Text1->setVisible(false);
    button->setMousePointer(forms::Arrow);
    // A sum that is not finite can only come from a synthetic event: the
    // procedure stops there and the program goes on.
    const float x = button->Left() + X;
    if (!std::isfinite(x))
        return;
    CurrentX = x;
    const float y = button->Top() + Y;
    if (!std::isfinite(y))
        return;
    CurrentY = y;
    if (const auto code = findCode(N, forms::u16(button->Caption())))
        currentcode = forms::toQString(*code);
    showmessage();
}

void CharacterPanel::showmessage()
{
    if (Text1->Visible())
        return;
    Text1->setLeft(CurrentX);
    Text1->setTop(CurrentY);
    const float width = TextWidth(currentcode) + 120.0f;
    if (!std::isfinite(width))
        return;
    Text1->setWidth(width);
    // The whole code stays inside the client area as it is now: a tip that
    // would pass its right or bottom edge moves back onto it, never past the
    // left or top edge. The tip position itself keeps the pointer's place.
    const float clientWidth = forms::twips(this->width());
    if (Text1->Left() + Text1->Width() > clientWidth)
        Text1->setLeft(std::max(0.0f, clientWidth - Text1->Width()));
    const float clientHeight = forms::twips(this->height());
    if (Text1->Top() + Text1->Height() > clientHeight)
        Text1->setTop(std::max(0.0f, clientHeight - Text1->Height()));
    Text1->setText(currentcode);
    Text1->setVisible(true);
}

void CharacterPanel::Command117_Click()
{
    Form2().Show();
    Hide();
}

CharacterPanel &form1()
{
    if (!instance)
        instance = new CharacterPanel;
    return *instance;
}

bool form1Exists()
{
    return instance != nullptr;
}

void releaseForm1()
{
    delete std::exchange(instance, nullptr);
}

} // namespace tovrik
