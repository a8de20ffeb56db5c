// The index window Form2: the letter list, the 36 syllable buttons, the
// title, the web-address label and the note.
#pragma once

#include "forms.h"

#include <array>

namespace tovrik {

// The program's icon, carried by both windows: its pictures of 16, 32 and 48
// pixels, compiled in (index/icon/make-icon.py draws them).
extern const std::array<forms::Picture, 3> kProgramIcon;

class IndexWindow : public forms::Window {
    Q_OBJECT
public:
    IndexWindow();

    forms::Label *Label1;
    forms::Label *Label2;
    forms::ComboBox *Combo1;
    forms::Label *Label3;
    // The syllable button numbered K (2..37); it carries syllable slot K - 1.
    forms::CommandButton *Command(int K) const { return syllableButtons_[std::size_t(K - 2)]; }

    void Form_Load();
    void Combo1_Click();
    // The Click procedure of the syllable button of the given slot (1..36).
    void CommandK_Click(int slot);
    void Label2_Click();

private:
    std::array<forms::CommandButton *, 36> syllableButtons_{};
};

// The one program-wide index window, created and loaded on first use.
IndexWindow &Form2();
// Destroys the index window at the end of the program.
void releaseForm2();

// The maker's web page, and the host name that Label2 shows.
QString webAddress();

} // namespace tovrik
