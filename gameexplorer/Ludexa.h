#ifndef LUDEXA_H
#define LUDEXA_H

/* The registration library's four entry points, called by installers to register the game
   with the desktop, give it play and support tasks, refresh it after an update and remove it
   on uninstall. Strings are 8-bit in the system's encoding; every function returns 1 on
   success and 0 on failure, and shows nothing.

   Install scopes: 1 not installed, 2 the current user, 3 all users.

   The library remembers one value between calls, the instance ID of the registration:
   GameExplorerAdd creates it, GameExplorerUpdate and GameExplorerRemove load it from the value
   stored under valueName, and GameExplorerCreateTask uses whichever was set last in this
   process (all zeros when none was). */

#include <stdint.h>

#if defined(_WIN32)
#define LUDEXA_API __declspec(dllexport)
#define LUDEXA_CALL __stdcall
#else
#define LUDEXA_API __attribute__((visibility("default")))
#define LUDEXA_CALL
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Registers the game whose definition file is carried by the program at gdfPath, installed
   in installDir for installScope, and stores the new instance ID under valueName. The value is
   written even when registering fails (then it holds all zeros). */
LUDEXA_API uint8_t LUDEXA_CALL GameExplorerAdd(const char* gdfPath, const char* installDir,
                                               int32_t installScope, const char* valueName);

/* Unregisters the game whose instance ID is stored under valueName and deletes the value,
   the latter also when unregistering fails. */
LUDEXA_API uint8_t LUDEXA_CALL GameExplorerRemove(const char* valueName);

/* Refreshes the registration stored under valueName from the game's definition file; the
   stored value stays. */
LUDEXA_API uint8_t LUDEXA_CALL GameExplorerUpdate(const char* valueName);

/* Creates task number taskIndex of the current registration: a play task, or a support task
   when supportTask is non-zero, named taskName (at most 63 characters), starting targetPath
   with arguments (may be null) in the target's folder. */
LUDEXA_API uint8_t LUDEXA_CALL GameExplorerCreateTask(int32_t installScope, uint8_t supportTask,
                                                      int32_t taskIndex, const char* taskName,
                                                      const char* targetPath,
                                                      const char* arguments);

#ifdef __cplusplus
}
#endif

#endif
