/* Drives the registration library the way an installer does: loaded by its file name, the
   four functions looked up by name, called in installer order. Every folder the library may
   write to is moved below one temporary folder (HOME, the XDG folders and the library's own
   system root), so the machine's real menus and stores are never touched.
   Usage: test_ludexa_installer <case>; the cases are listed in the table at the end. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <ftw.h>
#include <stdarg.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

typedef uint8_t (*AddFn)(const char*, const char*, int32_t, const char*);
typedef uint8_t (*ValueFn)(const char*);
typedef uint8_t (*TaskFn)(int32_t, uint8_t, int32_t, const char*, const char*, const char*);

static AddFn Add;
static ValueFn Remove;
static ValueFn Update;
static TaskFn CreateTask;

static int failures;
static char root[256];

#define CHECK(cond, ...)                                                                           \
    do {                                                                                           \
        if (!(cond)) {                                                                             \
            ++failures;                                                                            \
            fprintf(stderr, "%s:%d: %s: ", __FILE__, __LINE__, #cond);                             \
            fprintf(stderr, __VA_ARGS__);                                                          \
            fputc('\n', stderr);                                                                   \
        }                                                                                          \
    } while (0)

static const char* const game = QB_BIN_DIR "/QueltaBrovel";
static const char* const utility = QB_BIN_DIR "/QueltaBrovelUtility";
static const char* const valueName = "QueltaBrovelInstall";

/* ---- folders and files ---- */

/* A path made from format, in one of 32 rotating buffers: copy what must live longer. */
static char* path(const char* format, ...) __attribute__((format(printf, 1, 2)));
static char* path(const char* format, ...) {
    static char buffers[32][1024];
    static int next;
    char* out = buffers[next++ % 32];
    va_list args;
    va_start(args, format);
    vsnprintf(out, sizeof buffers[0], format, args);
    va_end(args);
    return out;
}

static int exists(const char* file) {
    struct stat st;
    return stat(file, &st) == 0;
}

/* The whole file, zero-terminated, in a buffer the caller frees; NULL when missing. */
static char* slurp(const char* file, size_t* size) {
    FILE* in = fopen(file, "rb");
    if (in == NULL) {
        return NULL;
    }
    char* data = malloc(65536);
    size_t n = fread(data, 1, 65535, in);
    fclose(in);
    data[n] = '\0';
    if (size != NULL) {
        *size = n;
    }
    return data;
}

static int contains(const char* file, const char* line) {
    char* text = slurp(file, NULL);
    char wanted[1200];
    snprintf(wanted, sizeof wanted, "\n%s\n", line);
    int found = text != NULL && strstr(text, wanted) != NULL;
    free(text);
    return found;
}

static int files;
static int countFile(const char* p, const struct stat* st, int type, struct FTW* ftw) {
    (void)p, (void)st, (void)ftw;
    files += type == FTW_F;
    return 0;
}

/* The number of files anywhere below folder. */
static int filesBelow(const char* folder) {
    files = 0;
    nftw(folder, countFile, 16, FTW_PHYS);
    return files;
}

static int removeOne(const char* p, const struct stat* st, int type, struct FTW* ftw) {
    (void)st, (void)type, (void)ftw;
    return remove(p);
}

/* desktop-file-validate passes the file without a single error, warning or hint. */
static void checkValid(const char* entry) {
    char command[1200];
    snprintf(command, sizeof command, "desktop-file-validate '%s' 2>&1", entry);
    FILE* out = popen(command, "r");
    char report[4096] = "";
    size_t n = out == NULL ? 0 : fread(report, 1, sizeof report - 1, out);
    report[n] = '\0';
    int status = out == NULL ? -1 : pclose(out);
    CHECK(status == 0 && n == 0, "%s: %s", entry, report);
}

/* ---- the places of one scope ---- */

struct Places {
    char applications[1024];
    char tasks[1024]; /* the GameExplorer folder of task folders */
    char store[1024];
    char other[1024]; /* where this scope must write nothing */
};

#define KEEP(buffer, ...) snprintf(buffer, sizeof buffer, "%s", path(__VA_ARGS__))

static struct Places places(int scope) {
    struct Places p;
    const char* data = scope == 2 ? "data" : "system/usr/local/share";
    KEEP(p.applications, "%s/%s/applications", root, data);
    KEEP(p.tasks, "%s/%s/GameExplorer", root, data);
    KEEP(p.store, "%s/%s/GameExplorer", root, scope == 2 ? "config" : "system/etc/xdg");
    KEEP(p.other, "%s/%s", root, scope == 2 ? "system" : "home");
    return p;
}

