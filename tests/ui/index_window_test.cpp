// The index window: its start state and layout, the letter list, the
// syllable buttons' clicks and the web-address label.
#include "fixture.h"

#include <QDesktopServices>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QUrl>

namespace tovrik::testing {
namespace {

using IndexWindowTest = Ui;

const QStringList kRowA{"a", "ai", "an", "ang", "ao"};

QStringList blanks(int n)
{
    QStringList list;
    for (int i = 0; i < n; ++i)
        list.append(QString());
    return list;
}

TEST_F(IndexWindowTest, StartState)
{
    IndexWindow &w = index();
    EXPECT_EQ(w.Caption(), QStringLiteral("Ombrel“Fendle”软件系列"));
    ASSERT_EQ(w.Combo1->count(), 26);
    for (int i = 0; i < 26; ++i)
        EXPECT_EQ(w.Combo1->itemText(i), QString(QChar('A' + i)));
    EXPECT_EQ(w.Combo1->Text(), "A");
    EXPECT_EQ(syllableCaptions(), kRowA + blanks(31));
    QWidget *focus = w.focusWidget();
    EXPECT_TRUE(focus == w.Combo1 || focus == w.Combo1->lineEdit());
    EXPECT_FALSE(form1Exists());
    EXPECT_FALSE(w.windowIcon().isNull());
}

TEST_F(IndexWindowTest, LayoutInTwips)
{
    IndexWindow &w = index();
    // 15 twips a pixel: the client area is 6390 x 3795 and cannot be resized.
    EXPECT_EQ(w.size(), QSize(426, 253));
    EXPECT_EQ(w.minimumSize(), w.maximumSize());
    EXPECT_FALSE(w.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(w.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(w.Label1->geometry(), QRect(80, 16, 281, 33));
    EXPECT_EQ(w.Label2->geometry(), QRect(112, 56, 201, 17));
    EXPECT_EQ(w.Combo1->pos(), QPoint(160, 88));
    EXPECT_EQ(w.Combo1->width(), 97);
    EXPECT_EQ(w.Label3->geometry(), QRect(24, 224, 393, 17));
    for (int K = 2; K <= 37; ++K)
        EXPECT_EQ(w.Command(K)->geometry(), QRect(32 + 40 * ((K - 2) % 9), 120 + 24 * ((K - 2) / 9), 44, 25)) << K;

    EXPECT_EQ(w.Label3->Caption(), QStringLiteral("说明：用五笔输入汉字时，启动本软件，遇到难字可即查即用。"));
    EXPECT_EQ(QFontInfo(w.Label1->font()).family(), "AR PL SungtiL GB");
    EXPECT_EQ(w.Label1->font().pixelSize(), 29); // 21.75 pt
    EXPECT_TRUE(w.Label1->font().bold());
    EXPECT_TRUE(w.Label2->font().underline());
    EXPECT_EQ(QFontInfo(w.Label3->font()).family(), "AR PL KaitiM GB");
    EXPECT_EQ(w.Label3->font().pixelSize(), 14); // 10.5 pt
    EXPECT_EQ(w.Label1->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(w.Label2->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_EQ(w.Label3->palette().color(QPalette::Window), QColor(0xC0, 0xFF, 0xC0));
    EXPECT_EQ(w.palette().color(QPalette::Window), QColor(0xFF, 0xE0, 0xC0));
    EXPECT_EQ(w.Label2->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(IndexWindowTest, TabOrderRunsFromTheListThroughTheButtons)
{
    const int order[36] = {2,  3,  4,  5,  6,  7,  8,  9,  11, 12, 13, 14, 15, 16, 20, 21, 22, 10,
                           17, 23, 24, 25, 26, 29, 30, 31, 32, 33, 34, 35, 18, 19, 27, 28, 36, 37};
    QWidget *previous = index().Combo1;
    for (int K : order) {
        QWidget *next = previous->nextInFocusChain();
        while (next->focusPolicy() == Qt::NoFocus || next->focusProxy())
            next = next->nextInFocusChain();
        EXPECT_EQ(next, index().Command(K)) << "after " << previous->objectName().toStdString() << " expected " << K;
        previous = index().Command(K);
    }
}

TEST_F(IndexWindowTest, ChoosingLettersWritesTheirSyllables)
{
    chooseLetter("Z");
    const QStringList z = syllableCaptions();
    EXPECT_EQ(z.count(QString()), 0);
    EXPECT_EQ(index().Command(37)->Caption(), "zuo");

    chooseLetter("A");
    EXPECT_EQ(syllableCaptions(), kRowA + blanks(31));

    chooseLetter("O");
    EXPECT_EQ(syllableCaptions(), QStringList({"o", "ou"}) + blanks(34));

    for (const char *letter : {"I", "U", "V"}) {
        chooseLetter(letter);
        EXPECT_EQ(syllableCaptions(), blanks(36)) << letter;
    }

    chooseLetter("L");
    EXPECT_EQ(index().Command(21)->Caption(), "lu");
    EXPECT_EQ(index().Command(22)->Caption(), "lv");
    chooseLetter("L"); // the letter already chosen
    EXPECT_EQ(index().Command(22)->Caption(), "lv");
    EXPECT_EQ(index().Command(26)->Caption(), "luo");
    EXPECT_EQ(index().Combo1->count(), 26);
}

TEST_F(IndexWindowTest, ArrowKeysChooseToo)
{
    forms::ComboBox *combo = index().Combo1;
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(combo->Text(), "B");
    EXPECT_EQ(index().Command(2)->Caption(), "ba");
    EXPECT_EQ(index().Command(17)->Caption(), "bu");
}

TEST_F(IndexWindowTest, TypingIntoTheListRunsNothing)
{
    forms::ComboBox *combo = index().Combo1;
    QLineEdit *field = combo->lineEdit();
    const QStringList before = syllableCaptions();
    for (const char *typed : {"Z", "b", "zz"}) {
        field->selectAll();
        QTest::keyClicks(field, typed);
        QTest::keyClick(field, Qt::Key_Return);
        index().Command(2)->setFocus(); // leaving the field ends the editing
        EXPECT_EQ(combo->Text(), typed);
        EXPECT_EQ(syllableCaptions(), before) << typed;
        EXPECT_EQ(combo->count(), 26) << typed;
    }
    // A syllable button clicked afterwards works with the caption it has.
    clickSyllable(3);
    EXPECT_EQ(panel().Command(1)->Caption(), QStringLiteral("埃")); // the first of "ai"
}

TEST_F(IndexWindowTest, SyllableClickFillsThePanelAndHidesTheIndex)
{
    clickSyllable(2); // "a", written at start
    EXPECT_EQ(panelCaptions(1, 7).join(""), QStringLiteral("啊阿呵吖锕腌嗄"));
    EXPECT_EQ(panelCaptions(8, 116), blanks(109));
    EXPECT_TRUE(panel().isVisible());
    EXPECT_FALSE(index().isVisible());
    EXPECT_FALSE(panel().Text1->Visible());
}

TEST_F(IndexWindowTest, BlankButtonCreatesAndShowsAnEmptyPanel)
{
    ASSERT_FALSE(form1Exists());
    clickSyllable(7); // blank under "A"
    ASSERT_TRUE(form1Exists());
    EXPECT_EQ(panelCaptions(1, 116), blanks(116));
    EXPECT_TRUE(panel().isVisible());
    EXPECT_FALSE(index().isVisible());

    clickBack();
    chooseLetter("V");
    clickSyllable(2);
    EXPECT_EQ(panelCaptions(1, 104), blanks(104));
}

TEST_F(IndexWindowTest, EachClickRewritesTheWholePanel)
{
    openSyllable("J", 2); // ji, 100 characters
    EXPECT_EQ(panelCaptions(1, 100).count(QString()), 0);
    clickBack();
    openSyllable("K", 2); // ka, 7 characters
    EXPECT_EQ(panelCaptions(1, 7).count(QString()), 0);
    EXPECT_EQ(panelCaptions(8, 104), blanks(97));

    clickBack();
    openSyllable("Y", 7); // yi, 103 characters
    EXPECT_EQ(panelCaptions(1, 103).count(QString()), 0);
    EXPECT_EQ(panel().Command(104)->Caption(), QString());

    clickBack();
    openSyllable("Z", 37); // zuo, the only syllable of slot 36
    const auto zuo = findRow(36, u"zuo");
    ASSERT_TRUE(zuo.has_value());
    EXPECT_EQ(panelCaptions(1, int(zuo->characters.size())).join(""), forms::toQString(zuo->characters));
}

TEST_F(IndexWindowTest, BackShowsTheIndexAsItWasLeft)
{
    chooseLetter("N");
    const QStringList before = syllableCaptions();
    clickSyllable(23); // nv
    clickBack();
    EXPECT_TRUE(index().isVisible());
    EXPECT_FALSE(panel().isVisible());
    EXPECT_EQ(index().Combo1->Text(), "N");
    EXPECT_EQ(syllableCaptions(), before);
}

TEST_F(IndexWindowTest, SpaceAndEnterClickAFocusedButton)
{
    index().Command(2)->setFocus();
    QTest::keyClick(index().Command(2), Qt::Key_Space);
    EXPECT_TRUE(panel().isVisible());
    EXPECT_EQ(panel().Command(1)->Caption(), QStringLiteral("啊"));

    clickBack();
    chooseLetter("B");
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        index().Command(3)->setFocus();
        QTest::keyClick(index().Command(3), key);
        EXPECT_TRUE(panel().isVisible());
        EXPECT_EQ(panel().Command(1)->Caption(), forms::toQString(findRow(2, u"bai")->characters.substr(0, 1)));
        clickBack();
    }
}

// Receives the addresses the desktop is asked to open.
class AddressCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls.append(url); }
};

TEST_F(IndexWindowTest, WebAddressLabelOpensTheFullAddress)
{
    EXPECT_EQ(index().Label2->Caption(), QStringLiteral("Ombrel软件网址：ombrel.example"));

    // With no handler for web addresses nothing happens and the window goes on.
    QTest::mouseClick(index().Label2, Qt::LeftButton);
    EXPECT_TRUE(index().isVisible());

    AddressCatcher catcher;
    QDesktopServices::setUrlHandler("https", &catcher, "open");
    QTest::mouseClick(index().Label2, Qt::LeftButton);
    QDesktopServices::unsetUrlHandler("https");
    ASSERT_EQ(catcher.urls.size(), 1);
    EXPECT_EQ(catcher.urls.front().toString(), "https://ombrel.example/");
    EXPECT_EQ(syllableCaptions(), kRowA + blanks(31));
}

// Every label's caption fits its label in the label's own font; with a
// longer host name in TOVRIK_WEB_ADDRESS the web-address label would not.
TEST_F(IndexWindowTest, EveryCaptionFitsItsLabel)
{
    clickSyllable(2);
    for (const forms::Label *label : {index().Label1, index().Label2, index().Label3, panel().Label1}) {
        const QFontMetricsF metrics(label->font());
        const QRect room = label->contentsRect();
        const qreal needed = metrics.horizontalAdvance(label->Caption());
        EXPECT_LE(needed, room.width()) << "\"" << label->Caption().toStdString() << "\" needs " << needed
                                        << " px in a label " << room.width() << " px wide";
        EXPECT_LE(metrics.height(), room.height()) << label->Caption().toStdString();
    }
}

} // namespace
} // namespace tovrik::testing

#include "index_window_test.moc"
