// The MCI driver entry: winmm parses the command strings of a cdaudio device
// and hands them here as MCI messages with their parameter records.
#include <windows.h>
#include <mmsystem.h>
#include <mmddk.h>

#include "drive.h"
#include "time_format.h"

namespace vcd {
namespace {

// One open of the device; all opens share the one drive.
struct Instance {
    DWORD timeFormat = MCI_FORMAT_MSF;  // a drive's format after open
    bool open = false;
};

int g_opens = 0;
bool g_exclusive = false;  // the device is open without "shareable"

bool Has(LPARAM flags, DWORD flag) { return (static_cast<DWORD>(flags) & flag) != 0; }

// Flags beyond the ones a command knows are refused, notification included:
// this device answers every command before it returns and posts nothing.
bool OnlyFlags(LPARAM flags, DWORD known) { return (static_cast<DWORD>(flags) & ~(known | MCI_WAIT)) == 0; }

LRESULT Open(Instance& instance, LPARAM flags) {
    const bool shareable = Has(flags, MCI_OPEN_SHAREABLE);
    if (g_opens > 0 && (!shareable || g_exclusive)) return MCIERR_MUST_USE_SHAREABLE;
    if (g_opens == 0) TheDrive().TakeDescribedDisc();
    g_exclusive = !shareable;
    ++g_opens;
    instance.open = true;
    return 0;
}

LRESULT Close(Instance& instance) {
    if (instance.open && --g_opens == 0) g_exclusive = false;
    instance.open = false;
    return 0;
}

// winmm unloads the driver when the device's last open closes, but a drive
// keeps its door, disc and head across opens: the driver stays loaded for the
// life of the process.
void KeepLoaded() {
    HMODULE self = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                       reinterpret_cast<LPCSTR>(&KeepLoaded), &self);
}

LRESULT Reply(MCI_STATUS_PARMS& parms, DWORD value, LRESULT kind) {
    parms.dwReturn = value;
    return kind;
}

LRESULT Status(const Instance& instance, LPARAM flags, MCI_STATUS_PARMS& parms) {
    if (!Has(flags, MCI_STATUS_ITEM)) return MCIERR_MISSING_PARAMETER;
    const bool ofTrack = Has(flags, MCI_TRACK);
    if (!OnlyFlags(flags, MCI_STATUS_ITEM | MCI_TRACK) || (ofTrack && parms.dwItem != MCI_STATUS_LENGTH))
        return MCIERR_UNSUPPORTED_FUNCTION;
    Drive& drive = TheDrive();
    switch (parms.dwItem) {
    case MCI_STATUS_MODE: {
        const UINT mode = drive.mode();
        return Reply(parms, MAKEMCIRESOURCE(mode, mode), MCI_RESOURCE_RETURNED);
    }
    case MCI_STATUS_MEDIA_PRESENT: {
        const bool in = drive.discIn();
        return Reply(parms, MAKEMCIRESOURCE(in, in ? MCI_TRUE : MCI_FALSE), MCI_RESOURCE_RETURNED);
    }
    case MCI_STATUS_NUMBER_OF_TRACKS:
    case MCI_STATUS_CURRENT_TRACK:
    case MCI_STATUS_LENGTH:
    case MCI_STATUS_POSITION:
        break;
    default:
        return MCIERR_UNSUPPORTED_FUNCTION;
    }
    if (!drive.discIn()) return MCIERR_DEVICE_NOT_READY;
    const Disc& disc = drive.disc();
    switch (parms.dwItem) {
    case MCI_STATUS_NUMBER_OF_TRACKS: return Reply(parms, disc.tracks(), 0);
    case MCI_STATUS_CURRENT_TRACK: return Reply(parms, drive.currentTrack(), 0);
    case MCI_STATUS_LENGTH: {
        const int track = static_cast<int>(parms.dwTrack);
        if (ofTrack && !disc.hasTrack(track)) return MCIERR_OUTOFRANGE;
        const TimeReply r =
            LengthReply(instance.timeFormat, ofTrack ? disc.trackFrames[track - 1] : disc.totalFrames());
        return Reply(parms, r.value, r.kind);
    }
    default: {
        const TimeReply r = PositionReply(instance.timeFormat, drive.position(), disc);
        return Reply(parms, r.value, r.kind);
    }
    }
}

LRESULT Set(Instance& instance, LPARAM flags, const MCI_SET_PARMS& parms) {
    if (!OnlyFlags(flags, MCI_SET_TIME_FORMAT | MCI_SET_DOOR_OPEN | MCI_SET_DOOR_CLOSED))
        return MCIERR_UNSUPPORTED_FUNCTION;
    if (Has(flags, MCI_SET_DOOR_OPEN) && Has(flags, MCI_SET_DOOR_CLOSED)) return MCIERR_FLAGS_NOT_COMPATIBLE;
    if (Has(flags, MCI_SET_TIME_FORMAT)) {
        if (!IsCdTimeFormat(parms.dwTimeFormat)) return MCIERR_BAD_TIME_FORMAT;
        instance.timeFormat = parms.dwTimeFormat;
    }
    if (Has(flags, MCI_SET_DOOR_OPEN)) TheDrive().openDoor();
    if (Has(flags, MCI_SET_DOOR_CLOSED)) TheDrive().closeDoor();
    return 0;
}

LRESULT Play(const Instance& instance, LPARAM flags, const MCI_PLAY_PARMS& parms) {
    if (!OnlyFlags(flags, MCI_FROM | MCI_TO)) return MCIERR_UNSUPPORTED_FUNCTION;
    Drive& drive = TheDrive();
    if (!drive.discIn()) return MCIERR_DEVICE_NOT_READY;
    DWORD from = 0, to = 0;
    if (Has(flags, MCI_FROM) && !ToFrame(instance.timeFormat, parms.dwFrom, drive.disc(), from))
        return MCIERR_OUTOFRANGE;
    if (Has(flags, MCI_TO) && !ToFrame(instance.timeFormat, parms.dwTo, drive.disc(), to))
        return MCIERR_OUTOFRANGE;
    return drive.play(Has(flags, MCI_FROM), from, Has(flags, MCI_TO), to);
}

LRESULT Seek(const Instance& instance, LPARAM flags, const MCI_SEEK_PARMS& parms) {
    if (!OnlyFlags(flags, MCI_TO | MCI_SEEK_TO_START | MCI_SEEK_TO_END)) return MCIERR_UNSUPPORTED_FUNCTION;
    const int targets = Has(flags, MCI_TO) + Has(flags, MCI_SEEK_TO_START) + Has(flags, MCI_SEEK_TO_END);
    if (targets == 0) return MCIERR_MISSING_PARAMETER;
    if (targets > 1) return MCIERR_FLAGS_NOT_COMPATIBLE;
    Drive& drive = TheDrive();
    if (!drive.discIn()) return MCIERR_DEVICE_NOT_READY;
    DWORD frame = Has(flags, MCI_SEEK_TO_END) ? drive.disc().end() : kFirstTrackFrame;
    if (Has(flags, MCI_TO) && !ToFrame(instance.timeFormat, parms.dwTo, drive.disc(), frame))
        return MCIERR_OUTOFRANGE;
    return drive.seek(frame);
}

LRESULT Command(Instance& instance, UINT message, LPARAM flags, LPARAM parms) {
    if (message == MCI_OPEN_DRIVER) return Open(instance, flags);
    if (message == MCI_CLOSE_DRIVER) return Close(instance);
    if (!instance.open) return MCIERR_INVALID_DEVICE_ID;
    if (parms == 0) return MCIERR_NULL_PARAMETER_BLOCK;
    switch (message) {
    case MCI_STATUS: return Status(instance, flags, *reinterpret_cast<MCI_STATUS_PARMS*>(parms));
    case MCI_SET: return Set(instance, flags, *reinterpret_cast<const MCI_SET_PARMS*>(parms));
    case MCI_PLAY: return Play(instance, flags, *reinterpret_cast<const MCI_PLAY_PARMS*>(parms));
    case MCI_SEEK: return Seek(instance, flags, *reinterpret_cast<const MCI_SEEK_PARMS*>(parms));
    case MCI_PAUSE: return OnlyFlags(flags, 0) ? TheDrive().pause() : MCIERR_UNSUPPORTED_FUNCTION;
    case MCI_STOP: return OnlyFlags(flags, 0) ? TheDrive().stop() : MCIERR_UNSUPPORTED_FUNCTION;
    default: return MCIERR_UNRECOGNIZED_COMMAND;
    }
}

}  // namespace
}  // namespace vcd

