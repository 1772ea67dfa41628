#pragma once

// The count a side aims for: above it the set is lost, at it the player stands by itself.
inline constexpr int Twenty = 20;
