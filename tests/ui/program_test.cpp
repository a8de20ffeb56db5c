// The program as a whole: closing either window, in any state, ends it.
#include "fixture.h"

#include <QMenu>
#include <QTimer>
#include <QTranslator>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <memory>

namespace tovrik::testing {
namespace {

using ProgramTest = Ui;

// Runs the program's event loop, closes a window from inside it, and tells
// whether the program then ended by itself.
bool closingEndsTheProgram(const std::function<void()> &close)
{
    QTimer::singleShot(0, close);
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    watchdog.start(5000);
    return QApplication::exec() == 0;
}

TEST_F(ProgramTest, ClosingTheIndexWindowRightAfterStartEndsTheProgram)
{
    EXPECT_TRUE(closingEndsTheProgram([] { Form2().close(); }));
    EXPECT_FALSE(form1Exists());
}

TEST_F(ProgramTest, ClosingThePanelEndsTheProgram)
{
    clickSyllable(2);
    ASSERT_FALSE(index().isVisible());
    EXPECT_TRUE(closingEndsTheProgram([] { form1().close(); }));
}

TEST_F(ProgramTest, ClosingTheIndexWindowWhileThePanelIsHiddenEndsTheProgram)
{
    clickSyllable(2);
    clickBack();
    ASSERT_FALSE(panel().isVisible());
    EXPECT_TRUE(closingEndsTheProgram([] { Form2().close(); }));
}

bool hasHan(const QString &text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x4E00 && c.unicode() <= 0x9FFF; });
}

// Qt's standard texts speak Chinese too: the tip's edit menu reads Chinese
// with Qt's translations at hand, and stays as it was without them.
TEST_F(ProgramTest, StandardTextsInChinese)
{
    clickSyllable(2);
    const auto menuTexts = [] {
        std::unique_ptr<QMenu> menu(panel().Text1->createStandardContextMenu());
        QStringList texts;
        for (const QAction *action : menu->actions())
            if (!action->isSeparator())
                texts.append(action->text());
        return texts;
    };
    const QStringList english = menuTexts();
    ASSERT_TRUE(english.contains(QStringLiteral("&Undo")) || english.contains(QStringLiteral("&Undo\tCtrl+Z")))
        << english.join(' ').toStdString();

    EXPECT_EQ(installStandardTexts(QStringLiteral("/nonexistent")), nullptr);
    EXPECT_EQ(menuTexts(), english);

    std::unique_ptr<QTranslator> translator(installStandardTexts());
    if (!translator)
        GTEST_SKIP() << "Qt's Simplified Chinese translations are not installed (qt6-translations-l10n)";
    const QStringList chinese = menuTexts();
    EXPECT_EQ(chinese.size(), english.size());
    for (const QString &text : chinese)
        EXPECT_TRUE(hasHan(text)) << text.toStdString();
}

// When the display goes away, the platform ends the program from inside
// with exit(): the windows must not be destroyed in the exit handlers then,
// after the toolkit's own state is gone. In every state the program ends
// with the status it was given.
TEST_F(ProgramTest, ExitFromInsideEndsTheProgramCleanlyInEveryState)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(std::exit(3), ::testing::ExitedWithCode(3), "") << "index window shown";
    EXPECT_EXIT(
        {
            clickSyllable(2);
            std::exit(3);
        },
        ::testing::ExitedWithCode(3), "")
        << "panel shown";
    EXPECT_EXIT(
        {
            clickSyllable(2);
            hover(1, {10, 10});
            std::exit(3);
        },
        ::testing::ExitedWithCode(3), "")
        << "tip shown";
}

} // namespace
} // namespace tovrik::testing
