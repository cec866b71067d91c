// The warnings' words, in English and in Chinese. The launcher's own texts come in as values.
#include "check/phrase.h"

namespace zix::check {

namespace {

using enum Phrase;

constexpr PhraseTexts kTable[] = {
    {EntryPrefix, u"entry {1}: {2}", u"第 {1} 个游戏：{2}"},
    {LowerBound, u"lower", u"下限"},
    {UpperBound, u"upper", u"上限"},
    {InvertedBounds, u"minOs is above maxOs, so every Windows version is refused; swap the two",
     u"minOs 大于 maxOs，任何 Windows 版本都会被拒绝；请把两者对调"},
    {NegativeMaxOs, u"a negative maxOs refuses every Windows version",
     u"maxOs 是负数，任何 Windows 版本都会被拒绝"},
    {BoundUnreachable,
     u"Windows 8.1, 10 and 11 all report version 6.2 to the launcher, so a minOs above 6.2 "
     u"refuses every Windows there is; write minOs=6.2 for Windows 8 or newer",
     u"Windows 8.1、10 和 11 对启动器都报告版本 6.2，所以大于 6.2 的 minOs 会拒绝所有 Windows；"
     u"要求 Windows 8 或更新请写 minOs=6.2"},
    {NegativeMinOs, u"a negative minOs lets every version pass; leave it out instead",
     u"minOs 是负数，等于不限版本；请删掉这一行"},
    {DecimalSeparator,
     u"{1} is no number where the decimal separator is \"{2}\", so the entry has no {3} bound "
     u"there; write {4}, or a whole number, which reads alike everywhere",
     u"在小数点是“{2}”的电脑上 {1} 不是数字，那里这个游戏没有版本{3}；请写 {4}，"
     u"或者写整数（在哪里都一样）"},
    {NumberInvalid, u"{1} is no number, so the entry has no {2} bound; write a version such as 6.1 or 10",
     u"{1} 不是数字，这个游戏没有版本{2}；请写 6.1 或 10 这样的版本号"},
    {NumberOverflow,
     u"{1} is too large for a number: a press on this button shows the error box \"{2}.\"",
     u"{1} 的数字太大：按下这个按钮会弹出错误框“{2}.”"},
    {AbsoluteFolder,
     u"{1} has a drive letter, but the launcher appends every path to its own folder ({2}), "
     u"which names nothing: the game will not start; write the path relative to the launcher folder",
     u"{1} 带盘符，但启动器把每个路径接在自己的文件夹后面（{2}），这个目录不存在：游戏无法启动；"
     u"请写相对于启动器文件夹的路径"},
    {AbsoluteFile,
     u"{1} has a drive letter, but the launcher appends every path to its own folder ({2}), "
     u"which names nothing: the file is never found; write the path relative to the launcher folder",
     u"{1} 带盘符，但启动器把每个路径接在自己的文件夹后面（{2}），永远找不到这个文件；"
     u"请写相对于启动器文件夹的路径"},
    {RootedPath,
     u"{1} starts with a separator, yet it is still taken inside the launcher folder ({2}); "
     u"leave the separator out",
     u"{1} 以分隔符开头，但仍然是启动器文件夹里的路径（{2}）；请去掉开头的分隔符"},
    {ForwardSlash,
     u"{1} uses \"/\", which does not end a folder for the launcher: the game's working folder "
     u"becomes {2} instead of its own; write \"\\\" or set curDir",
     u"{1} 用了“/”，启动器不把它当作文件夹分隔符：游戏的工作目录会变成 {2}，而不是游戏自己的文件夹；"
     u"请写“\\”，或者设置 curDir"},
    {X64Only,
     u"only exe_x64 is set, so 32-bit Windows refuses the entry with \"{1}\"; add exe= with a "
     u"32-bit build if there is one",
     u"只写了 exe_x64，32 位 Windows 上会提示“{1}”；如果有 32 位版本，请加上 exe="},
    {NoExecutable, u"no executable is set (exe and exe_x64 are empty), so a press shows \"{1}\"",
     u"没有写程序（exe 和 exe_x64 都是空的），按下按钮会提示“{1}”"},
    {MissingFile, u"{1} is not in the checked folder, so a press shows \"{2}\"",
     u"检查的文件夹里没有 {1}，按下按钮会提示“{2}”"},
    {MissingFolder,
     u"the working folder {1} does not exist in the checked folder, so the shell fails to start "
     u"the game and the launcher shows nothing",
     u"检查的文件夹里没有工作目录 {1}，游戏无法启动，启动器也不会有任何提示"},
    {IntegerInvalid, u"{1} is no whole number, so the default {2} applies",
     u"{1} 不是整数，使用默认值 {2}"},
    {CountAbove, u"[{1}] lies above Count={2} and is never read; raise Count or renumber the entries",
     u"[{1}] 超出了 Count={2}，不会被读取；请加大 Count，或者重新编号"},
    {CountGaps, u"Count={1} but the file has no {2}; such buttons have no caption and find no game",
     u"Count={1}，但文件里没有 {2}；这些按钮没有文字，也找不到游戏"},
    {CountGapsMore,
     u"Count={1} but the file has no {2} and {3} more; such buttons have no caption and find no game",
     u"Count={1}，但文件里没有 {2}，另外还缺 {3} 个；这些按钮没有文字，也找不到游戏"},
    {CountMissing,
     u"[set] has no Count, so the launcher shows no buttons; add Count= with the number of entries",
     u"[set] 里没有 Count，启动器不显示按钮；请加上 Count=游戏个数"},
    {CountInvalid, u"{1} is no whole number, so it counts as 0 and the launcher shows no buttons",
     u"{1} 不是整数，按 0 处理，启动器不显示按钮"},
    {CountOne,
     u"with Count=1 the launcher starts entry 1 at once and quits without showing its window",
     u"Count=1 时启动器直接启动第 1 个游戏后退出，不显示窗口"},
    {CountTooLarge,
     u"Count={1} asks for more buttons than Windows lets one program create ({2} windows); only "
     u"the first {2} are listed",
     u"Count={1} 要的按钮比 Windows 允许一个程序创建的窗口（{2} 个）还多；只列出前 {2} 个"},
    {ColBelow1, u"{1} is below 1; the launcher lays the buttons out in one column",
     u"{1} 小于 1，启动器按 1 列排列按钮"},
    {UnknownSetKey, u"the launcher reads no key \"{1}\" in [set], so it is ignored",
     u"启动器不读取 [set] 里的键“{1}”，这一行被忽略"},
    {UnknownEntryKey, u"the launcher reads no key \"{1}\" in an entry section, so it is ignored",
     u"启动器不读取游戏节里的键“{1}”，这一行被忽略"},
    {HashNoComment, u"; only \";\" at the start of a line makes a comment",
     u"；只有以“;”开头的行才是注释"},
    {BelongsInEntry, u"; it belongs in an entry section such as [1]",
     u"；它应该写在 [1] 这样的游戏节里"},
    {BelongsInSet, u"; it belongs in [set]", u"；它应该写在 [set] 里"},
    {DidYouMean, u"; did you mean \"{1}\"?", u"；是不是想写“{1}”？"},
    {HeaderRemark,
     u"a header followed by more text is no header: this line starts no section, and the lines "
     u"below it still belong to [{1}]; put the remark on a line of its own that starts with \";\"",
     u"节标题后面还有文字，就不算标题：这一行不开始新的节，下面的行仍属于 [{1}]；"
     u"请把注释单独写一行，以“;”开头"},
    {SecondMarkLine,
     u"this line starts with an invisible U+FEFF (a second byte-order mark), so it is no header "
     u"or key; delete that character",
     u"这一行以看不见的 U+FEFF（第二个 BOM）开头，因此既不是节标题也不是键；请删掉这个字符"},
    {BareLine, u"this line has no \"=\" and is ignored; write name=value",
     u"这一行没有“=”，被忽略；请写成 名称=值"},
    {DuplicateKey,
     u"\"{1}\" is already set on line {2}; only the first counts, so this line is never read",
     u"“{1}”在第 {2} 行已经写过；只有第一个有效，这一行不会被读取"},
    {KeyBeforeHeader,
     u"\"{1}\" stands before the first section header and is never read; move it under [set] or "
     u"its entry",
     u"“{1}”在第一个节标题之前，不会被读取；请把它移到 [set] 或对应游戏的节里"},
    {SecondMarkHeader,
     u"this line starts with an invisible U+FEFF (a second byte-order mark), so its header is not "
     u"recognised; delete that character",
     u"这一行以看不见的 U+FEFF（第二个 BOM）开头，因此节标题不被识别；请删掉这个字符"},
    {TextBeforeHeader, u"text before the first section header is ignored",
     u"第一个节标题之前的文字被忽略"},
    {DuplicateSection,
     u"[{1}] repeats the section on line {2}; the launcher reads only the first, so nothing here "
     u"is ever read; merge the two",
     u"[{1}] 和第 {2} 行的节重复；启动器只读第一个，这里的内容都不会被读取；请把两个节合并"},
    {SectionPadded,
     u"[{1}] is not the section of entry {2}; the launcher reads [{2}], written without leading "
     u"zeros or blanks",
     u"[{1}] 不是第 {2} 个游戏的节；启动器读取的是 [{2}]，不带前导零或空白"},
    {UnknownSection,
     u"the launcher reads no section [{1}], only [set] and the entries [1], [2], ...; it is ignored",
     u"启动器不读取节 [{1}]，只读 [set] 和游戏节 [1]、[2]……；这个节被忽略"},
    {DidYouMeanSet, u"; did you mean [set]?", u"；是不是想写 [set]？"},
    {InvalidUtf8,
     u"the file starts with a UTF-8 mark but this line holds bytes that are not UTF-8, so the "
     u"launcher reads nothing from the file and every setting takes its default; save the file "
     u"again as UTF-8",
     u"文件以 UTF-8 的 BOM 开头，但这一行有不是 UTF-8 的字节，启动器读不到文件里的任何内容，"
     u"所有设置都取默认值；请重新保存为 UTF-8"},
    {NonAsciiNoMark,
     u"text outside ASCII in a file without a byte-order mark is read in the ANSI code page of "
     u"the machine that runs the launcher ({1} assumed here)",
     u"没有 BOM 的文件里的非 ASCII 文字，按运行启动器的电脑的 ANSI 代码页读取（这里假设是 {1}）"},
    {NonAsciiIsUtf8, u"; these bytes are UTF-8, so they will come out garbled",
     u"；这些字节是 UTF-8，会变成乱码"},
    {NonAsciiOtherPage, u"; on a machine with another code page it comes out garbled",
     u"；在代码页不同的电脑上会变成乱码"},
    {SaveAsMarked, u"; save the file as UTF-8 with BOM", u"；请保存为 UTF-8（带 BOM）"},
    {LinesAffected, u" ({1} lines affected)", u"（共 {1} 行）"},
    {NulChar, u"the text holds a zero character here, and the launcher reads nothing after it",
     u"这里有一个零字符（U+0000），启动器不读取它之后的内容"},
    {Utf16NeedsMark, u"; a UTF-16 file must start with its byte-order mark",
     u"；UTF-16 文件必须以 BOM 开头"},
    {ButtonPlace, u"entry {1} at {2},{3} size {4}x{5}", u"第 {1} 个按钮（位置 {2},{3}，大小 {4}x{5}）"},
    {ButtonSize, u"buttons of {1}x{2} pixels cannot be seen", u"{1}x{2} 像素的按钮看不见"},
    {ButtonOutside,
     u"{1} of {2} buttons lie wholly or partly outside the client area of {3}x{4} (first: {5}); "
     u"make the window larger, or the buttons or gaps smaller",
     u"{2} 个按钮中有 {1} 个全部或部分超出 {3}x{4} 的客户区（第一个：{5}）；"
     u"请把窗口加大，或者把按钮、间距减小"},
    {ButtonOverlap, u"buttons overlap: {1} and {2}; make {3} zero or more",
     u"按钮互相重叠：{1} 和 {2}；请把 {3} 设为 0 或更大"},

    {AutorunUnreadable, u"cannot be read: {1}; AutoPlay starts nothing from this disc",
     u"读不了：{1}；自动播放不会从这张光盘启动任何程序"},
    {InvalidUtf8Bytes, u"it starts with a UTF-8 mark, but this line holds bytes that are not UTF-8",
     u"文件以 UTF-8 的 BOM 开头，但这一行有不是 UTF-8 的字节"},
    {AutorunBadLine, u"this line is no key of [autorun] and is ignored: {1}",
     u"这一行不是 [autorun] 的键，被忽略：{1}"},
    {AutorunNoSection, u"there is no [autorun] section, so AutoPlay starts nothing; write [autorun] on the first line",
     u"没有 [autorun] 节，自动播放不会启动任何程序；请在第一行写 [autorun]"},
    {AutorunOtherProgram,
     u"AutoPlay starts {1}, not this folder's zixgame.exe; write open=zixgame.exe",
     u"自动播放启动的是 {1}，而不是这个文件夹里的 zixgame.exe；请写 open=zixgame.exe"},
    {AutorunNoOpen, u"[autorun] has no open=, so AutoPlay starts nothing; write open=zixgame.exe",
     u"[autorun] 里没有 open=，自动播放不会启动任何程序；请写 open=zixgame.exe"},
    {AutorunLauncherMissing,
     u"open= names zixgame.exe, but there is no zixgame.exe in this folder; copy it beside zixgame.ini",
     u"open= 写的是 zixgame.exe，但这个文件夹里没有 zixgame.exe；请把它复制到 zixgame.ini 旁边"},
    {AutorunIconMissing, u"the icon file {1} is not in this folder, so the disc shows no icon of its own",
     u"这个文件夹里没有图标文件 {1}，光盘不会显示自己的图标"},
    {AutorunNoIconKey, u"[autorun] has no icon=, so the disc shows no icon of its own; write icon=zixgame.exe,0",
     u"[autorun] 里没有 icon=，光盘不会显示自己的图标；请写 icon=zixgame.exe,0"},
};

}  // namespace

const std::span<const PhraseTexts> kWarningPhrases = kTable;

}  // namespace zix::check
