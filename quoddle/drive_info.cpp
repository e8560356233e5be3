#include <windows.h>

#include "quoddle/modWin32Api.h"
#include "rt/convert.h"
#include "rt/paths.h"

namespace modWin32Api {

DriveInfoRecord DriveInfo;

namespace {

std::string DriveTypeWord(UINT type) {
    switch (type) {
    case DRIVE_REMOVABLE: return "REMOVABLE";
    case DRIVE_FIXED: return "FIXED";
    case DRIVE_REMOTE: return "REMOTE";
    case DRIVE_CDROM: return "CDROM";
    case DRIVE_RAMDISK: return "RAMDISK";
    default: return "";
    }
}

// The platform's counts are 32-bit and taken as signed, as the sizes always were.
double Bytes(DWORD sectorsPerCluster, DWORD bytesPerSector, DWORD clusters) {
    return static_cast<double>(static_cast<LONG>(sectorsPerCluster)) * static_cast<LONG>(bytesPerSector) *
           static_cast<LONG>(clusters);
}

void FillDriveInfo(const std::string& root) {
    DWORD sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, totalClusters = 0;
    if (!GetDiskFreeSpaceA(root.c_str(), &sectorsPerCluster, &bytesPerSector, &freeClusters, &totalClusters))
        sectorsPerCluster = bytesPerSector = freeClusters = totalClusters = 0;
    DriveInfo.FreeBytes = Bytes(sectorsPerCluster, bytesPerSector, freeClusters);
    DriveInfo.TotalBytes = Bytes(sectorsPerCluster, bytesPerSector, totalClusters);
    DriveInfo.UsedBytes = DriveInfo.TotalBytes - DriveInfo.FreeBytes;

    std::string label(255, '\0'), fileSystem(255, '\0');
    DWORD serial = 0, maxComponent = 0, flags = 0;
    if (GetVolumeInformationA(root.c_str(), label.data(), 255, &serial, &maxComponent, &flags, fileSystem.data(),
                              255))
        DriveInfo.VolumeNumber = static_cast<long>(serial);
    DriveInfo.VolumeLabel = TrimAtNull(label);
    DriveInfo.FileSystem = TrimAtNull(fileSystem);
}

}  // namespace

std::string DriveRoot(const std::string& drive) {
    std::string root = rt::UCase(rt::Trim(drive));
    if (root.find("\\\\") != std::string::npos) return rt::WithBackslash(root);
    return root.empty() ? "" : root.substr(0, 1) + ":\\";
}

std::string GetDriveInfo(std::string drive, bool typeOnly) {
    DriveInfo = DriveInfoRecord{};
    const std::string root = DriveRoot(drive);
    if (root.empty()) return "";
    const std::string word = DriveTypeWord(GetDriveTypeA(root.c_str()));
    if (word.empty() || typeOnly) return word;
    FillDriveInfo(root);
    return word;
}

}  // namespace modWin32Api
