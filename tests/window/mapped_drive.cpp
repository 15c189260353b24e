#include "tests/window/mapped_drive.h"

#include <windows.h>

#include "tests/support/x_display.h"

namespace WindowTest {

namespace {

std::string DriveLink(char letter) {
    return std::string("\"$WINEPREFIX/dosdevices/") + letter + ":\"";
}

}  // namespace

MappedDrive::MappedDrive(char letter, const std::string& mountOptions)
    : letter_(letter),
      mountPoint_("/tmp/quillora-drive-" + std::to_string(GetCurrentProcessId()) + "-" + letter) {
    ready_ = TestSupport::RunUnixCommand("mkdir -p " + mountPoint_ + " && mount -t tmpfs -o " +
                                         mountOptions + " tmpfs " + mountPoint_ + " && ln -sfn " +
                                         mountPoint_ + " " + DriveLink(letter_));
}

MappedDrive::~MappedDrive() {
    TestSupport::RunUnixCommand("rm -f " + DriveLink(letter_) + "; umount " + mountPoint_ +
                                "; rmdir " + mountPoint_);
}

std::wstring MappedDrive::Root() const {
    return std::wstring(1, static_cast<wchar_t>(towupper(letter_))) + L":";
}

}  // namespace WindowTest
