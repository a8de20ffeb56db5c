// A fresh program for each test: started by Main, both windows destroyed
// afterwards. Helpers act as the user does, through the real widgets.
#pragma once

#include "form1.h"
#include "form2.h"
#include "module1.h"
#include "tables.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

namespace tovrik::testing {

class Ui : public ::testing::Test {
protected:
    void SetUp() override
    {
        currentcode.clear();
        Main();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Form2()));
    }

    void TearDown() override
    {
        releaseForm1();
        releaseForm2();
        QApplication::processEvents();
    }

    static IndexWindow &index() { return Form2(); }
    static CharacterPanel &panel() { return form1(); }

    // Chooses a letter in the drop-down list with the mouse.
    static void chooseLetter(const QString &letter)
    {
        forms::ComboBox *combo = index().Combo1;
        const int row = combo->findText(letter);
        ASSERT_GE(row, 0) << letter.toStdString();
        combo->showPopup();
        QAbstractItemView *view = combo->view();
        const QModelIndex item = view->model()->index(row, 0);
        view->scrollTo(item);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(item).center());
        ASSERT_FALSE(view->isVisible());
    }

    // Clicks the syllable button numbered K.
    static void clickSyllable(int K)
    {
        QTest::mouseClick(index().Command(K), Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel()));
    }
    // Chooses a letter, then clicks the syllable button numbered K.
    static void openSyllable(const QString &letter, int K)
    {
        chooseLetter(letter);
        clickSyllable(K);
    }
    static void clickBack()
    {
        QTest::mouseClick(panel().Command(117), Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&index()));
    }

    // Moves the real pointer to a place inside a widget.
    static void pointAt(QWidget *widget, QPoint place) { QTest::mouseMove(widget, place); }
    static void hover(int N, QPoint place) { pointAt(panel().Command(N), place); }

    // A mouse move delivered to a character button alone, with any button
    // state, shift state or place.
    static void sendMove(int N, QPointF place, Qt::MouseButtons buttons = {}, Qt::KeyboardModifiers shift = {})
    {
        QWidget *button = panel().Command(N);
        QMouseEvent move(QEvent::MouseMove, place, button->mapToGlobal(place), Qt::NoButton, buttons, shift);
        QApplication::sendEvent(button, &move);
    }

    static QStringList panelCaptions(int from, int to)
    {
        QStringList captions;
        for (int N = from; N <= to; ++N)
            captions.append(panel().Command(N)->Caption());
        return captions;
    }
    static QStringList syllableCaptions()
    {
        QStringList captions;
        for (int K = 2; K <= 37; ++K)
            captions.append(index().Command(K)->Caption());
        return captions;
    }
    static QString code(int N, const QString &character)
    {
        const auto found = findCode(N, forms::u16(character));
        return found ? forms::toQString(*found) : QString();
    }
};

} // namespace tovrik::testing
