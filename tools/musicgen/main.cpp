// Writes one of the game's background tracks: musicgen <track 0..2> <file.mp3>
#include "Mp3File.h"
#include "TrackRenderer.h"
#include "TrackStyle.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <track 0..%d> <file.mp3>\n", argv[0],
                     TrackStyle::kTracks - 1);
        return 2;
    }
    const int track = std::atoi(argv[1]);
    if (track < 0 || track >= TrackStyle::kTracks) {
        std::fprintf(stderr, "musicgen: no track %s\n", argv[1]);
        return 2;
    }
    if (!Mp3File::write(TrackRenderer::render(track), TrackRenderer::kSampleRate, argv[2])) {
        std::fprintf(stderr, "musicgen: could not write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
