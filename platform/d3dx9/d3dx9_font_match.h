// The faces of a font, chosen through fontconfig: the closest face to the one asked for among
// those that cover Japanese, then, in fontconfig's order of preference, the faces that supply
// the characters it lacks.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace d3dx9 {

struct FaceRequest {
    std::string family;  // UTF-8; empty leaves the choice to the system
    int weight = 400;    // 1 to 1000, as OpenType and Windows count it
    bool italic = false;
    unsigned pitchAndFamily = 0;  // Windows' pitch and family bits: the generic family to prefer
};

struct FaceCandidate {
    std::string file;
    int index = 0;  // the face's number within a collection file
    std::string family;
    std::string style;
    int weight = 400;  // as in FaceRequest
    bool italic = false;
};

class FaceMatch {
public:
    // The candidates for the request, best first; the first covers Japanese. configFile names
    // a fontconfig configuration to use instead of the system's (the system's when null).
    // Null when no scalable face covering Japanese can be found.
    static std::unique_ptr<FaceMatch> Find(const FaceRequest& request,
                                           const char* configFile = nullptr);

    ~FaceMatch();
    FaceMatch(const FaceMatch&) = delete;
    FaceMatch& operator=(const FaceMatch&) = delete;

    std::size_t Count() const { return m_candidates.size(); }
    const FaceCandidate& Candidate(std::size_t i) const { return m_candidates[i]; }
    // Whether fontconfig lists the character among those candidate i has.
    bool Covers(std::size_t i, char32_t c) const;

private:
    struct Coverage;

    FaceMatch();

    std::vector<FaceCandidate> m_candidates;
    std::unique_ptr<Coverage> m_coverage;
};

}  // namespace d3dx9
