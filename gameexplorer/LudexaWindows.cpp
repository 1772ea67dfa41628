// The four entry points on Windows, over the Game Explorer's COM object, shell links and the
// instance ID stored in HKEY_LOCAL_MACHINE\SOFTWARE\GameExplorer. Built with the cross
// compiler; the build on this platform uses LudexaExports.cpp instead.
#include "Ludexa.h"

#include "GameExplorerInterface.h"

#include <objidl.h>
#include <shlobj.h>
#include <shobjidl.h>
#include <string>
#include <windows.h>

namespace {

// The library's only state: the ID of the registration made or loaded last in this process.
GUID instanceId = {};

constexpr const char* registryKey = "SOFTWARE\\GameExplorer";
constexpr std::size_t maxPath = 511;   // characters of a path buffer of 512
constexpr std::size_t nameBuffer = 64; // 63 characters and the terminator

// COM for the calling thread, from construction to destruction.
class ComSession {
public:
    ComSession() : result_(CoInitialize(nullptr)) {}
    ~ComSession() {
        if (SUCCEEDED(result_)) {
            CoUninitialize();
        }
    }
    ComSession(const ComSession&) = delete;
    ComSession& operator=(const ComSession&) = delete;
    bool started() const { return SUCCEEDED(result_); }

private:
    HRESULT result_;
};

// A COM string made from an 8-bit string in the system code page, freed on destruction.
class ComString {
public:
    explicit ComString(const char* text) {
        const int length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
        if (length <= 0) {
            return;
        }
        std::wstring wide(static_cast<std::size_t>(length), L'\0');
        if (MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), length) == length) {
            value_ = SysAllocString(wide.c_str());
        }
    }
    ~ComString() { SysFreeString(value_); }
    ComString(const ComString&) = delete;
    ComString& operator=(const ComString&) = delete;
    BSTR get() const { return value_; }

private:
    BSTR value_ = nullptr;
};

// An interface pointer released on destruction.
template <typename T> class ComRef {
public:
    ComRef() = default;
    ~ComRef() {
        if (pointer_ != nullptr) {
            pointer_->Release();
        }
    }
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    T* operator->() const { return pointer_; }
    T* get() const { return pointer_; }
    void** out() { return reinterpret_cast<void**>(&pointer_); }

private:
    T* pointer_ = nullptr;
};

HRESULT createExplorer(ComRef<IGameExplorer>& explorer) {
    return CoCreateInstance(CLSID_GameExplorer, nullptr, CLSCTX_INPROC_SERVER, IID_IGameExplorer,
                            explorer.out());
}

// Writes instanceId as the 16-byte binary value valueName; a failure is not reported.
void storeInstanceId(const char* valueName) {
    HKEY key;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, registryKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &key, nullptr) == ERROR_SUCCESS) {
        RegSetValueExA(key, valueName, 0, REG_BINARY, reinterpret_cast<const BYTE*>(&instanceId),
                       sizeof instanceId);
        RegCloseKey(key);
    }
}

// Reads the value valueName into instanceId; false (and instanceId unchanged) when it is
// missing or not 16 bytes.
bool loadInstanceId(const char* valueName) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, registryKey, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return false;
    }
    GUID value;
    DWORD type = 0;
    DWORD size = sizeof value;
    const LONG read =
        RegQueryValueExA(key, valueName, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
    RegCloseKey(key);
    if (read != ERROR_SUCCESS || type != REG_BINARY || size != sizeof value) {
        return false;
    }
    instanceId = value;
    return true;
}

void deleteInstanceId(const char* valueName) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, registryKey, 0, KEY_ALL_ACCESS, &key) == ERROR_SUCCESS) {
        RegDeleteValueA(key, valueName);
        RegCloseKey(key);
    }
}

// What became of a call on the game stored under a value name.
enum class StoredCall { NotStored, NoExplorer, Failed, Succeeded };

// Calls RemoveGame or UpdateGame with the ID stored under valueName. A value that cannot be
// read fails without calling: the ID left from an earlier call would name another game.
StoredCall callStoredGame(const char* valueName,
                          HRESULT (STDMETHODCALLTYPE IGameExplorer::*call)(GUID)) {
    if (!loadInstanceId(valueName)) {
        return StoredCall::NotStored;
    }
    const ComSession com;
    if (!com.started()) {
        return StoredCall::NoExplorer;
    }
    ComRef<IGameExplorer> explorer;
    if (FAILED(createExplorer(explorer))) {
        return StoredCall::NoExplorer;
    }
    return SUCCEEDED((explorer.get()->*call)(instanceId)) ? StoredCall::Succeeded
                                                          : StoredCall::Failed;
}

