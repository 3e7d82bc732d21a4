/*
 * ポルテリカ plug-in interface
 * =============================
 *
 * A plug-in is a Windows DLL with the file extension ".tlx" placed in the
 * program's "Plugins\" folder. It adds numbered functions that the program
 * runs from clipboard-watch rules, hotkeys, menus and shortcut files.
 *
 * Exports. A plug-in exports all eight functions below under exactly these
 * names, undecorated, with the standard Win32 calling convention (WINAPI:
 * the callee pops the arguments), even those it does nothing in. A library
 * that lacks any of them is refused by the host and freed again without a
 * single call into it. Build 32-bit plug-ins with a .def file (or
 * -Wl,--kill-at) so that the names carry no "@n" suffix.
 *
 * Lifecycle, in the order the host calls:
 *   1. PIN_Init()                       once, right after loading: read settings, restore state.
 *   2. PIN_GetInfo(info)                fill the 1,880-byte TlxPluginInfo.
 *   3. for n = 1 .. info.FuncCount:
 *        PIN_GetFuncInfo(n, func)       fill the 340-byte TlxFuncInfo of function n;
 *        for s = 1 .. func.FuncNameNumMax:
 *          PIN_GetFuncSettingName(n, s, buffer, 256)
 *   4. any number of PIN_Func, PIN_ShowSetting, PIN_ShowAbout and further
 *      PIN_GetFuncSettingName calls (the host asks for a setting's name
 *      again after that setting's dialog was closed).
 *   5. PIN_Quit()                       once, last, just before the library is freed:
 *                                       save state, free memory.
 * Every call comes from the program's user-interface thread. A plug-in is never
 * called while one of its calls runs; while one of its functions waits for the
 * user in a window of its own (whose message loop runs the program's too), a copy
 * made meanwhile is watched, and the functions of other plug-ins may run for it.
 *
 * Numbering. Functions are numbered 1 .. FuncCount; each function has
 * numbered settings 1 .. FuncNameNumMax (at least 1). A runnable function is
 * plug-in file + function number + setting number. The host asks
 * PIN_GetFuncInfo and PIN_GetFuncSettingName only within those bounds;
 * PIN_Func, PIN_ShowSetting and PIN_ShowAbout must ignore numbers they did
 * not announce.
 *
 * Buffers always belong to the caller: the host passes zeroed records and a
 * 256-byte setting-name buffer; the plug-in never keeps a pointer to them.
 *
 * PIN_GetFuncSettingName copies like strncpy: at most `size` bytes, and no
 * terminator when the name fills the buffer (a 256-byte name comes back as
 * 256 bytes without NUL). The buffer may be null: then only the length is
 * returned. The result is the name's length capped at `size`; when the
 * function has no name for that setting the result is 0 and the buffer is
 * left untouched.
 *
 * Action and check functions. An action (TLX_FUNC_ACTION) changes the
 * clipboard or starts something and returns 0. A check (TLX_FUNC_CHECK)
 * only inspects the clipboard and returns nonzero when its condition holds;
 * the program offers checks as conditions of clipboard-watch rules. A check
 * that cannot read the clipboard returns 0.
 *
 * Clipboard. The host passes no clipboard data. A function opens the
 * clipboard itself (OpenClipboard(NULL)), reads and writes what it needs and
 * closes it before returning. A change it makes while its function runs is
 * taken for the function's own and not watched; a copy another program makes
 * meanwhile is watched once the function waits for the user or returns. What a
 * plug-in puts on the clipboard for a paste (common/win/clipboard_paste.h)
 * carries the paste mark "Porterica Paste" and is never watched.
 *
 * Files. A plug-in keeps its files in a folder named after its own file name
 * without extension, beside the plug-in ("tlxText\Setting.ini" beside
 * "tlxText.tlx"); it finds it from GetModuleFileNameA of its own module.
 *
 * The host's services (optional). A plug-in that also exports
 *   PIN_SetHost(host)
 * is handed the host's services right before PIN_Init, and may use them until
 * PIN_Quit returns. The record is the host's and lives as long as the plug-in;
 * its Size tells which fields the host has: a field that ends beyond Size is
 * not there, and a newer host may add fields at the end. A host that knows
 * nothing of PIN_SetHost never calls it, and the plug-in does without:
 *   LookAtCopy()   what the host found when it looked at the copy now on the
 *                  clipboard: its formats, whether it is private (a password
 *                  manager's copy) and its privacy marks. The host looks once
 *                  per change, before it runs the watch actions, so a check or
 *                  an action that asks here need not ask the system again. The
 *                  look is of the copy now on the clipboard (Sequence is its
 *                  GetClipboardSequenceNumber); null when the host has not
 *                  looked at this copy (watching is off, or the clipboard has
 *                  changed since), and the plug-in looks itself. It never
 *                  opens the clipboard: it may be called with the clipboard
 *                  open or closed. The answer points to the host's memory,
 *                  valid until the plug-in's call returns.
 *   WindowScalePercent  how much larger than their design the host draws its
 *                  windows, in percent: 100, or 130 when the program runs in
 *                  help mode (started with "/HelpMode"). A plug-in draws the
 *                  windows it lays out itself as much larger, on top of the
 *                  display scale of their monitor. The value stays as it is
 *                  while the program runs; a host whose record ends before
 *                  this field draws its windows at 100.
 *   FunctionsChanged(plugin)
 *                  the plug-in (its module handle, which is its id) has other
 *                  setting names, or another FuncNameNumMax, than it told: the
 *                  host reads its function records and every setting name
 *                  again before this returns, so that its function selection
 *                  shows them without a restart. The number of functions is
 *                  read once, at load. Call it from any of the plug-in's calls.
 *   ShowNotice(title, text, warning)
 *                  a balloon over the program's tray icon that tells the user
 *                  something without stopping them (a file that cannot be
 *                  saved, keys that could not be sent). Balloons are shown in
 *                  turn; one asked for before the icon is there (from PIN_Init)
 *                  shows once it is. Texts are cut at 63 and 255 bytes. Nonzero
 *                  when the host will show it; a plug-in whose host has no such
 *                  field, or answers 0, tells the user another way.
 * A plug-in without PIN_SetHost loads and works as before.
 *
 * Listed settings (optional). A function whose settings are few among many numbers
 * (the phrases: a phrase keeps its number for good and none is given twice, so the
 * numbers grow past any count) tells them one by one through a plug-in export
 *   PIN_NextFuncSetting(funcno, after)
 * which returns the lowest setting number above `after` that function funcno has,
 * or 0 when it has none above; a function whose settings are 1 .. FuncNameNumMax
 * returns -1. A host that finds the export asks for the names of the settings it
 * lists, and only those, whatever FuncNameNumMax says; a host that does not reads
 * 1 .. FuncNameNumMax as above (the plug-in still fills it with its highest number).
 *
 * Writing one. The five standard plug-ins (plugins/text, plugins/internet,
 * plugins/convert, plugins/history, plugins/snippet) are built one way, described in the section
 * "Writing a plug-in" of README.md: the function numbers, the function table
 * and the information record in a portable core/plugin_records.cpp; the
 * settings model in core/, read and written through tlx::ProfileStore
 * (common/profile_store.h); each dialog a tlx::SettingForm
 * (common/win/setting_form.h); the module handle from tlx::OwnModule()
 * (common/win/module_folder.h), so no DllMain; the host's look at each copy
 * through tlx::CurrentCopy() (common/win/current_copy.h), the host's services
 * kept by tlx::UseHost (common/win/host_services.h), which PIN_SetHost calls
 * (with the window scale, tlx::HostWindowScalePercent); and
 * win/plugin_exports.cpp holding only the exports
 * above, undecorated through a .def file. plugins/internet is the smallest to
 * start from.
 *
 * Texts are ANSI, code page 932. Window handles and the plug-in id are
 * pointer-sized: 32 bits in a 32-bit build, 64 bits in a 64-bit one.
 */
