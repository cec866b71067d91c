#include "app/tooltip_state.h"

#include <string>
#include <tuple>

#include "fake_hint_world.h"
#include "gtest/gtest.h"

namespace zix {
namespace {

// The main window with a row of buttons; Play and Quit touch (a gap of 0).
constexpr ControlId kMain = 1, kPlay = 2, kQuit = 3, kBare = 4, kPiped = 5, kCaption = 6;
constexpr ScreenPoint kInPlay{150, 115}, kInPlay2{160, 120}, kInQuit{200, 115},
    kInBare{350, 115}, kInPiped{450, 115}, kOffButtons{150, 300};

class TooltipStateTest : public ::testing::Test {
 protected:
  TooltipStateTest() {
    tree_.Add(kMain, {kNoControl, false, u"", {0, 0, 800, 600}});
    tree_.Add(kPlay, {kMain, true, u"Start the game", {100, 100, 200, 130}});
    tree_.Add(kQuit, {kMain, true, u"Tom && Jerry", {200, 100, 300, 130}});
    tree_.Add(kBare, {kMain, true, u"", {300, 100, 400, 130}});
    tree_.Add(kPiped, {kMain, true, u"abc|def", {400, 100, 500, 130}});
    // A part of the Play button that has no tooltip flag of its own.
    tree_.Add(kCaption, {kPlay, false, u"", {110, 105, 190, 125}});
  }

  void ShowPlay() {
    world_.MoveTo(kPlay, kInPlay);
    world_.Advance(HintPause);
    ASSERT_TRUE(world_.Window().has_value());
  }

