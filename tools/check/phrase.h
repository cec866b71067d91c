#pragma once
// Every text zixgame-check says of its own, named. Each phrase has its English and its Chinese
// side by side in one of the phrases_*.cpp tables; "{1}" to "{9}" stand for the values put in.

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "check/language.h"

namespace zix::check {

enum class Phrase : uint16_t {
  // The text report and what the page shares with it.
  ReportHeading, EncodingUtf8, EncodingUtf16LE, EncodingUtf16BE, EncodingAnsi, Quoted,
  WindowLine, ClientAssumed, GridLine, ImaginedLine, Imagined, ButtonLine, AccessKey,
  NoAccessKey, OutsideClient, NoTooltip, Tooltip, HintShown, SystemOutcome, BothSystems,
  System32, System64, OutcomeStart, OutcomeContinues, FolderMissing, OutcomeMessage,
  LookedForMissing, OutcomeErrorBox, OnlyFirstListed, NoWarnings, OneWarning, ManyWarnings,
  WarningLine, AutorunLine, AutorunStartsNothing, AutorunIcon, AutorunNoIcon, AutorunLabel,
  // The web page's own labels.
  PageFacts, PressHeading, PressIntro, PressOutside, PageSystem32, PageSystem64,
  PageOneWarning, PageManyWarnings,
  // Warnings about the settings file.
  EntryPrefix, LowerBound, UpperBound, InvertedBounds, NegativeMaxOs, BoundUnreachable,
  NegativeMinOs, DecimalSeparator, NumberInvalid, NumberOverflow, AbsoluteFolder, AbsoluteFile,
  RootedPath, ForwardSlash, X64Only, NoExecutable, MissingFile, MissingFolder, IntegerInvalid,
  CountAbove, CountGaps, CountGapsMore, CountMissing, CountInvalid, CountOne, CountTooLarge,
  ColBelow1, UnknownSetKey, UnknownEntryKey, HashNoComment, BelongsInEntry, BelongsInSet,
  DidYouMean, HeaderRemark, SecondMarkLine, BareLine, DuplicateKey, KeyBeforeHeader,
  SecondMarkHeader, TextBeforeHeader, DuplicateSection, SectionPadded, UnknownSection,
  DidYouMeanSet, InvalidUtf8, NonAsciiNoMark, NonAsciiIsUtf8, NonAsciiOtherPage, SaveAsMarked,
  LinesAffected, NulChar, Utf16NeedsMark, ButtonPlace, ButtonSize, ButtonOutside, ButtonOverlap,
  // Warnings about autorun.inf.
  AutorunUnreadable, InvalidUtf8Bytes, AutorunBadLine, AutorunNoSection, AutorunOtherProgram, AutorunNoOpen,
  AutorunLauncherMissing, AutorunIconMissing, AutorunNoIconKey,
  // Usage, errors and the command line.
  Usage, ErrorLine, NothingWritten, NoGames, CannotWriteStandardOutput, InitExists,
  CannotWriteNothingWritten, CodePageUnknown, CannotWrite, CannotWriteReport, OneTargetOnly,
  UnknownOption, NeedsValue, ExpectSystem, ExpectVersion, ExpectCharacter, ExpectSize,
  ExpectCodePage, ExpectFolder, ExpectFile, ExpectFileOrDash, ExpectLanguage, OutputNeedsInit,
  AutorunNeedsInit, AutorunNotOnStandardOutput, NoSettingsFile, IsAFolder, CannotReadSettings, PathProblem,
  NoSuchFolder, NotAFolder, CannotBeRead, CannotBeReadBecause, CannotBeReadToItsEnd,
  FileEndsBefore, BeyondFirst64K, NoMz, PeIntoDosHeader, NoPeSignature, OptionalHeaderShort,
  UnknownMagic, ProcessorMismatch, PartDosHeader, PartPeSignature, PartCoffHeader,
  PartOptionalHeader, AutorunExists, CannotReadFile,
  // Started from Explorer.
  PressAnyKey, AskWriteSettings, NothingWrittenAnswer, PageOpened, BrowserFailed,
  kCount
};

struct PhraseTexts {
  Phrase phrase;
  std::u16string_view english;
  std::u16string_view chinese;
};

// The tables, each a group of phrases.
extern const std::span<const PhraseTexts> kReportPhrases;
extern const std::span<const PhraseTexts> kWarningPhrases;
extern const std::span<const PhraseTexts> kCommandPhrases;

// The phrase in the language, with "{n}" replaced by the n-th value (once: a value that itself
// holds "{1}" stays as it is).
std::u16string Say(Language language, Phrase phrase,
                   std::initializer_list<std::u16string_view> values = {});

// A phrase to be said later, once the language is known; a value may be a phrase itself.
struct Said {
  using Value = std::variant<std::u16string, Phrase>;
  Said(Phrase said, std::vector<Value> with = {}) : phrase(said), values(std::move(with)) {}
  Phrase phrase;
  std::vector<Value> values;
};

std::u16string Say(Language language, const Said& said);

}  // namespace zix::check
