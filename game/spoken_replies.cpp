// What the game says after a turn: both move lines with their captures, and
// the end of the game when the turn brought it.
#include "game.h"
#include "spoken_words.h"

namespace lorvane {

void Game::AnnounceTurn(int turn, const std::string& playerLine,
                        const std::optional<std::string>& computerLine) {
  const MoveHistory& player = PlayerHistory;
  const MoveHistory& computer = engine_->ComputerHistory;
  std::string text = "玩家：" + playerLine;
  if (player.captured[turn] != kEmpty) text += "，吃" + TakenWords(player.captured[turn]);
  text += "。";
  const bool replied = computerLine.has_value();
  if (replied) {
    text += "电脑：" + *computerLine;
    if (computer.captured[turn] != kEmpty) text += "，吃" + TakenWords(computer.captured[turn]);
    text += "。";
  }
  // Both generals stood before this turn, so a missing one was taken in it.
  if (player.captured[turn] == kComputerGeneral)
    text += "电脑的将已被吃掉，你赢了。";
  else if (replied && computer.captured[turn] == kPlayerGeneral)
    text += "玩家的帅已被吃掉，电脑赢了。";
  else if (!replied)
    text += "电脑无棋可走，棋局结束。";
  view_.Say(text);
}

}  // namespace lorvane
