#include "platform/d3dx9/d3dx9_font_match.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>

namespace d3dx9 {

namespace {

const FcChar8* Fc(const char* text) {
    return reinterpret_cast<const FcChar8*>(text);
}

// The generic family that Windows' pitch and family bits ask for, or null for none.
const char* GenericFamily(unsigned pitchAndFamily) {
    switch (pitchAndFamily & 0xF0) {
        case 0x10:
            return "serif";  // FF_ROMAN
        case 0x20:
            return "sans-serif";  // FF_SWISS
        case 0x30:
            return "monospace";  // FF_MODERN
        case 0x40:
            return "cursive";  // FF_SCRIPT
        case 0x50:
            return "fantasy";  // FF_DECORATIVE
        default:
            return (pitchAndFamily & 0x3) == 1 ? "monospace" : nullptr;  // FIXED_PITCH
    }
}

std::string StringOf(FcPattern* pattern, const char* object) {
    FcChar8* value = nullptr;
    if (FcPatternGetString(pattern, object, 0, &value) != FcResultMatch || !value) return {};
    return reinterpret_cast<const char*>(value);
}

int WeightOf(FcPattern* pattern) {
    double weight = FC_WEIGHT_REGULAR;
    int integer = 0;
    if (FcPatternGetDouble(pattern, FC_WEIGHT, 0, &weight) != FcResultMatch) {
        weight = FcPatternGetInteger(pattern, FC_WEIGHT, 0, &integer) == FcResultMatch
                     ? integer
                     : FC_WEIGHT_REGULAR;
    }
    return static_cast<int>(FcWeightToOpenTypeDouble(weight) + 0.5);
}

bool CoversJapanese(FcPattern* pattern) {
    FcLangSet* languages = nullptr;
    return FcPatternGetLangSet(pattern, FC_LANG, 0, &languages) == FcResultMatch &&
           FcLangSetHasLang(languages, Fc("ja")) != FcLangDifferentLang;
}

bool IsScalable(FcPattern* pattern) {
    FcBool scalable = FcFalse;
    return FcPatternGetBool(pattern, FC_SCALABLE, 0, &scalable) == FcResultMatch && scalable;
}

// The configuration to match in, with a reference the caller gives back with FcConfigDestroy.
FcConfig* LoadConfig(const char* configFile) {
    if (!configFile) {
        if (!FcInit()) return nullptr;
        return FcConfigReference(nullptr);
    }
    FcConfig* config = FcConfigCreate();
    if (!config) return nullptr;
    if (!FcConfigParseAndLoad(config, Fc(configFile), FcTrue) || !FcConfigBuildFonts(config)) {
        FcConfigDestroy(config);
        return nullptr;
    }
    return config;
}

FcPattern* PatternFor(const FaceRequest& request) {
    FcPattern* pattern = FcPatternCreate();
    if (!pattern) return nullptr;
    if (!request.family.empty()) FcPatternAddString(pattern, FC_FAMILY, Fc(request.family.c_str()));
    if (const char* generic = GenericFamily(request.pitchAndFamily))
        FcPatternAddString(pattern, FC_FAMILY, Fc(generic));
    // The program's texts are Japanese: faces that cover it come first.
    FcPatternAddString(pattern, FC_LANG, Fc("ja"));
    const int weight = std::min(1000, std::max(1, request.weight));
    FcPatternAddDouble(pattern, FC_WEIGHT, FcWeightFromOpenTypeDouble(weight));
    FcPatternAddInteger(pattern, FC_SLANT, request.italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    return pattern;
}

}  // namespace

struct FaceMatch::Coverage {
    FcConfig* config = nullptr;
    FcFontSet* fonts = nullptr;
    std::vector<FcCharSet*> charsets;  // owned by the patterns of fonts

    ~Coverage() {
        if (fonts) FcFontSetDestroy(fonts);
        if (config) FcConfigDestroy(config);
    }
};

FaceMatch::FaceMatch() : m_coverage(std::make_unique<Coverage>()) {}
FaceMatch::~FaceMatch() = default;

std::unique_ptr<FaceMatch> FaceMatch::Find(const FaceRequest& request, const char* configFile) {
    std::unique_ptr<FaceMatch> match(new FaceMatch);
    Coverage& coverage = *match->m_coverage;
    coverage.config = LoadConfig(configFile);
    if (!coverage.config) return nullptr;

    FcPattern* pattern = PatternFor(request);
    if (!pattern) return nullptr;
    FcConfigSubstitute(coverage.config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    // Trimmed: a face that adds no character to those before it is left out.
    coverage.fonts = FcFontSort(coverage.config, pattern, FcTrue, nullptr, &result);
    FcPatternDestroy(pattern);
    if (!coverage.fonts) return nullptr;

    // The first scalable face covering Japanese leads; the others keep fontconfig's order.
    std::vector<FcPattern*> order;
    for (int i = 0; i < coverage.fonts->nfont; ++i) {
        FcPattern* font = coverage.fonts->fonts[i];
        if (!IsScalable(font) || StringOf(font, FC_FILE).empty()) continue;
        if (order.empty() || !CoversJapanese(font) || CoversJapanese(order.front()))
            order.push_back(font);
        else
            order.insert(order.begin(), font);
    }
    if (order.empty() || !CoversJapanese(order.front())) return nullptr;

    for (FcPattern* font : order) {
        FaceCandidate candidate;
        candidate.file = StringOf(font, FC_FILE);
        FcPatternGetInteger(font, FC_INDEX, 0, &candidate.index);
        candidate.family = StringOf(font, FC_FAMILY);
        candidate.style = StringOf(font, FC_STYLE);
        candidate.weight = WeightOf(font);
        int slant = FC_SLANT_ROMAN;
        FcPatternGetInteger(font, FC_SLANT, 0, &slant);
        candidate.italic = slant != FC_SLANT_ROMAN;
        FcCharSet* charset = nullptr;
        if (FcPatternGetCharSet(font, FC_CHARSET, 0, &charset) != FcResultMatch) charset = nullptr;
        match->m_candidates.push_back(std::move(candidate));
        coverage.charsets.push_back(charset);
    }
    return match;
}

bool FaceMatch::Covers(std::size_t i, char32_t c) const {
    if (i >= m_coverage->charsets.size() || !m_coverage->charsets[i]) return false;
    return FcCharSetHasChar(m_coverage->charsets[i], static_cast<FcChar32>(c));
}

}  // namespace d3dx9
