// The rules of play on the game itself, through a view that records what it
// is told: whole games against a separate engine, take-back, the 81-turn
// limit, the end of a game, the place of a message within a click, and the
// calls the game refuses.
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "game.h"
#include "geometry.h"
#include "notation.h"

using namespace lorvane;

namespace {

// Writes down every step the game reports, and calls `inside` from within
// some of them. A message box is closed at once, or left open until the test
// closes it.
class RecordingView : public GameView {
 public:
  std::vector<std::string> steps;
  std::vector<std::string> messages;
  std::vector<std::string> said;
  std::vector<std::string> lines[2];
  Game* game = nullptr;
  bool closeMessagesAtOnce = true;
  std::function<void()> inside = [] {};

  void RedrawPieces() override { steps.push_back("pieces"); inside(); }
  void ShowMarker(Marker m, int x, int y) override {
    steps.push_back("show " + std::to_string(static_cast<int>(m)) + " " + std::to_string(x) + "," +
                    std::to_string(y));
  }
  void HideMarker(Marker m) override { steps.push_back("hide " + std::to_string(static_cast<int>(m))); }
  void AddLine(Side list, const std::string& line) override {
    steps.push_back(std::string(list == Side::kPlayer ? "player " : "computer ") + line);
    lines[static_cast<int>(list)].push_back(line);
  }
  void RemoveLine(Side list, int i) override {
    steps.push_back("remove " + std::to_string(i));
    auto& l = lines[static_cast<int>(list)];
    l.erase(l.begin() + i);
  }
  void ClearLines() override {
    steps.push_back("clear");
    lines[0].clear();
    lines[1].clear();
  }
  void ShowMessage(const std::string& text) override {
    steps.push_back("message " + text);
    messages.push_back(text);
    inside();
    if (closeMessagesAtOnce) game->MessageClosed();
  }
  void Say(const std::string& words) override { said.push_back(words); inside(); }
  void ShowDifficulty(Level) override { steps.push_back("difficulty"); inside(); }
};

class GameTest : public ::testing::Test {
 protected:
  GameTest() : game(view) {
    view.game = &game;
    game.NewGame();
    view.steps.clear();
    view.said.clear();
  }
  void Move(int fx, int fy, int tx, int ty) {
    game.ClickPiece(true, fx, fy);
    game.ClickBoardAt(tx, ty);
  }
  // The board replayed from the start through both histories.
  Board Replayed() const {
    Board b = InitialBoard();
    const MoveHistory& p = game.PlayerHistory;
    const MoveHistory& c = game.Rules().ComputerHistory;
    for (int i = 0; i < kHistorySlots; ++i) {
      if (p.InUse(i)) PlayMove(b, p.fromX[i], p.fromY[i], p.toX[i], p.toY[i]);
      if (c.InUse(i)) PlayMove(b, c.fromX[i], c.fromY[i], c.toX[i], c.toY[i]);
    }
    return b;
  }
  RecordingView view;
  Game game;
};

std::string Shown(lorvane::Marker m, int x, int y) {
  return "show " + std::to_string(static_cast<int>(m)) + " " + std::to_string(x) + "," + std::to_string(y);
}

}  // namespace

