// dfcapture: runs the program's own objects on the offscreen device, exactly as the program
// starts them, draws frames 1 to N through Main::Update, and writes chosen frames as PNG
// files, read back from the back buffer, with an optional contact sheet.
//
//   dfcapture --frames 1,157,471 --out DIR [--sheet FILE]
//
// image.tga is read from the current directory, as the program reads it.
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/Application.h"
#include "app/Main.h"
#include "render/Render.h"
#include "tools/capture/BackBufferReadback.h"
#include "tools/capture/CaptureOptions.h"
#include "tools/capture/FrameSheet.h"

namespace {

// The program's application object, which also reads back the frames asked for and ends the
// run after the last of them.
class CaptureMain final : public Main {
public:
    explicit CaptureMain(const CaptureOptions& options) : m_options(options) {}

    bool Update() override {
        if (!Main::Update()) return false;
        ++m_frame;
        if (m_next < m_options.frames.size() && m_options.frames[m_next] == m_frame) {
            CapturedFrame frame;
            frame.number = m_frame;
            if (!ReadBackBuffer(g_render.m_device, &frame)) {
                std::fprintf(stderr, "dfcapture: frame %u could not be read back\n", m_frame);
                m_failed = true;
                return false;
            }
            const std::string path =
                m_options.outDir + "/frame-" + std::to_string(m_frame) + ".png";
            if (!WriteFramePng(frame, path)) {
                std::fprintf(stderr, "dfcapture: cannot write %s\n", path.c_str());
                m_failed = true;
                return false;
            }
            std::printf("%s\n", path.c_str());
            std::fflush(stdout);
            m_captured.push_back(std::move(frame));
            ++m_next;
        } else if (m_frame % 100 == 0) {
            std::fprintf(stderr, "dfcapture: frame %u of %u\n", m_frame, m_options.frames.back());
        }
        // Returning false ends the run the way a failed frame would: the window goes and
        // the program finalises.
        return m_next < m_options.frames.size();
    }

    const std::vector<CapturedFrame>& Captured() const { return m_captured; }
    bool Failed() const { return m_failed; }

private:
    const CaptureOptions& m_options;
    std::uint32_t m_frame = 0;
    size_t m_next = 0;
    bool m_failed = false;
    std::vector<CapturedFrame> m_captured;
};

}  // namespace

int main(int argc, char** argv) {
    CaptureOptions options;
    std::string error;
    if (!ParseCaptureOptions(std::vector<std::string>(argv + 1, argv + argc), &options, &error)) {
        std::fprintf(stderr,
                     "dfcapture: %s\nusage: dfcapture --frames 1,157,471 --out DIR "
                     "[--sheet FILE]\n",
                     error.c_str());
        return 2;
    }
    if (mkdir(options.outDir.c_str(), 0777) != 0 && errno != EEXIST) {
        std::fprintf(stderr, "dfcapture: cannot create %s\n", options.outDir.c_str());
        return 1;
    }
    // The offscreen device, whatever display there is; message boxes go to standard error.
    setenv("SDL_VIDEODRIVER", "offscreen", 1);

    CaptureMain app(options);
    RunApplication(app);
    if (app.Captured().size() != options.frames.size()) {
        if (!app.Failed())
            std::fprintf(stderr,
                         "dfcapture: the program did not start (its message boxes above say "
                         "why); no frames were drawn\n");
        return 1;
    }
    if (!options.sheetPath.empty()) {
        const CapturedFrame sheet = StackFrames(app.Captured(), 8, 0x202020);
        if (!WriteFramePng(sheet, options.sheetPath)) {
            std::fprintf(stderr, "dfcapture: cannot write %s\n", options.sheetPath.c_str());
            return 1;
        }
        std::printf("%s\n", options.sheetPath.c_str());
    }
    return 0;
}
