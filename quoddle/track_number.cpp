#include "quoddle/track_number.h"

#include "rt/convert.h"

namespace quoddle {

bool ReadTrackNumber(const std::string& text, short& track) {
    short number = 0;
    if (!rt::TextToInteger(text, number) || number < 1 || number > 99) return false;
    track = number;
    return true;
}

}  // namespace quoddle