// Random legal moves of the player for whole games, each reply the choice of
// a separate engine at the chosen depth, the board always the start replayed
// through both histories, and the lists' lines those of the moves.
TEST_F(GameTest, WholeGamesAgainstASeparateEngine) {
  std::mt19937 random(7);
  Engine reference;
  for (int g = 0; g < 3; ++g) {
    game.SetDifficulty(g == 1 ? Level::kHigh : Level::kLow);
    game.NewGame();
    for (int turn = 0; turn < 40 && !game.GameOver(); ++turn) {
      Engine& rules = game.Rules();
      const int n = rules.GenerateMoves(game.board, 1, Side::kPlayer);
      ASSERT_GT(n, 0);
      const MoveRecord m = rules.MoveTable[1][random() % n];
      Board expected = game.board;
      const std::uint8_t took = PlayMove(expected, m.FromX(), m.FromY(), m.ToX(), m.ToY());
      const std::string playerLine = FormatPlayerMove(expected, m.FromX(), m.FromY(), m.ToX(), m.ToY());
      const ChosenMove reply = reference.ChooseMove(expected, Side::kComputer, g == 1 ? 3 : 2);
      view.steps.clear();
      if (took == kEmpty)
        Move(m.FromX(), m.FromY(), m.ToX(), m.ToY());
      else {
        game.ClickPiece(true, m.FromX(), m.FromY());
        game.ClickPiece(false, m.ToX(), m.ToY());
      }
      ASSERT_EQ(game.PlayerHistory.Count(), turn + 1);
      EXPECT_EQ(game.PlayerHistory.captured[turn], took);
      EXPECT_EQ(game.Lines(Side::kPlayer).back(), playerLine);
      if (reply.move) {
        const MoveRecord r = *reply.move;
        PlayMove(expected, r.FromX(), r.FromY(), r.ToX(), r.ToY());
        ASSERT_EQ(game.Rules().ComputerHistory.Count(), turn + 1);
        EXPECT_EQ(game.Lines(Side::kComputer).back(),
                  FormatComputerMove(expected, r.FromX(), r.FromY(), r.ToX(), r.ToY()));
        // The player's move is drawn and listed before the reply is shown.
        const std::vector<std::string> tail(view.steps.end() - 6, view.steps.end());
        EXPECT_EQ(tail, (std::vector<std::string>{
                            "pieces", "player " + playerLine,
                            Shown(Marker::kComputerFrom, r.FromX(), r.FromY()),
                            Shown(Marker::kComputerTo, r.ToX(), r.ToY()),
                            "computer " + game.Lines(Side::kComputer).back(), "pieces"}));
      }
      ASSERT_EQ(game.board, expected);
      ASSERT_EQ(game.board, Replayed());
      EXPECT_EQ(view.lines[0], game.Lines(Side::kComputer));
      EXPECT_EQ(view.lines[1], game.Lines(Side::kPlayer));
      EXPECT_FALSE(game.SelectedPoint.IsSet());
    }
    EXPECT_TRUE(view.messages.empty());
  }
}

// A turn in which both sides captured is taken back whole; repeated
// take-backs walk back to the start, and one more changes nothing.
TEST_F(GameTest, TakeBackRestoresCapturesAndWalksBack) {
  Move(7, 7, 4, 7);                  // cannon to the centre
  game.ClickPiece(true, 4, 7);       // and it takes the centre pawn
  game.ClickPiece(false, 4, 3);
  ASSERT_EQ(game.PlayerHistory.Count(), 2);
  EXPECT_EQ(game.PlayerHistory.captured[1], kComputerPawn);
  Board afterFirst = InitialBoard();
  PlayMove(afterFirst, 7, 7, 4, 7);
  const MoveHistory& c = game.Rules().ComputerHistory;
  PlayMove(afterFirst, c.fromX[0], c.fromY[0], c.toX[0], c.toY[0]);
  game.TakeBack();
  EXPECT_EQ(game.board, afterFirst);
  EXPECT_EQ(game.Lines(Side::kPlayer).size(), 1u);
  EXPECT_EQ(view.lines[1].size(), 1u);
  EXPECT_FALSE(game.MarkerPoint(Marker::kComputerTo).IsSet());
  game.TakeBack();
  EXPECT_EQ(game.board, InitialBoard());
  EXPECT_EQ(game.PlayerHistory.Count(), 0);
  EXPECT_EQ(c.Count(), 0);
  view.said.clear();
  game.TakeBack();
  EXPECT_EQ(game.board, InitialBoard());
  EXPECT_EQ(view.said, std::vector<std::string>{"没有可以悔的棋"});
}

