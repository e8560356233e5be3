#include "quoddle/modCommand.h"
#include "quoddle/track_number.h"
#include "rt/convert.h"

namespace quoddle::modCommand {

CommandLineRequest ReadCommandLine(const std::string& commandLine) {
    const std::string upper = rt::UCase(commandLine);
    if (upper.find("/PLAY") != std::string::npos) return {CommandLineRequest::Kind::PlayDisc};
    const auto p = upper.find("TRACK");
    if (p == std::string::npos || upper.size() < 3 || upper.compare(upper.size() - 3, 3, "CDA") != 0) return {};
    short track = 0;
    const std::string digits = p + 5 < upper.size() ? upper.substr(p + 5, 2) : "";
    // Only a track that can exist is played; "Track5x.cda" asks for none.
    if (!quoddle::ReadTrackNumber(digits, track)) return {};
    return {CommandLineRequest::Kind::PlayTrack, track};
}

}  // namespace quoddle::modCommand
