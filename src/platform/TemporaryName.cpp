#include "platform/TemporaryName.h"

#include <string_view>

bool IsTemporaryName(const std::string& fileName) {
    const std::string_view mark = kTemporaryMark;
    const size_t at = fileName.rfind(mark);
    return at != std::string::npos && at > 0 &&
           fileName.size() == at + mark.size() + kTemporarySuffixLength;
}
