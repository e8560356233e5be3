#pragma once
// A file-list row and its cells. A row keeps its path and what one read of
// the file gave, as numbers; the cells are formatted when they are shown.
#include <windows.h>

#include <string>

#include "rt/files.h"

namespace filelist {

// A file's length, attribute bits and last-write time, as one query or a
// folder listing returns them.
struct FileFacts {
    unsigned long long length = 0;
    FILETIME lastWrite{};  // UTC
    DWORD attributes = INVALID_FILE_ATTRIBUTES;  // this value: the file could not be read

    bool Read() const { return attributes != INVALID_FILE_ATTRIBUTES; }
};

// One query of the file; not Read() when it cannot be read.
FileFacts ReadFileFacts(const std::string& path);
// The facts of a file that a listing of folder (ending in "\") returned as
// entry. Where the listing does not speak for folder & name (a path past
// the file functions' limit, a name that does not reach the entry) that path
// is queried instead, so its row shows what adding that path by itself shows.
FileFacts ListedFileFacts(const std::string& folder, const rt::DirEntry& entry);

struct FileRow {
    std::string path;  // exactly as added
    FileFacts facts;

    // Where a cell needs only the path (the "Type" cell), the row reads as it.
    operator const std::string&() const { return path; }
};

// "000,000,000"; "" when the file could not be read.
std::string SizeCell(const FileRow& row);
// The general date of the last-write time in local time; "" when the file
// could not be read.
std::string ModifiedCell(const FileRow& row);
// "A", "H", "R", "S" in that order for archive, hidden, read-only and
// system; "" when none is set or the file could not be read.
std::string AttributeLetters(const FileRow& row);
// The same letters for attribute bits.
std::string AttributeLettersOf(unsigned long attributes);

}  // namespace filelist
