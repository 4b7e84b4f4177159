#include "core/tally.h"

#include <algorithm>

namespace crucirco {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The leading decimal digits of a caption, after any leading blanks, without
// leading zeros; empty when the value is 0.
std::string leadingNumber(std::string_view caption)
{
    auto first = std::find_if_not(caption.begin(), caption.end(), [](char c) { return c == ' '; });
    auto end = std::find_if_not(first, caption.end(), isDigit);
    first = std::find_if(first, end, [](char c) { return c != '0'; });
    return std::string(first, end);
}

} // namespace

void Tally::increment()
{
    std::string digits = leadingNumber(caption_);
    auto pos = digits.rbegin();
    for (; pos != digits.rend() && *pos == '9'; ++pos)
        *pos = '0';
    if (pos == digits.rend())
        digits.insert(digits.begin(), '1');
    else
        ++*pos;
    caption_ = std::move(digits);
}

} // namespace crucirco
