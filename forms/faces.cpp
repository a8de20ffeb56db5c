#include "faces.h"

#include <QFontDatabase>

#include <cstdio>

namespace tovrik::forms {

QStringList classicFamilies(std::u16string_view name)
{
    if (name == u"宋体")
        return {QStringLiteral("AR PL SungtiL GB"), QStringLiteral("SimSun"), QStringLiteral("AR PL UMing CN"),
                QStringLiteral("Noto Serif CJK SC")};
    if (name == u"楷体_GB2312")
        return {QStringLiteral("AR PL KaitiM GB"), QStringLiteral("KaiTi_GB2312"), QStringLiteral("KaiTi"),
                QStringLiteral("AR PL UKai CN"), QStringLiteral("Noto Serif CJK SC")};
    return {};
}

namespace {

QString firstInstalled(const QStringList &candidates, const QStringList &installed)
{
    for (const QString &candidate : candidates)
        for (const QString &family : installed) {
            const qsizetype foundry = family.indexOf(QLatin1String(" ["));
            if (QStringView(family).left(foundry < 0 ? family.size() : foundry).compare(candidate, Qt::CaseInsensitive) == 0)
                return candidate;
        }
    return {};
}

} // namespace

Faces chooseFaces(const QStringList &installed)
{
    Faces faces{firstInstalled(classicFamilies(u"宋体"), installed),
                firstInstalled(classicFamilies(u"楷体_GB2312"), installed), {}};
    if (faces.song.isEmpty() && faces.kai.isEmpty())
        faces.warning = QStringLiteral("tovrik: neither the Song nor the Kai face is installed, and Chinese text may "
                                       "show as empty boxes. Install the Debian packages fonts-arphic-gbsn00lp "
                                       "(Song face) and fonts-arphic-gkai00mp (Kai face).");
    return faces;
}

const Faces &installedFaces()
{
    static const Faces faces = [] {
        Faces chosen = chooseFaces(QFontDatabase::families());
        if (!chosen.warning.isEmpty())
            std::fprintf(stderr, "%s\n", chosen.warning.toLocal8Bit().constData());
        return chosen;
    }();
    return faces;
}

} // namespace tovrik::forms
