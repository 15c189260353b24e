#pragma once

// A Wine drive letter backed by a fresh tmpfs, so that the installer meets a
// real drive with little room or one it cannot write to. Mounting needs the
// privilege to mount; without it the drive is not Ready() and the test that
// needs it skips.

#include <string>

namespace WindowTest {

class MappedDrive {
public:
    // `letter` lower case; `mountOptions` for tmpfs, for example "size=1023m"
    // or "size=8m,ro".
    MappedDrive(char letter, const std::string& mountOptions);
    // Removes the drive letter and unmounts.
    ~MappedDrive();
    MappedDrive(const MappedDrive&) = delete;
    MappedDrive& operator=(const MappedDrive&) = delete;

    bool Ready() const { return ready_; }
    // "Q:"
    std::wstring Root() const;

private:
    char letter_;
    std::string mountPoint_;
    bool ready_ = false;
};

}  // namespace WindowTest
