// Every text literal of the program must be GBK (code page 936) bytes, which
// GCC produces from the UTF-8 sources with -fexec-charset=GBK. A compiler that
// leaves them UTF-8 (or anything else) stops the build here.
#ifndef PLATFORM_GBK_TEXT_H
#define PLATFORM_GBK_TEXT_H

static_assert(sizeof("男") == 3 && "男"[0] == '\xC4' && "男"[1] == '\xD0',
              "text literals must be GBK: compile with -fexec-charset=GBK");
static_assert(sizeof("埇") == 3 && "埇"[0] == '\x88' && "埇"[1] == '\xAC',
              "text literals must be GBK, not only GB 2312");

#endif