  FakeControlTree tree_;
  FakeHintWorld world_{tree_};
};

TEST_F(TooltipStateTest, ShowsAfterThePointerRestsForTheHintPause) {
  world_.MoveTo(kPlay, kInPlay);
  world_.Advance(HintPause - 1);
  EXPECT_FALSE(world_.Window().has_value());
  world_.Advance(1);
  EXPECT_EQ(world_.Window(), (ShowHintWindow{u"Start the game", kInPlay}));
  EXPECT_EQ(world_.Machine().Phase(), TooltipPhase::Shown);
}

TEST_F(TooltipStateTest, EveryMoveWhilePendingRestartsThePause) {
  world_.MoveTo(kPlay, kInPlay);
  world_.Advance(400);
  world_.MoveTo(kPlay, kInPlay2);
  world_.Advance(400);
  EXPECT_FALSE(world_.Window().has_value());
  world_.Advance(100);
  EXPECT_EQ(world_.Window(), (ShowHintWindow{u"Start the game", kInPlay2}));
}

TEST_F(TooltipStateTest, HidesAfterTheHidePauseAndStaysActive) {
  ShowPlay();
  world_.Advance(HintHidePause - 1);
  EXPECT_TRUE(world_.Window().has_value());
  world_.Advance(1);
  EXPECT_FALSE(world_.Window().has_value());
  EXPECT_EQ(world_.Machine().Phase(), TooltipPhase::HiddenActive);
  EXPECT_EQ(world_.Machine().CurrentControl(), kPlay);
  EXPECT_FALSE(world_.TimerRunning());
}

TEST_F(TooltipStateTest, DoesNotShowAgainWhileThePointerStaysInside) {
  ShowPlay();
  world_.Advance(HintHidePause);
  world_.ClearLog();
  world_.MoveTo(kPlay, kInPlay2);
  world_.MoveTo(kCaption, {120, 110});
  world_.Advance(60000);
  EXPECT_FALSE(world_.Window().has_value());
  EXPECT_TRUE(world_.Log().empty());
}

TEST_F(TooltipStateTest, MovingInsideAShownTooltipChangesNothing) {
  ShowPlay();
  world_.ClearLog();
  world_.MoveTo(kPlay, kInPlay2);
  EXPECT_TRUE(world_.Log().empty());
  world_.Advance(HintHidePause);
  EXPECT_FALSE(world_.Window().has_value());
}

TEST_F(TooltipStateTest, ShowsAgainAfterLeavingAndComingBack) {
  ShowPlay();
  world_.Advance(HintHidePause);
  world_.MoveTo(kMain, kOffButtons);
  EXPECT_EQ(world_.Machine().Phase(), TooltipPhase::None);
  world_.MoveTo(kPlay, kInPlay);
  world_.Advance(HintPause - 1);
  EXPECT_FALSE(world_.Window().has_value());
  world_.Advance(1);
  EXPECT_TRUE(world_.Window().has_value());
}

// The area of an earlier tooltip must not stop a pending pause from restarting, or a pointer
// that keeps moving over the button would get its tooltip anyway.
TEST_F(TooltipStateTest, AfterComingBackEveryMoveStillRestartsThePause) {
  ShowPlay();
  world_.Cancel();  // a click
  world_.MoveTo(kPlay, kInPlay);
  world_.Advance(400);
  world_.MoveTo(kPlay, kInPlay2);
  world_.Advance(400);
  EXPECT_FALSE(world_.Window().has_value());
  world_.Advance(100);
  EXPECT_TRUE(world_.Window().has_value());
}

class TouchingNeighbourTest : public TooltipStateTest,
                              public ::testing::WithParamInterface<uint32_t> {};

TEST_P(TouchingNeighbourTest, ShowsTheNeighboursTooltipAtOnce) {
  ShowPlay();
  world_.Advance(GetParam());  // still shown, or hidden after its time
  world_.MoveTo(kQuit, kInQuit);
  EXPECT_EQ(world_.Window(), (ShowHintWindow{u"Tom && Jerry", kInQuit}));
  EXPECT_EQ(world_.Machine().CurrentControl(), kQuit);
  // The neighbour's tooltip gets its full time.
  world_.Advance(HintHidePause - 1);
  EXPECT_TRUE(world_.Window().has_value());
  world_.Advance(1);
  EXPECT_FALSE(world_.Window().has_value());
}

INSTANTIATE_TEST_SUITE_P(ShownOrHidden, TouchingNeighbourTest,
                         ::testing::Values(0u, 1000u, HintHidePause, HintHidePause + 5000));

TEST_F(TooltipStateTest, MovingOnToANeighbourWhilePendingRestartsThePause) {
  world_.MoveTo(kPlay, kInPlay);
  world_.Advance(400);
  world_.MoveTo(kQuit, kInQuit);
  world_.Advance(HintPause - 1);
  EXPECT_FALSE(world_.Window().has_value());
  world_.Advance(1);
  EXPECT_EQ(world_.Window(), (ShowHintWindow{u"Tom && Jerry", kInQuit}));
}

// Keys, mouse buttons, frame moves, commands and activation changes all cancel the same way.
class CancelTest : public TooltipStateTest,
                   public ::testing::WithParamInterface<std::tuple<const char*, uint32_t>> {};

TEST_P(CancelTest, CancelsAndTheTooltipNeedsANewRest) {
  world_.MoveTo(kPlay, kInPlay);
  world_.Advance(std::get<1>(GetParam()));
  world_.Cancel();
  EXPECT_FALSE(world_.Window().has_value());
  EXPECT_FALSE(world_.TimerRunning());
  EXPECT_EQ(world_.Machine().Phase(), TooltipPhase::None);
  EXPECT_EQ(world_.Machine().CurrentControl(), kNoControl);
  world_.Advance(60000);
  EXPECT_FALSE(world_.Window().has_value());
  // The same button again: only after a move and a full pause.
  world_.MoveTo(kPlay, kInPlay);
  world_.Advance(HintPause - 1);
  EXPECT_FALSE(world_.Window().has_value());
  world_.Advance(1);
  EXPECT_TRUE(world_.Window().has_value());
}

INSTANTIATE_TEST_SUITE_P(EveryPhase, CancelTest,
                         ::testing::Values(std::make_tuple("pending", 100u),
                                           std::make_tuple("shown", HintPause + 100),
                                           std::make_tuple("hidden", HintPause + HintHidePause)),
                         [](const auto& info) { return std::string(std::get<0>(info.param)); });

TEST_F(TooltipStateTest, CancelWithNothingGoingOnCommandsNothing) {
  world_.Cancel();
  world_.Idle(false);
  EXPECT_TRUE(world_.Log().empty());
}

TEST_F(TooltipStateTest, ATimerMessageQueuedBeforeTheStopIsIgnored) {
  world_.DeliverQueuedTimerMessage();
  ShowPlay();
  world_.Advance(HintHidePause);
  world_.ClearLog();
  world_.DeliverQueuedTimerMessage();
  EXPECT_TRUE(world_.Log().empty());
  EXPECT_FALSE(world_.Window().has_value());
  world_.Cancel();
  world_.DeliverQueuedTimerMessage();
  EXPECT_FALSE(world_.Window().has_value());
}

TEST_F(TooltipStateTest, AnEmptyHintShowsNoTooltip) {
  world_.MoveTo(kBare, kInBare);
  world_.Advance(HintPause);
  EXPECT_FALSE(world_.Window().has_value());
  EXPECT_EQ(world_.Machine().Phase(), TooltipPhase::None);
  EXPECT_FALSE(world_.TimerRunning());
}

TEST_F(TooltipStateTest, AnEmptyHintNextToAShownOneHidesIt) {
  ShowPlay();
  world_.MoveTo(kQuit, kInQuit);
  world_.MoveTo(kBare, kInBare);
  EXPECT_FALSE(world_.Window().has_value());
  EXPECT_EQ(world_.Machine().Phase(), TooltipPhase::None);
}

TEST_F(TooltipStateTest, OnlyThePartBeforeThePipeIsShown) {
  world_.MoveTo(kPiped, kInPiped);
  world_.Advance(HintPause);
  EXPECT_EQ(world_.Window(), (ShowHintWindow{u"abc", kInPiped}));
}

TEST_F(TooltipStateTest, APlaceWithoutATooltipControlCancels) {
  ShowPlay();
  world_.MoveTo(kMain, kOffButtons);
  EXPECT_FALSE(world_.Window().has_value());
  EXPECT_FALSE(world_.TimerRunning());
}

TEST_F(TooltipStateTest, APartOfAButtonShowsTheButtonsTooltip) {
  world_.MoveTo(kCaption, {120, 110});
  world_.Advance(HintPause);
  EXPECT_EQ(world_.Window(), (ShowHintWindow{u"Start the game", {120, 110}}));
  EXPECT_EQ(world_.Machine().CurrentControl(), kPlay);
}

TEST_F(TooltipStateTest, APendingTooltipIsCancelledWhenThePointerIsElsewhereAtExpiry) {
  world_.MoveTo(kPlay, kInPlay);
  world_.PlacePointer(kQuit);
  world_.Advance(HintPause);
  EXPECT_FALSE(world_.Window().has_value());
  EXPECT_EQ(world_.Machine().Phase(), TooltipPhase::None);
}

TEST_F(TooltipStateTest, WithAnotherProgramActiveNoTooltipShows) {
  world_.SetLauncherActive(false);
  world_.MoveTo(kPlay, kInPlay);
  world_.Advance(HintPause);
  EXPECT_FALSE(world_.Window().has_value());
  EXPECT_EQ(world_.Machine().Phase(), TooltipPhase::None);
  EXPECT_FALSE(world_.TimerRunning());
}

TEST_F(TooltipStateTest, WithAnotherProgramActiveTheNeighbourDoesNotShowAtOnce) {
  ShowPlay();
  world_.SetLauncherActive(false);
  world_.MoveTo(kQuit, kInQuit);
  EXPECT_FALSE(world_.Window().has_value());
  EXPECT_EQ(world_.Machine().Phase(), TooltipPhase::None);
}

TEST_F(TooltipStateTest, AShowTimerThatCannotStartCancels) {
  world_.FailNextTimerStart();
  world_.MoveTo(kPlay, kInPlay);
  EXPECT_EQ(world_.Machine().Phase(), TooltipPhase::None);
  EXPECT_EQ(world_.Machine().CurrentControl(), kNoControl);
  world_.Advance(60000);
  EXPECT_FALSE(world_.Window().has_value());
}

TEST_F(TooltipStateTest, AHideTimerThatCannotStartTakesTheTooltipAway) {
  world_.MoveTo(kPlay, kInPlay);
  world_.FailNextTimerStart();
  world_.Advance(HintPause);
  EXPECT_FALSE(world_.Window().has_value());
  EXPECT_FALSE(world_.TimerRunning());
  EXPECT_EQ(world_.Machine().Phase(), TooltipPhase::None);
}

TEST_F(TooltipStateTest, IdleWithThePointerOutsideCancels) {
  ShowPlay();
  world_.Idle(true);
  EXPECT_TRUE(world_.Window().has_value());
  world_.Idle(false);
  EXPECT_FALSE(world_.Window().has_value());
  EXPECT_EQ(world_.Machine().Phase(), TooltipPhase::None);
}

TEST_F(TooltipStateTest, ShowingCommandsTheWindowThenTheHideTimer) {
  world_.MoveTo(kPlay, kInPlay);
  world_.Advance(HintPause);
  EXPECT_EQ(world_.Log(), (HintCommands{StartHintTimer{HintPause},
                                        ShowHintWindow{u"Start the game", kInPlay},
                                        StartHintTimer{HintHidePause}}));
}

TEST(TooltipText, TakesThePartBeforeTheFirstPipe) {
  const struct {
    std::u16string hint, shown;
  } cases[] = {
      {u"abc|def", u"abc"}, {u"abc", u"abc"},   {u"a|b|c", u"a"},  {u"|def", u""},
      {u"abc|", u"abc"},    {u"", u""},         {u"&Play", u"&Play"}, {u"游戏|x", u"游戏"},
  };
  for (const auto& c : cases) EXPECT_EQ(ShortHint(c.hint), c.shown) << ::testing::PrintToString(c.hint);
}

TEST(TooltipText, AnEmptyHintAsksTheParentButAShownPartThatIsEmptyDoesNot) {
  FakeControlTree tree;
  tree.Add(1, {kNoControl, false, u"window|x", {}});
  tree.Add(2, {1, true, u"", {}});
  tree.Add(3, {1, true, u"|only help", {}});
  EXPECT_EQ(TooltipTextOf(tree, 2), u"window");
  EXPECT_EQ(TooltipTextOf(tree, 3), u"");
}

TEST(TooltipControl, IsTheNearestControlWithShowHint) {
  FakeControlTree tree;
  tree.Add(1, {kNoControl, false, u"", {}});
  tree.Add(2, {1, true, u"", {}});
  tree.Add(3, {2, false, u"", {}});
  tree.Add(4, {1, false, u"", {}});
  EXPECT_EQ(TooltipControlOf(tree, 3), 2);
  EXPECT_EQ(TooltipControlOf(tree, 2), 2);
  EXPECT_EQ(TooltipControlOf(tree, 4), kNoControl);
  EXPECT_EQ(TooltipControlOf(tree, kNoControl), kNoControl);
}

}  // namespace
}  // namespace zix
