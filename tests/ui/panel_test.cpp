// The character panel: its layout, the hover procedure, showmessage and
// currentcode, and the code tip across window switches.
#include "fixture.h"
#include "syllable_table.h"

#include <QFontInfo>
#include <QLineEdit>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionFrame>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

namespace tovrik::testing {
namespace {

class PanelTest : public Ui {
protected:
    forms::TextBox *tip() { return panel().Text1; }
    QRect tipGeometry() { return tip()->geometry(); }
};

TEST_F(PanelTest, LayoutInTwips)
{
    clickSyllable(2);
    CharacterPanel &p = panel();
    EXPECT_EQ(p.Caption(), "Tovrik");
    EXPECT_EQ(p.size(), QSize(659, 182)); // 9885 x 2730
    EXPECT_NE(p.minimumSize(), p.maximumSize());
    EXPECT_FALSE(p.windowIcon().isNull());
    for (int N = 1; N <= 116; ++N)
        EXPECT_EQ(p.Command(N)->geometry(), QRect(8 + 32 * ((N - 1) % 20), 8 + 24 * ((N - 1) / 20), 33, 25)) << N;
    EXPECT_EQ(p.Command(104)->geometry().topLeft(), QPoint(104, 128)); // 1560, 1920
    EXPECT_EQ(p.Command(117)->geometry(), QRect(592, 152, 57, 25));
    EXPECT_EQ(p.Command(117)->Caption(), QStringLiteral("返回"));
    EXPECT_EQ(QFontInfo(p.Command(117)->font()).family(), "AR PL KaitiM GB");
    EXPECT_EQ(p.Command(117)->font().pixelSize(), 16);
    EXPECT_TRUE(p.Command(117)->font().bold());
    EXPECT_EQ(p.Label1->geometry(), QRect(8, 160, 425, 17));
    EXPECT_EQ(p.Label1->Caption(), QStringLiteral("提示：将鼠标指针移到要查的字上，就会立刻在黄框内显示其编码。"));
    EXPECT_EQ(p.Label1->palette().color(QPalette::WindowText), QColor(0x80, 0, 0));
    EXPECT_EQ(tip()->Text(), "Text1");
    EXPECT_EQ(tip()->palette().color(QPalette::Base), QColor(0xFF, 0xFF, 0x80));
    EXPECT_EQ(tip()->height(), 21); // 320
    EXPECT_EQ(tip()->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(p.Command(1)->cursor().shape(), Qt::CrossCursor);
    EXPECT_FALSE(p.Command(2)->testAttribute(Qt::WA_SetCursor));

    // Text1 stands between Command32 and Command33 in the tab order.
    EXPECT_EQ(p.Command(32)->nextInFocusChain(), tip());
    EXPECT_EQ(tip()->nextInFocusChain(), p.Command(33));

    // Nothing moves when the panel is resized.
    p.resize(900, 400);
    QApplication::processEvents();
    EXPECT_EQ(p.Command(117)->geometry(), QRect(592, 152, 57, 25));
    EXPECT_EQ(p.Command(116)->geometry().topLeft(), QPoint(488, 128));
}

TEST_F(PanelTest, TipFollowsThePointerWithTheCodeUnderIt)
{
    clickSyllable(2); // "a": 啊阿呵吖锕腌嗄
    EXPECT_FALSE(tip()->Visible());
    forms::CommandButton *button = panel().Command(1);
    const QString code = this->code(1, QStringLiteral("啊"));
    ASSERT_FALSE(code.isEmpty());

    hover(1, {10, 12});
    EXPECT_EQ(currentcode, code);
    EXPECT_TRUE(tip()->isVisible());
    EXPECT_EQ(tip()->Text(), code);
    EXPECT_EQ(tip()->Left(), 120.0f + 150.0f);
    EXPECT_EQ(tip()->Top(), 120.0f + 180.0f);
    EXPECT_EQ(tip()->Width(), panel().TextWidth(code) + 120.0f);
    EXPECT_EQ(tipGeometry(), QRect(18, 20, forms::pixels(tip()->Width()), 21));
    EXPECT_EQ(button->MousePointer(), forms::Arrow);
    EXPECT_EQ(button->cursor().shape(), Qt::ArrowCursor);

    // Every move inside the button places the tip afresh.
    hover(1, {4, 3});
    EXPECT_EQ(tipGeometry().topLeft(), QPoint(12, 11));
    EXPECT_EQ(tip()->Text(), code);

    // The next button shows its own code.
    hover(3, {2, 2});
    EXPECT_EQ(currentcode, this->code(3, QStringLiteral("呵")));
    EXPECT_EQ(tip()->Left(), 1080.0f + 30.0f);
    EXPECT_EQ(tip()->Text(), currentcode);
}

TEST_F(PanelTest, ShownTipLiesAboveTheButtonsAndTakesTheMouse)
{
    clickSyllable(2);
    hover(2, {10, 12});
    const QRect shown = tipGeometry();
    const QString code = tip()->Text();
    // The pointer now rests on the tip, over Command2 and Command3: neither
    // receives the moves, so the tip stays where it is.
    pointAt(tip(), {3, 3});
    pointAt(tip(), {tip()->width() - 2, 10});
    EXPECT_EQ(tipGeometry(), shown);
    EXPECT_EQ(tip()->Text(), code);
    // Leaving it for the window's background leaves it as well.
    pointAt(&panel(), {650, 175});
    EXPECT_TRUE(tip()->isVisible());
    EXPECT_EQ(tipGeometry(), shown);
}

TEST_F(PanelTest, BlankButtonRepeatsTheLastCode)
{
    clickSyllable(2); // "a" has 7 characters
    sendMove(7, {5, 5});
    const QString code = currentcode;
    ASSERT_EQ(code, this->code(7, QStringLiteral("嗄")));

    sendMove(20, {6, 7}); // blank
    EXPECT_EQ(currentcode, code);
    EXPECT_EQ(tip()->Text(), code);
    EXPECT_EQ(tip()->Left(), 9240.0f + 90.0f);
    EXPECT_EQ(tip()->Top(), 120.0f + 105.0f);

    // Also under another syllable, at another position.
    clickBack();
    openSyllable("O", 2); // "o"
    sendMove(60, {1, 1});
    EXPECT_EQ(tip()->Text(), code);
}

TEST_F(PanelTest, FirstHoverOnABlankButtonShowsAnEmptyTip)
{
    clickSyllable(8); // blank under "A"
    sendMove(5, {3, 4});
    EXPECT_TRUE(tip()->Visible());
    EXPECT_EQ(tip()->Text(), QString());
    EXPECT_EQ(tip()->Width(), 120.0f);
    EXPECT_EQ(tip()->width(), 8);
    EXPECT_EQ(tip()->Left(), 2040.0f + 45.0f);
}

TEST_F(PanelTest, ButtonAndShiftChangeNothing)
{
    clickSyllable(2);
    sendMove(2, {7, 9});
    const QRect plain = tipGeometry();
    const QString code = tip()->Text();
    const struct {
        Qt::MouseButtons buttons;
        Qt::KeyboardModifiers shift;
    } held[] = {
        {Qt::LeftButton, {}},
        {Qt::RightButton | Qt::MiddleButton, {}},
        {{}, Qt::ShiftModifier},
        {{}, Qt::ControlModifier | Qt::AltModifier},
        {Qt::LeftButton, Qt::ShiftModifier},
    };
    for (const auto &h : held) {
        sendMove(4, {1, 1}); // elsewhere first
        sendMove(2, {7, 9}, h.buttons, h.shift);
        EXPECT_EQ(tipGeometry(), plain);
        EXPECT_EQ(tip()->Text(), code);
        EXPECT_EQ(currentcode, code);
    }
}

TEST_F(PanelTest, ShowmessageWhileTheTipIsShownChangesNothing)
{
    clickSyllable(2);
    sendMove(1, {10, 10});
    const QRect shown = tipGeometry();
    const QString code = tip()->Text();
    panel().CurrentX = 5000;
    panel().CurrentY = 1000;
    currentcode = QStringLiteral("WWWW");
    panel().showmessage();
    EXPECT_EQ(tipGeometry(), shown);
    EXPECT_EQ(tip()->Text(), code);
}

TEST_F(PanelTest, TipSurvivesBackUntilTheNextHover)
{
    clickSyllable(2);
    sendMove(3, {10, 10});
    const QRect shown = tipGeometry();
    const QString code = tip()->Text();

    clickBack();
    EXPECT_TRUE(tip()->Visible());
    chooseLetter("B");
    clickSyllable(2); // "ba"
    EXPECT_TRUE(tip()->isVisible());
    EXPECT_EQ(tipGeometry(), shown);
    EXPECT_EQ(tip()->Text(), code);

    sendMove(3, {10, 10});
    EXPECT_EQ(tip()->Text(), this->code(3, panel().Command(3)->Caption()));
}

TEST_F(PanelTest, EveryPositionSearchesItsOwnTable)
{
    openSyllable("Y", 7); // "yi" reaches every position
    for (int N = 1; N <= kPositions; ++N) {
        const QString caption = panel().Command(N)->Caption();
        sendMove(N, {2, 2});
        ASSERT_EQ(currentcode, code(N, caption)) << N;
        EXPECT_EQ(panel().Command(N)->MousePointer(), forms::Arrow);
    }
    // The blank grid buttons have no hover procedure.
    const QRect shown = tipGeometry();
    sendMove(104, {2, 2});
    EXPECT_EQ(tipGeometry(), shown);
    EXPECT_FALSE(panel().Command(104)->testAttribute(Qt::WA_SetCursor));
}

TEST_F(PanelTest, SumThatIsNotFiniteStopsTheHoverAndTheProgramGoesOn)
{
    clickSyllable(2);
    sendMove(1, {10, 10});
    const float x = panel().CurrentX;
    const float y = panel().CurrentY;
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    sendMove(1, {inf, 1});
    EXPECT_FALSE(tip()->Visible());
    EXPECT_EQ(panel().CurrentX, x);
    EXPECT_EQ(panel().CurrentY, y);
    sendMove(1, {nan, 1});
    EXPECT_FALSE(tip()->Visible());
    EXPECT_EQ(panel().CurrentX, x);
    sendMove(1, {1, -inf});
    EXPECT_FALSE(tip()->Visible());
    EXPECT_EQ(panel().CurrentX, 120.0f + 15.0f);
    EXPECT_EQ(panel().CurrentY, y);

    // Far but finite places are kept as the tip position; the tip itself
    // stays inside the panel.
    sendMove(2, {1e30, 1e30});
    EXPECT_TRUE(tip()->Visible());
    EXPECT_EQ(panel().CurrentX, 600.0f + float(1e30 * 15));
    EXPECT_EQ(panel().CurrentY, 120.0f + float(1e30 * 15));
    EXPECT_TRUE(panel().rect().contains(tipGeometry()));

    sendMove(2, {3, 3});
    EXPECT_TRUE(tip()->Visible());
    EXPECT_EQ(tip()->Left(), 600.0f + 45.0f);
}

// The tip never passes the right or bottom edge of the client area as it is
// now, never the left or top edge either, and keeps the pointer's place
// wherever it fits.
TEST_F(PanelTest, TipStaysInsideThePanel)
{
    const struct Case {
        const char *letter;
        const char *syllable;
        int size; // the panel's client area resized to size x size px; 0: as designed
        int first; // an earlier hover that sets the code shown, or 0
        int N;
        QPoint place; // the pointer in button N
        const char *code;
        bool shifted;
        bool raised;
    } cases[] = {
        // The right-hand column, the pointer near the button's right edge,
        // with codes of one to four letters.
        {"G", "gong", 0, 1, 20, {31, 20}, "A", true, false},
        {"W", "wan", 0, 0, 20, {28, 12}, "GQ", true, false},
        {"Q", "qi", 0, 0, 20, {31, 3}, "PYR", true, false},
        {"B", "ba", 0, 0, 20, {32, 12}, "ARDY", true, false},
        {"F", "fu", 0, 0, 40, {31, 12}, "OW", true, false},
        {"X", "xi", 0, 0, 40, {30, 12}, "RDMB", true, false},
        {"Q", "qi", 0, 0, 60, {31, 12}, "PYDW", true, false},
        {"J", "ji", 0, 0, 80, {31, 12}, "QVN", true, false},
        {"Y", "yi", 0, 0, 100, {31, 24}, "MCGH", true, false},
        {"J", "ji", 0, 0, 100, {1, 1}, "PHI", false, false},
        {"Y", "yi", 0, 0, 1, {1, 1}, nullptr, false, false},
        // A widened panel needs no shift.
        {"B", "ba", 1000, 0, 20, {32, 24}, "ARDY", false, false},
        // A narrowed and a shortened panel.
        {"Y", "yi", 200, 0, 6, {31, 12}, nullptr, true, false},
        {"Y", "yi", 100, 0, 62, {30, 20}, nullptr, true, true},
        // Smaller than the tip: it starts at the left and top edges.
        {"Y", "yi", 10, 0, 1, {8, 8}, nullptr, true, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.syllable) + " at " + std::to_string(c.N));
        const auto syllables = syllablesOf(c.letter);
        const auto slot = std::find(syllables.begin(), syllables.end(), std::string_view(c.syllable));
        ASSERT_NE(slot, syllables.end());
        chooseLetter(QString::fromLatin1(c.letter));
        clickSyllable(int(slot - syllables.begin()) + 2);
        CharacterPanel &p = panel();
        p.resize(c.size ? QSize(c.size, c.size) : QSize(659, 182));
        QApplication::processEvents();
        if (c.first)
            sendMove(c.first, {2, 2});
        sendMove(c.N, c.place);
        forms::CommandButton *button = p.Command(c.N);
        if (c.code) {
            EXPECT_EQ(tip()->Text(), QString::fromLatin1(c.code));
        }
        EXPECT_EQ(tip()->Text(), currentcode);
        EXPECT_EQ(p.CurrentX, button->Left() + forms::twips(c.place.x()));
        EXPECT_EQ(p.CurrentY, button->Top() + forms::twips(c.place.y()));
        EXPECT_EQ(tip()->Width(), p.TextWidth(currentcode) + 120.0f);
        const float right = forms::twips(p.width());
        const float bottom = forms::twips(p.height());
        if (c.shifted)
            EXPECT_EQ(tip()->Left(), std::max(0.0f, right - tip()->Width()));
        else
            EXPECT_EQ(tip()->Left(), p.CurrentX);
        if (c.raised)
            EXPECT_EQ(tip()->Top(), std::max(0.0f, bottom - tip()->Height()));
        else
            EXPECT_EQ(tip()->Top(), p.CurrentY);
        // In pixels: the whole tip inside the client area where it fits.
        const QRect g = tipGeometry();
        EXPECT_GE(g.left(), 0);
        EXPECT_GE(g.top(), 0);
        if (tip()->Width() <= right) {
            EXPECT_LE(g.right(), p.width() - 1);
        }
        if (tip()->Height() <= bottom) {
            EXPECT_LE(g.bottom(), p.height() - 1);
        }
        clickBack();
    }
}

// The width of the text area of a line edit: its contents without the
// frame, the text margins and the line edit's own margin of 2 pixels a side.
int textAreaWidth(const QLineEdit *edit)
{
    QStyleOptionFrame frame;
    frame.initFrom(edit);
    frame.lineWidth = edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, edit) : 0;
    const QRect contents = edit->style()->subElementRect(QStyle::SE_LineEditContents, &frame, edit);
    return contents.marginsRemoved(edit->textMargins()).width() - 2 * 2;
}

// The whole code shows in the tip, TextWidth(code) + 120 twips wide: a
// plain line edit of that width would scroll "WWKW" past its first letter.
TEST_F(PanelTest, TipShowsTheWholeCode)
{
    clickSyllable(2);
    QString widest = QStringLiteral("WWKW");
    for (int N = 1; N <= kPositions; ++N)
        for (const CodeEntry &entry : codeTable(N))
            if (panel().TextWidth(forms::toQString(entry.code)) > panel().TextWidth(widest))
                widest = forms::toQString(entry.code);

    // In the styles at hand, whose frames differ.
    for (const char *styleName : {"fusion", "windows"}) {
        std::unique_ptr<QStyle> style(QStyleFactory::create(styleName));
        ASSERT_TRUE(style) << styleName;
        tip()->setStyle(style.get());
        for (const QString &code : {QStringLiteral("WWKW"), widest, QStringLiteral("WWWW"), QStringLiteral("I")}) {
            tip()->setVisible(false);
            currentcode = code;
            panel().showmessage();
            tip()->grab(); // lays the text out as it is shown
            const QFontMetricsF metrics(tip()->font());
            // Room for the text and the cursor after it: nothing scrolls.
            EXPECT_GE(textAreaWidth(tip()), std::ceil(metrics.horizontalAdvance(code)) + 1)
                << styleName << " " << code.toStdString();
            EXPECT_EQ(tip()->cursorPositionAt(QPoint(0, tip()->height() / 2)), 0)
                << styleName << " " << code.toStdString();
        }
        tip()->setStyle(nullptr);
    }
}

} // namespace
} // namespace tovrik::testing