// All 81 turns used: a further move is refused with a message and nothing
// changes; after a take-back the game goes on.
TEST_F(GameTest, EightyOneTurns) {
  MoveHistory& computer = game.Rules().ComputerHistory;
  for (int i = 0; i < kHistorySlots; ++i) {
    const bool out = i % 2 == 0;
    const int pf[2] = {out ? 1 : 2, out ? 9 : 7}, pt[2] = {out ? 2 : 1, out ? 7 : 9};
    const int cf[2] = {out ? 1 : 2, out ? 0 : 2}, ct[2] = {out ? 2 : 1, out ? 2 : 0};
    game.PlayerHistory.Store(i, pf[0], pf[1], pt[0], pt[1], PlayMove(game.board, pf[0], pf[1], pt[0], pt[1]));
    computer.Store(i, cf[0], cf[1], ct[0], ct[1], PlayMove(game.board, cf[0], cf[1], ct[0], ct[1]));
  }
  const Board full = game.board;
  Move(0, 6, 0, 5);
  EXPECT_EQ(view.messages, std::vector<std::string>{"本局已满八十一回合，无法继续走棋。请悔棋或重新开局。"});
  EXPECT_EQ(game.board, full);
  EXPECT_EQ(game.PlayerHistory.Count(), kHistorySlots);
  EXPECT_FALSE(game.SelectedPoint.IsSet());
  // The 81st turn is taken back like the first; then the move is played.
  game.TakeBack();
  EXPECT_EQ(game.PlayerHistory.Count(), kHistorySlots - 1);
  EXPECT_EQ(game.board, Replayed());
  Move(0, 6, 0, 5);
  EXPECT_EQ(game.PlayerHistory.Count(), kHistorySlots);
  EXPECT_EQ(computer.Count(), kHistorySlots);
  EXPECT_EQ(view.messages.size(), 1u);
}

// Once a general is gone, a click shows "已经结束!!!" first; the rest of the
// click waits for the box and then happens as usual. Nothing else is taken
// while the box is open.
TEST_F(GameTest, AMessageKeepsItsPlaceInTheClick) {
  Board board;
  board(4, 9) = kPlayerGeneral;
  board(0, 9) = kPlayerChariot;
  board(3, 0) = kComputerAdvisor;  // the computer's general is gone
  game.board = board;
  view.closeMessagesAtOnce = false;
  game.ClickPiece(true, 0, 9);
  EXPECT_EQ(view.steps, std::vector<std::string>{"message 已经结束!!!"});
  EXPECT_TRUE(game.Waiting());
  game.ClickBoardAt(0, 8);
  game.TakeBack();
  game.NewGame();
  EXPECT_EQ(view.steps.size(), 1u);
  EXPECT_FALSE(game.SelectedPoint.IsSet());
  game.MessageClosed();
  EXPECT_FALSE(game.Waiting());
  EXPECT_TRUE(game.SelectedPoint.Is(0, 9));
  EXPECT_EQ(view.steps.back(), "hide 1");
  // A move after the end is not played: the computer could not answer.
  game.ClickBoardAt(0, 8);
  game.MessageClosed();
  EXPECT_EQ(game.board, board);
  EXPECT_EQ(game.PlayerHistory.Count(), 0);
}

// Resigning: the message, and only once it is closed a new game.
TEST_F(GameTest, ResignStartsANewGameAfterTheMessage) {
  Move(7, 7, 4, 7);
  view.closeMessagesAtOnce = false;
  view.steps.clear();
  game.Resign();
  EXPECT_EQ(view.steps, std::vector<std::string>{"message 呵呵！算你还识相！"});
  EXPECT_EQ(game.PlayerHistory.Count(), 1);
  game.MessageClosed();
  EXPECT_EQ(game.board, InitialBoard());
  EXPECT_EQ(game.PlayerHistory.Count(), 0);
  EXPECT_TRUE(view.lines[0].empty() && view.lines[1].empty());
  game.OfferDraw();
  EXPECT_EQ(view.messages.back(), "不和！");
  game.MessageClosed();
  EXPECT_EQ(game.board, InitialBoard());
}

