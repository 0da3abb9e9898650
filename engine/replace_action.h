// replace_action: what a press of 按钮1 does.
//
// It reads the source (编辑框1), the find text (编辑框3) and the replacement (编辑框4),
// turns every line break of each into the token "换行符", replaces every occurrence from the
// start, byte for byte, turns every token of the outcome back into a line break, writes the
// outcome into the result box (编辑框2) and shows the completion notice "替换完毕". Line breaks
// therefore travel through the replacement as a token, and a token typed by the user acts as
// a line break too.
//
// The action reaches the window only through the three operations of `Boxes`, so it runs
// without a window system.
#pragma once

#include <string_view>

#include "engine/text.h"
#include "engine/units.h"

namespace wendral {

class Boxes {
public:
    virtual ~Boxes() = default;
    // A new text holding the unit's text, or absent when it is empty.
    virtual Text read_text(UnitId window, UnitId unit) = 0;
    // The unit keeps its own copy; an absent text empties it.
    virtual void write_text(UnitId window, UnitId unit, const Text& text) = 0;
    // Returns once the user has dismissed the notice.
    virtual void show_notice(std::string_view text) = 0;
};

void replace_action(Boxes& boxes);

}  // namespace wendral
