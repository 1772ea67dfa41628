#pragma once

#include "LoopBuffer.h"

#include <string>

// Encodes a finished track as a variable bit rate MP3 with the encoder's information frame
// at its start, which tells players how much padding to skip so the loop stays tight.
class Mp3File {
public:
    static bool write(const LoopBuffer& track, int sampleRate, const std::string& path);
};
