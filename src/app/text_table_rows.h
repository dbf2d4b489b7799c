#pragma once

#include "app/text_state.h"

namespace kavalto {

struct TextRow {
    TextId id;
    const char* text;            // UTF-8
};

// Each table ends with a row whose id is -1.
extern const TextRow kTableA[];  // button captions
extern const TextRow kTableB[];  // page headings, field labels, list headings
extern const TextRow kTableC[];  // list entries, choices, prompts, messages

}  // namespace kavalto
