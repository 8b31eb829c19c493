#include "settings/value_fields.h"

#include "common/text.h"

namespace qv {

bool FieldCutter::Next(std::string* token) {
    if (ended_ || fields_ >= grammar_.mostFields) return false;
    token->clear();
    ++fields_;
    bool full = false;
    while (position_ < value_.size()) {
        const char c = value_[position_];
        if (grammar_.lineEndEnds && (c == '\r' || c == '\n')) break;
        if (value_.compare(position_, grammar_.separator.size(), grammar_.separator) == 0) {
            position_ += grammar_.separator.size();
            return true;
        }
        // Walking whole characters keeps a trail byte from being taken for a separator.
        const size_t step = IsLeadByte(c) && position_ + 1 < value_.size() ? 2 : 1;
        if (!full && token->size() + step <= grammar_.tokenLimit) token->append(value_.substr(position_, step));
        else full = true;
        position_ += step;
    }
    ended_ = true;
    return true;
}

}  // namespace qv
