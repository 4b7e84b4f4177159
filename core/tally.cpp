#include "core/tally.h"

namespace crucirco {

void Tally::increment()
{
    // Only this writes the caption: it is empty (no wins) or the count in
    // decimal digits. The trailing nines roll over to zeros and the digit
    // before them goes up; when every digit was a nine, a 1 leads.
    auto pos = caption_.rbegin();
    for (; pos != caption_.rend() && *pos == '9'; ++pos)
        *pos = '0';
    if (pos == caption_.rend())
        caption_.insert(caption_.begin(), '1');
    else
        ++*pos;
}

} // namespace crucirco
