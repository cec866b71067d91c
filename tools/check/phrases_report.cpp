// The text report's words and the web page's own labels, in English and in Chinese.
#include "check/phrase.h"

namespace zix::check {

namespace {

using enum Phrase;

constexpr PhraseTexts kTable[] = {
    {ReportHeading, u"zixgame-check: {1} ({2})", u"zixgame-check：{1}（{2}）"},
    {EncodingUtf8, u"UTF-8 with mark", u"UTF-8，带 BOM"},
    {EncodingUtf16LE, u"UTF-16 little-endian with mark", u"UTF-16 小端，带 BOM"},
    {EncodingUtf16BE, u"UTF-16 big-endian with mark", u"UTF-16 大端，带 BOM"},
    {EncodingAnsi, u"no mark: ANSI code page {1}", u"没有 BOM：ANSI 代码页 {1}"},
    {Quoted, u"\"{1}\"", u"“{1}”"},
    {WindowLine, u"window: {1}x{2}, client {3}x{4}{5}, title {6}",
     u"窗口：{1}x{2}，客户区 {3}x{4}{5}，标题{6}"},
    {ClientAssumed, u" (outer size less 16x38)", u"（外部大小减 16x38）"},
    {GridLine, u"grid: origin {1},{2}, buttons {3}x{4}, gaps {5},{6}, {7} column(s), Count {8}",
     u"网格：起点 {1},{2}，按钮 {3}x{4}，间距 {5},{6}，{7} 列，Count {8}"},
    {ImaginedLine, u"imagined: {1}", u"假设：{1}"},
    {Imagined, u"Windows {1}.{2} {3}, decimal separator {4}, launcher folder {5}",
     u"Windows {1}.{2} {3}，小数点{4}，启动器文件夹 {5}"},
    {ButtonLine, u"[{1}] {2} at {3},{4} size {5}x{6}", u"[{1}] {2}，位置 {3},{4}，大小 {5}x{6}"},
    {AccessKey, u", access key {1}", u"，快捷键 {1}"},
    {NoAccessKey, u", no access key", u"，没有快捷键"},
    {OutsideClient, u", outside the client area", u"，超出客户区"},
    {NoTooltip, u"no tooltip", u"没有鼠标提示"},
    {Tooltip, u"tooltip {1}", u"鼠标提示{1}"},
    {HintShown, u" (Hint {1})", u"（Hint {1}）"},
    {SystemOutcome, u"{1}: {2}", u"{1}：{2}"},
    {BothSystems, u"32-bit and 64-bit", u"32 位和 64 位"},
    {System32, u"32-bit", u"32 位"},
    {System64, u"64-bit", u"64 位"},
    {OutcomeStart, u"{1} {2}\n        parameters {3}, working folder {4}",
     u"{1} {2}\n        参数{3}，工作目录 {4}"},
    {OutcomeContinues, u", ", u"，"},
    {FolderMissing, u" (missing)", u"（不存在）"},
    {OutcomeMessage, u"message {1}", u"提示{1}"},
    {LookedForMissing, u" (looked for {1}: missing)", u"（找的是 {1}：不存在）"},
    {OutcomeErrorBox, u"error box {1} ({2})", u"错误框{1}（{2}）"},
    {OnlyFirstListed, u"(only the first {1} buttons are listed)", u"（只列出前 {1} 个按钮）"},
    {NoWarnings, u"no warnings", u"没有警告"},
    {OneWarning, u"1 warning:", u"1 条警告："},
    {ManyWarnings, u"{1} warnings:", u"{1} 条警告："},
    {WarningLine, u"{1}: warning: {2} [{3}]", u"{1}: 警告：{2} [{3}]"},
    {AutorunLine, u"autorun.inf: AutoPlay starts {1}{2}{3}", u"autorun.inf：自动播放启动 {1}{2}{3}"},
    {AutorunStartsNothing, u"nothing", u"（无）"},
    {AutorunIcon, u", icon {1}", u"，图标 {1}"},
    {AutorunNoIcon, u", no icon", u"，没有图标"},
    {AutorunLabel, u", label {1}", u"，卷标{1}"},

    {PageFacts, u"window {1}x{2}, client {3}x{4}; imagined: {5}",
     u"窗口 {1}x{2}，客户区 {3}x{4}；假设：{5}"},
    {PressHeading, u"Press a button", u"按下按钮"},
    {PressIntro, u"Press a button to see what the launcher does on 32-bit and 64-bit Windows.",
     u"按下按钮，看启动器在 32 位和 64 位 Windows 上会做什么。"},
    {PressOutside, u" (outside the client area)", u"（超出客户区）"},
    {PageSystem32, u"32-bit Windows", u"32 位 Windows"},
    {PageSystem64, u"64-bit Windows", u"64 位 Windows"},
    {PageOneWarning, u"1 warning", u"1 条警告"},
    {PageManyWarnings, u"{1} warnings", u"{1} 条警告"},
};

}  // namespace

const std::span<const PhraseTexts> kReportPhrases = kTable;

}  // namespace zix::check
