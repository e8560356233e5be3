#pragma once
// File functions: length, attributes, modification time, listings with
// attributes, rename, delete, copy, and text files read and written by lines.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "rt/error.h"

namespace rt {

// Whether the file functions can name a path: shorter than MAX_PATH and
// without a NUL. The platform's 8-bit functions refuse longer paths; where
// they take them, a path's length is counted in 16 bits, so a longer one
// can name another file (and a NUL would end it early). Every path handed to
// the platform's file functions is tested first; one that fails is a file
// that does not exist.
constexpr size_t kLongestPath = MAX_PATH - 1;
bool NameablePath(const std::string& path);
// The error of a file function for a path it cannot name; NoError() when it can.
[[nodiscard]] Error PathError(const std::string& path);

// Listing attribute filter bits, as a listing "with attributes N" takes them:
// normal files are always included; hidden (2), system (4) and folders (16)
// only when asked for.
enum : unsigned {
    kListNormal = 0,
    kListHidden = 2,
    kListSystem = 4,
    kListFolders = 16,
};

struct DirEntry {
    std::string name;         // bare name as the listing returns it
    DWORD attributes = 0;     // FILE_ATTRIBUTE_* bits
    unsigned long long size = 0;
    FILETIME lastWrite{};     // UTC
    // A path ending in name reaches this entry. Not so for a name that the
    // code page cannot hold (it comes out with a "?" or a near letter, and
    // may name another file) or that ends in a blank or a full stop, which
    // paths drop.
    bool exactName = true;
};

// One FindFirstFile/FindNextFile pass over pattern (a folder path plus a
// pattern, such as "C:\\x\\*.jpg"), keeping the entries the filter allows, in
// the platform's order, each name spelt as the 8-bit listing spells it. "."
// and ".." are returned like any folder when folders are asked for. A
// pattern that finds nothing, or that cannot be named, gives an empty list.
std::vector<DirEntry> ListDirectory(const std::string& pattern, unsigned filter);
// The same pass, stopping at the first allowed entry: does the listing find anything?
bool ListingFinds(const std::string& pattern, unsigned filter);

// Whether what a listing of folder (ending in "\\") returned of entry is what
// a query of folder & name would give: the name reaches the entry, and the
// file functions can name the path.
bool ListingSpeaksFor(const std::string& folder, const DirEntry& entry);

// What tells two paths of one file or folder apart from two files: its
// volume's serial number and its index there.
struct FileIdentity {
    DWORD volume = 0;
    DWORD indexHigh = 0;
    DWORD indexLow = 0;
    bool operator==(const FileIdentity&) const = default;
};
// A link leads to its target's identity; false when the path cannot be
// opened or named. Finding it costs an open of the file or folder.
bool IdentityOf(const std::string& path, FileIdentity& identity);

// Queries of one file; false when it cannot be read or named.
bool FileLength(const std::string& path, unsigned long long& length);
bool FileAttributes(const std::string& path, DWORD& attributes);
// Last-write time in local time, by the time zone's rule for that date.
bool FileModified(const std::string& path, SYSTEMTIME& local);
// A file time (UTC) in local time, by the time zone's rule for that date.
bool ToLocalTime(const FILETIME& utc, SYSTEMTIME& local);

[[nodiscard]] Error SetAttributes(const std::string& path, DWORD attributes);
// Moves across folders; fails onto an existing name; a change of letter case
// alone renames too.
[[nodiscard]] Error RenameFile(const std::string& from, const std::string& to);
[[nodiscard]] Error DeleteFileAt(const std::string& path);
[[nodiscard]] Error CopyFileTo(const std::string& from, const std::string& to);

// Reads an 8-bit text file line by line: a line ends at a carriage return, a
// line feed directly after it belongs to that ending, a line feed alone does
// not end a line, and the last line needs no ending. Lines of any length are
// passed whole. The error is the open's (nothing is read then); read errors
// after a successful open end the reading quietly.
Error ReadTextLines(const std::string& path, const std::function<void(const std::string&)>& onLine);
// Replaces the file with these lines, each ended by CR LF; an existing file
// is only touched when it can be opened for writing (a read-only file or a
// missing folder gives the open's error). A failed write is returned too.
[[nodiscard]] Error WriteTextLines(const std::string& path, const std::vector<std::string>& lines);

}  // namespace rt
