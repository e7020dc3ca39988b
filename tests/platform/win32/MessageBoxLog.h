// The message boxes a headless run wrote to standard error, read back from the blocks the
// layer writes:  "[MessageBox] <caption>\n<text>\n[/MessageBox]\n".
#pragma once

#include <string>
#include <vector>

namespace win32test {

struct LoggedMessageBox {
    std::string caption;
    std::string text;

    bool operator==(const LoggedMessageBox& other) const {
        return caption == other.caption && text == other.text;
    }
};

// Every complete block in order; anything between blocks is skipped.
std::vector<LoggedMessageBox> ParseMessageBoxes(const std::string& standardError);

}  // namespace win32test
