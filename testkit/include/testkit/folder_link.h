#pragma once
// A symbolic link to a folder for the length of a test. The platform's own
// where it makes one; under Wine, whose CreateSymbolicLink makes nothing, a
// Unix link, made and removed by the Unix ln and rm.
#include <string>

namespace testkit {

class FolderLink {
public:
    FolderLink(std::string link, const std::string& target);
    ~FolderLink();
    FolderLink(const FolderLink&) = delete;
    FolderLink& operator=(const FolderLink&) = delete;

    // Whether the link is there, listed as a folder that is a link.
    bool Made() const { return made_; }

private:
    std::string link_;
    bool made_ = false;
    bool unixLink_ = false;
};

}  // namespace testkit
