/*
 * Fixed records exchanged between a plug-in and its host, and between two
 * processes of the program. They are plain bytes: every field has a fixed
 * offset and size in the 32-bit and in the 64-bit build alike, texts are
 * code page 932, NUL-terminated inside their field and padded with zeros,
 * integers little-endian. This header needs no Windows header so that
 * portable code and Linux tests can use the same declarations.
 */
#ifndef TLX_RECORDS_H
#define TLX_RECORDS_H

#include <stddef.h>
#include <stdint.h>

#pragma pack(push, 1)

/* Filled by PIN_GetInfo: 1,880 bytes. */
typedef struct TlxPluginInfo {
    char    Name[64];        /* display name of the plug-in */
    char    Version[10];     /* e.g. "1.00" */
    char    Copyright[256];
    char    Comment[1024];   /* may hold CR LF line breaks */
    char    URL[256];        /* web address of the plug-in's maker */
    char    Mail[256];       /* mail address of the plug-in's maker */
    uint8_t IsSetting;       /* nonzero: PIN_ShowSetting(0, ...) shows plug-in-wide settings */
    uint8_t IsAbout;         /* nonzero: PIN_ShowAbout shows an about box */
    int32_t FuncCount;       /* functions are numbered 1 .. FuncCount */
    uint8_t Reserved[8];     /* zero */
} TlxPluginInfo;

/* Filled by PIN_GetFuncInfo: 340 bytes. */
typedef struct TlxFuncInfo {
    char    Name[64];        /* display name of the function */
    char    Comment[256];    /* may hold CR LF line breaks */
    uint8_t IsSetting;       /* nonzero: PIN_ShowSetting(funcno, setno, ...) shows its settings */
    uint8_t Padding[3];      /* zero */
    int32_t FuncNameNumMax;  /* numbered settings 1 .. FuncNameNumMax, at least 1 */
    int32_t FunctionType;    /* TLX_FUNC_ACTION or TLX_FUNC_CHECK */
    uint8_t Flags;           /* TLX_FUNC_* flags below; zero in plug-ins that know none */
    uint8_t Reserved[7];     /* zero */
} TlxFuncInfo;

/* Cross-process function request of the host DLL: 1,032 bytes. */
typedef struct KxCallFunctionRecord {
    int32_t FunctionType;
    char    Option[1028];    /* NUL-terminated: at most 1,027 bytes of text */
} KxCallFunctionRecord;

#pragma pack(pop)

/* A clipboard block the host hands a plug-in (TlxCopyLook): the host's memory. */
typedef struct TlxClipboardBlock {
    uint32_t    Format;
    uint32_t    Size;        /* bytes at Data */
    const void *Data;
} TlxClipboardBlock;

/* What the host found when it looked at the copy on the clipboard (TlxHost.LookAtCopy).
 * Not a fixed record: it holds pointers, so its size differs between the 32-bit and the
 * 64-bit build. Everything it points to is the host's and stays valid until the plug-in
 * call during which it was asked for returns. */
typedef struct TlxCopyLook {
    uint32_t Size;           /* sizeof(TlxCopyLook) as the host knows it */
    uint32_t Sequence;       /* GetClipboardSequenceNumber() of the copy looked at */
    int32_t  IsPrivate;      /* nonzero: the copying program marked it private (a password) */
    int32_t  Listed;         /* nonzero: Formats holds every format on the clipboard, with those the
                                system makes from them on request; 0: the system could not list them,
                                ask IsClipboardFormatAvailable */
    uint32_t FormatCount;
    uint32_t MarkCount;
    const uint32_t *Formats;           /* FormatCount formats, ascending */
    const TlxClipboardBlock *Marks;    /* MarkCount privacy marks on the copy, with their data:
                                          what a plug-in writes in place of the copy carries them */
} TlxCopyLook;

enum { TLX_FUNC_ACTION = 0, TLX_FUNC_CHECK = 1 };

/* TlxFuncInfo.Flags. Only the settings that have a name exist: the host offers none
 * without one (numbered settings that come and go, such as phrases whose numbers are
 * kept when others are deleted). A host that knows no flags shows them unnamed. */
enum { TLX_FUNC_NAMED_SETTINGS_ONLY = 1 };

