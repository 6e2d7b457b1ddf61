#pragma once

#include "UtilExport.h"

namespace pellam::input {

// The validation kinds of the entry fields; other numbers only give the
// Enter-moves-on behaviour.
enum KeyKind : int {
    UpperCase = 1,
    UcaseAlphabetOnly = 2,
    NumberOnly = 3,
    NumwithDecimalPoint = 4,
    NumAndSpecialChar = 5,
    AnyAlphabet = 6,
    NumAndAlphabetOnly = 7,
    NumAndAlphaAnyCase = 8,
    LowerCase = 9,
    LowerCaseAlphabetOnly = 10,
    UCaseAlphaSpace = 11,
    LCaseAlphaSpace = 12,
    AlphaSpecialChar = 13,
};

struct KeyVerdict {
    int code = 0;        // 0: the key is dropped
    bool moveOn = false; // Enter: move to the next field as Tab would
};

// Judges one typed character code (Western code page; 8 backspace, 13 Enter).
PELLAM_UTIL_EXPORT KeyVerdict judgeKey(int code, int kind, bool enterForTab = true,
                                       bool skipControlKeys = true);

// Moves the focus on, as a Tab keystroke does, through the event queue.
PELLAM_UTIL_EXPORT void sendTab();

} // namespace pellam::input