extern "C" LRESULT CALLBACK DriverProc(DWORD_PTR id, HDRVR driver, UINT message, LPARAM p1, LPARAM p2) {
    using vcd::Instance;
    switch (message) {
    case DRV_LOAD:
        vcd::KeepLoaded();
        return 1;
    case DRV_FREE:
    case DRV_ENABLE:
    case DRV_DISABLE:
        return 1;
    case DRV_OPEN: {
        // winmm parses with its own cdaudio command table.
        if (auto* open = reinterpret_cast<MCI_OPEN_DRIVER_PARMS*>(p2)) {
            open->wCustomCommandTable = MCI_NO_COMMAND_TABLE;
            open->wType = MCI_DEVTYPE_CD_AUDIO;
        }
        return reinterpret_cast<LRESULT>(new Instance);
    }
    case DRV_CLOSE: {
        auto* instance = reinterpret_cast<Instance*>(id);
        if (instance) vcd::Close(*instance);
        delete instance;
        return 1;
    }
    case DRV_QUERYCONFIGURE:
        return 0;
    case DRV_CONFIGURE:
    case DRV_INSTALL:
    case DRV_REMOVE:
        return DRVCNF_OK;
    default:
        break;
    }
    if (message < DRV_MCI_FIRST || message > DRV_MCI_LAST) return DefDriverProc(id, driver, message, p1, p2);
    auto* instance = reinterpret_cast<Instance*>(id);
    if (!instance) return MCIERR_INVALID_DEVICE_ID;
    return vcd::Command(*instance, message, p1, p2);
}
