#pragma once
#include <cstddef>
#include <string>
#include <string_view>

// The text of a one-line edit box and its caret. The text is kept as the
// single bytes the bitmap font draws (Latin-1): typed UTF-8 is converted and
// characters outside Latin-1, control characters included, are not taken.
class EditField {
  public:
    // Inserts typed text at the caret and moves the caret past it.
    void Type(std::string_view utf8);
    void Backspace();
    void Delete();
    void MoveLeft();
    void MoveRight();
    void MoveHome() { caret_ = 0; }
    void MoveEnd() { caret_ = text_.size(); }

    const std::string& Text() const { return text_; }
    size_t Caret() const { return caret_; }

    // Typed UTF-8 as printable Latin-1 bytes; anything else (other scripts,
    // emoji, controls, malformed sequences) is dropped.
    static std::string ToLatin1(std::string_view utf8);

  private:
    std::string text_;
    size_t caret_ = 0;
};
