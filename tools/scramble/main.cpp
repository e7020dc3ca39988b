// dfscramble: turns a plain asset file into the C++ source that embeds it scrambled.
//
//   dfscramble --input FILE --output SOURCE --symbol NAME [--include HEADER]
//              [--replace TOKEN=VALUE]...
//
// The plain bytes are read, every @TOKEN@ named by --replace is replaced by its value, and
// the result is put through the same keystream transformation that the program uses to
// unscramble it. When any --replace is given the input is text and no @TOKEN@ may remain.
// The output is written to a temporary file first and then renamed, so a failed run never
// leaves a partial source behind.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "assets/DescrambleAsset.h"
#include "platform/crt/aligned_memory.h"
#include "tools/common/FileOutput.h"
#include "tools/scramble/AssetSource.h"
#include "tools/scramble/TokenSubstitution.h"

namespace {

struct Options {
    std::string input;
    std::string output;
    std::string symbol;
    std::string header;
    std::vector<TokenReplacement> replacements;
};

constexpr const char* kUsage =
    "usage: dfscramble --input FILE --output SOURCE --symbol NAME [--include HEADER]\n"
    "                  [--replace TOKEN=VALUE]...\n";

int Fail(const std::string& message) {
    std::fprintf(stderr, "dfscramble: %s\n", message.c_str());
    return 1;
}

// False, with a message in error, for an unknown option, a missing value or a missing
// required option.
bool ParseOptions(int argc, char** argv, Options& options, std::string& error) {
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (i + 1 >= argc) {
            error = "option " + option + " needs a value";
            return false;
        }
        const std::string value = argv[++i];
        if (option == "--input") {
            options.input = value;
        } else if (option == "--output") {
            options.output = value;
        } else if (option == "--symbol") {
            options.symbol = value;
        } else if (option == "--include") {
            options.header = value;
        } else if (option == "--replace") {
            const std::size_t equals = value.find('=');
            if (equals == std::string::npos) {
                error = "--replace expects TOKEN=VALUE, got '" + value + "'";
                return false;
            }
            options.replacements.push_back({value.substr(0, equals), value.substr(equals + 1)});
        } else {
            error = "unknown option " + option;
            return false;
        }
    }
    if (options.input.empty() || options.output.empty() || options.symbol.empty()) {
        error = "--input, --output and --symbol are required";
        return false;
    }
    if (!IsTokenName(options.symbol)) {
        error = "symbol '" + options.symbol + "' is not a C++ identifier";
        return false;
    }
    return true;
}

bool ReadFile(const std::string& path, std::string& contents) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (in.bad()) return false;
    contents = buffer.str();
    return true;
}

// The file name part of path, for the comment of the generated source.
std::string BaseName(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    std::string error;
    if (!ParseOptions(argc, argv, options, error)) {
        std::fprintf(stderr, "dfscramble: %s\n%s", error.c_str(), kUsage);
        return 2;
    }

    std::string plain;
    if (!ReadFile(options.input, plain)) {
        return Fail("cannot read " + options.input + ": " + std::strerror(errno));
    }
    if (!options.replacements.empty()) {
        if (!ReplaceTokens(plain, options.replacements, error)) {
            return Fail(options.input + ": " + error);
        }
        const std::string left = FindToken(plain);
        if (!left.empty()) {
            return Fail(options.input + ": token " + left + " has no value (add --replace)");
        }
    }
    if (plain.size() > std::numeric_limits<UINT>::max()) {
        return Fail(options.input + " is too large to embed");
    }

    // Scrambling is the same XOR with the same keystream as unscrambling.
    const UINT size = static_cast<UINT>(plain.size());
    unsigned char* scrambled =
        DescrambleAsset(reinterpret_cast<const unsigned char*>(plain.data()), size);
    if (scrambled == nullptr) return Fail("out of memory scrambling " + options.input);
    const std::vector<unsigned char> stored(scrambled, scrambled + size);
    AlignedFree(scrambled);

    const std::string source =
        FormatAssetSource(options.symbol, options.header, BaseName(options.input), stored);
    if (!WriteFileAtomically(options.output, source, &error))
        return Fail("cannot write " + options.output + " (" + error + ")");
    return 0;
}
