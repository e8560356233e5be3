#include "time_format.h"

#include <mmddk.h>

namespace vcd {
namespace {

DWORD MsfFrames(DWORD m, DWORD s, DWORD f) { return m * kFramesPerMinute + s * kFramesPerSecond + f; }

DWORD MakeMsf(DWORD frames) {
    return MCI_MAKE_MSF(frames / kFramesPerMinute, frames / kFramesPerSecond % 60, frames % kFramesPerSecond);
}

}  // namespace

bool IsCdTimeFormat(DWORD format) {
    return format == MCI_FORMAT_MILLISECONDS || format == MCI_FORMAT_MSF || format == MCI_FORMAT_TMSF;
}

bool ToFrame(DWORD format, DWORD value, const Disc& disc, DWORD& frame) {
    switch (format) {
    case MCI_FORMAT_TMSF: {
        const int track = MCI_TMSF_TRACK(value);
        if (!disc.hasTrack(track)) return false;
        frame = disc.trackStart(track) +
                MsfFrames(MCI_TMSF_MINUTE(value), MCI_TMSF_SECOND(value), MCI_TMSF_FRAME(value));
        break;
    }
    case MCI_FORMAT_MSF:
        frame = MsfFrames(MCI_MSF_MINUTE(value), MCI_MSF_SECOND(value), MCI_MSF_FRAME(value));
        break;
    default:
        frame = static_cast<DWORD>(static_cast<unsigned long long>(value) * kFramesPerSecond / 1000);
        break;
    }
    return frame >= kFirstTrackFrame && frame <= disc.end();
}

TimeReply PositionReply(DWORD format, DWORD frame, const Disc& disc) {
    switch (format) {
    case MCI_FORMAT_TMSF: {
        const int track = disc.trackAt(frame);
        const DWORD offset = frame - disc.trackStart(track);
        return {MCI_MAKE_TMSF(track, offset / kFramesPerMinute, offset / kFramesPerSecond % 60,
                              offset % kFramesPerSecond),
                MCI_COLONIZED4_RETURN};
    }
    case MCI_FORMAT_MSF:
        return {MakeMsf(frame), MCI_COLONIZED3_RETURN};
    default:
        return {frame * 1000 / kFramesPerSecond, 0};
    }
}

TimeReply LengthReply(DWORD format, DWORD frames) {
    if (format == MCI_FORMAT_MILLISECONDS) return {frames * 1000 / kFramesPerSecond, 0};
    return {MakeMsf(frames), MCI_COLONIZED3_RETURN};
}

}  // namespace vcd