#ifndef TLX_PLUGIN_H
#define TLX_PLUGIN_H

#include <windows.h>
#include "tlx_records.h"

#ifdef __cplusplus
extern "C" {
#endif

#ifdef TLX_BUILDING_PLUGIN
#define TLX_EXPORT __declspec(dllexport)
#else
#define TLX_EXPORT
#endif

/* Called once, first. The result is ignored. */
TLX_EXPORT int32_t WINAPI PIN_Init(void);
/* Called once, last, before the library is freed. */
TLX_EXPORT void WINAPI PIN_Quit(void);
/* Shows the about box; called only when TlxPluginInfo.IsAbout is set. Result ignored. */
TLX_EXPORT int32_t WINAPI PIN_ShowAbout(HWND owner);
/* Shows a modal settings dialog and returns when it is closed: funcno 0 for the
 * plug-in-wide settings, funcno n for setting SettingNo of function n. Result ignored. */
TLX_EXPORT int32_t WINAPI PIN_ShowSetting(int32_t funcno, int32_t SettingNo, HWND owner);
/* Runs function funcno with setting setno. ActivateWnd is the window that was in
 * front when the program was triggered; CallType one of TLX_CALL_*; reserved is 0.
 * A check returns nonzero when its condition holds; an action returns 0. */
TLX_EXPORT int32_t WINAPI PIN_Func(int32_t funcno, int32_t setno, HWND ActivateWnd,
                                   int32_t CallType, int32_t reserved);
/* Fills the 1,880-byte information record. Result ignored. */
TLX_EXPORT int32_t WINAPI PIN_GetInfo(TlxPluginInfo *info);
/* Fills the 340-byte record of function funcno (1 .. FuncCount). Result ignored. */
TLX_EXPORT int32_t WINAPI PIN_GetFuncInfo(int32_t funcno, TlxFuncInfo *info);
/* strncpy-like copy of the name of setting setno of function funcno; see above. */
TLX_EXPORT int32_t WINAPI PIN_GetFuncSettingName(int32_t funcno, int32_t setno,
                                                 char *buffer, int32_t size);

/* The host's services, handed to PIN_SetHost; see above. */
typedef struct TlxHost {
    uint32_t Size;                                  /* sizeof(TlxHost) as the host knows it */
    const TlxCopyLook *(WINAPI *LookAtCopy)(void);  /* the copy on the clipboard now, as the host saw it */
    uint32_t WindowScalePercent;                    /* 100, or 130 in help mode */
    void (WINAPI *FunctionsChanged)(HINSTANCE plugin); /* read the plug-in's functions and setting names again */
    int32_t (WINAPI *ShowNotice)(const char *title, const char *text, int32_t warning); /* a tray balloon */
} TlxHost;

TLX_STATIC_ASSERT(offsetof(TlxHost, LookAtCopy) == sizeof(void *) &&
                      offsetof(TlxHost, WindowScalePercent) == 2 * sizeof(void *) &&
                      offsetof(TlxHost, FunctionsChanged) == 3 * sizeof(void *) &&
                      offsetof(TlxHost, ShowNotice) == 4 * sizeof(void *) &&
                      sizeof(TlxHost) == 5 * sizeof(void *),
                  "host services: the size, a pointer, the window scale, two pointers, each pointer-aligned");

/* Optional: the host's services, before PIN_Init. */
TLX_EXPORT void WINAPI PIN_SetHost(const TlxHost *host);
/* Optional: the next setting of function funcno above `after`; 0 after the last, -1
 * when its settings are 1 .. FuncNameNumMax; see above. */
TLX_EXPORT int32_t WINAPI PIN_NextFuncSetting(int32_t funcno, int32_t after);

/* Pointer types, as the host resolves the exports. */
typedef int32_t (WINAPI *TlxInitProc)(void);
typedef void    (WINAPI *TlxQuitProc)(void);
typedef int32_t (WINAPI *TlxShowAboutProc)(HWND);
typedef int32_t (WINAPI *TlxShowSettingProc)(int32_t, int32_t, HWND);
typedef int32_t (WINAPI *TlxFuncProc)(int32_t, int32_t, HWND, int32_t, int32_t);
typedef int32_t (WINAPI *TlxGetInfoProc)(TlxPluginInfo *);
typedef int32_t (WINAPI *TlxGetFuncInfoProc)(int32_t, TlxFuncInfo *);
typedef int32_t (WINAPI *TlxGetFuncSettingNameProc)(int32_t, int32_t, char *, int32_t);
typedef void    (WINAPI *TlxSetHostProc)(const TlxHost *);
typedef int32_t (WINAPI *TlxNextFuncSettingProc)(int32_t, int32_t);

#ifdef __cplusplus
}
#endif

#endif