/* The stored value's 16 bytes as the folder-name text and the file-ID text of the entry. */
static int storedGuid(const struct Places* p, const char* name, char text[39], char id[37]) {
    size_t size = 0;
    unsigned char* b = (unsigned char*)slurp(path("%s/%s", p->store, name), &size);
    if (b == NULL || size != 16) {
        free(b);
        return 0;
    }
    /* Data1, Data2 and Data3 are little-endian in the stored layout. */
    snprintf(text, 39, "{%02X%02X%02X%02X-%02X%02X-%02X%02X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
             b[3], b[2], b[1], b[0], b[5], b[4], b[7], b[6], b[8], b[9], b[10], b[11], b[12], b[13],
             b[14], b[15]);
    snprintf(id, 37, "%02x%02x%02x%02x-%02x%02x-%02x%02x-%02x%02x-%02x%02x%02x%02x%02x%02x", b[3],
             b[2], b[1], b[0], b[5], b[4], b[7], b[6], b[8], b[9], b[10], b[11], b[12], b[13],
             b[14], b[15]);
    int zero = 1;
    for (int i = 0; i < 16; ++i) {
        zero = zero && b[i] == 0;
    }
    free(b);
    return zero ? -1 : 1;
}

/* ---- the cases ---- */

static void installerOrder(int scope) {
    const struct Places p = places(scope);
    char guid[39], id[37];

    CHECK(Add(game, QB_BIN_DIR, scope, valueName) == 1, "add");
    CHECK(storedGuid(&p, valueName, guid, id) == 1, "a non-zero 16-byte value is stored");
    char entry[1024], play[1024], support[1024];
    KEEP(entry, "%s/gameexplorer-%s.desktop", p.applications, id);
    CHECK(exists(entry), "%s", entry);
    CHECK(contains(entry, "Name=QueltaBrovel"), "name from the definition file");
    CHECK(contains(entry, path("Exec=%s", game)), "the game program in the folder");
    CHECK(contains(entry, "Path=" QB_BIN_DIR), "started in the installation folder");
    CHECK(contains(entry, "Icon=" QB_BIN_DIR "/QueltaBrovel.svg"), "the game's icon");
    CHECK(contains(entry, path("X-GameExplorer-InstanceID=%s", guid)), "the stored ID");
    CHECK(contains(entry, "Categories=Game;CardGame;"), "the genre");
    char* text = slurp(entry, NULL);
    CHECK(text != NULL && strstr(text, "\nComment=Quelta, the card game") != NULL, "%s", text);
    free(text);
    checkValid(entry);

    KEEP(play, "%s/%s/PlayTasks/0/Play.desktop", p.tasks, guid);
    CHECK(CreateTask(scope, 0, 0, "Play", game, NULL) == 1, "play task");
    CHECK(exists(play), "%s", play);
    CHECK(contains(play, path("Exec=%s", game)) && contains(play, "Path=" QB_BIN_DIR), "%s", play);
    checkValid(play);

    KEEP(support, "%s/%s/SupportTasks/0/Utility.desktop", p.tasks, guid);
    /* Arguments as a shortcut holds them, quoted for the desktop: spaces, %, $ and \. */
    CHECK(CreateTask(scope, 1, 0, "Utility", utility, "--reset \"two words\" 100% $HOME\\x") == 1,
          "support task");
    CHECK(contains(support,
                   "Exec=" QB_BIN_DIR
                   "/QueltaBrovelUtility --reset \"two words\" 100%% \"\\\\$HOME\\\\\\\\x\""),
          "%s", support);
    checkValid(support);
    CHECK(contains(entry, "Actions=play-0-0;support-0-0;"), "both tasks are actions");
    CHECK(contains(entry, "[Desktop Action support-0-0]") && contains(entry, "Name=Utility"),
          "support action");
    checkValid(entry);

    /* An update rewrites the entry from the definition file and keeps the tasks. */
    text = slurp(entry, NULL);
    char* name = text == NULL ? NULL : strstr(text, "\nName=QueltaBrovel\n");
    if (name != NULL) {
        memcpy(name + 6, "Outdated....", 12);
        FILE* out = fopen(entry, "wb");
        fputs(text, out);
        fclose(out);
    }
    free(text);
    CHECK(Update(valueName) == 1, "update");
    CHECK(contains(entry, "Name=QueltaBrovel"), "name read again");
    CHECK(contains(entry, "Actions=play-0-0;support-0-0;"), "tasks kept");
    CHECK(storedGuid(&p, valueName, guid, id) == 1, "the value stays");
    checkValid(entry);
    CHECK(filesBelow(p.other) == 0, "the other scope's folders stay empty");

    CHECK(Remove(valueName) == 1, "remove");
    CHECK(!exists(entry), "entry removed");
    CHECK(!exists(path("%s/%s", p.tasks, guid)), "task folders removed");
    CHECK(!exists(path("%s/%s", p.store, valueName)), "value deleted");
    CHECK(filesBelow(root) == 0, "nothing left behind");
    CHECK(Remove(valueName) == 0, "a second remove finds nothing");
}

