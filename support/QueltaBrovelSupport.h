#ifndef QUELTABROVEL_SUPPORT_H
#define QUELTABROVEL_SUPPORT_H

/* The support library's entry points: the sound effect bank and the User.dat file.
   The game and the maintenance utility bind them by name at run time; nothing else is
   exported. Callable from C and C++. */

#include <stdint.h>

#if defined(_WIN32)
#define QB_SUPPORT_API __declspec(dllexport)
#else
#define QB_SUPPORT_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Size of the user data record that GetUserData and SetUserData move. */
#define QB_USER_DATA_SIZE 868

/* Opens the default sound output and loads the fourteen effects. Returns 1 when sound is
   available, 0 when there is no sound device (every later play then does nothing).
   The window handle is accepted for the game's sake and not needed here. */
QB_SUPPORT_API int32_t DirectSoundInit(intptr_t windowHandle);

/* Starts effect 0..13 from its beginning; up to five instances of one effect overlap, a sixth
   restarts the fifth. Other numbers, and calls before init or after release, do nothing. */
QB_SUPPORT_API void DirectSoundPlay(int32_t effect);

/* Tells the bank that the caller plays a stream of its own (playing 1) in the sound output the
   bank opened, which is current in the process, or that the stream has been heard to its end
   (playing 0). While a stream plays, the output keeps mixing after the last effect has ended.
   Before init and after release it does nothing. */
QB_SUPPORT_API void DirectSoundStreaming(int32_t playing);

/* Stops and frees every effect and closes the sound output. A stream the caller plays in it
   must have been stopped and its sources freed before. */
QB_SUPPORT_API void DirectSoundRelease(void);

/* Reads the first 868 bytes of User.dat into buffer. 0 read, -1 no file (buffer untouched),
   -2 read failed, -3 file shorter than 868 bytes. */
QB_SUPPORT_API int32_t GetUserData(uint8_t* buffer);

/* Replaces User.dat with the 868 bytes of buffer, all at once: a failed or interrupted save
   leaves the previous file as it was. 0 written, -1 file cannot be created, -2 write failed,
   -3 fewer bytes written (disk full). */
QB_SUPPORT_API int32_t SetUserData(const uint8_t* buffer);

#ifdef __cplusplus
}
#endif

#endif