/* Why PIN_Func is called. */
enum {
    TLX_CALL_CHECK = 0,      /* condition of a clipboard-watch rule */
    TLX_CALL_WATCH = 1,      /* action of a clipboard-watch rule */
    TLX_CALL_HOTKEY = 2,
    TLX_CALL_MENU = 3,
    TLX_CALL_EXTERNAL = 4    /* request from another process */
};

/* Buffer size the host hands to PIN_GetFuncSettingName. */
enum { TLX_SETTING_NAME_SIZE = 256 };

#ifdef __cplusplus
#define TLX_STATIC_ASSERT static_assert
#else
#define TLX_STATIC_ASSERT _Static_assert
#endif

TLX_STATIC_ASSERT(sizeof(TlxPluginInfo) == 1880, "plug-in information record is 1,880 bytes");
TLX_STATIC_ASSERT(offsetof(TlxPluginInfo, Version) == 64, "Version at 64");
TLX_STATIC_ASSERT(offsetof(TlxPluginInfo, Copyright) == 74, "Copyright at 74");
TLX_STATIC_ASSERT(offsetof(TlxPluginInfo, Comment) == 330, "Comment at 330");
TLX_STATIC_ASSERT(offsetof(TlxPluginInfo, URL) == 1354, "URL at 1354");
TLX_STATIC_ASSERT(offsetof(TlxPluginInfo, Mail) == 1610, "Mail at 1610");
TLX_STATIC_ASSERT(offsetof(TlxPluginInfo, IsSetting) == 1866, "IsSetting at 1866");
TLX_STATIC_ASSERT(offsetof(TlxPluginInfo, IsAbout) == 1867, "IsAbout at 1867");
TLX_STATIC_ASSERT(offsetof(TlxPluginInfo, FuncCount) == 1868, "FuncCount at 1868");
TLX_STATIC_ASSERT(offsetof(TlxPluginInfo, Reserved) == 1872, "Reserved at 1872");

TLX_STATIC_ASSERT(sizeof(TlxFuncInfo) == 340, "function information record is 340 bytes");
TLX_STATIC_ASSERT(offsetof(TlxFuncInfo, Comment) == 64, "Comment at 64");
TLX_STATIC_ASSERT(offsetof(TlxFuncInfo, IsSetting) == 320, "IsSetting at 320");
TLX_STATIC_ASSERT(offsetof(TlxFuncInfo, FuncNameNumMax) == 324, "FuncNameNumMax at 324");
TLX_STATIC_ASSERT(offsetof(TlxFuncInfo, FunctionType) == 328, "FunctionType at 328");
TLX_STATIC_ASSERT(offsetof(TlxFuncInfo, Flags) == 332, "Flags at 332");
TLX_STATIC_ASSERT(offsetof(TlxFuncInfo, Reserved) == 333, "Reserved at 333");

TLX_STATIC_ASSERT(sizeof(KxCallFunctionRecord) == 1032, "call-function record is 1,032 bytes");
TLX_STATIC_ASSERT(offsetof(KxCallFunctionRecord, Option) == 4, "Option at 4");

/* The records with pointers: fixed for each build, P being the size of a pointer. */
#define TLX_P sizeof(void *)
TLX_STATIC_ASSERT(offsetof(TlxClipboardBlock, Size) == 4 && offsetof(TlxClipboardBlock, Data) == 8, "block fields");
TLX_STATIC_ASSERT(sizeof(TlxClipboardBlock) == 8 + TLX_P, "block: 8 bytes and a pointer");
TLX_STATIC_ASSERT(offsetof(TlxCopyLook, Sequence) == 4 && offsetof(TlxCopyLook, IsPrivate) == 8 &&
                  offsetof(TlxCopyLook, Listed) == 12 && offsetof(TlxCopyLook, FormatCount) == 16 &&
                  offsetof(TlxCopyLook, MarkCount) == 20, "look: six 32-bit fields first");
TLX_STATIC_ASSERT(offsetof(TlxCopyLook, Formats) == 24 && offsetof(TlxCopyLook, Marks) == 24 + TLX_P &&
                  sizeof(TlxCopyLook) == 24 + 2 * TLX_P, "look: then two pointers");
#undef TLX_P

#endif
