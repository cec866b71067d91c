// Usage, errors and the words of a run started from Explorer, in English and in Chinese.
#include "check/phrase.h"

namespace zix::check {

namespace {

using enum Phrase;

constexpr PhraseTexts kTable[] = {
    {Usage,
     u"usage: zixgame-check [options] [FOLDER|FILE]\n"
     u"       zixgame-check --init [--autorun] [--output FILE|-] [options] [FOLDER]\n"
     u"Shows what zixgame.exe will make of a settings file: window, grid, buttons, what each\n"
     u"press does, and warnings about likely mistakes. FOLDER holds zixgame.ini (default: the\n"
     u"current folder); its folder stands for the launcher folder when files are looked for.\n"
     u"Double-click zixgame-check.exe, or drop a folder or zixgame.ini on it, to see the report\n"
     u"and the page in the browser, or to have a zixgame.ini written.\n"
     u"\n"
     u"  --system 32|64|both   the Windows to imagine (default both, side by side)\n"
     u"  --windows MAJOR.MINOR the Windows version it reports (default 6.2, as Windows 8 to 11\n"
     u"                        report it to the launcher)\n"
     u"  --decimal C           the user's decimal separator (default .)\n"
     u"  --client WxH          the client size (default: the outer size less 16 x 38)\n"
     u"  --codepage N          the ANSI code page for files without a mark (default 936)\n"
     u"  --launcher-dir DIR    the Windows folder shown in paths (default C:\\Games\\)\n"
     u"  --json                one JSON object on standard output instead of the text report\n"
     u"  --svg FILE            also draw the window as an SVG picture\n"
     u"  --html FILE           also write the window as a web page: tooltips, presses, warnings\n"
     u"  --init                write FOLDER\\zixgame.ini for the games in FOLDER's folders, then\n"
     u"                        check it; an existing zixgame.ini is never replaced\n"
     u"  --autorun             with --init, also write autorun.inf for discs beside it\n"
     u"  --output FILE|-       where --init writes instead (- for standard output)\n"
     u"  --lang zh|en          the language of the report (default: the user's)\n"
     u"  --version             the version of zixgame-check\n"
     u"\n"
     u"Exit status: 0 without warnings, 1 with warnings, 2 for a usage or read error.\n",
     u"用法：zixgame-check [选项] [文件夹|文件]\n"
     u"      zixgame-check --init [--autorun] [--output 文件|-] [选项] [文件夹]\n"
     u"显示 zixgame.exe 会怎样使用设置文件：窗口、网格、按钮、按下每个按钮的结果，以及可能的错误。\n"
     u"文件夹里应有 zixgame.ini（默认是当前文件夹）；查找游戏文件时，它代表启动器文件夹。\n"
     u"双击 zixgame-check.exe，或者把文件夹、zixgame.ini 拖到它上面，就能看到报告并在浏览器里\n"
     u"打开网页，没有设置文件时还可以让它写一个。\n"
     u"\n"
     u"  --system 32|64|both   假设的系统（默认两者并列）\n"
     u"  --windows 主.次       假设的 Windows 版本（默认 6.2：Windows 8 到 11 对启动器都报告 6.2）\n"
     u"  --decimal C           用户的小数点（默认 .）\n"
     u"  --client 宽x高        客户区大小（默认是外部大小减 16 x 38）\n"
     u"  --codepage N          没有 BOM 的文件所用的 ANSI 代码页（默认 936）\n"
     u"  --launcher-dir 目录   显示路径时使用的 Windows 文件夹（默认 C:\\Games\\）\n"
     u"  --json                在标准输出写一个 JSON 对象，代替文字报告\n"
     u"  --svg 文件            另外把窗口画成 SVG 图片\n"
     u"  --html 文件           另外把窗口写成网页：鼠标提示、按下按钮的结果、警告\n"
     u"  --init                为文件夹里各个游戏文件夹写 zixgame.ini，然后检查它；\n"
     u"                        已有的 zixgame.ini 永远不会被覆盖\n"
     u"  --autorun             和 --init 一起用：另外在旁边写光盘用的 autorun.inf\n"
     u"  --output 文件|-       --init 写到别处（- 表示标准输出）\n"
     u"  --lang zh|en          报告的语言（默认跟随用户的语言）\n"
     u"  --version             显示 zixgame-check 的版本\n"
     u"\n"
     u"退出码：0 没有警告，1 有警告，2 用法错误或读取错误。\n"},
    {ErrorLine, u"zixgame-check: {1}", u"zixgame-check：{1}"},
    {NothingWritten, u"{1}; nothing written", u"{1}；什么也没有写"},
    {NoGames,
     u"no folder in {1} holds a 32-bit or 64-bit Windows program other than installers and "
     u"helpers; nothing written",
     u"{1} 里没有哪个文件夹含有 32 位或 64 位的 Windows 程序（安装、卸载等辅助程序不算）；"
     u"什么也没有写"},
    {CannotWriteStandardOutput, u"cannot write to standard output", u"无法写入标准输出"},
    {InitExists,
     u"{1} exists already and is left as it is; nothing written (--output FILE writes elsewhere)",
     u"{1} 已经存在，保持原样；什么也没有写（--output 文件 可以写到别处）"},
    {CannotWriteNothingWritten, u"cannot write {1}; nothing written", u"无法写入 {1}；什么也没有写"},
    {CodePageUnknown, u"code page {1} is not known to this system", u"这个系统不认识代码页 {1}"},
    {CannotWrite, u"cannot write {1}", u"无法写入 {1}"},
    {CannotWriteReport, u"cannot write the report", u"无法输出报告"},
    {OneTargetOnly, u"only one FOLDER or FILE may be given", u"只能给出一个文件夹或文件"},
    {UnknownOption, u"unknown option {1}", u"未知的选项 {1}"},
    {NeedsValue, u"{1} needs a value", u"{1} 后面要写一个值"},
    {ExpectSystem, u"{1}: \"{2}\" is not 32, 64 or both", u"{1}：“{2}”不是 32、64 或 both"},
    {ExpectVersion, u"{1}: \"{2}\" is not a version such as 6.1 or 10.0", u"{1}：“{2}”不是 6.1 或 10.0 这样的版本号"},
    {ExpectCharacter, u"{1}: \"{2}\" is not one character", u"{1}：“{2}”不是一个字符"},
    {ExpectSize, u"{1}: \"{2}\" is not a size such as 444x252", u"{1}：“{2}”不是 444x252 这样的大小"},
    {ExpectCodePage, u"{1}: \"{2}\" is not a code page number such as 936", u"{1}：“{2}”不是 936 这样的代码页编号"},
    {ExpectFolder, u"{1}: \"{2}\" is not a folder such as C:\\Games\\", u"{1}：“{2}”不是 C:\\Games\\ 这样的文件夹"},
    {ExpectFile, u"{1}: \"{2}\" is not a file name", u"{1}：“{2}”不是文件名"},
    {ExpectFileOrDash, u"{1}: \"{2}\" is not a file name or -", u"{1}：“{2}”不是文件名或 -"},
    {ExpectLanguage, u"{1}: \"{2}\" is not zh or en", u"{1}：“{2}”不是 zh 或 en"},
    {OutputNeedsInit, u"--output belongs to --init", u"--output 只能和 --init 一起用"},
    {AutorunNeedsInit, u"--autorun belongs to --init", u"--autorun 只能和 --init 一起用"},
    {AutorunNotOnStandardOutput, u"--autorun writes a file beside zixgame.ini, so not with --output -",
     u"--autorun 要在 zixgame.ini 旁边写文件，不能和 --output - 一起用"},
    {NoSettingsFile, u"no settings file \"{1}\"", u"没有设置文件“{1}”"},
    {IsAFolder, u"\"{1}\" is a folder", u"“{1}”是一个文件夹"},
    {CannotReadSettings, u"cannot read the settings file: {1}", u"读不了设置文件：{1}"},
    {PathProblem, u"\"{1}\": {2}", u"“{1}”：{2}"},
    {NoSuchFolder, u"no such folder", u"没有这个文件夹"},
    {NotAFolder, u"is not a folder", u"不是文件夹"},
    {CannotBeRead, u"cannot be read", u"读不了"},
    {CannotBeReadBecause, u"cannot be read: {1}", u"读不了：{1}"},
    {CannotBeReadToItsEnd, u"cannot be read to its end", u"读不完整"},
    {FileEndsBefore, u"the file ends ({1} bytes) before {2} ({3} bytes at offset {4})",
     u"文件（{1} 字节）在{2}（偏移 {4} 处的 {3} 字节）之前就结束了"},
    {BeyondFirst64K, u"{1} lies at offset {2}, beyond the first 64 KiB where every program keeps it",
     u"{1}在偏移 {2} 处，超出了所有程序存放它的前 64 KiB"},
    {NoMz, u"it does not start with \"MZ\", so it is no Windows program",
     u"它不以“MZ”开头，所以不是 Windows 程序"},
    {PeIntoDosHeader, u"its PE header offset {1} points into the DOS header",
     u"它的 PE 文件头偏移 {1} 指向 DOS 文件头内部"},
    {NoPeSignature, u"no PE signature at offset {1}", u"偏移 {1} 处没有 PE 签名"},
    {OptionalHeaderShort, u"its optional header is {1} bytes long, too short for a program",
     u"它的可选文件头只有 {1} 字节，对程序来说太短"},
    {UnknownMagic, u"its optional header has the unknown magic {1}", u"它的可选文件头的标识 {1} 未知"},
    {ProcessorMismatch, u"it claims an {1} processor but a {2}-bit optional header",
     u"它声明的处理器是 {1}，可选文件头却是 {2} 位的"},
    {PartDosHeader, u"the DOS header", u" DOS 文件头"},
    {PartPeSignature, u"the PE signature", u" PE 签名"},
    {PartCoffHeader, u"the COFF file header", u" COFF 文件头"},
    {PartOptionalHeader, u"the optional header", u"可选文件头"},
    {AutorunExists, u"{1} exists already and is left as it is; nothing written",
     u"{1} 已经存在，保持原样；什么也没有写"},
    {CannotReadFile, u"{1} cannot be read", u"读不了 {1}"},

    {PressAnyKey, u"Press any key to close…", u"按任意键关闭…"},
    {AskWriteSettings,
     u"There is no zixgame.ini in {1}.\nWrite one for the games in this folder? Y = yes, any other key = no: ",
     u"{1} 里没有 zixgame.ini。\n要为这个文件夹里的游戏写一个吗？按 Y 写，按其他键不写："},
    {NothingWrittenAnswer, u"Nothing was written.", u"什么也没有写。"},
    {PageOpened, u"The page {1} is open in the browser.", u"网页 {1} 已在浏览器中打开。"},
    {BrowserFailed, u"cannot open {1} in the browser (error {2})", u"无法在浏览器中打开 {1}（错误 {2}）"},
};

}  // namespace

const std::span<const PhraseTexts> kCommandPhrases = kTable;

}  // namespace zix::check
