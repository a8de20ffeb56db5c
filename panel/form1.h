// The character panel form1: 116 grid buttons (103 character buttons and 13
// blank ones), the Back button, the hint label and the code tip.
#pragma once

#include "forms.h"

#include <array>

namespace tovrik {

// The code last found under the pointer: empty at start, never cleared.
extern QString currentcode;

class CharacterPanel : public forms::Window {
    Q_OBJECT
public:
    CharacterPanel();

    // The button numbered N: 1..103 the character buttons (panel position N),
    // 104..116 the blank grid buttons, 117 the Back button.
    forms::CommandButton *Command(int N) const { return buttons_[std::size_t(N - 1)]; }
    forms::TextBox *Text1;
    forms::Label *Label1;

    // Places, sizes, fills and shows the code tip, unless it is shown already.
    void showmessage();
    // The hover procedure of the character button at panel position N (1..103).
    void CommandN_MouseMove(int N, short Button, short Shift, float X, float Y);
    void Command117_Click();

private:
    std::array<forms::CommandButton *, 117> buttons_{};
};

// The one program-wide panel, created on first use.
CharacterPanel &form1();
bool form1Exists();
// Destroys the panel at the end of the program.
void releaseForm1();

} // namespace tovrik
