#include "MessageBoxLog.h"

namespace win32test {

std::vector<LoggedMessageBox> ParseMessageBoxes(const std::string& standardError) {
    static const std::string kOpen = "[MessageBox] ";
    static const std::string kClose = "\n[/MessageBox]\n";
    std::vector<LoggedMessageBox> boxes;
    std::size_t at = 0;
    for (;;) {
        const std::size_t open = standardError.find(kOpen, at);
        if (open == std::string::npos) break;
        // A block starts a line.
        if (open != 0 && standardError[open - 1] != '\n') {
            at = open + 1;
            continue;
        }
        const std::size_t captionEnd = standardError.find('\n', open + kOpen.size());
        if (captionEnd == std::string::npos) break;
        const std::size_t close = standardError.find(kClose, captionEnd);
        if (close == std::string::npos) break;
        LoggedMessageBox box;
        box.caption = standardError.substr(open + kOpen.size(), captionEnd - open - kOpen.size());
        box.text = standardError.substr(captionEnd + 1, close - captionEnd - 1);
        boxes.push_back(box);
        at = close + kClose.size();
    }
    return boxes;
}

}  // namespace win32test