static void currentUser(void) {
    installerOrder(2);
}

static void allUsers(void) {
    installerOrder(3);
}

/* A task before any registration in this process goes to the all-zero ID's folder. */
static void taskBeforeAdd(void) {
    const struct Places p = places(2);
    CHECK(CreateTask(2, 0, 0, "Play", game, NULL) == 1, "task");
    const char* file =
        path("%s/{00000000-0000-0000-0000-000000000000}/PlayTasks/0/Play.desktop", p.tasks);
    CHECK(exists(file), "%s", file);
    checkValid(file);
    CHECK(!exists(p.applications), "no game entry was made");
}

/* A failed add stores the all-zero ID and shows nothing; tasks then use that ID. */
static void failedAdd(void) {
    const struct Places user = places(2);
    const struct Places system = places(3);
    char guid[39], id[37];
    const char* gdfSource = QB_SOURCE_DIR "/gameexplorer/QueltaBrovel.gdf.xml";
    const struct {
        const char* gdf;
        const char* folder;
        int scope;
        const struct Places* store;
    } cases[] = {
        {gdfSource, QB_BIN_DIR, 2, &user},                    /* a bare file, no program */
        {"/dev/null", QB_BIN_DIR, 2, &user},                  /* empty */
        {game, path("%s/nowhere", root), 2, &user},           /* no installation folder */
        {game, QB_BIN_DIR, 1, &system},                       /* not an install scope */
        {QB_BIN_DIR "/libLudexa.so", QB_BIN_DIR, 3, &system}, /* ELF without definition */
    };
    for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i) {
        CHECK(Add(cases[i].gdf, cases[i].folder, cases[i].scope, valueName) == 0, "case %zu", i);
        CHECK(storedGuid(cases[i].store, valueName, guid, id) == -1, "zero ID stored, case %zu", i);
    }
    CHECK(!exists(user.applications) && !exists(system.applications), "no entry made");
    CHECK(CreateTask(2, 0, 3, "Play", game, NULL) == 1, "task after a failed add");
    CHECK(exists(path("%s/{00000000-0000-0000-0000-000000000000}/PlayTasks/3/Play.desktop",
                      user.tasks)),
          "zero ID folder");
    /* The zero ID names no game: removing fails and still deletes the value. */
    CHECK(Remove(valueName) == 0, "remove of a failed add");
    CHECK(!exists(path("%s/%s", user.store, valueName)), "user value deleted");
    CHECK(Remove(valueName) == 0 && !exists(path("%s/%s", system.store, valueName)),
          "system value deleted");
}

/* Task names and paths beyond their limits fail; the folder made before stays. */
static void taskLimits(void) {
    const struct Places p = places(2);
    char guid[39], id[37];
    CHECK(Add(game, QB_BIN_DIR, 2, valueName) == 1, "add");
    storedGuid(&p, valueName, guid, id);
    char name[80];
    memset(name, 'n', 63);
    name[63] = '\0';
    CHECK(CreateTask(2, 0, 1, name, game, NULL) == 1, "63 characters");
    CHECK(exists(path("%s/%s/PlayTasks/1/%s.desktop", p.tasks, guid, name)), "63-character task");
    /* Characters, not bytes: 63 two-byte letters are still 63 characters. */
    char wide[160] = "";
    for (int i = 0; i < 63; ++i) {
        strcat(wide, "\xC3\xA9");
    }
    CHECK(CreateTask(2, 0, 4, wide, game, NULL) == 1, "63 two-byte characters");
    strcat(wide, "e");
    CHECK(CreateTask(2, 0, 5, wide, game, NULL) == 0, "64 characters");
    strcat(name, "x");
    CHECK(CreateTask(2, 0, 2, name, game, NULL) == 0, "64 characters");
    CHECK(exists(path("%s/%s/PlayTasks/2", p.tasks, guid)), "the folder stays");
    CHECK(filesBelow(path("%s/%s/PlayTasks/2", p.tasks, guid)) == 0, "no task file");
    const char* bad[] = {"", "../../../escape", "Play\xFF"};
    for (size_t i = 0; i < sizeof bad / sizeof bad[0]; ++i) {
        CHECK(CreateTask(2, 1, 7, bad[i], game, NULL) == 0, "bad name %zu", i);
    }
    CHECK(filesBelow(path("%s/%s/SupportTasks", p.tasks, guid)) == 0, "no bad task file");
    CHECK(!exists(path("%s/escape.desktop", p.tasks)), "no file outside the task folder");

    /* A task folder path beyond 511 characters fails before anything is made. */
    char deep[1200];
    snprintf(deep, sizeof deep, "%s/%0480d", root, 0);
    setenv("XDG_DATA_HOME", deep, 1);
    CHECK(CreateTask(2, 0, 0, "Play", game, NULL) == 0, "path too long");
    CHECK(!exists(deep), "nothing made for a path beyond 511 characters");
    setenv("XDG_DATA_HOME", path("%s/data", root), 1);

    const char* entry = path("%s/gameexplorer-%s.desktop", p.applications, id);
    CHECK(contains(entry, "Actions=play-1-0;play-4-0;"), "the two tasks that were made");
    checkValid(entry);
}

