// The bevels of the command buttons, rendered at the device pixel ratios of
// HiDPI screens: every button keeps its light and dark edges, also where its
// neighbour overlaps it by a logical pixel as in the character panel's grid.
#include "forms.h"

#include <QImage>
#include <QPalette>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <regex>
#include <string>

namespace tovrik::testing {
namespace {

// Colours that tell the layers apart, each read back as one letter.
constexpr QRgb kWindow = 0xFF00FF00;  // W: the parent around the buttons
constexpr QRgb kLight = 0xFFFFFFFF;   // L: outer light layer of a raised button
constexpr QRgb kButton = 0xFFE0E0E0;  // B: inner light layer
constexpr QRgb kDark = 0xFF808080;    // D: inner dark layer
constexpr QRgb kShadow = 0xFF404040;  // S: outer dark layer
constexpr QRgb kFill = 0xFFFFFFC0;    // F: the button's background colour
constexpr forms::Colour kFillColour = 0x00C0FFFF;

class BevelTest : public ::testing::TestWithParam<double> {
protected:
    BevelTest() : parent_(std::make_unique<QWidget>())
    {
        QPalette palette;
        palette.setColor(QPalette::Window, QColor::fromRgb(kWindow));
        palette.setColor(QPalette::Light, QColor::fromRgb(kLight));
        palette.setColor(QPalette::Button, QColor::fromRgb(kButton));
        palette.setColor(QPalette::Dark, QColor::fromRgb(kDark));
        palette.setColor(QPalette::Shadow, QColor::fromRgb(kShadow));
        parent_->setPalette(palette);
        parent_->setAutoFillBackground(true);
    }

    // A button placed in twips, as the windows place theirs.
    forms::CommandButton *button(float left, float top, float width, float height)
    {
        auto *b = new forms::CommandButton(parent_.get(), left, top, width, height);
        b->setBackColor(kFillColour);
        return b;
    }

    // The parent and its buttons, rendered at the test's device pixel ratio
    // into the device pixels that lie wholly inside the parent.
    QImage render()
    {
        const double ratio = GetParam();
        QImage image(int(parent_->width() * ratio), int(parent_->height() * ratio), QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::black);
        parent_->render(&image);
        return image;
    }

    // The layers met along a device row or column, one letter a run of equal
    // pixels; a pixel of any other colour reads as '?'.
    static std::string runs(const QImage &image, int fixed, bool alongRow)
    {
        std::string letters;
        const int length = alongRow ? image.width() : image.height();
        for (int i = 0; i < length; ++i) {
            const QRgb pixel = alongRow ? image.pixel(i, fixed) : image.pixel(fixed, i);
            const char letter = pixel == kWindow ? 'W'
                                : pixel == kLight ? 'L'
                                : pixel == kButton ? 'B'
                                : pixel == kDark ? 'D'
                                : pixel == kShadow ? 'S'
                                : pixel == kFill ? 'F'
                                                 : '?';
            if (letters.empty() || letters.back() != letter)
                letters += letter;
        }
        return letters;
    }
    // The device row or column through a logical coordinate.
    int device(double logical) const { return int(std::floor(logical * GetParam())); }

    std::unique_ptr<QWidget> parent_;
};

// Three by three buttons of the character panel's grid: 495 x 375 twips at a
// step of 480 x 360, each overlapping its left and upper neighbour by one
// logical pixel. Across the grid every button shows its light edges and,
// just before its neighbour begins, its dark one; the outer dark layer may
// show beside it where the overlap leaves room.
TEST_P(BevelTest, NeighboursInThePanelGridKeepTheirDarkEdges)
{
    parent_->resize(113, 89);
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            button(120.0f + 480.0f * float(column), 120.0f + 360.0f * float(row), 495, 375);
    const QImage image = render();
    const std::regex grid("WLBFDS?LBFDS?LBFDSW");
    for (int i = 0; i < 3; ++i) {
        const std::string across = runs(image, device(8 + 24 * i + 12), true);
        EXPECT_TRUE(std::regex_match(across, grid)) << "row " << i << ": " << across;
        const std::string down = runs(image, device(8 + 32 * i + 16), false);
        EXPECT_TRUE(std::regex_match(down, grid)) << "column " << i << ": " << down;
    }
}

// A pressed button turns its bevel over: dark edges top and left, light ones
// bottom and right.
TEST_P(BevelTest, PressedButtonIsSunken)
{
    parent_->resize(49, 41);
    button(120, 120, 495, 375)->setDown(true);
    const QImage image = render();
    EXPECT_EQ(runs(image, device(20), true), "WSDFBLW");
    EXPECT_EQ(runs(image, device(24), false), "WSDFBLW");
}

INSTANTIATE_TEST_SUITE_P(Scales, BevelTest, ::testing::Values(1.0, 1.25, 1.5, 2.0),
                         [](const ::testing::TestParamInfo<double> &info) {
                             return "Ratio" + std::to_string(int(std::lround(info.param * 100)));
                         });

} // namespace
} // namespace tovrik::testing
