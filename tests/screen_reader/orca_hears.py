#!/usr/bin/python3
"""Checks what Orca spoke while a face of Lorvane was played by keyboard.

usage: orca_hears.py SPEECH_FILE

The face was played as orca_hears.sh plays it: from the player's general,
up two and left three onto the cannon, Enter; right three, Enter (the turn
and the computer's reply); 文件 → 悔棋 by Alt+F and B; F2. SPEECH_FILE has
Orca's speech lines in order. Every step must have been spoken, in order, in
the game's own words; on failure the lines are printed.
"""
import re
import sys

# The cursor's steps and the pick-up, as the game names each point.
STEPS = ["空位，五路，第二行", "空位，五路，第三行", "空位，六路，第三行", "空位，七路，第三行",
         "玩家的炮，八路，第三行", "选中玩家的炮，八路，第三行",
         "空位，七路，第三行", "空位，六路，第三行", "空位，五路，第三行"]
TURN = re.compile(r"玩家：【炮】八平三。电脑：(【.】 ?\S{2,4})。")


def check(lines):
    at = 0
    for step in STEPS:
        found = next((i for i in range(at, len(lines)) if step in lines[i]), None)
        if found is None:
            return f"not heard after line {at + 1}: {step}"
        at = found + 1
    turn = next((i for i in range(at, len(lines)) if TURN.search(lines[i])), None)
    if turn is None:
        return f"not heard after line {at + 1}: the turn, 玩家：【炮】八平三。电脑：…"
    reply = TURN.search(lines[turn]).group(1)
    taken_back = f"悔棋：收回玩家 【炮】八平三，电脑 {reply}"
    back = next((i for i in range(turn + 1, len(lines)) if taken_back in lines[i]), None)
    if back is None:
        return f"not heard after line {turn + 1}: {taken_back}"
    # F2 on the opening position: the computer's pieces, then the player's.
    read_out = next((i for i in range(back + 1, len(lines))
                     if re.search(r"电脑：将 ５路第１行；.*。玩家：帅 五路第一行；.*兵 九路第四行", lines[i])),
                    None)
    if read_out is None:
        return f"not heard after line {back + 1}: F2's read-out of the opening position"
    print(f"heard: {len(STEPS)} steps, the turn ({lines[turn]}), the take-back, the read-out")
    return None


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    with open(sys.argv[1], encoding="utf-8") as f:
        lines = [line.rstrip("\n") for line in f]
    problem = check(lines)
    if problem:
        print(problem, file=sys.stderr)
        print("Orca spoke:", *lines, sep="\n  ", file=sys.stderr)
        sys.exit(1)


if __name__ == "__main__":
    main()
