#pragma once

#include <QString>
#include <cstdint>
#include <span>

struct mpg123_handle_struct;

// One MP3 track decoded to 16-bit samples at its own rate and channel count. The encoder's delay
// and padding are cut off at both ends, so the last sample of a track that was made to loop leads
// straight into its first.
class Mp3Decoder {
public:
    Mp3Decoder();
    ~Mp3Decoder();
    Mp3Decoder(const Mp3Decoder&) = delete;
    Mp3Decoder& operator=(const Mp3Decoder&) = delete;

    // Opens a file and reads its format; false (and nothing open) when it is missing or no music
    // this decoder can play.
    bool open(const QString& path);
    void close();
    bool isOpen() const { return open_; }

    int sampleRate() const { return rate_; }
    int channels() const { return channels_; }
    // Length and position in sample frames (one sample per channel).
    std::int64_t length() const;
    std::int64_t position() const;
    // Goes to a frame of the track; anything past its end counts as the end.
    void seek(std::int64_t frame);
    bool atEnd() const { return atEnd_; }

    // Decodes the next frames into samples (interleaved channels); returns how many frames it
    // wrote. Fewer than fit means the track is over, and so does a damaged stretch of the file.
    std::size_t read(std::span<std::int16_t> samples);

private:
    bool readFormat();

    mpg123_handle_struct* handle_ = nullptr;
    bool open_ = false;
    bool atEnd_ = false;
    int rate_ = 0;
    int channels_ = 0;
};
