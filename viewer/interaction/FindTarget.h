// What the find dialog searches and where it shows a match: the view's
// document text, its caret, and the selection of a match.
#pragma once

#include "viewer/interaction/TextSearch.h"

namespace interaction {

class FindTarget {
public:
    virtual model::Text& SearchText() = 0;
    virtual model::TextPos Caret() const = 0;
    // Selects the match and puts the caret at its start when searching
    // upwards, at its end otherwise.
    virtual void SelectFound(const FoundRange& match, bool upwards) = 0;

protected:
    ~FindTarget() = default;
};

}  // namespace interaction
