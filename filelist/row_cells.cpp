#include "filelist/row_cells.h"

#include "rt/format.h"

namespace filelist {

FileFacts ReadFileFacts(const std::string& path) {
    FileFacts facts;
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!rt::NameablePath(path) || !GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return facts;
    facts.length = (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    facts.lastWrite = data.ftLastWriteTime;
    facts.attributes = data.dwFileAttributes;
    return facts;
}

FileFacts ListedFileFacts(const std::string& folder, const rt::DirEntry& entry) {
    if (!rt::ListingSpeaksFor(folder, entry)) return ReadFileFacts(folder + entry.name);
    FileFacts facts;
    facts.length = entry.size;
    facts.lastWrite = entry.lastWrite;
    facts.attributes = entry.attributes;
    return facts;
}

std::string SizeCell(const FileRow& row) { return row.facts.Read() ? rt::FormatZeroPadded(row.facts.length) : ""; }

std::string ModifiedCell(const FileRow& row) {
    SYSTEMTIME local;
    return row.facts.Read() && rt::ToLocalTime(row.facts.lastWrite, local) ? rt::FormatGeneralDate(local) : "";
}

std::string AttributeLettersOf(unsigned long attrs) {
    std::string letters;
    if (attrs & FILE_ATTRIBUTE_ARCHIVE) letters += 'A';
    if (attrs & FILE_ATTRIBUTE_HIDDEN) letters += 'H';
    if (attrs & FILE_ATTRIBUTE_READONLY) letters += 'R';
    if (attrs & FILE_ATTRIBUTE_SYSTEM) letters += 'S';
    return letters;
}

std::string AttributeLetters(const FileRow& row) {
    return row.facts.Read() ? AttributeLettersOf(row.facts.attributes) : "";
}

}  // namespace filelist
