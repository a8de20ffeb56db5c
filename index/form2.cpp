#include "form2.h"

#include "form1.h"
#include "syllable_table.h"
#include "tables.h"

#include <QUrl>

#include <utility>

namespace tovrik {

namespace {

// The window lives as long as the application: it is destroyed by
// releaseForm2() before the application object, never by a static
// destructor. When the platform ends the program with exit() (the display
// went away) it is simply left to the process's end.
IndexWindow *instance = nullptr;

QString latin1(std::string_view text)
{
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

// The tab order of the syllable buttons, by button number.
constexpr int kSyllableTabOrder[36] = {2,  3,  4,  5,  6,  7,  8,  9,  11, 12, 13, 14, 15, 16, 20, 21, 22, 10,
                                       17, 23, 24, 25, 26, 29, 30, 31, 32, 33, 34, 35, 18, 19, 27, 28, 36, 37};

} // namespace

QString webAddress()
{
    return QStringLiteral(TOVRIK_WEB_ADDRESS);
}

IndexWindow::IndexWindow()
{
    setCaption(QStringLiteral("Ombrel“Fendle”软件系列"));
    setIcon(kProgramIcon);
    setBackColor(0x00C0E0FF);
    setBorder(Border::FixedSingle);
    setClientArea(2040, 2325, 6390, 3795);

    Label1 = new forms::Label(this, 1200, 240, 4215, 495);
    Label1->setCaption(QStringLiteral("Tovrik"));
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1->setFont({u"宋体", 21.75f, true});
    Label1->setForeColor(0x000000FF);
    Label1->setBackColor(0x00C0E0FF);

    Label2 = new forms::Label(this, 1680, 840, 3015, 255);
    Label2->setCaption(QStringLiteral("Ombrel软件网址：") + QUrl(webAddress()).host());
    Label2->setFont({u"宋体", 9.0f, false, true});
    Label2->setForeColor(0x00FF0000);
    Label2->setBackColor(0x00C0E0FF);
    Label2->setMousePointer(forms::PointingHand);
    connect(Label2, &forms::Label::Click, this, &IndexWindow::Label2_Click);

    Combo1 = new forms::ComboBox(this, 2400, 1320, 1455);
    connect(Combo1, &forms::ComboBox::Click, this, &IndexWindow::Combo1_Click);

    for (int K = 2; K <= 37; ++K) {
        auto *button = new forms::CommandButton(this, 480.0f + 600.0f * float((K - 2) % 9),
                                                1800.0f + 360.0f * float((K - 2) / 9), 660, 375);
        button->setBackColor(0x00FFFFFF);
        connect(button, &forms::CommandButton::Click, this, [this, K] { CommandK_Click(K - 1); });
        syllableButtons_[std::size_t(K - 2)] = button;
    }

    Label3 = new forms::Label(this, 360, 3360, 5895, 255);
    Label3->setCaption(QStringLiteral("说明：用五笔输入汉字时，启动本软件，遇到难字可即查即用。"));
    Label3->setFont({u"楷体_GB2312", 10.5f});
    Label3->setForeColor(0x000000C0);
    Label3->setBackColor(0x00C0FFC0);

    QList<QWidget *> tabOrder{Combo1};
    for (int K : kSyllableTabOrder)
        tabOrder.append(Command(K));
    setTabOrder(tabOrder);
}

void IndexWindow::Form_Load()
{
    Combo1->Clear();
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        Combo1->AddItem(QString(QChar(letter)));
    Combo1->setText(QStringLiteral("A"));
    if (Combo1->Text() == QLatin1String("A")) {
        const auto syllables = syllablesOf("A");
        for (std::size_t s = 0; s < syllables.size(); ++s)
            Command(int(s) + 2)->setCaption(latin1(syllables[s]));
    }
}

void IndexWindow::Combo1_Click()
{
    for (int K = 2; K <= 37; ++K)
        Command(K)->setCaption(QString());
    for (const LetterRow &row : syllableTable()) {
        if (Combo1->Text() == QLatin1String(row.letter.data(), qsizetype(row.letter.size()))) {
            for (std::size_t s = 0; s < row.syllables.size(); ++s)
                Command(int(s) + 2)->setCaption(latin1(row.syllables[s]));
            break;
        }
    }
}

void IndexWindow::CommandK_Click(int slot)
{
    for (int N = 1; N <= 104; ++N)
        form1().Command(N)->setCaption(QString());
    if (const auto row = findRow(slot, forms::u16(Command(slot + 1)->Caption()))) {
        for (std::size_t i = 0; i < row->characters.size(); ++i)
            form1().Command(int(i) + 1)->setCaption(QString(QChar(row->characters[i])));
    }
    form1().Show();
    Form2().Hide();
}

void IndexWindow::Label2_Click()
{
    forms::openAddress(webAddress());
}

IndexWindow &Form2()
{
    if (!instance) {
        instance = new IndexWindow;
        instance->Form_Load();
    }
    return *instance;
}

void releaseForm2()
{
    delete std::exchange(instance, nullptr);
}

} // namespace tovrik
