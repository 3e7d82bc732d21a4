/*
 * Exports of the host DLL KXDLL.dll, which ptrmain binds by name at run time.
 *
 * Core:
 *   Init(callback)                hidden window, clipboard notices (the system's
 *                                 format listener, else the viewer chain; event 0
 *                                 once at once, then once per change), registered
 *                                 messages; returns the window, 0 on a second call.
 *   Quit()                        stops the clipboard notices and destroys the window.
 *   ShowAbout(owner)              one-line about box.
 *   ShowMainProgramWindow()       asks a running ptrmain to show its settings window.
 *   CallFunction(type, option)    hands a function to a running ptrmain (event 6);
 *                                 an option over 1,027 bytes is cut at a character
 *                                 boundary. Senders take turns, so each request
 *                                 arrives exactly once. Nonzero when it was sent.
 *   NotifyIconControl(op, v, x)   the one tray icon (KX_TRAY_* operations); texts
 *                                 longer than their field are cut at a character
 *                                 boundary. KX_TRAY_BALLOON_SHOW shows a balloon
 *                                 while the icon is there: each waits for the one
 *                                 before to end (or ten seconds), and those asked for
 *                                 before the icon was added follow its add.
 * Shortcut files:
 *   CreateShortCut(...)           writes a .lnk through the shell's link object.
 * Plug-in proxies: SetPluginHost(host) keeps the host's services (tlx_plugin.h)
 * that Plugin_Init hands every plug-in exporting PIN_SetHost before its PIN_Init;
 * Plugin_Init loads a .tlx and returns its id (-1 on failure);
 * the other Plugin_* forward to the plug-in's PIN_* export (tlx_plugin.h) and
 * return 0 without calling anything for an id that is not loaded, or when the
 * record buffer of Plugin_GetInfo / Plugin_GetFuncInfo is null (a null name
 * buffer of Plugin_GetFuncSettingName is passed on: it asks for the length).
 * Plugin_NextFuncSetting returns -1 for a plug-in without PIN_NextFuncSetting,
 * as for one whose settings are 1 .. FuncNameNumMax.
 *
 * All exports use WINAPI and undecorated names. Values that carry a handle or
 * a pointer (window, plug-in id, event arguments) are pointer-sized.
 */
#ifndef KXDLL_H
#define KXDLL_H

#include <windows.h>
#include "tlx_plugin.h"

#ifdef __cplusplus
extern "C" {
#endif

#ifdef KX_BUILDING_DLL
#define KX_EXPORT __declspec(dllexport)
#else
#define KX_EXPORT
#endif

/* Host callback events. */
enum {
    KX_EVENT_CLIPBOARD = 0,      /* clipboard content changed */
    KX_EVENT_HOTKEY = 1,         /* a = hotkey id, b = lParam of WM_HOTKEY */
    KX_EVENT_DESTROYED = 3,      /* the hidden window was destroyed */
    KX_EVENT_SHOW_WINDOW = 4,    /* another process asks for the settings window */
    KX_EVENT_TRAY = 5,           /* a = KX_TRAY_DOWN/UP/DBLCLK, b = KX_BUTTON_* */
    KX_EVENT_CALL_FUNCTION = 6   /* a = FunctionType, b = const char* option, valid during the call */
};
enum { KX_TRAY_DOWN = 1, KX_TRAY_UP = 2, KX_TRAY_DBLCLK = 3 };
enum { KX_BUTTON_LEFT = 1, KX_BUTTON_RIGHT = 2, KX_BUTTON_MIDDLE = 4 };

/* NotifyIconControl operations; other codes do nothing. */
enum {
    KX_TRAY_ADD = 1,
    KX_TRAY_DELETE = 2,
    KX_TRAY_BALLOON_TIMEOUT = 3,   /* value: number */
    KX_TRAY_BALLOON_TITLE = 4,     /* value: text, at most 63 bytes kept */
    KX_TRAY_BALLOON_WANTED = 5,    /* value: nonzero adds the balloon to the next add */
    KX_TRAY_BALLOON_TEXT = 7,      /* value: text, at most 255 bytes kept */
    KX_TRAY_BALLOON_ICON = 8,      /* value: NIIF_* flags */
    KX_TRAY_TIP = 9,               /* value: text, at most 127 bytes kept */
    KX_TRAY_ICON = 11,             /* value: module instance, extra: resource name or number */
    KX_TRAY_BALLOON_SHOW = 13      /* a balloon of the title, text and icon flags set now, shown in turn */
};

typedef int32_t (WINAPI *KxHostCallback)(int32_t event, INT_PTR a, INT_PTR b);

KX_EXPORT HWND    WINAPI Init(KxHostCallback callback);
KX_EXPORT int32_t WINAPI Quit(void);
KX_EXPORT int32_t WINAPI ShowAbout(HWND owner);
KX_EXPORT int32_t WINAPI ShowMainProgramWindow(void);
KX_EXPORT int32_t WINAPI CallFunction(int32_t functionType, const char *option);
KX_EXPORT int32_t WINAPI NotifyIconControl(int32_t operation, INT_PTR value, INT_PTR extra);

KX_EXPORT int32_t WINAPI CreateShortCut(const char *linkFile, const char *target,
                                        const char *workingFolder, const char *iconFile,
                                        int32_t iconIndex, const char *description,
                                        const char *arguments);

KX_EXPORT void    WINAPI SetPluginHost(const TlxHost *host);
KX_EXPORT INT_PTR WINAPI Plugin_Init(const char *path);
KX_EXPORT int32_t WINAPI Plugin_Quit(INT_PTR id);
KX_EXPORT int32_t WINAPI Plugin_ShowAbout(INT_PTR id, HWND owner);
KX_EXPORT int32_t WINAPI Plugin_ShowSetting(INT_PTR id, int32_t funcno, int32_t SettingNo, HWND owner);
KX_EXPORT int32_t WINAPI Plugin_Func(INT_PTR id, int32_t funcno, int32_t setno, HWND ActivateWnd,
                                     int32_t CallType, int32_t reserved);
KX_EXPORT int32_t WINAPI Plugin_GetInfo(INT_PTR id, TlxPluginInfo *info);
KX_EXPORT int32_t WINAPI Plugin_GetFuncInfo(INT_PTR id, int32_t funcno, TlxFuncInfo *info);
KX_EXPORT int32_t WINAPI Plugin_GetFuncSettingName(INT_PTR id, int32_t funcno, int32_t setno,
                                                   char *buffer, int32_t size);
KX_EXPORT int32_t WINAPI Plugin_NextFuncSetting(INT_PTR id, int32_t funcno, int32_t after);

#define KX_PLUGIN_NOT_LOADED ((INT_PTR)-1)

#ifdef __cplusplus
}
#endif

#endif
