#pragma once
// A folder of the test's own below the temporary folder, with files whose
// contents tell them apart; removed with everything in it at the end.
#include <map>
#include <string>

class TempTree {
public:
    explicit TempTree(const std::string& name);
    ~TempTree();
    TempTree(const TempTree&) = delete;
    TempTree& operator=(const TempTree&) = delete;

    // Ends in "\".
    const std::string& root() const { return root_; }

    // Creates the file (and its folders), holding content.
    static void Write(const std::string& path, const std::string& content, bool readOnly = false);
    static void MakeFolder(const std::string& path);
    // Every file below folder (which ends in "\"): its path relative to
    // folder, as the platform spells it, and its content.
    static std::map<std::string, std::string> Files(const std::string& folder);
    // The folder and everything in it, read-only files included.
    static void Remove(const std::string& folder);

private:
    std::string root_;
};