/* A value name that holds nothing leaves the game registered last alone. */
static void unknownValue(void) {
    const struct Places p = places(2);
    char guid[39], id[37];
    CHECK(Add(game, QB_BIN_DIR, 2, valueName) == 1, "add");
    storedGuid(&p, valueName, guid, id);
    CHECK(Remove("NoSuchValue") == 0, "remove of an unknown value");
    CHECK(Update("NoSuchValue") == 0, "update of an unknown value");
    CHECK(exists(path("%s/gameexplorer-%s.desktop", p.applications, id)), "game still there");
    CHECK(storedGuid(&p, valueName, guid, id) == 1, "its value too");
    /* Value names are any text; one with a slash stays inside the store. */
    CHECK(Add(game, QB_BIN_DIR, 2, "../Outside/Name") == 1, "add under an odd name");
    CHECK(filesBelow(p.store) == 2 && filesBelow(path("%s/config", root)) == 2, "in the store");
    CHECK(Remove("../Outside/Name") == 1 && Remove(valueName) == 1, "both removed");
    CHECK(filesBelow(root) == 0, "nothing left behind");
}

/* An installation folder with characters the desktop treats specially still gives a valid
   entry that starts the program there. */
static void oddFolder(void) {
    const struct Places p = places(2);
    char guid[39], id[37], folder[1024], entry[1024];
    KEEP(folder, "%s/Quelta Brovel 100%% $games", root);
    mkdir(folder, 0700);
    CHECK(Add(game, folder, 2, valueName) == 1, "add");
    storedGuid(&p, valueName, guid, id);
    KEEP(entry, "%s/gameexplorer-%s.desktop", p.applications, id);
    CHECK(contains(entry, path("Exec=\"%s/Quelta Brovel 100%%%% \\\\$games/QueltaBrovel\"", root)),
          "quoted program");
    CHECK(contains(entry, path("Path=%s", folder)), "folder unquoted");
    char* text = slurp(entry, NULL);
    CHECK(text != NULL && strstr(text, "\nIcon=") == NULL, "no icon in that folder: %s", text);
    free(text);
    checkValid(entry);
}

/* ---- set-up ---- */

static void makeRoot(void) {
    const char* tmp = getenv("TMPDIR");
    snprintf(root, sizeof root, "%s/ludexa-XXXXXX", tmp != NULL && tmp[0] ? tmp : "/tmp");
    if (mkdtemp(root) == NULL) {
        perror("mkdtemp");
        exit(2);
    }
    mkdir(path("%s/home", root), 0700);
    setenv("HOME", path("%s/home", root), 1);
    setenv("XDG_DATA_HOME", path("%s/data", root), 1);
    setenv("XDG_CONFIG_HOME", path("%s/config", root), 1);
    setenv("LUDEXA_SYSTEM_ROOT", path("%s/system", root), 1);
}

static void bind(void) {
    void* library = dlopen(LUDEXA_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    if (library == NULL) {
        fprintf(stderr, "%s\n", dlerror());
        exit(2);
    }
    /* POSIX's way to take a function from dlsym; C itself has no conversion for it. */
    *(void**)&Add = dlsym(library, "GameExplorerAdd");
    *(void**)&Remove = dlsym(library, "GameExplorerRemove");
    *(void**)&Update = dlsym(library, "GameExplorerUpdate");
    *(void**)&CreateTask = dlsym(library, "GameExplorerCreateTask");
    if (!Add || !Remove || !Update || !CreateTask) {
        fprintf(stderr, "an export is missing\n");
        exit(2);
    }
}

static const struct {
    const char* name;
    void (*run)(void);
} cases[] = {
    {"current-user", currentUser}, {"all-users", allUsers},     {"task-before-add", taskBeforeAdd},
    {"failed-add", failedAdd},     {"task-limits", taskLimits}, {"unknown-value", unknownValue},
    {"odd-folder", oddFolder},
};

int main(int argc, char** argv) {
    for (size_t i = 0; argc == 2 && i < sizeof cases / sizeof cases[0]; ++i) {
        if (strcmp(argv[1], cases[i].name) == 0) {
            makeRoot();
            bind();
            cases[i].run();
            nftw(root, removeOne, 16, FTW_DEPTH | FTW_PHYS);
            return failures == 0 ? 0 : 1;
        }
    }
    fprintf(stderr, "usage: %s <case>\n", argv[0]);
    return 2;
}
