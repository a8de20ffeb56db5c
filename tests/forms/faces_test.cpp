// The choice of one installed family for each classic font name, and the
// warning when neither Chinese face is installed.
#include "faces.h"

#include <gtest/gtest.h>

namespace tovrik::forms {
namespace {

TEST(Faces, FirstInstalledFamilyOfEachClassicName)
{
    struct Case {
        QStringList installed;
        QString song;
        QString kai;
    };
    const Case cases[] = {
        // The GB2312 faces of Debian's packages.
        {{"DejaVu Sans", "AR PL SungtiL GB", "AR PL KaitiM GB"}, "AR PL SungtiL GB", "AR PL KaitiM GB"},
        // The list's order decides, not the database's.
        {{"AR PL UKai CN", "AR PL UMing CN", "KaiTi", "SimSun"}, "SimSun", "KaiTi"},
        // One face can stand for both names.
        {{"Noto Serif CJK SC"}, "Noto Serif CJK SC", "Noto Serif CJK SC"},
        // Names compare without case; a foundry in brackets is no part of the name.
        {{"ar pl sungtil gb [Arphic]", "AR PL KAITIM GB"}, "AR PL SungtiL GB", "AR PL KaitiM GB"},
        // Only the Kai face: the Song name has none, and there is no warning.
        {{"AR PL KaitiM GB"}, "", "AR PL KaitiM GB"},
        // A longer name is another family.
        {{"AR PL SungtiL GB Extra", "KaiTi_GB2312 Bold"}, "", ""},
        // A CJK face that is not in the lists does not count.
        {{"DejaVu Sans", "Droid Sans Fallback"}, "", ""},
        {{}, "", ""},
    };
    for (const Case &c : cases) {
        const Faces faces = chooseFaces(c.installed);
        const QString where = c.installed.join(", ");
        EXPECT_EQ(faces.song, c.song) << where.toStdString();
        EXPECT_EQ(faces.kai, c.kai) << where.toStdString();
        EXPECT_EQ(faces.warning.isEmpty(), !c.song.isEmpty() || !c.kai.isEmpty()) << where.toStdString();
    }
}

TEST(Faces, WarningNamesBothPackagesOnOneLine)
{
    const QString warning = chooseFaces({"DejaVu Sans"}).warning;
    EXPECT_TRUE(warning.contains("fonts-arphic-gbsn00lp")) << warning.toStdString();
    EXPECT_TRUE(warning.contains("fonts-arphic-gkai00mp")) << warning.toStdString();
    EXPECT_FALSE(warning.contains('\n'));
}

} // namespace
} // namespace tovrik::forms
