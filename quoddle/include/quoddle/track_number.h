#pragma once
#include <string>

namespace quoddle {

// Text that converts to a 16-bit integer naming a track a disc can have
// (1 to 99): "5", " 05 ", "3." and "&H5" do, "5x", "0" and "" do not.
bool ReadTrackNumber(const std::string& text, short& track);

}  // namespace quoddle
