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

bool exitingFromInside = false;

// Ends the program as the platform does when the display goes away: with
// exit(), from inside, the application object still alive. What is still
// allocated then is left to the process's end, so leak checking is off.
[[noreturn]] void exitFromInside()
{
    exitingFromInside = true;
    std::exit(3);
}

// When the display goes away, the windows must not be destroyed in the exit
// handlers, after the toolkit's own state is gone. In every state the program
// ends with the status it was given.
TEST_F(ProgramTest, ExitFromInsideEndsTheProgramCleanlyInEveryState)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(exitFromInside(), ::testing::ExitedWithCode(3), "") << "index window shown";
    EXPECT_EXIT(
        {
            clickSyllable(2);
            exitFromInside();
        },
        ::testing::ExitedWithCode(3), "")
        << "panel shown";
    EXPECT_EXIT(
        {
            clickSyllable(2);
            hover(1, {10, 10});
            exitFromInside();
        },
        ::testing::ExitedWithCode(3), "")
        << "tip shown";
}

} // namespace
} // namespace tovrik::testing

// Read by LeakSanitizer, where the tests are built with it, when the process
// ends.
extern "C" int __lsan_is_turned_off()
{
    return tovrik::testing::exitingFromInside ? 1 : 0;
}
