#pragma once
// Positions and lengths in the MCI time formats a CD drive offers:
// milliseconds, msf (minutes, seconds, frames from the start of the disc)
// and tmsf (track, then minutes, seconds, frames within the track).
#include <windows.h>

#include "disc.h"

namespace vcd {

bool IsCdTimeFormat(DWORD format);

// A reply for winmm: the value and how winmm is to write it as text
// (0 a number, MCI_COLONIZED3_RETURN mm:ss:ff, MCI_COLONIZED4_RETURN tt:mm:ss:ff).
struct TimeReply {
    DWORD value = 0;
    LRESULT kind = 0;
};

// A position given in a command, as an absolute frame; false when the disc has
// no such place.
bool ToFrame(DWORD format, DWORD value, const Disc& disc, DWORD& frame);
// An absolute frame as a position reply.
TimeReply PositionReply(DWORD format, DWORD frame, const Disc& disc);
// A length as a reply: tmsf has no lengths of its own and gives them as msf.
TimeReply LengthReply(DWORD format, DWORD frames);

}  // namespace vcd
