#pragma once
// A fresh folder for one test, removed with everything in it at the end.
#include <string>

namespace testkit {

// Writes a file of exactly these bytes at path, replacing any file there.
void WriteFileBytes(const std::string& path, const std::string& bytes = "");
// The file's bytes; empty when it cannot be read.
std::string ReadFileBytes(const std::string& path);

// A longer path that names path itself where the platform counts a path's
// length in 16 bits: path, ".", and 65,535 "b"s.
std::string PathWrappingTo(const std::string& path);

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder's path, without a trailing "\".
    const std::string& Path() const { return path_; }
    // Path() & "\" & name.
    std::string operator/(const std::string& name) const { return path_ + "\\" + name; }
    // Writes a file of exactly these bytes (folders on the way are made); returns its path.
    std::string Write(const std::string& name, const std::string& bytes = "") const;
    std::string MakeFolder(const std::string& name) const;
    // A name of "n"s that makes the path of a file in the folder length
    // characters long.
    std::string NameForPathLength(size_t length) const;

private:
    std::string path_;
};

}  // namespace testkit
