#include "platform/EditField.h"

#include <cstdint>

namespace {
// Decodes one UTF-8 sequence at `pos`, moving `pos` past it. Malformed input
// gives -1 and skips one byte, so decoding always makes progress.
int32_t NextCodePoint(std::string_view utf8, size_t& pos) {
    unsigned char lead = static_cast<unsigned char>(utf8[pos++]);
    if (lead < 0x80)
        return lead;
    int extra = 0;
    int32_t code = 0;
    int32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1, code = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2, code = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3, code = lead & 0x07, minimum = 0x10000;
    } else {
        return -1;
    }
    size_t start = pos;
    for (int i = 0; i < extra; ++i) {
        if (pos >= utf8.size() || (static_cast<unsigned char>(utf8[pos]) & 0xC0) != 0x80) {
            pos = start;
            return -1;
        }
        code = (code << 6) | (static_cast<unsigned char>(utf8[pos++]) & 0x3F);
    }
    return code < minimum ? -1 : code;  // overlong forms are malformed
}

bool Printable(int32_t code) {
    return (code >= 0x20 && code < 0x7F) || (code >= 0xA0 && code <= 0xFF);
}
}  // namespace

std::string EditField::ToLatin1(std::string_view utf8) {
    std::string out;
    size_t pos = 0;
    while (pos < utf8.size()) {
        int32_t code = NextCodePoint(utf8, pos);
        if (Printable(code))
            out.push_back(static_cast<char>(code));
    }
    return out;
}

void EditField::Type(std::string_view utf8) {
    std::string bytes = ToLatin1(utf8);
    text_.insert(caret_, bytes);
    caret_ += bytes.size();
}

void EditField::Backspace() {
    if (caret_ == 0)
        return;
    text_.erase(--caret_, 1);
}

void EditField::Delete() {
    if (caret_ < text_.size())
        text_.erase(caret_, 1);
}

void EditField::MoveLeft() {
    if (caret_ > 0)
        --caret_;
}

void EditField::MoveRight() {
    if (caret_ < text_.size())
        ++caret_;
}