// The folder of one task: base + "\Microsoft\Windows\GameExplorer\" + the ID + "\PlayTasks" or
// "\SupportTasks" + "\" + index; empty when it does not fit in 511 characters.
std::wstring taskFolder(int32_t installScope, bool support, int32_t taskIndex) {
    wchar_t base[MAX_PATH];
    const int folder =
        installScope == GIS_CURRENT_USER ? CSIDL_LOCAL_APPDATA : CSIDL_COMMON_APPDATA;
    wchar_t id[40];
    if (FAILED(SHGetFolderPathW(nullptr, folder, nullptr, SHGFP_TYPE_CURRENT, base)) ||
        StringFromGUID2(instanceId, id, 40) == 0) {
        return {};
    }
    std::wstring out = std::wstring(base) + L"\\Microsoft\\Windows\\GameExplorer\\" + id +
                       (support ? L"\\SupportTasks\\" : L"\\PlayTasks\\") +
                       std::to_wstring(taskIndex);
    return out.size() <= maxPath ? out : std::wstring();
}

// The folder part of targetPath's full path, with its trailing backslash.
std::string workingFolder(const char* targetPath) {
    char full[MAX_PATH];
    char* filePart = nullptr;
    const DWORD length = GetFullPathNameA(targetPath, MAX_PATH, full, &filePart);
    if (length == 0 || length >= MAX_PATH) {
        return {};
    }
    const std::string path(full, length);
    const auto slash = path.find_last_of('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

HRESULT createShortcut(const std::wstring& linkPath, const char* targetPath,
                       const char* arguments) {
    const ComSession com;
    ComRef<IShellLinkA> link;
    HRESULT result = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                      IID_IShellLinkA, link.out());
    if (FAILED(result)) {
        return result;
    }
    link->SetPath(targetPath);
    if (arguments != nullptr) {
        link->SetArguments(arguments);
    }
    link->SetWorkingDirectory(workingFolder(targetPath).c_str());
    ComRef<IPersistFile> file;
    result = link->QueryInterface(IID_IPersistFile, file.out());
    if (SUCCEEDED(result)) {
        result = file->Save(linkPath.c_str(), TRUE);
    }
    return result;
}

// The task name as a wide string of at most 63 characters; empty when it is longer, cannot
// be converted, or would leave the task folder.
std::wstring taskFileName(const char* taskName) {
    wchar_t name[nameBuffer];
    if (MultiByteToWideChar(CP_ACP, 0, taskName, -1, name, nameBuffer) <= 1) {
        return {};
    }
    const std::wstring out(name);
    return out.find_first_of(L"\\/") == std::wstring::npos ? out : std::wstring();
}

} // namespace

uint8_t LUDEXA_CALL GameExplorerAdd(const char* gdfPath, const char* installDir,
                                    int32_t installScope, const char* valueName) {
    if (gdfPath == nullptr || installDir == nullptr) {
        return 0;
    }
    const ComString gdf(gdfPath);
    const ComString folder(installDir);
    if (gdf.get() == nullptr || folder.get() == nullptr) {
        return 0;
    }
    const ComSession com;
    if (!com.started()) {
        return 0;
    }
    ComRef<IGameExplorer> explorer;
    if (FAILED(createExplorer(explorer))) {
        return 0;
    }
    instanceId = GUID{};
    const HRESULT added = explorer->AddGame(
        gdf.get(), folder.get(), static_cast<GAME_INSTALL_SCOPE>(installScope), &instanceId);
    // Stored whether or not the game was added: a failed add leaves the all-zero ID behind.
    storeInstanceId(valueName);
    return SUCCEEDED(added) ? 1 : 0;
}

uint8_t LUDEXA_CALL GameExplorerRemove(const char* valueName) {
    const StoredCall removed = callStoredGame(valueName, &IGameExplorer::RemoveGame);
    // The value goes also when the game could not be removed; only without the Game Explorer
    // it stays, for a later uninstall to find.
    if (removed != StoredCall::NoExplorer) {
        deleteInstanceId(valueName);
    }
    return removed == StoredCall::Succeeded ? 1 : 0;
}

uint8_t LUDEXA_CALL GameExplorerUpdate(const char* valueName) {
    return callStoredGame(valueName, &IGameExplorer::UpdateGame) == StoredCall::Succeeded ? 1 : 0;
}

uint8_t LUDEXA_CALL GameExplorerCreateTask(int32_t installScope, uint8_t supportTask,
                                           int32_t taskIndex, const char* taskName,
                                           const char* targetPath, const char* arguments) {
    if (taskName == nullptr || targetPath == nullptr) {
        return 0;
    }
    const std::wstring folder = taskFolder(installScope, supportTask != 0, taskIndex);
    if (folder.empty()) {
        return 0;
    }
    const int made = SHCreateDirectoryExW(nullptr, folder.c_str(), nullptr);
    if (made != ERROR_SUCCESS && made != ERROR_ALREADY_EXISTS && made != ERROR_FILE_EXISTS) {
        return 0;
    }
    const std::wstring name = taskFileName(taskName);
    const std::wstring link = folder + L"\\" + name + L".lnk";
    if (name.empty() || link.size() > maxPath) {
        return 0;
    }
    return SUCCEEDED(createShortcut(link, targetPath, arguments)) ? 1 : 0;
}
