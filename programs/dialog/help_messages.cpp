// The help menu: ten commands, each showing one fixed message box (caption
// and text) with no owner, so the dialog stays usable.
#include "programs/dialog/help_messages.h"

#include "programs/dialog/resource_ids.h"
#include "platform/dialog_text.h"

namespace {

struct HelpMessage {
    int commandId;
    const char* caption;
    const char* text;
};

const HelpMessage helpMessages[] = {
    {IDM_HELP_CODE_SOURCE, "关于区位码来源",
     "所用区位码来自“中华人民共和国国家统计局”\n网址：http://www.stats.gov.cn/tjsj/tjbz/xzqhdm/"},
    {IDM_HELP_BIRTH_DATE, "关于出生日期的处理",
     "出生日期每月都按31天算，只要不超过31都算正确，原因？\n"
     "作者比较懒，不想写关于时间的计算验证了，大家自己验证吧。O(∩_∩)O哈哈~"},
    {IDM_HELP_SEPARATE_LISTS, "直辖市及普通省划分开",
     "为什么要划分开呢？\n个人感觉每次找直辖市都不方便，不如分开呢，这样好找多了！"},
    {IDM_HELP_LETTER_CASE, "X大小写",
     "有部分身份证号最后一位为X。\n注意：这里的X都是大写的。小写的验证不正确的！"},
    {IDM_HELP_VALIDITY, "生成身份证号码是否有效",
     "作者不是公安部的，没有权利查看国家档案什么的\n"
     "所以，软件只是根据身份证号码算法粗略计算身份证是否正确！\n"
     "现在网络上的所有不收费的身份证查验也是根据这个算法计算的，\n"
     "都没进入公安系统！\n"
     "\n"
     " 所以一般的校验此软件完全可以搞定！\n"
     "请放心使用"},
    {IDM_HELP_FIFTEEN_DIGITS, "能否验证15位身份证",
     "很抱歉，因为我就没见过15位的身份证，所以制作的软件就没加入15位的算法\n以后有空可以加上！"},
    {IDM_HELP_PURPOSE, "用途", "本软件只是学习交流之用！请勿用于商业，违法等……"},
    {IDM_HELP_AUTHOR, "作者", "留下本人大名\n Zuvo "},
    {IDM_HELP_CONTACT, "联系",
     "留个邮箱吧，有什么bug错误什么的可以发邮件到\n idcard.tool@example.com \n 谢绝广告，垃圾邮件！"},
    {IDM_HELP_VERSION, "V1.0版本",
     "第一次写程序，疏漏之处请谅解！现在正在学习ing \n 至于什么V2.0之类的后续版本，呵呵，以后再说"},
};

}  // namespace

void showHelpMessage(HWND, int commandId) {
    for (const HelpMessage& message : helpMessages) {
        if (message.commandId == commandId) {
            showMessage(nullptr, message.text, message.caption, MB_OK);
            return;
        }
    }
}