// Every operation is tried from inside the steps a view is shown, and while
// "不和！" waits for its box: each time it is refused, and the view is shown
// just the steps of a game where nothing was tried meanwhile.
TEST_F(GameTest, NoOperationFromInsideAStepOrWhileAMessageIsOpen) {
  const auto tryAll = [](Game& g) {  // each where it changes a new game
    g.NewGame();
    g.Resign();
    g.ClickPiece(true, 7, 7);
    g.ClickBoardAt(4, 7);
    g.ClickPoint(0, 9);
    g.ClickBoard([] { return ClickedPoint{0, 8}; });
    g.TakeBack();
    g.SetDifficulty(g.Difficulty() == Level::kLow ? Level::kHigh : Level::kLow);
    g.DropSelection();
    g.ReadPosition();
    g.OfferDraw();
  };
  RecordingView quiet;
  Game same(quiet);
  quiet.game = &same;
  bool trying = false;  // one level deep, should a call get through
  view.inside = [&] {
    if (std::exchange(trying, true)) return;
    tryAll(game);
    trying = false;
  };
  for (Game* g : {&game, &same}) tryAll(*g);
  view.closeMessagesAtOnce = false;
  game.OfferDraw();
  tryAll(game);
  EXPECT_TRUE(game.Waiting());
  game.MessageClosed();
  view.closeMessagesAtOnce = true;
  same.OfferDraw();
  for (Game* g : {&game, &same}) tryAll(*g);
  EXPECT_EQ(view.steps, quiet.steps);
  EXPECT_EQ(view.said, quiet.said);
  EXPECT_EQ(game.board, same.board);
  EXPECT_EQ(game.Difficulty(), same.Difficulty());
}

// A click at a place of the client area is a click on the piece whose
// picture covers it, else on the board, as the game's board stands when the
// click is taken: checked across the board against a second game given the
// piece or board click directly, also where a picture has just been taken.
TEST_F(GameTest, AClickAtAPlaceIsOnWhatStandsThereThen) {
  // The cannon takes the horse; the computer's reply may take it back.
  Move(7, 7, 7, 0);
  RecordingView other;
  Game same(other);
  other.game = &same;
  same.NewGame();
  same.ClickPiece(true, 7, 7);
  same.ClickBoardAt(7, 0);
  ASSERT_EQ(game.board, same.board);
  for (int y = 0; y < 540; y += 7) {
    for (int x = 0; x < 460; x += 5) {
      const auto pointer = [x, y] { return ClickedPoint{ClickFile(x), ClickRank(y)}; };
      const int fx = (x - 12) / 48, fy = (y - 26) / 48;
      const bool picture = x >= 12 && y >= 26 && OnBoard(fx, fy) && x - PointLeft(fx) < kPieceSize &&
                           y - PointTop(fy) < kPieceSize && same.board(fx, fy) != kEmpty;
      view.steps.clear();
      other.steps.clear();
      game.ClickAt(x, y, pointer);
      if (picture)
        same.ClickPiece(IsPlayerPiece(same.board(fx, fy)), fx, fy);
      else
        same.ClickBoard(pointer);
      ASSERT_EQ(view.steps, other.steps) << x << "," << y;
      ASSERT_EQ(game.board, same.board) << x << "," << y;
      // No computer's piece is ever selected.
      if (game.SelectedPoint.IsSet()) {
        ASSERT_TRUE(IsPlayerPiece(game.board(game.SelectedPoint.x, game.SelectedPoint.y)));
      }
    }
  }
  // The sweep played on: pieces were picked up and moved.
  EXPECT_GT(game.PlayerHistory.Count(), 3);
}
