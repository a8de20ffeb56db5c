// The installed faces behind the classic Chinese font names: 宋体 (the Song
// face) and 楷体_GB2312 (the Kai face).
#pragma once

#include <QString>
#include <QStringList>

#include <string_view>

namespace tovrik::forms {

// The families that can stand for a classic name, best first: the installed
// GB2312 faces, then the usual names elsewhere. Empty for any other name.
QStringList classicFamilies(std::u16string_view name);

// The one family each classic name is drawn in, chosen from the installed
// families, and the line to write on standard error at start when neither
// face is installed (empty when at least one is).
struct Faces {
    QString song; // empty when no family of 宋体 is installed
    QString kai;  // empty when no family of 楷体_GB2312 is installed
    QString warning;
};

// Picks, for each classic name, the first of its families that installed
// holds. Family names compare without regard to case, and an installed
// "Family [foundry]" counts as Family.
Faces chooseFaces(const QStringList &installed);

// The faces of this process: chosen from the font database once, on first
// use, when the warning (if any) is written.
const Faces &installedFaces();

} // namespace tovrik::forms
