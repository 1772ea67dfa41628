#pragma once

#include <span>

// The fourteen effects as complete RIFF/WAVE files embedded in the library; an empty span for
// numbers outside 0..13. Defined by the source file the effect generator writes at build time.
std::span<const unsigned char> effectResource(int number);
