#pragma once

// The Game Explorer's COM interface. mingw-w64 ships no header for it, so it is declared here
// from its published identifiers; the three methods the library calls come first in the
// interface, so their places in the method table are the ones declared.
#include <objbase.h>
#include <oleauto.h>

enum GAME_INSTALL_SCOPE { GIS_NOT_INSTALLED = 1, GIS_CURRENT_USER = 2, GIS_ALL_USERS = 3 };

// {9A5EA990-3034-4D6F-9128-01F3C61022BC}
constexpr CLSID CLSID_GameExplorer = {
    0x9A5EA990, 0x3034, 0x4D6F, {0x91, 0x28, 0x01, 0xF3, 0xC6, 0x10, 0x22, 0xBC}};

// {E7B2FB72-D728-49B3-A5F2-18EBF5F1349E}
constexpr IID IID_IGameExplorer = {
    0xE7B2FB72, 0xD728, 0x49B3, {0xA5, 0xF2, 0x18, 0xEB, 0xF5, 0xF1, 0x34, 0x9E}};

// COM interfaces have no virtual destructor by design (objects go through Release), which the
// system headers' own interfaces are exempt from warning about and this one is not.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
struct IGameExplorer : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE AddGame(BSTR gdfBinaryPath, BSTR gameInstallDirectory,
                                              GAME_INSTALL_SCOPE installScope,
                                              GUID* instanceId) = 0;
    virtual HRESULT STDMETHODCALLTYPE RemoveGame(GUID instanceId) = 0;
    virtual HRESULT STDMETHODCALLTYPE UpdateGame(GUID instanceId) = 0;
};
#pragma GCC diagnostic pop
