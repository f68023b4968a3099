// Texts of the system: GBK (code page 936) byte strings for the dialog and the
// legacy output of the command-line tool, UTF-8 for everything else.
//
// Every plain text literal must be GBK bytes, which GCC produces from the UTF-8
// sources with -fexec-charset=GBK. A compiler that leaves them UTF-8 (or
// anything else) stops the build here. u8"" literals stay UTF-8 whatever the
// execution character set, so one source line can give both forms.
#ifndef CORE_GBK_TEXT_H
#define CORE_GBK_TEXT_H

static_assert(sizeof("男") == 3 && "男"[0] == '\xC4' && "男"[1] == '\xD0',
              "text literals must be GBK: compile with -fexec-charset=GBK");
static_assert(sizeof("埇") == 3 && "埇"[0] == '\x88' && "埇"[1] == '\xAC',
              "text literals must be GBK, not only GB 2312");
static_assert(sizeof(u8"男") == 4 && u8"男"[0] == '\xE7', "u8 literals must stay UTF-8");

// One text in both encodings; either pointer is a NUL-terminated string.
struct Text {
    const char* gbk;
    const char* utf8;
};

// Text{"...", u8"..."} from one literal written once.
#define BOTH_ENCODINGS(literal) (Text{literal, u8##literal})

#endif
