#include "engine/replace_action.h"

#include "engine/constants.h"
#include "engine/replace.h"

namespace wendral {
namespace {

// Reads one box and turns its line breaks into the token; the text read is released at once.
Text read_encoded(Boxes& boxes, UnitId unit) {
    Text read = boxes.read_text(main_window_id, unit);
    Text encoded = replace_text(read.view(), constants::line_break, constants::line_break_token,
                                not_given, not_given, true);
    read.reset();
    return encoded;
}

}  // namespace

void replace_action(Boxes& boxes) {
    Text source = read_encoded(boxes, source_box_id);
    Text find = read_encoded(boxes, find_box_id);
    Text replacement = read_encoded(boxes, replacement_box_id);

    Text replaced = replace_text(source.view(), find.view(), replacement.view(), not_given,
                                 not_given, true);
    Text outcome = replace_text(replaced.view(), constants::line_break_token,
                                constants::line_break, not_given, not_given, true);
    boxes.write_text(main_window_id, result_box_id, outcome);
    outcome.reset();

    boxes.show_notice(constants::completion_notice);

    // The working texts are released in a fixed order, after the notice has been dismissed.
    source.reset();
    find.reset();
    replacement.reset();
    replaced.reset();
}

}  // namespace wendral
