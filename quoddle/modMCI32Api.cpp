#include "quoddle/modMCI32Api.h"

#include <climits>

#include "foundation/modWin32Api.h"
#include "quoddle/mci_send.h"
#include "rt/convert.h"

namespace modMCI32Api {
namespace {

constexpr UINT kReplyLength = 30;
constexpr UINT kSkipReplyLength = 40;

// A command without a reply: the buffer "0" with the length 0.
MCIERROR Send(const std::string& command) {
    char none[] = "0";
    return MciSend(command, none, 0);
}

// A query: a buffer of blanks; the reply is its text up to the first NUL,
// trimmed of blanks.
std::string Query(const std::string& command, UINT length = kReplyLength) {
    std::string buffer(length, ' ');
    MciSend(command, buffer.data(), length);
    return rt::Trim(modWin32Api::TrimAtNull(buffer));
}

// The characters from a 1-based position, as far as the text has them.
std::string Part(const std::string& text, size_t position, size_t count) {
    return position <= text.size() ? text.substr(position - 1, count) : "";
}

std::string ShortLength(const std::string& length, bool shortForm) {
    if (!shortForm) return length;
    const auto first = length.find(':');
    if (first == std::string::npos) return length;
    const auto second = length.find(':', first + 1);
    return second == std::string::npos ? length : length.substr(0, second);
}

std::string TwoDigits(short value) {
    const std::string text = std::to_string(value);
    return text.size() < 2 ? "0" + text : text;
}

// Plays on from the target while playing, else only moves there.
void MoveTo(const std::string& target) { Send((IsPlaying() ? "play cd from " : "seek cd to ") + target); }

void SkipBy(long long delta) {
    SetTimeFormatMilliseconds();
    long position = 0;
    if (rt::TextToLong(Query("status cd position wait", kSkipReplyLength), position)) {
        const long long target = position + delta;
        if (target >= LONG_MIN && target <= LONG_MAX) MoveTo(std::to_string(target));
    }
    SetTimeFormatTMSF();
}

}  // namespace

long InitCD() {
    long result = CloseAll();
    if (result == 0) result = OpenCD();
    if (result == 0) SetTimeFormatTMSF();
    return result;
}

long CloseAll() { return static_cast<long>(Send("close all")); }

long OpenCD() { return static_cast<long>(Send("open cdaudio alias cd wait shareable")); }

void SetTimeFormatTMSF() { Send("set cd time format tmsf wait"); }

void SetTimeFormatMilliseconds() { Send("set cd time format milliseconds"); }

void PlayCD() { Send("play cd"); }

void PauseCD() { Send("pause cd"); }

// No "stop": the head is to rest at the start of the track it was playing.
void StopCD() {
    PauseCD();
    short track = 0, minutes = 0, seconds = 0;
    GetPosition(track, minutes, seconds);
    SeekTrack(track);
}

void OpenDoor() { Send("set cd door open"); }

void CloseDoor() { Send("set cd door closed"); }

void SeekTrack(short track) { Send("seek cd to " + std::to_string(track)); }

void PlayTrack(short track) {
    StopCD();
    SeekTrack(track);
    PlayCD();
}

bool IsMediaPresent() { return rt::UCase(Query("status cd media present")) == "TRUE"; }

bool IsPlaying() { return rt::UCase(Query("status cd mode")) == "PLAYING"; }

short GetNumTracks() {
    std::string reply = Query("status cd number of tracks wait");
    if (reply.empty()) reply = "00";
    short tracks = 0;
    rt::TextToInteger(reply.substr(0, 2), tracks);
    return tracks;
}

std::string GetCDLength(bool shortForm) { return ShortLength(Query("status cd length wait"), shortForm); }

std::string GetTrackLength(short track, bool shortForm) {
    return ShortLength(Query("status cd length track " + std::to_string(track)), shortForm);
}

std::string GetPosition(short& track, short& minutes, short& seconds) {
    std::string reply = Query("status cd position");
    if (reply.empty()) reply = "00:00:00";
    // A part that does not read as a number leaves its value as it was.
    rt::TextToInteger(Part(reply, 1, 2), track);
    rt::TextToInteger(Part(reply, 4, 2), minutes);
    rt::TextToInteger(Part(reply, 7, 2), seconds);
    return reply;
}

void SkipForward(short milliseconds) { SkipBy(milliseconds); }

void SkipBack(short milliseconds) { SkipBy(-static_cast<long long>(milliseconds)); }

void GoToPosition(short track, short minutes, short seconds) {
    MoveTo(TwoDigits(track) + ":" + TwoDigits(minutes) + ":" + TwoDigits(seconds));
}

void ExitCD(bool stop, bool eject) {
    if (stop || eject) StopCD();
    if (eject) OpenDoor();
    CloseAll();
}

}  // namespace modMCI32Api
